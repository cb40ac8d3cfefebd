#include "tools/render/Performance.h"

#include <algorithm>

void Performance::transportAt(double seconds, double& bpm, double& quarters) const
{
    if (tempoMap.empty())
    {
        bpm = 120.0;
        quarters = seconds * 2.0;
        return;
    }
    const TempoPoint* at = &tempoMap.front();
    for (const TempoPoint& p : tempoMap)
    {
        if (p.seconds > seconds)
            break;
        at = &p;
    }
    bpm = at->bpm;
    quarters = at->quarters + (seconds - at->seconds) * at->bpm / 60.0;
}

void Performance::sortEvents()
{
    std::stable_sort(events.begin(), events.end(),
                     [](const TimedMidi& a, const TimedMidi& b) { return a.frame < b.frame; });
}
