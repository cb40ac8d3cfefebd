#pragma once

// One-pole high-pass and low-pass over each finished block, both channels.
// Both corners run from 0 to about 2055 Hz.
class OutputFilters
{
public:
    // "FLT Highpass": 0 passes the signal.
    void setHighpass(float v, float fs);
    // "FLT Lowpass": 0 holds the last output value.
    void setLowpass(float v, float fs);
    // Zeroes the filter states (all-notes-off, sample-rate change).
    void clear();
    // In place over one block.
    void process(float* left, float* right, int frames);
    // At rest (every state exactly +0): a block of +0 passes as it is.
    bool atRest() const;

    // Pole e of the one-pole stage at v (exp(-2*pi*2054.95*v/fs)).
    static double pole(float v, float fs);

private:
    float hA_ = -1.0f, hB_ = 0.0f; // high-pass: pass until set
    float lA_ = 0.0f, lB_ = 1.0f; // low-pass: pass until set
    float sL_ = 0.0f, sR_ = 0.0f;
    float tL_ = 0.0f, tR_ = 0.0f;
};
