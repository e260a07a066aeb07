#include "common/text_boxes.h"

#include "common/calc_error.h"
#include "common/input_marks.h"
#include "common/number_rules.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <cmath>

namespace zq {
namespace {

QString readAsMessage(const LeadingNumber &read) {
    switch (read.reading) {
    case NumberReading::Leading:
        return QCoreApplication::translate("zq::TextBoxes", "Read as %1")
            .arg(FormatNumberText(read.value));
    case NumberReading::Nothing:
        return QCoreApplication::translate("zq::TextBoxes", "Not a number, read as %1")
            .arg(FormatNumberText(read.value));
    case NumberReading::Empty:
        return QCoreApplication::translate("zq::TextBoxes", "Empty, read as %1")
            .arg(FormatNumberText(read.value));
    case NumberReading::Whole:
        break;
    }
    return {};
}

// Marks the box as it was read leniently and returns the value.
double markLenient(QWidget *box, LeadingNumber read, double whenEmpty, EmptyBox empty) {
    if (read.reading == NumberReading::Empty)
        read.value = whenEmpty;
    if (read.reading == NumberReading::Whole ||
        (read.reading == NumberReading::Empty && empty == EmptyBox::Optional))
        ClearInputMark(box);
    else
        MarkInput(box, InputState::Warning, readAsMessage(read));
    return read.value;
}

QString strictMessage(const QString &text, const CalcError &error) {
    if (error.kind() == CalcError::Kind::Overflow)
        return QCoreApplication::translate("zq::TextBoxes", "A number too large to compute with");
    return text.trimmed().isEmpty()
               ? QCoreApplication::translate("zq::TextBoxes", "Empty: a number is needed")
               : QCoreApplication::translate("zq::TextBoxes", "A number is needed");
}

} // namespace

QString BoxText(const QWidget *box) {
    if (auto *line = qobject_cast<const QLineEdit *>(box))
        return line->text();
    if (auto *plain = qobject_cast<const QPlainTextEdit *>(box))
        return multiLineText(plain);
    if (auto *combo = qobject_cast<const QComboBox *>(box))
        return combo->currentText();
    return {};
}

double ReadNumberField(QLineEdit *textBox) {
    QString text = textBox->text();
    if (text.contains(QLatin1Char(','))) {
        text.replace(QLatin1Char(','), QLatin1Char('.'));
        textBox->setText(text);
    }
    return markLenient(textBox, ReadLeadingNumber(text.trimmed()), 0, EmptyBox::Marked);
}

double ReadLenientNumber(QWidget *box, double whenEmpty, EmptyBox empty) {
    return markLenient(box, ReadLeadingNumber(BoxText(box)), whenEmpty, empty);
}

double ReadStrictNumber(QWidget *box) {
    const QString text = BoxText(box);
    try {
        const double value = ParseNumberStrict(text);
        ClearInputMark(box);
        return value;
    } catch (const CalcError &error) {
        RejectInput(box, strictMessage(text, error));
    }
}

double RequireRange(QWidget *box, double value, double lowest, double highest,
                    const QString &message) {
    if (!(value >= lowest && value <= highest))
        RejectInput(box, message);
    return value;
}

double ReadWholeNumber(QWidget *box, double lowest, double highest) {
    const QString needed =
        QCoreApplication::translate("zq::TextBoxes", "A whole number from %1 to %2")
            .arg(FormatNumberText(lowest), FormatNumberText(highest));
    const QString text = BoxText(box);
    double value = 0;
    try {
        value = ParseNumberStrict(text);
    } catch (const CalcError &) {
        RejectInput(box, needed);
    }
    if (value != std::trunc(value))
        RejectInput(box, needed);
    RequireRange(box, value, lowest, highest, needed);
    ClearInputMark(box);
    return value;
}

double ReadRoundedNumber(QWidget *box, double lowest, double highest) {
    const double value = ReadStrictNumber(box);
    const double rounded = RoundHalfEven(value);
    RequireRange(box, rounded, lowest, highest,
                 QCoreApplication::translate("zq::TextBoxes", "A whole number from %1 to %2")
                     .arg(FormatNumberText(lowest), FormatNumberText(highest)));
    if (rounded != value)
        MarkInput(box, InputState::Warning,
                  QCoreApplication::translate("zq::TextBoxes", "Read as %1")
                      .arg(FormatNumberText(rounded)));
    return rounded;
}

void RejectAll(const QList<QWidget *> &boxes, const QString &message) {
    for (QWidget *box : boxes)
        MarkInput(box, InputState::Error, message);
    throw CalcError(CalcError::Kind::InvalidArgument, "input rejected");
}

double RequireNonZero(QWidget *box, const QString &message) {
    const double value = ReadStrictNumber(box);
    if (value == 0)
        RejectInput(box, message);
    return value;
}

void RequireNumbers(const QList<QWidget *> &boxes) {
    bool all = true;
    for (QWidget *box : boxes) {
        const QString text = BoxText(box);
        try {
            ParseNumberStrict(text);
            ClearInputMark(box);
        } catch (const CalcError &error) {
            MarkInput(box, InputState::Error, strictMessage(text, error));
            all = false;
        }
    }
    if (!all)
        throw CalcError(CalcError::Kind::NotANumber, "boxes not read");
}

void ShowNumber(QLineEdit *textBox, double value) {
    textBox->setText(FormatNumberText(value));
}

QString toEngineLineBreaks(const QString &boxText) {
    QString text = boxText;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

QString toBoxLineBreaks(const QString &engineText) {
    QString text = engineText;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

QString multiLineText(const QPlainTextEdit *textBox) {
    return toEngineLineBreaks(textBox->toPlainText());
}

void setMultiLineText(QPlainTextEdit *textBox, const QString &engineText) {
    textBox->setPlainText(toBoxLineBreaks(engineText));
}

QString TooLargeToCompute() {
    return QCoreApplication::translate("zq::TextBoxes", "Too large to compute with");
}

} // namespace zq
