// The statements, date-range captions and export names the report screens use.
#include "quillmark/reports/ReportStatement.h"
#include "quillmark/data/RuntimeError.h"
#include "quillmark/reports/ReportChoice.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace quillmark {
namespace {

const QDate From(2026, 11, 5);
const QDate To(2026, 12, 5);

TEST(ReportStatement, IncomeFiltersTypeCategoriesAndWholeDays) {
    EXPECT_EQ(ReportStatement(QStringLiteral("INC"), QStringLiteral("3,7"), From, To).toStdString(),
              "select ct.CatName, tr.* from transactions tr, categories ct Where tr.CategoryID = "
              "ct.CategoryID and ((tr.cattype='INC') and (tr.CategoryID IN (3,7)) and (tr.TDate "
              "Between #11/5/2026 12:00:00 AM# AND #12/5/2026 11:59:59 PM#))Order By "
              "tr.CategoryID, ct.CatName, tr.TDate ASC ");
    // An empty kind is income; the dates read the same in any locale.
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(ReportStatement(QString(), QStringLiteral("3,7"), From, To),
              ReportStatement(QStringLiteral("INC"), QStringLiteral("3,7"), From, To));
    QLocale::setDefault(before);
}

TEST(ReportStatement, ProfitLossTakesEveryCategoryOfBothTypes) {
    EXPECT_EQ(ReportStatement(QStringLiteral("P\\L"), QString(), From, To).toStdString(),
              "SELECT ct.CatName, tr.CategoryID as CatID, tr.Credit - tr.Debit AS TotalAmount, "
              "iif(tr.CatType = 'INC', 'INCOME', 'EXPENSE') AS Category, iif(tr.CatType = 'INC', "
              "tr.Credit, tr.Debit) AS Amount, tr.* FROM transactions AS tr, categories AS ct "
              "WHERE tr.CategoryID = ct.CategoryID and (tr.TDate Between #11/5/2026 12:00:00 AM# "
              "AND #12/5/2026 11:59:59 PM#)ORDER BY tr.CatType DESC, ct.CatName ASC, "
              "tr.CategoryID ASC, tr.TDate ASC");
}

TEST(ReportStatement, RefusesUnknownKindsAndKeysThatAreNotNumbers) {
    for (const auto& [kind, keys] : {std::pair{"PL", "3"},
                                     {"INC", ""},
                                     {"INC", "3,"},
                                     {"EXP", "3) OR (1=1"},
                                     {"EXP", "3, 7"}}) {
        EXPECT_THROW(
            ReportStatement(QString::fromLatin1(kind), QString::fromLatin1(keys), From, To),
            RuntimeError)
            << kind << " " << keys;
    }
}

// The English caption shows in the report page dumps.
TEST(ReportStatement, DateRangeCaptionUsesTheLocalesShortDateWithFourDigitYears) {
    EXPECT_EQ(DateRangeCaption(From, To, QLocale(QLocale::German, QLocale::Germany)),
              QStringLiteral("Date Range: 05.11.2026 - 05.12.2026"));
}

// The other kinds' layouts and export names show in the screen tests' files.
TEST(ReportChoice, AnEmptyKindIsIncomeAndUnknownKindsHaveNoChoice) {
    const auto summary = reportChoiceFor(QString(), ReportView::Summary);
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->layout, QStringLiteral("arIncomeSummary"));
    EXPECT_EQ(ExportFileName(summary->exportPrefix, QDate(2026, 3, 9)),
              QStringLiteral("INCOME_SUMMARY_09032026.pdf"));
    EXPECT_EQ(reportChoiceFor(QStringLiteral("P\\L"), ReportView::Summary)->command,
              QStringLiteral("cmdRptProfitLoss"));
    EXPECT_FALSE(reportChoiceFor(QStringLiteral("XYZ"), ReportView::Detailed));
}

} // namespace
} // namespace quillmark
