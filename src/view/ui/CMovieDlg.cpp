#include "view/ui/CMovieDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace
{
// The kinds in the list's order, with the extension each one's file takes.
const char* const kSuffix[] = {".mp4", ".webm", ""};

int KindOf(const QString& output)
{
    const QString suffix = QFileInfo(output).suffix().toLower();
    return suffix == QLatin1String("mp4") ? 0 : suffix == QLatin1String("webm") ? 1 : 2;
}

// The same output with the extension of another kind.
QString WithKind(const QString& output, int kind)
{
    const QFileInfo file(output);
    const QString stem = KindOf(output) == 2 ? output : file.path() + u'/' + file.completeBaseName();
    return stem + QLatin1String(kSuffix[kind]);
}

QString ChooseWithDialogs(QWidget* parent, int kind, const QString& current)
{
    QFileDialog dialog(parent, QObject::tr("Create movie"), current);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (kind == 2) {
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilter(kind == 0 ? QObject::tr("MP4 video (*.mp4)") : QObject::tr("WebM video (*.webm)"));
        dialog.setDefaultSuffix(QLatin1String(kSuffix[kind] + 1));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
} // namespace

CMovieDlg::CMovieDlg(const MovieSettings& settings, const QString& output, QSize drawing, QWidget* parent)
    : QDialog(parent), m_choosePath(ChooseWithDialogs)
{
    setWindowTitle(tr("Create movie"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeOutputGroup());
    layout->addWidget(MakeFramesGroup(drawing));
    layout->addWidget(MakeAdvanceGroup());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    m_output->setText(output);
    m_kind->setCurrentIndex(KindOf(output));
    m_rate->setValue(settings.framesPerSecond);
    m_half->setChecked(settings.halfSize);
    (settings.advance == MovieSettings::Advance::GlobsPerFrame ? m_byGlobs : m_bySeconds)->setChecked(true);
    m_globs->setValue(settings.globsPerFrame);
    m_seconds->setValue(settings.seconds);
    m_sectionEnds->setChecked(settings.frameAtSectionEnds);
    m_hold->setValue(settings.holdSeconds);
    EnableAdvance();
    connect(m_kind, &QComboBox::currentIndexChanged, this, &CMovieDlg::OnKindChanged);
}

QWidget* CMovieDlg::MakeOutputGroup()
{
    auto* group = new QGroupBox(tr("Output"));
    m_kind = new QComboBox;
    m_kind->addItems({tr("MP4 video (H.264)"), tr("WebM video (VP9)"), tr("PNG pictures in a folder")});
    m_output = new QLineEdit;
    m_output->setMinimumWidth(260);
    auto* browse = new QPushButton(tr("&Browse..."));
    connect(browse, &QPushButton::clicked, this, &CMovieDlg::OnBrowse);
    auto* grid = new QGridLayout(group);
    grid->addWidget(m_kind, 0, 0, 1, 2);
    grid->addWidget(m_output, 1, 0);
    grid->addWidget(browse, 1, 1);
    return group;
}

QWidget* CMovieDlg::MakeFramesGroup(QSize drawing)
{
    auto* group = new QGroupBox(tr("Frames"));
    m_rate = new QSpinBox;
    m_rate->setRange(1, 120);
    m_rate->setSuffix(tr(" per second"));
    m_half = new QCheckBox(tr("Half size (%1 × %2)").arg(drawing.width() / 2).arg(drawing.height() / 2));
    auto* form = new QFormLayout(group);
    form->addRow(tr("Frame &rate:"), m_rate);
    form->addRow(tr("Frame size:"), m_half);
    return group;
}

QWidget* CMovieDlg::MakeAdvanceGroup()
{
    auto* group = new QGroupBox(tr("The drawing advances"));
    m_byGlobs = new QRadioButton(tr("&Globs per frame:"));
    m_bySeconds = new QRadioButton(tr("&Length in seconds:"));
    m_globs = new QSpinBox;
    m_globs->setRange(1, 1000000);
    m_seconds = new QDoubleSpinBox;
    m_seconds->setRange(0.1, 3600);
    m_seconds->setDecimals(1);
    m_sectionEnds = new QCheckBox(tr("One more frame where each &section ends"));
    m_hold = new QDoubleSpinBox;
    m_hold->setRange(0, 60);
    m_hold->setDecimals(1);
    m_hold->setSuffix(tr(" seconds"));
    connect(m_byGlobs, &QRadioButton::toggled, this, &CMovieDlg::EnableAdvance);
    auto* grid = new QGridLayout(group);
    grid->addWidget(m_byGlobs, 0, 0);
    grid->addWidget(m_globs, 0, 1);
    grid->addWidget(m_bySeconds, 1, 0);
    grid->addWidget(m_seconds, 1, 1);
    grid->addWidget(m_sectionEnds, 2, 0, 1, 2);
    auto* holdLabel = new QLabel(tr("&Hold the finished picture:"));
    holdLabel->setBuddy(m_hold);
    grid->addWidget(holdLabel, 3, 0);
    grid->addWidget(m_hold, 3, 1);
    return group;
}

void CMovieDlg::OnKindChanged(int kind)
{
    if (!m_output->text().isEmpty())
        m_output->setText(WithKind(m_output->text(), kind));
}

void CMovieDlg::OnBrowse()
{
    const QString chosen = m_choosePath(this, m_kind->currentIndex(), m_output->text());
    if (!chosen.isEmpty())
        m_output->setText(chosen);
}

void CMovieDlg::EnableAdvance()
{
    m_globs->setEnabled(m_byGlobs->isChecked());
    m_seconds->setEnabled(!m_byGlobs->isChecked());
}

MovieSettings CMovieDlg::Settings() const
{
    MovieSettings s;
    s.framesPerSecond = m_rate->value();
    s.halfSize = m_half->isChecked();
    s.advance = m_byGlobs->isChecked() ? MovieSettings::Advance::GlobsPerFrame : MovieSettings::Advance::TotalSeconds;
    s.globsPerFrame = m_globs->value();
    s.seconds = m_seconds->value();
    s.frameAtSectionEnds = m_sectionEnds->isChecked();
    s.holdSeconds = m_hold->value();
    return s;
}

QString CMovieDlg::Output() const
{
    const QString output = m_output->text().trimmed();
    return output.isEmpty() ? output : WithKind(output, m_kind->currentIndex());
}
