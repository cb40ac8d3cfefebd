// `vantorel render` run as a user runs it: a MIDI file with a tempo change in,
// a WAV file out; the note lands on its exact sample.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "tools/HostModule.h"
#include <smf.h>
#include <sndfile.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Wav
{
    SF_INFO info{};
    std::vector<float> samples; // interleaved

    float peak(size_t from = 0, size_t to = SIZE_MAX) const
    {
        float p = 0.0f;
        for (size_t i = from; i < std::min(to, samples.size()); ++i)
            p = std::fmax(p, std::fabs(samples[i]));
        return p;
    }
};

// The file's samples and format; no samples if it cannot be read.
Wav readWav(const std::string& path)
{
    Wav out;
    if (SNDFILE* f = sf_open(path.c_str(), SFM_READ, &out.info))
    {
        out.samples.resize(static_cast<size_t>(out.info.frames * out.info.channels));
        sf_readf_float(f, out.samples.data(), out.info.frames);
        sf_close(f);
    }
    return out;
}

void writeFile(const std::string& path, const void* bytes, size_t size)
{
    std::ofstream(path, std::ios::binary).write(static_cast<const char*>(bytes), static_cast<std::streamsize>(size));
}

// One quarter at 120 BPM, then 60 BPM: a note at pulse 3 * ppqn lands at 2.5 s.
void writeMidi(const std::string& path)
{
    smf_t* smf = smf_new();
    ASSERT_EQ(smf_set_ppqn(smf, 480), 0);
    smf_track_t* track = smf_track_new();
    smf_add_track(smf, track);
    const unsigned char tempo120[] = {0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20};
    const unsigned char tempo60[] = {0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40};
    smf_track_add_event_pulses(track, smf_event_new_from_pointer(const_cast<unsigned char*>(tempo120), 6), 0);
    smf_track_add_event_pulses(track, smf_event_new_from_pointer(const_cast<unsigned char*>(tempo60), 6), 480);
    smf_track_add_event_pulses(track, smf_event_new_from_bytes(0x90, 69, 100), 3 * 480);
    smf_track_add_event_pulses(track, smf_event_new_from_bytes(0x80, 69, 0), 4 * 480);
    ASSERT_EQ(smf_save(smf, path.c_str()), 0);
    smf_delete(smf);
}

class RenderCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/vantorel-render-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
    }
    void TearDown() override { std::system(("rm -rf '" + dir + "'").c_str()); }

    int run(const std::string& args)
    {
        const std::string command = std::string(VANTOREL_TOOL) + " render " + args + " 2>'" + dir + "/err.txt'";
        return WEXITSTATUS(std::system(command.c_str()));
    }
    // The peak of what `render ... --out name` wrote; -1 if it failed.
    float renderedPeak(const std::string& args, const std::string& name)
    {
        return run(args + " --tail 0.5 --out '" + dir + "/" + name + "'") == 0 ? readWav(dir + "/" + name).peak()
                                                                               : -1.0f;
    }

    std::string dir;
};

TEST_F(RenderCommand, MidiFileEventsLandOnTheirSampleThroughTheTempoMap)
{
    writeMidi(dir + "/tempo.mid");
    ASSERT_EQ(run("--midi '" + dir + "/tempo.mid' --out '" + dir + "/out.wav' --rate 48000 --block 512 --tail 2"), 0);
    const Wav wav = readWav(dir + "/out.wav");
    EXPECT_EQ(wav.info.samplerate, 48000);
    EXPECT_EQ(wav.info.channels, 2);
    EXPECT_EQ(wav.info.format & SF_FORMAT_SUBMASK, SF_FORMAT_FLOAT);
    const size_t strike = 120000; // 0.5 s + 2 quarters at 60 BPM
    EXPECT_EQ(wav.peak(0, 2 * strike), 0.0f);
    EXPECT_GT(wav.peak(2 * strike, 2 * (strike + 4800)), 0.01f);
    // The note ends at 3.5 s; the tail stops within its two-second bound.
    EXPECT_LE(wav.samples.size() / 2, static_cast<size_t>(5.5 * 48000 + 512));
}

// The module's own chunks, with "Volume" at 0 in one program, saved as files.
void writeSilentProgramFiles(const std::string& dir)
{
    HostModule module;
    ASSERT_TRUE(module.load(VANTOREL_MODULE) && module.open()) << module.error();
    const float silent = 0.0f;
    std::vector<unsigned char> program = module.getChunk(true);
    ASSERT_EQ(program.size(), 1500u);
    std::memcpy(program.data() + 4 + 1 * 4, &silent, 4); // parameter 1 "Volume"
    std::vector<unsigned char> bank = module.getChunk(false);
    ASSERT_EQ(bank.size(), 97024u);
    std::memcpy(bank.data() + 5 * 1500 + 4 + 1 * 4, &silent, 4); // program 5
    module.close();
    writeFile(dir + "/quiet.vnp", program.data(), program.size());
    writeFile(dir + "/quiet.vnb", bank.data(), bank.size());
}

TEST_F(RenderCommand, DemoWithPresetAndBankFilesLoadedIntoTheModule)
{
    writeSilentProgramFiles(dir);
    EXPECT_EQ(renderedPeak("--preset '" + dir + "/quiet.vnp'", "preset.wav"), 0.0f);
    EXPECT_EQ(renderedPeak("--bank '" + dir + "/quiet.vnb' --program 5", "bank5.wav"), 0.0f);
    // The demo phrase, as 24-bit PCM at 44100 Hz.
    ASSERT_GT(renderedPeak("--bank '" + dir + "/quiet.vnb' --program 0 --format pcm24 --rate 44100", "bank0.wav"),
              0.01f);
    const Wav demo = readWav(dir + "/bank0.wav");
    EXPECT_EQ(demo.info.samplerate, 44100);
    EXPECT_EQ(demo.info.format & SF_FORMAT_SUBMASK, SF_FORMAT_PCM_24);
    EXPECT_LE(demo.peak(), 1.0f);
    // --param comes last and wins over the file.
    EXPECT_GT(renderedPeak("--preset '" + dir + "/quiet.vnp' --param 1=0.5", "param.wav"), 0.01f);
}

TEST_F(RenderCommand, WritesTheFormatTheFileNameAsksFor)
{
    const std::string phrase = "--phrase audition --tail 0.5 --out '" + dir + "/";
    ASSERT_EQ(run(phrase + "float.wav'"), 0);
    ASSERT_EQ(run(phrase + "pcm.WAV' --format pcm24"), 0);
    ASSERT_EQ(run(phrase + "x.flac'"), 0);
    ASSERT_EQ(run(phrase + "x.ogg'"), 0);
    const Wav reference = readWav(dir + "/float.wav");
    ASSERT_GT(reference.peak(), 0.05f);
    struct Case
    {
        const char* file;
        int major, subtype;
        float tolerance; // largest difference from the float file, per sample
    };
    const Case cases[] = {{"pcm.WAV", SF_FORMAT_WAV, SF_FORMAT_PCM_24, 2e-7f},
                          {"x.flac", SF_FORMAT_FLAC, SF_FORMAT_PCM_24, 2e-7f},
                          {"x.ogg", SF_FORMAT_OGG, SF_FORMAT_VORBIS, 0.08f}};
    for (const Case& c : cases)
    {
        const Wav w = readWav(dir + "/" + c.file);
        EXPECT_EQ(w.info.format & SF_FORMAT_TYPEMASK, c.major) << c.file;
        EXPECT_EQ(w.info.format & SF_FORMAT_SUBMASK, c.subtype) << c.file;
        EXPECT_EQ(w.info.samplerate, 48000) << c.file;
        EXPECT_EQ(w.info.channels, 2) << c.file;
        ASSERT_GE(w.samples.size(), reference.samples.size()) << c.file; // Vorbis may pad the end
        float worst = 0.0f;
        for (size_t i = 0; i < reference.samples.size(); ++i)
            worst = std::fmax(worst, std::fabs(w.samples[i] - reference.samples[i]));
        EXPECT_LE(worst, c.tolerance) << c.file;
    }
    // What a file cannot hold, or a name with no format, is refused before any sound is made.
    for (const char* bad : {"x.mp3'", "x'", "y.flac' --format float", "y.ogg' --format pcm24"})
        EXPECT_EQ(run(phrase + bad), 2) << bad;
    EXPECT_FALSE(std::ifstream(dir + "/y.flac").good());
}

TEST_F(RenderCommand, RefusesBadInput)
{
    // --rate 192001: the engine would run at 48000.
    for (const char* bad : {"--param 200=0.5", "--param volume", "--program 64", "--rate 192001"})
        EXPECT_NE(run("--out '" + dir + "/x.wav' " + bad), 0) << bad;
    writeFile(dir + "/short.vnp", "not a program", 13);
    EXPECT_NE(run("--out '" + dir + "/x.wav' --preset '" + dir + "/short.vnp'"), 0);
    EXPECT_NE(run("--out '" + dir + "/no/such/folder/x.wav'"), 0);
}

} // namespace
