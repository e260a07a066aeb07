#include "help/help_pages.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>

#include <array>
#include <utility>

namespace zq {
namespace {

const QString PageFolder = QStringLiteral(":/help/pages/");

// Windows that open from a tool, and the program's own windows, share a page.
constexpr std::array<std::pair<const char *, const char *>, 7> SharedPages = {{
    {"DivisibilityRules", "Divisibility"},
    {"MenuTrackingALT", "MenuTracking"},
    {"RAMAtomNo", "RAMfrm"},
    {"DllOcxHelp", "DllOcx"},
    {"About", "Main"},
    {"WindowsRunTime", "Main"},
    {"Help", "Main"},
}};

QString readPage(const QString &fileName) {
    QFile file(PageFolder + fileName + QStringLiteral(".md"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

const QRegularExpression &includePattern() {
    static const QRegularExpression pattern(QStringLiteral("\\{include:(\\w+)\\}"));
    return pattern;
}

// {Name}, {Name1-Name9}, {property:Name}.
const QRegularExpression &referencePattern() {
    static const QRegularExpression pattern(
        QStringLiteral("\\{(?:(\\w+):)?([A-Za-z_]\\w*)(?:-([A-Za-z_]\\w*))?\\}"));
    return pattern;
}

// The controls a reference names: one, or a numbered run ("Text3-Text6").
QStringList referencedControls(const QRegularExpressionMatch &reference) {
    const QString first = reference.captured(2), last = reference.captured(3);
    if (last.isEmpty())
        return {first};
    static const QRegularExpression numbered(QStringLiteral("^(\\D+)(\\d+)$"));
    const QRegularExpressionMatch from = numbered.match(first), to = numbered.match(last);
    if (!from.hasMatch() || !to.hasMatch() || from.captured(1) != to.captured(1))
        return {first, last};
    QStringList names;
    for (int n = from.captured(2).toInt(); n <= to.captured(2).toInt(); ++n)
        names << from.captured(1) + QString::number(n);
    return names;
}

enum class Style { Plain, Bold };

// Replaces references outside code spans.
QString renderLine(const QString &line, const CaptionOf &caption, const PropertyOf &property,
                   Style style) {
    QString rendered;
    qsizetype at = 0;
    bool inCode = false;
    while (at < line.size()) {
        const QChar c = line[at];
        if (c == QLatin1Char('`'))
            inCode = !inCode;
        const QRegularExpressionMatch reference =
            c == QLatin1Char('{') && !inCode
                ? referencePattern().match(line, at, QRegularExpression::NormalMatch,
                                           QRegularExpression::AnchorAtOffsetMatchOption)
                : QRegularExpressionMatch();
        if (!reference.hasMatch()) {
            rendered += c;
            ++at;
            continue;
        }
        if (!reference.captured(1).isEmpty()) {
            rendered += property(reference.captured(1), reference.captured(2));
        } else {
            const QString name = caption(reference.captured(2));
            rendered +=
                style == Style::Bold ? QStringLiteral("**") + name + QStringLiteral("**") : name;
        }
        at = reference.capturedEnd();
    }
    return rendered;
}

// Walks a page line by line, telling each line's section and whether it is inside a
// formula block.
struct PageLine {
    QString text, section;
    bool formula = false, fence = false;
};

QList<PageLine> pageLines(const QString &source) {
    QList<PageLine> lines;
    QString section;
    bool inFormula = false, inCode = false;
    for (const QString &text : source.split(QLatin1Char('\n'))) {
        PageLine line{text, section, false, false};
        if (text.startsWith(QLatin1String("```"))) {
            line.fence = true;
            if (inCode || inFormula) {
                inCode = inFormula = false;
            } else {
                inFormula = text.trimmed() == QLatin1String("```formula");
                inCode = !inFormula;
            }
        } else if (!inCode && !inFormula && text.startsWith(QLatin1String("## "))) {
            section = text.mid(3).trimmed();
            line.section = section;
        } else if (!inCode && !inFormula && text.startsWith(QLatin1String("  ")) &&
                   !lines.isEmpty() && lines.back().text.startsWith(QLatin1String("- "))) {
            lines.back().text += QLatin1Char(' ') + text.trimmed(); // a bullet's next line
            continue;
        } else {
            line.formula = inFormula;
        }
        lines << line;
    }
    return lines;
}

struct BoxBullet {
    QString label;
    QStringList controls;
    QString text;
};

// "- [label] {Name} {Name2}: what it holds"
BoxBullet boxBullet(const QString &line) {
    BoxBullet bullet;
    const qsizetype brace = line.indexOf(QLatin1Char('{'));
    const qsizetype colon = line.indexOf(QStringLiteral(": "), brace);
    if (!line.startsWith(QLatin1String("- ")) || brace < 0 || colon < 0)
        return bullet;
    bullet.label = line.mid(2, brace - 2).trimmed();
    const QString references = line.mid(brace, colon - brace);
    for (const QRegularExpressionMatch &reference : referencePattern().globalMatch(references))
        bullet.controls << referencedControls(reference);
    bullet.text = line.mid(colon + 2).trimmed();
    return bullet;
}

ExampleStep exampleStep(const QString &line) {
    struct Form {
        ExampleStep::Act act;
        const char *pattern;
    };
    // The value first where the bullet has one, then the control, then a second value.
    static const std::array<Form, 11> Forms = {{
        {ExampleStep::Act::Type, "^- Type `([^`]*)` in \\{(\\w+)\\}\\.$"},
        {ExampleStep::Act::Choose, "^- Choose `([^`]*)` in \\{(\\w+)\\}\\.$"},
        {ExampleStep::Act::Tick, "^- Tick ()\\{(\\w+)\\}\\.$"},
        {ExampleStep::Act::Untick, "^- Untick ()\\{(\\w+)\\}\\.$"},
        {ExampleStep::Act::Pick, "^- Pick ()\\{(\\w+)\\}\\.$"},
        {ExampleStep::Act::Press, "^- Press ()\\{(\\w+)\\}\\.$"},
        {ExampleStep::Act::Between,
         "^- (?=\\{)()\\{(\\w+)\\} shows a number from `([^`]*)` to `([^`]*)`\\.$"},
        {ExampleStep::Act::Holds, "^- (?=\\{)()\\{(\\w+)\\} holds `(\\d+)` characters\\.$"},
        {ExampleStep::Act::Shows, "^- (?=\\{)()\\{(\\w+)\\} (shows|lists) `([^`]*)`\\.$"},
        {ExampleStep::Act::Marked,
         "^- (?=\\{)()\\{(\\w+)\\} is marked in (red|amber): `([^`]*)`\\.$"},
        {ExampleStep::Act::Stale, "^- (?=\\{)()\\{(\\w+)\\} is out of date\\.$"},
    }};
    ExampleStep step;
    step.line = line;
    for (const Form &form : Forms) {
        const QRegularExpressionMatch match =
            QRegularExpression(QLatin1String(form.pattern)).match(line);
        if (!match.hasMatch())
            continue;
        step.act = form.act;
        step.control = match.captured(2);
        step.value = match.captured(1);
        if (form.act == ExampleStep::Act::Between) {
            step.value = match.captured(3);
            step.upTo = match.captured(4);
        } else if (form.act == ExampleStep::Act::Holds) {
            step.value = match.captured(3);
        } else if (form.act == ExampleStep::Act::Marked) {
            step.upTo = match.captured(3);
            step.value = match.captured(4);
        } else if (form.act == ExampleStep::Act::Shows) {
            step.act = match.captured(3) == QLatin1String("lists") ? ExampleStep::Act::Lists
                                                                   : ExampleStep::Act::Shows;
            step.value = match.captured(4);
        }
        return step;
    }
    return step;
}

bool isExampleSection(const QString &section) {
    return section.startsWith(QLatin1String("Example"));
}

} // namespace

QString helpPageName(const QString &windowName) {
    for (const auto &[window, page] : SharedPages)
        if (windowName == QLatin1String(window))
            return QLatin1String(page);
    return windowName;
}

QStringList helpPageNames() {
    QStringList names;
    for (const QString &file : QDir(PageFolder).entryList({QStringLiteral("*.md")}, QDir::Files))
        if (!file.startsWith(QLatin1Char('_')))
            names << file.chopped(3);
    return names;
}

QString helpPageSource(const QString &pageName) {
    if (pageName.isEmpty() || pageName.startsWith(QLatin1Char('_')))
        return {};
    QString source = readPage(pageName);
    // Shared parts may not include further parts: one pass brings in everything.
    QRegularExpressionMatch include;
    while ((include = includePattern().match(source)).hasMatch())
        source.replace(include.capturedStart(), include.capturedLength(),
                       readPage(QLatin1Char('_') + include.captured(1)).trimmed());
    return source;
}

QString renderHelpPage(const QString &source, const CaptionOf &windowCaption,
                       const PropertyOf &property) {
    // A label given in the Boxes section names its controls throughout the page.
    QHash<QString, QString> labels;
    for (const PageLine &line : pageLines(source))
        if (line.section == QLatin1String("Boxes"))
            if (const BoxBullet bullet = boxBullet(line.text); !bullet.label.isEmpty())
                for (const QString &control : bullet.controls)
                    labels.insert(control, bullet.label);
    const CaptionOf caption = [&](const QString &control) {
        return labels.value(control, windowCaption(control));
    };
    QStringList rendered;
    for (const PageLine &line : pageLines(source)) {
        if (line.fence) {
            rendered << QStringLiteral("```");
        } else if (line.formula) {
            rendered << renderLine(line.text, caption, property, Style::Plain);
        } else if (line.section == QLatin1String("Boxes") && line.text.startsWith("- ")) {
            const BoxBullet bullet = boxBullet(line.text);
            const QString label = !bullet.label.isEmpty()     ? bullet.label
                                  : bullet.controls.isEmpty() ? QString()
                                                              : caption(bullet.controls.front());
            rendered << QStringLiteral("- **") + label + QStringLiteral("**: ") +
                            renderLine(bullet.text, caption, property, Style::Bold);
        } else {
            rendered << renderLine(line.text, caption, property, Style::Bold);
        }
    }
    return rendered.join(QLatin1Char('\n'));
}

QList<BoxTip> boxTips(const QString &source, const CaptionOf &caption, const PropertyOf &property) {
    QList<BoxTip> tips;
    for (const PageLine &line : pageLines(source)) {
        if (line.section != QLatin1String("Boxes") || !line.text.startsWith(QLatin1String("- ")))
            continue;
        const BoxBullet bullet = boxBullet(line.text);
        if (!bullet.controls.isEmpty())
            tips << BoxTip{bullet.controls,
                           renderLine(bullet.text, caption, property, Style::Plain)};
    }
    return tips;
}

QList<QList<ExampleStep>> helpExamples(const QString &source) {
    QList<QList<ExampleStep>> examples;
    QString current;
    for (const PageLine &line : pageLines(source)) {
        if (!isExampleSection(line.section))
            continue;
        if (line.section != current || examples.isEmpty()) {
            current = line.section;
            examples << QList<ExampleStep>();
        }
        if (line.text.startsWith(QLatin1String("- ")))
            examples.back() << exampleStep(line.text.trimmed());
    }
    return examples;
}

QStringList helpFormulas(const QString &source) {
    QStringList formulas;
    for (const PageLine &line : pageLines(source))
        if (line.formula && !line.text.trimmed().isEmpty())
            formulas << line.text.trimmed();
    return formulas;
}

} // namespace zq
