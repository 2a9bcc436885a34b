// New company files: contents, and never overwriting anything.
#include "DataTestSupport.h"

#include <QDir>
#include <QFile>

namespace quillmark::testing {
namespace {

class NewFiles : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    std::unique_ptr<Connection> openFile(const QString& path) {
        auto connection = std::make_unique<Connection>();
        connection->Open(DataFile::connectionStringFor(path));
        return connection;
    }
    QTemporaryDir dir;
};

TEST_F(NewFiles, CompanyFileHoldsTheStandardSetAndOneCompanyRow) {
    const QString path = dir.filePath(QStringLiteral("books.dat"));
    DataFile::createCompanyFile(path, false);
    auto connection = openFile(path);
    Recordset categories;
    categories.Open(QStringLiteral("SELECT * FROM Categories ORDER BY CatCode"), connection.get());
    const QStringList rows = flatRows(categories, {"CatCode", "CatType", "Fixed"});
    ASSERT_EQ(rows.size(), 20);
    for (const QString& row : rows) {
        const int code = row.section(u'|', 0, 0).toInt();
        EXPECT_EQ(row.section(u'|', 1), code < 500 ? "INC|yes" : "EXP|yes") << row.toStdString();
    }
    EXPECT_EQ(rows.front(), "100|INC|yes");
    Recordset info;
    info.Open(QStringLiteral("CompanyInfo"), connection.get());
    EXPECT_EQ(flatRows(info, {"CompanyID", "BusinessName", "OwnerName", "EIN", "Website"}),
              QStringList{"1||||"});
    EXPECT_RUNTIME_ERROR(connection->Execute(QStringLiteral("SELECT * FROM CompanyFilePath")),
                         "CompanyFilePath");
    Recordset entries;
    entries.Open(QStringLiteral("Transactions"), connection.get());
    EXPECT_EQ(entries.RecordCount(), 0);
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
