#include "plugin/ParameterTable.h"

#include <cmath>
#include <cstdio>

#include "plugin/BoundedText.h"

namespace ParameterTable {
namespace {

const char* const kNames[kNumParameters] = {
    "Hit Power", "Volume", "BOW temp", "BOW temp", "BOW temp", "BOW temp", "sA Balance", "Decay", "Release",
    "sA Volume", "sA Note Offset", "sA RND tune", "sA Saturate", "sB Volume", "sB Frq.bottom", "sB Frq.top",
    "sB Note Offset", "sB RND tune", "sB Detune", "sB Octave", "sB Decay", "sB Link", "sB Diffusion", "sB crush",
    "Body Vol", "Body Tune", "Body Decay", "Body Diffusion", "Body Sharpness", "Body Wet", "Body Lowest",
    "Body Highest", "Body Phase Frq", "Body Phase Q", "Body Pha.Mix", "Body Tremolo", "Body Tr.Sync", "Body Tr.Rate",
    "Body Tr.Wide", "Concert A", "FLT Highpass", "FLT Lowpass", "OUT Stereo", "OUT Spread", "Pitch range",
    "Pitch relax", "-", "Crush", "GUI red", "GUI green", "GUI blue",
    // 51..62 microtuning
    "MT C", "MT C#", "MT D", "MT D#", "MT E", "MT F", "MT F#", "MT G", "MT G#", "MT A", "MT A#", "MT B",
    // 63..74 upward bend scales
    "MPBup C", "MPBup C#", "MPBup D", "MPBup D#", "MPBup E", "MPBup F", "MPBup F#", "MPBup G", "MPBup G#", "MPBup A",
    "MPBup A#", "MPBup B",
    // 75..86 downward bend scales
    "MPBdown C", "MPBdown C#", "MPBdown D", "MPBdown D#", "MPBdown E", "MPBdown F", "MPBdown F#", "MPBdown G",
    "MPBdown G#", "MPBdown A", "MPBdown A#", "MPBdown B",
    // 87..110
    "-", "-", "-", "-", "-", "-", "Echo L Rate", "Echo R Rate", "Echo sync", "Echo fb", "Echo wet", "-", "-",
    "LFO sync", "LFO rate", "LFO balance", "LFO pitch", "-", "-", "ENV decay", "-", "ENV balance", "ENV pitch", "-"};

float defaultOf(int i)
{
    if (i >= 51 && i <= 62)
        return 0.5f;
    if (i >= 63 && i <= 86)
        return 1.f;
    switch (i)
    {
    case 0: return 1.f;
    case 1: return 0.5f;
    case 6: return 0.5f;
    case 7: return 0.9f;
    case 8: return 0.25f;
    case 9: return 0.5f;
    case 10: return 0.5f;
    case 13: return 0.5f;
    case 15: return 1.f;
    case 16: return 0.75f;
    case 18: return 0.5f;
    case 20: return 0.75f;
    case 24: return 0.2f;
    case 25: return 9.f / 16.f;
    case 26: return 0.25f;
    case 28: return 0.5f;
    case 30: return 21.f / 128.f;
    case 31: return 108.f / 128.f;
    case 32: return 0.55f;
    case 33: return 0.5f;
    case 34: return 0.5f;
    case 35: return 0.33f;
    case 37: return 0.15f;
    case 38: return 0.75f;
    case 39: return 0.5f;
    case 41: return 1.f;
    case 42: return 0.5f;
    case 43: return 0.5f;
    case 44: return 1.f / 6.f;
    case 45: return 0.4f;
    case 46: return 0.125f;
    case 48:
    case 49:
    case 50: return 0.75f;
    case 88: return 1.f;
    case 89: return 0.75f;
    case 90: return 1.f;
    case 91: return 0.9f;
    case 92: return 0.85f;
    case 93:
    case 94: return 0.25f;
    case 96: return 0.25f;
    case 101: return 0.25f;
    case 106: return 0.25f;
    default: return 0.f;
    }
}

// trunc(scale * v) read as a choice among count texts; values outside the
// normal range land on the nearest end instead of indexing past the list.
int steppedChoice(float v, float scale, int count)
{
    double t = std::trunc(static_cast<double>(v) * scale);
    if (!(t > 0))
        return 0; // also NaN
    if (t >= count - 1)
        return count - 1;
    return static_cast<int>(t);
}

bool tremoloSynced(const float* values) { return steppedChoice(values[kTremoloSync], 2.f, 3) != 0; }
bool echoSynced(const float* values) { return steppedChoice(values[kEchoSync], 1.f, 2) != 0; }

} // namespace

float defaultValue(int index) { return (index >= 0 && index < kNumParameters) ? defaultOf(index) : 0.f; }

bool isNoiseMode(float noiseSelect) { return noiseSelect >= 1.f; }

float concertPitch(float concertA) { return 40.f * concertA + 420.f; }

const char* name(int index, float noiseSelect)
{
    if (index < 0 || index >= kNumParameters)
        return "-";
    if (isNoiseMode(noiseSelect))
    {
        if (index == 14)
            return "NOISE Frq";
        if (index == 15)
            return "NOISE Res";
        if (index == 22)
            return "NOISE";
    }
    return kNames[index];
}

const char* label(int index, float noiseSelect)
{
    switch (index)
    {
    case 10:
    case 14: return "cents";
    case 15: return isNoiseMode(noiseSelect) ? "" : "cents";
    case 25: return "Hz";
    default: return "";
    }
}

void formatSyncDivision(float value, char* out, size_t outSize)
{
    double v = value;
    double n = std::trunc(16.0 * v);
    double e = std::trunc(8.0 * v);
    bool triplet = std::fmod(std::fabs(n), 2.0) == 1.0;
    std::snprintf(out, outSize, triplet ? "1/%.0fT" : "1/%.0f", std::pow(2.0, e));
}

bool formatDisplay(int index, const float* values, char* text)
{
    if (index < 0 || index >= kNumParameters)
        return false;
    const float v = values[index];
    const double A = concertPitch(values[kConcertA]);
    char buf[64];
    auto fmt3 = [&](double x) { std::snprintf(buf, sizeof buf, "%.3f", x); };
    // Rates read as note divisions while synced to the host tempo.
    auto rateText = [&](bool synced) {
        if (synced)
            formatSyncDivision(v, buf, sizeof buf);
        else
            fmt3(v);
    };

    if (index >= 51 && index <= 62)
    {
        int k = index - 51;
        std::snprintf(buf, sizeof buf, "%.2f",
                      A * std::pow(2.0, (k - 9) / 12.0) * std::pow(2.0, (2.0 * v - 1.0) / 6.0));
    }
    else
    {
        switch (index)
        {
        case 10: fmt3((-120.0 - std::trunc(-480.0 * v)) * 0.1); break;
        case 14: fmt3((72.0 * v - 24.0) * 0.5); break;
        case 15:
            if (isNoiseMode(values[kNoiseSelect]))
                fmt3(v);
            else
                std::snprintf(buf, sizeof buf, "%.0f", 128.0 * v - 12.0);
            break;
        case 16: std::snprintf(buf, sizeof buf, "%.0f", 48.0 * v - 12.0); break;
        case 19: std::snprintf(buf, sizeof buf, "%s", v > 0 ? "On" : "Off"); break;
        case 25: fmt3(A * std::pow(2.0, (32.0 * v - 12.0) / 12.0)); break;
        case 33: fmt3(std::fabs(2.0 * v - 1.0)); break;
        case 36: {
            static const char* const modes[3] = {"Off", "Tempo", "Song"};
            std::snprintf(buf, sizeof buf, "%s", modes[steppedChoice(v, 2.f, 3)]);
            break;
        }
        case 37: rateText(tremoloSynced(values)); break;
        case 38:
        case 42: fmt3(2.0 * v - 1.0); break;
        case 39: std::snprintf(buf, sizeof buf, "%.1f", 40.0 * v + 420.0); break;
        case 44: fmt3(12.0 * v); break;
        case 45: fmt3(static_cast<double>(v) * v); break;
        case 93:
        case 94: rateText(echoSynced(values)); break;
        case 95: std::snprintf(buf, sizeof buf, "%s", echoSynced(values) ? "Tempo" : "Off"); break;
        default: fmt3(v); break;
        }
    }
    copyBounded(text, buf, kDisplayChars);
    return true;
}

} // namespace ParameterTable
