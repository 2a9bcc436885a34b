#pragma once

// What a host framework gives a user control: a registered window whose Qt
// input becomes window messages passed through the window's procedure chain
// (so a subclasser sees, changes or swallows them) and, at the bottom of the
// chain, the control's handlers (UserControl_MouseDown, ...); a persistent
// drawing surface with a device context that keeps its drawing and is shown
// on paint; the container's ambient properties; property persistence through
// a property bag; and events raised both to the host sink and as Qt signals.
#include "core/control/ControlEvents.h"
#include "core/control/InputArguments.h"
#include "core/platform/Win32Types.h"

#include <lumokit/Container.h>
#include <lumokit/EventSource.h>
#include <lumokit/PropertyBag.h>
#include <lumokit/StdFont.h>

#include <QImage>
#include <QMetaMethod>
#include <QPointer>
#include <QString>
#include <QVariantList>
#include <QWidget>

#include <cstdint>
#include <type_traits>
#include <utility>
#include <vector>

class QShortcut;

namespace lumokit {

struct EventInterfaceInfo;

class UserControl : public QWidget, public EventSource {
    Q_OBJECT
public:
    // events: the control's event interface, whose events are raised by the
    // Qt signals of the same names (none for a window without events). The
    // window class, which class styles belong to, is the control's Qt class.
    explicit UserControl(QWidget* parent = nullptr, const EventInterfaceInfo* events = nullptr);
    ~UserControl() override;

    HWND hWnd() const { return m_hWnd; }
    // The device context over the surface; valid for the control's lifetime.
    HDC hDC() const { return m_hDC; }
    // The drawing surface in pixels (the scale of every control is pixels).
    int ScaleWidth() const { return width(); }
    int ScaleHeight() const { return height(); }
    const QImage& surface() const;
    bool Enabled() const { return isEnabled(); }

    // The colour Cls clears to and the colour text is drawn in.
    OLE_COLOR BackColor() const { return m_BackColor; }
    void setBackColor(OLE_COLOR New_BackColor);
    OLE_COLOR ForeColor() const { return m_ForeColor; }
    void setForeColor(OLE_COLOR New_ForeColor);
    // Clears the whole surface to BackColor.
    void Cls();

    // The control's font as the font object it is saved as: a Qt font keeps
    // no character set, so the control keeps it beside the font.
    StdFont fontObject() const { return StdFont::fromQFont(font(), m_fontCharset); }
    void setFontObject(const StdFont& font) { setControlFont(font.toQFont(), font.Charset); }
    void setControlFont(const QFont& font, std::int16_t charset = 0);

    // Characters that, with Alt in the host window, reach
    // UserControl_AccessKeyPress.
    const QString& AccessKeys() const { return m_AccessKeys; }
    void setAccessKeys(const QString& New_AccessKeys);

    // The host's site for this control; not owned, must outlive the control
    // or be reset. Without one the plain defaults of Container apply.
    void setContainer(Container* container) { m_container = container; }
    const Container& Ambient() const;

    // The host tells the control that one of its ambient properties changed.
    void ambientPropertyChanged(const QString& propertyName);
    // The control tells the host that a saved property changed.
    void PropertyChanged(const QString& propertyName);

    void initNew();
    void readFrom(const PropertyBag& bag);
    void writeTo(PropertyBag& bag);

    // Emits eventRaised and forwards to the host sink; returns the arguments
    // as the handlers left them (by-reference parameters).
    QVariantList RaiseEvent(DISPID eventId, QVariantList args = {});
    // The number of the event that a signal of the control raises; 0 when
    // the control's event interface has no event of that name.
    DISPID eventIdOf(const QMetaMethod& signal) const;

    // The procedure at the bottom of every UserControl window's chain.
    static LRESULT controlWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

signals:
    void eventRaised(int eventId, QVariantList args);
    void propertyChanged(const QString& propertyName);

protected:
    // Raises one of the control's events: first to the host's sink, by the
    // number of the event named like the signal, then as the signal itself
    // with the values the sink left. Arguments the event takes by reference
    // come back in args, as the sink and then the signal's handlers left
    // them. False when a handler destroyed the control.
    template <typename C, typename... P>
    bool raiseEvent(void (C::*signal)(P...), QVariantList& args) {
        const QPointer<UserControl> self(this);
        args = RaiseEvent(eventIdOf(QMetaMethod::fromSignal(signal)), std::move(args));
        if (!self) {
            return false;
        }
        events::emitSignal(static_cast<C&>(*this), signal, args, std::index_sequence_for<P...>{});
        return !self.isNull();
    }
    // The same for an event whose arguments the raiser does not read back.
    template <typename C, typename... P, typename... A,
              typename = std::enable_if_t<!events::isArgumentList<A...>>>
    bool raiseEvent(void (C::*signal)(P...), A&&... values) {
        QVariantList args{QVariant::fromValue(std::decay_t<A>(values))...};
        return raiseEvent(signal, args);
    }

    // The steps every property writer of a control takes after storing the
    // value: tell the container the property changed and repaint, on every
    // write, even of an unchanged value (hosts rewrite a value to force a
    // repaint). repaint false: the value takes effect at the next paint.
    void propertyWritten(const char* name, bool repaint = true);
    template <typename T> void writeProperty(T& field, const T& value, const char* name) {
        field = value;
        propertyWritten(name);
    }
    // How the control repaints after a property write.
    virtual void repaintAfterWrite() {}

    // Turns a message that reached the bottom of the chain into handler calls.
    virtual LRESULT DefWindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam);

    virtual void UserControl_InitProperties() {}
    virtual void UserControl_ReadProperties(const PropertyBag& PropBag) { (void)PropBag; }
    virtual void UserControl_WriteProperties(PropertyBag& PropBag) { (void)PropBag; }
    virtual void UserControl_MouseDown(int Button, int Shift, float X, float Y);
    virtual void UserControl_MouseMove(int Button, int Shift, float X, float Y);
    virtual void UserControl_MouseUp(int Button, int Shift, float X, float Y);
    virtual void UserControl_Click() {}
    virtual void UserControl_DblClick() {}
    virtual void UserControl_KeyDown(int& KeyCode, int& Shift);
    virtual void UserControl_KeyPress(int& KeyAscii) { (void)KeyAscii; }
    virtual void UserControl_KeyUp(int& KeyCode, int& Shift);
    virtual void UserControl_AccessKeyPress(int KeyAscii) { (void)KeyAscii; }
    virtual void UserControl_GotFocus() {}
    virtual void UserControl_LostFocus() {}
    virtual void UserControl_EnterFocus() {}
    virtual void UserControl_ExitFocus() {}
    virtual void UserControl_Resize() {}
    virtual void UserControl_Paint() {}
    virtual void UserControl_AmbientChanged(const QString& PropertyName) { (void)PropertyName; }

    // Qt input and window events become messages.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void sendMouseMessage(UINT message, const QMouseEvent* event);
    void resizeSurface(const QSize& size);
    void applyFontToDc();
    void onAccessKey(QChar key);

    HWND m_hWnd = 0;
    HDC m_hDC = 0;
    QImage m_surface;
    OLE_COLOR m_BackColor = 0x8000000Fu;
    OLE_COLOR m_ForeColor = 0x80000012u;
    QString m_AccessKeys;
    std::vector<QShortcut*> m_accessShortcuts;
    Container* m_container = nullptr;
    const EventInterfaceInfo* m_events = nullptr;
    std::int16_t m_fontCharset = 0;
    bool m_leftPressArmed = false; // a left press started on this control
};

} // namespace lumokit
