#include "finance/restaurant_bill_window.h"

#include "common/code_page.h"
#include "common/computation.h"
#include "common/controls.h"
#include "common/date_text.h"
#include "common/error_rules.h"
#include "common/input_marks.h"
#include "common/messages.h"
#include "common/number_rules.h"
#include "common/save_result.h"
#include "common/text_boxes.h"
#include "common/window_access.h"
#include "finance/restaurant_bill.h"

#include <QCheckBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace zq {
namespace {

const QString BillFile = QStringLiteral("Bill Summary.dat");

QByteArray controlName(const char *kind, int number) {
    return QByteArray(kind) + QByteArray::number(number);
}

QGroupBox *frame(const QString &caption, const char *name, QWidget *parent) {
    return named(new QGroupBox(caption, parent), name);
}

QCheckBox *checkBox(const QString &caption, const char *name, QWidget *parent) {
    return named(new QCheckBox(caption, parent), name);
}

// An "Other" row's box sits in a small frame of its own.
QWidget *captionedBox(const QString &caption, QLineEdit *box, QWidget *parent) {
    auto *small = new QGroupBox(caption, parent);
    auto *layout = new QVBoxLayout(small);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(box);
    return small;
}

struct GroupDesign {
    MenuGroup group;
    const char *frameName;
    const char *caption;
};

// The captions are translated in the window's context when it is made.
constexpr GroupDesign Groups[] = {
    {MenuGroup::Meals, "Frame2", QT_TRANSLATE_NOOP("zq::MenuTracking", "Meals")},
    {MenuGroup::FastFood, "Frame6", QT_TRANSLATE_NOOP("zq::MenuTracking", "Fast Food")},
    {MenuGroup::Desserts, "Frame3", QT_TRANSLATE_NOOP("zq::MenuTracking", "Desserts")},
    {MenuGroup::Drinks, "Frame4", QT_TRANSLATE_NOOP("zq::MenuTracking", "Drinks")}};

const std::vector<const MenuRow *> &rowsInCheckOrder() {
    static const std::vector<const MenuRow *> rows = [] {
        std::vector<const MenuRow *> sorted;
        for (const MenuRow &row : MenuRows())
            sorted.push_back(&row);
        std::sort(sorted.begin(), sorted.end(),
                  [](const MenuRow *a, const MenuRow *b) { return a->check < b->check; });
        return sorted;
    }();
    return rows;
}

} // namespace

MenuTracking::MenuTracking(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("MenuTracking"));
    setWindowTitle(tr("Restaurant Bill Calculator"));
    DescribeBoxes(this, {{"Text55", tr("Tipping")},
                         {"Text59", tr("Discount")},
                         {"Text1", tr("Total")},
                         {"Text2", tr("Discounted")}});
    setCloseOnEscape(false);

    QGroupBox *menu = frame(tr("Menu"), "Frame1", this);
    auto *menuLayout = new QGridLayout(menu);
    int groupIndex = 0;
    for (const GroupDesign &group : Groups) {
        QGroupBox *groupFrame = frame(tr(group.caption), group.frameName, menu);
        auto *rows = new QGridLayout(groupFrame);
        // Column headings over the quantities and prices of the group.
        QLabel *quantities = Caption(tr("Qnty"), nullptr, groupFrame);
        QLabel *prices = Caption(tr("Price"), nullptr, groupFrame);
        rows->addWidget(quantities, 0, 1);
        rows->addWidget(prices, 0, 2);
        int row = 1;
        for (const MenuRow &menuRow : MenuRows()) {
            if (menuRow.group != group.group)
                continue;
            QCheckBox *check =
                checkBox(menuRow.captionText(), controlName("Check", menuRow.check), groupFrame);
            QLineEdit *quantity = TextBox(controlName("Text", menuRow.quantityBox), groupFrame);
            QLineEdit *price = TextBox(controlName("Text", menuRow.priceBox), groupFrame);
            quantity->setText(QStringLiteral("1"));
            quantity->setMaximumWidth(twips(700));
            price->setMaximumWidth(twips(900));
            m_checks[menuRow.check] = check;
            m_boxes[menuRow.quantityBox] = quantity;
            m_boxes[menuRow.priceBox] = price;
            CaptionColumn(quantities, {quantity});
            CaptionColumn(prices, {price});
            quantity->setAccessibleName(tr("%1 quantity").arg(menuRow.captionText()));
            price->setAccessibleName(tr("%1 price").arg(menuRow.captionText()));
            rows->addWidget(check, row, 0);
            rows->addWidget(
                menuRow.other ? captionedBox(tr("Qnty"), quantity, groupFrame) : quantity, row, 1);
            rows->addWidget(menuRow.other ? captionedBox(tr("Price"), price, groupFrame) : price,
                            row, 2);
            ++row;
        }
        rows->setRowStretch(row, 1);
        menuLayout->addWidget(groupFrame, groupIndex / 2, groupIndex % 2);
        ++groupIndex;
    }

    QGroupBox *currency = frame(tr("Currency"), "Frame16", this);
    auto *currencyLayout = new QHBoxLayout(currency);
    Check31 = checkBox(QStringLiteral("$"), "Check31", currency);
    Check32 = checkBox(QStringLiteral("€"), "Check32", currency);
    Check33 = checkBox(QStringLiteral("TL"), "Check33", currency);
    for (QCheckBox *choice : {Check31, Check32, Check33})
        currencyLayout->addWidget(choice);

    auto percentFrame = [this](const QString &caption, const char *frameName, QCheckBox *&check,
                               const QString &checkCaption, const char *checkName, QLineEdit *&box,
                               const char *boxName) {
        QGroupBox *group = frame(caption, frameName, this);
        auto *layout = new QHBoxLayout(group);
        check = checkBox(checkCaption, checkName, group);
        box = TextBox(boxName, group);
        box->setMaximumWidth(twips(700));
        layout->addWidget(check);
        layout->addWidget(box);
        layout->addWidget(new QLabel(QStringLiteral("%"), group));
        return group;
    };
    QGroupBox *add = percentFrame(tr("Add"), "Frame15", Check30, tr("Service - Tipping %"),
                                  "Check30", Text55, "Text55");
    QGroupBox *discount = percentFrame(tr("Discount"), "Frame5", Check6, tr("Discount %"), "Check6",
                                       Text59, "Text59");

    QLabel *tableCaption = Caption(tr("Table No:"), "Label5", this);
    TextMasaNo = TextBox("TextMasaNo", this);
    TextMasaNo->setToolTip(tr("Bu alan boş bırakılabilir."));
    tableCaption->setBuddy(TextMasaNo);
    Label4 = Caption(QString(), "Label4", this);
    Text1 = ResultBox("Text1", this);
    QFont large = Text1->font();
    large.setBold(true);
    Text1->setFont(large);
    Text2 = ResultBox("Text2", this);
    Text56 = TextBox("Text56", this);
    Text57 = TextBox("Text57", this);
    Text58 = TextBox("Text58", this);
    Text100 = TextBox("Text100", this);
    for (QLineEdit *holder : {Text56, Text57, Text58, Text100}) {
        holder->hide();
        MarkResult(holder); // what the window keeps, not what the user types
    }

    Command1 = CommandButton(tr("Total"), "Command1", this);
    Command2 = CommandButton(tr("Save"), "Command2", this);
    Command3 = CommandButton(tr("Clear"), "Command3", this);
    Command4 = CommandButton(tr("Bill Summary"), "Command4", this);
    Command5 = CommandButton(tr("Exit"), "Command5", this);
    DefaultButton(Command1);

    auto *side = new QVBoxLayout;
    side->addWidget(currency);
    side->addWidget(add);
    side->addWidget(discount);
    auto *table = new QHBoxLayout;
    table->addWidget(tableCaption);
    table->addWidget(TextMasaNo);
    side->addLayout(table);
    side->addWidget(Label4);
    side->addWidget(Text1);
    side->addWidget(Text2);
    for (QPushButton *button : {Command1, Command2, Command3, Command4, Command5})
        side->addWidget(button);
    side->addStretch(1);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(menu, 1);
    layout->addLayout(side);

    for (const auto &[number, check] : m_checks)
        check->setChecked(false);
    // At most one of each group is ticked: a tip or a discount, and one currency.
    AtMostOneTicked(this, {Check30, Check6});
    AtMostOneTicked(this, {Check31, Check32, Check33});
    Check31->setChecked(true);
    m_currency = Check31->text();
    Text58->setText(m_currency);

    Timer1 = named(new QTimer(this), "Timer1");
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &MenuTracking::Timer1_Timer);
    Timer1->start();
    Timer1_Timer();

    connect(Command1, &QPushButton::clicked, this, &MenuTracking::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &MenuTracking::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &MenuTracking::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &MenuTracking::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &MenuTracking::Command5_Click);
    connect(Check30, &QCheckBox::toggled, this, &MenuTracking::Check30_Click);
    connect(Check6, &QCheckBox::toggled, this, &MenuTracking::Check6_Click);
    connect(Check31, &QCheckBox::toggled, this, &MenuTracking::Check31_Click);
    connect(Check32, &QCheckBox::toggled, this, &MenuTracking::Check32_Click);
    connect(Check33, &QCheckBox::toggled, this, &MenuTracking::Check33_Click);
}

void MenuTracking::Command1_Click() {
    // The total answers the ticked rows, the tip or discount and their percentages.
    QList<QWidget *> inputs = {Check30, Check6, Text55, Text59};
    for (const auto &[number, check] : m_checks)
        inputs << check;
    for (const auto &[number, box] : m_boxes)
        inputs << box;
    Computation computing(this, {Text1, Text2, Text56, Text57}, inputs);
    keepSum(QString());
    // Rows are visited in the order of their check boxes' numbers.
    double sum = 0;
    for (const MenuRow *row : rowsInCheckOrder()) {
        QCheckBox *check = menuCheck(row->check);
        if (!check->isChecked())
            continue;
        const QString price = menuBox(row->priceBox)->text();
        if (price.isEmpty()) {
            MarkInput(menuBox(row->priceBox), InputState::Error, tr("A unit price is needed"));
            computing.fail();
            ShowMessage(
                this,
                tr("You have selected but not enter the Unit Price: %1").arg(row->captionText()));
            continue;
        }
        // A row that cannot be read would be left out of the total without a word.
        silentErrorExit([&] {
            RequireNumbers({menuBox(row->quantityBox), menuBox(row->priceBox)});
        });
        const double amount = BillRowAmount(menuBox(row->quantityBox)->text(), price);
        silentErrorExit([&] { sum = BillSumWith(sum, amount); });
    }
    // A tip or a discount ticked without its percentage says so.
    const bool tip = Check30->isChecked(), discount = Check6->isChecked();
    if (tip && Text55->text().isEmpty()) {
        MarkInput(Text55, InputState::Error, tr("A percentage is needed"));
        computing.fail();
        ShowMessage(this,
                    tr("You have selected the Service - Tipping % but not enter the percentage!"));
    }
    if (discount && Text59->text().isEmpty()) {
        MarkInput(Text59, InputState::Error, tr("A percentage is needed"));
        computing.fail();
        ShowMessage(this, tr("You have selected the Discount but not enter the Percentage!"));
    }
    silentErrorExit([&] {
        const BillAdjustment adjustment = tip        ? BillAdjustment::Tip
                                          : discount ? BillAdjustment::Discount
                                                     : BillAdjustment::None;
        const double percent = tip        ? ReadStrictNumber(Text55)
                               : discount ? ReadStrictNumber(Text59)
                                          : 0;
        ShowNumber(Text1, BillTotal(sum, adjustment, percent));
        keepSum(FormatNumberText(sum));
    });
    Text2->setText(discount ? tr("%1 Discounted").arg(Text59->text()) : tr("Not Discounted"));
}

// The sum before a tip or discount, which a saved bill states. The hidden boxes of that name
// show it too, for whoever reads them; the window never reads them back.
void MenuTracking::keepSum(const QString &sum) {
    m_sum = sum;
    Text56->setText(sum);
    Text57->setText(sum);
}

void MenuTracking::Command2_Click() {
    Text100->clear(); // the last record saved, for whoever reads it
    if (Text1->text().isEmpty() || Text1->text() == QLatin1String("0")) {
        ShowMessage(this, tr("Total doesn't exist!"));
        return;
    }
    BillContents bill;
    bill.dateTime = Label4->text();
    bill.table = TextMasaNo->text();
    bill.currency = m_currency;
    for (const MenuRow &row : MenuRows())
        if (menuCheck(row.check)->isChecked())
            bill.lines << BillContents::Line{row.englishCaption(), menuBox(row.priceBox)->text(),
                                             menuBox(row.quantityBox)->text()};
    bill.total = Text1->text();
    bill.sum = m_sum;
    bill.discount = Check6->isChecked();
    bill.discountPercent = Text59->text();
    bill.tipping = Check30->isChecked();
    bill.tippingPercent = Text55->text();
    const QString record = BillRecord(bill);
    Text100->setText(record);
    SaveResultText(this, BillFile, {record}, tr("Saved!"));
}

void MenuTracking::Command3_Click() {
    for (const auto &[number, check] : m_checks)
        check->setChecked(false);
    for (QCheckBox *check : {Check30, Check6, Check31, Check32, Check33})
        check->setChecked(false);
    // Emptied by setting an empty text: clear() would keep every removed character for undo,
    // which takes seconds for boxes full of pasted text.
    for (const auto &[number, box] : m_boxes)
        box->setText(QString());
    for (QLineEdit *box : {Text1, Text2, Text55, Text59, TextMasaNo})
        box->setText(QString());
    keepSum(QString());
}

void MenuTracking::Command4_Click() {
    ShowToolModal(new MenuTrackingALT(this));
}

void MenuTracking::Command5_Click() {
    close();
}

void MenuTracking::Check30_Click() {
    UntickOthers(Check30);
}

void MenuTracking::Check6_Click() {
    UntickOthers(Check6);
}

void MenuTracking::chooseCurrency(QCheckBox *chosen) {
    if (!chosen->isChecked())
        return; // unticking keeps the symbol
    UntickOthers(chosen);
    m_currency = chosen->text();
    Text58->setText(m_currency); // shown to no one; for whoever reads it
}

void MenuTracking::Check31_Click() {
    chooseCurrency(Check31);
}

void MenuTracking::Check32_Click() {
    chooseCurrency(Check32);
}

void MenuTracking::Check33_Click() {
    chooseCurrency(Check33);
}

void MenuTracking::Timer1_Timer() {
    Label4->setText(GeneralDateTimeText(QDateTime::currentDateTime()));
}

MenuTrackingALT::MenuTrackingALT(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("MenuTrackingALT"));
    setWindowTitle(tr("Bill Summary"));
    DescribeBoxes(this, {{"List1", tr("Saved bills")}});
    List1 = named(new QListWidget(this), "List1");
    MarkResult(List1);
    ShowLongLinesShortened(List1);
    List1->setMinimumSize(twips(7500), twips(5000));
    Command1 = CommandButton(tr("OK"), "Command1", this);
    DefaultButton(Command1);
    CancelButton(Command1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(List1);
    layout->addWidget(Command1, 0, Qt::AlignRight);
    connect(Command1, &QPushButton::clicked, this, &MenuTrackingALT::Command1_Click);
    Form_Load();
}

void MenuTrackingALT::Form_Load() {
    List1->clear();
    // Read from where Save writes; a missing or unreadable file leaves the list empty.
    QFile file(BillFile);
    if (file.open(QIODevice::ReadOnly))
        List1->addItems(BillFileEntries(fromCodePage(file.readAll())));
}

void MenuTrackingALT::Command1_Click() {
    close();
}

} // namespace zq
