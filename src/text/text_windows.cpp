#include "text/text_windows.h"

#include "common/computation.h"
#include "common/controls.h"
#include "common/error_rules.h"
#include "common/input_marks.h"
#include "common/messages.h"
#include "common/number_rules.h"
#include "common/numeric_types.h"
#include "common/save_result.h"
#include "common/text_boxes.h"
#include "common/window_access.h"
#include "text/digests.h"
#include "text/encoders.h"
#include "text/random_tools.h"
#include "text/text_encoding.h"

#include <QAction>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTextCursor>
#include <QVBoxLayout>

namespace zq {
namespace {

const QString SavedMessage = QStringLiteral("Saved to the program's location.");

// Boxes for code-like text: long lines wrap anywhere rather than run off the side.
QPlainTextEdit *wrapAnywhere(QPlainTextEdit *box) {
    box->setWordWrapMode(QTextOption::WrapAnywhere);
    return box;
}

QPlainTextEdit *codeBox(const char *name, QWidget *parent, int width = 4800, int height = 1800) {
    return wrapAnywhere(MultiLineBox(name, parent, width, height));
}

QPlainTextEdit *codeResultBox(const char *name, QWidget *parent, int width = 4800,
                              int height = 1800) {
    return wrapAnywhere(MultiLineResultBox(name, parent, width, height));
}

// Two option buttons under the grid, the first selected.
void optionRow(QWidget *window, QGridLayout *grid, QRadioButton *&first, const QString &one,
               QRadioButton *&second, const QString &two) {
    first = OptionButton(one, "Option1", window);
    second = OptionButton(two, "Option2", window);
    first->setChecked(true);
    auto *row = new QHBoxLayout;
    row->addWidget(first);
    row->addWidget(second);
    grid->addLayout(row, grid->rowCount(), 0, 1, 2);
}

// Enter starts a new line in these boxes, so the buttons sit below them.
QHBoxLayout *buttonRow(QGridLayout *grid, std::initializer_list<QPushButton *> buttons) {
    auto *row = new QHBoxLayout;
    for (QPushButton *button : buttons)
        row->addWidget(button);
    grid->addLayout(row, grid->rowCount(), 0, 1, 2, Qt::AlignHCenter);
    return row;
}

void caretToEnd(QPlainTextEdit *box) {
    box->setFocus();
    box->moveCursor(QTextCursor::End);
}

// Longer lines take a text box a noticeable time to lay out (about half a second a megabyte).
constexpr qsizetype LongestBase64Line = 1 << 16;

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

TextEncoding chosenEncoding(const QComboBox *choice) {
    return Encodings[std::clamp(choice->currentIndex(), 0, 1)];
}

// The choice of encoding: a caption and a list showing the remembered encoding; a new choice
// is remembered for every text tool.
QComboBox *encodingChoice(QWidget *window, QLabel *&caption) {
    caption = Caption(QStringLiteral("Encoding"), "lblEncoding", window);
    auto *choice = named(new QComboBox(window), "cmbEncoding");
    for (TextEncoding encoding : Encodings)
        choice->addItem(encodingName(encoding));
    choice->setCurrentIndex(storedEncoding() == TextEncoding::Utf8 ? 1 : 0);
    caption->setBuddy(choice);
    QObject::connect(choice, &QComboBox::activated, choice, [choice] {
        withSettings([choice](QSettings &s) {
            s.setValue(EncodingKey, encodingName(chosenEncoding(choice)));
        });
    });
    return choice;
}

QHBoxLayout *encodingRow(QLabel *caption, QComboBox *choice) {
    auto *row = new QHBoxLayout;
    row->addWidget(caption);
    row->addWidget(choice);
    row->addStretch();
    return row;
}

// What an encoding cannot do with a text, as its box is marked; the message box says more.
QString unencodable(TextEncoding encoding) {
    return QStringLiteral("Has characters %1 lacks").arg(encodingName(encoding));
}

QString notDecodable(TextEncoding encoding) {
    return QStringLiteral("Not %1 text once decoded").arg(encodingName(encoding));
}

void markUnencodable(QWidget *box, TextEncoding encoding) {
    MarkInput(box, InputState::Error, unencodable(encoding));
}

// The one local file a drop brings, or nothing.
QString droppedFile(const QMimeData *data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1 ||
        !data->urls().front().isLocalFile())
        return {};
    return data->urls().front().toLocalFile();
}

} // namespace

DigestWindow::DigestWindow(DigestKind kind, const char *name, const char *title, QWidget *parent)
    : ToolWindow(parent), m_kind(kind) {
    NameWindow(this, name, QLatin1String(title));
    const bool md5 = kind == DigestKind::MD5;
    DescribeBoxes(this, {{"Text1", "Text"}, {"Text2", md5 ? "MD5 digest" : "SHA-256 digest"}});
    Text1 = TextBox("Text1", this);
    Command1 = CommandButton(QStringLiteral("Calculate"), "Command1", this);
    DefaultButton(Command1);
    Text2 = ResultBox("Text2", this);
    const QFontMetrics metrics(Text2->font());
    Text2->setMinimumWidth(metrics.horizontalAdvance(QString(md5 ? 32 : 64, '0')) + 16);
    cmbEncoding = encodingChoice(this, lblEncoding);
    cmdFile = CommandButton(QStringLiteral("&File..."), "cmdFile", this);
    lblSource = Caption(QString(), "lblSource", this);
    auto *grid = new QGridLayout(this);
    grid->addWidget(Text1, 0, 0);
    grid->addWidget(Command1, 0, 1);
    grid->addWidget(Text2, 1, 0, 1, 2);
    grid->addLayout(encodingRow(lblEncoding, cmbEncoding), 2, 0);
    grid->addWidget(cmdFile, 2, 1);
    grid->addWidget(lblSource, 3, 0, 1, 2);
    setAcceptDrops(true);
    connect(Command1, &QPushButton::clicked, this, &DigestWindow::Command1_Click);
    connect(cmdFile, &QPushButton::clicked, this, &DigestWindow::cmdFile_Click);
    // A file's digest does not depend on the encoding: only a text's is worked out again.
    RecomputeOnChange(Command1, {cmbEncoding}, [this] { return lblSource->text().isEmpty(); });
}

void DigestWindow::Command1_Click() {
    Computation computing(this, {Text2, lblSource}, {Text1, cmbEncoding});
    const TextEncoding encoding = chosenEncoding(cmbEncoding);
    const EncodedText encoded = encodeText(Text1->text(), encoding);
    lblSource->clear();
    if (!encoded.problem.isEmpty()) {
        markUnencodable(Text1, encoding);
        computing.fail();
        ShowMessage(this, encoded.problem);
        return;
    }
    ClearInputMark(Text1);
    Text2->setText(Digest(m_kind, encoded.bytes));
}

void DigestWindow::cmdFile_Click() {
    const QString fileName = QFileDialog::getOpenFileName(this, QStringLiteral("Digest of a file"));
    if (!fileName.isEmpty())
        hashFile(fileName);
}

void DigestWindow::hashFile(const QString &fileName) {
    const QString shownName = QFileInfo(fileName).fileName();
    QProgressDialog progress(QStringLiteral("Working out the digest of \"%1\"...").arg(shownName),
                             QStringLiteral("Cancel"), 0, 1000, this);
    progress.setObjectName(QStringLiteral("Progress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500); // shown only for files that take a while
    // A few updates a second keep the bar moving and Cancel answering; one for every block
    // would repaint the bar a thousand times for a gigabyte.
    QElapsedTimer sinceUpdate;
    sinceUpdate.start();
    const FileDigest result = DigestFile(m_kind, fileName, [&](qint64 done, qint64 total) {
        if (sinceUpdate.elapsed() < 40)
            return true;
        sinceUpdate.restart();
        progress.setValue(total > 0 ? int(std::min<qint64>(999, done * 1000 / total)) : 0);
        return !progress.wasCanceled();
    });
    progress.reset();
    Computation computing(this, {Text2, lblSource});
    if (result.cancelled) {
        computing.cancel();
        return;
    }
    if (!result.problem.isEmpty()) {
        computing.fail();
        ShowMessage(this, result.problem, MessageIcon::Critical);
        return;
    }
    Text2->setText(result.digest);
    lblSource->setText(QStringLiteral("Digest of the file \"%1\"").arg(shownName));
}

void DigestWindow::dragEnterEvent(QDragEnterEvent *event) {
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void DigestWindow::dropEvent(QDropEvent *event) {
    const QString fileName = droppedFile(event->mimeData());
    if (fileName.isEmpty())
        return;
    event->acceptProposedAction();
    hashFile(fileName);
}

MD5Ch::MD5Ch(QWidget *parent)
    : DigestWindow(DigestKind::MD5, "MD5Ch", "MD5 Hash Calculator", parent) {}

SHA256::SHA256(QWidget *parent)
    : DigestWindow(DigestKind::SHA256, "SHA256", "SHA256 Hash Calculator", parent) {}

Base64String::Base64String(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "Base64String", QStringLiteral("Base64 to String"));
    DescribeBoxes(this, {{"Text1", "Text to convert"}, {"Text2", "Converted text"}});
    Text1 = codeBox("Text1", this);
    Text2 = codeResultBox("Text2", this);
    auto *grid = new QGridLayout(this);
    grid->addWidget(Text1, 0, 0, 1, 2);
    optionRow(this, grid, Option1, QStringLiteral("Base64 to String"), Option2,
              QStringLiteral("String to Base64"));
    cmbEncoding = encodingChoice(this, lblEncoding);
    grid->addLayout(encodingRow(lblEncoding, cmbEncoding), grid->rowCount(), 0, 1, 2);
    Command1 = CommandButton(QStringLiteral("Convert"), "Command1", this);
    DefaultButton(Command1);
    buttonRow(grid, {Command1});
    grid->addWidget(Text2, grid->rowCount(), 0, 1, 2);
    connect(Command1, &QPushButton::clicked, this, &Base64String::Command1_Click);
}

void Base64String::Command1_Click() {
    Computation computing(this, {Text2});
    const TextEncoding encoding = chosenEncoding(cmbEncoding);
    QString problem, mark = unencodable(encoding);
    if (Option1->isChecked()) {
        const Base64Decoded decoded = Base64Decode(multiLineText(Text1));
        const DecodedText text = decodeText(decoded.bytes, encoding);
        problem = !decoded.problem.isEmpty() ? decoded.problem : text.problem;
        mark = !decoded.problem.isEmpty() ? QStringLiteral("Not Base64") : notDecodable(encoding);
        if (problem.isEmpty())
            setMultiLineText(Text2, text.text);
    } else if (Option2->isChecked()) {
        // UTF-8 as the standard tool writes it, padded; the code page as it always was.
        const EncodedText encoded = encodeText(multiLineText(Text1), encoding);
        problem = encoded.problem;
        QString base64 =
            Base64Encode(encoded.bytes, encoding == TextEncoding::Utf8 ? Base64Padding::Padded
                                                                       : Base64Padding::Unpadded);
        // One line as long as a box lays it out at once; beyond that, lines of 76 as the
        // base64 tool writes them, so that a pasted file shows in a moment.
        if (base64.size() > LongestBase64Line)
            base64 = Base64Lines(base64, 76);
        if (problem.isEmpty())
            setMultiLineText(Text2, base64);
    }
    if (!problem.isEmpty()) {
        MarkInput(Text1, InputState::Error, mark);
        computing.fail();
        ShowMessage(this, problem);
    } else {
        ClearInputMark(Text1);
    }
}

hex2ascii::hex2ascii(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "hex2ascii", QStringLiteral("Hex to ASCII"));
    DescribeBoxes(this, {{"Text1", "Text"}});
    Text1 = codeBox("Text1", this);
    auto *grid = new QGridLayout(this);
    grid->addWidget(Text1, 0, 0, 1, 2);
    optionRow(this, grid, Option1, QStringLiteral("Hex to Ascii"), Option2,
              QStringLiteral("Ascii to Hex"));
    cmbEncoding = encodingChoice(this, lblEncoding);
    grid->addLayout(encodingRow(lblEncoding, cmbEncoding), grid->rowCount(), 0, 1, 2);
    Command1 = CommandButton(QStringLiteral("Convert"), "Command1", this);
    Command2 = CommandButton(QStringLiteral("Clear"), "Command2", this);
    DefaultButton(Command1);
    buttonRow(grid, {Command1, Command2});
    connect(Command1, &QPushButton::clicked, this, &hex2ascii::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &hex2ascii::Command2_Click);
}

void hex2ascii::Command1_Click() {
    const TextEncoding encoding = chosenEncoding(cmbEncoding);
    QString text = multiLineText(Text1), problem;
    if (Option1->isChecked()) {
        text.remove(QLatin1Char(' ')).remove(QLatin1Char('%')).remove(QLatin1Char(':'));
        const DecodedText decoded = decodeText(HexPairsToBytes(text), encoding);
        problem = decoded.problem;
        if (problem.isEmpty())
            setMultiLineText(Text1, decoded.text);
    } else if (Option2->isChecked()) {
        const EncodedText encoded = encodeText(text, encoding);
        problem = encoded.problem;
        if (problem.isEmpty())
            setMultiLineText(Text1, TextToHexPairs(encoded.bytes));
    }
    // The one box holds the input and then the result: a problem marks it and keeps the text.
    if (!problem.isEmpty()) {
        MarkInput(Text1, InputState::Error,
                  Option1->isChecked() ? notDecodable(encoding) : unencodable(encoding));
        ShowMessage(this, problem);
    } else {
        ClearInputMark(Text1);
    }
}

void hex2ascii::Command2_Click() {
    Text1->clear();
}

AdsenseCC::AdsenseCC(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "AdsenseCC", QStringLiteral("Adsense Code Converter for Blogger"));
    DescribeBoxes(this, {{"Text1", "Ad code"}});
    Text1 = codeBox("Text1", this, 6000, 3000);
    SelectAllOnCtrlA(Text1);
    auto *grid = new QGridLayout(this);
    grid->addWidget(Text1, 0, 0, 1, 2);
    Command1 = CommandButton(QStringLiteral("Convert"), "Command1", this);
    Command2 = CommandButton(QStringLiteral("Clear"), "Command2", this);
    DefaultButton(Command1);
    buttonRow(grid, {Command1, Command2});
    connect(Command1, &QPushButton::clicked, this, &AdsenseCC::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &AdsenseCC::Command2_Click);
}

void AdsenseCC::Command1_Click() {
    silentErrorExit([&] {
        caretToEnd(Text1);
        setMultiLineText(Text1, EscapeHtmlForBlogger(multiLineText(Text1)));
        Text1->moveCursor(QTextCursor::End);
    });
}

void AdsenseCC::Command2_Click() {
    caretToEnd(Text1);
    Text1->clear();
}

Reverse::Reverse(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "Reverse", QStringLiteral("Reverse the String"));
    DescribeBoxes(this, {{"Text1", "Text"}, {"Text2", "Reversed text"}});
    Text1 = codeBox("Text1", this, 4800, 1200);
    Text2 = codeResultBox("Text2", this, 4800, 1200);
    Command1 = CommandButton(QStringLiteral("Reverse"), "Command1", this);
    DefaultButton(Command1);
    auto *grid = new QGridLayout(this);
    grid->addWidget(Text1, 0, 0, 1, 2);
    buttonRow(grid, {Command1});
    grid->addWidget(Text2, grid->rowCount(), 0, 1, 2);
    connect(Command1, &QPushButton::clicked, this, &Reverse::Command1_Click);
}

void Reverse::Command1_Click() {
    const Computation computing(this);
    silentErrorExit(
        [&] { Text2->setPlainText(toBoxLineBreaks(ReverseText(multiLineText(Text1)))); });
}

CharacterNumber::CharacterNumber(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "CharacterNumber", QStringLiteral("Character Number Calculator"));
    DescribeBoxes(this, {{"Text2", "Character to count"}});
    Label1 = Caption(QStringLiteral("String"), "Label1", this);
    Text1 = codeBox("Text1", this, 4800, 1500);
    Label1->setBuddy(Text1);
    Frame1 = named(new QGroupBox(QStringLiteral("Character"), this), "Frame1");
    Text2 = TextBox("Text2", Frame1, 1);
    Text2->setMaximumWidth(twips(600));
    Command1 = CommandButton(QStringLiteral("Single"), "Command1", Frame1);
    DefaultButton(Command1);
    auto *frameRow = new QHBoxLayout(Frame1);
    frameRow->addWidget(Text2);
    frameRow->addWidget(Command1);
    Label3 = Caption(QStringLiteral("Result"), "Label3", this);
    Text3 = ResultBox("Text3", this);
    Label3->setBuddy(Text3);
    Command2 = CommandButton(QStringLiteral("Totally"), "Command2", this);
    cmbEncoding = encodingChoice(this, lblEncoding);
    auto *grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(Text1, 1, 0, 1, 2);
    grid->addLayout(encodingRow(lblEncoding, cmbEncoding), 2, 0, 1, 2);
    grid->addWidget(Frame1, 3, 0);
    grid->addWidget(Command2, 3, 1);
    grid->addWidget(Label3, 4, 0, 1, 2);
    grid->addWidget(Text3, 5, 0, 1, 2);
    connect(Command1, &QPushButton::clicked, this, &CharacterNumber::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &CharacterNumber::Command2_Click);
}

void CharacterNumber::Command1_Click() {
    const Computation computing(this, {Text3}, {Text1, Text2});
    // An empty character is found nowhere: the count stands, with a word why it is 0.
    MarkInput(Text2, Text2->text().isEmpty() ? InputState::Warning : InputState::Fine,
              QStringLiteral("Empty: no character to count"));
    Text3->setText(QStringLiteral("There are %1 characters.")
                       .arg(CountCharacter(multiLineText(Text1), Text2->text())));
}

// All the characters, as the chosen encoding counts them.
void CharacterNumber::Command2_Click() {
    Computation computing(this, {Text3}, {Text1, cmbEncoding});
    const TextEncoding encoding = chosenEncoding(cmbEncoding);
    const QString text = multiLineText(Text1);
    if (const QString problem = encodeText(text, encoding).problem; !problem.isEmpty()) {
        markUnencodable(Text1, encoding);
        computing.fail();
        ShowMessage(this, problem);
        return;
    }
    ClearInputMark(Text1);
    Text3->setText(QStringLiteral("There are %1 characters.").arg(characterCount(text, encoding)));
}

RandomNumber::RandomNumber(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "RandomNumber", QStringLiteral("Random Password Generator"));
    DescribeBoxes(this, {{"Combo1", "Character set"}, {"Text1", "Password"}});
    Combo1 = EditableComboBox("Combo1", this);
    const Form form = FieldForm(this, {{"Label1", QStringLiteral("Length"), "Text2"}});
    Label1 = form.captions[0];
    Text2 = form.boxes[0];
    Text2->setMaxLength(4);
    Text2->setText(QStringLiteral("10"));
    form.grid->addWidget(Combo1, form.grid->rowCount(), 0, 1, 2);
    Command1 = ComputeButton(QStringLiteral("Generate"), "Command1", this, form.grid);
    Text1 = codeResultBox("Text1", this, 4200, 900);
    form.grid->addWidget(Text1, form.grid->rowCount(), 0, 1, 3);
    Save = MenuBarItem("Save", QStringLiteral("Save"));
    setTabOrder(Combo1, Text2);
    connect(Command1, &QPushButton::clicked, this, &RandomNumber::Command1_Click);
    connect(Save, &QAction::triggered, this, &RandomNumber::Save_Click);
    Form_Load();
}

void RandomNumber::Form_Load() {
    for (const PasswordAlphabet &alphabet : PasswordAlphabets())
        Combo1->addItem(alphabet.nameText());
    Combo1->setCurrentIndex(0);
    Combo1->setEditText(PasswordAlphabets().front().nameText());
}

void RandomNumber::Command1_Click() {
    const Computation computing(this);
    // A length that is empty, no number or beyond 16 bits generates nothing.
    silentErrorExit([&] {
        const PasswordAlphabet *chosen = nullptr;
        for (const PasswordAlphabet &alphabet : PasswordAlphabets())
            if (Combo1->currentText() == alphabet.nameText())
                chosen = &alphabet;
        if (!chosen)
            RejectInput(Combo1, QStringLiteral("A character set from the list"));
        const double length = ReadRoundedNumber(Text2, -32768, 32767);
        if (length <= 0)
            MarkInput(Text2, InputState::Warning,
                      QStringLiteral("No characters: a length above zero makes a password"));
        setMultiLineText(Text1, RandomPassword(toInt16(length), chosen->charactersText()));
    });
}

void RandomNumber::Save_Click() {
    SaveResultText(this, QStringLiteral("RandomPasswords.txt"),
                   {QStringLiteral("\r\n") + multiLineText(Text1)}, SavedMessage);
}

namespace {

constexpr int LottoLabels[] = {1, 2, 3, 4, 5, 6};
constexpr int MegaLabels[] = {7, 8, 9, 10, 11};
constexpr int MegaBallLabel[] = {13};
constexpr int PowerballLabels[] = {25, 26, 27, 28, 29};
constexpr int PowerBallLabel[] = {30};

} // namespace

Lotto::Lotto(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "Lotto", QStringLiteral("Random Lottery Numbers Generator"));
    auto *layout = new QVBoxLayout(this);
    const struct {
        const char *frameName, *caption;
        std::initializer_list<int> labels;
    } games[] = {{"Frame1", "6/49", {1, 2, 3, 4, 5, 6}},
                 {"Frame2", "Mega Millions (5/56 + 1/46)", {7, 8, 9, 10, 11, 13}},
                 {"Frame4", "Powerball (5/59 + 1/35)", {25, 26, 27, 28, 29, 30}}};
    for (const auto &game : games) {
        QGroupBox *frame = named(new QGroupBox(QLatin1String(game.caption), this), game.frameName);
        auto *row = new QHBoxLayout(frame);
        for (int number : game.labels) {
            const QByteArray name = "Label" + QByteArray::number(number);
            m_labels[number] = Caption(QString(), name.constData(), frame);
            m_labels[number]->setMinimumWidth(twips(450));
            m_labels[number]->setAlignment(Qt::AlignCenter);
            m_labels[number]->setFrameShape(QFrame::Panel);
            row->addWidget(m_labels[number]);
        }
        layout->addWidget(frame);
    }
    Command1 = CommandButton(QStringLiteral("Generate"), "Command1", this);
    NoDefaultButton({Command1});
    layout->addWidget(Command1, 0, Qt::AlignHCenter);
    Save = MenuBarItem("Save", QStringLiteral("Save"));
    connect(Command1, &QPushButton::clicked, this, &Lotto::Command1_Click);
    connect(Save, &QAction::triggered, this, &Lotto::Save_Click);
}

QLabel *Lotto::numberLabel(int number) const {
    return number >= 0 && number < 31 ? m_labels[number] : nullptr;
}

void Lotto::showNumbers(std::span<const int> labels, const int *numbers) {
    for (int label : labels)
        m_labels[label]->setText(QString::number(*numbers++));
}

QStringList Lotto::texts(std::span<const int> labels) const {
    QStringList shown;
    for (int label : labels)
        shown << m_labels[label]->text();
    return shown;
}

void Lotto::Command1_Click() {
    const LotteryTickets tickets = DrawLotteryTickets();
    showNumbers(LottoLabels, tickets.lotto.data());
    showNumbers(MegaLabels, tickets.mega.data());
    showNumbers(MegaBallLabel, &tickets.megaBall);
    showNumbers(PowerballLabels, tickets.powerball.data());
    showNumbers(PowerBallLabel, &tickets.powerBall);
}

void Lotto::Save_Click() {
    SaveResultText(this, QStringLiteral("Lottery.txt"),
                   {LotteryFileText(texts(LottoLabels), texts(PowerballLabels),
                                    m_labels[30]->text(), texts(MegaLabels), m_labels[13]->text())},
                   SavedMessage);
}

} // namespace zq
