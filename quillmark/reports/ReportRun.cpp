#include "quillmark/reports/ReportRun.h"

#include "quillmark/data/Recordset.h"
#include "quillmark/data/RuntimeError.h"
#include "quillmark/data/deQuillmark.h"
#include "quillmark/reports/ReportLayouts.h"
#include "quillmark/reports/ReportStatement.h"

namespace quillmark {

namespace {

report::ReportLayout layoutWithRange(const ReportChoice& choice, const ReportCriteria& criteria) {
    report::ReportLayout layout = loadReportLayout(choice.layout);
    SetRange(layout, DateRangeCaption(criteria.from, criteria.to));
    return layout;
}

} // namespace

std::unique_ptr<ReportRun> ReportRun::start(const ReportCriteria& criteria, const QDateTime& now) {
    const std::optional<ReportChoice> choice = reportChoiceFor(criteria.kind, criteria.view);
    if (!choice) {
        throw RuntimeError(errInvalidArgument,
                           QStringLiteral("Unknown report kind \"%1\".").arg(criteria.kind));
    }
    Command& command = deQuillmark::instance().command(choice->command);
    command.setCommandText(
        ReportStatement(criteria.kind, criteria.categoryIds, criteria.from, criteria.to));
    std::unique_ptr<ReportRun> run(new ReportRun(criteria, *choice, command.Execute().Clone()));
    run->m_report.run(now);
    return run;
}

ReportRun::ReportRun(const ReportCriteria& criteria, ReportChoice choice,
                     std::unique_ptr<Recordset> rows)
    : m_criteria(criteria), m_choice(std::move(choice)), m_rows(std::move(rows)), m_source(*m_rows),
      m_report(layoutWithRange(m_choice, criteria), m_source, m_values) {}

ReportRun::~ReportRun() = default;

void ReportRun::closeReportCommands() {
    deQuillmark& de = deQuillmark::instance();
    for (const char* name : {"cmdRptIncomeExpense", "cmdRptProfitLoss"}) {
        Recordset& rows = de.command(QString::fromLatin1(name)).recordset();
        if (rows.State() != adStateClosed) {
            rows.Close();
        }
    }
}

Connection* ReportRun::connection() const {
    return m_rows->ActiveConnection();
}

} // namespace quillmark
