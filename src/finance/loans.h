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

// Two decimals with the locale's digit grouping: 215,838.19 in an English locale.
QString GroupedMoneyText(double x);

} // namespace zq
