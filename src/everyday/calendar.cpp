#include "everyday/calendar.h"

#include "common/calc_error.h"
#include "common/date_text.h"

#include <QCalendar>
#include <QCoreApplication>
#include <QLocale>

#include <array>

namespace zq {
namespace {

const QCalendar Hijri(QCalendar::System::IslamicCivil);

QDate parsed(const QString &text, QCalendar calendar = QCalendar()) {
    const std::optional<QDate> date = ParseDateText(text, calendar);
    if (!date)
        throw CalcError(CalcError::Kind::InvalidArgument, "not a date");
    return *date;
}

struct Sign {
    const char *name;         // English, marked for translation
    int startMonth, startDay; // from this day of its first month to the end of it
    int endMonth, lastDay;    // from the start of its second month to this day
};

// The tropical zodiac as the common tables give it; each sign from its first day to its last.
constexpr std::array<Sign, 12> Signs = {{
    {QT_TRANSLATE_NOOP("zq::Calendar", "Aquarius"), 1, 20, 2, 18},
    {QT_TRANSLATE_NOOP("zq::Calendar", "Pisces"), 2, 19, 3, 20},
    {QT_TRANSLATE_NOOP("zq::Calendar", "Aries"), 3, 21, 4, 19},
    {QT_TRANSLATE_NOOP("zq::Calendar", "Taurus"), 4, 20, 5, 20},
    {QT_TRANSLATE_NOOP("zq::Calendar", "Gemini"), 5, 21, 6, 20},
    {QT_TRANSLATE_NOOP("zq::Calendar", "Cancer"), 6, 21, 7, 22},
    {QT_TRANSLATE_NOOP("zq::Calendar", "Leo"), 7, 23, 8, 22},
    {QT_TRANSLATE_NOOP("zq::Calendar", "Virgo"), 8, 23, 9, 22},
    {QT_TRANSLATE_NOOP("zq::Calendar", "Libra"), 9, 23, 10, 22},
    {QT_TRANSLATE_NOOP("zq::Calendar", "Scorpio"), 10, 23, 11, 21},
    {QT_TRANSLATE_NOOP("zq::Calendar", "Sagittarius"), 11, 22, 12, 21},
    {QT_TRANSLATE_NOOP("zq::Calendar", "Capricorn"), 12, 22, 1, 19},
}};

} // namespace

QString ToHijriDateText(QDate date) {
    return FullYearDateText(date, Hijri);
}

QString ToGregorianDateText(QDate date) {
    return FullYearDateText(date);
}

QString ConvertHijriText(const QString &day, const QString &month, const QString &year,
                         bool hijriToGregorian) {
    const QString text = day + QLatin1Char('-') + month + QLatin1Char('-') + year;
    return hijriToGregorian ? ToGregorianDateText(parsed(text, Hijri))
                            : ToHijriDateText(parsed(text));
}

qint64 DaysBetweenTexts(const QString &first, const QString &last) {
    return parsed(first).daysTo(parsed(last));
}

CalendarAge AgeOn(QDate birth, QDate today) {
    // Whole months first: one is complete when the day it began on comes round again.
    int months = (today.year() - birth.year()) * 12 + today.month() - birth.month();
    if (months > 0 && today.day() < birth.day())
        --months;
    const qint64 days = birth.addMonths(months).daysTo(today);
    return {months / 12, months % 12, int(days)};
}

QString AgeText(QDate birth, QDate today) {
    if (!birth.isValid() || birth > today)
        return {};
    const CalendarAge age = AgeOn(birth, today);
    // No plural forms: the English text has always said "1 years".
    return QCoreApplication::translate("zq::Calendar", "%1 years %2 months %3 days")
        .arg(age.years)
        .arg(age.months)
        .arg(age.days);
}

QString BirthdayText(const QString &day, const QString &month, const QString &year, QDate today) {
    const QDate birth = parsed(day + QLatin1Char('/') + month + QLatin1Char('/') + year);
    const qint64 days = birth.daysTo(today);
    const CalendarAge age = AgeOn(birth, today);
    const int completedMonths = age.years * 12 + age.months;
    const QStringList lines = {
        QCoreApplication::translate("zq::Calendar", "Age: %1").arg(AgeText(birth, today)),
        QCoreApplication::translate("zq::Calendar", "Age in Minutes: %1").arg(days * 24 * 60),
        QCoreApplication::translate("zq::Calendar", "Age in Hours: %1").arg(days * 24),
        QCoreApplication::translate("zq::Calendar", "Age in Days: %1").arg(days),
        QCoreApplication::translate("zq::Calendar", "Age in Weeks: %1").arg(days / 7),
        QCoreApplication::translate("zq::Calendar", "Age in Months: %1").arg(completedMonths),
        QCoreApplication::translate("zq::Calendar", "Born Day: %1")
            .arg(QLocale().dayName(birth.dayOfWeek(), QLocale::LongFormat))};
    return lines.join(QStringLiteral("\r\n"));
}

QString BurcBul(std::uint8_t day, std::uint8_t month) {
    if (day > 31 || month > 12)
        throw CalcError(CalcError::Kind::InvalidArgument, "no such day");
    const char *sign = QT_TRANSLATE_NOOP("zq::Calendar", "Wrong Type");
    for (const Sign &candidate : Signs)
        if ((month == candidate.startMonth && day >= candidate.startDay) ||
            (month == candidate.endMonth && day <= candidate.lastDay))
            sign = candidate.name;
    return QCoreApplication::translate("zq::Calendar", sign);
}

} // namespace zq
