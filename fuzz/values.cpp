// Values: stored and typed dates, money (Currency) and its decimal text,
// amounts as a user types them in a few locales, and sums of money. The first
// byte picks the reader; the rest is its input. Every value that reads must
// print back as text that reads again as the same value.
#include "FuzzSupport.h"

#include "quillmark/books/AmountText.h"
#include "quillmark/data/Currency.h"
#include "quillmark/data/DecimalText.h"
#include "quillmark/data/JetDate.h"
#include "quillmark/data/RuntimeError.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstring>

using namespace quillmark;

namespace {

const QLocale::Language languages[] = {QLocale::C, QLocale::English, QLocale::German,
                                       QLocale::French};
const QLocale::Territory territories[] = {QLocale::AnyTerritory, QLocale::UnitedStates,
                                          QLocale::Germany, QLocale::France};

QLocale localeAt(int i) {
    return QLocale(languages[i], territories[i]);
}

bool isAsciiDigits(const QString& text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

void storedDates(const QString& text) {
    if (const auto stored = parseStoredDateTime(text)) {
        // Only "yyyy-MM-dd[ HH:mm[:ss]]" with a four-digit year is a stored date.
        fuzz::check(text.size() >= 10 && isAsciiDigits(text.left(4)),
                    "a stored date has a year of four digits", text);
        const QString written = storedDateTimeText(*stored);
        fuzz::check(parseStoredDateTime(written) == stored, "a stored date reads back", written);
        // "yyyy-MM-ddTHH:mm:ss" reads too but is written with a space.
        if (text.size() == 19 && text.at(10) == u' ') {
            fuzz::check(written == text, "a full stored date is written as read", text);
        }
    }
    if (const auto typed = parseJetDateTime(text)) {
        const QString written = storedDateTimeText(*typed);
        fuzz::check(parseStoredDateTime(written) == typed, "a typed date stores and reads back",
                    text + QStringLiteral(" -> ") + written);
        const QString literal = JetDateLiteralText(typed->date());
        const auto again = parseJetDateTime(literal);
        fuzz::check(again && again->date() == typed->date(), "a date literal reads back", literal);
    }
}

void money(const QString& text) {
    Currency parsed;
    const bool ok = Currency::tryParse(text, &parsed);
    bool threw = false;
    try {
        fuzz::check(Currency::fromString(text) == parsed, "fromString agrees with tryParse", text);
    } catch (const RuntimeError&) {
        threw = true;
    }
    fuzz::check(ok != threw, "fromString throws exactly when tryParse fails", text);
    if (!ok) {
        return;
    }
    Currency again;
    fuzz::check(Currency::tryParse(parsed.toString(4), &again) && again == parsed,
                "money prints with four decimals and reads back equal",
                text + QStringLiteral(" -> ") + parsed.toString(4));
    for (int decimals = 0; decimals < 4; ++decimals) {
        const QString shorter = parsed.toString(decimals);
        Currency rounded;
        if (Currency::tryParse(shorter, &rounded)) {
            // Rounding moves the amount by at most half the last place shown.
            __int128 unit = 1;
            for (int i = decimals; i < 4; ++i) {
                unit *= 10;
            }
            const __int128 diff = static_cast<__int128>(rounded.scaled()) - parsed.scaled();
            fuzz::check((diff < 0 ? -diff : diff) * 2 <= unit,
                        "money rounds to the nearest shown amount",
                        text + QStringLiteral(" -> ") + shorter);
        }
    }
    for (int i = 0; i < 4; ++i) {
        parsed.toLocaleString(localeAt(i), 2);
        parsed.toCurrencyString(localeAt(i));
    }
}

// The decimal text of scaled / 10^scale, worked out in 128 bits.
void decimalText(const std::uint8_t* data, std::size_t size) {
    qint64 scaled = 0;
    std::memcpy(&scaled, data, std::min(size, sizeof scaled));
    const int scale = size > 8 ? data[8] % 19 : 4;
    const int decimals = size > 9 ? data[9] % 31 : 2;
    const DecimalText text = DecimalText::fromScaled(scaled, scale, decimals);

    __int128 magnitude = scaled < 0 ? -static_cast<__int128>(scaled) : scaled;
    const int kept = std::min(scale, decimals);
    __int128 divisor = 1;
    for (int i = kept; i < scale; ++i) {
        divisor *= 10;
    }
    __int128 rounded = magnitude / divisor;
    if ((magnitude % divisor) * 2 >= divisor && divisor > 1) {
        ++rounded;
    }
    __int128 unit = 1;
    for (int i = 0; i < kept; ++i) {
        unit *= 10;
    }
    QString fraction = QString::number(static_cast<qulonglong>(rounded % unit));
    fraction = kept > 0 ? fraction.rightJustified(kept, u'0') : QString();
    const QString expected =
        (scaled < 0 && rounded != 0 ? QStringLiteral("-") : QString()) +
        QString::number(static_cast<qulonglong>(rounded / unit)) +
        (decimals > 0 ? u'.' + fraction.leftJustified(decimals, u'0') : QString());
    fuzz::check(text.plain() == expected, "decimal text is the exactly rounded value",
                QString::number(scaled) + u' ' + QString::number(scale) + u' ' +
                    QString::number(decimals) + QStringLiteral(" -> ") + text.plain() +
                    QStringLiteral(" not ") + expected);
    if (scale == 4 && decimals <= 4) {
        fuzz::check(Currency::fromScaled(scaled).toString(decimals) == expected,
                    "money prints as its decimal text");
    }
}

void amounts(const QString& text) {
    for (int i = 0; i < 4; ++i) {
        QLocale::setDefault(localeAt(i));
        Currency amount;
        if (!AmountText::parse(text, &amount)) {
            continue;
        }
        // What is shown (two decimals) reads back as the amount rounded so.
        Currency rounded;
        if (!Currency::tryParse(amount.toString(2), &rounded)) {
            continue; // within half a cent of the end of the range
        }
        const QString shown = AmountText::format(amount);
        Currency back;
        fuzz::check(AmountText::parse(shown, &back) && back == rounded,
                    "a typed amount shows as text that reads back",
                    localeAt(i).name() + QStringLiteral(": ") + text + QStringLiteral(" -> ") +
                        shown);
    }
    QLocale::setDefault(QLocale::c());
}

// Sums, differences, negation and doubles of money: a result that does not
// fit is refused (RuntimeError), one that fits is exact.
void arithmetic(const std::uint8_t* data, std::size_t size) {
    qint64 a = 0;
    qint64 b = 0;
    double d = 0;
    std::memcpy(&a, data, std::min<std::size_t>(size, 8));
    if (size > 8) {
        std::memcpy(&b, data + 8, std::min<std::size_t>(size - 8, 8));
    }
    if (size > 16) {
        std::memcpy(&d, data + 16, std::min<std::size_t>(size - 16, 8));
    }
    const Currency x = Currency::fromScaled(a);
    const Currency y = Currency::fromScaled(b);
    const auto fits = [](__int128 v) { return v >= INT64_MIN && v <= INT64_MAX; };
    const auto expect = [&](auto operation, __int128 exact, const char* rule) {
        try {
            const Currency result = operation();
            fuzz::check(fits(exact) && result.scaled() == exact, rule);
        } catch (const RuntimeError&) {
            fuzz::check(!fits(exact), rule);
        }
    };
    expect([&] { return x + y; }, __int128(a) + b, "a sum is exact or refused");
    expect([&] { return x - y; }, __int128(a) - b, "a difference is exact or refused");
    expect([&] { return -x; }, -__int128(a), "a negation is exact or refused");
    try {
        const Currency c = Currency::fromDouble(d);
        fuzz::check(std::fabs(static_cast<double>(c.scaled()) / Currency::Scale - d) <= 0.5,
                    "a double becomes the nearest money");
    } catch (const RuntimeError&) {
    }
    try {
        Currency::fromUnits(a);
    } catch (const RuntimeError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::startApplication<QCoreApplication>(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const QString rest = fuzz::text(data + 1, size - 1);
    switch (data[0] % 5) {
    case 0:
        storedDates(rest);
        break;
    case 1:
        money(rest);
        break;
    case 2:
        decimalText(data + 1, size - 1);
        break;
    case 3:
        amounts(rest);
        break;
    case 4:
        arithmetic(data + 1, size - 1);
        break;
    }
    return 0;
}
