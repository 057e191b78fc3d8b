#include "imaging/ui/CPictureFileDlg.h"

#include "imaging/PictureFile.h"

CPictureFileDlg::CPictureFileDlg(QWidget* parent)
    : QFileDialog(parent)
{
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::ExistingFile);
    setNameFilter(PictureFileFilter());
    setDefaultSuffix(QStringLiteral("bmp"));
}

QString CPictureFileDlg::GetPictureFileName(QWidget* parent)
{
    CPictureFileDlg dialog(parent);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
