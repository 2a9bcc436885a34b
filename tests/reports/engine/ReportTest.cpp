// The engine end to end over rows in memory: grouping and sums from one
// pass, pages laid out with headers kept with their rows and repeated on the
// next page, "Page N of M", and which steps read rows.
#include "EngineTestSupport.h"

#include "quillmark/reports/engine/PageDump.h"
#include "quillmark/reports/engine/Report.h"
#include "quillmark/reports/engine/ReportError.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace quillmark::report::testing {
namespace {

// A short page: 840 twips between header and footer, room for four rows.
const char* const SmallPages = R"x({
  "name": "arSmall", "title": "Small Pages",
  "page": {"paper": "Letter", "orientation": "portrait", "margins": [1440, 7200, 1440, 7200]},
  "font": {"family": "DejaVu Sans", "size": 9},
  "sections": [
    {"section": "PageHeader", "height": 300, "controls": [
      {"type": "label", "name": "lblTitle", "text": "TITLE", "rect": [0, 0, 9360, 300], "align": "center"}]},
    {"section": "GroupHeader1", "height": 200, "groupField": "Cat", "repeat": true, "controls": [
      {"type": "field", "name": "txtName", "dataField": "Name", "rect": [0, 0, 3000, 200]},
      {"type": "sum", "name": "txtSum", "dataField": "Amount", "format": "$", "rect": [6000, 0, 3360, 200], "align": "right"}]},
    {"section": "Detail", "height": 200, "controls": [
      {"type": "field", "name": "txtText", "dataField": "Text", "rect": [0, 0, 6000, 200]},
      {"type": "field", "name": "txtAmount", "dataField": "Amount", "format": "#", "rect": [6000, 0, 3360, 200], "align": "right"}]},
    {"section": "GroupFooter1", "height": 40, "controls": [
      {"type": "line", "name": "ln", "line": [0, 20, 9360, 20], "width": 40}]},
    {"section": "PageFooter", "height": 300, "controls": [
      {"type": "field", "name": "txtNow", "dataField": "=now()", "rect": [0, 0, 3000, 300]},
      {"type": "label", "name": "lblPage", "text": "Page", "rect": [6000, 0, 1000, 300]},
      {"type": "pageNumber", "name": "txtPage", "rect": [7000, 0, 500, 300]},
      {"type": "label", "name": "lblOf", "text": "of", "rect": [7500, 0, 500, 300]},
      {"type": "pageCount", "name": "txtPages", "rect": [8000, 0, 500, 300]}]},
    {"section": "ReportFooter", "height": 200, "controls": [
      {"type": "box", "name": "box", "rect": [0, 0, 9360, 200], "fill": "#C0C0C0"},
      {"type": "sum", "name": "txtTotal", "dataField": "Amount", "scope": "report", "format": "$", "rect": [6000, 0, 3360, 200], "align": "right"}]}
  ]})x";

const QDateTime Now(QDate(2026, 12, 5), QTime(18, 30));

TableRows twoCategories() {
    return TableRows({"Cat", "Name", "Text", "Amount"}, {{1, "Fees", "a1", 100},
                                                         {1, "Fees", "a2", 250},
                                                         {2, "Sales", "b1", 1},
                                                         {2, "Sales", "b2", 2},
                                                         {2, "Sales", "b3", 3},
                                                         {2, "Sales", "b4", 4}});
}

TEST(Report, PagesKeepHeadersWithTheirRowsAndArePaintedAndWrittenToPdf) {
    TableRows rows = twoCategories();
    CentsOps cents;
    Report report(layoutFrom(SmallPages), rows, cents);
    report.run(Now);
    // Sales starts on page 2, though its header alone would fit on page 1,
    // its header is repeated over its last row on page 3, and every footer
    // counts three pages.
    ASSERT_EQ(report.pageCount(), 3);
    expectDump(dumpPages(report), QStringLiteral("small_pages.txt"));

    // 1 device pixel per 20 twips. On the last page the group footer's line
    // (2 px wide) lies at 7920 twips from the paper's top, the report
    // footer's box right below it from 7940 to 8140.
    QImage image(612, 792, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    report.paintPage(painter, 2, QPointF(0, 0), 1.0 / 20);
    painter.end();
    EXPECT_EQ(image.pixelColor(300, 402), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(image.pixelColor(300, 408), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(300, 396), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(300, 393), QColor(Qt::white));
    // Some dark text pixels in the title's box, none outside the drawn items.
    const auto darkIn = [&](const QRect& r) {
        int dark = 0;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                dark += image.pixelColor(x, y).lightness() < 128;
            }
        }
        return dark;
    };
    EXPECT_GT(darkIn(QRect(72, 360, 468, 15)), 0);
    EXPECT_EQ(darkIn(QRect(0, 0, 612, 350)), 0);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("small.pdf"));
    report.writePdf(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("/Type /Page\n"), 3);
    EXPECT_TRUE(pdf.contains("/FontFile2")); // embedded
    EXPECT_TRUE(pdf.contains(pdfTitleEntry(QStringLiteral("Small Pages"))));
    EXPECT_THROW(report.writePdf(dir.filePath(QStringLiteral("missing/small.pdf"))), ReportError);
}

TEST(Report, GroupsAreRunsOfEqualKeysWithTheirSumsAndShownValues) {
    // The outer key changes between rows 2 and 3 while the inner key stays:
    // the inner group ends there too. The same key coming back later starts
    // a new run.
    const char* const TwoLevels = R"x({
      "name": "arLevels", "title": "", "font": {"family": "DejaVu Sans", "size": 9},
      "page": {"paper": "A4", "orientation": "landscape", "margins": [720, 720, 720, 720]},
      "sections": [
        {"section": "GroupHeader1", "height": 200, "groupField": "Type", "controls": [
          {"type": "field", "name": "txtType", "dataField": "Type", "rect": [0, 0, 1000, 200]},
          {"type": "sum", "name": "txtTypeSum", "dataField": "Amount", "rect": [1000, 0, 1000, 200]}]},
        {"section": "GroupHeader2", "height": 200, "groupField": "Cat", "controls": [
          {"type": "sum", "name": "txtCatSum", "dataField": "Amount", "rect": [1000, 0, 1000, 200]},
          {"type": "sum", "name": "txtCatCount", "dataField": "One", "rect": [2000, 0, 1000, 200]}]},
        {"section": "GroupFooter2", "height": 200, "controls": [
          {"type": "field", "name": "txtLast", "dataField": "Text", "rect": [0, 0, 1000, 200]}]},
        {"section": "ReportFooter", "height": 200, "controls": [
          {"type": "sum", "name": "txtTotal", "dataField": "Amount", "scope": "report", "rect": [0, 0, 1000, 200]}]}
      ]})x";
    TableRows rows({"Type", "Cat", "Text", "Amount", "One"}, {{"INC", 7, "i1", 1000, 1},
                                                              {"INC", 7, "i2", 2000, 1},
                                                              {"EXP", 7, "e1", 5, 1},
                                                              {"EXP", 8, "e2", 7, 1},
                                                              {"EXP", 8, "e3", QVariant(), 1},
                                                              {"INC", 7, "i3", 3, 1}});
    CentsOps cents;
    Report report(layoutFrom(TwoLevels), rows, cents);
    report.run(Now);

    // Each group's first type and last text, its sums and count, in drawing order.
    ASSERT_EQ(report.pageCount(), 1);
    QStringList shown;
    for (const DrawItem& item : report.pageItems(0)) {
        shown << item.text;
    }
    EXPECT_EQ(shown.join(u' '), "INC 3000 3000 2 i2 EXP 12 5 1 e1 7 2 e3 INC 3 3 1 i3 3015");
}

TEST(Report, ASummaryReadsEachRowOnceAndItsPagesReadNone) {
    // Only group headers print: one pass over the rows is all the report needs.
    QString summary = QString::fromUtf8(SmallPages);
    summary.replace(QRegularExpression(QString::fromUtf8(R"x(\{"section": "Detail".*?\]\}\]\},)x"),
                                       QRegularExpression::DotMatchesEverythingOption),
                    QString::fromUtf8(R"x({"section": "Detail", "height": 0},)x"));
    TableRows rows = twoCategories();
    CentsOps cents;
    Report report(LayoutReader::read(summary.toUtf8()), rows, cents);
    report.run(Now);
    // Group key, summed amount, plus the name of each group's first row.
    EXPECT_EQ(rows.reads, 6 * 2 + 2);
    const long afterScan = rows.reads;
    ASSERT_EQ(report.pageCount(), 1);
    const QString page = dumpPages(report);
    EXPECT_EQ(rows.reads, afterScan);
    EXPECT_TRUE(page.contains(QLatin1String(R"x(1 GroupHeader1 "Sales" 1440,7700)x")))
        << page.toStdString();
    EXPECT_TRUE(page.contains(QLatin1String(R"x(1 GroupHeader1 "$10" 7440,7700 right)x")));
}

TEST(Report, EmptyRowsGiveOnePageWithZeroTotals) {
    TableRows rows({"Cat", "Name", "Text", "Amount"}, {});
    CentsOps cents;
    Report report(layoutFrom(SmallPages), rows, cents);
    report.run(Now);
    ASSERT_EQ(report.pageCount(), 1);
    const QString page = dumpPages(report);
    EXPECT_TRUE(page.contains(QLatin1String(R"x(1 ReportFooter "$0" 7440,7500 right)x")))
        << page.toStdString();
    EXPECT_FALSE(page.contains(QLatin1String("GroupHeader1")));
}

TEST(Report, RefusesRowsWithoutAFieldAndPagesWithoutRoom) {
    TableRows rows({"Cat", "Name", "Text"}, {});
    CentsOps cents;
    Report missing(layoutFrom(SmallPages), rows, cents);
    try {
        missing.run(Now);
        ADD_FAILURE() << "ran without the field Amount";
    } catch (const ReportError& error) {
        EXPECT_EQ(error.description(),
                  QStringLiteral(
                      "The report arSmall needs the field Amount, which its rows do not have."));
    }
    ReportLayout crowded = layoutFrom(SmallPages);
    crowded.sections[0].height = 1200;
    TableRows full = twoCategories();
    Report noRoom(crowded, full, cents);
    EXPECT_THROW(noRoom.run(Now), ReportError);
}

// Rows that fail once told to, as a data file can while a report is written.
class FailingRows : public TableRows {
public:
    explicit FailingRows(TableRows rows) : TableRows(std::move(rows)) {}
    QVariant value(long row, int column) const override {
        if (failing) {
            throw ReportError(QStringLiteral("The data file went away."));
        }
        return TableRows::value(row, column);
    }
    bool failing = false;
};

TEST(Report, AWriteThatFailsKeepsTheFileSavedBeforeAndLeavesNothingElse) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("small.pdf"));
    QFile before(path);
    ASSERT_TRUE(before.open(QIODevice::WriteOnly));
    before.write("the report saved yesterday");
    before.close();

    FailingRows rows(twoCategories());
    CentsOps cents;
    Report report(layoutFrom(SmallPages), rows, cents);
    report.run(Now);
    rows.failing = true;
    EXPECT_THROW(report.writePdf(path), ReportError);

    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    EXPECT_EQ(before.readAll(), QByteArray("the report saved yesterday"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"small.pdf"});
}

} // namespace
} // namespace quillmark::report::testing
