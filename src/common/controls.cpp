#include "common/controls.h"

#include <QComboBox>
#include <QGridLayout>
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

QLineEdit *ResultBox(const char *name, QWidget *parent) {
    auto *box = TextBox(name, parent);
    box->setReadOnly(true);
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

Form FieldForm(QWidget *window, std::initializer_list<FormField> fields) {
    Form form{new QGridLayout(window), {}, {}};
    int row = 0;
    for (const FormField &field : fields) {
        QLabel *caption = Caption(field.caption, field.captionName, window);
        QLineEdit *box =
            field.result ? ResultBox(field.boxName, window) : TextBox(field.boxName, window);
        caption->setBuddy(box);
        form.grid->addWidget(caption, row, 0);
        form.grid->addWidget(box, row, 1);
        if (!field.unit.isEmpty())
            form.grid->addWidget(Caption(field.unit, field.unitName, window), row, 2);
        form.captions << caption;
        form.boxes << box;
        ++row;
    }
    return form;
}

} // namespace zq
