#include "common/ScreenTestSupport.h"

#include "quillmark/data/Connection.h"
#include "quillmark/data/DataFile.h"
#include "quillmark/data/Recordset.h"
#include "quillmark/data/deQuillmark.h"
#include "quillmark/shell/Screens.h"
#include "quillmark/shell/XPButtonSite.h"
#include "quillmark/shell/mdlGlobal.h"

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLocale>
#include <QTest>

namespace quillmark::test {

std::string lines(const QStringList& list) {
    return list.join(QLatin1Char('\n')).toStdString();
}

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void clickButton(const Screen* screen, const QString& name) {
    QTest::mouseClick(screen->control<XPButtonSite>(name)->buttonWidget(), Qt::LeftButton);
}

QString enabledButtons(const Screen* screen, const QStringList& names) {
    QStringList enabled;
    for (const QString& name : names) {
        if (screen->control<XPButtonSite>(name)->Enabled()) {
            enabled << name.mid(3);
        }
    }
    return enabled.join(QLatin1Char(' '));
}

QString rowShown(const DataGrid* grid, int row) {
    QStringList cells;
    const QAbstractItemModel* model = grid->model();
    for (int column = 0; column < model->columnCount(); ++column) {
        if (!grid->isColumnHidden(column)) {
            cells << model->index(row, column).data().toString();
        }
    }
    return cells.join(QLatin1Char('|'));
}

QStringList shownRows(const DataGrid* grid) {
    QStringList rows;
    for (int row = 0; row < grid->model()->rowCount(); ++row) {
        rows << rowShown(grid, row);
    }
    return rows;
}

QString currentRowShown(const DataGrid* grid) {
    const QModelIndex current = grid->currentIndex();
    return current.isValid() ? rowShown(grid, current.row()) : QStringLiteral("(none)");
}

namespace {

// The centre of the row's last visible cell, scrolled into view.
QPoint cellCentre(DataGrid* grid, int row) {
    int column = grid->model()->columnCount() - 1;
    while (column > 0 && grid->isColumnHidden(column)) {
        --column;
    }
    const QModelIndex index = grid->model()->index(row, column);
    grid->scrollTo(index);
    return grid->visualRect(index).center();
}

} // namespace

void clickRow(DataGrid* grid, int row) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, row));
}

void doubleClickRow(DataGrid* grid, int row) {
    // A double-click: press and release, then the second press.
    clickRow(grid, row);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, row));
}

void clickHeader(DataGrid* grid, int column) {
    QHeaderView* header = grid->horizontalHeader();
    const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
}

QWidget* keyboardReceiver() {
    if (QWidget* popup = QApplication::activePopupWidget()) {
        return popup->focusWidget() ? popup->focusWidget() : popup;
    }
    return QApplication::focusWidget();
}

void typeKey(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* receiver = keyboardReceiver();
    ASSERT_NE(receiver, nullptr) << "no widget has the keyboard";
    QTest::keyClick(receiver, key, modifiers);
}

void typeText(const QString& text) {
    for (const QChar ch : text) {
        QWidget* receiver = keyboardReceiver();
        ASSERT_NE(receiver, nullptr) << "no widget has the keyboard";
        QTest::keyClick(receiver, ch.toLatin1());
    }
}

BooksTest::BooksTest(bool openBooks) : m_savedDataHome(qgetenv("XDG_DATA_HOME")) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    // Never the folder of the test program, which may hold books of its own.
    setProgramFolder(home.filePath(QStringLiteral("program")));
    deQuillmark::resetInstance();
    QDir().mkpath(UserDataFolder());
    DataFile::createCompanyFile(defaultBooks(), true);
    registerTestedScreens();
    if (openBooks) {
        Connection& security = deQuillmark::instance().connSecurity();
        security.setConnectionString(DataFile::connectionStringFor(defaultBooks()));
        security.Open();
        OpenDataConnections(defaultBooks());
    }
    window.resize(1000, 700);
    window.show();
    QApplication::setActiveWindow(&window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

BooksTest::~BooksTest() {
    for (const QString& name : Screens::instance().loadedNames()) {
        Screens::instance().Unload(name);
    }
    flushDeletes();
    EXPECT_EQ(dialogs.unusedAnswers(), 0);
    deQuillmark::resetInstance();
    qputenv("XDG_DATA_HOME", m_savedDataHome);
    setProgramFolder(QString());
    QLocale::setDefault(QLocale::system());
}

QString BooksTest::defaultBooks() const {
    return UserDataFolder() + QStringLiteral("/vevodir.dat");
}

QString BooksTest::companyFile(const QString& fileName) const {
    const QString path = UserDataFolder() + QLatin1Char('/') + fileName;
    DataFile::createCompanyFile(path, false);
    return path;
}

Connection& BooksTest::connSys() const {
    return deQuillmark::instance().connSys();
}

long BooksTest::execute(const QString& statement) const {
    long affected = 0;
    connSys().Execute(statement, &affected);
    return affected;
}

int BooksTest::addCategory(int code, const QString& name, const QString& type) const {
    Recordset rs;
    rs.Open(QStringLiteral("Categories"), &connSys());
    rs.AddNew();
    rs.Fields(QStringLiteral("CatCode")).setValue(code);
    rs.Fields(QStringLiteral("CatName")).setValue(name);
    rs.Fields(QStringLiteral("CatType")).setValue(type);
    rs.Update();
    return rs.Fields(QStringLiteral("CategoryID")).Value().toInt();
}

int BooksTest::addEntry(int categoryId, const QString& type, const QDateTime& date,
                        const QString& description, const QString& amount) const {
    Recordset rs;
    rs.Open(QStringLiteral("Transactions"), &connSys());
    rs.AddNew();
    rs.Fields(QStringLiteral("CategoryID")).setValue(categoryId);
    rs.Fields(QStringLiteral("CatType")).setValue(type);
    rs.Fields(QStringLiteral("TDate")).setValue(date);
    rs.Fields(QStringLiteral("Description")).setValue(description);
    const bool income = type == QLatin1String("INC");
    rs.Fields(QStringLiteral("Credit")).setValue(income ? amount : QStringLiteral("0"));
    rs.Fields(QStringLiteral("Debit")).setValue(income ? QStringLiteral("0") : amount);
    rs.Update();
    return rs.Fields(QStringLiteral("TransactionID")).Value().toInt();
}

QStringList BooksTest::query(const QString& select) const {
    QStringList rows;
    const std::unique_ptr<Recordset> rs = connSys().Execute(select);
    for (; !rs->EOF(); rs->MoveNext()) {
        QStringList fields;
        for (int i = 0; i < rs->fieldCount(); ++i) {
            const QVariant value = rs->Fields(i).Value();
            fields << (value.metaType().id() == QMetaType::Bool ? QString::number(value.toBool())
                                                                : value.toString());
        }
        rows << fields.join(QLatin1Char('|'));
    }
    return rows;
}

namespace {

QString openFile(Connection& connection) {
    return connection.State() == adStateClosed ? QStringLiteral("(closed)")
                                               : connection.DataSource();
}

} // namespace

QString BooksTest::connections() const {
    deQuillmark& de = deQuillmark::instance();
    return openFile(de.connSys()) + QStringLiteral(" | ") + openFile(de.connReports()) +
           QStringLiteral(" | ") + openFile(de.connSecurity());
}

QString BooksTest::onCompany(const QString& path) const {
    return path + QStringLiteral(" | ") + path + QStringLiteral(" | ") + defaultBooks();
}

Screen* BooksTest::openScreen(const QString& name) {
    return Screens::instance().OpenScreen(name, 500, 100);
}

bool BooksTest::isOpen(const QString& name) const {
    flushDeletes();
    return Screens::instance().isLoaded(name);
}

} // namespace quillmark::test
