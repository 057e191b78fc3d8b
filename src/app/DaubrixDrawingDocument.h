#pragma once

#include "app/DrawingDocument.h"
#include "model/BackgroundHost.h"
#include "model/CDaubrixDoc.h"
#include "model/UserMessage.h"

class ShapeTable;

// A drawing as the file commands see it. Until a view takes the background picture, the
// document keeps the picture's JPEG bytes itself, so opening and saving again never drops it.
class DaubrixDrawingDocument final : public DrawingDocument, private BackgroundHost
{
public:
    DaubrixDrawingDocument(ShapeTable& shapes, bool lowColor, MessageSink report);

    void InitNew(QSize size) override;
    QSize Size() const override;
    RgbColor BackgroundColor() const override { return m_doc.BackgroundColor(); }
    int GlobCount() const override { return m_doc.Records().GlobCount(); }
    int ColorChangeCount() const override { return m_doc.Records().ColorChangeCount(); }

    SavedDrawing Write() override;
    LoadError Read(const QByteArray& bytes) override;

    CDaubrixDoc& Doc() override { return m_doc; }
    void SetViewHost(BackgroundHost* view) override;

private:
    QByteArray EncodeBackgroundJpeg() override;
    bool DecodeBackgroundJpeg(const QByteArray& jpeg, UserMessage& failure) override;

    CDaubrixDoc m_doc;
    MessageSink m_report;
    BackgroundHost* m_view = nullptr;
    QByteArray m_keptJpeg;
};
