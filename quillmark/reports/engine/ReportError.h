#pragma once

// A report that cannot be laid out or written: a broken layout, a field the
// rows do not have, a file that cannot be written. The description is meant
// for the user.
#include <QString>

#include <stdexcept>

namespace quillmark::report {

class ReportError : public std::runtime_error {
public:
    explicit ReportError(const QString& description)
        : std::runtime_error(description.toStdString()), m_description(description) {}

    QString description() const { return m_description; }

private:
    QString m_description;
};

} // namespace quillmark::report
