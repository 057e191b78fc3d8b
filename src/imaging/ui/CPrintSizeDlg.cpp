#include "imaging/ui/CPrintSizeDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace
{
QFrame* Rectangle(QWidget* parent, const QColor& colour)
{
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::Box);
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, Qt::black);
    frame->setPalette(palette);
    return frame;
}

QLineEdit* LengthEdit()
{
    auto* edit = new QLineEdit;
    edit->setEnabled(false);
    edit->setAlignment(Qt::AlignRight);
    edit->setMaximumWidth(70);
    return edit;
}
} // namespace

CPrintSizeDlg::CPrintSizeDlg(QSize drawing, int dotsPerUnit, const PrintOptions& options,
                             QWidget* parent)
    : QDialog(parent), m_model(drawing, dotsPerUnit, options)
{
    setWindowTitle(tr("Drawing size on printer"));
    auto* left = new QVBoxLayout;
    left->addWidget(MakeValueGroup());
    left->addWidget(MakeSizeGroup());
    m_centre = new QCheckBox(tr("Center on page"));
    m_centre->setChecked(m_model.Centre());
    left->addWidget(m_centre);
    left->addStretch();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical);
    QPushButton* maxSize = buttons->addButton(tr("Max size"), QDialogButtonBox::ActionRole);
    connect(maxSize, &QPushButton::clicked, this, &CPrintSizeDlg::OnMaxSize);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(MakePreview(), 0, Qt::AlignTop);
    layout->addWidget(buttons);
    ShowRangeAndValue();
    ShowSizes();
    PlacePreview();
    // Only now: the values shown while opening are not changes.
    Connect();
}

QWidget* CPrintSizeDlg::MakeValueGroup()
{
    auto* group = new QGroupBox(tr("Dots per unit"));
    m_dots = new QSpinBox;
    m_unit = new QComboBox;
    for (PrintUnit unit : {PrintUnit::Inch, PrintUnit::Cm, PrintUnit::Mm})
        m_unit->addItem(PrintLayout::UnitName(unit));
    m_unit->setCurrentIndex(static_cast<int>(m_model.Unit()));
    auto* row = new QHBoxLayout(group);
    row->addWidget(m_dots);
    row->addWidget(new QLabel(tr("per")));
    row->addWidget(m_unit);
    return group;
}

QWidget* CPrintSizeDlg::MakeSizeGroup()
{
    auto* group = new QGroupBox(tr("Size on printer"));
    auto* grid = new QGridLayout(group);
    m_width = LengthEdit();
    m_height = LengthEdit();
    m_widthUnit = new QLabel;
    m_heightUnit = new QLabel;
    grid->addWidget(new QLabel(tr("width:")), 0, 0);
    grid->addWidget(m_width, 0, 1);
    grid->addWidget(m_widthUnit, 0, 2);
    grid->addWidget(new QLabel(tr("height:")), 1, 0);
    grid->addWidget(m_height, 1, 1);
    grid->addWidget(m_heightUnit, 1, 2);
    return group;
}

QWidget* CPrintSizeDlg::MakePreview()
{
    auto* area = new QWidget;
    area->setFixedSize(kPreviewSide, kPreviewSide);
    m_page = Rectangle(area, Qt::white);
    m_picture = Rectangle(area, QColor(128, 128, 128));
    m_picture->raise();
    return area;
}

void CPrintSizeDlg::Connect()
{
    connect(m_dots, &QSpinBox::valueChanged, this, &CPrintSizeDlg::OnValueChanged);
    connect(m_unit, &QComboBox::currentIndexChanged, this, &CPrintSizeDlg::OnUnitChanged);
    connect(m_centre, &QCheckBox::toggled, this, &CPrintSizeDlg::OnCentreToggled);
}

void CPrintSizeDlg::OnValueChanged(int value)
{
    m_model.SetDotsPerUnit(value);
    ShowSizes();
    PlacePreview();
}

void CPrintSizeDlg::OnUnitChanged(int index)
{
    m_model.SetUnit(PrintLayout::UnitFromIndex(index));
    ShowRangeAndValue();
    ShowSizes();
    PlacePreview();
}

void CPrintSizeDlg::OnCentreToggled(bool centre)
{
    m_model.SetCentre(centre);
    PlacePreview();
}

void CPrintSizeDlg::OnMaxSize()
{
    m_model.MaxSize();
    ShowRangeAndValue();
    ShowSizes();
    PlacePreview();
}

void CPrintSizeDlg::ShowRangeAndValue()
{
    const QSignalBlocker quiet(m_dots);
    m_dots->setRange(m_model.Minimum(), m_model.Maximum());
    m_dots->setValue(m_model.DotsPerUnit());
}

void CPrintSizeDlg::ShowSizes()
{
    m_widthUnit->setText(m_model.UnitLabel());
    m_heightUnit->setText(m_model.UnitLabel());
    m_width->setText(m_model.WidthText());
    m_height->setText(m_model.HeightText());
}

void CPrintSizeDlg::PlacePreview()
{
    const QRect laidOut(0, 0, kPreviewSide, kPreviewSide);
    m_page->setGeometry(m_model.PagePreview(laidOut));
    const QRect picture = m_model.PicturePreview(laidOut);
    m_picture->setVisible(!picture.isEmpty());
    m_picture->setGeometry(picture);
}

bool CPrintSizeDlg::Ask(QWidget* parent, const ModalRunner& runModal, QSize drawing,
                        int& dotsPerUnit, PrintOptions& options)
{
    CPrintSizeDlg dialog(drawing, dotsPerUnit, options, parent);
    if (runModal(dialog) != QDialog::Accepted)
        return false;
    dotsPerUnit = dialog.Choice().DotsPerUnit();
    const PrintOptions chosen = dialog.Choice().Options();
    options.unit = chosen.unit;
    options.centre = chosen.centre;
    return true;
}
