#include <QApplication>
#include <gtest/gtest.h>

// The windows need a QApplication; they run on the offscreen platform, so no display is
// needed and no window shows on a screen.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
