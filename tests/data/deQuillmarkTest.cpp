// The data environment: which connection each command runs on, opening on
// first use, and re-running commands.
#include "DataTestSupport.h"

#include "quillmark/data/deQuillmark.h"

namespace quillmark::testing {
namespace {

class Environment : public CompanyFile {
protected:
    void SetUp() override {
        CompanyFile::SetUp();
        defaultPath = m_dir.filePath(QStringLiteral("vevodir.dat"));
        DataFile::createCompanyFile(defaultPath, true);
        deQuillmark::resetInstance();
        de().connSecurity().Open(DataFile::connectionStringFor(defaultPath));
        for (Connection* c : {&de().connSys(), &de().connReports()}) {
            c->setConnectionString(DataFile::connectionStringFor(m_path));
            c->Open();
        }
    }
    void TearDown() override { deQuillmark::resetInstance(); }

    static deQuillmark& de() { return deQuillmark::instance(); }

    QString defaultPath;
};

// The texts themselves are proved by what the screens list.
TEST_F(Environment, EachCommandRunsOnItsOwnConnection) {
    const std::pair<Connection*, QStringList> owners[] = {
        {&de().connSys(),
         {"cmdCategories", "cmdTransCategories", "cmdTransactions", "cmdCompanyInfo"}},
        {&de().connReports(), {"cmdCategoryByType", "cmdRptIncomeExpense", "cmdRptProfitLoss"}},
        {&de().connSecurity(), {"cmdCompanyFilePath"}},
    };
    QStringList all;
    for (const auto& [connection, names] : owners) {
        all << names;
        for (const QString& name : names) {
            EXPECT_EQ(de().command(name).ActiveConnection(), connection) << name.toStdString();
        }
    }
    EXPECT_EQ(de().commandNames().size(), all.size());
    EXPECT_EQ(de().command(QStringLiteral("cmdTransactions")).parameterCount(), 1);
    EXPECT_EQ(de().command(QStringLiteral("cmdCategoryByType")).Parameters(),
              QVariantList{QStringLiteral("INC")});
    EXPECT_RUNTIME_ERROR(de().command(QStringLiteral("cmdNothing")), "no command named");
}

TEST_F(Environment, ParameterlessCommandsOpenOnFirstUseUntilAReset) {
    EXPECT_EQ(de().command(QStringLiteral("cmdCategories")).recordset().State(), adStateClosed);
    EXPECT_EQ(de().rscmdCategories().State(), adStateOpen);
    EXPECT_EQ(de().rscmdCategories().RecordCount(), 20);
    EXPECT_EQ(de().rscmdCompanyInfo().Fields(QStringLiteral("CompanyID")).Value().toInt(), 1);
    EXPECT_EQ(flatRows(de().rscmdCompanyFilePath(), {"CompanyID", "CompanyFilePath"}),
              QStringList{"1|Default Path"});
    // Commands with a parameter wait to be run.
    EXPECT_EQ(de().rscmdTransactions().State(), adStateClosed);
    EXPECT_EQ(de().rscmdTransCategories().State(), adStateClosed);
    de().rscmdCompanyInfo().Close();
    EXPECT_EQ(de().rscmdCompanyInfo().State(), adStateOpen);
    deQuillmark::resetInstance();
    EXPECT_EQ(de().connSys().State(), adStateClosed);
    EXPECT_EQ(de().command(QStringLiteral("cmdCategories")).recordset().State(), adStateClosed);
}

TEST_F(Environment, RunningACommandRefreshesItsRecordSet) {
    const int fees = addCategory(7, QStringLiteral("Fees"), QStringLiteral("INC"));
    addEntry(fees, QStringLiteral("INC"), QStringLiteral("2026-01-05 09:00:00"),
             QStringLiteral("fee"), QStringLiteral("250"));
    Recordset& income = de().cmdTransactions(QStringLiteral("INC"));
    EXPECT_EQ(&income, &de().rscmdTransactions());
    EXPECT_EQ(flatRows(income, {"CatCode", "CatName", "Credit"}), QStringList{"007|Fees|250.00"});
    // Callers usually close first; running again without closing works too.
    Recordset& expense = de().cmdTransactions(QStringLiteral("EXP"));
    EXPECT_EQ(expense.RecordCount(), 0);
    expense.Close();
    EXPECT_EQ(de().cmdTransCategories(QStringLiteral("INC")).RecordCount(), 6);
    EXPECT_EQ(de().cmdCategoryByType().RecordCount(), 6);
    EXPECT_EQ(de().cmdCategoryByType(QStringLiteral("EXP")).RecordCount(), 15);
}

// The report screen installs its statements in the commands and runs them:
// a range takes whole days of the chosen type and categories, and profit and
// loss lists income first with signed totals.
TEST_F(Environment, ReportCommandsRunTheStatementsTheScreenInstalls) {
    const int fees = addCategory(7, QStringLiteral("Fees"), QStringLiteral("INC"));
    // January's first and last second, and one second either side.
    for (const char* stamp : {"2025-12-31 23:59:59", "2026-01-01 00:00:00", "2026-01-31 23:59:59",
                              "2026-02-01 00:00:00"}) {
        addEntry(fees, QStringLiteral("INC"), QString::fromLatin1(stamp),
                 QString::fromLatin1(stamp).left(10), QStringLiteral("250"));
    }
    // Standard categories: 1 "Sales", 3 "Interest Income", 7 "Bank Charges".
    addEntry(3, QStringLiteral("INC"), QStringLiteral("2026-01-15 12:00:00"),
             QStringLiteral("interest"), QStringLiteral("0.07"));
    addEntry(1, QStringLiteral("INC"), QStringLiteral("2026-01-10"), QStringLiteral("sale"),
             QStringLiteral("1"));
    addEntry(7, QStringLiteral("EXP"), QStringLiteral("2026-01-31 18:30:00"),
             QStringLiteral("card fee"), QStringLiteral("12.35"));
    // The expense entry is in a chosen category but not of the chosen type.
    de().command(QStringLiteral("cmdRptIncomeExpense"))
        .setCommandText(
            QStringLiteral("select ct.CatName, tr.* from transactions tr, categories ct Where "
                           "tr.CategoryID = ct.CategoryID and ((tr.cattype='INC') and "
                           "(tr.CategoryID IN (3,%1,7)) and (tr.TDate Between #1/1/2026 12:00:00 "
                           "AM# AND #1/31/2026 11:59:59 PM#))Order By tr.CategoryID, ct.CatName, "
                           "tr.TDate ASC ")
                .arg(fees));
    EXPECT_EQ(flatRows(de().cmdRptIncomeExpense(), {"CatName", "Description", "Credit"}),
              (QStringList{"Interest Income|interest|0.07", "Fees|2026-01-01|250.00",
                           "Fees|2026-01-31|250.00"}));
    de().command(QStringLiteral("cmdRptProfitLoss"))
        .setCommandText(QStringLiteral(
            "SELECT ct.CatName, tr.CategoryID as CatID, tr.Credit - tr.Debit AS TotalAmount, "
            "iif(tr.CatType = 'INC', 'INCOME', 'EXPENSE') AS Category, iif(tr.CatType = 'INC', "
            "tr.Credit, tr.Debit) AS Amount, tr.* FROM transactions AS tr, categories AS ct "
            "WHERE tr.CategoryID = ct.CategoryID and (tr.TDate Between #1/1/2026 12:00:00 AM# "
            "AND #1/31/2026 11:59:59 PM#)ORDER BY tr.CatType DESC, ct.CatName ASC, "
            "tr.CategoryID ASC, tr.TDate ASC"));
    EXPECT_EQ(
        flatRows(de().cmdRptProfitLoss(),
                 {"Category", "CatName", "Description", "TotalAmount", "Amount"}),
        (QStringList{"INCOME|Fees|2026-01-01|250.00|250.00", "INCOME|Fees|2026-01-31|250.00|250.00",
                     "INCOME|Interest Income|interest|0.07|0.07", "INCOME|Sales|sale|1.00|1.00",
                     "EXPENSE|Bank Charges|card fee|-12.35|12.35"}));
}

TEST_F(Environment, ClosedConnectionsAreReportedByName) {
    de().rscmdCategories();
    de().connSys().Close();
    EXPECT_EQ(de().command(QStringLiteral("cmdCategories")).recordset().State(), adStateClosed);
    EXPECT_RUNTIME_ERROR(de().rscmdCategories(), "connSys is not open");
    EXPECT_RUNTIME_ERROR(de().cmdTransactions(QStringLiteral("INC")), "connSys is not open");
    // Re-pointing: close, change the string, open.
    de().connSys().setConnectionString(DataFile::connectionStringFor(defaultPath));
    de().connSys().Open();
    EXPECT_EQ(de().cmdTransactions(QStringLiteral("INC")).RecordCount(), 0);
}

} // namespace
} // namespace quillmark::testing
