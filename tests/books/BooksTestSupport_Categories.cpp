#include "BooksTestSupport_Categories.h"

#include "quillmark/books/dlgCategories.h"
#include "quillmark/books/dlgCompanyInfo.h"
#include "quillmark/data/Connection.h"
#include "quillmark/data/DataFile.h"
#include "quillmark/data/Recordset.h"
#include "quillmark/data/deQuillmark.h"
#include "quillmark/shell/DataGrid.h"
#include "quillmark/shell/Screens.h"
#include "quillmark/shell/XPButtonSite.h"
#include "quillmark/shell/mdlGlobal.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHeaderView>
#include <QTest>

namespace quillmark::cattest {

namespace {

const QStringList kScreenNames = {QStringLiteral("dlgCategories"),
                                  QStringLiteral("dlgCompanyInfo")};

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

void CompanyFileTest::SetUp() {
    ASSERT_TRUE(dir.isValid());
    deQuillmark::resetInstance();
    setProgramFolder(dir.path());
    path = dir.filePath(QStringLiteral("books.dat"));
    DataFile::createCompanyFile(path, false);
    dialogs = std::make_unique<FakeDialogs>();
    OpenDataConnections(path);
    ASSERT_EQ(connSys().State(), adStateOpen) << lines(dialogs->dump());
    Screens::instance().registerScreen(kScreenNames[0], [] { return new dlgCategories; });
    Screens::instance().registerScreen(kScreenNames[1], [] { return new dlgCompanyInfo; });
}

void CompanyFileTest::TearDown() {
    for (const QString& name : kScreenNames) {
        Screens::instance().Unload(name);
        Screens::instance().unregisterScreen(name);
    }
    flushDeletes();
    EXPECT_EQ(dialogs->unusedAnswers(), 0);
    dialogs.reset();
    deQuillmark::resetInstance();
    setProgramFolder(QString());
}

Connection& CompanyFileTest::connSys() {
    return deQuillmark::instance().connSys();
}

Screen* CompanyFileTest::openScreenNamed(const QString& name) {
    Screen* screen = Screens::instance().OpenScreen(name, 500, 100);
    if (screen) {
        screen->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(screen));
    }
    return screen;
}

bool CompanyFileTest::isOpen(const QString& name) const {
    flushDeletes();
    return Screens::instance().isLoaded(name);
}

long CompanyFileTest::execute(const QString& statement) {
    long affected = 0;
    connSys().Execute(statement, &affected);
    return affected;
}

void clickButton(const Screen* screen, const QString& name) {
    auto* site = screen->control<XPButtonSite>(name);
    QTest::mouseClick(site->buttonWidget(), Qt::LeftButton);
}

bool buttonEnabled(const Screen* screen, const QString& name) {
    return screen->control<XPButtonSite>(name)->Enabled();
}

QString enabledButtons(const Screen* screen, const QStringList& names) {
    QStringList enabled;
    for (const QString& name : names) {
        if (buttonEnabled(screen, name)) {
            enabled << name.mid(3);
        }
    }
    return enabled.join(QLatin1Char(' '));
}

QStringList storedCategories(Connection& connection) {
    QStringList rows;
    const std::unique_ptr<Recordset> rs = connection.Execute(
        QStringLiteral("SELECT CatCode, CatName, CatType, Fixed FROM Categories ORDER BY CatCode"));
    for (; !rs->EOF(); rs->MoveNext()) {
        rows << QStringLiteral("%1|%2|%3|%4")
                    .arg(rs->Fields(0).Value().toString(), rs->Fields(1).Value().toString(),
                         rs->Fields(2).Value().toString(),
                         rs->Fields(3).Value().toBool() ? QStringLiteral("1")
                                                        : QStringLiteral("0"));
    }
    return rows;
}

std::string storedCategory(Connection& connection, int code) {
    const QString prefix = QString::number(code) + QLatin1Char('|');
    for (const QString& row : storedCategories(connection)) {
        if (row.startsWith(prefix)) {
            return row.toStdString();
        }
    }
    return "(none)";
}

int addCategory(Connection& connection, int code, const QString& name, const QString& type) {
    Recordset rs;
    rs.Open(QStringLiteral("Categories"), &connection);
    rs.AddNew();
    rs.Fields(QStringLiteral("CatCode")).setValue(code);
    rs.Fields(QStringLiteral("CatName")).setValue(name);
    rs.Fields(QStringLiteral("CatType")).setValue(type);
    rs.Update();
    return rs.Fields(QStringLiteral("CategoryID")).Value().toInt();
}

void addIncomeEntry(Connection& connection, int categoryId) {
    Recordset rs;
    rs.Open(QStringLiteral("Transactions"), &connection);
    rs.AddNew();
    rs.Fields(QStringLiteral("CategoryID")).setValue(categoryId);
    rs.Fields(QStringLiteral("CatType")).setValue(QStringLiteral("INC"));
    rs.Fields(QStringLiteral("TDate")).setValue(QDateTime(QDate(2024, 3, 5), QTime(9, 0)));
    rs.Fields(QStringLiteral("Description")).setValue(QStringLiteral("Consulting"));
    rs.Fields(QStringLiteral("Credit")).setValue(QStringLiteral("250"));
    rs.Update();
}

namespace {

QString rowShown(const DataGrid* grid, int row) {
    QStringList cells;
    const QAbstractItemModel* model = grid->model();
    for (int column = 0; column < model->columnCount(); ++column) {
        if (!grid->isColumnHidden(column)) {
            cells << model->data(model->index(row, column)).toString();
        }
    }
    return cells.join(QLatin1Char('|'));
}

QPoint cellCentre(const DataGrid* grid, int row) {
    const QModelIndex index = grid->model()->index(row, 3);
    return grid->visualRect(index).center();
}

} // namespace

QStringList shownRows(const DataGrid* grid) {
    QStringList rows;
    for (int row = 0; row < grid->model()->rowCount(); ++row) {
        rows << rowShown(grid, row);
    }
    return rows;
}

int rowShowingCode(const DataGrid* grid, int code) {
    const QAbstractItemModel* model = grid->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->data(model->index(row, 2)).toString() == QString::number(code)) {
            return row;
        }
    }
    return -1;
}

std::string currentRowShown(const DataGrid* grid) {
    const QModelIndex current = grid->currentIndex();
    return current.isValid() ? rowShown(grid, current.row()).toStdString() : "(none)";
}

void clickRow(DataGrid* grid, int row) {
    grid->scrollTo(grid->model()->index(row, 3));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, row));
}

void doubleClickRow(DataGrid* grid, int row) {
    // A double-click: press and release, then the second press.
    clickRow(grid, row);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, row));
}

void clickHeader(DataGrid* grid, int column) {
    QHeaderView* header = grid->horizontalHeader();
    const QPoint centre(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
}

std::string lines(const QStringList& list) {
    return list.join(QLatin1Char('\n')).toStdString();
}

} // namespace quillmark::cattest
