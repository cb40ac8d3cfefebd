#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

// Where a rendered channel starts and stops sounding, and how loud it is.
inline int firstNonZero(const std::vector<float>& x, int from = 0)
{
    for (size_t i = static_cast<size_t>(std::max(from, 0)); i < x.size(); ++i)
        if (x[i] != 0.0f) return static_cast<int>(i);
    return -1;
}

inline int lastNonZero(const std::vector<float>& x)
{
    for (size_t i = x.size(); i-- > 0;)
        if (x[i] != 0.0f) return static_cast<int>(i);
    return -1;
}

// Sum of squares over [from, to); to < 0 means the end.
inline double energy(const std::vector<float>& x, int from = 0, int to = -1)
{
    const size_t end = to < 0 ? x.size() : static_cast<size_t>(to);
    double e = 0.0;
    for (size_t i = static_cast<size_t>(from); i < end; ++i) e += static_cast<double>(x[i]) * x[i];
    return e;
}

inline double rms(const std::vector<float>& x, int from = 0, int to = -1)
{
    const int end = to < 0 ? static_cast<int>(x.size()) : to;
    return end > from ? std::sqrt(energy(x, from, end) / (end - from)) : 0.0;
}

// Sum of |a - b| over the shorter of the two.
inline double difference(const std::vector<float>& a, const std::vector<float>& b)
{
    double d = 0.0;
    for (size_t i = 0; i < std::min(a.size(), b.size()); ++i) d += std::fabs(a[i] - b[i]);
    return d;
}
