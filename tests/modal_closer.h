#pragma once

#include <QApplication>
#include <QProgressDialog>
#include <QTimer>
#include <QWidget>

// Closes whatever modal window a click opens (a summary, a help, a progress dialog), so a
// click always comes back.
class ModalCloser : public QObject {
public:
    explicit ModalCloser(QWidget *underTest) : m_underTest(underTest) {
        m_timer.setInterval(20);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || modal == m_underTest)
                return;
            if (auto *progress = qobject_cast<QProgressDialog *>(modal))
                progress->cancel();
            else
                modal->close();
        });
        m_timer.start();
    }

private:
    QWidget *m_underTest;
    QTimer m_timer;
};
