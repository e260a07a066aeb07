#include "common/input_marks.h"

#include "common/calc_error.h"
#include "common/text_boxes.h"
#include "common/window_access.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>

namespace zq {
namespace {

const char *const StateProperty = "inputState";
const char *const MessageProperty = "zqInputMessage";
const char *const MarkedTextProperty = "zqMarkedText";
const char *const PlainToolTipProperty = "zqPlainToolTip";
const char *const PlainDescriptionProperty = "zqPlainDescription";
const char *const WatchedProperty = "zqMarkWatched";
const QString NoteName = QStringLiteral("lblNote");
int errorMarks = 0;

// Red and amber that stand out on a light and on a dark background alike.
QColor frameColor(InputState state) {
    return state == InputState::Error ? QColor(0xD3, 0x2F, 0x2F) : QColor(0xF0, 0xA2, 0x02);
}

QString stateName(InputState state) {
    switch (state) {
    case InputState::Error:
        return QStringLiteral("error");
    case InputState::Warning:
        return QStringLiteral("warning");
    case InputState::Fine:
        break;
    }
    return {};
}

// Paints the mark's frame over the box once the box has painted itself.
class MarkFramePainter : public QObject {
public:
    static MarkFramePainter *instance() {
        static auto *painter = new MarkFramePainter;
        return painter;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::Paint || m_painting || !watched->isWidgetType())
            return false;
        auto *box = static_cast<QWidget *>(watched);
        const InputState state = InputStateOf(box);
        if (state == InputState::Fine)
            return false;
        m_painting = true;
        QCoreApplication::sendEvent(box, event);
        m_painting = false;
        QPainter painter(box);
        const int width = std::max(2, box->fontMetrics().height() / 8);
        painter.setPen(QPen(frameColor(state), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        const int inset = width / 2;
        painter.drawRect(box->rect().adjusted(inset, inset, -inset - (width % 2 ? 1 : 0),
                                              -inset - (width % 2 ? 1 : 0)));
        return true;
    }

private:
    bool m_painting = false;
};

// Editing a marked box clears its mark: what the mark said was said of another text.
void clearWhenEdited(QWidget *box) {
    if (box->property(WatchedProperty).toBool())
        return;
    box->setProperty(WatchedProperty, true);
    auto edited = [guard = QPointer<QWidget>(box)] {
        if (guard && InputStateOf(guard) != InputState::Fine &&
            BoxText(guard) != guard->property(MarkedTextProperty).toString())
            ClearInputMark(guard);
    };
    if (auto *line = qobject_cast<QLineEdit *>(box))
        QObject::connect(line, &QLineEdit::textChanged, box, edited);
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(box))
        QObject::connect(plain, &QPlainTextEdit::textChanged, box, edited);
    else if (auto *combo = qobject_cast<QComboBox *>(box))
        QObject::connect(combo, &QComboBox::currentTextChanged, box, edited);
}

QLabel *noteLineOf(QWidget *window) {
    return window ? window->findChild<QLabel *>(NoteName, Qt::FindDirectChildrenOnly) : nullptr;
}

} // namespace

InputState InputStateOf(const QWidget *box) {
    const QString state = box->property(StateProperty).toString();
    if (state == QLatin1String("error"))
        return InputState::Error;
    if (state == QLatin1String("warning"))
        return InputState::Warning;
    return InputState::Fine;
}

QString InputMessageOf(const QWidget *box) {
    return box->property(MessageProperty).toString();
}

void MarkInput(QWidget *box, InputState state, const QString &message) {
    if (state == InputState::Fine) {
        ClearInputMark(box);
        return;
    }
    if (InputStateOf(box) == InputState::Fine) {
        box->setProperty(PlainToolTipProperty, box->toolTip());
        box->setProperty(PlainDescriptionProperty, box->accessibleDescription());
    }
    if (state == InputState::Error)
        ++errorMarks;
    box->setProperty(StateProperty, stateName(state));
    box->setProperty(MessageProperty, message);
    box->setProperty(MarkedTextProperty, BoxText(box)); // a mark is of this text
    box->setToolTip(message);
    SetSpokenDescription(box, message);
    box->installEventFilter(MarkFramePainter::instance());
    clearWhenEdited(box);
    box->update();
    UpdateNoteLine(box->window());
}

void ClearInputMark(QWidget *box) {
    if (box->property(StateProperty).isValid() && InputStateOf(box) != InputState::Fine) {
        box->setToolTip(box->property(PlainToolTipProperty).toString());
        SetSpokenDescription(box, box->property(PlainDescriptionProperty).toString());
        box->update();
    }
    box->setProperty(StateProperty, QString());
    box->setProperty(MessageProperty, QVariant());
    box->removeEventFilter(MarkFramePainter::instance());
    UpdateNoteLine(box->window());
}

int ErrorMarksMade() {
    return errorMarks;
}

void RejectInput(QWidget *box, const QString &message) {
    MarkInput(box, InputState::Error, message);
    throw CalcError(CalcError::Kind::InvalidArgument, "input rejected");
}

QLabel *MakeNoteLine(QWidget *window) {
    auto *note = new QLabel(window);
    note->setObjectName(NoteName);
    note->setTextFormat(Qt::PlainText);
    note->setTextInteractionFlags(Qt::TextSelectableByMouse);
    note->hide();
    return note;
}

void PlaceNoteLine(QWidget *window) {
    QLabel *note = noteLineOf(window);
    QLayout *layout = window->layout();
    if (!note || !layout || layout->indexOf(note) >= 0)
        return;
    if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
        grid->addWidget(note, grid->rowCount(), 0, 1, std::max(1, grid->columnCount()));
        return;
    }
    auto *box = qobject_cast<QBoxLayout *>(layout);
    if (!box)
        return;
    if (box->direction() == QBoxLayout::LeftToRight ||
        box->direction() == QBoxLayout::RightToLeft) {
        // A window laid out in a row gets the row above its note.
        auto *row = new QBoxLayout(box->direction());
        row->setSpacing(box->spacing());
        while (box->count() > 0) {
            const int stretch = box->stretch(0);
            row->addItem(box->takeAt(0));
            row->setStretch(row->count() - 1, stretch);
        }
        box->setDirection(QBoxLayout::TopToBottom);
        box->addLayout(row, 1);
    }
    box->addWidget(note);
}

void UpdateNoteLine(QWidget *window) {
    QLabel *note = noteLineOf(window);
    if (!note)
        return;
    QWidget *first = nullptr;
    // The first marked box in tab order; a box outside the tab chain comes after those in it.
    for (QWidget *w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain())
        if (w->window() == window && InputStateOf(w) != InputState::Fine) {
            first = w;
            break;
        }
    if (!first)
        for (QWidget *w : window->findChildren<QWidget *>())
            if (InputStateOf(w) != InputState::Fine) {
                first = w;
                break;
            }
    const QString message = first ? InputMessageOf(first) : QString();
    note->setText(message);
    note->setVisible(!message.isEmpty());
}

void ReapplyInputMarks(QWidget *window) {
    for (QWidget *box : window->findChildren<QWidget *>()) {
        const InputState state = InputStateOf(box);
        if (state == InputState::Fine || box->toolTip() == InputMessageOf(box))
            continue;
        box->setProperty(PlainToolTipProperty, box->toolTip());
        box->setToolTip(InputMessageOf(box));
    }
}

} // namespace zq
