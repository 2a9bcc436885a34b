// The kit's one path for a control's events: the host's sink first, by the
// number of the event named like the signal, then the Qt signal with what
// the sink left; reference arguments come back from both.
#include "core/com/TypeLibrary.h"
#include "core/control/UserControl.h"

#include <lumokit/TypeLibIds.h>

#include <gtest/gtest.h>

using namespace lumokit;

namespace {

// A control with two events of the XP button's interface.
class EventfulControl : public UserControl {
    Q_OBJECT
public:
    EventfulControl()
        : UserControl(nullptr,
                      TypeLibrary::instance().coclassById(CLSID_LumoXPButton)->eventInterface) {}
    using UserControl::raiseEvent;

signals:
    void KeyPress(int& KeyAscii);
    void DropClick(float x, float y);
    void NotAnEvent();
};

TEST(ControlEvents, SinkThenSignalByNameAndReferenceArgumentsComeBackFromBoth) {
    EventfulControl control;
    QStringList heard;
    control.setEventSink([&](DISPID id, QVariantList& args) {
        heard.append(QStringLiteral("sink %1 %2").arg(id).arg(args.value(0).toString()));
        if (id == 10) {
            args[0] = 66; // KeyAscii is by reference
        }
    });
    QObject::connect(&control, &EventfulControl::KeyPress, [&](int& KeyAscii) {
        heard.append(QStringLiteral("signal %1").arg(KeyAscii));
        KeyAscii = 0; // swallowed
    });
    QVariantList args{65};
    EXPECT_TRUE(control.raiseEvent(&EventfulControl::KeyPress, args));
    EXPECT_EQ(heard, (QStringList{"sink 10 65", "signal 66"}));
    EXPECT_EQ(args[0], QVariant(0)) << "as the signal's handler left it, still an int";

    heard.clear();
    QObject::connect(&control, &EventfulControl::DropClick, [&](float x, float y) {
        heard.append(QStringLiteral("drop %1 %2").arg(x).arg(y));
    });
    control.raiseEvent(&EventfulControl::DropClick, 1.5f, 2.0f);
    EXPECT_EQ(heard, (QStringList{"sink 2 1.5", "drop 1.5 2"}));
    EXPECT_EQ(control.eventIdOf(QMetaMethod::fromSignal(&EventfulControl::NotAnEvent)), 0);
}

TEST(ControlEvents, AHandlerThatDestroysTheControlStopsTheEvent) {
    auto* control = new EventfulControl;
    bool signalled = false;
    QObject::connect(control, &UserControl::eventRaised, [&] { delete control; });
    QObject::connect(control, &EventfulControl::KeyPress, [&](int&) { signalled = true; });
    EXPECT_FALSE(control->raiseEvent(&EventfulControl::KeyPress, 13));
    EXPECT_FALSE(signalled);
}

} // namespace

#include "ControlEventsTest.moc"
