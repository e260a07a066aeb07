#pragma once

#include "common/calc_error.h"

#include <QList>
#include <QString>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace zq {

// Reading a box records how it was read (see input_marks.h): a box read as typed loses its
// mark, one read leniently gets a warning saying what it was read as, and one that could not
// be read an error saying what is needed, and the computation ends (CalcError).

// How an empty box counts when it is read leniently.
enum class EmptyBox {
    Marked,  // empty is not what the user meant: warned as read as the default
    Optional // left empty by design: read as the default without a mark
};

// Reads a converter's input box: every "," becomes "." in the box itself (the user sees the
// change), then the trimmed text is read with ParseNumber.
double ReadNumberField(QLineEdit *textBox);

// The box's leading number (ParseNumber); an empty box reads as `whenEmpty`.
double ReadLenientNumber(QWidget *box, double whenEmpty = 0, EmptyBox empty = EmptyBox::Marked);

// The box's whole text as one number (ParseNumberStrict).
double ReadStrictNumber(QWidget *box);

// A whole number from `lowest` to `highest`, read strictly.
double ReadWholeNumber(QWidget *box, double lowest, double highest);

// A whole number for a whole-number type, read strictly and rounded half to even, as the
// narrowing conversions do: outside [lowest, highest] the box is rejected ("A whole number from
// -32768 to 32767"), a fraction is warned as read as the rounded number.
double ReadRoundedNumber(QWidget *box, double lowest, double highest);

// What a box says when a result would be beyond the double range.
QString TooLargeToCompute();

// Marks every box as an error with the message and ends the computation (CalcError).
[[noreturn]] void RejectAll(const QList<QWidget *> &boxes, const QString &message);

// Runs an engine step; when it fails, the boxes it read are rejected with the message.
template <class Step>
auto RejectOnFailure(const QList<QWidget *> &boxes, const QString &message, Step step) {
    try {
        return step();
    } catch (const CalcError &) {
        RejectAll(boxes, message);
    }
}

// A value read from the box must lie in [lowest, highest]; otherwise the box is rejected with
// the message. Returns the value.
double RequireRange(QWidget *box, double value, double lowest, double highest,
                    const QString &message);

// The box, read strictly, must not hold zero (a divisor); otherwise it is rejected with the
// message.
double RequireNonZero(QWidget *box, const QString &message);

// Every box must hold one number: each that does not is marked before the computation ends,
// so that the user sees all of them at once. For engines that read the texts themselves.
void RequireNumbers(const QList<QWidget *> &boxes);

// The text a box holds: a line, a multi-line box (its line breaks as typed) or a combo box.
QString BoxText(const QWidget *box);

// Writes a number into a box in the general number format.
void ShowNumber(QLineEdit *textBox, double value);

// Engines see line breaks as CR LF; a multi-line text box holds LF.
QString toEngineLineBreaks(const QString &boxText);
QString toBoxLineBreaks(const QString &engineText);

QString multiLineText(const QPlainTextEdit *textBox);
void setMultiLineText(QPlainTextEdit *textBox, const QString &engineText);

} // namespace zq
