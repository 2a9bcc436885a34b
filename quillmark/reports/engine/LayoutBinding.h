#pragma once

// A layout bound to its rows: where the text of each control comes from, and
// what the one pass over the rows must collect for it (group keys, the
// columns each group and the whole report sum, the values group headers and
// footers show).
#include "quillmark/reports/engine/ReportLayout.h"

#include <array>
#include <vector>

namespace quillmark::report {

class RowSource;

struct ControlSource {
    enum Kind : quint8 {
        Fixed,      // a label's text
        Drawing,    // a line or box
        Row,        // a detail row's value
        GroupFirst, // the value of the group's first row (a group header's field)
        GroupLast,  // the value of the group's last row (a group footer's field)
        GroupSum,
        GrandTotal,
        Now,
        PageNumber,
        PageCount,
    };
    Kind kind = Fixed;
    int column = -1; // Row
    int slot = -1;   // GroupFirst, GroupLast, GroupSum, GrandTotal: index into the collected values
};

struct GroupPlan {
    int keyColumn = -1;
    std::vector<int> sumColumns;
    std::vector<int> firstColumns;
    std::vector<int> lastColumns;
};

struct ScanPlan {
    std::vector<GroupPlan> groups; // the outer group first
    std::vector<int> grandColumns;
};

class LayoutBinding {
public:
    // Throws ReportError for a data field the rows do not have.
    LayoutBinding(const ReportLayout& layout, const RowSource& rows);

    const ScanPlan& plan() const { return m_plan; }
    const ControlSource& source(SectionKind section, size_t control) const {
        return m_sources[static_cast<size_t>(section)][control];
    }

private:
    ControlSource bind(const ReportLayout& layout, const ReportSection& section,
                       const ReportControl& control, const RowSource& rows);

    ScanPlan m_plan;
    std::array<std::vector<ControlSource>, 9> m_sources;
};

} // namespace quillmark::report
