#include "common/date_text.h"

#include "common/interface_language.h"

#include <QLocale>
#include <QRegularExpression>

#include <array>

namespace zq {

QString ShortDateText(QDate date, QCalendar calendar) {
    return QLocale().toString(date, QLocale::ShortFormat, calendar);
}

QString FullYearDateText(QDate date, QCalendar calendar) {
    static const QRegularExpression shortYear(QStringLiteral("(?<!y)y{1,2}(?!y)"));
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    format.replace(shortYear, QStringLiteral("yyyy"));
    return QLocale().toString(date, format, calendar);
}

namespace {

// The locale's long time format without its time zone: every "t" outside quoted text goes.
QString timeWithSecondsFormat() {
    const QString format = QLocale().timeFormat(QLocale::LongFormat);
    QString kept;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (quoted || c != QLatin1Char('t'))
            kept += c;
    }
    return kept.trimmed();
}

constexpr std::array<const char *, 12> MonthNames = {
    "january", "february", "march",     "april",   "may",      "june",
    "july",    "august",   "september", "october", "november", "december"};

// 1 to 12 for a month name or its first three (or more) letters, in English or in the language
// of the program's texts, else 0.
int monthNumber(const QString &word) {
    const QString typed = FoldedForMatching(word);
    if (typed.size() < 3)
        return 0;
    const QLocale shown(InterfaceLanguage());
    for (std::size_t i = 0; i < MonthNames.size(); ++i) {
        const int month = int(i) + 1;
        if (QLatin1String(MonthNames[i]).startsWith(typed) ||
            FoldedForMatching(shown.monthName(month, QLocale::LongFormat)).startsWith(typed) ||
            FoldedForMatching(shown.standaloneMonthName(month, QLocale::LongFormat))
                .startsWith(typed))
            return month;
    }
    return 0;
}

bool isNumber(const QString &token) {
    if (token.isEmpty() || token.size() > 4)
        return false;
    for (const QChar c : token)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

// Years of one or two digits fall in 1930 to 2029 in the Gregorian calendar.
struct YearReader {
    QCalendar calendar;
    bool guessed = false;
    int operator()(const QString &digits) {
        const int year = digits.toInt();
        if (digits.size() > 2 || !calendar.isGregorian())
            return year;
        guessed = true;
        return year < 30 ? 2000 + year : 1900 + year;
    }
};

// Where the locale's short date puts the day, month and year (0, 1, 2 from the left).
struct FieldOrder {
    int day, month, year;
};

FieldOrder localeOrder() {
    const QString format = QLocale().dateFormat(QLocale::ShortFormat);
    const auto d = format.indexOf(QLatin1Char('d')), m = format.indexOf(QLatin1Char('M')),
               y = format.indexOf(QLatin1Char('y'));
    if (d < 0 || m < 0 || y < 0)
        return {0, 1, 2};
    auto rank = [&](qsizetype at) { return int((at > d) + (at > m) + (at > y)); };
    return {rank(d), rank(m), rank(y)};
}

std::optional<QDate> dateOf(int year, int month, int day, QCalendar calendar) {
    if (!calendar.isDateValid(year, month, day))
        return std::nullopt;
    return QDate(year, month, day, calendar);
}

std::optional<QDate> parseDate(const QString &text, QCalendar calendar, YearReader &fullYear) {
    static const QRegularExpression separators(QStringLiteral("[-/.,\\s]+"));
    const QStringList tokens = text.trimmed().split(separators, Qt::SkipEmptyParts);
    if (tokens.size() != 3)
        return std::nullopt;
    // A month written as a word: the day is the number of one or two digits beside it.
    for (int i = 0; i < 3; ++i) {
        const int month = monthNumber(tokens[i]);
        if (month == 0)
            continue;
        QStringList numbers = tokens;
        numbers.removeAt(i);
        const QString &first = numbers[0], &second = numbers[1];
        if (!isNumber(first) || !isNumber(second))
            return std::nullopt;
        // "March 1 2013", "1 March 2013": the year is the last number, unless only the first
        // is long enough to be one ("2013 March 1").
        const bool yearFirst = first.size() > 2 && second.size() <= 2;
        return dateOf(fullYear(yearFirst ? first : second), month,
                      (yearFirst ? second : first).toInt(), calendar);
    }
    for (const QString &token : tokens)
        if (!isNumber(token))
            return std::nullopt;
    if (tokens[0].size() > 2) // ISO order: year, month, day
        return dateOf(tokens[0].toInt(), tokens[1].toInt(), tokens[2].toInt(), calendar);
    const FieldOrder order = localeOrder();
    const int year = fullYear(tokens[order.year]);
    const int month = tokens[order.month].toInt(), day = tokens[order.day].toInt();
    if (auto date = dateOf(year, month, day, calendar))
        return date;
    return dateOf(year, day, month, calendar); // day and month the other way round
}

} // namespace

std::optional<ReadDate> ReadDateText(const QString &text, QCalendar calendar) {
    YearReader fullYear{calendar};
    const std::optional<QDate> date = parseDate(text, calendar, fullYear);
    if (!date)
        return std::nullopt;
    return ReadDate{*date, fullYear.guessed};
}

std::optional<QDate> ParseDateText(const QString &text, QCalendar calendar) {
    const std::optional<ReadDate> read = ReadDateText(text, calendar);
    return read ? std::optional<QDate>(read->date) : std::nullopt;
}

QString GeneralDateTimeText(const QDateTime &moment) {
    return ShortDateText(moment.date()) + QLatin1Char(' ') +
           QLocale().toString(moment.time(), timeWithSecondsFormat());
}

} // namespace zq
