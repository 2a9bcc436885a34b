#include "quillmark/data/TableSchema.h"

#include "quillmark/data/FieldValue.h"
#include "quillmark/data/SqliteStatement.h"

#include <sqlite3.h>

namespace quillmark {

std::optional<TableSchema> TableSchema::read(sqlite3* db, const QString& name) {
    SqliteStatement master(db, QStringLiteral("SELECT type, name, sql FROM sqlite_master WHERE "
                                              "type IN ('table', 'view') AND name = ?1 COLLATE "
                                              "NOCASE"));
    master.bind(1, name);
    if (!master.step()) {
        return std::nullopt;
    }
    TableSchema schema;
    schema.name = master.value(1, FieldType::Text).toString();
    const QString sql = master.value(2, FieldType::Text).toString().toUpper();
    schema.hasRowKeys = master.value(0, FieldType::Text).toString() == QLatin1String("table") &&
                        !sql.contains(QLatin1String("WITHOUT ROWID"));
    const bool autoIncrement = sql.contains(QLatin1String("AUTOINCREMENT"));

    SqliteStatement info(db, QStringLiteral("SELECT name, type, pk FROM pragma_table_info(?1)"));
    info.bind(1, schema.name);
    std::vector<Column> columns;
    int keyColumns = 0;
    while (info.step()) {
        Column column;
        column.name = info.value(0, FieldType::Text).toString();
        column.declaredType = info.value(1, FieldType::Text).toString();
        column.type = FieldValue::typeOfDeclaration(column.declaredType);
        column.definedSize = FieldValue::sizeOfDeclaration(column.declaredType);
        if (info.int64(2) > 0) {
            ++keyColumns;
            column.autoKey =
                autoIncrement && column.declaredType.toUpper() == QLatin1String("INTEGER");
        }
        columns.push_back(column);
    }
    if (keyColumns != 1) {
        for (Column& column : columns) {
            column.autoKey = false;
        }
    }
    schema.columns = std::move(columns);
    return schema;
}

const TableSchema::Column* TableSchema::column(const QString& name) const {
    for (const Column& c : columns) {
        if (c.name.compare(name, Qt::CaseInsensitive) == 0) {
            return &c;
        }
    }
    return nullptr;
}

} // namespace quillmark
