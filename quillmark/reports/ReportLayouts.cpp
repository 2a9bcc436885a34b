#include "quillmark/reports/ReportLayouts.h"

#include "quillmark/reports/engine/LayoutReader.h"
#include "quillmark/reports/engine/ReportError.h"

#include <QFile>

namespace quillmark {

QStringList reportLayoutNames() {
    return {QStringLiteral("arIncome"),        QStringLiteral("arExpense"),
            QStringLiteral("arIncomeSummary"), QStringLiteral("arExpenseSummary"),
            QStringLiteral("arProfitLoss"),    QStringLiteral("arProfitLossSummary")};
}

report::ReportLayout loadReportLayout(const QString& name) {
    if (!reportLayoutNames().contains(name)) {
        throw report::ReportError(QStringLiteral("There is no report layout %1.").arg(name));
    }
    return report::LayoutReader::readFile(QStringLiteral(":/reports/layouts/%1.json").arg(name));
}

void SetRange(report::ReportLayout& layout, const QString& range) {
    layout.setLabelText(QStringLiteral("lblDateRange"), range);
}

} // namespace quillmark
