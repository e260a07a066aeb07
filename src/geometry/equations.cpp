#include "geometry/equations.h"

#include "common/float_faults.h"
#include "common/number_rules.h"
#include "common/numeric_types.h"

#include <array>
#include <cmath>

namespace zq {
namespace {

// One operator of the linear solver: how it is written, the operator that undoes it on the
// right-hand side, and the undoing itself.
struct LinearOperator {
    char16_t sign;
    char16_t inverse;
    double (*undo)(double c, double b);
};

constexpr std::array<LinearOperator, 4> LinearOperators = {{
    {u'+', u'-', [](double c, double b) { return c - b; }},
    {u'-', u'+', [](double c, double b) { return c + b; }},
    {u'*', u'/', [](double c, double b) { return c / b; }},
    {u'/', u'*', [](double c, double b) { return c * b; }},
}};

} // namespace

QString SolveLinearEquation(const QString &a, const QString &op, const QString &b,
                            const QString &c) {
    for (const LinearOperator &entry : LinearOperators) {
        if (op != QChar(entry.sign))
            continue;
        const double bValue = ParseNumber(b), cValue = ParseNumber(c);
        const double v = checkedFloat([&] { return entry.undo(cValue, bValue); });
        const double aValue = ParseNumberStrict(a);
        const double x = checkedFloat([&] { return v / aValue; });
        const QString vText = FormatNumberText(v);
        const QString sign = QChar(entry.sign), inverse = QChar(entry.inverse);
        return a + QStringLiteral("x ") + sign + QStringLiteral(" ") + b + QStringLiteral(" = ") +
               c + QStringLiteral("\r\n") + a + QStringLiteral("x = ") + c + QStringLiteral(" ") +
               inverse + QStringLiteral(" ") + b + QStringLiteral("\r\n") + a +
               QStringLiteral("x = ") + vText + QStringLiteral("\r\nx = ") + vText +
               QStringLiteral(" / ") + a + QStringLiteral("\r\nx = ") + FormatNumberText(x);
    }
    return {};
}

QuadraticSolution SolveQuadratic(double a, double b, double c, std::int16_t k) {
    if (a == 0)
        return {QuadraticVerdict::NotQuadratic};
    const Currency discriminant =
        Currency::fromDouble(checkedFloat([&] { return b * b - 4 * a * (c - k); }));
    if (discriminant < Currency())
        return {QuadraticVerdict::NoRealRoot};
    const double root = std::sqrt(discriminant.toDouble());
    const double root1 = checkedFloat([&] { return (-b + root) / (2 * a); });
    if (discriminant == Currency())
        return {QuadraticVerdict::RepeatedRoot, root1};
    return {QuadraticVerdict::TwoRoots, root1, checkedFloat([&] { return (-b - root) / (2 * a); })};
}

std::optional<SimultaneousSolution> SolveSimultaneous(double a, double b, double h, double c,
                                                      double d, double k) {
    const double det = checkedFloat([&] { return a * d - b * c; });
    if (det == 0)
        return std::nullopt;
    return SimultaneousSolution{checkedFloat([&] { return (h * d - b * k) / det; }),
                                checkedFloat([&] { return (a * k - c * h) / det; })};
}

} // namespace zq
