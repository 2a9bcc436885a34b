#pragma once

// The rows of an open record set for the report engine, read by row and
// column without moving the record set's current row.
#include "quillmark/reports/engine/RowSource.h"

namespace quillmark {

class Recordset;

class RecordsetRowSource : public report::RowSource {
public:
    // The record set must stay open while the report is read.
    explicit RecordsetRowSource(const Recordset& recordset) : m_recordset(recordset) {}

    long rowCount() const override;
    int columnIndex(const QString& field) const override;
    QVariant value(long row, int column) const override;

private:
    const Recordset& m_recordset;
};

} // namespace quillmark
