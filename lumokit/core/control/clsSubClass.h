#pragma once

// Replaces the window procedure of windows so that the owner sees every
// message first (NewMessage), may change or swallow it, and the rest goes on
// to the procedure that was there before. One object may subclass several
// windows; a window can be subclassed by one object at a time.
#include "core/platform/Win32Types.h"

#include <lumokit/EventSource.h>

#include <QObject>

#include <vector>

namespace lumokit {

class clsSubClass : public QObject, public EventSource {
    Q_OBJECT
public:
    static constexpr DISPID NewMessageEventId = 1;

    explicit clsSubClass(QObject* parent = nullptr);
    ~clsSubClass() override;

    // True when the window was subclassed (bSubClass true) or its procedure
    // was put back (false); every failure is reported as false only.
    bool SubClassHwnd(HWND hwnd, bool bSubClass);

    // Library-private: raises NewMessage and passes the message on unless
    // the handler cancelled it.
    LRESULT ForwardMessage(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

    // The windows this object holds, as stored: below 1 marks a free slot.
    const std::vector<HWND>& windowEntries() const { return m_windows; }

signals:
    // Handlers run directly on the window's thread and may change the
    // referenced values; setting Cancel swallows the message.
    void NewMessage(lumokit::HWND hwnd, lumokit::UINT& uMsg, lumokit::WPARAM& wParam,
                    lumokit::LPARAM& lParam, bool& Cancel);

private:
    int FindWindowEntry(HWND hwnd) const;
    int FindFreeEntry() const;
    void AddWindowEntry(HWND hwnd);
    void RemoveWindowEntry(HWND hwnd);

    std::vector<HWND> m_windows; // index i holds list entry i + 1
};

// The window procedure every subclassed window shares.
LRESULT SubclassWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

} // namespace lumokit
