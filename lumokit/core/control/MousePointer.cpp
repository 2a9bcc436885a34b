#include "core/control/MousePointer.h"

#include <QPixmap>
#include <QWidget>

#include <array>

namespace lumokit {

std::optional<QCursor> cursorForMousePointer(short pointer, const Picture& icon) {
    // vbArrow (1) to vbSizeAll (15); the icon pointer (4) has no Qt shape.
    static constexpr std::array<Qt::CursorShape, 15> kStandard = {
        Qt::ArrowCursor,   Qt::CrossCursor,     Qt::IBeamCursor,   Qt::ArrowCursor,
        Qt::SizeAllCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor, Qt::SizeFDiagCursor,
        Qt::SizeHorCursor, Qt::UpArrowCursor,   Qt::WaitCursor,    Qt::ForbiddenCursor,
        Qt::BusyCursor,    Qt::WhatsThisCursor, Qt::SizeAllCursor};
    if (pointer >= 1 && pointer <= static_cast<short>(kStandard.size())) {
        return QCursor(kStandard[static_cast<std::size_t>(pointer - 1)]);
    }
    if (pointer == vbCustom && !icon.isNull()) {
        return QCursor(QPixmap::fromImage(icon.image()));
    }
    return std::nullopt;
}

void applyMousePointer(QWidget& window, short pointer, const Picture& icon) {
    if (const std::optional<QCursor> cursor = cursorForMousePointer(pointer, icon)) {
        window.setCursor(*cursor);
    } else {
        window.unsetCursor();
    }
}

} // namespace lumokit
