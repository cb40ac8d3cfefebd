// What the host cannot reach, every key-lane path renders alike: the one-key
// path steps every sample in turn, the four- and eight-lane paths run
// stretches of samples key group by key group. Editor notes that start later
// in the block, a released key gliding back after a bend, tuning changed
// between blocks, a long release into silence.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "engine/KeyStep.h"
#include "tests/engine/EngineFixture.h"
#include "tests/engine/Signal.h"

namespace {

std::vector<float> rendered(KeyLanePath path, const std::function<void(EnginePlayer&)>& play)
{
    useKeyLanePath(path);
    EnginePlayer p({{ParamId::Decay, 0.3f}, {ParamId::Release, 0.2f}, {ParamId::PitchRange, 1.0f}});
    play(p);
    useKeyLanePath(bestKeyLanePath());
    std::vector<float> out = p.left;
    out.insert(out.end(), p.right.begin(), p.right.end());
    return out;
}

// The one-key path's rendering (left, then right), after checking every other path against it.
std::vector<float> expectEveryPathAlike(const std::function<void(EnginePlayer&)>& play)
{
    const std::vector<float> reference = rendered(KeyLanePath::Scalar, play);
    EXPECT_GT(peakDifference(reference), 1e-3) << "silent";
    for (KeyLanePath path : {KeyLanePath::Sse2, KeyLanePath::Avx2})
    {
        if (!keyLanePathAvailable(path))
            continue;
        const std::vector<float> out = rendered(path, play);
        EXPECT_TRUE(out.size() == reference.size() &&
                    std::memcmp(out.data(), reference.data(), out.size() * sizeof(float)) == 0)
            << (path == KeyLanePath::Sse2 ? "SSE2" : "AVX2");
    }
    return reference;
}

TEST(KeyLanePaths, EditorNotesStartingLaterInTheBlock)
{
    const std::vector<float> out = expectEveryPathAlike([](EnginePlayer& p) {
        p.render(100);
        p.engine.noteOn(60, 100, 37); // starts at sample 37 of the next block
        p.engine.noteOn(64, 90, 300);
        p.engine.noteOn(30, 127, 511);
        p.render(4096, 512);
        p.engine.noteOff(60);
        p.engine.noteOn(100, 80, 5);
        p.render(8000, 333);
    });
    // The first strike begins at its offset (heard from that sample on, or the next).
    const int first = firstNonZero(out);
    EXPECT_TRUE(first == 100 + 37 || first == 100 + 38) << first;
}

TEST(KeyLanePaths, BentKeysGlideBackAndTuningChangesBetweenBlocks)
{
    expectEveryPathAlike([](EnginePlayer& p) {
        p.send({midi(0x90, 48, 100), midi(0x90, 55, 100), midi(0xE0, 0, 100, 200)}).render(3000);
        p.send({midi(0x80, 48, 0, 10), midi(0xE0, 0, 64, 400)}).render(6000, 256);
        p.engine.setParameter(ParamId::ConcertA, 0.8f); // retuned while the keys glide
        p.engine.setParameter(ParamId::PitchRelax, 0.2f);
        p.send({midi(0x80, 55, 0, 3)}).render(6000, 64);
    });
}

TEST(KeyLanePaths, ALongReleaseIntoSilenceAndAStrikeAfterIt)
{
    expectEveryPathAlike([](EnginePlayer& p) {
        p.engine.setParameter(ParamId::Release, 0.0f);
        p.send({midi(0x90, 72, 110), midi(0x80, 72, 0, 90)}).render(30000, 1024);
        p.send({midi(0x90, 24, 60, 700)}).render(4000, 1024);
    });
}

} // namespace
