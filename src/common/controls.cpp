#include "common/controls.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyledItemDelegate>
#include <QVariantMap>

#include <algorithm>
#include <climits>
#include <limits>

namespace zq {

QPushButton *CommandButton(const QString &caption, const char *name, QWidget *parent) {
    auto *button = named(new QPushButton(caption, parent), name);
    button->setMinimumHeight(twips(375));
    return button;
}

QLineEdit *TextBox(const char *name, QWidget *parent, int maxLength) {
    auto *box = named(new QLineEdit(parent), name);
    // A box without a designed maximum takes a text of any length; Qt would cut at 32,767.
    box->setMaxLength(maxLength > 0 ? maxLength : std::numeric_limits<int>::max());
    return box;
}

QLineEdit *ResultBox(const char *name, QWidget *parent) {
    auto *box = TextBox(name, parent);
    box->setReadOnly(true);
    return box;
}

namespace {

class ShortenedLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        constexpr qsizetype Shown = 4000;
        if (option->text.size() > Shown)
            option->text = option->text.left(Shown) + QChar(0x2026);
    }
};

} // namespace

void ShowLongLinesShortened(QAbstractItemView *list) {
    list->setItemDelegate(new ShortenedLineDelegate(list));
}

void MarkResult(QWidget *control) {
    control->setProperty("zqResult", true);
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

void ArrangeTabOrder(QWidget *window) {
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

void DescribeBoxes(QWidget *window,
                   std::initializer_list<std::pair<const char *, const char *>> names) {
    QVariantMap described = window->property("zqBoxNames").toMap();
    for (const auto &[control, name] : names)
        described.insert(QLatin1String(control), QString::fromUtf8(name));
    window->setProperty("zqBoxNames", described);
}

void NameBoxesAfterCaptions(QWidget *window) {
    const QVariantMap described = window->property("zqBoxNames").toMap();
    for (auto it = described.begin(); it != described.end(); ++it)
        for (QWidget *box : window->findChildren<QWidget *>(it.key()))
            box->setAccessibleName(it.value().toString());
    QList<QLabel *> captions;
    QList<QWidget *> named;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (label->buddy())
            named << label->buddy();
        else if (label->text().contains(QRegularExpression(QStringLiteral("[\\p{L}\\p{N}]"))) &&
                 label->isVisibleTo(window))
            captions << label; // a caption with words, not a sign or a bar
    }
    for (QWidget *box : window->findChildren<QWidget *>()) {
        if (!isNamedBox(box) || named.contains(box) || !box->accessibleName().isEmpty() ||
            !box->isVisibleTo(window))
            continue;
        if (QLabel *caption = captionBeside(window, box, captions)) {
            caption->setBuddy(box);
            captions.removeOne(caption);
        }
    }
}

namespace {

// A multi-line box that asks for its designed size rather than Qt's large default.
class DesignedTextEdit : public QPlainTextEdit {
public:
    DesignedTextEdit(QSize designed, QWidget *parent)
        : QPlainTextEdit(parent), m_designed(designed) {}
    QSize sizeHint() const override { return m_designed.expandedTo(minimumSizeHint()); }

private:
    QSize m_designed;
};

} // namespace

QPlainTextEdit *MultiLineBox(const char *name, QWidget *parent, int widthTwips, int heightTwips) {
    const QSize designed(twips(widthTwips), twips(heightTwips));
    auto *box = named(new DesignedTextEdit(designed, parent), name);
    box->setMinimumSize(designed);
    // Word wrapping only: Qt's default falls back to breaking anywhere, which takes minutes to
    // lay out a megabyte without a blank.
    box->setWordWrapMode(QTextOption::WordWrap);
    return box;
}

QLabel *Caption(const QString &text, const char *name, QWidget *parent) {
    return named(new QLabel(text, parent), name);
}

QComboBox *EditableComboBox(const char *name, QWidget *parent) {
    auto *box = named(new QComboBox(parent), name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

QRadioButton *OptionButton(const QString &caption, const char *name, QWidget *parent) {
    return named(new QRadioButton(caption, parent), name);
}

void NameWindow(QWidget *window, const char *name, const QString &caption) {
    window->setObjectName(QLatin1String(name));
    window->setWindowTitle(caption);
}

QPushButton *ComputeButton(const QString &caption, const char *name, QWidget *window,
                           QGridLayout *grid) {
    QPushButton *button = CommandButton(caption, name, window);
    DefaultButton(button);
    grid->addWidget(button, grid->rowCount(), 0, 1, std::max(grid->columnCount(), 3),
                    Qt::AlignHCenter);
    return button;
}

QLabel *NoteRow(const QString &text, const char *name, QWidget *window, QGridLayout *grid) {
    QLabel *label = Caption(text, name, window);
    grid->addWidget(label, grid->rowCount(), 0, 1, std::max(grid->columnCount(), 3));
    return label;
}

Form FieldForm(QWidget *window, std::initializer_list<FormField> fields, QGridLayout *grid) {
    Form form{grid ? grid : new QGridLayout(window), {}, {}, {}};
    int row = grid ? grid->rowCount() : 0;
    for (const FormField &field : fields) {
        QLabel *caption = Caption(field.caption, field.captionName, window);
        QLineEdit *box =
            field.result ? ResultBox(field.boxName, window) : TextBox(field.boxName, window);
        caption->setBuddy(box);
        form.grid->addWidget(caption, row, 0);
        form.grid->addWidget(box, row, 1);
        QLabel *unit = field.unit.isEmpty() ? nullptr : Caption(field.unit, field.unitName, window);
        if (unit)
            form.grid->addWidget(unit, row, 2);
        form.units << unit;
        form.captions << caption;
        form.boxes << box;
        ++row;
    }
    return form;
}

} // namespace zq
