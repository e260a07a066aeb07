#include "finance/loans.h"

#include "common/float_faults.h"
#include "common/number_rules.h"

#include <QLocale>

#include <cmath>

namespace zq {

double AnnuityPayment(double amount, double annualRate, double months) {
    return LeasePayment(amount, 0, annualRate, months);
}

double LeasePayment(double amount, double residual, double annualRate, double months) {
    return checkedFloat([=] {
        const double r = annualRate / 1200;
        // Without interest the formula is 0/0; its limit is the amount paid off evenly.
        if (r == 0)
            return (amount - residual) / months;
        const double f = std::pow(1 + r, months);
        return (amount * r * f - residual * r) / (f - 1);
    });
}

double MortgagePayment(double amount, double years, double annualRate) {
    return checkedFloat([=] {
        const double r = annualRate / 1200;
        if (r == 0)
            return amount / years / 12;
        return amount * r / (1 - std::pow(1 + r, -12 * years));
    });
}

double TotalOfPayments(double payment, double months) {
    return checkedFloat([=] { return payment * months; });
}

MortgageTotals MortgageTotalsOf(double amount, double years, double payment) {
    const double payments = checkedFloat([=] { return payment * 12 * years; });
    return {payments, checkedFloat([=] { return payments - amount; })};
}

QString GroupedMoneyText(double x) {
    // What rounds to zero is written "0.00", never "-0.00".
    const double rounded = RoundHalfEven(x, 2);
    return QLocale().toString(rounded == 0 ? 0.0 : rounded, 'f', 2);
}

} // namespace zq
