#pragma once

// The four 16 x 16 toolbox images of the controls (identifiers 30000 to
// 30003), drawn in code so that no image file has to travel with the library.
#include <QByteArray>
#include <QImage>

namespace lumokit {

class ToolboxImages {
public:
    static constexpr int Size = 16;

    // A null image for an identifier that is not one of the four.
    static QImage image(int resourceId);
    static QByteArray png(int resourceId);
};

} // namespace lumokit
