#pragma once

// The type library as readable IDL-like text: the library header, each
// enumeration, each interface with its members in slot order, each event
// interface with its numbered events and each class with its flags.
#include "core/com/TypeInfo.h"

#include <QString>

namespace lumokit {

class TypeLibraryPrinter {
public:
    static QString print(const TypeLibraryInfo& library);

    static QString typeName(const TypeRef& type);
    static QString memberLine(const MemberInfo& member);
    static QString eventLine(const EventInfo& event);
};

} // namespace lumokit
