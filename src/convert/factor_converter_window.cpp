#include "convert/factor_converter_window.h"

#include "common/computation.h"
#include "common/controls.h"
#include "common/error_rules.h"
#include "common/number_rules.h"
#include "common/text_boxes.h"
#include "common/window_access.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>
#include <array>

namespace zq {

// One converter: its names, table, default units and designed size (twips).
struct FactorConverterDesign {
    const char *windowName;
    const char *caption; // English; translated in the window's context
    const char *inputBox;
    const char *resultBox;
    const char *leftList;  // the source unit
    const char *rightList; // the target unit
    const char *button;
    UnitTable table;
    int leftDefault;
    int rightDefault;
    int width;
    int height;
};

namespace {

using enum UnitTable;

constexpr std::array<FactorConverterDesign, 12> Converters = {{
    {"KgPound", QT_TRANSLATE_NOOP("zq::FactorConverter", "Weight Converter"), "Text1", "Text2",
     "List1", "List2", "Command1", Weight, 2, 7, 3735, 3270},
    {"LiterGallon", QT_TRANSLATE_NOOP("zq::FactorConverter", "Volume Converter"), "txtLength",
     "TextSonuc", "cmbTujuan", "cmbAsal", "Command1", Volume, 0, 22, 3975, 3285},
    {"UnitConvert", QT_TRANSLATE_NOOP("zq::FactorConverter", "Length Converter"), "txtLength",
     "TextSonuc", "cmbAsal", "cmbTujuan", "cmdConvert", Length, 13, 15, 3735, 3300},
    {"SmSf", QT_TRANSLATE_NOOP("zq::FactorConverter", "Area Converter"), "Text1", "Text2", "List1",
     "List2", "Command1", Area, 2, 6, 3975, 3285},
    {"Watt", QT_TRANSLATE_NOOP("zq::FactorConverter", "Energy-Power Converter"), "Text1", "Text2",
     "List1", "List2", "Command1", EnergyPower, 6, 10, 3975, 3270},
    {"Voltage", QT_TRANSLATE_NOOP("zq::FactorConverter", "Voltage Converter"), "Text1", "Text2",
     "List2", "List1", "Command1", Voltage, 18, 12, 3495, 3285},
    {"ElectricCurrent", QT_TRANSLATE_NOOP("zq::FactorConverter", "Electric Current Converter"),
     "Text1", "Text2", "List2", "List1", "Command1", ElectricCurrent, 1, 15, 3735, 3270},
    {"DegGradRad", QT_TRANSLATE_NOOP("zq::FactorConverter", "Angle Converter"), "Text1", "Text2",
     "List1", "List2", "Command1", Angle, 1, 0, 3510, 3285},
    {"Speed", QT_TRANSLATE_NOOP("zq::FactorConverter", "Speed Converter"), "Text1", "Text2",
     "List1", "List2", "Command1", Speed, 3, 9, 3735, 3270},
    {"AstronomicalTime", QT_TRANSLATE_NOOP("zq::FactorConverter", "Astronomical Time Converter"),
     "Text1", "Text2", "List1", "List2", "Command1", AstronomicalTime, 3, 0, 3735, 3270},
    {"ByteConvert", QT_TRANSLATE_NOOP("zq::FactorConverter", "Byte Converter"), "Text1", "Text2",
     "List1", "List2", "Command1", Byte, 8, 6, 3390, 3255},
    {"NumberConverter", QT_TRANSLATE_NOOP("zq::FactorConverter", "Numbers Converter"), "Text1",
     "Text2", "List1", "List2", "Command1", NumberScale, 18, 0, 3495, 3270},
}};

QListWidget *unitList(const char *name, QWidget *parent) {
    auto *list = named(new QListWidget(parent), name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setFixedHeight(twips(2010));
    return list;
}

// The designed width, or wider when the font needs it for the longest unit name.
int unitListWidth(const ConversionTable &table, int designedTwips, const QFontMetrics &metrics) {
    int widest = 0;
    for (const ConversionUnit &unit : table.units)
        widest = std::max(widest, metrics.horizontalAdvance(unit.nameText()));
    const int scrollBar = 20;
    return std::max(twips(designedTwips), widest + scrollBar + 12);
}

} // namespace

FactorConverter::FactorConverter(const FactorConverterDesign &design, QWidget *parent)
    : ToolWindow(parent), m_design(design), m_table(conversionTable(design.table)) {
    setObjectName(QLatin1String(design.windowName));
    setWindowTitle(tr(design.caption));
    DescribeBoxes(this, {{design.inputBox, tr("Value")},
                         {design.leftList, tr("Convert from")},
                         {design.rightList, tr("Convert to")},
                         {design.resultBox, tr("Result")}});

    inputBox = TextBox(design.inputBox, this);
    convertButton = CommandButton(tr("Convert"), design.button, this);
    convertButton->setMinimumHeight(twips(375));
    sourceList = unitList(design.leftList, this);
    targetList = unitList(design.rightList, this);
    const int listWidth =
        unitListWidth(m_table, (design.width - 360) / 2, sourceList->fontMetrics());
    sourceList->setFixedWidth(listWidth);
    targetList->setFixedWidth(listWidth);
    resultBox = ResultBox(design.resultBox, this);
    DefaultButton(convertButton);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(twips(120), twips(240), twips(120), twips(120));
    grid->setVerticalSpacing(twips(195));
    grid->addWidget(inputBox, 0, 0);
    grid->addWidget(convertButton, 0, 1);
    grid->addWidget(sourceList, 1, 0);
    grid->addWidget(targetList, 1, 1);
    // The result in the unit picked on the right, named beside it.
    lblUnit = named(new QLabel(this), "lblUnit");
    grid->addWidget(resultBox, 2, 0);
    lblUnit->setMinimumHeight(resultBox->sizeHint().height()); // level with the box's text
    grid->addWidget(lblUnit, 2, 1, Qt::AlignBottom);
    setTabOrder(inputBox, convertButton);
    setTabOrder(convertButton, sourceList);
    setTabOrder(sourceList, targetList);
    setTabOrder(targetList, resultBox);

    connect(convertButton, &QPushButton::clicked, this, &FactorConverter::Command1_Click);
    connect(targetList, &QListWidget::currentRowChanged, this, [this](int row) {
        lblUnit->setText(row >= 0 ? targetList->item(row)->text() : QString());
    });
    Form_Load();
    RecomputeOnChange(convertButton, {sourceList, targetList});
}

void FactorConverter::Form_Load() {
    sourceList->clear();
    targetList->clear();
    for (const ConversionUnit &unit : m_table.units) {
        sourceList->addItem(unit.nameText());
        targetList->addItem(unit.nameText());
    }
    sourceList->setCurrentRow(m_design.leftDefault);
    targetList->setCurrentRow(m_design.rightDefault);
}

void FactorConverter::Command1_Click() {
    const Computation computing(this);
    const double x = ReadNumberField(inputBox);
    // A result beyond the double range empties the result box.
    silentErrorExit([&] {
        const double result =
            RejectOnFailure({inputBox}, tr("Too large to convert to this unit"), [&] {
                return convertUnits(m_table, std::size_t(sourceList->currentRow()),
                                    std::size_t(targetList->currentRow()), x);
            });
        ShowNumber(resultBox, result);
    });
}

QWidget *createFactorConverter(const QString &windowName, QWidget *parent) {
    for (const FactorConverterDesign &design : Converters)
        if (windowName == QLatin1String(design.windowName))
            return new FactorConverter(design, parent);
    return nullptr;
}

QStringList factorConverterNames() {
    QStringList names;
    for (const FactorConverterDesign &design : Converters)
        names << QLatin1String(design.windowName);
    return names;
}

} // namespace zq
