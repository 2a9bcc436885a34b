#include "quillmark/data/DataFile.h"

#include "quillmark/data/RuntimeError.h"
#include "quillmark/data/Schema.h"
#include "quillmark/data/SqliteError.h"
#include "quillmark/data/SqliteStatement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <cerrno>
#include <unistd.h>

#include <sqlite3.h>

namespace quillmark {

namespace {

struct StandardCategory {
    int code;
    const char* name;
    const char* type;
};

// The fixed categories every new company starts with: income in the 100s,
// expenses from 500 on.
constexpr StandardCategory StandardCategories[] = {
    {100, "Sales", "INC"},
    {110, "Services", "INC"},
    {120, "Interest Income", "INC"},
    {130, "Refunds Received", "INC"},
    {190, "Other Income", "INC"},
    {500, "Advertising", "EXP"},
    {510, "Bank Charges", "EXP"},
    {520, "Cost of Goods Sold", "EXP"},
    {530, "Insurance", "EXP"},
    {540, "Office Supplies", "EXP"},
    {550, "Professional Fees", "EXP"},
    {560, "Rent", "EXP"},
    {570, "Repairs and Maintenance", "EXP"},
    {580, "Telephone and Internet", "EXP"},
    {590, "Travel", "EXP"},
    {600, "Utilities", "EXP"},
    {610, "Vehicle Expenses", "EXP"},
    {620, "Wages", "EXP"},
    {630, "Taxes and Licenses", "EXP"},
    {690, "Other Expenses", "EXP"},
};

void run(sqlite3* db, const QString& sql, const QVariantList& values = {}) {
    SqliteStatement statement(db, sql);
    statement.bindParameters(values);
    while (statement.step()) {
    }
}

void writeContents(sqlite3* db, bool withCompanyList) {
    run(db, QStringLiteral("PRAGMA application_id = %1").arg(Schema::ApplicationId));
    run(db, QStringLiteral("PRAGMA user_version = %1").arg(Schema::Version));
    run(db, QStringLiteral("BEGIN"));
    QStringList statements = Schema::companyFileStatements();
    if (withCompanyList) {
        statements += Schema::companyListStatements();
    }
    for (const QString& sql : statements) {
        run(db, sql);
    }
    run(db, QStringLiteral("INSERT INTO CompanyInfo (CompanyID, BusinessName, OwnerName, Address, "
                           "Address2, City, State, ZipCode, DaytimePhone, EveningPhone, CellPhone, "
                           "FaxPhone, Email, EIN, Website) VALUES (1, '', '', '', '', '', '', '', "
                           "'', '', '', '', '', '', '')"));
    for (const StandardCategory& category : StandardCategories) {
        run(db,
            QStringLiteral("INSERT INTO Categories (CatCode, CatName, CatType, Fixed) VALUES "
                           "(?1, ?2, ?3, -1)"),
            {category.code, QString::fromUtf8(category.name), QString::fromLatin1(category.type)});
    }
    if (withCompanyList) {
        run(db,
            QStringLiteral("INSERT INTO CompanyFilePath (CompanyID, CompanyName, CompanyFilePath) "
                           "VALUES (1, ?1, ?2)"),
            {DataFile::defaultCompanyName(), DataFile::defaultPathMarker()});
    }
    run(db, QStringLiteral("COMMIT"));
}

[[noreturn]] void exists(const QString& path) {
    throw RuntimeError(
        errFileExists,
        QStringLiteral("The file '%1' already exists; it was not overwritten.").arg(path));
}

bool pathTaken(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

} // namespace

QString DataFile::connectionStringFor(const QString& path) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + path +
           QStringLiteral(";Persist Security Info=False");
}

QString DataFile::defaultCompanyName() {
    return QStringLiteral("My Company");
}

QString DataFile::defaultPathMarker() {
    return QStringLiteral("Default Path");
}

void DataFile::createCompanyFile(const QString& path, bool withCompanyList) {
    if (path.trimmed().isEmpty()) {
        throw RuntimeError(errInvalidArgument, QStringLiteral("No file name was given."));
    }
    if (pathTaken(path)) {
        exists(path);
    }
    const QFileInfo info(path);
    if (!info.absoluteDir().exists()) {
        throw RuntimeError(errFileNotFound,
                           QStringLiteral("The folder '%1' does not exist.")
                               .arg(QDir::toNativeSeparators(info.absolutePath())));
    }
    // Written under a temporary name and linked into place at the end, so that
    // a failure leaves nothing behind and an existing file is never replaced.
    const QString temporary = info.absoluteFilePath() + QStringLiteral(".new-") +
                              QUuid::createUuid().toString(QUuid::Id128).left(12);
    auto removeTemporary = [&temporary] {
        QFile::remove(temporary);
        QFile::remove(temporary + QStringLiteral("-journal"));
    };
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(temporary.toUtf8().constData(), &db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    try {
        if (rc != SQLITE_OK) {
            SqliteError::raise(db, rc);
        }
        sqlite3_extended_result_codes(db, 1);
        writeContents(db, withCompanyList);
    } catch (const RuntimeError& error) {
        sqlite3_close_v2(db);
        removeTemporary();
        throw RuntimeError(error.number(), QStringLiteral("The data file '%1' could not be "
                                                          "created: %2")
                                               .arg(path, error.description()));
    }
    sqlite3_close_v2(db);

    const QByteArray from = QFile::encodeName(temporary);
    const QByteArray to = QFile::encodeName(path);
    if (::link(from.constData(), to.constData()) != 0) {
        const int linkError = errno;
        if (linkError == EEXIST) {
            removeTemporary();
            exists(path);
        }
        // File systems without hard links: rename after a last check.
        if (pathTaken(path) || ::rename(from.constData(), to.constData()) != 0) {
            removeTemporary();
            if (pathTaken(path)) {
                exists(path);
            }
            throw RuntimeError(errProvider,
                               QStringLiteral("The data file '%1' could not be created: %2")
                                   .arg(path, QString::fromLocal8Bit(strerror(linkError))));
        }
        return;
    }
    removeTemporary();
}

} // namespace quillmark
