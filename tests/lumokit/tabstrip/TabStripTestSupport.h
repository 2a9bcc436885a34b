#pragma once

// Shared by the tab strip tests: a strip with a fixed font on a form, three
// tabs, and a log of its events by name with their arguments.
#include "core/platform/SysColors.h"
#include "core/platform/Win32Input.h"
#include "lumokit/LumoKitTestSupport.h"
#include "tabstrip/lumoTabStrip.h"

#include <lumokit/TypeLibIds.h>

#include <gtest/gtest.h>

#include <memory>

namespace tabtest {

using namespace lumokit;
using namespace lumokittest;

class TabStripFixture : public ::testing::Test {
protected:
    void SetUp() override {
        setInputState(Qt::NoModifier, Qt::NoButton);
        form = std::make_unique<QWidget>();
        strip = new lumoTabStrip(form.get());
        strip->setFont(fixedFont());
        strip->setGeometry(10, 10, 300, 80);
        for (const char* caption : {"One", "Two", "Three"}) {
            strip->AddTab({}, QString::fromLatin1(caption),
                          QStringLiteral("about ") + QString::fromLatin1(caption));
        }
        QObject::connect(strip, &UserControl::eventRaised, strip,
                         [this](int id, const QVariantList& args) {
                             log.append(describeEvent(CLSID_lumoTabStrip, id, args));
                         });
    }

    // Tab i's left edge, and a point in its lower half.
    LONG tabLeft(LONG index) const {
        LONG left = 0;
        for (LONG i = 1; i < index; ++i) {
            left += strip->model().at(i).width;
        }
        return left;
    }
    QPoint tabPoint(LONG index) const {
        return QPoint(tabLeft(index) + strip->model().at(index).width / 2, strip->height() - 8);
    }
    void hover(QPoint at) { sendMove(strip, at); }
    void leave() { sendLeave(strip); }
    COLORREF pixel(int x, int y) const { return fromQColor(strip->surface().pixelColor(x, y)); }

    std::unique_ptr<QWidget> form;
    lumoTabStrip* strip = nullptr;
    QStringList log;
};

} // namespace tabtest
