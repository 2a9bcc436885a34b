#pragma once

// Paints the toolbar from its settings, items, layout and interaction state:
// background, grip, each drawn item in its look, the overflow chevron and
// the border. The surface has been cleared before; every fill and frame
// uses a brush of its own.
#include "toolbar/ToolbarInteraction.h"
#include "toolbar/ToolbarLayout.h"

#include <QFont>

namespace lumokit {

class ToolbarPainter {
public:
    // font: the control's font with the face name of ToolbarFont.
    ToolbarPainter(HDC hdc, const ToolbarSettings& settings, const ToolbarModel& model,
                   const ToolbarState& state, const ToolbarMetrics& metrics, QFont font)
        : m_hdc(hdc), m_settings(settings), m_model(model), m_state(state), m_metrics(metrics),
          m_font(std::move(font)) {}

    void paint(const ToolbarLayoutResult& layout) const;

private:
    void background() const;
    void grip() const;
    void item(const PlacedItem& placed) const;
    void label(const ToolbarButton& b, const RECT& r) const;
    void buttonFace(const ToolbarButton& b, const RECT& r, ItemLook look) const;
    void xpFace(const ToolbarButton& b, const RECT& r, ItemLook look) const;
    void vividFace(const ToolbarButton& b, const RECT& r, ItemLook look) const;
    void dropDownArrow(const RECT& r) const;
    void icon(const ToolbarButton& b, const RECT& r, ItemLook look) const;
    void caption(const ToolbarButton& b, const RECT& r) const;
    void chevron(const RECT& r) const;
    void border() const;
    // The button fade: bands from c up towards ButtonFadeColor.
    void fade(OLE_COLOR c, const RECT& r) const;
    void setTextColor(OLE_COLOR color) const;

    HDC m_hdc;
    const ToolbarSettings& m_settings;
    const ToolbarModel& m_model;
    const ToolbarState& m_state;
    const ToolbarMetrics& m_metrics;
    QFont m_font;
};

} // namespace lumokit
