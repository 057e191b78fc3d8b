#include "color/ColorHistory.h"

#include <algorithm>
#include <cstring>

#include "color/LittleEndian.h"

bool ColorHistory::Add(const HsvColor& color)
{
    if (m_count >= 1 && Entry(m_count - 1) == color)
        return false;
    if (m_count >= kCapacity) {
        std::move(m_entries.begin() + 1, m_entries.end(), m_entries.begin());
        m_count = kCapacity - 1;
    }
    m_entries[std::size_t(m_count)] = color;
    m_index = m_count;
    ++m_count;
    return true;
}

bool ColorHistory::DeleteCurrent()
{
    if (m_count < 2)
        return false;
    if (m_index < m_count - 1)
        std::move(m_entries.begin() + m_index + 1, m_entries.begin() + m_count,
                  m_entries.begin() + m_index);
    else
        --m_index;
    --m_count;
    return true;
}

bool ColorHistory::ClearTo(const HsvColor& only)
{
    if (m_count < 2)
        return false;
    m_entries[0] = only;
    m_count = 1;
    m_index = 0;
    return true;
}

bool ColorHistory::StepPrevious()
{
    return Select(m_index - 1);
}

bool ColorHistory::StepNext()
{
    return Select(m_index + 1);
}

bool ColorHistory::Select(int index)
{
    if (index < 0 || index >= m_count)
        return false;
    m_index = index;
    return true;
}

QByteArray ColorHistory::Serialize() const
{
    QByteArray out(kSignature, kSignatureLength);
    AppendLe32(out, m_count);
    for (int i = 0; i < m_count; ++i) {
        const HsvColor c = Entry(i);
        AppendLe16(out, c.hue);
        out.append(char(c.saturation));
        out.append(char(c.value));
    }
    return out;
}

std::optional<ColorHistory> ColorHistory::Parse(QByteArrayView bytes)
{
    const qsizetype header = kSignatureLength + 4;
    if (bytes.size() < header || std::memcmp(bytes.data(), kSignature, kSignatureLength) != 0)
        return std::nullopt;
    const std::int32_t count = ReadLe32(bytes.data() + kSignatureLength);
    if (count < 1 || count > kCapacity || bytes.size() - header < qsizetype(count) * kEntrySize)
        return std::nullopt;
    ColorHistory history;
    const char* p = bytes.data() + header;
    for (int i = 0; i < count; ++i, p += kEntrySize) {
        const HsvColor c{ReadLe16(p), std::uint8_t(p[2]), std::uint8_t(p[3])};
        if (c.hue < 0 || c.hue > 360)
            return std::nullopt;
        history.m_entries[std::size_t(i)] = c;
    }
    history.m_count = count;
    history.m_index = count - 1;
    return history;
}
