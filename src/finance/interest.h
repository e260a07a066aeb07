#pragma once

namespace zq {

// Compound interest: amount · (1 + rate / 100)^years.
double CompoundTotal(double amount, double annualRate, double years);

// Simple interest over months: amount · rate / 12 · months / 100.
double SimpleInterestOf(double amount, double annualRate, double months);
// The amount with its interest; throws CalcError beyond the double range.
double AmountWithInterest(double amount, double interest);

// Double-declining-balance depreciation of one period (factor 2), worked out period by period:
// each period takes book value · 2 / life, but never takes the book value below the salvage
// value. A life or period of 0 or less, a period that is not whole or lies beyond the life, and
// a negative cost or salvage value fail: CalcError.
double DoubleDecliningBalance(double cost, double salvage, double life, double period);

// The average growth per period in percent: ((present / past)^(1 / periods) − 1) · 100.
double GrowthRatePercent(double present, double past, double periods);

// The gross profit of a revenue at a gross margin in percent of it.
double GrossProfit(double revenue, double marginPercent);
// The cost left of a revenue when the profit is taken, and the mark-up on that cost in percent;
// throws CalcError for no cost (no mark-up) and beyond the double range.
double CostOf(double revenue, double profit);
double MarkupPercent(double profit, double cost);

} // namespace zq
