#include "BenchCompanyFile.h"

#include "quillmark/data/DataFile.h"
#include "quillmark/data/RuntimeError.h"

#include <QDate>

#include <cstdio>
#include <random>

#include <sqlite3.h>

namespace {

constexpr int ExtraCategories = 24;

bool check(int rc, sqlite3* db) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
        std::fprintf(stderr, "sqlite: %s\n", sqlite3_errmsg(db));
        return false;
    }
    return true;
}

bool fill(const QString& path, long rows) {
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

} // namespace

bool buildBenchCompanyFile(const QString& path, long rows) {
    try {
        quillmark::DataFile::createCompanyFile(path, false);
    } catch (const quillmark::RuntimeError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.description()));
        return false;
    }
    return fill(path, rows);
}
