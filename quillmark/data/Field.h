#pragma once

// One column of a record set's current row, reached by name through
// Recordset::Fields(). Reading gives the value converted to the field's type;
// assigning converts to the declared type first and only then keeps the value
// for the next Update.
#include <QString>
#include <QVariant>

namespace quillmark {

class Recordset;

// What a field holds, from the column's declared type (or, for a computed
// column, from its expression).
enum class FieldType {
    Variant,  // computed value without a known type: whatever the database returns
    Integer,  // 32-bit long integer, read as int
    BigInt,   // 64-bit integer (keys), read as qint64
    SmallInt, // 16-bit integer, read as int
    Boolean,  // yes/no, stored as -1 / 0, read as bool
    Currency, // money, read as quillmark::Currency
    Double,   // floating-point number
    DateTime, // date and time, read as QDateTime
    Text,     // text, read as QString
};

class Field {
public:
    Field(const Field&) = delete;
    Field& operator=(const Field&) = delete;

    QString Name() const;
    // The current row's value: null QVariant for NULL. Throws RuntimeError when
    // there is no current row.
    QVariant Value() const;
    // Converts by the field's declared type (text "250" into a money field);
    // throws RuntimeError, writing nothing, when the value does not convert,
    // is too long or too large, or the field cannot be written.
    void setValue(const QVariant& value);
    FieldType Type() const;
    // Maximum length of a text field, 0 when unlimited or not text.
    long DefinedSize() const;
    // Whether the field maps to a column of a table (not a computed value).
    bool isUpdatable() const;
    int index() const { return m_index; }

private:
    friend class Recordset;
    Field(Recordset* owner, int index) : m_owner(owner), m_index(index) {}

    Recordset* m_owner;
    int m_index;
};

} // namespace quillmark
