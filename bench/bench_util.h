// SPDX-License-Identifier: GPL-3.0-or-later
// Timing helpers for benchmarks: medians of repeated runs, printed as "NAME VALUE UNIT".
#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace Bench {

inline double MedianMs(int runs, const std::function<void()> &setup, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int r = 0; r < runs; ++r) {
        if (setup)
            setup();
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A figure of this process's memory as the kernel counts it, in KiB: "VmRSS:" what
// it holds now, "VmHWM:" the most it has held at once.
inline long MemoryKiB(const QByteArray &field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(field.size()).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

inline long PeakResidentKiB() { return MemoryKiB("VmHWM:"); }

inline void Print(const char *name, double value, const char *unit, int decimals = 1)
{
    std::printf("%s %.*f %s\n", name, decimals, value, unit);
    std::fflush(stdout);
}

} // namespace Bench
