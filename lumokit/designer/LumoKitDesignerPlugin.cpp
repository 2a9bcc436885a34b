#include "designer/LumoKitDesignerPlugin.h"

#include "button/LumoXPButton.h"
#include "server/ToolboxImages.h"
#include "statusbar/lumoStatusbar.h"
#include "tabstrip/lumoTabStrip.h"
#include "toolbar/lumoadvToolbar.h"

#include <lumokit/TypeLibIds.h>

#include <QPixmap>

namespace lumokit {

namespace {

template <typename Control> QWidget* createControl(QWidget* parent) {
    return new Control(parent);
}

const ControlWidgetPlugin::Description descriptions[] = {
    {"lumokit::LumoXPButton", "button/LumoXPButton.h", "lumoXPButton",
     "XP-style push button with icon, shadow and toggle", IDB_LumoXPButton, QSize(100, 30),
     &createControl<LumoXPButton>},
    {"lumokit::lumoadvToolbar", "toolbar/lumoadvToolbar.h", "lumoadvToolbar",
     "Toolbar with buttons, drop-down menus and a chevron", IDB_lumoadvToolbar, QSize(300, 28),
     &createControl<lumoadvToolbar>},
    {"lumokit::lumoTabStrip", "tabstrip/lumoTabStrip.h", "lumoTabStrip", "Owner-drawn tab strip",
     IDB_lumoTabStrip, QSize(300, 24), &createControl<lumoTabStrip>},
    {"lumokit::lumoStatusbar", "statusbar/lumoStatusbar.h", "lumoStatusbar",
     "Status bar with panels", IDB_lumoStatusbar, QSize(300, 22), &createControl<lumoStatusbar>},
};

} // namespace

ControlWidgetPlugin::ControlWidgetPlugin(const Description& description, QObject* parent)
    : QObject(parent), m_description(description) {}

QString ControlWidgetPlugin::name() const {
    return QString::fromLatin1(m_description.className);
}

QString ControlWidgetPlugin::group() const {
    return QStringLiteral("LumoKit");
}

QString ControlWidgetPlugin::toolTip() const {
    return QString::fromLatin1(m_description.toolTip);
}

QString ControlWidgetPlugin::whatsThis() const {
    return toolTip();
}

QString ControlWidgetPlugin::includeFile() const {
    return QString::fromLatin1(m_description.header);
}

QIcon ControlWidgetPlugin::icon() const {
    return QIcon(QPixmap::fromImage(ToolboxImages::image(m_description.toolboxImage)));
}

bool ControlWidgetPlugin::isContainer() const {
    return false;
}

QWidget* ControlWidgetPlugin::createWidget(QWidget* parent) {
    return m_description.create(parent);
}

bool ControlWidgetPlugin::isInitialized() const {
    return m_initialized;
}

void ControlWidgetPlugin::initialize(QDesignerFormEditorInterface*) {
    m_initialized = true;
}

QString ControlWidgetPlugin::domXml() const {
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"%1\" name=\"%2\">\n"
                          "  <property name=\"geometry\">\n"
                          "   <rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect>\n"
                          "  </property>\n"
                          " </widget>\n"
                          "</ui>\n")
        .arg(name(), QString::fromLatin1(m_description.objectName))
        .arg(m_description.size.width())
        .arg(m_description.size.height());
}

LumoKitDesignerPlugin::LumoKitDesignerPlugin(QObject* parent) : QObject(parent) {
    for (const ControlWidgetPlugin::Description& description : descriptions) {
        m_widgets.append(new ControlWidgetPlugin(description, this));
    }
}

QList<QDesignerCustomWidgetInterface*> LumoKitDesignerPlugin::customWidgets() const {
    return m_widgets;
}

} // namespace lumokit
