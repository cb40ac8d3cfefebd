#include "engine/EchoLines.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <new>

#include "engine/Denormals.h"

namespace {

// Parameter values arrive from hosts and files: keep them finite and in 0..1.
inline float unit(float v)
{
    if (!(v > 0.0f))
        return 0.0f;
    if (v > 1.0f)
        return 1.0f;
    return v;
}

constexpr auto kRelaxed = std::memory_order_relaxed;

inline uint32_t bitsOf(float x)
{
    uint32_t b;
    std::memcpy(&b, &x, sizeof b);
    return b;
}

} // namespace

EchoLines::~EchoLines()
{
    delete[] line_[0];
    delete[] line_[1];
}

bool EchoLines::allocate(int samples)
{
    bool ok = true;
    for (int c = 0; c < 2; ++c)
    {
        delete[] line_[c];
        line_[c] = nullptr;
        size_[c] = 0;
        write_[c] = 0;
        zeroRun_[c] = 0;
        if (samples > 0)
            line_[c] = new (std::nothrow) float[static_cast<size_t>(samples)]();
        if (line_[c])
            size_[c] = samples;
        else
            ok = false;
        // A delay longer than the new line must never index past it.
        if (delay_[c] > size_[c])
            delay_[c] = size_[c] > 0 ? size_[c] : 1;
    }
    // Fresh lines hold nothing to clear; the lengths follow at the next block.
    requests_.store(kRecompute, std::memory_order_release);
    return ok;
}

int EchoLines::length(int line) const
{
    if (line < 0 || line > 1)
        return 0;
    return size_[line];
}

void EchoLines::clearRange(int line, int from, int to)
{
    if (!line_[line])
        return;
    if (from < 0)
        from = 0;
    if (to > size_[line])
        to = size_[line];
    if (to > from)
        std::memset(line_[line] + from, 0, sizeof(float) * static_cast<size_t>(to - from));
}

void EchoLines::clearHead(int line, float fs)
{
    const float n = 2.0f * fs;
    clearRange(line, 0, n < static_cast<float>(size_[line]) ? static_cast<int>(n) : size_[line]);
}

int EchoLines::computeDelay(int line, float fs, float tempoBpm) const
{
    const float r = rate_[line].load(kRelaxed);
    const int size = size_[line];
    double len = 1.0;
    if (!sync_.load(kRelaxed))
    {
        len = std::trunc(static_cast<double>(r * 2.0f * fs));
    }
    else
    {
        const int k = static_cast<int>((1.0f - r) * 18.0f);
        // Samples per four beats at the tempo known now.
        float whole = fs / (tempoBpm * 0.004166666883975267f);
        if (!std::isfinite(whole) || whole <= 0.0f)
            whole = 0.0f;
        // Below 60 bpm four beats outlast the line: halve the note value until
        // it fits, so the echo stays on the beat grid.
        for (int guard = 0; guard < 300; ++guard)
        {
            if (k % 2 == 0)
                len = std::trunc(whole / std::pow(2.0f, static_cast<float>(k / 2)));
            else
                len = 3.0 * std::trunc(whole / std::pow(2.0f, static_cast<float>((k + 1) / 2 + 1)));
            if (len <= size)
                break;
            whole *= 0.5f;
        }
    }
    if (!(len <= size))
        len = size; // also catches a NaN
    if (len < 1.0)
        len = 1.0; // bypassed
    return static_cast<int>(len);
}

void EchoLines::setRate(int line, float v)
{
    if (line < 0 || line > 1)
        return;
    rate_[line].store(unit(v), kRelaxed);
    request((line == 0 ? kClearHead0 : kClearHead1) | kRecompute);
}

void EchoLines::setSync(float v)
{
    sync_.store(unit(v) >= 1.0f, kRelaxed);
    request(kClearHead0 | kClearHead1 | kRecompute);
}

void EchoLines::setFeedback(float v) { feedback_.store(std::isfinite(v) ? v : 0.0f, kRelaxed); }
void EchoLines::setWet(float v) { wet_.store(std::isfinite(v) ? v : 0.0f, kRelaxed); }
void EchoLines::requestClear() { request(kClearAll); }

void EchoLines::resetRates()
{
    rate_[0].store(0.1f, kRelaxed);
    rate_[1].store(0.1f, kRelaxed);
    write_[0] = write_[1] = 0;
    zeroRun_[0] = zeroRun_[1] = 0;
    request(kRecompute);
}

void EchoLines::prepareBlock(float fs, float tempoBpm)
{
    const unsigned todo = requests_.exchange(0, std::memory_order_acquire);
    for (int c = 0; c < 2; ++c)
    {
        if (todo & kClearAll)
            clearRange(c, 0, size_[c]);
        else if (todo & (c == 0 ? kClearHead0 : kClearHead1))
            clearHead(c, fs);
    }
    const bool followTempo = sync_.load(kRelaxed) && tempoBpm != tempoOfDelays_;
    if (!(todo & kRecompute) && !followTempo)
        return;
    for (int c = 0; c < 2; ++c)
    {
        if (!line_[c])
            continue;
        const int next = computeDelay(c, fs, tempoBpm);
        // Past the old length the line holds audio of long ago.
        if (next > delay_[c])
            clearRange(c, delay_[c], next);
        if (next != delay_[c])
            zeroRun_[c] = 0; // the positions of the last writes no longer cover the line
        delay_[c] = next;
    }
    tempoOfDelays_ = tempoBpm;
}

int EchoLines::delay(int line) const { return (line < 0 || line > 1) ? 0 : delay_[line]; }
float EchoLines::rate(int line) const { return (line < 0 || line > 1) ? 0.0f : rate_[line].load(kRelaxed); }

void EchoLines::process(float* left, float* right, int frames, bool silent)
{
    float* io[2] = {left, right};
    const float fb = feedback_.load(kRelaxed);
    const float wet = wet_.load(kRelaxed);
    for (int c = 0; c < 2; ++c)
    {
        float* line = line_[c];
        const int len = delay_[c];
        if (!line || len <= 1 || len > size_[c])
            continue;
        float* x = io[c];
        int w = write_[c];
        if (w < 0 || w >= size_[c])
            w = 0;
        if (silent && zeroRun_[c] >= len)
        {
            // Zeros in, zeros written, zeros read: only the position moves.
            write_[c] = static_cast<int>((static_cast<int64_t>(w) + frames) % len);
            continue;
        }
        int zeros = zeroRun_[c];
        // A line shortened since the last block continues where the old
        // position falls within the new length; from there on the position
        // stays below it and wraps by a compare.
        int i = w % len;
        for (int j = 0; j < frames; ++j)
        {
            // The read below lands L - 1 samples after this write.
            const float v = x[j] + line[w];
            const float kept = isTiny(v) ? 0.0f : v * fb;
            line[i] = kept;
            zeros = bitsOf(kept) == 0 ? zeros + 1 : 0;
            w = i + 1 == len ? 0 : i + 1;
            i = w;
            const float y = line[w];
            if (!isTiny(y))
                x[j] += y * wet;
        }
        write_[c] = w;
        zeroRun_[c] = zeros < size_[c] ? zeros : size_[c];
    }
}
