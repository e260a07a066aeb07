#include "science/science_windows.h"

#include "common/computation.h"
#include "common/controls.h"
#include "common/error_rules.h"
#include "common/input_marks.h"
#include "common/number_rules.h"
#include "common/save_result.h"
#include "common/text_boxes.h"
#include "common/window_access.h"
#include "science/atomic_mass.h"
#include "science/electrical.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace zq {
namespace {

QListWidget *listBox(const char *name, QWidget *parent, int widthTwips, int heightTwips) {
    auto *list = named(new QListWidget(parent), name);
    list->setMinimumSize(twips(widthTwips), twips(heightTwips));
    return list;
}

// A result line is shown in the interface language and keeps its English text, which is saved.
constexpr int EnglishLineRole = Qt::UserRole;

void addResultLine(QListWidget *list, const MassLine &line) {
    // Given its English text before it joins the list, so the list has no change to redraw.
    auto *item = new QListWidgetItem(line.shown);
    item->setData(EnglishLineRole, line.english);
    list->addItem(item);
}

void addResultLines(QListWidget *list, const MassResults &results) {
    for (qsizetype line = 0; line < results.lines().size(); ++line)
        addResultLine(list, {results.englishLines()[line], results.lines()[line]});
}

QStringList englishLines(const QListWidget *list) {
    QStringList lines;
    for (int row = 0; row < list->count(); ++row)
        lines << list->item(row)->data(EnglishLineRole).toString();
    return lines;
}

} // namespace

RAMfrm::RAMfrm(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "RAMfrm", tr("Relative Atomic Mass Calculator"));
    DescribeBoxes(this, {{"txtForm", tr("Element or formula")},
                         {"lstResults", tr("Results")},
                         {"lstImportant", tr("Kept results")}});
    txtForm = TextBox("txtForm", this);
    txtForm->setText(QStringLiteral("H2O"));
    cmdElem = CommandButton(tr("Element Mass"), "cmdElem", this);
    cmdComp = CommandButton(tr("Compound Mass"), "cmdComp", this);
    DefaultButton(cmdComp);
    lstResults = listBox("lstResults", this, 4500, 2400);
    lstImportant = listBox("lstImportant", this, 4500, 1400);
    for (QListWidget *list : {lstResults, lstImportant}) {
        MarkResult(list);
        ShowLongLinesShortened(list);
    }
    auto *grid = new QGridLayout(this);
    grid->addWidget(txtForm, 0, 0, 1, 2);
    grid->addWidget(cmdElem, 1, 0);
    grid->addWidget(cmdComp, 1, 1);
    grid->addWidget(lstResults, 2, 0, 1, 2);
    grid->addWidget(lstImportant, 3, 0, 1, 2);
    QMenu *file = MenuBarMenu(tr("File"));
    Save = named(file->addAction(tr("Save")), "Save");
    file->addSeparator();
    AtomNo = named(file->addAction(tr("Atomic Numbers")), "AtomNo");
    lstImportant->viewport()->installEventFilter(this);
    connect(cmdElem, &QPushButton::clicked, this, &RAMfrm::cmdElem_Click);
    connect(cmdComp, &QPushButton::clicked, this, &RAMfrm::cmdComp_Click);
    connect(lstResults, &QListWidget::itemDoubleClicked, this, &RAMfrm::lstResults_DblClick);
    connect(lstImportant, &QListWidget::itemDoubleClicked, this, &RAMfrm::lstImportant_DblClick);
    connect(Save, &QAction::triggered, this, &RAMfrm::Save_Click);
    connect(AtomNo, &QAction::triggered, this, &RAMfrm::AtomNo_Click);
}

void RAMfrm::cmdElem_Click() {
    Computation computing(this, {lstResults}, {txtForm});
    lstResults->clear();
    addResultLine(lstResults, ElementMassLine(txtForm->text()));
    // The list says there is no such element; the box says so too.
    if (!FindElement(txtForm->text())) {
        MarkInput(txtForm, InputState::Error, tr("No element of that name or symbol"));
        computing.fail();
        computing.keep(lstResults);
    } else {
        ClearInputMark(txtForm);
    }
}

void RAMfrm::cmdComp_Click() {
    Computation computing(this, {lstResults}, {txtForm});
    lstResults->clear();
    if (txtForm->text().trimmed().isEmpty()) {
        MarkInput(txtForm, InputState::Error, tr("Empty: a formula is needed"));
        computing.fail();
        return;
    }
    MassResults results;
    const double mass = CompoundMass(txtForm->text(), results);
    addResultLines(lstResults, results);
    // A formula with symbols of no element, or counts too large to hold, has no mass: the
    // lines say what was not read.
    if (!results.complete()) {
        MarkInput(txtForm, InputState::Error,
                  tr("Symbols begin with a capital, as in H2SO4; see the list"));
        computing.fail();
        computing.keep(lstResults);
        return;
    }
    ClearInputMark(txtForm);
    addResultLine(lstResults, FormulaMassLine(txtForm->text(), mass));
}

void RAMfrm::lstResults_DblClick() {
    if (QListWidgetItem *selected = lstResults->currentItem())
        lstImportant->addItem(selected->text());
}

void RAMfrm::lstImportant_DblClick() {
    delete lstImportant->takeItem(lstImportant->currentRow());
}

bool RAMfrm::eventFilter(QObject *watched, QEvent *event) {
    if (watched == lstImportant->viewport() && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent *>(event)->button() == Qt::RightButton) {
        lstImportant->clear();
        return true;
    }
    return ToolWindow::eventFilter(watched, event);
}

void RAMfrm::Save_Click() {
    SaveResultText(this, QStringLiteral("RelativeAtomicMass.txt"), englishLines(lstResults),
                   tr("Saved to the program's location!"));
}

void RAMfrm::AtomNo_Click() {
    ShowToolModal(new RAMAtomNo(this));
}

RAMAtomNo::RAMAtomNo(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "RAMAtomNo", tr("Atomic Numbers of Elements"));
    DescribeBoxes(this, {{"Text1", tr("Atomic numbers")}});
    Text1 = MultiLineResultBox("Text1", this, 3600, 4500);
    setMultiLineText(Text1, AtomicNumberList());
    SelectAllOnCtrlA(Text1);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(Text1);
}

ResistorColor::ResistorColor(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "ResistorColor", tr("Resistor Color Code Calculator"));
    DescribeBoxes(this, {{"List1", tr("First band")},
                         {"List2", tr("Second band")},
                         {"List3", tr("Multiplier")},
                         {"List4", tr("Tolerance")},
                         {"Text1", tr("Resistance")}});
    List1 = listBox("List1", this, 1200, 2600);
    List2 = listBox("List2", this, 1200, 2600);
    List3 = listBox("List3", this, 1200, 2600);
    List4 = listBox("List4", this, 1200, 2600);
    Command1 = CommandButton(tr("Calculate"), "Command1", this);
    DefaultButton(Command1);
    Text1 = MultiLineResultBox("Text1", this, 3000, 900);
    Label1 = Caption(tr("Tolerance"), "Label1", this);
    Text2 = ResultBox("Text2", this);
    Label1->setBuddy(Text2);
    auto *grid = new QGridLayout(this);
    int column = 0;
    for (QListWidget *band : {List1, List2, List3, List4})
        grid->addWidget(band, 0, column++);
    grid->addWidget(Command1, 1, 0, 1, 4, Qt::AlignHCenter);
    grid->addWidget(Text1, 2, 0, 1, 4);
    grid->addWidget(Label1, 3, 0);
    grid->addWidget(Text2, 3, 1, 1, 3);
    connect(Command1, &QPushButton::clicked, this, &ResistorColor::Command1_Click);
    Form_Load();
}

void ResistorColor::Form_Load() {
    List1->addItems(ResistorDigitColours());
    List2->addItems(ResistorDigitColours());
    List3->addItems(ResistorMultiplierColours());
    List4->addItems(ResistorToleranceColours());
    List1->setCurrentRow(0); // Black
    List2->setCurrentRow(1); // Brown
    List3->setCurrentRow(2); // Red
    List4->setCurrentRow(0); // Gold
    RecomputeOnChange(Command1, {List1, List2, List3, List4});
}

void ResistorColor::Command1_Click() {
    const Computation computing(this);
    silentErrorExit([&] {
        setMultiLineText(Text1, ResistorText(ResistorValue(List1->currentRow(), List2->currentRow(),
                                                           List3->currentRow())));
        Text2->setText(ToleranceText(List4->currentRow()));
    });
}

OhmLaw::OhmLaw(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "OhmLaw", tr("Ohm's Law Calculator"));
    DescribeBoxes(this, {{"Text1", tr("Volts")}, {"Text2", tr("Amperes")}, {"Text3", tr("Ohms")}});
    Text1 = TextBox("Text1", this);
    Text2 = TextBox("Text2", this);
    Text3 = TextBox("Text3", this);
    Option3 = OptionButton(tr("Volts"), "Option3", this);
    Option2 = OptionButton(tr("Amperes"), "Option2", this);
    Option1 = OptionButton(tr("Resistance"), "Option1", this);
    Option1->setChecked(true);
    auto *grid = new QGridLayout(this);
    const std::pair<QLineEdit *, QRadioButton *> columns[] = {
        {Text1, Option3}, {Text2, Option2}, {Text3, Option1}};
    int column = 0;
    for (const auto &[box, option] : columns) {
        grid->addWidget(box, 0, column);
        grid->addWidget(option, 1, column++);
    }
    Command1 = ComputeButton(tr("Calculate"), "Command1", this, grid);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    connect(Command1, &QPushButton::clicked, this, &OhmLaw::Command1_Click);
}

void OhmLaw::Command1_Click() {
    // The option names the box worked out from the other two.
    const auto ohms = [this](OhmTarget target) {
        return [this, target](double, double) {
            return OhmsLaw(target, Text1->text(), Text2->text(), Text3->text());
        };
    };
    ComputeSoughtBox(this, {{Option1, Text3, Text1, Text2, Text2, ohms(OhmTarget::Resistance)},
                            {Option3, Text1, Text3, Text2, nullptr, ohms(OhmTarget::Volts)},
                            {Option2, Text2, Text1, Text3, Text3, ohms(OhmTarget::Amperes)}});
}

Electrical::Electrical(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "Electrical", tr("Electrical Calculators"));
    DescribeBoxes(this, {{"Combo1", tr("Formula")}, {"Text5", tr("Result")}});
    Combo1 = EditableComboBox("Combo1", this);
    auto *grid = new QGridLayout(this);
    grid->addWidget(Combo1, 0, 0, 1, 2);
    const Form form = FieldForm(this,
                                {{"Label1", QString(), "Text1"},
                                 {"Label2", QString(), "Text2"},
                                 {"Label3", QString(), "Text3"}},
                                grid);
    Label1 = form.captions[0], Label2 = form.captions[1], Label3 = form.captions[2];
    Text1 = form.boxes[0], Text2 = form.boxes[1], Text3 = form.boxes[2];
    for (QWidget *third : {static_cast<QWidget *>(Label3), static_cast<QWidget *>(Text3)}) {
        QSizePolicy policy = third->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        third->setSizePolicy(policy);
    }
    Text4 = TextBox("Text4", this);
    Text4->hide();
    Command1 = ComputeButton(tr("Calculate"), "Command1", this, grid);
    Text5 = ResultBox("Text5", this);
    grid->addWidget(Text5, grid->rowCount(), 0, 1, 3);
    connect(Combo1, &QComboBox::activated, this, &Electrical::Combo1_Click);
    connect(Command1, &QPushButton::clicked, this, &Electrical::Command1_Click);
    Form_Load();
}

void Electrical::Form_Load() {
    for (const ElectricalFormula &formula : ElectricalFormulas())
        Combo1->addItem(ElectricalFormulaText(formula.entry));
    Combo1->setCurrentIndex(int(OpeningElectricalFormula));
    const ElectricalFormula &opening = ElectricalFormulas()[OpeningElectricalFormula];
    Label1->setText(ElectricalFormulaText(opening.label1));
    Label2->setText(ElectricalFormulaText(opening.label2));
    Label3->setText(ElectricalFormulaText(opening.label3));
}

void Electrical::Combo1_Click() {
    const int index = Combo1->currentIndex();
    if (index < 0 || index >= int(ElectricalFormulas().size()))
        return;
    const ElectricalFormula &formula = ElectricalFormulas()[std::size_t(index)];
    Label1->setText(ElectricalFormulaText(formula.label1));
    Label2->setText(ElectricalFormulaText(formula.label2));
    Label2->show();
    Text2->show();
    Label3->setVisible(formula.label3 != nullptr);
    Text3->setVisible(formula.label3 != nullptr);
    if (formula.label3)
        Label3->setText(ElectricalFormulaText(formula.label3));
    Text4->hide();
    for (QLineEdit *box : {Text1, Text2, Text3, Text4}) {
        box->clear();
        ClearInputMark(box);
    }
    EmptyResults(this);
}

void Electrical::Command1_Click() {
    const Computation computing(this);
    silentErrorExit([&] {
        // The formula named in the box: picked, or typed as shown or in English.
        const ElectricalFormula *chosen = FindElectricalFormula(Combo1->currentText());
        if (!chosen)
            RejectInput(Combo1, tr("A formula from the list"));
        // Only the boxes the formula shows are read (a hidden one counts as 0).
        QList<QWidget *> shown;
        auto read = [&shown](QLineEdit *box) {
            if (box->isHidden())
                return 0.0;
            shown << box;
            return ReadLenientNumber(box);
        };
        const double x1 = read(Text1), x2 = read(Text2), x3 = read(Text3);
        Text5->setText(RejectOnFailure(shown, tr("No result for these values"),
                                       [&] { return ElectricalResultText(*chosen, x1, x2, x3); }));
    });
}

} // namespace zq
