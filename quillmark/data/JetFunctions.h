#pragma once

// The functions of the Jet dialect that SQLite lacks (FORMAT, NZ, UCASE,
// LCASE) and those money needs (qm_money, qm_format_money), registered on
// each connection.
#include <QString>
#include <QVariant>

struct sqlite3;

namespace quillmark {

class JetFunctions {
public:
    static void registerAll(sqlite3* db);
    // FORMAT(value, pattern), for statements and for report layouts alike:
    // number patterns of '0', '#', ',', '.' and '%' with literal text around
    // them ("$#,##0.00"), up to three sections "positive;negative;zero"
    // (brackets for negatives: "$#,##0.00;($#,##0.00)"), the named formats "Fixed",
    // "Standard", "General Number", "Percent", "Short Date", "Long Date", and
    // date patterns (yyyy, mm, dd, hh, nn, ss, AM/PM). Money (Currency) is
    // formatted from its exact ten-thousandths, halves rounded away from zero;
    // an amount that rounds to zero never shows a minus sign. Null stays null.
    static QVariant format(const QVariant& value, const QString& pattern);
};

} // namespace quillmark
