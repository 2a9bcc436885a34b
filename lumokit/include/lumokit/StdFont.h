#pragma once

// The font object of controls and containers: what a saved font keeps
// (face name, point size, styles, weight, character set). Header-only, so
// hosts that load the library at run time can use it too.
#include <QFont>
#include <QMetaType>
#include <QString>

#include <cstdint>

namespace lumokit {

struct StdFont {
    QString Name = QStringLiteral("MS Sans Serif");
    double Size = 8.25; // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strikethrough = false;
    std::int16_t Weight = 400; // 400 normal, 700 bold
    std::int16_t Charset = 0;

    bool operator==(const StdFont&) const = default;

    void setBold(bool bold) {
        Bold = bold;
        Weight = bold ? 700 : 400;
    }
    void setWeight(std::int16_t weight) {
        Weight = weight;
        Bold = weight >= 600;
    }

    QFont toQFont() const {
        QFont font(Name);
        if (Size > 0) {
            font.setPointSizeF(Size);
        }
        font.setWeight(static_cast<QFont::Weight>(qBound(1, int(Weight), 1000)));
        font.setItalic(Italic);
        font.setUnderline(Underline);
        font.setStrikeOut(Strikethrough);
        return font;
    }

    static StdFont fromQFont(const QFont& font, std::int16_t charset = 0) {
        StdFont f;
        f.Name = font.family();
        f.Size = font.pointSizeF() > 0 ? font.pointSizeF() : 8.25;
        f.setWeight(static_cast<std::int16_t>(font.weight()));
        f.Italic = font.italic();
        f.Underline = font.underline();
        f.Strikethrough = font.strikeOut();
        f.Charset = charset;
        return f;
    }
};

} // namespace lumokit

Q_DECLARE_METATYPE(lumokit::StdFont)
