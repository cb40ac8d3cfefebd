// The scrubber's number side by side with the engine's reading of the same
// value: the bend range a key is heard to bend by.

#include "ControlHostDouble.h"
#include "GalleryHelpers.h"

#include "controls/Scrubber.h"

#include "common/ParamTable.h"
#include "engine/Engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <vector>

using namespace VSTGUI;

namespace {

class SteadyTransport : public EngineHost
{
public:
    bool readHostTime(float& tempoBpm, float& ppqPosition) override
    {
        tempoBpm = 120.f;
        ppqPosition = 0.f;
        return true;
    }
};

// Hann-windowed spectral magnitude of x at f Hz (48 kHz).
double magnitudeAt(const std::vector<float>& x, size_t start, double f)
{
    const size_t n = x.size() - start;
    const std::complex<double> step = std::polar(1.0, -2.0 * M_PI * f / 48000.0);
    std::complex<double> turn = 1.0, sum = 0.0;
    for (size_t i = 0; i < n; ++i, turn *= step)
        sum += static_cast<double>(x[start + i]) * (0.5 - 0.5 * std::cos(2.0 * M_PI * i / (n - 1))) * turn;
    return std::abs(sum);
}

// How many semitones an A4 held with the bend wheel fully down sounds below
// 440 Hz when "Pitch range" has the given value. The main spring alone
// sounds: one clean partial per key.
int semitonesHeardBelowA4(float pitchRange)
{
    SteadyTransport transport;
    Engine engine(transport);
    for (int i = 0; i < kParamCount; ++i)
        engine.setParameter(i, kParamTable[i].defaultValue);
    engine.setParameter(ParamId::SaBalance, 0.f);
    engine.setParameter(ParamId::SbVolume, 0.f);
    engine.setParameter(ParamId::BodyVol, 0.f);
    engine.setParameter(ParamId::PitchRange, pitchRange);
    const MidiMessage fullyDown{0, {0xE0, 0, 0}}, a4{0, {0x90, 69, 100}};
    const MidiMessage batch[] = {fullyDown, a4};
    engine.processMidi(batch, 2);
    std::vector<float> left(24000), right(24000);
    for (size_t done = 0; done < left.size(); done += 480)
        engine.process(left.data() + done, right.data() + done, 480);
    int heard = -1;
    double loudest = 0.0;
    for (int k = 0; k <= Scrubber::kMaxSemitones + 1; ++k)
        if (const double m = magnitudeAt(left, 4800, 440.0 * std::pow(2.0, -k / 12.0)); m > loudest)
            loudest = m, heard = k;
    return heard;
}

} // namespace

TEST(ScrubberAndEngine, TheNumberShownIsTheRangeTheEnginePlays)
{
    TestFrame frame(60, 440);
    ControlHostDouble host;
    Scrubber* scrubber = frame.add(new Scrubber(CRect(6, 389, 32, 424), &host));
    scrubber->setValue(0.f);
    // Every wheel notch from 0 to 12, then values a drag leaves between them.
    std::vector<float> values{0.f};
    for (int notch = 1; notch <= 13; ++notch)
    {
        frame.wheel(20, 400, 1.f);
        values.push_back(scrubber->getValue());
    }
    for (float dragged : {0.0833333f, 0.4999f, 0.7f, 0.9999f})
        values.push_back(dragged);
    for (float v : values)
    {
        scrubber->setValue(v);
        EXPECT_EQ(scrubber->semitones(), semitonesHeardBelowA4(v)) << "value " << v;
    }
    EXPECT_EQ(scrubber->semitones(), 11); // 0.9999 plays 11, and says so
    EXPECT_EQ(values[12], 1.f); // twelve notches reach the full range
}
