#pragma once

struct KeyVoice;
class CrtRandom;

// One sample of excitation for a key that is down and has reached its start
// offset: an eight-sample hit (hit power 1) or a bowed attack (below 1), then
// the mod wheel scrape with the wheel motion m.
void excitationStep(KeyVoice& v, float modWheelMotion, CrtRandom& random);
