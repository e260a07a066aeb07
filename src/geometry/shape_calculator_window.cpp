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

namespace zq {

struct ShapeCalculatorDesign {
    const char *windowName;
    const char *caption;
    ShapeCalculatorKind kind;
    bool showsPi;
};

namespace {

constexpr ShapeCalculatorDesign Designs[] = {
    {"Perimeter", "Perimeter Calculator", ShapeCalculatorKind::Perimeter, false},
    {"AreaCalculator", "Area Calculator", ShapeCalculatorKind::Area, true},
    {"HacimOlcer", "Volume Calculator", ShapeCalculatorKind::Volume, true},
};

QString text16(std::u16string_view text) {
    return QString::fromUtf16(text.data(), text.size());
}

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
    setWindowTitle(QLatin1String(design.caption));
    DescribeBoxes(this, {{"Combo1", "Shape"}, {"Text5", "Result"}});
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
    Command1 = CommandButton(QStringLiteral("Calculate"), "Command1", this);
    DefaultButton(Command1);
    Text5 = MultiLineResultBox("Text5", this, 3000, 600);

    grid->addWidget(Command1, 4, 0, 1, 2, Qt::AlignHCenter);
    grid->addWidget(Text5, 5, 0, 1, 2);
    if (design.showsPi) {
        Label4 = Caption(QStringLiteral("pi = 3.1415926535"), "Label4", this);
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
    QStringList names;
    for (const Shape &shape : m_table.shapes)
        names << shape.nameText();
    names.sort(); // the list keeps its shapes in alphabetical order
    Combo1->addItems(names);
    const QString initial = text16(m_table.initialShape);
    Combo1->setCurrentIndex(Combo1->findText(initial));
    Combo1->setEditText(initial);
    showInputsOf(*findShape(m_table, initial));
    QLabel *labels[] = {Label1, Label2, Label3};
    for (int i = 0; i < 3; ++i)
        labels[i]->setText(text16(m_table.openingCaptions[i]));
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
        labels[place]->setText(text16(input.caption));
        labels[place]->setBuddy(boxes[input.box]);
        boxes[input.box]->show();
    }
}

void ShapeCalculator::Combo1_Click() {
    if (const Shape *shape = findShape(m_table, Combo1->currentText()))
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
        const Shape *shape = findShape(m_table, Combo1->currentText());
        if (!shape)
            RejectInput(Combo1, QStringLiteral("A shape from the list"));
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
        const double result = RejectOnFailure(used, TooLargeToCompute, [&] {
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
    setWindowTitle(QStringLiteral("Map Scale Calculator"));
    DescribeBoxes(this, {{"Text1", "Distance on map (cm)"},
                         {"Text2", "Real distance (km)"},
                         {"Text3", "Map scale"}});
    Text1 = TextBox("Text1", this);
    Label1 = Caption(QStringLiteral("cm"), "Label1", this);
    Text2 = TextBox("Text2", this);
    Label2 = Caption(QStringLiteral("km"), "Label2", this);
    Text3 = TextBox("Text3", this);
    Label3 = Caption(QStringLiteral("/1"), "Label3", this);
    Option1 = OptionButton(QStringLiteral("Distance on Map"), "Option1", this);
    Option2 = OptionButton(QStringLiteral("Real Distance"), "Option2", this);
    Option3 = OptionButton(QStringLiteral("Map Scale"), "Option3", this);
    Option3->setChecked(true);
    Command1 = CommandButton(QStringLiteral("Calculate"), "Command1", this);
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
