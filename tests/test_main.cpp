// The test binary's entry: one QApplication on the offscreen platform for every test.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    // Offscreen, unless a test is run on purpose under an X server (Xvfb).
    if (qgetenv("QT_QPA_PLATFORM") != "xcb") qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
