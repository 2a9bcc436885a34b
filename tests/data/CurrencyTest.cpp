// Money: parsing plain text, rounding doubles to four places, exact sums.
#include "quillmark/data/Currency.h"
#include "quillmark/data/RuntimeError.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <limits>

namespace quillmark {
namespace {

TEST(Currency, ParsesPlainText) {
    const std::pair<const char*, qint64> accepted[] = {
        {"1234.5", 12345000}, {"0.10", 1000},   {"-0.10", -1000},   {" 7 ", 70000},
        {"+3", 30000},        {".5", 5000},     {"250.", 2500000},  {"0.00005", 1},
        {"0.00004", 0},       {"-0.00005", -1}, {"1.23456", 12346},
    };
    for (const auto& [text, scaled] : accepted) {
        EXPECT_EQ(Currency::fromString(QString::fromLatin1(text)).scaled(), scaled) << text;
    }
    for (const char* text : {"", "abc", "1,234.50", "12,5", "1e3", "--1", "1.2.3", "."}) {
        Currency ignored;
        EXPECT_FALSE(Currency::tryParse(QString::fromLatin1(text), &ignored)) << text;
        EXPECT_THROW(Currency::fromString(QString::fromLatin1(text)), RuntimeError) << text;
    }
}

TEST(Currency, ParsesAndPrintsTheWholeRangeAndRefusesBeyondIt) {
    struct Case {
        const char* text;
        Currency value;
        const char* printed; // four decimals
    };
    const Case limits[] = {
        {"922337203685477.5807", Currency::max(), "922337203685477.5807"},
        {"-922337203685477.5808", Currency::min(), "-922337203685477.5808"},
        {"922337203685477.58074", Currency::max(), "922337203685477.5807"},
        {"99999999999999.99", Currency::fromScaled(999999999999999900), "99999999999999.9900"},
        {"340154192383.03", Currency::fromScaled(3401541923830300), "340154192383.0300"},
        {"0000000000000000000000012.5", Currency::fromScaled(125000), "12.5000"},
    };
    for (const Case& c : limits) {
        EXPECT_EQ(Currency::fromString(QString::fromLatin1(c.text)), c.value) << c.text;
        EXPECT_EQ(c.value.toString(4), QString::fromLatin1(c.printed)) << c.text;
    }
    for (const char* text :
         {"922337203685477.5808", "922337203685477.9999", "922337203685477.58075",
          "-922337203685477.5809", "922337203685478", "99999999999999999999"}) {
        Currency untouched = Currency::fromScaled(7);
        EXPECT_FALSE(Currency::tryParse(QString::fromLatin1(text), &untouched)) << text;
        EXPECT_EQ(untouched, Currency::fromScaled(7)) << text;
    }
    // Rounding to fewer places at the very ends stays exact.
    EXPECT_EQ(Currency::max().toString(2), "922337203685477.58");
    EXPECT_EQ(Currency::min().toString(0), "-922337203685478");
    EXPECT_THROW(-Currency::min(), RuntimeError);
    EXPECT_THROW(Currency::max() - Currency::fromScaled(-1), RuntimeError);
    EXPECT_THROW(Currency::min() - Currency::fromScaled(1), RuntimeError);
    EXPECT_THROW(Currency::fromUnits(922337203685478), RuntimeError);
    EXPECT_THROW(Currency::fromVariant(QVariant(qint64(-922337203685478))), RuntimeError);
}

TEST(Currency, WritesAmountsAsTheLocaleDoesWithEveryDigitExact) {
    struct Case {
        QLocale locale;
        Currency amount;
        const char* number;
        const char* currency;
    };
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale germany(QLocale::German, QLocale::Germany);
    const Case cases[] = {
        {us, Currency::fromScaled(999999999999999900), "99,999,999,999,999.99",
         "$99,999,999,999,999.99"},
        {us, Currency::min(), "-922,337,203,685,477.58", "($922,337,203,685,477.58)"},
        {us, Currency::fromScaled(-40), "0.00", "$0.00"},
        {us, Currency::fromScaled(50), "0.01", "$0.01"},
        {germany, Currency::fromScaled(3401541923830300), "340.154.192.383,03",
         "340.154.192.383,03\u00a0\u20ac"},
        {QLocale(QLocale::Japanese, QLocale::Japan), Currency::fromScaled(2504999), "250.50",
         "\uffe5250"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.amount.toLocaleString(c.locale), QString::fromUtf8(c.number)) << c.number;
        EXPECT_EQ(c.amount.toCurrencyString(c.locale), QString::fromUtf8(c.currency)) << c.number;
    }
}

TEST(Currency, RoundsDoublesToFourPlacesAwayFromZero) {
    const std::pair<double, qint64> cases[] = {
        {0.1, 1000},      {0.1 + 0.2, 3000},  {100.000000000014, 1000000},
        {2.00005, 20001}, {-2.00005, -20001}, {1234.56789, 12345679},
        {-0.00004, 0}};
    for (const auto& [value, scaled] : cases) {
        EXPECT_EQ(Currency::fromDouble(value).scaled(), scaled) << value;
    }
    EXPECT_THROW(Currency::fromDouble(std::numeric_limits<double>::quiet_NaN()), RuntimeError);
    EXPECT_THROW(Currency::fromDouble(1e16), RuntimeError);
}

TEST(Currency, ConvertsFromVariants) {
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

TEST(Currency, PrintsWithFixedDecimalsRoundingHalvesAwayFromZero) {
    struct Case {
        qint64 scaled;
        int decimals;
        const char* text;
    };
    const Case cases[] = {{12345000, 2, "1234.50"}, {-1000, 2, "-0.10"},  {12345, 2, "1.23"},
                          {12350, 2, "1.24"},       {-12350, 2, "-1.24"}, {-40, 2, "0.00"},
                          {70000, 0, "7"}};
    for (const Case& c : cases) {
        EXPECT_EQ(Currency::fromScaled(c.scaled).toString(c.decimals), QString::fromLatin1(c.text));
    }
    // Two places unless asked otherwise.
    EXPECT_EQ((Currency::fromUnits(5) - Currency::fromUnits(7)).toString(), "-2.00");
    EXPECT_LT(Currency::fromUnits(-1), Currency());
}

} // namespace
} // namespace quillmark
