#pragma once

#include <memory>
#include <vector>

#include <QImage>

#include "model/CDaubrixDoc.h"
#include "model/UserMessage.h"
#include "shapes/ShapeTable.h"

// Three small shapes (families a, b, c) and the messages the model raised.
struct ModelFixture
{
    ModelFixture()
    {
        std::vector<std::unique_ptr<CShape>> list;
        for (const char* name : {"a_1.bmp", "b_1.bmp", "c_1.bmp"}) {
            QImage bitmap(5, 3, QImage::Format_RGB32);
            bitmap.fill(Qt::white);
            bitmap.setPixel(2, 1, qRgb(10, 20, 30));
            list.push_back(std::make_unique<CShape>(QString::fromLatin1(name), bitmap));
        }
        shapes.Adopt(std::move(list));
        shapes.SetCurrentIndex(0);
        for (int i = 0; i < shapes.Count(); ++i)
            shapes.Shape(i).SetColorLater(HsvColor{std::int16_t(100 * i), 200, std::uint8_t(50 + i)});
    }

    MessageSink Sink()
    {
        return [this](const UserMessage& m) { messages.push_back(m); };
    }

    ShapeTable shapes;
    std::vector<UserMessage> messages;
};
