#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <span>
#include <string_view>

namespace zq {

enum class MenuGroup { Meals, FastFood, Desserts, Drinks };

// One row of the menu: its group, the numbers of its check box, quantity box and unit-price
// box, and its caption.
struct MenuRow {
    MenuGroup group;
    int check;
    std::u16string_view caption;
    int quantityBox;
    int priceBox;

    QString captionText() const { return QString::fromUtf16(caption.data(), caption.size()); }
};

// The 26 rows in the order a bill lists them.
std::span<const MenuRow> MenuRows();

// What a ticked row adds: quantity × unit price; a quantity or price that is not a number
// adds 0.
double BillRowAmount(const QString &quantity, const QString &price);
// The rows' sum with one more row's amount; throws CalcError beyond the double range.
double BillSumWith(double sum, double rowAmount);

// The bill's total, rounded to cents: the rows' sum with a tip added or a discount taken, each
// that percentage of the sum as the total shows it (rounded to cents, to fifteen digits).
enum class BillAdjustment { None, Tip, Discount };
double BillTotal(double sum, BillAdjustment adjustment, double percent = 0);

// What a saved bill is made of: the texts the window shows when Save is clicked.
struct BillContents {
    struct Line {
        QString caption, price, quantity;
    };
    QString dateTime, table, currency;
    QList<Line> lines; // the ticked rows
    QString total;     // the bill's total as shown
    QString sum;       // the undiscounted, untipped sum, as held for the total
    bool discount = false;
    QString discountPercent;
    bool tipping = false;
    QString tippingPercent;
};

// The bill as it is appended to "Bill Summary.dat", without the record's final line end:
// star and dash lines, CR alone or CR LF as each line needs, and every comma a point.
QString BillRecord(const BillContents &bill);

// The entries of the bill file: one per field, a field ending at a comma or a line end, blanks
// at its start dropped.
QStringList BillFileEntries(const QString &fileText);

} // namespace zq
