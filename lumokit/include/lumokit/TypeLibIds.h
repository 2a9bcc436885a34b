#pragma once

// Identifiers of the LumoKit type library, its six classes and their
// interfaces: CLSID_ class, IID_ default interface ("_Name"), DIID_ event
// interface ("__Name").
#include <lumokit/Guid.h>

namespace lumokit {

constexpr GUID LIBID_LumoKit = makeGuid("{3BBEC9BA-158B-49A1-A585-4622DB6C8488}");
constexpr int LumoKitVersionMajor = 12;
constexpr int LumoKitVersionMinor = 0;
constexpr int LumoKitLocale = 0x409;
constexpr int LIBFLAG_FCONTROL = 0x2;

constexpr GUID CLSID_LumoXPButton = makeGuid("{8B41E56F-FEBA-476E-9299-533A243EC6DB}");
constexpr GUID IID__LumoXPButton = makeGuid("{3793273D-3BE0-4F7C-86C9-ED9641F8D601}");
constexpr GUID DIID___LumoXPButton = makeGuid("{766FAC59-02D7-4BC8-AC4B-66FEE65D6920}");

constexpr GUID CLSID_lumoadvToolbar = makeGuid("{28A1A005-2A37-40E9-8016-692EE3F500BB}");
constexpr GUID IID__lumoadvToolbar = makeGuid("{3A38C05A-8D81-4426-8FA1-63B0D1E6F358}");
constexpr GUID DIID___lumoadvToolbar = makeGuid("{8FF966FE-47BC-4FFD-9B07-1A8BC6A70F8B}");

constexpr GUID CLSID_lumoTabStrip = makeGuid("{85724470-58F5-409B-946A-9D74E54F2FEB}");
constexpr GUID IID__lumoTabStrip = makeGuid("{865C7346-DE8F-4A32-90C5-0D2E3910C3E5}");
constexpr GUID DIID___lumoTabStrip = makeGuid("{98A0BD0F-EDB4-4D75-9828-F50F97EBB783}");

constexpr GUID CLSID_lumoStatusbar = makeGuid("{72F1ABDF-080B-40C9-83C0-1F8E8C16F874}");
constexpr GUID IID__lumoStatusbar = makeGuid("{57471569-A17F-4455-B0CF-C474280C7AEE}");
constexpr GUID DIID___lumoStatusbar = makeGuid("{0D80852E-63B8-4CA1-98A4-00FF607400F3}");

constexpr GUID CLSID_clsSubClass = makeGuid("{915CDCF4-0F67-42D5-9B16-912BB28E84E2}");
constexpr GUID IID__clsSubClass = makeGuid("{809DDCCB-BEA6-481A-AFCB-22CD8E9DEC97}");
constexpr GUID DIID___clsSubClass = makeGuid("{B50E5CD9-DB34-4630-9060-C3EC63069482}");

constexpr GUID CLSID_cTimer = makeGuid("{080D8F74-2124-4F30-9398-EA33D427F8FE}");
constexpr GUID IID__cTimer = makeGuid("{65C10B6D-A6B6-4757-AF11-9ABE99292359}");
constexpr GUID DIID___cTimer = makeGuid("{0A60A847-0E76-4B58-8290-358C153A3211}");

// Toolbox images that registration publishes for the four controls.
constexpr int IDB_LumoXPButton = 30000;
constexpr int IDB_lumoadvToolbar = 30001;
constexpr int IDB_lumoTabStrip = 30002;
constexpr int IDB_lumoStatusbar = 30003;

} // namespace lumokit
