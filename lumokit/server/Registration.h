#pragma once

// Writes and removes the server's entries in a registry file: the
// type library, and for each class its identifiers, the library's path and,
// for the controls, the control flag and toolbox image. Other entries of the
// file are left as they are; the file is replaced atomically.
#include <lumokit/Types.h>

#include <QString>

namespace lumokit {

class Registration {
public:
    // libraryPath is the absolute path of the library being registered.
    static HRESULT registerServer(const QString& registryPath, const QString& libraryPath,
                                  QString* errorMessage = nullptr);
    static HRESULT unregisterServer(const QString& registryPath, QString* errorMessage = nullptr);

    // The absolute path of the binary this code was loaded from.
    static QString libraryPath();
};

} // namespace lumokit
