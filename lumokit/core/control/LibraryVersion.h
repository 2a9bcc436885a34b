#pragma once

// The version of the library file (1.00.0012 for this release), which the
// About messages show. The numbers come from lumokit/CMakeLists.txt, which
// also versions the shared library with them.
namespace lumokit {

struct LibraryVersion {
    static constexpr int Major = LUMOKIT_VERSION_MAJOR;
    static constexpr int Minor = LUMOKIT_VERSION_MINOR;
    static constexpr int Revision = LUMOKIT_VERSION_REVISION;
};

} // namespace lumokit
