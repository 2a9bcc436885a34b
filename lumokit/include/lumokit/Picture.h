#pragma once

// A picture property value (icon or bitmap). Copies share the image and the
// handle; Handle() is above 0 exactly when the picture holds an image.
// Header-only, so hosts that load the library at run time can use it too.
#include <lumokit/Types.h>

#include <QIcon>
#include <QImage>
#include <QMetaType>

#include <atomic>
#include <cstdint>
#include <memory>

namespace lumokit {

using OLE_HANDLE = std::int32_t;

class Picture {
public:
    // The picture types of the platform, with their numbers.
    enum Type : std::int16_t { None = 0, Bitmap = 1, Metafile = 2, Icon = 3, EnhMetafile = 4 };

    Picture() = default;

    static Picture fromImage(const QImage& image, Type type = Bitmap) {
        Picture picture;
        if (!image.isNull() && type != None) {
            picture.m_data = std::make_shared<const Data>(
                Data{nextHandle(), type, image.convertToFormat(QImage::Format_ARGB32)});
        }
        return picture;
    }

    // An icon is kept at one size: the given one, else the largest it offers.
    static Picture fromIcon(const QIcon& icon, QSize size = {}) {
        if (icon.isNull()) {
            return {};
        }
        if (!size.isValid()) {
            const QList<QSize> sizes = icon.availableSizes();
            size = sizes.isEmpty() ? QSize(32, 32) : sizes.last();
        }
        return fromImage(icon.pixmap(size).toImage(), Icon);
    }

    OLE_HANDLE Handle() const { return m_data ? m_data->handle : 0; }
    Type PictureType() const { return m_data ? m_data->type : None; }
    bool isNull() const { return !m_data; }
    QImage image() const { return m_data ? m_data->image : QImage(); }
    int width() const { return m_data ? m_data->image.width() : 0; }
    int height() const { return m_data ? m_data->image.height() : 0; }

    // Same picture object, or both empty.
    bool operator==(const Picture& other) const { return m_data == other.m_data; }

private:
    struct Data {
        OLE_HANDLE handle;
        Type type;
        QImage image;
    };

    static OLE_HANDLE nextHandle() {
        static std::atomic<OLE_HANDLE> counter{0};
        OLE_HANDLE handle = ++counter;
        if (handle <= 0) { // wrapped after two billion pictures
            counter = 1;
            handle = 1;
        }
        return handle;
    }

    std::shared_ptr<const Data> m_data;
};

} // namespace lumokit

Q_DECLARE_METATYPE(lumokit::Picture)
