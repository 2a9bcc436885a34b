#pragma once

// Shared by the toolbar tests: a toolbar with a fixed font and size, event
// names from the type library ("ButtonClick(3)"), a recorder of what the
// state rules ask of their host, and small pictures.
#include "lumokit/LumoKitTestSupport.h"
#include "toolbar/lumoadvToolbar.h"

#include <lumokit/TypeLibIds.h>

#include <QApplication>
#include <QImage>
#include <QStringList>

#include <memory>
#include <ostream>

// Readable texts in test failure output.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace tbtest {

using namespace lumokit;
using namespace lumokittest;

inline std::unique_ptr<lumoadvToolbar> makeToolbar(int w = 300, int h = 24) {
    auto toolbar = std::make_unique<lumoadvToolbar>();
    toolbar->setControlFont(fixedFont());
    toolbar->setToolbarFont(fixedFont());
    toolbar->resize(w, h);
    return toolbar;
}

inline Picture solidIcon(QColor color, int size = 16) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(color);
    return Picture::fromImage(image, Picture::Icon);
}

inline ToolbarModel::NewButton newButton(const QString& caption, sStyle style = sStyle::sNormal) {
    ToolbarModel::NewButton item;
    item.caption = caption;
    item.style = style;
    return item;
}

inline ToolbarModel::NewMenuItem newItem(const QString& caption, sStyle style = sStyle::sNormal) {
    ToolbarModel::NewMenuItem item;
    item.caption = caption;
    item.style = style;
    return item;
}

inline QString describeEvent(int id, const QVariantList& args) {
    return lumokittest::describeEvent(CLSID_lumoadvToolbar, id, args);
}

// Events a toolbar raised, without the moves' MouseOverButton.
class EventLog {
public:
    explicit EventLog(lumoadvToolbar* toolbar) {
        QObject::connect(toolbar, &UserControl::eventRaised, toolbar,
                         [this](int id, const QVariantList& args) {
                             const QString entry = describeEvent(id, args);
                             if (!entry.startsWith(QLatin1String("MouseOverButton"))) {
                                 entries.append(entry);
                             }
                         });
    }
    QStringList entries;
};

// What the state rules ask of their host, in order.
class RecordingHost : public ToolbarHost {
public:
    QSize innerSize() const override { return size; }
    void DrawControl() override { ++draws; }
    void trackMouseLeave() override { ++leaveArms; }
    void raise(ToolbarEvent event, QVariantList& args) override {
        log.append(describeEvent(static_cast<int>(event), args));
    }
    void itemPropertyChanged(const char* name) override {
        log.append(QStringLiteral("changed ") + QString::fromLatin1(name));
    }
    void showTipWindow(const QString& text) override { log.append(QStringLiteral("tip ") + text); }
    void hideTipWindow() override {}
    bool tipShownOrExpired() const override { return tipBlocked; }
    void setTipDelay(LONG milliseconds) override { tipDelay = milliseconds; }
    void openDropDown(LONG D) override { log.append(QStringLiteral("open list %1").arg(D)); }
    void openOverflow(LONG R) override { log.append(QStringLiteral("open overflow %1").arg(R)); }

    QSize size{200, 24};
    QStringList log;
    int draws = 0;
    int leaveArms = 0;
    bool tipBlocked = false;
    LONG tipDelay = 0;
};

} // namespace tbtest
