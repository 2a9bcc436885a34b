// bench_reports [ENTRIES] [FILE]
// Runs reports on the benchmark company file (bench_recordset's, ENTRIES
// entries, default 1,000,000; built in FILE when it does not exist yet) as
// the criteria screen runs them: the statement installed in its command and
// run on connReports, the rows laid out, every page written to a PDF file.
// Beside each figure stands its floor, measured in the same run: SQLite
// stepping the same statement and reading every column of every row, and,
// for the PDF, the same pages drawn with plain QPainter calls. Times are wall
// times, with the processor time of the process beside them (the machine is
// shared: waiting for a turn says nothing about the reports). Memory is the
// peak resident size of the process while a report runs.
#include "BenchFile.h"
#include "quillmark/data/Command.h"
#include "quillmark/data/Connection.h"
#include "quillmark/data/DataFile.h"
#include "quillmark/data/Recordset.h"
#include "quillmark/data/RuntimeError.h"
#include "quillmark/data/deQuillmark.h"
#include "quillmark/reports/ReportRun.h"
#include "quillmark/reports/ReportStatement.h"
#include "quillmark/reports/engine/PagePainter.h"
#include "quillmark/reports/engine/ReportError.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>
#include <functional>

namespace {

using namespace quillmark;

struct Times {
    double wall = 0;
    double processor = 0;
};

long residentKb(const char* key) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith(key)) {
                return line.mid(qsizetype(qstrlen(key))).trimmed().split(' ').value(0).toLong();
            }
        }
    }
    return -1;
}

// Makes the peak resident size start again from what is resident now.
void resetPeakMemory() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly)) {
        clear.write("5");
    }
}

double processorSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

Times timed(const std::function<void()>& step) {
    QElapsedTimer wall;
    wall.start();
    const double start = processorSeconds();
    step();
    return {double(wall.nsecsElapsed()) / 1e9, processorSeconds() - start};
}

void printFigure(const char* what, const Times& figure, const Times& floor) {
    std::printf("  %-26s %7.3f s (cpu %7.3f s)   floor %7.3f s (cpu %7.3f s)   ratio %5.2f\n", what,
                figure.wall, figure.processor, floor.wall, floor.processor,
                figure.wall / floor.wall);
}

// SQLite stepping the statement with the report connection's page cache,
// memory map and durability settings, every column of every row read; the
// faster of two runs (the first also brings the file into memory).
Times sqliteFloor(const QString& path, const QString& statement, long* rows) {
    bench::RawConnection raw(path, deQuillmark::instance().connReports().handle());
    Times best{1e30, 1e30};
    for (int round = 0; round < 2; ++round) {
        const Times times = timed([&] { *rows = raw.stepAll(statement); });
        if (times.wall < best.wall) {
            best = times;
        }
    }
    return best;
}

// The same pages drawn with plain QPainter calls; the draw items are
// composed beforehand and not timed.
Times pdfFloor(const report::Report& printed, const QString& path) {
    const report::ReportLayout& layout = printed.layout();
    const report::PagePainter fonts(layout);
    std::vector<std::vector<report::DrawItem>> pages;
    for (int page = 0; page < printed.pageCount(); ++page) {
        pages.push_back(printed.pageItems(page));
    }
    return timed([&] {
        QPdfWriter writer(path);
        writer.setResolution(report::TwipsPerInch);
        writer.setPageLayout(layout.page.pageLayout());
        QPainter painter(&writer);
        for (size_t page = 0; page < pages.size(); ++page) {
            if (page > 0) {
                writer.newPage();
            }
            for (const report::DrawItem& item : pages[page]) {
                const report::ReportControl& c = *item.control;
                if (item.kind == report::DrawItem::Kind::Text) {
                    painter.setFont(fonts.fontFor(c, 1.0));
                    painter.setPen(c.penColor);
                    painter.drawText(QRectF(item.rect), int(c.alignment | Qt::AlignVCenter),
                                     item.text);
                } else if (item.kind == report::DrawItem::Kind::Line) {
                    painter.setPen(QPen(c.penColor, c.penWidth));
                    painter.drawLine(item.line);
                } else {
                    painter.setPen(c.penWidth > 0 ? QPen(c.penColor, c.penWidth) : QPen(Qt::NoPen));
                    painter.setBrush(c.fill.isValid() ? QBrush(c.fill) : QBrush());
                    painter.drawRect(item.rect);
                }
            }
        }
    });
}

// The data layer alone: the statement run through the report's command and
// every value of every row read, as the report's rows are.
Times dataLayerRead(const ReportCriteria& criteria) {
    const ReportChoice choice = *reportChoiceFor(criteria.kind, criteria.view);
    Command& command = deQuillmark::instance().command(choice.command);
    command.setCommandText(
        ReportStatement(criteria.kind, criteria.categoryIds, criteria.from, criteria.to));
    long filled = 0;
    const Times times = timed([&] {
        Recordset& rows = command.Execute();
        const long count = rows.RecordCount();
        const int columns = rows.fieldCount();
        for (long row = 0; row < count; ++row) {
            for (int column = 0; column < columns; ++column) {
                filled += !rows.value(row, column).isNull();
            }
        }
        rows.Close();
    });
    (void)filled;
    return times;
}

struct Case {
    const char* title;
    ReportCriteria criteria;
    QString floorStatement; // the report's statement as SQLite runs it
};

void runCase(const Case& c, const QString& books, const QString& folder) {
    long floorRows = 0;
    const Times statementFloor = sqliteFloor(books, c.floorStatement, &floorRows);

    const Times dataLayer = dataLayerRead(c.criteria);

    resetPeakMemory();
    const long residentBefore = residentKb("VmRSS:");
    std::unique_ptr<ReportRun> run;
    const Times start =
        timed([&] { run = ReportRun::start(c.criteria, QDateTime::currentDateTime()); });
    const QString path = folder + QLatin1Char('/') + run->choice().layout + QStringLiteral(".pdf");
    const Times pdf = timed([&] { run->report().writePdf(path); });
    const double peakMb = double(residentKb("VmHWM:")) / 1024.0;
    const Times whole{start.wall + pdf.wall, start.processor + pdf.processor};
    const Times drawFloor = pdfFloor(run->report(), folder + QStringLiteral("/floor.pdf"));

    std::printf("%s: %ld rows (SQLite: %ld), %d pages, %.1f MB of PDF, peak memory of the "
                "process %.1f MB (%.1f MB before the report)\n",
                c.title, run->rows().RecordCount(), floorRows, run->report().pageCount(),
                double(QFile(path).size()) / 1048576.0, peakMb, double(residentBefore) / 1024.0);
    printFigure("data layer reads the rows", dataLayer, statementFloor);
    printFigure("statement, rows, layout", start, statementFloor);
    printFigure("write PDF", pdf, drawFloor);
    printFigure("report to PDF", whole, statementFloor);
}

// Jet's BETWEEN of whole days, as the data layer stores dates.
QString dayRange(const QDate& from, const QDate& to) {
    return QStringLiteral("(tr.TDate Between '%1 00:00:00' AND '%2 23:59:59')")
        .arg(from.toString(Qt::ISODate), to.toString(Qt::ISODate));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    bool entriesOk = true;
    const long entries = argc > 1 ? QString::fromLocal8Bit(argv[1]).toLong(&entriesOk) : 1000000;
    if (!entriesOk || entries < 1) {
        std::fprintf(stderr, "usage: bench_reports [ENTRIES (default 1000000)] [FILE]\n");
        return 2;
    }
    // QUILLMARK_REPORT_PDF_DIR keeps the PDF files there to look at.
    QTemporaryDir temporary;
    const QString kept = qEnvironmentVariable("QUILLMARK_REPORT_PDF_DIR");
    const QString folder = kept.isEmpty() ? temporary.path() : kept;
    const QString books = argc > 2 ? QString::fromLocal8Bit(argv[2])
                                   : temporary.filePath(QStringLiteral("bench.dat"));
    if (!QFile::exists(books)) {
        std::printf("Building %s with %ld entries...\n", qPrintable(books), entries);
        try {
            DataFile::createCompanyFile(books, false);
        } catch (const RuntimeError& error) {
            std::fprintf(stderr, "bench_reports: %s\n", qPrintable(error.description()));
            return 1;
        }
        if (!bench::fillCompanyFile(books, entries)) {
            return 1;
        }
    }

    // The entries span ten years from 2016: all of them, and two years of
    // the income categories (about a fifth of the income entries).
    const QDate first(2016, 1, 1);
    const QDate last(2026, 12, 31);
    const QDate twoYears(2017, 12, 31);
    const Case cases[] = {
        {"Profit and loss summary, every entry",
         {QStringLiteral("P\\L"), QString(), first, last, ReportView::Summary},
         QStringLiteral("SELECT ct.CatName, tr.CategoryID as CatID, tr.Credit - tr.Debit AS "
                        "TotalAmount, iif(tr.CatType = 'INC', 'INCOME', 'EXPENSE') AS Category, "
                        "iif(tr.CatType = 'INC', tr.Credit, tr.Debit) AS Amount, tr.* FROM "
                        "transactions AS tr, categories AS ct WHERE tr.CategoryID = ct.CategoryID "
                        "and %1 ORDER BY tr.CatType DESC, ct.CatName ASC, tr.TDate ASC")
             .arg(dayRange(first, last))},
        {"Income detail, two years",
         {QStringLiteral("INC"), QStringLiteral("1,2,3,4,5"), first, twoYears,
          ReportView::Detailed},
         QStringLiteral("select ct.CatName, tr.* from transactions tr, categories ct Where "
                        "tr.CategoryID = ct.CategoryID and ((tr.cattype='INC') and "
                        "(tr.CategoryID IN (1,2,3,4,5)) and %1)Order By tr.CategoryID, "
                        "ct.CatName, tr.TDate ASC ")
             .arg(dayRange(first, twoYears))},
    };
    try {
        deQuillmark::instance().connReports().Open(DataFile::connectionStringFor(books));
        for (const Case& c : cases) {
            runCase(c, books, folder);
        }
        deQuillmark::resetInstance();
    } catch (const RuntimeError& error) {
        std::fprintf(stderr, "bench_reports: %s\n", qPrintable(error.description()));
        return 1;
    } catch (const report::ReportError& error) {
        std::fprintf(stderr, "bench_reports: %s\n", qPrintable(error.description()));
        return 1;
    }
    return 0;
}
