#include "numbers/fraction_calculator.h"

#include "common/calc_error.h"
#include "common/float_faults.h"
#include "common/number_rules.h"
#include "common/numeric_types.h"
#include "numbers/common_factors.h"

#include <QCoreApplication>
#include <QStringList>

namespace zq {
namespace {

QString number(double x) {
    return FormatNumberText(x);
}

double product(double a, double b) {
    return checkedFloat([&] { return a * b; });
}

double quotient(double a, double b) {
    return checkedFloat([&] { return a / b; });
}

// w * d + a: the whole part joins the fraction this way whatever the signs.
double improperNumerator(double whole, double numerator, double denominator) {
    return checkedFloat([&] { return whole * denominator + numerator; });
}

} // namespace

std::optional<QString> FractionMixText(const MixedFraction &first, const QString &op,
                                       const MixedFraction &second) {
    static const QStringList Operators = {"+", "-", "*", "/"};
    if (!Operators.contains(op))
        return std::nullopt;
    const double d1 = ParseNumberStrict(first.denominator);
    const double d2 = ParseNumberStrict(second.denominator);
    const double a =
        improperNumerator(ParseNumberStrict(first.whole), ParseNumberStrict(first.numerator), d1);
    const double b =
        improperNumerator(ParseNumberStrict(second.whole), ParseNumberStrict(second.numerator), d2);
    const QString &t1 = first.denominator;
    const QString &t2 = second.denominator;
    const QString A = number(a);
    const QString B = number(b);

    double n = 0;
    double d = product(d1, d2);
    QString working;
    if (op == QLatin1String("+") || op == QLatin1String("-")) {
        const double left = product(a, d2);
        const double right = product(b, d1);
        n = checkedFloat([&] { return op == QLatin1String("+") ? left + right : left - right; });
        working = A + "*" + t2 + " " + op + " " + B + "*" + t1 + " / " + t1 + "*" + t2;
    } else if (op == QLatin1String("*")) {
        n = product(a, b);
        working = A + "*" + B + " / " + t1 + "*" + t2;
    } else {
        n = product(a, d2);
        d = product(b, d1);
        working = A + "*" + t2 + " / " + B + "*" + t1;
    }
    const QStringList lines = {
        A + "/" + t1 + " " + op + " " + B + "/" + t2 + " = ",
        working + " = ",
        number(n) + "/" + number(d) + " = ",
        SimplifyFraction(toSingle(n), toSingle(d)),
        QString(),
        QCoreApplication::translate("zq::FractionCalculator", "Decimal = %1")
            .arg(number(quotient(n, d))),
    };
    return lines.join(QLatin1String("\r\n"));
}

bool IsZeroMixedFraction(double whole, double numerator, double denominator) {
    return whole * denominator + numerator == 0;
}

QString ProportionWorking(int unknown, const std::array<QString, 4> &terms) {
    const auto value = [&terms](int position) { return ParseNumberStrict(terms[position]); };
    const QString &A = terms[0];
    const QString &B = terms[1];
    const QString &C = terms[2];
    const QString &D = terms[3];
    QStringList lines;
    switch (unknown) {
    case 0: { // x/B = C/D
        const double p = product(value(1), value(2));
        const QString P = number(p);
        lines = {"x*" + D + " = " + B + "*" + C, "x*" + D + " = " + P, "x = " + P + "/" + D,
                 "x = " + number(quotient(p, value(3)))};
        break;
    }
    case 1: { // A/x = C/D
        const double p = product(value(0), value(3));
        const QString P = number(p);
        lines = {A + "*" + D + " = x*" + C, P + " = x*" + C, P + "/" + C + " = x",
                 "x = " + number(quotient(p, value(2)))};
        break;
    }
    case 2: { // A/B = x/D
        const double p = product(value(0), value(3));
        const QString P = number(p);
        lines = {A + "*" + D + " = " + B + "*x", P + " = " + B + "*x", P + "/" + B + " = x",
                 "x = " + number(quotient(p, value(1)))};
        break;
    }
    case 3: { // A/B = C/x
        const double p = product(value(1), value(2));
        const QString P = number(p);
        lines = {A + "*x = " + B + "*" + C, A + "*x = " + P, "x = " + P + "/" + A,
                 "x = " + number(quotient(p, value(0)))};
        break;
    }
    default:
        throw CalcError(CalcError::Kind::InvalidArgument, "no such term");
    }
    return lines.join(QLatin1String("\r\n"));
}

} // namespace zq
