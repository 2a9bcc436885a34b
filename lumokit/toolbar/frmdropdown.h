#pragma once

// The toolbar's menu window: a borderless top-most window that never takes
// the focus and shows a drop-down list, the overflow list or the pop-up
// menu. The toolbar writes its settings, adds the entries, places and shows
// it; the window paints itself, tracks the mouse with the mouse captured,
// opens a second instance of itself as a sub-menu, and closes on a choice
// or on a press outside it. Closing emits Unloaded, after which the
// toolbar reads the result fields.
#include "core/control/UserControl.h"
#include "toolbar/DropDownMenu.h"

#include <QPointer>

#include <memory>

namespace lumokit {

class frmdropdown : public UserControl {
    Q_OBJECT
public:
    // A sub-menu opens from a drop-down entry's last pixels, and closes
    // when the mouse goes this far left of it.
    static constexpr int kSubMenuZone = 18;
    static constexpr int kGoingBackDistance = 20;

    frmdropdown();
    ~frmdropdown() override;

    // The window's icon: the overflow chevron.
    static const Picture& windowIcon();

    // Sizes, colours and font, written by the toolbar before use.
    void applySettings(const DropDownSettings& settings);
    const DropDownSettings& settings() const { return m_settings; }

    // Result and state fields (see DropDownResult).
    LONG MenuIndex = 0;
    LONG GroupID = 0;
    bool newvalue = false;
    bool IsCancel = true;
    bool isSubCancel = false;
    bool isCustomSub = false;
    bool isSubMenu = false;
    LONG SubButtonIndex = 0; // in a sub-menu: the parent's entry that opened it
    bool IsGoingBack = false;
    bool xPopupMenu = false;
    DropDownResult result() const;

    // Empties the menu and its result for a new use.
    void beginMenu();
    void AddMenu(const QString& mItem, const Picture& mIcon, sStyle Style, LONG ID, bool mEnable,
                 bool mVisible, bool mIsChecked, OLE_COLOR MaskColor);
    void AddSubMenu(LONG parentIndex, const QString& mItem, const Picture& mIcon, sStyle Style,
                    bool mEnable, bool mVisible, bool mIsChecked, OLE_COLOR MaskColor);
    void ClearMenu();
    LONG IsWithinButton(double X, double Y) const;
    void ResizeMenu();
    void DrawMenu();

    // Places the window (screen twips) and shows it top-most without
    // activating it; the window captures the mouse.
    void showAt(LONG leftTwips, LONG topTwips);
    // Closes the window (it stays reusable) and emits Unloaded.
    void Unload();

    const DropDownMenu& menu() const { return m_menu; }
    LONG hotEntry() const { return m_hot; }
    frmdropdown* subMenu() const { return m_subMenu.data(); }
    // True while one of the window's handlers runs: deleting it then must wait.
    bool isHandling() const { return m_handling > 0; }
    // Deletes a window now, or once its handler has returned.
    static void dispose(frmdropdown* window);

signals:
    void Unloaded();

protected:
    LRESULT DefWindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void UserControl_MouseDown(int Button, int Shift, float X, float Y) override;
    void UserControl_MouseMove(int Button, int Shift, float X, float Y) override;
    void UserControl_MouseUp(int Button, int Shift, float X, float Y) override;
    void UserControl_Click() override;
    void UserControl_Resize() override;

private:
    void Form_Load();
    void chooseHotEntry();
    void openSubMenu(float X);
    void chooseCustomSub(const DropDownMenuEntry& entry);
    void subMenuClosed();
    void drawEntry(const DropDownMenuEntry& entry, const DropDownMenu::Row& row, int right);
    bool inside(float X, float Y) const;

    DropDownSettings m_settings;
    DropDownMenu m_menu;
    LONG m_hot = 0;
    LONG m_customButton = 0; // handed over with isCustomSub
    LONG m_customLeft = 0;
    LONG m_customTop = 0;
    bool m_subChosen = false; // in a sub-menu: a sub-entry was chosen
    bool m_open = false;
    int m_handling = 0;
    QPointer<frmdropdown> m_subMenu;
    // The last sub-menu that closed itself: deleted once its own handler has
    // returned, when the next one closes or with this window.
    std::unique_ptr<frmdropdown> m_closedSubMenu;
};

} // namespace lumokit
