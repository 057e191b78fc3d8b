#pragma once

#include <QDialog>

#include "app/TipFile.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSettings;

// One tip at a time from tips.txt; remembers where it stopped (group "Tip") and starts
// again from the first tip when the file has changed.
class CTipDlg final : public QDialog
{
    Q_OBJECT

public:
    static constexpr const char* kGroup = "Tip";

    // settings must outlive the dialog.
    CTipDlg(const QString& tipsPath, QSettings& settings, QWidget* parent = nullptr);
    ~CTipDlg() override;

    static bool ShowAtStartUp(QSettings& settings);

    QString TipText() const;
    QCheckBox* StartUpBox() const { return m_startUp; }
    QPushButton* NextButton() const { return m_next; }
    void ShowNextTip();

    void accept() override;

private:
    void BuildControls();
    void OpenTips(const QString& tipsPath);
    void ReportTrouble();

    QSettings& m_settings;
    TipFile m_tips;
    QLabel* m_text = nullptr;
    QCheckBox* m_startUp = nullptr;
    QPushButton* m_next = nullptr;
};
