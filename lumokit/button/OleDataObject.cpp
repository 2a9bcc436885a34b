#include "button/OleDataObject.h"

#include "core/com/ServerModule.h"

#include <lumokit/ComError.h>
#include <lumokit/Picture.h>

#include <QImage>
#include <QPointer>
#include <QUrl>

namespace lumokit {

namespace {

constexpr HRESULT DV_E_FORMATETC = static_cast<HRESULT>(0x80040064u);
constexpr HRESULT E_ACCESSDENIED = static_cast<HRESULT>(0x80070005u);

QString source() {
    return QStringLiteral("DataObject");
}

bool isPictureFormat(int format) {
    return format == OleDataObject::vbCFBitmap || format == OleDataObject::vbCFDIB;
}

std::optional<int> formatNumber(const QVariant& value) {
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok ? std::optional<int>(number) : std::nullopt;
}

std::optional<int> formatOfValue(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<Picture>() ||
        value.metaType() == QMetaType::fromType<QImage>()) {
        return OleDataObject::vbCFBitmap;
    }
    if (value.metaType() == QMetaType::fromType<QStringList>()) {
        return OleDataObject::vbCFFiles;
    }
    if (value.canConvert<QString>()) {
        return OleDataObject::vbCFText;
    }
    return std::nullopt;
}

} // namespace

// The data of a drag the control starts: formats that were only promised
// are filled in by the control's host when a target reads them.
class PromisingMimeData : public QMimeData {
public:
    PromisingMimeData(ComPtr<OleDataObject> data, std::function<void(int)> fillPromised)
        : m_object(std::move(data)), m_fill(std::move(fillPromised)) {}

    QStringList formats() const override {
        QStringList all = m_object->m_data->formats();
        for (int format : m_object->m_promised) {
            for (const QString& type : typesOf(format)) {
                if (!all.contains(type)) {
                    all.append(type);
                }
            }
        }
        return all;
    }
    bool hasFormat(const QString& mimeType) const override { return formats().contains(mimeType); }

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType) const override {
        for (int format : std::set<int>(m_object->m_promised)) {
            if (typesOf(format).contains(mimeType) && m_fill) {
                m_object->m_promised.erase(format);
                m_fill(format);
            }
        }
        const QMimeData& data = *m_object->m_data;
        if (mimeType == QLatin1String("application/x-qt-image")) {
            return data.hasImage() ? data.imageData() : QVariant();
        }
        return data.hasFormat(mimeType) ? QVariant(data.data(mimeType)) : QVariant();
    }

private:
    static QStringList typesOf(int format) {
        if (isPictureFormat(format)) {
            return {QStringLiteral("application/x-qt-image")};
        }
        return {OleDataObject::mimeTypeOf(format)};
    }

    ComPtr<OleDataObject> m_object;
    std::function<void(int)> m_fill;
};

OleDataObject::OleDataObject() : m_data(std::make_unique<QMimeData>()) {
    ServerModule::objectCreated();
}

OleDataObject::~OleDataObject() {
    ServerModule::objectDestroyed();
}

ComPtr<OleDataObject> OleDataObject::createForSource() {
    return ComPtr<OleDataObject>(new OleDataObject());
}

ComPtr<OleDataObject> OleDataObject::createForTarget(const QMimeData* data) {
    ComPtr<OleDataObject> object(new OleDataObject());
    if (data) {
        for (const QString& type : data->formats()) {
            object->m_data->setData(type, data->data(type));
        }
        if (data->hasImage()) {
            object->m_data->setImageData(data->imageData());
        }
    }
    object->m_readOnly = true;
    return object;
}

QString OleDataObject::mimeTypeOf(int format) {
    switch (format) {
    case vbCFText:
        return QStringLiteral("text/plain");
    case vbCFFiles:
        return QStringLiteral("text/uri-list");
    case vbCFBitmap:
    case vbCFDIB:
        return QStringLiteral("application/x-qt-image");
    default:
        return QStringLiteral("application/x-lumokit-format-%1").arg(format);
    }
}

void OleDataObject::checkWritable() const {
    if (m_readOnly) {
        throw ComError(E_ACCESSDENIED, source(),
                       QStringLiteral("The data of a drag that arrives cannot be changed"));
    }
}

void OleDataObject::Clear() {
    checkWritable();
    m_data = std::make_unique<QMimeData>();
    m_promised.clear();
}

bool OleDataObject::GetFormat(int format) const {
    if (isPictureFormat(format)) {
        return m_data->hasImage();
    }
    return m_data->hasFormat(mimeTypeOf(format));
}

QVariant OleDataObject::GetData(int format) const {
    if (!GetFormat(format)) {
        throw ComError(DV_E_FORMATETC, source(),
                       QStringLiteral("Specified format doesn't match format of data"));
    }
    switch (format) {
    case vbCFText:
        return m_data->text();
    case vbCFBitmap:
    case vbCFDIB:
        return QVariant::fromValue(Picture::fromImage(m_data->imageData().value<QImage>()));
    case vbCFFiles: {
        QStringList files;
        for (const QUrl& url : m_data->urls()) {
            files.append(url.isLocalFile() ? url.toLocalFile() : url.toString());
        }
        return files;
    }
    default:
        return m_data->data(mimeTypeOf(format));
    }
}

void OleDataObject::SetData(const QVariant& value, const QVariant& format) {
    checkWritable();
    std::optional<int> number = format.isValid() ? formatNumber(format) : formatOfValue(value);
    if (!number) {
        throw ComError(DISP_E_TYPEMISMATCH, source(),
                       QStringLiteral("Specified format doesn't match format of data"));
    }
    if (!value.isValid()) {
        m_promised.insert(*number);
        return;
    }
    switch (*number) {
    case vbCFText:
        m_data->setText(value.toString());
        break;
    case vbCFBitmap:
    case vbCFDIB:
        m_data->setImageData(value.metaType() == QMetaType::fromType<Picture>()
                                 ? value.value<Picture>().image()
                                 : value.value<QImage>());
        break;
    case vbCFFiles: {
        QList<QUrl> urls;
        for (const QString& file : value.toStringList()) {
            urls.append(QUrl::fromLocalFile(file));
        }
        m_data->setUrls(urls);
        break;
    }
    default:
        m_data->setData(mimeTypeOf(*number), value.metaType() == QMetaType::fromType<QByteArray>()
                                                 ? value.toByteArray()
                                                 : value.toString().toUtf8());
        break;
    }
    m_promised.erase(*number);
}

bool OleDataObject::isEmpty() const {
    return m_data->formats().isEmpty() && !m_data->hasImage() && m_promised.empty();
}

QMimeData* OleDataObject::createMimeData(std::function<void(int format)> fillPromised) {
    return new PromisingMimeData(ComPtr<OleDataObject>(this), std::move(fillPromised));
}

HRESULT OleDataObject::QueryInterface(const GUID& iid, void** object) {
    if (!object) {
        return E_POINTER;
    }
    if (iid == IUnknown::IID || iid == IDispatch::IID || iid == IID) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG OleDataObject::AddRef() {
    return ++m_refs;
}

ULONG OleDataObject::Release() {
    const ULONG remaining = --m_refs;
    if (remaining == 0) {
        delete this;
    }
    return remaining;
}

HRESULT OleDataObject::GetIDsOfNames(const QString& name, DISPID* dispid) {
    if (!dispid) {
        return E_POINTER;
    }
    static const std::pair<const char*, DISPID> members[] = {{"GetData", DispidGetData},
                                                             {"GetFormat", DispidGetFormat},
                                                             {"SetData", DispidSetData},
                                                             {"Clear", DispidClear}};
    for (const auto& [memberName, id] : members) {
        if (name.compare(QLatin1String(memberName), Qt::CaseInsensitive) == 0) {
            *dispid = id;
            return S_OK;
        }
    }
    *dispid = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
}

QVariant OleDataObject::invokeMember(DISPID dispid, QVariantList& args) {
    const auto requireCount = [&](qsizetype low, qsizetype high) {
        if (args.size() < low || args.size() > high) {
            throw ComError(DISP_E_BADPARAMCOUNT, source(),
                           QStringLiteral("Wrong number of arguments or invalid property "
                                          "assignment"));
        }
    };
    const auto formatArgument = [&](qsizetype index) {
        const std::optional<int> number = formatNumber(args[index]);
        if (!number) {
            throw ComError(DISP_E_TYPEMISMATCH, source(), QStringLiteral("Type mismatch"));
        }
        return *number;
    };
    switch (dispid) {
    case DispidGetData:
        requireCount(1, 1);
        return GetData(formatArgument(0));
    case DispidGetFormat:
        requireCount(1, 1);
        return GetFormat(formatArgument(0));
    case DispidSetData:
        requireCount(0, 2);
        SetData(args.value(0), args.value(1));
        return {};
    case DispidClear:
        requireCount(0, 0);
        Clear();
        return {};
    default:
        throw ComError(DISP_E_MEMBERNOTFOUND, source(),
                       QStringLiteral("Object doesn't support this property or method"));
    }
}

HRESULT OleDataObject::Invoke(DISPID dispid, std::uint16_t flags, QVariantList& args,
                              QVariant* result, ExcepInfo* excepInfo) {
    if ((flags & DISPATCH_METHOD) == 0 &&
        !((flags & DISPATCH_PROPERTYGET) &&
          (dispid == DispidGetData || dispid == DispidGetFormat))) {
        return DISP_E_MEMBERNOTFOUND;
    }
    const ComPtr<OleDataObject> keepAlive(this);
    try {
        QVariant value = invokeMember(dispid, args);
        if (result) {
            *result = std::move(value);
        }
        return S_OK;
    } catch (const ComError& error) {
        if (excepInfo) {
            excepInfo->scode = error.hresult();
            excepInfo->source = error.source();
            excepInfo->description = error.description();
        }
        return error.hresult();
    }
}

} // namespace lumokit
