#pragma once

struct KeyVoice;
class CrtRandom;

// NOISE mode of spring B: white noise, as loud as the strike's excitation,
// through a two-stage resonant filter. The spring B main position is the output
// (the partial position copies it); both sit at 0 while there is no excitation.
// w is the key's excitation level of this sample.
void noiseFilterStep(KeyVoice& v, float w, CrtRandom& random);
