#pragma once

// The functions of the Jet dialect that SQLite lacks (FORMAT, NZ, UCASE,
// LCASE), registered on each connection.
#include <QString>
#include <QVariant>

struct sqlite3;

namespace quillmark {

class JetFunctions {
public:
    static void registerAll(sqlite3* db);
    // FORMAT(value, pattern): number patterns of '0', '#', ',' and '.' with an
    // optional negative section after ';', the named formats "Fixed",
    // "Standard", "General Number", "Percent", "Short Date", "Long Date", and
    // date patterns (yyyy, mm, dd, hh, nn, ss, AM/PM). Null stays null.
    static QVariant format(const QVariant& value, const QString& pattern);
};

} // namespace quillmark
