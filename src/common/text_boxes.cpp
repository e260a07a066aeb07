#include "common/text_boxes.h"

#include "common/number_rules.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace zq {

double ReadNumberField(QLineEdit *textBox) {
    QString text = textBox->text();
    if (text.contains(QLatin1Char(','))) {
        text.replace(QLatin1Char(','), QLatin1Char('.'));
        textBox->setText(text);
    }
    return ParseNumber(text.trimmed());
}

double ReadStrictNumber(const QLineEdit *textBox) {
    return ParseNumberStrict(textBox->text());
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

} // namespace zq
