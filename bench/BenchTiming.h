#pragma once

#include <QStringList>

#include <algorithm>
#include <vector>

// The number of runs asked with "--iterations N", 21 by default.
inline int Iterations(const QStringList& arguments)
{
    const qsizetype at = arguments.indexOf(QStringLiteral("--iterations"));
    return at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1).toInt() : 21;
}

inline double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
