#pragma once

// The statement a report runs and the date range its pages show.
#include <QDate>
#include <QLocale>
#include <QString>

namespace quillmark {

// kind "INC", "EXP" (an empty kind counts as "INC") or "P\L"; categoryIds the
// chosen category keys as "3,7" (not used for "P\L"); from and to the first
// and last day. The day runs from 12:00:00 AM to 11:59:59 PM; the dates are
// written as Jet literals that mean the same day in every locale. Throws
// RuntimeError for an unknown kind, or category keys that are not a list of
// numbers.
QString ReportStatement(const QString& kind, const QString& categoryIds, const QDate& from,
                        const QDate& to);

// "Date Range: " + from + " - " + to in the locale's short date, with the
// year in four digits.
QString DateRangeCaption(const QDate& from, const QDate& to, const QLocale& locale = QLocale());

} // namespace quillmark
