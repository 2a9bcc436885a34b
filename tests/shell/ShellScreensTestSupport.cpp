#include "ShellScreensTestSupport.h"

#include "quillmark/data/Connection.h"
#include "quillmark/data/DataFile.h"
#include "quillmark/data/Recordset.h"
#include "quillmark/data/deQuillmark.h"
#include "quillmark/shell/DataGrid.h"
#include "quillmark/shell/Screen.h"
#include "quillmark/shell/Screens.h"
#include "quillmark/shell/XPButtonSite.h"
#include "quillmark/shell/dlgAbout.h"
#include "quillmark/shell/dlgDataPath.h"
#include "quillmark/shell/dlgQuickLaunch.h"
#include "quillmark/shell/mdlGlobal.h"

#include <QTest>

#include <functional>

namespace quillmark::screenstest {

namespace {

Screens::Factory realFactory(const QString& name) {
    if (name == QLatin1String("dlgDataPath")) {
        return [] { return new dlgDataPath; };
    }
    if (name == QLatin1String("dlgQuickLaunch")) {
        return [] { return new dlgQuickLaunch; };
    }
    if (name == QLatin1String("dlgAbout")) {
        return [] { return new dlgAbout; };
    }
    ADD_FAILURE() << "No real screen " << name.toStdString();
    return {};
}

} // namespace

DefaultBooksTest::DefaultBooksTest() : folder(true) {
    deQuillmark& de = deQuillmark::instance();
    de.connSecurity().setConnectionString(DataFile::connectionStringFor(folder.defaultDataFile()));
    de.connSecurity().Open();
    OpenDataConnections(folder.defaultDataFile());
}

DefaultBooksTest::~DefaultBooksTest() {
    for (const QString& name : std::as_const(m_registered)) {
        Screens::instance().Unload(name);
        Screens::instance().unregisterScreen(name);
    }
    test::flushDeletes();
    EXPECT_EQ(dialogs.unusedAnswers(), 0);
}

void DefaultBooksTest::useRealScreens(const QStringList& names) {
    for (const QString& name : names) {
        Screens::instance().registerScreen(name, realFactory(name));
        m_registered << name;
    }
}

Screen* DefaultBooksTest::openScreen(const QString& name) {
    Screen* screen = Screens::instance().OpenScreen(name);
    EXPECT_NE(screen, nullptr) << name.toStdString();
    if (screen) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(screen));
    }
    return screen;
}

bool DefaultBooksTest::isLoaded(const QString& name) const {
    test::flushDeletes();
    return Screens::instance().isLoaded(name);
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

QStringList shownRows(const DataGrid* grid) {
    QStringList rows;
    const QAbstractItemModel* model = grid->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column) {
            cells << model->index(row, column).data().toString();
        }
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

QString openFile(Connection& connection) {
    return connection.State() == adStateClosed ? QStringLiteral("(closed)")
                                               : connection.DataSource();
}

std::string lines(const QStringList& list) {
    return list.join(QLatin1Char('\n')).toStdString();
}

} // namespace quillmark::screenstest
