// Where the books are and how the company connections are pointed at them.
#include "quillmark/shell/mdlGlobal.h"
#include "ShellTestSupport.h"
#include "quillmark/data/Connection.h"
#include "quillmark/data/DataFile.h"
#include "quillmark/data/deQuillmark.h"

#include <QCoreApplication>
#include <QFile>

#include <gtest/gtest.h>

namespace quillmark::test {
namespace {

using mdlGlobalTest = BooksTest;

QString connectionStringFor(const QString& path) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + path +
           QStringLiteral(";Persist Security Info=False");
}

TEST_F(mdlGlobalTest, TheBooksLiveInTheUsersDataFolderAndTheProgramFolderIsOnlyAFallback) {
    EXPECT_EQ(defaultBooks(), home.filePath(QStringLiteral("Quillmark/vevodir.dat")));
    EXPECT_EQ(DefaultDataFilePath(), defaultBooks());
    QTemporaryDir program;
    setProgramFolder(program.path());
    const QString besideProgram = program.filePath(QStringLiteral("vevodir.dat"));
    DataFile::createCompanyFile(besideProgram, true);
    EXPECT_EQ(DefaultDataFilePath(), defaultBooks()) << "the data folder's file comes first";
    ASSERT_TRUE(QFile::rename(defaultBooks(), defaultBooks() + ".moved"));
    EXPECT_EQ(DefaultDataFilePath(), besideProgram);
    ASSERT_TRUE(QFile::remove(besideProgram));
    EXPECT_EQ(DefaultDataFilePath(), defaultBooks()) << "neither: named where it belongs";
    setProgramFolder(QString());
    EXPECT_EQ(ProgramFolder(), QCoreApplication::applicationDirPath());
}

TEST_F(mdlGlobalTest, OpenDataConnectionsPointsBothCompanyConnectionsAtTheFileUnquoted) {
    // Blanks and a semicolon go into the connection string as they are.
    const QString path = companyFile(QStringLiteral("My Books; 2024.dat"));
    OpenDataConnections(path);
    OpenDataConnections(path); // the open company again: closed and reopened
    EXPECT_EQ(messages(), "");
    EXPECT_EQ(connections(), onCompany(path));
    deQuillmark& de = deQuillmark::instance();
    EXPECT_EQ(de.connSys().ConnectionString(), connectionStringFor(path));
    EXPECT_EQ(de.connReports().ConnectionString(), connectionStringFor(path));
}

TEST_F(mdlGlobalTest, AFailureIsShownAndTheStepsBeforeItStayDone) {
    const QString missing = UserDataFolder() + QStringLiteral("/gone.dat");
    EXPECT_FALSE(OpenDataConnections(missing));
    ASSERT_EQ(dialogs.dump().size(), 1);
    EXPECT_TRUE(dialogs.dump()[0].startsWith("msgbox info ok [Quillmark] ")) << messages();
    // Both closed, connSys re-pointed; connReports' string was never reached.
    EXPECT_EQ(connections(), "(closed) | (closed) | " + defaultBooks());
    deQuillmark& de = deQuillmark::instance();
    EXPECT_EQ(de.connSys().ConnectionString(), connectionStringFor(missing));
    EXPECT_EQ(de.connReports().ConnectionString(), connectionStringFor(defaultBooks()));
    EXPECT_FALSE(QFile::exists(missing));
}

} // namespace
} // namespace quillmark::test
