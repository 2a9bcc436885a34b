#pragma once

// The SQLite text of an INSERT, UPDATE or DELETE in the Jet dialect: values
// written into money fields are made money (ten-thousandths) and money is
// compared exactly in WHERE (see ExpressionTranslator). A statement of
// another shape is translated as written; the file's own checks then keep
// money in any other form out of it.
#include "quillmark/data/JetSql.h"

#include <QString>

struct sqlite3;

namespace quillmark {

class WriteSql {
public:
    static QString translate(sqlite3* db, const JetSql::Statement& statement);
};

} // namespace quillmark
