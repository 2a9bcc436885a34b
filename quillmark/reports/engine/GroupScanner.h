#pragma once

// The one pass over the rows: the runs of equal group keys at each level with
// their sums and the values their headers and footers show, the grand totals
// and the row count. It reads every row once, in order, and keeps memory in
// proportion to the number of groups, not rows.
#include "quillmark/reports/engine/LayoutBinding.h"

#include <QVariant>

#include <vector>

namespace quillmark::report {

class RowSource;
class ValueOps;

// Consecutive rows with the same key; a change of an outer key ends the inner
// group as well.
struct GroupRun {
    long firstRow = 0;
    long rowCount = 0;
    std::vector<QVariant> sums;  // by GroupPlan::sumColumns
    std::vector<QVariant> first; // by GroupPlan::firstColumns
    std::vector<QVariant> last;  // by GroupPlan::lastColumns

    long endRow() const { return firstRow + rowCount; }
};

struct ScanResult {
    long rowCount = 0;
    std::vector<std::vector<GroupRun>> groups; // by level, the outer group first
    std::vector<QVariant> grandTotals;         // by ScanPlan::grandColumns
};

ScanResult scanRows(const ScanPlan& plan, const RowSource& rows, const ValueOps& values);

} // namespace quillmark::report
