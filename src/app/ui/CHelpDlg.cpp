#include "app/ui/CHelpDlg.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

CHelpDlg::CHelpDlg(const QString& indexFile, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Daubrix Help"));
    m_browser = new QTextBrowser;
    m_browser->setOpenExternalLinks(true);
    if (QFileInfo::exists(indexFile))
        m_browser->setSource(QUrl::fromLocalFile(indexFile));
    else
        m_browser->setPlainText(QStringLiteral("The help file %1 was not found.").arg(indexFile));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    layout->addWidget(buttons);
    resize(560, 480);
}
