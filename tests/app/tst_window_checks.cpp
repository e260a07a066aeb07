// What every window owes its user, checked on all of them: every caption shown whole, no
// controls on top of each other, a tab order that goes from the inputs to the compute button
// to the results, and a name for every box that a screen reader can read out.
#include "app/main_window.h"
#include "app/translations.h"
#include "app/window_registry.h"
#include "common/controls.h"
#include "common/window_access.h"
#include "example_steps.h"
#include "modal_closer.h"
#include "test_support.h"
#include "translation_files.h"
#include "window_test_support.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>

#include <memory>

namespace {

bool isCaption(const QWidget *widget) {
    return qobject_cast<const QLabel *>(widget) || qobject_cast<const QAbstractButton *>(widget) ||
           qobject_cast<const QGroupBox *>(widget);
}

// A box the user reads or types: line and multi-line boxes, lists and editable lists.
bool isBox(const QWidget *widget) {
    if (qobject_cast<const QLineEdit *>(widget))
        return !qobject_cast<const QComboBox *>(widget->parentWidget());
    return qobject_cast<const QPlainTextEdit *>(widget) ||
           qobject_cast<const QAbstractItemView *>(widget) ||
           qobject_cast<const QComboBox *>(widget);
}

std::unique_ptr<QWidget> shown(const QString &name) {
    std::unique_ptr<QWidget> window = openWindow(name);
    QApplication::processEvents();
    return window;
}

// The language the checks run in (empty for English), and its translations of the items the
// examples choose by their English names.
QString language() {
    return qEnvironmentVariable("ZQ_LANGUAGE");
}

const QMultiHash<QString, QString> &translations() {
    static const QMultiHash<QString, QString> translated =
        language().isEmpty() ? QMultiHash<QString, QString>() : translationsInto(language());
    return translated;
}

// Runs an example's step in the windows' language. There only the layout is checked: a step
// that compares a shown text with the English one is left out.
QString runTranslated(QWidget *window, zq::ExampleStep step) {
    if (language().isEmpty())
        return run(window, step);
    if (step.act != Act::Choose)
        return step.act == Act::Type || step.act == Act::Press || step.act == Act::Tick ||
                       step.act == Act::Untick || step.act == Act::Pick
                   ? run(window, step)
                   : QString();
    const QString english = step.value;
    if (run(window, step).isEmpty())
        return {};
    for (const QString &item : translations().values(english))
        if (step.value = item; run(window, step).isEmpty())
            return {};
    return QStringLiteral("no such item");
}

QList<QWidget *> visibleChildren(QWidget *window) {
    QList<QWidget *> children;
    for (QWidget *child : window->findChildren<QWidget *>())
        if (child->isVisible() && child->window() == window)
            children << child;
    return children;
}

} // namespace

class TestWindowChecks : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyWindow_data();
    void captionsShownWhole();
    void captionsShownWhole_data() { everyWindow_data(); }
    void nothingOverlaps();
    void nothingOverlaps_data() { everyWindow_data(); }
    void tabOrder();
    void tabOrder_data() { everyWindow_data(); }
    void boxesHaveNames();
    void boxesHaveNames_data() { everyWindow_data(); }
    void boxesHaveCaptions();
    void boxesHaveCaptions_data() { everyWindow_data(); }
    void resultsShownWhole();
    void resultsShownWhole_data() { everyWindow_data(); }
    void accessKeysClickTheirButtons();
    void accessKeysClickTheirButtons_data() { everyWindow_data(); }
    void mainWindowAtTwoSizes();
    void mainListTypeAhead();
};

// ZQ_LANGUAGE (tr, de) runs every check with the windows in that language and its number forms.
void TestWindowChecks::initTestCase() {
    QLocale::setDefault(language().isEmpty() ? pointLocale() : QLocale(language()));
    if (!language().isEmpty())
        QVERIFY(zq::loadTranslations(QLocale(language())));
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestWindowChecks::everyWindow_data() {
    QTest::addColumn<QString>("name");
    for (const QString &name : zq::windowNames())
        QTest::newRow(qPrintable(name)) << name;
}

namespace {

void checkCaptionsShownWhole(QWidget *window) {
    for (QWidget *caption : visibleChildren(window)) {
        if (!isCaption(caption))
            continue;
        const QSize hint = caption->sizeHint();
        auto *label = qobject_cast<QLabel *>(caption);
        const bool wraps = label && label->wordWrap();
        const int neededHeight = wraps ? label->heightForWidth(label->width()) : hint.height();
        QVERIFY2((wraps || caption->width() >= hint.width()) && caption->height() >= neededHeight,
                 qPrintable(QStringLiteral("%1: %2x%3, needs %4x%5")
                                .arg(caption->objectName())
                                .arg(caption->width())
                                .arg(caption->height())
                                .arg(hint.width())
                                .arg(neededHeight)));
    }
}

void checkNothingOverlaps(QWidget *window) {
    for (QWidget *parent : QList<QWidget *>{window} + visibleChildren(window)) {
        QList<QWidget *> siblings;
        for (QObject *child : parent->children())
            if (auto *widget = qobject_cast<QWidget *>(child); widget && widget->isVisible() &&
                                                               !widget->isWindow() &&
                                                               !qobject_cast<QMenuBar *>(widget))
                siblings << widget;
        for (qsizetype i = 0; i < siblings.size(); ++i)
            for (qsizetype j = i + 1; j < siblings.size(); ++j)
                QVERIFY2(
                    !siblings[i]->geometry().intersects(siblings[j]->geometry()),
                    qPrintable(siblings[i]->objectName() + " on " + siblings[j]->objectName()));
    }
}

} // namespace

void TestWindowChecks::captionsShownWhole() {
    QFETCH(QString, name);
    const auto window = shown(name);
    checkCaptionsShownWhole(window.get());
}

void TestWindowChecks::nothingOverlaps() {
    QFETCH(QString, name);
    const auto window = shown(name);
    checkNothingOverlaps(window.get());
}

// The main window as it opens and at twice that size: nothing cut, nothing on top of anything,
// every title whole and no sideways scrolling.
void TestWindowChecks::mainWindowAtTwoSizes() {
    zq::Main main;
    main.show();
    QApplication::processEvents();
    const QSize opened = main.size();
    for (const QSize size : {opened, opened * 2}) {
        main.resize(size);
        QApplication::processEvents();
        checkCaptionsShownWhole(&main);
        checkNothingOverlaps(&main);
        QVERIFY(!main.List1->horizontalScrollBar()->isVisible());
        QVERIFY(!main.lstCategories->horizontalScrollBar()->isVisible());
        for (QListWidget *list : {main.List1, main.lstCategories})
            for (int row = 0; row < list->count(); ++row)
                QVERIFY2(list->visualItemRect(list->item(row)).width() >=
                             list->fontMetrics().horizontalAdvance(list->item(row)->text()),
                         qPrintable(list->item(row)->text()));
    }
}

// Tab goes through the inputs first, then the compute button, then the results.
void TestWindowChecks::tabOrder() {
    QFETCH(QString, name);
    const auto window = shown(name);
    QPushButton *compute = nullptr;
    for (QPushButton *button : window->findChildren<QPushButton *>())
        if (button->isDefault())
            compute = button;
    if (!compute)
        return; // nothing to compute: no order to keep
    // Tab goes round: read the round from its first input (or from the compute button when
    // there is none). No result before the compute button, no input after it.
    QList<QWidget *> chain;
    for (QWidget *w = window->nextInFocusChain(); w != window.get(); w = w->nextInFocusChain())
        if (w->isVisible() && (w->focusPolicy() & Qt::TabFocus) && w->window() == window.get())
            chain << w;
    qsizetype first = chain.indexOf(compute);
    for (qsizetype i = chain.size() - 1; i >= 0; --i)
        if (!zq::IsResult(chain[i]) && !qobject_cast<QPushButton *>(chain[i]))
            first = i;
    chain = chain.mid(first) + chain.mid(0, first);
    const qsizetype at = chain.indexOf(compute);
    QVERIFY(at >= 0);
    for (qsizetype i = 0; i < chain.size(); ++i) {
        if (i < at)
            QVERIFY2(!zq::IsResult(chain[i]),
                     qPrintable(chain[i]->objectName() + " before compute"));
        if (i > at && isBox(chain[i]))
            QVERIFY2(zq::IsResult(chain[i]), qPrintable(chain[i]->objectName() + " after compute"));
    }
}

void TestWindowChecks::boxesHaveNames() {
    QFETCH(QString, name);
    const auto window = shown(name);
    for (QWidget *box : visibleChildren(window.get())) {
        if (!isBox(box))
            continue;
        if (auto *plain = qobject_cast<QPlainTextEdit *>(box); plain && plain->isReadOnly())
            QVERIFY(plain->textInteractionFlags() & Qt::TextSelectableByKeyboard);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(box);
        QVERIFY(accessible);
        QVERIFY2(!accessible->text(QAccessible::Name).isEmpty(), qPrintable(box->objectName()));
        // and a tooltip saying what it holds
        QVERIFY2(!box->toolTip().isEmpty(), qPrintable(box->objectName() + " has no tooltip"));
    }
}

// Every box has a caption the user sees, and a screen reader reads it as the box's label (or,
// in a table, the box's column heading).
void TestWindowChecks::boxesHaveCaptions() {
    QFETCH(QString, name);
    const auto window = shown(name);
    QList<QWidget *> captioned;
    for (QLabel *label : window->findChildren<QLabel *>())
        if (label->buddy() && label->isVisible() && !label->text().trimmed().isEmpty())
            captioned << label->buddy();
    QStringList missing;
    for (QWidget *box : visibleChildren(window.get())) {
        const QLabel *heading = zq::ColumnCaptionOf(box);
        if (isBox(box) && !captioned.contains(box) && !(heading && heading->isVisible()))
            missing << box->objectName();
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
}

// Every one-line result has room for the longest number the general format writes, and after
// each worked example of the window's help it shows its whole text.
void TestWindowChecks::resultsShownWhole() {
    QFETCH(QString, name);
    TemporaryWorkingFolder folder;
    MessageRecorder messages;
    // The window as it opens, then after each example.
    const QList<QList<zq::ExampleStep>> examples =
        QList<QList<zq::ExampleStep>>{{}} + zq::helpExamples(zq::helpPageSource(name));
    for (const QList<zq::ExampleStep> &steps : examples) {
        const auto window = shown(name);
        for (const zq::ExampleStep &step : steps)
            QVERIFY2(runTranslated(window.get(), step).isEmpty(), qPrintable(step.line));
        QApplication::processEvents();
        for (QWidget *result : visibleChildren(window.get())) {
            if (!zq::IsResult(result))
                continue;
            const QString text = shownText(result);
            int room = -1;
            if (auto *line = qobject_cast<QLineEdit *>(result))
                room = line->width() -
                       (line->sizeHint().width() - 17 * line->fontMetrics().horizontalAdvance('x'));
            else if (auto *label = qobject_cast<QLabel *>(result); label && !label->wordWrap())
                room = label->contentsRect().width();
            if (room < 0)
                continue;
            for (const QString &shown : {text, zq::LongestUsualResult})
                QVERIFY2(result->fontMetrics().horizontalAdvance(shown) <= room,
                         qPrintable(result->objectName() + ": " + shown));
        }
    }
}

// Alt and the marked letter of a button's caption click the button.
void TestWindowChecks::accessKeysClickTheirButtons() {
    QFETCH(QString, name);
    MessageRecorder messages;
    const auto window = shown(name);
    ModalCloser closer(window.get()); // a button may open a file dialog
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        const qsizetype marked = button->text().indexOf('&');
        if (marked < 0 || marked + 1 >= button->text().size() || !button->isVisible())
            continue;
        window->show();
        window->activateWindow(); // access keys act in the active window
        QVERIFY(QTest::qWaitForWindowActive(window.get(), HangBoundMs));
        QSignalSpy clicked(button, &QPushButton::clicked);
        const QChar letter = button->text()[marked + 1].toUpper();
        QTest::keyClick(window.get(), Qt::Key(letter.unicode()), Qt::AltModifier);
        QTRY_VERIFY2_WITH_TIMEOUT(clicked.count() == 1, qPrintable(button->objectName()),
                                  HangBoundMs); // an animated click
    }
}

void TestWindowChecks::mainListTypeAhead() {
    zq::Main main;
    main.show();
    const QString title = QCoreApplication::translate("zq::ToolCatalog", "Weight Converter");
    typeKeys(main.List1, language().isEmpty() ? QStringLiteral("Wei") : title);
    QCOMPARE(main.List1->currentItem()->text(), title);
}

QTEST_MAIN(TestWindowChecks)
#include "tst_window_checks.moc"
