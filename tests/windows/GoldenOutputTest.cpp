// The same sound on both platforms: every golden scenario rendered through
// Vantorel.dll (every rate and block size), and through the instrument linked
// in with each key-lane path forced (48 kHz, blocks of 17 and 512), matches
// the hashes the Linux build records, float for float.
#include <gtest/gtest.h>

#include "engine/KeyStep.h"
#include "plugin/PluginFactory.h"
#include "tests/engine/GoldenOutput.h"
#include "tests/support/TestHost.h"

namespace {

class WindowsGolden : public testing::TestWithParam<GoldenScenario>
{};

TEST_P(WindowsGolden, TheDllRendersTheStoredSamples)
{
    HostModule host;
    ASSERT_TRUE(host.load(TestHost::modulePath())) << host.error();
    golden::checkAgainstStored(host, GetParam());
}

TEST_P(WindowsGolden, EveryKeyLanePathRendersTheStoredSamples)
{
    for (KeyLanePath path : {KeyLanePath::Scalar, KeyLanePath::Sse2, KeyLanePath::Avx2})
    {
        if (!useKeyLanePath(path))
            continue; // this processor has no AVX2
        SCOPED_TRACE(path == KeyLanePath::Scalar ? "one key at a time" : path == KeyLanePath::Sse2 ? "SSE2" : "AVX2");
        HostModule host;
        host.attach(createVantorel);
        golden::checkAgainstStored(host, GetParam(), {{48000.0f}, {17, 512}});
    }
    useKeyLanePath(bestKeyLanePath());
}

INSTANTIATE_TEST_SUITE_P(Scenarios, WindowsGolden, testing::ValuesIn(golden::scenarios()),
                         [](const testing::TestParamInfo<GoldenScenario>& p) { return p.param.name; });

} // namespace
