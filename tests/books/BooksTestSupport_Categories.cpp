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
#include <QHeaderView>
#include <QTest>

namespace quillmark::cattest {

namespace {

const QStringList kScreenNames = {QStringLiteral("dlgCategories"),
                                  QStringLiteral("dlgCompanyInfo")};

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString shownText(const QVariant& value) {
    if (value.isNull()) {
        return QStringLiteral("<null>");
    }
    if (value.metaType().id() == QMetaType::Bool) {
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    }
    return value.toString();
}

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

QPoint cellCentre(DataGrid* grid, int row) {
    const QModelIndex index = grid->model()->index(row, 3);
    grid->scrollTo(index);
    return grid->visualRect(index).center();
}

} // namespace

void CompanyFileTest::SetUp() {
    ASSERT_TRUE(dir.isValid());
    deQuillmark::resetInstance();
    setProgramFolder(dir.path());
    const QString path = dir.filePath(QStringLiteral("books.dat"));
    DataFile::createCompanyFile(path, false);
    dialogs = std::make_unique<FakeDialogs>();
    OpenDataConnections(path);
    ASSERT_EQ(connSys().State(), adStateOpen) << messages();
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

Screen* CompanyFileTest::openScreen(const QString& name) {
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

void CompanyFileTest::execute(const QString& statement) {
    connSys().Execute(statement);
}

QStringList CompanyFileTest::query(const QString& select) {
    QStringList rows;
    const std::unique_ptr<Recordset> rs = connSys().Execute(select);
    for (; !rs->EOF(); rs->MoveNext()) {
        QStringList fields;
        for (int i = 0; i < rs->fieldCount(); ++i) {
            fields << shownText(rs->Fields(i).Value());
        }
        rows << fields.join(QLatin1Char('|'));
    }
    return rows;
}

std::string CompanyFileTest::messages() const {
    return lines(dialogs->dump());
}

void clickButton(const Screen* screen, const QString& name) {
    QTest::mouseClick(screen->control<XPButtonSite>(name)->buttonWidget(), Qt::LeftButton);
}

std::string enabledButtons(const Screen* screen, const QStringList& names) {
    QStringList enabled;
    for (const QString& name : names) {
        if (screen->control<XPButtonSite>(name)->Enabled()) {
            enabled << name.mid(3);
        }
    }
    return enabled.join(QLatin1Char(' ')).toStdString();
}

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
