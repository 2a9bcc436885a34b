#pragma once

// The columns of one table of a data file, as the record sets need them to
// expand "*", type their fields and write rows back.
#include "quillmark/data/Field.h"

#include <QString>

#include <optional>
#include <vector>

struct sqlite3;

namespace quillmark {

struct TableSchema {
    struct Column {
        QString name;
        QString declaredType;
        FieldType type = FieldType::Variant;
        long definedSize = 0;
        bool autoKey = false; // the key the database assigns on insert
    };

    QString name;           // as the schema spells it
    bool hasRowKeys = true; // false for views and WITHOUT ROWID tables
    std::vector<Column> columns;

    // The table or view of that name (case ignored), or nothing.
    static std::optional<TableSchema> read(sqlite3* db, const QString& name);
    const Column* column(const QString& name) const;
};

} // namespace quillmark
