#pragma once

// Shared set-up for the data layer tests: a fresh company file in a temporary
// folder, an open connection on it, rows inserted by plain statements, and
// rows flattened to short strings so that one comparison checks a whole row.
#include "quillmark/data/Connection.h"
#include "quillmark/data/Currency.h"
#include "quillmark/data/DataFile.h"
#include "quillmark/data/Recordset.h"
#include "quillmark/data/RuntimeError.h"

#include <QDateTime>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace quillmark::testing {

// A value as a short text: dates "2026-11-05 18:30", money "250.00", null "-".
inline QString flat(const QVariant& value) {
    if (!value.isValid() || value.isNull()) {
        return QStringLiteral("-");
    }
    if (value.metaType() == QMetaType::fromType<Currency>()) {
        return value.value<Currency>().toString(2);
    }
    if (value.metaType().id() == QMetaType::QDateTime) {
        const QDateTime dt = value.toDateTime();
        return dt.time() == QTime(0, 0) ? dt.toString(QStringLiteral("yyyy-MM-dd"))
                                        : dt.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    }
    if (value.metaType().id() == QMetaType::Bool) {
        return value.toBool() ? QStringLiteral("yes") : QStringLiteral("no");
    }
    return value.toString();
}

// The named fields of every row, from the first, each row "a|b|c".
inline QStringList flatRows(Recordset& rs, const QStringList& fields) {
    QStringList rows;
    if (rs.RecordCount() == 0) {
        return rows;
    }
    rs.MoveFirst();
    while (!rs.EOF()) {
        QStringList cells;
        for (const QString& field : fields) {
            cells << flat(rs.Fields(field).Value());
        }
        rows << cells.join(u'|');
        rs.MoveNext();
    }
    return rows;
}

class CompanyFile : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("company.dat"));
        DataFile::createCompanyFile(m_path, false);
        m_connection = std::make_unique<Connection>(QStringLiteral("connSys"));
        m_connection->Open(DataFile::connectionStringFor(m_path));
    }

    Connection& conn() { return *m_connection; }

    long execute(const QString& statement) {
        long affected = -1;
        conn().Execute(statement, &affected);
        return affected;
    }

    // A category of our own (not one of the standard set); returns its key.
    int addCategory(int code, const QString& name, const QString& type) {
        execute(QStringLiteral("INSERT INTO Categories (CatCode, CatName, CatType, Fixed) VALUES "
                               "(%1, '%2', '%3', False)")
                    .arg(code)
                    .arg(QString(name).replace(u'\'', QLatin1String("''")), type));
        return lastKey(QStringLiteral("Categories"), QStringLiteral("CategoryID"));
    }

    // An entry: income amounts go to Credit, expense amounts to Debit.
    int addEntry(int categoryId, const QString& type, const QString& isoDate,
                 const QString& description, const QString& amount) {
        const bool income = type.compare(QLatin1String("INC"), Qt::CaseInsensitive) == 0;
        execute(QStringLiteral("INSERT INTO Transactions (CategoryID, CatType, TDate, Description, "
                               "Credit, Debit) VALUES (%1, '%2', #%3#, '%4', %5, %6)")
                    .arg(categoryId)
                    .arg(type, isoDate, description, income ? amount : QStringLiteral("0"),
                         income ? QStringLiteral("0") : amount));
        return lastKey(QStringLiteral("Transactions"), QStringLiteral("TransactionID"));
    }

    int lastKey(const QString& table, const QString& key) {
        auto rs =
            conn().Execute(QStringLiteral("SELECT MAX(%1) AS LastKey FROM %2").arg(key, table));
        return rs->Fields(QStringLiteral("LastKey")).Value().toInt();
    }

    std::unique_ptr<Recordset> open(const QString& source) {
        auto rs = std::make_unique<Recordset>();
        rs->Open(source, &conn(), adOpenKeyset, adLockOptimistic);
        return rs;
    }

    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<Connection> m_connection;
};

// Expects a RuntimeError whose description contains the given text.
#define EXPECT_RUNTIME_ERROR(statement, text)                                                      \
    do {                                                                                           \
        try {                                                                                      \
            statement;                                                                             \
            ADD_FAILURE() << "no RuntimeError from " #statement;                                   \
        } catch (const ::quillmark::RuntimeError& error) {                                         \
            EXPECT_TRUE(                                                                           \
                error.description().contains(QString::fromUtf8(text), Qt::CaseInsensitive))        \
                << error.description().toStdString();                                              \
        }                                                                                          \
    } while (false)

} // namespace quillmark::testing
