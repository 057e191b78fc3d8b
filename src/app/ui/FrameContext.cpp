#include "app/ui/FrameContext.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>

#include "app/ui/CPlaceholderView.h"

namespace
{
QString DefaultOpenPath(QWidget* parent)
{
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Open"), QString(),
                                        QLatin1String(DocumentManager::kFilter));
}

QString DefaultSavePath(QWidget* parent, const QString& suggestion)
{
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Save As"), suggestion,
                                                QLatin1String(DocumentManager::kFilter));
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QLatin1String(DocumentManager::kExtension);
    return path;
}
} // namespace

void FrameContext::UseDefaultHooks()
{
    if (!makeView) {
        makeView = [](DocumentManager::Drawing& drawing) {
            auto* view = new CPlaceholderView(*drawing.document);
            return ViewParts{view, view};
        };
    }
    if (!chooseOpenPath)
        chooseOpenPath = DefaultOpenPath;
    if (!chooseSavePath)
        chooseSavePath = DefaultSavePath;
    if (!runModal)
        runModal = [](QDialog& dialog) { return dialog.exec(); };
}
