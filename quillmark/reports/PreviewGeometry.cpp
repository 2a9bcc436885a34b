#include "quillmark/reports/PreviewGeometry.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace quillmark {

namespace {

// Division that rounds down, for rows above the first page too.
int floorDiv(int a, int b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

} // namespace

PreviewGeometry::PreviewGeometry(const QSize& paperTwips, int pageCount, double scale,
                                 int viewWidth)
    : m_page(qMax(1, int(std::lround(paperTwips.width() * scale))),
             qMax(1, int(std::lround(paperTwips.height() * scale)))),
      m_pageCount(qMax(0, pageCount)), m_contentWidth(qMax(viewWidth, m_page.width() + 2 * Gap)) {}

QSize PreviewGeometry::contentSize() const {
    return QSize(m_contentWidth, Gap + m_pageCount * (m_page.height() + Gap));
}

QRect PreviewGeometry::pageRect(int index) const {
    const int left = (m_contentWidth - m_page.width()) / 2;
    return QRect(QPoint(left, Gap + index * (m_page.height() + Gap)), m_page);
}

int PreviewGeometry::pageAt(int y) const {
    if (m_pageCount == 0) {
        return 0;
    }
    const int stride = m_page.height() + Gap;
    return std::clamp(floorDiv(y - Gap / 2, stride), 0, m_pageCount - 1);
}

std::pair<int, int> PreviewGeometry::pagesIn(int top, int bottom) const {
    const int stride = m_page.height() + Gap;
    // A page shows when any of its rows lies within top..bottom.
    const int first = std::max(0, floorDiv(top - Gap - m_page.height(), stride) + 1);
    const int last = std::min(m_pageCount - 1, floorDiv(bottom - Gap, stride));
    return {first, last};
}

double PreviewGeometry::fitWidthScale(const QSize& paperTwips, int viewWidth) {
    return qMax(1, viewWidth - 2 * Gap) / double(qMax(1, paperTwips.width()));
}

double PreviewGeometry::wholePageScale(const QSize& paperTwips, const QSize& view) {
    return qMin(fitWidthScale(paperTwips, view.width()),
                qMax(1, view.height() - 2 * Gap) / double(qMax(1, paperTwips.height())));
}

} // namespace quillmark
