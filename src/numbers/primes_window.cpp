#include "numbers/primes_window.h"

#include "common/computation.h"
#include "common/controls.h"
#include "common/error_rules.h"
#include "common/input_marks.h"
#include "common/lazy_list_view.h"
#include "common/messages.h"
#include "common/number_rules.h"
#include "common/save_result.h"
#include "common/text_boxes.h"
#include "common/window_access.h"
#include "numbers/primes.h"

#include <QAbstractListModel>
#include <QAction>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cmath>
#include <limits>

namespace zq {

// The prime table's lines, made when the view asks for them.
class PrimeTableModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void setUpperEnd(int rows) {
        beginResetModel();
        m_rows = rows;
        endResetModel();
    }
    int rowCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : m_rows;
    }
    QVariant data(const QModelIndex &index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rows)
            return {};
        return primeTableLine(std::int64_t(index.row()) + 1);
    }

private:
    int m_rows = 0;
};

namespace {

// Text boxes whose exact text "0" or "" means no number was entered.
bool isNothingEntered(const QLineEdit *box) {
    return box->text().isEmpty() || box->text() == QLatin1String("0");
}

} // namespace

PrimeFactor::PrimeFactor(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("PrimeFactor"));
    setWindowTitle(tr("Prime Factor Calculator"));
    DescribeBoxes(this, {{"Text1", tr("Number")}, {"Text2", tr("Prime factors")}});

    Text1 = TextBox("Text1", this);
    Text1->setMaxLength(8);
    Command1 = CommandButton(tr("Calculate"), "Command1", this);
    DefaultButton(Command1);
    Text2 = MultiLineResultBox("Text2", this, 3500, 1200);
    Label1 = Caption(QString(), "Label1", this);
    MarkResult(Label1);

    BoxAndButtonRows(this, Text1, Command1, {Text2, Label1});
    Save = MenuBarItem("Save", tr("Save"));

    connect(Command1, &QPushButton::clicked, this, &PrimeFactor::Command1_Click);
    connect(Save, &QAction::triggered, this, &PrimeFactor::Save_Click);
}

void PrimeFactor::Command1_Click() {
    const Computation computing(this);
    m_savedVerdict.clear(); // a failed computation empties the verdict
    silentErrorExit([&] {
        Text2->clear();
        // Only whole numbers have prime factors, and 1 is the least with a verdict.
        const double n = ReadLenientNumber(Text1);
        if (n != std::floor(n) || !(n >= 1 && n <= 99999999))
            RejectInput(Text1, tr("A whole number from 1 to 99999999"));
        Label1->setText(PleaseWait());
        setMultiLineText(Text2, PrimeFactorText(n));
        Label1->setText(PrimeVerdictText(n));
        m_savedVerdict = EnglishPrimeVerdictText(n);
    });
}

void PrimeFactor::Save_Click() {
    // The file keeps the English verdict in every language.
    SaveResultText(this, QStringLiteral("PrimeFactors.txt"),
                   {QStringLiteral("\r\n") + multiLineText(Text2) + QStringLiteral("= ") +
                    Text1->text() + QLatin1Char(' ') + m_savedVerdict},
                   SavedMessage());
}

PrimeNonPrime::PrimeNonPrime(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("PrimeNonPrime"));
    setWindowTitle(tr("Prime,Non-Prime Numbers"));
    DescribeBoxes(this, {{"Text1", tr("Up to")}, {"List1", tr("Numbers")}});

    Text1 = TextBox("Text1", this);
    Command1 = CommandButton(tr("Show"), "Command1", this);
    DefaultButton(Command1);
    List1 = named(new LazyListView(this), "List1");
    MarkResult(List1);
    List1->setMinimumSize(twips(3500), twips(3000));
    m_table = new PrimeTableModel(this);
    List1->setModel(m_table);

    BoxAndButtonRows(this, Text1, Command1, {List1});
    Save = MenuBarItem("Save", tr("Save"));

    connect(Command1, &QPushButton::clicked, this, &PrimeNonPrime::Command1_Click);
    connect(Save, &QAction::triggered, this, &PrimeNonPrime::Save_Click);
}

void PrimeNonPrime::Command1_Click() {
    const Computation computing(this);
    if (isNothingEntered(Text1))
        ShowMessage(this, tr("Enter the Number!"), MessageIcon::Information, MessageButtons::Ok,
                    tr("Prime,Non-Prime"));
    silentErrorExit([&] {
        m_table->setUpperEnd(0);
        const double n = ReadStrictNumber(Text1);
        // The list holds at most one line per 32-bit number: a larger N reads like no number.
        RequireRange(Text1, n, 1, std::numeric_limits<int>::max(),
                     tr("A number from 1 to 2147483647"));
        const std::int64_t rows = primeTableRowCount(n);
        if (double(rows) != n)
            MarkInput(Text1, InputState::Warning, tr("Read as %1").arg(rows));
        m_table->setUpperEnd(int(rows));
    });
}

void PrimeNonPrime::Save_Click() {
    SaveResultLines(
        this, QStringLiteral("PrimeNon-PrimeNumbers.txt"), m_table->rowCount(),
        [](qint64 first, qint64 count) { return englishPrimeTableLines(first + 1, count); },
        tr("Saved to the program's location!"));
}

Divisibility::Divisibility(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("Divisibility"));
    setWindowTitle(tr("Divisibility Calculator"));
    DescribeBoxes(this, {{"Text1", tr("Number")}, {"Text12", tr("Divisor")}});

    Text1 = TextBox("Text1", this);
    Text1->setMaxLength(9);
    Text12 = TextBox("Text12", this);
    Text12->setMaxLength(6);
    // The remainder box is never shown: the verdict carries the remainder.
    Text5 = TextBox("Text5", this);
    Text5->setVisible(false);
    MarkResult(Text5);
    Label5 = Caption(tr("Divisible by x"), "Label5", this);
    MarkResult(Label5);
    Label5->setMinimumWidth(twips(3600));
    Command1 = CommandButton(tr("Calculate"), "Command1", this);
    Command2 = CommandButton(tr("Rules"), "Command2", this);
    DefaultButton(Command1);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Text1, 0, 0);
    grid->addWidget(Text12, 0, 1);
    grid->addWidget(Command1, 1, 0);
    grid->addWidget(Command2, 1, 1);
    grid->addWidget(Label5, 2, 0, 1, 2);
    setTabOrder(Text1, Text12);
    setTabOrder(Text12, Command1);
    setTabOrder(Command1, Command2);

    connect(Command1, &QPushButton::clicked, this, &Divisibility::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Divisibility::Command2_Click);
}

void Divisibility::Command1_Click() {
    const Computation computing(this, {Label5, Text5});
    silentErrorExit([&] {
        RequireNumbers({Text1, Text12});
        ReadRoundedNumber(Text1, -2147483648.0, 2147483647);
        if (ReadRoundedNumber(Text12, -2147483648.0, 2147483647) == 0)
            RejectInput(Text12, tr("A number other than zero"));
        const auto result = DivisibilityResult(Text1->text(), Text12->text());
        Text5->setText(result.remainder);
        Label5->setText(result.verdict);
    });
}

void Divisibility::Command2_Click() {
    ShowToolModal(new DivisibilityRules(this));
}

namespace {

constexpr const char *RulesLeft[] = {
    QT_TRANSLATE_NOOP("zq::DivisibilityRules", "Divisible by 2:"),
    QT_TRANSLATE_NOOP("zq::DivisibilityRules", "The last digit is even (0,2,4,6,8)."),
    "",
    QT_TRANSLATE_NOOP("zq::DivisibilityRules", "Divisible by 3:"),
    QT_TRANSLATE_NOOP("zq::DivisibilityRules", "The sum of the digits is divisible by 3."),
    "",
    QT_TRANSLATE_NOOP("zq::DivisibilityRules", "Divisible by 4:"),
    QT_TRANSLATE_NOOP("zq::DivisibilityRules", "The last two digits are divisible by 4."),
    QT_TRANSLATE_NOOP("zq::DivisibilityRules", "Or last two digits are 0."),
    "",
    QT_TRANSLATE_NOOP("zq::DivisibilityRules", "Divisible by 5:"),
    QT_TRANSLATE_NOOP("zq::DivisibilityRules", "The last digit is 0 or 5."),
    "",
    QT_TRANSLATE_NOOP("zq::DivisibilityRules", "Divisible by 6:"),
    QT_TRANSLATE_NOOP("zq::DivisibilityRules", "The number is divisible by both 2 and 3."),
};

constexpr const char *RulesRight[] = {
    QT_TRANSLATE_NOOP("zq::DivisibilityRules", "Divisible by 7:"),
    QT_TRANSLATE_NOOP("zq::DivisibilityRules",
                      "Take the last digit, double it, and subtract it from the rest of the "
                      "number. Example: 308  (8x2=16, 30-16=14)"),
    "",
    QT_TRANSLATE_NOOP("zq::DivisibilityRules", "Divisible by 8:"),
    QT_TRANSLATE_NOOP("zq::DivisibilityRules", "The last three digits are divisible by 8."),
    QT_TRANSLATE_NOOP("zq::DivisibilityRules", "Or last three digits are 0."),
    "",
    QT_TRANSLATE_NOOP("zq::DivisibilityRules", "Divisible by 9:"),
    QT_TRANSLATE_NOOP("zq::DivisibilityRules", "The sum of the digits is divisible by 9."),
    "",
    QT_TRANSLATE_NOOP("zq::DivisibilityRules", "Divisible by 10:"),
    QT_TRANSLATE_NOOP("zq::DivisibilityRules", "The last digit is 0."),
};

// The rules one to a line; the empty lines between them stay empty.
template <std::size_t N> QString linesOf(const char *const (&lines)[N]) {
    QStringList text;
    for (const char *line : lines)
        text << (*line ? QCoreApplication::translate("zq::DivisibilityRules", line) : QString());
    return text.join(QLatin1Char('\n'));
}

} // namespace

DivisibilityRules::DivisibilityRules(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("DivisibilityRules"));
    setWindowTitle(tr("Divisibility Rules"));

    Label1 = Caption(linesOf(RulesLeft), "Label1", this);
    Label2 = Caption(linesOf(RulesRight), "Label2", this);
    Label2->setWordWrap(true);
    Label2->setMinimumWidth(twips(3600));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Command1 = CommandButton(tr("OK"), "Command1", this);
    DefaultButton(Command1);
    CancelButton(Command1);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Label2, 0, 1);
    grid->addWidget(Command1, 1, 0, 1, 2, Qt::AlignHCenter);

    connect(Command1, &QPushButton::clicked, this, &DivisibilityRules::Command1_Click);
}

void DivisibilityRules::Command1_Click() {
    close();
}

} // namespace zq
