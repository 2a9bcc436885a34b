// Tab strips in the three tab styles and both looks, and in the states only
// input brings: a hovered tab, a pressed tab, the keyboard focus, a disabled
// tab and a tab cut off at the right edge.
#include "TabStatusSections.h"

#include "core/platform/Win32Window.h"
#include "tabstrip/lumoTabStrip.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>

using lumokit::lumobStyle;
using lumokit::lumoTabStrip;
using lumokit::lumoTabstyle;

namespace demo {

namespace {

constexpr int kStripHeight = 64;
constexpr int kGap = 10;

lumoTabStrip* addStrip(QWidget* window, const QRect& place, const QString& pageText,
                       const lumokit::Picture& icon) {
    auto* strip = new lumoTabStrip(window);
    strip->initNew();
    strip->setGeometry(place);
    strip->AddTab(icon, QStringLiteral("Income"), QStringLiteral("Money in"));
    strip->AddTab(icon, QStringLiteral("Expenses"), QStringLiteral("Money out"));
    strip->AddTab(icon, QStringLiteral("Disabled"), {}, false);
    strip->AddTab({}, QStringLiteral("No icon"));
    strip->setSelected(2);
    auto* label = new QLabel(pageText, strip);
    label->setGeometry(8, 6, place.width() - 16, kStripHeight - 24 - 10);
    return strip;
}

// A point in the lower half of tab index, by the widths of the last paint.
QPoint pointOnTab(const lumoTabStrip& strip, int index) {
    int left = 0;
    for (int i = 1; i < index; ++i) {
        left += strip.model().at(i).width;
    }
    return QPoint(left + strip.model().at(index).width / 2, strip.height() - 8);
}

void sendMouse(lumoTabStrip* strip, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), strip->mapToGlobal(QPointF(at)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(strip, &event);
}

} // namespace

int addTabStripSection(QWidget* window, int top, int width, const lumokit::Picture& icon,
                       AfterShow& afterShow) {
    int y = addSectionHeading(
        window, QStringLiteral("Tab strip: the three tab styles in the Vivid and XP looks"), top,
        width);
    const int column = (width - kGap) / 2;
    const struct {
        lumoTabstyle style;
        const char* name;
    } styles[] = {{lumoTabstyle::IconCaption, "IconCaption"},
                  {lumoTabstyle::IconOnly, "IconOnly"},
                  {lumoTabstyle::CaptionOnly, "CaptionOnly"}};
    for (const auto& s : styles) {
        for (const lumobStyle look : {lumobStyle::lumoVivid, lumobStyle::lumoXP}) {
            const bool vivid = look == lumobStyle::lumoVivid;
            const QRect place(16 + (vivid ? 0 : column + kGap), y, column, kStripHeight);
            lumoTabStrip* strip =
                addStrip(window, place,
                         QStringLiteral("%1, %2: tab 2 selected, tab 3 disabled")
                             .arg(QString::fromLatin1(s.name),
                                  vivid ? QStringLiteral("Vivid") : QStringLiteral("XP")),
                         icon);
            strip->setTabStyle(s.style);
            strip->setStyle(look);
        }
        y += kStripHeight + kGap;
    }

    y = addSectionHeading(window, QStringLiteral("Tab strip: hover, pressed, focus and overflow"),
                          y, width);
    const int third = (width - 2 * kGap) / 3;
    lumoTabStrip* hovered = addStrip(window, QRect(16, y, third, kStripHeight),
                                     QStringLiteral("Mouse over tab 1"), icon);
    afterShow.push_back([hovered] {
        sendMouse(hovered, QEvent::MouseMove, pointOnTab(*hovered, 1), Qt::NoButton);
    });
    lumoTabStrip* pressed = addStrip(window, QRect(16 + third + kGap, y, third, kStripHeight),
                                     QStringLiteral("Tab 4 pressed"), icon);
    pressed->setTabStyle(lumoTabstyle::CaptionOnly);
    afterShow.push_back([pressed] {
        sendMouse(pressed, QEvent::MouseButtonPress, pointOnTab(*pressed, 4), Qt::LeftButton);
    });
    // Narrower than its tabs: the arrow marks the tab cut off at the right.
    lumoTabStrip* focused = addStrip(window, QRect(16 + 2 * (third + kGap), y, third, kStripHeight),
                                     QStringLiteral("Focus on tab 2; cut off"), icon);
    afterShow.push_back(
        [focused] { lumokit::SendMessageA(focused->hWnd(), lumokit::WM_SETFOCUS, 0, 0); });
    return y + kStripHeight + kGap;
}

int addSectionHeading(QWidget* window, const QString& text, int top, int width) {
    constexpr int kHeadingHeight = 22;
    auto* label = new QLabel(text, window);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setGeometry(16, top, width, kHeadingHeight);
    return top + kHeadingHeight;
}

} // namespace demo
