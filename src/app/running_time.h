#pragma once

#include <QString>

#include <cstdint>

namespace zq {

// Milliseconds since the operating system started, from the boot clock (64 bits, never wraps).
std::int64_t machineUptimeMs();

// "PC running while N minutes." with N the uptime in whole minutes, halves to even.
QString runningTimeText(std::int64_t uptimeMs);

} // namespace zq
