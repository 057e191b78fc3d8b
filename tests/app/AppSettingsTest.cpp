#include <QRect>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/AppSettings.h"

namespace
{
class AppSettingsTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QSettings store{dir.filePath("settings.ini"), QSettings::IniFormat};

    void Store(const char* name, const QVariant& value)
    {
        store.setValue(QStringLiteral("Settings/") + QLatin1String(name), value);
    }
};

const QSize kScreen(1024, 768);
} // namespace

TEST_F(AppSettingsTest, MissingValuesTakeTheirDefaults)
{
    AppSettings settings;
    settings.appWindowX2 = 1;
    settings.shapesWindowY1 = 7;
    settings.Read(store, kScreen);
    EXPECT_EQ(settings.appWindowX1, 0);
    EXPECT_EQ(settings.appWindowY1, 0);
    EXPECT_EQ(settings.appWindowX2, 639);
    EXPECT_EQ(settings.appWindowY2, 479);
    EXPECT_EQ(settings.shapesWindowX1, 10);
    EXPECT_EQ(settings.shapesWindowY1, 105);
    EXPECT_EQ(settings.shapesWindowX2, 110);
    EXPECT_EQ(settings.shapesWindowY2, 235);
    EXPECT_EQ(settings.Polar, 1);
    EXPECT_EQ(settings.PolarCount, 5);
    EXPECT_EQ(settings.AutoHueSpeed, 5);
}

TEST_F(AppSettingsTest, ByteSizedValuesKeepTheirLowEightBitsOnly)
{
    Store("AutoHueSpeed", 300);
    Store("JitterAmount", -1);
    Store("LineDensity", 260);
    Store("PolarCount", 300); // a 32-bit value: kept whole
    Store("Jitter", "not a number");
    AppSettings settings;
    settings.Read(store, kScreen);
    EXPECT_EQ(settings.AutoHueSpeed, 44);
    EXPECT_EQ(settings.JitterAmount, 255);
    EXPECT_EQ(settings.LineDensity, 4);
    EXPECT_EQ(settings.PolarCount, 300);
    EXPECT_EQ(settings.Jitter, 1);
}

TEST_F(AppSettingsTest, PalettesBeyondTheScreenArePulledBack)
{
    Store("shapesWindowX1", 2000);
    Store("shapesWindowX2", 2100);
    Store("shapesWindowY1", 900);
    Store("shapesWindowY2", 1000);
    Store("colorsWindowX1", 1004);
    Store("colorsWindowY1", 733);
    Store("undoSliderX1", 1003); // below the limit: stays
    Store("undoSliderY1", 740);
    AppSettings settings;
    settings.Read(store, kScreen);
    EXPECT_EQ(settings.shapesWindowX1, 914);
    EXPECT_EQ(settings.shapesWindowX2, 1014);
    EXPECT_EQ(settings.shapesWindowY1, 658);
    EXPECT_EQ(settings.shapesWindowY2, 758);
    EXPECT_EQ(settings.colorsWindowX1, 859);
    EXPECT_EQ(settings.colorsWindowY1, 628);
    EXPECT_EQ(settings.undoSliderX1, 1003);
    EXPECT_EQ(settings.undoSliderY1, 716);
}

TEST_F(AppSettingsTest, MainWindowIsKeptInsideTheScreen)
{
    struct Case
    {
        int x1, y1, x2, y2;
        int wantX1, wantY1, wantX2, wantY2;
    };
    const Case cases[] = {
        {0, 0, 639, 479, 0, 0, 639, 479},
        {100, 50, 1500, 900, 100, 50, 1023, 767},
        {1100, 800, 1500, 900, 0, 0, 639, 479}, // nothing left on screen: default place
    };
    for (const Case& c : cases) {
        AppSettings settings;
        settings.appWindowX1 = c.x1;
        settings.appWindowY1 = c.y1;
        settings.appWindowX2 = c.x2;
        settings.appWindowY2 = c.y2;
        settings.KeepMainWindowOnScreen(kScreen);
        EXPECT_EQ(QRect(QPoint(settings.appWindowX1, settings.appWindowY1),
                        QPoint(settings.appWindowX2, settings.appWindowY2)),
                  QRect(QPoint(c.wantX1, c.wantY1), QPoint(c.wantX2, c.wantY2)))
            << c.x1 << "," << c.y1;
    }
}

TEST_F(AppSettingsTest, WrittenValuesReadBackUnchanged)
{
    AppSettings written;
    written.MirrorBoth = 1;
    written.AutoSatSpeed = 200;
    written.undoSliderY1 = 123;
    written.appWindowShowCmd = 3;
    written.Write(store);
    EXPECT_EQ(store.value("Settings/AutoSatSpeed").toInt(), 200);
    AppSettings read;
    read.Read(store, kScreen);
    EXPECT_EQ(read.MirrorBoth, 1);
    EXPECT_EQ(read.AutoSatSpeed, 200);
    EXPECT_EQ(read.undoSliderY1, 123);
    EXPECT_EQ(read.appWindowShowCmd, 3);
    EXPECT_EQ(store.allKeys().size(), 42);
}
