// Identifiers as text and the owning interface pointer.
#include <lumokit/ComPtr.h>
#include <lumokit/DispatchSink.h>
#include <lumokit/Guid.h>
#include <lumokit/TypeLibIds.h>

#include <gtest/gtest.h>

using namespace lumokit;

TEST(Guid, ParsesTheBracedAndBareFormsInEitherCaseAndNothingElse) {
    const GUID expected = CLSID_LumoXPButton;
    for (const char* text :
         {"{8B41E56F-FEBA-476E-9299-533A243EC6DB}", "{8b41e56f-feba-476e-9299-533a243ec6db}",
          "8B41E56F-FEBA-476E-9299-533A243EC6DB"}) {
        const auto parsed = GUID::fromString(QString::fromLatin1(text));
        ASSERT_TRUE(parsed) << text;
        EXPECT_EQ(*parsed, expected) << text;
    }
    EXPECT_EQ(expected.Data1, 0x8B41E56Fu);
    EXPECT_EQ(expected.Data4[7], 0xDB);
    for (const char* text :
         {"", "{8B41E56F-FEBA-476E-9299-533A243EC6DB", "{8B41E56F_FEBA-476E-9299-533A243EC6DB}",
          "{8B41E56F-FEBA-476E-9299-533A243EC6DG}", "{8B41E56F-FEBA-476E-9299-533A243EC6DB0}"}) {
        EXPECT_FALSE(GUID::fromString(QString::fromLatin1(text))) << text;
    }
}

TEST(Guid, FormatsUpperCaseBracedAndRoundTrips) {
    EXPECT_EQ(LIBID_LumoKit.toString(), QStringLiteral("{3BBEC9BA-158B-49A1-A585-4622DB6C8488}"));
    EXPECT_EQ(IUnknown::IID.toString(), QStringLiteral("{00000000-0000-0000-C000-000000000046}"));
    const GUID ids[] = {CLSID_cTimer, IID__lumoTabStrip, DIID___clsSubClass, IDispatch::IID};
    for (const GUID& id : ids) {
        EXPECT_EQ(GUID::fromString(id.toString()), id);
    }
    EXPECT_TRUE(GUID{}.isNull());
}

TEST(ComPtr, HoldsOneReferenceAndReleasesIt) {
    int events = 0;
    ComPtr<IDispatch> sink = DispatchSink::create([&](DISPID, QVariantList&) { ++events; });
    IDispatch* raw = sink.get();
    const auto refs = [raw] {
        raw->AddRef();
        return raw->Release();
    };
    EXPECT_EQ(refs(), 1u);
    {
        ComPtr<IDispatch> copy = sink;
        EXPECT_EQ(refs(), 2u);
        ComPtr<IDispatch> moved = std::move(copy);
        EXPECT_FALSE(copy);
        EXPECT_EQ(refs(), 2u);
        ComPtr<IUnknown> unknown = moved.as<IUnknown>();
        EXPECT_EQ(refs(), 3u);
        EXPECT_FALSE(moved.as<IEventConnection>()) << "a sink raises no events";
    }
    EXPECT_EQ(refs(), 1u);
    QVariantList args;
    EXPECT_EQ(sink->Invoke(1, DISPATCH_METHOD, args, nullptr, nullptr), S_OK);
    EXPECT_EQ(events, 1);

    IDispatch* detached = sink.detach();
    EXPECT_FALSE(sink);
    ComPtr<IDispatch> adopted = ComPtr<IDispatch>::adopt(detached);
    EXPECT_EQ(refs(), 1u);
}
