#pragma once

#include <cstdint>

// The engine's own rand/srand: the C runtime's linear congruential generator
// (values 0..32767, seed 1 until re-seeded). The render loop owns one and the
// tuning tables make their own, so no instance is shared between threads.
class CrtRandom
{
public:
    static constexpr int kMax = 32767;

    void seed(uint32_t s) { state_ = s; }
    int next()
    {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFFu);
    }

private:
    uint32_t state_ = 1;
};
