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
