#pragma once

// The body phaser: one all-pass node per channel whose frequency a tremolo
// oscillator sweeps, free, at the host tempo, or locked to the song position.
class Phaser
{
public:
    enum class Sync
    {
        Off = 0,
        Tempo = 1,
        Song = 2
    };

    void setFrequency(float v, float concertA, float fs); // "Body Phase Frq"
    void setFeedback(float v); // "Body Phase Q": v^0.25
    void setMix(float v); // "Body Pha.Mix"
    // "Body Tr.Sync" (trunc(2 v)) and "Body Tr.Rate" recompute the increment.
    void setTremoloSync(float v, float beatsPerSample);
    void setTremoloRate(float v, float beatsPerSample);
    void setTremoloWidth(float v); // "Body Tr.Wide"

    // The host tempo changed: in both synced modes the sweep follows it.
    void tempoChanged(float beatsPerSample);
    // Start of an awake block: in Song mode the phase follows the host's song position.
    void followSongPosition(double songPosition);

    // Clears the node states (the tremolo phase runs on).
    void clear();

    // One sample on the two body sums; depth is "Body Tremolo".
    // Skipped entirely (phase included) while the mix is 0.
    void process(float& left, float& right, float depth);

    // fastSin of two phases at once, bit for bit.
    static void fastSinPair(const double x[2], double out[2]);

    float mix() const { return mix_; }
    Sync sync() const { return sync_; }
    float increment() const { return increment_; }
    double phase() const { return phase_; }
    void setPhase(double p) { phase_ = p; }

private:
    struct Node
    {
        float w = 0.0f, y = 0.0f, s = 0.0f;
    };
    void updateIncrement(float beatsPerSample);
    float stage(Node& n, float x, float a);

    double stiffness_ = 0.0;
    float feedback_ = 0.0f;
    float mix_ = 0.0f;
    Sync sync_ = Sync::Off;
    float rate_ = 0.0f;
    float increment_ = 0.0001f;
    float width_ = -3.14159265f;
    double phase_ = 0.0;
    Node left_, right_;
};
