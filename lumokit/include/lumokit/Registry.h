#pragma once

// The per-user registry of in-process servers: one JSON file that
// DllRegisterServer fills and hosts read to create objects by programmatic
// identifier. Header-only, shared by the library (writer) and hosts (readers).
//
//   { "typeLibraries": { "{libid}": { "12.0": { "name", "lcid", "flags", "path" } } },
//     "classes":   { "{clsid}": { "name", "progId", "server", "typeLibrary", "version",
//                                 "threadingModel", "control", "toolboxBitmap",
//                                 "toolboxImage" } },
//     "progIds":   { "LumoKit.cTimer": "{clsid}" },
//     "interfaces": { "{iid}": { "name", "typeLibrary", "version" } } }
//
// The file lives at $LUMOKIT_REGISTRY when that is set, else at
// $XDG_CONFIG_HOME/lumokit/registry.json (~/.config/lumokit/registry.json).
#include <lumokit/Guid.h>

#include <QDir>
#include <QFile>
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

    static QString filePath() {
        const QString overridden = qEnvironmentVariable(EnvironmentVariable);
        if (!overridden.isEmpty()) {
            return overridden;
        }
        QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
        if (configHome.isEmpty() || QDir::isRelativePath(configHome)) {
            configHome = QDir::homePath() + QStringLiteral("/.config");
        }
        return configHome + QStringLiteral("/lumokit/registry.json");
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
