// New company files: contents, and never overwriting anything.
#include "DataTestSupport.h"

#include <QDir>
#include <QFile>

namespace quillmark::testing {
namespace {

class NewFiles : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QTemporaryDir dir;
};

TEST_F(NewFiles, CompanyFileHoldsTheStandardSetAndOneCompanyRow) {
    const QString path = dir.filePath(QStringLiteral("books.dat"));
    DataFile::createCompanyFile(path, false);
    Connection connection;
    connection.Open(DataFile::connectionStringFor(path));
    // Income in the 100s, expenses from 500 on, all of them fixed.
    EXPECT_EQ(
        flatRows(*connection.Execute(QStringLiteral(
                     "SELECT CatType, Fixed, COUNT(*) AS N, MIN(CatCode) AS Low, MAX(CatCode) "
                     "AS High FROM Categories GROUP BY CatType, Fixed")),
                 {"CatType", "Fixed", "N", "Low", "High"}),
        (QStringList{"EXP|yes|15|500|690", "INC|yes|5|100|190"}));
    EXPECT_EQ(flatRows(*connection.Execute(QStringLiteral("SELECT * FROM CompanyInfo")),
                       {"CompanyID", "BusinessName", "OwnerName", "EIN", "Website"}),
              QStringList{"1||||"});
    EXPECT_RUNTIME_ERROR(connection.Execute(QStringLiteral("SELECT * FROM CompanyFilePath")),
                         "CompanyFilePath");
    EXPECT_EQ(connection.Execute(QStringLiteral("SELECT * FROM Transactions"))->RecordCount(), 0);
}

TEST_F(NewFiles, NeverOverwritesAndLeavesNothingBehindOnFailure) {
    const QString path = dir.filePath(QStringLiteral("taken.dat"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("precious");
    }
    EXPECT_RUNTIME_ERROR(DataFile::createCompanyFile(path, true), "already exists");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "precious");

    const QString dangling = dir.filePath(QStringLiteral("link.dat"));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("nowhere.dat")), dangling));
    EXPECT_RUNTIME_ERROR(DataFile::createCompanyFile(dangling, false), "already exists");
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("nowhere.dat"))));

    EXPECT_RUNTIME_ERROR(
        DataFile::createCompanyFile(dir.filePath(QStringLiteral("no/such/folder/x.dat")), false),
        "does not exist");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden),
              (QStringList{"link.dat", "taken.dat"}));
}

} // namespace
} // namespace quillmark::testing
