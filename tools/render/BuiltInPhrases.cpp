#include "tools/render/BuiltInPhrases.h"

#include <cmath>

namespace {

class PhraseWriter
{
public:
    PhraseWriter(Performance& p, double rate, double bpm) : perf(p), framesPerBeat(rate * 60.0 / bpm) {}

    void add(double beat, int status, int d1, int d2)
    {
        TimedMidi m{};
        m.frame = static_cast<int64_t>(std::llround(beat * framesPerBeat));
        m.bytes[0] = static_cast<uint8_t>(status);
        m.bytes[1] = static_cast<uint8_t>(d1);
        m.bytes[2] = static_cast<uint8_t>(d2);
        perf.events.push_back(m);
    }
    void note(double beat, double length, int key, int velocity)
    {
        add(beat, 0x90, key, velocity);
        add(beat + length, 0x80, key, 0);
    }

private:
    Performance& perf;
    double framesPerBeat;
};

} // namespace

Performance demoPhrase(double sampleRate, double bpm)
{
    Performance p;
    p.tempoMap.push_back({0.0, 0.0, bpm});
    PhraseWriter w(p, sampleRate, bpm);

    // Bar 1: single notes from the bottom of the keyboard to the top.
    const int run[] = {21, 33, 45, 57, 64, 69, 76, 88, 100, 108};
    for (int i = 0; i < 10; ++i)
        w.note(i * 0.4, 0.35, run[i], 70 + 5 * (i % 4));

    // Bar 2: a chord under the sustain pedal, released while the pedal holds it.
    w.add(4.0, 0xB0, 64, 127);
    for (int key : {48, 55, 60, 64, 67})
        w.note(4.0, 1.0, key, 96);
    w.note(6.0, 0.5, 72, 80);
    w.add(7.5, 0xB0, 64, 0);

    // Bar 3: a held note bent up and back.
    w.note(8.0, 3.8, 69, 100);
    for (int step = 0; step <= 32; ++step)
    {
        const double shape = std::sin(M_PI * step / 32.0);
        const int bend = 8192 + static_cast<int>(std::lround(8191.0 * shape));
        w.add(8.75 + step * 0.0625, 0xE0, bend & 127, bend >> 7);
    }

    // Bar 4: the mod wheel scrapes a held low note.
    w.note(12.0, 3.5, 45, 90);
    for (int step = 0; step <= 24; ++step)
    {
        const int value = static_cast<int>(std::lround(127.0 * std::sin(M_PI * step / 24.0)));
        w.add(12.5 + step * 0.1, 0xB0, 1, value);
    }
    w.add(15.5, 0xB0, 1, 0);
    p.sortEvents();
    return p;
}

Performance auditionPhrase(double sampleRate, double bpm)
{
    Performance p;
    p.tempoMap.push_back({0.0, 0.0, bpm});
    PhraseWriter w(p, sampleRate, bpm);

    // A rising line, each note at another strength.
    const int line[] = {60, 64, 67, 71};
    const int strength[] = {96, 72, 104, 80};
    for (int i = 0; i < 4; ++i)
        w.note(i * 0.5, 0.45, line[i], strength[i]);
    w.note(2.0, 1.0, 72, 112);

    // A chord over a low root.
    for (int key : {36, 55, 64, 71})
        w.note(3.0, 1.5, key, 88);

    // A held note bent up the whole range and back.
    w.note(4.5, 2.0, 69, 100);
    for (int step = 0; step <= 16; ++step)
    {
        const double shape = std::sin(M_PI * step / 16.0);
        const int bend = 8192 + static_cast<int>(std::lround(8191.0 * shape));
        w.add(5.0 + step * 0.078125, 0xE0, bend & 127, bend >> 7);
    }
    p.sortEvents();
    return p;
}

bool builtInPhrase(const std::string& name, double sampleRate, double bpm, Performance& out)
{
    if (name == "demo")
        out = demoPhrase(sampleRate, bpm);
    else if (name == "audition")
        out = auditionPhrase(sampleRate, bpm);
    else
        return false;
    return true;
}
