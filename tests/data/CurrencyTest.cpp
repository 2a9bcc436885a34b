// Money: parsing plain text, rounding doubles to four places, exact sums.
#include "quillmark/data/Currency.h"
#include "quillmark/data/RuntimeError.h"

#include <gtest/gtest.h>

#include <limits>

namespace quillmark {
namespace {

TEST(Currency, ParsesPlainText) {
    struct Case {
        const char* text;
        qint64 scaled;
    };
    const Case accepted[] = {
        {"1234.5", 12345000}, {"0.10", 1000},   {"-0.10", -1000},   {" 7 ", 70000},
        {"+3", 30000},        {".5", 5000},     {"250.", 2500000},  {"0.00005", 1},
        {"0.00004", 0},       {"-0.00005", -1}, {"1.23456", 12346},
    };
    for (const Case& c : accepted) {
        EXPECT_EQ(Currency::fromString(QString::fromLatin1(c.text)).scaled(), c.scaled) << c.text;
    }
    EXPECT_EQ(Currency::fromString(QStringLiteral("922337203685477.5807")).scaled(),
              std::numeric_limits<qint64>::max());
    for (const char* text : {"", "abc", "1,234.50", "12,5", "1e3", "--1", "1.2.3", ".",
                             "922337203685478", "999999999999999.9999"}) {
        Currency ignored;
        EXPECT_FALSE(Currency::tryParse(QString::fromLatin1(text), &ignored)) << text;
        EXPECT_THROW(Currency::fromString(QString::fromLatin1(text)), RuntimeError) << text;
    }
}

TEST(Currency, RoundsDoublesToFourPlacesAwayFromZero) {
    struct Case {
        double value;
        qint64 scaled;
    };
    const Case cases[] = {{0.1, 1000},      {0.1 + 0.2, 3000},  {100.000000000014, 1000000},
                          {2.00005, 20001}, {-2.00005, -20001}, {1234.56789, 12345679},
                          {-0.00004, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(Currency::fromDouble(c.value).scaled(), c.scaled) << c.value;
    }
    EXPECT_THROW(Currency::fromDouble(std::numeric_limits<double>::quiet_NaN()), RuntimeError);
    EXPECT_THROW(Currency::fromDouble(1e16), RuntimeError);
}

TEST(Currency, ConvertsFromVariants) {
    EXPECT_EQ(Currency::fromVariant(QVariant(250)), Currency::fromUnits(250));
    EXPECT_EQ(Currency::fromVariant(QVariant(qint64(-3))), Currency::fromUnits(-3));
    EXPECT_EQ(Currency::fromVariant(QVariant(12.345)), Currency::fromScaled(123450));
    EXPECT_EQ(Currency::fromVariant(QVariant(QStringLiteral("250"))), Currency::fromUnits(250));
    EXPECT_EQ(Currency::fromVariant(Currency::fromScaled(7).toVariant()), Currency::fromScaled(7));
    EXPECT_THROW(Currency::fromVariant(QVariant()), RuntimeError);
    EXPECT_THROW(Currency::fromVariant(QVariant(QStringLiteral("ten"))), RuntimeError);
    // Numbers in a QVariant read as money too, and money reads as a number.
    EXPECT_EQ(QVariant(0.3).value<Currency>(), Currency::fromScaled(3000));
    EXPECT_DOUBLE_EQ(Currency::fromScaled(12345).toVariant().toDouble(), 1.2345);
}

TEST(Currency, PrintsWithFixedDecimals) {
    struct Case {
        qint64 scaled;
        int decimals;
        const char* text;
    };
    const Case cases[] = {{12345000, 2, "1234.50"}, {-1000, 2, "-0.10"}, {12345, 4, "1.2345"},
                          {12345, 2, "1.23"},       {12350, 2, "1.24"},  {-12350, 2, "-1.24"},
                          {-40, 2, "0.00"},         {70000, 0, "7"}};
    for (const Case& c : cases) {
        EXPECT_EQ(Currency::fromScaled(c.scaled).toString(c.decimals), QString::fromLatin1(c.text));
    }
}

TEST(Currency, ArithmeticIsExactAndOverflowIsCaught) {
    // Long sums of dimes are proved on stored entries with the dialect tests.
    EXPECT_EQ(Currency::fromUnits(100).toString(), "100.00");
    EXPECT_LT(Currency::fromUnits(-1), Currency());
    EXPECT_EQ(Currency::fromUnits(5) - Currency::fromUnits(7), -Currency::fromUnits(2));
    const Currency huge = Currency::fromScaled(std::numeric_limits<qint64>::max());
    EXPECT_THROW(huge + Currency::fromScaled(1), RuntimeError);
}

} // namespace
} // namespace quillmark
