// Report statements run on a company file and printed through the six
// layouts: which entries a range takes, the order of profit and loss rows,
// group sums and totals to the cent, and the pages the layouts make.
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
        const int consulting =
            addCategory(801, QStringLiteral("Consulting"), QStringLiteral("INC"));
        const int misc = addCategory(802, QStringLiteral("Misc"), QStringLiteral("EXP"));
        const int otherMisc = addCategory(803, QStringLiteral("Misc"), QStringLiteral("EXP"));
        addEntry(consulting, QStringLiteral("INC"), QStringLiteral("2026-01-20"),
                 QStringLiteral("Second half"), QStringLiteral("399.90"));
        addEntry(consulting, QStringLiteral("INC"), QStringLiteral("2026-01-05"),
                 QStringLiteral("First half"), QStringLiteral("600.10"));
        addEntry(misc, QStringLiteral("EXP"), QStringLiteral("2026-01-03"),
                 QStringLiteral("Stamps"), QStringLiteral("500"));
        addEntry(otherMisc, QStringLiteral("EXP"), QStringLiteral("2026-01-10"),
                 QStringLiteral("Paper"), QStringLiteral("624.50"));
        addEntry(misc, QStringLiteral("EXP"), QStringLiteral("2026-01-25 18:30:00"),
                 QStringLiteral("Ink"), QStringLiteral("125.50"));
    }

    // The texts drawn in a section of a page, in drawing order.
    static QStringList textsOf(const report::Report& printed, int page, const QString& section) {
        QStringList texts;
        for (const report::DrawItem& item : printed.pageItems(page - 1)) {
            if (report::sectionKindName(item.section) == section &&
                item.kind == report::DrawItem::Kind::Text) {
                texts << item.text;
            }
        }
        return texts;
    }

    CurrencyValueOps m_values;
    std::unique_ptr<RecordsetRowSource> m_rows;
};

TEST_F(ReportRun, ARangeTakesWholeDaysOfTheChosenCategoriesAndType) {
    const int food = addCategory(901, QStringLiteral("Food"), QStringLiteral("EXP"));
    const int fuel = addCategory(902, QStringLiteral("Fuel"), QStringLiteral("EXP"));
    const int other = addCategory(903, QStringLiteral("Other"), QStringLiteral("EXP"));
    const int salary = addCategory(904, QStringLiteral("Salary"), QStringLiteral("INC"));
    addEntry(food, QStringLiteral("EXP"), QStringLiteral("2026-01-31 18:30:00"),
             QStringLiteral("Late dinner"), QStringLiteral("12.35"));
    addEntry(food, QStringLiteral("EXP"), QStringLiteral("2026-01-01 00:00:00"),
             QStringLiteral("New year"), QStringLiteral("10"));
    addEntry(food, QStringLiteral("EXP"), QStringLiteral("2025-12-31 23:59:59"),
             QStringLiteral("Too early"), QStringLiteral("1"));
    addEntry(food, QStringLiteral("EXP"), QStringLiteral("2026-02-01 00:00:00"),
             QStringLiteral("Too late"), QStringLiteral("2"));
    addEntry(fuel, QStringLiteral("EXP"), QStringLiteral("2026-01-15 07:00:00"),
             QStringLiteral("Diesel"), QStringLiteral("60"));
    addEntry(other, QStringLiteral("EXP"), QStringLiteral("2026-01-10"),
             QStringLiteral("Not chosen"), QStringLiteral("3"));
    addEntry(salary, QStringLiteral("INC"), QStringLiteral("2026-01-10"), QStringLiteral("Income"),
             QStringLiteral("4"));
    const QString keys = QStringLiteral("%1,%2,%3").arg(food).arg(fuel).arg(salary);

    auto rows = run(QStringLiteral("EXP"), keys);

    EXPECT_EQ(
        flatRows(*rows, {QStringLiteral("CatName"), QStringLiteral("TDate"),
                         QStringLiteral("Description"), QStringLiteral("Debit")}),
        (QStringList{"Food|2026-01-01|New year|10.00", "Food|2026-01-31 18:30|Late dinner|12.35",
                     "Fuel|2026-01-15 07:00|Diesel|60.00"}));
}

TEST_F(ReportRun, ProfitAndLossListsIncomeFirstAndKeepsEachCategoryTogether) {
    addProfitAndLoss();
    auto rows = run(QStringLiteral("P\\L"), QString());
    EXPECT_EQ(flatRows(*rows, {QStringLiteral("Category"), QStringLiteral("CatName"),
                               QStringLiteral("Description"), QStringLiteral("Amount"),
                               QStringLiteral("TotalAmount")}),
              (QStringList{"INCOME|Consulting|First half|600.10|600.10",
                           "INCOME|Consulting|Second half|399.90|399.90",
                           "EXPENSE|Misc|Stamps|500.00|-500.00", "EXPENSE|Misc|Ink|125.50|-125.50",
                           "EXPENSE|Misc|Paper|624.50|-624.50"}));
}

TEST_F(ReportRun, ProfitAndLossTotalsAreExactWithLossesInBrackets) {
    addProfitAndLoss();
    auto rows = run(QStringLiteral("P\\L"), QString());
    const auto detail = print(QStringLiteral("P\\L"), ReportView::Detailed, *rows);
    ASSERT_EQ(detail->pageCount(), 1);
    EXPECT_EQ(textsOf(*detail, 1, QStringLiteral("ReportFooter")),
              (QStringList{"Income Total :", "$1,000.00", "Expense Total :", "($1,250.00)",
                           "Profit \\ Loss :", "($250.00)"}));
    EXPECT_EQ(textsOf(*detail, 1, QStringLiteral("GroupHeader1")).mid(0, 3),
              (QStringList{"INCOME", "Total :", "$1,000.00"}));
}

TEST_F(ReportRun, ProfitAndLossSummaryPrintsOneLinePerCategoryUnderItsType) {
    addProfitAndLoss();
    auto rows = run(QStringLiteral("P\\L"), QString());
    const auto summary = print(QStringLiteral("P\\L"), ReportView::Summary, *rows);
    expectDump(report::dumpPages(*summary), QStringLiteral("profit_loss_summary.txt"));
}

TEST_F(ReportRun, IncomeDetailPrintsAGroupPerCategoryWithItsRowsByDate) {
    const int fees = addCategory(801, QStringLiteral("Fees"), QStringLiteral("INC"));
    const int sales = addCategory(802, QStringLiteral("Sales"), QStringLiteral("INC"));
    addEntry(sales, QStringLiteral("INC"), QStringLiteral("2026-01-09"), QStringLiteral("Books"),
             QStringLiteral("1234567.89"));
    addEntry(fees, QStringLiteral("INC"), QStringLiteral("2026-01-30 18:30:00"),
             QStringLiteral("Late fee"), QStringLiteral("0.05"));
    addEntry(
        fees, QStringLiteral("INC"), QStringLiteral("2026-01-02"),
        QStringLiteral("A description long enough that it cannot fit in its column on the page"),
        QStringLiteral("250"));
    auto rows = run(QStringLiteral("INC"), QStringLiteral("%1,%2").arg(fees).arg(sales));
    const auto detail = print(QStringLiteral("INC"), ReportView::Detailed, *rows);
    expectDump(report::dumpPages(*detail), QStringLiteral("income_detail.txt"));
}

TEST_F(ReportRun, ALongCategoryGoesOnWithItsHeadingAndCountsItsPages) {
    const int fees = addCategory(801, QStringLiteral("Fees"), QStringLiteral("INC"));
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
    auto rows = run(QStringLiteral("INC"), QString::number(fees));
    const auto detail = print(QStringLiteral("INC"), ReportView::Detailed, *rows);
    ASSERT_EQ(detail->pageCount(), 3);
    EXPECT_EQ(textsOf(*detail, 2, QStringLiteral("PageFooter")).mid(1),
              (QStringList{"12/5/2026 6:30:00 PM", "Page", "2", "of", "3"}));
    EXPECT_EQ(textsOf(*detail, 2, QStringLiteral("GroupHeader1")).mid(0, 4),
              (QStringList{"Category", "Fees", "Total", "$101.00"}));
    EXPECT_EQ(textsOf(*detail, 3, QStringLiteral("ReportFooter")),
              (QStringList{"Total Income", "$101.00"}));
}

// Every layout prints to a PDF file under its own title. With
// QUILLMARK_REPORT_PDF_DIR set the files are kept there to look at.
TEST_F(ReportRun, EveryLayoutWritesAPdfFile) {
    addProfitAndLoss();
    const int sales = addCategory(804, QStringLiteral("Sales"), QStringLiteral("INC"));
    addEntry(sales, QStringLiteral("INC"), QStringLiteral("2026-01-11"), QStringLiteral("Books"),
             QStringLiteral("89.95"));
    const QString keep = qEnvironmentVariable("QUILLMARK_REPORT_PDF_DIR");
    const QDir folder(keep.isEmpty() ? m_dir.path() : keep);
    for (const QString& kind :
         {QStringLiteral("INC"), QStringLiteral("EXP"), QStringLiteral("P\\L")}) {
        QStringList ids;
        if (kind != QLatin1String("P\\L")) {
            auto keys = conn().Execute(
                QStringLiteral("SELECT CategoryID FROM Categories WHERE CatType = '%1'").arg(kind));
            for (; !keys->EOF(); keys->MoveNext()) {
                ids << keys->Fields(0).Value().toString();
            }
        }
        auto rows = run(kind, ids.join(u','));
        for (ReportView view : {ReportView::Detailed, ReportView::Summary}) {
            const auto printed = print(kind, view, *rows);
            const QString path = folder.filePath(reportChoiceFor(kind, view)->layout + ".pdf");
            printed->writePdf(path);
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QByteArray pdf = file.readAll();
            EXPECT_TRUE(pdf.startsWith("%PDF"));
            EXPECT_TRUE(pdf.contains(report::testing::pdfTitleEntry(printed->layout().title)))
                << path.toStdString();
        }
    }
}

} // namespace
} // namespace quillmark::testing
