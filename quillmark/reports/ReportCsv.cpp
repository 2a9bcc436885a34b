#include "quillmark/reports/ReportCsv.h"

#include "quillmark/data/Currency.h"
#include "quillmark/data/Recordset.h"
#include "quillmark/data/RuntimeError.h"
#include "quillmark/reports/ReportRun.h"

#include <QDateTime>
#include <QDir>
#include <QSaveFile>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace quillmark {

namespace {

struct Column {
    QString heading;
    QString field;
};

bool isProfitLoss(const ReportCriteria& criteria) {
    return criteria.kind == QLatin1String("P\\L");
}

QString amountField(const ReportCriteria& criteria) {
    if (isProfitLoss(criteria)) {
        return QStringLiteral("Amount");
    }
    return reportKindOf(criteria.kind) == QLatin1String("EXP") ? QStringLiteral("Debit")
                                                               : QStringLiteral("Credit");
}

// What a line shows, and the fields whose change starts a new summary line.
std::vector<Column> columnsOf(const ReportCriteria& criteria, QStringList* groupFields) {
    const bool profitLoss = isProfitLoss(criteria);
    std::vector<Column> columns;
    if (profitLoss) {
        columns.push_back({QStringLiteral("Type"), QStringLiteral("Category")});
    }
    columns.push_back({QStringLiteral("Category"), QStringLiteral("CatName")});
    if (criteria.view == ReportView::Detailed) {
        columns.push_back({QStringLiteral("Date"), QStringLiteral("TDate")});
        columns.push_back({QStringLiteral("Description"), QStringLiteral("Description")});
    }
    columns.push_back({QStringLiteral("Amount"), amountField(criteria)});
    *groupFields = profitLoss ? QStringList{QStringLiteral("CatType"), QStringLiteral("CatID")}
                              : QStringList{QStringLiteral("CategoryID")};
    return columns;
}

QString textOf(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<Currency>()) {
        return value.value<Currency>().toString(2);
    }
    if (value.metaType().id() == QMetaType::QDateTime) {
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    return value.toString();
}

int columnOf(const Recordset& rows, const QString& field) {
    const int column = rows.fieldIndex(field);
    if (column < 0) {
        throw RuntimeError(errItemNotFound,
                           QStringLiteral("The report rows have no field %1.").arg(field));
    }
    return column;
}

class CsvLines {
public:
    explicit CsvLines(const QString& path) : m_file(path), m_path(path) {
        if (!m_file.open(QIODevice::WriteOnly)) {
            fail();
        }
    }
    void add(const QStringList& fields) {
        QStringList quoted;
        for (const QString& field : fields) {
            quoted << csvField(field);
        }
        m_file.write((quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n")).toUtf8());
    }
    void commit() {
        if (!m_file.commit()) {
            fail();
        }
    }

private:
    [[noreturn]] void fail() {
        throw RuntimeError(errProvider,
                           QStringLiteral("The report rows cannot be saved as %1: %2.")
                               .arg(QDir::toNativeSeparators(m_path), m_file.errorString()));
    }
    QSaveFile m_file;
    QString m_path;
};

} // namespace

QString csvField(const QString& text) {
    static const QString special = QStringLiteral(",\"\r\n");
    const bool quote =
        std::any_of(text.begin(), text.end(), [](QChar c) { return special.contains(c); }) ||
        (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    if (!quote) {
        return text;
    }
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

long WriteReportCsv(const ReportRun& run, const QString& path) {
    const Recordset& rows = run.rows();
    QStringList groupFields;
    const std::vector<Column> columns = columnsOf(run.criteria(), &groupFields);
    std::vector<int> shown;
    QStringList headings;
    for (const Column& column : columns) {
        shown.push_back(columnOf(rows, column.field));
        headings << column.heading;
    }
    std::vector<int> keys;
    for (const QString& field : groupFields) {
        keys.push_back(columnOf(rows, field));
    }
    const bool summary = run.criteria().view == ReportView::Summary;
    const int amount = shown.back();

    CsvLines csv(path);
    csv.add(headings);
    long lines = 0;
    const long count = rows.RecordCount();
    for (long row = 0; row < count;) {
        // A detailed line is one row; a summary line the run of rows with its keys.
        long end = row + 1;
        Currency total = Currency::fromVariant(rows.value(row, amount));
        const auto sameKeys = [&](long other) {
            return std::all_of(keys.begin(), keys.end(), [&](int key) {
                return rows.value(other, key) == rows.value(row, key);
            });
        };
        for (; summary && end < count && sameKeys(end); ++end) {
            total += Currency::fromVariant(rows.value(end, amount));
        }
        QStringList fields;
        for (size_t i = 0; i + 1 < shown.size(); ++i) {
            fields << textOf(rows.value(row, shown[i]));
        }
        fields << total.toString(2);
        csv.add(fields);
        ++lines;
        row = end;
    }
    csv.commit();
    return lines;
}

} // namespace quillmark
