#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// One main for every test program: the offscreen platform, so that fonts and windows work
// without a display, and a configuration folder of its own, so no test writes the user's.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir konfiguration;
    qputenv("XDG_CONFIG_HOME", konfiguration.path().toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
