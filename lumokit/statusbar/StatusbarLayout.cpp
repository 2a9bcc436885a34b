#include "statusbar/StatusbarLayout.h"

#include "core/control/RuntimeErrors.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace lumokit {

namespace {

// Widths are the host's numbers: sums run in 64 bits and positions past
// the 32-bit range stay at its end (far off any surface).
LONG clamped(std::int64_t value) {
    return static_cast<LONG>(std::clamp<std::int64_t>(value, std::numeric_limits<LONG>::min(),
                                                      std::numeric_limits<LONG>::max()));
}

} // namespace

const PanelRecord* StatusbarLayout::panel(LONG index) const {
    if (m_panels.empty() || index < 0 || index > count()) {
        raiseSubscriptOutOfRange();
    }
    return index == 0 ? nullptr : &m_panels[static_cast<std::size_t>(index - 1)];
}

PanelRecord* StatusbarLayout::panelToWrite(LONG index) {
    return const_cast<PanelRecord*>(static_cast<const StatusbarLayout*>(this)->panel(index));
}

std::vector<PlacedPanel>
StatusbarLayout::layOut(int w, int h, const std::function<int(const QString&)>& captionWidth) {
    for (PanelRecord& p : m_panels) {
        if (p.visible && p.autosize == sSize::sContents) {
            p.width = captionWidth(p.caption) + kContentsPadding;
        }
    }
    shareSpring(w);
    std::vector<PlacedPanel> placed;
    std::int64_t x = kLeft;
    for (LONG i = 1; i <= count(); ++i) {
        const PanelRecord& p = m_panels[static_cast<std::size_t>(i - 1)];
        if (!p.visible) {
            continue;
        }
        placed.push_back(
            PlacedPanel{i, RECT{clamped(x), kInset, clamped(x + p.width), h - kInset}});
        x += std::int64_t{p.width} + kGap;
    }
    return placed;
}

// One spring takes w - 15 less every other panel's width + 10, so that it
// ends 10 pixels before the right edge. Several springs share that room
// equally (the first ones take the odd pixels); no spring goes below 0.
void StatusbarLayout::shareSpring(int w) {
    std::vector<PanelRecord*> springs;
    std::int64_t others = 0;
    for (PanelRecord& p : m_panels) {
        if (p.visible && p.autosize == sSize::sSpring) {
            springs.push_back(&p);
        } else {
            others += std::int64_t{p.width} + kGap;
        }
    }
    if (springs.empty()) {
        return;
    }
    const auto n = static_cast<std::int64_t>(springs.size());
    const std::int64_t room = std::max<std::int64_t>(0, w - 15 - others - kGap * (n - 1));
    for (std::int64_t i = 0; i < n; ++i) {
        springs[static_cast<std::size_t>(i)]->width = clamped(room / n + (i < room % n ? 1 : 0));
    }
}

} // namespace lumokit
