#pragma once
// The phrase `vantorel render` plays without a MIDI file: a few bars of single
// notes across the keyboard, a chord under the sustain pedal, a pitch bend and
// a mod wheel sweep.
#include "tools/render/Performance.h"

Performance demoPhrase(double sampleRate, double bpm);
