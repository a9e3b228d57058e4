#pragma once

#include <cstdint>

// The program's one pseudo-random generator: a 32-bit linear congruential
// generator. Tasks are reproducible from a seed, so draws must follow
// exactly this recurrence and this mapping to ranges.
class TRandom {
public:
    explicit TRandom(uint32_t seed = 0)
        : m_state(seed)
    {}

    void setSeed(uint32_t seed) { m_state = seed; }
    uint32_t seed() const { return m_state; }

    // Seeds from the milliseconds since midnight, universal time.
    void randomize();

    // A draw from 0 to n - 1 (0 when n is 0): the upper 32 bits of state * n.
    uint32_t next(uint32_t n)
    {
        advance();
        return static_cast<uint32_t>((static_cast<uint64_t>(m_state) * n) >> 32);
    }

    // A draw in [0, 1): state / 2^32.
    long double nextFloat()
    {
        advance();
        return static_cast<long double>(m_state) / 4294967296.0L;
    }

    // A uniform whole number in [a, b] (one draw, shifted).
    int32_t range(int32_t a, int32_t b)
    {
        return a + static_cast<int32_t>(next(static_cast<uint32_t>(b - a + 1)));
    }

private:
    void advance() { m_state = m_state * 134775813u + 1u; }

    uint32_t m_state;
};

// The program-wide generator.
TRandom& Random();

// A draw from 0 to n - 1 of the program-wide generator.
inline int32_t RandomInt(int32_t n)
{
    return static_cast<int32_t>(Random().next(static_cast<uint32_t>(n)));
}
