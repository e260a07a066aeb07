#include "common/date_text.h"
#include "fuzz_support.h"

#include <QLocale>

// A text read as a date names a valid date, and that date's ISO text reads as the same date.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const fuzz::TimeBound bound;
    static const QLocale locales[] = {QLocale(QLocale::English, QLocale::UnitedStates),
                                      QLocale(QLocale::German, QLocale::Germany)};
    QLocale::setDefault(locales[size % 2]);
    static const QCalendar calendars[] = {QCalendar(), QCalendar(QCalendar::System::IslamicCivil)};
    const QString text = fuzz::text(data, size);
    for (const QCalendar &calendar : calendars) {
        const std::optional<QDate> date = zq::ParseDateText(text, calendar);
        if (!date)
            continue;
        fuzz::check(date->isValid(), "an invalid date was accepted");
        const QCalendar::YearMonthDay parts = calendar.partsFromDate(*date);
        const QString iso =
            QStringLiteral("%1-%2-%3").arg(parts.year).arg(parts.month).arg(parts.day);
        if (parts.year >= 1000)
            fuzz::check(zq::ParseDateText(iso, calendar) == date, "a date does not read back");
    }
    return 0;
}
