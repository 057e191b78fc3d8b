#pragma once

#include <memory>
#include <optional>

#include <QImage>
#include <QString>

#include "color/AutoChange.h"
#include "color/RandomGenerator.h"
#include "model/CDaubrixDoc.h"
#include "shapes/ShapeTable.h"
#include "view/CanvasBackgroundHost.h"
#include "view/DrawingCanvas.h"

// One drawing opened without a window: the shapes, the document, its canvas with the
// background picture, rendered by the same replay the program uses.
class HeadlessDrawing
{
public:
    explicit HeadlessDrawing(std::optional<quint32> seed = std::nullopt);

    // Messages from loading go into message (one per line); false when no shape loaded.
    bool LoadShapes(const QString& programFolder, QString& message);
    bool Open(const QString& path, QString& message);
    // Both steps, as the forms that work on an existing drawing need; the message goes to
    // stderr when either fails.
    bool OpenWithShapes(const QString& programFolder, const QString& path);
    bool Save(const QString& path, QString& message);

    CDaubrixDoc& Doc() { return m_doc; }
    const CDaubrixDoc& Doc() const { return m_doc; }
    DrawingCanvas& Canvas() { return m_canvas; }
    const DrawingCanvas& Canvas() const { return m_canvas; }
    ShapeTable& Shapes() { return m_shapes; }
    RandomGenerator& Random() { return m_random; }
    QImage Render() const;

private:
    ShapeTable m_shapes;
    RandomGenerator m_random;
    CDaubrixDoc m_doc{m_shapes};
    mutable DrawingCanvas m_canvas{m_doc, m_shapes};
    CanvasBackgroundHost m_host{m_canvas};
    QStringList m_messages;
};
