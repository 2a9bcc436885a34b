#include "statusbar/lumoStatusbar.h"

#include "core/com/TypeLibrary.h"
#include "core/control/Painting.h"
#include "core/control/cTimer.h"
#include "core/platform/Win32Gdi.h"
#include "core/platform/Win32Text.h"
#include "popups/AboutBox.h"

#include <lumokit/ComError.h>
#include <lumokit/TypeLibIds.h>

#include <QEvent>

namespace lumokit {

namespace {

constexpr UINT kCaptionFlags = DT_VCENTER | DT_SINGLELINE;
constexpr UINT kGripFlags = DT_RIGHT | DT_BOTTOM | DT_SINGLELINE;
const QString kPanelFace = QStringLiteral("MS Sans Serif");
const QString kGripFace = QStringLiteral("Marlett");
const QString kSizeGrip = QStringLiteral("o");

// The control's font under another face name, selected for one use and
// deleted after it.
class FaceScope {
public:
    FaceScope(HDC hdc, QFont font, const QString& face) : m_hdc(hdc) {
        font.setFamily(face);
        m_font = CreateFontFromQFont(font);
        m_previous = SelectObject(m_hdc, m_font);
    }
    ~FaceScope() {
        SelectObject(m_hdc, m_previous);
        DeleteObject(m_font);
    }
    FaceScope(const FaceScope&) = delete;
    FaceScope& operator=(const FaceScope&) = delete;

private:
    HDC m_hdc;
    HFONT m_font = 0;
    HGDIOBJ m_previous = 0;
};

void drawBorder(HDC hdc, RECT area, lumosBorder border, OLE_COLOR frameColor) {
    switch (border) {
    case lumosBorder::lumosFlatBorder:
        frameSolid(hdc, area, frameColor);
        break;
    case lumosBorder::lumos3dRaisedBorder:
        DrawEdge(hdc, &area, BDR_RAISEDINNER, BF_RECT);
        break;
    case lumosBorder::lumos3dDownBorder:
        DrawEdge(hdc, &area, BDR_SUNKENOUTER, BF_RECT);
        break;
    default:
        break;
    }
}

} // namespace

const QString lumoStatusbar::kPlaceholder = QStringLiteral("Lumo StatusBar");

lumoStatusbar::lumoStatusbar(QWidget* parent)
    : UserControl(parent,
                  TypeLibrary::instance().coclassById(CLSID_lumoStatusbar)->eventInterface) {
    properties().place(*this);
    DrawStatusBar();
    m_Timer = std::make_unique<cTimer>();
    connect(m_Timer.get(), &cTimer::Timer, this, &lumoStatusbar::Timer_Timer);
}

lumoStatusbar::~lumoStatusbar() = default; // dropping the timer stops it

// --- Persistence --------------------------------------------------------------------

const PropertyTable<lumoStatusbar>& lumoStatusbar::properties() {
    using T = lumoStatusbar;
    static const PropertyTable<T> table = [] {
        PropertyTable<T> t;
        t.field("bgColor2", &T::m_bgColor2, 0xFFFFFFu, 0xFFFFFFu)
            .field("bgColor1", &T::m_bgColor1, 0x8000000Fu, 0x8000000Fu)
            .field("Framecolor", &T::m_Framecolor, 0xFFFFFFu, 0xFFFFFFu)
            .field("Border", &T::m_Border, lumosBorder::lumosNoBorder, lumosBorder::lumosNoBorder)
            .field("BorderColor", &T::m_BorderColor, 0u, 0u);
        return t;
    }();
    return table;
}

void lumoStatusbar::UserControl_InitProperties() {
    properties().place(*this);
    DrawStatusBar();
}

void lumoStatusbar::UserControl_ReadProperties(const PropertyBag& PropBag) {
    properties().read(*this, PropBag);
    DrawStatusBar();
}

void lumoStatusbar::UserControl_WriteProperties(PropertyBag& PropBag) {
    properties().write(*this, PropBag);
}

// --- Methods ------------------------------------------------------------------------

void lumoStatusbar::AddPanel(const QString& sCaption, LONG lgWidth, bool bVisible, sSize bAutoSise,
                             lumosBorder bBorder) {
    m_layout.add(PanelRecord{lgWidth, bVisible, sCaption, bAutoSise, bBorder});
    DrawStatusBar();
}

void lumoStatusbar::About() {
    AboutBox::showModal(this);
}

// --- Property writers ---------------------------------------------------------------

void lumoStatusbar::setbgColor2(OLE_COLOR New_bgColor2) {
    writeProperty(m_bgColor2, New_bgColor2, "bgColor2");
}

void lumoStatusbar::setbgColor1(OLE_COLOR New_bgColor1) {
    writeProperty(m_bgColor1, New_bgColor1, "bgColor1");
}

void lumoStatusbar::setBorder(lumosBorder New_Border) {
    writeProperty(m_Border, New_Border, "Border");
}

void lumoStatusbar::setFramecolor(OLE_COLOR New_Framecolor) {
    m_Framecolor = New_Framecolor;
    propertyWritten("Framecolor", false);
    markChanged();
}

void lumoStatusbar::setBorderColor(OLE_COLOR New_BorderColor) {
    m_BorderColor = New_BorderColor;
    propertyWritten("BorderColor", false);
    markChanged();
}

QString lumoStatusbar::PanelCaption(LONG index) const {
    const PanelRecord* panel = m_layout.panel(index);
    return panel ? panel->caption : QString();
}

LONG lumoStatusbar::PanelWidth(LONG index) const {
    const PanelRecord* panel = m_layout.panel(index);
    return panel ? panel->width : 0;
}

bool lumoStatusbar::PanelVisible(LONG index) const {
    const PanelRecord* panel = m_layout.panel(index);
    return panel && panel->visible;
}

sSize lumoStatusbar::PanelAutosize(LONG index) const {
    const PanelRecord* panel = m_layout.panel(index);
    return panel ? panel->autosize : sSize::sNoAutosize;
}

lumosBorder lumoStatusbar::PanelBorder(LONG index) const {
    const PanelRecord* panel = m_layout.panel(index);
    return panel ? panel->border : lumosBorder::lumosNoBorder;
}

template <typename T>
void lumoStatusbar::writePanel(LONG index, T PanelRecord::*field, const T& value,
                               const char* name) {
    if (PanelRecord* panel = m_layout.panelToWrite(index)) {
        panel->*field = value;
        propertyWritten(name);
    }
}

void lumoStatusbar::setPanelCaption(LONG index, const QString& New_PanelCaption) {
    writePanel(index, &PanelRecord::caption, New_PanelCaption, "PanelCaption");
}

void lumoStatusbar::setPanelWidth(LONG index, LONG New_PanelWidth) {
    writePanel(index, &PanelRecord::width, New_PanelWidth, "PanelWidth");
}

void lumoStatusbar::setPanelVisible(LONG index, bool New_PanelVisible) {
    writePanel(index, &PanelRecord::visible, New_PanelVisible, "PanelVisible");
}

void lumoStatusbar::setPanelAutosize(LONG index, sSize New_PanelAutosize) {
    writePanel(index, &PanelRecord::autosize, New_PanelAutosize, "PanelAutosize");
}

void lumoStatusbar::setPanelBorder(LONG index, lumosBorder New_PanelBorder) {
    writePanel(index, &PanelRecord::border, New_PanelBorder, "PanelBorder");
}

// --- Repainting -----------------------------------------------------------------------

// The timer wakes the bar only while a change waits: a bar left alone
// costs no processor time at all.
void lumoStatusbar::markChanged() {
    m_changed = true;
    if (!m_Timer || m_Timer->Interval() != 0) {
        return;
    }
    try {
        m_Timer->setInterval(kRepaintInterval);
    } catch (const ComError&) {
        DrawStatusBar(); // no timer to be had: show the change at once
    }
}

void lumoStatusbar::Timer_Timer() {
    DrawStatusBar();
}

void lumoStatusbar::changeEvent(QEvent* event) {
    UserControl::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        markChanged(); // contents widths and captions follow the font
    }
}

void lumoStatusbar::UserControl_Resize() {
    DrawStatusBar();
}

void lumoStatusbar::DrawStatusBar() {
    m_changed = false; // and nothing left for the timer
    if (m_Timer) {
        m_Timer->setInterval(0);
    }
    const int w = ScaleWidth();
    const int h = ScaleHeight();
    const RECT all{0, 0, w, h};
    Cls();
    fillGradient(hDC(), all, m_bgColor1, m_bgColor2, h);
    {
        const FaceScope panelFace(hDC(), font(), kPanelFace);
        if (m_layout.count() == 0) {
            const RECT frame = StatusbarLayout::placeholderFrame(w, h);
            frameSolid(hDC(), frame, m_Framecolor);
            drawText(hDC(), kPlaceholder,
                     RECT{frame.left + StatusbarLayout::kCaptionIndent, frame.top, frame.right,
                          frame.bottom},
                     kCaptionFlags);
        } else {
            drawPanels(m_layout.layOut(w, h, [this](const QString& caption) {
                return textExtent(hDC(), caption, kCaptionFlags).width();
            }));
        }
    }
    {
        const FaceScope gripFace(hDC(), font(), kGripFace);
        drawText(hDC(), kSizeGrip, all, kGripFlags);
    }
    drawOuterBorder(all);
}

void lumoStatusbar::drawPanels(const std::vector<PlacedPanel>& placed) {
    for (const PlacedPanel& panel : placed) {
        const PanelRecord& record = *m_layout.panel(panel.index);
        drawBorder(hDC(), panel.rect, record.border, m_Framecolor);
        RECT text = panel.rect;
        text.left += StatusbarLayout::kCaptionIndent;
        drawText(hDC(), record.caption, text, kCaptionFlags);
    }
}

// Flat and sunken draw a border; lumos3dRaisedBorder draws none, and the
// sunken value is drawn with a raised inner edge.
void lumoStatusbar::drawOuterBorder(const RECT& all) {
    switch (m_Border) {
    case lumosBorder::lumosFlatBorder:
        frameSolid(hDC(), all, m_BorderColor);
        break;
    case lumosBorder::lumos3dDownBorder: {
        RECT edge = all;
        DrawEdge(hDC(), &edge, BDR_RAISEDINNER, BF_RECT);
        break;
    }
    default:
        break;
    }
}

} // namespace lumokit
