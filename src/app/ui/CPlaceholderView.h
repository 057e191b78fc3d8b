#pragma once

#include <QWidget>

#include "app/DrawingDocument.h"
#include "view/ui/DrawingViewPort.h"

// Shows a drawing as its background colour until the drawing view takes its place; paints
// the margins around a centred drawing in the workspace colour.
class CPlaceholderView final : public QWidget, public DrawingViewPort
{
    Q_OBJECT

public:
    explicit CPlaceholderView(const DrawingDocument& document, QWidget* parent = nullptr);

    QSize DrawingSize() const override;
    QPoint DrawingOffset() const override { return m_offset; }
    void SetDrawingOffset(QPoint offset) override;

    QSize sizeHint() const override { return DrawingSize(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const DrawingDocument& m_document;
    QPoint m_offset;
};
