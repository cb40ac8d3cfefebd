#pragma once
// Renders a golden scenario through a host at one rate and block size and
// hashes every output float (64-bit FNV-1a over the bits, left then right per
// sample); and the stored hashes, one file per scenario under golden/.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/engine/GoldenScenarios.h"
#include "tools/HostModule.h"

namespace golden {

constexpr float kRates[] = {44100.0f, 48000.0f, 96000.0f};
constexpr int kBlocks[] = {1, 17, 64, 512, 4096};

class Fnv1a
{
public:
    void add(float x)
    {
        uint32_t bits;
        std::memcpy(&bits, &x, sizeof bits);
        for (int i = 0; i < 4; ++i, bits >>= 8)
        {
            h_ ^= bits & 0xFFu;
            h_ *= 0x100000001B3ull;
        }
    }
    uint64_t value() const { return h_; }

private:
    uint64_t h_ = 0xCBF29CE484222325ull;
};

struct Rendered
{
    uint64_t hash = 0;
    float peak = 0.0f; // a hash of silence would guard nothing
};

// `host` holds an entry point (loaded or attached); a fresh instance is opened.
inline Rendered render(HostModule& host, const GoldenScenario& s, float rate, int block)
{
    Rendered r;
    if (!host.open())
        return r;
    host.setSampleRate(rate);
    host.setBlockSize(block);
    host.resume();
    for (const auto& [id, v] : s.settings)
        host.setParameter(id, v);
    std::vector<GoldenCue> cues = s.cues;
    std::stable_sort(cues.begin(), cues.end(),
                     [](const GoldenCue& x, const GoldenCue& y) { return x.frame < y.frame; });

    VstTimeInfo& t = host.timeInfo();
    if (s.playing)
        t.flags |= kVstTransportPlaying;
    double bpm = s.tempo;
    std::vector<float> left(static_cast<size_t>(block)), right(static_cast<size_t>(block));
    std::vector<VstMidiEvent> batch;
    Fnv1a hash;
    size_t next = 0;
    for (int at = 0; at < s.frames; at += block)
    {
        const int n = std::min(block, s.frames - at);
        batch.clear();
        for (; next < cues.size() && cues[next].frame < at + n; ++next)
        {
            const GoldenCue& c = cues[next];
            if (c.kind == GoldenCue::Kind::Param)
            {
                host.setParameter(c.a, c.value);
            }
            else if (c.kind == GoldenCue::Kind::Tempo)
            {
                bpm = c.value;
            }
            else
            {
                VstMidiEvent e{};
                e.type = kVstMidiType;
                e.byteSize = sizeof(VstMidiEvent);
                e.deltaFrames = c.frame - at;
                e.midiData[0] = static_cast<char>(c.a);
                e.midiData[1] = static_cast<char>(c.b);
                e.midiData[2] = static_cast<char>(c.c);
                batch.push_back(e);
            }
        }
        host.setTempo(bpm);
        host.setPosition(s.playing ? at / static_cast<double>(rate) * bpm / 60.0 : 0.0);
        if (!batch.empty())
            host.sendMidi(batch);
        host.processReplacing(left.data(), right.data(), n);
        for (int j = 0; j < n; ++j)
        {
            const float l = left[static_cast<size_t>(j)], rr = right[static_cast<size_t>(j)];
            hash.add(l);
            hash.add(rr);
            r.peak = std::max(r.peak, std::max(std::fabs(l), std::fabs(rr)));
        }
    }
    host.close();
    r.hash = hash.value();
    return r;
}

inline std::string key(float rate, int block)
{
    return std::to_string(static_cast<int>(rate)) + " " + std::to_string(block);
}

inline std::string hex(uint64_t h)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
    return text;
}

inline std::string hashFile(const std::string& scenario)
{
    return std::string(VANT_GOLDEN_DIR) + "/" + scenario + ".txt";
}

// "rate block" -> hash, as stored; empty when the file is missing.
inline std::map<std::string, std::string> readHashes(const std::string& scenario)
{
    std::map<std::string, std::string> stored;
    std::ifstream in(hashFile(scenario));
    std::string line;
    while (std::getline(in, line))
    {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string rate, block, hash;
        if (fields >> rate >> block >> hash)
            stored[rate + " " + block] = hash;
    }
    return stored;
}

inline bool writeHashes(const std::string& scenario, const std::map<std::string, std::string>& hashes)
{
    std::ofstream out(hashFile(scenario));
    out << "# rate block hash of every output float (regenerate on purpose: scripts/golden-record.sh)\n";
    for (float rate : kRates)
        for (int block : kBlocks)
            out << key(rate, block) << " " << hashes.at(key(rate, block)) << "\n";
    return static_cast<bool>(out);
}

inline bool recording() { return std::getenv("VANT_GOLDEN_RECORD") != nullptr; }

// Which rates and block sizes to render (all of them where a list is empty).
struct Combinations
{
    std::vector<float> rates;
    std::vector<int> blocks;
};

// The rates and block sizes of s through host, compared with the stored
// hashes; recording takes every combination.
inline void checkAgainstStored(HostModule& host, const GoldenScenario& s, Combinations only = {})
{
    if (only.rates.empty() || recording())
        only.rates.assign(std::begin(kRates), std::end(kRates));
    if (only.blocks.empty() || recording())
        only.blocks.assign(std::begin(kBlocks), std::end(kBlocks));
    std::map<std::string, std::string> rendered;
    for (float rate : only.rates)
    {
        for (int block : only.blocks)
        {
            const std::string at = key(rate, block);
            const Rendered r = render(host, s, rate, block);
            EXPECT_GT(r.peak, 1e-3f) << s.name << " at " << at << " is silent";
            rendered[at] = hex(r.hash);
        }
    }
    if (recording())
    {
        ASSERT_TRUE(writeHashes(s.name, rendered)) << hashFile(s.name);
        return;
    }
    const auto stored = readHashes(s.name);
    ASSERT_FALSE(stored.empty()) << "no hashes in " << hashFile(s.name);
    for (const auto& [at, hash] : rendered)
        EXPECT_EQ(hash, stored.count(at) ? stored.at(at) : "(none)") << s.name << " at " << at;
}

} // namespace golden
