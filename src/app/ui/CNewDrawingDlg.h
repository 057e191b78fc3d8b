#pragma once

#include <QDialog>
#include <QSize>

class QCheckBox;
class QSpinBox;

// The size of a new drawing: four presets, width and height 100..2048, and an optional
// lock that keeps the proportions of the size it was set on.
class CNewDrawingDlg final : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kMin = 100;
    static constexpr int kMax = 2048;

    CNewDrawingDlg(QSize size, bool lockAspect, QWidget* parent = nullptr);

    QSize DrawingSize() const;
    bool LockAspect() const;

    QSpinBox* WidthBox() const { return m_width; }
    QSpinBox* HeightBox() const { return m_height; }
    QCheckBox* LockBox() const { return m_lock; }
    void ChoosePreset(QSize size);

    void accept() override;

private:
    QWidget* MakePresets(QSize current);
    QWidget* MakeSizeGroup(QSize current);
    void ApplyLock();
    void FollowWidth();
    bool CheckRange(QSpinBox* box);

    QSpinBox* m_width = nullptr;
    QSpinBox* m_height = nullptr;
    QCheckBox* m_lock = nullptr;
    QSize m_ratio;
    bool m_initialising = true;
};
