// The quillmark-report program on a company file made by newcompanyfile:
// the PDF and CSV files it writes, and a clear refusal with its exit status
// for every argument that cannot make a report.
#include "reports/ReportsTestSupport.h"

#include "quillmark/data/Connection.h"
#include "quillmark/data/DataFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace quillmark::test {
namespace {

struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ProgramRun runProgram(const QString& name, const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(QUILLMARK_BUILD_DIR "/bin/") + name, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << name.toStdString();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

class ReportProgram : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(runProgram("newcompanyfile", {books}).exitCode, 0);
        Connection connection;
        connection.Open(DataFile::connectionStringFor(books));
        // Sales (key 1) and Services (2) are income, Rent (12) an expense.
        connection.Execute(QStringLiteral(
            "INSERT INTO Transactions (CategoryID, CatType, TDate, Description, Credit, Debit) "
            "VALUES (1, 'INC', #2026-01-05#, 'Shop, \"north\"', 600.10, 0), "
            "(2, 'INC', #2026-01-31 18:30:00#, 'Late job', 399.90, 0), "
            "(12, 'EXP', #2026-01-03#, 'January rent', 0, 1250), "
            "(12, 'EXP', #2026-02-01#, 'February rent', 0, 1250)"));
    }
    ProgramRun report(const QStringList& arguments) const {
        return runProgram(
            "quillmark-report",
            QStringList{"--data", books, "--from", "2026-01-01", "--to", "2026-01-31"} + arguments);
    }
    QString file(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    const QString books = dir.filePath("company.dat");
};

TEST_F(ReportProgram, WritesTheProfitAndLossAsPdfAndItsRowsAsCsv) {
    const ProgramRun run =
        report({"--kind", "PL", "--out", file("pl.pdf"), "--csv", file("pl.csv")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Wrote %1 (1 page)\nWrote %2 (3 rows)\n")
                           .arg(file("pl.pdf"), file("pl.csv")));
    EXPECT_TRUE(pdfIsSound(file("pl.pdf")));
    const QString text = pdfText(file("pl.pdf"));
    for (const char* expected :
         {"PROFIT / LOSS DETAIL", "INCOME Total : $1,000.00", "Sales 1/5/2026", "Late job",
          "EXPENSE Total : $1,250.00", "Rent 1/3/2026 January rent 1,250.00",
          "Income Total : $1,000.00", "Expense Total : ($1,250.00)", "Loss : ($250.00)",
          "Page 1 of 1"}) {
        EXPECT_TRUE(text.contains(expected)) << expected << " in " << text.toStdString();
    }
    EXPECT_FALSE(text.contains("February"));

    QFile csv(file("pl.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll(), "Type,Category,Date,Description,Amount\r\n"
                             "INCOME,Sales,2026-01-05 00:00:00,\"Shop, \"\"north\"\"\",600.10\r\n"
                             "INCOME,Services,2026-01-31 18:30:00,Late job,399.90\r\n"
                             "EXPENSE,Rent,2026-01-03 00:00:00,January rent,1250.00\r\n");
}

TEST_F(ReportProgram, TakesTheChosenCategoriesOrEveryOneOfTheKind) {
    ProgramRun run =
        report({"--kind", "inc", "--summary", "--categories", "2", "--csv", file("services.csv")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QFile csv(file("services.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll(), "Category,Amount\r\nServices,399.90\r\n");

    run = report({"--kind", "INC", "--summary", "--out", file("income.pdf")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(
        pdfText(file("income.pdf")).contains("Sales 600.10 Services 399.90 Total Income $1,000.00"))
        << pdfText(file("income.pdf")).toStdString();
}

TEST_F(ReportProgram, RefusesArgumentsThatCannotMakeAReportWithoutWritingAFile) {
    struct Case {
        QStringList arguments;
        int exitCode;
        QString error;
    };
    const QString out = file("x.pdf");
    const Case cases[] = {
        {{"--kind", "INC"}, 2, "Nothing to write: give --out FILE.pdf, --csv FILE.csv or both."},
        {{"--kind", "SALES", "--out", out}, 2, "--kind must be INC, EXP or PL, not 'SALES'."},
        {{"--kind", "INC", "--out", out, "--from", "2026-02-01"},
         2,
         "--from is given more than once."},
        {{"--kind", "INC", "--out", out, "--bogus"}, 2, "Unknown option 'bogus'."},
        {{"--kind", "INC", "--out", out, "--categories", "1;2"},
         2,
         "--categories must be category keys separated by commas, as 3,7, not '1;2'."},
        {{"--kind", "PL", "--out", out, "--categories", "1"},
         2,
         "--categories does not apply to PL, which takes every category."},
        {{"--kind", "EXP", "--out", out, "--categories", "12,1"},
         2,
         "--categories: 1 is not an expense category of " + books + "."},
        {{"--kind", "INC", "--out", file("no/such/folder/x.pdf")},
         1,
         "The report cannot be saved as " + file("no/such/folder/x.pdf")},
    };
    for (const Case& c : cases) {
        const ProgramRun run = report(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("quillmark-report: ") + c.error))
            << run.err.toStdString();
    }

    const ProgramRun badDate =
        runProgram("quillmark-report", {"--data", books, "--kind", "INC", "--from", "1/5/2026",
                                        "--to", "2026-01-31", "--out", out});
    EXPECT_EQ(badDate.exitCode, 2);
    EXPECT_TRUE(badDate.err.startsWith(
        "quillmark-report: --from must be a date written as YYYY-MM-DD, not '1/5/2026'."));
    const ProgramRun noBooks =
        runProgram("quillmark-report", {"--data", file("missing.dat"), "--kind", "INC", "--from",
                                        "2026-01-01", "--to", "2026-01-31", "--out", out});
    EXPECT_EQ(noBooks.exitCode, 1);
    EXPECT_EQ(noBooks.err, "quillmark-report: " + file("missing.dat") + ": no such data file.\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"company.dat"});
}

} // namespace
} // namespace quillmark::test
