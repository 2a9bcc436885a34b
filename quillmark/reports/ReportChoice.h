#pragma once

// Which layout, named command and export file prefix serve a report kind
// ("INC", "EXP", "P\L") in its detailed or summary view, and the name an
// exported file gets.
#include <QDate>
#include <QString>

#include <optional>

namespace quillmark {

enum class ReportView { Detailed, Summary };

struct ReportChoice {
    QString layout;       // "arIncome", ...
    QString command;      // "cmdRptIncomeExpense" or "cmdRptProfitLoss"
    QString exportPrefix; // "INCOME_", ...
};

// An empty kind counts as "INC".
QString reportKindOf(const QString& kind);
// None for an unknown kind.
std::optional<ReportChoice> reportChoiceFor(const QString& kind, ReportView view);

// prefix + ddMMyyyy + ".pdf": "INCOME_05122026.pdf" on 5 December 2026.
QString ExportFileName(const QString& prefix, const QDate& today);

} // namespace quillmark
