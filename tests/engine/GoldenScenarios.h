#pragma once
// The fixed performances whose every output sample is pinned by a stored hash:
// each effect on and off, notes struck and released inside blocks, the wheel,
// the bend, the pedal, tempo and song position. Events sit at absolute
// frames; a renderer delivers them in whatever blocks it uses.
#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "common/ParamId.h"

struct GoldenCue
{
    enum class Kind
    {
        Midi, // status, data1, data2 at its frame
        Param, // set before the first block that starts at or after the frame
        Tempo, // the host's tempo from the first block at or after the frame
    };
    int frame;
    Kind kind;
    int a = 0, b = 0, c = 0; // MIDI bytes, or the parameter index in a
    float value = 0.0f; // the parameter's value, or the tempo in bpm
};

struct GoldenScenario
{
    std::string name;
    std::vector<std::pair<ParamId, float>> settings; // over the default program, before the first block
    std::vector<GoldenCue> cues; // sorted by frame
    bool playing = false; // transport running: the song position advances
    double tempo = 120.0;
    int frames = 6000;
};

// gtest names a failing scenario by this.
inline void PrintTo(const GoldenScenario& s, std::ostream* os) { *os << s.name; }

namespace golden {

inline GoldenCue on(int frame, int key, int velocity = 100)
{
    return {frame, GoldenCue::Kind::Midi, 0x90, key, velocity};
}
inline GoldenCue off(int frame, int key) { return {frame, GoldenCue::Kind::Midi, 0x80, key, 0}; }
inline GoldenCue cc(int frame, int number, int value) { return {frame, GoldenCue::Kind::Midi, 0xB0, number, value}; }
inline GoldenCue bend(int frame, int value14)
{
    return {frame, GoldenCue::Kind::Midi, 0xE0, value14 & 0x7F, (value14 >> 7) & 0x7F};
}
inline GoldenCue param(int frame, ParamId id, float v)
{
    return {frame, GoldenCue::Kind::Param, paramIndex(id), 0, 0, v};
}
inline GoldenCue tempo(int frame, float bpm) { return {frame, GoldenCue::Kind::Tempo, 0, 0, 0, bpm}; }

inline std::vector<GoldenCue> join(std::vector<GoldenCue> a, const std::vector<GoldenCue>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Notes struck and released at odd frames: a chord built up, a release, a
// re-strike of a ringing key, a 64-sample note, a velocity-0 release.
inline std::vector<GoldenCue> phrase()
{
    return {on(2, 60),         on(150, 64, 80), on(500, 67, 120),  off(1250, 60),  on(1500, 72, 60),
            off(2050, 64),     on(2500, 60),    on(3000, 84),      off(3032, 84),  on(3500, 67, 0),
            on(3888, 36, 127), off(4500, 72),   on(4500, 108, 90), off(5250, 108), on(5500, 21)};
}

inline std::vector<GoldenScenario> scenarios()
{
    using P = ParamId;
    std::vector<GoldenScenario> list;
    list.push_back({"init", {}, phrase()});
    list.push_back({"dry",
                    {{P::SbVolume, 0.0f},
                     {P::BodyVol, 0.0f},
                     {P::BodyPhaMix, 0.0f},
                     {P::Decay, 0.5f},
                     {P::Release, 0.1f},
                     {P::SaBalance, 0.2f},
                     {P::OutStereo, 0.9f},
                     {P::OutSpread, 1.0f}},
                    phrase()});
    list.push_back({"springb_coupled",
                    {{P::SbVolume, 0.8f},
                     {P::SbDiffusion, 0.4f},
                     {P::SbLink, 1.0f},
                     {P::SbCrush, 0.9f},
                     {P::SbDetune, 0.7f},
                     {P::SbOctave, 1.0f},
                     {P::SbRndTune, 0.5f},
                     {P::SbFrqBottom, 0.1f},
                     {P::SbFrqTop, 0.8f},
                     {P::SbNoteOffset, 0.1f},
                     {P::SbDecay, 0.9f}},
                    join(phrase(), {param(3000, P::SbLink, 0.0f), param(4000, P::SbCrush, 0.6f)})});
    list.push_back({"noise",
                    {{P::SbDiffusion, 1.0f}, {P::SbFrqBottom, 0.6f}, {P::SbFrqTop, 0.8f}, {P::SbVolume, 0.7f}},
                    join(phrase(), {param(2000, P::SbLink, 1.0f)})});
    list.push_back({"saturation",
                    {{P::SaSaturate, 0.9f}, {P::SbVolume, 0.7f}, {P::SaVolume, 0.9f}},
                    join(phrase(), {param(2000, P::SaSaturate, 0.3f), param(4000, P::SaSaturate, 1.0f)})});
    list.push_back({"lfo_env",
                    {{P::LfoBalance, 0.7f},
                     {P::LfoPitch, 0.6f},
                     {P::LfoRate, 0.8f},
                     {P::EnvBalance, 0.5f},
                     {P::EnvPitch, 0.4f},
                     {P::EnvDecay, 0.5f}},
                    join(phrase(), {param(3000, P::LfoSync, 1.0f), tempo(3000, 140), param(4500, P::EnvPitch, 0.0f)})});
    list.push_back({"wheel_bend",
                    {{P::PitchRange, 0.5f},
                     {P::MpbUpC, 0.3f},
                     {bendDownParam(4), 0.6f},
                     {bendUpParam(7), 0.0f},
                     {bendDownParam(7), 0.9f},
                     {P::PitchRelax, 0.7f},
                     {P::SbVolume, 0.6f}},
                    join(phrase(), {cc(100, 1, 0), cc(750, 1, 127), bend(1000, 16383), cc(1750, 1, 40), bend(2250, 0),
                                    bend(3500, 9000), cc(4000, 1, 90), bend(5000, 8192)})});
    list.push_back({"sustain_tuning",
                    {{P::SaRndTune, 0.6f},
                     {P::SaNoteOffset, 0.3f},
                     {P::MtC, 0.2f},
                     {microtuningParam(4), 0.9f},
                     {P::ConcertA, 0.7f},
                     {P::SbRndTune, 0.4f}},
                    join(phrase(), {cc(500, 64, 127), cc(4000, 64, 0), cc(4750, 64, 100)})});
    list.push_back({"soft_strike",
                    {{P::HitPower, 0.6f}, {P::SbCrush, 0.9f}, {P::SbVolume, 0.7f}, {P::EnvBalance, 0.3f}},
                    join(phrase(), {param(2750, P::HitPower, 0.9f)})});
    list.push_back({"body",
                    {{P::BodyVol, 0.9f},
                     {P::BodyDiffusion, 0.7f},
                     {P::BodySharpness, 0.9f},
                     {P::BodyWet, 0.4f},
                     {P::BodyLowest, 0.3f},
                     {P::BodyHighest, 0.7f},
                     {P::BodyDecay, 0.8f},
                     {P::BodyTune, 0.3f}},
                    join(phrase(), {param(3000, P::BodySharpness, 0.2f), param(4500, P::BodyHighest, 0.2f)})});
    list.push_back({"phaser_tempo",
                    {{P::BodyPhaMix, 0.9f},
                     {P::BodyTrSync, 0.5f},
                     {P::BodyTrRate, 0.6f},
                     {P::BodyTremolo, 0.9f},
                     {P::BodyPhaseQ, 0.8f},
                     {P::BodyTrWide, 0.2f},
                     {P::BodyVol, 0.6f}},
                    join(phrase(), {tempo(2500, 133)}),
                    false,
                    100.0});
    list.push_back({"phaser_song",
                    {{P::BodyPhaMix, 0.7f},
                     {P::BodyTrSync, 1.0f},
                     {P::BodyTrRate, 0.5f},
                     {P::BodyTremolo, 0.7f},
                     {P::BodyVol, 0.5f}},
                    phrase(),
                    true,
                    90.0});
    list.push_back({"crusher_sand",
                    {{P::CrushBits, 0.4f},
                     {P::Crush, 0.8f},
                     {P::SandGrains, 0.5f},
                     {P::SandBounce, 0.8f},
                     {P::SandWidth, 0.9f},
                     {P::SandTune, 0.8f},
                     {P::SandDamping, 0.8f},
                     {P::Volume, 0.8f}},
                    join(phrase(), {param(3500, P::Crush, 0.0f)})});
    list.push_back({"filters_echo_free",
                    {{P::FltHighpass, 0.1f},
                     {P::FltLowpass, 0.4f},
                     {P::EchoLRate, 0.02f},
                     {P::EchoRRate, 0.03f},
                     {P::EchoFb, 0.7f},
                     {P::EchoWet, 0.6f}},
                    join(phrase(), {param(3000, P::EchoLRate, 0.01f), param(4000, P::FltHighpass, 0.0f)})});
    list.push_back(
        {"echo_synced",
         {{P::EchoSync, 1.0f}, {P::EchoLRate, 0.5f}, {P::EchoRRate, 0.4f}, {P::EchoFb, 0.5f}, {P::EchoWet, 0.5f}},
         join(phrase(), {tempo(3000, 170)}),
         true,
         150.0});

    // All 88 keys struck at once, half released early: keys fall silent one
    // by one while others ring, then a second wave.
    std::vector<GoldenCue> keys;
    for (int k = 21; k <= 108; ++k)
        keys.push_back(on(k - 21, k, 40 + k));
    for (int k = 21; k <= 108; k += 2)
        keys.push_back(off(700 + k, k));
    for (int k = 22; k <= 108; k += 2)
        keys.push_back(off(5000 + k, k));
    for (int k = 30; k <= 100; k += 7)
        keys.push_back(on(6000 + k, k, 100));
    // Long enough for the early releases to fall silent (below 2^-129).
    list.push_back({"all_keys",
                    {{P::Decay, 0.0f}, {P::Release, 0.0f}, {P::BodyVol, 0.5f}, {P::SbVolume, 0.6f}},
                    keys,
                    false,
                    120.0,
                    12000});

    // Short hits that fall asleep, all-notes-off in the middle, and waking again.
    list.push_back({"sleep_wake",
                    {{P::Decay, 0.0f},
                     {P::Release, 0.0f},
                     {P::BodyVol, 0.0f},
                     {P::BodyHighest, 0.0f},
                     {P::EchoLRate, 0.05f},
                     {P::EchoWet, 0.3f}},
                    {on(5, 72), off(200, 72), on(1500, 60), cc(1600, 123, 0), on(1650, 65), off(1700, 65),
                     cc(2000, 1, 64), on(4500, 48), off(4550, 48)}});
    return list;
}

} // namespace golden
