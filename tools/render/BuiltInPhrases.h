#pragma once
// The phrases `vantorel render` plays without a MIDI file.
//
// "demo": a few bars of single notes across the keyboard, a chord under the
// sustain pedal, a pitch bend and a mod wheel sweep.
// "audition": three seconds that show a program: a rising line at four
// velocities, a low chord, a held note bent up a whole range and back. The
// factory listening page and the factory bank test play it.
#include <string>

#include "tools/render/Performance.h"

Performance demoPhrase(double sampleRate, double bpm);
Performance auditionPhrase(double sampleRate, double bpm);

// The phrase of that name; false when there is none.
bool builtInPhrase(const std::string& name, double sampleRate, double bpm, Performance& out);
