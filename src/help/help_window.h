#pragma once

#include "common/tool_window.h"

class QPushButton;
class QTextBrowser;

namespace zq {

// The help of a tool (F1 in its window) or of the program: the page to read, scroll and copy
// from, closed with Escape or Close.
class Help : public ToolWindow {
    Q_OBJECT
public:
    // The program's help.
    explicit Help(QWidget *parent = nullptr);
    // The page of `tool`, its controls called as the tool window calls them, beside `parent`
    // (the tool, or a window of it that is in front).
    Help(QWidget *tool, const QString &pageName, QWidget *parent);

    QTextBrowser *txtHelp;
    QPushButton *cmdClose;

public slots:
    void cmdClose_Click();

protected:
    bool Form_KeyDown(QKeyEvent *event) override;
};

// Opens (or brings up) the help for a window: a tool's page, or the program's.
void showHelpFor(QWidget *window);

// The page of a window rendered with the window's own captions; empty when it has none.
QString helpTextFor(QWidget *window);

// Gives the boxes of a window the tooltips of its page.
void describeBoxesFromHelp(QWidget *window);

// Makes F1 and first showings of tool windows use the help.
void installHelp();

} // namespace zq
