#include "imaging/ui/CImportImageDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

namespace
{
QSlider* OneToTen(int value)
{
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setRange(1, 10);
    slider->setValue(value);
    slider->setTickPosition(QSlider::TicksBelow);
    return slider;
}

// A slider between its "fewer" and "more" labels.
QWidget* SliderRow(QSlider* slider, QLabel* fewer, QLabel* more)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(fewer);
    layout->addWidget(slider, 1);
    layout->addWidget(more);
    return row;
}
} // namespace

CImportImageDlg::CImportImageDlg(const ImportSettings& current, QWidget* parent)
    : QDialog(parent)
    , m_preserve(new QRadioButton(tr("Preserve image colors")))
    , m_useNew(new QRadioButton(tr("Use new colors")))
    , m_ordered(new QRadioButton(tr("Ordered")))
    , m_fromImage(new QRadioButton(tr("Get order from image")))
    , m_keep(new QRadioButton(tr("Keep")))
    , m_remove(new QRadioButton(tr("Remove")))
    , m_fit(new QRadioButton(tr("Fit drawing")))
    , m_squash(new QRadioButton(tr("Squash/Stretch")))
    , m_normal(new QRadioButton(tr("Normal")))
{
    setWindowTitle(tr("Import Image"));
    auto* grid = new QGridLayout;
    grid->addWidget(ColorsGroup(current), 0, 0);
    grid->addWidget(GlobsGroup(current), 0, 1);
    grid->addWidget(ChoiceGroup(tr("Glob order"), m_ordered, m_fromImage), 1, 0);
    grid->addWidget(ChoiceGroup(tr("Background"), m_keep, m_remove), 1, 1);
    grid->addWidget(ChoiceGroup(tr("Size"), m_fit, m_squash, m_normal), 2, 0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);

    m_preserve->setChecked(current.colors == ImportColors::Preserve);
    m_useNew->setChecked(current.colors == ImportColors::UseNew);
    m_ordered->setChecked(current.order == ImportOrder::Ordered);
    m_fromImage->setChecked(current.order == ImportOrder::FromImage);
    m_keep->setChecked(current.background == ImportBackground::Keep);
    m_remove->setChecked(current.background == ImportBackground::Remove);
    m_fit->setChecked(current.size == BackgroundSizing::FitDrawing);
    m_squash->setChecked(current.size == BackgroundSizing::SquashStretch);
    m_normal->setChecked(current.size == BackgroundSizing::Normal);
    EnableColorSlider();
    connect(m_preserve, &QRadioButton::toggled, this, &CImportImageDlg::EnableColorSlider);
}

QWidget* CImportImageDlg::ColorsGroup(const ImportSettings& current)
{
    auto* group = new QGroupBox(tr("Colors"));
    auto* layout = new QVBoxLayout(group);
    m_colorSlider = OneToTen(current.colorSlider);
    m_fewerColors = new QLabel(tr("fewer"));
    m_moreColors = new QLabel(tr("more"));
    layout->addWidget(m_preserve);
    layout->addWidget(SliderRow(m_colorSlider, m_fewerColors, m_moreColors));
    layout->addWidget(m_useNew);
    return group;
}

QWidget* CImportImageDlg::GlobsGroup(const ImportSettings& current)
{
    auto* group = new QGroupBox(tr("Number of globs"));
    auto* layout = new QVBoxLayout(group);
    m_globSlider = OneToTen(current.globSlider);
    layout->addWidget(SliderRow(m_globSlider, new QLabel(tr("fewer")), new QLabel(tr("more"))));
    return group;
}

QWidget* CImportImageDlg::ChoiceGroup(const QString& title, QRadioButton* first,
                                      QRadioButton* second, QRadioButton* third)
{
    auto* group = new QGroupBox(title);
    auto* layout = new QVBoxLayout(group);
    for (QRadioButton* button : {first, second, third})
        if (button)
            layout->addWidget(button);
    return group;
}

void CImportImageDlg::EnableColorSlider()
{
    const bool preserve = m_preserve->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(m_colorSlider), static_cast<QWidget*>(m_fewerColors),
                       static_cast<QWidget*>(m_moreColors)})
        w->setEnabled(preserve);
}

ImportSettings CImportImageDlg::settings() const
{
    ImportSettings s;
    s.colors = m_useNew->isChecked() ? ImportColors::UseNew : ImportColors::Preserve;
    s.colorSlider = m_colorSlider->value();
    s.order = m_ordered->isChecked() ? ImportOrder::Ordered : ImportOrder::FromImage;
    s.background = m_keep->isChecked() ? ImportBackground::Keep : ImportBackground::Remove;
    s.globSlider = m_globSlider->value();
    s.size = m_fit->isChecked()      ? BackgroundSizing::FitDrawing
             : m_squash->isChecked() ? BackgroundSizing::SquashStretch
                                     : BackgroundSizing::Normal;
    return s;
}

bool CImportImageDlg::Ask(QWidget* parent, ImportSettings& remembered)
{
    CImportImageDlg dialog(remembered, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    remembered = dialog.settings();
    return true;
}
