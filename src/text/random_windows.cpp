#include "text/random_windows.h"

#include "common/computation.h"
#include "common/controls.h"
#include "common/error_rules.h"
#include "common/input_marks.h"
#include "common/numeric_types.h"
#include "common/save_result.h"
#include "common/text_boxes.h"
#include "common/window_access.h"
#include "text/random_tools.h"
#include "text/text_window_parts.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zq {
namespace {

// The set picked from the list, or the one whose name is typed (as the list shows it or in
// English); -1 for a name of no set.
int chosenAlphabet(const QComboBox *list) {
    const int picked = list->currentIndex();
    if (picked >= 0 && list->currentText() == list->itemText(picked))
        return picked;
    return FindPasswordAlphabet(list->currentText());
}

} // namespace

RandomNumber::RandomNumber(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "RandomNumber", tr("Random Password Generator"));
    DescribeBoxes(this, {{"Combo1", tr("Character set")}, {"Text1", tr("Password")}});
    Combo1 = EditableComboBox("Combo1", this);
    const Form form = FieldForm(this, {{"Label1", tr("Length"), "Text2"}});
    Label1 = form.captions[0];
    Text2 = form.boxes[0];
    Text2->setMaxLength(4);
    Text2->setText(QStringLiteral("10"));
    form.grid->addWidget(Combo1, form.grid->rowCount(), 0, 1, 2);
    Command1 = ComputeButton(tr("Generate"), "Command1", this, form.grid);
    Text1 = CodeResultBox("Text1", this, 4200, 900);
    form.grid->addWidget(Text1, form.grid->rowCount(), 0, 1, 3);
    Save = MenuBarItem("Save", tr("Save"));
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
        const int chosen = chosenAlphabet(Combo1);
        if (chosen < 0)
            RejectInput(Combo1, tr("A character set from the list"));
        const double length = ReadRoundedNumber(Text2, -32768, 32767);
        if (length <= 0)
            MarkInput(Text2, InputState::Warning,
                      tr("No characters: a length above zero makes a password"));
        setMultiLineText(
            Text1, RandomPassword(toInt16(length), PasswordAlphabets()[chosen].charactersText()));
    });
}

void RandomNumber::Save_Click() {
    SaveResultText(this, QStringLiteral("RandomPasswords.txt"),
                   {QStringLiteral("\r\n") + multiLineText(Text1)}, SavedMessage());
}

namespace {

constexpr int LottoLabels[] = {1, 2, 3, 4, 5, 6};
constexpr int MegaLabels[] = {7, 8, 9, 10, 11};
constexpr int MegaBallLabel[] = {13};
constexpr int PowerballLabels[] = {25, 26, 27, 28, 29};
constexpr int PowerBallLabel[] = {30};

} // namespace

Lotto::Lotto(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "Lotto", tr("Random Lottery Numbers Generator"));
    auto *layout = new QVBoxLayout(this);
    // The games' captions are their names and number ranges: not translated.
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
    Command1 = CommandButton(tr("Generate"), "Command1", this);
    NoDefaultButton({Command1});
    layout->addWidget(Command1, 0, Qt::AlignHCenter);
    Save = MenuBarItem("Save", tr("Save"));
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
                   SavedMessage());
}

} // namespace zq
