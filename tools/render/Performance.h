#pragma once
// What a render plays: MIDI short messages at exact sample frames, and the
// tempo map the host answers when the instrument asks for the time.
#include <cstdint>
#include <vector>

struct TimedMidi
{
    int64_t frame;
    uint8_t bytes[3];
};

struct TempoPoint
{
    double seconds; // where this tempo starts
    double quarters; // song position there
    double bpm;
};

struct Performance
{
    std::vector<TimedMidi> events; // sorted by frame
    std::vector<TempoPoint> tempoMap; // sorted by time, never empty once filled

    // Tempo and song position at a time (before the first point: the first tempo).
    void transportAt(double seconds, double& bpm, double& quarters) const;
    int64_t lastFrame() const { return events.empty() ? 0 : events.back().frame; }
    void sortEvents();
};
