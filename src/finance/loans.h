#pragma once

#include <QString>

namespace zq {

// The level monthly payment of an annuity loan of `amount` over `months` payments at an annual
// percentage rate: amount·r·F / (F − 1), with r the rate / 1200 and F = (1 + r)^months.
// A rate or a term of 0 fails (0/0 or a division by zero): CalcError.
double AnnuityPayment(double amount, double annualRate, double months);

// The same payment for a lease whose residual value is paid at its end:
// (amount·r·F − residual·r) / (F − 1).
double LeasePayment(double amount, double residual, double annualRate, double months);

// A mortgage over `years` years: the annuity payment, or amount / years / 12 when the rate is 0.
double MortgagePayment(double amount, double years, double annualRate);

// What a run of equal monthly payments comes to; throws CalcError beyond the double range.
double TotalOfPayments(double payment, double months);
// A mortgage's total of payments over its years and the interest in it.
struct MortgageTotals {
    double payments, interest;
};
MortgageTotals MortgageTotalsOf(double amount, double years, double payment);

// Two decimals with the locale's digit grouping: 215,838.19 in an English locale.
QString GroupedMoneyText(double x);

} // namespace zq
