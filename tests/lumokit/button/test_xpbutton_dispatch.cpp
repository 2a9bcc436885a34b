// The XP button as a host sees it: created through the class factory, its
// 72 members reached by name and identifier, its events through a sink,
// IControl for the window and the property bag, and the OLE drag events
// with their data object.
#include "XPButtonTestSupport.h"

#include "button/LumoXPButtonBindings.h"
#include "core/com/TypeLibrary.h"

#include <lumokit/ComControl.h>
#include <lumokit/ComServer.h>
#include <lumokit/DispatchClient.h>
#include <lumokit/TypeLibIds.h>

#include <gtest/gtest.h>

#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QPointer>
#include <QTest>

using namespace lumokit;
using namespace xptest;

namespace {

ComPtr<IDispatch> createButton() {
    ComPtr<IClassFactory> factory;
    EXPECT_EQ(DllGetClassObject(CLSID_LumoXPButton, IClassFactory::IID, factory.put()), S_OK);
    ComPtr<IDispatch> object;
    EXPECT_EQ(factory->CreateInstance(nullptr, IDispatch::IID, object.put()), S_OK);
    return object;
}

LumoXPButton* buttonOf(const ComPtr<IDispatch>& object) {
    return qobject_cast<LumoXPButton*>(object.as<IControl>()->GetWidget());
}

TEST(XPButtonDispatch, EveryMemberOfTheInterfaceIsBound) {
    const InterfaceInfo& iface =
        *TypeLibrary::instance().coclassById(CLSID_LumoXPButton)->defaultInterface;
    const BindingTable& bindings = LumoXPButtonBindings::bindings();
    QSet<DISPID> distinct;
    for (const MemberInfo& member : iface.members) {
        EXPECT_NE(bindings.find(member), nullptr) << member.name.toStdString();
        distinct.insert(member.dispid);
    }
    EXPECT_EQ(bindings.boundCount(), static_cast<int>(iface.members.size()));
    EXPECT_EQ(iface.members.size(), 72u);
    EXPECT_EQ(distinct.size(), 40) << "readers and writers share an identifier";
}

TEST(XPButtonDispatch, PropertiesByNameAndIdentifier) {
    ComPtr<IDispatch> object = createButton();
    DispatchClient client(object);
    LumoXPButton* button = buttonOf(object);
    ASSERT_NE(button, nullptr);

    client.put(QStringLiteral("Caption"), QStringLiteral("&Save"));
    EXPECT_EQ(button->Caption(), QStringLiteral("&Save"));
    EXPECT_EQ(button->AccessKeys(), QStringLiteral("S"));
    client.put(QStringLiteral("backcolor"), 0x123456u);
    EXPECT_EQ(client.get(QStringLiteral("BackColor")).value<quint32>(), 0x123456u);
    client.put(QStringLiteral("Enabled"), false);
    EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(client.get(QStringLiteral("Enabled")), QVariant(false));
    client.put(QStringLiteral("AlignCaption"), 0);
    EXPECT_EQ(button->AlignCaption(), CaptionAlign::caRight);
    client.put(QStringLiteral("Style"), 0);
    EXPECT_EQ(button->Style(), lumoStyle::lumoXP);
    client.put(QStringLiteral("OLEDropMode"), 1);
    EXPECT_EQ(client.get(QStringLiteral("OLEDropMode")).toInt(), 1);
    EXPECT_EQ(client.get(QStringLiteral("hwnd")).toInt(), button->hWnd());
    EXPECT_EQ(client.get(QStringLiteral("hDC")).toInt(), button->hDC());

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(12);
    client.putRef(QStringLiteral("Font"), font);
    EXPECT_EQ(button->Font().family(), QStringLiteral("DejaVu Sans"));
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(Qt::green);
    button->setShowIcon(false);
    client.putRef(QStringLiteral("Icon"), QVariant::fromValue(Picture::fromImage(image)));
    EXPECT_TRUE(button->ShowIcon());

    // Identifiers in slot order: properties 0x6803xxxx, methods 0x6003xxxx.
    EXPECT_EQ(client.dispid(QStringLiteral("RefreshControl")), 0x60030000);
    const DISPID drawControl = client.dispid(QStringLiteral("DrawControl"));
    EXPECT_EQ(drawControl, 0x60030002);
    QVariantList args{2};
    QVariant result;
    ExcepInfo info;
    ASSERT_EQ(object->Invoke(drawControl, DISPATCH_METHOD, args, &result, &info), S_OK);
    EXPECT_EQ(button->paintedLook(), 0) << "disabled: look 0 for every request";
    client.put(QStringLiteral("Enabled"), true);
    client.call(QStringLiteral("DrawControl"), {2});
    EXPECT_EQ(button->paintedLook(), 2);
    EXPECT_THROW(client.put(QStringLiteral("hwnd"), 5), ComError) << "read-only";
}

TEST(XPButtonDispatch, EventsReachTheSinkInOrder) {
    ComPtr<IDispatch> object = createButton();
    DispatchClient client(object);
    QStringList heard;
    client.connect([&](DISPID id, QVariantList& args) {
        if (id != LumoXPButton::MouseMoveEventId && id != LumoXPButton::MouseOverEventId) {
            heard.append(describeEvent(id, args));
        }
    });
    QWidget* window = object.as<IControl>()->GetWidget();
    window->resize(80, 24);
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(4, 5));
    ASSERT_EQ(heard.size(), 4) << heard.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(heard[0], QStringLiteral("MouseDown(1,0,4,5)"));
    EXPECT_EQ(heard[1], QStringLiteral("MouseUp(1,0,4,5)"));
    EXPECT_TRUE(heard[2].startsWith(QLatin1String("DropClick(")));
    EXPECT_EQ(heard[3], QStringLiteral("Click"));
    EXPECT_EQ(client.eventId(QStringLiteral("DropClick")), 2);
    EXPECT_EQ(client.eventId(QStringLiteral("OLEStartDrag")), 16);
}

TEST(XPButtonDispatch, IControlPlacesInitialisesLoadsAndSaves) {
    ComPtr<IDispatch> object = createButton();
    ComPtr<IControl> control = object.as<IControl>();
    ASSERT_TRUE(control);
    DispatchClient client(object);
    client.put(QStringLiteral("Caption"), QStringLiteral("changed"));
    ASSERT_EQ(control->InitNew(), S_OK);
    EXPECT_EQ(client.get(QStringLiteral("Caption")).toString(), QStringLiteral("Lumo XPButton"));

    PropertyBag saved;
    ASSERT_EQ(control->Save(saved), S_OK);
    EXPECT_EQ(saved.count(), 8);

    PropertyBag form;
    form.WriteProperty(QStringLiteral("Caption"), QStringLiteral("&Delete"));
    form.WriteProperty(QStringLiteral("Enabled"), false);
    form.WriteProperty(QStringLiteral("BackColor"), QVariant::fromValue<OLE_COLOR>(0xC0C0C0));
    ASSERT_EQ(control->Load(form), S_OK);
    EXPECT_EQ(client.get(QStringLiteral("Caption")).toString(), QStringLiteral("&Delete"));
    EXPECT_EQ(client.get(QStringLiteral("Enabled")), QVariant(false));
    EXPECT_EQ(client.get(QStringLiteral("BackColor")).value<quint32>(), 0xC0C0C0u);
    EXPECT_EQ(client.get(QStringLiteral("CheckedColor")).value<quint32>(), 0xFFC0C0u)
        << "a missing key takes the bag default";

    std::int32_t hwnd = 0;
    ASSERT_EQ(control->GetHwnd(&hwnd), S_OK);
    EXPECT_EQ(client.get(QStringLiteral("hwnd")).toInt(), hwnd);

    const QPointer<QWidget> window(control->GetWidget());
    client.call(QStringLiteral("UnloadSubClass"));
    control.reset();
    object.reset();
    client = DispatchClient();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
}

TEST(XPButtonDispatch, AboutAndRefreshThroughDispatch) {
    RecordingMessages messages;
    DispatchClient client(createButton());
    client.call(QStringLiteral("About"));
    client.call(QStringLiteral("Refresh"));
    client.call(QStringLiteral("RefreshControl"));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].contains(QLatin1String("Version 1.0 Build: 12")));
}

// --- OLE drag and drop ----------------------------------------------------------------

TEST(XPButtonDispatch, DropsRaiseDragOverAndDragDropWithReadableData) {
    ComPtr<IDispatch> object = createButton();
    DispatchClient client(object);
    LumoXPButton* button = buttonOf(object);
    button->resize(80, 24);
    QStringList heard;
    int acceptEffect = LumoXPButton::vbDropEffectCopy;
    client.connect([&](DISPID id, QVariantList& args) {
        if (id == LumoXPButton::OLEDragOverEventId || id == LumoXPButton::OLEDragDropEventId) {
            DispatchClient data(ComPtr<IDispatch>(args[0].value<IDispatch*>()));
            const QString text = data.call(QStringLiteral("GetData"), {1}).toString();
            heard.append(QStringLiteral("%1 %2 state %3")
                             .arg(eventName(id), text, args.value(6).toString()));
            EXPECT_FALSE(data.call(QStringLiteral("GetFormat"), {15}).toBool());
            EXPECT_THROW(data.call(QStringLiteral("SetData"), {QStringLiteral("x"), 1}), ComError)
                << "the data of an arriving drag is read-only";
            args[1] = acceptEffect;
        }
    });

    QMimeData mime;
    mime.setText(QStringLiteral("invoice 42"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(button, &enter);
    EXPECT_FALSE(enter.isAccepted()) << "OLEDropMode 0 takes no drops";
    EXPECT_TRUE(heard.isEmpty());

    client.put(QStringLiteral("OLEDropMode"), 1);
    QDragEnterEvent enter2(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton,
                           Qt::NoModifier);
    QApplication::sendEvent(button, &enter2);
    EXPECT_TRUE(enter2.isAccepted());
    EXPECT_EQ(enter2.dropAction(), Qt::CopyAction);

    acceptEffect = LumoXPButton::vbDropEffectNone;
    QDragMoveEvent move(QPoint(6, 6), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton,
                        Qt::NoModifier);
    QApplication::sendEvent(button, &move);
    EXPECT_FALSE(move.isAccepted()) << "the host refused by setting Effect to none";

    acceptEffect = LumoXPButton::vbDropEffectMove;
    QDropEvent drop(QPointF(7, 7), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(button, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(drop.dropAction(), Qt::MoveAction);
    EXPECT_EQ(heard, (QStringList{QStringLiteral("OLEDragOver invoice 42 state 0"),
                                  QStringLiteral("OLEDragOver invoice 42 state 2"),
                                  QStringLiteral("OLEDragDrop invoice 42 state ")}));
}

TEST(XPButtonDispatch, OLEDragWithoutDataStartsNoDragButCompletes) {
    ComPtr<IDispatch> object = createButton();
    DispatchClient client(object);
    QStringList heard;
    client.connect([&](DISPID id, QVariantList& args) {
        heard.append(eventName(id) + QLatin1Char(' ') + args.value(1).toString() +
                     args.value(0).toString());
        if (id == LumoXPButton::OLEStartDragEventId) {
            EXPECT_EQ(args[1].toInt(), 3) << "copy and move allowed unless the host says less";
        }
    });
    client.call(QStringLiteral("OLEDrag"));
    ASSERT_EQ(heard.size(), 2);
    EXPECT_TRUE(heard[0].startsWith(QLatin1String("OLEStartDrag 3")));
    EXPECT_EQ(heard[1], QStringLiteral("OLECompleteDrag 0"));
}

TEST(XPButtonDispatch, OLEDragCarriesTheDataTheHostPutIn) {
    ComPtr<IDispatch> object = createButton();
    DispatchClient client(object);
    LumoXPButton* button = buttonOf(object);
    int allowed = LumoXPButton::vbDropEffectCopy;
    QStringList dragged;
    client.connect([&](DISPID id, QVariantList& args) {
        if (id == LumoXPButton::OLEStartDragEventId) {
            DispatchClient data(ComPtr<IDispatch>(args[0].value<IDispatch*>()));
            data.call(QStringLiteral("SetData"), {QStringLiteral("row 7"), 1});
            args[1] = allowed;
        } else if (id == LumoXPButton::OLECompleteDragEventId) {
            // The drag object lives until the event loop deletes it.
            const QDrag* drag = button->findChild<QDrag*>();
            dragged.append(drag ? drag->mimeData()->text() : QStringLiteral("no drag"));
        }
    });
    client.call(QStringLiteral("OLEDrag"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    allowed = LumoXPButton::vbDropEffectNone;
    client.call(QStringLiteral("OLEDrag"));
    EXPECT_EQ(dragged, (QStringList{QStringLiteral("row 7"), QStringLiteral("no drag")}));
}

TEST(XPButtonDataObject, FormatsSetReadAndPromised) {
    ComPtr<OleDataObject> data = OleDataObject::createForSource();
    EXPECT_TRUE(data->isEmpty());
    data->SetData(QStringLiteral("hello"));
    EXPECT_TRUE(data->GetFormat(OleDataObject::vbCFText));
    EXPECT_EQ(data->GetData(OleDataObject::vbCFText).toString(), QStringLiteral("hello"));
    data->SetData(QStringList{QStringLiteral("/tmp/a.dat")}, OleDataObject::vbCFFiles);
    EXPECT_EQ(data->GetData(OleDataObject::vbCFFiles).toStringList(),
              QStringList{QStringLiteral("/tmp/a.dat")});
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
    EXPECT_TRUE(mime->hasText());
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
