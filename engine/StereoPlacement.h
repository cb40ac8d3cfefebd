#pragma once

struct EngineState;

// Pans of keys 20..108: low keys left, high keys right ("OUT Spread"), and the
// balance between spring A and spring B across the field ("OUT Stereo").
void computeStereoPlacement(EngineState& s);
