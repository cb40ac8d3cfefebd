#pragma once

struct EngineState;

// The LFO's stiffness from "LFO rate" and "LFO sync": free (about 0.34 Hz to
// 17.3 Hz at A = 440) or a note value of the host tempo, which the render
// call follows when the tempo changes.
void computeLfoStiffness(EngineState& s);
