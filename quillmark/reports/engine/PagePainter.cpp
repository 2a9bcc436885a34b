#include "quillmark/reports/engine/PagePainter.h"

#include <QPainter>
#include <QPen>

namespace quillmark::report {

namespace {

constexpr double TwipsPerPoint = 20.0;

class DeviceMap {
public:
    DeviceMap(const QPointF& origin, double scale) : m_origin(origin), m_scale(scale) {}
    QPointF point(const QPoint& twips) const { return m_origin + QPointF(twips) * m_scale; }
    QRectF rect(const QRect& twips) const {
        return QRectF(point(twips.topLeft()), QSizeF(twips.size()) * m_scale);
    }
    double length(int twips) const { return twips * m_scale; }

private:
    QPointF m_origin;
    double m_scale;
};

QPen penOf(const ReportControl& control, const DeviceMap& map) {
    QPen pen(control.penColor, map.length(control.penWidth));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

} // namespace

QFont PagePainter::fontFor(const ReportControl& control, double scale) const {
    const FontSpec& own = control.font;
    QFont font(own.family.isEmpty() ? m_layout.font.family : own.family);
    const double points = own.pointSize > 0 ? own.pointSize : m_layout.font.pointSize;
    font.setPixelSize(qMax(1, qRound(points * TwipsPerPoint * scale)));
    font.setBold(own.bold || m_layout.font.bold);
    font.setItalic(own.italic);
    // The same glyph widths at every zoom, so the preview shows what prints.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

const PagePainter::Lettering& PagePainter::letteringFor(const ReportControl& control,
                                                        double scale) const {
    if (scale != m_scale) {
        m_byControl.clear();
        m_letterings.clear();
        m_scale = scale;
    }
    const Lettering*& known = m_byControl[&control];
    if (!known) {
        const QFont font = fontFor(control, scale);
        // Sizes are in device pixels, so the metrics hold on any device.
        auto [it, added] =
            m_letterings.try_emplace(font.key(), Lettering{font, QFontMetricsF(font)});
        if (added) {
            for (char16_t c = 0; c < it->second.ascii.size(); ++c) {
                it->second.ascii[c] = it->second.metrics.horizontalAdvance(QChar(c));
            }
        }
        known = &it->second;
    }
    return *known;
}

// The text, or as much of it as fits followed by an ellipsis. Most texts fit
// by the sum of their characters' widths, which costs less than laying them out.
QString PagePainter::fitted(const QString& text, const Lettering& lettering, qreal width) {
    qreal sum = 0;
    for (const QChar c : text) {
        sum += c.unicode() < lettering.ascii.size() ? lettering.ascii[c.unicode()]
                                                    : lettering.metrics.horizontalAdvance(c);
    }
    return sum <= width * 0.98 ? text : lettering.metrics.elidedText(text, Qt::ElideRight, width);
}

void PagePainter::paint(QPainter& painter, const std::vector<DrawItem>& items,
                        const QPointF& origin, double scale) const {
    const DeviceMap map(origin, scale);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const Lettering* current = nullptr;
    for (const DrawItem& item : items) {
        const ReportControl& control = *item.control;
        switch (item.kind) {
        case DrawItem::Kind::Line:
            painter.setPen(penOf(control, map));
            painter.drawLine(map.point(item.line.p1()), map.point(item.line.p2()));
            break;
        case DrawItem::Kind::Box:
            painter.setPen(control.penWidth > 0 ? penOf(control, map) : QPen(Qt::NoPen));
            painter.setBrush(control.fill.isValid() ? QBrush(control.fill) : QBrush(Qt::NoBrush));
            painter.drawRect(map.rect(item.rect));
            break;
        case DrawItem::Kind::Text: {
            const Lettering& lettering = letteringFor(control, scale);
            if (&lettering != current) {
                painter.setFont(lettering.font);
                current = &lettering;
            }
            if (painter.pen().color() != control.penColor ||
                painter.pen().style() != Qt::SolidLine) {
                painter.setPen(control.penColor);
            }
            const QRectF box = map.rect(item.rect);
            painter.drawText(box, int(control.alignment | Qt::AlignVCenter | Qt::TextSingleLine),
                             fitted(item.text, lettering, box.width()));
            break;
        }
        }
    }
    painter.restore();
}

} // namespace quillmark::report
