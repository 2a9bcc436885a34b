#include "quillmark/reports/engine/GroupScanner.h"

#include "quillmark/reports/engine/RowSource.h"
#include "quillmark/reports/engine/ValueOps.h"

#include <algorithm>

namespace quillmark::report {

namespace {

class Scanner {
public:
    Scanner(const ScanPlan& plan, const RowSource& rows, const ValueOps& values)
        : m_plan(plan), m_rows(rows), m_values(values) {
        // Each column is read once per row, however many sums use it.
        for (const GroupPlan& group : plan.groups) {
            m_keySlots.push_back(slotOf(group.keyColumn));
            std::vector<size_t> sums;
            for (int column : group.sumColumns) {
                sums.push_back(slotOf(column));
            }
            m_sumSlots.push_back(sums);
        }
        for (int column : plan.grandColumns) {
            m_grandSlots.push_back(slotOf(column));
        }
        m_current.resize(m_columns.size());
        m_keys.resize(plan.groups.size());
    }

    ScanResult run() {
        m_result.rowCount = m_rows.rowCount();
        m_result.groups.resize(m_plan.groups.size());
        m_result.grandTotals.assign(m_plan.grandColumns.size(), m_values.zero());
        for (long row = 0; row < m_result.rowCount; ++row) {
            readRow(row);
            const size_t changed = changedLevel(row);
            for (size_t level = changed; level < m_plan.groups.size(); ++level) {
                if (row > 0) {
                    closeRun(level, row - 1);
                }
                openRun(level, row);
            }
            addRow();
        }
        for (size_t level = 0; level < m_plan.groups.size(); ++level) {
            if (m_result.rowCount > 0) {
                closeRun(level, m_result.rowCount - 1);
            }
        }
        return std::move(m_result);
    }

private:
    size_t slotOf(int column) {
        const auto it = std::find(m_columns.begin(), m_columns.end(), column);
        if (it != m_columns.end()) {
            return static_cast<size_t>(it - m_columns.begin());
        }
        m_columns.push_back(column);
        return m_columns.size() - 1;
    }

    void readRow(long row) {
        for (size_t i = 0; i < m_columns.size(); ++i) {
            m_current[i] = m_rows.value(row, m_columns[i]);
        }
    }

    // The outermost level whose key differs from the previous row's (every
    // level on the first row); the number of levels when none changed.
    size_t changedLevel(long row) {
        size_t changed = m_plan.groups.size();
        for (size_t level = 0; level < m_plan.groups.size(); ++level) {
            const QVariant& key = m_current[m_keySlots[level]];
            if (changed == m_plan.groups.size() && (row == 0 || key != m_keys[level])) {
                changed = level;
            }
            m_keys[level] = key;
        }
        return changed;
    }

    void openRun(size_t level, long row) {
        const GroupPlan& group = m_plan.groups[level];
        GroupRun run;
        run.firstRow = row;
        run.sums.assign(group.sumColumns.size(), m_values.zero());
        for (int column : group.firstColumns) {
            run.first.push_back(m_rows.value(row, column));
        }
        m_result.groups[level].push_back(std::move(run));
    }

    void closeRun(size_t level, long lastRow) {
        GroupRun& run = m_result.groups[level].back();
        for (int column : m_plan.groups[level].lastColumns) {
            run.last.push_back(m_rows.value(lastRow, column));
        }
    }

    void addRow() {
        for (size_t level = 0; level < m_plan.groups.size(); ++level) {
            GroupRun& run = m_result.groups[level].back();
            ++run.rowCount;
            for (size_t i = 0; i < run.sums.size(); ++i) {
                m_values.add(run.sums[i], m_current[m_sumSlots[level][i]]);
            }
        }
        for (size_t i = 0; i < m_grandSlots.size(); ++i) {
            m_values.add(m_result.grandTotals[i], m_current[m_grandSlots[i]]);
        }
    }

    const ScanPlan& m_plan;
    const RowSource& m_rows;
    const ValueOps& m_values;
    std::vector<int> m_columns; // read on every row
    std::vector<size_t> m_keySlots;
    std::vector<std::vector<size_t>> m_sumSlots;
    std::vector<size_t> m_grandSlots;
    std::vector<QVariant> m_current;
    std::vector<QVariant> m_keys;
    ScanResult m_result;
};

} // namespace

ScanResult scanRows(const ScanPlan& plan, const RowSource& rows, const ValueOps& values) {
    return Scanner(plan, rows, values).run();
}

} // namespace quillmark::report
