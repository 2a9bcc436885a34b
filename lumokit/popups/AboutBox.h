#pragma once

// The library's about box: a fixed window painted entirely by the library
// (no child controls) that names the library and its main controls with
// their versions, shows the library's own version, offers a web link and a
// painted OK button. The toolbar's and the status bar's About show it
// modally, owned by the control:
//
//     AboutBox::showModal(this);
#include "core/control/UserControl.h"

#include <QString>

namespace lumokit {

class AboutBox : public UserControl {
    Q_OBJECT
public:
    static constexpr int kWidth = 330;
    static constexpr int kHeight = 200;

    explicit AboutBox(QWidget* owner = nullptr);

    // Shows a box owned by owner's window and returns when it is closed.
    static void showModal(QWidget* owner);

    // "Version - 1.0 Build 12" for this release.
    static QString versionLine();
    static QString webAddress();
    // Set once an about box has loaded on this thread.
    static bool loadedOnce();

    // The OK button and the link, in the window's pixels.
    RECT okRect() const;
    RECT linkHotZone() const;

    bool OverOK = false;    // the mouse is over the OK button
    bool OKPressed = false; // a mouse button went down on the OK button
    bool OverLink = false;  // the mouse is over the link

    void DrawAbout();

signals:
    // The box closed (OK, a key or the window's close button).
    void unloaded();

protected:
    void UserControl_MouseDown(int Button, int Shift, float X, float Y) override;
    void UserControl_MouseMove(int Button, int Shift, float X, float Y) override;
    void UserControl_MouseUp(int Button, int Shift, float X, float Y) override;
    void UserControl_KeyDown(int& KeyCode, int& Shift) override;
    void UserControl_AccessKeyPress(int KeyAscii) override;
    void UserControl_Resize() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void setFontSize(double points);
    void drawTexts(int w, int h);
    void drawLink(int h);
    void drawOkButton();
};

} // namespace lumokit
