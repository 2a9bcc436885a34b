#pragma once

// The tables of a company data file and how a file is recognised as one.
#include <QString>
#include <QStringList>

struct sqlite3;

namespace quillmark {

class Schema {
public:
    // Stamped into every data file ("QMK1"); files of other programs carry another.
    static constexpr int ApplicationId = 0x514D4B31;
    // 2: money as integers of ten-thousandths (1 kept real numbers).
    static constexpr int Version = 2;

    // Statements that create the tables and indexes of a company file.
    static QStringList companyFileStatements();
    static QString transactionsTable(const QString& name);
    static QStringList transactionsIndexes();
    // The company list that only the default file holds.
    static QStringList companyListStatements();
    // Tables every company file has.
    static QStringList requiredTables();

    // Throws RuntimeError (naming path) unless db holds a data file of ours;
    // a file another program holds locked is reported as locked.
    static void verify(sqlite3* db, const QString& path);
    // Brings a file of an older version to this one, in one transaction
    // (nothing changes when it fails); refuses files of a newer version.
    // Needs the qm_money function registered on db.
    static void upgrade(sqlite3* db, const QString& path);
};

} // namespace quillmark
