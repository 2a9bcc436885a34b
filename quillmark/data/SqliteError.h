#pragma once

// Turns an SQLite result code into the RuntimeError the screens show, with a
// description a user can act on.
#include <QString>

struct sqlite3;

namespace quillmark {

class SqliteError {
public:
    // deleting: the failed statement was a DELETE (a broken relation then means
    // other rows still depend on the deleted one).
    [[noreturn]] static void raise(sqlite3* db, int resultCode, bool deleting = false);
    static QString describe(sqlite3* db, int resultCode, bool deleting = false);
    // The description of a data file another program holds locked.
    static QString lockedFile(const QString& path);
};

} // namespace quillmark
