#pragma once

#include "quillmark/reports/PreviewGeometry.h"

#include <QAbstractScrollArea>

#include <memory>
#include <utility>

namespace quillmark {

namespace report {
class PagePainter;
class Report;
} // namespace report

// The pages of a laid-out report, one below the other, at any zoom. Only the
// pages in view are composed and drawn, each from its page record, so a
// report of thousands of pages shows as soon as one of a single page.
class ReportPageView : public QAbstractScrollArea {
    Q_OBJECT
public:
    enum class ZoomMode { PageWidth, WholePage, Percent };

    explicit ReportPageView(QWidget* parent = nullptr);
    ~ReportPageView() override;

    // The report to show (not owned; it must stay alive while shown, nullptr
    // shows nothing). The view goes back to the first page.
    void setReport(const report::Report* report);
    int pageCount() const;

    ZoomMode zoomMode() const { return m_mode; }
    void setZoomMode(ZoomMode mode);
    // The zoom in effect, in percent of the printed size.
    int zoomPercent() const;
    // 10 to 800 percent.
    void setZoomPercent(int percent);
    void zoomIn();
    void zoomOut();

    // 0-based: the page at the top of the view.
    int currentPage() const;
    void goToPage(int index);

    // The pages drawn by the last paint, first..last (first > last: none).
    std::pair<int, int> lastPaintedPages() const { return m_painted; }

signals:
    void currentPageChanged(int index);
    void zoomChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    PreviewGeometry geometry() const;
    QSize paperTwips() const;
    // View pixels per twip at 100 percent: the page at its printed size.
    double printedScale() const;
    void applyScale(double scale);
    void fitToMode();
    void updateScrollBars();
    void noticeCurrentPage();
    void paintPage(QPainter& painter, int index, const QRect& rect) const;

    const report::Report* m_report = nullptr;
    std::unique_ptr<report::PagePainter> m_pagePainter;
    ZoomMode m_mode = ZoomMode::PageWidth;
    double m_scale = 0.05;
    int m_current = 0;
    std::pair<int, int> m_painted{0, -1};
};

} // namespace quillmark
