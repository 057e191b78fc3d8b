#include "app/ui/ImageSaveCommands.h"

#include <QAction>
#include <QFileDialog>

#include "app/CommandTable.h"
#include "app/ui/CommandRegistry.h"
#include "app/ui/ShellMessageBox.h"
#include "app/ui/WorkspaceViews.h"
#include "imaging/ImageFileWriter.h"
#include "imaging/ui/CJpegSettingsDlg.h"
#include "view/ui/CDaubrixView.h"

using enum CommandId;

namespace
{
QString ChooseImageFile(QWidget* parent)
{
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(ImageSaveFilter());
    dialog.setDefaultSuffix(QStringLiteral("png"));
    // The kind chosen in the filter gives a name without an extension its own.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(filter.startsWith(QLatin1String("JPEG")) ? QStringLiteral("jpg")
                                : filter.startsWith(QLatin1String("BMP")) ? QStringLiteral("bmp")
                                                                           : QStringLiteral("png"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
} // namespace

ImageSaveCommands::ImageSaveCommands(CommandRegistry& registry, const WorkspaceViews& views,
                                     QWidget& dialogParent)
    : m_views(views), m_dialogParent(dialogParent), m_chooseFile(ChooseImageFile),
      m_askQuality(CJpegSettingsDlg::Ask)
{
    registry.Add(
        SaveImage,
        [this] {
            if (CDaubrixView* v = m_views.Active())
                SaveImageOf(*v);
        },
        [this](QAction& a) { a.setEnabled(m_views.Active() != nullptr); });
}

void ImageSaveCommands::SetFileChooser(FileChooser chooser)
{
    m_chooseFile = chooser ? std::move(chooser) : FileChooser(ChooseImageFile);
}

void ImageSaveCommands::SetQualityAsker(QualityAsker asker)
{
    m_askQuality = asker ? std::move(asker) : QualityAsker(CJpegSettingsDlg::Ask);
}

void ImageSaveCommands::SaveImageOf(CDaubrixView& view)
{
    const QString path = m_chooseFile(&m_dialogParent);
    if (path.isEmpty())
        return;
    if (ImageFileKindOf(path) == ImageFileKind::Jpeg && !m_askQuality(&m_dialogParent, m_quality))
        return;
    // What the window shows, globs still waiting for their paint included.
    view.Refresh();
    const ImageStatus written =
        WriteImageFile(path, view.Session().Canvas().DrawingImage(), m_quality);
    if (!written.ok)
        ShellMessageBox::Show(&m_dialogParent, UserMessage(written.message, written.icon, written.title));
}
