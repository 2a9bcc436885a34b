// bench_recordset [ROWS] [FILE]
// Builds a company file with ROWS entries (default 1,000,000; half income,
// half expense, a few dozen categories, random descriptions) and times what
// the screens and reports do with it: open cmdTransactions "INC", seek, sort
// (ascending and descending), filter, requery, save one entry (table open,
// AddNew, Update) and re-list, and walk the whole profit-and-loss statement.
// Each step runs three times; the best time is printed beside its floor, the
// same SQL stepped directly on SQLite in the same run (every column read),
// and the ratio. Ends with the peak memory of the process.
#include "BenchFile.h"

#include "quillmark/data/DataFile.h"
#include "quillmark/data/RuntimeError.h"
#include "quillmark/data/deQuillmark.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <limits>

namespace {

using quillmark::deQuillmark;
using quillmark::Recordset;

constexpr int Rounds = 3;

const QString EntryKeys = QStringLiteral(
    "SELECT Transactions.rowid, Categories.rowid FROM Transactions, Categories WHERE "
    "Transactions.CategoryID = Categories.CategoryID AND Transactions.CatType IN (?1) ORDER BY ");
const QString EntryList = QStringLiteral(
    "SELECT Transactions.CatType, Transactions.TransactionID, Transactions.CategoryID, "
    "Transactions.TDate, FORMAT(Categories.CatCode, '000') AS CatCode, Categories.CatName AS "
    "CatName, Transactions.Description, Transactions.Credit, Transactions.Debit FROM "
    "Transactions, Categories WHERE Transactions.CategoryID = Categories.CategoryID AND "
    "Transactions.CatType IN (?1) ORDER BY Transactions.TDate");
const QString ProfitLoss = QStringLiteral(
    "SELECT ct.CatName, tr.Credit - tr.Debit AS TotalAmount, iif(tr.CatType = 'INC', 'INCOME', "
    "'EXPENSE') AS Category, iif(tr.CatType = 'INC', tr.Credit, tr.Debit) AS Amount, tr.* FROM "
    "transactions AS tr, categories AS ct WHERE tr.CategoryID = ct.CategoryID ORDER BY "
    "tr.CatType DESC, tr.TDate ASC");
const QString InsertEntry = QStringLiteral(
    "INSERT INTO Transactions (CategoryID, CatType, TDate, Description, Credit, Debit) VALUES "
    "(1, 'INC', '2026-01-01 10:00:00', 'floor entry', 125000, 0)");

// Peak resident memory, and the process's own memory now: the peak also
// counts pages of the data file that the connections map for reading.
QString peakMemory() {
    QFile status(QStringLiteral("/proc/self/status"));
    QString text;
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:") || line.startsWith("RssAnon:")) {
                text += QString::fromLatin1(line.simplified()) + u' ';
            }
        }
    }
    return text.isEmpty() ? QStringLiteral("unknown") : text.trimmed();
}

double millisecondsOf(const std::function<void()>& step) {
    QElapsedTimer timer;
    timer.start();
    step();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// The best of three rounds of the step and of its floor, side by side.
void measure(const char* label, const std::function<QString()>& ours,
             const std::function<void()>& floor) {
    double best = std::numeric_limits<double>::max();
    double bestFloor = std::numeric_limits<double>::max();
    QString detail;
    for (int round = 0; round < Rounds; ++round) {
        if (floor) {
            bestFloor = std::min(bestFloor, millisecondsOf(floor));
        }
        best = std::min(best, millisecondsOf([&] { detail = ours(); }));
    }
    if (floor) {
        std::printf("%-44s %10.2f ms %10.2f ms %7.2fx  %s\n", label, best, bestFloor,
                    best / bestFloor, qPrintable(detail));
    } else {
        std::printf("%-44s %10.2f ms %13s %8s  %s\n", label, best, "", "", qPrintable(detail));
    }
    std::fflush(stdout);
}

QString addEntryThroughATable(quillmark::Connection& connection) {
    Recordset table;
    table.Open(QStringLiteral("Transactions"), &connection);
    table.AddNew();
    table.Fields(QStringLiteral("CategoryID")).setValue(1);
    table.Fields(QStringLiteral("CatType")).setValue(QStringLiteral("INC"));
    table.Fields(QStringLiteral("TDate")).setValue(QDateTime::currentDateTime());
    table.Fields(QStringLiteral("Description")).setValue(QStringLiteral("bench entry"));
    table.Fields(QStringLiteral("Credit")).setValue(QStringLiteral("12.50"));
    table.Fields(QStringLiteral("Debit")).setValue(0);
    table.Update();
    return table.Fields(QStringLiteral("TransactionID")).Value().toString();
}

void runSteps(const QString& path) {
    deQuillmark& de = deQuillmark::instance();
    de.connSys().Open(quillmark::DataFile::connectionStringFor(path));
    de.connReports().Open(quillmark::DataFile::connectionStringFor(path));
    bench::RawConnection raw(path, de.connSys().handle());
    const QStringList income = {QStringLiteral("INC")};
    std::printf("%-44s %13s %13s %8s\n", "step", "data layer", "SQLite", "ratio");

    Recordset* rs = nullptr;
    long count = 0;
    measure(
        "open cmdTransactions \"INC\" + RecordCount",
        [&] {
            rs = &de.cmdTransactions(QStringLiteral("INC"));
            count = rs->RecordCount();
            return QString::number(count);
        },
        [&] { raw.stepAll(EntryKeys + QStringLiteral("Transactions.TDate"), income); });
    measure("seek to the middle row",
            [&] {
                rs->setAbsolutePosition(count / 2);
                return rs->Fields(QStringLiteral("Description")).Value().toString();
            },
            {});
    const struct {
        const char* label;
        const char* sort;
        const char* best;
    } sorts[] = {
        {"sort \"Description DESC\"", "Description DESC", "Transactions.Description DESC"},
        {"sort \"Description ASC\"", "Description ASC", "Transactions.Description"},
        {"sort \"TDate DESC\"", "TDate DESC", "Transactions.TDate DESC"},
    };
    for (const auto& sort : sorts) {
        measure(
            sort.label,
            [&] {
                rs->setSort(QString::fromLatin1(sort.sort));
                return rs->Fields(QStringLiteral("Description")).Value().toString();
            },
            [&] { raw.stepAll(EntryKeys + QString::fromLatin1(sort.best), income); });
    }
    measure("read 50 rows after the sort (grid page)",
            [&] {
                QString last;
                for (long row = 0; row < 50; ++row) {
                    last = rs->value(row, 6).toString();
                }
                return last;
            },
            {});
    measure("filter on a clone \"CategoryID = 3\"",
            [&] {
                auto clone = rs->Clone();
                clone->setFilter(QStringLiteral("CategoryID = 3"));
                return QString::number(clone->RecordCount());
            },
            {});
    measure(
        "Requery",
        [&] {
            rs->Requery();
            return QString::number(rs->RecordCount());
        },
        [&] { raw.stepAll(EntryKeys + QStringLiteral("Transactions.TDate DESC"), income); });
    measure(
        "save one entry (table open, AddNew, Update)",
        [&] { return addEntryThroughATable(de.connSys()); }, [&] { raw.stepAll(InsertEntry); });
    measure(
        "save, re-list and read the first page",
        [&] {
            const QString key = addEntryThroughATable(de.connSys());
            rs = &de.cmdTransactions(QStringLiteral("INC"));
            const long row = rs->rowOfBookmark(key.toInt());
            for (long r = std::max(0L, row - 25); r < row + 25 && r < rs->RecordCount(); ++r) {
                rs->value(r, 6);
            }
            return QStringLiteral("row %1 of %2").arg(row).arg(rs->RecordCount());
        },
        [&] {
            raw.stepAll(InsertEntry);
            raw.stepAll(EntryKeys + QStringLiteral("Transactions.TDate"), income);
        });
    measure(
        "walk the profit-and-loss statement",
        [&] {
            Recordset& pl = de.cmdRptProfitLoss();
            long rows = 0;
            const int fields = pl.fieldCount();
            for (pl.MoveFirst(); !pl.EOF(); pl.MoveNext()) {
                for (int f = 0; f < fields; ++f) {
                    pl.Fields(f).Value();
                }
                ++rows;
            }
            pl.Close();
            return QString::number(rows) + QStringLiteral(" rows");
        },
        [&] { raw.stepAll(ProfitLoss); });
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
            if (!bench::fillCompanyFile(path, rows)) {
                return 1;
            }
        }
        std::printf("Peak memory after building: %s\n", qPrintable(peakMemory()));
        runSteps(path);
        std::printf("Memory: %s\n", qPrintable(peakMemory()));
        deQuillmark::resetInstance();
    } catch (const quillmark::RuntimeError& error) {
        std::fprintf(stderr, "bench_recordset: %s\n", qPrintable(error.description()));
        return 1;
    }
    return 0;
}
