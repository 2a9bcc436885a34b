#include "tabstrip/TabStripPainter.h"

#include "core/control/Painting.h"
#include "core/platform/Win32Text.h"
#include "tabstrip/lumoTabStrip.h"

#include <QPainter>
#include <QPolygon>

namespace lumokit {

namespace {

constexpr int kRow = TabStripModel::kRowHeight;
constexpr UINT kCaptionFlags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

} // namespace

const Picture& TabStripPainter::overflowArrow() {
    // A dark triangle pointing right, edged in white so it shows on any tab.
    static const Picture arrow = [] {
        QImage image(kIconSize, kIconSize, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setPen(Qt::white);
        painter.setBrush(QColor(40, 40, 40));
        painter.drawPolygon(QPolygon({QPoint(5, 3), QPoint(11, 8), QPoint(5, 13)}));
        painter.end();
        return Picture::fromImage(image, Picture::Icon);
    }();
    return arrow;
}

void TabStripPainter::paint(lumoTabStrip& strip, TabStripModel& model) {
    TabStripPainter(strip, model).run();
}

TabStripPainter::TabStripPainter(lumoTabStrip& strip, TabStripModel& model)
    : m_strip(strip), m_model(model), m_hdc(strip.hDC()), W(strip.ScaleWidth()),
      H(strip.ScaleHeight()) {}

void TabStripPainter::run() {
    m_strip.Cls();
    m_model.settleForPaint();
    const lumoTabstyle style = m_strip.TabStyle();
    m_model.layOut(style, [this](const QString& caption) {
        return textExtent(m_hdc, caption, kCaptionFlags).width();
    });
    LONG x = 0;
    for (LONG i = 1; i <= m_model.count(); ++i) {
        const TabRecord& tab = m_model.at(i);
        if (!tab.visible) {
            continue;
        }
        paintTab(i, x);
        x += tab.width;
    }
    if (m_model.overflow > 0) {
        drawIcon(m_hdc, overflowArrow(), POINT{W - 14, H - 20}, kIconSize, kIconSize,
                 IconState::Normal);
    }
}

void TabStripPainter::paintTab(LONG index, LONG x) {
    const TabRecord& tab = m_model.at(index);
    const LONG w = tab.width;
    const RECT R{x, H - kRow, x + w, H};
    const bool pressed = index == m_model.pressed && tab.enabled;
    const bool hovered = index == m_model.hovered && tab.enabled;
    const OLE_COLOR state = pressed   ? m_strip.TabColorDown()
                            : hovered ? m_strip.TabColorOver()
                                      : m_strip.TabColor();
    if (m_strip.Style() == lumobStyle::lumoVivid) {
        fillGradientInside(m_hdc, R, m_strip.SelectedBackColor(), state, kRow);
    } else {
        fillSolid(m_hdc, R, state);
    }
    if (pressed) {
        frameSolid(m_hdc, R, m_strip.TabBorColorDown());
    } else if (hovered) {
        frameSolid(m_hdc, R, m_strip.TabBorColorOver());
    }
    if (index == m_model.Selected) {
        paintSelected(index, x, w);
    }
    if (m_model.hasFocus && index == m_model.focusTab && m_model.pressed == 0) {
        fillSolid(m_hdc, RECT{x + 4, H - 3, x + w - 4, H - 2}, m_strip.FocusColor());
    }
    if (m_strip.TabStyle() != lumoTabstyle::CaptionOnly) {
        paintIcon(index, x);
    }
    if (m_strip.TabStyle() != lumoTabstyle::IconOnly) {
        paintCaption(index, x, w);
    }
}

// The page above the row, and the selected tab open into it: the page keeps
// its left border where tab 1 meets it.
void TabStripPainter::paintSelected(LONG index, LONG x, LONG w) {
    const OLE_COLOR page = m_strip.SelectedBackColor();
    const RECT pageArea{0, 0, W, H - kRow};
    fillSolid(m_hdc, pageArea, page);
    frameSolid(m_hdc, pageArea, m_strip.CheckBorderColor());
    const RECT inside{x + 1, H - kRow, x + w, H - 1};
    if (m_strip.Style() == lumobStyle::lumoVivid) {
        fillGradientInside(m_hdc, inside, page, m_strip.CheckbgColor(), kRow);
    } else {
        fillSolid(m_hdc, inside, page);
    }
    frameSolid(m_hdc, RECT{x, H - kRow - 1, x + w, H}, m_strip.CheckBorderColor());
    const LONG bandLeft = index == 1 ? x + 1 : x;
    fillSolid(m_hdc, RECT{bandLeft, H - kRow - 1, x + w, H - kRow}, page);
}

void TabStripPainter::paintIcon(LONG index, LONG x) {
    const TabRecord& tab = m_model.at(index);
    if (tab.icon.isNull()) {
        return;
    }
    const POINT at{x + 3, H - 21};
    if (!tab.enabled) {
        drawIcon(m_hdc, tab.icon, at, kIconSize, kIconSize, IconState::Silhouette,
                 kSilhouetteColor);
        return;
    }
    if (index == m_model.hovered) {
        drawIcon(m_hdc, tab.icon, POINT{x + 5, H - 19}, kIconSize, kIconSize, IconState::Silhouette,
                 kSilhouetteColor);
    }
    drawIcon(m_hdc, tab.icon, at, kIconSize, kIconSize, IconState::Normal);
}

void TabStripPainter::paintCaption(LONG index, LONG x, LONG w) {
    const TabRecord& tab = m_model.at(index);
    m_strip.setForeColor(tab.enabled ? m_strip.FontColor() : kDisabledCaptionColor);
    const RECT area = m_strip.TabStyle() == lumoTabstyle::CaptionOnly
                          ? RECT{x, H - kRow, x + w, H}
                          : RECT{x + 22, H - kRow, x + w, H};
    drawText(m_hdc, tab.caption, area, kCaptionFlags);
}

} // namespace lumokit
