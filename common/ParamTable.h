#pragma once
// One description per parameter: the host name (and its NOISE-mode name), the
// unit label, the default of a new program, and which part of the instrument
// uses the value. Host texts, program defaults, the engine's dead-knob check
// and the tools all read this table.
#include "common/ParamId.h"

enum class ParamUse
{
    Engine, // the engine maps it: moving it changes the sound
    Editor, // only the editor reads it (the panel colour)
    StoredOnly, // kept in programs and files, used by nothing
};

struct ParamInfo
{
    const char* name; // at most 16 characters
    const char* noiseName; // the name in NOISE mode, or null when it keeps its name
    const char* label; // unit label, possibly empty
    const char* noiseLabel; // the label in NOISE mode
    float defaultValue;
    ParamUse use;
};

inline constexpr ParamInfo kParamTable[kParamCount] = {
    {"Hit Power", nullptr, "", "", 1.0f, ParamUse::Engine}, // 0
    {"Volume", nullptr, "", "", 0.5f, ParamUse::Engine}, // 1
    {"BOW temp", nullptr, "", "", 0.0f, ParamUse::StoredOnly}, // 2
    {"BOW temp", nullptr, "", "", 0.0f, ParamUse::StoredOnly}, // 3
    {"BOW temp", nullptr, "", "", 0.0f, ParamUse::StoredOnly}, // 4
    {"BOW temp", nullptr, "", "", 0.0f, ParamUse::StoredOnly}, // 5
    {"sA Balance", nullptr, "", "", 0.5f, ParamUse::Engine}, // 6
    {"Decay", nullptr, "", "", 0.9f, ParamUse::Engine}, // 7
    {"Release", nullptr, "", "", 0.25f, ParamUse::Engine}, // 8
    {"sA Volume", nullptr, "", "", 0.5f, ParamUse::Engine}, // 9
    {"sA Note Offset", nullptr, "cents", "cents", 0.5f, ParamUse::Engine}, // 10
    {"sA RND tune", nullptr, "", "", 0.0f, ParamUse::Engine}, // 11
    {"sA Saturate", nullptr, "", "", 0.0f, ParamUse::Engine}, // 12
    {"sB Volume", nullptr, "", "", 0.5f, ParamUse::Engine}, // 13
    {"sB Frq.bottom", "NOISE Frq", "cents", "cents", 0.0f, ParamUse::Engine}, // 14
    {"sB Frq.top", "NOISE Res", "cents", "", 1.0f, ParamUse::Engine}, // 15
    {"sB Note Offset", nullptr, "", "", 0.75f, ParamUse::Engine}, // 16
    {"sB RND tune", nullptr, "", "", 0.0f, ParamUse::Engine}, // 17
    {"sB Detune", nullptr, "", "", 0.5f, ParamUse::Engine}, // 18
    {"sB Octave", nullptr, "", "", 0.0f, ParamUse::Engine}, // 19
    {"sB Decay", nullptr, "", "", 0.75f, ParamUse::Engine}, // 20
    {"sB Link", nullptr, "", "", 0.0f, ParamUse::Engine}, // 21
    {"sB Diffusion", "NOISE", "", "", 0.0f, ParamUse::Engine}, // 22
    {"sB crush", nullptr, "", "", 0.0f, ParamUse::Engine}, // 23
    {"Body Vol", nullptr, "", "", 0.2f, ParamUse::Engine}, // 24
    {"Body Tune", nullptr, "Hz", "Hz", 9.0f / 16.0f, ParamUse::Engine}, // 25
    {"Body Decay", nullptr, "", "", 0.25f, ParamUse::Engine}, // 26
    {"Body Diffusion", nullptr, "", "", 0.0f, ParamUse::Engine}, // 27
    {"Body Sharpness", nullptr, "", "", 0.5f, ParamUse::Engine}, // 28
    {"Body Wet", nullptr, "", "", 0.0f, ParamUse::Engine}, // 29
    {"Body Lowest", nullptr, "", "", 21.0f / 128.0f, ParamUse::Engine}, // 30
    {"Body Highest", nullptr, "", "", 108.0f / 128.0f, ParamUse::Engine}, // 31
    {"Body Phase Frq", nullptr, "", "", 0.55f, ParamUse::Engine}, // 32
    {"Body Phase Q", nullptr, "", "", 0.5f, ParamUse::Engine}, // 33
    {"Body Pha.Mix", nullptr, "", "", 0.5f, ParamUse::Engine}, // 34
    {"Body Tremolo", nullptr, "", "", 0.33f, ParamUse::Engine}, // 35
    {"Body Tr.Sync", nullptr, "", "", 0.0f, ParamUse::Engine}, // 36
    {"Body Tr.Rate", nullptr, "", "", 0.15f, ParamUse::Engine}, // 37
    {"Body Tr.Wide", nullptr, "", "", 0.75f, ParamUse::Engine}, // 38
    {"Concert A", nullptr, "", "", 0.5f, ParamUse::Engine}, // 39
    {"FLT Highpass", nullptr, "", "", 0.0f, ParamUse::Engine}, // 40
    {"FLT Lowpass", nullptr, "", "", 1.0f, ParamUse::Engine}, // 41
    {"OUT Stereo", nullptr, "", "", 0.5f, ParamUse::Engine}, // 42
    {"OUT Spread", nullptr, "", "", 0.5f, ParamUse::Engine}, // 43
    {"Pitch range", nullptr, "", "", 1.0f / 6.0f, ParamUse::Engine}, // 44
    {"Pitch relax", nullptr, "", "", 0.4f, ParamUse::Engine}, // 45
    {"-", nullptr, "", "", 0.125f, ParamUse::Engine}, // 46
    {"Crush", nullptr, "", "", 0.0f, ParamUse::Engine}, // 47
    {"GUI red", nullptr, "", "", 0.75f, ParamUse::Editor}, // 48
    {"GUI green", nullptr, "", "", 0.75f, ParamUse::Editor}, // 49
    {"GUI blue", nullptr, "", "", 0.75f, ParamUse::Editor}, // 50
    {"MT C", nullptr, "", "", 0.5f, ParamUse::Engine}, // 51
    {"MT C#", nullptr, "", "", 0.5f, ParamUse::Engine}, // 52
    {"MT D", nullptr, "", "", 0.5f, ParamUse::Engine}, // 53
    {"MT D#", nullptr, "", "", 0.5f, ParamUse::Engine}, // 54
    {"MT E", nullptr, "", "", 0.5f, ParamUse::Engine}, // 55
    {"MT F", nullptr, "", "", 0.5f, ParamUse::Engine}, // 56
    {"MT F#", nullptr, "", "", 0.5f, ParamUse::Engine}, // 57
    {"MT G", nullptr, "", "", 0.5f, ParamUse::Engine}, // 58
    {"MT G#", nullptr, "", "", 0.5f, ParamUse::Engine}, // 59
    {"MT A", nullptr, "", "", 0.5f, ParamUse::Engine}, // 60
    {"MT A#", nullptr, "", "", 0.5f, ParamUse::Engine}, // 61
    {"MT B", nullptr, "", "", 0.5f, ParamUse::Engine}, // 62
    {"MPBup C", nullptr, "", "", 1.0f, ParamUse::Engine}, // 63
    {"MPBup C#", nullptr, "", "", 1.0f, ParamUse::Engine}, // 64
    {"MPBup D", nullptr, "", "", 1.0f, ParamUse::Engine}, // 65
    {"MPBup D#", nullptr, "", "", 1.0f, ParamUse::Engine}, // 66
    {"MPBup E", nullptr, "", "", 1.0f, ParamUse::Engine}, // 67
    {"MPBup F", nullptr, "", "", 1.0f, ParamUse::Engine}, // 68
    {"MPBup F#", nullptr, "", "", 1.0f, ParamUse::Engine}, // 69
    {"MPBup G", nullptr, "", "", 1.0f, ParamUse::Engine}, // 70
    {"MPBup G#", nullptr, "", "", 1.0f, ParamUse::Engine}, // 71
    {"MPBup A", nullptr, "", "", 1.0f, ParamUse::Engine}, // 72
    {"MPBup A#", nullptr, "", "", 1.0f, ParamUse::Engine}, // 73
    {"MPBup B", nullptr, "", "", 1.0f, ParamUse::Engine}, // 74
    {"MPBdown C", nullptr, "", "", 1.0f, ParamUse::Engine}, // 75
    {"MPBdown C#", nullptr, "", "", 1.0f, ParamUse::Engine}, // 76
    {"MPBdown D", nullptr, "", "", 1.0f, ParamUse::Engine}, // 77
    {"MPBdown D#", nullptr, "", "", 1.0f, ParamUse::Engine}, // 78
    {"MPBdown E", nullptr, "", "", 1.0f, ParamUse::Engine}, // 79
    {"MPBdown F", nullptr, "", "", 1.0f, ParamUse::Engine}, // 80
    {"MPBdown F#", nullptr, "", "", 1.0f, ParamUse::Engine}, // 81
    {"MPBdown G", nullptr, "", "", 1.0f, ParamUse::Engine}, // 82
    {"MPBdown G#", nullptr, "", "", 1.0f, ParamUse::Engine}, // 83
    {"MPBdown A", nullptr, "", "", 1.0f, ParamUse::Engine}, // 84
    {"MPBdown A#", nullptr, "", "", 1.0f, ParamUse::Engine}, // 85
    {"MPBdown B", nullptr, "", "", 1.0f, ParamUse::Engine}, // 86
    {"-", nullptr, "", "", 0.0f, ParamUse::Engine}, // 87
    {"-", nullptr, "", "", 1.0f, ParamUse::StoredOnly}, // 88
    {"-", nullptr, "", "", 0.75f, ParamUse::Engine}, // 89
    {"-", nullptr, "", "", 1.0f, ParamUse::Engine}, // 90
    {"-", nullptr, "", "", 0.9f, ParamUse::Engine}, // 91
    {"-", nullptr, "", "", 0.85f, ParamUse::Engine}, // 92
    {"Echo L Rate", nullptr, "", "", 0.25f, ParamUse::Engine}, // 93
    {"Echo R Rate", nullptr, "", "", 0.25f, ParamUse::Engine}, // 94
    {"Echo sync", nullptr, "", "", 0.0f, ParamUse::Engine}, // 95
    {"Echo fb", nullptr, "", "", 0.25f, ParamUse::Engine}, // 96
    {"Echo wet", nullptr, "", "", 0.0f, ParamUse::Engine}, // 97
    {"-", nullptr, "", "", 0.0f, ParamUse::StoredOnly}, // 98
    {"-", nullptr, "", "", 0.0f, ParamUse::StoredOnly}, // 99
    {"LFO sync", nullptr, "", "", 0.0f, ParamUse::Engine}, // 100
    {"LFO rate", nullptr, "", "", 0.25f, ParamUse::Engine}, // 101
    {"LFO balance", nullptr, "", "", 0.0f, ParamUse::Engine}, // 102
    {"LFO pitch", nullptr, "", "", 0.0f, ParamUse::Engine}, // 103
    {"-", nullptr, "", "", 0.0f, ParamUse::StoredOnly}, // 104
    {"-", nullptr, "", "", 0.0f, ParamUse::StoredOnly}, // 105
    {"ENV decay", nullptr, "", "", 0.25f, ParamUse::Engine}, // 106
    {"-", nullptr, "", "", 0.0f, ParamUse::StoredOnly}, // 107
    {"ENV balance", nullptr, "", "", 0.0f, ParamUse::Engine}, // 108
    {"ENV pitch", nullptr, "", "", 0.0f, ParamUse::Engine}, // 109
    {"-", nullptr, "", "", 0.0f, ParamUse::StoredOnly}, // 110
};

constexpr const ParamInfo& paramInfo(ParamId id) { return kParamTable[paramIndex(id)]; }
constexpr float paramDefault(ParamId id) { return paramInfo(id).defaultValue; }
