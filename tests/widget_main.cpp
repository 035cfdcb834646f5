#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

#include "program/LeakCheck.h"

int main(int argc, char** argv)
{
    // Test discovery runs this binary at build time, outside ctest's
    // environment, so the platform is chosen here.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int code = 0;
    {
        QApplication app(argc, argv);
        QApplication::setApplicationName("Kalvado");
        QApplication::setStyle("Fusion");
        testing::InitGoogleTest(&argc, argv);
        code = RUN_ALL_TESTS();
    }
    kalvado::CheckLeaksWhileThreadsAreQuiet();
    return code;
}
