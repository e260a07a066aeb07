#pragma once

// Shared by the fuzz targets: the input as a text, and a bound on the time one input may take.

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace fuzz {

// The bytes as a text: UTF-8 when the first byte is even (mostly well-formed text), else raw
// UTF-16 code units (lone surrogates and every other unit included).
inline QString text(const std::uint8_t *data, std::size_t size) {
    if (size == 0)
        return {};
    if ((data[0] & 1) == 0)
        return QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    QString units;
    for (std::size_t i = 1; i + 1 < size; i += 2)
        units += QChar(char16_t(data[i] | data[i + 1] << 8));
    return units;
}

// The input split into texts at each byte 0 (for entry points of several texts).
inline QStringList texts(const std::uint8_t *data, std::size_t size, int count) {
    QStringList parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= size && parts.size() < count; ++i)
        if (i == size || data[i] == 0) {
            parts << QString::fromUtf8(reinterpret_cast<const char *>(data + start),
                                       qsizetype(i - start));
            start = i + 1;
        }
    while (parts.size() < count)
        parts << QString();
    return parts;
}

template <class Value> Value valueOf(const std::uint8_t *data, std::size_t size) {
    Value value{};
    std::memcpy(&value, data, size < sizeof value ? size : sizeof value);
    return value;
}

// Fails the run when one input takes more than a second of processor time: the measure is the
// thread's own time, so a busy machine does not count against an input, and the bound is
// generous because page faults while the fuzzer's memory grows count too (a plain number once
// took 117 ms that way, and 3 ms when run again).
class TimeBound {
public:
    TimeBound() { clock_gettime(CLOCK_THREAD_CPUTIME_ID, &m_start); }
    ~TimeBound() {
        timespec end{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &end);
        const double ms =
            (end.tv_sec - m_start.tv_sec) * 1e3 + (end.tv_nsec - m_start.tv_nsec) / 1e6;
        if (ms > 1000) {
            std::fprintf(stderr, "slow input: %.1f ms\n", ms);
            std::abort();
        }
    }

private:
    timespec m_start{};
};

inline void check(bool condition, const char *what) {
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

} // namespace fuzz
