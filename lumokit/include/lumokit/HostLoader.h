#pragma once

// Creates library objects by programmatic identifier ("LumoKit.LumoXPButton")
// the way a host's CreateObject does: looks the class up in the program's
// registry (Registry.h says which file that is), loads the registered server
// library once per process, asks its DllGetClassObject for the class factory
// and creates the object. When the server cannot be loaded, the message
// names the file and the reason. Header-only, so a host needs no link to
// the library.
#include <lumokit/ComError.h>
#include <lumokit/ComInterfaces.h>
#include <lumokit/ComPtr.h>
#include <lumokit/ComServer.h>
#include <lumokit/Registry.h>

#include <QFileInfo>
#include <QHash>
#include <QString>

#include <dlfcn.h>

namespace lumokit {

constexpr HRESULT REGDB_E_READREGDB = static_cast<HRESULT>(0x80040150u);

class HostLoader {
public:
    struct Result {
        ComPtr<IDispatch> object;
        HRESULT hr = S_OK;
        QString message; // why it failed, for the user

        explicit operator bool() const { return static_cast<bool>(object); }
    };

    // Never throws; on failure the result says why.
    static Result TryCreateObject(const QString& progId) {
        const QString registryPath = Registry::filePath();
        QString message;
        const std::optional<QJsonObject> registry = Registry::read(registryPath, &message);
        if (!registry) {
            return failure(REGDB_E_READREGDB, message);
        }
        const std::optional<Registry::ClassEntry> entry = Registry::findProgId(*registry, progId);
        if (!entry) {
            return failure(REGDB_E_CLASSNOTREG,
                           QStringLiteral("ActiveX component can't create object: \"%1\" is not "
                                          "registered in %2")
                               .arg(progId, registryPath));
        }
        if (!entry->sanitizer().isEmpty() && Registry::sanitizer().isEmpty()) {
            return failure(CO_E_DLLNOTFOUND,
                           cannotLoad(entry->serverPath,
                                      QStringLiteral("it was built with the %1 sanitizer and "
                                                     "this program was not")
                                          .arg(entry->sanitizer())) +
                               registeredIn(progId, registryPath));
        }
        Result result;
        DllGetClassObjectFn getClassObject = resolveClassObject(entry->serverPath, &result);
        if (!getClassObject) {
            result.message += registeredIn(progId, registryPath);
            return result;
        }
        ComPtr<IClassFactory> factory;
        HRESULT hr = getClassObject(entry->clsid, IClassFactory::IID, factory.put());
        if (FAILED(hr)) {
            return failure(hr, QStringLiteral("The server %1 offers no class %2 for \"%3\"")
                                   .arg(entry->serverPath, entry->clsid.toString(), progId));
        }
        hr = factory->CreateInstance(nullptr, IDispatch::IID, result.object.put());
        if (FAILED(hr)) {
            return failure(hr, QStringLiteral("ActiveX component can't create object: \"%1\" "
                                              "(error 0x%2)")
                                   .arg(progId)
                                   .arg(static_cast<std::uint32_t>(hr), 8, 16, QLatin1Char('0')));
        }
        return result;
    }

    // Throws ComError (with the failure's HRESULT and message) when the
    // object cannot be created.
    static ComPtr<IDispatch> CreateObject(const QString& progId) {
        Result result = TryCreateObject(progId);
        if (!result) {
            throw ComError(result.hr, progId, result.message);
        }
        return std::move(result.object);
    }

    // Loads a server library (once) and calls its DllRegisterServer, as a
    // build or an installer does after placing the library.
    static HRESULT RegisterServer(const QString& libraryPath, QString* message = nullptr) {
        return callEntryPoint(libraryPath, "DllRegisterServer", message);
    }
    static HRESULT UnregisterServer(const QString& libraryPath, QString* message = nullptr) {
        return callEntryPoint(libraryPath, "DllUnregisterServer", message);
    }

    // The library's handle, loading it on first use; null with a message
    // when it cannot be loaded.
    static void* LoadServer(const QString& libraryPath, QString* message = nullptr) {
        const QString path = QFileInfo(libraryPath).absoluteFilePath();
        QHash<QString, void*>& loaded = loadedServers();
        if (void* handle = loaded.value(path)) {
            return handle;
        }
        if (libraryPath.isEmpty() || !QFileInfo::exists(path)) {
            setMessage(message,
                       cannotLoad(libraryPath.isEmpty() ? QStringLiteral("(no path)") : path,
                                  QStringLiteral("the file does not exist")));
            return nullptr;
        }
        // Kept loaded for the rest of the process: objects, their types and
        // their Qt registrations live in it.
        void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            setMessage(message, cannotLoad(path, QString::fromLocal8Bit(dlerror())));
            return nullptr;
        }
        loaded.insert(path, handle);
        return handle;
    }

    // The server's exported function, or null with a message.
    static void* ResolveEntryPoint(const QString& libraryPath, const char* name,
                                   QString* message = nullptr) {
        void* handle = LoadServer(libraryPath, message);
        if (!handle) {
            return nullptr;
        }
        void* symbol = dlsym(handle, name);
        if (!symbol) {
            setMessage(message, QStringLiteral("The control server %1 has no entry point %2")
                                    .arg(libraryPath, QString::fromLatin1(name)));
        }
        return symbol;
    }

private:
    static QHash<QString, void*>& loadedServers() {
        static QHash<QString, void*> servers;
        return servers;
    }

    static QString cannotLoad(const QString& path, const QString& reason) {
        return QStringLiteral("The control server %1 cannot be loaded: %2").arg(path, reason);
    }

    static QString registeredIn(const QString& progId, const QString& registryPath) {
        return QStringLiteral(" (\"%1\" is registered in %2)").arg(progId, registryPath);
    }

    static Result failure(HRESULT hr, const QString& message) {
        Result result;
        result.hr = hr;
        result.message = message;
        return result;
    }

    static void setMessage(QString* target, const QString& message) {
        if (target) {
            *target = message;
        }
    }

    static DllGetClassObjectFn resolveClassObject(const QString& serverPath, Result* result) {
        QString message;
        if (!LoadServer(serverPath, &message)) {
            *result = failure(CO_E_DLLNOTFOUND, message);
            return nullptr;
        }
        void* symbol = ResolveEntryPoint(serverPath, "DllGetClassObject", &message);
        if (!symbol) {
            *result = failure(CO_E_ERRORINDLL, message);
            return nullptr;
        }
        return reinterpret_cast<DllGetClassObjectFn>(symbol);
    }

    static HRESULT callEntryPoint(const QString& libraryPath, const char* name, QString* message) {
        if (!LoadServer(libraryPath, message)) {
            return CO_E_DLLNOTFOUND;
        }
        void* symbol = ResolveEntryPoint(libraryPath, name, message);
        if (!symbol) {
            return CO_E_ERRORINDLL;
        }
        return reinterpret_cast<DllRegisterServerFn>(symbol)();
    }
};

} // namespace lumokit
