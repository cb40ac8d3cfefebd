#include "engine/KeyStep.h"

#include <atomic>

#include "engine/CrtRandom.h"

namespace {

const KeyLaneKernels& kernelsFor(KeyLanePath path)
{
    switch (path)
    {
    case KeyLanePath::Scalar: return kKeyLanesScalar;
    case KeyLanePath::Sse2: return kKeyLanesSse2;
    case KeyLanePath::Avx2: return kKeyLanesAvx2;
    }
    return kKeyLanesSse2;
}

// Chosen once when the engine is loaded; only tests change it.
std::atomic<KeyLanePath>& pathInUse()
{
    static std::atomic<KeyLanePath> path{bestKeyLanePath()};
    return path;
}

} // namespace

bool keyLanePathAvailable(KeyLanePath path)
{
    if (path == KeyLanePath::Avx2)
        return __builtin_cpu_supports("avx2") != 0;
    return true;
}

KeyLanePath bestKeyLanePath()
{
    return keyLanePathAvailable(KeyLanePath::Avx2) ? KeyLanePath::Avx2 : KeyLanePath::Sse2;
}

const KeyLaneKernels& keyLaneKernels() { return kernelsFor(pathInUse().load(std::memory_order_relaxed)); }

bool useKeyLanePath(KeyLanePath path)
{
    if (!keyLanePathAvailable(path))
        return false;
    pathInUse().store(path, std::memory_order_relaxed);
    return true;
}

KeyLanePath keyLanePathInUse() { return pathInUse().load(std::memory_order_relaxed); }

namespace {

// The generator m steps ahead of x is A[m] x + C[m] (mod 2^32): every lane's
// draw comes straight from the state before the group, none waits for the
// one before it.
struct JumpAhead
{
    uint32_t a[KeyStretch::kMaxSamples + 1], c[KeyStretch::kMaxSamples + 1];
    constexpr JumpAhead() : a{1}, c{0}
    {
        for (int m = 1; m <= KeyStretch::kMaxSamples; ++m)
        {
            a[m] = a[m - 1] * CrtRandom::kMultiplier;
            c[m] = c[m - 1] * CrtRandom::kMultiplier + CrtRandom::kIncrement;
        }
    }
};
constexpr JumpAhead kJump;

} // namespace

void drawLanes(CrtRandom& random, unsigned lanes, int width, float* out)
{
    const uint32_t x = random.state();
    int drawn = 0;
    for (int i = 0; i < width; ++i)
    {
        const bool draws = (lanes >> i) & 1u;
        drawn += draws ? 1 : 0;
        const uint32_t s = kJump.a[drawn] * x + kJump.c[drawn];
        out[i] = draws ? static_cast<float>((s >> 16) & 0x7FFFu) : 0.0f;
    }
    random.seed(kJump.a[drawn] * x + kJump.c[drawn]);
}
