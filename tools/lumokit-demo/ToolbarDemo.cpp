#include "ToolbarDemo.h"

#include "toolbar/frmdropdown.h"
#include "toolbar/lumoadvToolbar.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

using lumokit::frmdropdown;
using lumokit::lumoadvToolbar;
using lumokit::lumoBorder;
using lumokit::lumoStyle;
using lumokit::Picture;
using lumokit::sStyle;

namespace {

constexpr int kBarHeight = 26;
constexpr int kHeadingHeight = 22;
constexpr int kGap = 10;
constexpr int kListRoom = 130; // below the bar whose list is shown open

// A 16 x 16 icon: a coloured tile with a letter, drawn here so the demo
// needs no image files.
Picture letterIcon(QColor color, const QString& letter) {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(color.darker(160));
    painter.setBrush(color);
    painter.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 3, 3);
    QFont font = painter.font();
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, letter);
    painter.end();
    return Picture::fromImage(image, Picture::Icon);
}

void fill(lumoadvToolbar* bar) {
    const auto S = [](const char* text) { return QString::fromLatin1(text); };
    bar->AddButton(letterIcon(QColor(70, 130, 200), S("N")), S("New"), sStyle::sNormal,
                   S("New document"));
    bar->AddButton(letterIcon(QColor(220, 160, 40), S("O")), S("Open"), sStyle::sNormal,
                   S("Open a file"), S("open"), true, true, 50, true);
    bar->AddButton(letterIcon(QColor(60, 150, 80), S("S")), S("Save"), sStyle::sNormal,
                   S("Save (disabled)"), {}, false);
    bar->AddSeparate();
    bar->AddButton(letterIcon(QColor(180, 70, 70), S("M")), S("Mail"), sStyle::sDropDown,
                   S("Send by mail"), {}, true, true, 50, true);
    bar->AddMenu(5, S("To everyone"), letterIcon(QColor(180, 70, 70), S("@")), sStyle::sNormal);
    bar->AddMenu(5, S("Reply"), {}, sStyle::sNormal);
    bar->AddMenu(5, {}, {}, sStyle::sSeparate);
    bar->AddMenu(5, S("Sign"), {}, sStyle::sCheckBox, true, true, true);
    bar->AddMenu(5, S("Encrypt (disabled)"), {}, sStyle::sCheckBox, false);
    bar->AddButton(letterIcon(QColor(90, 90, 90), S("B")), S("Bold"), sStyle::sCheckBox,
                   S("Bold (checked)"), {}, true, true, 50, false, true);
    bar->AddButton(letterIcon(QColor(90, 90, 90), S("I")), S("Italic"), sStyle::sCheckBox,
                   S("Italic"));
    bar->AddSeparate();
    bar->AddButton({}, S("Zoom:"), sStyle::sLabel, {}, {}, true, true, -1);
    bar->AddPlaceHolder(8);
    bar->AddButton(letterIcon(QColor(120, 90, 160), S("P")), S("Print"), sStyle::sDropDown,
                   S("Print: no list, the host shows its own"));
    bar->AddButton(letterIcon(QColor(40, 140, 160), S("?")), S("Help"), sStyle::sNormal, S("Help"));
    for (const char* more : {"1", "2", "3"}) { // past the right edge: the chevron lists them
        bar->AddButton(letterIcon(QColor(150, 150, 60), S(more)), S(more), sStyle::sNormal,
                       S("Overflowed"));
    }
    bar->setMoreText(S("More buttons"));
}

void fillPopUp(lumoadvToolbar* bar) {
    const auto S = [](const char* text) { return QString::fromLatin1(text); };
    bar->AddPopUpMenu(S("Cut"), letterIcon(QColor(200, 80, 60), S("X")));
    bar->AddPopUpMenu(S("Copy"), letterIcon(QColor(60, 120, 200), S("C")));
    bar->AddPopUpMenu(S("Paste as"), {}, sStyle::sDropDown);
    bar->AddPopUpSubMenu(3, S("Text"), {});
    bar->AddPopUpSubMenu(3, S("Picture"), {}, sStyle::sCheckBox, true, true, true);
    bar->AddPopUpMenu({}, {}, sStyle::sSeparate);
    bar->AddPopUpMenu(S("Word wrap"), {}, sStyle::sCheckBox, true, true, true);
}

void mouse(QWidget* window, QEvent::Type type, QPointF at) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, window->mapToGlobal(at), button,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(window, &event);
}

// The middle of item index (its left part for a drop-down's main part).
QPointF itemPoint(const lumoadvToolbar* bar, int index, int fromRight = -1) {
    int x = 7;
    for (int i = 1; i < index; ++i) {
        if (bar->ButtonVisible(i)) {
            x += bar->ButtonPlaceHolderWidth(i);
        }
    }
    const int width = bar->ButtonPlaceHolderWidth(index);
    return QPointF(fromRight >= 0 ? x + width - fromRight : x + width / 2.0, 8);
}

} // namespace

lumoadvToolbar* ToolbarDemo::addBar(QWidget* parent, int left, int& y, const QString& heading) {
    auto* label = new QLabel(heading, parent);
    label->setGeometry(left, y, m_headingWidth, kHeadingHeight);
    y += kHeadingHeight;
    auto* bar = new lumoadvToolbar(parent);
    bar->setGeometry(left, y, m_barWidth, kBarHeight);
    bar->initNew();
    fill(bar);
    y += kBarHeight + kGap;
    m_bars.push_back(bar);
    return bar;
}

int ToolbarDemo::build(QWidget* parent, int left, int y, int barWidth, int headingWidth) {
    m_barWidth = barWidth;
    m_headingWidth = headingWidth;
    auto* heading = new QLabel(QStringLiteral("Toolbars (items past the right edge are in the "
                                              "chevron's list)"),
                               parent);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setGeometry(left, y, headingWidth, kHeadingHeight);
    y += kHeadingHeight;

    addBar(parent, left, y, QStringLiteral("Vivid: hover over Open"));
    addBar(parent, left, y, QStringLiteral("Vivid: Mail's list open"));
    y += kListRoom;
    lumoadvToolbar* pressed = addBar(parent, left, y, QStringLiteral("XP: New held down"));
    pressed->setStyle(lumoStyle::lumoXP);
    lumoadvToolbar* chevron = addBar(
        parent, left, y,
        QStringLiteral("XP, flat border: the chevron zone hot; right of it the pop-up menu"));
    chevron->setStyle(lumoStyle::lumoXP);
    chevron->setBorder(lumoBorder::lumoFlatBorder);
    fillPopUp(chevron);
    return y + kListRoom;
}

void ToolbarDemo::forceStates() {
    if (m_bars.size() < 4) {
        return;
    }
    mouse(m_bars[0], QEvent::MouseMove, itemPoint(m_bars[0], 2));
    const QPointF arrow = itemPoint(m_bars[1], 5, 4);
    mouse(m_bars[1], QEvent::MouseMove, arrow);
    mouse(m_bars[1], QEvent::MouseButtonPress, arrow);
    mouse(m_bars[1], QEvent::MouseButtonRelease, arrow);
    mouse(m_bars[2], QEvent::MouseMove, itemPoint(m_bars[2], 1));
    mouse(m_bars[2], QEvent::MouseButtonPress, itemPoint(m_bars[2], 1));
    lumoadvToolbar* chevron = m_bars[3];
    mouse(chevron, QEvent::MouseMove, QPointF(chevron->width() - 4, 8));

    // The pop-up menu under the last bar's right half, its sub-menu open.
    const QPoint at = chevron->mapToGlobal(QPoint(chevron->width() / 2, kBarHeight + 4));
    lumokit::LONG left = at.x() * 15;
    lumokit::LONG top = at.y() * 15;
    chevron->ShowPopUp(left, top);
    frmdropdown* popUp = chevron->popUpWindow();
    const int pasteAs = popUp->menu().entryOffset(3) + 8;
    mouse(popUp, QEvent::MouseMove, QPointF(popUp->width() - 6, pasteAs));
}

void ToolbarDemo::paintMenus(QImage& shot, const QWidget* window) {
    QPainter painter(&shot);
    const QPoint origin = window->mapToGlobal(QPoint(0, 0));
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (qobject_cast<frmdropdown*>(top) && top->isVisible()) {
            painter.drawPixmap(top->pos() - origin, top->grab());
        }
    }
}
