#include "quillmark/shell/XPButtonSite.h"

#include "quillmark/data/RuntimeError.h"
#include "quillmark/shell/ControlRecord.h"
#include "quillmark/shell/Messages.h"
#include "quillmark/shell/ShellErrors.h"

#include <lumokit/HostLoader.h>

#include <QJsonDocument>
#include <QPushButton>
#include <QResizeEvent>

namespace quillmark {

namespace {

lumokit::PropertyBag savedProperties(const ControlRecord& record, QString* problem) {
    const QJsonObject bag = record.properties.value(QStringLiteral("bag")).toObject();
    return lumokit::PropertyBag::fromJson(QJsonDocument(bag).toJson(), problem);
}

} // namespace

XPButtonSite::XPButtonSite(const ControlRecord& record, QWidget* parent) : QWidget(parent) {
    setObjectName(record.name);
    // The button is sized from the start: a hidden site gets no resize
    // event until it is shown.
    setGeometry(record.geometryPixels());
    QString problem;
    if (createButton(&problem)) {
        loadProperties(record);
        listenForClicks();
    } else {
        reportServerProblem(problem);
        createPlainButton(record);
    }
    placeButtonWidget();
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

bool XPButtonSite::createButton(QString* problem) {
    lumokit::HostLoader::Result created =
        lumokit::HostLoader::TryCreateObject(QString::fromLatin1(kProgId));
    if (!created) {
        *problem = created.message;
        return false;
    }
    m_control = created.object.as<lumokit::IControl>();
    if (!m_control) {
        *problem = QStringLiteral("the control server's button cannot be placed on a form");
        return false;
    }
    m_button = lumokit::DispatchClient(std::move(created.object));
    m_control->SetContainer(this);
    return true;
}

void XPButtonSite::loadProperties(const ControlRecord& record) {
    QString problem;
    const lumokit::PropertyBag properties = savedProperties(record, &problem);
    const bool saved = !record.properties.value(QStringLiteral("bag")).toObject().isEmpty();
    const lumokit::HRESULT hr = saved ? m_control->Load(properties) : m_control->InitNew();
    if (lumokit::FAILED(hr)) {
        throw RuntimeError(
            kErrorBadFormData,
            QStringLiteral("The button %1 cannot read its saved properties%2")
                .arg(record.name, problem.isEmpty() ? QString() : QStringLiteral(": ") + problem),
            QStringLiteral("Quillmark"));
    }
}

void XPButtonSite::listenForClicks() {
    try {
        m_clickEventId = m_button.eventId(QStringLiteral("Click"));
        m_eventCookie = m_button.connect([this](lumokit::DISPID eventId, QVariantList&) {
            if (eventId == m_clickEventId) {
                takeFocusWhenPressedByKey();
                press();
            }
        });
    } catch (const lumokit::ComError& error) {
        throw RuntimeError(kErrorControlServer,
                           QStringLiteral("The command buttons cannot be shown: the button's "
                                          "events cannot be heard (%1)")
                               .arg(error.description()),
                           QStringLiteral("Quillmark"));
    }
}

// A button pressed by its access key believes it has the focus and draws its
// focus frame, without getting the focus; given it, it also hears when it
// loses it, so that only the focused button shows a frame.
void XPButtonSite::takeFocusWhenPressedByKey() {
    QWidget* widget = buttonWidget();
    if (widget && !widget->hasFocus() && widget->isVisible() && Enabled()) {
        widget->setFocus(Qt::ShortcutFocusReason);
    }
}

void XPButtonSite::createPlainButton(const ControlRecord& record) {
    const lumokit::PropertyBag properties = savedProperties(record, nullptr);
    m_plain = new QPushButton(properties.read<QString>(QStringLiteral("Caption"), record.name));
    m_plain->setEnabled(properties.read<bool>(QStringLiteral("Enabled"), true));
    connect(m_plain, &QPushButton::clicked, this, &XPButtonSite::press);
}

void XPButtonSite::reportServerProblem(const QString& problem) {
    // Told once, not for every button of every screen.
    static QString reported;
    if (problem == reported) {
        return;
    }
    reported = problem;
    MsgBoxInfo(QStringLiteral("The command buttons cannot be shown: %1. Plain buttons are shown "
                              "instead.")
                   .arg(problem));
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

QWidget* XPButtonSite::buttonWidget() const {
    if (m_plain) {
        return m_plain;
    }
    return m_control ? m_control->GetWidget() : nullptr;
}

bool XPButtonSite::Enabled() const {
    if (m_plain) {
        return m_plain->isEnabled();
    }
    return m_button.get(QStringLiteral("Enabled")).toBool();
}

void XPButtonSite::setEnabled(bool New_Enabled) {
    if (m_plain) {
        m_plain->setEnabled(New_Enabled);
    } else {
        m_button.put(QStringLiteral("Enabled"), New_Enabled);
    }
}

QString XPButtonSite::Caption() const {
    if (m_plain) {
        return m_plain->text();
    }
    return m_button.get(QStringLiteral("Caption")).toString();
}

void XPButtonSite::press() {
    if (Enabled()) {
        emit Click();
    }
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
