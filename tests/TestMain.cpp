#include <QGuiApplication>
#include <QtGlobal>
#include <gtest/gtest.h>

#if __has_include(<QApplication>)
#include <QApplication>
#endif

// Every test program gets an application object on the offscreen platform, so image,
// font and widget code runs exactly as in the program, without a display.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
