// lumotlb: prints the LumoKit type library, and registers or unregisters a
// built control server the way an installer would.
#include "core/com/TypeLibrary.h"
#include "core/com/TypeLibraryPrinter.h"

#include <lumokit/HostLoader.h>

#include <QCoreApplication>
#include <QString>
#include <QTextStream>

#include <cstdio>

namespace {

int usage(QTextStream& err) {
    err << "usage: lumotlb                      print the type library\n"
           "       lumotlb --regserver LIB      call LIB's DllRegisterServer\n"
           "       lumotlb --unregserver LIB    call LIB's DllUnregisterServer\n"
           "The registry is $LUMOKIT_REGISTRY, else registry.json of the build tree\n"
           "lumotlb runs from, else ~/.config/lumokit/registry.json.\n";
    return 2;
}

int callServer(const QString& option, const QString& library, QTextStream& out, QTextStream& err) {
    QString message;
    const bool registering = option == QLatin1String("--regserver");
    const lumokit::HRESULT hr = registering
                                    ? lumokit::HostLoader::RegisterServer(library, &message)
                                    : lumokit::HostLoader::UnregisterServer(library, &message);
    if (lumokit::FAILED(hr)) {
        err << (registering ? "Registration" : "Unregistration") << " of " << library
            << " failed (0x" << QString::number(static_cast<quint32>(hr), 16) << ")";
        if (!message.isEmpty()) {
            err << ": " << message;
        }
        err << "\n";
        return 1;
    }
    out << (registering ? "Registered " : "Unregistered ") << library << " in "
        << lumokit::Registry::filePath() << "\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        out << lumokit::TypeLibraryPrinter::print(lumokit::TypeLibrary::instance());
        return 0;
    }
    if (args.size() == 2 &&
        (args[0] == QLatin1String("--regserver") || args[0] == QLatin1String("--unregserver"))) {
        return callServer(args[0], args[1], out, err);
    }
    return usage(err);
}
