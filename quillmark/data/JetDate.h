#pragma once

// Dates in the Jet dialect and in the data files. Statements write date
// literals between '#' signs in US month/day/year order; files keep dates as
// "yyyy-MM-dd HH:mm:ss" text so that ranges compare correctly.
#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

namespace quillmark {

// "M/d/yyyy" whatever the user's locale: "#" + JetDateLiteralText(d) +
// " 12:00:00 AM#" names the same day everywhere.
QString JetDateLiteralText(const QDate& date);

// The text between the '#' signs of a date literal: "11/5/2026",
// "11/5/2026 11:59:59 PM", "12/5/2026 18:30", "2026-11-05", "2026-11-05 18:30:00".
std::optional<QDateTime> parseJetDateTime(const QString& text);

// How a date and time is stored: "2026-11-05 18:30:00" (seconds, no zone).
QString storedDateTimeText(const QDateTime& value);
std::optional<QDateTime> parseStoredDateTime(const QString& text);

} // namespace quillmark
