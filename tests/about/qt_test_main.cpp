#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Listing the tests at build time happens without a display, too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // Windows close when the program says so; the last one closing must not
    // end the waits the tests run inside.
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
