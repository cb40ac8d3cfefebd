#include "engine/EchoLines.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "engine/Denormals.h"
#include <new>

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
        if (samples > 0)
            line_[c] = new (std::nothrow) float[static_cast<size_t>(samples)]();
        if (line_[c])
        {
            size_[c] = samples;
        }
        else
        {
            ok = false;
        }
        // A delay longer than the new line must never index past it.
        if (delay_[c] > size_[c])
            delay_[c] = size_[c] > 0 ? size_[c] : 1;
    }
    return ok;
}

int EchoLines::length(int line) const
{
    if (line < 0 || line > 1)
        return 0;
    return size_[line];
}

void EchoLines::clear()
{
    for (int c = 0; c < 2; ++c)
        if (line_[c])
            std::memset(line_[c], 0, sizeof(float) * static_cast<size_t>(size_[c]));
}

void EchoLines::clearHead(int line, float fs)
{
    if (!line_[line])
        return;
    long n = static_cast<long>(2.0f * fs);
    if (n > size_[line])
        n = size_[line];
    if (n > 0)
        std::memset(line_[line], 0, sizeof(float) * static_cast<size_t>(n));
}

void EchoLines::computeDelay(int line, float fs, float tempoBpm)
{
    const float r = rate_[line];
    const int size = size_[line];
    double len = 1.0;
    if (!sync_)
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
    if (len < -2147483647.0)
        len = 0;
    delay_[line] = static_cast<int>(len);
}

void EchoLines::setRate(int line, float v, float fs, float tempoBpm)
{
    if (line < 0 || line > 1)
        return;
    rate_[line] = unit(v);
    if (!line_[line])
        return;
    clearHead(line, fs);
    computeDelay(line, fs, tempoBpm);
    if (delay_[line] < 1)
        delay_[line] = 1;
}

void EchoLines::setSync(float v, float fs, float tempoBpm)
{
    sync_ = unit(v) >= 1.0f;
    if (line_[0] && line_[1])
    {
        clearHead(0, fs);
        clearHead(1, fs);
    }
    for (int c = 0; c < 2; ++c)
        if (line_[c])
            computeDelay(c, fs, tempoBpm);
}

void EchoLines::setFeedback(float v) { feedback_ = std::isfinite(v) ? v : 0.0f; }
void EchoLines::setWet(float v) { wet_ = std::isfinite(v) ? v : 0.0f; }

void EchoLines::resetRates()
{
    rate_[0] = rate_[1] = 0.1f;
    write_[0] = write_[1] = 0;
}

int EchoLines::delay(int line) const { return (line < 0 || line > 1) ? 0 : delay_[line]; }
float EchoLines::rate(int line) const { return (line < 0 || line > 1) ? 0.0f : rate_[line]; }

void EchoLines::process(float* left, float* right, int frames)
{
    float* io[2] = {left, right};
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
        const float fb = feedback_;
        const float wet = wet_;
        for (int j = 0; j < frames; ++j)
        {
            // The read below lands L - 1 samples after this write.
            const int i = w % len;
            const float v = x[j] + line[w];
            line[i] = isTiny(v) ? 0.0f : v * fb;
            w = (w + 1) % len;
            const float y = line[w];
            if (!isTiny(y))
                x[j] += y * wet;
        }
        write_[c] = w;
    }
}
