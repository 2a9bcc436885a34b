#pragma once

// Lays the bands of a report out on pages, from the layout's section heights
// and the groups found by the scan; no row is read. Group headers stay with
// the band that follows them, a group header that asks for it prints again at
// the top of each page its group goes on to, and the page header and footer
// frame every page.
#include "quillmark/reports/engine/GroupScanner.h"
#include "quillmark/reports/engine/ReportLayout.h"

#include <vector>

namespace quillmark::report {

// A band on a page: the section, its top in twips below the top of the
// printable area, and the detail row or group run it prints.
struct PlacedBand {
    SectionKind section = SectionKind::Detail;
    bool repeated = false; // a group header printed again on a following page
    int y = 0;
    long index = -1;
};

// The body bands of one page, top to bottom.
struct PageRecord {
    std::vector<PlacedBand> bands;
};

// Throws ReportError when the page header and footer leave no room between them.
std::vector<PageRecord> paginate(const ReportLayout& layout, const ScanResult& scan);

} // namespace quillmark::report
