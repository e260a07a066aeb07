#pragma once

// The hostile pass: texts no tool expects pasted into every box of a window, then every
// button clicked and every menu item triggered. Shared by the test (nothing crashes or hangs)
// and the benchmark (how long the slowest step takes).

#include "fresh_settings.h"
#include "modal_closer.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <functional>
#include <iterator>

inline QStringList hostileTexts() {
    const QChar controls[] = {QChar(0), QChar(1), QChar(8), QChar(0x1B), QChar(0x7F), QChar(0x85)};
    return {QString(),
            QString(1 << 20, QLatin1Char('9')),
            QString(1 << 20, QLatin1Char('(')),
            QStringLiteral("1e99999"),
            QStringLiteral("-0"),
            QStringLiteral("&HFFFFFFFF"),
            QStringLiteral("&O777777777777"),
            QStringLiteral("NaN"),
            QStringLiteral("inf"),
            QStringLiteral("1,5"),
            QString(controls, std::size(controls)) + QStringLiteral("12"),
            QString(QChar(0xD800)) + QStringLiteral("5"),
            QStringLiteral("\u202E\u05D0\u05D1 12 \u0627\u0644"),
            QStringLiteral("\U0001F600\U0001F4A9")};
}

// Every control a user can type or paste into.
inline QList<QWidget *> editableBoxes(QWidget *window) {
    QList<QWidget *> boxes;
    for (QLineEdit *line : window->findChildren<QLineEdit *>())
        if (!line->isReadOnly() && line->isVisible())
            boxes << line;
    for (QPlainTextEdit *plain : window->findChildren<QPlainTextEdit *>())
        if (!plain->isReadOnly() && plain->isVisible())
            boxes << plain;
    return boxes;
}

inline void pasteInto(QWidget *box) {
    box->setFocus();
    if (auto *line = qobject_cast<QLineEdit *>(box)) {
        line->selectAll();
        line->paste();
    } else if (auto *plain = qobject_cast<QPlainTextEdit *>(box)) {
        plain->selectAll();
        plain->paste();
    }
}

// One hostile text through a shown window: pasted into each box, then each button clicked and
// each menu item triggered. `step` is told each act before it starts (`done` false) and after
// it ended with its milliseconds (`done` true). A window that a button closed is shown again.
using HostileStep = std::function<void(const QString &act, bool done, qint64 ms)>;

inline void runHostilePass(QWidget *window, const QString &hostile, const HostileStep &step) {
    ModalCloser closer(window);
    QApplication::clipboard()->setText(hostile);
    const auto act = [&](const QString &what, const std::function<void()> &body) {
        step(what, false, 0);
        QElapsedTimer timer;
        timer.start();
        body();
        QApplication::processEvents();
        step(what, true, timer.elapsed());
        if (!window->isVisible()) // a Close or Exit button: open it again for the next act
            window->show();
    };
    for (QWidget *box : editableBoxes(window))
        act("paste into " + box->objectName(), [box] { pasteInto(box); });
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        if (button->isVisible() && button->isEnabled())
            act("click " + button->objectName(), [button] { button->click(); });
    for (QAction *action : window->findChildren<QAction *>())
        if (!action->objectName().isEmpty() && action->isEnabled())
            act("trigger " + action->objectName(), [action] { action->trigger(); });
}
