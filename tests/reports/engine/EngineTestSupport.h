#pragma once

// Rows held in memory, whole-cent sums and a layout reader for the engine
// tests. The rows count how often they are read, so tests can check which
// steps read rows and which do not.
#include "quillmark/reports/engine/LayoutReader.h"
#include "quillmark/reports/engine/RowSource.h"
#include "quillmark/reports/engine/ValueOps.h"

#include <QFile>
#include <QStringList>
#include <QVariantList>

#include <gtest/gtest.h>

#include <vector>

namespace quillmark::report::testing {

class TableRows : public RowSource {
public:
    TableRows(QStringList fields, std::vector<QVariantList> rows)
        : m_fields(std::move(fields)), m_rows(std::move(rows)) {}

    long rowCount() const override { return static_cast<long>(m_rows.size()); }
    int columnIndex(const QString& field) const override {
        return static_cast<int>(m_fields.indexOf(field));
    }
    QVariant value(long row, int column) const override {
        ++reads;
        return m_rows.at(static_cast<size_t>(row)).at(column);
    }

    mutable long reads = 0;

private:
    QStringList m_fields;
    std::vector<QVariantList> m_rows;
};

// Amounts in whole cents; a value shows as the pattern followed by the number.
class CentsOps : public ValueOps {
public:
    QVariant zero() const override { return qlonglong(0); }
    void add(QVariant& total, const QVariant& value) const override {
        if (!value.isNull()) {
            total = total.toLongLong() + value.toLongLong();
        }
    }
    QString text(const QVariant& value, const QString& pattern) const override {
        return value.isNull() ? QString() : pattern + value.toString();
    }
};

inline ReportLayout layoutFrom(const char* json) {
    return LayoutReader::read(QByteArray(json));
}

// How a PDF file written by Qt holds its document title.
inline QByteArray pdfTitleEntry(const QString& title) {
    QByteArray entry("/Title (\xfe\xff");
    for (const QChar c : title) {
        entry += char(c.unicode() >> 8);
        entry += char(c.unicode() & 0xff);
    }
    return entry + ')';
}

// Compares a page dump with tests/reports/expected/<name>.
inline void expectDump(const QString& actual, const QString& name) {
    QFile expected(QStringLiteral(QUILLMARK_TEST_SOURCE_DIR "/reports/expected/") + name);
    ASSERT_TRUE(expected.open(QIODevice::ReadOnly)) << name.toStdString();
    const QString wanted = QString::fromUtf8(expected.readAll());
    EXPECT_EQ(actual.toStdString(), wanted.toStdString()) << name.toStdString();
}

} // namespace quillmark::report::testing
