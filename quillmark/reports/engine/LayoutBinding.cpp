#include "quillmark/reports/engine/LayoutBinding.h"

#include "quillmark/reports/engine/ReportError.h"
#include "quillmark/reports/engine/RowSource.h"

#include <algorithm>

namespace quillmark::report {

namespace {

int columnOf(const RowSource& rows, const QString& field, const ReportLayout& layout) {
    const int column = rows.columnIndex(field);
    if (column < 0) {
        throw ReportError(
            QStringLiteral("The report %1 needs the field %2, which its rows do not have.")
                .arg(layout.name, field));
    }
    return column;
}

// The slot of a column in a list of collected columns, added when new.
int slotOf(std::vector<int>& columns, int column) {
    const auto it = std::find(columns.begin(), columns.end(), column);
    if (it != columns.end()) {
        return static_cast<int>(it - columns.begin());
    }
    columns.push_back(column);
    return static_cast<int>(columns.size() - 1);
}

} // namespace

LayoutBinding::LayoutBinding(const ReportLayout& layout, const RowSource& rows) {
    for (int level = 1; level <= layout.groupLevels(); ++level) {
        GroupPlan group;
        group.keyColumn = columnOf(rows, layout.section(groupHeaderOf(level))->groupField, layout);
        m_plan.groups.push_back(group);
    }
    for (const ReportSection& section : layout.sections) {
        auto& sources = m_sources[static_cast<size_t>(section.kind)];
        for (const ReportControl& control : section.controls) {
            sources.push_back(bind(layout, section, control, rows));
        }
    }
}

ControlSource LayoutBinding::bind(const ReportLayout& layout, const ReportSection& section,
                                  const ReportControl& control, const RowSource& rows) {
    const int level = groupLevelOf(section.kind);
    switch (control.kind) {
    case ControlKind::Label:
        return {ControlSource::Fixed};
    case ControlKind::Line:
    case ControlKind::Box:
        return {ControlSource::Drawing};
    case ControlKind::PageNumber:
        return {ControlSource::PageNumber};
    case ControlKind::PageCount:
        return {ControlSource::PageCount};
    case ControlKind::Field:
        break;
    case ControlKind::Sum: {
        const int column = columnOf(rows, control.dataField, layout);
        if (control.scope == SumScope::Report) {
            return {ControlSource::GrandTotal, -1, slotOf(m_plan.grandColumns, column)};
        }
        return {ControlSource::GroupSum, -1, slotOf(m_plan.groups[level - 1].sumColumns, column)};
    }
    }
    if (control.isNow()) {
        return {ControlSource::Now};
    }
    const int column = columnOf(rows, control.dataField, layout);
    if (level == 0) {
        return {ControlSource::Row, column};
    }
    GroupPlan& group = m_plan.groups[level - 1];
    if (isGroupHeader(section.kind)) {
        return {ControlSource::GroupFirst, -1, slotOf(group.firstColumns, column)};
    }
    return {ControlSource::GroupLast, -1, slotOf(group.lastColumns, column)};
}

} // namespace quillmark::report
