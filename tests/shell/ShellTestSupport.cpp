#include "ShellTestSupport.h"

#include "quillmark/data/Connection.h"
#include "quillmark/data/DataFile.h"
#include "quillmark/data/Recordset.h"
#include "quillmark/data/deQuillmark.h"
#include "quillmark/shell/DataGrid.h"
#include "quillmark/shell/ScreenNames.h"
#include "quillmark/shell/Screens.h"
#include "quillmark/shell/XPButtonSite.h"
#include "quillmark/shell/dlgAbout.h"
#include "quillmark/shell/dlgDataPath.h"
#include "quillmark/shell/dlgQuickLaunch.h"
#include "quillmark/shell/mdlGlobal.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTest>

namespace quillmark::test {

FormData formFromJson(const char* json) {
    return FormData::fromJson(QByteArray(json), QStringLiteral("test"));
}

namespace {

FormData fakeForm(const QString& name) {
    FormData form;
    form.name = name;
    form.caption = name;
    form.width = 3000;
    form.height = 1500;
    return form;
}

} // namespace

FakeScreen::FakeScreen(const QString& name, QStringList* log)
    : Screen(fakeForm(name), nullptr), m_log(log) {}

void FakeScreen::Form_Load() {
    m_log->append(QStringLiteral("load ") + Name());
}

void FakeScreen::Form_Unload() {
    m_log->append(QStringLiteral("unload ") + Name());
}

FakeScreenFactories::FakeScreenFactories(const QStringList& names) : m_names(names) {
    for (const QString& name : names) {
        Screens::instance().registerScreen(name,
                                           [this, name] { return new FakeScreen(name, &log); });
    }
}

FakeScreenFactories::~FakeScreenFactories() {
    for (const QString& name : std::as_const(m_names)) {
        Screens::instance().Unload(name);
        Screens::instance().unregisterScreen(name);
    }
    flushDeletes();
}

TempProgramFolder::TempProgramFolder(bool withDefaultDataFile) {
    deQuillmark::resetInstance();
    setProgramFolder(m_dir.path());
    if (withDefaultDataFile) {
        DataFile::createCompanyFile(defaultDataFile(), true);
    }
}

TempProgramFolder::~TempProgramFolder() {
    deQuillmark::resetInstance();
    setProgramFolder(QString());
}

QString TempProgramFolder::defaultDataFile() const {
    return m_dir.filePath(QStringLiteral("vevodir.dat"));
}

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
    Screens& screens = Screens::instance();
    screens.registerScreen(ScreenNames::dlgDataPath, [] { return new dlgDataPath; });
    screens.registerScreen(ScreenNames::dlgQuickLaunch, [] { return new dlgQuickLaunch; });
    screens.registerScreen(ScreenNames::dlgAbout, [] { return new dlgAbout; });
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
    flushDeletes();
    EXPECT_EQ(dialogs.unusedAnswers(), 0);
}

bool DefaultBooksTest::isLoaded(const QString& name) const {
    flushDeletes();
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

} // namespace quillmark::test
