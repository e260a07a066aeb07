#include "common/calc_error.h"
#include "common/number_rules.h"
#include "finance/interest.h"
#include "finance/loans.h"
#include "finance/restaurant_bill.h"
#include "test_support.h"

#include <QTest>

#include <optional>
#include <set>

using namespace zq;

class TestFinance : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(pointLocale()); }
    void loans();
    void mortgageText_data();
    void mortgageText();
    void interest();
    void depreciation_data();
    void depreciation();
    void menuTable();
    void billSum();
    void billTotal_data();
    void billTotal();
    void billRecord_data();
    void billRecord();
    void billFileEntries();
};

void TestFinance::loans() {
    QCOMPARE(RoundHalfEven(AnnuityPayment(10000, 12, 12), 2), 888.49);
    const double lease = LeasePayment(10000, 0, 12, 12);
    QCOMPARE(RoundHalfEven(lease, 2), 888.49);
    QCOMPARE(RoundHalfEven(lease * 12, 2), 10661.85);
    QVERIFY(LeasePayment(1000, 5000, 12, 12) < 0);
    QCOMPARE(TotalOfPayments(888.49, 12), 10661.88);
    const MortgageTotals totals = MortgageTotalsOf(100000, 30, 599.55);
    QCOMPARE(totals.payments, 599.55 * 12 * 30);
    QCOMPARE(totals.interest, 599.55 * 12 * 30 - 100000);
    QVERIFY_THROWS_EXCEPTION(CalcError, TotalOfPayments(1e308, 12));
    QCOMPARE(MortgagePayment(12000, 10, 0), 100.0);
    // Without interest: the limit of the annuity formula, the amount paid off evenly.
    QCOMPARE(AnnuityPayment(12000, 0, 12), 1000.0);
    QCOMPARE(LeasePayment(12000, 2400, 0, 12), 800.0);
    for (auto failing : {+[] { return AnnuityPayment(10000, 12, 0); },
                         +[] { return LeasePayment(10000, 0, 0, 0); },
                         +[] { return MortgagePayment(10000, 0, 0); },
                         +[] { return MortgagePayment(10000, 0, 6); }})
        QVERIFY_THROWS_EXCEPTION(CalcError, failing());
}

void TestFinance::mortgageText_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("en_US") << pointLocale()
                           << QStringList{"599.55", "215,838.19", "115,838.19", "-1,234.50"};
    QTest::newRow("de_DE") << commaLocale()
                           << QStringList{"599,55", "215.838,19", "115.838,19", "-1.234,50"};
}

void TestFinance::mortgageText() {
    QFETCH(QLocale, locale);
    QFETCH(QStringList, shown);
    const LocaleScope scope(locale);
    const double payment = MortgagePayment(100000, 30, 6);
    QCOMPARE(GroupedMoneyText(payment), shown[0]);
    QCOMPARE(GroupedMoneyText(payment * 12 * 30), shown[1]);
    QCOMPARE(GroupedMoneyText(payment * 12 * 30 - 100000), shown[2]);
    QCOMPARE(GroupedMoneyText(-1234.5), shown[3]);
    // A trace of rounding below a cent is no amount, and has no sign.
    for (double nothing : {-1.8e-12, -0.0049, -0.0})
        QCOMPARE(GroupedMoneyText(nothing), QLocale().toString(0.0, 'f', 2));
}

void TestFinance::interest() {
    QCOMPARE(RoundHalfEven(CompoundTotal(1000, 5, 2), 2), 1102.5);
    QCOMPARE(SimpleInterestOf(1000, 12, 6), 60.0);
    QCOMPARE(RoundHalfEven(GrowthRatePercent(121, 100, 2), 2), 10.0);
    QCOMPARE(GrossProfit(200, 25), 50.0);
    QCOMPARE(AmountWithInterest(1000, 60), 1060.0);
    QCOMPARE(CostOf(200, 50), 150.0);
    QCOMPARE(MarkupPercent(50, 150), 50.0 / 150 * 100);
    QVERIFY_THROWS_EXCEPTION(CalcError, MarkupPercent(50, 0)); // a 100 % margin leaves no cost
    QVERIFY_THROWS_EXCEPTION(CalcError, AmountWithInterest(1e308, 1e308));
    QVERIFY_THROWS_EXCEPTION(CalcError, GrowthRatePercent(121, 0, 2));
    QVERIFY_THROWS_EXCEPTION(CalcError, GrowthRatePercent(121, 100, 0));
    QVERIFY_THROWS_EXCEPTION(CalcError, GrowthRatePercent(-121, 100, 2));
}

void TestFinance::depreciation_data() {
    QTest::addColumn<QList<double>>("arguments"); // cost, salvage, life, period
    QTest::addColumn<QString>("result");          // "fails" when rejected
    const struct {
        QList<double> arguments;
        const char *result;
    } rows[] = {
        {{1000, 100, 5, 1}, "400"},
        {{1000, 100, 5, 2}, "240"},
        {{1000, 100, 5, 5}, "29.6"}, // held at the salvage value
        {{2400, 300, 10, 1}, "480"},
        {{2400, 300, 10, 10}, "22.1225472"},
        {{1000, 100, 1, 1}, "900"},
        {{100, 500, 5, 1}, "0"},
        {{0, 0, 5, 3}, "0"},
        {{1000, 0, 1e9, 1}, "2E-06"},
        {{1000, 0, 4e7, 3e7}, "1.1156508137107E-05"}, // past the period-by-period walk
        {{1000, 100, 0, 1}, "fails"},
        {{1000, 100, 5, 0}, "fails"},
        {{1000, 100, 5, 6}, "fails"},
        {{1000, 100, 5, 1.5}, "fails"},
        {{-1000, 100, 5, 1}, "fails"},
        {{1000, -100, 5, 1}, "fails"},
    };
    for (const auto &row : rows)
        QTest::addRow("%g %g %g %g", row.arguments[0], row.arguments[1], row.arguments[2],
                      row.arguments[3])
            << row.arguments << row.result;
}

void TestFinance::depreciation() {
    QFETCH(QList<double>, arguments);
    QFETCH(QString, result);
    auto compute = [&] {
        return DoubleDecliningBalance(arguments[0], arguments[1], arguments[2], arguments[3]);
    };
    if (result == "fails")
        QVERIFY_THROWS_EXCEPTION(CalcError, compute());
    else
        QCOMPARE(FormatNumberText(compute()), result);
}

void TestFinance::menuTable() {
    QCOMPARE(MenuRows().size(), std::size_t(26));
    std::set<int> checks, boxes;
    for (const MenuRow &row : MenuRows()) {
        checks.insert(row.check);
        boxes.insert(row.quantityBox);
        boxes.insert(row.priceBox);
    }
    QCOMPARE(checks.size(), std::size_t(26));
    QCOMPARE(boxes.size(), std::size_t(52));
    QVERIFY(!checks.count(6) && !checks.count(16) && !checks.count(17));
    QCOMPARE(BillRowAmount("2", "4.5"), 9.0);
    QCOMPARE(BillRowAmount("", "4.5"), 0.0);
    QCOMPARE(BillRowAmount("3", "cheap"), 0.0);
    QCOMPARE(BillRowAmount("1e300", "1e300"), 0.0);
}

namespace {

const QString Stars(55, '*');
const QString Dashes(76, '-');

BillContents soupAndCoke() {
    BillContents bill;
    bill.dateTime = "12/6/26 1:02:03 PM";
    bill.table = "7";
    bill.currency = "$";
    bill.lines = {{"Soup", "4.5", "2"}, {"Coke", "1.25", "3"}};
    bill.total = "12.75";
    bill.sum = "12.75";
    return bill;
}

} // namespace

void TestFinance::billRecord_data() {
    QTest::addColumn<int>("kind"); // 0 plain, 1 tipping, 2 discount, 3 commas and euros
    QTest::addColumn<QString>("expected");
    const QString head = Stars + "\r12/6/26 1:02:03 PM     Table No: 7\r" + Stars +
                         "\rSoup 4.5 $ x 2 Qnty\r\nCoke 1.25 $ x 3 Qnty\r\n" + Dashes + "\r";
    QTest::newRow("plain") << 0 << head + "TOTAL: 12.75 $\r" + Dashes + "\r\n";
    QTest::newRow("tipping") << 1
                             << head + "TOTAL: 15.3 $\r" + Dashes +
                                    "\r\nTotal without Add: 12.75 $\r\n" + Dashes +
                                    "\rService-Tipping Percent: 20\rTotal of Service-Tipping: "
                                    "2.55 $\r" +
                                    Dashes + "\r\n";
    QTest::newRow("discount") << 2
                              << head + "TOTAL: 10.2 $\r" + Dashes +
                                     "\r\nTotal without Discount: 12.75 $\r\n" + Dashes +
                                     "\rDiscount Percent: 20\rTotal of Discount: -2.55 $\r" +
                                     Dashes + "\r\n";
    QTest::newRow("commas") << 3
                            << Stars + "\r6.12.26 13:02:03     Table No: 1.2\r" + Stars +
                                   "\rSoup 4.5 € x 2 Qnty\r\n" + Dashes + "\rTOTAL: 9.5 €\r" +
                                   Dashes + "\r\nTotal without Discount: 10 €\r\n" + Dashes +
                                   "\rDiscount Percent: 5\rTotal of Discount: -0.5 €\r" + Dashes +
                                   "\r\n";
}

void TestFinance::billRecord() {
    QFETCH(int, kind);
    QFETCH(QString, expected);
    BillContents bill = soupAndCoke();
    if (kind == 1) {
        bill.tipping = true;
        bill.tippingPercent = "20";
        bill.total = "15.3";
    } else if (kind == 2) {
        bill.discount = true;
        bill.discountPercent = "20";
        bill.total = "10.2";
    }
    std::optional<LocaleScope> comma;
    if (kind == 3) {
        comma.emplace(commaLocale());
        bill = BillContents{"6,12,26 13:02:03",
                            "1,2",
                            "€",
                            {{"Soup", "4,5", "2"}},
                            "9,5",
                            "10",
                            true,
                            "5",
                            false,
                            {}};
    }
    QCOMPARE(BillRecord(bill), expected);
}

// The total: the sum, a tip added or a discount taken, each a percentage of the sum as the
// total shows it in cents, and the result in cents.
void TestFinance::billTotal_data() {
    QTest::addColumn<double>("sum");
    QTest::addColumn<int>("adjustment");
    QTest::addColumn<double>("percent");
    QTest::addColumn<double>("total");
    QTest::newRow("plain") << 12.75 << int(BillAdjustment::None) << 0.0 << 12.75;
    QTest::newRow("tip") << 12.75 << int(BillAdjustment::Tip) << 20.0 << 15.3;
    QTest::newRow("discount") << 12.75 << int(BillAdjustment::Discount) << 20.0 << 10.2;
    // 10.125 shows as 10.12 (half to even): the tip is 1.012, added to 10.125.
    QTest::newRow("tip of the shown total") << 10.125 << int(BillAdjustment::Tip) << 10.0 << 11.14;
    QTest::newRow("whole discount") << 40.0 << int(BillAdjustment::Discount) << 100.0 << 0.0;
}

void TestFinance::billSum() {
    QCOMPARE(BillSumWith(BillSumWith(0, 12.5), 0.25), 12.75);
    QVERIFY_THROWS_EXCEPTION(CalcError, BillSumWith(1e308, 1e308));
}

void TestFinance::billTotal() {
    QFETCH(double, sum);
    QFETCH(int, adjustment);
    QFETCH(double, percent);
    QFETCH(double, total);
    QCOMPARE(BillTotal(sum, BillAdjustment(adjustment), percent), total);
}

void TestFinance::billFileEntries() {
    QCOMPARE(BillFileEntries("A,  B\r\nC\rD\n\r\nE\r\n"),
             (QStringList{"A", "B", "C", "D", "", "E"}));
    QCOMPARE(BillFileEntries(""), QStringList());
    QCOMPARE(BillFileEntries("last"), QStringList{"last"});
}

QTEST_APPLESS_MAIN(TestFinance)
#include "tst_finance.moc"
