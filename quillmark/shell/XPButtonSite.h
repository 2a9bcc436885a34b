#pragma once

#include <lumokit/ComControl.h>
#include <lumokit/ComPtr.h>
#include <lumokit/Container.h>
#include <lumokit/DispatchClient.h>

#include <QWidget>

#include <cstdint>

namespace quillmark {

class ControlRecord;

// The host's site for one command button of a screen: a LumoXPButton created
// through the registered control server by its programmatic identifier, its
// saved properties read from the form data through the button's own
// property-bag reader. The program only sets Enabled, hides the site (the
// button's container) and handles Click.
class XPButtonSite : public QWidget, public lumokit::Container {
    Q_OBJECT
public:
    static constexpr const char* kProgId = "LumoKit.LumoXPButton";

    // Throws RuntimeError with a clear description when the control server
    // cannot be loaded or refuses the button.
    XPButtonSite(const ControlRecord& record, QWidget* parent);
    ~XPButtonSite() override;

    bool Enabled() const;
    // Sets the button's own Enabled property. The site widget itself stays
    // enabled on purpose: the button paints its disabled look and still
    // answers Enter, as the control defines.
    void setEnabled(bool New_Enabled);
    QString Caption() const;

    // Late-bound access to the hosted button (tests, rare uses).
    const lumokit::DispatchClient& button() const { return m_button; }
    QWidget* buttonWidget() const;

    // lumokit::Container: the ambient properties of the form.
    lumokit::StdFont Font() const override;

signals:
    void Click();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void createButton();
    void loadProperties(const ControlRecord& record);
    void placeButtonWidget();
    void listenForClicks();

    lumokit::DispatchClient m_button;
    lumokit::ComPtr<lumokit::IControl> m_control;
    std::uint32_t m_eventCookie = 0;
    lumokit::DISPID m_clickEventId = 0;
};

} // namespace quillmark
