#pragma once

#include <lumokit/ComControl.h>
#include <lumokit/ComPtr.h>
#include <lumokit/Container.h>
#include <lumokit/DispatchClient.h>

#include <QPointer>
#include <QWidget>

#include <cstdint>

class QPushButton;

namespace quillmark {

class ControlRecord;

// The host's site for one command button of a screen: a LumoXPButton created
// through the registered control server by its programmatic identifier, its
// saved properties read from the form data through the button's own
// property-bag reader. The program only sets Enabled, hides the site (the
// button's container) and handles Click.
//
// When the control server cannot make the button, the site shows a plain
// button with the same caption, place, Enabled state and Click instead, and
// the user is told once why.
class XPButtonSite : public QWidget, public lumokit::Container {
    Q_OBJECT
public:
    static constexpr const char* kProgId = "LumoKit.LumoXPButton";

    XPButtonSite(const ControlRecord& record, QWidget* parent);
    ~XPButtonSite() override;

    // The button's own Enabled property. A disabled button does nothing:
    // Click is raised only while it is enabled, however the button was
    // pressed.
    bool Enabled() const;
    void setEnabled(bool New_Enabled);
    QString Caption() const;
    // Presses the button as a click would (for keys the screen handles).
    void press();

    // Late-bound access to the hosted button; empty for a plain button.
    const lumokit::DispatchClient& button() const { return m_button; }
    QWidget* buttonWidget() const;
    bool isPlainButton() const { return m_plain != nullptr; }

    // lumokit::Container: the ambient properties of the form.
    lumokit::StdFont Font() const override;

signals:
    void Click();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    bool createButton(QString* problem);
    void loadProperties(const ControlRecord& record);
    void listenForClicks();
    void takeFocusWhenPressedByKey();
    void createPlainButton(const ControlRecord& record);
    void placeButtonWidget();
    static void reportServerProblem(const QString& problem);

    lumokit::DispatchClient m_button;
    lumokit::ComPtr<lumokit::IControl> m_control;
    std::uint32_t m_eventCookie = 0;
    lumokit::DISPID m_clickEventId = 0;
    QPushButton* m_plain = nullptr;
};

} // namespace quillmark
