#pragma once

// An owner-drawn status bar: a vertical two-colour gradient, a row of text
// panels from the left, a size-grip glyph at the lower right and an outer
// border. Hosts add panels at run time (AddPanel); panels are not saved
// with the control, only its colours and border.
//
// Framecolor and BorderColor writes (and a change of the control's font)
// show at the next tick of a 5 ms timer; every other writer, AddPanel and a
// resize repaint at once. The timer runs only while such a change waits, so
// an idle bar costs nothing.
//
// Hosts create it as "LumoKit.lumoStatusbar"; Qt programs may use it
// directly through its Qt properties.
#include "core/control/PropertyTable.h"
#include "core/control/UserControl.h"
#include "statusbar/StatusbarLayout.h"

#include <lumokit/Enums.h>

#include <QString>

#include <memory>

namespace lumokit {

class cTimer;

class lumoStatusbar : public UserControl {
    Q_OBJECT
    Q_PROPERTY(uint bgColor2 READ bgColor2 WRITE setbgColor2)
    Q_PROPERTY(uint bgColor1 READ bgColor1 WRITE setbgColor1)
    Q_PROPERTY(uint Framecolor READ Framecolor WRITE setFramecolor)
    Q_PROPERTY(lumokit::lumosBorder Border READ Border WRITE setBorder)
    Q_PROPERTY(uint BorderColor READ BorderColor WRITE setBorderColor)

public:
    static constexpr LONG kRepaintInterval = 5;
    // The text shown while there are no panels.
    static const QString kPlaceholder;

    explicit lumoStatusbar(QWidget* parent = nullptr);
    ~lumoStatusbar() override;

    // --- Methods --------------------------------------------------------------
    void AddPanel(const QString& sCaption, LONG lgWidth, bool bVisible = true,
                  sSize bAutoSise = sSize::sNoAutosize,
                  lumosBorder bBorder = lumosBorder::lumosFlatBorder);
    // The library's about box, modal, owned by the bar.
    void About();
    void DrawStatusBar();

    // --- Properties -------------------------------------------------------------
    // The gradient's bottom row, and the colour it rises towards.
    OLE_COLOR bgColor2() const { return m_bgColor2; }
    void setbgColor2(OLE_COLOR New_bgColor2);
    OLE_COLOR bgColor1() const { return m_bgColor1; }
    void setbgColor1(OLE_COLOR New_bgColor1);
    // Shows at the next tick.
    OLE_COLOR Framecolor() const { return m_Framecolor; }
    void setFramecolor(OLE_COLOR New_Framecolor);
    // lumos3dRaisedBorder draws no outer border.
    lumosBorder Border() const { return m_Border; }
    void setBorder(lumosBorder New_Border);
    // Shows at the next tick.
    OLE_COLOR BorderColor() const { return m_BorderColor; }
    void setBorderColor(OLE_COLOR New_BorderColor);

    // Panels 1 to the count. Index 0 reads as the empty value and ignores
    // writes; any other index, or any index while there is no panel, raises
    // error 9 (subscript out of range).
    QString PanelCaption(LONG index) const;
    void setPanelCaption(LONG index, const QString& New_PanelCaption);
    LONG PanelWidth(LONG index) const;
    void setPanelWidth(LONG index, LONG New_PanelWidth);
    bool PanelVisible(LONG index) const;
    void setPanelVisible(LONG index, bool New_PanelVisible);
    sSize PanelAutosize(LONG index) const;
    void setPanelAutosize(LONG index, sSize New_PanelAutosize);
    lumosBorder PanelBorder(LONG index) const;
    void setPanelBorder(LONG index, lumosBorder New_PanelBorder);

    LONG panelCount() const { return m_layout.count(); }
    // True while a change waits for the next tick's repaint.
    bool repaintPending() const { return m_changed; }
    // Runs (at kRepaintInterval) only while a change waits.
    cTimer* repaintTimer() const { return m_Timer.get(); }

protected:
    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(const PropertyBag& PropBag) override;
    void UserControl_WriteProperties(PropertyBag& PropBag) override;
    void UserControl_Resize() override;
    void repaintAfterWrite() override { DrawStatusBar(); }
    void changeEvent(QEvent* event) override;

private:
    static const PropertyTable<lumoStatusbar>& properties();
    void Timer_Timer();
    // Shows the change at the next tick.
    void markChanged();
    void drawPanels(const std::vector<PlacedPanel>& placed);
    void drawOuterBorder(const RECT& all);
    template <typename T>
    void writePanel(LONG index, T PanelRecord::*field, const T& value, const char* name);

    StatusbarLayout m_layout;
    OLE_COLOR m_BorderColor{};
    lumosBorder m_Border{};
    OLE_COLOR m_Framecolor{};
    OLE_COLOR m_bgColor2{};
    OLE_COLOR m_bgColor1{};
    bool m_changed = false; // something changed since the last paint
    std::unique_ptr<cTimer> m_Timer;
};

} // namespace lumokit
