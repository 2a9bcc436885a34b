#include "quillmark/data/RowBlocks.h"

#include "quillmark/data/QueryPlan.h"
#include "quillmark/data/SqliteStatement.h"

#include <algorithm>
#include <numeric>

namespace quillmark {

namespace {

// A screenful of a grid and a walk's current block, and room to go back.
constexpr size_t KeptBlocks = 4;
// Keys given to one run of the lookup statement. SQLite prepares a list of
// keys in time that grows faster than the list (32 keys: 0.1 ms, 256: 5 to
// 10 ms), while each run costs about the same: a block is looked up a piece
// at a time with a small statement, and with one large statement once the
// record set is being walked (it has read blocks one after another).
constexpr long FewKeys = 32;
constexpr long ManyKeys = RowBlocks::BlockRows;
constexpr int BlocksBeforeAWalk = 2;

// Texts repeat down a column (a category's name on each of its entries):
// such a text is made once and shared.
struct RepeatedText {
    QByteArray bytes;
    QVariant value;

    QVariant read(const SqliteStatement& statement, int column) {
        const QByteArrayView text = statement.utf8(column);
        if (text.isNull()) {
            return {};
        }
        if (!value.isValid() || text != QByteArrayView(bytes)) {
            bytes.resize(text.size());
            std::copy(text.begin(), text.end(), bytes.begin());
            value = statement.value(column, FieldType::Text);
        }
        return value;
    }
};

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
    clear();
    m_statements.clear();
    m_blocksInARow = 0;
}

RowBlocks::Row RowBlocks::read(long row, const Source& source) {
    Block block;
    block.first = row - row % BlockRows;
    const long count = std::min(BlockRows, source.rowCount - block.first);
    block.rows = count;
    const size_t tables = source.plan->tables().size();
    const qint64* keys = source.keys + static_cast<size_t>(block.first) * tables;
    quint32 nullKeys = 0;
    for (size_t k = 0; k < static_cast<size_t>(count) * tables; ++k) {
        if (keys[k] == NullKey) {
            nullKeys |= 1u << (k % tables);
        }
    }
    const bool following = !m_blocks.empty() && m_blocks.back().first + BlockRows == block.first;
    m_blocksInARow = following ? m_blocksInARow + 1 : 0;
    const long keysPerStatement = m_blocksInARow >= BlocksBeforeAWalk ? ManyKeys : FewKeys;
    auto& statement = m_statements[{nullKeys, keysPerStatement}];
    if (!statement) {
        statement = std::make_unique<SqliteStatement>(
            source.db, source.plan->fetchSql(nullKeys, static_cast<int>(keysPerStatement)));
    }
    // Looked up in the order of their keys, last table first: rows of the
    // same category follow one another, which SQLite then finds at once, and
    // the entries are read in the order they lie in the file.
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        for (size_t t = tables; t-- > 0;) {
            const qint64 ka = keys[static_cast<size_t>(a) * tables + t];
            const qint64 kb = keys[static_cast<size_t>(b) * tables + t];
            if (ka != kb) {
                return ka < kb;
            }
        }
        return false;
    });
    // Rows the statement does not return were deleted since the keys were read.
    const auto& columns = source.plan->columns();
    std::vector<RepeatedText> lastTexts(columns.size());
    block.fields = columns.size();
    block.values.resize(static_cast<size_t>(count) * block.fields);
    block.present.assign(static_cast<size_t>(count), false);
    const int own = source.plan->parameterCount();
    for (long start = 0; start < count; start += keysPerStatement) {
        statement->reset();
        statement->bindParameters(*source.parameters, own);
        int parameter = own;
        for (long place = start; place < start + keysPerStatement; ++place) {
            const bool used = place < count;
            const int slot = used ? order[static_cast<size_t>(place)] : -1;
            statement->bindKey(++parameter, slot);
            for (size_t t = 0; t < tables; ++t) {
                const qint64 key = used ? keys[static_cast<size_t>(slot) * tables + t] : NullKey;
                statement->bindKey(++parameter, key == NullKey ? std::nullopt : std::optional(key));
            }
        }
        try {
            while (statement->step()) {
                const qint64 slot = statement->int64(0);
                if (slot < 0 || slot >= count) {
                    continue;
                }
                block.present[static_cast<size_t>(slot)] = true;
                QVariant* values = &block.values[static_cast<size_t>(slot) * block.fields];
                for (size_t c = 0; c < columns.size(); ++c) {
                    const int column = static_cast<int>(c) + 1;
                    values[c] = columns[c].type == FieldType::Text
                                    ? lastTexts[c].read(*statement, column)
                                    : statement->value(column, columns[c].type);
                }
            }
        } catch (...) {
            statement->reset();
            throw;
        }
    }
    statement->reset();
    if (m_blocks.size() >= KeptBlocks) {
        m_blocks.pop_front();
        ++m_generation;
    }
    m_blocks.push_back(std::move(block));
    return m_blocks.back().row(row);
}

} // namespace quillmark
