#pragma once

#include <initializer_list>

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

// Sends a mouse event as the window system would: moves name no button, only the held ones.
inline void SendStrokeEvent(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons held)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Press at the first point, move through the rest, release at the last.
inline void Stroke(QWidget* port, std::initializer_list<QPoint> points)
{
    SendStrokeEvent(port, QEvent::MouseButtonPress, *points.begin(), Qt::LeftButton);
    for (auto at = points.begin() + 1; at != points.end(); ++at)
        SendStrokeEvent(port, QEvent::MouseMove, *at, Qt::LeftButton);
    SendStrokeEvent(port, QEvent::MouseButtonRelease, *(points.end() - 1), Qt::NoButton);
    QApplication::processEvents();
}
