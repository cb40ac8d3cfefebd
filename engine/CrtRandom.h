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

// The generator m steps ahead of state x is a[m] x + c[m] (mod 2^32), for m
// up to eight: a group of keys' draws, each taken straight from the state
// before the group.
struct GeneratorJump
{
    static constexpr int kSteps = 8;
    uint32_t a[kSteps + 1], c[kSteps + 1];
    constexpr GeneratorJump() : a{1}, c{0}
    {
        for (int m = 1; m <= kSteps; ++m)
        {
            a[m] = a[m - 1] * CrtRandom::kMultiplier;
            c[m] = c[m - 1] * CrtRandom::kMultiplier + CrtRandom::kIncrement;
        }
    }
};
inline constexpr GeneratorJump kGeneratorJump;
