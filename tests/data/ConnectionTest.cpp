// Connections: the connection string, opening only existing data files of
// ours, the open/closed rules, and Execute with its records-affected count.
#include "DataTestSupport.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>

#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quillmark::testing {
namespace {

class Connections : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString companyFile(const QString& relative) {
        const QString path = dir.filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        DataFile::createCompanyFile(path, false);
        return path;
    }

    QString writeFile(const QString& name, const QByteArray& contents) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        return path;
    }

    QTemporaryDir dir;
    Connection connection{QStringLiteral("connSys")};
};

TEST_F(Connections, ConnectionStringCarriesThePathUnchanged) {
    const std::pair<QString, QString> cases[] = {
        {DataFile::connectionStringFor(QStringLiteral("/x/;Persist Security Info=False.dat")),
         "/x/;Persist Security Info=False.dat"},
        {QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/no/persist.dat"),
         "/no/persist.dat"},
        {QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0"), QString()},
    };
    for (const auto& [connectionString, path] : cases) {
        EXPECT_EQ(Connection::dataSourceOf(connectionString), path)
            << connectionString.toStdString();
    }
}

TEST_F(Connections, RefusesFilesThatAreNotOurDataFiles) {
    // A copy of a data file under another name is still a data file.
    const QString copied = dir.filePath(QStringLiteral("copied.dat"));
    QFile::copy(companyFile(QStringLiteral("base.dat")), copied);
    // A database of another program: no tables of ours.
    const QString otherDb = companyFile(QStringLiteral("other.dat"));
    {
        Connection c;
        c.Open(DataFile::connectionStringFor(otherDb));
        c.Execute(QStringLiteral("DROP TABLE CompanyInfo"));
        c.Close();
    }
    QByteArray damaged;
    {
        QFile file(companyFile(QStringLiteral("damaged-source.dat")));
        file.open(QIODevice::ReadOnly);
        damaged = file.readAll();
        damaged.replace(0, 16, QByteArray(16, 'x'));
    }
    const std::pair<QString, const char*> cases[] = {
        {dir.filePath(QStringLiteral("missing.dat")), "Could not find file"},
        {writeFile(QStringLiteral("notes.dat"), "just some text, no database at all\n"),
         "not a Quillmark data file"},
        {writeFile(QStringLiteral("empty.dat"), QByteArray()), "not a Quillmark data file"},
        {otherDb, "not a Quillmark data file"},
        {writeFile(QStringLiteral("damaged.dat"), damaged), "not a Quillmark data file"},
        {dir.path(), "folder"},
    };
    for (const auto& [path, why] : cases) {
        EXPECT_RUNTIME_ERROR(connection.Open(DataFile::connectionStringFor(path)), why);
        EXPECT_EQ(connection.State(), adStateClosed);
    }
    // A missing file is never created by trying to open it.
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("missing.dat"))));
    connection.Open(DataFile::connectionStringFor(copied));
    EXPECT_EQ(connection.State(), adStateOpen);
}

TEST_F(Connections, AFileLockedByAnotherProgramIsReportedAsLocked) {
    const QString path = companyFile(QStringLiteral("locked.dat"));
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE", nullptr,
                           nullptr, nullptr),
              SQLITE_OK);
    EXPECT_RUNTIME_ERROR(connection.Open(DataFile::connectionStringFor(path)),
                         "is locked by another program");
    EXPECT_EQ(connection.State(), adStateClosed);
    sqlite3_close(other);
    connection.Open(DataFile::connectionStringFor(path));
    EXPECT_EQ(connection.State(), adStateOpen);
}

QString pragmaOf(Connection& connection, const char* pragma) {
    auto rs = connection.Execute(QString::fromLatin1("SELECT * FROM pragma_%1").arg(pragma));
    return rs->Fields(0).Value().toString();
}

long keptCategories(Connection& connection) {
    return connection.Execute(QStringLiteral("SELECT * FROM Categories WHERE CatName = 'Kept'"))
        ->RecordCount();
}

const QString AddKept = QStringLiteral(
    "INSERT INTO Categories (CatCode, CatName, CatType) VALUES (901, 'Kept', 'INC')");

TEST_F(Connections, SavesAreSyncedAndAClosedFileIsOneFile) {
    const QString path = companyFile(QStringLiteral("books/durable.dat"));
    Connection reports(QStringLiteral("connReports"));
    connection.Open(DataFile::connectionStringFor(path));
    reports.Open(DataFile::connectionStringFor(path));
    for (Connection* c : {&connection, &reports}) {
        // The log is synced at every commit (FULL is 2).
        EXPECT_EQ(pragmaOf(*c, "journal_mode"), "wal");
        EXPECT_EQ(pragmaOf(*c, "synchronous"), "2");
    }
    connection.Execute(AddKept);
    EXPECT_EQ(keptCategories(reports), 1);
    connection.Close();
    reports.Close();
    const QDir folder(QFileInfo(path).absolutePath());
    EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden), QStringList{"durable.dat"});
    // The file alone, copied elsewhere, holds every save.
    const QString copy = dir.filePath(QStringLiteral("copy.dat"));
    ASSERT_TRUE(QFile::copy(path, copy));
    connection.Open(DataFile::connectionStringFor(copy));
    EXPECT_EQ(keptCategories(connection), 1);
}

TEST_F(Connections, ASaveSurvivesTheProgramEndingAbruptly) {
    const QString path = companyFile(QStringLiteral("abrupt.dat"));
    const pid_t child = fork();
    if (child == 0) {
        // Save, then end without closing anything, as a killed program does.
        try {
            Connection saving;
            saving.Open(DataFile::connectionStringFor(path));
            saving.Execute(AddKept);
        } catch (...) {
            _exit(1);
        }
        _exit(0);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    connection.Open(DataFile::connectionStringFor(path));
    EXPECT_EQ(keptCategories(connection), 1);
}

TEST_F(Connections, OpenAndClosedRulesOnAPathWithSpacesAndSemicolons) {
    const QString path = companyFile(QStringLiteral("my books; 2026/the company.dat"));
    QSignalSpy state(&connection, &Connection::stateChanged);
    EXPECT_EQ(connection.State(), adStateClosed);
    EXPECT_RUNTIME_ERROR(connection.Close(), "closed");
    EXPECT_RUNTIME_ERROR(connection.Execute(QStringLiteral("SELECT * FROM Categories")), "closed");
    EXPECT_RUNTIME_ERROR(connection.Open(QStringLiteral("Provider=SQLOLEDB;Data Source=") + path),
                         "Provider");
    EXPECT_RUNTIME_ERROR(connection.Open(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;")),
                         "names no data file");
    connection.setConnectionString(DataFile::connectionStringFor(path));
    connection.Open(QString(), QString(), QString(), -1);
    EXPECT_EQ(connection.State(), adStateOpen);
    EXPECT_EQ(connection.DataSource(), path);
    EXPECT_EQ(connection.Execute(QStringLiteral("SELECT * FROM Categories"))->RecordCount(), 20);
    EXPECT_RUNTIME_ERROR(connection.Open(), "already open");
    EXPECT_RUNTIME_ERROR(connection.setConnectionString(QStringLiteral("x")), "close");
    EXPECT_EQ(connection.ConnectionString(), DataFile::connectionStringFor(path));
    connection.Close();
    EXPECT_EQ(connection.State(), adStateClosed);
    // Opening the same company again closes and reopens cleanly.
    connection.Open();
    connection.Close();
    EXPECT_EQ(state.count(), 4);
}

TEST_F(Connections, RecordSetsSeeChangesMadeThroughTheConnection) {
    connection.Open(DataFile::connectionStringFor(companyFile(QStringLiteral("fresh.dat"))));
    Recordset rs;
    rs.Open(QStringLiteral("Select * from Categories Where CategoryID=1"), &connection);
    EXPECT_EQ(rs.Fields(QStringLiteral("CatName")).Value().toString(), "Sales");
    // A statement that returns no rows gives no record set, only its count.
    long affected = -1;
    EXPECT_EQ(connection.Execute(
                  QStringLiteral("UPDATE Categories SET CatName = 'Turnover' WHERE CategoryID = 1"),
                  &affected),
              nullptr);
    EXPECT_EQ(affected, 1);
    EXPECT_EQ(rs.Fields(QStringLiteral("CatName")).Value().toString(), "Turnover");
}

} // namespace
} // namespace quillmark::testing
