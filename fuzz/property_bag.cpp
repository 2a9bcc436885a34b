// The property bag's JSON reader on arbitrary bytes. What it reads it must
// write back equal: the written document reads as the same entries, writing
// those again gives the same document, and a bag filled through
// WriteProperty with the values read writes the same document too. Reading
// each key as every kind of default must not fail either.
#include "FuzzSupport.h"

#include <lumokit/PropertyBag.h>

#include <QFont>
#include <QGuiApplication>

using lumokit::PropertyBag;

namespace {

bool sameEntry(const QVariant& a, const QVariant& b, PropertyBag::Kind kind) {
    if (kind == PropertyBag::Kind::Picture) {
        const auto pa = a.value<lumokit::Picture>();
        const auto pb = b.value<lumokit::Picture>();
        return pa.PictureType() == pb.PictureType() && pa.image() == pb.image();
    }
    return a == b;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::startApplication<QGuiApplication>(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QString message;
    const PropertyBag bag = PropertyBag::fromJson(fuzz::bytes(data, size), &message);
    const QByteArray written = bag.toJson(QJsonDocument::Compact);

    QString againMessage;
    const PropertyBag again = PropertyBag::fromJson(written, &againMessage);
    fuzz::check(againMessage.isEmpty(), "a written bag reads without a message", againMessage);
    fuzz::check(again.toJson(QJsonDocument::Compact) == written, "a bag writes back as read",
                QString::fromUtf8(written));

    PropertyBag rebuilt;
    for (const QString& key : bag.keys()) {
        const QVariant value = bag.ReadProperty(key);
        const auto kind = bag.kind(key);
        fuzz::check(kind.has_value(), "every key has a kind", key);
        if (!value.isValid()) {
            fuzz::check(!again.contains(key), "an unusable entry is not written", key);
            continue;
        }
        fuzz::check(again.kind(key) == kind, "a written entry keeps its kind", key);
        fuzz::check(sameEntry(again.ReadProperty(key), value, *kind),
                    "a written entry keeps its value", key);
        fuzz::check(rebuilt.WriteProperty(key, value), "a value read can be written", key);
        for (const QVariant& defaultValue :
             {QVariant(int(7)), QVariant::fromValue(short(-3)), QVariant(true),
              QVariant(QStringLiteral("x")), QVariant::fromValue(lumokit::OLE_COLOR(0x8000000F)),
              QVariant::fromValue(QFont()), QVariant::fromValue(lumokit::StdFont())}) {
            const QVariant read = bag.ReadProperty(key, defaultValue);
            fuzz::check(read.metaType() == defaultValue.metaType(),
                        "a value comes back in its default's type", key);
        }
    }
    fuzz::check(rebuilt.toJson(QJsonDocument::Compact) == written,
                "a bag filled with the values read writes the same document",
                QString::fromUtf8(written));
    return 0;
}
