#pragma once

#include <QElapsedTimer>
#include <QStringList>

#include <algorithm>
#include <functional>
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

// The time of one run, in milliseconds.
inline double Milliseconds(const std::function<void()>& run)
{
    QElapsedTimer timer;
    timer.start();
    run();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// The median time of the runs, in milliseconds.
inline double MedianMilliseconds(int iterations, const std::function<void()>& run)
{
    std::vector<double> times;
    for (int i = 0; i < iterations; ++i)
        times.push_back(Milliseconds(run));
    return Median(times);
}
