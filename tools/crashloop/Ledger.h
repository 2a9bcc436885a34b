#pragma once

// What the crash-loop worker said it did, and the check of a company file
// against it. The worker prints one line before each operation ("try") and one
// after the operation returned ("ack"); only acknowledged operations must be
// in the file. The last "try" without its "ack" was in flight when the worker
// died: the file may hold it or not, but never part of it.
#include <QString>
#include <QStringList>

#include <map>
#include <optional>

namespace crashloop {

enum class OpKind { Insert, Edit, Delete, Refuse };

QString kindName(OpKind kind);

// One entry as the income or expense screen stores it.
struct Entry {
    qint64 key = 0;
    QString type; // "INC" (amount in Credit) or "EXP" (amount in Debit)
    int categoryId = 0;
    qint64 amount = 0; // ten-thousandths
    QString details;

    bool operator==(const Entry&) const = default;
};

struct Operation {
    OpKind kind = OpKind::Insert;
    Entry entry; // the values written; for a delete only the key counts
};

// "try" / "ack" lines: fields separated by tabs, the details last and escaped
// so that a line is always one line.
QString formatLine(const QString& stage, const Operation& op);
// The exact amount as "1234.5600", and back; parseAmount is false for
// anything but an optional minus, digits, a point and four digits.
QString amountText(qint64 tenThousandths);
bool parseAmount(const QString& text, qint64* tenThousandths);
QString escapeDetails(const QString& text);
QString unescapeDetails(const QString& text);

struct Counts {
    int inserts = 0;
    int edits = 0;
    int deletes = 0;
    int refused = 0;
    int total() const { return inserts + edits + deletes + refused; }
};

struct CheckResult {
    QStringList lost;      // acknowledged operations missing or changed in the file
    QStringList integrity; // damaged file, broken references, half-applied or stray rows
    bool inFlightApplied = false;
    bool ok() const { return lost.isEmpty() && integrity.isEmpty(); }
    QStringList all() const { return lost + integrity; }
};

// The state the file must hold, built from the worker's lines.
class Ledger {
public:
    // Reads one complete line of the worker's output. False (with a reason)
    // for a line that is not the worker's or that contradicts the ledger.
    bool feed(const QString& line, QString* error);
    // The operation announced but not acknowledged, if any.
    const std::optional<Operation>& inFlight() const { return m_inFlight; }
    const std::map<qint64, Entry>& entries() const { return m_entries; }
    const Counts& counts() const { return m_counts; }

    // Checks the file against the ledger: PRAGMA integrity_check is "ok",
    // PRAGMA foreign_key_check is empty, every acknowledged entry is stored
    // exactly and nothing else is, and the operation in flight is there whole
    // or not at all. On success the ledger takes over the outcome of the
    // operation in flight. A missing file passes only while nothing was
    // acknowledged.
    CheckResult check(const QString& path);

private:
    void apply(const Operation& op);

    std::map<qint64, Entry> m_entries;
    std::optional<Operation> m_inFlight;
    Counts m_counts;
};

} // namespace crashloop
