#include "quillmark/data/SqliteError.h"

#include "quillmark/data/RuntimeError.h"

#include <QRegularExpression>

#include <sqlite3.h>

namespace quillmark {

namespace {

QString engineMessage(sqlite3* db, int resultCode) {
    if (db) {
        return QString::fromUtf8(sqlite3_errmsg(db));
    }
    return QString::fromUtf8(sqlite3_errstr(resultCode));
}

QString afterColon(const QString& message) {
    const qsizetype colon = message.indexOf(u':');
    return colon < 0 ? message : message.mid(colon + 1).trimmed();
}

long numberFor(int primary) {
    switch (primary) {
    case SQLITE_CONSTRAINT:
        return errConstraint;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return errNotADataFile;
    case SQLITE_TOOBIG:
    case SQLITE_RANGE:
        return errOverflow;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return errFileLocked;
    case SQLITE_ERROR:
        return errSyntax;
    default:
        return errProvider;
    }
}

} // namespace

QString SqliteError::describe(sqlite3* db, int resultCode, bool deleting) {
    const int extended = db ? sqlite3_extended_errcode(db) : resultCode;
    const QString message = engineMessage(db, resultCode);
    switch (extended) {
    case SQLITE_CONSTRAINT_FOREIGNKEY:
        return deleting ? QStringLiteral("The record cannot be deleted because other records "
                                         "still refer to it (for instance a category that "
                                         "transactions still use).")
                        : QStringLiteral("The record refers to a related record that does not "
                                         "exist (for instance a category that is not in the "
                                         "data file).");
    case SQLITE_CONSTRAINT_NOTNULL:
        return QStringLiteral("The field '%1' cannot be empty.").arg(afterColon(message));
    case SQLITE_CONSTRAINT_UNIQUE:
    case SQLITE_CONSTRAINT_PRIMARYKEY:
        return QStringLiteral("The change would create a duplicate value in '%1', which must be "
                              "unique.")
            .arg(afterColon(message));
    case SQLITE_CONSTRAINT_CHECK:
        return QStringLiteral("A value is outside what the field allows (%1).").arg(message);
    default:
        break;
    }
    switch (resultCode & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("The data file is in use by another program; try again later.");
    case SQLITE_READONLY:
        return QStringLiteral("The data file cannot be changed: it is read-only.");
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return QStringLiteral("The data file is damaged or is not a Quillmark data file (%1).")
            .arg(message);
    case SQLITE_FULL:
        return QStringLiteral("The disk is full; the change could not be written.");
    case SQLITE_IOERR:
        return QStringLiteral("The data file could not be read or written (%1).").arg(message);
    case SQLITE_CANTOPEN:
        return QStringLiteral("The data file could not be opened (%1).").arg(message);
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return QStringLiteral("Access to the data file was denied.");
    case SQLITE_ERROR: {
        static const QRegularExpression noTable(QStringLiteral("^no such table: (.*)$"));
        static const QRegularExpression noColumn(QStringLiteral("^no such column: (.*)$"));
        if (const auto m = noTable.match(message); m.hasMatch()) {
            return QStringLiteral("The table or query '%1' does not exist in the data file.")
                .arg(m.captured(1));
        }
        if (message == QLatin1String("integer overflow")) {
            return QStringLiteral("A sum or result of the statement is too large for a money "
                                  "value.");
        }
        if (const auto m = noColumn.match(message); m.hasMatch()) {
            return QStringLiteral("The statement names a field that does not exist: '%1'.")
                .arg(m.captured(1));
        }
        return QStringLiteral("The statement could not be run: %1.").arg(message);
    }
    default:
        return message;
    }
}

QString SqliteError::lockedFile(const QString& path) {
    return QStringLiteral("The data file '%1' is locked by another program. Close it there, or "
                          "wait until that program has finished, and try again.")
        .arg(path);
}

void SqliteError::raise(sqlite3* db, int resultCode, bool deleting) {
    // SQLite reports sums beyond 64 bits as a plain error.
    const bool overflow = db && (resultCode & 0xff) == SQLITE_ERROR &&
                          qstrcmp(sqlite3_errmsg(db), "integer overflow") == 0;
    throw RuntimeError(overflow ? errOverflow : numberFor(resultCode & 0xff),
                       describe(db, resultCode, deleting));
}

} // namespace quillmark
