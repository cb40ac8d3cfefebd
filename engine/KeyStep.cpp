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

// Chosen when the engine is loaded (not in the render call: no first-use
// guard on the audio thread); only tests change it.
std::atomic<KeyLanePath> gPathInUse{bestKeyLanePath()};

std::atomic<KeyLanePath>& pathInUse() { return gPathInUse; }

} // namespace

bool keyLanePathAvailable(KeyLanePath path)
{
    if (path == KeyLanePath::Avx2)
    {
        __builtin_cpu_init(); // may run before the runtime's own initialisation
        return __builtin_cpu_supports("avx2") != 0;
    }
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

void drawLanes(CrtRandom& random, unsigned lanes, int width, float* out)
{
    // Each lane's draw straight from the state before the group: none waits
    // for the one before it.
    const GeneratorJump& jump = kGeneratorJump;
    const uint32_t x = random.state();
    int drawn = 0;
    for (int i = 0; i < width; ++i)
        out[i] = 0.0f;
    for (unsigned rest = lanes; rest != 0; rest &= rest - 1)
    {
        ++drawn;
        out[__builtin_ctz(rest)] = static_cast<float>(((jump.a[drawn] * x + jump.c[drawn]) >> 16) & 0x7FFFu);
    }
    random.seed(jump.a[drawn] * x + jump.c[drawn]);
}
