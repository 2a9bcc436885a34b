#pragma once

// The report screens' tests: books of their own with income categories Fees
// and Sales and expense categories Rent and Stamps, the clock at 5 December
// 2026 6:30 PM, a documents folder of the test's own, and readers of the
// pages and PDF files the reports make.
#include "common/ScreenTestSupport.h"

#include <QHash>
#include <QStringList>

namespace quillmark {

class dlgReports;
class dlgReportsCriteria;

namespace report {
class Report;
}

namespace test {

class ReportsTest : public BooksTest {
protected:
    ReportsTest();
    ~ReportsTest() override;

    int categoryId(const QString& name) const { return m_categories.value(name); }
    // Income of 1,000.00 (Fees 600.10 and Sales 399.90) and expense of
    // 1,250.00 (Rent 1,000.00 and Stamps 250.00) within the default range,
    // one of them stamped 6:30 PM on its last day.
    void addMonthOfEntries();

    // The chooser, opened as the menu opens it.
    dlgReports* openChooser();
    // Clicks a kind button of the open chooser; the criteria screen it shows.
    dlgReportsCriteria* chooseKind(const QString& button);
    dlgReportsCriteria* criteria() const;

    QString documents() const;

    static const QDateTime Now;

private:
    QHash<QString, int> m_categories;
};

// The texts a page draws, in drawing order (page 1-based).
QStringList pageTexts(const report::Report& printed, int page);
// The text of a PDF file as pdftotext gives it, words joined by single
// blanks; empty when it cannot be read.
QString pdfText(const QString& path);
// Whether qpdf finds the file's structure sound.
bool pdfIsSound(const QString& path);
// With QUILLMARK_SCREENSHOT_DIR set, the window is saved there to look at.
void saveScreenshot(QWidget& window, const QString& fileName);

} // namespace test
} // namespace quillmark
