#pragma once

// A report run: a layout bound to its rows. run() reads the rows once
// (groups, sums, grand totals) and lays out the pages; afterwards any page
// can be composed and drawn on its own, reading only that page's rows, and
// "Page N of M" knows M. A layout without detail rows needs no second read.
#include "quillmark/reports/engine/GroupScanner.h"
#include "quillmark/reports/engine/LayoutBinding.h"
#include "quillmark/reports/engine/PageComposer.h"
#include "quillmark/reports/engine/Paginator.h"
#include "quillmark/reports/engine/ReportLayout.h"

#include <QDateTime>
#include <QPointF>

#include <memory>
#include <optional>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace quillmark::report {

class PagePainter;
class RowSource;
class ValueOps;

class Report {
public:
    // The rows and values must outlive the report.
    Report(ReportLayout layout, const RowSource& rows, const ValueOps& values);
    ~Report();

    const ReportLayout& layout() const { return m_layout; }

    // Reads the rows and lays out the pages; "=now()" shows `now` on every
    // page. Throws ReportError for a field the rows lack or a page with no
    // room for its contents.
    void run(const QDateTime& now);

    int pageCount() const { return static_cast<int>(m_pages.size()); }
    const PageRecord& page(int index) const { return m_pages.at(static_cast<size_t>(index)); }
    const ScanResult& scan() const { return m_scan; }

    std::vector<DrawItem> pageItems(int index) const;
    // origin: where the paper's top-left corner falls on the device; scale:
    // device pixels per twip.
    void paintPage(QPainter& painter, int index, const QPointF& origin, double scale) const;
    void paintPage(const PagePainter& pagePainter, QPainter& painter, int index,
                   const QPointF& origin, double scale) const;

    // Draws pages first..last (0-based, all when last is -1), one after the
    // other, on a printer or PDF writer. False when the device cannot be
    // painted on (a printer that is not ready, a file that cannot be made).
    bool print(QPagedPaintDevice& device, int first = 0, int last = -1) const;
    // A PDF file of every page, fonts embedded, titled with the layout's title.
    // An existing file is replaced only once the new one is complete. Throws
    // ReportError when the file cannot be written.
    void writePdf(const QString& fileName) const;

private:
    ReportLayout m_layout;
    const RowSource& m_rows;
    const ValueOps& m_values;
    std::optional<LayoutBinding> m_binding;
    ScanResult m_scan;
    std::vector<PageRecord> m_pages;
    std::unique_ptr<PageComposer> m_composer;
};

} // namespace quillmark::report
