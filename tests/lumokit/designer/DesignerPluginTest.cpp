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

TEST(DesignerPluginTest, OffersTheFourControlsInTheLumoKitGroup) {
    QDesignerCustomWidgetCollectionInterface* collection = loadCollection();
    ASSERT_NE(collection, nullptr);
    const QList<QDesignerCustomWidgetInterface*> widgets = collection->customWidgets();
    ASSERT_EQ(widgets.size(), 4);
    std::vector<QImage> images;
    for (QDesignerCustomWidgetInterface* widget : widgets) {
        SCOPED_TRACE(widget->name().toStdString());
        EXPECT_TRUE(settableProperty.count(widget->name()));
        EXPECT_EQ(widget->group(), QStringLiteral("LumoKit"));
        EXPECT_FALSE(widget->includeFile().isEmpty());
        EXPECT_FALSE(widget->isContainer());
        const QIcon icon = widget->icon();
        ASSERT_FALSE(icon.isNull());
        const QImage image = icon.pixmap(16, 16).toImage();
        EXPECT_EQ(image.size(), QSize(16, 16));
        images.push_back(image);
        // Designer places what domXml names; it must be the class itself.
        QXmlStreamReader xml(widget->domXml());
        ASSERT_TRUE(xml.readNextStartElement()); // <ui>
        ASSERT_TRUE(xml.readNextStartElement());
        EXPECT_EQ(xml.name(), QStringLiteral("widget"));
        EXPECT_EQ(xml.attributes().value(QStringLiteral("class")), widget->name());
        EXPECT_FALSE(xml.attributes().value(QStringLiteral("name")).isEmpty());
    }
    for (std::size_t i = 0; i < images.size(); ++i) {
        for (std::size_t j = i + 1; j < images.size(); ++j) {
            EXPECT_NE(images[i], images[j]) << "controls " << i << " and " << j << " look alike";
        }
    }
}

TEST(DesignerPluginTest, PlacesControlsWhosePropertiesDesignerCanSet) {
    QDesignerCustomWidgetCollectionInterface* collection = loadCollection();
    ASSERT_NE(collection, nullptr);
    QWidget form;
    for (QDesignerCustomWidgetInterface* plugin : collection->customWidgets()) {
        SCOPED_TRACE(plugin->name().toStdString());
        std::unique_ptr<QWidget> widget(plugin->createWidget(&form));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parentWidget(), &form);
        EXPECT_EQ(QString::fromLatin1(widget->metaObject()->className()), plugin->name());
        const auto& [name, value] = settableProperty.at(plugin->name());
        const QMetaObject* meta = widget->metaObject();
        const int index = meta->indexOfProperty(name);
        ASSERT_GE(index, 0) << name;
        EXPECT_TRUE(meta->property(index).isDesignable()) << name;
        EXPECT_TRUE(widget->setProperty(name, value)) << name;
        EXPECT_EQ(widget->property(name), value) << name;
    }
}
