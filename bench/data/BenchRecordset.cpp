// bench_recordset [ROWS] [FILE]
// Builds a company file with ROWS entries (default 1,000,000; half income,
// half expense, a few dozen categories, random descriptions) and times what a
// transaction screen does with it: open cmdTransactions "INC", count, seek to
// the middle row, sort by description, plus filter and requery. Prints each
// figure and the peak memory of the process.
#include "quillmark/data/DataFile.h"
#include "quillmark/data/RuntimeError.h"
#include "quillmark/data/deQuillmark.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <random>

#include <sqlite3.h>

namespace {

using quillmark::deQuillmark;

constexpr int ExtraCategories = 24;

QString peakMemory() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:")) {
                return QString::fromLatin1(line.mid(6).trimmed());
            }
        }
    }
    return QStringLiteral("unknown");
}

bool check(int rc, sqlite3* db) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
        std::fprintf(stderr, "sqlite: %s\n", sqlite3_errmsg(db));
        return false;
    }
    return true;
}

// Fills the file directly, in one transaction: the data layer is what is
// measured, not the filling.
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
        const double amount = cents(random) / 100.0;
        sqlite3_bind_int(insert, 1, categoryId);
        sqlite3_bind_text(insert, 2, income ? "INC" : "EXP", 3, SQLITE_STATIC);
        sqlite3_bind_text(insert, 3, date.constData(), static_cast<int>(date.size()),
                          SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 4, description.constData(), static_cast<int>(description.size()),
                          SQLITE_TRANSIENT);
        sqlite3_bind_double(insert, 5, income ? 0.0 : amount);
        sqlite3_bind_double(insert, 6, income ? amount : 0.0);
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

template <typename Step> double timed(const char* label, Step step) {
    QElapsedTimer timer;
    timer.start();
    const QString detail = step();
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    std::printf("%-40s %10.1f ms  %s\n", label, ms, qPrintable(detail));
    return ms;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    bool rowsOk = true;
    const long rows = argc > 1 ? QString::fromLocal8Bit(argv[1]).toLong(&rowsOk) : 1000000;
    if (!rowsOk || rows < 1) {
        std::fprintf(stderr, "usage: bench_recordset [ENTRIES (default 1000000)] [FILE]\n");
        return 2;
    }
    QTemporaryDir dir;
    const QString path =
        argc > 2 ? QString::fromLocal8Bit(argv[2]) : dir.filePath(QStringLiteral("bench.dat"));
    try {
        if (!QFile::exists(path)) {
            std::printf("Building %s with %ld entries...\n", qPrintable(path), rows);
            quillmark::DataFile::createCompanyFile(path, false);
            if (!fill(path, rows)) {
                return 1;
            }
        }
        std::printf("Peak memory after building: %s\n", qPrintable(peakMemory()));
        deQuillmark& de = deQuillmark::instance();
        de.connSys().Open(quillmark::DataFile::connectionStringFor(path));
        quillmark::Recordset* rs = nullptr;
        timed("open cmdTransactions \"INC\"", [&] {
            rs = &de.cmdTransactions(QStringLiteral("INC"));
            return QString();
        });
        long count = 0;
        timed("RecordCount", [&] {
            count = rs->RecordCount();
            return QString::number(count);
        });
        timed("seek to the middle row", [&] {
            rs->setAbsolutePosition(count / 2);
            return rs->Fields(QStringLiteral("Description")).Value().toString();
        });
        timed("sort \"Description DESC\"", [&] {
            rs->setSort(QStringLiteral("Description DESC"));
            return rs->Fields(QStringLiteral("Description")).Value().toString();
        });
        timed("read 50 rows after the sort (grid page)", [&] {
            QString last;
            for (long row = 0; row < 50; ++row) {
                last = rs->value(row, 6).toString();
            }
            return last;
        });
        timed("sort \"TDate DESC\"", [&] {
            rs->setSort(QStringLiteral("TDate DESC"));
            return rs->Fields(QStringLiteral("TDate")).Value().toString();
        });
        timed("filter on a clone \"CategoryID = 3\"", [&] {
            auto clone = rs->Clone();
            clone->setFilter(QStringLiteral("CategoryID = 3"));
            return QString::number(clone->RecordCount());
        });
        timed("Requery", [&] {
            rs->Requery();
            return QString::number(rs->RecordCount());
        });
        timed("save a new entry (table open, AddNew)", [&] {
            quillmark::Recordset table;
            table.Open(QStringLiteral("Transactions"), &de.connSys());
            table.AddNew();
            table.Fields(QStringLiteral("CategoryID")).setValue(1);
            table.Fields(QStringLiteral("CatType")).setValue(QStringLiteral("INC"));
            table.Fields(QStringLiteral("TDate")).setValue(QDateTime::currentDateTime());
            table.Fields(QStringLiteral("Description")).setValue(QStringLiteral("bench entry"));
            table.Fields(QStringLiteral("Credit")).setValue(QStringLiteral("12.50"));
            table.Fields(QStringLiteral("Debit")).setValue(0);
            table.Update();
            return table.Fields(QStringLiteral("TransactionID")).Value().toString();
        });
        std::printf("Peak memory (VmHWM): %s\n", qPrintable(peakMemory()));
        deQuillmark::resetInstance();
    } catch (const quillmark::RuntimeError& error) {
        std::fprintf(stderr, "bench_recordset: %s\n", qPrintable(error.description()));
        return 1;
    }
    return 0;
}
