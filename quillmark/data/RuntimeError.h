#pragma once

// The program-wide run-time error: every failure of the data layer (and any
// other routine of the program) raises it, and the screens' error traps show
// its description to the user.
#include <QString>

#include <exception>
#include <string>

namespace quillmark {

// Error numbers the data layer raises; the screens show descriptions, these
// numbers only let callers tell kinds of failure apart.
enum ErrorNumber : long {
    errProvider = -2147467259,         // failure reported by the database itself (E_FAIL)
    errObjectOpen = 3705,              // operation not allowed while the object is open
    errObjectClosed = 3704,            // operation not allowed while the object is closed
    errNoCurrentRecord = 3021,         // BOF or EOF, or the current row was deleted
    errItemNotFound = 3265,            // no field or command of that name
    errInvalidArgument = 3001,         // argument of the wrong type, out of range or conflicting
    errNotSupported = 3251,            // the record set does not support the operation
    errRowVanished = -2147217864,      // the row to update no longer exists
    errTypeMismatch = -2147217913,     // a value cannot be converted to the field's type
    errSyntax = -2147217900,           // a statement the dialect refuses
    errMissingParameter = -2147217904, // too few parameter values
    errFileNotFound = -2147467260,     // the data file does not exist
    errNotADataFile = -2147467261,     // the file is not one of the program's data files
    errFileExists = 58,                // refusing to overwrite an existing file
    errFileLocked = 3045,              // another program holds the data file locked
    errConstraint = -2147217873,       // a rule of the data file refused a change
    errOverflow = 6,                   // a number too large for its field or type
};

class RuntimeError : public std::exception {
public:
    RuntimeError(long number, QString description,
                 QString source = QStringLiteral("Quillmark Data"))
        : m_number(number), m_description(std::move(description)), m_source(std::move(source)),
          m_what(m_description.toStdString()) {}

    long number() const noexcept { return m_number; }
    QString description() const { return m_description; }
    QString source() const { return m_source; }
    const char* what() const noexcept override { return m_what.c_str(); }

private:
    long m_number;
    QString m_description;
    QString m_source;
    std::string m_what;
};

} // namespace quillmark
