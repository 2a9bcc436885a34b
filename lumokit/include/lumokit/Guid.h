#pragma once

// A 128-bit class, interface or library identifier, written as
// "{8B41E56F-FEBA-476E-9299-533A243EC6DB}". Header-only so that hosts can use
// identifiers without linking the library.
#include <QString>
#include <QStringView>

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string_view>

namespace lumokit {

struct GUID {
    std::uint32_t Data1 = 0;
    std::uint16_t Data2 = 0;
    std::uint16_t Data3 = 0;
    std::array<std::uint8_t, 8> Data4{};

    friend constexpr bool operator==(const GUID&, const GUID&) = default;
    friend constexpr auto operator<=>(const GUID&, const GUID&) = default;

    // Accepts the braced form, with or without braces, in either letter case.
    template <typename Text> static constexpr std::optional<GUID> parse(const Text& text);
    static std::optional<GUID> fromString(const QString& text) { return parse(QStringView(text)); }
    QString toString() const;
    bool isNull() const { return *this == GUID{}; }
};

namespace guid_detail {

constexpr char32_t codeOf(char c) {
    return static_cast<unsigned char>(c);
}
constexpr char32_t codeOf(QChar c) {
    return c.unicode();
}

constexpr int hexValue(char32_t c) {
    if (c >= '0' && c <= '9') {
        return static_cast<int>(c - '0');
    }
    if (c >= 'a' && c <= 'f') {
        return static_cast<int>(c - 'a' + 10);
    }
    if (c >= 'A' && c <= 'F') {
        return static_cast<int>(c - 'A' + 10);
    }
    return -1;
}

// Reads `digits` hex digits at `pos`; false when any of them is not hex.
template <typename Text>
constexpr bool readHex(const Text& text, std::size_t pos, int digits, std::uint64_t& out) {
    out = 0;
    for (int i = 0; i < digits; ++i) {
        const int v = hexValue(codeOf(text[static_cast<qsizetype>(pos) + i]));
        if (v < 0) {
            return false;
        }
        out = out * 16 + static_cast<std::uint64_t>(v);
    }
    return true;
}

} // namespace guid_detail

template <typename Text> constexpr std::optional<GUID> GUID::parse(const Text& text) {
    constexpr std::size_t bareLength = 36;
    std::size_t start = 0;
    const auto size = static_cast<std::size_t>(text.size());
    if (size == bareLength + 2) {
        if (guid_detail::codeOf(text[0]) != U'{' ||
            guid_detail::codeOf(text[static_cast<qsizetype>(size - 1)]) != U'}') {
            return std::nullopt;
        }
        start = 1;
    } else if (size != bareLength) {
        return std::nullopt;
    }
    for (const std::size_t dash : {8u, 13u, 18u, 23u}) {
        if (guid_detail::codeOf(text[static_cast<qsizetype>(start + dash)]) != U'-') {
            return std::nullopt;
        }
    }
    GUID g;
    std::uint64_t v = 0;
    if (!guid_detail::readHex(text, start, 8, v)) {
        return std::nullopt;
    }
    g.Data1 = static_cast<std::uint32_t>(v);
    if (!guid_detail::readHex(text, start + 9, 4, v)) {
        return std::nullopt;
    }
    g.Data2 = static_cast<std::uint16_t>(v);
    if (!guid_detail::readHex(text, start + 14, 4, v)) {
        return std::nullopt;
    }
    g.Data3 = static_cast<std::uint16_t>(v);
    constexpr std::size_t byteOffsets[8] = {19, 21, 24, 26, 28, 30, 32, 34};
    for (std::size_t i = 0; i < 8; ++i) {
        if (!guid_detail::readHex(text, start + byteOffsets[i], 2, v)) {
            return std::nullopt;
        }
        g.Data4[i] = static_cast<std::uint8_t>(v);
    }
    return g;
}

inline QString GUID::toString() const {
    auto hex = [](std::uint64_t value, int width) {
        return QString::number(value, 16).rightJustified(width, QLatin1Char('0')).toUpper();
    };
    QString s = QLatin1Char('{') + hex(Data1, 8) + QLatin1Char('-') + hex(Data2, 4) +
                QLatin1Char('-') + hex(Data3, 4) + QLatin1Char('-');
    for (std::size_t i = 0; i < 8; ++i) {
        if (i == 2) {
            s += QLatin1Char('-');
        }
        s += hex(Data4[i], 2);
    }
    return s + QLatin1Char('}');
}

// For identifiers fixed at compile time: a malformed literal does not compile.
consteval GUID makeGuid(std::string_view text) {
    const auto parsed = GUID::parse(text);
    if (!parsed) {
        throw "malformed GUID literal";
    }
    return *parsed;
}

} // namespace lumokit
