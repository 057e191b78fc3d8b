#pragma once

#include <functional>

#include <QDialog>
#include <QSize>

#include "imaging/PrintSizeModel.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QSpinBox;

// "Drawing size on printer": how many drawing pixels make a unit of printed length, with the
// printed width and height and a preview of the picture on the printer's page.
class CPrintSizeDlg final : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kPreviewSide = 150; // the page preview as laid out, square

    CPrintSizeDlg(QSize drawing, int dotsPerUnit, const PrintOptions& options,
                  QWidget* parent = nullptr);

    const PrintSizeModel& Choice() const { return m_model; }

    QSpinBox* DotsPerUnitBox() const { return m_dots; }
    QComboBox* UnitList() const { return m_unit; }
    QLineEdit* WidthEdit() const { return m_width; }
    QLineEdit* HeightEdit() const { return m_height; }
    QLabel* WidthUnitLabel() const { return m_widthUnit; }
    QCheckBox* CentreBox() const { return m_centre; }
    QFrame* PagePreview() const { return m_page; }
    QFrame* PicturePreview() const { return m_picture; }

    // Runs the dialog through runModal; on OK the value and the unit and centring chosen are
    // written back, on Cancel nothing changes. True on OK.
    using ModalRunner = std::function<int(QDialog&)>;
    static bool Ask(QWidget* parent, const ModalRunner& runModal, QSize drawing,
                    int& dotsPerUnit, PrintOptions& options);

private:
    QWidget* MakeValueGroup();
    QWidget* MakeSizeGroup();
    QWidget* MakePreview();
    void Connect();
    void OnValueChanged(int value);
    void OnUnitChanged(int index);
    void OnCentreToggled(bool centre);
    void OnMaxSize();
    void ShowRangeAndValue(); // the spin box follows the model: range, then position
    void ShowSizes();
    void PlacePreview();

    PrintSizeModel m_model;
    QSpinBox* m_dots = nullptr;
    QComboBox* m_unit = nullptr;
    QLineEdit* m_width = nullptr;
    QLineEdit* m_height = nullptr;
    QLabel* m_widthUnit = nullptr;
    QLabel* m_heightUnit = nullptr;
    QCheckBox* m_centre = nullptr;
    QFrame* m_page = nullptr;
    QFrame* m_picture = nullptr;
};
