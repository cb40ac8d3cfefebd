#pragma once
// The noise behind the panel's brushed-metal texture: a hashed value noise
// and a domain-warped fractal sum of it. Pure functions of their inputs, so
// the panel looks the same in every process and on every machine.

// Bilinear blend of hashed corner values at frequency f; octaveBase varies
// the hash per octave. Values lie in -1..1.
double valueNoise(double x, double y, double frequency, double octaveBase);

// Eight warped octaves of valueNoise (frequency 0.01, lacunarity 2.433,
// roughness 0.653) shaped into 0..1.
double fractalNoise(double x, double y);

// The height the panel texture gives pixel (x, y).
float panelTexture(int x, int y);
