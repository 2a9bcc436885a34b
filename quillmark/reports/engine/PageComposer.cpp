#include "quillmark/reports/engine/PageComposer.h"

#include "quillmark/reports/engine/RowSource.h"
#include "quillmark/reports/engine/ValueOps.h"

namespace quillmark::report {

std::vector<DrawItem> PageComposer::compose(int pageIndex, const PageRecord& page) const {
    std::vector<DrawItem> items;
    const QRect printable = m_in.layout.page.printableRect();
    if (const ReportSection* header = m_in.layout.section(SectionKind::PageHeader)) {
        addBand(items, *header, 0, -1, pageIndex);
    }
    for (const PlacedBand& band : page.bands) {
        addBand(items, *m_in.layout.section(band.section), band.y, band.index, pageIndex);
    }
    if (const ReportSection* footer = m_in.layout.section(SectionKind::PageFooter)) {
        addBand(items, *footer, printable.height() - footer->height, -1, pageIndex);
    }
    return items;
}

void PageComposer::addBand(std::vector<DrawItem>& items, const ReportSection& section, int y,
                           long index, int pageIndex) const {
    const QPoint origin = m_in.layout.page.printableRect().topLeft() + QPoint(0, y);
    for (size_t i = 0; i < section.controls.size(); ++i) {
        const ReportControl& control = section.controls[i];
        DrawItem item;
        item.section = section.kind;
        item.control = &control;
        switch (control.kind) {
        case ControlKind::Line:
            item.kind = DrawItem::Kind::Line;
            item.line = control.line.translated(origin);
            break;
        case ControlKind::Box:
            item.kind = DrawItem::Kind::Box;
            item.rect = control.rect.translated(origin);
            break;
        default:
            item.text = textOf(control, m_in.binding.source(section.kind, i), section.kind, index,
                               pageIndex);
            if (item.text.isEmpty()) {
                continue;
            }
            item.rect = control.rect.translated(origin);
            break;
        }
        items.push_back(std::move(item));
    }
}

QString PageComposer::textOf(const ReportControl& control, const ControlSource& source,
                             SectionKind section, long index, int pageIndex) const {
    const auto groupRun = [&]() -> const GroupRun& {
        return m_in.scan
            .groups[static_cast<size_t>(groupLevelOf(section) - 1)][static_cast<size_t>(index)];
    };
    const auto slot = static_cast<size_t>(source.slot);
    QVariant value;
    switch (source.kind) {
    case ControlSource::Fixed:
    case ControlSource::Drawing:
        return control.text;
    case ControlSource::Row:
        value = m_in.rows.value(index, source.column);
        break;
    case ControlSource::GroupFirst:
        value = groupRun().first[slot];
        break;
    case ControlSource::GroupLast:
        value = groupRun().last[slot];
        break;
    case ControlSource::GroupSum:
        value = groupRun().sums[slot];
        break;
    case ControlSource::GrandTotal:
        value = m_in.scan.grandTotals[slot];
        break;
    case ControlSource::Now:
        value = m_in.now;
        break;
    case ControlSource::PageNumber:
        value = pageIndex + 1;
        break;
    case ControlSource::PageCount:
        value = m_in.pageCount;
        break;
    }
    return m_in.values.text(value, control.format);
}

} // namespace quillmark::report
