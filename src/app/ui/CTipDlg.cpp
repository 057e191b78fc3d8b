#include "app/ui/CTipDlg.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "app/CommandIcons.h"
#include "app/ui/ShellMessageBox.h"

namespace
{
QString Key(const char* name)
{
    return QLatin1String(CTipDlg::kGroup) + u'/' + QLatin1String(name);
}

// The white tip area: the bulb, "Did you know...", and the tip itself.
QFrame* MakeTipArea(QLabel* text)
{
    auto* area = new QFrame;
    area->setFrameStyle(QFrame::Box | QFrame::Sunken);
    area->setAutoFillBackground(true);
    QPalette white = area->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    area->setPalette(white);
    auto* bulb = new QLabel;
    bulb->setPixmap(QPixmap::fromImage(CommandIcons::Paint(CommandIcon::Tip, 32)));
    auto* heading = new QLabel(QStringLiteral("Did you know..."));
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    heading->setFont(bold);
    auto* top = new QHBoxLayout;
    top->addWidget(bulb);
    top->addWidget(heading, 1);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    auto* layout = new QVBoxLayout(area);
    layout->addLayout(top);
    layout->addWidget(text, 1);
    return area;
}
} // namespace

CTipDlg::CTipDlg(const QString& tipsPath, QSettings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings)
{
    setWindowTitle(QStringLiteral("Daubrix Tip of the Day"));
    BuildControls();
    m_startUp->setChecked(ShowAtStartUp(settings));
    OpenTips(tipsPath);
    m_next->setEnabled(m_tips.IsOpen());
}

CTipDlg::~CTipDlg()
{
    if (m_tips.IsOpen())
        m_settings.setValue(Key("FilePos"), m_tips.Position());
}

bool CTipDlg::ShowAtStartUp(QSettings& settings)
{
    return settings.value(Key("StartUp"), 0).toInt() == 0;
}

void CTipDlg::BuildControls()
{
    m_text = new QLabel(QStringLiteral("Some String"));
    m_text->setTextFormat(Qt::PlainText);
    m_startUp = new QCheckBox(QStringLiteral("&Show Tips on StartUp"));
    m_next = new QPushButton(QStringLiteral("&Next Tip"));
    auto* close = new QPushButton(QStringLiteral("&Close"));
    close->setDefault(true);
    connect(m_next, &QPushButton::clicked, this, &CTipDlg::ShowNextTip);
    connect(close, &QPushButton::clicked, this, &CTipDlg::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_startUp, 1);
    bottom->addWidget(m_next);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeTipArea(m_text), 1);
    layout->addLayout(bottom);
    resize(420, 280);
}

void CTipDlg::OpenTips(const QString& tipsPath)
{
    if (!m_tips.Open(tipsPath)) {
        m_text->setText(QStringLiteral("Tips file does not exist in the prescribed directory"));
        return;
    }
    const QString stamp = m_tips.TimeStamp();
    qint64 position = m_settings.value(Key("FilePos"), 0).toLongLong();
    if (m_settings.value(Key("TimeStamp")).toString() != stamp) {
        m_settings.setValue(Key("TimeStamp"), stamp);
        position = 0;
    }
    if (!m_tips.Seek(position)) {
        ReportTrouble();
        if (m_tips.Seek(0)) // go on from the first tip rather than show nothing
            ShowNextTip();
        return;
    }
    ShowNextTip();
}

void CTipDlg::ShowNextTip()
{
    const std::optional<QString> tip = m_tips.NextTip();
    if (!tip) {
        ReportTrouble();
        return;
    }
    m_text->setText(*tip);
}

void CTipDlg::ReportTrouble()
{
    ShellMessageBox::Show(this, {QStringLiteral("Trouble reading the tips file"),
                                 MessageIcon::Warning});
}

QString CTipDlg::TipText() const
{
    return m_text->text();
}

void CTipDlg::accept()
{
    m_settings.setValue(Key("StartUp"), m_startUp->isChecked() ? 0 : 1);
    QDialog::accept();
}
