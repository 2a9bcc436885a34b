#include "quillmark/data/Schema.h"

#include "quillmark/data/RuntimeError.h"
#include "quillmark/data/SqliteError.h"
#include "quillmark/data/SqliteStatement.h"

#include <sqlite3.h>

namespace quillmark {

QStringList Schema::companyFileStatements() {
    // Text compares without regard to case, as Jet does; money is stored as a
    // number and read back rounded to four places; yes/no as -1 / 0; dates as
    // "yyyy-MM-dd HH:mm:ss" text. AUTOINCREMENT keeps keys (and so bookmarks)
    // from being reused after a delete.
    return {
        QStringLiteral(
            "CREATE TABLE Categories ("
            "CategoryID INTEGER PRIMARY KEY AUTOINCREMENT, "
            "CatCode SMALLINT NOT NULL DEFAULT 0 CHECK (CatCode BETWEEN -32768 AND 32767), "
            "CatName TEXT(100) COLLATE NOCASE, "
            "CatType TEXT(3) COLLATE NOCASE, "
            "Fixed BOOLEAN NOT NULL DEFAULT 0)"),
        QStringLiteral("CREATE TABLE Transactions ("
                       "TransactionID INTEGER PRIMARY KEY AUTOINCREMENT, "
                       "CategoryID INTEGER NOT NULL REFERENCES Categories (CategoryID), "
                       "CatType TEXT(3) COLLATE NOCASE, "
                       "TDate DATETIME, "
                       "Description TEXT(255) COLLATE NOCASE, "
                       "Debit CURRENCY NOT NULL DEFAULT 0, "
                       "Credit CURRENCY NOT NULL DEFAULT 0)"),
        // The entry lists filter on CatType and sort by date or description;
        // these indexes carry what those lists read, so that listing and
        // sorting a large file never has to visit the table rows.
        QStringLiteral("CREATE INDEX Transactions_CatType_TDate ON Transactions (CatType, TDate, "
                       "CategoryID, Credit, Debit)"),
        QStringLiteral("CREATE INDEX Transactions_CatType_Description ON Transactions (CatType, "
                       "Description, TDate, CategoryID)"),
        QStringLiteral("CREATE INDEX Transactions_CategoryID ON Transactions (CategoryID, TDate)"),
        QStringLiteral("CREATE INDEX Categories_CatCode ON Categories (CatCode)"),
        QStringLiteral("CREATE TABLE CompanyInfo ("
                       "CompanyID INTEGER PRIMARY KEY, "
                       "BusinessName TEXT(255) COLLATE NOCASE, "
                       "OwnerName TEXT(255) COLLATE NOCASE, "
                       "Address TEXT(255) COLLATE NOCASE, "
                       "Address2 TEXT(255) COLLATE NOCASE, "
                       "City TEXT(255) COLLATE NOCASE, "
                       "State TEXT(255) COLLATE NOCASE, "
                       "ZipCode TEXT(255) COLLATE NOCASE, "
                       "DaytimePhone TEXT(255) COLLATE NOCASE, "
                       "EveningPhone TEXT(255) COLLATE NOCASE, "
                       "CellPhone TEXT(255) COLLATE NOCASE, "
                       "FaxPhone TEXT(255) COLLATE NOCASE, "
                       "Email TEXT(255) COLLATE NOCASE, "
                       "EIN TEXT(255) COLLATE NOCASE, "
                       "Website TEXT(255) COLLATE NOCASE)"),
    };
}

QStringList Schema::companyListStatements() {
    return {QStringLiteral("CREATE TABLE CompanyFilePath ("
                           "CompanyID INTEGER PRIMARY KEY AUTOINCREMENT, "
                           "CompanyName TEXT(255) COLLATE NOCASE, "
                           "CompanyFilePath TEXT COLLATE NOCASE)")};
}

QStringList Schema::requiredTables() {
    return {QStringLiteral("Categories"), QStringLiteral("Transactions"),
            QStringLiteral("CompanyInfo")};
}

void Schema::verify(sqlite3* db, const QString& path) {
    const QString notOurs = QStringLiteral("The file '%1' is not a Quillmark data file.").arg(path);
    int applicationId = 0;
    try {
        SqliteStatement id(db, QStringLiteral("PRAGMA application_id"));
        if (id.step()) {
            applicationId = static_cast<int>(id.int64(0));
        }
    } catch (const RuntimeError& error) {
        throw RuntimeError(errNotADataFile,
                           QStringLiteral("The file '%1' is not a Quillmark data file or is "
                                          "damaged: %2")
                               .arg(path, error.description()));
    }
    if (applicationId != 0 && applicationId != ApplicationId) {
        throw RuntimeError(errNotADataFile, notOurs);
    }
    SqliteStatement tables(db, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = "
                                              "'table' AND name COLLATE NOCASE IN ("
                                              "'Categories', 'Transactions', "
                                              "'CompanyInfo')"));
    tables.step();
    if (tables.int64(0) != requiredTables().size()) {
        throw RuntimeError(errNotADataFile, notOurs);
    }
}

} // namespace quillmark
