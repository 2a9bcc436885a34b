// Report statements run on a company file and printed through the six
// layouts: the order of profit and loss rows, group sums and totals to the
// cent, and the pages the layouts make. (Which entries a range takes is
// checked on the same statements in tests/data.)
#include "data/DataTestSupport.h"
#include "reports/engine/EngineTestSupport.h"

#include "quillmark/reports/CurrencyValueOps.h"
#include "quillmark/reports/RecordsetRowSource.h"
#include "quillmark/reports/ReportChoice.h"
#include "quillmark/reports/ReportLayouts.h"
#include "quillmark/reports/ReportStatement.h"
#include "quillmark/reports/engine/PageDump.h"
#include "quillmark/reports/engine/Report.h"

#include <QDir>
#include <QLocale>

namespace quillmark::testing {
namespace {

using report::testing::expectDump;

const QDateTime PrintedOn(QDate(2026, 12, 5), QTime(18, 30));
const QDate January1(2026, 1, 1);
const QDate January31(2026, 1, 31);

class ReportRun : public CompanyFile {
protected:
    std::unique_ptr<Recordset> run(const QString& kind, const QString& keys) {
        return conn().Execute(ReportStatement(kind, keys, January1, January31));
    }

    // The layout for the kind and view, with the range on it, run over the rows.
    std::unique_ptr<report::Report> print(const QString& kind, ReportView view,
                                          const Recordset& rows) {
        m_rows = std::make_unique<RecordsetRowSource>(rows);
        report::ReportLayout layout = loadReportLayout(reportChoiceFor(kind, view)->layout);
        SetRange(layout, DateRangeCaption(January1, January31,
                                          QLocale(QLocale::English, QLocale::UnitedStates)));
        auto printed = std::make_unique<report::Report>(layout, *m_rows, m_values);
        printed->run(PrintedOn);
        return printed;
    }

    // Income of 1,000.00 in two entries; expense of 1,250.00 in two
    // categories that share the name "Misc", their entries' dates interleaved.
    void addProfitAndLoss() {
        consulting = addCategory(801, "Consulting", "INC");
        misc = addCategory(802, "Misc", "EXP");
        otherMisc = addCategory(803, "Misc", "EXP");
        addEntry(consulting, "INC", "2026-01-20", "Second half", "399.90");
        addEntry(consulting, "INC", "2026-01-05", "First half", "600.10");
        addEntry(misc, "EXP", "2026-01-03", "Stamps", "500");
        addEntry(otherMisc, "EXP", "2026-01-10", "Paper", "624.50");
        addEntry(misc, "EXP", "2026-01-25 18:30:00", "Ink", "125.50");
    }

    CurrencyValueOps m_values;
    std::unique_ptr<RecordsetRowSource> m_rows;
    int consulting = 0, misc = 0, otherMisc = 0;
};

// Income first; rows by category name and key, so the two named "Misc"
// are summed apart though their dates interleave.
TEST_F(ReportRun, ProfitAndLossSummaryPrintsOneLinePerCategoryUnderItsType) {
    addProfitAndLoss();
    auto rows = run("P\\L", QString());
    const auto summary = print("P\\L", ReportView::Summary, *rows);
    expectDump(report::dumpPages(*summary), QStringLiteral("profit_loss_summary.txt"));
}

TEST_F(ReportRun, IncomeDetailPrintsAGroupPerCategoryWithItsRowsByDate) {
    const int fees = addCategory(801, "Fees", "INC");
    const int sales = addCategory(802, "Sales", "INC");
    addEntry(sales, "INC", "2026-01-09", "Books", "1234567.89");
    addEntry(fees, "INC", "2026-01-30 18:30:00", "Late fee", "0.05");
    addEntry(fees, "INC", "2026-01-02",
             "A description long enough that it cannot fit in its column on the page", "250");
    auto rows = run("INC", QStringLiteral("%1,%2").arg(fees).arg(sales));
    const auto detail = print("INC", ReportView::Detailed, *rows);
    expectDump(report::dumpPages(*detail), QStringLiteral("income_detail.txt"));
}

TEST_F(ReportRun, ALongCategoryGoesOnWithItsHeadingAndCountsItsPages) {
    const int fees = addCategory(801, "Fees", "INC");
    QStringList entries;
    for (int n = 0; n < 100; ++n) {
        entries << QStringLiteral("(%1, 'INC', #2026-01-%2#, 'Entry %3', 1.01, 0)")
                       .arg(fees)
                       .arg(1 + n % 31, 2, 10, QChar(u'0'))
                       .arg(n);
    }
    execute(QStringLiteral("INSERT INTO Transactions (CategoryID, CatType, TDate, Description, "
                           "Credit, Debit) VALUES ") +
            entries.join(QStringLiteral(", ")));
    auto rows = run("INC", QString::number(fees));
    const auto detail = print("INC", ReportView::Detailed, *rows);
    ASSERT_EQ(detail->pageCount(), 3);
    // Page 2 goes on under the category's heading and total; its footer counts 3 pages.
    const QString later = report::dumpPages(*detail, 1, 2);
    for (const char* line : {"2 GroupHeader1 \"Fees\"", "2 GroupHeader1 \"$101.00\"",
                             "2 PageFooter \"3\"", "3 ReportFooter \"$101.00\""}) {
        EXPECT_TRUE(later.contains(QLatin1String(line))) << line << "\n" << later.toStdString();
    }
}

// Every layout prints to a PDF file under its own title. With
// QUILLMARK_REPORT_PDF_DIR set the files are kept there to look at.
TEST_F(ReportRun, EveryLayoutWritesAPdfFile) {
    addProfitAndLoss();
    const QString keep = qEnvironmentVariable("QUILLMARK_REPORT_PDF_DIR");
    const QDir folder(keep.isEmpty() ? m_dir.path() : keep);
    for (const auto& [kind, keys] : {std::pair{"INC", QString::number(consulting)},
                                     {"EXP", QStringLiteral("%1,%2").arg(misc).arg(otherMisc)},
                                     {"P\\L", QString()}}) {
        auto rows = run(kind, keys);
        for (ReportView view : {ReportView::Detailed, ReportView::Summary}) {
            const auto printed = print(kind, view, *rows);
            const QString path = folder.filePath(reportChoiceFor(kind, view)->layout + ".pdf");
            printed->writePdf(path);
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_TRUE(
                file.readAll().contains(report::testing::pdfTitleEntry(printed->layout().title)))
                << path.toStdString();
        }
    }
}

} // namespace
} // namespace quillmark::testing
