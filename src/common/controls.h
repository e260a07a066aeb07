#pragma once

#include "common/tool_window.h"

#include <QList>
#include <QString>

class QAbstractButton;
class QAbstractItemView;
class QButtonGroup;
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
// A one-line box; without a maximum length it takes a text of any length.
QLineEdit *TextBox(const char *name, QWidget *parent, int maxLength = 0);
// The longest result a number box usually shows: 15 digits in exponent form with a sign.
inline const QString LongestUsualResult = QStringLiteral("-2.43290200817664E+306");
int LongestUsualResultWidth(const QWidget *result);

// A box that shows a result: read-only, yet its text can be selected and copied; wide enough
// for the longest usual result. A longer text shows its beginning and is whole in the tooltip.
QLineEdit *ResultBox(const char *name, QWidget *parent);
QPlainTextEdit *MultiLineBox(const char *name, QWidget *parent, int widthTwips, int heightTwips);
// A multi-line box that shows results: read-only, its text selectable by mouse and keyboard.
QPlainTextEdit *MultiLineResultBox(const char *name, QWidget *parent, int widthTwips,
                                   int heightTwips);
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
    QList<QLabel *> units; // null where a row has none
};

// A list that may hold lines of any length shows the first few thousand characters of each:
// laying out a line of a megabyte takes a second, and no window is that wide. The lines
// themselves stay whole (copied, saved).
void ShowLongLinesShortened(QAbstractItemView *list);

// Check boxes of which at most one is ticked, grouped; unlike an exclusive group, none need be.
// Each box's click handler calls UntickOthers.
QButtonGroup *AtMostOneTicked(QObject *owner, std::initializer_list<QAbstractButton *> boxes);
// When the box is ticked, unticks the other boxes of its group.
void UntickOthers(QAbstractButton *ticked);

// Where a row goes in a grid: its row, and how many columns it spans from the first.
struct GridRow {
    QGridLayout *grid;
    int row;
    int columns;
};

// Two option buttons "Option1" and "Option2" side by side on a row of their own, the first
// selected.
void OptionPair(QWidget *window, GridRow place, QRadioButton *&first, const QString &firstCaption,
                QRadioButton *&second, const QString &secondCaption);

// A box with its button beside it on the first row, and each further control on a row of its
// own across both columns.
QGridLayout *BoxAndButtonRows(QWidget *window, QWidget *box, QPushButton *button,
                              std::initializer_list<QWidget *> below);

// The status a long computation shows before it starts.
QString PleaseWait();
// Shows a status text at once, before a long computation keeps the window from painting.
void ShowStatus(QLabel *label, const QString &text);

// Gives a window its name and caption.
void NameWindow(QWidget *window, const char *name, const QString &caption);

// The window's compute button, its default button, centred on a row of its own below the grid.
QPushButton *ComputeButton(const QString &caption, const char *name, QWidget *window,
                           QGridLayout *grid);

// A label across the grid on a row of its own below it (hints, notices, reference lists).
QLabel *NoteRow(const QString &text, const char *name, QWidget *window, QGridLayout *grid);

// The rows go into the window's new grid, or below the rows of the grid given.
Form FieldForm(QWidget *window, std::initializer_list<FormField> fields,
               QGridLayout *grid = nullptr);

} // namespace zq
