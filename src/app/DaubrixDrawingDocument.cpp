#include "app/DaubrixDrawingDocument.h"

DaubrixDrawingDocument::DaubrixDrawingDocument(ShapeTable& shapes, bool lowColor,
                                               MessageSink report)
    : m_doc(shapes), m_report(report)
{
    m_doc.Records().SetMessageSink(std::move(report));
    m_doc.SetLowColorMode(lowColor);
    m_doc.SetBackgroundHost(this);
}

void DaubrixDrawingDocument::SetViewHost(BackgroundHost* view)
{
    m_view = view;
    if (!m_view || !m_doc.HasBackgroundImage() || m_keptJpeg.isEmpty())
        return;
    UserMessage failure;
    if (m_view->DecodeBackgroundJpeg(m_keptJpeg, failure))
        return;
    // A stored picture that cannot be read: say why, and the drawing goes on without it,
    // so the menus and a later save agree with what is shown.
    m_doc.SetBackgroundImage(false);
    m_keptJpeg.clear();
    if (!failure.text.isEmpty() && m_report)
        m_report(failure);
}

void DaubrixDrawingDocument::InitNew(QSize size)
{
    m_doc.NewDrawing(size.width(), size.height());
}

QSize DaubrixDrawingDocument::Size() const
{
    return QSize(m_doc.Records().DrawingWidth(), m_doc.Records().DrawingHeight());
}

SavedDrawing DaubrixDrawingDocument::Write()
{
    return m_doc.Save();
}

LoadError DaubrixDrawingDocument::Read(const QByteArray& bytes)
{
    return m_doc.Load(bytes);
}

QByteArray DaubrixDrawingDocument::EncodeBackgroundJpeg()
{
    return m_view ? m_view->EncodeBackgroundJpeg() : m_keptJpeg;
}

bool DaubrixDrawingDocument::DecodeBackgroundJpeg(const QByteArray& jpeg, UserMessage& failure)
{
    m_keptJpeg = jpeg;
    return m_view ? m_view->DecodeBackgroundJpeg(jpeg, failure) : true;
}
