// The report statements, built as the report screen builds them, on a company
// file made by createCompanyFile plus a few rows; the rows are compared whole.
// The screens' own statements are run by the screen tests.
#include "DataTestSupport.h"

#include "quillmark/data/JetDate.h"

namespace quillmark::testing {
namespace {

class Statements : public CompanyFile {
protected:
    void SetUp() override {
        CompanyFile::SetUp();
        // Standard categories: 3 is "Interest Income" (INC, 120), 7 "Bank Charges" (EXP, 510).
        fees = addCategory(7, QStringLiteral("Fees"), QStringLiteral("INC"));
        consulting = addCategory(1234, QStringLiteral("Consulting"), QStringLiteral("INC"));
        food = addCategory(45, QStringLiteral("Food"), QStringLiteral("EXP"));
        addEntry(fees, QStringLiteral("INC"), QStringLiteral("2025-12-31 23:59:59"),
                 QStringLiteral("Old fee"), QStringLiteral("5"));
        januaryFee = addEntry(fees, QStringLiteral("INC"), QStringLiteral("2026-01-05 09:00:00"),
                              QStringLiteral("January fees"), QStringLiteral("250"));
        lateConsulting =
            addEntry(consulting, QStringLiteral("INC"), QStringLiteral("2026-01-31 18:30:00"),
                     QStringLiteral("Late consulting"), QStringLiteral("100.10"));
        addEntry(food, QStringLiteral("EXP"), QStringLiteral("2026-01-31 18:30:00"),
                 QStringLiteral("Lunch"), QStringLiteral("12.35"));
        addEntry(food, QStringLiteral("EXP"), QStringLiteral("2026-02-01 00:00:00"),
                 QStringLiteral("Feb lunch"), QStringLiteral("20"));
        interest = addEntry(3, QStringLiteral("INC"), QStringLiteral("2026-01-15 12:00:00"),
                            QStringLiteral("Bank interest"), QStringLiteral("0.07"));
        addEntry(7, QStringLiteral("EXP"), QStringLiteral("2026-01-20 08:00:00"),
                 QStringLiteral("Card fee"), QStringLiteral("3.50"));
    }

    QString id(int key) const { return QString::number(key); }

    int fees = 0, consulting = 0, food = 0;
    int januaryFee = 0, lateConsulting = 0, interest = 0;
};

TEST_F(Statements, IncomeReportStatementKeepsTheWholeLastDay) {
    // Built exactly as the report screen builds it (categories 3 and Fees, Consulting).
    const QString from = JetDateLiteralText(QDate(2026, 1, 1));
    const QString to = JetDateLiteralText(QDate(2026, 1, 31));
    const QString keys = QStringLiteral("3,") + id(fees) + u',' + id(consulting);
    const QString statement =
        QStringLiteral("select ct.CatName, tr.* from transactions tr, categories ct ") +
        QStringLiteral("Where tr.CategoryID = ct.CategoryID and ((tr.cattype='INC') ") +
        QStringLiteral("and (tr.CategoryID IN (") + keys + QStringLiteral(")) ") +
        QStringLiteral("and (tr.TDate Between #") + from + QStringLiteral(" 12:00:00 AM# AND #") +
        to + QStringLiteral(" 11:59:59 PM#))") +
        QStringLiteral("Order By tr.CategoryID, ct.CatName, tr.TDate ASC ");
    ASSERT_TRUE(statement.contains(
        QLatin1String("#1/1/2026 12:00:00 AM# AND #1/31/2026 11:59:59 PM#))Order By")));
    auto rs = open(statement);
    EXPECT_EQ(flatRows(*rs, {"CatName", "TransactionID", "CategoryID", "CatType", "TDate",
                             "Description", "Debit", "Credit"}),
              (QStringList{"Interest Income|" + id(interest) +
                               "|3|INC|2026-01-15 12:00|Bank interest|0.00|0.07",
                           "Fees|" + id(januaryFee) + "|" + id(fees) +
                               "|INC|2026-01-05 09:00|January fees|0.00|250.00",
                           "Consulting|" + id(lateConsulting) + "|" + id(consulting) +
                               "|INC|2026-01-31 18:30|Late consulting|0.00|100.10"}));
}

TEST_F(Statements, ExpenseReportStatementTakesOnlyTheChosenTypeAndCategories) {
    auto expense = open(QStringLiteral(
        "select ct.CatName, tr.* from transactions tr, categories ct Where tr.CategoryID = "
        "ct.CategoryID and ((tr.cattype='EXP') and (tr.CategoryID IN (4,7)) and (tr.TDate Between "
        "#1/1/2026 12:00:00 AM# AND #1/31/2026 11:59:59 PM#))Order By tr.CategoryID, ct.CatName, "
        "tr.TDate ASC "));
    EXPECT_EQ(flatRows(*expense, {"CatName", "Description", "Debit"}),
              QStringList{"Bank Charges|Card fee|3.50"});
}

TEST_F(Statements, ProfitLossStatementPutsIncomeFirstWithSignedTotals) {
    const QString statement =
        QStringLiteral("SELECT ct.CatName, tr.CategoryID as CatID, tr.Credit - tr.Debit AS "
                       "TotalAmount, ") +
        QStringLiteral("iif(tr.CatType = 'INC', 'INCOME', 'EXPENSE') AS Category, ") +
        QStringLiteral("iif(tr.CatType = 'INC', tr.Credit, tr.Debit) AS Amount, tr.* ") +
        QStringLiteral("FROM transactions AS tr, categories AS ct ") +
        QStringLiteral("WHERE tr.CategoryID = ct.CategoryID ") +
        QStringLiteral(
            "and (tr.TDate Between #1/1/2026 12:00:00 AM# AND #1/31/2026 11:59:59 PM#)") +
        QStringLiteral("ORDER BY tr.CatType DESC, ct.CatName ASC, tr.TDate ASC");
    auto rs = open(statement);
    EXPECT_EQ(rs->fieldType(rs->fieldIndex(QStringLiteral("TotalAmount"))), FieldType::Currency);
    EXPECT_EQ(rs->fieldType(rs->fieldIndex(QStringLiteral("Amount"))), FieldType::Currency);
    EXPECT_EQ(
        flatRows(*rs, {"Category", "CatName", "CatID", "TotalAmount", "Amount", "Description"}),
        (QStringList{"INCOME|Consulting|" + id(consulting) + "|100.10|100.10|Late consulting",
                     "INCOME|Fees|" + id(fees) + "|250.00|250.00|January fees",
                     "INCOME|Interest Income|3|0.07|0.07|Bank interest",
                     "EXPENSE|Bank Charges|7|-3.50|3.50|Card fee",
                     "EXPENSE|Food|" + id(food) + "|-12.35|12.35|Lunch"}));
}

} // namespace
} // namespace quillmark::testing
