#pragma once

// Quantises the two spring sums to 2^bits steps and bends every step with the
// "Crush" shape (0.5 = straight, towards 1 a staircase).
class Crusher
{
public:
    // Parameter 46: 2^trunc(16*v) steps, 1 to 65536.
    void setBits(float v);
    // "Crush": shape 0.4999*v + 0.5.
    void setShape(float v);
    // One sample of both spring sums, in place.
    void process(float& left, float& right) const;

    float steps() const { return steps_; }
    float shape() const { return shape_; }

private:
    float crush(float x) const;

    float steps_ = 1.0f;
    float reciprocal_ = 1.0f;
    float shape_ = 0.5f;
    float curve_ = 0.0f; // 1/shape - 2, the bend constant
};
