// The toolbar's keys in its container's property bag, read from a bag made
// of the input (JSON, or "Key=value" lines for the keys the toolbar stores,
// which reach the per-button and per-item keys, the old concatenated item
// keys included, far more often than JSON would). What a toolbar reads it
// writes; a second toolbar reading that writes the same bag again. The
// toolbar is then drawn once with what it read.
#include "FuzzSupport.h"

#include "toolbar/lumoadvToolbar.h"

#include <lumokit/PropertyBag.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

using lumokit::PropertyBag;

namespace {

// "Name=value" per line: a number is stored as a 16-bit integer when it fits
// (the counts are), else as a long; "#" + hex as a colour; "true"/"false";
// anything else as text.
PropertyBag bagOfLines(const QString& input) {
    PropertyBag bag;
    for (const QString& line : input.split(u'\n')) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0) {
            continue;
        }
        const QString name = line.left(equals);
        const QString text = line.mid(equals + 1);
        bool ok = false;
        const int number = text.toInt(&ok);
        if (ok && number == short(number)) {
            bag.WriteProperty(name, QVariant::fromValue(short(number)));
        } else if (ok) {
            bag.WriteProperty(name, number);
        } else if (text.startsWith(u'#')) {
            bag.WriteProperty(
                name, QVariant::fromValue(lumokit::OLE_COLOR(text.mid(1).toUInt(nullptr, 16))));
        } else if (text == QLatin1String("true") || text == QLatin1String("false")) {
            bag.WriteProperty(name, text == QLatin1String("true"));
        } else {
            bag.WriteProperty(name, text);
        }
    }
    return bag;
}

// Two toolbars made once (making one draws it many times over): reading a
// bag sets every key the toolbar stores, so nothing of an earlier input stays.
lumokit::lumoadvToolbar& toolbarFrom(int which, const PropertyBag& bag) {
    static lumokit::lumoadvToolbar* toolbars[2] = {};
    if (!toolbars[which]) {
        toolbars[which] = new lumokit::lumoadvToolbar();
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(11);
        toolbars[which]->setControlFont(font);
        toolbars[which]->resize(300, 24);
    }
    toolbars[which]->readFrom(bag);
    return *toolbars[which];
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::startApplication<QApplication>(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input = fuzz::bytes(data, size);
    const PropertyBag bag = input.trimmed().startsWith('{') || input.trimmed().startsWith('[')
                                ? PropertyBag::fromJson(input)
                                : bagOfLines(QString::fromUtf8(input));
    lumokit::lumoadvToolbar& toolbar = toolbarFrom(0, bag);
    PropertyBag written;
    toolbar.writeTo(written);

    lumokit::lumoadvToolbar& copy = toolbarFrom(1, written);
    PropertyBag again;
    copy.writeTo(again);
    fuzz::check(again.toJson() == written.toJson(), "a toolbar writes back what it read",
                QString::fromUtf8(written.toJson(QJsonDocument::Compact)));
    fuzz::check(copy.ButtonCount() == toolbar.ButtonCount(),
                "a toolbar keeps its buttons through the bag");

    QImage image(toolbar.size(), QImage::Format_ARGB32);
    QPainter painter(&image);
    toolbar.render(&painter);
    return 0;
}
