#include "app/windows_run_time.h"

#include "app/running_time.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace zq {

WindowsRunTime::WindowsRunTime(QWidget *parent)
    : ToolWindow(parent), uptimeSource(&machineUptimeMs) {
    setObjectName(QStringLiteral("WindowsRunTime"));
    setWindowTitle(QString());

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(9.75);
    Label1->setFont(arial);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(120), twips(240), twips(120), twips(240));
    layout->addWidget(Label1);
    setMinimumWidth(twips(4215));

    // The text changes at most once a minute: a tick a second is plenty.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &WindowsRunTime::Timer1_Timer);
    Form_Load();
}

void WindowsRunTime::Form_Load() {
    Timer1_Timer();
    Timer1->start();
}

void WindowsRunTime::Timer1_Timer() {
    Label1->setText(runningTimeText(uptimeSource()));
}

} // namespace zq
