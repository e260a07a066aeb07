#include "science/atomic_mass.h"

#include "common/number_rules.h"

#include <QHash>

#include <array>

#include <optional>
#include <vector>

namespace zq {
namespace {

constexpr Element Table[] = {
    {u"H", u"Hydrogen", 1.008},
    {u"He", u"Helium", 4.003},
    {u"Li", u"Lithium", 6.941},
    {u"Be", u"Beryllium", 9.012},
    {u"B", u"Boron", 10.81},
    {u"C", u"Carbon", 12.01},
    {u"N", u"Nitrogen", 14.01},
    {u"O", u"Oxygen", 16},
    {u"F", u"Fluorine", 19},
    {u"Ne", u"Neon", 20.18},
    {u"Na", u"Sodium", 22.99},
    {u"Mg", u"Magnesium", 24.31},
    {u"Al", u"Aluminium", 26.98},
    {u"Si", u"Silicon", 28.09},
    {u"P", u"Phosphorus", 30.97},
    {u"S", u"Sulfur", 32.07},
    {u"Cl", u"Chlorine", 35.45},
    {u"Ar", u"Argon", 39.95},
    {u"K", u"Potassium", 39.1},
    {u"Ca", u"Calcium", 40.08},
    {u"Sc", u"Scandium", 44.96},
    {u"Ti", u"Titanium", 47.87},
    {u"V", u"Vanadium", 50.94},
    {u"Cr", u"Chromium", 52},
    {u"Mn", u"Manganese", 54.94},
    {u"Fe", u"Iron", 55.85},
    {u"Co", u"Cobalt", 58.93},
    {u"Ni", u"Nickel", 58.69},
    {u"Cu", u"Copper", 63.55},
    {u"Zn", u"Zinc", 65.39},
    {u"Ga", u"Gallium", 69.72},
    {u"Ge", u"Germanium", 72.61},
    {u"As", u"Arsenic", 74.92},
    {u"Se", u"Selenium", 78.96},
    {u"Br", u"Bromine", 79.9},
    {u"Kr", u"Krypton", 83.8},
    {u"Rb", u"Rubidium", 85.47},
    {u"Sr", u"Strontium", 87.62},
    {u"Y", u"Yttrium", 88.91},
    {u"Zr", u"Zirconium", 91.22},
    {u"Nb", u"Niobium", 92.91},
    {u"Mo", u"Molybdenum", 95.94},
    {u"Tc", u"Technetium", 98.91},
    {u"Ru", u"Ruthenium", 101.1},
    {u"Rh", u"Rhodium", 102.9},
    {u"Pd", u"Palladium", 106.4},
    {u"Ag", u"Silver", 107.9},
    {u"Cd", u"Cadmium", 112.4},
    {u"In", u"Indium", 114.8},
    {u"Sn", u"Tin", 118.7},
    {u"Sb", u"Antimony", 121.8},
    {u"Te", u"Tellurium", 127.6},
    {u"I", u"Iodine", 126.9},
    {u"Xe", u"Xenon", 131.3},
    {u"Cs", u"Caesium", 132.9},
    {u"Ba", u"Barium", 137.3},
    {u"La", u"Lanthanum", 138.9},
    {u"Ce", u"Cerium", 140.1},
    {u"Pr", u"Praseodymium", 140.9},
    {u"Nd", u"Neodymium", 144.2},
    {u"Pm", u"Promethium", 146.9},
    {u"Sm", u"Samarium", 150.4},
    {u"Eu", u"Europium", 152},
    {u"Gd", u"Gadolinium", 157.3},
    {u"Tb", u"Terbium", 158.9},
    {u"Dy", u"Dysprosium", 162.5},
    {u"Ho", u"Holmium", 164.9},
    {u"Er", u"Erbium", 167.3},
    {u"Tm", u"Thulium", 168.9},
    {u"Yb", u"Ytterbium", 173},
    {u"Lu", u"Lutetium", 175},
    {u"Hf", u"Hafnium", 178.5},
    {u"Ta", u"Tantalum", 180.9},
    {u"W", u"Tungsten", 183.8},
    {u"Re", u"Rhenium", 186.2},
    {u"Os", u"Osmium", 190.2},
    {u"Ir", u"Iridium", 192.2},
    {u"Pt", u"Platinum", 195.1},
    {u"Au", u"Gold", 197},
    {u"Hg", u"Mercury", 200.6},
    {u"Tl", u"Thallium", 204.4},
    {u"Pb", u"Lead", 207.2},
    {u"Bi", u"Bismuth", 209},
    {u"Po", u"Polonium", 210},
    {u"At", u"Astatine", 210},
    {u"Rn", u"Radon", 222},
    {u"Fr", u"Francium", 223},
    {u"Ra", u"Radium", 226},
    {u"Ac", u"Actinium", 227},
    {u"Th", u"Thorium", 232},
    {u"Pa", u"Protactinium", 231},
    {u"U", u"Uranium", 238},
    {u"Np", u"Neptunium", 237},
    {u"Pu", u"Plutonium", 239.1},
    {u"Am", u"Americium", 241.1},
    {u"Cm", u"Curium", 244.1},
    {u"Bk", u"Berkelium", 249.1},
    {u"Cf", u"Californium", 252.1},
    {u"Es", u"Einsteinium", 252.1},
    {u"Fm", u"Fermium", 257.1},
    {u"Md", u"Mendelevium", 258.1},
    {u"No", u"Nobelium", 259.1},
    {u"Lr", u"Lawrencium", 262.1},
    {u"Rf", u"Rutherfordium", 261.1},
    {u"Db", u"Dubnium", 262.1},
    {u"Sg", u"Seaborgium", 263.1},
    {u"Bh", u"Bohrium", 264.1},
    {u"Hs", u"Hassium", 265.1},
    {u"Mt", u"Meitnerium", 268},
    {u"Ds", u"Darmstadtium", 281, true},
    {u"Rg", u"Roentgenium", 282, true},
    {u"Cn", u"Copernicium", 285, true},
    {u"Nh", u"Nihonium", 286, true},
    {u"Fl", u"Flerovium", 290, true},
    {u"Mc", u"Moscovium", 290, true},
    {u"Lv", u"Livermorium", 293, true},
    {u"Ts", u"Tennessine", 294, true},
    {u"Og", u"Oganesson", 294, true},
};

// The placeholder symbols and names elements 110 to 118 had before IUPAC named them.
constexpr std::array<Element, 9> Placeholders = {{
    {u"Uun", u"Ununnilium", 0},
    {u"Uuu", u"Unununium", 0},
    {u"Uub", u"Ununbium", 0},
    {u"Uut", u"Ununtrium", 0},
    {u"Uuq", u"Ununquadium", 0},
    {u"Uup", u"Ununpentium", 0},
    {u"Uuh", u"Ununhexium", 0},
    {u"Uus", u"Ununseptium", 0},
    {u"Uuo", u"Ununoctium", 0},
}};
constexpr int FirstPlaceholder = 109; // the position of element 110

constexpr int LargestCount = 32767;

QString elementLine(const Element &element) {
    const QString mass = FormatNumberText(element.mass);
    return element.nameText() + QStringLiteral(" (") + element.symbolText() +
           QStringLiteral(") = ") +
           (element.massNumber ? QLatin1Char('[') + mass + QLatin1Char(']') : mass) +
           QStringLiteral(" g/mol");
}

QString massLine(const QString &what, double mass) {
    return what + QStringLiteral(" is ") + FormatNumberText(mass) + QStringLiteral(" g/mol");
}

// The position of each element in the table by a key made from it.
template <class Key> QHash<QString, int> positionsBy(Key key) {
    QHash<QString, int> positions;
    for (int i = int(std::size(Placeholders)) - 1; i >= 0; --i)
        positions.insert(key(Placeholders[i]), FirstPlaceholder + i);
    for (int i = int(std::size(Table)) - 1; i >= 0; --i) // the first of equals wins
        positions.insert(key(Table[i]), i);
    return positions;
}

// Symbols are found whatever their case: keyed case-folded.
const QHash<QString, int> &symbolPositions() {
    static const QHash<QString, int> positions =
        positionsBy([](const Element &element) { return element.symbolText().toCaseFolded(); });
    return positions;
}

const QHash<QString, int> &namePositions() {
    static const QHash<QString, int> positions =
        positionsBy([](const Element &element) { return element.nameText().toLower(); });
    return positions;
}

const Element *elementWithSymbol(QStringView symbol) {
    if (symbol.size() > 3)
        return nullptr; // no symbol is longer
    const auto found = symbolPositions().find(symbol.toString().toCaseFolded());
    return found == symbolPositions().end() ? nullptr : &Table[*found];
}

bool isOpening(QChar c) {
    return c == QLatin1Char('(') || c == QLatin1Char('[') || c == QLatin1Char('{');
}

bool isClosing(QChar c) {
    return c == QLatin1Char(')') || c == QLatin1Char(']') || c == QLatin1Char('}');
}

bool isLowerAscii(QChar c) {
    return c >= QLatin1Char('a') && c <= QLatin1Char('z');
}

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Reads the count at `at` (its digits are passed over): 1 without digits, or nothing (with a
// "Count too large" line) when it does not fit in 16 bits.
std::optional<int> readCount(const QString &text, qsizetype &at, MassResults &results) {
    const qsizetype first = at;
    while (at < text.size() && isDigit(text[at]))
        ++at;
    if (at == first)
        return 1;
    const QStringView digits = QStringView(text).mid(first, at - first);
    qsizetype leadingZeros = 0;
    while (leadingZeros < digits.size() - 1 && digits[leadingZeros] == QLatin1Char('0'))
        ++leadingZeros;
    const QStringView significant = digits.mid(leadingZeros);
    if (significant.size() > 5 || significant.toInt() > LargestCount) {
        results.add(QStringLiteral("Count too large: ") + digits.toString());
        results.incomplete();
        return std::nullopt;
    }
    return significant.toInt();
}

} // namespace

std::span<const Element> Elements() {
    return Table;
}

const Element *FindElement(const QString &text) {
    if (const auto byName = namePositions().find(text.toLower()); byName != namePositions().end())
        return &Table[*byName];
    return elementWithSymbol(text);
}

QString ElementMassLine(const QString &text) {
    if (const Element *element = FindElement(text))
        return elementLine(*element);
    return QStringLiteral("No element is called ") + text;
}

void MassResults::add(const QString &line) {
    m_lines << line;
    // Names have no blank: a line begins with a name and a blank exactly when the name is the
    // text before its first blank.
    constexpr qsizetype LongestName = 13;
    const qsizetype blank = line.indexOf(QLatin1Char(' '));
    if (blank < 0 || blank > LongestName)
        return;
    const auto found = namePositions().find(line.left(blank).toLower());
    if (found != namePositions().end())
        m_namedLines.set(std::size_t(*found));
}

void MassResults::addElementOnce(const Element &element) {
    if (!m_namedLines.test(std::size_t(&element - Table)))
        add(elementLine(element));
}

bool IsLowerLetter(const QString &text) {
    return !text.isEmpty() && isLowerAscii(text[0]);
}

double PartMass(const QString &part, MassResults &results) {
    // Bracket groups are summed on a stack: a closing bracket multiplies the group's sum by the
    // count after it and adds it to the enclosing sum. A group left open at the end takes the
    // rest of the part, as its closing would.
    std::vector<double> sums{0.0};
    qsizetype at = 0;
    while (at < part.size()) {
        const QChar c = part[at];
        if (isOpening(c)) {
            sums.push_back(0.0);
            ++at;
            continue;
        }
        if (isClosing(c) && sums.size() > 1) {
            ++at;
            const double group = sums.back();
            sums.pop_back();
            if (const std::optional<int> count = readCount(part, at, results))
                sums.back() += *count * group;
            continue;
        }
        // A symbol: one character and the lower-case ASCII letters after it.
        const qsizetype start = at++;
        while (at < part.size() && isLowerAscii(part[at]))
            ++at;
        const QString symbol = part.mid(start, at - start);
        const std::optional<int> count = readCount(part, at, results);
        const Element *element = elementWithSymbol(symbol);
        if (!element) {
            results.add(QStringLiteral("No chemical has symbol ") + symbol);
            results.incomplete();
            continue;
        }
        results.addElementOnce(*element);
        if (count)
            sums.back() += *count * element->mass;
    }
    while (sums.size() > 1) { // groups never closed
        const double group = sums.back();
        sums.pop_back();
        sums.back() += group;
    }
    return sums.front();
}

double CompoundMass(const QString &formula, MassResults &results) {
    double total = 0;
    qsizetype at = 0;
    while (at < formula.size()) {
        const std::optional<int> coefficient = readCount(formula, at, results);
        const qsizetype start = at;
        while (at < formula.size() && formula[at] != QLatin1Char('.') &&
               formula[at] != QLatin1Char('+'))
            ++at;
        const QString part = formula.mid(start, at - start);
        if (at < formula.size())
            ++at; // the separator
        const double mass = PartMass(part, results);
        if (part.compare(formula, Qt::CaseInsensitive) != 0)
            results.add(massLine(part, mass));
        if (coefficient)
            total += *coefficient * mass;
    }
    return total;
}

QString AtomicNumberList() {
    QString list;
    for (int number = 1; number <= 109; ++number)
        list += QString::number(number) + QStringLiteral(") ") + Table[number - 1].nameText() +
                QStringLiteral("\r\n");
    return list;
}

} // namespace zq
