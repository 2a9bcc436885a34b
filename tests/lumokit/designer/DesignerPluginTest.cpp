// The built Designer plugin as Qt Designer meets it: loaded with
// QPluginLoader, its four controls listed, drawn in the widget box and placed
// on a form.
#include <QIcon>
#include <QImage>
#include <QMetaProperty>
#include <QPluginLoader>
#include <QWidget>
#include <QXmlStreamReader>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

namespace {

QDesignerCustomWidgetCollectionInterface* loadCollection() {
    static QPluginLoader loader(QStringLiteral(LUMOKIT_DESIGNER_PLUGIN));
    if (!loader.load()) {
        ADD_FAILURE() << loader.errorString().toStdString();
        return nullptr;
    }
    return qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
}

// One property each control shows in Designer, and a value to give it.
const std::map<QString, std::pair<const char*, QVariant>> settableProperty = {
    {QStringLiteral("lumokit::LumoXPButton"), {"Caption", QStringLiteral("Save")}},
    {QStringLiteral("lumokit::lumoadvToolbar"), {"MoreText", QStringLiteral("More")}},
    {QStringLiteral("lumokit::lumoTabStrip"), {"FontColor", 0x0000FFu}},
    {QStringLiteral("lumokit::lumoStatusbar"), {"BorderColor", 0x00FF00u}},
};

} // namespace

TEST(DesignerPluginTest, OffersTheFourControlsInTheLumoKitGroupAndPlacesThemOnAForm) {
    QDesignerCustomWidgetCollectionInterface* collection = loadCollection();
    ASSERT_NE(collection, nullptr);
    const QList<QDesignerCustomWidgetInterface*> plugins = collection->customWidgets();
    ASSERT_EQ(plugins.size(), 4);
    std::vector<QImage> images;
    QWidget form;
    for (QDesignerCustomWidgetInterface* plugin : plugins) {
        SCOPED_TRACE(plugin->name().toStdString());
        ASSERT_TRUE(settableProperty.count(plugin->name()));
        EXPECT_EQ(plugin->group(), QStringLiteral("LumoKit"));
        EXPECT_FALSE(plugin->includeFile().isEmpty());
        EXPECT_FALSE(plugin->isContainer());
        images.push_back(plugin->icon().pixmap(16, 16).toImage());
        EXPECT_EQ(images.back().size(), QSize(16, 16));
        // Designer places what domXml names; it must be the class itself.
        QXmlStreamReader xml(plugin->domXml());
        ASSERT_TRUE(xml.readNextStartElement()); // <ui>
        ASSERT_TRUE(xml.readNextStartElement());
        EXPECT_EQ(xml.name(), QStringLiteral("widget"));
        EXPECT_EQ(xml.attributes().value(QStringLiteral("class")), plugin->name());
        EXPECT_FALSE(xml.attributes().value(QStringLiteral("name")).isEmpty());

        std::unique_ptr<QWidget> widget(plugin->createWidget(&form));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parentWidget(), &form);
        EXPECT_EQ(QString::fromLatin1(widget->metaObject()->className()), plugin->name());
        const auto& [name, value] = settableProperty.at(plugin->name());
        const QMetaProperty property =
            widget->metaObject()->property(widget->metaObject()->indexOfProperty(name));
        EXPECT_TRUE(property.isDesignable()) << name;
        EXPECT_TRUE(widget->setProperty(name, value)) << name;
        EXPECT_EQ(widget->property(name), value) << name;
    }
    for (const QImage& image : images) {
        EXPECT_EQ(std::count(images.begin(), images.end(), image), 1) << "two controls look alike";
    }
}
