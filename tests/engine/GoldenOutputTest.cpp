// The instrument's output is part of its contract: every scenario, at 44.1,
// 48 and 96 kHz and in blocks of 1 to 4096 samples, renders exactly the
// samples it rendered when its hashes were recorded, through the built module
// (its own choice of key lanes) and through the instrument linked in with each
// key-lane path forced. With VANT_GOLDEN_RECORD set, the module's hashes are
// written instead (scripts/golden-record.sh).
#include <gtest/gtest.h>

#include <vector>

#include "engine/KeyStep.h"
#include "plugin/PluginFactory.h"
#include "tests/engine/GoldenOutput.h"
#include "tests/support/TestHost.h"

namespace {

// Under the sanitizers the guard looks for memory faults on every path and
// scenario, in fewer combinations; the plain build compares every one.
#if defined(__SANITIZE_ADDRESS__)
const golden::Combinations kModule = {{}, {1, 4096}};
const golden::Combinations kPaths = {{48000.0f}, {17, 512}};
const golden::Combinations kReference = {{48000.0f}, {512}};
#else
const golden::Combinations kModule = {};
const golden::Combinations kPaths = {};
// The one-key reference steps every sample alike whatever the block: two sizes suffice.
const golden::Combinations kReference = {{}, {17, 512}};
#endif

class GoldenOutput : public testing::TestWithParam<GoldenScenario>
{};

TEST_P(GoldenOutput, TheBuiltModuleRendersTheStoredSamples)
{
    HostModule host;
    ASSERT_TRUE(host.load(TestHost::modulePath())) << host.error();
    golden::checkAgainstStored(host, GetParam(), kModule);
}

TEST_P(GoldenOutput, EveryKeyLanePathRendersTheStoredSamples)
{
    if (golden::recording())
        GTEST_SKIP() << "recording from the module";
    for (KeyLanePath path : {KeyLanePath::Scalar, KeyLanePath::Sse2, KeyLanePath::Avx2})
    {
        if (!useKeyLanePath(path))
            continue; // this processor has no AVX2
        SCOPED_TRACE(path == KeyLanePath::Scalar ? "one key at a time" : path == KeyLanePath::Sse2 ? "SSE2" : "AVX2");
        HostModule host;
        host.attach(createVantorel);
        golden::checkAgainstStored(host, GetParam(), path == KeyLanePath::Scalar ? kReference : kPaths);
    }
    useKeyLanePath(bestKeyLanePath());
}

INSTANTIATE_TEST_SUITE_P(Scenarios, GoldenOutput, testing::ValuesIn(golden::scenarios()),
                         [](const testing::TestParamInfo<GoldenScenario>& p) { return p.param.name; });

} // namespace
