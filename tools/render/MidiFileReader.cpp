#include "tools/render/MidiFileReader.h"

#include <cmath>
#include <memory>

#include <smf.h>

bool readMidiFile(const std::string& path, double sampleRate, Performance& out, std::string& error)
{
    std::unique_ptr<smf_t, void (*)(smf_t*)> smf(smf_load(path.c_str()), smf_delete);
    if (!smf)
    {
        error = "cannot read MIDI file " + path;
        return false;
    }
    out = Performance{};
    const double ppqn = smf->ppqn > 0 ? smf->ppqn : 96;
    for (int i = 0;; ++i)
    {
        const smf_tempo_t* tempo = smf_get_tempo_by_number(smf.get(), i);
        if (tempo == nullptr)
            break;
        if (tempo->microseconds_per_quarter_note <= 0)
            continue;
        out.tempoMap.push_back(
            {tempo->time_seconds, tempo->time_pulses / ppqn, 60.0e6 / tempo->microseconds_per_quarter_note});
    }
    if (out.tempoMap.empty())
        out.tempoMap.push_back({0.0, 0.0, 120.0});

    smf_rewind(smf.get());
    while (smf_event_t* event = smf_get_next_event(smf.get()))
    {
        if (smf_event_is_metadata(event) || smf_event_is_sysex(event))
            continue;
        const int length = event->midi_buffer_length;
        if (length < 1 || length > 3 || (event->midi_buffer[0] & 0x80) == 0)
            continue;
        TimedMidi m{};
        m.frame = static_cast<int64_t>(std::llround(event->time_seconds * sampleRate));
        for (int b = 0; b < length; ++b)
            m.bytes[b] = event->midi_buffer[b];
        out.events.push_back(m);
    }
    out.sortEvents();
    return true;
}
