#pragma once

class CrtRandom;

// Sand texture: up to 100 grains bounce on a floor moved by the instrument's
// own output; every bounce clicks, panned by the grain's place and rung through
// a resonant filter pair per channel. Off while the grain count is 0.
class Sand
{
public:
    static constexpr int kGrains = 100;

    struct Grain
    {
        float x, y, xSpeed, ySpeed, amplitude;
    };

    Sand();
    ~Sand();
    Sand(const Sand&) = delete;
    Sand& operator=(const Sand&) = delete;

    // Parameter 87: trunc(100 v) grains (never above the table); lays the grains
    // out again and clears the state.
    void setCount(float v);
    void setBounce(float v); // 89
    void setWidth(float v); // 90
    void setStiffness(float v, float concertA, float fs); // 91
    void setDamping(float v); // 92

    // Grains spread evenly over -1..1, at rest.
    void layout();
    // Floor, click energies and filters to 0.
    void clearState();

    bool enabled() const { return count_ > 0; }
    int count() const { return count_; }
    const Grain& grain(int i) const { return grains_[i]; }

    // One sample after the master volume: adds the filtered clicks to L and R.
    void process(float& L, float& R, CrtRandom& random);

private:
    Grain* grains_;
    int count_ = 0;
    float g1_ = 0.0f, g2_ = 0.0f;
    float width_ = 0.0f;
    float stiffness_ = 0.0f;
    float damping_ = 0.0f;
    float floorHeight_ = 0.0f, floorSpeed_ = 0.0f;
    float energyL_ = 0.0f, energyR_ = 0.0f;
    float posL_ = 0.0f, vel1L_ = 0.0f, vel2L_ = 0.0f;
    float posR_ = 0.0f, vel1R_ = 0.0f, vel2R_ = 0.0f;
};
