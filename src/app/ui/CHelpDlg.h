#pragma once

#include <QDialog>

class QTextBrowser;

// The help pages that come with the program, shown in a browser of their own.
class CHelpDlg final : public QDialog
{
    Q_OBJECT

public:
    CHelpDlg(const QString& indexFile, QWidget* parent = nullptr);

    QTextBrowser* Browser() const { return m_browser; }

private:
    QTextBrowser* m_browser = nullptr;
};
