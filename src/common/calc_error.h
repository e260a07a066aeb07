#pragma once

#include <stdexcept>

namespace zq {

// The one failure type of every engine: handlers catch it under their error rule.
class CalcError : public std::runtime_error {
public:
    enum class Kind { NotANumber, Overflow, DivisionByZero, InvalidArgument };

    explicit CalcError(Kind kind, const char *what = "calculation failed")
        : std::runtime_error(what), m_kind(kind) {}

    Kind kind() const noexcept { return m_kind; }

private:
    Kind m_kind;
};

} // namespace zq
