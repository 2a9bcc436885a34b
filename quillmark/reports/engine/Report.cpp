#include "quillmark/reports/engine/Report.h"

#include "quillmark/reports/engine/PagePainter.h"
#include "quillmark/reports/engine/ReportError.h"

#include <QDir>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace quillmark::report {

Report::Report(ReportLayout layout, const RowSource& rows, const ValueOps& values)
    : m_layout(std::move(layout)), m_rows(rows), m_values(values) {}

Report::~Report() = default;

void Report::run(const QDateTime& now) {
    m_composer.reset();
    m_binding.emplace(m_layout, m_rows);
    m_scan = scanRows(m_binding->plan(), m_rows, m_values);
    m_pages = paginate(m_layout, m_scan);
    m_composer = std::make_unique<PageComposer>(ComposerInput{
        m_layout, *m_binding, m_scan, m_rows, m_values, now, static_cast<int>(m_pages.size())});
}

std::vector<DrawItem> Report::pageItems(int index) const {
    return m_composer ? m_composer->compose(index, page(index)) : std::vector<DrawItem>{};
}

void Report::paintPage(QPainter& painter, int index, const QPointF& origin, double scale) const {
    paintPage(PagePainter(m_layout), painter, index, origin, scale);
}

void Report::paintPage(const PagePainter& pagePainter, QPainter& painter, int index,
                       const QPointF& origin, double scale) const {
    pagePainter.paint(painter, pageItems(index), origin, scale);
}

bool Report::print(QPagedPaintDevice& device, int first, int last) const {
    if (last < 0 || last >= pageCount()) {
        last = pageCount() - 1;
    }
    first = qMax(0, first);
    QPainter painter;
    if (first > last || !painter.begin(&device)) {
        return false;
    }
    // The painter starts at the corner of the device's margins; the report
    // places itself on the whole paper.
    const int dpi = device.logicalDpiX();
    const QPointF origin = -QPointF(device.pageLayout().paintRectPixels(dpi).topLeft());
    const double scale = dpi / double(TwipsPerInch);
    const PagePainter pagePainter(m_layout);
    for (int index = first; index <= last; ++index) {
        if (index > first) {
            device.newPage();
        }
        paintPage(pagePainter, painter, index, origin, scale);
    }
    return painter.end();
}

void Report::writePdf(const QString& fileName) const {
    // Written beside the target and put in its place only when complete, so
    // a failure leaves no half file and keeps the file saved before.
    QSaveFile file(fileName);
    const auto cannotSave = [&] {
        return ReportError(QStringLiteral("The report cannot be saved as %1: %2.")
                               .arg(QDir::toNativeSeparators(fileName), file.errorString()));
    };
    if (!file.open(QIODevice::WriteOnly)) {
        throw cannotSave();
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle(m_layout.title);
        writer.setCreator(QStringLiteral("Quillmark"));
        writer.setResolution(TwipsPerInch);
        writer.setPageLayout(m_layout.page.pageLayout());
        if (!print(writer)) {
            throw cannotSave();
        }
    }
    if (!file.commit()) {
        throw cannotSave();
    }
}

} // namespace quillmark::report
