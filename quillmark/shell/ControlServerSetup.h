#pragma once

#include <QString>

namespace quillmark {

// The first start of an installed copy. The command buttons come from the
// control server through the per-user registry, which no installer fills: the
// program registers the server installed beside it when no entry of the
// button's class points at a server that loads. A registry that cannot be
// read is told to the user and left as it is (writing over it would drop
// other servers' entries). A program run from a build tree leaves its tree's
// registry to the build.
class ControlServerSetup {
public:
    enum class Outcome {
        Loadable,   // the registered server loads; nothing was changed
        Registered, // the given server was registered
        Damaged,    // the registry cannot be read; reported, left as it is
        Failed,     // the registration failed; reported
        BuildTree,  // run from a build tree; nothing was checked
    };

    // The control server installed beside a program in programFolder.
    static QString installedServerPath(const QString& programFolder);

    // Checks the program's registry and registers serverPath in it when the
    // button's class has no loadable server there.
    static Outcome ensureRegistered(const QString& serverPath);

    // At start-up, before any screen opens: ensureRegistered() with the
    // installed server, except in a build tree.
    static Outcome atStart();
};

} // namespace quillmark
