// The newcompanyfile program: makes company files and never overwrites one.
#include "data/DataTestSupport.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>

namespace quillmark::testing {
namespace {

struct ProgramRun {
    int exitCode = -1;
    QString errorOutput;
};

ProgramRun newCompanyFile(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(QUILLMARK_BUILD_DIR "/bin/newcompanyfile"), arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}

QByteArray fingerprint(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

long companyRows(const QString& path) {
    Connection connection;
    connection.Open(DataFile::connectionStringFor(path));
    return connection.Execute(QStringLiteral("SELECT * FROM CompanyFilePath"))->RecordCount();
}

class NewCompanyFileProgram : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QTemporaryDir dir;
};

TEST_F(NewCompanyFileProgram, MakesCompanyAndDefaultFilesAndNeverOverwrites) {
    // A company file has no list of companies; the default file has one.
    const QString company = dir.filePath(QStringLiteral("my company; 2026.dat"));
    EXPECT_EQ(newCompanyFile({company}).exitCode, 0);
    EXPECT_RUNTIME_ERROR(companyRows(company), "CompanyFilePath");
    const QString path = dir.filePath(QStringLiteral("vevodir.dat"));
    ASSERT_EQ(newCompanyFile({QStringLiteral("--default"), path}).exitCode, 0);
    {
        Connection connection;
        connection.Open(DataFile::connectionStringFor(path));
        connection.Execute(QStringLiteral("INSERT INTO COMPANYFILEPATH(CompanyName, "
                                          "CompanyFilePath) Values ('Kept', '/kept.dat')"));
    }
    const QByteArray before = fingerprint(path);

    const ProgramRun refused = newCompanyFile({QStringLiteral("--default"), path});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.errorOutput.contains(QLatin1String("already exists")))
        << refused.errorOutput.toStdString();
    EXPECT_EQ(newCompanyFile({QStringLiteral("--default"), QStringLiteral("--if-missing"), path})
                  .exitCode,
              0);
    EXPECT_EQ(newCompanyFile({path}).exitCode, 1);

    EXPECT_EQ(fingerprint(path), before);
    EXPECT_EQ(companyRows(path), 2);
}

TEST_F(NewCompanyFileProgram, DefaultBooksGetTheirFolderAndWithoutAFileTheUsersPlace) {
    // A new user: the data folder does not exist yet.
    const QString dataHome = dir.filePath(QStringLiteral("home/.local/share"));
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome));
    const ProgramRun made = newCompanyFile({QStringLiteral("--default")});
    qputenv("XDG_DATA_HOME", saved);
    EXPECT_EQ(made.exitCode, 0) << made.errorOutput.toStdString();
    EXPECT_EQ(companyRows(dataHome + QStringLiteral("/Quillmark/vevodir.dat")), 1);

    const QString elsewhere = dir.filePath(QStringLiteral("other/Quillmark/vevodir.dat"));
    EXPECT_EQ(newCompanyFile({QStringLiteral("--default"), elsewhere}).exitCode, 0);
    EXPECT_EQ(companyRows(elsewhere), 1);
}

TEST_F(NewCompanyFileProgram, RejectsBadArguments) {
    const std::pair<QStringList, int> cases[] = {
        {{}, 2},
        {{QStringLiteral("--overwrite"), dir.filePath(QStringLiteral("a.dat"))}, 2},
        {{dir.filePath(QStringLiteral("a.dat")), dir.filePath(QStringLiteral("b.dat"))}, 2},
        {{dir.filePath(QStringLiteral("missing/folder/c.dat"))}, 1},
    };
    for (const auto& [arguments, exitCode] : cases) {
        EXPECT_EQ(newCompanyFile(arguments).exitCode, exitCode)
            << arguments.join(u' ').toStdString();
    }
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("a.dat"))));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("b.dat"))));
}

} // namespace
} // namespace quillmark::testing
