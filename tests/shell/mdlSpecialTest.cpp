// The documents folder, with a message for each way it cannot be found.
#include "quillmark/shell/mdlSpecial.h"
#include "ShellTestSupport.h"

#include <QDir>

#include <gtest/gtest.h>

namespace quillmark::test {
namespace {

class mdlSpecialTest : public ::testing::Test {
protected:
    ~mdlSpecialTest() override { setDocumentsFolderLookup({}); }
    FakeDialogs dialogs;
};

TEST_F(mdlSpecialTest, EachLookupResultHasItsAnswerAndMessageAndTheStandardLookupFindsOne) {
    const QString notValid = QStringLiteral(
        "msgbox info ok [Quillmark] My Documents folder is not valid on this operating system.");
    const struct {
        FolderLookup lookup;
        QString returned;
        QString shown;
    } cases[] = {
        {{kFolderOk, "/home/ann/Documents/"}, "/home/ann/Documents", {}},
        {{kFolderMissing, {}},
         {},
         "msgbox info ok [Quillmark] My Documents folder does not exist."},
        {{kFolderInvalid, {}}, {}, notValid},
        {{0x80004005L, {}}, {}, notValid},
    };
    for (const auto& c : cases) {
        dialogs.clear();
        setDocumentsFolderLookup([&] { return c.lookup; });
        EXPECT_EQ(GetDocumentsFolder(), c.returned) << c.lookup.result;
        EXPECT_EQ(dialogs.dump(), c.shown.isEmpty() ? QStringList() : QStringList{c.shown});
    }

    // The standard lookup tells a missing folder from a present one.
    setDocumentsFolderLookup({});
    QTemporaryDir home;
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    const FolderLookup missing = lookupDocumentsFolder();
    QDir().mkpath(home.filePath(QStringLiteral("Documents")));
    const FolderLookup present = lookupDocumentsFolder();
    qputenv("HOME", savedHome);
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(missing.result, kFolderMissing);
    EXPECT_EQ(present.result, kFolderOk);
    EXPECT_EQ(present.path, home.filePath(QStringLiteral("Documents")));
}

// Where exports go without a documents folder: the reports' running tests.

} // namespace
} // namespace quillmark::test
