#include "common/controls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace zq {

QPushButton *CommandButton(const QString &caption, const char *name, QWidget *parent) {
    auto *button = named(new QPushButton(caption, parent), name);
    button->setMinimumHeight(twips(375));
    return button;
}

QLineEdit *TextBox(const char *name, QWidget *parent, int maxLength) {
    auto *box = named(new QLineEdit(parent), name);
    if (maxLength > 0)
        box->setMaxLength(maxLength);
    return box;
}

QPlainTextEdit *MultiLineBox(const char *name, QWidget *parent, int widthTwips, int heightTwips) {
    auto *box = named(new QPlainTextEdit(parent), name);
    box->setMinimumSize(twips(widthTwips), twips(heightTwips));
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

} // namespace zq
