#include "BenchFile.h"

#include <QDate>

#include <cstdio>
#include <random>

#include <sqlite3.h>

namespace bench {

namespace {

constexpr int ExtraCategories = 24;

bool check(int rc, sqlite3* db) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
        std::fprintf(stderr, "sqlite: %s\n", sqlite3_errmsg(db));
        return false;
    }
    return true;
}

QByteArray pragmaValue(sqlite3* db, const char* pragma) {
    sqlite3_stmt* statement = nullptr;
    QByteArray value;
    if (sqlite3_prepare_v2(db, pragma, -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
        value = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    }
    sqlite3_finalize(statement);
    return value;
}

} // namespace

bool fillCompanyFile(const QString& path, long rows) {
    sqlite3* db = nullptr;
    if (!check(sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr),
               db)) {
        return false;
    }
    sqlite3_exec(db, "PRAGMA synchronous = OFF; BEGIN", nullptr, nullptr, nullptr);
    for (int i = 0; i < ExtraCategories; ++i) {
        const QByteArray sql = QStringLiteral("INSERT INTO Categories (CatCode, CatName, CatType, "
                                              "Fixed) VALUES (%1, 'Category %2', '%3', 0)")
                                   .arg(200 + i)
                                   .arg(i)
                                   .arg(i % 2 ? QStringLiteral("EXP") : QStringLiteral("INC"))
                                   .toUtf8();
        sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr);
    }
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO Transactions (CategoryID, CatType, TDate, Description, Debit, "
                       "Credit) VALUES (?1, ?2, ?3, ?4, ?5, ?6)",
                       -1, &insert, nullptr);
    std::mt19937 random(20260101);
    const char* const words[] = {"office", "paper",  "client", "invoice", "coffee", "train",
                                 "rent",   "repair", "phone",  "laptop",  "stamps", "hosting",
                                 "design", "lunch",  "fuel",   "parking", "bank",   "license"};
    std::uniform_int_distribution<int> word(0, 17);
    std::uniform_int_distribution<int> day(0, 365 * 10);
    std::uniform_int_distribution<int> cents(1, 500000);
    std::uniform_int_distribution<int> category(0, 9);
    const QDate first(2016, 1, 1);
    for (long i = 0; i < rows; ++i) {
        const bool income = i % 2 == 0;
        // Standard categories: 1..5 income, 6..20 expense; extra ones follow.
        const int categoryId = income ? 1 + category(random) % 5 : 6 + category(random);
        const QByteArray date = (first.addDays(day(random)).toString(QStringLiteral("yyyy-MM-dd")) +
                                 QStringLiteral(" %1:%2:00")
                                     .arg(i % 24, 2, 10, QLatin1Char('0'))
                                     .arg(i % 60, 2, 10, QLatin1Char('0')))
                                    .toUtf8();
        const QByteArray description = QStringLiteral("%1 %2 %3")
                                           .arg(QString::fromLatin1(words[word(random)]),
                                                QString::fromLatin1(words[word(random)]))
                                           .arg(i)
                                           .toUtf8();
        // Money is kept in ten-thousandths.
        const qint64 amount = cents(random) * qint64(100);
        sqlite3_bind_int(insert, 1, categoryId);
        sqlite3_bind_text(insert, 2, income ? "INC" : "EXP", 3, SQLITE_STATIC);
        sqlite3_bind_text(insert, 3, date.constData(), static_cast<int>(date.size()),
                          SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 4, description.constData(), static_cast<int>(description.size()),
                          SQLITE_TRANSIENT);
        sqlite3_bind_int64(insert, 5, income ? 0 : amount);
        sqlite3_bind_int64(insert, 6, income ? amount : 0);
        if (!check(sqlite3_step(insert), db)) {
            return false;
        }
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return true;
}

RawConnection::RawConnection(const QString& path, sqlite3* settingsFrom) {
    sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                    nullptr);
    for (const char* pragma : {"PRAGMA cache_size", "PRAGMA synchronous", "PRAGMA mmap_size"}) {
        const QByteArray value = pragmaValue(settingsFrom, pragma);
        const QByteArray set = QByteArray(pragma) + " = " + value;
        sqlite3_exec(m_db, set.constData(), nullptr, nullptr, nullptr);
    }
}

RawConnection::~RawConnection() {
    sqlite3_close(m_db);
}

long RawConnection::stepAll(const QString& sql, const QStringList& textParameters) {
    sqlite3_stmt* statement = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (!check(sqlite3_prepare_v2(m_db, utf8.constData(), static_cast<int>(utf8.size()), &statement,
                                  nullptr),
               m_db)) {
        return -1;
    }
    for (int i = 0; i < textParameters.size(); ++i) {
        sqlite3_bind_text(statement, i + 1, textParameters.at(i).toUtf8().constData(), -1,
                          SQLITE_TRANSIENT);
    }
    long rows = 0;
    const int columns = sqlite3_column_count(statement);
    // What a reader of the values needs: each column in its stored form.
    qint64 checksum = 0;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            switch (sqlite3_column_type(statement, c)) {
            case SQLITE_INTEGER:
                checksum += sqlite3_column_int64(statement, c);
                break;
            case SQLITE_FLOAT:
                checksum += static_cast<qint64>(sqlite3_column_double(statement, c));
                break;
            case SQLITE_TEXT:
                checksum +=
                    sqlite3_column_bytes(statement, c) + sqlite3_column_text(statement, c)[0];
                break;
            default:
                break;
            }
        }
        ++rows;
    }
    sqlite3_finalize(statement);
    if (!check(rc, m_db)) {
        return -1;
    }
    // Keeps the reads from being optimised away.
    static volatile qint64 sink = 0;
    sink = sink + checksum;
    return rows;
}

} // namespace bench
