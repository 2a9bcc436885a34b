#pragma once

// The four controls in Qt Designer's widget box (group "LumoKit"), each with
// its toolbox image. Designer places the control classes themselves, so their
// Qt properties show in the property editor.
#include <QIcon>
#include <QObject>
#include <QSize>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace lumokit {

class ControlWidgetPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    struct Description {
        const char* className;  // as uic writes it
        const char* header;     // the class's header, by its path from lumokit/
        const char* objectName; // of a newly placed control
        const char* toolTip;
        int toolboxImage; // IDB_ identifier of TypeLibIds.h
        QSize size;       // of a newly placed control
        QWidget* (*create)(QWidget* parent);
    };

    ControlWidgetPlugin(const Description& description, QObject* parent);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface* core) override;
    QString domXml() const override;

private:
    Description m_description;
    bool m_initialized = false;
};

class LumoKitDesignerPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit LumoKitDesignerPlugin(QObject* parent = nullptr);

    QList<QDesignerCustomWidgetInterface*> customWidgets() const override;

private:
    QList<QDesignerCustomWidgetInterface*> m_widgets;
};

} // namespace lumokit
