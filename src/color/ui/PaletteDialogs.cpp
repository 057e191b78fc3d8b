#include "color/ui/PaletteDialogs.h"

#include <QFileDialog>
#include <QMessageBox>

#include "color/ui/CColorValuesDlg.h"

namespace {

QString ChooseFile(QWidget* owner, PaletteDialogs::FileKind kind, PaletteDialogs::FileAction action)
{
    const bool history = kind == PaletteDialogs::FileKind::ColorHistory;
    const QString suffix = history ? QStringLiteral("dch") : QStringLiteral("dss");
    const QString filter = history
        ? QObject::tr("Daubrix Color History files (*.dch *.DCH)")
        : QObject::tr("Daubrix Shape State files (*.dss *.DSS)");
    QFileDialog dialog(owner, QString(), QString(), filter);
    dialog.setDefaultSuffix(suffix);
    if (action == PaletteDialogs::FileAction::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

PaletteDialogs PaletteDialogs::Standard(QWidget* owner)
{
    PaletteDialogs d;
    d.message = [owner](const QString& text) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Daubrix"), text, QMessageBox::Ok, owner);
        box.exec();
    };
    d.confirm = [owner](CConfirmDlg::Question q) { return CConfirmDlg::Ask(q, owner); };
    d.chooseFile = [owner](FileKind kind, FileAction action) {
        return ChooseFile(owner, kind, action);
    };
    d.enterValues = [owner](const HsvColor& start) { return CColorValuesDlg::Run(start, owner); };
    return d;
}
