#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace zq {

// Help pages are Markdown kept as data, one per tool window (named after the window) and one
// for the program ("Main"). In a page, {Name} names a control of the window, {Text3-Text24}
// a run of them, {maxlength:Name} and {items:Name} stand for what that control holds, and
// {include:part} brings in a shared part. Sections:
//   "## Boxes": one bullet per box, "- [label] {Name}...: what it holds" (also its tooltip);
//   "## Formula": code blocks marked "formula", "{Result} = expression";
//   "## Example...": bullets a test runs through the window (ExampleStep).

// The page a window shows with F1: its own, or that of the tool or program it belongs to.
QString helpPageName(const QString &windowName);

// Every stored page.
QStringList helpPageNames();

// A page's source with its shared parts brought in; empty when there is no such page.
QString helpPageSource(const QString &pageName);

// The page for reading: control names replaced by what `caption` calls them, {maxlength:…}
// and {items:…} by what `property` reads off the control.
using CaptionOf = std::function<QString(const QString &control)>;
using PropertyOf = std::function<QString(const QString &property, const QString &control)>;
QString renderHelpPage(const QString &source, const CaptionOf &caption, const PropertyOf &property);

// What each box holds, from the Boxes section: the boxes of one bullet share its text, which
// is rendered as the page renders it.
struct BoxTip {
    QStringList controls;
    QString text;
};
QList<BoxTip> boxTips(const QString &source, const CaptionOf &caption, const PropertyOf &property);

// One step of a worked example.
struct ExampleStep {
    enum class Act {
        Type,    // "- Type `12` in {Text1}."
        Choose,  // "- Choose `Pound` in {List2}."
        Tick,    // "- Tick {Check2}."
        Untick,  // "- Untick {Check1}."
        Pick,    // "- Pick {Option2}."
        Press,   // "- Press {Command1}."
        Shows,   // "- {Text2} shows `2.2`." (the whole text, its ends trimmed)
        Lists,   // "- {List1} lists `3*7 = 21`." (one line, its ends trimmed)
        Holds,   // "- {Text1} holds `10` characters."
        Between, // "- {Label1} shows a number from `1` to `49`."
        Marked,  // "- {Text1} is marked in red: `A whole number from 0 to 170`." (or amber)
        Stale,   // "- {Text2} is out of date."
        Unknown, // any other bullet: a step no test could run
    };
    Act act = Act::Unknown;
    QString control;
    QString value, upTo;
    QString line; // the bullet as written
};

// The examples of a page, one list of steps per "## Example..." section.
QList<QList<ExampleStep>> helpExamples(const QString &source);

// The formula lines of a page ("{Text3} = {Text1} / {Text2}").
QStringList helpFormulas(const QString &source);

} // namespace zq
