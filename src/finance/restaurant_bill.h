#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <span>

namespace zq {

enum class MenuGroup { Meals, FastFood, Desserts, Drinks };

// One row of the menu: its group, the numbers of its check box, quantity box and unit-price
// box, and its caption. The caption is English, marked for translation: a saved bill names the
// row in English in every language.
struct MenuRow {
    MenuGroup group;
    int check;
    const char *caption;
    int quantityBox;
    int priceBox;
    bool other = false; // the group's "Other" row

    QString englishCaption() const { return QString::fromUtf8(caption); }
    // The caption in the interface language.
    QString captionText() const;
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
// star and dash lines, CR alone or CR LF as each line needs, and every comma a point. Its words
// are English in every language (the file is read back), and so are the lines' captions.
QString BillRecord(const BillContents &bill);

// The entries of the bill file: one per field, a field ending at a comma or a line end, blanks
// at its start dropped.
QStringList BillFileEntries(const QString &fileText);

} // namespace zq
