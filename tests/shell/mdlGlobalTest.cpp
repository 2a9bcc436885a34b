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

TEST_F(mdlGlobalTest, TheBooksLiveInTheUsersDataFolderAndFailingToOpenThemLeavesThemClosed) {
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

    // Opening a company, also the open one again, is covered by the company
    // screen's tests; a failure is shown and the steps before it stay done.
    const QString missing = UserDataFolder() + QStringLiteral("/gone.dat");
    EXPECT_FALSE(OpenDataConnections(missing));
    ASSERT_EQ(dialogs.dump().size(), 1);
    EXPECT_TRUE(dialogs.dump()[0].startsWith("msgbox info ok [Quillmark] ")) << messages();
    // Both closed, connSys re-pointed; connReports' string was never reached.
    EXPECT_EQ(connections(), "(closed) | (closed) | " + defaultBooks());
    deQuillmark& de = deQuillmark::instance();
    EXPECT_EQ(de.connSys().ConnectionString(), DataFile::connectionStringFor(missing));
    EXPECT_EQ(de.connReports().ConnectionString(), DataFile::connectionStringFor(defaultBooks()));
    EXPECT_FALSE(QFile::exists(missing));
}

} // namespace
} // namespace quillmark::test
