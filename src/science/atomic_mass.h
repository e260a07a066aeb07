#pragma once

#include <QString>
#include <QStringList>

#include <bitset>
#include <span>

namespace zq {

struct Element {
    const char *symbol; // never translated
    const char *name;   // English; translated in the context "zq::AtomicMass"
    double mass;        // relative atomic mass, g/mol
    // For elements without a standard atomic weight: the mass number of the longest-lived
    // isotope, shown in brackets ("[294]").
    bool massNumber = false;

    QString symbolText() const { return QString::fromLatin1(symbol); }
    QString englishName() const { return QString::fromUtf8(name); }
    // The name as shown, in the interface language.
    QString nameText() const;
};

// A result line as saved, in English, and as shown, in the interface language.
struct MassLine {
    QString english;
    QString shown;
};

// The 118 elements in the order of atomic number, with the names and symbols IUPAC gave
// elements 110 to 118 in 2016; their older placeholder symbols and names ("Uuo", "Ununoctium")
// still find them.
std::span<const Element> Elements();

// The element of that name (in English or as shown) or symbol, any case, or nothing.
const Element *FindElement(const QString &text);

// "Name (Symbol) = mass g/mol" for the element of that name or symbol, any case; otherwise
// "No element is called " and the text.
MassLine ElementMassLine(const QString &text);

// "formula is mass g/mol".
MassLine FormulaMassLine(const QString &formula, double mass);

// The result lines of the formula tool, as the list shows them and in English. An element line
// is added once: not when an English line beginning with the element's name and a blank is
// already there.
class MassResults {
public:
    void add(const MassLine &line);
    void addElementOnce(const Element &element);
    const QStringList &lines() const { return m_lines; } // as shown
    const QStringList &englishLines() const { return m_english; }
    // Whether every symbol was known and every count could be held: else the mass leaves
    // parts of the formula out.
    bool complete() const { return m_complete; }
    void incomplete() { m_complete = false; }

private:
    QStringList m_lines;
    QStringList m_english;
    std::bitset<118> m_namedLines; // elements whose name begins a line, followed by a blank
    bool m_complete = true;
};

// The molar mass of a formula of parts joined by "." or "+", each with an optional coefficient
// ("CuSO4.5H2O", "2H2O"); element lines, unknown-symbol lines, part lines and lines for counts
// too large to hold are added to `results` as they are met. Bracket groups of any depth and
// any length of formula are read without recursion.
double CompoundMass(const QString &formula, MassResults &results);

// The molar mass of one part without "." or "+".
double PartMass(const QString &part, MassResults &results);

// True when the text starts with one of the ASCII letters a to z.
bool IsLowerLetter(const QString &text);

// The atomic-number list, names as shown: "1) Hydrogen" to "109) Meitnerium", each line ended by
// CR LF.
QString AtomicNumberList();

} // namespace zq
