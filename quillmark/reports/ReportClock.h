#pragma once

// The time reports are run at: the dates the criteria screen starts with,
// the "Printed On" of the pages and the day in an exported file's name.
#include <QDateTime>

#include <functional>

namespace quillmark {

QDateTime ReportNow();
// Tests set a clock of their own; an empty function restores the system clock.
void setReportClock(std::function<QDateTime()> clock);

} // namespace quillmark
