#pragma once
// The identity of the instrument's 111 parameters: one name per index, after
// the name the host shows. Every layer (plug-in, engine, editor, tools, tests)
// names a parameter through this enumeration; the values are the indices of
// the program record and of the host interface, so they never change.
#include <cstdint>

enum class ParamId : int32_t
{
    HitPower = 0,
    Volume = 1,
    BowTemp2 = 2, // "BOW temp": stored only
    BowTemp3 = 3,
    BowTemp4 = 4,
    BowTemp5 = 5,
    SaBalance = 6,
    Decay = 7,
    Release = 8,
    SaVolume = 9,
    SaNoteOffset = 10,
    SaRndTune = 11,
    SaSaturate = 12,
    SbVolume = 13,
    SbFrqBottom = 14, // "NOISE Frq" in NOISE mode
    SbFrqTop = 15, // "NOISE Res" in NOISE mode
    SbNoteOffset = 16,
    SbRndTune = 17,
    SbDetune = 18,
    SbOctave = 19,
    SbDecay = 20,
    SbLink = 21,
    SbDiffusion = 22, // "NOISE" in NOISE mode (value 1 selects it)
    SbCrush = 23,
    BodyVol = 24,
    BodyTune = 25,
    BodyDecay = 26,
    BodyDiffusion = 27,
    BodySharpness = 28,
    BodyWet = 29,
    BodyLowest = 30,
    BodyHighest = 31,
    BodyPhaseFrq = 32,
    BodyPhaseQ = 33,
    BodyPhaMix = 34,
    BodyTremolo = 35,
    BodyTrSync = 36,
    BodyTrRate = 37,
    BodyTrWide = 38,
    ConcertA = 39,
    FltHighpass = 40,
    FltLowpass = 41,
    OutStereo = 42,
    OutSpread = 43,
    PitchRange = 44,
    PitchRelax = 45,
    CrushBits = 46, // host name "-"
    Crush = 47,
    GuiRed = 48,
    GuiGreen = 49,
    GuiBlue = 50,
    MtC = 51, // "MT C" .. "MT B": 51..62, pitch classes C..B
    MtB = 62,
    MpbUpC = 63, // "MPBup C" .. "MPBup B": 63..74
    MpbUpB = 74,
    MpbDownC = 75, // "MPBdown C" .. "MPBdown B": 75..86
    MpbDownB = 86,
    SandGrains = 87, // the sand texture's six parameters have the host name "-"
    SandSpare = 88, // stored only
    SandBounce = 89,
    SandWidth = 90,
    SandTune = 91,
    SandDamping = 92,
    EchoLRate = 93,
    EchoRRate = 94,
    EchoSync = 95,
    EchoFb = 96,
    EchoWet = 97,
    Spare98 = 98,
    Spare99 = 99,
    LfoSync = 100,
    LfoRate = 101,
    LfoBalance = 102,
    LfoPitch = 103,
    Spare104 = 104,
    Spare105 = 105,
    EnvDecay = 106,
    Spare107 = 107,
    EnvBalance = 108,
    EnvPitch = 109,
    Spare110 = 110,
};

constexpr int kParamCount = 111;
constexpr int kPitchClasses = 12;

constexpr int32_t paramIndex(ParamId id) { return static_cast<int32_t>(id); }
constexpr bool isParamIndex(int32_t index) { return index >= 0 && index < kParamCount; }

// The per-pitch-class groups, pitch class 0 (C) to 11 (B).
constexpr ParamId microtuningParam(int pitchClass)
{
    return static_cast<ParamId>(paramIndex(ParamId::MtC) + pitchClass);
}
constexpr ParamId bendUpParam(int pitchClass) { return static_cast<ParamId>(paramIndex(ParamId::MpbUpC) + pitchClass); }
constexpr ParamId bendDownParam(int pitchClass)
{
    return static_cast<ParamId>(paramIndex(ParamId::MpbDownC) + pitchClass);
}
constexpr bool isMicrotuningParam(int32_t index)
{
    return index >= paramIndex(ParamId::MtC) && index <= paramIndex(ParamId::MtB);
}
constexpr bool isBendScaleParam(int32_t index)
{
    return index >= paramIndex(ParamId::MpbUpC) && index <= paramIndex(ParamId::MpbDownB);
}

static_assert(paramIndex(ParamId::MtB) - paramIndex(ParamId::MtC) == kPitchClasses - 1);
static_assert(paramIndex(ParamId::MpbUpB) - paramIndex(ParamId::MpbUpC) == kPitchClasses - 1);
static_assert(paramIndex(ParamId::MpbDownB) - paramIndex(ParamId::MpbDownC) == kPitchClasses - 1);
static_assert(paramIndex(ParamId::Spare110) == kParamCount - 1);
