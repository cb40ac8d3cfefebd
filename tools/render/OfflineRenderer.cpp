#include "tools/render/OfflineRenderer.h"

#include <cmath>

#include "tools/HostModule.h"
#include "tools/InstrumentSetup.h"
#include "tools/render/BuiltInPhrases.h"
#include "tools/render/MidiFileReader.h"
#include "tools/render/Performance.h"
#include "tools/render/ProgressBar.h"

namespace {

// The tail ends once the output has stayed below this level for a quarter second.
constexpr float kSilence = 1e-5f;
constexpr double kSilentSeconds = 0.25;

VstMidiEvent toVst(const TimedMidi& m, int32_t delta)
{
    VstMidiEvent e{};
    e.type = kVstMidiType;
    e.byteSize = sizeof(VstMidiEvent);
    e.deltaFrames = delta;
    for (int b = 0; b < 3; ++b)
        e.midiData[b] = static_cast<char>(m.bytes[b]);
    return e;
}

} // namespace

bool renderPerformance(const RenderSettings& s, RenderResult& result, std::string& error)
{
    Performance perf;
    if (s.midiPath.empty())
    {
        if (!builtInPhrase(s.phrase, s.sampleRate, s.tempo, perf))
        {
            error = "no built-in phrase \"" + s.phrase + "\"";
            return false;
        }
    }
    else if (!readMidiFile(s.midiPath, s.sampleRate, perf, error))
    {
        return false;
    }

    HostModule host;
    if (!prepareInstrument(host, s, error))
        return false;
    SoundFileWriter wav;
    if (!wav.open(s.outPath, static_cast<int>(s.sampleRate), s.fileFormat))
    {
        error = "cannot write " + s.outPath + ": " + wav.error();
        return false;
    }

    const int64_t lastEvent = perf.lastFrame();
    const int64_t tailFrames = static_cast<int64_t>(s.tailSeconds * s.sampleRate);
    const int64_t silentFrames = static_cast<int64_t>(kSilentSeconds * s.sampleRate);
    const int64_t limit = lastEvent + 1 + tailFrames;
    std::vector<float> left(static_cast<size_t>(s.blockSize)), right(static_cast<size_t>(s.blockSize));
    std::vector<VstMidiEvent> batch;
    ProgressBar progress;
    size_t next = 0;
    int64_t frame = 0, silentRun = 0;

    while (frame < limit)
    {
        if (frame > lastEvent && silentRun >= silentFrames)
            break;
        const int n = static_cast<int>(std::min<int64_t>(s.blockSize, limit - frame));
        batch.clear();
        for (; next < perf.events.size() && perf.events[next].frame < frame + n; ++next)
            batch.push_back(toVst(perf.events[next], static_cast<int32_t>(perf.events[next].frame - frame)));

        double bpm = 120.0, quarters = 0.0;
        perf.transportAt(static_cast<double>(frame) / s.sampleRate, bpm, quarters);
        host.setTempo(bpm);
        host.setPosition(quarters);
        host.timeInfo().samplePos = static_cast<double>(frame);
        host.timeInfo().sampleRate = s.sampleRate;
        if (!batch.empty())
            host.sendMidi(batch);
        host.processReplacing(left.data(), right.data(), n);

        for (int i = 0; i < n; ++i)
        {
            const float a =
                std::fmax(std::fabs(left[static_cast<size_t>(i)]), std::fabs(right[static_cast<size_t>(i)]));
            result.peak = std::fmax(result.peak, a);
            silentRun = a < kSilence ? silentRun + 1 : 0;
        }
        if (!wav.write(left.data(), right.data(), n))
        {
            error = "cannot write " + s.outPath + ": " + wav.error();
            return false;
        }
        frame += n;
        progress.update(frame, limit);
    }
    progress.update(limit, limit); // the tail may end early on silence
    progress.finish();
    result.frames = frame;
    if (!wav.close())
    {
        error = "cannot write " + s.outPath + ": " + wav.error();
        return false;
    }
    return true;
}
