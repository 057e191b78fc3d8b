#include "app/ui/ChosenPicture.h"

#include "app/ui/ShellMessageBox.h"
#include "imaging/PictureFile.h"

bool ReadChosenPicture(QWidget* parent, const QString& path, QImage& picture)
{
    const ImageStatus read = ReadPictureFile(path, picture);
    if (!read.ok) {
        for (const UserMessage& message : PictureReadFailureMessages(read))
            ShellMessageBox::Show(parent, message);
    }
    return read.ok;
}
