#pragma once

#include <QList>
#include <QString>

#include <initializer_list>
#include <utility>

class QLabel;
class QWidget;

namespace zq {

// How a window is used from the keyboard and read out by a screen reader; the tool window
// frame applies both when a window is first shown.

// Marks a control that shows results (a list of results); read-only boxes are results anyway.
// A label marked so shows its present text whenever there is no result.
void MarkResult(QWidget *control);
bool IsResult(const QWidget *control);

// The tab order of a window: its inputs first, then the compute (default) button, the other
// buttons, and the results last; each group keeps its own order. Returns that order.
QList<QWidget *> ArrangeTabOrder(QWidget *window);

// Gives the focus to the first control of the tab order that takes typed text, else to its
// first control, so the first keys a user types are never lost.
void FocusFirstInput(const QList<QWidget *> &tabOrder);

// What boxes without a caption are called, shown above them and read by a screen reader, by
// control name; given (translated) when the window is made, applied when it is first shown.
void DescribeBoxes(QWidget *window, std::initializer_list<std::pair<const char *, QString>> names);

// A column of boxes in a table takes its caption from the column's heading, and each box is
// named for a screen reader after its row and column ("Pizza price").
void CaptionColumn(QLabel *heading, const QList<QWidget *> &cells);
QLabel *ColumnCaptionOf(const QWidget *box);

// Sets what a screen reader reads as a control's description, and tells it of the change (Qt
// 6.4 changes the text without a word to the accessibility bus).
void SetSpokenDescription(QWidget *control, const QString &description);

// Tab leaves a multi-line box as it leaves any other (a tab character is rarely wanted in a
// calculator's text, and the keyboard user would be trapped).
void LetTabLeaveTextBoxes(QWidget *window);

// Tells screen readers of rows that come into a window's lists, which Qt's bridge to the
// accessibility bus leaves unsaid, so that a new result in a list is heard.
void AnnounceNewRows(QWidget *window);

// Every box without a caption of its own takes the caption beside it (left of it on its row,
// else above it) as its buddy, so a screen reader names it after what the user sees.
void NameBoxesAfterCaptions(QWidget *window);

} // namespace zq
