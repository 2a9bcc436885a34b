#pragma once

// Shared by the XP button tests: a button with a fixed font and size and
// an event recorder.
#include "button/LumoXPButton.h"
#include "core/com/TypeLibrary.h"
#include "core/platform/Win32Gdi.h"
#include "lumokit/LumoKitTestSupport.h"

#include <lumokit/TypeLibIds.h>

#include <QApplication>
#include <QFont>
#include <QStringList>
#include <QStyle>

#include <memory>

namespace xptest {

using namespace lumokit;
using namespace lumokittest;

// Pixel results do not depend on the desktop: a fixed font face and size
// (the surface is 96 dots per inch and has no device pixel ratio).
inline QFont fixedFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    return font;
}

inline std::unique_ptr<LumoXPButton> makeButton(int w = 120, int h = 30) {
    if (QApplication::style()->name() != QLatin1String("fusion")) {
        QApplication::setStyle(QStringLiteral("Fusion"));
    }
    auto button = std::make_unique<LumoXPButton>();
    button->setFont(fixedFont());
    button->resize(w, h);
    return button;
}

// Names of the button's events, with their arguments: "MouseDown(1,0,5,6)".
inline QString eventName(int id) {
    const auto& events =
        TypeLibrary::instance().coclassById(CLSID_LumoXPButton)->eventInterface->events;
    return id >= 1 && id <= static_cast<int>(events.size()) ? events[std::size_t(id - 1)].name
                                                            : QStringLiteral("?");
}

inline QString describeEvent(int id, const QVariantList& args) {
    QStringList parts;
    for (const QVariant& arg : args) {
        parts.append(arg.toString());
    }
    return args.isEmpty()
               ? eventName(id)
               : eventName(id) + QLatin1Char('(') + parts.join(QLatin1Char(',')) + QLatin1Char(')');
}

class EventLog {
public:
    explicit EventLog(LumoXPButton* button) {
        QObject::connect(
            button, &UserControl::eventRaised, button,
            [this](int id, const QVariantList& args) { entries.append(describeEvent(id, args)); });
    }
    // The entries without the ones a pointer that hovers produces.
    QStringList withoutMoves() const {
        QStringList kept;
        for (const QString& entry : entries) {
            if (!entry.startsWith(QLatin1String("MouseMove")) &&
                entry != QLatin1String("MouseOver")) {
                kept.append(entry);
            }
        }
        return kept;
    }
    int count(const QString& name) const {
        int n = 0;
        for (const QString& entry : entries) {
            n += entry == name || entry.startsWith(name + QLatin1Char('(')) ? 1 : 0;
        }
        return n;
    }
    QStringList entries;
};

} // namespace xptest
