// Opens the program's windows one at a time for the accessibility check, which reads them over
// the accessibility bus. Commands come on standard input, one a line; each answer is one line of
// JSON on standard output:
//   open <Window>   the window shown and active: its title, its controls with their captions,
//                   and the accessible name of each control Tab visits, in order
//   tab             Tab pressed: the control Qt has focused
//   example         the first example of the window's help run: the results it shows
//   marked          the first example of the help with a marked box run: the marks
//   close           the window closed
// The event loop runs between commands, so the bus is answered while the check reads it.
#include "app/window_registry.h"
#include "common/input_marks.h"
#include "common/window_access.h"
#include "example_steps.h"
#include "unattended.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSocketNotifier>

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

namespace {

std::unique_ptr<QWidget> window;
QString windowName;

void answer(const QJsonObject &reply) {
    std::fputs(QJsonDocument(reply).toJson(QJsonDocument::Compact).constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

QString accessibleName(QWidget *widget) {
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// What a box is called on screen: the label whose buddy it is, its column's heading, or the
// caption its window gives it.
QString captionOf(QWidget *box) {
    for (QLabel *label : window->findChildren<QLabel *>())
        if (label->buddy() == box && label->isVisible())
            return label->text().remove(QLatin1Char('&'));
    if (QLabel *heading = zq::ColumnCaptionOf(box))
        return heading->text();
    return {};
}

// A button; a choice (a drop-down list: on Linux Qt names it after its current item and leaves
// its caption to the labelled-by relation); a cell of a table of boxes (named after its row
// and column); a box or a result box.
QString kindOf(QWidget *control) {
    if (qobject_cast<QAbstractButton *>(control))
        return QStringLiteral("button");
    if (qobject_cast<QComboBox *>(control))
        return QStringLiteral("choice");
    if (zq::ColumnCaptionOf(control))
        return QStringLiteral("cell");
    if (qobject_cast<QLineEdit *>(control) || qobject_cast<QPlainTextEdit *>(control) ||
        qobject_cast<QAbstractItemView *>(control) || qobject_cast<QComboBox *>(control))
        return zq::IsResult(control) ? QStringLiteral("result") : QStringLiteral("box");
    return QStringLiteral("other");
}

// A control as the check finds it on the bus: by where it stands on the screen.
QJsonObject describe(QWidget *control) {
    auto *button = qobject_cast<QAbstractButton *>(control);
    const QPoint at = control->mapToGlobal(QPoint(0, 0));
    return {{"control", control->objectName()},
            {"kind", kindOf(control)},
            {"caption", button ? button->text().remove(QLatin1Char('&')) : captionOf(control)},
            {"name", accessibleName(control)},
            {"rect", QJsonArray{at.x(), at.y(), control->width(), control->height()}}};
}

// A control Tab stops at: a drop-down list's own box is the list's part, not a stop.
bool tabStop(QWidget *w) {
    return w->window() == window.get() && (w->focusPolicy() & Qt::TabFocus) && w->isVisible() &&
           w->isEnabled() && !w->focusProxy() && !qobject_cast<QComboBox *>(w->parentWidget());
}

// The controls Tab visits from the focused one, each once.
QJsonArray tabOrder() {
    QJsonArray order;
    QWidget *first = QApplication::focusWidget();
    if (!first || first->window() != window.get())
        return order; // a window of text alone
    for (QWidget *w = first; w;) {
        order.append(describe(w));
        do
            w = w->nextInFocusChain();
        while (w != first && !tabStop(w));
        if (w == first)
            break;
    }
    return order;
}

void open(const QString &name) {
    window.reset(zq::createWindow(name));
    windowName = name;
    if (!window) {
        answer({{"error", "no window " + name}});
        return;
    }
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    window->activateWindow();
    QTest::qWaitForWindowActive(window.get(), 5000);
    QJsonArray controls;
    for (QWidget *control : window->findChildren<QWidget *>())
        if (tabStop(control))
            controls.append(describe(control));
    answer({{"title", window->windowTitle()}, {"controls", controls}, {"tabOrder", tabOrder()}});
}

// Runs the first example of the window's help that has a step of the kind wanted; returns what
// its checks expect.
QJsonArray runExample(bool marked) {
    QJsonArray expected;
    for (const QList<zq::ExampleStep> &steps :
         zq::helpExamples(zq::helpPageSource(zq::helpPageName(windowName)))) {
        const bool hasMark = std::any_of(steps.begin(), steps.end(), [](const zq::ExampleStep &s) {
            return s.act == Act::Marked;
        });
        if (marked != hasMark)
            continue;
        for (const zq::ExampleStep &step : steps) {
            QWidget *control = window->findChild<QWidget *>(step.control);
            const bool wanted =
                marked ? step.act == Act::Marked : step.act == Act::Shows || step.act == Act::Lists;
            if (step.act == Act::Shows || step.act == Act::Lists || step.act == Act::Marked) {
                if (wanted && control && !step.value.isEmpty()) {
                    QJsonObject result = describe(control);
                    result.insert("text", step.value);
                    expected.append(result);
                }
                if (marked && wanted)
                    break; // what the example does next may take the mark away
            } else if (step.act != Act::Holds && step.act != Act::Between &&
                       step.act != Act::Stale) {
                run(window.get(), step);
            }
        }
        break;
    }
    QApplication::processEvents();
    return expected;
}

void command(const QString &line) {
    const QString verb = line.section(QLatin1Char(' '), 0, 0);
    if (verb == QLatin1String("open")) {
        open(line.section(QLatin1Char(' '), 1));
    } else if (verb == QLatin1String("tab")) {
        if (!QApplication::focusWidget()) {
            answer({{"error", "no control has the focus"}});
            return;
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QApplication::processEvents();
        answer({{"focus", describe(QApplication::focusWidget())}});
    } else if (verb == QLatin1String("example")) {
        answer({{"results", runExample(false)}});
    } else if (verb == QLatin1String("marked")) {
        answer({{"marks", runExample(true)}});
    } else if (verb == QLatin1String("close")) {
        window.reset();
        answer({{"closed", windowName}});
    } else if (verb == QLatin1String("windows")) {
        answer({{"windows", QJsonArray::fromStringList(zq::windowNames())}});
    } else {
        answer({{"error", "unknown command " + line}});
    }
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    const Unattended unattended;
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        std::string line;
        if (!std::getline(std::cin, line)) {
            QApplication::quit();
            return;
        }
        command(QString::fromStdString(line).trimmed());
    });
    answer({{"ready", true}});
    return QApplication::exec();
}
