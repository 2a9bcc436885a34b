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

TEST(ReportStatement, IncomeAndExpenseFilterTypeCategoriesAndWholeDays) {
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
    const QString expense = ReportStatement(QStringLiteral("EXP"), QStringLiteral("4,9"),
                                            QDate(2026, 1, 1), QDate(2026, 1, 31));
    EXPECT_TRUE(expense.contains(QLatin1String(
        "Where tr.CategoryID = ct.CategoryID and ((tr.cattype='EXP') and (tr.CategoryID IN (4,9)) "
        "and (tr.TDate Between #1/1/2026 12:00:00 AM# AND #1/31/2026 11:59:59 PM#))Order By")))
        << expense.toStdString();
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

TEST(ReportStatement, DateRangeCaptionUsesTheLocalesShortDateWithFourDigitYears) {
    EXPECT_EQ(DateRangeCaption(From, To, QLocale(QLocale::English, QLocale::UnitedStates)),
              QStringLiteral("Date Range: 11/5/2026 - 12/5/2026"));
    EXPECT_EQ(DateRangeCaption(From, To, QLocale(QLocale::German, QLocale::Germany)),
              QStringLiteral("Date Range: 05.11.2026 - 05.12.2026"));
}

TEST(ReportChoice, ExportFilesAreNamedByKindViewAndDay) {
    struct Case {
        const char* kind;
        ReportView view;
        QDate today;
        const char* layout;
        const char* file;
    };
    const Case cases[] = {
        {"INC", ReportView::Detailed, QDate(2026, 12, 5), "arIncome", "INCOME_05122026.pdf"},
        {"", ReportView::Summary, QDate(2026, 3, 9), "arIncomeSummary",
         "INCOME_SUMMARY_09032026.pdf"},
        {"EXP", ReportView::Summary, QDate(2027, 1, 31), "arExpenseSummary",
         "EXPENSE_SUMMARY_31012027.pdf"},
        {"P\\L", ReportView::Detailed, QDate(2026, 10, 10), "arProfitLoss",
         "PROFITLOSS_10102026.pdf"},
    };
    for (const Case& c : cases) {
        const auto choice = reportChoiceFor(QString::fromLatin1(c.kind), c.view);
        ASSERT_TRUE(choice) << c.kind;
        EXPECT_EQ(choice->layout, QString::fromLatin1(c.layout));
        EXPECT_EQ(ExportFileName(choice->exportPrefix, c.today), QString::fromLatin1(c.file));
    }
    EXPECT_EQ(reportChoiceFor(QStringLiteral("P\\L"), ReportView::Summary)->command,
              QStringLiteral("cmdRptProfitLoss"));
    EXPECT_FALSE(reportChoiceFor(QStringLiteral("XYZ"), ReportView::Detailed));
}

} // namespace
} // namespace quillmark
