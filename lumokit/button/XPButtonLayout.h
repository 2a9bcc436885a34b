#pragma once

// The rules of the XP button that do not need a surface: which look a
// request paints, the caption's text flags, where the icon, caption,
// shadows and frames go, and which character of a caption is the access
// key. The painter and the tests read them from here.
#include "core/platform/Win32Types.h"

#include <lumokit/Enums.h>

#include <QChar>
#include <QString>

#include <optional>

namespace lumokit {

// The looks DrawControl paints; any other number paints like CaptionOnly.
enum class XPLook : LONG { Normal = 0, Over = 1, Down = 2, CaptionOnly = 3, CheckedOn = 4 };

// How the icon is drawn in one place of the icon square.
enum class XPIconUse { Normal, Disabled, OverSilhouette, OverLifted };

class XPButtonLayout {
public:
    // Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
    static int roundHalfEven(double value);

    // DrawTextA flags of the caption.
    static UINT captionFlags(CaptionAlign align, bool multiLine);

    // The look RefreshControl asks for.
    static LONG refreshLook(bool checked, bool value, bool isOver);
    // The look DrawControl paints for a requested one: a toggle that is on
    // shows look 4 except while the mouse is over it, and a disabled button
    // always shows look 0.
    static LONG paintedLook(LONG requested, bool checked, bool value, bool enabled);

    // Top-left corner of a W x H icon in the icon square of height h.
    static POINT iconPosition(XPIconUse use, int h, int iconWidth, int iconHeight);
    // Icons whose drawn size is unreasonable are not drawn at all.
    static bool isDrawableIconSize(int iconWidth, int iconHeight);

    static RECT iconSquare(int h) { return RECT{0, 0, h, h}; }
    static RECT face(int w, int h) { return RECT{0, 0, w, h}; }
    // The frame inside the outer frame of a toggle that is on.
    static RECT innerFrame(int w, int h, bool showIcon);
    static RECT captionRect(int w, int h, bool showIcon);
    // The rectangle of shadow copy i (1 = nearest the caption).
    static RECT shadowRect(int i, int w, int h, bool showIcon);
    static RECT focusRect(int w, int h) { return RECT{2, 2, w - 2, h - 2}; }
    // How many shadow copies can show on a w x h surface; copies past it
    // would fall wholly outside.
    static int visibleShadowCount(int shadowSize, int w, int h);

    // The character after the first "&" that is not part of an escaped
    // "&&"; none when the caption has no such prefix.
    static std::optional<QChar> accessKeyOf(const QString& caption);
};

} // namespace lumokit
