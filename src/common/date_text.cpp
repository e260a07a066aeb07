#include "common/date_text.h"

#include <QLocale>

namespace zq {

QString ShortDateText(QDate date) {
    return QLocale().toString(date, QLocale::ShortFormat);
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

} // namespace

QString GeneralDateTimeText(const QDateTime &moment) {
    return ShortDateText(moment.date()) + QLatin1Char(' ') +
           QLocale().toString(moment.time(), timeWithSecondsFormat());
}

} // namespace zq
