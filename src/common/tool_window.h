#pragma once

#include <QDialog>

#include <functional>

class QAction;
class QKeyEvent;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;

namespace zq {

// Lets a window see every key press before the control that has the focus. The handler returns
// true when it consumed the key; otherwise the key goes on to the control as usual.
class KeyPreview : public QObject {
public:
    using Handler = std::function<bool(QKeyEvent *)>;
    KeyPreview(QWidget *window, Handler handler);
    ~KeyPreview() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    Handler m_handler;
    bool m_redelivering = false;
};

// What F1 in a tool window opens, and what gives a window's boxes their tooltips when it is
// first shown; the help, which stands above the tool windows, fills these in.
struct HelpHooks {
    void (*open)(QWidget *window) = nullptr;
    void (*describe)(QWidget *window) = nullptr;
};
void setHelpHooks(HelpHooks hooks);

// The shared frame of every tool window: fixed size, no minimise or maximise button, centred,
// deleted when closed (so the next opening starts from the designed contents), and closing on
// Escape whatever control has the focus.
class ToolWindow : public QDialog {
    Q_OBJECT
public:
    explicit ToolWindow(QWidget *parent = nullptr);

protected:
    // Key preview handler: Escape closes the window (through its cancel button when it has one),
    // F1 opens its help. Returns true when the key was consumed.
    virtual bool Form_KeyDown(QKeyEvent *event);

    // The button that Escape clicks, for windows that close through a button.
    void CancelButton(QPushButton *button);
    // Windows that do not close on Escape turn this off.
    void setCloseOnEscape(bool enabled) { m_closeOnEscape = enabled; }
    // Resizable windows get minimise and maximise buttons and no fixed size.
    void setResizable(bool resizable);

    // A top-level menu-bar item that acts when clicked ("Save", "Help").
    QAction *MenuBarItem(const char *name, const QString &caption);
    // A menu of the menu bar ("File"); its items are added to it.
    QMenu *MenuBarMenu(const QString &caption);

    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QMenuBar *menuBar();
    QMenuBar *m_menuBar = nullptr;
    QPushButton *m_cancelButton = nullptr;
    bool m_closeOnEscape = true;
    bool m_resizable = false;
    bool m_arranged = false;
};

// The window's compute button: Enter in any control that does not use Enter clicks it.
void DefaultButton(QPushButton *button);
// Windows without a default button: Enter clicks none of these buttons.
void NoDefaultButton(std::initializer_list<QPushButton *> buttons);

// Enter in a multi-line box that holds one value clicks the window's default button instead of
// starting a new line.
void EnterClicksDefaultButton(QPlainTextEdit *textBox);

// Ctrl+A in the text box selects its whole text (read-only boxes included).
void SelectAllOnCtrlA(QPlainTextEdit *textBox);

// Shows a tool window modally and returns when it has been closed.
void ShowToolModal(QWidget *window);

// Gives a control its name, the name tests and users' scripts find it by.
template <class Control> Control *named(Control *control, const char *name) {
    control->setObjectName(QLatin1String(name));
    return control;
}

// Converts designed twips to pixels at the usual 15 twips a pixel.
constexpr int twips(int value) {
    return (value + 7) / 15;
}

} // namespace zq
