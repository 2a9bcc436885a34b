#pragma once

// A run-time error raised by a member of the library: the HRESULT travels to
// the caller together with a source and a description (what an error
// information object would carry).
#include <lumokit/Export.h>
#include <lumokit/Types.h>

#include <QString>

#include <exception>
#include <string>

namespace lumokit {

class LUMOKIT_EXPORT ComError : public std::exception {
public:
    ComError(HRESULT hr, QString source, QString description)
        : m_hr(hr), m_source(std::move(source)), m_description(std::move(description)),
          m_what(m_description.toStdString()) {}

    HRESULT hresult() const noexcept { return m_hr; }
    const QString& source() const noexcept { return m_source; }
    const QString& description() const noexcept { return m_description; }
    const char* what() const noexcept override { return m_what.c_str(); }

private:
    HRESULT m_hr;
    QString m_source;
    QString m_description;
    std::string m_what;
};

} // namespace lumokit
