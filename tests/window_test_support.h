#pragma once

#include "app/main_window.h"
#include "app/window_registry.h"
#include "common/messages.h"
#include "fresh_settings.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

// Records every message the program shows and answers with a fixed button.
struct MessageRecorder {
    QList<zq::Message> messages;
    zq::MessageAnswer answer = zq::MessageAnswer::Ok;
    zq::MessageHandler previous;
    MessageRecorder() {
        previous = zq::setMessageHandler([this](QWidget *, const zq::Message &message) {
            messages << message;
            return answer;
        });
    }
    ~MessageRecorder() { zq::setMessageHandler(previous); }
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;
};

// Acts on the modal window that the next call opens, once it is shown. Remembers its name,
// and closes it after a while if the act left it open, so a broken window cannot hang a test.
struct ModalProbe {
    QString openedName;
    bool leftOpen = false;
};

inline std::shared_ptr<ModalProbe> onNextModal(std::function<void(QWidget *)> act) {
    auto probe = std::make_shared<ModalProbe>();
    QTimer::singleShot(0, [probe, act] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        probe->openedName = modal->objectName();
        act(modal);
        QTimer::singleShot(1000, [probe, guard = QPointer<QWidget>(modal)] {
            if (guard && guard->isVisible()) {
                probe->leftOpen = true;
                guard->close();
            }
        });
    });
    return probe;
}

// Opens the title from the main list twice, typing into the first input box each time and
// closing with Escape: each opening must show the named window with its designed input again.
inline void verifyOpensAfreshFromCatalog(const QString &title, const QString &windowName) {
    zq::Main main;
    main.show();
    main.List1->setCurrentItem(main.List1->findItems(title, Qt::MatchExactly).value(0));
    QStringList designed;
    for (int opening = 0; opening < 2; ++opening) {
        const auto probe = onNextModal([&designed](QWidget *modal) {
            auto *input = modal->findChild<QLineEdit *>();
            designed << (input ? input->text() : QString());
            if (input)
                QTest::keyClicks(input, "42");
            QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, Qt::Key_Escape);
        });
        QTest::keyClick(main.List1, Qt::Key_Return);
        QCOMPARE(probe->openedName, windowName);
        QVERIFY(!probe->leftOpen);
    }
    QCOMPARE(designed.size(), 2);
    QCOMPARE(designed[1], designed[0]);
}

// Opens a window as the main list does, shown and kept after closing so the test can read it.
inline std::unique_ptr<QWidget> openWindow(const QString &name) {
    std::unique_ptr<QWidget> window(zq::createWindow(name));
    if (window) {
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
    }
    return window;
}

template <class Control = QWidget> Control *control(QWidget *window, const QString &name) {
    return window->findChild<Control *>(name);
}

inline void setText(QWidget *window, const QString &box, const QString &text) {
    if (auto *line = control<QLineEdit>(window, box))
        line->setText(text);
    else
        control<QPlainTextEdit>(window, box)->setPlainText(text);
}

// Key presses that type a text, beyond ASCII too: such a key gives its character as text, as
// a keyboard layout or input method does, and a character beyond the basic plane comes whole.
inline void typeKeys(QWidget *target, const QString &text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].unicode() < 0x80) {
            QTest::keyClick(target, text[i].toLatin1());
            continue;
        }
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, text.mid(i, length), {});
        i += length - 1;
    }
}

// Types into a box as a user would, replacing what it held.
inline void type(QWidget *window, const QString &box, const QString &text) {
    QWidget *target = control(window, box);
    target->setFocus();
    if (auto *line = qobject_cast<QLineEdit *>(target))
        line->selectAll();
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(target))
        plain->selectAll();
    QTest::keyClick(target, Qt::Key_Delete);
    typeKeys(target, text);
}

inline void typeAndEnter(QWidget *window, const QString &box, const QString &text) {
    type(window, box, text);
    QTest::keyClick(control(window, box), Qt::Key_Return);
}

inline void click(QWidget *window, const QString &button) {
    QTest::mouseClick(control(window, button), Qt::LeftButton);
}

// What a text box or label shows.
inline QString textOf(QWidget *window, const QString &name) {
    if (auto *line = control<QLineEdit>(window, name))
        return line->text();
    if (auto *label = control<QLabel>(window, name))
        return label->text();
    return control<QPlainTextEdit>(window, name)->toPlainText();
}

// The saved message: the tool's sentence, then the full path of the file in the working folder.
inline QString savedMessage(const QString &sentence, const QString &fileName) {
    return sentence + '\n' + QDir::toNativeSeparators(QDir::current().absoluteFilePath(fileName));
}

// How a box is marked: "error", "warning" or "" (read as typed).
inline QString markOf(QWidget *window, const QString &box) {
    return control(window, box)->property("inputState").toString();
}

// Types "Box=text" into each box, presses Enter in the first, then expects "Box=text" in each
// box named in `shown`, or "Box#error" (#warning) as the box's mark. Boxes to be shown start
// as "old", so that a failure that leaves them as they were shows as "old".
inline void verifyFormRow(const QString &windowName, const QStringList &typed,
                          const QStringList &shown) {
    const auto form = openWindow(windowName);
    for (const QString &expected : shown)
        if (!expected.contains('#'))
            setText(form.get(), expected.section('=', 0, 0), "old");
    for (const QString &entry : typed)
        type(form.get(), entry.section('=', 0, 0), entry.section('=', 1));
    QTest::keyClick(control(form.get(), typed.value(0).section('=', 0, 0)), Qt::Key_Return);
    for (const QString &expected : shown) {
        if (expected.contains('#'))
            QCOMPARE(markOf(form.get(), expected.section('#', 0, 0)), expected.section('#', 1));
        else
            QCOMPARE(textOf(form.get(), expected.section('=', 0, 0)), expected.section('=', 1));
    }
}

// Rows for verifyFormRow: the window, the boxes typed and the boxes expected.
struct FormCase {
    const char *window;
    QStringList typed, shown;
};

inline void addFormCases(std::initializer_list<FormCase> cases) {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("shown");
    for (const FormCase &row : cases)
        QTest::addRow("%s %s", row.window, qPrintable(row.typed.join('|')))
            << QString::fromLatin1(row.window) << row.typed << row.shown;
}

// Chooses an item of a combo box as the user does with the mouse or the arrow keys.
inline void choose(QWidget *window, const QString &combo, const QString &item) {
    auto *box = control<QComboBox>(window, combo);
    const int index = box->findText(item, Qt::MatchExactly);
    QVERIFY2(index >= 0, qPrintable(item));
    box->setCurrentIndex(index);
    emit box->activated(index);
}

// Double-clicks a row of a list as the user does: a press on it first, then the double click.
inline void doubleClickRow(QAbstractItemView *list, const QModelIndex &row) {
    const QPoint centre = list->visualRect(row).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

inline QStringList listLines(QWidget *window, const QString &name = QStringLiteral("List1")) {
    auto *list = control<QListWidget>(window, name);
    QStringList lines;
    for (int row = 0; row < list->count(); ++row)
        lines << list->item(row)->text();
    return lines;
}
