#include "common/window_access.h"

#include "common/controls.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <QVariantMap>

#include <algorithm>
#include <climits>

namespace zq {

void MarkResult(QWidget *control) {
    control->setProperty("zqResult", true);
    if (auto *label = qobject_cast<QLabel *>(control)) {
        // Wide enough for any number the general format writes; what it shows now is what it
        // shows again when there is no result (the hypotenuse's "?").
        label->setMinimumWidth(std::max(label->minimumWidth(), LongestUsualResultWidth(label) + 2));
        label->setProperty("zqDesigned", label->text());
    }
}

bool IsResult(const QWidget *control) {
    if (control->property("zqResult").toBool())
        return true;
    if (auto *line = qobject_cast<const QLineEdit *>(control))
        return line->isReadOnly();
    if (auto *plain = qobject_cast<const QPlainTextEdit *>(control))
        return plain->isReadOnly();
    return false;
}

void SetSpokenDescription(QWidget *control, const QString &description) {
    if (control->accessibleDescription() == description)
        return;
    control->setAccessibleDescription(description);
    QAccessibleEvent changed(control, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void LetTabLeaveTextBoxes(QWidget *window) {
    for (QPlainTextEdit *box : window->findChildren<QPlainTextEdit *>())
        box->setTabChangesFocus(true);
}

namespace {

// Announces the row of a list as a child created, when the list's accessible side knows it.
void announceRow(QAbstractItemView *view, int row) {
    if (!QAccessible::isActive() || row >= view->model()->rowCount())
        return;
    const int child = row * std::max(1, view->model()->columnCount());
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(view);
    if (!list || !list->child(child))
        return;
    QAccessibleEvent created(view, QAccessible::ObjectCreated);
    created.setChild(child);
    QAccessible::updateAccessibility(&created);
}

} // namespace

void AnnounceNewRows(QWidget *window) {
    for (QAbstractItemView *view : window->findChildren<QAbstractItemView *>()) {
        if (!view->model() || view->window() != window)
            continue;
        // The first new row stands for the rest: one announcement.
        QObject::connect(view->model(), &QAbstractItemModel::rowsInserted, view,
                         [view](const QModelIndex &parent, int first, int) {
                             if (!parent.isValid())
                                 announceRow(view, first);
                         });
        QObject::connect(view->model(), &QAbstractItemModel::modelReset, view,
                         [view] { announceRow(view, 0); });
    }
}

QList<QWidget *> ArrangeTabOrder(QWidget *window) {
    QList<QWidget *> inputs, compute, buttons, results;
    for (QWidget *w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
        if (w->window() != window || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        if (IsResult(w))
            results << w;
        else if (auto *button = qobject_cast<QPushButton *>(w))
            (button->isDefault() ? compute : buttons) << w;
        else
            inputs << w;
    }
    const QList<QWidget *> ordered = inputs + compute + buttons + results;
    for (qsizetype i = 0; i + 1 < ordered.size(); ++i)
        QWidget::setTabOrder(ordered[i], ordered[i + 1]);
    return ordered;
}

namespace {

bool takesText(const QWidget *control) {
    if (auto *line = qobject_cast<const QLineEdit *>(control))
        return !line->isReadOnly();
    if (auto *plain = qobject_cast<const QPlainTextEdit *>(control))
        return !plain->isReadOnly();
    if (auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->isEditable();
    return false;
}

} // namespace

void FocusFirstInput(const QList<QWidget *> &tabOrder) {
    QWidget *first = nullptr;
    for (QWidget *w : tabOrder) {
        if (!w->isVisibleTo(w->window()) || !w->isEnabled())
            continue;
        // An editable combo box's own line stands for its box.
        QWidget *box = qobject_cast<QComboBox *>(w->parentWidget()) ? w->parentWidget() : w;
        if (takesText(box)) {
            box->setFocus(Qt::TabFocusReason);
            return;
        }
        if (!first)
            first = w;
    }
    if (first)
        first->setFocus(Qt::TabFocusReason);
}

namespace {

bool isNamedBox(const QWidget *widget) {
    if (qobject_cast<const QComboBox *>(widget->parentWidget()))
        return false; // a combo box's own line
    return qobject_cast<const QLineEdit *>(widget) ||
           qobject_cast<const QPlainTextEdit *>(widget) ||
           qobject_cast<const QAbstractItemView *>(widget) ||
           qobject_cast<const QComboBox *>(widget);
}

// The caption nearest to the box on its left on the same row, else nearest above it.
QLabel *captionBeside(QWidget *window, QWidget *box, const QList<QLabel *> &labels) {
    const QRect place(box->mapTo(window, QPoint(0, 0)), box->size());
    QLabel *left = nullptr, *above = nullptr;
    int leftGap = INT_MAX, aboveGap = INT_MAX;
    for (QLabel *label : labels) {
        const QRect at(label->mapTo(window, QPoint(0, 0)), label->size());
        const bool sameRow = at.top() < place.bottom() && at.bottom() > place.top();
        const bool sameColumn = at.left() < place.right() && at.right() > place.left();
        if (sameRow && at.right() <= place.left() + 2 && place.left() - at.right() < leftGap) {
            leftGap = place.left() - at.right();
            left = label;
        } else if (sameColumn && at.bottom() <= place.top() + 2 &&
                   place.top() - at.bottom() < aboveGap) {
            aboveGap = place.top() - at.bottom();
            above = label;
        }
    }
    return left ? left : above;
}

} // namespace

void DescribeBoxes(QWidget *window, std::initializer_list<std::pair<const char *, QString>> names) {
    QVariantMap described = window->property("zqBoxNames").toMap();
    for (const auto &[control, name] : names)
        described.insert(QLatin1String(control), name);
    window->setProperty("zqBoxNames", described);
}

namespace {

// The controls Tab visits, in their order.
QList<QWidget *> tabChain(QWidget *window) {
    QList<QWidget *> chain;
    for (QWidget *w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain())
        if (w->window() == window && (w->focusPolicy() & Qt::TabFocus))
            chain << w;
    return chain;
}

// Puts a caption above the box, in the box's place in the layout, as the box's label.
void captionAbove(QWidget *box, const QString &text) {
    QWidget *parent = box->parentWidget();
    QLayout *layout = parent ? parent->layout() : nullptr;
    if (!layout)
        return;
    auto *holder = new QWidget(parent);
    auto *column = new QVBoxLayout(holder);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    auto *caption = new QLabel(text, holder);
    caption->setObjectName(box->objectName() + QStringLiteral("Caption"));
    holder->setSizePolicy(box->sizePolicy());
    if (QLayoutItem *replaced = layout->replaceWidget(box, holder)) {
        delete replaced;
        column->addWidget(caption);
        column->addWidget(box);
        caption->setBuddy(box);
        holder->show(); // made after the window was shown
    } else {
        delete holder;
    }
}

} // namespace

void CaptionColumn(QLabel *heading, const QList<QWidget *> &cells) {
    for (QWidget *cell : cells)
        cell->setProperty("zqColumnCaption", QVariant::fromValue<QObject *>(heading));
}

QLabel *ColumnCaptionOf(const QWidget *box) {
    return qobject_cast<QLabel *>(box->property("zqColumnCaption").value<QObject *>());
}

void NameBoxesAfterCaptions(QWidget *window) {
    const QVariantMap described = window->property("zqBoxNames").toMap();
    QList<QLabel *> captions;
    QList<QWidget *> named;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (label->objectName() == QLatin1String("lblNote"))
            continue; // the note line speaks of boxes, it names none
        if (label->buddy())
            named << label->buddy();
        else if (label->text().contains(QRegularExpression(QStringLiteral("[\\p{L}\\p{N}]"))) &&
                 label->isVisibleTo(window))
            captions << label; // a caption with words, not a sign or a bar
    }
    // A box whose window names it gets a caption of that name; any other takes the caption
    // beside it.
    QList<QWidget *> toCaption;
    for (QWidget *box : window->findChildren<QWidget *>()) {
        if (!isNamedBox(box) || named.contains(box) || ColumnCaptionOf(box) ||
            !box->isVisibleTo(window))
            continue;
        if (const auto name = described.find(box->objectName()); name != described.end()) {
            box->setAccessibleName(name.value().toString());
            toCaption << box;
        } else if (QLabel *caption = captionBeside(window, box, captions)) {
            caption->setBuddy(box);
            captions.removeOne(caption);
        }
    }
    for (auto it = described.begin(); it != described.end(); ++it)
        for (QWidget *box : window->findChildren<QWidget *>(it.key()))
            if (box->accessibleName().isEmpty())
                box->setAccessibleName(it.value().toString());
    if (toCaption.isEmpty())
        return;
    // Moving a box into its caption's holder moves it in the focus chain: put the chain back.
    const QList<QWidget *> chain = tabChain(window);
    for (QWidget *box : std::as_const(toCaption))
        captionAbove(box, described.value(box->objectName()).toString());
    for (qsizetype i = 0; i + 1 < chain.size(); ++i)
        QWidget::setTabOrder(chain[i], chain[i + 1]);
    if (window->layout())
        window->layout()->activate(); // the captions take their places before the first paint
}

} // namespace zq
