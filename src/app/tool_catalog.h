#pragma once

#include <QString>

#include <span>
#include <string_view>

namespace zq {

enum class ToolTarget {
    ModalWindow,      // shown modally; the main window waits until it closes
    ModelessWindow,   // shown beside the main window (the restaurant bill)
    SystemCalculator, // starts the system calculator program
};

// What a tool is about, as the main window's category list groups the tools; in the order the
// list shows them.
enum class ToolCategory {
    UnitsAndBases,
    Numbers,
    EquationsAndGeometry,
    Finance,
    EverydayHealthAndDates,
    TextAndCodes,
    ScienceAndElectricity,
    ProgramAndSystem,
};
inline constexpr int ToolCategoryCount = 8;

// "Units and bases", "Numbers", ...
QString toolCategoryName(ToolCategory category);

struct ToolEntry {
    std::u16string_view title;
    std::u16string_view windowName; // empty for the system calculator
    ToolTarget target;
    ToolCategory category;
    std::u16string_view keywords; // words a search finds the tool by besides its title

    QString titleText() const { return QString::fromUtf16(title.data(), title.size()); }
    QString windowNameText() const {
        return QString::fromUtf16(windowName.data(), windowName.size());
    }
    QString keywordsText() const { return QString::fromUtf16(keywords.data(), keywords.size()); }
};

// The 92 entries in catalog order: the order they are put into the list and compared in.
std::span<const ToolEntry> ToolCatalog();

// How many tools a category holds.
int toolCountIn(ToolCategory category);

// The list's order: case ignored, apostrophes and hyphens carry no weight.
bool catalogListLess(const QString &a, const QString &b);

} // namespace zq
