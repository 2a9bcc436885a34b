#include "core/platform/Win32Text.h"

#include "core/platform/GdiTable_p.h"
#include "core/platform/SysColors.h"
#include "core/platform/Win32Gdi.h"
#include "core/platform/Win32Rect.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace lumokit {

namespace {

// A line as drawn: prefixes removed, the characters to underline noted.
struct DisplayLine {
    QString text;
    std::vector<int> underlined;
};

DisplayLine stripPrefixes(const QString& raw, bool noPrefix) {
    DisplayLine line;
    if (noPrefix) {
        line.text = raw;
        return line;
    }
    for (int i = 0; i < raw.size(); ++i) {
        if (raw[i] != QLatin1Char('&')) {
            line.text.append(raw[i]);
            continue;
        }
        if (i + 1 >= raw.size()) {
            break; // a trailing prefix marks nothing
        }
        ++i;
        if (raw[i] != QLatin1Char('&')) {
            line.underlined.push_back(static_cast<int>(line.text.size()));
        }
        line.text.append(raw[i]);
    }
    return line;
}

QStringList splitLines(const QString& text, UINT format) {
    if (format & DT_SINGLELINE) {
        QString single = text;
        single.remove(QLatin1Char('\r'));
        single.remove(QLatin1Char('\n'));
        return {single};
    }
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return normalised.split(QLatin1Char('\n'));
}

// Widths and heights of text in the context's font, or of Marlett cells.
class TextMeasure {
public:
    TextMeasure(const QFont& font, QImage* surface, bool expandTabs)
        // Marlett cells are measured by the em alone: no metrics of a face
        // the desktop lacks (finding its stand-in is slow).
        : m_font(mappedFont(font)), m_metrics(isMarlett(font) ? QFont() : m_font, surface),
          m_marlett(isMarlett(font)), m_expandTabs(expandTabs) {
        const double dpi = surface ? surface->logicalDpiY() : 96.0;
        m_em = font.pixelSize() > 0 ? font.pixelSize()
                                    : static_cast<int>(std::lround(font.pointSizeF() * dpi / 72.0));
        m_em = std::max(m_em, 1);
        if (m_expandTabs) { // the average width is not free to find
            m_tabWidth = std::max(1, 8 * m_metrics.averageCharWidth());
        }
    }

    const QFont& font() const { return m_font; }
    bool marlett() const { return m_marlett; }
    int em() const { return m_em; }
    int lineHeight() const { return m_marlett ? m_em : m_metrics.height(); }
    int ascent() const { return m_metrics.ascent(); }
    const QFontMetrics& metrics() const { return m_metrics; }

    int advance(const QString& text) const {
        if (m_marlett) {
            return static_cast<int>(text.size()) * m_em;
        }
        if (!m_expandTabs || !text.contains(QLatin1Char('\t'))) {
            return m_metrics.horizontalAdvance(text);
        }
        int x = 0;
        const QStringList parts = text.split(QLatin1Char('\t'));
        for (int i = 0; i < parts.size(); ++i) {
            x += m_metrics.horizontalAdvance(parts[i]);
            if (i + 1 < parts.size()) {
                x = (x / m_tabWidth + 1) * m_tabWidth;
            }
        }
        return x;
    }

    int tabWidth() const { return m_tabWidth; }
    bool expandTabs() const { return m_expandTabs; }

private:
    QFont m_font;
    QFontMetrics m_metrics;
    bool m_marlett;
    bool m_expandTabs;
    int m_em = 1;
    int m_tabWidth = 1;
};

// Breaks a line at spaces so that each piece fits the width; a word wider
// than the width keeps a line of its own.
std::vector<DisplayLine> wrapLine(const DisplayLine& line, int width, const TextMeasure& measure) {
    std::vector<DisplayLine> pieces;
    const QString& text = line.text;
    int start = 0;
    while (start < text.size()) {
        int end = static_cast<int>(text.size());
        if (measure.advance(text.mid(start)) > width) {
            int lastFit = -1;
            for (int i = start + 1; i <= text.size(); ++i) {
                const bool boundary = i == text.size() || text[i] == QLatin1Char(' ');
                if (boundary && measure.advance(text.mid(start, i - start)) <= width) {
                    lastFit = i;
                } else if (boundary && lastFit >= 0) {
                    break;
                } else if (boundary) {
                    lastFit = i; // an over-long word stands alone
                    break;
                }
            }
            end = lastFit < 0 ? static_cast<int>(text.size()) : lastFit;
        }
        DisplayLine piece;
        piece.text = text.mid(start, end - start);
        for (int index : line.underlined) {
            if (index >= start && index < end) {
                piece.underlined.push_back(index - start);
            }
        }
        pieces.push_back(piece);
        start = end;
        while (start < text.size() && text[start] == QLatin1Char(' ')) {
            ++start;
        }
    }
    if (pieces.empty()) {
        pieces.push_back(DisplayLine{});
    }
    return pieces;
}

void elide(DisplayLine& line, int width, const TextMeasure& measure) {
    if (measure.advance(line.text) <= width) {
        return;
    }
    const QString dots = QStringLiteral("...");
    QString kept = line.text;
    while (!kept.isEmpty() && measure.advance(kept + dots) > width) {
        kept.chop(1);
    }
    std::erase_if(line.underlined, [&](int index) { return index >= kept.size(); });
    line.text = kept + dots;
}

void fillExact(QPainter& painter, const QRect& area, const QColor& color) {
    if (!area.isEmpty()) {
        painter.fillRect(area, color);
    }
}

// Marlett symbols: arrows, size grip, close cross; others draw nothing.
void drawMarlettGlyph(QPainter& painter, QChar symbol, const QRect& cell, const QColor& color) {
    const int em = cell.width();
    int base = std::max(3, em / 2);
    if (base % 2 == 0) {
        --base;
    }
    const int depth = (base + 1) / 2;
    const int left = cell.left() + (em - base) / 2;
    const int top = cell.top() + (em - depth) / 2;
    const int sideLeft = cell.left() + (em - depth) / 2;
    const int sideTop = cell.top() + (em - base) / 2;
    switch (symbol.unicode()) {
    case '6': // down
        for (int r = 0; r < depth; ++r) {
            fillExact(painter, QRect(left + r, top + r, base - 2 * r, 1), color);
        }
        break;
    case '5': // up
        for (int r = 0; r < depth; ++r) {
            fillExact(painter, QRect(left + r, top + depth - 1 - r, base - 2 * r, 1), color);
        }
        break;
    case '4': // right
        for (int c = 0; c < depth; ++c) {
            fillExact(painter, QRect(sideLeft + c, sideTop + c, 1, base - 2 * c), color);
        }
        break;
    case '3': // left
        for (int c = 0; c < depth; ++c) {
            fillExact(painter, QRect(sideLeft + depth - 1 - c, sideTop + c, 1, base - 2 * c),
                      color);
        }
        break;
    case 'o':   // size grip, light strokes
    case 'p': { // size grip, dark strokes
        const int offset = symbol == QLatin1Char('o') ? 0 : 1;
        const int strokes = symbol == QLatin1Char('o') ? 1 : 2;
        for (int k = 0; k < 3; ++k) {
            const int distance = std::max(1, em * (4 * k + 3) / 13) + offset;
            for (int s = 0; s < strokes; ++s) {
                const int d = distance + s;
                for (int i = 0; i < d && i < em; ++i) {
                    fillExact(painter, QRect(cell.right() - i, cell.bottom() - (d - 1 - i), 1, 1),
                              color);
                }
            }
        }
        break;
    }
    case 'r': { // close cross
        const int size = std::max(3, em / 2);
        const int x0 = cell.left() + (em - size) / 2;
        const int y0 = cell.top() + (em - size) / 2;
        for (int i = 0; i < size; ++i) {
            fillExact(painter, QRect(x0 + i, y0 + i, 1, 1), color);
            fillExact(painter, QRect(x0 + size - 1 - i, y0 + i, 1, 1), color);
        }
        break;
    }
    default:
        break;
    }
}

void drawLine(QPainter& painter, const DisplayLine& line, int x, int y, const TextMeasure& measure,
              const QColor& color) {
    if (measure.marlett()) {
        for (int i = 0; i < line.text.size(); ++i) {
            drawMarlettGlyph(painter, line.text[i],
                             QRect(x + i * measure.em(), y, measure.em(), measure.em()), color);
        }
        return;
    }
    painter.setPen(color);
    const int baseline = y + measure.ascent();
    if (measure.expandTabs() && line.text.contains(QLatin1Char('\t'))) {
        int cursor = 0;
        const QStringList parts = line.text.split(QLatin1Char('\t'));
        for (int i = 0; i < parts.size(); ++i) {
            painter.drawText(QPoint(x + cursor, baseline), parts[i]);
            cursor += measure.metrics().horizontalAdvance(parts[i]);
            if (i + 1 < parts.size()) {
                cursor = (cursor / measure.tabWidth() + 1) * measure.tabWidth();
            }
        }
    } else {
        painter.drawText(QPoint(x, baseline), line.text);
    }
    const QFontMetrics& fm = measure.metrics();
    for (int index : line.underlined) {
        const int start = x + measure.advance(line.text.left(index));
        const int width = measure.advance(line.text.left(index + 1)) - (start - x);
        fillExact(painter,
                  QRect(start, baseline + fm.underlinePos(), width, std::max(1, fm.lineWidth())),
                  color);
    }
}

std::vector<DisplayLine> layoutLines(const QString& text, UINT format, int width,
                                     const TextMeasure& measure) {
    std::vector<DisplayLine> lines;
    for (const QString& raw : splitLines(text, format)) {
        DisplayLine line = stripPrefixes(raw, format & DT_NOPREFIX);
        if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE)) {
            for (DisplayLine& piece : wrapLine(line, width, measure)) {
                lines.push_back(std::move(piece));
            }
        } else {
            lines.push_back(std::move(line));
        }
    }
    if (format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS)) {
        for (DisplayLine& line : lines) {
            elide(line, width, measure);
        }
    }
    return lines;
}

} // namespace

QFont mappedFont(const QFont& font) {
    const QString family = font.family();
    if (family.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0 ||
        family.compare(QLatin1String("Microsoft Sans Serif"), Qt::CaseInsensitive) == 0) {
        QFont mapped = font;
        mapped.setFamily(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
        return mapped;
    }
    return font;
}

bool isMarlett(const QFont& font) {
    return font.family().compare(QLatin1String("Marlett"), Qt::CaseInsensitive) == 0;
}

int DrawTextA(HDC hdc, const QString& text, int nCount, RECT* lpRect, UINT uFormat) {
    gdi::DeviceContext* dc = gdi::context(hdc);
    if (!dc || !lpRect) {
        return 0;
    }
    const QString shown = nCount < 0 ? text : text.left(nCount);
    const TextMeasure measure(gdi::drawingFont(*dc), dc->surface, uFormat & DT_EXPANDTABS);
    const RECT box = *lpRect;
    const int boxWidth = box.right - box.left;
    const std::vector<DisplayLine> lines = layoutLines(shown, uFormat, boxWidth, measure);
    const int lineHeight = measure.lineHeight();
    const int textHeight = lineHeight * static_cast<int>(lines.size());
    std::vector<int> widths; // each line is measured once
    widths.reserve(lines.size());
    int widest = 0;
    for (const DisplayLine& line : lines) {
        widths.push_back(measure.advance(line.text));
        widest = std::max(widest, widths.back());
    }

    if (uFormat & DT_CALCRECT) {
        lpRect->right = box.left + widest;
        lpRect->bottom = box.top + textHeight;
        return textHeight;
    }

    int y = box.top;
    if (uFormat & DT_SINGLELINE) {
        if (uFormat & DT_VCENTER) {
            y = box.top + (box.bottom - box.top) / 2 - textHeight / 2;
        } else if (uFormat & DT_BOTTOM) {
            y = box.bottom - textHeight;
        }
    }
    if (dc->surface->isNull()) {
        return 0;
    }
    QPainter painter(dc->surface);
    painter.setFont(measure.font());
    if (!(uFormat & DT_NOCLIP)) {
        painter.setClipRect(toQRect(box));
    }
    const QColor textColor = toQColor(dc->textColor);
    QRect touched;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const DisplayLine& line = lines[i];
        const int width = widths[i];
        int x = box.left;
        if (uFormat & DT_CENTER) {
            x = (box.left + box.right - width) / 2;
        } else if (uFormat & DT_RIGHT) {
            x = box.right - width;
        }
        const QRect lineArea(x, y, width, lineHeight);
        if (dc->bkMode == OPAQUE) {
            painter.fillRect(lineArea, toQColor(dc->bkColor));
        }
        drawLine(painter, line, x, y, measure, textColor);
        touched |= lineArea;
        y += lineHeight;
    }
    painter.end();
    gdi::notifyChanged(*dc, (uFormat & DT_NOCLIP) ? touched : touched & toQRect(box));
    const bool placed = (uFormat & DT_SINGLELINE) && (uFormat & (DT_VCENTER | DT_BOTTOM));
    return placed ? (y - box.top) : textHeight;
}

QSize textExtent(HDC hdc, const QString& text, UINT uFormat) {
    RECT rect{0, 0, 0x7FFF, 0x7FFF};
    DrawTextA(hdc, text, -1, &rect, uFormat | DT_CALCRECT);
    return QSize(rect.right, rect.bottom);
}

} // namespace lumokit
