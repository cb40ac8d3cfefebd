#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

// Where a rendered channel starts and stops sounding, and how loud it is.
inline int firstNonZero(const std::vector<float>& x, int from = 0)
{
    const auto i = std::find_if(x.begin() + std::max(from, 0), x.end(), [](float v) { return v != 0.0f; });
    return i == x.end() ? -1 : static_cast<int>(i - x.begin());
}

inline int lastNonZero(const std::vector<float>& x)
{
    return static_cast<int>(std::find_if(x.rbegin(), x.rend(), [](float v) { return v != 0.0f; }).base() - x.begin()) -
           1;
}

// Sum of squares over [from, to); to < 0 means the end.
inline double energy(const std::vector<float>& x, int from = 0, int to = -1)
{
    const size_t end = to < 0 ? x.size() : static_cast<size_t>(to);
    double e = 0.0;
    for (size_t i = static_cast<size_t>(from); i < end; ++i)
        e += static_cast<double>(x[i]) * x[i];
    return e;
}

inline double rms(const std::vector<float>& x, int from = 0, int to = -1)
{
    const int end = to < 0 ? static_cast<int>(x.size()) : to;
    return end > from ? std::sqrt(energy(x, from, end) / (end - from)) : 0.0;
}

// Largest |a - b|; samples b lacks count as 0 (so peakDifference(a) is a's peak).
inline double peakDifference(const std::vector<float>& a, const std::vector<float>& b = {})
{
    double d = 0.0;
    for (size_t i = 0; i < a.size(); ++i)
        d = std::fmax(d, std::fabs(a[i] - (i < b.size() ? b[i] : 0.0f)));
    return d;
}
