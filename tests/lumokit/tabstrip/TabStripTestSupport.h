#pragma once

// Shared by the tab strip tests: a strip with a fixed font on a form, three
// tabs, and a log of its events by name with their arguments.
#include "core/com/TypeLibrary.h"
#include "core/platform/SysColors.h"
#include "core/platform/Win32Input.h"
#include "lumokit/LumoKitTestSupport.h"
#include "tabstrip/lumoTabStrip.h"

#include <lumokit/TypeLibIds.h>

#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <memory>

namespace tabtest {

using namespace lumokit;

inline QFont fixedFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    return font;
}

class TabStripFixture : public ::testing::Test {
protected:
    void SetUp() override {
        setInputState(Qt::NoModifier, Qt::NoButton);
        form = std::make_unique<QWidget>();
        form->resize(400, 200);
        strip = new lumoTabStrip(form.get());
        strip->setFont(fixedFont());
        strip->setGeometry(10, 10, 300, 80);
        for (const char* caption : {"One", "Two", "Three"}) {
            strip->AddTab({}, QString::fromLatin1(caption),
                          QStringLiteral("about ") + QString::fromLatin1(caption));
        }
        QObject::connect(
            strip, &UserControl::eventRaised, strip,
            [this](int id, const QVariantList& args) { log.append(describe(id, args)); });
    }

    // The middle of tab i's lower half, where it is hit and clicked.
    QPoint tabPoint(LONG index) const {
        LONG left = 0;
        for (LONG i = 1; i < index; ++i) {
            left += strip->model().at(i).visible ? strip->model().at(i).width : 0;
        }
        return QPoint(left + strip->model().at(index).width / 2, strip->height() - 8);
    }
    void hover(QPoint at) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), strip->mapToGlobal(QPointF(at)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(strip, &move);
    }
    void leave() {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(strip, &event);
    }
    COLORREF pixel(int x, int y) const {
        return lumokit::fromQColor(strip->surface().pixelColor(x, y));
    }

    static QString describe(int id, const QVariantList& args) {
        const auto& events =
            TypeLibrary::instance().coclassById(CLSID_lumoTabStrip)->eventInterface->events;
        QStringList parts;
        for (const QVariant& arg : args) {
            parts.append(arg.toString());
        }
        const QString name = events[std::size_t(id - 1)].name;
        return args.isEmpty()
                   ? name
                   : name + QLatin1Char('(') + parts.join(QLatin1Char(',')) + QLatin1Char(')');
    }

    std::unique_ptr<QWidget> form;
    lumoTabStrip* strip = nullptr;
    QStringList log;
};

} // namespace tabtest
