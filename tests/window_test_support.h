#pragma once

#include "app/main_window.h"
#include "common/messages.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QList>
#include <QListWidget>
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
// closing with Escape: each opening must show the named window with its designed (empty)
// input again.
inline void verifyOpensAfreshFromCatalog(const QString &title, const QString &windowName) {
    zq::Main main;
    main.show();
    main.List1->setCurrentItem(main.List1->findItems(title, Qt::MatchExactly).value(0));
    for (int opening = 0; opening < 2; ++opening) {
        bool startedEmpty = false;
        const auto probe = onNextModal([&startedEmpty](QWidget *modal) {
            auto *input = modal->findChild<QLineEdit *>();
            startedEmpty = !input || input->text().isEmpty();
            if (input)
                QTest::keyClicks(input, "42");
            QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, Qt::Key_Escape);
        });
        QTest::keyClick(main.List1, Qt::Key_Return);
        QCOMPARE(probe->openedName, windowName);
        QVERIFY(!probe->leftOpen);
        QVERIFY(startedEmpty);
    }
}
