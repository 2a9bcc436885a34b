#pragma once

// Shared by the toolbar tests: items to add, small pictures and a fixed font.
#include "lumokit/LumoKitTestSupport.h"
#include "toolbar/ToolbarModel.h"

#include <QFont>
#include <QImage>
#include <QStringList>

#include <ostream>

// Readable texts in test failure output.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace tbtest {

using namespace lumokit;
using namespace lumokittest;

inline QFont fixedFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    return font;
}

inline Picture solidIcon(QColor color, int size = 16) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(color);
    return Picture::fromImage(image, Picture::Icon);
}

inline ToolbarModel::NewButton newButton(const QString& caption, sStyle style = sStyle::sNormal) {
    ToolbarModel::NewButton item;
    item.caption = caption;
    item.style = style;
    return item;
}

inline ToolbarModel::NewMenuItem newItem(const QString& caption, sStyle style = sStyle::sNormal) {
    ToolbarModel::NewMenuItem item;
    item.caption = caption;
    item.style = style;
    return item;
}

} // namespace tbtest
