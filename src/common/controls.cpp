#include "common/controls.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>

#include <algorithm>
#include <functional>
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

int LongestUsualResultWidth(const QWidget *result) {
    return result->fontMetrics().horizontalAdvance(LongestUsualResult);
}

namespace {

// Wide enough for any number the general format writes; the text margins and frame are what
// the box's own size hint adds to its seventeen "x".
void fitLongestNumber(QLineEdit *box) {
    const int frame =
        box->sizeHint().width() - 17 * box->fontMetrics().horizontalAdvance(QLatin1Char('x'));
    box->setMinimumWidth(LongestUsualResultWidth(box) + frame + 1);
}

void showBeginning(QLineEdit *box);

// Keeps a result box fitted when its size or font changes.
class ResultFit : public QObject {
public:
    explicit ResultFit(QLineEdit *box) : QObject(box), m_box(box) { box->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::FontChange)
            fitLongestNumber(m_box);
        if (event->type() == QEvent::Resize || event->type() == QEvent::FontChange)
            showBeginning(m_box);
        return false;
    }

private:
    QLineEdit *m_box;
};

// A result too long for its box shows its beginning, and the whole of it as its tooltip.
void showBeginning(QLineEdit *box) {
    box->setCursorPosition(0);
    const int room = box->width() - (box->sizeHint().width() -
                                     17 * box->fontMetrics().horizontalAdvance(QLatin1Char('x')));
    const bool cut = box->fontMetrics().horizontalAdvance(box->text()) > room;
    const bool wasCut = box->property("zqCutText").toBool();
    if (cut && !wasCut)
        box->setProperty("zqWholeTip", box->toolTip());
    if (cut)
        box->setToolTip(box->text());
    else if (wasCut)
        box->setToolTip(box->property("zqWholeTip").toString());
    box->setProperty("zqCutText", cut);
}

} // namespace

QLineEdit *ResultBox(const char *name, QWidget *parent) {
    auto *box = TextBox(name, parent);
    box->setReadOnly(true);
    fitLongestNumber(box);
    QObject::connect(box, &QLineEdit::textChanged, box, [box] { showBeginning(box); });
    new ResultFit(box);
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

QPlainTextEdit *MultiLineResultBox(const char *name, QWidget *parent, int widthTwips,
                                   int heightTwips) {
    QPlainTextEdit *box = MultiLineBox(name, parent, widthTwips, heightTwips);
    box->setReadOnly(true);
    // Qt lets only the mouse select in a read-only box: the keyboard may too, to copy without
    // a mouse.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
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

QButtonGroup *AtMostOneTicked(QObject *owner, std::initializer_list<QAbstractButton *> boxes) {
    auto *group = new QButtonGroup(owner);
    group->setExclusive(false); // an exclusive group would keep one ticked
    for (QAbstractButton *box : boxes)
        group->addButton(box);
    return group;
}

void UntickOthers(QAbstractButton *ticked) {
    if (!ticked->isChecked() || !ticked->group())
        return;
    for (QAbstractButton *other : ticked->group()->buttons())
        if (other != ticked)
            other->setChecked(false);
}

void OptionPair(QWidget *window, GridRow place, QRadioButton *&first, const QString &firstCaption,
                QRadioButton *&second, const QString &secondCaption) {
    first = OptionButton(firstCaption, "Option1", window);
    second = OptionButton(secondCaption, "Option2", window);
    first->setChecked(true);
    auto *pair = new QHBoxLayout;
    pair->addWidget(first);
    pair->addWidget(second);
    place.grid->addLayout(pair, place.row, 0, 1, place.columns);
}

QGridLayout *BoxAndButtonRows(QWidget *window, QWidget *box, QPushButton *button,
                              std::initializer_list<QWidget *> below) {
    auto *grid = new QGridLayout(window);
    grid->addWidget(box, 0, 0);
    grid->addWidget(button, 0, 1);
    for (QWidget *control : below)
        grid->addWidget(control, grid->rowCount(), 0, 1, 2);
    return grid;
}

void ShowStatus(QLabel *label, const QString &text) {
    label->setText(text);
    label->repaint();
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

QString PleaseWait() {
    return QCoreApplication::translate("zq::Controls", "Please wait...");
}

} // namespace zq
