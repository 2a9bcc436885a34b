#include "quillmark/shell/ControlServerSetup.h"

#include "quillmark/shell/Messages.h"
#include "quillmark/shell/XPButtonSite.h"
#include "quillmark/shell/mdlGlobal.h"

#include <lumokit/HostLoader.h>
#include <lumokit/Registry.h>

#include <QDir>
#include <QFileInfo>

namespace quillmark {

namespace {

using lumokit::HostLoader;
using lumokit::Registry;

bool registeredServerLoads(const QJsonObject& registry) {
    const std::optional<Registry::ClassEntry> entry =
        Registry::findProgId(registry, QString::fromLatin1(XPButtonSite::kProgId));
    if (!entry) {
        return false;
    }
    // A server built with the address sanitizer aborts a program built without it.
    if (!entry->sanitizer().isEmpty() && Registry::sanitizer().isEmpty()) {
        return false;
    }
    return HostLoader::ResolveEntryPoint(entry->serverPath, "DllGetClassObject") != nullptr;
}

} // namespace

QString ControlServerSetup::installedServerPath(const QString& programFolder) {
    return QDir::cleanPath(programFolder + QStringLiteral("/" QUILLMARK_LIBDIR_FROM_BINDIR
                                                          "/" QUILLMARK_SERVER_FILE_NAME));
}

ControlServerSetup::Outcome ControlServerSetup::ensureRegistered(const QString& serverPath) {
    const QString registryPath = Registry::filePath();
    QString problem;
    const std::optional<QJsonObject> registry = Registry::read(registryPath, &problem);
    if (!registry) {
        MsgBoxExclamation(problem +
                          QStringLiteral("\r\n\r\nThe file was left as it is, so the command "
                                         "buttons cannot come from the control server. Repair or "
                                         "remove the file, then start %1 again.")
                              .arg(GetAppTitle()));
        return Outcome::Damaged;
    }
    if (registeredServerLoads(*registry)) {
        return Outcome::Loadable;
    }
    const lumokit::HRESULT hr = HostLoader::RegisterServer(serverPath, &problem);
    if (lumokit::FAILED(hr)) {
        MsgBoxExclamation(
            QStringLiteral("The control server could not be registered in %1: %2")
                .arg(registryPath, problem.isEmpty()
                                       ? QStringLiteral("error 0x%1")
                                             .arg(static_cast<quint32>(hr), 8, 16, QLatin1Char('0'))
                                       : problem));
        return Outcome::Failed;
    }
    return Outcome::Registered;
}

ControlServerSetup::Outcome ControlServerSetup::atStart() {
    const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    if (!Registry::buildTreeOf(program).isEmpty()) {
        return Outcome::BuildTree;
    }
    return ensureRegistered(installedServerPath(ProgramFolder()));
}

} // namespace quillmark
