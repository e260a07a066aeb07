#pragma once

#include "common/tool_window.h"

#include <QList>
#include <QString>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace zq {

// The controls tool windows are made of, each created with its name.
QPushButton *CommandButton(const QString &caption, const char *name, QWidget *parent);
QLineEdit *TextBox(const char *name, QWidget *parent, int maxLength = 0);
// A box that shows a result: read-only, yet its text can be selected and copied.
QLineEdit *ResultBox(const char *name, QWidget *parent);
QPlainTextEdit *MultiLineBox(const char *name, QWidget *parent, int widthTwips, int heightTwips);
QLabel *Caption(const QString &text, const char *name, QWidget *parent);
// A combo box whose text can be typed; typed text never becomes a new item.
QComboBox *EditableComboBox(const char *name, QWidget *parent);
QRadioButton *OptionButton(const QString &caption, const char *name, QWidget *parent);

// A form of one-line boxes, each with its caption and an optional unit after it. Names may be
// null where a caption has none.
struct FormField {
    const char *captionName;
    QString caption;
    const char *boxName;
    QString unit = {};
    const char *unitName = nullptr;
    bool result = false; // a read-only result box
};

struct Form {
    QGridLayout *grid;
    QList<QLabel *> captions;
    QList<QLineEdit *> boxes;
};

Form FieldForm(QWidget *window, std::initializer_list<FormField> fields);

} // namespace zq
