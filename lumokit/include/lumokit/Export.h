#pragma once

// Symbols of liblumokit.so are hidden unless marked; hosts see only what is
// marked here.
#if defined(LUMOKIT_BUILDING_LIBRARY)
#define LUMOKIT_EXPORT __attribute__((visibility("default")))
#else
#define LUMOKIT_EXPORT
#endif
