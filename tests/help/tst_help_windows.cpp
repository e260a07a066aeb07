// Every tool's help: a page for every window, worked examples that hold when run through the
// window, formulas that give the examples' results, and F1 from wherever the focus is.
#include "app/tool_catalog.h"
#include "example_steps.h"
#include "help/help_pages.h"
#include "help/help_window.h"
#include "test_support.h"
#include "window_test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QRegularExpression>
#include <QTextBrowser>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

using namespace zq;

namespace {

// The pages that belong to no window: the title that starts the system calculator.
const QString CalculatorPage = QStringLiteral("SystemCalculator");

QString pageTitle(const QString &source) {
    const QRegularExpressionMatch title =
        QRegularExpression(QStringLiteral("^# (.+)$"), QRegularExpression::MultilineOption)
            .match(source);
    return title.captured(1).trimmed();
}

// A small calculator for the formulas of the pages: + - * / ^, brackets, functions and {Box}
// values.
class FormulaValue {
public:
    FormulaValue(const QString &text, const QHash<QString, double> &boxes)
        : m_text(text), m_boxes(boxes) {}

    double value() {
        const double result = sum();
        skipSpaces();
        if (m_at != m_text.size())
            m_failed = true;
        return m_failed ? std::nan("") : result;
    }

private:
    void skipSpaces() {
        while (m_at < m_text.size() && m_text[m_at].isSpace())
            ++m_at;
    }
    bool take(QChar c) {
        skipSpaces();
        if (m_at < m_text.size() && m_text[m_at] == c)
            return ++m_at, true;
        return false;
    }
    double sum() {
        double value = product();
        for (;;) {
            if (take('+'))
                value += product();
            else if (take('-'))
                value -= product();
            else
                return value;
        }
    }
    double product() {
        double value = power();
        for (;;) {
            if (take('*'))
                value *= power();
            else if (take('/'))
                value /= power();
            else
                return value;
        }
    }
    double power() {
        const double base = unary();
        return take('^') ? std::pow(base, power()) : base;
    }
    double unary() { return take('-') ? -unary() : primary(); }
    double primary() {
        skipSpaces();
        if (take('('))
            return closed(sum());
        if (take('{')) {
            const qsizetype end = m_text.indexOf('}', m_at);
            const QString box = m_text.mid(m_at, end - m_at);
            m_at = end + 1;
            if (!m_boxes.contains(box))
                m_failed = true;
            return m_boxes.value(box);
        }
        static const QRegularExpression number(QStringLiteral("\\d+(\\.\\d+)?(E-?\\d+)?"));
        static const QRegularExpression name(QStringLiteral("[a-z]+"));
        if (const auto match = number.match(m_text, m_at, QRegularExpression::NormalMatch,
                                            QRegularExpression::AnchorAtOffsetMatchOption);
            match.hasMatch()) {
            m_at = match.capturedEnd();
            return match.captured().toDouble();
        }
        if (const auto match = name.match(m_text, m_at, QRegularExpression::NormalMatch,
                                          QRegularExpression::AnchorAtOffsetMatchOption);
            match.hasMatch() && (m_at = match.capturedEnd(), take('('))) {
            const double x = sum();
            return closed(function(match.captured(), x));
        }
        m_failed = true;
        return 0;
    }
    double closed(double value) {
        if (!take(')'))
            m_failed = true;
        return value;
    }
    double function(const QString &name, double x) {
        using Function = double (*)(double);
        static const QHash<QString, Function> functions = {
            {"sqrt", [](double x) { return std::sqrt(x); }},
            {"cbrt", [](double x) { return std::cbrt(x); }},
            {"atan", [](double x) { return std::atan(x); }},
        };
        if (const Function f = functions.value(name))
            return f(x);
        m_failed = true;
        return 0;
    }

    QString m_text;
    QHash<QString, double> m_boxes;
    qsizetype m_at = 0;
    bool m_failed = false;
};

// How closely a computed value must meet the number a box shows (the first one in its text):
// to its last digit.
bool meets(double computed, const QString &text) {
    static const QRegularExpression firstNumber(QStringLiteral("-?\\d+(\\.\\d+)?(E[-+]\\d+)?"));
    const QString shown = firstNumber.match(QString(text).remove(',')).captured(); // no grouping
    bool number = false;
    const double value = shown.toDouble(&number);
    if (!number || std::isnan(computed))
        return false;
    const qsizetype point = shown.indexOf('.');
    const bool exponent = shown.contains('E');
    const int decimals = point < 0 || exponent ? 0 : int(shown.size() - point - 1);
    const double slack = (exponent ? 0 : 0.5 * std::pow(10, -decimals)) + 1e-12 * std::fabs(value);
    return std::fabs(computed - value) <= slack;
}

// The page without what a test checks or the window supplies: example values, formulas,
// control references and the sources' names. What is left may hold no number.
QString uncheckedText(const QString &source) {
    QStringList kept;
    bool inExample = false, inFormula = false;
    for (const QString &line : source.split('\n')) {
        if (line.startsWith("```")) {
            inFormula = !inFormula && line.trimmed() == "```formula";
            continue;
        }
        if (line.startsWith("## "))
            inExample = line.startsWith("## Example");
        if (inFormula || line.startsWith("Source:"))
            continue;
        QString text = line;
        if (inExample)
            text.remove(QRegularExpression(QStringLiteral("`[^`]*`")));
        kept << text.remove(QRegularExpression(QStringLiteral("\\{[^}]*\\}")));
    }
    return kept.join('\n');
}

struct PageWindow {
    QString page, window;
};

// Each page with the window it is read in (the calculator's page has none).
QList<PageWindow> pagesWithWindows() {
    QList<PageWindow> pages;
    for (const QString &page : helpPageNames())
        if (page != CalculatorPage)
            pages << PageWindow{page, page};
    return pages;
}

} // namespace

class TestHelpWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyWindowHasAPage();
    void examplesHold_data();
    void examplesHold();
    void formulasGiveTheExamples_data();
    void formulasGiveTheExamples();
    void pagesNameRealControls_data();
    void pagesNameRealControls();
    void numbersAreChecked();
    void f1OpensTheToolsHelp_data();
    void f1OpensTheToolsHelp();
    void programHelp();
};

void TestHelpWindows::initTestCase() {
    QLocale::setDefault(pointLocale());
    QApplication::setQuitOnLastWindowClosed(false);
}

// Every window opens a page, every page belongs to a window (or the calculator title), and
// each tool's page is headed by its catalog title.
void TestHelpWindows::everyWindowHasAPage() {
    const QStringList windows = windowNames();
    for (const QString &window : windows)
        QVERIFY2(!helpPageSource(helpPageName(window)).isEmpty(), qPrintable(window));
    for (const QString &page : helpPageNames())
        QVERIFY2(page == CalculatorPage || windows.contains(page), qPrintable(page));
    int tools = 0;
    for (const ToolEntry &entry : ToolCatalog()) {
        const QString page =
            entry.windowName.empty() ? CalculatorPage : helpPageName(entry.windowNameText());
        QCOMPARE(pageTitle(helpPageSource(page)), entry.titleText());
        ++tools;
    }
    QCOMPARE(tools, 92);
    QCOMPARE(pageTitle(helpPageSource("Main")), QStringLiteral("Zentiqua"));
}

void TestHelpWindows::examplesHold_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("example");
    for (const auto &[page, window] : pagesWithWindows()) {
        const auto examples = helpExamples(helpPageSource(page));
        for (int i = 0; i < examples.size(); ++i)
            QTest::addRow("%s %d", qPrintable(page), i) << window << i;
    }
}

// Each example, step by step through a fresh window, as a user would do it.
void TestHelpWindows::examplesHold() {
    QFETCH(QString, window);
    QFETCH(int, example);
    TemporaryWorkingFolder folder;
    MessageRecorder messages;
    const QList<ExampleStep> steps = helpExamples(helpPageSource(window)).at(example);
    const auto opened = openWindow(window);
    QVERIFY(opened);
    bool checks = false;
    for (const ExampleStep &step : steps) {
        const QString failure = run(opened.get(), step);
        QVERIFY2(failure.isEmpty(), qPrintable(step.line + ": " + failure));
        checks = checks || step.act >= Act::Shows;
    }
    QVERIFY2(checks, "an example that checks nothing");
}

void TestHelpWindows::formulasGiveTheExamples_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("formula");
    for (const auto &[page, window] : pagesWithWindows())
        for (const QString &formula : helpFormulas(helpPageSource(page)))
            QTest::addRow("%s %s", qPrintable(page), qPrintable(formula)) << page << formula;
}

// A formula, worked out with an example's typed values, gives the result the example shows.
void TestHelpWindows::formulasGiveTheExamples() {
    QFETCH(QString, page);
    QFETCH(QString, formula);
    const QRegularExpressionMatch parts =
        QRegularExpression(QStringLiteral("^\\{(\\w+)\\} = (.+)$")).match(formula);
    QVERIFY2(parts.hasMatch(), "written as {Result} = expression");
    bool confirmed = false;
    QStringList tried;
    for (const QList<ExampleStep> &example : helpExamples(helpPageSource(page))) {
        QHash<QString, double> typed;
        QStringList shown; // what the example says the result box shows, or a line of it
        for (const ExampleStep &step : example) {
            if (step.act == Act::Type)
                typed.insert(step.control, QString(step.value).replace(',', '.').toDouble());
            if ((step.act == Act::Shows || step.act == Act::Lists) &&
                step.control == parts.captured(1))
                shown << step.value;
        }
        const double computed = FormulaValue(parts.captured(2), typed).value();
        for (const QString &value : shown) {
            tried << QStringLiteral("%1 against %2").arg(computed, 0, 'g', 17).arg(value);
            confirmed = confirmed || meets(computed, value);
        }
    }
    // Formulas of one branch (a unit, an option) need one example of that branch.
    QVERIFY2(confirmed, qPrintable("no example shows what it gives: " + tried.join("; ")));
}

void TestHelpWindows::pagesNameRealControls_data() {
    QTest::addColumn<QString>("page");
    for (const auto &[page, window] : pagesWithWindows())
        QTest::newRow(qPrintable(page)) << page;
}

// A page names only controls that its windows (the tool and the windows opened from it) have,
// and read in the tool's window nothing is left unfilled.
void TestHelpWindows::pagesNameRealControls() {
    QFETCH(QString, page);
    std::vector<std::unique_ptr<QWidget>> windows;
    for (const QString &window : windowNames())
        if (helpPageName(window) == page)
            windows.push_back(openWindow(window));
    const auto exists = [&](const QString &name) {
        return std::any_of(
            windows.begin(), windows.end(), [&](const std::unique_ptr<QWidget> &window) {
                return window->findChild<QWidget *>(name) || window->findChild<QAction *>(name);
            });
    };
    static const QRegularExpression reference(
        QStringLiteral("\\{(?:(\\w+):)?([A-Za-z_]\\w*)(?:-([A-Za-z_]\\w*))?\\}"));
    const QString source = helpPageSource(page);
    for (const QRegularExpressionMatch &match : reference.globalMatch(source))
        for (const QString &name : {match.captured(2), match.captured(3)})
            QVERIFY2(name.isEmpty() || exists(name), qPrintable(match.captured()));
    const auto tool = openWindow(page);
    const QString shown = helpTextFor(tool.get());
    QVERIFY2(!shown.contains('{') && !shown.contains('}'), qPrintable(shown));
}

// Every number a page states is one a test checks: those of the examples and formulas, or
// one read off the window. What else a page says must do without numbers.
void TestHelpWindows::numbersAreChecked() {
    // A digit that follows a letter, at once or after a hyphen, is part of a name ("MD5", "F1",
    // "UTF-8"); any other starts a number.
    const QRegularExpression number(QStringLiteral("(?<![\\p{L}\\p{N}_])(?<!\\p{L}-)\\p{N}+"));
    for (const QString &page : helpPageNames()) {
        const QRegularExpressionMatch found = number.match(uncheckedText(helpPageSource(page)));
        QVERIFY2(!found.hasMatch(), qPrintable(page + ": " + found.captured()));
    }
}

void TestHelpWindows::f1OpensTheToolsHelp_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("focused");
    QTest::newRow("input box") << "PrimeFactor"
                               << "Text1";
    QTest::newRow("result box") << "PrimeFactor"
                                << "Text2";
    QTest::newRow("button") << "KgPound"
                            << "Command1";
    QTest::newRow("list") << "KgPound"
                          << "List2";
    QTest::newRow("option") << "HexDecA"
                            << "Option2";
    QTest::newRow("modeless bill") << "MenuTracking"
                                   << "TextMasaNo";
    QTest::newRow("window of a tool") << "DivisibilityRules"
                                      << "Command1";
}

// F1 wherever the focus is opens the tool's page beside it; Escape closes the help and
// leaves the tool open; the help's text can be selected and copied from the keyboard.
void TestHelpWindows::f1OpensTheToolsHelp() {
    QFETCH(QString, window);
    QFETCH(QString, focused);
    const auto tool = openWindow(window);
    QWidget *control = tool->findChild<QWidget *>(focused);
    control->setFocus();
    QTest::keyClick(control, Qt::Key_F1);
    auto *help = tool->findChild<Help *>();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QCOMPARE(help->objectName(), QStringLiteral("Help"));
    QCOMPARE(help->windowTitle(), "Help - " + pageTitle(helpPageSource(helpPageName(window))));
    QTest::keyClick(control, Qt::Key_F1); // again: the same help, not a second one
    QCOMPARE(tool->findChildren<Help *>().size(), 1);
    help->txtHelp->setFocus();
    QTest::keyClick(help->txtHelp, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(help->txtHelp, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(QApplication::clipboard()->text().contains(pageTitle(helpPageSource(window))));
    QTest::keyClick(help->txtHelp, Qt::Key_Escape);
    QVERIFY(!help->isVisible());
    QVERIFY(tool->isVisible());
}

void TestHelpWindows::programHelp() {
    Main main;
    main.show();
    main.findChild<QAction *>("HelpContents")->trigger();
    auto *help = main.findChild<Help *>();
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->windowTitle(), QStringLiteral("Help - Zentiqua"));
    QVERIFY(help->txtHelp->toPlainText().contains("Ctrl+F"));
    QCOMPARE(QKeySequence(Qt::Key_F1), main.findChild<QAction *>("HelpContents")->shortcut());
}

QTEST_MAIN(TestHelpWindows)
#include "tst_help_windows.moc"
