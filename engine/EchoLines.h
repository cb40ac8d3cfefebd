#pragma once
#include <atomic>

// Two-line feedback echo (left and right), run in place over each finished
// block, also while the synthesis sleeps so echoes ring out.
//
// The lines are touched by the render call only (and by allocate, which the
// plug-in calls while no render can run). Parameter changes may come from any
// thread at any time, even while the lines are being replaced: they store
// their value and leave a request that the next render call carries out
// (clearing the part of a line a new length uses, working out the lengths).
class EchoLines
{
public:
    EchoLines() = default;
    ~EchoLines();
    EchoLines(const EchoLines&) = delete;
    EchoLines& operator=(const EchoLines&) = delete;

    // Frees and re-allocates both lines with that many samples each (zeroed)
    // and resets the write positions. False if either failed: a missing line
    // is bypassed, nothing reads or writes through it. Never while rendering.
    bool allocate(int samples);
    // Size in samples of line 0 (left) or 1 (right); 0 if missing.
    int length(int line) const;

    // Any thread.
    // "Echo L Rate" / "Echo R Rate" (line 0 / 1): the first two seconds of that
    // line are cleared and its delay set from the rate (at least 1 sample).
    void setRate(int line, float v);
    // "Echo sync": 0 free, 1 tempo; clears and recomputes both lines.
    void setSync(float v);
    // "Echo fb" (both lines) and "Echo wet".
    void setFeedback(float v);
    void setWet(float v);
    // Both lines zeroed at the next block.
    void requestClear();
    // Back to the sample-rate-change state: rates 0.1, write positions 0.
    void resetRates();

    // Render call, block start: carries out what was requested, and follows
    // the host tempo while synced (a longer delay first clears the stretch of
    // line it newly takes in, which holds nothing of the present).
    void prepareBlock(float fs, float tempoBpm);
    // Runs the echo in place over one block; `silent` says the block is all +0
    // (the synthesis slept), so a line that holds only zeros has nothing to do.
    void process(float* left, float* right, int frames, bool silent = false);

    // Delay in samples of line 0 or 1 as of the last block start (the echo is
    // heard delay - 1 samples late).
    int delay(int line) const;
    float rate(int line) const;

private:
    enum Request : unsigned
    {
        kClearHead0 = 1,
        kClearHead1 = 2,
        kRecompute = 4,
        kClearAll = 8,
    };
    int computeDelay(int line, float fs, float tempoBpm) const;
    void clearHead(int line, float fs);
    void clearRange(int line, int from, int to);
    void request(unsigned bits) { requests_.fetch_or(bits, std::memory_order_release); }

    float* line_[2] = {nullptr, nullptr};
    int size_[2] = {0, 0};
    int delay_[2] = {1, 1};
    int write_[2] = {0, 0};
    // How many of the last samples written into each line were +0: from the
    // line's delay on, it holds nothing but zeros.
    int zeroRun_[2] = {0, 0};
    float tempoOfDelays_ = 0.0f;
    std::atomic<float> rate_[2] = {0.1f, 0.1f};
    std::atomic<float> feedback_{0.0f};
    std::atomic<float> wet_{0.0f};
    std::atomic<bool> sync_{false};
    std::atomic<unsigned> requests_{0};
};
