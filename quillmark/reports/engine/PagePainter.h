#pragma once

// Draws composed page items with a QPainter: the one drawing path of the
// preview, the printer and PDF files. Texts that do not fit their box end in
// an ellipsis; sizes follow the scale, so a preview can zoom.
#include "quillmark/reports/engine/PageComposer.h"

#include <QFont>
#include <QPointF>

#include <vector>

class QPainter;

namespace quillmark::report {

class PagePainter {
public:
    explicit PagePainter(const ReportLayout& layout) : m_layout(layout) {}

    // origin: where the paper's top-left corner falls on the device; scale:
    // device pixels per twip.
    void paint(QPainter& painter, const std::vector<DrawItem>& items, const QPointF& origin,
               double scale) const;

    // The control's font (or the layout's) at the size it has at this scale.
    QFont fontFor(const ReportControl& control, double scale) const;

private:
    const ReportLayout& m_layout;
};

} // namespace quillmark::report
