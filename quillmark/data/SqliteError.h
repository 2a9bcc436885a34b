#pragma once

// Turns an SQLite result code into the RuntimeError the screens show, with a
// description a user can act on.
#include <QString>

struct sqlite3;

namespace quillmark {

class SqliteError {
public:
    [[noreturn]] static void raise(sqlite3* db, int resultCode);
    static QString describe(sqlite3* db, int resultCode);
};

} // namespace quillmark
