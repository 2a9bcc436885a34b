#pragma once

// The six report layouts, compiled in as data: arIncome, arExpense,
// arIncomeSummary, arExpenseSummary, arProfitLoss, arProfitLossSummary.
#include "quillmark/reports/engine/ReportLayout.h"

#include <QString>
#include <QStringList>

namespace quillmark {

QStringList reportLayoutNames();
// Throws report::ReportError for an unknown name.
report::ReportLayout loadReportLayout(const QString& name);
// Puts the date range ("Date Range: 11/5/2026 - 12/5/2026") on the layout's pages.
void SetRange(report::ReportLayout& layout, const QString& range);

} // namespace quillmark
