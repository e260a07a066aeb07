// Tools used in Turkish and in German as a user of that language would: the windows speak the
// language, read and write numbers in its forms, and the main window finds tools by its words
// and by English ones.
#include "app/main_window.h"
#include "app/tool_search.h"
#include "app/translations.h"
#include "example_steps.h"
#include "test_support.h"

#include <QListWidget>

namespace {

// Each row: the language, the window, its title, then steps as the help pages write them.
struct TranslatedUse {
    const char *language, *window, *title, *steps;
};

constexpr TranslatedUse Uses[] = {
    {"de", "Factorial", "Fakultätsrechner",
     "- Type `20` in {Text1}.\n- Press {Command1}.\n- {Text2} shows `2,43290200817664E+18`."},
    {"de", "Factorial", "Fakultätsrechner",
     "- Type `171` in {Text1}.\n- Press {Command1}.\n"
     "- {Text1} is marked in red: `Eine ganze Zahl von 0 bis 170`."},
    {"de", "PrimeNonPrime", "Primzahlen, Nicht-Primzahlen",
     "- Type `10` in {Text1}.\n- Press {Command1}.\n- {List1} lists `7   Primzahl`.\n"
     "- {List1} lists `9   keine Primzahl`."},
    {"de", "CharacterNumber", "Zeichenzähler",
     "- Type `banana` in {Text1}.\n- Type `a` in {Text2}.\n- Press {Command1}.\n"
     "- {Text3} shows `Es sind 3 Zeichen.`."},
    {"de", "BodyMass", "BMI-Rechner",
     "- Tick {Check1}.\n- Type `70` in {Text1}.\n- Type `175` in {Text2}.\n- Press {Command1}.\n"
     "- {Text3} shows `22,9`."},
    {"de", "QuadraticEq", "Löser für quadratische Gleichungen",
     "- Type `1` in {txtA}.\n- Type `-3` in {txtB}.\n- Type `2` in {txtC}.\n"
     "- Type `0` in {txtNum}.\n- Press {cmdSolve}.\n- {lblState} shows `Lösungen:`.\n"
     "- {lblRoot1} shows `2`."},
    {"de", "Mortgage", "Hypothekenrechner",
     "- Type `100000` in {Text1}.\n- Type `30` in {Text2}.\n- Type `6,5` in {Text3}.\n"
     "- Press {Command1}.\n- {Text4} shows `632,07`.\n- {Text5} shows `227.544,49`."},
    {"de", "Burclar", "Sternzeichenrechner",
     "- Type `23` in {Text1}.\n- Type `7` in {Text2}.\n- Press {Command1}.\n"
     "- {Text3} shows `Löwe`."},
    {"de", "Birthday", "Geburtstagsrechner",
     "- Type `1` in {Text1}.\n- Type `1` in {Text2}.\n- Type `2000` in {Text3}.\n"
     "- Press {Command1}.\n- {Text4} lists `Wochentag der Geburt: Samstag`."},
    {"de", "KgPound", "Gewichtsumrechner",
     "- Type `1,5` in {Text1}.\n- Choose `Gramm` in {List1}.\n- Choose `Kilogramm` in {List2}.\n"
     "- Press {Command1}.\n- {Text2} shows `0,0015`."},
    {"de", "Roman", "Zahlen in römische Ziffern",
     "- Type `1994` in {Text1}.\n- Press {Command1}.\n- {Text2} shows `MCMXCIV`."},
    {"tr", "Factorial", "Faktöriyel Hesaplayıcı",
     "- Type `20` in {Text1}.\n- Press {Command1}.\n- {Text2} shows `2,43290200817664E+18`."},
    {"tr", "Factorial", "Faktöriyel Hesaplayıcı",
     "- Type `171` in {Text1}.\n- Press {Command1}.\n"
     "- {Text1} is marked in red: `0 ile 170 arasında bir tam sayı`."},
    {"tr", "PrimeNonPrime", "Asal ve Asal Olmayan Sayılar",
     "- Type `10` in {Text1}.\n- Press {Command1}.\n- {List1} lists `7   asal`.\n"
     "- {List1} lists `9   asal değil`."},
    {"tr", "CharacterNumber", "Karakter Sayısı Hesaplayıcı",
     "- Type `banana` in {Text1}.\n- Type `a` in {Text2}.\n- Press {Command1}.\n"
     "- {Text3} shows `3 karakter var.`."},
    {"tr", "BodyMass", "VKİ Hesaplayıcı",
     "- Tick {Check1}.\n- Type `70` in {Text1}.\n- Type `175` in {Text2}.\n- Press {Command1}.\n"
     "- {Text3} shows `22,9`."},
    {"tr", "QuadraticEq", "İkinci Derece Denklem Çözücü",
     "- Type `1` in {txtA}.\n- Type `-3` in {txtB}.\n- Type `2` in {txtC}.\n"
     "- Type `0` in {txtNum}.\n- Press {cmdSolve}.\n- {lblState} shows `Denklemin kökleri:`.\n"
     "- {lblRoot1} shows `2`."},
    {"tr", "Mortgage", "Konut Kredisi Hesaplayıcı",
     "- Type `100000` in {Text1}.\n- Type `30` in {Text2}.\n- Type `6,5` in {Text3}.\n"
     "- Press {Command1}.\n- {Text4} shows `632,07`.\n- {Text5} shows `227.544,49`."},
    {"tr", "Burclar", "Burç Hesaplayıcı",
     "- Type `23` in {Text1}.\n- Type `7` in {Text2}.\n- Press {Command1}.\n"
     "- {Text3} shows `Aslan`."},
    {"tr", "Birthday", "Doğum Günü Hesaplayıcı",
     "- Type `1` in {Text1}.\n- Type `1` in {Text2}.\n- Type `2000` in {Text3}.\n"
     "- Press {Command1}.\n- {Text4} lists `Doğduğunuz gün: Cumartesi`."},
    {"tr", "KgPound", "Ağırlık Dönüştürücü",
     "- Type `1,5` in {Text1}.\n- Choose `Gram` in {List1}.\n- Choose `Kilogram` in {List2}.\n"
     "- Press {Command1}.\n- {Text2} shows `0,0015`."},
    {"tr", "Roman", "Sayıdan Romen Rakamına",
     "- Type `1994` in {Text1}.\n- Press {Command1}.\n- {Text2} shows `MCMXCIV`."},
};

} // namespace

class TestTranslatedWindows : public QObject {
    Q_OBJECT

private slots:
    void init() { QApplication::setQuitOnLastWindowClosed(false); }
    void cleanup() {
        zq::loadTranslations(pointLocale());
        QLocale::setDefault(pointLocale());
    }
    void toolsSpeakTheLanguage_data();
    void toolsSpeakTheLanguage();
    void onlyEnglishNeedsNoTranslation();
    void searchReadsBothLanguages_data();
    void searchReadsBothLanguages();
    void mainWindowSpeaksTheLanguage();
};

void TestTranslatedWindows::toolsSpeakTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("steps");
    for (const TranslatedUse &use : Uses)
        QTest::addRow("%s %s %d", use.language, use.window, int(&use - Uses))
            << QString::fromUtf8(use.language) << QString::fromUtf8(use.window)
            << QString::fromUtf8(use.title) << QString::fromUtf8(use.steps);
}

void TestTranslatedWindows::toolsSpeakTheLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, window);
    QFETCH(QString, title);
    QFETCH(QString, steps);
    QLocale::setDefault(QLocale(language));
    QVERIFY(zq::loadTranslations(QLocale(language)));
    const auto shown = openWindow(window);
    QVERIFY(shown);
    QCOMPARE(shown->windowTitle(), title);
    const QList<QList<zq::ExampleStep>> examples =
        zq::helpExamples(QStringLiteral("## Example\n\n") + steps + QLatin1Char('\n'));
    QCOMPARE(examples.size(), 1);
    for (const zq::ExampleStep &step : examples.front()) {
        const QString wrong = run(shown.get(), step);
        QVERIFY2(wrong.isEmpty(), qPrintable(step.line + ' ' + wrong));
    }
}

void TestTranslatedWindows::onlyEnglishNeedsNoTranslation() {
    QVERIFY(zq::loadTranslations(QLocale(QLocale::English)));
    QVERIFY(!zq::loadTranslations(QLocale(QLocale::French)));
    QCOMPARE(QCoreApplication::translate("zq::Factorial", "Factorial Calculator"),
             QStringLiteral("Factorial Calculator"));
    QVERIFY(zq::loadTranslations(QLocale(QLocale::German)));
    QCOMPARE(QCoreApplication::translate("zq::Factorial", "Factorial Calculator"),
             QStringLiteral("Fakultätsrechner"));
    QVERIFY(zq::loadTranslations(QLocale(QLocale::Turkish)));
    QCOMPARE(QCoreApplication::translate("zq::Factorial", "Factorial Calculator"),
             QStringLiteral("Faktöriyel Hesaplayıcı"));
}

// Words typed in the program's language or in English, in any case, find the same tool.
void TestTranslatedWindows::searchReadsBothLanguages_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("finds"); // an English title, found in the language
    const auto row = [](const char *language, QStringList typed, const char *finds) {
        QTest::addRow("%s %s", language, qPrintable(typed.front()))
            << QString::fromUtf8(language) << typed << QString::fromUtf8(finds);
    };
    row("de", {"Kredit", "loan", "KREDIT"}, "Auto Loan Calculator");
    row("de", {"Zinsen", "interest"}, "Simple Interest Calculator");
    row("de", {"Gewicht", "weight", "kg"}, "Weight Converter");
    row("tr", {"ısı", "ISI", "Isı", "heat"}, "Heat Index Calculator");
    row("tr", {"ışık", "IŞIK", "Işık"}, "Length Converter");
    row("tr", {"inç", "İnç", "İNÇ", "INÇ", "inch"}, "Length Converter");
    row("tr", {"kredi", "KREDİ", "loan"}, "Auto Loan Calculator");
    row("en", {"İnç", "inç", "INÇ", "inc"}, "Length Converter");
}

void TestTranslatedWindows::searchReadsBothLanguages() {
    QFETCH(QString, language);
    QFETCH(QStringList, typed);
    QFETCH(QString, finds);
    zq::loadTranslations(QLocale(language));
    const QString title = QCoreApplication::translate("zq::ToolCatalog", qPrintable(finds));
    for (const QString &words : typed)
        QVERIFY2(zq::findTools(words).contains(title), qPrintable(words));
}

// The categories, the titles in the language's order and the note of a vain search.
void TestTranslatedWindows::mainWindowSpeaksTheLanguage() {
    const struct {
        const char *language, *allTools, *finance, *noMatch, *first, *second;
    } rows[] = {
        {"de", "Alle Werkzeuge (92)", "Finanzen (9)", "Kein Werkzeug passt zu „xyzzy“.",
         "Abschreibungsrechner", "Adsense-Code-Umwandler"},
        {"tr", "Tüm araçlar (92)", "Finans (9)", "\"xyzzy\" ile eşleşen araç yok.",
         "Açı Dönüştürücü", "Adsense Kod Dönüştürücü"},
    };
    for (const auto &row : rows) {
        QVERIFY(zq::loadTranslations(QLocale(QString::fromUtf8(row.language))));
        zq::Main main;
        main.show();
        QCOMPARE(main.lstCategories->item(0)->text(), QString::fromUtf8(row.allTools));
        QCOMPARE(main.lstCategories->item(4)->text(), QString::fromUtf8(row.finance));
        // The titles in the order of the language's alphabet.
        QCOMPARE(main.List1->item(0)->text(), QString::fromUtf8(row.first));
        QCOMPARE(main.List1->item(1)->text(), QString::fromUtf8(row.second));
        QTest::keyClicks(main.txtSearch, "xyzzy");
        QCOMPARE(main.lblNoMatch->text(), QString::fromUtf8(row.noMatch));
    }
}

QTEST_MAIN(TestTranslatedWindows)
#include "tst_translated_windows.moc"
