#include "app/ui/CDrawingInfoDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace
{
QString GlobLine(const CDrawingInfoDlg::Facts& f)
{
    if (f.clearPending)
        return QStringLiteral("0 globs");
    if (f.hiddenGlobs == 0)
        return QStringLiteral("%1 globs").arg(f.globCount);
    return QStringLiteral("%1 globs  (%2 hidden)").arg(f.globCount).arg(f.hiddenGlobs);
}

QString ColorLine(const CDrawingInfoDlg::Facts& f)
{
    if (f.clearPending)
        return QStringLiteral("0 colors");
    if (f.hiddenGlobs == 0)
        return QStringLiteral("%1 colors").arg(f.colorCount);
    return QStringLiteral("%1 colors  (some hidden)").arg(f.colorCount);
}
} // namespace

QStringList CDrawingInfoDlg::Lines(const Facts& f)
{
    return {GlobLine(f), ColorLine(f),
            QStringLiteral("Image size is %1 x %2").arg(f.width).arg(f.height),
            QStringLiteral("bg color  R:%1  G:%2  B:%3")
                .arg(RgbRed(f.background))
                .arg(RgbGreen(f.background))
                .arg(RgbBlue(f.background))};
}

CDrawingInfoDlg::CDrawingInfoDlg(const Facts& facts, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Drawing Information"));
    auto* icon = new QLabel;
    const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(side, side));
    icon->setAlignment(Qt::AlignTop);
    auto* text = new QLabel(Lines(facts).join(u'\n'));
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(8);
    row->addWidget(text, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}
