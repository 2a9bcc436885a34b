#pragma once

// The enumerations of the LumoKit type library with their stored values.
// Scoped, because three of them share the member names lumoXP and lumoVivid;
// EErrorTimer is not: its members are error codes, which hosts meet as
// ComError/HRESULT values (0x80040000 + code).
#include <cstdint>

namespace lumokit {

enum class IFCBackStyles : std::int32_t { ifbsTransparent = 0, ifbsOpaque = 1 };

enum class sStyle : std::int32_t {
    sNormal = 0,
    sSeparate = 1,
    sPlaceHolder = 2,
    sDropDown = 3,
    sCheckBox = 4,
    sLabel = 5
};

enum class lumoBorder : std::int32_t {
    lumoNoBorder = 0,
    lumoFlatBorder = 1,
    lumo3dRaisedBorder = 2,
    lumo3dDownBorder = 3
};

enum class lumoStyle : std::int32_t { lumoXP = 0, lumoVivid = 1 };

enum class lumobgFade : std::int32_t { lumoFade = 0, lumoSolid = 1 };

enum class lumoDrawMode : std::int32_t { lumoFast = 0, lumoSlow = 1 };

enum class lumobStyle : std::int32_t { lumoXP = 0, lumoVivid = 1 };

enum class lumoTabstyle : std::int32_t { IconCaption = 0, IconOnly = 1, CaptionOnly = 2 };

enum class lumocStyle : std::int32_t { lumoXP = 0, lumoVivid = 1 };

// Right first: the stored order is not left, centre, right.
enum class CaptionAlign : std::int32_t { caRight = 0, caCenter = 1, caLeft = 2 };

enum EErrorTimer : std::int32_t {
    eeBaseTimer = 13650,
    eeTooManyTimers = 13651,
    eeCantCreateTimer = 13652,
};

enum class sSize : std::int32_t { sNoAutosize = 0, sSpring = 1, sContents = 2 };

enum class lumosBorder : std::int32_t {
    lumosNoBorder = 0,
    lumosFlatBorder = 1,
    lumos3dRaisedBorder = 2,
    lumos3dDownBorder = 3
};

} // namespace lumokit
