#pragma once

#include <functional>
#include <vector>

// The Drawing History slider's state: range, thumb and tick marks. The drawing engine sets
// it; the history window shows it when told to repaint.
class HistorySlider
{
public:
    int Minimum() const { return m_minimum; }
    int Maximum() const { return m_maximum; }
    int Position() const { return m_position; }
    const std::vector<int>& Ticks() const { return m_ticks; }

    void SetRange(int minimum, int maximum)
    {
        m_minimum = minimum;
        m_maximum = maximum;
        m_position = qBound(minimum, m_position, maximum);
    }
    void SetPosition(int position) { m_position = qBound(m_minimum, position, m_maximum); }
    void ClearTicks() { m_ticks.clear(); }
    void AddTick(int value) { m_ticks.push_back(value); }
    void Repaint() const
    {
        if (onRepaint)
            onRepaint();
    }

    std::function<void()> onRepaint;

private:
    static int qBound(int low, int v, int high) { return v < low ? low : (v > high ? (high < low ? low : high) : v); }

    int m_minimum = 0;
    int m_maximum = 0;
    int m_position = 0;
    std::vector<int> m_ticks;
};
