#pragma once

#include <functional>

#include <QString>

class CDaubrixView;
class CommandRegistry;
class QWidget;
class WorkspaceViews;

// The Image family's Save: the active drawing's picture as it is shown (at the history
// position, background included) written to a PNG, JPEG or BMP file.
class ImageSaveCommands final
{
public:
    ImageSaveCommands(CommandRegistry& registry, const WorkspaceViews& views, QWidget& dialogParent);

    // Who names the file and who asks the JPEG quality; the program's own dialogs by default.
    using FileChooser = std::function<QString(QWidget* parent)>;
    using QualityAsker = std::function<bool(QWidget* parent, int& quality)>;
    void SetFileChooser(FileChooser chooser);
    void SetQualityAsker(QualityAsker asker);

    int JpegQuality() const { return m_quality; }

private:
    void SaveImageOf(CDaubrixView& view);

    const WorkspaceViews& m_views;
    QWidget& m_dialogParent;
    int m_quality = 90; // for the program's run
    FileChooser m_chooseFile;
    QualityAsker m_askQuality;
};
