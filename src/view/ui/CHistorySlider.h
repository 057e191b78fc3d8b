#pragma once

#include <vector>

#include <QSlider>

// A horizontal slider with tick marks at given values (the section boundaries) instead of
// evenly spaced ones.
class CHistorySlider final : public QSlider
{
    Q_OBJECT

public:
    explicit CHistorySlider(QWidget* parent = nullptr);

    void SetTicks(std::vector<int> ticks);
    const std::vector<int>& Ticks() const { return m_ticks; }
    // Where the tick for a value is drawn, in widget pixels.
    int TickX(int value) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<int> m_ticks;
};
