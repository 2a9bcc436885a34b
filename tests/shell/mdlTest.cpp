// Shared routines: the documents folder and the company connections.
#include "ShellTestSupport.h"
#include "common/FakeDialogs.h"
#include "quillmark/data/DataFile.h"
#include "quillmark/data/deQuillmark.h"
#include "quillmark/shell/mdlGlobal.h"
#include "quillmark/shell/mdlSpecial.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quillmark {
namespace {

using test::TempProgramFolder;

QString connectionStringFor(const QString& path) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + path +
           QStringLiteral(";Persist Security Info=False");
}

class DocumentsFolderTest : public ::testing::Test {
protected:
    ~DocumentsFolderTest() override { setDocumentsFolderLookup({}); }
    FakeDialogs dialogs;
};

TEST_F(DocumentsFolderTest, EachLookupResultHasItsAnswerAndMessage) {
    struct Case {
        const char* name;
        FolderLookup lookup;
        QString returned;
        QStringList shown;
    };
    const Case cases[] = {
        {"found",
         {kFolderOk, QStringLiteral("/home/ann/Documents")},
         QStringLiteral("/home/ann/Documents"),
         {}},
        {"found with trailing separator",
         {kFolderOk, QStringLiteral("/home/ann/Documents/")},
         QStringLiteral("/home/ann/Documents"),
         {}},
        {"does not exist",
         {kFolderMissing, {}},
         QString(),
         {QStringLiteral("msgbox info ok [Quillmark] My Documents folder does not exist.")}},
        {"not valid",
         {kFolderInvalid, {}},
         QString(),
         {QStringLiteral("msgbox info ok [Quillmark] My Documents folder is not valid on this "
                         "operating system.")}},
        {"any other result",
         {0x80004005L, {}},
         QString(),
         {QStringLiteral("msgbox info ok [Quillmark] My Documents folder is not valid on this "
                         "operating system.")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.clear();
        setDocumentsFolderLookup([&] { return c.lookup; });
        EXPECT_EQ(GetDocumentsFolder(), c.returned);
        EXPECT_EQ(dialogs.dump(), c.shown);
    }
}

TEST_F(DocumentsFolderTest, StandardLookupTellsAMissingFolderFromAPresentOne) {
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    const QString documents = home.filePath(QStringLiteral("Documents"));

    const FolderLookup missing = lookupDocumentsFolder();
    QDir().mkpath(documents);
    const FolderLookup present = lookupDocumentsFolder();

    qputenv("HOME", oldHome);
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(missing.result, kFolderMissing);
    EXPECT_EQ(present.result, kFolderOk);
    EXPECT_EQ(present.path, documents);
}

class OpenDataConnectionsTest : public ::testing::Test {
protected:
    OpenDataConnectionsTest() : folder(true) {}
    FakeDialogs dialogs;
    TempProgramFolder folder;
};

TEST_F(OpenDataConnectionsTest, PointsBothCompanyConnectionsAtTheFile) {
    QTemporaryDir dir;
    // Blanks and a semicolon go into the connection string as they are.
    const QString path = dir.filePath(QStringLiteral("My Books; 2024.dat"));
    DataFile::createCompanyFile(path, false);

    OpenDataConnections(path);

    EXPECT_TRUE(dialogs.calls().empty()) << dialogs.dump().join('\n').toStdString();
    deQuillmark& de = deQuillmark::instance();
    EXPECT_EQ(de.connSys().ConnectionString(), connectionStringFor(path));
    EXPECT_EQ(de.connReports().ConnectionString(), connectionStringFor(path));
    EXPECT_EQ(de.connSys().State(), 1);
    EXPECT_EQ(de.connReports().State(), 1);
    EXPECT_EQ(de.connSys().DataSource(), path);
    EXPECT_EQ(de.connSecurity().State(), 0) << "never touched here";

    // Opening the open company again closes and reopens both.
    OpenDataConnections(path);
    EXPECT_TRUE(dialogs.calls().empty());
    EXPECT_EQ(de.connSys().State(), 1);
    EXPECT_EQ(de.connReports().State(), 1);
}

TEST_F(OpenDataConnectionsTest, MissingFileShowsTheErrorAndLeavesEarlierStepsDone) {
    OpenDataConnections(folder.defaultDataFile());
    const QString missing = folder.path() + QStringLiteral("/gone.dat");

    OpenDataConnections(missing);

    ASSERT_EQ(dialogs.calls().size(), 1u);
    EXPECT_EQ(dialogs.calls()[0].icon, MsgIcon::Information);
    EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("Quillmark"));
    EXPECT_FALSE(dialogs.calls()[0].text.isEmpty());
    deQuillmark& de = deQuillmark::instance();
    // Steps 1 to 3 are done: both closed, connSys re-pointed; step 5 never ran.
    EXPECT_EQ(de.connSys().State(), 0);
    EXPECT_EQ(de.connReports().State(), 0);
    EXPECT_EQ(de.connSys().ConnectionString(), connectionStringFor(missing));
    EXPECT_EQ(de.connReports().ConnectionString(), connectionStringFor(folder.defaultDataFile()));
    EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST(DataFolder, BooksLiveInTheUsersDataFolderAndTheProgramFolderIsOnlyAFallback) {
    QTemporaryDir home;
    QTemporaryDir program;
    const QByteArray savedHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    setProgramFolder(program.path());
    const QString books = home.filePath(QStringLiteral("Quillmark/vevodir.dat"));
    const QString besideProgram = program.filePath(QStringLiteral("vevodir.dat"));

    EXPECT_EQ(DefaultDataFilePath(), books) << "neither: named where it belongs";
    DataFile::createCompanyFile(besideProgram, true);
    EXPECT_EQ(DefaultDataFilePath(), besideProgram);
    QDir().mkpath(home.filePath(QStringLiteral("Quillmark")));
    DataFile::createCompanyFile(books, true);
    EXPECT_EQ(DefaultDataFilePath(), books);
    EXPECT_EQ(GetExportsFolder(), home.filePath(QStringLiteral("Quillmark/Exports")));
    EXPECT_TRUE(QFileInfo(GetExportsFolder()).isDir());

    setProgramFolder(QString());
    qputenv("XDG_DATA_HOME", savedHome);
    EXPECT_EQ(ProgramFolder(), QCoreApplication::applicationDirPath());
}

} // namespace
} // namespace quillmark
