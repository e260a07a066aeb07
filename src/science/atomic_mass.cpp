#include "science/atomic_mass.h"

#include "common/number_rules.h"

#include <QCoreApplication>
#include <QHash>

#include <array>

#include <optional>
#include <vector>

namespace zq {
namespace {

constexpr Element Table[] = {
    {"H", QT_TRANSLATE_NOOP("zq::AtomicMass", "Hydrogen"), 1.008},
    {"He", QT_TRANSLATE_NOOP("zq::AtomicMass", "Helium"), 4.003},
    {"Li", QT_TRANSLATE_NOOP("zq::AtomicMass", "Lithium"), 6.941},
    {"Be", QT_TRANSLATE_NOOP("zq::AtomicMass", "Beryllium"), 9.012},
    {"B", QT_TRANSLATE_NOOP("zq::AtomicMass", "Boron"), 10.81},
    {"C", QT_TRANSLATE_NOOP("zq::AtomicMass", "Carbon"), 12.01},
    {"N", QT_TRANSLATE_NOOP("zq::AtomicMass", "Nitrogen"), 14.01},
    {"O", QT_TRANSLATE_NOOP("zq::AtomicMass", "Oxygen"), 16},
    {"F", QT_TRANSLATE_NOOP("zq::AtomicMass", "Fluorine"), 19},
    {"Ne", QT_TRANSLATE_NOOP("zq::AtomicMass", "Neon"), 20.18},
    {"Na", QT_TRANSLATE_NOOP("zq::AtomicMass", "Sodium"), 22.99},
    {"Mg", QT_TRANSLATE_NOOP("zq::AtomicMass", "Magnesium"), 24.31},
    {"Al", QT_TRANSLATE_NOOP("zq::AtomicMass", "Aluminium"), 26.98},
    {"Si", QT_TRANSLATE_NOOP("zq::AtomicMass", "Silicon"), 28.09},
    {"P", QT_TRANSLATE_NOOP("zq::AtomicMass", "Phosphorus"), 30.97},
    {"S", QT_TRANSLATE_NOOP("zq::AtomicMass", "Sulfur"), 32.07},
    {"Cl", QT_TRANSLATE_NOOP("zq::AtomicMass", "Chlorine"), 35.45},
    {"Ar", QT_TRANSLATE_NOOP("zq::AtomicMass", "Argon"), 39.95},
    {"K", QT_TRANSLATE_NOOP("zq::AtomicMass", "Potassium"), 39.1},
    {"Ca", QT_TRANSLATE_NOOP("zq::AtomicMass", "Calcium"), 40.08},
    {"Sc", QT_TRANSLATE_NOOP("zq::AtomicMass", "Scandium"), 44.96},
    {"Ti", QT_TRANSLATE_NOOP("zq::AtomicMass", "Titanium"), 47.87},
    {"V", QT_TRANSLATE_NOOP("zq::AtomicMass", "Vanadium"), 50.94},
    {"Cr", QT_TRANSLATE_NOOP("zq::AtomicMass", "Chromium"), 52},
    {"Mn", QT_TRANSLATE_NOOP("zq::AtomicMass", "Manganese"), 54.94},
    {"Fe", QT_TRANSLATE_NOOP("zq::AtomicMass", "Iron"), 55.85},
    {"Co", QT_TRANSLATE_NOOP("zq::AtomicMass", "Cobalt"), 58.93},
    {"Ni", QT_TRANSLATE_NOOP("zq::AtomicMass", "Nickel"), 58.69},
    {"Cu", QT_TRANSLATE_NOOP("zq::AtomicMass", "Copper"), 63.55},
    {"Zn", QT_TRANSLATE_NOOP("zq::AtomicMass", "Zinc"), 65.39},
    {"Ga", QT_TRANSLATE_NOOP("zq::AtomicMass", "Gallium"), 69.72},
    {"Ge", QT_TRANSLATE_NOOP("zq::AtomicMass", "Germanium"), 72.61},
    {"As", QT_TRANSLATE_NOOP("zq::AtomicMass", "Arsenic"), 74.92},
    {"Se", QT_TRANSLATE_NOOP("zq::AtomicMass", "Selenium"), 78.96},
    {"Br", QT_TRANSLATE_NOOP("zq::AtomicMass", "Bromine"), 79.9},
    {"Kr", QT_TRANSLATE_NOOP("zq::AtomicMass", "Krypton"), 83.8},
    {"Rb", QT_TRANSLATE_NOOP("zq::AtomicMass", "Rubidium"), 85.47},
    {"Sr", QT_TRANSLATE_NOOP("zq::AtomicMass", "Strontium"), 87.62},
    {"Y", QT_TRANSLATE_NOOP("zq::AtomicMass", "Yttrium"), 88.91},
    {"Zr", QT_TRANSLATE_NOOP("zq::AtomicMass", "Zirconium"), 91.22},
    {"Nb", QT_TRANSLATE_NOOP("zq::AtomicMass", "Niobium"), 92.91},
    {"Mo", QT_TRANSLATE_NOOP("zq::AtomicMass", "Molybdenum"), 95.94},
    {"Tc", QT_TRANSLATE_NOOP("zq::AtomicMass", "Technetium"), 98.91},
    {"Ru", QT_TRANSLATE_NOOP("zq::AtomicMass", "Ruthenium"), 101.1},
    {"Rh", QT_TRANSLATE_NOOP("zq::AtomicMass", "Rhodium"), 102.9},
    {"Pd", QT_TRANSLATE_NOOP("zq::AtomicMass", "Palladium"), 106.4},
    {"Ag", QT_TRANSLATE_NOOP("zq::AtomicMass", "Silver"), 107.9},
    {"Cd", QT_TRANSLATE_NOOP("zq::AtomicMass", "Cadmium"), 112.4},
    {"In", QT_TRANSLATE_NOOP("zq::AtomicMass", "Indium"), 114.8},
    {"Sn", QT_TRANSLATE_NOOP("zq::AtomicMass", "Tin"), 118.7},
    {"Sb", QT_TRANSLATE_NOOP("zq::AtomicMass", "Antimony"), 121.8},
    {"Te", QT_TRANSLATE_NOOP("zq::AtomicMass", "Tellurium"), 127.6},
    {"I", QT_TRANSLATE_NOOP("zq::AtomicMass", "Iodine"), 126.9},
    {"Xe", QT_TRANSLATE_NOOP("zq::AtomicMass", "Xenon"), 131.3},
    {"Cs", QT_TRANSLATE_NOOP("zq::AtomicMass", "Caesium"), 132.9},
    {"Ba", QT_TRANSLATE_NOOP("zq::AtomicMass", "Barium"), 137.3},
    {"La", QT_TRANSLATE_NOOP("zq::AtomicMass", "Lanthanum"), 138.9},
    {"Ce", QT_TRANSLATE_NOOP("zq::AtomicMass", "Cerium"), 140.1},
    {"Pr", QT_TRANSLATE_NOOP("zq::AtomicMass", "Praseodymium"), 140.9},
    {"Nd", QT_TRANSLATE_NOOP("zq::AtomicMass", "Neodymium"), 144.2},
    {"Pm", QT_TRANSLATE_NOOP("zq::AtomicMass", "Promethium"), 146.9},
    {"Sm", QT_TRANSLATE_NOOP("zq::AtomicMass", "Samarium"), 150.4},
    {"Eu", QT_TRANSLATE_NOOP("zq::AtomicMass", "Europium"), 152},
    {"Gd", QT_TRANSLATE_NOOP("zq::AtomicMass", "Gadolinium"), 157.3},
    {"Tb", QT_TRANSLATE_NOOP("zq::AtomicMass", "Terbium"), 158.9},
    {"Dy", QT_TRANSLATE_NOOP("zq::AtomicMass", "Dysprosium"), 162.5},
    {"Ho", QT_TRANSLATE_NOOP("zq::AtomicMass", "Holmium"), 164.9},
    {"Er", QT_TRANSLATE_NOOP("zq::AtomicMass", "Erbium"), 167.3},
    {"Tm", QT_TRANSLATE_NOOP("zq::AtomicMass", "Thulium"), 168.9},
    {"Yb", QT_TRANSLATE_NOOP("zq::AtomicMass", "Ytterbium"), 173},
    {"Lu", QT_TRANSLATE_NOOP("zq::AtomicMass", "Lutetium"), 175},
    {"Hf", QT_TRANSLATE_NOOP("zq::AtomicMass", "Hafnium"), 178.5},
    {"Ta", QT_TRANSLATE_NOOP("zq::AtomicMass", "Tantalum"), 180.9},
    {"W", QT_TRANSLATE_NOOP("zq::AtomicMass", "Tungsten"), 183.8},
    {"Re", QT_TRANSLATE_NOOP("zq::AtomicMass", "Rhenium"), 186.2},
    {"Os", QT_TRANSLATE_NOOP("zq::AtomicMass", "Osmium"), 190.2},
    {"Ir", QT_TRANSLATE_NOOP("zq::AtomicMass", "Iridium"), 192.2},
    {"Pt", QT_TRANSLATE_NOOP("zq::AtomicMass", "Platinum"), 195.1},
    {"Au", QT_TRANSLATE_NOOP("zq::AtomicMass", "Gold"), 197},
    {"Hg", QT_TRANSLATE_NOOP("zq::AtomicMass", "Mercury"), 200.6},
    {"Tl", QT_TRANSLATE_NOOP("zq::AtomicMass", "Thallium"), 204.4},
    {"Pb", QT_TRANSLATE_NOOP("zq::AtomicMass", "Lead"), 207.2},
    {"Bi", QT_TRANSLATE_NOOP("zq::AtomicMass", "Bismuth"), 209},
    {"Po", QT_TRANSLATE_NOOP("zq::AtomicMass", "Polonium"), 210},
    {"At", QT_TRANSLATE_NOOP("zq::AtomicMass", "Astatine"), 210},
    {"Rn", QT_TRANSLATE_NOOP("zq::AtomicMass", "Radon"), 222},
    {"Fr", QT_TRANSLATE_NOOP("zq::AtomicMass", "Francium"), 223},
    {"Ra", QT_TRANSLATE_NOOP("zq::AtomicMass", "Radium"), 226},
    {"Ac", QT_TRANSLATE_NOOP("zq::AtomicMass", "Actinium"), 227},
    {"Th", QT_TRANSLATE_NOOP("zq::AtomicMass", "Thorium"), 232},
    {"Pa", QT_TRANSLATE_NOOP("zq::AtomicMass", "Protactinium"), 231},
    {"U", QT_TRANSLATE_NOOP("zq::AtomicMass", "Uranium"), 238},
    {"Np", QT_TRANSLATE_NOOP("zq::AtomicMass", "Neptunium"), 237},
    {"Pu", QT_TRANSLATE_NOOP("zq::AtomicMass", "Plutonium"), 239.1},
    {"Am", QT_TRANSLATE_NOOP("zq::AtomicMass", "Americium"), 241.1},
    {"Cm", QT_TRANSLATE_NOOP("zq::AtomicMass", "Curium"), 244.1},
    {"Bk", QT_TRANSLATE_NOOP("zq::AtomicMass", "Berkelium"), 249.1},
    {"Cf", QT_TRANSLATE_NOOP("zq::AtomicMass", "Californium"), 252.1},
    {"Es", QT_TRANSLATE_NOOP("zq::AtomicMass", "Einsteinium"), 252.1},
    {"Fm", QT_TRANSLATE_NOOP("zq::AtomicMass", "Fermium"), 257.1},
    {"Md", QT_TRANSLATE_NOOP("zq::AtomicMass", "Mendelevium"), 258.1},
    {"No", QT_TRANSLATE_NOOP("zq::AtomicMass", "Nobelium"), 259.1},
    {"Lr", QT_TRANSLATE_NOOP("zq::AtomicMass", "Lawrencium"), 262.1},
    {"Rf", QT_TRANSLATE_NOOP("zq::AtomicMass", "Rutherfordium"), 261.1},
    {"Db", QT_TRANSLATE_NOOP("zq::AtomicMass", "Dubnium"), 262.1},
    {"Sg", QT_TRANSLATE_NOOP("zq::AtomicMass", "Seaborgium"), 263.1},
    {"Bh", QT_TRANSLATE_NOOP("zq::AtomicMass", "Bohrium"), 264.1},
    {"Hs", QT_TRANSLATE_NOOP("zq::AtomicMass", "Hassium"), 265.1},
    {"Mt", QT_TRANSLATE_NOOP("zq::AtomicMass", "Meitnerium"), 268},
    {"Ds", QT_TRANSLATE_NOOP("zq::AtomicMass", "Darmstadtium"), 281, true},
    {"Rg", QT_TRANSLATE_NOOP("zq::AtomicMass", "Roentgenium"), 282, true},
    {"Cn", QT_TRANSLATE_NOOP("zq::AtomicMass", "Copernicium"), 285, true},
    {"Nh", QT_TRANSLATE_NOOP("zq::AtomicMass", "Nihonium"), 286, true},
    {"Fl", QT_TRANSLATE_NOOP("zq::AtomicMass", "Flerovium"), 290, true},
    {"Mc", QT_TRANSLATE_NOOP("zq::AtomicMass", "Moscovium"), 290, true},
    {"Lv", QT_TRANSLATE_NOOP("zq::AtomicMass", "Livermorium"), 293, true},
    {"Ts", QT_TRANSLATE_NOOP("zq::AtomicMass", "Tennessine"), 294, true},
    {"Og", QT_TRANSLATE_NOOP("zq::AtomicMass", "Oganesson"), 294, true},
};

// The placeholder symbols and names elements 110 to 118 had before IUPAC named them.
constexpr std::array<Element, 9> Placeholders = {{
    {"Uun", "Ununnilium", 0},
    {"Uuu", "Unununium", 0},
    {"Uub", "Ununbium", 0},
    {"Uut", "Ununtrium", 0},
    {"Uuq", "Ununquadium", 0},
    {"Uup", "Ununpentium", 0},
    {"Uuh", "Ununhexium", 0},
    {"Uus", "Ununseptium", 0},
    {"Uuo", "Ununoctium", 0},
}};
constexpr int FirstPlaceholder = 109; // the position of element 110

constexpr int LargestCount = 32767;

QString translated(const char *text) {
    return QCoreApplication::translate("zq::AtomicMass", text);
}

// A sentence of the results, in English and as shown, with the same words filled in.
template <class... Words> MassLine sentence(const char *text, const Words &...words) {
    return {QString::fromUtf8(text).arg(words...), translated(text).arg(words...)};
}

MassLine elementLine(const Element &element) {
    const char *text = QT_TRANSLATE_NOOP("zq::AtomicMass", "%1 (%2) = %3 g/mol");
    const QString number = FormatNumberText(element.mass);
    const QString mass = element.massNumber ? QLatin1Char('[') + number + QLatin1Char(']') : number;
    return {QString::fromUtf8(text).arg(element.englishName(), element.symbolText(), mass),
            translated(text).arg(element.nameText(), element.symbolText(), mass)};
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
        positionsBy([](const Element &element) { return element.englishName().toLower(); });
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
        results.add(sentence(QT_TRANSLATE_NOOP("zq::AtomicMass", "Count too large: %1"),
                             digits.toString()));
        results.incomplete();
        return std::nullopt;
    }
    return significant.toInt();
}

} // namespace

std::span<const Element> Elements() {
    return Table;
}

QString Element::nameText() const {
    return translated(name);
}

const Element *FindElement(const QString &text) {
    const QString lower = text.toLower();
    if (const auto byName = namePositions().find(lower); byName != namePositions().end())
        return &Table[*byName];
    // Names as shown are read too; translations can change while the program runs, so they
    // are not kept.
    for (const Element &element : Table)
        if (element.nameText().toLower() == lower)
            return &element;
    return elementWithSymbol(text);
}

MassLine ElementMassLine(const QString &text) {
    if (const Element *element = FindElement(text))
        return elementLine(*element);
    return sentence(QT_TRANSLATE_NOOP("zq::AtomicMass", "No element is called %1"), text);
}

MassLine FormulaMassLine(const QString &formula, double mass) {
    return sentence(QT_TRANSLATE_NOOP("zq::AtomicMass", "%1 is %2 g/mol"), formula,
                    FormatNumberText(mass));
}

void MassResults::add(const MassLine &line) {
    m_english << line.english;
    m_lines << line.shown;
    // Names have no blank: a line begins with a name and a blank exactly when the name is the
    // text before its first blank. English lines are read, so every language adds the same.
    constexpr qsizetype LongestName = 13;
    const qsizetype blank = line.english.indexOf(QLatin1Char(' '));
    if (blank < 0 || blank > LongestName)
        return;
    const auto found = namePositions().find(line.english.left(blank).toLower());
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
            results.add(
                sentence(QT_TRANSLATE_NOOP("zq::AtomicMass", "No chemical has symbol %1"), symbol));
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
            results.add(FormulaMassLine(part, mass));
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
