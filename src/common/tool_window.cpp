#include "common/tool_window.h"

#include "common/input_marks.h"
#include "common/window_access.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopedValueRollback>

namespace zq {

KeyPreview::KeyPreview(QWidget *window, Handler handler)
    : QObject(window), m_window(window), m_handler(std::move(handler)) {
    qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview() {
    qApp->removeEventFilter(this);
}

bool KeyPreview::eventFilter(QObject *watched, QEvent *event) {
    if (m_redelivering || event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    if (static_cast<QWidget *>(watched)->window() != m_window)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const QPointer<QObject> guard(watched);
    if (m_handler(key)) {
        key->accept();
        return true;
    }
    if (!guard)
        return true;
    // Deliver it now, with its usual passage from the control up to the window, so that this
    // handler sees each key once even when the control passes the key on to its parents.
    {
        QScopedValueRollback<bool> redelivering(m_redelivering, true);
        QCoreApplication::sendEvent(watched, event);
    }
    key->accept();
    return true;
}

namespace {

HelpHooks &helpHooks() {
    static HelpHooks hooks;
    return hooks;
}

} // namespace

void setHelpHooks(HelpHooks hooks) {
    helpHooks() = hooks;
}

ToolWindow::ToolWindow(QWidget *parent) : QDialog(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    new KeyPreview(this, [this](QKeyEvent *event) { return Form_KeyDown(event); });
    MakeNoteLine(this);
}

bool ToolWindow::Form_KeyDown(QKeyEvent *event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier && helpHooks().open) {
        helpHooks().open(this);
        return true;
    }
    if (!m_closeOnEscape || event->key() != Qt::Key_Escape || event->modifiers() != Qt::NoModifier)
        return false;
    if (m_cancelButton)
        m_cancelButton->click();
    else
        close();
    return true;
}

void ToolWindow::CancelButton(QPushButton *button) {
    m_cancelButton = button;
}

void ToolWindow::setResizable(bool resizable) {
    m_resizable = resizable;
    Qt::WindowFlags flags =
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (resizable)
        flags |= Qt::WindowMinMaxButtonsHint;
    else
        flags |= Qt::MSWindowsFixedSizeDialogHint;
    setWindowFlags(flags);
}

QMenuBar *ToolWindow::menuBar() {
    if (!m_menuBar)
        m_menuBar = new QMenuBar(this);
    if (layout())
        layout()->setMenuBar(m_menuBar);
    return m_menuBar;
}

QAction *ToolWindow::MenuBarItem(const char *name, const QString &caption) {
    QAction *item = menuBar()->addAction(caption);
    item->setObjectName(QLatin1String(name));
    return item;
}

QMenu *ToolWindow::MenuBarMenu(const QString &caption) {
    return menuBar()->addMenu(caption);
}

void ToolWindow::showEvent(QShowEvent *event) {
    if (layout() && m_menuBar)
        layout()->setMenuBar(m_menuBar);
    PlaceNoteLine(this);
    if (layout()) {
        layout()->setSizeConstraint(m_resizable ? QLayout::SetDefaultConstraint
                                                : QLayout::SetFixedSize);
        layout()->activate();
    }
    if (!m_arranged) {
        m_arranged = true;
        const QList<QWidget *> tabOrder = ArrangeTabOrder(this);
        NameBoxesAfterCaptions(this);
        LetTabLeaveTextBoxes(this);
        AnnounceNewRows(this);
        if (helpHooks().describe)
            helpHooks().describe(this);
        ReapplyInputMarks(this);
        FocusFirstInput(tabOrder);
    }
    QDialog::showEvent(event);
}

void ToolWindow::keyPressEvent(QKeyEvent *event) {
    // A dialog closes on Escape by itself; a window that does not close on Escape keeps it.
    if (!m_closeOnEscape && event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void DefaultButton(QPushButton *button) {
    button->setDefault(true);
}

void NoDefaultButton(std::initializer_list<QPushButton *> buttons) {
    for (QPushButton *button : buttons) {
        button->setDefault(false);
        button->setAutoDefault(false);
    }
}

namespace {

// Answers key presses on one control before the control sees them: `handle` returns true
// when it used the key.
class KeyHandler : public QObject {
public:
    KeyHandler(QWidget *control, std::function<bool(QKeyEvent *)> handle)
        : QObject(control), m_handle(std::move(handle)) {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        return event->type() == QEvent::KeyPress && m_handle(static_cast<QKeyEvent *>(event));
    }

private:
    std::function<bool(QKeyEvent *)> m_handle;
};

bool isPlainEnter(const QKeyEvent *key) {
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           !(key->modifiers() & ~Qt::KeypadModifier);
}

} // namespace

void EnterClicksDefaultButton(QPlainTextEdit *textBox) {
    new KeyHandler(textBox, [textBox](QKeyEvent *key) {
        if (!isPlainEnter(key))
            return false;
        for (QPushButton *button : textBox->window()->findChildren<QPushButton *>()) {
            if (button->isDefault()) {
                button->click();
                return true;
            }
        }
        return false;
    });
}

void SelectAllOnCtrlA(QPlainTextEdit *textBox) {
    new KeyHandler(textBox, [textBox](QKeyEvent *key) {
        if (key->key() != Qt::Key_A || key->modifiers() != Qt::ControlModifier)
            return false;
        textBox->selectAll();
        return true;
    });
}

void ShowToolModal(QWidget *window) {
    if (auto *dialog = qobject_cast<QDialog *>(window)) {
        dialog->exec();
        return;
    }
    const QPointer<QWidget> alive(window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window->show();
    if (alive)
        loop.exec();
}

} // namespace zq
