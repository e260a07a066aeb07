#include "everyday/stopwatch.h"

namespace zq {
namespace {

QString twoDigits(int value) {
    return value < 10 ? QStringLiteral("0") + QString::number(value) : QString::number(value);
}

} // namespace

StopwatchCount StopwatchCount::afterTicks(qint64 ticks) {
    qint64 left = ticks % TicksPerDay;
    if (left < 0)
        left += TicksPerDay;
    StopwatchCount count;
    count.ticks = int(left % TicksPerSecond);
    left /= TicksPerSecond;
    count.seconds = int(left % 60);
    left /= 60;
    count.minutes = int(left % 60);
    count.hours = int(left / 60);
    return count;
}

qint64 StopwatchCount::ticksIn(qint64 nanoseconds) {
    // 15,625,000 ns a tick; dividing by the whole number keeps it exact for any running time.
    return nanoseconds / (1000000000 / TicksPerSecond);
}

QStringList StopwatchCount::labelTexts() const {
    return {twoDigits(hours) + QLatin1Char(':'), twoDigits(minutes) + QLatin1Char(':'),
            twoDigits(seconds) + QLatin1Char('.'), twoDigits(ticks)};
}

QStringList StopwatchCount::restingTexts() {
    return {QStringLiteral("0 0:"), QStringLiteral("0 0:"), QStringLiteral("0 0."),
            QStringLiteral("0 0")};
}

} // namespace zq
