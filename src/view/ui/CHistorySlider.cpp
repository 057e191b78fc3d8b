#include "view/ui/CHistorySlider.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

namespace {

constexpr int kTickLength = 3;

} // namespace

CHistorySlider::CHistorySlider(QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    setTickPosition(QSlider::NoTicks);
}

void CHistorySlider::SetTicks(std::vector<int> ticks)
{
    if (ticks == m_ticks)
        return;
    m_ticks = std::move(ticks);
    update();
}

int CHistorySlider::TickX(int value) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const int span = groove.width() - handle.width();
    return groove.x() + handle.width() / 2
        + QStyle::sliderPositionFromValue(minimum(), maximum(), value, span, option.upsideDown);
}

void CHistorySlider::paintEvent(QPaintEvent* event)
{
    QSlider::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const int bottom = height() - 1;
    for (int value : m_ticks) {
        if (value < minimum() || value > maximum())
            continue;
        const int x = TickX(value);
        painter.drawLine(x, bottom - kTickLength + 1, x, bottom);
    }
}
