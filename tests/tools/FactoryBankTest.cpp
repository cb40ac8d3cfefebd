// The factory bank as the build made it: the bytes of the bank and program
// files, and every program played through the module with the audition phrase:
// none silent, none with a NaN, none beyond ±0.99, levels that sit together,
// and no two that sound alike. Also the bank source's faults, named by line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/module/RecordBytes.h"
#include "tests/module/TempDir.h"
#include "tests/support/TestHost.h"
#include "tests/tools/Shell.h"
#include "tools/render/BuiltInPhrases.h"

namespace fs = std::filesystem;

namespace {

struct Listed
{
    int number;
    std::string name;
    std::string file;
};

std::vector<Listed> factoryList()
{
    std::vector<Listed> list;
    std::ifstream in(VANT_FACTORY_LIST);
    std::string line;
    std::getline(in, line); // the header
    while (std::getline(in, line))
    {
        std::vector<std::string> f;
        std::stringstream fields(line);
        for (std::string field; std::getline(fields, field, '\t');)
            f.push_back(field);
        if (f.size() == 6)
            list.push_back({std::stoi(f[0]), f[3], f[5]});
    }
    return list;
}

const fs::path kBank = fs::path(VANT_FACTORY_DIR) / "Factory.vnb";

TEST(FactoryBank, FilesHoldTheModulesRecords)
{
    const std::vector<Listed> list = factoryList();
    ASSERT_GE(list.size(), 30u);
    const std::vector<unsigned char> bank = readFile(kBank);
    ASSERT_EQ(bank.size(), 97024u);
    std::vector<bool> listed(64, false);
    for (const Listed& p : list)
    {
        const unsigned char* record = bank.data() + 1500 * p.number;
        listed[static_cast<size_t>(p.number)] = true;
        EXPECT_EQ(nameIn(record), p.name);
        EXPECT_EQ(record[0], 2) << p.name;
        EXPECT_EQ(pathIn(record), "") << p.name; // the same files wherever they were built
        const std::vector<unsigned char> program = readFile(fs::path(VANT_FACTORY_DIR) / p.file);
        EXPECT_EQ(program, std::vector<unsigned char>(record, record + 1500)) << p.file;
    }
    EXPECT_TRUE(listed[0]);
    EXPECT_EQ(nameIn(bank.data()), "Init");
    for (int p = 1; p < 64; ++p)
        EXPECT_TRUE(listed[static_cast<size_t>(p)] || nameIn(bank.data() + 1500 * p) == "-") << p;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bank.data() + 96000)), "");
}

// Levels of 50 ms frames of the phrase in three bands of the middle and in the
// side, in dB: what a listener tells programs apart by.
std::vector<double> fingerprint(const StereoBuffer& b)
{
    const size_t frame = 2400;
    std::vector<double> out;
    double low = 0, lowState = 0, highState = 0;
    for (size_t start = 0; start + frame <= b.frames(); start += frame)
    {
        double e[4] = {};
        for (size_t i = start; i < start + frame; ++i)
        {
            const double mid = 0.5 * (b.left[i] + b.right[i]);
            const double side = 0.5 * (b.left[i] - b.right[i]);
            lowState += 0.04 * (mid - lowState); // about 300 Hz
            highState += 0.23 * (mid - highState); // about 2 kHz
            low = lowState;
            const double high = mid - highState;
            e[0] += low * low;
            e[1] += (highState - low) * (highState - low);
            e[2] += high * high;
            e[3] += side * side;
        }
        for (double energy : e)
            out.push_back(10.0 * std::log10(energy / frame + 1e-9)); // floor at -90 dB
    }
    return out;
}

double meanDifference(const std::vector<double>& a, const std::vector<double>& b)
{
    double sum = 0;
    for (size_t i = 0; i < a.size(); ++i)
        sum += std::fabs(a[i] - b[i]);
    return sum / static_cast<double>(a.size());
}

// The audition phrase at 120 BPM through the module, program by program.
StereoBuffer play(TestHost& host, int program, double seconds)
{
    host.setProgram(program);
    const Performance phrase = auditionPhrase(48000.0, 120.0);
    const size_t total = static_cast<size_t>(seconds * 48000.0), block = 512;
    StereoBuffer out;
    size_t next = 0;
    for (size_t at = 0; at < total; at += block)
    {
        for (; next < phrase.events.size() && phrase.events[next].frame < static_cast<int64_t>(at + block); ++next)
        {
            const TimedMidi& m = phrase.events[next];
            const int32_t delta = static_cast<int32_t>(m.frame - static_cast<int64_t>(at));
            switch (m.bytes[0] & 0xF0)
            {
            case 0x90: host.noteOn(m.bytes[1], m.bytes[2], delta); break;
            case 0x80: host.noteOff(m.bytes[1], delta); break;
            case 0xB0: host.controller(m.bytes[1], m.bytes[2], delta); break;
            case 0xE0: host.pitchBend(m.bytes[1] | (m.bytes[2] << 7), delta); break;
            }
        }
        const StereoBuffer part = host.render(std::min(block, total - at));
        out.left.insert(out.left.end(), part.left.begin(), part.left.end());
        out.right.insert(out.right.end(), part.right.begin(), part.right.end());
    }
    // All sound off between programs: each starts from silence.
    host.controller(120, 0);
    host.controller(123, 0);
    host.render(block);
    return out;
}

double rmsDb(const StereoBuffer& b)
{
    double sum = 0;
    for (size_t i = 0; i < b.frames(); ++i)
        sum += 0.5 * (b.left[i] * b.left[i] + b.right[i] * b.right[i]);
    return 10.0 * std::log10(sum / static_cast<double>(b.frames()) + 1e-12);
}

TEST(FactoryBank, EveryProgramPlaysCleanlyLevelledAndUnlikeTheOthers)
{
    TestHost host;
    ASSERT_TRUE(host.ok()) << host.error();
    host.setTempo(120.0);
    ASSERT_EQ(host.module().setChunk(readFile(kBank), false), 1);
    const std::vector<Listed> list = factoryList();
    ASSERT_GE(list.size(), 30u);

    std::vector<std::vector<double>> prints;
    std::vector<double> levels;
    for (const Listed& p : list)
    {
        const StereoBuffer out = play(host, p.number, 4.5);
        EXPECT_TRUE(out.allFinite()) << p.name;
        EXPECT_GT(out.peak(), 0.05f) << p.name << " is all but silent";
        EXPECT_LE(out.peak(), 0.99f) << p.name << " reaches full scale";
        levels.push_back(rmsDb(out));
        prints.push_back(fingerprint(out));
    }
    std::vector<double> sorted = levels;
    std::sort(sorted.begin(), sorted.end());
    const double median = sorted[sorted.size() / 2];
    for (size_t i = 0; i < list.size(); ++i)
    {
        EXPECT_NEAR(levels[i], median, 10.0) << list[i].name << " stands out of the bank's level";
        for (size_t j = 0; j < i; ++j)
            EXPECT_GT(meanDifference(prints[i], prints[j]), 1.0) << list[i].name << " sounds like " << list[j].name;
    }
}

TEST(FactoryBank, SourceFaultsAreNamedByLine)
{
    TempDir dir;
    const std::string source = dir.file("bad.txt");
    std::ofstream(source) << "[1] Fine\n"
                             "> A program.\n"
                             "Decy = 0.5\n"
                             "Volume = 1.5\n"
                             "Volume = 0.5\n"
                             "Volume = 0.4\n"
                             "[1] Again\n"
                             "Decay = 0.5\n"
                             "[64] A name far longer than twenty-four\n"
                             "> Too far.\n"
                             "BOW temp = 0.5\n";
    const ShellResult r = shell(quoted(VANTOREL_TOOL) + " preset build " + quoted(source) + " --out " +
                                quoted(dir.path.string()) + " --module " + quoted(VANTOREL_MODULE));
    EXPECT_NE(r.status, 0);
    for (const char* fault :
         {"bad.txt:3: no parameter is called \"Decy\"", "bad.txt:4: \"Volume\" wants a number",
          "bad.txt:6: \"Volume\" is set twice", "bad.txt:7: program 1 is defined twice",
          "bad.txt:8: a program starts with a one-line description", "bad.txt:9: a program header is",
          "bad.txt:9: a program name has", "bad.txt:11: no parameter is called \"BOW temp\""})
        EXPECT_NE(r.output.find(fault), std::string::npos) << fault << " not in:\n" << r.output;
    EXPECT_FALSE(fs::exists(dir.path / "Factory.vnb"));
}

} // namespace
