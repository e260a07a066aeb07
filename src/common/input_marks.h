#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace zq {

// How a box was read: as typed, leniently (a warning: the result went ahead with what the box
// was read as), or not at all (an error: nothing could be computed from it).
enum class InputState { Fine, Warning, Error };

// Marks a box where the user sees it: a red or amber frame, the message as its tooltip and
// accessible description, the dynamic property "inputState" ("error", "warning" or "") and the
// window's note line. The mark stays until the box is edited or read cleanly again.
void MarkInput(QWidget *box, InputState state, const QString &message = {});
void ClearInputMark(QWidget *box);
InputState InputStateOf(const QWidget *box);
QString InputMessageOf(const QWidget *box);

// How many error marks have been made so far: a computation that made one has failed.
int ErrorMarksMade();

// Marks the box as an error and ends the computation (throws CalcError).
[[noreturn]] void RejectInput(QWidget *box, const QString &message);

// The note line below a window's controls ("lblNote"), hidden while nothing is marked.
QLabel *MakeNoteLine(QWidget *window);
// Puts the note line at the bottom of the window's layout, once.
void PlaceNoteLine(QWidget *window);
// Shows the message of the first marked box in tab order, or hides the line.
void UpdateNoteLine(QWidget *window);
// Marks set before the window was first shown keep their tooltips over the help's.
void ReapplyInputMarks(QWidget *window);

} // namespace zq
