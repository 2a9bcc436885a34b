#include "quillmark/reports/engine/Paginator.h"

#include "quillmark/reports/engine/ReportError.h"

#include <algorithm>
#include <array>

namespace quillmark::report {

namespace {

class Paginator {
public:
    Paginator(const ReportLayout& layout, const ScanResult& scan)
        : m_layout(layout), m_scan(scan), m_top(layout.height(SectionKind::PageHeader)),
          m_bottom(layout.page.printableRect().height() - layout.height(SectionKind::PageFooter)) {
        if (m_bottom <= m_top) {
            throw ReportError(
                QStringLiteral("The page header and footer of the report %1 leave no room for its "
                               "contents.")
                    .arg(layout.name));
        }
        for (int level = 1; level <= layout.groupLevels(); ++level) {
            const ReportSection* header = layout.section(groupHeaderOf(level));
            m_repeats[level - 1] = header->repeatOnNewPage && header->height > 0;
        }
    }

    std::vector<PageRecord> run() {
        startPage();
        add({SectionKind::ReportHeader});
        if (m_scan.groups.empty()) {
            details(0, m_scan.rowCount);
        } else {
            walkGroups();
        }
        add({SectionKind::ReportFooter});
        flush();
        return std::move(m_pages);
    }

private:
    void walkGroups() {
        const std::vector<GroupRun>& outer = m_scan.groups[0];
        size_t inner = 0;
        for (size_t i = 0; i < outer.size(); ++i) {
            openGroup(1, static_cast<long>(i));
            if (m_scan.groups.size() == 1) {
                details(outer[i].firstRow, outer[i].endRow());
            } else {
                inner = walkInnerGroups(inner, outer[i].endRow());
            }
            closeGroup(1, static_cast<long>(i));
        }
    }

    // The inner groups from `next` that lie before row `end`; returns the next one after them.
    size_t walkInnerGroups(size_t next, long end) {
        const std::vector<GroupRun>& runs = m_scan.groups[1];
        for (; next < runs.size() && runs[next].firstRow < end; ++next) {
            openGroup(2, static_cast<long>(next));
            details(runs[next].firstRow, runs[next].endRow());
            closeGroup(2, static_cast<long>(next));
        }
        return next;
    }

    void openGroup(int level, long run) {
        // A header waits for the band after it; a header of the same or an
        // outer level ends the wait of those before it.
        if (std::any_of(m_pending.begin(), m_pending.end(), [level](const PlacedBand& b) {
                return groupLevelOf(b.section) >= level;
            })) {
            flush();
        }
        m_open[level - 1] = run;
        add({groupHeaderOf(level), false, 0, run});
    }

    void closeGroup(int level, long run) {
        add({groupFooterOf(level), false, 0, run});
        m_open[level - 1] = -1;
    }

    void details(long first, long end) {
        if (m_layout.height(SectionKind::Detail) == 0) {
            return;
        }
        for (long row = first; row < end; ++row) {
            add({SectionKind::Detail, false, 0, row});
        }
    }

    void add(const PlacedBand& band) {
        if (m_layout.height(band.section) == 0) {
            return;
        }
        m_pending.push_back(band);
        if (!isGroupHeader(band.section)) {
            flush();
        }
    }

    // Places the waiting bands together on one page when they fit on a fresh one.
    void flush() {
        int total = 0;
        for (const PlacedBand& band : m_pending) {
            total += m_layout.height(band.section);
        }
        if (m_hasContent && m_y + total > m_bottom) {
            startPage();
        }
        for (const PlacedBand& band : m_pending) {
            place(band);
        }
        m_pending.clear();
    }

    void place(PlacedBand band) {
        const int height = m_layout.height(band.section);
        if (m_hasContent && m_y + height > m_bottom) {
            startPage();
        }
        band.y = m_y;
        m_pages.back().bands.push_back(band);
        m_y += height;
        m_hasContent = true;
    }

    void startPage() {
        m_pages.emplace_back();
        m_y = m_top;
        m_hasContent = false;
        for (int level = 1; level <= static_cast<int>(m_scan.groups.size()); ++level) {
            if (m_open[level - 1] >= 0 && m_repeats[level - 1] && !isWaiting(level)) {
                m_pages.back().bands.push_back(
                    {groupHeaderOf(level), true, m_y, m_open[level - 1]});
                m_y += m_layout.height(groupHeaderOf(level));
            }
        }
    }

    // Whether the group's own header is among the bands about to be placed.
    bool isWaiting(int level) const {
        return std::any_of(m_pending.begin(), m_pending.end(), [level](const PlacedBand& b) {
            return b.section == groupHeaderOf(level) && !b.repeated;
        });
    }

    const ReportLayout& m_layout;
    const ScanResult& m_scan;
    const int m_top;
    const int m_bottom;
    std::array<bool, 2> m_repeats{};
    std::array<long, 2> m_open{-1, -1};
    std::vector<PlacedBand> m_pending;
    std::vector<PageRecord> m_pages;
    int m_y = 0;
    bool m_hasContent = false;
};

} // namespace

std::vector<PageRecord> paginate(const ReportLayout& layout, const ScanResult& scan) {
    return Paginator(layout, scan).run();
}

} // namespace quillmark::report
