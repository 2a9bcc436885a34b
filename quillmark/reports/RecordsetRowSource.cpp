#include "quillmark/reports/RecordsetRowSource.h"

#include "quillmark/data/Recordset.h"

namespace quillmark {

long RecordsetRowSource::rowCount() const {
    return m_recordset.RecordCount();
}

int RecordsetRowSource::columnIndex(const QString& field) const {
    return m_recordset.fieldIndex(field);
}

QVariant RecordsetRowSource::value(long row, int column) const {
    return m_recordset.value(row, column);
}

} // namespace quillmark
