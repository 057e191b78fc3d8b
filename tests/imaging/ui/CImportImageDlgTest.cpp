#include "imaging/ui/CImportImageDlg.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

namespace
{
QRadioButton* Button(QWidget& dialog, const QString& text)
{
    for (QRadioButton* button : dialog.findChildren<QRadioButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

QGroupBox* Group(QWidget& dialog, const QString& title)
{
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>())
        if (group->title() == title)
            return group;
    return nullptr;
}

void WhenShown(std::function<void(CImportImageDlg&)> act)
{
    QTimer::singleShot(0, [act] {
        if (auto* dialog = qobject_cast<CImportImageDlg*>(QApplication::activeModalWidget()))
            act(*dialog);
    });
}

ImportSettings AllChanged()
{
    ImportSettings s;
    s.colors = ImportColors::UseNew;
    s.colorSlider = 2;
    s.order = ImportOrder::Ordered;
    s.background = ImportBackground::Keep;
    s.globSlider = 9;
    s.size = BackgroundSizing::SquashStretch;
    return s;
}

bool Same(const ImportSettings& a, const ImportSettings& b)
{
    return a.colors == b.colors && a.colorSlider == b.colorSlider && a.order == b.order &&
           a.background == b.background && a.globSlider == b.globSlider && a.size == b.size;
}
} // namespace

TEST(ImportImageDlg, OpensOnTheRememberedSettingsInItsGroups)
{
    for (const ImportSettings& start : {ImportSettings{}, AllChanged()}) {
        CImportImageDlg dialog(start);
        EXPECT_EQ(dialog.windowTitle(), "Import Image");
        for (const char* title : {"Colors", "Glob order", "Background", "Number of globs", "Size"})
            EXPECT_NE(Group(dialog, title), nullptr) << title;
        EXPECT_TRUE(Same(dialog.settings(), start));
    }
    CImportImageDlg dialog{ImportSettings{}};
    EXPECT_TRUE(Button(dialog, "Preserve image colors")->isChecked());
    EXPECT_TRUE(Button(dialog, "Get order from image")->isChecked());
    EXPECT_TRUE(Button(dialog, "Remove")->isChecked());
    EXPECT_TRUE(Button(dialog, "Normal")->isChecked());
}

TEST(ImportImageDlg, NewColoursGreyTheColourSliderAndItsLabels)
{
    CImportImageDlg dialog{ImportSettings{}};
    QGroupBox* colors = Group(dialog, "Colors");
    ASSERT_NE(colors, nullptr);
    const auto slider = colors->findChild<QSlider*>();
    const auto labels = colors->findChildren<QLabel*>();
    ASSERT_TRUE(slider && labels.size() == 2);
    EXPECT_TRUE(slider->isEnabled());
    Button(dialog, "Use new colors")->click();
    EXPECT_FALSE(Button(dialog, "Preserve image colors")->isChecked());
    EXPECT_FALSE(slider->isEnabled());
    for (QLabel* label : labels)
        EXPECT_FALSE(label->isEnabled()) << label->text().toStdString();
    Button(dialog, "Preserve image colors")->click();
    EXPECT_TRUE(slider->isEnabled());

    CImportImageDlg startsNew{AllChanged()};
    EXPECT_FALSE(Group(startsNew, "Colors")->findChild<QSlider*>()->isEnabled());
}

TEST(ImportImageDlg, OkStoresTheSettingsAndCancelKeepsThem)
{
    ImportSettings remembered;
    WhenShown([](CImportImageDlg& d) {
        Button(d, "Ordered")->click();
        Group(d, "Number of globs")->findChild<QSlider*>()->setValue(3);
        d.accept();
    });
    ASSERT_TRUE(CImportImageDlg::Ask(nullptr, remembered));
    EXPECT_EQ(remembered.order, ImportOrder::Ordered);
    EXPECT_EQ(remembered.globSlider, 3);

    WhenShown([](CImportImageDlg& d) {
        Button(d, "Keep")->click();
        d.reject();
    });
    EXPECT_FALSE(CImportImageDlg::Ask(nullptr, remembered));
    EXPECT_EQ(remembered.background, ImportBackground::Remove);
    EXPECT_EQ(remembered.globSlider, 3);
}
