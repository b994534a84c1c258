#include <QApplication>
#include <gtest/gtest.h>

// One main for every test program: a QApplication on the offscreen platform, so that fonts
// (the renderer's labels) and windows work without a display.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
