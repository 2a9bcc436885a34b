#pragma once

// What a host framework gives a user control: a registered window whose Qt
// input becomes window messages passed through the window's procedure chain
// (so a subclasser sees, changes or swallows them) and, at the bottom of the
// chain, the control's handlers (UserControl_MouseDown, ...); a persistent
// drawing surface with a device context that keeps its drawing and is shown
// on paint; the container's ambient properties; property persistence through
// a property bag; and events raised both as Qt signals and to the host sink.
#include "core/platform/Win32Types.h"

#include <lumokit/Container.h>
#include <lumokit/EventSource.h>
#include <lumokit/PropertyBag.h>

#include <QImage>
#include <QString>
#include <QVariantList>
#include <QWidget>

#include <memory>
#include <vector>

class QShortcut;

namespace lumokit {

// Button and Shift arguments of the mouse and key handlers.
constexpr int vbLeftButton = 1;
constexpr int vbRightButton = 2;
constexpr int vbMiddleButton = 4;
constexpr int vbShiftMask = 1;
constexpr int vbCtrlMask = 2;
constexpr int vbAltMask = 4;

class UserControl : public QWidget, public EventSource {
    Q_OBJECT
public:
    // windowClass names the window class (class styles are per class); the
    // derived control's Qt class name when empty.
    explicit UserControl(QWidget* parent = nullptr, const QString& windowClass = {});
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

    void InitNew();
    void ReadFrom(const PropertyBag& bag);
    void WriteTo(PropertyBag& bag);

    // Emits eventRaised and forwards to the host sink; returns the arguments
    // as the handlers left them (by-reference parameters).
    QVariantList RaiseEvent(DISPID eventId, QVariantList args = {});

    // The procedure at the bottom of every UserControl window's chain.
    static LRESULT ControlWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

signals:
    void eventRaised(int eventId, QVariantList args);
    void propertyChanged(const QString& propertyName);

protected:
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
    bool m_leftPressArmed = false; // a left press started on this control
};

} // namespace lumokit
