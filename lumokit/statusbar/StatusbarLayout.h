#pragma once

// The status bar's panels and their placement, without a surface: which
// index a reader or writer may use, how wide sContents and sSpring panels
// are, and where each visible panel goes, left to right from x = 5 with 10
// pixels between panels, 4 pixels in from the top and the bottom.
#include "core/platform/Win32Types.h"

#include <lumokit/Enums.h>

#include <QString>

#include <functional>
#include <vector>

namespace lumokit {

struct PanelRecord {
    LONG width = 0;
    bool visible = true;
    QString caption;
    sSize autosize = sSize::sNoAutosize;
    lumosBorder border = lumosBorder::lumosFlatBorder;
};

struct PlacedPanel {
    LONG index = 0;
    RECT rect;
};

class StatusbarLayout {
public:
    static constexpr int kLeft = 5;
    static constexpr int kInset = 4; // from the top and the bottom
    static constexpr int kGap = 10;  // after every panel
    static constexpr int kCaptionIndent = 5;
    static constexpr int kContentsPadding = 10;

    LONG count() const { return static_cast<LONG>(m_panels.size()); }
    void add(PanelRecord panel) { m_panels.push_back(std::move(panel)); }
    // 1 to the count: the panel. 0 while panels exist: none, so a reader
    // answers the empty value and a writer does nothing. Any other index,
    // and every index while there is no panel: error 9.
    const PanelRecord* panel(LONG index) const;
    PanelRecord* panelToWrite(LONG index);

    // Lays the visible panels out on a bar w x h: sContents panels take
    // their caption's width + 10, sSpring panels share what the others
    // leave (a hidden panel's width counts too); both widths are stored
    // back. Panels are not squeezed: they may run past the right edge.
    std::vector<PlacedPanel> layOut(int w, int h,
                                    const std::function<int(const QString&)>& captionWidth);

    // The frame of the placeholder shown while there are no panels.
    static RECT placeholderFrame(int w, int h) { return RECT{kLeft, kInset, w - 10, h - kInset}; }

private:
    void shareSpring(int w);

    std::vector<PanelRecord> m_panels; // panel i at [i - 1]
};

} // namespace lumokit
