// The instrument's output is part of its contract: every scenario, at 44.1,
// 48 and 96 kHz and in blocks of 1 to 4096 samples, renders exactly the
// samples it rendered when its hashes were recorded. With VANT_GOLDEN_RECORD
// set, the hashes are written instead (scripts/golden-record.sh).
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/engine/GoldenOutput.h"
#include "tests/support/TestHost.h"

namespace {

class GoldenOutput : public testing::TestWithParam<GoldenScenario>
{};

bool recording() { return std::getenv("VANT_GOLDEN_RECORD") != nullptr; }

// Every rate and block size of s through host, compared with the stored hashes (or recorded).
void checkAgainstStored(HostModule& host, const GoldenScenario& s)
{
    std::map<std::string, std::string> rendered;
    for (float rate : golden::kRates)
    {
        for (int block : golden::kBlocks)
        {
            const std::string at = golden::key(rate, block);
            const golden::Rendered r = golden::render(host, s, rate, block);
            EXPECT_GT(r.peak, 1e-3f) << s.name << " at " << at << " is silent";
            rendered[at] = golden::hex(r.hash);
        }
    }
    if (recording())
    {
        ASSERT_TRUE(golden::writeHashes(s.name, rendered)) << golden::hashFile(s.name);
        return;
    }
    const auto stored = golden::readHashes(s.name);
    ASSERT_FALSE(stored.empty()) << "no hashes in " << golden::hashFile(s.name);
    for (const auto& [at, hash] : rendered)
        EXPECT_EQ(hash, stored.count(at) ? stored.at(at) : "(none)") << s.name << " at " << at;
}

TEST_P(GoldenOutput, TheBuiltModuleRendersTheStoredSamples)
{
    HostModule host;
    ASSERT_TRUE(host.load(TestHost::modulePath())) << host.error();
    checkAgainstStored(host, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Scenarios, GoldenOutput, testing::ValuesIn(golden::scenarios()),
                         [](const testing::TestParamInfo<GoldenScenario>& p) { return p.param.name; });

} // namespace
