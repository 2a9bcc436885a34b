#pragma once

// The registry of in-process servers: a JSON file that DllRegisterServer
// fills and hosts read to create objects by programmatic identifier.
// Header-only, shared by the library (writer) and hosts (readers).
//
//   { "typeLibraries": { "{libid}": { "12.0": { "name", "lcid", "flags", "path" } } },
//     "classes":   { "{clsid}": { "name", "progId", "server", "typeLibrary", "version",
//                                 "threadingModel", "control", "toolboxBitmap",
//                                 "toolboxImage" } },
//     "progIds":   { "LumoKit.cTimer": "{clsid}" },
//     "interfaces": { "{iid}": { "name", "typeLibrary", "version" } } }
//
// A class entry of a server built with the address sanitizer also carries
// "sanitizer": "address"; such a server cannot be loaded into a program
// built without it.
//
// Which file a program uses, the first that applies:
//   1. $LUMOKIT_REGISTRY, when set;
//   2. registry.json of the build tree the program runs from (a program in
//      <tree> or <tree>/bin, where <tree> holds CMakeCache.txt), which the
//      build writes, so that building, testing or deleting one tree never
//      changes what another tree's programs load;
//   3. the per-user file $XDG_CONFIG_HOME/lumokit/registry.json
//      (~/.config/lumokit/registry.json), for installed copies, which never
//      read a build tree's file.
#include <lumokit/Guid.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <optional>

namespace lumokit {

class Registry {
public:
    static constexpr const char* EnvironmentVariable = "LUMOKIT_REGISTRY";

    static constexpr const char* TypeLibrariesKey = "typeLibraries";
    static constexpr const char* ClassesKey = "classes";
    static constexpr const char* ProgIdsKey = "progIds";
    static constexpr const char* InterfacesKey = "interfaces";
    static constexpr const char* ServerKey = "server";
    static constexpr const char* SanitizerKey = "sanitizer";
    static constexpr const char* BuildTreeMarker = "CMakeCache.txt";
    static constexpr const char* BuildTreeFileName = "registry.json";

    // The registry of this program (see above).
    static QString filePath() {
        return filePathFor(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget());
    }

    // The registry of a program at executablePath.
    static QString filePathFor(const QString& executablePath) {
        const QString overridden = qEnvironmentVariable(EnvironmentVariable);
        if (!overridden.isEmpty()) {
            return overridden;
        }
        const QString tree = buildTreeOf(executablePath);
        if (!tree.isEmpty()) {
            return QDir(tree).filePath(QLatin1String(BuildTreeFileName));
        }
        return userFilePath();
    }

    // The build tree a program at executablePath runs from; empty for an
    // installed copy.
    static QString buildTreeOf(const QString& executablePath) {
        if (executablePath.isEmpty()) {
            return {};
        }
        QDir folder = QFileInfo(executablePath).absoluteDir();
        for (int up = 0; up < 2; ++up) {
            if (folder.exists(QLatin1String(BuildTreeMarker))) {
                return folder.absolutePath();
            }
            if (!folder.cdUp()) {
                break;
            }
        }
        return {};
    }

    static QString userFilePath() {
        QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
        if (configHome.isEmpty() || QDir::isRelativePath(configHome)) {
            configHome = QDir::homePath() + QStringLiteral("/.config");
        }
        return configHome + QStringLiteral("/lumokit/registry.json");
    }

    // The sanitizer this code was built with ("address" or empty): a server
    // built with the address sanitizer aborts a program built without it at
    // load time, so hosts refuse such a server instead.
    static QString sanitizer() {
#if defined(__SANITIZE_ADDRESS__)
        return QStringLiteral("address");
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
        return QStringLiteral("address");
#else
        return {};
#endif
#else
        return {};
#endif
    }

    // Reads the registry document. A missing file is an empty registry; a
    // file that cannot be read or is not a JSON object gives nullopt and a
    // message.
    static std::optional<QJsonObject> read(const QString& path, QString* errorMessage = nullptr) {
        QFile file(path);
        if (!file.exists()) {
            return QJsonObject();
        }
        if (!file.open(QIODevice::ReadOnly)) {
            setMessage(
                errorMessage,
                QStringLiteral("The registry %1 cannot be read: %2").arg(path, file.errorString()));
            return std::nullopt;
        }
        QJsonParseError parseError{};
        const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
        if (!document.isObject()) {
            setMessage(errorMessage, QStringLiteral("The registry %1 is damaged: %2")
                                         .arg(path, parseError.error != QJsonParseError::NoError
                                                        ? parseError.errorString()
                                                        : QStringLiteral("not a JSON object")));
            return std::nullopt;
        }
        return document.object();
    }

    struct ClassEntry {
        GUID clsid;
        QString serverPath;
        QJsonObject details;

        QString sanitizer() const { return details.value(QLatin1String(SanitizerKey)).toString(); }
    };

    // The class registered under a programmatic identifier (case-insensitive,
    // as identifiers are); nullopt when there is none or its entry is broken.
    static std::optional<ClassEntry> findProgId(const QJsonObject& registry,
                                                const QString& progId) {
        const QJsonObject progIds = registry.value(QLatin1String(ProgIdsKey)).toObject();
        for (auto it = progIds.begin(); it != progIds.end(); ++it) {
            if (it.key().compare(progId, Qt::CaseInsensitive) == 0) {
                return findClass(registry, it.value().toString());
            }
        }
        return std::nullopt;
    }

    static std::optional<ClassEntry> findClass(const QJsonObject& registry,
                                               const QString& clsidText) {
        const std::optional<GUID> clsid = GUID::fromString(clsidText);
        if (!clsid) {
            return std::nullopt;
        }
        const QJsonObject classes = registry.value(QLatin1String(ClassesKey)).toObject();
        const QJsonValue entry = classes.value(clsid->toString());
        if (!entry.isObject()) {
            return std::nullopt;
        }
        const QJsonObject details = entry.toObject();
        return ClassEntry{*clsid, details.value(QLatin1String(ServerKey)).toString(), details};
    }

private:
    static void setMessage(QString* target, const QString& message) {
        if (target) {
            *target = message;
        }
    }
};

} // namespace lumokit
