#include "server/Registration.h"

#include "core/com/TypeLibrary.h"
#include "server/ToolboxImages.h"

#include <lumokit/ComInterfaces.h>
#include <lumokit/Registry.h>

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>

#include <dlfcn.h>

#include <optional>

namespace lumokit {

namespace {

constexpr int lockTimeoutMs = 10000;

QString key(const char* name) {
    return QString::fromLatin1(name);
}

void setMessage(QString* target, const QString& message) {
    if (target) {
        *target = message;
    }
}

QJsonObject typeLibraryEntry(const TypeLibraryInfo& lib, const QString& libraryPath) {
    return QJsonObject{{QStringLiteral("name"), lib.name},
                       {QStringLiteral("lcid"), lib.lcid},
                       {QStringLiteral("flags"), lib.flags},
                       {QStringLiteral("path"), libraryPath}};
}

QJsonObject classEntry(const TypeLibraryInfo& lib, const CoClassInfo& coclass,
                       const QString& libraryPath) {
    QJsonObject entry{{QStringLiteral("name"), coclass.name},
                      {QStringLiteral("progId"), coclass.progId()},
                      {key(Registry::ServerKey), libraryPath},
                      {QStringLiteral("threadingModel"), QStringLiteral("Apartment")},
                      {QStringLiteral("typeLibrary"), lib.libid.toString()},
                      {QStringLiteral("version"), lib.versionText()},
                      {QStringLiteral("control"), coclass.control}};
    // A program built without the address sanitizer cannot load a server
    // built with it; the host checks this before it loads the server.
    if (!Registry::sanitizer().isEmpty()) {
        entry.insert(key(Registry::SanitizerKey), Registry::sanitizer());
    }
    if (coclass.control) {
        entry.insert(QStringLiteral("toolboxBitmap"),
                     QStringLiteral("%1, %2").arg(libraryPath).arg(coclass.toolboxImageId));
        entry.insert(QStringLiteral("toolboxImage"),
                     QString::fromLatin1(ToolboxImages::png(coclass.toolboxImageId).toBase64()));
    }
    return entry;
}

QJsonObject interfaceEntry(const TypeLibraryInfo& lib, const QString& name) {
    return QJsonObject{{QStringLiteral("name"), name},
                       {QStringLiteral("typeLibrary"), lib.libid.toString()},
                       {QStringLiteral("version"), lib.versionText()}};
}

void addEntries(QJsonObject& root, const QString& libraryPath) {
    const TypeLibraryInfo& lib = TypeLibrary::instance();

    QJsonObject typeLibraries = root.value(key(Registry::TypeLibrariesKey)).toObject();
    QJsonObject versions = typeLibraries.value(lib.libid.toString()).toObject();
    versions.insert(lib.versionText(), typeLibraryEntry(lib, libraryPath));
    typeLibraries.insert(lib.libid.toString(), versions);
    root.insert(key(Registry::TypeLibrariesKey), typeLibraries);

    QJsonObject classes = root.value(key(Registry::ClassesKey)).toObject();
    QJsonObject progIds = root.value(key(Registry::ProgIdsKey)).toObject();
    for (const CoClassInfo& coclass : lib.coclasses) {
        classes.insert(coclass.clsid.toString(), classEntry(lib, coclass, libraryPath));
        progIds.insert(coclass.progId(), coclass.clsid.toString());
    }
    root.insert(key(Registry::ClassesKey), classes);
    root.insert(key(Registry::ProgIdsKey), progIds);

    QJsonObject interfaces = root.value(key(Registry::InterfacesKey)).toObject();
    for (const InterfaceInfo& iface : lib.interfaces) {
        interfaces.insert(iface.iid.toString(), interfaceEntry(lib, iface.name));
    }
    for (const EventInterfaceInfo& events : lib.eventInterfaces) {
        interfaces.insert(events.iid.toString(), interfaceEntry(lib, events.name));
    }
    root.insert(key(Registry::InterfacesKey), interfaces);
}

// Puts `section` back, or drops it when nothing is left in it.
void storeSection(QJsonObject& root, const char* name, const QJsonObject& section) {
    if (section.isEmpty()) {
        root.remove(key(name));
    } else {
        root.insert(key(name), section);
    }
}

void removeEntries(QJsonObject& root, const QString&) {
    const TypeLibraryInfo& lib = TypeLibrary::instance();

    QJsonObject typeLibraries = root.value(key(Registry::TypeLibrariesKey)).toObject();
    QJsonObject versions = typeLibraries.value(lib.libid.toString()).toObject();
    versions.remove(lib.versionText());
    if (versions.isEmpty()) {
        typeLibraries.remove(lib.libid.toString());
    } else {
        typeLibraries.insert(lib.libid.toString(), versions);
    }
    storeSection(root, Registry::TypeLibrariesKey, typeLibraries);

    QJsonObject classes = root.value(key(Registry::ClassesKey)).toObject();
    QJsonObject progIds = root.value(key(Registry::ProgIdsKey)).toObject();
    for (const CoClassInfo& coclass : lib.coclasses) {
        classes.remove(coclass.clsid.toString());
        // A name that another server has taken over since is not ours to drop.
        if (progIds.value(coclass.progId()).toString() == coclass.clsid.toString()) {
            progIds.remove(coclass.progId());
        }
    }
    storeSection(root, Registry::ClassesKey, classes);
    storeSection(root, Registry::ProgIdsKey, progIds);

    QJsonObject interfaces = root.value(key(Registry::InterfacesKey)).toObject();
    for (const InterfaceInfo& iface : lib.interfaces) {
        interfaces.remove(iface.iid.toString());
    }
    for (const EventInterfaceInfo& events : lib.eventInterfaces) {
        interfaces.remove(events.iid.toString());
    }
    storeSection(root, Registry::InterfacesKey, interfaces);
}

bool writeAtomically(const QString& path, const QJsonObject& root, QString* errorMessage) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        setMessage(
            errorMessage,
            QStringLiteral("The registry %1 cannot be written: %2").arg(path, file.errorString()));
        return false;
    }
    file.write(QJsonDocument(root).toJson(QJsonDocument::Indented));
    if (!file.commit()) {
        setMessage(
            errorMessage,
            QStringLiteral("The registry %1 cannot be written: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

// Reads, changes and writes back the registry under a lock, so that two
// processes registering at once do not lose each other's entries. A damaged
// file is left alone: writing over it would drop other servers' entries.
using Change = void (*)(QJsonObject& root, const QString& libraryPath);

HRESULT updateRegistry(const QString& path, HRESULT failure, bool createIfMissing, Change change,
                       const QString& libraryPath, QString* errorMessage) {
    if (!createIfMissing && !QFileInfo::exists(path)) {
        return S_OK;
    }
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        setMessage(errorMessage, QStringLiteral("The folder %1 cannot be created").arg(folder));
        return failure;
    }
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(lockTimeoutMs)) {
        setMessage(errorMessage,
                   QStringLiteral("The registry %1 is locked by another process").arg(path));
        return failure;
    }
    std::optional<QJsonObject> root = Registry::read(path, errorMessage);
    if (!root) {
        return failure;
    }
    change(*root, libraryPath);
    return writeAtomically(path, *root, errorMessage) ? S_OK : failure;
}

} // namespace

HRESULT Registration::registerServer(const QString& registryPath, const QString& libraryPath,
                                     QString* errorMessage) {
    if (libraryPath.isEmpty()) {
        setMessage(errorMessage, QStringLiteral("The library's own path is unknown"));
        return SELFREG_E_CLASS;
    }
    const QString absolute = QFileInfo(libraryPath).absoluteFilePath();
    return updateRegistry(registryPath, SELFREG_E_CLASS, true, &addEntries, absolute, errorMessage);
}

HRESULT Registration::unregisterServer(const QString& registryPath, QString* errorMessage) {
    return updateRegistry(registryPath, SELFREG_E_CLASS, false, &removeEntries, QString(),
                          errorMessage);
}

QString Registration::libraryPath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&Registration::libraryPath), &info) == 0 ||
        !info.dli_fname) {
        return {};
    }
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
}

} // namespace lumokit
