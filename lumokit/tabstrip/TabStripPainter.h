#pragma once

// The whole paint of a tab strip (PaintTabs): the background, each visible
// tab in its state, the selected tab's page, the keyboard-focus line, icons
// and captions, and the arrow that marks a tab cut off at the right edge.
// It stores each tab's width in the model and settles Selected 0 to 1.
#include "core/platform/SysColors.h"

#include <lumokit/Picture.h>

namespace lumokit {

class lumoTabStrip;
class TabStripModel;

class TabStripPainter {
public:
    // Icon and silhouette colour of a disabled or hovered tab, caption of a
    // disabled one.
    static constexpr OLE_COLOR kSilhouetteColor = RGB(136, 141, 157);
    static constexpr OLE_COLOR kDisabledCaptionColor = 0x808080;
    static constexpr int kIconSize = 16;

    static void paint(lumoTabStrip& strip, TabStripModel& model);
    // The arrow drawn over a tab cut off at the right edge.
    static const Picture& overflowArrow();

private:
    TabStripPainter(lumoTabStrip& strip, TabStripModel& model);
    void run();
    void paintTab(LONG index, LONG x);
    void paintSelected(LONG index, LONG x, LONG w);
    void paintIcon(LONG index, LONG x);
    void paintCaption(LONG index, LONG x, LONG w);

    lumoTabStrip& m_strip;
    TabStripModel& m_model;
    HDC m_hdc;
    int W;
    int H;
};

} // namespace lumokit
