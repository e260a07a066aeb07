#pragma once

#include "common/tool_window.h"

#include <cstdint>
#include <functional>

class QLabel;
class QTimer;

namespace zq {

class WindowsRunTime : public ToolWindow {
    Q_OBJECT
public:
    explicit WindowsRunTime(QWidget *parent = nullptr);

    QLabel *Label1;
    QTimer *Timer1;

    // Where the uptime comes from; tests give fixed values.
    std::function<std::int64_t()> uptimeSource;

public slots:
    void Form_Load();
    void Timer1_Timer();
};

} // namespace zq
