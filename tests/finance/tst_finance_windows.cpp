#include "finance/restaurant_bill_window.h"
#include "test_support.h"
#include "window_test_support.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <memory>

using zq::MenuTracking;

class TestFinanceWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { m_folder = std::make_unique<TemporaryWorkingFolder>(); }
    void cleanup() { m_folder.reset(); }
    void formWindows_data();
    void formWindows();
    void mortgageInCommaLocale();
    void billTotals_data();
    void billTotals();
    void billMessages();
    void exclusiveChecks();
    void clearKeepsCurrency();
    void billSavedAndListed();
    void billInCommaLocale();
    void billSaveFailureKeepsBill();
    void billIsModelessAndIgnoresEscape();

private:
    std::unique_ptr<TemporaryWorkingFolder> m_folder;
};

void TestFinanceWindows::initTestCase() {
    QLocale::setDefault(pointLocale());
    QApplication::setQuitOnLastWindowClosed(false);
}

// Each row: the boxes typed ("Text1=..."), then the boxes expected after Enter ("Box=text", or
// "Box#error" for a marked box). Results start as "old": a failure must empty them.
void TestFinanceWindows::formWindows_data() {
    addFormCases({
        {"AutoLoan", {"Text1=10000", "Text2=12", "Text3=12"}, {"Text4=888.49", "Text5=10661.88"}},
        // At 0 % the payment is the amount over the months, the annuity formula's limit.
        {"AutoLoan", {"Text1=12000", "Text2=0", "Text3=12"}, {"Text4=1000", "Text5=12000"}},
        {"AutoLoan", {"Text1=10000", "Text2=0", "Text3=12"}, {"Text4=833.33", "Text5=9999.96"}},
        {"AutoLoan", {"Text1=10000", "Text2=12", "Text3=0"}, {"Text4=", "Text5=", "Text3#error"}},
        {"AutoLoan", {"Text1=10000", "Text2=", "Text3=12"}, {"Text4=", "Text5=", "Text2#error"}},
        {"Mortgage",
         {"Text1=100000", "Text2=30", "Text3=6"},
         {"Text4=599.55", "Text5=215,838.19", "Text6=115,838.19"}},
        {"Mortgage",
         {"Text1= 12000 ", "Text2=  10  ", "Text3=  0 "},
         {"Text4=100.00", "Text5=12,000.00", "Text6=0.00"}},
        {"Mortgage", // no negative zero where rounding leaves a trace of interest
         {"Text1=12000", "Text2=7", "Text3=0"},
         {"Text4=142.86", "Text5=12,000.00", "Text6=0.00"}},
        {"Mortgage",
         {"Text1=12000", "Text2=0", "Text3=0"},
         {"Text4=", "Text5=", "Text6=", "Text2#error"}},
        {"FinancialLease",
         {"Text1=10000", "Text2=0", "Text3=12", "Text4=12"},
         {"Text5=888.49", "Text6=10661.85"}},
        {"FinancialLease",
         {"Text1=1000", "Text2=5000", "Text3=12", "Text4=12"},
         {"Text5=-305.4", "Text6=-3664.74"}},
        {"FinancialLease",
         {"Text1=12000", "Text2=0", "Text3=0", "Text4=12"},
         {"Text5=1000", "Text6=12000"}},
        {"FinancialLease",
         {"Text1=12000", "Text2=2400", "Text3=0", "Text4=12"},
         {"Text5=800", "Text6=9600"}},
        {"FinancialLease",
         {"Text1=10000", "Text2=0", "Text3=5", "Text4=0"},
         {"Text5=", "Text6=", "Text4#error"}},
        {"CompoundInterest", {"Text1=1000", "Text2=5", "Text3=2"}, {"Text4=1102.5"}},
        {"CompoundInterest", {"Text1=1000", "Text2=5", "Text3=x"}, {"Text4=", "Text3#error"}},
        {"SimpleInterest", {"Text1=1000", "Text2=12", "Text3=6"}, {"Text5=60", "Text4=1060"}},
        {"Depreciation", {"Text1=1000", "Text2=100", "Text3=5", "Text4=2"}, {"Text5=240"}},
        {"Depreciation",
         {"Text1=1,5", "Text2=0", "Text3=3", "Text4=1"},
         {"Text5=0.666666666666667"}},
        {"Depreciation",
         {"Text1=1000", "Text2=100", "Text3=5", "Text4=6"},
         {"Text5=", "Text4#error"}},
        {"Depreciation",
         {"Text1=1000abc", "Text2=100", "Text3=5", "Text4=2"},
         {"Text5=240", "Text1#warning"}},
        {"GrowthRate", {"Text1=121", "Text2=100", "Text3=2"}, {"Text4=10"}},
        {"GrowthRate", {"Text1=121", "Text2=", "Text3=2"}, {"Text4=", "Text2#error"}},
        {"Profit", {"Text1=200", "Text2=25"}, {"Text3=50", "Text4=150", "Text5=33.33"}},
        {"Profit", {"Text1=0", "Text2=25"}, {"Text3=0", "Text4=0", "Text5=", "Text2#warning"}},
        {"Profit", {"Text1=", "Text2=25"}, {"Text3=", "Text4=", "Text5=", "Text1#error"}},
    });
}

void TestFinanceWindows::formWindows() {
    QFETCH(QString, window);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, shown);
    verifyFormRow(window, typed, shown);
}

void TestFinanceWindows::mortgageInCommaLocale() {
    const LocaleScope comma(commaLocale());
    const auto form = openWindow("Mortgage");
    type(form.get(), "Text1", "100.000");
    type(form.get(), "Text2", "30");
    typeAndEnter(form.get(), "Text3", "6,0");
    QCOMPARE(textOf(form.get(), "Text5"), QStringLiteral("215.838,19"));
    QVERIFY(control<QLineEdit>(form.get(), "Text5")->isReadOnly());
}

namespace {

struct Bill {
    std::unique_ptr<QWidget> window = openWindow("MenuTracking");
    MenuTracking *menu = static_cast<MenuTracking *>(window.get());

    Bill() { menu->Timer1->stop(); }
    // Ticks a row and types its quantity and price (a null text leaves the box as it is).
    void order(int check, int quantityBox, const char *quantity, int priceBox, const char *price) {
        menu->menuCheck(check)->setChecked(true);
        if (quantity)
            menu->menuBox(quantityBox)->setText(quantity);
        if (price)
            menu->menuBox(priceBox)->setText(price);
    }
    void soupAndCoke(const char *soupPrice = "4.5", const char *cokePrice = "1.25") {
        order(1, 9, "2", 31, soupPrice);
        order(5, 22, "3", 44, cokePrice);
    }
    QString total() {
        click(window.get(), "Command1");
        return menu->Text1->text() + "|" + menu->Text2->text();
    }
};

} // namespace

void TestFinanceWindows::billTotals_data() {
    QTest::addColumn<QString>("adjustment"); // Check30 tipping or Check6 discount
    QTest::addColumn<QString>("percent");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << ""
                           << ""
                           << "12.75|Not Discounted";
    QTest::newRow("tipping") << "Check30"
                             << "20"
                             << "15.3|Not Discounted";
    QTest::newRow("discount") << "Check6"
                              << "20"
                              << "10.2|20 Discounted";
    QTest::newRow("discount, no percentage") << "Check6"
                                             << ""
                                             << "|";
}

void TestFinanceWindows::billTotals() {
    QFETCH(QString, adjustment);
    QFETCH(QString, percent);
    QFETCH(QString, shown);
    MessageRecorder messages;
    Bill bill;
    bill.soupAndCoke();
    if (!adjustment.isEmpty()) {
        control<QCheckBox>(bill.window.get(), adjustment)->setChecked(true);
        setText(bill.window.get(), adjustment == "Check30" ? "Text55" : "Text59", percent);
    }
    QCOMPARE(bill.total(), shown);
    // A discount without its percentage leaves no total, and the percentage box is marked.
    QCOMPARE(bill.menu->Text56->text(),
             shown.startsWith('|') ? QString() : QStringLiteral("12.75"));
    QCOMPARE(markOf(bill.window.get(), "Text59"), shown.startsWith('|') ? "error" : "");
    QCOMPARE(messages.messages.size(), percent.isEmpty() && !adjustment.isEmpty() ? 1 : 0);
}

void TestFinanceWindows::billMessages() {
    MessageRecorder messages;
    Bill bill;
    bill.order(1, 9, "2", 31, nullptr);   // Soup without a price
    bill.order(14, 4, "", 26, "10");      // Chicken without a quantity: 0, no message
    bill.order(26, 48, nullptr, 47, "3"); // Other, quantity left at 1
    bill.menu->Check30->setChecked(true);
    // Rows and percentages that cannot be read are marked, and no total is given.
    QCOMPARE(bill.total(), QStringLiteral("|"));
    QCOMPARE(markOf(bill.window.get(), "Text31"), QStringLiteral("error"));
    QCOMPARE(markOf(bill.window.get(), "Text55"), QStringLiteral("error"));
    QCOMPARE(markOf(bill.window.get(), "Text4"), QStringLiteral("error"));
    QCOMPARE(messages.messages.size(), 2);
    QCOMPARE(messages.messages[0].text,
             QStringLiteral("You have selected but not enter the Unit Price: Soup"));
    QCOMPARE(messages.messages[1].text,
             QStringLiteral("You have selected the Service - Tipping % but not enter the "
                            "percentage!"));
    bill.menu->Check6->setChecked(true);
    bill.total();
    QCOMPARE(messages.messages.last().text,
             QStringLiteral("You have selected the Discount but not enter the Percentage!"));
    click(bill.window.get(), "Command3");
    click(bill.window.get(), "Command2");
    QCOMPARE(messages.messages.last().text, QStringLiteral("Total doesn't exist!"));
    QVERIFY(!QFile::exists("Bill Summary.dat"));
}

void TestFinanceWindows::exclusiveChecks() {
    Bill bill;
    MenuTracking *m = bill.menu;
    QVERIFY(m->Check31->isChecked());
    QCOMPARE(m->Text58->text(), QStringLiteral("$"));
    m->Check30->click();
    m->Check6->click();
    QVERIFY(!m->Check30->isChecked());
    m->Check30->click();
    QVERIFY(!m->Check6->isChecked());
    m->Check32->click();
    QVERIFY(!m->Check31->isChecked() && !m->Check33->isChecked());
    QCOMPARE(m->Text58->text(), QStringLiteral("€"));
    m->Check32->click(); // unticked: the symbol stays
    QCOMPARE(m->Text58->text(), QStringLiteral("€"));
    m->Check33->click();
    QCOMPARE(m->Text58->text(), QStringLiteral("TL"));
}

void TestFinanceWindows::clearKeepsCurrency() {
    Bill bill;
    bill.soupAndCoke();
    bill.menu->Check33->click();
    bill.total();
    click(bill.window.get(), "Command3");
    for (const QString name : {"Check1", "Check5", "Check31", "Check33"})
        QVERIFY(!control<QCheckBox>(bill.window.get(), name)->isChecked());
    for (const QString name : {"Text1", "Text9", "Text31", "Text56"})
        QCOMPARE(textOf(bill.window.get(), name), QString());
    QCOMPARE(bill.menu->Text58->text(), QStringLiteral("TL"));
}

void TestFinanceWindows::billSavedAndListed() {
    MessageRecorder messages;
    Bill bill;
    bill.soupAndCoke();
    bill.menu->Check30->setChecked(true);
    bill.menu->Text55->setText("20");
    bill.menu->TextMasaNo->setText("7");
    bill.total();
    bill.menu->Label4->setText("D");
    click(bill.window.get(), "Command2");
    click(bill.window.get(), "Command2");
    QCOMPARE(messages.messages.last().text, savedMessage("Saved!", "Bill Summary.dat"));
    const QByteArray stars(55, '*'), dashes(76, '-');
    const QByteArray saved =
        stars + "\rD     Table No: 7\r" + stars +
        "\rSoup 4.5 $ x 2 Qnty\r\nCoke 1.25 $ x 3 Qnty\r\n" + dashes + "\rTOTAL: 15.3 $\r" +
        dashes + "\r\nTotal without Add: 12.75 $\r\n" + dashes +
        "\rService-Tipping Percent: 20\rTotal of Service-Tipping: 2.55 $\r" + dashes + "\r\n\r\n";
    QCOMPARE(fileContents("Bill Summary.dat"), saved + saved);

    const auto probe = onNextModal([](QWidget *summary) {
        const QStringList entries = listLines(summary);
        QCOMPARE(summary->windowTitle(), QStringLiteral("Bill Summary"));
        QCOMPARE(entries.size(), 28); // 14 lines a bill, its closing empty line included
        QCOMPARE(entries[1], QStringLiteral("D     Table No: 7"));
        QCOMPARE(entries[6], QStringLiteral("TOTAL: 15.3 $"));
        QCOMPARE(entries[13], QString());
        QCOMPARE(entries[15], QStringLiteral("D     Table No: 7"));
        QTest::keyClick(summary, Qt::Key_Escape);
    });
    click(bill.window.get(), "Command4");
    QCOMPARE(probe->openedName, QStringLiteral("MenuTrackingALT"));
    QVERIFY(!probe->leftOpen);
}

void TestFinanceWindows::billInCommaLocale() {
    const LocaleScope comma(commaLocale());
    MessageRecorder messages;
    Bill bill;
    bill.soupAndCoke("4,5", "1,25");
    bill.menu->Check6->setChecked(true);
    bill.menu->Text59->setText("20");
    bill.menu->Check32->click();
    QCOMPARE(bill.total(), QStringLiteral("10,2|20 Discounted"));
    bill.menu->Label4->setText("06.12.26, 13:02");
    click(bill.window.get(), "Command2");
    const QByteArray saved = fileContents("Bill Summary.dat");
    QVERIFY(!saved.contains(','));
    QVERIFY(saved.contains("06.12.26. 13:02     Table No: \r"));
    QVERIFY(saved.contains("Soup 4.5 \x80 x 2 Qnty\r\n"));
    QVERIFY(saved.contains("TOTAL: 10.2 \x80\r"));
    QVERIFY(saved.contains("Total without Discount: 12.75 \x80\r\n"));
    QVERIFY(saved.contains("Total of Discount: -2.55 \x80\r"));
}

void TestFinanceWindows::billSaveFailureKeepsBill() {
    MessageRecorder messages;
    QVERIFY(QFile::link("/dev/full", "Bill Summary.dat"));
    Bill bill;
    bill.soupAndCoke();
    bill.total();
    click(bill.window.get(), "Command2");
    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages[0].icon, zq::MessageIcon::Critical);
    QVERIFY(messages.messages[0].text.contains("Bill Summary.dat"));
    QCOMPARE(bill.menu->Text1->text(), QStringLiteral("12.75"));
    QVERIFY(bill.menu->menuCheck(1)->isChecked());
}

void TestFinanceWindows::billIsModelessAndIgnoresEscape() {
    zq::Main main;
    main.show();
    main.List1->setCurrentItem(
        main.List1->findItems("Restaurant Bill Calculator", Qt::MatchExactly).value(0));
    QTest::keyClick(main.List1, Qt::Key_Return);
    QWidget *bill = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == "MenuTracking" && window->isVisible())
            bill = window;
    QVERIFY(bill);
    QVERIFY(!QApplication::activeModalWidget());
    QTest::keyClick(control(bill, "Text31"), Qt::Key_Escape);
    QVERIFY(bill->isVisible());
    click(bill, "Command5");
    QVERIFY(!bill->isVisible());
}

QTEST_MAIN(TestFinanceWindows)
#include "tst_finance_windows.moc"
