// Conversion of dispatch arguments to the declared parameter types.
#include "core/com/VariantCoercion.h"

#include <lumokit/ComInterfaces.h>
#include <lumokit/Picture.h>
#include <lumokit/StdFont.h>

#include <QFont>
#include <QImage>

#include <gtest/gtest.h>

using namespace lumokit;

namespace {

struct Row {
    const char* what;
    VarKind kind;
    QVariant input;
    HRESULT hr;
    QVariant expected; // compared with type when the conversion succeeds
};

std::string describe(const QVariant& v) {
    return (QString::fromLatin1(v.metaType().name() ? v.metaType().name() : "invalid") +
            QLatin1Char(' ') + v.toString())
        .toStdString();
}

} // namespace

// Plain numbers, numeric text, enumerations and colours as numbers also
// pass through every control's dispatch tests.
TEST(VariantCoercion, ScalarConversionsFollowAutomationRules) {
    const Row rows[] = {
        {"half rounds to even (down)", VarKind::Int32, 2.5, S_OK, QVariant::fromValue(qint32(2))},
        {"half rounds to even (up)", VarKind::Int32, 3.5, S_OK, QVariant::fromValue(qint32(4))},
        {"True is -1", VarKind::Int32, true, S_OK, QVariant::fromValue(qint32(-1))},
        {"long overflow", VarKind::Int32, 2147483648.0, DISP_E_OVERFLOW, {}},
        {"long from words", VarKind::Int32, QStringLiteral("ten"), DISP_E_TYPEMISMATCH, {}},
        {"long from font", VarKind::Int32, QVariant::fromValue(QFont()), DISP_E_TYPEMISMATCH, {}},
        {"short keeps range", VarKind::Int16, -32768, S_OK, QVariant::fromValue(qint16(-32768))},
        {"short overflow", VarKind::Int16, 32768, DISP_E_OVERFLOW, {}},
        {"short after rounding", VarKind::Int16, 32767.5, DISP_E_OVERFLOW, {}},
        {"signed system colour", VarKind::Color, -2147483633, S_OK,
         QVariant::fromValue(quint32(0x8000000Fu))},
        {"colour overflow", VarKind::Color, 4294967296.0, DISP_E_OVERFLOW, {}},
        {"single", VarKind::Single, 1.5, S_OK, QVariant::fromValue(1.5f)},
        {"single overflow", VarKind::Single, 1e300, DISP_E_OVERFLOW, {}},
        {"Boolean from number", VarKind::Bool, 2, S_OK, QVariant(true)},
        {"Boolean from text", VarKind::Bool, QStringLiteral("true"), S_OK, QVariant(true)},
        {"Boolean from numeric text", VarKind::Bool, QStringLiteral("0"), S_OK, QVariant(false)},
        {"Boolean from words", VarKind::Bool, QStringLiteral("maybe"), DISP_E_TYPEMISMATCH, {}},
        {"text from Boolean", VarKind::String, false, S_OK, QVariant(QStringLiteral("False"))},
        {"text from font", VarKind::String, QVariant::fromValue(QFont()), DISP_E_TYPEMISMATCH, {}},
        {"empty to long", VarKind::Int32, QVariant(), S_OK, QVariant::fromValue(qint32(0))},
        {"empty to text", VarKind::String, QVariant(), S_OK, QVariant(QString())},
        {"variant keeps anything", VarKind::Variant, QVariant::fromValue(QFont()), S_OK,
         QVariant::fromValue(QFont())},
    };
    for (const Row& row : rows) {
        const VariantCoercion::Result r = VariantCoercion::coerce(row.input, TypeRef{row.kind, {}});
        EXPECT_EQ(r.hr, row.hr) << row.what;
        if (row.hr == S_OK) {
            EXPECT_EQ(r.value.metaType(), row.expected.metaType())
                << row.what << ": " << describe(r.value);
            EXPECT_EQ(r.value, row.expected) << row.what << ": " << describe(r.value);
        }
    }
}

TEST(VariantCoercion, ObjectsFontsAndPictures) {
    const TypeRef object{VarKind::Object, {}};
    const TypeRef font{VarKind::Font, {}};
    const TypeRef picture{VarKind::Picture, {}};

    auto* fake = reinterpret_cast<IDispatch*>(0x10);
    EXPECT_EQ(VariantCoercion::coerce(QVariant::fromValue(fake), object).value.value<IDispatch*>(),
              fake);
    EXPECT_EQ(VariantCoercion::coerce(12, object).hr, DISP_E_TYPEMISMATCH);
    EXPECT_EQ(VariantCoercion::coerce(QVariant(), object).value.value<IDispatch*>(), nullptr);

    StdFont saved;
    saved.Name = QStringLiteral("Tahoma");
    saved.setBold(true);
    const QVariant asQFont = VariantCoercion::coerce(QVariant::fromValue(saved), font).value;
    ASSERT_EQ(asQFont.metaType(), QMetaType::fromType<QFont>());
    EXPECT_EQ(asQFont.value<QFont>().family(), QStringLiteral("Tahoma"));
    EXPECT_TRUE(asQFont.value<QFont>().bold());
    EXPECT_EQ(VariantCoercion::coerce(QStringLiteral("Arial"), font).hr, DISP_E_TYPEMISMATCH);

    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(Qt::red);
    const Picture converted =
        VariantCoercion::coerce(QVariant::fromValue(image), picture).value.value<Picture>();
    EXPECT_GT(converted.Handle(), 0);
    EXPECT_EQ(converted.width(), 4);
    // Nothing is the empty picture, whose handle is 0.
    const QVariant nothing = VariantCoercion::coerce(QVariant(), picture).value;
    ASSERT_EQ(nothing.metaType(), QMetaType::fromType<Picture>());
    EXPECT_EQ(nothing.value<Picture>().Handle(), 0);
    EXPECT_EQ(VariantCoercion::coerce(5, picture).hr, DISP_E_TYPEMISMATCH);
}

TEST(VariantCoercion, OmittedOptionalVariantsStayMissing) {
    EXPECT_FALSE(VariantCoercion::missingValue(TypeRef{VarKind::Variant, {}}).isValid());
    EXPECT_EQ(VariantCoercion::missingValue(TypeRef{VarKind::String, {}}), QVariant(QString()));
    EXPECT_EQ(VariantCoercion::missingValue(TypeRef{VarKind::Bool, {}}), QVariant(false));
}
