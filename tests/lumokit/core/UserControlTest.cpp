// UserControl: Qt mouse and focus input becomes messages through the
// procedure chain and ends in the handlers (keys are covered through the XP
// button); the surface keeps its drawing. Ambient properties are the XP
// button's tests' subject.
#include "core/control/UserControl.h"
#include "core/control/clsSubClass.h"
#include "core/platform/SysColors.h"
#include "core/platform/Win32Gdi.h"
#include "core/platform/Win32Window.h"
#include "lumokit/LumoKitTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include <memory>

using namespace lumokit;
using namespace lumokittest;

namespace {

class RecordingControl : public UserControl {
public:
    using UserControl::UserControl;
    QStringList calls;

protected:
    void record(const QString& call) { calls.append(call); }
    static QString mouse(const char* name, int button, int shift, float x, float y) {
        return QStringLiteral("%1(%2,%3,%4,%5)")
            .arg(QLatin1String(name))
            .arg(button)
            .arg(shift)
            .arg(static_cast<double>(x))
            .arg(static_cast<double>(y));
    }
    void UserControl_MouseDown(int b, int s, float x, float y) override {
        record(mouse("MouseDown", b, s, x, y));
    }
    void UserControl_MouseMove(int b, int s, float x, float y) override {
        record(mouse("MouseMove", b, s, x, y));
    }
    void UserControl_MouseUp(int b, int s, float x, float y) override {
        record(mouse("MouseUp", b, s, x, y));
    }
    void UserControl_Click() override { record(QStringLiteral("Click")); }
    void UserControl_DblClick() override { record(QStringLiteral("DblClick")); }
    void UserControl_GotFocus() override { record(QStringLiteral("GotFocus")); }
    void UserControl_LostFocus() override { record(QStringLiteral("LostFocus")); }
    void UserControl_EnterFocus() override { record(QStringLiteral("EnterFocus")); }
    void UserControl_ExitFocus() override { record(QStringLiteral("ExitFocus")); }
    void UserControl_Resize() override {
        record(QStringLiteral("Resize(%1,%2)").arg(ScaleWidth()).arg(ScaleHeight()));
    }
};

class Hosting : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<QWidget>();
        form->resize(200, 100);
        control = new RecordingControl(form.get());
        control->setGeometry(10, 10, 80, 30);
        control->calls.clear();
    }
    std::unique_ptr<QWidget> form;
    RecordingControl* control = nullptr;
};

TEST_F(Hosting, ClickOnlyForALeftReleaseOverTheControlAndMovesCarryTheHeldButtons) {
    QMouseEvent move(QEvent::MouseMove, QPointF(7, 8), control->mapToGlobal(QPointF(7, 8)),
                     Qt::NoButton, Qt::LeftButton | Qt::RightButton, Qt::AltModifier);
    QApplication::sendEvent(control, &move);
    QTest::mousePress(control, Qt::LeftButton, {}, QPoint(5, 6));
    QTest::mouseRelease(control, Qt::LeftButton, {}, QPoint(120, 6));
    QTest::mouseClick(control, Qt::RightButton, Qt::ControlModifier, QPoint(2, 3));
    EXPECT_EQ(control->calls,
              (QStringList{"MouseMove(3,4,7,8)", "MouseDown(1,0,5,6)", "MouseUp(1,0,120,6)",
                           "MouseDown(2,2,2,3)", "MouseUp(2,2,2,3)"}));

    control->calls.clear(); // the second press of a double click is no click
    doubleClick(control, QPoint(4, 4));
    EXPECT_EQ(control->calls, (QStringList{"MouseDown(1,0,4,4)", "MouseUp(1,0,4,4)", "Click",
                                           "DblClick", "MouseUp(1,0,4,4)"}));
}

TEST_F(Hosting, SwallowedPressGivesNoMouseDownAndNoClick) {
    clsSubClass subclass;
    QObject::connect(
        &subclass, &clsSubClass::NewMessage,
        [](HWND, UINT& msg, WPARAM&, LPARAM&, bool& cancel) { cancel = msg == WM_LBUTTONDOWN; });
    subclass.SubClassHwnd(control->hWnd(), true);
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(control->calls, (QStringList{"MouseUp(1,0,5,5)"}));
}

TEST_F(Hosting, FocusMessagesReachTheFocusHandlers) {
    form->show();
    QApplication::setActiveWindow(form.get());
    control->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return control->hasFocus(); }, 5000));
    control->calls.clear();
    control->clearFocus();
    control->setFocus();
    control->clearFocus();
    EXPECT_EQ(control->calls, (QStringList{"LostFocus", "ExitFocus", "EnterFocus", "GotFocus",
                                           "LostFocus", "ExitFocus"}));
}

TEST_F(Hosting, SurfaceKeepsItsDrawingWhenResizedIsShownOnPaintAndGoesWithTheControl) {
    RECT mark{1, 1, 3, 3};
    const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(control->hDC(), &mark, red);
    DeleteObject(red);
    control->resize(120, 40); // hidden: Qt delivers the resize event on show
    EXPECT_EQ(GetPixel(control->hDC(), 2, 2), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(control->hDC(), 100, 35), translateColor(control->BackColor()))
        << "the surface follows the size before any event";
    EXPECT_TRUE(control->calls.isEmpty());
    form->show();
    EXPECT_EQ(control->calls, QStringList{"Resize(120,40)"});
    control->resize(130, 40);
    EXPECT_EQ(control->calls.last(), QStringLiteral("Resize(130,40)"));
    const QImage shown = control->grab().toImage();
    EXPECT_EQ(shown.pixelColor(2, 2), QColor(255, 0, 0));
    control->setBackColor(0x00FF00);
    EXPECT_EQ(GetPixel(control->hDC(), 2, 2), 0x00FF00u) << "a new back colour clears";

    const HWND hwnd = control->hWnd();
    const HDC hdc = control->hDC();
    delete control;
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(surfaceOf(hdc), nullptr);
}

} // namespace
