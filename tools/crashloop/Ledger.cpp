#include "crashloop/Ledger.h"

#include <QFileInfo>

#include <sqlite3.h>

#include <memory>
#include <set>

namespace crashloop {

namespace {

const QString kTry = QStringLiteral("try");
const QString kAck = QStringLiteral("ack");

std::optional<OpKind> kindOf(const QString& name) {
    for (OpKind kind : {OpKind::Insert, OpKind::Edit, OpKind::Delete, OpKind::Refuse}) {
        if (kindName(kind) == name) {
            return kind;
        }
    }
    return std::nullopt;
}

QString describe(const Entry& entry) {
    return QStringLiteral("%1 category %2 amount %3 details \"%4\"")
        .arg(entry.type)
        .arg(entry.categoryId)
        .arg(amountText(entry.amount), escapeDetails(entry.details));
}

struct Database {
    sqlite3* db = nullptr;
    ~Database() { sqlite3_close_v2(db); }
};

struct Statement {
    sqlite3_stmt* stmt = nullptr;
    ~Statement() { sqlite3_finalize(stmt); }
};

QString columnText(sqlite3_stmt* stmt, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return text ? QString::fromUtf8(text, sqlite3_column_bytes(stmt, column)) : QString();
}

// The rows of a statement, each field as text, or an error.
bool rowsOf(sqlite3* db, const char* sql, std::vector<QStringList>* rows, QString* error) {
    Statement statement;
    if (sqlite3_prepare_v2(db, sql, -1, &statement.stmt, nullptr) != SQLITE_OK) {
        *error = QStringLiteral("%1: %2").arg(QString::fromUtf8(sql),
                                              QString::fromUtf8(sqlite3_errmsg(db)));
        return false;
    }
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(statement.stmt)) == SQLITE_ROW) {
        QStringList row;
        for (int i = 0; i < sqlite3_column_count(statement.stmt); ++i) {
            row << columnText(statement.stmt, i);
        }
        rows->push_back(row);
    }
    if (rc != SQLITE_DONE) {
        *error = QStringLiteral("%1: %2").arg(QString::fromUtf8(sql),
                                              QString::fromUtf8(sqlite3_errmsg(db)));
        return false;
    }
    return true;
}

// An entry as stored, or a reason why the row is not one the screens write.
struct StoredRow {
    Entry entry;
    QString fault;
};

bool readEntries(sqlite3* db, std::map<qint64, StoredRow>* stored, QString* error) {
    static const char* const sql =
        "SELECT TransactionID, CatType, CategoryID, Credit, Debit, Description, "
        "typeof(Credit), typeof(Debit), typeof(Description) FROM Transactions";
    Statement statement;
    if (sqlite3_prepare_v2(db, sql, -1, &statement.stmt, nullptr) != SQLITE_OK) {
        *error = QString::fromUtf8(sqlite3_errmsg(db));
        return false;
    }
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(statement.stmt)) == SQLITE_ROW) {
        sqlite3_stmt* s = statement.stmt;
        StoredRow row;
        row.entry.key = sqlite3_column_int64(s, 0);
        row.entry.type = columnText(s, 1);
        row.entry.categoryId = sqlite3_column_int(s, 2);
        const bool income = row.entry.type == QLatin1String("INC");
        const int amountColumn = income ? 3 : 4;
        const int otherColumn = income ? 4 : 3;
        row.entry.amount = sqlite3_column_int64(s, amountColumn);
        row.entry.details = columnText(s, 5);
        if (row.entry.type != QLatin1String("INC") && row.entry.type != QLatin1String("EXP")) {
            row.fault = QStringLiteral("type \"%1\"").arg(row.entry.type);
        } else if (columnText(s, 6) != QLatin1String("integer") ||
                   columnText(s, 7) != QLatin1String("integer")) {
            row.fault =
                QStringLiteral("money stored as %1 / %2").arg(columnText(s, 6), columnText(s, 7));
        } else if (sqlite3_column_int64(s, otherColumn) != 0) {
            row.fault = QStringLiteral("the other money field holds %1")
                            .arg(amountText(sqlite3_column_int64(s, otherColumn)));
        } else if (columnText(s, 8) != QLatin1String("text")) {
            row.fault = QStringLiteral("details stored as %1").arg(columnText(s, 8));
        }
        stored->emplace(row.entry.key, row);
    }
    if (rc != SQLITE_DONE) {
        *error = QString::fromUtf8(sqlite3_errmsg(db));
        return false;
    }
    return true;
}

} // namespace

QString kindName(OpKind kind) {
    switch (kind) {
    case OpKind::Insert:
        return QStringLiteral("insert");
    case OpKind::Edit:
        return QStringLiteral("edit");
    case OpKind::Delete:
        return QStringLiteral("delete");
    case OpKind::Refuse:
        return QStringLiteral("refuse");
    }
    return {};
}

QString amountText(qint64 tenThousandths) {
    const bool negative = tenThousandths < 0;
    // Unsigned, so that the smallest amount has a magnitude too.
    const quint64 magnitude =
        negative ? 0 - static_cast<quint64>(tenThousandths) : static_cast<quint64>(tenThousandths);
    return QStringLiteral("%1%2.%3")
        .arg(negative ? QStringLiteral("-") : QString())
        .arg(magnitude / 10000)
        .arg(magnitude % 10000, 4, 10, QLatin1Char('0'));
}

bool parseAmount(const QString& text, qint64* tenThousandths) {
    const bool negative = text.startsWith(QLatin1Char('-'));
    const QString digits = negative ? text.mid(1) : text;
    const qsizetype point = digits.indexOf(QLatin1Char('.'));
    if (point < 1 || digits.size() - point != 5) {
        return false;
    }
    const QString whole = digits.left(point);
    const QString fraction = digits.mid(point + 1);
    for (const QChar ch : whole + fraction) {
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9')) {
            return false;
        }
    }
    bool ok = false;
    const quint64 units = whole.toULongLong(&ok);
    if (!ok || units > 922337203685477ULL) {
        return false;
    }
    const quint64 magnitude = units * 10000 + fraction.toULongLong();
    const quint64 limit = negative ? 9223372036854775808ULL : 9223372036854775807ULL;
    if (magnitude > limit) {
        return false;
    }
    *tenThousandths =
        negative ? static_cast<qint64>(0 - magnitude) : static_cast<qint64>(magnitude);
    return true;
}

QString escapeDetails(const QString& text) {
    QString escaped;
    for (const QChar ch : text) {
        switch (ch.unicode()) {
        case '\\':
            escaped += QStringLiteral("\\\\");
            break;
        case '\t':
            escaped += QStringLiteral("\\t");
            break;
        case '\n':
            escaped += QStringLiteral("\\n");
            break;
        case '\r':
            escaped += QStringLiteral("\\r");
            break;
        default:
            escaped += ch;
        }
    }
    return escaped;
}

QString unescapeDetails(const QString& text) {
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('\\') || i + 1 == text.size()) {
            plain += text.at(i);
            continue;
        }
        const QChar next = text.at(++i);
        plain += next == QLatin1Char('t')   ? QChar(u'\t')
                 : next == QLatin1Char('n') ? QChar(u'\n')
                 : next == QLatin1Char('r') ? QChar(u'\r')
                                            : next;
    }
    return plain;
}

QString formatLine(const QString& stage, const Operation& op) {
    return QStringList{stage,
                       kindName(op.kind),
                       QString::number(op.entry.key),
                       op.entry.type,
                       QString::number(op.entry.categoryId),
                       amountText(op.entry.amount),
                       escapeDetails(op.entry.details)}
        .join(QLatin1Char('\t'));
}

bool Ledger::feed(const QString& line, QString* error) {
    const QStringList fields = line.split(QLatin1Char('\t'));
    if (fields.size() != 7 || (fields.at(0) != kTry && fields.at(0) != kAck)) {
        *error = QStringLiteral("not a worker line: %1").arg(line);
        return false;
    }
    const std::optional<OpKind> kind = kindOf(fields.at(1));
    Operation op;
    bool keyOk = false;
    bool categoryOk = false;
    op.entry.key = fields.at(2).toLongLong(&keyOk);
    op.entry.type = fields.at(3);
    op.entry.categoryId = fields.at(4).toInt(&categoryOk);
    op.entry.details = unescapeDetails(fields.at(6));
    if (!kind || !keyOk || !categoryOk || !parseAmount(fields.at(5), &op.entry.amount)) {
        *error = QStringLiteral("malformed line: %1").arg(line);
        return false;
    }
    op.kind = *kind;
    if (fields.at(0) == kTry) {
        m_inFlight = op;
        return true;
    }
    if (!m_inFlight || m_inFlight->kind != op.kind ||
        (op.kind != OpKind::Insert && m_inFlight->entry.key != op.entry.key)) {
        *error = QStringLiteral("acknowledged without being announced: %1").arg(line);
        return false;
    }
    m_inFlight.reset();
    const bool known = m_entries.count(op.entry.key) > 0;
    if (op.kind == OpKind::Insert && (known || op.entry.key <= 0)) {
        *error = QStringLiteral("insert acknowledged under a key already used: %1").arg(line);
        return false;
    }
    if ((op.kind == OpKind::Edit || op.kind == OpKind::Delete) && !known) {
        *error = QStringLiteral("%1 acknowledged of an entry never saved: %2")
                     .arg(kindName(op.kind), line);
        return false;
    }
    apply(op);
    int& count = op.kind == OpKind::Insert   ? m_counts.inserts
                 : op.kind == OpKind::Edit   ? m_counts.edits
                 : op.kind == OpKind::Delete ? m_counts.deletes
                                             : m_counts.refused;
    ++count;
    return true;
}

void Ledger::apply(const Operation& op) {
    if (op.kind == OpKind::Insert || op.kind == OpKind::Edit) {
        m_entries[op.entry.key] = op.entry;
    } else if (op.kind == OpKind::Delete) {
        m_entries.erase(op.entry.key);
    }
}

CheckResult Ledger::check(const QString& path) {
    CheckResult result;
    if (!QFileInfo::exists(path)) {
        if (!m_entries.empty()) {
            result.lost << QStringLiteral("%1 is missing").arg(path);
        }
        return result;
    }
    Database database;
    // The file as the next start of the program finds it: opening replays a
    // log left by the killed worker.
    if (sqlite3_open_v2(path.toUtf8().constData(), &database.db, SQLITE_OPEN_READWRITE, nullptr) !=
        SQLITE_OK) {
        result.integrity << QStringLiteral("cannot open %1: %2")
                                .arg(path, QString::fromUtf8(sqlite3_errmsg(database.db)));
        return result;
    }
    sqlite3_busy_timeout(database.db, 5000);
    std::vector<QStringList> rows;
    QString error;
    if (!rowsOf(database.db, "PRAGMA integrity_check", &rows, &error)) {
        result.integrity << error;
        return result;
    }
    if (rows.size() != 1 || rows.front().value(0) != QLatin1String("ok")) {
        for (const QStringList& row : rows) {
            result.integrity << QStringLiteral("integrity_check: %1").arg(row.join(' '));
        }
        return result;
    }
    rows.clear();
    if (!rowsOf(database.db, "PRAGMA foreign_key_check", &rows, &error)) {
        result.integrity << error;
    }
    for (const QStringList& row : rows) {
        result.integrity << QStringLiteral("foreign_key_check: %1").arg(row.join(' '));
    }
    std::map<qint64, StoredRow> stored;
    if (!readEntries(database.db, &stored, &error)) {
        result.integrity << QStringLiteral("reading the entries: %1").arg(error);
        return result;
    }

    const Operation* flight = m_inFlight ? &*m_inFlight : nullptr;
    auto flightOn = [&](qint64 key, OpKind kind) {
        return flight && flight->kind == kind && flight->entry.key == key;
    };
    std::set<qint64> seen;
    for (const auto& [key, expected] : m_entries) {
        const auto found = stored.find(key);
        seen.insert(key);
        if (flightOn(key, OpKind::Delete) && found == stored.end()) {
            result.inFlightApplied = true;
            continue;
        }
        if (found == stored.end()) {
            result.lost << QStringLiteral("key %1 missing; acknowledged as %2")
                               .arg(key)
                               .arg(describe(expected));
            continue;
        }
        const StoredRow& row = found->second;
        if (!row.fault.isEmpty()) {
            result.integrity << QStringLiteral("key %1: %2").arg(key).arg(row.fault);
            continue;
        }
        if (row.entry == expected) {
            continue;
        }
        if (flightOn(key, OpKind::Edit)) {
            Entry edited = flight->entry;
            if (row.entry == edited) {
                result.inFlightApplied = true;
            } else {
                result.integrity << QStringLiteral("key %1 half-applied by the edit in flight: "
                                                   "stored %2, before %3, edit %4")
                                        .arg(key)
                                        .arg(describe(row.entry), describe(expected),
                                             describe(edited));
            }
            continue;
        }
        result.lost << QStringLiteral("key %1 stored as %2; acknowledged as %3")
                           .arg(key)
                           .arg(describe(row.entry), describe(expected));
    }
    for (const auto& [key, row] : stored) {
        if (seen.count(key)) {
            continue;
        }
        if (flight && flight->kind == OpKind::Insert && !result.inFlightApplied) {
            Entry inserted = flight->entry;
            inserted.key = key;
            if (row.fault.isEmpty() && row.entry == inserted) {
                result.inFlightApplied = true;
                continue;
            }
        }
        result.integrity << QStringLiteral("key %1 stored but never acknowledged: %2%3")
                                .arg(key)
                                .arg(describe(row.entry), row.fault.isEmpty()
                                                              ? QString()
                                                              : QStringLiteral(", ") + row.fault);
    }
    if (result.ok() && flight) {
        // The next run starts from what the file holds.
        Operation outcome = *flight;
        if (outcome.kind == OpKind::Insert) {
            for (const auto& [key, row] : stored) {
                if (!seen.count(key)) {
                    outcome.entry.key = key;
                }
            }
        }
        if (result.inFlightApplied) {
            apply(outcome);
        }
        m_inFlight.reset();
    }
    return result;
}

} // namespace crashloop
