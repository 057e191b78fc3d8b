#pragma once

#include <algorithm>
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
        m_position = Clamp(m_position);
    }
    void SetPosition(int position) { m_position = Clamp(position); }
    void ClearTicks() { m_ticks.clear(); }
    void AddTick(int value) { m_ticks.push_back(value); }
    void Repaint() const
    {
        if (onRepaint)
            onRepaint();
    }

    std::function<void()> onRepaint;

private:
    int Clamp(int v) const { return std::max(m_minimum, std::min(v, m_maximum)); }

    int m_minimum = 0;
    int m_maximum = 0;
    int m_position = 0;
    std::vector<int> m_ticks;
};
