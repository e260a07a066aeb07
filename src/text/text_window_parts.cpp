#include "text/text_window_parts.h"

#include "common/controls.h"
#include "common/input_marks.h"
#include "common/window_access.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>

#include <algorithm>

namespace zq {
namespace {

QPlainTextEdit *wrapAnywhere(QPlainTextEdit *box) {
    box->setWordWrapMode(QTextOption::WrapAnywhere);
    return box;
}

// The text tools' encoding, remembered across runs; the code page until the user picks UTF-8.
const QString EncodingKey = QStringLiteral("TextTools/Encoding");

template <class Use> auto withSettings(Use use) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Zentiqua"),
                       QStringLiteral("Zentiqua"));
    return use(settings);
}

TextEncoding storedEncoding() {
    const QString stored =
        withSettings([](QSettings &s) { return s.value(EncodingKey).toString(); });
    return stored == encodingName(TextEncoding::Utf8) ? TextEncoding::Utf8 : TextEncoding::CodePage;
}

constexpr TextEncoding Encodings[] = {TextEncoding::CodePage, TextEncoding::Utf8};

} // namespace

QPlainTextEdit *CodeBox(const char *name, QWidget *parent, int width, int height) {
    return wrapAnywhere(MultiLineBox(name, parent, width, height));
}

QPlainTextEdit *CodeResultBox(const char *name, QWidget *parent, int width, int height) {
    return wrapAnywhere(MultiLineResultBox(name, parent, width, height));
}

QHBoxLayout *ButtonRow(QGridLayout *grid, std::initializer_list<QPushButton *> buttons) {
    auto *row = new QHBoxLayout;
    for (QPushButton *button : buttons)
        row->addWidget(button);
    grid->addLayout(row, grid->rowCount(), 0, 1, 2, Qt::AlignHCenter);
    return row;
}

TextEncoding ChosenEncoding(const QComboBox *choice) {
    return Encodings[std::clamp(choice->currentIndex(), 0, 1)];
}

QComboBox *EncodingChoice(QWidget *window, QLabel *&caption) {
    caption = Caption(QCoreApplication::translate("zq::TextWindowParts", "Encoding"), "lblEncoding",
                      window);
    auto *choice = named(new QComboBox(window), "cmbEncoding");
    for (TextEncoding encoding : Encodings)
        choice->addItem(encodingName(encoding));
    choice->setCurrentIndex(storedEncoding() == TextEncoding::Utf8 ? 1 : 0);
    caption->setBuddy(choice);
    QObject::connect(choice, &QComboBox::activated, choice, [choice] {
        withSettings([choice](QSettings &s) {
            s.setValue(EncodingKey, encodingName(ChosenEncoding(choice)));
        });
    });
    return choice;
}

QHBoxLayout *EncodingRow(QLabel *caption, QComboBox *choice) {
    auto *row = new QHBoxLayout;
    row->addWidget(caption);
    row->addWidget(choice);
    row->addStretch();
    return row;
}

QString UnencodableMark(TextEncoding encoding) {
    return QCoreApplication::translate("zq::TextWindowParts", "Has characters %1 lacks")
        .arg(encodingName(encoding));
}

QString NotDecodableMark(TextEncoding encoding) {
    return QCoreApplication::translate("zq::TextWindowParts", "Not %1 text once decoded")
        .arg(encodingName(encoding));
}

void MarkUnencodable(QWidget *box, TextEncoding encoding) {
    MarkInput(box, InputState::Error, UnencodableMark(encoding));
}

} // namespace zq
