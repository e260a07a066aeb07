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

// "Units and bases", "Numbers", ..., in the language of the program's texts.
QString toolCategoryName(ToolCategory category);

struct ToolEntry {
    const char *title;           // English, as the sources write it
    std::string_view windowName; // empty for the system calculator
    ToolTarget target;
    ToolCategory category;
    const char *keywords; // words a search finds the tool by besides its title, English

    // In the language of the program's texts, and as written.
    QString titleText() const;
    QString englishTitle() const { return QString::fromUtf8(title); }
    QString keywordsText() const;
    QString englishKeywords() const { return QString::fromUtf8(keywords); }
    QString windowNameText() const {
        return QString::fromLatin1(windowName.data(), qsizetype(windowName.size()));
    }
};

// The 92 entries in catalog order: the order they are put into the list and compared in.
std::span<const ToolEntry> ToolCatalog();

// How many tools a category holds.
int toolCountIn(ToolCategory category);

// The list's order: case ignored, apostrophes and hyphens carry no weight; in a translation,
// the alphabet of its language.
bool catalogListLess(const QString &a, const QString &b);

} // namespace zq
