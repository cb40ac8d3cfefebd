#include "plugin/ParameterTexts.h"

#include <cmath>
#include <cstdio>

#include "plugin/BoundedText.h"

namespace ParameterTexts {
namespace {

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

float valueOf(const float* values, ParamId id) { return values[paramIndex(id)]; }
bool tremoloSynced(const float* values) { return steppedChoice(valueOf(values, ParamId::BodyTrSync), 2.f, 3) != 0; }
bool echoSynced(const float* values) { return steppedChoice(valueOf(values, ParamId::EchoSync), 1.f, 2) != 0; }

} // namespace

bool isNoiseMode(float noiseSelect) { return noiseSelect >= 1.f; }

float concertPitch(float concertA) { return 40.f * concertA + 420.f; }

const char* name(int index, float noiseSelect)
{
    if (!isParamIndex(index))
        return "-";
    const ParamInfo& info = kParamTable[index];
    return (isNoiseMode(noiseSelect) && info.noiseName) ? info.noiseName : info.name;
}

const char* label(int index, float noiseSelect)
{
    if (!isParamIndex(index))
        return "";
    const ParamInfo& info = kParamTable[index];
    return isNoiseMode(noiseSelect) ? info.noiseLabel : info.label;
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
    if (!isParamIndex(index))
        return false;
    const float v = values[index];
    const double A = concertPitch(valueOf(values, ParamId::ConcertA));
    char buf[64];
    auto fmt3 = [&](double x) { std::snprintf(buf, sizeof buf, "%.3f", x); };
    // Rates read as note divisions while synced to the host tempo.
    auto rateText = [&](bool synced) {
        if (synced)
            formatSyncDivision(v, buf, sizeof buf);
        else
            fmt3(v);
    };

    if (isMicrotuningParam(index))
    {
        const int k = index - paramIndex(ParamId::MtC); // pitch class, A is 9
        std::snprintf(buf, sizeof buf, "%.2f",
                      A * std::pow(2.0, (k - 9) / 12.0) * std::pow(2.0, (2.0 * v - 1.0) / 6.0));
    }
    else
    {
        switch (static_cast<ParamId>(index))
        {
        case ParamId::SaNoteOffset: fmt3((-120.0 - std::trunc(-480.0 * v)) * 0.1); break;
        case ParamId::SbFrqBottom: fmt3((72.0 * v - 24.0) * 0.5); break;
        case ParamId::SbFrqTop:
            if (isNoiseMode(valueOf(values, ParamId::SbDiffusion)))
                fmt3(v);
            else
                std::snprintf(buf, sizeof buf, "%.0f", 128.0 * v - 12.0);
            break;
        case ParamId::SbNoteOffset: std::snprintf(buf, sizeof buf, "%.0f", 48.0 * v - 12.0); break;
        case ParamId::SbOctave: std::snprintf(buf, sizeof buf, "%s", v > 0 ? "On" : "Off"); break;
        case ParamId::BodyTune: fmt3(A * std::pow(2.0, (32.0 * v - 12.0) / 12.0)); break;
        case ParamId::BodyPhaseQ: fmt3(std::fabs(2.0 * v - 1.0)); break;
        case ParamId::BodyTrSync: {
            static const char* const modes[3] = {"Off", "Tempo", "Song"};
            std::snprintf(buf, sizeof buf, "%s", modes[steppedChoice(v, 2.f, 3)]);
            break;
        }
        case ParamId::BodyTrRate: rateText(tremoloSynced(values)); break;
        case ParamId::BodyTrWide:
        case ParamId::OutStereo: fmt3(2.0 * v - 1.0); break;
        case ParamId::ConcertA: std::snprintf(buf, sizeof buf, "%.1f", 40.0 * v + 420.0); break;
        case ParamId::PitchRange: fmt3(12.0 * v); break;
        case ParamId::PitchRelax: fmt3(static_cast<double>(v) * v); break;
        case ParamId::EchoLRate:
        case ParamId::EchoRRate: rateText(echoSynced(values)); break;
        case ParamId::EchoSync: std::snprintf(buf, sizeof buf, "%s", echoSynced(values) ? "Tempo" : "Off"); break;
        default: fmt3(v); break;
        }
    }
    copyBounded(text, buf, kDisplayChars);
    return true;
}

} // namespace ParameterTexts
