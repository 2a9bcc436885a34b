#include "core/com/TypeLibraryPrinter.h"

#include <QStringList>

namespace lumokit {

namespace {

constexpr int controlFlag = 0x2;

QString bare(const GUID& id) {
    const QString text = id.toString();
    return text.mid(1, text.size() - 2);
}

QString hex(std::uint32_t value, int width) {
    return QStringLiteral("0x%1").arg(value, width, 16, QLatin1Char('0'));
}

QString kindAttribute(InvokeKind kind) {
    switch (kind) {
    case InvokeKind::Method:
        return {};
    case InvokeKind::PropertyGet:
        return QStringLiteral(", propget");
    case InvokeKind::PropertyPut:
        return QStringLiteral(", propput");
    case InvokeKind::PropertyPutRef:
        return QStringLiteral(", propputref");
    }
    return {};
}

QString defaultText(const ParamInfo& param) {
    const QVariant& value = param.defaultValue;
    if (value.metaType().id() == QMetaType::Bool) {
        return value.toBool() ? QStringLiteral("-1") : QStringLiteral("0");
    }
    if (value.metaType().id() == QMetaType::QString) {
        return QLatin1Char('"') + value.toString() + QLatin1Char('"');
    }
    return value.toString();
}

QString paramText(const ParamInfo& param) {
    QStringList attributes{param.byRef ? QStringLiteral("in, out") : QStringLiteral("in")};
    if (param.optional) {
        attributes << (param.defaultValue.isValid()
                           ? QStringLiteral("defaultvalue(%1)").arg(defaultText(param))
                           : QStringLiteral("optional"));
    }
    QString type = TypeLibraryPrinter::typeName(param.type);
    if (param.byRef) {
        type += QLatin1Char('*');
    }
    return QStringLiteral("[%1] %2 %3")
        .arg(attributes.join(QStringLiteral(", ")), type, param.name);
}

void printEnum(QStringList& out, const EnumInfo& info) {
    out << QStringLiteral("    typedef enum {");
    for (std::size_t i = 0; i < info.members.size(); ++i) {
        const EnumMember& m = info.members[i];
        out << QStringLiteral("        %1 = %2%3")
                   .arg(m.name)
                   .arg(m.value)
                   .arg(i + 1 < info.members.size() ? QStringLiteral(",") : QString());
    }
    out << QStringLiteral("    } %1;").arg(info.name) << QString();
}

void printInterface(QStringList& out, const InterfaceInfo& info) {
    out << QStringLiteral("    [") << QStringLiteral("      uuid(%1),").arg(bare(info.iid))
        << QStringLiteral("      hidden, dual, nonextensible, oleautomation")
        << QStringLiteral("    ]")
        << QStringLiteral("    interface %1 : IDispatch {  // %2 members")
               .arg(info.name)
               .arg(info.members.size());
    for (const MemberInfo& member : info.members) {
        out << QStringLiteral("        ") + TypeLibraryPrinter::memberLine(member);
    }
    out << QStringLiteral("    };") << QString();
}

void printEvents(QStringList& out, const EventInterfaceInfo& info) {
    out << QStringLiteral("    [") << QStringLiteral("      uuid(%1),").arg(bare(info.iid))
        << QStringLiteral("      hidden, nonextensible") << QStringLiteral("    ]")
        << QStringLiteral("    dispinterface %1 {  // %2 events")
               .arg(info.name)
               .arg(info.events.size())
        << QStringLiteral("        properties:") << QStringLiteral("        methods:");
    for (const EventInfo& event : info.events) {
        out << QStringLiteral("            ") + TypeLibraryPrinter::eventLine(event);
    }
    out << QStringLiteral("    };") << QString();
}

void printCoClass(QStringList& out, const CoClassInfo& info) {
    out << QStringLiteral("    [")
        << QStringLiteral("      uuid(%1)%2")
               .arg(bare(info.clsid))
               .arg(info.control ? QStringLiteral(",") : QString());
    if (info.control) {
        out << QStringLiteral("      control");
    }
    out << QStringLiteral("    ]")
        << QStringLiteral("    coclass %1 {  // \"%2\"%3")
               .arg(info.name, info.progId())
               .arg(info.control ? QStringLiteral(", toolbox image %1").arg(info.toolboxImageId)
                                 : QString())
        << QStringLiteral("        [default] interface %1;").arg(info.defaultInterface->name)
        << QStringLiteral("        [default, source] dispinterface %1;")
               .arg(info.eventInterface->name)
        << QStringLiteral("    };") << QString();
}

} // namespace

QString TypeLibraryPrinter::typeName(const TypeRef& type) {
    switch (type.kind) {
    case VarKind::Void:
        return QStringLiteral("void");
    case VarKind::Bool:
        return QStringLiteral("VARIANT_BOOL");
    case VarKind::Int16:
        return QStringLiteral("short");
    case VarKind::Int32:
        return QStringLiteral("long");
    case VarKind::Single:
        return QStringLiteral("single");
    case VarKind::String:
        return QStringLiteral("BSTR");
    case VarKind::Color:
        return QStringLiteral("OLE_COLOR");
    case VarKind::Variant:
        return QStringLiteral("VARIANT");
    case VarKind::Picture:
        return QStringLiteral("Picture*");
    case VarKind::Font:
        return QStringLiteral("Font*");
    case VarKind::Object:
        return QStringLiteral("IDispatch*");
    case VarKind::DataObject:
        return QStringLiteral("DataObject*");
    case VarKind::Enum:
        return type.enumName;
    }
    return {};
}

QString TypeLibraryPrinter::memberLine(const MemberInfo& member) {
    QStringList params;
    for (const ParamInfo& param : member.params) {
        params << paramText(param);
    }
    if (!member.result.isVoid()) {
        params << QStringLiteral("[out, retval] %1* %2").arg(typeName(member.result), member.name);
    }
    return QStringLiteral("[id(%1)%2] HRESULT %3(%4);")
        .arg(hex(static_cast<std::uint32_t>(member.dispid), 8), kindAttribute(member.kind),
             member.name, params.join(QStringLiteral(", ")));
}

QString TypeLibraryPrinter::eventLine(const EventInfo& event) {
    QStringList params;
    for (const ParamInfo& param : event.params) {
        params << paramText(param);
    }
    return QStringLiteral("[id(%1)] void %2(%3);")
        .arg(hex(static_cast<std::uint32_t>(event.id), 8), event.name,
             params.join(QStringLiteral(", ")));
}

QString TypeLibraryPrinter::print(const TypeLibraryInfo& library) {
    QStringList out;
    out << QStringLiteral("[") << QStringLiteral("  uuid(%1),").arg(bare(library.libid))
        << QStringLiteral("  version(%1),").arg(library.versionText())
        << QStringLiteral("  lcid(%1)%2  // flags %3")
               .arg(hex(static_cast<std::uint32_t>(library.lcid), 4),
                    (library.flags & controlFlag) ? QStringLiteral(",\n  control") : QString(),
                    hex(static_cast<std::uint32_t>(library.flags), 1))
        << QStringLiteral("]") << QStringLiteral("library %1").arg(library.name)
        << QStringLiteral("{") << QStringLiteral("    importlib(\"stdole2.tlb\");") << QString();
    for (const EnumInfo& info : library.enums) {
        printEnum(out, info);
    }
    for (const InterfaceInfo& info : library.interfaces) {
        printInterface(out, info);
    }
    for (const EventInterfaceInfo& info : library.eventInterfaces) {
        printEvents(out, info);
    }
    for (const CoClassInfo& info : library.coclasses) {
        printCoClass(out, info);
    }
    out << QStringLiteral("};");
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace lumokit
