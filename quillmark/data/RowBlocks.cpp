#include "quillmark/data/RowBlocks.h"

#include "quillmark/data/QueryPlan.h"
#include "quillmark/data/SqliteStatement.h"

#include <algorithm>

namespace quillmark {

namespace {

// A screenful of a grid and a walk's current block, and room to go back.
constexpr size_t KeptBlocks = 4;

} // namespace

RowBlocks::RowBlocks() = default;
RowBlocks::~RowBlocks() = default;

RowBlocks::Row RowBlocks::Block::row(long index) const {
    const size_t at = static_cast<size_t>(index - first);
    return present[at] ? Row{&values[at * fields]} : Row{};
}

std::optional<RowBlocks::Row> RowBlocks::find(long row) const {
    // A walk or a grid page asks for the block read last, field after field.
    if (!m_blocks.empty() && row >= m_blocks.back().first &&
        row < m_blocks.back().first + m_blocks.back().rows) {
        return m_blocks.back().row(row);
    }
    for (auto block = m_blocks.rbegin(); block != m_blocks.rend(); ++block) {
        if (row >= block->first && row < block->first + block->rows) {
            return block->row(row);
        }
    }
    return std::nullopt;
}

void RowBlocks::reset() {
    m_blocks.clear();
    m_statements.clear();
}

RowBlocks::Row RowBlocks::read(long row, const Source& source) {
    Block block;
    block.first = row - row % BlockRows;
    const long count = std::min(BlockRows, source.rowCount - block.first);
    block.rows = count;
    const size_t tables = source.plan->tables().size();
    quint32 nullKeys = 0;
    for (long r = block.first; r < block.first + count; ++r) {
        for (size_t t = 0; t < tables; ++t) {
            if (source.key(r, t) == NullKey) {
                nullKeys |= 1u << t;
            }
        }
    }
    auto& statement = m_statements[nullKeys];
    if (!statement) {
        statement = std::make_unique<SqliteStatement>(
            source.db, source.plan->fetchSql(nullKeys, static_cast<int>(BlockRows)));
    }
    statement->reset();
    const int own = source.plan->parameterCount();
    statement->bindParameters(*source.parameters, own);
    int parameter = own;
    for (long r = block.first; r < block.first + BlockRows; ++r) {
        for (size_t t = 0; t < tables; ++t) {
            const qint64 key = r < block.first + count ? source.key(r, t) : NullKey;
            statement->bindKey(++parameter, key == NullKey ? std::nullopt : std::optional(key));
        }
    }
    // Rows the statement does not return were deleted since the keys were read.
    const auto& columns = source.plan->columns();
    block.fields = columns.size();
    block.values.resize(static_cast<size_t>(count) * block.fields);
    block.present.assign(static_cast<size_t>(count), false);
    try {
        while (statement->step()) {
            const qint64 slot = statement->int64(0);
            if (slot < 0 || slot >= count) {
                continue;
            }
            block.present[static_cast<size_t>(slot)] = true;
            QVariant* values = &block.values[static_cast<size_t>(slot) * block.fields];
            for (size_t c = 0; c < columns.size(); ++c) {
                values[c] = statement->value(static_cast<int>(c) + 1, columns[c].type);
            }
        }
    } catch (...) {
        statement->reset();
        throw;
    }
    statement->reset();
    if (m_blocks.size() >= KeptBlocks) {
        m_blocks.pop_front();
    }
    m_blocks.push_back(std::move(block));
    return m_blocks.back().row(row);
}

} // namespace quillmark
