#include "core/control/UserControl.h"

#include "core/com/TypeInfo.h"
#include "core/platform/SysColors.h"
#include "core/platform/Win32Gdi.h"
#include "core/platform/Win32Input.h"
#include "core/platform/Win32Window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QShortcut>

namespace lumokit {

namespace {

// 96 dots per inch, so point sizes give the same pixels on every surface.
constexpr int kSurfaceDotsPerMeter = 3780;

QImage newSurface(const QSize& size, COLORREF fill) {
    QImage image(qMax(1, size.width()), qMax(1, size.height()), QImage::Format_RGB32);
    image.setDotsPerMeterX(kSurfaceDotsPerMeter);
    image.setDotsPerMeterY(kSurfaceDotsPerMeter);
    image.fill(toQColor(fill));
    return image;
}

UINT messageFor(Qt::MouseButton button, UINT left, UINT right, UINT middle) {
    switch (button) {
    case Qt::LeftButton:
        return left;
    case Qt::RightButton:
        return right;
    case Qt::MiddleButton:
        return middle;
    default:
        return WM_NULL;
    }
}

// Characters a key press types, as WM_CHAR carries them.
bool isTypedCharacter(QChar c) {
    return c.unicode() != 0x7F && c.unicode() != 0;
}

} // namespace

UserControl::UserControl(QWidget* parent, const EventInterfaceInfo* events)
    : QWidget(parent), m_events(events) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true); // moves without a button held are messages too
    m_surface = newSurface(size(), translateColor(m_BackColor));
    m_hWnd = registerWindow(this, QString(), &UserControl::controlWndProc);
    m_hDC = CreateSurfaceDC(&m_surface, [this](const QRect& area) { update(area); });
    setSurfacePreparer(m_hDC, [this] { resizeSurface(size()); });
    SetBkMode(m_hDC, TRANSPARENT);
    SetTextColor(m_hDC, translateColor(m_ForeColor));
    applyFontToDc();
}

UserControl::~UserControl() {
    // Messages stop here: what the widget does while it is torn down reaches
    // no handler of a half-destroyed control.
    unregisterWindow(m_hWnd);
    DeleteDC(m_hDC);
}

const QImage& UserControl::surface() const {
    surfaceOf(m_hDC); // brings the surface to the widget's size
    return m_surface;
}

void UserControl::setBackColor(OLE_COLOR New_BackColor) {
    m_BackColor = New_BackColor;
    Cls();
}

void UserControl::setForeColor(OLE_COLOR New_ForeColor) {
    m_ForeColor = New_ForeColor;
    SetTextColor(m_hDC, translateColor(m_ForeColor));
}

void UserControl::Cls() {
    resizeSurface(size());
    m_surface.fill(toQColor(translateColor(m_BackColor)));
    update();
}

void UserControl::setControlFont(const QFont& font, std::int16_t charset) {
    m_fontCharset = charset;
    setFont(font);
}

void UserControl::setAccessKeys(const QString& New_AccessKeys) {
    m_AccessKeys = New_AccessKeys;
    for (QShortcut* shortcut : m_accessShortcuts) {
        delete shortcut;
    }
    m_accessShortcuts.clear();
    for (const QChar key : m_AccessKeys) {
        if (!key.isPrint() || key.isSpace()) {
            continue;
        }
        const QKeySequence sequence(QStringLiteral("Alt+") + key.toUpper());
        if (sequence.isEmpty()) {
            continue;
        }
        auto* shortcut = new QShortcut(sequence, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, key] { onAccessKey(key); });
        connect(shortcut, &QShortcut::activatedAmbiguously, this,
                [this, key] { onAccessKey(key); });
        m_accessShortcuts.push_back(shortcut);
    }
}

void UserControl::onAccessKey(QChar key) {
    if (isEnabled()) {
        UserControl_AccessKeyPress(key.unicode());
    }
}

const Container& UserControl::Ambient() const {
    thread_local const Container plainForm;
    return m_container ? *m_container : plainForm;
}

void UserControl::ambientPropertyChanged(const QString& propertyName) {
    UserControl_AmbientChanged(propertyName);
}

void UserControl::PropertyChanged(const QString& propertyName) {
    if (m_container) {
        m_container->PropertyChanged(propertyName);
    }
    emit propertyChanged(propertyName);
}

void UserControl::initNew() {
    UserControl_InitProperties();
}

void UserControl::readFrom(const PropertyBag& bag) {
    UserControl_ReadProperties(bag);
}

void UserControl::writeTo(PropertyBag& bag) {
    UserControl_WriteProperties(bag);
}

QVariantList UserControl::RaiseEvent(DISPID eventId, QVariantList args) {
    const QPointer<UserControl> self(this);
    emit eventRaised(eventId, args);
    if (self) {
        raiseToSink(eventId, args);
    }
    return args;
}

DISPID UserControl::eventIdOf(const QMetaMethod& signal) const {
    if (!m_events) {
        return 0;
    }
    const DISPID id = m_events->idOfName(QString::fromLatin1(signal.name()));
    return id == DISPID_UNKNOWN ? 0 : id;
}

void UserControl::propertyWritten(const char* name, bool repaint) {
    PropertyChanged(QString::fromLatin1(name));
    if (repaint) {
        repaintAfterWrite();
    }
}

LRESULT UserControl::controlWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    auto* control = qobject_cast<UserControl*>(widgetOf(hwnd));
    if (!control) {
        return DefWindowProcA(hwnd, uMsg, wParam, lParam);
    }
    return control->DefWindowProc(uMsg, wParam, lParam);
}

LRESULT UserControl::DefWindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const float x = static_cast<float>(GET_X_LPARAM(lParam));
    const float y = static_cast<float>(GET_Y_LPARAM(lParam));
    const QPointer<UserControl> self(this); // handlers may destroy the control
    switch (uMsg) {
    case WM_LBUTTONDOWN:
        m_leftPressArmed = true;
        UserControl_MouseDown(vbLeftButton, shiftOfMessage(wParam), x, y);
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        UserControl_MouseDown(vbRightButton, shiftOfMessage(wParam), x, y);
        break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        UserControl_MouseDown(vbMiddleButton, shiftOfMessage(wParam), x, y);
        break;
    case WM_LBUTTONDBLCLK:
        // The second press of a double click is no click of its own.
        m_leftPressArmed = false;
        UserControl_DblClick();
        break;
    case WM_LBUTTONUP: {
        const bool armed = m_leftPressArmed;
        const bool over = x >= 0 && y >= 0 && x < width() && y < height();
        m_leftPressArmed = false;
        UserControl_MouseUp(vbLeftButton, shiftOfMessage(wParam), x, y);
        if (self && armed && over) {
            UserControl_Click();
        }
        break;
    }
    case WM_RBUTTONUP:
        UserControl_MouseUp(vbRightButton, shiftOfMessage(wParam), x, y);
        break;
    case WM_MBUTTONUP:
        UserControl_MouseUp(vbMiddleButton, shiftOfMessage(wParam), x, y);
        break;
    case WM_MOUSEMOVE:
        UserControl_MouseMove(buttonsOfMessage(wParam), shiftOfMessage(wParam), x, y);
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        int keyCode = static_cast<int>(wParam);
        int shift = shiftStateFromKeyState();
        UserControl_KeyDown(keyCode, shift);
        break;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        int keyCode = static_cast<int>(wParam);
        int shift = shiftStateFromKeyState();
        UserControl_KeyUp(keyCode, shift);
        break;
    }
    case WM_CHAR: {
        int keyAscii = static_cast<int>(wParam);
        UserControl_KeyPress(keyAscii);
        break;
    }
    case WM_SETFOCUS:
        UserControl_EnterFocus();
        if (self) {
            UserControl_GotFocus();
        }
        break;
    case WM_KILLFOCUS:
        UserControl_LostFocus();
        if (self) {
            UserControl_ExitFocus();
        }
        break;
    case WM_SIZE:
        UserControl_Resize();
        break;
    case WM_PAINT:
        UserControl_Paint();
        break;
    default:
        break;
    }
    return 0;
}

void UserControl::UserControl_MouseDown(int, int, float, float) {}
void UserControl::UserControl_MouseMove(int, int, float, float) {}
void UserControl::UserControl_MouseUp(int, int, float, float) {}
void UserControl::UserControl_KeyDown(int&, int&) {}
void UserControl::UserControl_KeyUp(int&, int&) {}

void UserControl::sendMouseMessage(UINT message, const QMouseEvent* event) {
    setInputState(event->modifiers(), event->buttons());
    const QPoint at = event->position().toPoint();
    SendMessageA(m_hWnd, message, mouseKeyFlags(event->buttons(), event->modifiers()),
                 MAKELPARAM(at.x(), at.y()));
}

void UserControl::mousePressEvent(QMouseEvent* event) {
    const UINT message =
        messageFor(event->button(), WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN);
    if (message != WM_NULL) {
        sendMouseMessage(message, event);
    }
}

void UserControl::mouseDoubleClickEvent(QMouseEvent* event) {
    const UINT message =
        messageFor(event->button(), WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK, WM_MBUTTONDBLCLK);
    if (message != WM_NULL) {
        sendMouseMessage(message, event);
    }
}

void UserControl::mouseReleaseEvent(QMouseEvent* event) {
    const UINT message = messageFor(event->button(), WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP);
    if (message != WM_NULL) {
        sendMouseMessage(message, event);
    }
}

void UserControl::mouseMoveEvent(QMouseEvent* event) {
    sendMouseMessage(WM_MOUSEMOVE, event);
}

void UserControl::keyPressEvent(QKeyEvent* event) {
    setInputState(event->modifiers(), QApplication::mouseButtons());
    const int virtualKey = virtualKeyFromQt(event->key(), event->modifiers());
    const bool alt = event->modifiers() & Qt::AltModifier;
    const QPointer<UserControl> self(this);
    if (virtualKey != 0) {
        const LPARAM keyData = 1 | (event->isAutoRepeat() ? (1 << 30) : 0);
        SendMessageA(m_hWnd, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, static_cast<WPARAM>(virtualKey),
                     keyData);
    }
    if (!self || alt) {
        return;
    }
    for (const QChar c : event->text()) {
        if (isTypedCharacter(c)) {
            SendMessageA(m_hWnd, WM_CHAR, c.unicode(), 1);
            if (!self) {
                return;
            }
        }
    }
}

void UserControl::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) {
        return; // a held key sends presses only
    }
    setInputState(event->modifiers(), QApplication::mouseButtons());
    const int virtualKey = virtualKeyFromQt(event->key(), event->modifiers());
    if (virtualKey != 0) {
        const bool alt = event->modifiers() & Qt::AltModifier;
        SendMessageA(m_hWnd, alt ? WM_SYSKEYUP : WM_KEYUP, static_cast<WPARAM>(virtualKey),
                     static_cast<LPARAM>(0xC0000001u));
    }
}

void UserControl::focusInEvent(QFocusEvent*) {
    SendMessageA(m_hWnd, WM_SETFOCUS, 0, 0);
}

void UserControl::focusOutEvent(QFocusEvent*) {
    SendMessageA(m_hWnd, WM_KILLFOCUS, 0, 0);
}

void UserControl::resizeEvent(QResizeEvent*) {
    resizeSurface(size());
    SendMessageA(m_hWnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(width(), height()));
}

void UserControl::paintEvent(QPaintEvent* event) {
    const QPointer<UserControl> self(this);
    SendMessageA(m_hWnd, WM_PAINT, 0, 0);
    if (!self) {
        return;
    }
    QPainter painter(this);
    painter.drawImage(event->rect(), m_surface, event->rect());
}

void UserControl::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        applyFontToDc();
    } else if (event->type() == QEvent::EnabledChange) {
        SendMessageA(m_hWnd, WM_ENABLE, isEnabled() ? 1 : 0, 0);
    }
    QWidget::changeEvent(event);
}

void UserControl::resizeSurface(const QSize& newSize) {
    const QSize wanted(qMax(1, newSize.width()), qMax(1, newSize.height()));
    if (wanted == m_surface.size()) {
        return;
    }
    // The drawing is kept; new area shows the back colour.
    QImage resized = newSurface(wanted, translateColor(m_BackColor));
    QPainter painter(&resized);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(0, 0), m_surface);
    painter.end();
    m_surface = std::move(resized);
}

void UserControl::applyFontToDc() {
    setDeviceFont(m_hDC, font());
}

} // namespace lumokit
