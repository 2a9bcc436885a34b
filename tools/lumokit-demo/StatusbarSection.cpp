// Status bars: the placeholder of a bar without panels; fixed, spring,
// contents and hidden panels with every panel border; every outer border.
#include "TabStatusSections.h"

#include "statusbar/lumoStatusbar.h"

using lumokit::lumosBorder;
using lumokit::lumoStatusbar;
using lumokit::sSize;

namespace demo {

namespace {

constexpr int kBarHeight = 24;
constexpr int kGap = 10;

lumoStatusbar* addBar(QWidget* window, const QRect& place) {
    auto* bar = new lumoStatusbar(window);
    bar->initNew();
    bar->setGeometry(place);
    return bar;
}

} // namespace

int addStatusbarSection(QWidget* window, int top, int width) {
    int y = addSectionHeading(
        window, QStringLiteral("Status bar: no panels; fixed, spring, contents and hidden panels"),
        top, width);
    addBar(window, QRect(16, y, width, kBarHeight));
    y += kBarHeight + kGap;

    lumoStatusbar* panels = addBar(window, QRect(16, y, width, kBarHeight));
    panels->AddPanel(QStringLiteral("Fixed 110, flat"), 110);
    panels->AddPanel(QStringLiteral("Spring, sunken"), 0, true, sSize::sSpring,
                     lumosBorder::lumos3dDownBorder);
    panels->AddPanel(QStringLiteral("Hidden 60"), 60, false);
    panels->AddPanel(QStringLiteral("Contents, raised"), 0, true, sSize::sContents,
                     lumosBorder::lumos3dRaisedBorder);
    panels->AddPanel(QStringLiteral("Fixed 90, none"), 90, true, sSize::sNoAutosize,
                     lumosBorder::lumosNoBorder);
    y += kBarHeight + kGap;

    y = addSectionHeading(window, QStringLiteral("Status bar: the outer borders"), y, width);
    const int column = (width - kGap) / 2;
    const struct {
        lumosBorder border;
        const char* caption;
    } borders[] = {
        {lumosBorder::lumosNoBorder, "Border: none"},
        {lumosBorder::lumosFlatBorder, "Border: flat, in BorderColor (blue)"},
        {lumosBorder::lumos3dRaisedBorder, "Border: 3d raised (draws none)"},
        {lumosBorder::lumos3dDownBorder, "Border: 3d down (a raised inner edge)"},
    };
    for (int i = 0; i < 4; ++i) {
        lumoStatusbar* bar =
            addBar(window, QRect(16 + (i % 2) * (column + kGap), y, column, kBarHeight));
        bar->setBorder(borders[i].border);
        bar->setBorderColor(0xC00000);
        bar->AddPanel(QString::fromLatin1(borders[i].caption), 0, true, sSize::sSpring);
        if (i % 2 == 1) {
            y += kBarHeight + kGap;
        }
    }
    return y;
}

} // namespace demo
