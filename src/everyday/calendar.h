#pragma once

#include <QDate>
#include <QString>

#include <cstdint>

namespace zq {

// The short date text of a date in the arithmetical Islamic (civil) calendar, and in the
// Gregorian one.
QString ToHijriDateText(QDate date);
QString ToGregorianDateText(QDate date);

// The Hijri conversion of day, month and year texts: read in the Islamic calendar and shown in
// the Gregorian one, or the other way round. Throws CalcError when they make no date.
QString ConvertHijriText(const QString &day, const QString &month, const QString &year,
                         bool hijriToGregorian);

// Calendar days from the first date text to the last (negative when the last is earlier).
// Throws CalcError when either is no date.
qint64 DaysBetweenTexts(const QString &first, const QString &last);

// Age by the calendar: whole years, then whole months, then the days left. A month is complete
// when the day of the month it began on comes round again; the days left are counted from the
// last complete month, whose day falls on the month's end when the month is shorter (born
// 31 January: 28 days old on 28 February, a month and a day on 1 March; born 29 February: a
// year and a day on 1 March of a common year).
struct CalendarAge {
    int years, months, days;
};
CalendarAge AgeOn(QDate birth, QDate today);

// "12 years 2 months 13 days", in the interface language; empty when the birth lies after today.
QString AgeText(QDate birth, QDate today);

// The Birthday tool's lines from a birth given as day, month and year texts: age, age in
// minutes, hours, days, weeks and completed months, and the weekday of birth, joined by CR LF;
// in the interface language.
// Throws CalcError when the texts make no date.
QString BirthdayText(const QString &day, const QString &month, const QString &year, QDate today);

// The zodiac sign of a day and month, in the interface language; "Wrong Type" for month 0. Throws
// CalcError for a day above 31 or a month above 12.
QString BurcBul(std::uint8_t day, std::uint8_t month);

} // namespace zq
