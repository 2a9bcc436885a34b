// The XP button as a host sees it: created through the class factory, its
// members reached by name, and the OLE drag events with their data object.
#include "XPButtonTestSupport.h"
#include "lumokit/DispatchWriters.h"

#include "button/LumoXPButtonBindings.h"
#include "core/com/TypeLibrary.h"

#include <lumokit/ComControl.h>
#include <lumokit/DispatchClient.h>
#include <lumokit/TypeLibIds.h>

#include <gtest/gtest.h>

#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>

using namespace lumokit;
using namespace xptest;

namespace {

LumoXPButton* buttonOf(const ComPtr<IDispatch>& object) {
    return qobject_cast<LumoXPButton*>(object.as<IControl>()->GetWidget());
}

TEST(XPButtonDispatch, EveryMemberIsBoundAndEveryWriterReachesItsOwnProperty) {
    ComPtr<IDispatch> object = createObject(CLSID_LumoXPButton);
    DispatchClient client(object);
    LumoXPButton* button = buttonOf(object);
    const InterfaceInfo& iface = defaultInterfaceOf(CLSID_LumoXPButton);
    expectEveryMemberBound(LumoXPButtonBindings::bindings(), iface);
    EXPECT_EQ(expectWritersReadBack(client, iface, 0), 30);
    // That each reaches the Qt property of its name: XPButtonPropertiesTest.
    // Every event is raised by the Qt signal of its name.
    QStringList signalNames;
    for (int i = 0; i < button->metaObject()->methodCount(); ++i) {
        const QMetaMethod method = button->metaObject()->method(i);
        if (method.methodType() == QMetaMethod::Signal) {
            signalNames.append(QString::fromLatin1(method.name()));
        }
    }
    for (const EventInfo& event :
         TypeLibrary::instance().coclassById(CLSID_LumoXPButton)->eventInterface->events) {
        EXPECT_TRUE(signalNames.contains(event.name)) << event.name.toStdString();
    }
    EXPECT_EQ(client.get(QStringLiteral("hwnd")).toInt(), button->hWnd());
    EXPECT_EQ(client.get(QStringLiteral("hDC")).toInt(), button->hDC());

    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(Qt::green);
    client.put(QStringLiteral("ShowIcon"), false);
    client.putRef(QStringLiteral("Icon"), QVariant::fromValue(Picture::fromImage(image)));
    EXPECT_TRUE(button->ShowIcon());
    EXPECT_THROW(client.put(QStringLiteral("Icon"), QVariant::fromValue(button->Icon())), ComError)
        << "Icon is set by reference only";
    client.putRef(QStringLiteral("Font"), fixedFont());
    EXPECT_EQ(button->Font(), fixedFont());

    client.put(QStringLiteral("Enabled"), true);
    client.put(QStringLiteral("Checked"), false);
    client.call(QStringLiteral("DrawControl"), {2});
    EXPECT_EQ(button->paintedLook(), 2);
}

// Sends a drag event offering copy and move; the action taken, if accepted.
template <typename Event> Qt::DropAction deliver(QWidget* target, const QMimeData& mime) {
    Event event(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton,
                Qt::NoModifier);
    QApplication::sendEvent(target, &event);
    return event.isAccepted() ? event.dropAction() : Qt::IgnoreAction;
}

TEST(XPButtonDispatch, DropsRaiseDragOverAndDragDropWithReadableData) {
    ComPtr<IDispatch> object = createObject(CLSID_LumoXPButton);
    DispatchClient client(object);
    LumoXPButton* button = buttonOf(object);
    QStringList heard;
    int acceptEffect = LumoXPButton::vbDropEffectCopy;
    const DISPID dragOver = client.eventId(QStringLiteral("OLEDragOver"));
    const DISPID dragDrop = client.eventId(QStringLiteral("OLEDragDrop"));
    client.connect([&](DISPID id, QVariantList& args) {
        if (id == dragOver || id == dragDrop) {
            DispatchClient data(ComPtr<IDispatch>(args[0].value<IDispatch*>()));
            const QString text = data.call(QStringLiteral("GetData"), {1}).toString();
            heard.append(QStringLiteral("%1 %2 state %3")
                             .arg(describeEvent(CLSID_LumoXPButton, id, {}), text,
                                  args.value(6).toString()));
            EXPECT_FALSE(data.call(QStringLiteral("GetFormat"), {15}).toBool());
            EXPECT_THROW(data.call(QStringLiteral("SetData"), {QStringLiteral("x"), 1}), ComError)
                << "the data of an arriving drag is read-only";
            args[1] = acceptEffect;
        }
    });

    QMimeData mime;
    mime.setText(QStringLiteral("invoice 42"));
    EXPECT_EQ(deliver<QDragEnterEvent>(button, mime), Qt::IgnoreAction)
        << "OLEDropMode 0 takes no drops";
    EXPECT_TRUE(heard.isEmpty());

    client.put(QStringLiteral("OLEDropMode"), 1);
    EXPECT_EQ(deliver<QDragEnterEvent>(button, mime), Qt::CopyAction);
    acceptEffect = LumoXPButton::vbDropEffectNone;
    EXPECT_EQ(deliver<QDragMoveEvent>(button, mime), Qt::IgnoreAction)
        << "the host refused by setting Effect to none";
    acceptEffect = LumoXPButton::vbDropEffectMove;
    EXPECT_EQ(deliver<QDropEvent>(button, mime), Qt::MoveAction);
    EXPECT_EQ(heard,
              (QStringList{"OLEDragOver invoice 42 state 0", "OLEDragOver invoice 42 state 2",
                           "OLEDragDrop invoice 42 state "}));
}

TEST(XPButtonDispatch, OLEDragCarriesTheDataTheHostPutIn) {
    ComPtr<IDispatch> object = createObject(CLSID_LumoXPButton);
    DispatchClient client(object);
    LumoXPButton* button = buttonOf(object);
    int allowed = LumoXPButton::vbDropEffectCopy;
    bool fill = true;
    QStringList dragged;
    const DISPID startDrag = client.eventId(QStringLiteral("OLEStartDrag"));
    const DISPID completeDrag = client.eventId(QStringLiteral("OLECompleteDrag"));
    client.connect([&](DISPID id, QVariantList& args) {
        if (id == startDrag) {
            EXPECT_EQ(args[1].toInt(), 3) << "copy and move, unless the host says less";
            DispatchClient data(ComPtr<IDispatch>(args[0].value<IDispatch*>()));
            if (fill) {
                data.call(QStringLiteral("SetData"), {QStringLiteral("row 7"), 1});
            }
            args[1] = allowed;
        } else if (id == completeDrag) {
            // The drag object lives until the event loop deletes it.
            const QDrag* drag = button->findChild<QDrag*>();
            dragged.append(drag ? drag->mimeData()->text() : QStringLiteral("no drag"));
        }
    });
    client.call(QStringLiteral("OLEDrag"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    allowed = LumoXPButton::vbDropEffectNone;
    client.call(QStringLiteral("OLEDrag"));
    allowed = LumoXPButton::vbDropEffectCopy;
    fill = false;
    client.call(QStringLiteral("OLEDrag"));
    EXPECT_EQ(dragged, (QStringList{"row 7", "no drag", "no drag"}));
}

TEST(XPButtonDataObject, FormatsSetReadAndPromised) {
    ComPtr<OleDataObject> data = OleDataObject::createForSource();
    data->SetData(QStringLiteral("hello"));
    EXPECT_TRUE(data->GetFormat(OleDataObject::vbCFText));
    EXPECT_EQ(data->GetData(OleDataObject::vbCFText).toString(), QStringLiteral("hello"));
    data->SetData(QStringList{"/tmp/a.dat"}, OleDataObject::vbCFFiles);
    EXPECT_EQ(data->GetData(OleDataObject::vbCFFiles).toStringList(), QStringList{"/tmp/a.dat"});
    EXPECT_THROW(data->GetData(OleDataObject::vbCFBitmap), ComError);

    // A promised format is asked of the source when a target reads it.
    data->SetData({}, OleDataObject::vbCFBitmap);
    int asked = 0;
    std::unique_ptr<QMimeData> mime(data->createMimeData([&](int format) {
        ++asked;
        EXPECT_EQ(format, OleDataObject::vbCFBitmap);
        QImage image(2, 2, QImage::Format_ARGB32);
        image.fill(Qt::red);
        data->SetData(QVariant::fromValue(Picture::fromImage(image)), format);
    }));
    EXPECT_TRUE(mime->hasImage());
    EXPECT_EQ(asked, 0);
    const QImage image = mime->imageData().value<QImage>();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(image.size(), QSize(2, 2));
    mime->imageData();
    EXPECT_EQ(asked, 1) << "asked once";

    data->Clear();
    EXPECT_TRUE(data->isEmpty());
}

} // namespace
