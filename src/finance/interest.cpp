#include "finance/interest.h"

#include "common/calc_error.h"
#include "common/float_faults.h"

#include <algorithm>
#include <cmath>

namespace zq {

double CompoundTotal(double amount, double annualRate, double years) {
    return checkedFloat([=] { return amount * std::pow(1 + annualRate / 100, years); });
}

double SimpleInterestOf(double amount, double annualRate, double months) {
    return checkedFloat([=] { return amount * annualRate / 12 * months / 100; });
}

double DoubleDecliningBalance(double cost, double salvage, double life, double period) {
    if (!(life > 0) || !(period > 0) || period > life || period != std::floor(period) ||
        !(cost >= 0) || !(salvage >= 0) || !std::isfinite(cost) || !std::isfinite(life))
        throw CalcError(CalcError::Kind::InvalidArgument, "invalid depreciation arguments");
    const double rate = std::min(2 / life, 1.0);
    // Period by period, as the books are kept; past ten million periods (lives no asset has)
    // the book value comes from the closed form instead, so no input can stall the window.
    constexpr double LongestWalk = 1e7;
    if (period > LongestWalk) {
        const double before = cost * std::pow(1 - rate, period - 1);
        return std::max(0.0, std::min(before * rate, before - salvage));
    }
    double book = cost; // less each earlier period's depreciation, one after the other
    double depreciation = 0;
    for (double p = 1; p <= period; ++p) {
        depreciation = std::max(0.0, std::min(book * rate, book - salvage));
        if (depreciation == 0)
            break; // the book value has reached the salvage value: nothing more to take
        book -= depreciation;
    }
    return depreciation;
}

double GrowthRatePercent(double present, double past, double periods) {
    return checkedFloat([=] { return (std::pow(present / past, 1 / periods) - 1) * 100; });
}

double GrossProfit(double revenue, double marginPercent) {
    return checkedFloat([=] { return revenue * marginPercent / 100; });
}

double AmountWithInterest(double amount, double interest) {
    return checkedFloat([=] { return amount + interest; });
}

double CostOf(double revenue, double profit) {
    return checkedFloat([=] { return revenue - profit; });
}

double MarkupPercent(double profit, double cost) {
    return checkedFloat([=] { return profit / cost * 100; });
}

} // namespace zq
