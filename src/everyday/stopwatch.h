#pragma once

#include <QStringList>

namespace zq {

// The stopwatch's count: hours, minutes, seconds and sixty-fourths of a second, wrapping after
// a day.
class StopwatchCount {
public:
    static constexpr int TicksPerSecond = 64;
    static constexpr qint64 TicksPerDay = qint64(24) * 60 * 60 * TicksPerSecond;

    // The count after `ticks` ticks from zero.
    static StopwatchCount afterTicks(qint64 ticks);
    // Ticks due after `nanoseconds` of running, 64 a second.
    static qint64 ticksIn(qint64 nanoseconds);

    // The four label texts: "01:", "05:", "09.", "07".
    QStringList labelTexts() const;
    // What the labels show before the first tick: "0 0:", "0 0:", "0 0.", "0 0".
    static QStringList restingTexts();

    int hours = 0, minutes = 0, seconds = 0, ticks = 0;
};

} // namespace zq
