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
    static constexpr int Version = 1;

    // Statements that create the tables and indexes of a company file.
    static QStringList companyFileStatements();
    // The company list that only the default file holds.
    static QStringList companyListStatements();
    // Tables every company file has.
    static QStringList requiredTables();

    // Throws RuntimeError (naming path) unless db holds a data file of ours.
    static void verify(sqlite3* db, const QString& path);
};

} // namespace quillmark
