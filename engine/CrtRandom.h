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
    uint32_t state() const { return state_; }
    static constexpr uint32_t kMultiplier = 214013u;
    static constexpr uint32_t kIncrement = 2531011u;

    int next()
    {
        state_ = state_ * kMultiplier + kIncrement;
        return static_cast<int>((state_ >> 16) & 0x7FFFu);
    }

private:
    uint32_t state_ = 1;
};
