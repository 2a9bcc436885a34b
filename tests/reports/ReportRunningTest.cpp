// View and Export on the criteria screen, and the preview window: which
// entries a report takes, the preview a layout reuses, the file an export
// writes (read back with pdftotext and checked with qpdf), where it goes
// without a documents folder, what a failed export tells, and the preview's
// pages, zoom, printing and saving.
#include "reports/ReportsTestSupport.h"

#include "quillmark/data/Connection.h"
#include "quillmark/data/deQuillmark.h"
#include "quillmark/reports/ReportPageView.h"
#include "quillmark/reports/ReportPreview.h"
#include "quillmark/reports/ReportRun.h"
#include "quillmark/reports/dlgReportsCriteria.h"
#include "quillmark/reports/engine/Report.h"
#include "quillmark/shell/mdlGlobal.h"
#include "quillmark/shell/mdlSpecial.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>

namespace quillmark::test {
namespace {

class RunningReports : public ReportsTest {
protected:
    RunningReports() { addMonthOfEntries(); }

    // Chooses the kind, the view, and clicks View or Export.
    void run(const char* kindButton, const char* viewOption, const char* action) {
        openChooser();
        dlgReportsCriteria* screen = chooseKind(kindButton);
        screen->control<QRadioButton>(viewOption)->setChecked(true);
        clickButton(screen, action);
    }
    static QString texts(const ReportPreview* preview, int page = 1) {
        return pageTexts(preview->run().report(), page).join('|');
    }
    QString inDocuments(const QString& fileName) const {
        return QDir::toNativeSeparators(QDir(documents()).filePath(fileName));
    }
};

TEST_F(RunningReports, ViewShowsTheRangesEntriesAndAgainReusesTheLayoutsPreview) {
    run("cmdIncome", "optDetail", "cmdView");
    ReportPreview* income = ReportPreview::find("arIncome");
    ASSERT_NE(income, nullptr);
    EXPECT_TRUE(income->isVisible());
    EXPECT_EQ(income->windowTitle(), QStringLiteral("Income Report"));
    const QString shown = texts(income);
    EXPECT_TRUE(shown.contains("Date Range: 11/5/2026 - 12/5/2026")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("11/5/2026|Bookkeeping|600.10")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("12/5/2026|Late sale|399.90")) << "the last day at 6:30 PM";
    EXPECT_FALSE(shown.contains("Too early"));
    EXPECT_TRUE(shown.contains("Total Income|$1,000.00"));

    // A second View of the layout re-runs in the same window, with the new choices.
    criteria()->control<QListWidget>("lstCategory")->item(1)->setCheckState(Qt::Unchecked);
    clickButton(criteria(), "cmdView");
    EXPECT_EQ(ReportPreview::find("arIncome"), income);
    EXPECT_FALSE(texts(income).contains("Late sale"));

    // The summary is a layout of its own.
    criteria()->control<QRadioButton>("optSummary")->setChecked(true);
    clickButton(criteria(), "cmdView");
    ReportPreview* summary = ReportPreview::find("arIncomeSummary");
    ASSERT_NE(summary, nullptr);
    EXPECT_NE(summary, income);
    EXPECT_TRUE(texts(summary).contains("Fees|600.10|Total Income|$600.10"))
        << texts(summary).toStdString();
    EXPECT_EQ(messages(), "");

    // Previews read their rows as pages show: closing the books closes them.
    deQuillmark::instance().connReports().Close();
    flushDeletes();
    EXPECT_EQ(ReportPreview::find("arIncome"), nullptr);
    EXPECT_EQ(ReportPreview::find("arIncomeSummary"), nullptr);
}

TEST_F(RunningReports, ExportSavesTheDaysFileInTheDocumentsFolderAndReplacesItLater) {
    run("cmdProfitLoss", "optDetail", "cmdExport");
    const QString path = inDocuments("PROFITLOSS_05122026.pdf");
    EXPECT_EQ(messages(), "msgbox info ok [Quillmark] The report has successfully been saved as " +
                              path.toStdString());
    EXPECT_TRUE(pdfIsSound(path));
    const QString text = pdfText(path);
    for (const char* expected :
         {"Date Range: 11/5/2026 - 12/5/2026", "Bookkeeping", "Late sale",
          "Income Total : $1,000.00", "Expense Total : ($1,250.00)", "Loss : ($250.00)"}) {
        EXPECT_TRUE(text.contains(expected)) << expected << " in " << text.toStdString();
    }
    EXPECT_FALSE(text.contains("Too late"));

    // The same export later that day replaces the file.
    execute("DELETE * FROM TRANSACTIONS WHERE DESCRIPTION='Late sale'");
    clickButton(criteria(), "cmdExport");
    EXPECT_FALSE(pdfText(path).contains("Late sale"));
    EXPECT_EQ(QDir(documents()).entryList(QDir::Files), QStringList{"PROFITLOSS_05122026.pdf"});
}

TEST_F(RunningReports, WithoutADocumentsFolderExportsGoBesideTheDefaultBooks) {
    setDocumentsFolderLookup([] { return FolderLookup{kFolderMissing, {}}; });
    run("cmdExpense", "optSummary", "cmdExport");
    const QString path =
        QDir::toNativeSeparators(UserDataFolder() + "/Exports/EXPENSE_SUMMARY_05122026.pdf");
    EXPECT_EQ(messages(), "msgbox info ok [Quillmark] My Documents folder does not exist.\n"
                          "msgbox info ok [Quillmark] The report has successfully been saved as " +
                              path.toStdString());
    EXPECT_TRUE(pdfText(path).contains("Rent 1,000.00 Stamps 250.00 Total Expense $1,250.00"))
        << pdfText(path).toStdString();
}

TEST_F(RunningReports, AFailedExportTellsWhyAndKeepsTheFileSavedBefore) {
    // A folder where the file should go: it cannot be replaced by a file.
    ASSERT_TRUE(QDir(documents()).mkdir("INCOME_05122026.pdf"));
    run("cmdIncome", "optDetail", "cmdExport");
    const std::string shown = messages();
    EXPECT_TRUE(shown.starts_with("msgbox info ok [Quillmark] The report cannot be saved as " +
                                  inDocuments("INCOME_05122026.pdf").toStdString()))
        << shown;
    EXPECT_EQ(shown.find("successfully"), std::string::npos);
    EXPECT_EQ(QDir(documents()).entryList(QDir::Files), QStringList());
}

TEST_F(RunningReports, ThePreviewDrawsOnlyThePagesInViewAndPagesZoomsPrintsAndSaves) {
    for (int day = 0; day < 90; ++day) { // three pages
        addEntry(categoryId("Fees"), "INC", Now.addDays(-day / 3), "Fee", "10");
    }
    run("cmdIncome", "optDetail", "cmdView");
    ReportPreview* preview = ReportPreview::find("arIncome");
    ASSERT_NE(preview, nullptr);
    preview->resize(800, 900);
    ReportPageView* pages = preview->pageView();
    ASSERT_EQ(pages->pageCount(), 3);
    auto* pageBox = preview->findChild<QSpinBox*>();
    EXPECT_EQ(pageBox->maximum(), 3);

    pages->viewport()->grab();
    EXPECT_EQ(pages->lastPaintedPages(), std::make_pair(0, 0));
    saveScreenshot(*preview, "reports-preview.png");
    pageBox->setValue(3);
    EXPECT_EQ(pages->currentPage(), 2);
    pages->viewport()->grab();
    EXPECT_EQ(pages->lastPaintedPages().second, 2);
    EXPECT_GE(pages->lastPaintedPages().first, 1);

    pages->setZoomPercent(100);
    pages->zoomIn();
    EXPECT_EQ(pages->zoomPercent(), 125);
    pages->zoomOut();
    pages->zoomOut();
    EXPECT_EQ(pages->zoomPercent(), 75);
    EXPECT_EQ(pages->currentPage(), 2) << "a zoom keeps the last page current";
    EXPECT_EQ(pageBox->value(), 3);
    pageBox->setValue(2);
    pages->setZoomMode(ReportPageView::ZoomMode::WholePage);
    EXPECT_EQ(pages->currentPage(), 1) << "a zoom keeps the page at the top";
    pages->viewport()->grab();
    EXPECT_EQ(pages->lastPaintedPages().first, 1);

    // Printing page 2 alone; then saving under a name without its ending.
    const QString printed = home.filePath("printed.pdf");
    dialogs.answerPrint(printed, 2, 2);
    preview->Print();
    EXPECT_TRUE(pdfText(printed).endsWith("Page 2 of 3")) << pdfText(printed).toStdString();
    EXPECT_FALSE(pdfText(printed).contains("Page 1 of 3"));
    dialogs.answerFile(home.filePath("mine"));
    preview->SaveAsPdf();
    const QString saved = pdfText(home.filePath("mine.pdf"));
    EXPECT_TRUE(saved.contains("Page 1 of 3") && saved.endsWith("Page 3 of 3"));
    dialogs.answerFile(QString());
    preview->SaveAsPdf();
    const std::string askName =
        "save PDF Files|*.pdf {" + inDocuments("INCOME_05122026.pdf").toStdString() + "}";
    EXPECT_EQ(messages(),
              "print 3 pages\n" + askName +
                  "\nmsgbox info ok [Quillmark] The report has successfully been saved as " +
                  QDir::toNativeSeparators(home.filePath("mine.pdf")).toStdString() + "\n" +
                  askName);
}

} // namespace
} // namespace quillmark::test
