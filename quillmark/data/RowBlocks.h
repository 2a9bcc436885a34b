#pragma once

// The values of a keyset record set's rows, read from the file a block of
// rows at a time (one prepared statement finds the rows by their keys, a
// piece of the block each run) and kept for the few blocks read last.
#include <QVariant>
#include <QVariantList>

#include <deque>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <vector>

struct sqlite3;

namespace quillmark {

class QueryPlan;
class SqliteStatement;

class RowBlocks {
public:
    static constexpr long BlockRows = 256;
    // Marks a table of a join that has no row in a result row (outer joins).
    static constexpr qint64 NullKey = std::numeric_limits<qint64>::min();

    // A row's values (one per field), or nothing for a row deleted since
    // the keys were read.
    struct Row {
        const QVariant* values = nullptr;
    };
    // What reading a block needs from the record set.
    struct Source {
        sqlite3* db = nullptr;
        const QueryPlan* plan = nullptr;
        const QVariantList* parameters = nullptr;
        long rowCount = 0;
        const qint64* keys = nullptr; // row by row, one per table
    };

    RowBlocks();
    ~RowBlocks();
    RowBlocks(const RowBlocks&) = delete;
    RowBlocks& operator=(const RowBlocks&) = delete;

    // The row when its block is kept.
    std::optional<Row> find(long row) const;
    // Reads the block that holds the row; throws RuntimeError.
    Row read(long row, const Source& source);
    // Forgets the values (after a write); statements stay prepared.
    void clear() {
        m_blocks.clear();
        ++m_generation;
    }
    // Changes whenever values read before may have moved or gone.
    quint64 generation() const { return m_generation; }
    // Forgets values and statements (another statement or a closed file).
    void reset();

private:
    struct Block {
        long first = 0;
        long rows = 0;
        size_t fields = 0;
        std::vector<QVariant> values; // rows x fields, in one piece
        std::vector<bool> present;
        Row row(long index) const;
    };
    std::deque<Block> m_blocks; // the most recently read last
    // By the tables that may lack a row, and the number of keys per run.
    std::map<std::pair<quint32, long>, std::unique_ptr<SqliteStatement>> m_statements;
    quint64 m_generation = 0;
    int m_blocksInARow = 0;
};

} // namespace quillmark
