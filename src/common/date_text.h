#pragma once

#include <QCalendar>
#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

namespace zq {

// The short date text of the default locale (12/6/26 in en_US, 06.12.26 in de_DE), in the
// given calendar.
QString ShortDateText(QDate date, QCalendar calendar = QCalendar());

// The short date text with the year written whole (12/6/2026, 06.12.2026), so that no date
// reads as another century's.
QString FullYearDateText(QDate date, QCalendar calendar = QCalendar());

// The general date-time text: the short date and the time with seconds, without a time zone.
QString GeneralDateTimeText(const QDateTime &moment);

// A date as the user types it, read in the given calendar: day, month and year as numbers with
// "-", "/", "." or blanks between them, in the locale's order of day and month (read the other
// way round when that is no date); ISO year-month-day; month names or their first three
// letters, in English or in the language of the program's texts ("1 March 2013", "Mar 1,
// 2013", "3 März 2024"); surrounding blanks. A year of one or two
// digits means 1930 to 2029 in the Gregorian calendar; in any other it is the year as typed.
// Returns nothing when the text is no date of the calendar.
std::optional<QDate> ParseDateText(const QString &text, QCalendar calendar = QCalendar());

// The same, and whether a year of one or two digits was read as one of 1930 to 2029.
struct ReadDate {
    QDate date;
    bool centuryGuessed = false;
};
std::optional<ReadDate> ReadDateText(const QString &text, QCalendar calendar = QCalendar());

} // namespace zq
