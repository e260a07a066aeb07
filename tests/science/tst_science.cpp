#include "common/calc_error.h"
#include "common/number_rules.h"
#include "science/atomic_mass.h"
#include "science/electrical.h"
#include "test_support.h"

#include <QSet>
#include <QTest>

using namespace zq;

class TestScience : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(pointLocale()); }
    void elementTable();
    void elementLookup_data();
    void elementLookup();
    void compounds_data();
    void compounds();
    void hostileFormulas();
    void resistor_data();
    void resistor();
    void ohmsLaw();
    void electricalRows_data();
    void electricalRows();
};

void TestScience::elementTable() {
    const auto elements = Elements();
    QCOMPARE(elements.size(), std::size_t(118));
    QSet<QString> symbols;
    for (const Element &element : elements)
        symbols.insert(element.symbolText().toLower());
    QCOMPARE(symbols.size(), 118);
    QCOMPARE(elements[3].mass, 9.012); // beryllium
    // Elements 110 to 118 by their IUPAC names of 2016, each with the mass number of its
    // longest-lived isotope as IUPAC lists it.
    const std::pair<const char *, double> named[] = {{"Ds", 281}, {"Rg", 282}, {"Cn", 285},
                                                     {"Nh", 286}, {"Fl", 290}, {"Mc", 290},
                                                     {"Lv", 293}, {"Ts", 294}, {"Og", 294}};
    for (std::size_t i = 109; i < 118; ++i) {
        QCOMPARE(elements[i].symbolText(), QString(named[i - 109].first));
        QCOMPARE(elements[i].mass, named[i - 109].second);
        QVERIFY(elements[i].massNumber);
    }
    const QString list = AtomicNumberList();
    QVERIFY(list.startsWith("1) Hydrogen\r\n2) Helium\r\n"));
    QVERIFY(list.endsWith("108) Hassium\r\n109) Meitnerium\r\n"));
    QCOMPARE(list.count("\r\n"), 109);
}

void TestScience::elementLookup_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("line");
    for (const char *oxygen : {"oxygen", "OXYGEN", "o", "O"})
        QTest::newRow(oxygen) << oxygen << "Oxygen (O) = 16 g/mol";
    QTest::newRow("hydrogen") << "h"
                              << "Hydrogen (H) = 1.008 g/mol";
    QTest::newRow("unknown") << "Xx"
                             << "No element is called Xx";
    QTest::newRow("placeholder symbol") << "uuo"
                                        << "Oganesson (Og) = [294] g/mol";
    QTest::newRow("placeholder name") << "Ununnilium"
                                      << "Darmstadtium (Ds) = [281] g/mol";
    QTest::newRow("IUPAC symbol") << "Ts"
                                  << "Tennessine (Ts) = [294] g/mol";
    QTest::newRow("empty") << ""
                           << "No element is called ";
}

void TestScience::elementLookup() {
    QFETCH(QString, text);
    QFETCH(QString, line);
    const MassLine found = ElementMassLine(text);
    QCOMPARE(found.shown, line);
    QCOMPARE(found.english, line);
}

void TestScience::compounds_data() {
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("total");
    const QString h = "Hydrogen (H) = 1.008 g/mol", o = "Oxygen (O) = 16 g/mol";
    QTest::newRow("water") << "H2O" << QStringList{h, o} << "18.016";
    QTest::newRow("HOH") << "HOH" << QStringList{h, o} << "18.016";
    QTest::newRow("slaked lime") << "Ca(OH)2" << QStringList{"Calcium (Ca) = 40.08 g/mol", o, h}
                                 << "74.096";
    QTest::newRow("hydrate") << "CuSO4.5H2O" << QStringList{"Copper (Cu) = 63.55 g/mol",
                                                            "Sulfur (S) = 32.07 g/mol",
                                                            o,
                                                            "CuSO4 is 159.62 g/mol",
                                                            h,
                                                            "H2O is 18.016 g/mol"}
                             << "249.7";
    QTest::newRow("coefficient") << "2H2O" << QStringList{h, o, "H2O is 18.016 g/mol"} << "36.032";
    QTest::newRow("nested brackets")
        << "K4[Fe(CN)6]"
        << QStringList{"Potassium (K) = 39.1 g/mol", "Iron (Fe) = 55.85 g/mol",
                       "Carbon (C) = 12.01 g/mol", "Nitrogen (N) = 14.01 g/mol"}
        << "368.37";
    QTest::newRow("plus") << "H+H" << QStringList{h, "H is 1.008 g/mol", "H is 1.008 g/mol"}
                          << "2.016";
    QTest::newRow("empty") << "" << QStringList{} << "0";
    QTest::newRow("NaCl") << "NaCl"
                          << QStringList{"Sodium (Na) = 22.99 g/mol", "Chlorine (Cl) = 35.45 g/mol"}
                          << "58.44";
    QTest::newRow("nacl") << "nacl" << QStringList{"No chemical has symbol nacl"} << "0";
    QTest::newRow("Co and CO") << "CoCO"
                               << QStringList{"Cobalt (Co) = 58.93 g/mol",
                                              "Carbon (C) = 12.01 g/mol", o}
                               << "86.94";
    QTest::newRow("Uuo") << "Uuo" << QStringList{"Oganesson (Og) = [294] g/mol"} << "294";
    QTest::newRow("Nh") << "Nh2" << QStringList{"Nihonium (Nh) = [286] g/mol"} << "572";
    QTest::newRow("never closed") << "(H2O" << QStringList{h, o} << "18.016";
    QTest::newRow("stray closing")
        << "H)2" << QStringList{h, "No chemical has symbol )"} << "1.008";
    QTest::newRow("blank") << "H O" << QStringList{h, "No chemical has symbol  ", o} << "17.008";
    QTest::newRow("count too large")
        << "H40000O" << QStringList{"Count too large: 40000", h, o} << "16";
    QTest::newRow("coefficient too large")
        << "99999H2O" << QStringList{"Count too large: 99999", h, o, "H2O is 18.016 g/mol"} << "0";
    QTest::newRow("leading zeros fit") << "H0000000000002" << QStringList{h} << "2.016";
}

void TestScience::compounds() {
    QFETCH(QString, formula);
    QFETCH(QStringList, lines);
    QFETCH(QString, total);
    MassResults results;
    QCOMPARE(FormatNumberText(CompoundMass(formula, results)), total);
    QCOMPARE(results.lines(), lines);
    QCOMPARE(results.englishLines(), lines);
}

// Deep nesting and long formulas are read without recursion or quadratic work.
void TestScience::hostileFormulas() {
    MassResults deep;
    QCOMPARE(CompoundMass(QString(1000000, '(') + "H" + QString(1000000, ')'), deep), 1.008);
    MassResults junk;
    const QString formula = QString("x1").repeated(5000) + QString("O").repeated(2500);
    QCOMPARE(CompoundMass(formula, junk), 40000.0);
    QCOMPARE(junk.lines().size(), 5001);
    QVERIFY(IsLowerLetter("abc"));
    QVERIFY(!IsLowerLetter("Abc"));
    QVERIFY(!IsLowerLetter(""));
    QVERIFY(!IsLowerLetter(QStringLiteral("\u00E9")));
}

void TestScience::resistor_data() {
    QTest::addColumn<QList<int>>("bands");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tolerance");
    QTest::newRow("opening") << QList<int>{0, 1, 2, 0} << "100 ohms\r\n0.1 Kohms\r\n0.0001 Mohms"
                             << "+/- 5%";
    QTest::newRow("yellow violet orange")
        << QList<int>{4, 7, 3, 1} << "47000 ohms\r\n47 Kohms\r\n0.047 Mohms"
        << "+/- 10%";
    QTest::newRow("brown black gold")
        << QList<int>{1, 0, 10, 2} << "1 ohms\r\n0.001 Kohms\r\n1E-06 Mohms"
        << "+/- 20%";
    QTest::newRow("black red silver")
        << QList<int>{0, 2, 11, 0} << "0.02 ohms\r\n2E-05 Kohms\r\n2E-08 Mohms"
        << "+/- 5%";
    QTest::newRow("white white white")
        << QList<int>{9, 9, 9, 0} << "99000000000 ohms\r\n99000000 Kohms\r\n99000 Mohms"
        << "+/- 5%";
}

void TestScience::resistor() {
    QFETCH(QList<int>, bands);
    QFETCH(QString, text);
    QFETCH(QString, tolerance);
    QCOMPARE(ResistorText(ResistorValue(bands[0], bands[1], bands[2])), text);
    QCOMPARE(ToleranceText(bands[3]), tolerance);
    QCOMPARE(ResistorDigitColours().size(), 10);
    QCOMPARE(ResistorMultiplierColours().last(), QStringLiteral("Silver"));
    QCOMPARE(ResistorToleranceColours(), (QStringList{"Gold", "Silver", "None"}));
}

void TestScience::ohmsLaw() {
    QCOMPARE(OhmsLaw(OhmTarget::Resistance, "12", "2", "ignored"), 6.0);
    QCOMPARE(OhmsLaw(OhmTarget::Volts, "ignored", "2", "6"), 12.0);
    QCOMPARE(OhmsLaw(OhmTarget::Amperes, "12", "", "6"), 2.0);
    QVERIFY_THROWS_EXCEPTION(CalcError, OhmsLaw(OhmTarget::Resistance, "12", "0", ""));
    QVERIFY_THROWS_EXCEPTION(CalcError, OhmsLaw(OhmTarget::Volts, "", "2", ""));
}

void TestScience::electricalRows_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<double>>("x");
    QTest::addColumn<QString>("result"); // "fails" when it throws
    const struct {
        int row;
        QList<double> x;
        const char *result;
    } rows[] = {
        {1, {10, 5252, 0}, "10"},
        {2, {745.699872, 5252, 0}, "1"},
        {3, {12, 2, 0}, "24"},
        {4, {230, 2, 0.8}, "368"},
        {5, {400, 10, 0.8}, "5542.56258422042"},
        {6, {12, 1000, 3000}, "V1 = 3   |   V2 = 9"},
        {6, {12, 0, 0}, "fails"},
        {7, {0.745699872, 5252, 0}, "1"},
        {8, {5252, 1, 0}, "1"},
        {9, {10, 230, 0}, "2.3"},
        {10, {10, 400, 0}, "6.92820323027552"},
        {11, {10, 2.3, 0}, "230"},
        {12, {10, 6.92820323027552, 0}, "400"},
        {13, {230, 2.3, 0}, "10"},
        {14, {10, 0, 0}, "0"},
        {15, {5252, 1, 0}, "745.7"},
        {16, {5252, 1, 0}, "1"},
        {17, {1, 5252, 0}, "1"},
        {18, {5252, 1, 0}, "1"},
        {19, {5252, 1, 0}, "745.7"},
        {20, {1, 360, 0}, "12.566370614"},
        {20, {1, 0, 0}, "0"},
        {21, {1, 1, 0}, "10.76391"},
        {22, {100, 2, 0}, "25"},
        {22, {100, 0, 0}, "fails"},
        {23, {12.566370614, 360, 0}, "1"},
        {23, {1, 0, 0}, "fails"},
        {1, {10, 0, 0}, "fails"},
    };
    for (const auto &row : rows)
        QTest::addRow("%d: %g %g %g", row.row, row.x[0], row.x[1], row.x[2])
            << row.row << row.x << row.result;
}

void TestScience::electricalRows() {
    QFETCH(int, row);
    QFETCH(QList<double>, x);
    QFETCH(QString, result);
    QCOMPARE(ElectricalFormulas().size(), std::size_t(23));
    const ElectricalFormula &formula = ElectricalFormulas()[std::size_t(row - 1)];
    if (result == "fails")
        QVERIFY_THROWS_EXCEPTION(CalcError, ElectricalResultText(formula, x[0], x[1], x[2]));
    else
        QCOMPARE(ElectricalResultText(formula, x[0], x[1], x[2]), result);
}

QTEST_APPLESS_MAIN(TestScience)
#include "tst_science.moc"
