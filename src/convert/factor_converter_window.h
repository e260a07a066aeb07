#pragma once

#include "common/tool_window.h"
#include "convert/conversion_tables.h"

#include <QStringList>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zq {

struct FactorConverterDesign;

// The one window behind the twelve factor-table converters (weight, volume, length, ...):
// an input box, Convert, a source list on the left, a target list on the right, a result box
// with the target unit beside it.
// Its controls carry the names of the converter it shows.
class FactorConverter : public ToolWindow {
    Q_OBJECT
public:
    FactorConverter(const FactorConverterDesign &design, QWidget *parent = nullptr);

    QLineEdit *inputBox;
    QPushButton *convertButton;
    QListWidget *sourceList;
    QListWidget *targetList;
    QLineEdit *resultBox;
    QLabel *lblUnit; // the target unit, beside the result

public slots:
    void Form_Load();
    // The Convert button's click; UnitConvert names its button cmdConvert.
    void Command1_Click();
    void cmdConvert_Click() { Command1_Click(); }

private:
    const FactorConverterDesign &m_design;
    ConversionTable m_table;
};

// Builds the named converter (KgPound, LiterGallon, ...) or returns nullptr.
QWidget *createFactorConverter(const QString &windowName, QWidget *parent = nullptr);
QStringList factorConverterNames();

} // namespace zq
