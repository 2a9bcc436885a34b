#include "ShellScreensTestSupport.h"

#include "quillmark/data/Connection.h"
#include "quillmark/data/DataFile.h"
#include "quillmark/data/Recordset.h"
#include "quillmark/data/deQuillmark.h"
#include "quillmark/shell/AllScreens.h"
#include "quillmark/shell/DataGrid.h"
#include "quillmark/shell/ScreenNames.h"
#include "quillmark/shell/Screens.h"
#include "quillmark/shell/XPButtonSite.h"
#include "quillmark/shell/mdlGlobal.h"

#include <QTest>

namespace quillmark::screenstest {

namespace {

const QStringList kAllScreens = {
    ScreenNames::dlgDataPath, ScreenNames::dlgCategories,      ScreenNames::dlgIncome,
    ScreenNames::dlgExpense,  ScreenNames::dlgReportsCriteria, ScreenNames::dlgReports,
    ScreenNames::dlgAbout,    ScreenNames::dlgCompanyInfo,     ScreenNames::dlgQuickLaunch};

QString openFile(Connection& connection) {
    return connection.State() == adStateClosed ? QStringLiteral("(closed)")
                                               : connection.DataSource();
}

} // namespace

DefaultBooksTest::DefaultBooksTest(bool openBooks) : folder(true) {
    registerAllScreens();
    if (openBooks) {
        Connection& security = deQuillmark::instance().connSecurity();
        security.setConnectionString(DataFile::connectionStringFor(folder.defaultDataFile()));
        security.Open();
        OpenDataConnections(folder.defaultDataFile());
    }
}

DefaultBooksTest::~DefaultBooksTest() {
    for (const QString& name : kAllScreens) {
        Screens::instance().Unload(name);
        Screens::instance().unregisterScreen(name);
    }
    test::flushDeletes();
    EXPECT_EQ(dialogs.unusedAnswers(), 0);
}

bool DefaultBooksTest::isLoaded(const QString& name) const {
    test::flushDeletes();
    return Screens::instance().isLoaded(name);
}

QString DefaultBooksTest::connections() const {
    deQuillmark& de = deQuillmark::instance();
    return openFile(de.connSys()) + QStringLiteral(" | ") + openFile(de.connReports()) +
           QStringLiteral(" | ") + openFile(de.connSecurity());
}

QString DefaultBooksTest::onCompany(const QString& path) const {
    return path + QStringLiteral(" | ") + path + QStringLiteral(" | ") + folder.defaultDataFile();
}

void clickButton(const Screen* screen, const QString& name) {
    QTest::mouseClick(screen->control<XPButtonSite>(name)->buttonWidget(), Qt::LeftButton);
}

void clickRow(DataGrid* grid, int row) {
    const QRect cell = grid->visualRect(grid->model()->index(row, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

QStringList storedCompanies() {
    QStringList rows;
    const std::unique_ptr<Recordset> rs = deQuillmark::instance().connSecurity().Execute(
        QStringLiteral("SELECT CompanyID, CompanyName, CompanyFilePath FROM CompanyFilePath "
                       "ORDER BY CompanyID"));
    for (; !rs->EOF(); rs->MoveNext()) {
        rows << QStringLiteral("%1|%2|%3")
                    .arg(rs->Fields(0).Value().toString(), rs->Fields(1).Value().toString(),
                         rs->Fields(2).Value().toString());
    }
    return rows;
}

std::string lines(const QStringList& list) {
    return list.join(QLatin1Char('\n')).toStdString();
}

} // namespace quillmark::screenstest
