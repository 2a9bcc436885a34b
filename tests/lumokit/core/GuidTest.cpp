// Identifiers as text and the owning interface pointer.
#include <lumokit/ComPtr.h>
#include <lumokit/DispatchSink.h>
#include <lumokit/Guid.h>
#include <lumokit/TypeLibIds.h>

#include <gtest/gtest.h>

using namespace lumokit;

TEST(Guid, ParsesTheBracedAndBareFormsInEitherCaseAndFormatsUpperCaseBraced) {
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
    EXPECT_EQ(IUnknown::IID.toString(), QStringLiteral("{00000000-0000-0000-C000-000000000046}"));
    EXPECT_EQ(GUID::fromString(DIID___clsSubClass.toString()), DIID___clsSubClass);
    EXPECT_TRUE(GUID{}.isNull());
}

TEST(ComPtr, HoldsOneReferenceAndReleasesIt) {
    ComPtr<IDispatch> sink = DispatchSink::create([](DISPID, QVariantList&) {});
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

    IDispatch* detached = sink.detach();
    EXPECT_FALSE(sink);
    ComPtr<IDispatch> adopted = ComPtr<IDispatch>::adopt(detached);
    EXPECT_EQ(refs(), 1u);
}
