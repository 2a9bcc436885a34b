#pragma once

// Draws composed page items with a QPainter: the one drawing path of the
// preview, the printer and PDF files. Texts that do not fit their box end in
// an ellipsis; sizes follow the scale, so a preview can zoom. Keep one
// painter for a run of pages: it keeps the fonts it has made.
#include "quillmark/reports/engine/PageComposer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPointF>

#include <array>
#include <unordered_map>
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
    // A font with its metrics and the widths of its ASCII characters.
    struct Lettering {
        QFont font;
        QFontMetricsF metrics;
        std::array<qreal, 128> ascii{};
    };
    const Lettering& letteringFor(const ReportControl& control, double scale) const;
    static QString fitted(const QString& text, const Lettering& lettering, qreal width);

    const ReportLayout& m_layout;
    // Fonts for the scale of the last page: one per distinct font, found by control.
    mutable std::unordered_map<QString, Lettering> m_letterings;
    mutable std::unordered_map<const ReportControl*, const Lettering*> m_byControl;
    mutable double m_scale = 0;
};

} // namespace quillmark::report
