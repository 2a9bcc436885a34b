// bench_reports [DETAIL_ROWS] [SUMMARY_ROWS]
// Times the report engine over rows made up in memory (no data file): the
// income detail layout over DETAIL_ROWS entries (default 100,000) and the
// profit and loss summary over SUMMARY_ROWS entries (default 1,000,000), each
// scanned, laid out and written to a PDF file. Beside each figure stands its
// floor, measured in the same run: for the scan, a plain loop that reads the
// same values and sums them as Currency; for the PDF, plain QPainter calls
// that draw the same number of pages, texts and lines with the same fonts.
// Times are the processor time of the process (the machine is shared, and
// waiting for a turn says nothing about the engine); the wall time of the
// whole report stands beside them. Memory is the peak resident size of each
// step above what was resident before it.
#include "quillmark/data/Currency.h"
#include "quillmark/reports/CurrencyValueOps.h"
#include "quillmark/reports/ReportLayouts.h"
#include "quillmark/reports/engine/PagePainter.h"
#include "quillmark/reports/engine/Report.h"
#include "quillmark/reports/engine/RowSource.h"

#include <QDateTime>
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

using quillmark::Currency;
namespace report = quillmark::report;

// Rows worked out from their index, so the bench holds no rows of its own:
// income first, then expense; categories in runs of `runLength` rows.
class MadeUpRows : public report::RowSource {
public:
    enum Column {
        CategoryID,
        CatID,
        CatName,
        CatType,
        Category,
        TDate,
        Description,
        Credit,
        Debit,
        Amount,
        TotalAmount,
        ColumnCount
    };

    MadeUpRows(long rows, long runLength) : m_rows(rows), m_runLength(runLength) {}

    long rowCount() const override { return m_rows; }
    int columnIndex(const QString& field) const override {
        static const QStringList names = {"CategoryID", "CatID",  "CatName",     "CatType",
                                          "Category",   "TDate",  "Description", "Credit",
                                          "Debit",      "Amount", "TotalAmount"};
        return static_cast<int>(names.indexOf(field));
    }
    QVariant value(long row, int column) const override {
        const bool income = row < m_rows / 2;
        const long category = row / m_runLength;
        const Currency amount = Currency::fromScaled((row % 9973) * 1234 + 100);
        switch (column) {
        case CategoryID:
        case CatID:
            return qlonglong(category);
        case CatName:
            return QStringLiteral("Category %1").arg(category);
        case CatType:
            return income ? m_inc : m_exp;
        case Category:
            return income ? m_income : m_expense;
        case TDate:
            return QDateTime(QDate(2026, 1, 1).addDays(row % 365), QTime(9, 0));
        case Description:
            return QStringLiteral("Entry %1 for office supplies").arg(row);
        case Credit:
            return QVariant::fromValue(income ? amount : Currency());
        case Debit:
            return QVariant::fromValue(income ? Currency() : amount);
        case Amount:
            return QVariant::fromValue(amount);
        case TotalAmount:
            return QVariant::fromValue(income ? amount : -amount);
        }
        return {};
    }

private:
    long m_rows;
    long m_runLength;
    const QString m_inc = QStringLiteral("INC");
    const QString m_exp = QStringLiteral("EXP");
    const QString m_income = QStringLiteral("INCOME");
    const QString m_expense = QStringLiteral("EXPENSE");
};

long residentKb(const char* key) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith(key)) {
                return line.mid(static_cast<int>(qstrlen(key)))
                    .trimmed()
                    .split(' ')
                    .value(0)
                    .toLong();
            }
        }
    }
    return -1;
}

double processorSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

// Runs a step; returns its processor seconds, and its peak memory in MB above
// the memory resident when it began.
double timed(const std::function<void()>& step, double* peakMb = nullptr) {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly)) {
        clear.write("5"); // resets the peak to what is resident now
        clear.close();
    }
    const long before = residentKb("VmRSS:");
    const double start = processorSeconds();
    step();
    const double seconds = processorSeconds() - start;
    if (peakMb) {
        *peakMb = (residentKb("VmHWM:") - before) / 1024.0;
    }
    return seconds;
}

void printFigure(const char* what, double seconds, double floorSeconds, long rows) {
    std::printf("  %-22s %8.3f s  %10.0f rows/s   floor %8.3f s   ratio %5.2f\n", what, seconds,
                rows / seconds, floorSeconds, seconds / floorSeconds);
}

// The scan's floor: the same columns read and summed as Currency, no engine.
double scanFloor(const MadeUpRows& rows, const QList<int>& keys, const QList<int>& sums) {
    Currency total;
    QVariantList last(keys.size());
    long breaks = 0;
    const double seconds = timed([&] {
        for (long row = 0; row < rows.rowCount(); ++row) {
            for (qsizetype i = 0; i < keys.size(); ++i) {
                const QVariant key = rows.value(row, keys[i]);
                breaks += key != last[i];
                last[i] = key;
            }
            for (int sum : sums) {
                total += Currency::fromVariant(rows.value(row, sum));
            }
        }
    });
    std::printf("  (floor checks: %ld key changes, total %s)\n", breaks,
                qPrintable(total.toString()));
    return seconds;
}

// The PDF's floor: the same texts, fonts, boxes and lines drawn with plain
// QPainter calls. The texts are composed beforehand (that time is shown).
double pdfFloor(const report::Report& printed, const QString& path) {
    const report::ReportLayout& layout = printed.layout();
    const report::PagePainter fonts(layout);
    std::vector<std::vector<report::DrawItem>> pages;
    const double compose = timed([&] {
        for (int page = 0; page < printed.pageCount(); ++page) {
            pages.push_back(printed.pageItems(page));
        }
    });
    std::printf("  (of the PDF step, composing the pages' texts without drawing: %.3f s)\n",
                compose);
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

void bench(const char* title, const QString& layoutName, long rowCount, long runLength,
           const QString& folder) {
    MadeUpRows rows(rowCount, runLength);
    quillmark::CurrencyValueOps values;
    report::Report printed(quillmark::loadReportLayout(layoutName), rows, values);
    double runPeak = 0;
    double pdfPeak = 0;
    QElapsedTimer wall;
    wall.start();
    const double run = timed([&] { printed.run(QDateTime::currentDateTime()); }, &runPeak);
    const QString path = folder + u'/' + layoutName + QStringLiteral(".pdf");
    const double pdf = timed([&] { printed.writePdf(path); }, &pdfPeak);
    const double wallSeconds = wall.nsecsElapsed() / 1e9;
    const long bytes = QFile(path).size();

    std::printf("%s: %ld rows, %d pages, %.1f MB of PDF\n", title, rowCount, printed.pageCount(),
                bytes / 1048576.0);
    const bool profitLoss = layoutName.startsWith(QLatin1String("arProfitLoss"));
    const QList<int> keys = profitLoss ? QList<int>{MadeUpRows::CatType, MadeUpRows::CatID}
                                       : QList<int>{MadeUpRows::CategoryID};
    const QList<int> sums = profitLoss ? QList<int>{MadeUpRows::Amount, MadeUpRows::Credit,
                                                    MadeUpRows::Debit, MadeUpRows::TotalAmount}
                                       : QList<int>{MadeUpRows::Credit};
    printFigure("scan + lay out", run, scanFloor(rows, keys, sums), rowCount);
    printFigure("write PDF", pdf, pdfFloor(printed, folder + QStringLiteral("/floor.pdf")),
                rowCount);
    std::printf("  together %.3f s (%.3f s wall); peak memory above start: scan + lay out "
                "%.1f MB, write PDF %.1f MB\n",
                run + pdf, wallSeconds, runPeak, pdfPeak);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const long detailRows = argc > 1 ? std::atol(argv[1]) : 100000;
    const long summaryRows = argc > 2 ? std::atol(argv[2]) : 1000000;
    if (detailRows <= 0 || summaryRows <= 0) {
        std::fprintf(stderr, "usage: bench_reports [DETAIL_ROWS] [SUMMARY_ROWS]\n");
        return 2;
    }
    // QUILLMARK_REPORT_PDF_DIR keeps the files there to look at.
    QTemporaryDir temporary;
    const QString kept = qEnvironmentVariable("QUILLMARK_REPORT_PDF_DIR");
    const QString folder = kept.isEmpty() ? temporary.path() : kept;
    bench("Income detail (arIncome)", QStringLiteral("arIncome"), detailRows, 2000, folder);
    bench("Profit and loss summary (arProfitLossSummary)", QStringLiteral("arProfitLossSummary"),
          summaryRows, 25000, folder);
    return 0;
}
