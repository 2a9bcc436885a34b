#include "quillmark/reports/ReportPageView.h"

#include "quillmark/reports/engine/PagePainter.h"
#include "quillmark/reports/engine/Report.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <exception>

namespace quillmark {

namespace {

constexpr int ZoomSteps[] = {10, 25, 50, 75, 100, 125, 150, 200, 300, 400, 800};
const QColor DeskColor(0x80, 0x80, 0x80);
const QColor PageShadow(0x50, 0x50, 0x50);

} // namespace

ReportPageView::ReportPageView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(false);
    verticalScrollBar()->setSingleStep(40);
    horizontalScrollBar()->setSingleStep(40);
}

ReportPageView::~ReportPageView() = default;

void ReportPageView::setReport(const report::Report* report) {
    m_report = report;
    m_pagePainter = report ? std::make_unique<report::PagePainter>(report->layout()) : nullptr;
    m_current = 0;
    fitToMode();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
    noticeCurrentPage();
    emit currentPageChanged(0);
}

int ReportPageView::pageCount() const {
    return m_report ? m_report->pageCount() : 0;
}

QSize ReportPageView::paperTwips() const {
    return m_report ? m_report->layout().page.paperSize() : QSize(12240, 15840);
}

double ReportPageView::printedScale() const {
    return logicalDpiX() / double(report::TwipsPerInch);
}

PreviewGeometry ReportPageView::geometry() const {
    return PreviewGeometry(paperTwips(), pageCount(), m_scale, viewport()->width());
}

int ReportPageView::zoomPercent() const {
    return int(std::lround(m_scale / printedScale() * 100));
}

void ReportPageView::setZoomMode(ZoomMode mode) {
    m_mode = mode;
    fitToMode();
}

void ReportPageView::setZoomPercent(int percent) {
    m_mode = ZoomMode::Percent;
    applyScale(std::clamp(percent, 10, 800) / 100.0 * printedScale());
}

void ReportPageView::zoomIn() {
    const int now = zoomPercent();
    const auto next = std::find_if(std::begin(ZoomSteps), std::end(ZoomSteps),
                                   [now](int step) { return step > now; });
    setZoomPercent(next == std::end(ZoomSteps) ? ZoomSteps[std::size(ZoomSteps) - 1] : *next);
}

void ReportPageView::zoomOut() {
    const int now = zoomPercent();
    int previous = ZoomSteps[0];
    for (int step : ZoomSteps) {
        if (step < now) {
            previous = step;
        }
    }
    setZoomPercent(previous);
}

void ReportPageView::fitToMode() {
    if (m_mode == ZoomMode::PageWidth) {
        applyScale(PreviewGeometry::fitWidthScale(paperTwips(), viewport()->width()));
    } else if (m_mode == ZoomMode::WholePage) {
        applyScale(PreviewGeometry::wholePageScale(paperTwips(), viewport()->size()));
    } else {
        updateScrollBars();
    }
}

// A new scale keeps the same place of the current page at the top of the
// view, measured from the gap above it (where going to a page puts the top).
void ReportPageView::applyScale(double scale) {
    const PreviewGeometry before = geometry();
    const int top = verticalScrollBar()->value();
    const int page = m_current;
    const auto aboveOf = [page](const PreviewGeometry& pages) {
        return pages.pageRect(page).top() - PreviewGeometry::Gap;
    };
    const double within = (top - aboveOf(before)) / double(before.pageSize().height());
    const bool changed = !qFuzzyCompare(scale, m_scale);
    m_scale = scale;
    updateScrollBars();
    const PreviewGeometry after = geometry();
    verticalScrollBar()->setValue(aboveOf(after) +
                                  int(std::lround(within * after.pageSize().height())));
    viewport()->update();
    if (changed) {
        emit zoomChanged();
    }
}

void ReportPageView::updateScrollBars() {
    const QSize content = geometry().contentSize();
    const QSize view = viewport()->size();
    verticalScrollBar()->setRange(0, qMax(0, content.height() - view.height()));
    verticalScrollBar()->setPageStep(view.height());
    horizontalScrollBar()->setRange(0, qMax(0, content.width() - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
}

int ReportPageView::currentPage() const {
    return m_current;
}

void ReportPageView::goToPage(int index) {
    if (pageCount() == 0) {
        return;
    }
    index = std::clamp(index, 0, pageCount() - 1);
    verticalScrollBar()->setValue(geometry().pageRect(index).top() - PreviewGeometry::Gap);
    // At the end of the scroll range the top shows an earlier page; the page
    // asked for is still the one the user is on.
    m_current = index;
    emit currentPageChanged(m_current);
}

void ReportPageView::noticeCurrentPage() {
    const PreviewGeometry pages = geometry();
    const int top = verticalScrollBar()->value();
    // At the end of the range the last pages cannot reach the top: the page
    // the user went to stays current while it is in view.
    if (top > 0 && top == verticalScrollBar()->maximum()) {
        const auto [first, last] = pages.pagesIn(top, top + viewport()->height() - 1);
        if (m_current >= first && m_current <= last) {
            return;
        }
    }
    const int page = pages.pageAt(top + PreviewGeometry::Gap);
    if (page != m_current) {
        m_current = page;
        emit currentPageChanged(m_current);
    }
}

void ReportPageView::scrollContentsBy(int, int) {
    viewport()->update();
    noticeCurrentPage();
}

void ReportPageView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    fitToMode();
}

void ReportPageView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Home) {
        goToPage(0);
    } else if (event->key() == Qt::Key_End) {
        goToPage(pageCount() - 1);
    } else {
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void ReportPageView::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        event->angleDelta().y() > 0 ? zoomIn() : zoomOut();
        event->accept();
    } else {
        QAbstractScrollArea::wheelEvent(event);
    }
}

void ReportPageView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), DeskColor);
    const PreviewGeometry pages = geometry();
    const QPoint scrolled(horizontalScrollBar()->value(), verticalScrollBar()->value());
    m_painted = pages.pagesIn(scrolled.y(), scrolled.y() + viewport()->height() - 1);
    for (int index = m_painted.first; index <= m_painted.second; ++index) {
        paintPage(painter, index, pages.pageRect(index).translated(-scrolled));
    }
}

void ReportPageView::paintPage(QPainter& painter, int index, const QRect& rect) const {
    painter.fillRect(rect.translated(3, 3), PageShadow);
    painter.fillRect(rect, Qt::white);
    painter.save();
    painter.setClipRect(rect);
    try {
        m_report->paintPage(*m_pagePainter, painter, index, rect.topLeft(), m_scale);
    } catch (const std::exception& error) {
        // A page whose rows cannot be read says so where it would stand.
        painter.setPen(Qt::darkRed);
        painter.drawText(
            rect.adjusted(20, 20, -20, -20), Qt::AlignTop | Qt::TextWordWrap,
            QStringLiteral("This page cannot be shown: %1").arg(QString::fromUtf8(error.what())));
    }
    painter.restore();
}

} // namespace quillmark
