#pragma once

// The library's tooltip: a small top-most pop-up with a drop shadow, a
// vertical gradient from white to the system tooltip colour, one centred
// line of text and a black frame. It removes itself after 6 seconds. One
// window exists per thread: loaded when a tip is shown, unloaded when it
// hides.
//
// The toolbar and the tab strip delay a tip with a cTimer of their own and
// consult the thread-wide flags before they arm it:
//
//     if (!Tooltip::TipShown() && !Tooltip::TipExpired()) {
//         Timer1->setInterval(500);         // its tick calls Tooltip::ShowTip(text)
//     }
//     ...
//     Tooltip::HideTip();                   // the mouse left the item
#include "core/control/UserControl.h"

#include <QString>

#include <memory>

namespace lumokit {

class cTimer;

class Tooltip : public UserControl {
    Q_OBJECT
public:
    // How long a tip stays, in milliseconds.
    static constexpr LONG kLifetime = 6000;
    // Where the tip goes: this far below the mouse pointer, its text this
    // much narrower than the window.
    static constexpr int kBelowPointer = 22;
    static constexpr int kTextMargin = 10;

    // Shows text near the mouse pointer, top-most and without taking the
    // activation, unless the text is empty or a tip is shown already.
    // Errors are reported under "Error in Sub ShowTip".
    static void ShowTip(const QString& text);
    // Clears TipExpired and unloads the window. Errors are reported under
    // "Error in Sub HideTip".
    static void HideTip();

    // True while a tip is on screen.
    static bool TipShown();
    // True once a tip removed itself, until a caller's HideTip; callers show
    // no tip meanwhile.
    static bool TipExpired();
    // This thread's window while a tip is shown, else null.
    static Tooltip* current();

    const QString& TipText() const { return m_TipText; }
    cTimer* timer() const { return Timer1.get(); }

protected:
    void UserControl_Resize() override;

private:
    Tooltip();
    ~Tooltip() override;

    static void load(const QString& text);
    static void unload();
    void Form_Load();
    void Form_Paint();
    void Form_Unload();
    void Timer1_Timer();
    void placeNearPointer();

    QString m_TipText;
    std::unique_ptr<cTimer> Timer1;
};

} // namespace lumokit
