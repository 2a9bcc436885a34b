#include "quillmark/shell/XPButtonSite.h"

#include "quillmark/data/RuntimeError.h"
#include "quillmark/shell/ControlRecord.h"
#include "quillmark/shell/ShellErrors.h"

#include <lumokit/HostLoader.h>

#include <QJsonDocument>
#include <QResizeEvent>

namespace quillmark {

namespace {

[[noreturn]] void throwServerError(const QString& what, const lumokit::ComError& error) {
    throw RuntimeError(kErrorControlServer,
                       QStringLiteral("The command buttons cannot be shown: %1 (%2)")
                           .arg(what, error.description()),
                       QStringLiteral("Quillmark"));
}

} // namespace

XPButtonSite::XPButtonSite(const ControlRecord& record, QWidget* parent) : QWidget(parent) {
    setObjectName(record.name);
    // The button is sized from the start: a hidden site gets no resize
    // event until it is shown.
    setGeometry(record.geometryPixels());
    createButton();
    loadProperties(record);
    placeButtonWidget();
    listenForClicks();
}

XPButtonSite::~XPButtonSite() {
    if (m_button && m_eventCookie != 0) {
        try {
            m_button.disconnect(m_eventCookie);
        } catch (const lumokit::ComError&) {
            // The button is going anyway.
        }
    }
    if (m_control) {
        m_control->SetContainer(nullptr);
    }
}

void XPButtonSite::createButton() {
    try {
        lumokit::ComPtr<lumokit::IDispatch> object =
            lumokit::HostLoader::CreateObject(QString::fromLatin1(kProgId));
        m_control = object.as<lumokit::IControl>();
        m_button = lumokit::DispatchClient(std::move(object));
    } catch (const lumokit::ComError& error) {
        throwServerError(QStringLiteral("the control server could not create a button"), error);
    }
    if (!m_control) {
        throw RuntimeError(kErrorControlServer,
                           QStringLiteral("The command buttons cannot be shown: the control "
                                          "server's button cannot be placed on a form"),
                           QStringLiteral("Quillmark"));
    }
    m_control->SetContainer(this);
}

void XPButtonSite::loadProperties(const ControlRecord& record) {
    const QJsonObject bag = record.properties.value(QStringLiteral("bag")).toObject();
    QString problem;
    const lumokit::PropertyBag properties =
        lumokit::PropertyBag::fromJson(QJsonDocument(bag).toJson(), &problem);
    const lumokit::HRESULT hr = bag.isEmpty() ? m_control->InitNew() : m_control->Load(properties);
    if (lumokit::FAILED(hr)) {
        throw RuntimeError(
            kErrorBadFormData,
            QStringLiteral("The button %1 cannot read its saved properties%2")
                .arg(record.name, problem.isEmpty() ? QString() : QStringLiteral(": ") + problem),
            QStringLiteral("Quillmark"));
    }
}

void XPButtonSite::placeButtonWidget() {
    QWidget* widget = buttonWidget();
    if (!widget) {
        return;
    }
    widget->setParent(this);
    widget->setGeometry(rect());
    widget->show();
    setFocusProxy(widget);
}

void XPButtonSite::listenForClicks() {
    try {
        m_clickEventId = m_button.eventId(QStringLiteral("Click"));
        m_eventCookie = m_button.connect([this](lumokit::DISPID eventId, QVariantList&) {
            if (eventId == m_clickEventId) {
                emit Click();
            }
        });
    } catch (const lumokit::ComError& error) {
        throwServerError(QStringLiteral("the button's events cannot be heard"), error);
    }
}

QWidget* XPButtonSite::buttonWidget() const {
    return m_control ? m_control->GetWidget() : nullptr;
}

bool XPButtonSite::Enabled() const {
    return m_button.get(QStringLiteral("Enabled")).toBool();
}

void XPButtonSite::setEnabled(bool New_Enabled) {
    m_button.put(QStringLiteral("Enabled"), New_Enabled);
}

QString XPButtonSite::Caption() const {
    return m_button.get(QStringLiteral("Caption")).toString();
}

lumokit::StdFont XPButtonSite::Font() const {
    return lumokit::StdFont::fromQFont(font());
}

void XPButtonSite::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (QWidget* widget = buttonWidget()) {
        widget->setGeometry(rect());
    }
}

} // namespace quillmark
