#include "color/RandomGenerator.h"

#include <ctime>

RandomGenerator::RandomGenerator()
    : m_state(std::uint32_t(std::time(nullptr)))
{
}

RandomGenerator::RandomGenerator(std::uint32_t seed)
    : m_state(seed)
{
}

int RandomGenerator::Next()
{
    // Linear congruential step; the high half gives the better-distributed bits.
    m_state = m_state * 214013u + 2531011u;
    return int((m_state >> 16) & 0x7FFF);
}

HsvColor RandomColor(RandomGenerator& random)
{
    HsvColor c;
    c.hue = std::int16_t(random.Next() % 360);
    c.saturation = std::uint8_t(50 + random.Next() % 205);
    c.value = std::uint8_t(100 + random.Next() % 155);
    return c;
}
