#pragma once

// Dates in the Jet dialect and in the data files. Statements write date
// literals between '#' signs in US month/day/year order; files keep dates as
// "yyyy-MM-dd HH:mm:ss" text so that ranges compare correctly.
#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

namespace quillmark {

// "M/d/yyyy" (the year in four digits) whatever the user's locale: "#" + JetDateLiteralText(d) +
// " 12:00:00 AM#" names the same day everywhere.
QString JetDateLiteralText(const QDate& date);

// The text between the '#' signs of a date literal: "11/5/2026",
// "11/5/2026 11:59:59 PM", "12/5/2026 18:30", "2026-11-05", "2026-11-05 18:30:00".
std::optional<QDateTime> parseJetDateTime(const QString& text);

// How a date and time is stored: "2026-11-05 18:30:00" (seconds, no zone).
QString storedDateTimeText(const QDateTime& value);
std::optional<QDateTime> parseStoredDateTime(const QString& text);

// While TZ is unset, the C library looks at the time zone file again (a stat
// of /etc/localtime) on every conversion of a local date and time, and Qt
// converts every date it makes that way: about 6 us for each date read from
// a file. Naming that same file in TZ, when TZ is unset, has it read once.
// The zone stays the same; a change of the system's zone while the program
// runs is then seen at its next start. Called when the first connection is
// made, before dates are read.
void useStableLocalTimeZone();

} // namespace quillmark
