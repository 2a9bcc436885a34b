#pragma once

// Conversions between the values callers use (QVariant holding QString,
// Currency, QDateTime, bool, numbers) and what the data files store: text,
// integers (yes/no as -1 / 0, money as ten-thousandths), doubles and dates as
// "yyyy-MM-dd HH:mm:ss" text.
#include "quillmark/data/Field.h"

#include <QString>
#include <QVariant>

struct sqlite3_stmt;

namespace quillmark {

class FieldValue {
public:
    // FieldType from a column's declared type ("TEXT(100)", "CURRENCY", ...).
    static FieldType typeOfDeclaration(const QString& declaredType);
    // The size in brackets of a text declaration ("TEXT(100)" gives 100), else 0.
    static long sizeOfDeclaration(const QString& declaredType);

    // A column of the current row of a statement, read as the field type says.
    static QVariant read(sqlite3_stmt* statement, int column, FieldType type);

    // The value to store for an assignment to a field: converted by the field's
    // type and checked (length, range). Throws RuntimeError naming the field.
    static QVariant toStored(const QVariant& value, FieldType type, long definedSize,
                             const QString& fieldName);
    // Binds a value (stored form or any caller value) to a statement parameter.
    static void bind(sqlite3_stmt* statement, int index, const QVariant& value);
};

} // namespace quillmark
