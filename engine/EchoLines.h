#pragma once

// Two-line feedback echo (left and right), run in place over each finished
// block, also while the synthesis sleeps so echoes ring out.
class EchoLines
{
public:
    EchoLines() = default;
    ~EchoLines();
    EchoLines(const EchoLines&) = delete;
    EchoLines& operator=(const EchoLines&) = delete;

    // Frees and re-allocates both lines with that many samples each (zeroed) and
    // resets the write positions. False if either failed: a missing line is
    // bypassed, nothing reads or writes through it.
    bool allocate(int samples);
    // Size in samples of line 0 (left) or 1 (right); 0 if missing.
    int length(int line) const;
    // Zeroes both lines.
    void clear();

    // "Echo L Rate" / "Echo R Rate" (line 0 / 1): clears the first two seconds
    // of that line, then sets its delay from the rate (at least 1 sample).
    void setRate(int line, float v, float fs, float tempoBpm);
    // "Echo sync": 0 free, 1 tempo; clears and recomputes both lines.
    void setSync(float v, float fs, float tempoBpm);
    // "Echo fb" (both lines) and "Echo wet".
    void setFeedback(float v);
    void setWet(float v);
    // Back to the sample-rate-change state: rates 0.1, write positions 0.
    void resetRates();

    // Delay in samples of line 0 or 1 as set by the parameters (the echo is
    // heard delay - 1 samples late).
    int delay(int line) const;
    float rate(int line) const;

    // Runs the echo in place over one block.
    void process(float* left, float* right, int frames);

private:
    void computeDelay(int line, float fs, float tempoBpm);
    void clearHead(int line, float fs);

    float* line_[2] = {nullptr, nullptr};
    int size_[2] = {0, 0};
    int delay_[2] = {1, 1};
    int write_[2] = {0, 0};
    float rate_[2] = {0.1f, 0.1f};
    float feedback_ = 0.0f;
    float wet_ = 0.0f;
    bool sync_ = false;
};
