#include "geometry/shape_calculator_window.h"

#include "common/computation.h"
#include "common/controls.h"
#include "common/error_rules.h"
#include "common/input_marks.h"
#include "common/number_rules.h"
#include "common/text_boxes.h"
#include "common/window_access.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <numeric>

namespace zq {

struct ShapeCalculatorDesign {
    const char *windowName;
    const char *caption;
    ShapeCalculatorKind kind;
    bool showsPi;
};

namespace {

constexpr ShapeCalculatorDesign Designs[] = {
    {"Perimeter", QT_TRANSLATE_NOOP("zq::ShapeCalculator", "Perimeter Calculator"),
     ShapeCalculatorKind::Perimeter, false},
    {"AreaCalculator", QT_TRANSLATE_NOOP("zq::ShapeCalculator", "Area Calculator"),
     ShapeCalculatorKind::Area, true},
    {"HacimOlcer", QT_TRANSLATE_NOOP("zq::ShapeCalculator", "Volume Calculator"),
     ShapeCalculatorKind::Volume, true},
};

// Hidden inputs keep their place, so the window does not jump when the shape changes.
template <class Control> Control *keepsPlace(Control *control) {
    QSizePolicy policy = control->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    control->setSizePolicy(policy);
    return control;
}

} // namespace

ShapeCalculator::ShapeCalculator(const ShapeCalculatorDesign &design, QWidget *parent)
    : ToolWindow(parent), m_table(shapeTable(design.kind)) {
    setObjectName(QLatin1String(design.windowName));
    setWindowTitle(tr(design.caption));
    DescribeBoxes(this, {{"Combo1", tr("Shape")}, {"Text5", tr("Result")}});
    Combo1 = EditableComboBox("Combo1", this);
    auto *grid = new QGridLayout(this);
    grid->addWidget(Combo1, 0, 0, 1, 2);
    const Form form = FieldForm(
        this, {{"Label1", {}, "Text1"}, {"Label2", {}, "Text2"}, {"Label3", {}, "Text3"}}, grid);
    Label1 = form.captions[0];
    Text1 = form.boxes[0];
    Label2 = keepsPlace(form.captions[1]);
    Text2 = keepsPlace(form.boxes[1]);
    Label3 = keepsPlace(form.captions[2]);
    Text3 = keepsPlace(form.boxes[2]);
    // The fourth input shares the second row; a shape shows one of the two.
    Text4 = keepsPlace(TextBox("Text4", this));
    grid->addWidget(Text4, 2, 1);
    Command1 = CommandButton(tr("Calculate"), "Command1", this);
    DefaultButton(Command1);
    Text5 = MultiLineResultBox("Text5", this, 3000, 600);

    grid->addWidget(Command1, 4, 0, 1, 2, Qt::AlignHCenter);
    grid->addWidget(Text5, 5, 0, 1, 2);
    if (design.showsPi) {
        Label4 = Caption(tr("pi = 3.1415926535"), "Label4", this);
        grid->addWidget(Label4, 6, 0, 1, 2);
    }
    setTabOrder(Combo1, Text1);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text4);
    setTabOrder(Text4, Text3);
    setTabOrder(Text3, Command1);

    connect(Combo1, &QComboBox::activated, this, &ShapeCalculator::Combo1_Click);
    connect(Command1, &QPushButton::clicked, this, &ShapeCalculator::Command1_Click);
    Form_Load();
}

void ShapeCalculator::Form_Load() {
    // The list keeps its shapes in the alphabetical order of the names it shows; each item
    // holds its shape's place in the table.
    QList<int> places(qsizetype(m_table.shapes.size()));
    std::iota(places.begin(), places.end(), 0);
    std::stable_sort(places.begin(), places.end(), [this](int a, int b) {
        return m_table.shapes[a].nameText() < m_table.shapes[b].nameText();
    });
    for (int place : places)
        Combo1->addItem(m_table.shapes[place].nameText(), place);
    const Shape &initial = m_table.shapes[m_table.initialShape];
    Combo1->setCurrentIndex(Combo1->findData(int(m_table.initialShape)));
    Combo1->setEditText(initial.nameText());
    showInputsOf(initial);
    QLabel *labels[] = {Label1, Label2, Label3};
    for (int i = 0; i < 3; ++i)
        labels[i]->setText(shapeText(m_table.openingCaptions[i]));
}

const Shape *ShapeCalculator::chosenShape() const {
    const int item = Combo1->currentIndex();
    if (item >= 0 && Combo1->itemText(item) == Combo1->currentText())
        return &m_table.shapes[Combo1->itemData(item).toInt()];
    return findShape(m_table, Combo1->currentText());
}

void ShapeCalculator::showInputsOf(const Shape &shape) {
    QLabel *labels[] = {Label1, Label2, Label3};
    QLineEdit *boxes[] = {nullptr, Text1, Text2, Text3, Text4};
    for (QLineEdit *box : {Text2, Text3, Text4})
        box->hide();
    for (int place = 0; place < 3; ++place) {
        const ShapeInput &input = shape.inputs[place];
        labels[place]->setVisible(input.box != 0);
        if (input.box == 0)
            continue;
        labels[place]->setText(input.captionText());
        labels[place]->setBuddy(boxes[input.box]);
        boxes[input.box]->show();
    }
}

void ShapeCalculator::Combo1_Click() {
    if (const Shape *shape = chosenShape())
        showInputsOf(*shape);
    for (QLineEdit *box : {Text1, Text2, Text3, Text4}) {
        box->clear();
        ClearInputMark(box);
    }
    EmptyResults(this);
}

void ShapeCalculator::Command1_Click() {
    const Computation computing(this);
    silentErrorExit([&] {
        const Shape *shape = chosenShape();
        if (!shape)
            RejectInput(Combo1, tr("A shape from the list"));
        // Each box the shape uses is read as the shape reads it, and marked so.
        QLineEdit *boxes[] = {nullptr, Text1, Text2, Text3, Text4};
        QList<QWidget *> used;
        for (const ShapeInput &input : shape->inputs) {
            if (input.box == 0)
                continue;
            used.push_back(boxes[input.box]);
            if (input.reading == ShapeReading::Lenient)
                ReadLenientNumber(boxes[input.box]);
        }
        for (const ShapeInput &input : shape->inputs)
            if (input.box != 0 && input.reading == ShapeReading::Strict)
                silentErrorExit([&] { ReadStrictNumber(boxes[input.box]); });
        if (computing.failed())
            throw CalcError(CalcError::Kind::NotANumber, "boxes not read");
        const double result = RejectOnFailure(used, TooLargeToCompute(), [&] {
            return computeShape(
                *shape, {QString(), Text1->text(), Text2->text(), Text3->text(), Text4->text()});
        });
        setMultiLineText(Text5, FormatNumberText(result));
    });
}

QWidget *createShapeCalculator(const QString &windowName, QWidget *parent) {
    for (const ShapeCalculatorDesign &design : Designs)
        if (windowName == QLatin1String(design.windowName))
            return new ShapeCalculator(design, parent);
    return nullptr;
}

MapScale::MapScale(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("MapScale"));
    setWindowTitle(tr("Map Scale Calculator"));
    DescribeBoxes(this, {{"Text1", tr("Distance on map (cm)")},
                         {"Text2", tr("Real distance (km)")},
                         {"Text3", tr("Map scale")}});
    Text1 = TextBox("Text1", this);
    Label1 = Caption(tr("cm"), "Label1", this);
    Text2 = TextBox("Text2", this);
    Label2 = Caption(tr("km"), "Label2", this);
    Text3 = TextBox("Text3", this);
    Label3 = Caption(QStringLiteral("/1"), "Label3", this);
    Option1 = OptionButton(tr("Distance on Map"), "Option1", this);
    Option2 = OptionButton(tr("Real Distance"), "Option2", this);
    Option3 = OptionButton(tr("Map Scale"), "Option3", this);
    Option3->setChecked(true);
    Command1 = CommandButton(tr("Calculate"), "Command1", this);
    DefaultButton(Command1);

    auto *grid = new QGridLayout(this);
    const std::tuple<QLineEdit *, QLabel *, QRadioButton *> columns[] = {
        {Text1, Label1, Option1}, {Text2, Label2, Option2}, {Text3, Label3, Option3}};
    int column = 0;
    for (const auto &[box, unit, option] : columns) {
        grid->addWidget(box, 0, column);
        grid->addWidget(unit, 0, column + 1);
        grid->addWidget(option, 1, column, 1, 2);
        column += 2;
    }
    grid->addWidget(Command1, 2, 0, 1, column, Qt::AlignHCenter);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    connect(Command1, &QPushButton::clicked, this, &MapScale::Command1_Click);
}

void MapScale::Command1_Click() {
    // The option names the box worked out from the other two.
    ComputeSoughtBox(this, {{Option1, Text1, Text2, Text3, Text3, DistanceOnMap},
                            {Option2, Text2, Text1, Text3, nullptr, RealDistance},
                            {Option3, Text3, Text2, Text1, Text1, MapScaleOf}});
}

} // namespace zq
