#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

namespace zq {

// The short date text of the default locale (12/6/26 in en_US, 06.12.26 in de_DE).
QString ShortDateText(QDate date);

// The general date-time text: the short date and the time with seconds, without a time zone.
QString GeneralDateTimeText(const QDateTime &moment);

} // namespace zq
