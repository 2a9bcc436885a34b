#include "quillmark/data/Schema.h"

#include "quillmark/data/RuntimeError.h"
#include "quillmark/data/SqliteError.h"
#include "quillmark/data/SqliteStatement.h"

#include <sqlite3.h>

namespace quillmark {

QString Schema::transactionsTable(const QString& name) {
    // Money is an integer of ten-thousandths, exact; the check keeps any
    // other form (a real number written by some other path) out of the file.
    return QStringLiteral("CREATE TABLE %1 ("
                          "TransactionID INTEGER PRIMARY KEY AUTOINCREMENT, "
                          "CategoryID INTEGER NOT NULL REFERENCES Categories (CategoryID), "
                          "CatType TEXT(3) COLLATE NOCASE, "
                          "TDate DATETIME, "
                          "Description TEXT(255) COLLATE NOCASE, "
                          "Debit CURRENCY NOT NULL DEFAULT 0 CHECK (typeof(Debit) = 'integer'), "
                          "Credit CURRENCY NOT NULL DEFAULT 0 CHECK (typeof(Credit) = 'integer'))")
        .arg(name);
}

QStringList Schema::transactionsIndexes() {
    // The entry lists filter on CatType and sort by date or description;
    // these indexes carry what those lists read, so that listing and sorting
    // a large file never has to visit the table rows.
    return {
        QStringLiteral("CREATE INDEX Transactions_CatType_TDate ON Transactions (CatType, TDate, "
                       "CategoryID, Credit, Debit)"),
        QStringLiteral("CREATE INDEX Transactions_CatType_Description ON Transactions (CatType, "
                       "Description, TDate, CategoryID)"),
        QStringLiteral("CREATE INDEX Transactions_CategoryID ON Transactions (CategoryID, TDate)"),
    };
}

QStringList Schema::companyFileStatements() {
    // Text compares without regard to case, as Jet does; yes/no is stored as
    // -1 / 0; dates as "yyyy-MM-dd HH:mm:ss" text. AUTOINCREMENT keeps keys
    // (and so bookmarks) from being reused after a delete.
    QStringList statements = {
        QStringLiteral(
            "CREATE TABLE Categories ("
            "CategoryID INTEGER PRIMARY KEY AUTOINCREMENT, "
            "CatCode SMALLINT NOT NULL DEFAULT 0 CHECK (CatCode BETWEEN -32768 AND 32767), "
            "CatName TEXT(100) COLLATE NOCASE, "
            "CatType TEXT(3) COLLATE NOCASE, "
            "Fixed BOOLEAN NOT NULL DEFAULT 0)"),
        transactionsTable(QStringLiteral("Transactions")),
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
    return statements + transactionsIndexes();
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

namespace {

qint64 singleValue(sqlite3* db, const QString& sql) {
    SqliteStatement statement(db, sql);
    return statement.step() ? statement.int64(0) : 0;
}

void run(sqlite3* db, const QString& sql) {
    SqliteStatement statement(db, sql);
    while (statement.step()) {
    }
}

// Version 1 kept money as real numbers (or whole units): the entries move
// to a table that keeps ten-thousandths, with their keys and the key counter.
void convertMoneyToTenThousandths(sqlite3* db) {
    const qint64 counter =
        singleValue(db, QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = "
                                       "'Transactions'"));
    run(db, Schema::transactionsTable(QStringLiteral("Transactions_v2")));
    run(db, QStringLiteral("INSERT INTO Transactions_v2 (TransactionID, CategoryID, CatType, "
                           "TDate, Description, Debit, Credit) SELECT TransactionID, CategoryID, "
                           "CatType, TDate, Description, qm_money(Debit), qm_money(Credit) FROM "
                           "Transactions"));
    run(db, QStringLiteral("DROP TABLE Transactions"));
    run(db, QStringLiteral("ALTER TABLE Transactions_v2 RENAME TO Transactions"));
    for (const QString& index : Schema::transactionsIndexes()) {
        run(db, index);
    }
    run(db, QStringLiteral("UPDATE sqlite_sequence SET seq = max(seq, %1) WHERE name = "
                           "'Transactions'")
                .arg(counter));
}

} // namespace

void Schema::upgrade(sqlite3* db, const QString& path) {
    const qint64 version = singleValue(db, QStringLiteral("PRAGMA user_version"));
    if (version > Version) {
        throw RuntimeError(errNotADataFile,
                           QStringLiteral("The data file '%1' was made by a newer version of "
                                          "Quillmark and cannot be opened by this one.")
                               .arg(path));
    }
    if (version == Version) {
        return;
    }
    try {
        run(db, QStringLiteral("BEGIN IMMEDIATE"));
        try {
            convertMoneyToTenThousandths(db);
            run(db, QStringLiteral("PRAGMA user_version = %1").arg(Version));
            run(db, QStringLiteral("COMMIT"));
        } catch (...) {
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
            throw;
        }
    } catch (const RuntimeError& error) {
        throw RuntimeError(error.number(),
                           QStringLiteral("The data file '%1' was made by an older version of "
                                          "Quillmark and could not be brought up to date: %2")
                               .arg(path, error.description()));
    }
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
        if (error.number() == errFileLocked) {
            throw RuntimeError(errFileLocked, SqliteError::lockedFile(path));
        }
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
