#pragma once

#include <cstdint>

#include "color/HsvColor.h"

// The program's one source of chance: values 0..32767, the same sequence on every host for
// a given seed, so a seeded run (tests, --seed) repeats exactly.
class RandomGenerator
{
public:
    static constexpr int kMax = 32767;

    RandomGenerator();                  // seeded with the current time
    explicit RandomGenerator(std::uint32_t seed);

    void Seed(std::uint32_t seed) { m_state = seed; }
    int Next();

private:
    std::uint32_t m_state;
};

// Hue 0..359, saturation 50..254, value 100..254, drawn in that order.
HsvColor RandomColor(RandomGenerator& random);
