#pragma once

class CrtRandom;

// The body tube: one heavily damped resonator that collects both spring sums,
// is heard on the right channel, and kicks the body strings of a key range.
class BodyTube
{
public:
    static constexpr int kKeys = 128;

    void setVolume(float v); // "Body Vol"
    void setTune(float v, float concertA, float fs); // "Body Tune"
    void setDiffusion(float v); // "Body Diffusion"
    void setSharpness(float v); // "Body Sharpness": v^0.25
    void setLowest(float v); // "Body Lowest": trunc(128 v)
    void setHighest(float v); // "Body Highest": trunc(128 v)

    // Zeroes position and velocity.
    void clear();

    // Block start: the string kick gain follows the sharpness of this moment.
    void beginBlock();

    // One sample with the spring sums L and R (called when L is non-zero and the
    // volume is above 0). Adds the tube to R and returns the velocity kick each
    // string in [lowest, highest) receives (0 when none).
    float step(float L, float& R, CrtRandom& random);

    float volume() const { return volume_; }
    float stiffness() const { return stiffness_; }
    float position() const { return position_; }
    // Key range of the kicked strings, always within 0..128; empty when lowest >= highest.
    int lowest() const { return lowest_; }
    int highest() const { return highest_; }

private:
    float volume_ = 0.0f;
    float stiffness_ = 0.1f;
    float diffusion_ = 0.0f;
    float sharpness_ = 0.0f;
    float kickGain_ = 0.0f;
    int lowest_ = 0;
    int highest_ = 100;
    float position_ = 0.0f;
    float velocity_ = 0.0f;
};
