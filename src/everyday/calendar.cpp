#include "everyday/calendar.h"

#include "common/calc_error.h"
#include "common/date_text.h"

#include <QCalendar>
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
    const char *name;
    int startMonth, startDay; // from this day of its first month to the end of it
    int endMonth, lastDay;    // from the start of its second month to this day
};

// In the order they are tested; a later match replaces an earlier one, so 23 and 24 July give
// Leo although Cancer runs to the 24th.
constexpr std::array<Sign, 12> Signs = {{
    {"Aquarius", 1, 21, 2, 19},
    {"Pisces", 2, 20, 3, 20},
    {"Aries", 3, 21, 4, 20},
    {"Taurus", 4, 21, 5, 20},
    {"Gemini", 5, 21, 6, 21},
    {"Cancer", 6, 22, 7, 24},
    {"Leo", 7, 23, 8, 23},
    {"Virgo", 8, 24, 9, 23},
    {"Libra", 9, 24, 10, 23},
    {"Scorpio", 10, 24, 11, 22},
    {"Sagittarius", 11, 23, 12, 21},
    {"Capricorn", 12, 22, 1, 20},
}};

} // namespace

QString ToHijriDateText(QDate date) {
    return ShortDateText(date, Hijri);
}

QString ToGregorianDateText(QDate date) {
    return ShortDateText(date);
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

QString AgeText(QDate birth, QDate today) {
    if (!birth.isValid() || birth > today)
        return {};
    int years = today.year() - birth.year();
    int months = today.month() - birth.month();
    int days = today.day() - birth.day();
    if (days < 0) {
        days += 30;
        --months;
    }
    if (months < 0) {
        months += 12;
        --years;
    }
    return QStringLiteral("%1 years %2 months %3 days").arg(years).arg(months).arg(days);
}

QString BirthdayText(const QString &day, const QString &month, const QString &year, QDate today) {
    const QDate birth = parsed(day + QLatin1Char('/') + month + QLatin1Char('/') + year);
    const qint64 days = birth.daysTo(today);
    const int monthBoundaries = (today.year() - birth.year()) * 12 + today.month() - birth.month();
    return QStringLiteral("Age: ") + AgeText(birth, today) +
           QStringLiteral("\r\nAge in Minutes: ") + QString::number(days * 24 * 60) +
           QStringLiteral("\r\nAge in Hours: ") + QString::number(days * 24) +
           QStringLiteral("\r\nAge in Days: ") + QString::number(days) +
           QStringLiteral("\r\nAge in Weeks: ") + QString::number(days / 7) +
           QStringLiteral("\r\nAge in Months: ") + QString::number(monthBoundaries) +
           QStringLiteral("\r\nBorn Day: ") +
           QLocale().dayName(birth.dayOfWeek(), QLocale::LongFormat);
}

QString BurcBul(std::uint8_t day, std::uint8_t month) {
    if (day > 31 || month > 12)
        throw CalcError(CalcError::Kind::InvalidArgument, "no such day");
    QString sign = QStringLiteral("Wrong Type");
    for (const Sign &candidate : Signs)
        if ((month == candidate.startMonth && day >= candidate.startDay) ||
            (month == candidate.endMonth && day <= candidate.lastDay))
            sign = QLatin1String(candidate.name);
    return sign;
}

} // namespace zq
