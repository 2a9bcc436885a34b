#pragma once

// Shared by the LumoKit test folders: a message service that records
// instead of showing, a container with settable ambient properties, a fixed
// font, mouse input as the platform delivers it, and events by name.
#include "core/com/TypeLibrary.h"
#include "core/control/LibraryMessages.h"
#include "core/control/UserControl.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStringList>
#include <QTest>

namespace lumokittest {

class RecordingMessages : public lumokit::LibraryMessages {
public:
    RecordingMessages() : m_previous(LibraryMessages::install(this)) {}
    ~RecordingMessages() override { LibraryMessages::install(m_previous); }
    RecordingMessages(const RecordingMessages&) = delete;
    RecordingMessages& operator=(const RecordingMessages&) = delete;
    void showMessage(const QString& text, const QString& title) override {
        shown.append(title + QStringLiteral("|") + text);
    }
    // Retry/Cancel boxes are recorded as "title|text?" and answered with
    // retries Retry first, then Cancel.
    bool askRetryCancel(const QString& text, const QString& title) override {
        shown.append(title + QStringLiteral("|") + text + QStringLiteral("?"));
        return retries-- > 0;
    }
    QStringList shown;
    int retries = 0;

private:
    lumokit::LibraryMessages* m_previous;
};

class FakeContainer : public lumokit::Container {
public:
    bool DisplayAsDefault() const override { return displayAsDefault; }
    void PropertyChanged(const QString& name) override { changed.append(name); }
    bool displayAsDefault = true;
    QStringList changed;
};

// Pixel results do not depend on the desktop: a fixed font face and size
// (surfaces are 96 dots per inch and have no device pixel ratio).
inline QFont fixedFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    return font;
}

// A move carries the buttons held; a press or release is of the left button.
inline void sendMouse(QWidget* widget, QEvent::Type type, QPointF at,
                      Qt::MouseButtons held = Qt::NoButton) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    if (type == QEvent::MouseButtonPress) {
        held |= Qt::LeftButton;
    }
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

inline void sendMove(QWidget* widget, QPointF at, Qt::MouseButtons held = Qt::NoButton) {
    sendMouse(widget, QEvent::MouseMove, at, held);
}

inline void sendLeave(QWidget* widget) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

// Move there, press, release.
inline void clickAt(QWidget* widget, QPointF at) {
    sendMove(widget, at);
    sendMouse(widget, QEvent::MouseButtonPress, at);
    sendMouse(widget, QEvent::MouseButtonRelease, at);
}

// The bounding box of the points of the area that pass the test.
template <typename Test> QRect boundsWhere(QRect area, Test test) {
    QRect found;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            found |= test(x, y) ? QRect(x, y, 1, 1) : QRect();
        }
    }
    return found;
}

// An event of a class by name, with its arguments: "MouseDown(1,0,5,6)".
inline QString describeEvent(const lumokit::GUID& clsid, int id, const QVariantList& args) {
    const auto& events =
        lumokit::TypeLibrary::instance().coclassById(clsid)->eventInterface->events;
    const QString name = id >= 1 && id <= static_cast<int>(events.size())
                             ? events[std::size_t(id - 1)].name
                             : QStringLiteral("?");
    QStringList parts;
    for (const QVariant& arg : args) {
        parts.append(arg.toString());
    }
    return args.isEmpty()
               ? name
               : name + QLatin1Char('(') + parts.join(QLatin1Char(',')) + QLatin1Char(')');
}

// Press, release, double click, release.
inline void doubleClick(QWidget* widget, QPoint at = QPoint(5, 5)) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

} // namespace lumokittest
