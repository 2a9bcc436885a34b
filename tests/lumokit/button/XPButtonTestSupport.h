#pragma once

// Shared by the XP button tests: a button with a fixed font and size and
// an event recorder.
#include "button/LumoXPButton.h"
#include "core/platform/Win32Gdi.h"
#include "lumokit/LumoKitTestSupport.h"

#include <lumokit/TypeLibIds.h>

#include <QApplication>
#include <QStringList>

#include <memory>

namespace xptest {

using namespace lumokit;
using namespace lumokittest;

inline std::unique_ptr<LumoXPButton> makeButton(int w = 120, int h = 30) {
    auto button = std::make_unique<LumoXPButton>();
    button->setFont(fixedFont());
    button->resize(w, h);
    return button;
}

class EventLog {
public:
    explicit EventLog(LumoXPButton* button) {
        QObject::connect(button, &UserControl::eventRaised, button,
                         [this](int id, const QVariantList& args) {
                             entries.append(describeEvent(CLSID_LumoXPButton, id, args));
                         });
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
