#pragma once

// The data carried by an OLE drag from or onto a control: text, a picture,
// a list of files or data of a format number of the host's own. Hosts reach
// it through dispatch (Clear, GetData, GetFormat, SetData) in the drag
// events; Qt hosts may call the members directly. The data of a drag that
// arrives is read-only.
#include <lumokit/ComInterfaces.h>
#include <lumokit/ComPtr.h>

#include <QMimeData>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>
#include <set>

namespace lumokit {

class OleDataObject final : public IDispatch {
public:
    static constexpr GUID IID = makeGuid("{CECD389D-ECB6-4A2A-9CAB-AF04D84D7CB9}");

    // Clipboard format numbers of the host runtime.
    static constexpr int vbCFText = 1;
    static constexpr int vbCFBitmap = 2;
    static constexpr int vbCFDIB = 8;
    static constexpr int vbCFFiles = 15;

    // Member identifiers for dispatch.
    static constexpr DISPID DispidGetData = 1;
    static constexpr DISPID DispidGetFormat = 2;
    static constexpr DISPID DispidSetData = 3;
    static constexpr DISPID DispidClear = 4;

    // Empty and writable, for a drag the control starts.
    static ComPtr<OleDataObject> createForSource();
    // A read-only copy of the data of a drag that arrives.
    static ComPtr<OleDataObject> createForTarget(const QMimeData* data);

    void Clear();
    // Throws ComError when the format is not there.
    QVariant GetData(int format) const;
    bool GetFormat(int format) const;
    // Without a value the format is only promised: the source fills it in
    // when a target asks (OLESetData). Without a format the value's type
    // chooses one: text, picture or file list.
    void SetData(const QVariant& value = {}, const QVariant& format = {});

    bool isEmpty() const;
    bool isReadOnly() const { return m_readOnly; }
    // The data for a Qt drag. Promised formats are asked of fillPromised
    // (format number) when a target reads them.
    QMimeData* createMimeData(std::function<void(int format)> fillPromised);

    HRESULT QueryInterface(const GUID& iid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT GetIDsOfNames(const QString& name, DISPID* dispid) override;
    HRESULT Invoke(DISPID dispid, std::uint16_t flags, QVariantList& args, QVariant* result,
                   ExcepInfo* excepInfo) override;

    // The media type that stands for a format number.
    static QString mimeTypeOf(int format);

private:
    OleDataObject();
    ~OleDataObject();

    void checkWritable() const;
    QVariant invokeMember(DISPID dispid, QVariantList& args);
    friend class PromisingMimeData;

    std::atomic<ULONG> m_refs{0};
    std::unique_ptr<QMimeData> m_data;
    std::set<int> m_promised;
    bool m_readOnly = false;
};

} // namespace lumokit
