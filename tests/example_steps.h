#pragma once

// Runs the steps of the help pages' worked examples through a window, as a user would.
#include "common/input_marks.h"
#include "help/help_pages.h"
#include "window_test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

using Act = zq::ExampleStep::Act;
using zq::ExampleStep;

inline QStringList linesOf(QWidget *control) {
    if (auto *view = qobject_cast<QAbstractItemView *>(control)) {
        QStringList lines;
        for (int row = 0; row < view->model()->rowCount(); ++row)
            lines << view->model()->index(row, 0).data().toString();
        return lines;
    }
    if (auto *plain = qobject_cast<QPlainTextEdit *>(control))
        return plain->toPlainText().split(QLatin1Char('\n'));
    if (auto *label = qobject_cast<QLabel *>(control))
        return label->text().split(QLatin1Char('\n'));
    if (auto *combo = qobject_cast<QComboBox *>(control))
        return {combo->currentText()};
    if (auto *line = qobject_cast<QLineEdit *>(control))
        return {line->text()};
    return {};
}

inline QString shownText(QWidget *control) {
    return linesOf(control).join(QLatin1Char('\n')).trimmed();
}

inline void typeInto(QWidget *control, const QString &text) {
    if (auto *combo = qobject_cast<QComboBox *>(control))
        control = combo->lineEdit();
    control->setFocus();
    if (auto *line = qobject_cast<QLineEdit *>(control))
        line->selectAll();
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(control))
        plain->selectAll();
    QTest::keyClick(control, Qt::Key_Delete);
    typeKeys(control, text);
}

inline bool chooseIn(QWidget *control, const QString &item) {
    if (auto *combo = qobject_cast<QComboBox *>(control)) {
        const int index = combo->findText(item, Qt::MatchExactly);
        if (index < 0)
            return false;
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        return true;
    }
    if (auto *view = qobject_cast<QAbstractItemView *>(control)) {
        const QModelIndexList found = view->model()->match(
            view->model()->index(0, 0), Qt::DisplayRole, item, 1, Qt::MatchExactly);
        if (found.isEmpty())
            return false;
        view->scrollTo(found.front());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(found.front()).center());
        return view->currentIndex() == found.front();
    }
    return false;
}

// Runs one step; returns what went wrong, or nothing.
inline QString run(QWidget *window, const ExampleStep &step) {
    QWidget *control = window->findChild<QWidget *>(step.control);
    auto *action = window->findChild<QAction *>(step.control);
    if (!control && !(action && step.act == Act::Press))
        return QStringLiteral("no control ") + step.control;
    auto *button = qobject_cast<QAbstractButton *>(control);
    switch (step.act) {
    case Act::Type:
        typeInto(control, step.value);
        return {};
    case Act::Choose:
        return chooseIn(control, step.value) ? QString() : QStringLiteral("no such item");
    case Act::Tick:
    case Act::Untick:
    case Act::Pick:
        if (!button)
            return QStringLiteral("not a check box or option");
        if (button->isChecked() != (step.act != Act::Untick)) // on its mark, not beside it
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
        return button->isChecked() == (step.act != Act::Untick) ? QString()
                                                                : QStringLiteral("stuck");
    case Act::Press:
        if (action)
            action->trigger();
        else if (button)
            QTest::mouseClick(button, Qt::LeftButton);
        else
            return QStringLiteral("not a button");
        return {};
    case Act::Shows:
        return shownText(control) == step.value ? QString() : "shows \"" + shownText(control) + '"';
    case Act::Lists:
        for (const QString &line : linesOf(control))
            if (line.trimmed() == step.value)
                return {};
        return "lists \"" + linesOf(control).join(QStringLiteral("\" \"")) + '"';
    case Act::Holds:
        return shownText(control).size() == step.value.toInt()
                   ? QString()
                   : "holds \"" + shownText(control) + '"';
    case Act::Between: {
        bool number = false;
        const double value = shownText(control).toDouble(&number);
        return number && value >= step.value.toDouble() && value <= step.upTo.toDouble()
                   ? QString()
                   : "shows \"" + shownText(control) + '"';
    }
    case Act::Marked: {
        // The box's frame, its message, and the note line saying it.
        const QString state = control->property("inputState").toString();
        const QString note = shownText(window->findChild<QLabel *>("lblNote"));
        if (state != (step.upTo == "red" ? "error" : "warning") ||
            zq::InputMessageOf(control) != step.value || note.isEmpty())
            return "marked \"" + state + ": " + zq::InputMessageOf(control) + "\", note \"" + note +
                   '"';
        return {};
    }
    case Act::Stale:
        return control->property("stale").toBool() ? QString() : QStringLiteral("not stale");
    case Act::Unknown:
        break;
    }
    return QStringLiteral("a step no test can run");
}

} // namespace
