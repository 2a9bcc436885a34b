#pragma once

// Every LumoKit object that raises events raises them here as well as through
// its Qt signals: the component layer installs a sink that forwards each event
// by its number (1..n in declaration order) to the host's dispatch sinks.
// Arguments are passed by reference: a handler may change them and the raiser
// reads them back (Cancel flags, KeyAscii, changed message numbers).
#include <lumokit/Export.h>
#include <lumokit/Types.h>

#include <QVariantList>

#include <functional>
#include <utility>

namespace lumokit {

using EventSink = std::function<void(DISPID eventId, QVariantList& args)>;

class LUMOKIT_EXPORT EventSource {
public:
    virtual ~EventSource() = default;

    void setEventSink(EventSink sink) { m_sink = std::move(sink); }
    bool hasEventSink() const { return static_cast<bool>(m_sink); }

protected:
    // Forwards to the installed sink, if any; args may come back changed.
    void raiseToSink(DISPID eventId, QVariantList& args) const {
        if (m_sink) {
            m_sink(eventId, args);
        }
    }

private:
    EventSink m_sink;
};

} // namespace lumokit
