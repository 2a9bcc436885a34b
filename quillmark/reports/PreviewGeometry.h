#pragma once

// Where the pages of a report preview stand: one column of equal pages, top
// to bottom, with a gap around each, centred when the view is wider. All in
// view pixels; no painting, so the arithmetic is tested on its own.
#include <QRect>
#include <QSize>

#include <utility>

namespace quillmark {

class PreviewGeometry {
public:
    static constexpr int Gap = 16;

    // paperTwips: the size of one page; scale: view pixels per twip.
    PreviewGeometry(const QSize& paperTwips, int pageCount, double scale, int viewWidth);

    QSize pageSize() const { return m_page; }
    QSize contentSize() const;
    QRect pageRect(int index) const;
    // The first and last page that content rows top..bottom show; first is
    // greater than last when they show none.
    std::pair<int, int> pagesIn(int top, int bottom) const;
    // The page at content row y (the nearest one in a gap or beyond the ends).
    int pageAt(int y) const;

    // Scales at which a page fills the view's width, or shows whole in it.
    static double fitWidthScale(const QSize& paperTwips, int viewWidth);
    static double wholePageScale(const QSize& paperTwips, const QSize& view);

private:
    QSize m_page;
    int m_pageCount;
    int m_contentWidth;
};

} // namespace quillmark
