#include "imaging/ui/CPictureFileDlg.h"

#include <QAbstractItemView>
#include <QFile>
#include <QCoreApplication>
#include <QThread>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The dialog lists a folder in the background; wait until the expected count shows up.
QStringList ListedNames(CPictureFileDlg& dialog, const QString& folder)
{
    dialog.setDirectory(folder);
    auto* list = dialog.findChild<QAbstractItemView*>("listView");
    QStringList names;
    for (int attempt = 0; attempt < 50 && names.size() < 4; ++attempt) {
        QCoreApplication::processEvents();
        QThread::msleep(20);
        names.clear();
        const QModelIndex root = list->rootIndex();
        for (int row = 0; row < list->model()->rowCount(root); ++row)
            names << list->model()->index(row, 0, root).data().toString();
    }
    names.sort();
    return names;
}

TEST(PictureFileDlg, OffersTheSupportedFormatsInAnyCase)
{
    CPictureFileDlg dialog;
    EXPECT_EQ(dialog.nameFilters(),
              QStringList({"All Supported Formats (*.bmp *.jpg)", "BMP files (*.bmp)", "JPEG files (*.jpg)"}));
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);

    QTemporaryDir dir;
    for (const char* name : {"a.bmp", "B.BMP", "c.jpg", "D.JPG", "notes.txt"}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(ListedNames(dialog, dir.path()).join(",").toStdString(), "B.BMP,D.JPG,a.bmp,c.jpg");
}

} // namespace
