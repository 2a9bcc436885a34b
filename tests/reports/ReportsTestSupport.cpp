#include "reports/ReportsTestSupport.h"

#include "quillmark/AllScreens.h"
#include "quillmark/reports/ReportClock.h"
#include "quillmark/reports/dlgReports.h"
#include "quillmark/reports/dlgReportsCriteria.h"
#include "quillmark/reports/engine/Report.h"
#include "quillmark/shell/ScreenNames.h"
#include "quillmark/shell/Screens.h"
#include "quillmark/shell/mdlSpecial.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>

namespace quillmark::test {

void registerTestedScreens() {
    registerAllScreens();
}

const QDateTime ReportsTest::Now(QDate(2026, 12, 5), QTime(18, 30));

ReportsTest::ReportsTest() {
    execute(QStringLiteral("DELETE * FROM CATEGORIES"));
    for (const auto& [code, name, type] : {std::tuple{10, "Fees", "INC"},
                                           {20, "Sales", "INC"},
                                           {30, "Rent", "EXP"},
                                           {40, "Stamps", "EXP"}}) {
        m_categories.insert(name, addCategory(code, name, type));
    }
    setReportClock([] { return Now; });
    const QString folder = documents();
    QDir().mkpath(folder);
    setDocumentsFolderLookup([folder] { return FolderLookup{kFolderOk, folder}; });
}

ReportsTest::~ReportsTest() {
    setReportClock({});
    setDocumentsFolderLookup({});
}

void ReportsTest::addMonthOfEntries() {
    const auto at = [](int month, int day, int hour = 0, int minute = 0) {
        return QDateTime(QDate(2026, month, day), QTime(hour, minute));
    };
    addEntry(categoryId("Fees"), "INC", at(11, 5), "Bookkeeping", "600.10");
    addEntry(categoryId("Sales"), "INC", at(12, 5, 18, 30), "Late sale", "399.90");
    addEntry(categoryId("Rent"), "EXP", at(11, 20), "December rent", "1000");
    addEntry(categoryId("Stamps"), "EXP", at(12, 1, 9, 15), "Stamps", "250");
    // Outside the range: a day early and a day late.
    addEntry(categoryId("Fees"), "INC", at(11, 4, 23, 59), "Too early", "1");
    addEntry(categoryId("Rent"), "EXP", at(12, 6), "Too late", "2");
}

dlgReports* ReportsTest::openChooser() {
    return qobject_cast<dlgReports*>(openScreen(ScreenNames::dlgReports));
}

dlgReportsCriteria* ReportsTest::chooseKind(const QString& button) {
    clickButton(Screens::instance().find(ScreenNames::dlgReports), button);
    return criteria();
}

dlgReportsCriteria* ReportsTest::criteria() const {
    flushDeletes();
    return qobject_cast<dlgReportsCriteria*>(
        Screens::instance().find(ScreenNames::dlgReportsCriteria));
}

QString ReportsTest::documents() const {
    return home.filePath(QStringLiteral("Documents"));
}

QStringList pageTexts(const report::Report& printed, int page) {
    QStringList texts;
    for (const report::DrawItem& item : printed.pageItems(page - 1)) {
        if (item.kind == report::DrawItem::Kind::Text) {
            texts << item.text;
        }
    }
    return texts;
}

namespace {

QByteArray runTool(const QString& program, const QStringList& arguments, int* exitCode) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
    *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return process.readAllStandardOutput();
}

} // namespace

QString pdfText(const QString& path) {
    int exitCode = -1;
    const QString text = QString::fromUtf8(
        runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")},
                &exitCode));
    return exitCode == 0 ? text.simplified() : QString();
}

bool pdfIsSound(const QString& path) {
    int exitCode = -1;
    runTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), path}, &exitCode);
    return exitCode == 0;
}

void saveScreenshot(QWidget& window, const QString& fileName) {
    const QString dir = qEnvironmentVariable("QUILLMARK_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        EXPECT_TRUE(window.grab().save(QDir(dir).filePath(fileName)));
    }
}

} // namespace quillmark::test
