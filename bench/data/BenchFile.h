#pragma once

// The benchmark's company file and the floor it is measured against: the
// same statements stepped directly on SQLite, every column read.
#include <QString>
#include <QStringList>

struct sqlite3;

namespace bench {

// Adds a few dozen categories and `rows` entries (half income, half
// expense, random dates, descriptions and amounts) to a new company file,
// directly and in one transaction: the data layer is what is measured, not
// the filling.
bool fillCompanyFile(const QString& path, long rows);

// A plain SQLite connection on the file with the page cache and the
// durability setting the data layer's own connection has.
class RawConnection {
public:
    RawConnection(const QString& path, sqlite3* settingsFrom);
    ~RawConnection();
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;

    // Steps the statement to its end, reading every column of every row;
    // returns the number of rows, -1 on failure (reported on stderr).
    long stepAll(const QString& sql, const QStringList& textParameters = {});

private:
    sqlite3* m_db = nullptr;
};

} // namespace bench
