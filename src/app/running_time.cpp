#include "app/running_time.h"

#include "common/number_rules.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <climits>
#include <ctime>

#ifdef _WIN32
#include <windows.h>
#endif

namespace zq {

std::int64_t machineUptimeMs() {
#if defined(_WIN32)
    return static_cast<std::int64_t>(GetTickCount64());
#elif defined(CLOCK_BOOTTIME)
    timespec now{};
    if (clock_gettime(CLOCK_BOOTTIME, &now) == 0)
        return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
#endif
    // Elsewhere the steady clock counts from boot as well.
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

QString runningTimeText(std::int64_t uptimeMs) {
    const double minutes = RoundHalfEven(static_cast<double>(uptimeMs) / 1000 / 60);
    const auto wholeMinutes = static_cast<std::int64_t>(minutes < 0 ? 0 : minutes);
    // English says "minutes" for one minute too; other languages choose their own forms.
    // The count picks the plural form; it is written in full, beyond what an int holds.
    const int count = int(std::min<std::int64_t>(wholeMinutes, INT_MAX));
    return QCoreApplication::translate("zq::WindowsRunTime", "PC running while %1 minutes.",
                                       nullptr, count)
        .arg(wholeMinutes);
}

} // namespace zq
