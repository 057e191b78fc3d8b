#pragma once

#include <memory>
#include <vector>

#include <QImage>

#include "color/AutoChange.h"
#include "color/RandomGenerator.h"
#include "imaging/TransferStores.h"
#include "model/CDaubrixDoc.h"
#include "shapes/ShapeTable.h"
#include "view/DrawingModes.h"
#include "view/OneShotModes.h"
#include "view/DrawingSession.h"

// A 200 x 100 drawing with two 3 x 3 plus-shaped shapes, no jitter and no symmetry unless a
// test turns them on, and a seeded random generator.
struct SessionFixture
{
    SessionFixture()
    {
        std::vector<std::unique_ptr<CShape>> list;
        for (const char* name : {"a_1.bmp", "b_1.bmp"}) {
            QImage bitmap(3, 3, QImage::Format_RGB32);
            bitmap.fill(Qt::white);
            for (QPoint p : {QPoint(1, 0), QPoint(0, 1), QPoint(1, 1), QPoint(2, 1), QPoint(1, 2)})
                bitmap.setPixel(p, qRgb(255, 0, 0));
            list.push_back(std::make_unique<CShape>(QString::fromLatin1(name), bitmap));
        }
        shapes.Adopt(std::move(list));
        shapes.PrepareAll();
        shapes.SetCurrentIndex(0);
        modes.jitter = false;
        modes.symmetry.polar = false;
        doc.NewDrawing(200, 100);
        session = std::make_unique<DrawingSession>(doc, DrawingTools{shapes, modes, autoChange, random, nullptr, &oneShot, &transfers});
        session->InitialUpdate();
        session->Canvas().Paint({});
    }

    // One free stroke through the points, as press, moves and release.
    void Stroke(std::initializer_list<QPoint> points)
    {
        auto it = points.begin();
        session->Strokes().Press(*it, {});
        for (++it; it != points.end(); ++it)
            session->Strokes().Move(*it, {});
        session->Strokes().Release();
        session->Canvas().Paint({});
    }

    DrawingCanvas& Canvas() { return session->Canvas(); }

    ShapeTable shapes;
    DrawingModes modes;
    AutoChangeState autoChange;
    RandomGenerator random{7};
    OneShotModes oneShot;
    TransferStores transfers;
    CDaubrixDoc doc{shapes};
    std::unique_ptr<DrawingSession> session;
};
