#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace zq {

// The five lines of working for a·x ∘ b = c, joined by CR LF, from the texts as typed: b and c
// read leniently, a strictly (for the last division only). An operator other than "+", "-",
// "*", "/" gives the empty text. Throws CalcError when a step divides by zero, a is not a
// number, or a value overflows.
QString SolveLinearEquation(const QString &a, const QString &op, const QString &b,
                            const QString &c);

enum class QuadraticVerdict { NotQuadratic, NoRealRoot, TwoRoots, RepeatedRoot };

struct QuadraticSolution {
    QuadraticVerdict verdict;
    double root1 = 0; // the single root when repeated
    double root2 = 0;
};

// Real roots of a·x² + b·x + c = k. The discriminant is held in the currency type, so it is
// rounded to four places before it is judged; one beyond that range throws CalcError.
QuadraticSolution SolveQuadratic(double a, double b, double c, std::int16_t k);

struct SimultaneousSolution {
    double x;
    double y;
};

// a·x + b·y = h and c·x + d·y = k by Cramer's rule; no solution when the determinant is 0
// (the lines are parallel). Throws CalcError on overflow.
std::optional<SimultaneousSolution> SolveSimultaneous(double a, double b, double h, double c,
                                                      double d, double k);

} // namespace zq
