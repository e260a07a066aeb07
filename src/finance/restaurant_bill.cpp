#include "finance/restaurant_bill.h"

#include "common/calc_error.h"
#include "common/error_rules.h"
#include "common/float_faults.h"
#include "common/number_rules.h"

#include <QCoreApplication>

namespace zq {
namespace {

using enum MenuGroup;

constexpr MenuRow Rows[] = {
    {Meals, 10, QT_TRANSLATE_NOOP("zq::RestaurantBill", "Casserole"), 3, 25},
    {Meals, 14, QT_TRANSLATE_NOOP("zq::RestaurantBill", "Chicken"), 4, 26},
    {Meals, 2, QT_TRANSLATE_NOOP("zq::RestaurantBill", "Fish"), 5, 27},
    {Meals, 8, QT_TRANSLATE_NOOP("zq::RestaurantBill", "Fry"), 6, 28},
    {Meals, 7, QT_TRANSLATE_NOOP("zq::RestaurantBill", "Homemade Food"), 7, 29},
    {Meals, 9, QT_TRANSLATE_NOOP("zq::RestaurantBill", "Omelette"), 8, 30},
    {Meals, 1, QT_TRANSLATE_NOOP("zq::RestaurantBill", "Soup"), 9, 31},
    {Meals, 26, QT_TRANSLATE_NOOP("zq::RestaurantBill", "Other"), 48, 47, true},
    {FastFood, 24, QT_TRANSLATE_NOOP("zq::RestaurantBill", "Breakfast"), 15, 36},
    {FastFood, 19, QT_TRANSLATE_NOOP("zq::RestaurantBill", "Hamburger"), 16, 37},
    {FastFood, 18, QT_TRANSLATE_NOOP("zq::RestaurantBill", "Meatball"), 14, 38},
    {FastFood, 23, QT_TRANSLATE_NOOP("zq::RestaurantBill", "Pizza"), 17, 39},
    {FastFood, 20, QT_TRANSLATE_NOOP("zq::RestaurantBill", "Salad"), 18, 40},
    {FastFood, 22, QT_TRANSLATE_NOOP("zq::RestaurantBill", "Sandwich"), 19, 41},
    {FastFood, 21, QT_TRANSLATE_NOOP("zq::RestaurantBill", "Toast"), 20, 42},
    {FastFood, 27, QT_TRANSLATE_NOOP("zq::RestaurantBill", "Other"), 50, 49, true},
    {Desserts, 13, QT_TRANSLATE_NOOP("zq::RestaurantBill", "Brownie"), 10, 32},
    {Desserts, 11, QT_TRANSLATE_NOOP("zq::RestaurantBill", "Cake"), 11, 33},
    {Desserts, 12, QT_TRANSLATE_NOOP("zq::RestaurantBill", "Ice Cream"), 12, 34},
    {Desserts, 3, QT_TRANSLATE_NOOP("zq::RestaurantBill", "Pie"), 13, 35},
    {Desserts, 28, QT_TRANSLATE_NOOP("zq::RestaurantBill", "Other"), 52, 51, true},
    {Drinks, 15, QT_TRANSLATE_NOOP("zq::RestaurantBill", "Coffee"), 21, 43},
    {Drinks, 5, QT_TRANSLATE_NOOP("zq::RestaurantBill", "Coke"), 22, 44},
    {Drinks, 4, QT_TRANSLATE_NOOP("zq::RestaurantBill", "Milkshake"), 23, 45},
    {Drinks, 25, QT_TRANSLATE_NOOP("zq::RestaurantBill", "Tea"), 24, 46},
    {Drinks, 29, QT_TRANSLATE_NOOP("zq::RestaurantBill", "Other"), 54, 53, true},
};

const QString CR = QStringLiteral("\r");
const QString CRLF = QStringLiteral("\r\n");
const QString StarLine(55, QLatin1Char('*'));
const QString DashLine(76, QLatin1Char('-'));

} // namespace

QString MenuRow::captionText() const {
    return QCoreApplication::translate("zq::RestaurantBill", caption);
}

std::span<const MenuRow> MenuRows() {
    return Rows;
}

double BillRowAmount(const QString &quantity, const QString &price) {
    try {
        const double q = ParseNumberStrict(quantity), p = ParseNumberStrict(price);
        return checkedFloat([=] { return q * p; });
    } catch (const CalcError &) {
        return 0;
    }
}

double BillSumWith(double sum, double rowAmount) {
    return checkedFloat([=] { return sum + rowAmount; });
}

double BillTotal(double sum, BillAdjustment adjustment, double percent) {
    const double shown = ParseNumberStrict(FormatNumberText(RoundHalfEven(sum, 2)));
    if (adjustment == BillAdjustment::None)
        return shown;
    const double amount = checkedFloat([=] { return shown * percent / 100; });
    return RoundHalfEven(checkedFloat([=] {
                             return adjustment == BillAdjustment::Tip ? sum + amount : sum - amount;
                         }),
                         2);
}

QString BillRecord(const BillContents &bill) {
    const QString &cur = bill.currency;
    QString text = StarLine + CR + bill.dateTime + QStringLiteral("     Table No: ") + bill.table +
                   CR + StarLine + CR;
    for (const BillContents::Line &line : bill.lines)
        text += line.caption + QLatin1Char(' ') + line.price + QLatin1Char(' ') + cur +
                QStringLiteral(" x ") + line.quantity + QStringLiteral(" Qnty") + CRLF;
    text += DashLine + CR + QStringLiteral("TOTAL: ") + bill.total + QLatin1Char(' ') + cur + CR +
            DashLine + CRLF;
    // The adjustment: the total less the sum; a line whose numbers do not read is left out.
    auto adjustment = [&](const QString &heading, const QString &percentHeading,
                          const QString &percent, const QString &amountHeading) {
        text += heading + bill.sum + QLatin1Char(' ') + cur + CRLF + DashLine + CR +
                percentHeading + percent + CR;
        silentErrorExit([&] {
            const double total = ParseNumberStrict(bill.total), sum = ParseNumberStrict(bill.sum);
            text += amountHeading + FormatNumberText(checkedFloat([=] { return total - sum; })) +
                    QLatin1Char(' ') + cur + CR;
        });
        text += DashLine + CRLF;
    };
    if (bill.discount)
        adjustment(QStringLiteral("Total without Discount: "), QStringLiteral("Discount Percent: "),
                   bill.discountPercent, QStringLiteral("Total of Discount: "));
    if (bill.tipping)
        adjustment(QStringLiteral("Total without Add: "),
                   QStringLiteral("Service-Tipping Percent: "), bill.tippingPercent,
                   QStringLiteral("Total of Service-Tipping: "));
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    return text;
}

QStringList BillFileEntries(const QString &fileText) {
    QStringList entries;
    QString field;
    bool inField = false; // something, even an empty field, has begun on this line
    for (qsizetype i = 0; i < fileText.size(); ++i) {
        const QChar c = fileText[i];
        if (c == QLatin1Char(',') || c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            entries << field;
            field.clear();
            inField = c == QLatin1Char(',');
            if (c == QLatin1Char('\r') && i + 1 < fileText.size() &&
                fileText[i + 1] == QLatin1Char('\n'))
                ++i;
            continue;
        }
        if (field.isEmpty() && (c == QLatin1Char(' ') || c == QLatin1Char('\t')))
            continue;
        field += c;
        inField = true;
    }
    if (inField)
        entries << field;
    return entries;
}

} // namespace zq
