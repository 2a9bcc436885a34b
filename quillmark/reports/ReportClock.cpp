#include "quillmark/reports/ReportClock.h"

namespace quillmark {

namespace {

std::function<QDateTime()>& installedClock() {
    static std::function<QDateTime()> clock;
    return clock;
}

} // namespace

QDateTime ReportNow() {
    const auto& clock = installedClock();
    return clock ? clock() : QDateTime::currentDateTime();
}

void setReportClock(std::function<QDateTime()> clock) {
    installedClock() = std::move(clock);
}

} // namespace quillmark
