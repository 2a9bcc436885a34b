#pragma once

// Laid-out pages as text, one line per drawn item: the page number, the
// section, what is drawn and where in twips from the paper's corner, e.g.
//   2 Detail "Lunch" 2520,3600
//   2 Detail "12.35" 9360,3600 right
//   2 GroupFooter1 line 1080,4000 11160,4000
// so tests can compare whole pages with small expected files.
#include <QString>

namespace quillmark::report {

class Report;
struct DrawItem;

QString dumpItem(int pageNumber, const DrawItem& item);
// Pages first..last (0-based; all when last is -1), each line ending in "\n".
QString dumpPages(const Report& report, int first = 0, int last = -1);

} // namespace quillmark::report
