#include "quillmark/reports/ReportChoice.h"

namespace quillmark {

namespace {

struct Row {
    const char* kind;
    ReportView view;
    const char* layout;
    const char* command;
    const char* prefix;
};

const Row Choices[] = {
    {"INC", ReportView::Detailed, "arIncome", "cmdRptIncomeExpense", "INCOME_"},
    {"INC", ReportView::Summary, "arIncomeSummary", "cmdRptIncomeExpense", "INCOME_SUMMARY_"},
    {"EXP", ReportView::Detailed, "arExpense", "cmdRptIncomeExpense", "EXPENSE_"},
    {"EXP", ReportView::Summary, "arExpenseSummary", "cmdRptIncomeExpense", "EXPENSE_SUMMARY_"},
    {"P\\L", ReportView::Detailed, "arProfitLoss", "cmdRptProfitLoss", "PROFITLOSS_"},
    {"P\\L", ReportView::Summary, "arProfitLossSummary", "cmdRptProfitLoss", "PROFITLOSS_SUMMARY_"},
};

} // namespace

QString reportKindOf(const QString& kind) {
    return kind.isEmpty() ? QStringLiteral("INC") : kind;
}

std::optional<ReportChoice> reportChoiceFor(const QString& kind, ReportView view) {
    const QString code = reportKindOf(kind);
    for (const Row& row : Choices) {
        if (code == QLatin1String(row.kind) && view == row.view) {
            return ReportChoice{QString::fromLatin1(row.layout), QString::fromLatin1(row.command),
                                QString::fromLatin1(row.prefix)};
        }
    }
    return std::nullopt;
}

QString ExportFileName(const QString& prefix, const QDate& today) {
    return prefix + today.toString(QStringLiteral("ddMMyyyy")) + QStringLiteral(".pdf");
}

} // namespace quillmark
