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

// The panel texture, pixel by pixel. Neighbouring pixels share most corner
// values of the low octaves, so a generator that walks the pixels in order
// keeps the last cell of each octave instead of hashing it again; the values
// are exactly those of fractalNoise.
class PanelTexture
{
public:
    // The height the texture gives pixel (x, y).
    float at(int x, int y);

private:
    struct Cell
    {
        double ix = 0.5, iy = 0.5; // no cell yet
        double c00 = 0, c10 = 0, c01 = 0, c11 = 0;
    };
    double octaveNoise(int octave, double x, double y, double base);
    double fractal(double x, double y);

    static constexpr int kOctaves = 8;
    Cell cells[kOctaves];
};
