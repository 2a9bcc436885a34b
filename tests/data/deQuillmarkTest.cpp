// The data environment: the exact command texts, which connection each
// command runs on, opening on first use, and re-running commands.
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

TEST_F(Environment, CommandTextsAreExact) {
    struct Case {
        const char* command;
        const char* connection;
        const char* text;
        long type;
    };
    const Case cases[] = {
        {"cmdCategories", "connSys", "SELECT *  FROM CATEGORIES\r\nORDER BY CATCODE", adCmdText},
        {"cmdTransCategories", "connSys",
         "SELECT *  FROM CATEGORIES\r\nWHERE CATTYPE = ?\r\nORDER BY CATNAME", adCmdText},
        {"cmdTransactions", "connSys",
         "SELECT Transactions.CatType, Transactions.TransactionID, Transactions.CategoryID, "
         "Transactions.TDate, FORMAT(Categories.CatCode, '000') AS CatCode, Categories.CatName AS "
         "CatName, Transactions.Description, Transactions.Credit, Transactions.Debit FROM "
         "Transactions, Categories WHERE Transactions.CategoryID = Categories.CategoryID AND "
         "Transactions.CatType IN (?) \r\nORDER BY Transactions.TDate",
         adCmdText},
        {"cmdCompanyInfo", "connSys", "CompanyInfo", adCmdTable},
        {"cmdCategoryByType", "connReports",
         "SELECT * FROM CATEGORIES\r\nWHERE CATTYPE = ?\r\nORDER BY CATCODE", adCmdText},
        {"cmdRptIncomeExpense", "connReports",
         "select ct.CatName, tr.* \r\nfrom transactions tr, categories ct\r\nwhere  tr.CategoryID "
         "= "
         "ct.CategoryID \r\n\r\n",
         adCmdText},
        {"cmdRptProfitLoss", "connReports",
         "SELECT ct.CatName, tr.Credit - tr.Debit AS TotalAmount, iif(tr.CatType = 'INC', "
         "'INCOME', 'EXPENSE') AS Category, iif(tr.CatType = 'INC', tr.Credit, tr.Debit) AS "
         "Amount, "
         "tr.* FROM transactions AS tr, categories AS ct WHERE tr.CategoryID = ct.CategoryID ORDER "
         "BY tr.CatType DESC, tr.TDate ASC",
         adCmdText},
        {"cmdCompanyFilePath", "connSecurity", "CompanyFilePath", adCmdTable},
    };
    ASSERT_EQ(de().commandNames().size(), 8);
    for (const Case& c : cases) {
        Command& command = de().command(QString::fromLatin1(c.command));
        EXPECT_EQ(command.CommandText(), QString::fromLatin1(c.text)) << c.command;
        EXPECT_EQ(command.ActiveConnection()->Name(), QString::fromLatin1(c.connection))
            << c.command;
        EXPECT_EQ(command.CommandType(), c.type) << c.command;
    }
    EXPECT_EQ(de().command(QStringLiteral("cmdTransactions")).parameterCount(), 1);
    EXPECT_EQ(de().command(QStringLiteral("cmdCategoryByType")).Parameters(),
              QVariantList{QStringLiteral("INC")});
    EXPECT_RUNTIME_ERROR(de().command(QStringLiteral("cmdNothing")), "no command named");
}

TEST_F(Environment, ParameterlessCommandsOpenOnFirstUse) {
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

TEST_F(Environment, ReportCommandsRunTheTextTheScreenInstalls) {
    Command& report = de().command(QStringLiteral("cmdRptIncomeExpense"));
    report.setCommandText(QStringLiteral(
        "select ct.CatName, tr.* from transactions tr, categories ct Where tr.CategoryID = "
        "ct.CategoryID and ((tr.cattype='INC') and (tr.CategoryID IN (1,2)) and (tr.TDate Between "
        "#1/1/2026 12:00:00 AM# AND #1/31/2026 11:59:59 PM#))Order By tr.CategoryID, ct.CatName, "
        "tr.TDate ASC "));
    addEntry(2, QStringLiteral("INC"), QStringLiteral("2026-01-31 23:59:59"),
             QStringLiteral("last second"), QStringLiteral("1"));
    addEntry(1, QStringLiteral("INC"), QStringLiteral("2026-02-01 00:00:00"),
             QStringLiteral("next month"), QStringLiteral("1"));
    de().cmdRptIncomeExpense();
    EXPECT_EQ(flatRows(de().rscmdRptIncomeExpense(), {"CatName", "Description"}),
              QStringList{"Services|last second"});
    EXPECT_EQ(de().cmdRptProfitLoss().RecordCount(), 2);
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

TEST_F(Environment, ResetGivesAFreshEnvironment) {
    de().cmdCategories();
    deQuillmark::resetInstance();
    EXPECT_EQ(de().connSys().State(), adStateClosed);
    EXPECT_EQ(de().command(QStringLiteral("cmdCategories")).recordset().State(), adStateClosed);
}

} // namespace
} // namespace quillmark::testing
