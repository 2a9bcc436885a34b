#include "toolbar/frmdropdown.h"

#include "core/control/ErrorTrap.h"
#include "core/control/LibraryMessages.h"
#include "core/control/Painting.h"
#include "core/control/Rounding.h"
#include "core/platform/SysColors.h"
#include "core/platform/Win32Gdi.h"
#include "core/platform/Win32Text.h"
#include "core/platform/Win32Window.h"
#include "toolbar/ToolbarIcons.h"

#include <lumokit/ComError.h>

namespace lumokit {

namespace {

constexpr OLE_COLOR kSeparatorColor = 0xC0C0C0;
constexpr OLE_COLOR kWindowFrame = 0x666666;
constexpr OLE_COLOR kArrowFrame = 0x800000;
constexpr OLE_COLOR kWhite = 0xFFFFFF;
constexpr OLE_COLOR kCaptionColor = 0x80000012;         // button text
constexpr OLE_COLOR kDisabledCaptionColor = 0x80000010; // button shadow
constexpr OLE_COLOR kArrowColor = 0;
constexpr UINT kCaptionFlags = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
constexpr int kArrowZone = 12;
constexpr int kTwips = TWIPS_PER_PIXEL;

const QString kClickError = QStringLiteral("Error in sub DropDownForm_Click.");
const QString kMoveError = QStringLiteral("Error in ERROR_Form_MouseMove : ");

// The click handler names only itself when it fails.
void reportClickErrors(const std::function<void()>& statement) {
    try {
        statement();
    } catch (...) {
        LibraryMessages::MsgBox(kClickError);
    }
}

// Pixels from twips; floor, so negative positions stay on their side.
int pixels(LONG twips) {
    return twips >= 0 ? twips / kTwips : -((-twips + kTwips - 1) / kTwips);
}

class HandlingGuard {
public:
    explicit HandlingGuard(int& depth) : m_depth(depth) { ++m_depth; }
    ~HandlingGuard() { --m_depth; }
    HandlingGuard(const HandlingGuard&) = delete;
    HandlingGuard& operator=(const HandlingGuard&) = delete;

private:
    int& m_depth;
};

} // namespace

frmdropdown::frmdropdown() : UserControl(nullptr) {
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
}

frmdropdown::~frmdropdown() {
    dispose(m_subMenu.data());
    if (GetCapture() == hWnd()) {
        ReleaseCapture();
    }
}

const Picture& frmdropdown::windowIcon() {
    return chevronIcon();
}

void frmdropdown::dispose(frmdropdown* window) {
    if (!window) {
        return;
    }
    QObject::disconnect(window, nullptr, nullptr, nullptr);
    window->hide();
    if (window->isHandling()) {
        window->deleteLater();
    } else {
        delete window;
    }
}

LRESULT frmdropdown::DefWindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const HandlingGuard guard(m_handling);
    return UserControl::DefWindowProc(uMsg, wParam, lParam);
}

DropDownResult frmdropdown::result() const {
    return DropDownResult{MenuIndex,   GroupID,        newvalue,     IsCancel,   isSubCancel,
                          isCustomSub, m_customButton, m_customLeft, m_customTop};
}

void frmdropdown::applySettings(const DropDownSettings& newSettings) {
    m_settings = newSettings;
    setControlFont(m_settings.font);
}

void frmdropdown::beginMenu() {
    dispose(m_subMenu.data());
    m_menu.ClearMenu();
    m_hot = 0;
    MenuIndex = 0;
    GroupID = 0;
    newvalue = false;
    IsCancel = true; // until a choice clears it
    isSubCancel = false;
    isCustomSub = false;
    IsGoingBack = false;
    m_subChosen = false;
    m_customButton = m_customLeft = m_customTop = 0;
}

// --- Entries ----------------------------------------------------------------------

void frmdropdown::AddMenu(const QString& mItem, const Picture& mIcon, sStyle Style, LONG ID,
                          bool mEnable, bool mVisible, bool mIsChecked, OLE_COLOR MaskColor) {
    m_menu.AddMenu(mItem, mIcon, Style, ID, mEnable, mVisible, mIsChecked, MaskColor,
                   m_settings.m_ButtonHeight);
    ResizeMenu();
    DrawMenu();
}

void frmdropdown::AddSubMenu(LONG parentIndex, const QString& mItem, const Picture& mIcon,
                             sStyle Style, bool mEnable, bool mVisible, bool mIsChecked,
                             OLE_COLOR MaskColor) {
    m_menu.AddSubMenu(parentIndex, mItem, mIcon, Style, mEnable, mVisible, mIsChecked, MaskColor);
}

void frmdropdown::ClearMenu() {
    m_menu.ClearMenu();
}

LONG frmdropdown::IsWithinButton(double X, double Y) const {
    return m_menu.IsWithinButton(X, Y, ScaleWidth());
}

void frmdropdown::ResizeMenu() {
    const QSize size =
        m_menu.menuSize([this](const QString& text) { return textExtent(hDC(), text).width(); },
                        m_settings.m_ButtonHeight, GetSystemMetrics(SM_CYSCREEN));
    SetWindowPos(hWnd(), 0, 0, 0, size.width(), size.height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// --- Painting ---------------------------------------------------------------------

void frmdropdown::DrawMenu() {
    const int w = ScaleWidth();
    const int h = ScaleHeight();
    const LONG column = m_settings.m_ButtonHeight;
    Cls();
    fillSolid(hDC(), RECT{0, 0, w, h}, m_settings.m_BgColor);
    fillSolid(hDC(), RECT{0, 0, column, h}, m_settings.m_MenuIconBGColor);
    for (const DropDownMenu::Row& row : m_menu.drawRows(column)) {
        drawEntry(*m_menu.entry(row.index), row, w - 2);
    }
    frameSolid(hDC(), RECT{0, 0, w, h}, kWindowFrame);
}

void frmdropdown::drawEntry(const DropDownMenuEntry& entry, const DropDownMenu::Row& row,
                            int right) {
    const DropDownSettings& s = m_settings;
    const LONG column = s.m_ButtonHeight;
    const int top = row.top;
    const int bottom = row.bottom;
    const bool hot = row.index == m_hot;
    const bool vivid = s.m_Style == lumoStyle::lumoVivid;
    if (entry.style == sStyle::sSeparate) {
        fillSolid(hDC(), RECT{column + 4, top, right - 5, top + 2}, kSeparatorColor);
        return;
    }
    if (entry.style != sStyle::sNormal && entry.style != sStyle::sDropDown &&
        entry.style != sStyle::sCheckBox) {
        return; // place holders and labels show nothing
    }
    if (!vivid && !entry.enable) {
        fillSolid(hDC(), RECT{0, top - 2, column, bottom + 2}, s.m_MenuIconBGColor);
    }
    if (hot) {
        if (vivid) {
            fillBands(hDC(), RECT{2, top, right, bottom}, s.m_ButtonColorOver, s.m_BgColor,
                      column - 4);
        } else {
            fillSolid(hDC(), RECT{0, top, right, bottom}, s.m_ButtonColorOver);
        }
        frameSolid(hDC(), RECT{2, top, right, bottom}, s.m_ButtonBorderColorOver);
    }
    if (entry.style == sStyle::sCheckBox && entry.isChecked) {
        const RECT cell{2, top + 1, column - 2, bottom - 1};
        if (vivid) {
            fillBands(hDC(), cell, s.m_CheckedColor, kWhite, column - 6);
        } else {
            fillSolid(hDC(), cell, s.m_CheckedColor);
        }
        frameSolid(hDC(), cell, s.m_ButtonBorderColorDown);
    }
    if (entry.style == sStyle::sDropDown) {
        if (hot && entry.enable && !vivid) {
            frameSolid(hDC(), RECT{right - kArrowZone, top, right, bottom}, kArrowFrame);
        }
        drawIcon(hDC(), chevronIcon(), POINT{right - 14, top + 8}, kChevronSize, kChevronSize,
                 IconState::Silhouette, kArrowColor);
    }
    const int size = s.m_iconHeight;
    const double offset = (column - size) / 2.0;
    const POINT at{roundHalfEven(offset), roundHalfEven(top + offset)};
    if (!entry.enable) {
        drawDisabledIcon(hDC(), entry.picture, at, size, size);
    } else if (hot) {
        drawLiftedIcon(hDC(), entry.picture, POINT{at.x + 1, at.y + 1}, POINT{at.x - 1, at.y - 1},
                       size, size);
    } else {
        drawPlainIcon(hDC(), entry.picture, at, size, size);
    }
    setForeColor(entry.enable ? kCaptionColor : kDisabledCaptionColor);
    drawText(hDC(), entry.caption, RECT{column + 4, top, right, bottom}, kCaptionFlags);
}

// --- Showing and closing ----------------------------------------------------------

void frmdropdown::showAt(LONG leftTwips, LONG topTwips) {
    SetWindowPos(hWnd(), 0, pixels(leftTwips), pixels(topTwips), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(hWnd(), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    m_open = true;
    Form_Load();
}

void frmdropdown::Form_Load() {
    SetCapture(hWnd());
    AddDropShadow(hWnd());
    DrawMenu();
}

void frmdropdown::Unload() {
    if (!m_open) {
        return;
    }
    const HandlingGuard guard(m_handling); // the toolbar's handler may dispose of us
    m_open = false;
    dispose(m_subMenu.data());
    if (GetCapture() == hWnd()) {
        ReleaseCapture();
    }
    hide();
    emit Unloaded();
}

// --- Mouse ------------------------------------------------------------------------

bool frmdropdown::inside(float X, float Y) const {
    return X >= 0 && Y >= 0 && X < ScaleWidth() && Y < ScaleHeight();
}

void frmdropdown::UserControl_MouseDown(int, int, float X, float Y) {
    if (!inside(X, Y)) {
        ReleaseCapture();
        IsCancel = true;
        isSubCancel = true;
        Unload();
        return;
    }
    IsCancel = true;
    m_hot = IsWithinButton(X, Y); // a press without a move before it
}

void frmdropdown::UserControl_MouseMove(int, int, float X, float Y) {
    trapError(kMoveError, [&] {
        if (isSubMenu && X < -kGoingBackDistance && -kGoingBackDistance < Y && Y < ScaleHeight()) {
            IsGoingBack = true;
            Unload();
            return;
        }
        m_hot = IsWithinButton(X, Y);
        DrawMenu();
        openSubMenu(X);
    });
}

void frmdropdown::UserControl_MouseUp(int, int, float, float) {
    if (m_open) {
        SetCapture(hWnd());
    }
}

void frmdropdown::UserControl_Click() {
    reportClickErrors([this] { chooseHotEntry(); });
}

void frmdropdown::chooseHotEntry() {
    DropDownMenuEntry* hot = m_menu.entry(m_hot);
    if (!isSubMenu) {
        m_subChosen = false;
    }
    // Disabled entries and separators are not chosen, and keep their state.
    if (!hot || !DropDownMenu::isChoosable(*hot)) {
        return;
    }
    hot->isChecked = !hot->isChecked;
    DrawMenu();
    m_subChosen = isSubMenu;
    IsCancel = false;
    isSubCancel = !isSubMenu;
    MenuIndex = m_hot;
    newvalue = hot->isChecked;
    GroupID = hot->ID;
    Unload();
}

void frmdropdown::UserControl_Resize() {
    DrawMenu();
}

// --- Sub-menus ------------------------------------------------------------------------

void frmdropdown::openSubMenu(float X) {
    const DropDownMenuEntry* hot = m_menu.entry(m_hot);
    if (isSubMenu || m_subMenu || !m_open || !hot || hot->style != sStyle::sDropDown ||
        !hot->enable || X <= ScaleWidth() - kSubMenuZone) {
        return;
    }
    if (hot->SubCount() < 1) {
        chooseCustomSub(*hot);
        return;
    }
    auto* sub = new frmdropdown();
    m_subMenu = sub;
    sub->beginMenu();
    sub->SubButtonIndex = m_hot;
    sub->isSubMenu = true;
    sub->applySettings(m_settings);
    LONG j = 0;
    for (const DropDownSubEntry& e : hot->subEntries) {
        sub->AddMenu(e.caption, e.picture, e.style, ++j, e.enable, e.visible, e.isChecked,
                     e.maskColor);
    }
    RECT window{};
    GetWindowRect(hWnd(), &window);
    const int left = window.right - 1;
    int top = window.top + m_menu.entryOffset(m_hot) + 2;
    if (top + sub->height() > GetSystemMetrics(SM_CYSCREEN)) {
        top -= sub->height();
    }
    connect(sub, &frmdropdown::Unloaded, this, &frmdropdown::subMenuClosed);
    sub->showAt(left * kTwips, top * kTwips);
}

void frmdropdown::chooseCustomSub(const DropDownMenuEntry& entry) {
    RECT window{};
    GetWindowRect(hWnd(), &window);
    isCustomSub = true;
    isSubCancel = true;
    IsCancel = false;
    MenuIndex = entry.ID;
    m_customButton = entry.ID;
    m_customLeft = window.left * kTwips - kTwips;
    m_customTop = (window.top + m_menu.entryOffset(m_hot)) * kTwips;
    Unload();
}

void frmdropdown::subMenuClosed() {
    const HandlingGuard guard(m_handling);
    frmdropdown* sub = m_subMenu.data();
    if (!sub) {
        return;
    }
    if (sub->MenuIndex > 0 && sub->m_subChosen) {
        // The parent entry's own ID names the group: the overflow list's
        // entries start at the first hidden button, not at 1.
        const DropDownMenuEntry* parent = m_menu.entry(sub->SubButtonIndex);
        IsCancel = false;
        GroupID = parent ? parent->ID : sub->SubButtonIndex;
        isSubCancel = false;
        MenuIndex = sub->MenuIndex;
        newvalue = sub->newvalue;
    } else {
        isCustomSub = false;
        isSubCancel = true;
        IsCancel = true;
    }
    const bool goingBack = sub->IsGoingBack;
    m_subMenu = nullptr;
    QObject::disconnect(sub, nullptr, this, nullptr);
    m_closedSubMenu.reset(sub); // its handler is still running
    if (!goingBack) {
        Unload();
        return;
    }
    SetWindowPos(hWnd(), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetCapture(hWnd());
    DrawMenu();
}

} // namespace lumokit
