// The data grid over a record set of a real company file.
#include "quillmark/shell/DataGrid.h"
#include "ShellTestSupport.h"
#include "common/FakeDialogs.h"
#include "quillmark/data/Connection.h"
#include "quillmark/data/Currency.h"
#include "quillmark/data/DataFile.h"
#include "quillmark/data/Recordset.h"
#include "quillmark/data/deQuillmark.h"
#include "quillmark/shell/mdlGlobal.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <gtest/gtest.h>

namespace quillmark {
namespace {

using test::TempProgramFolder;

// The income screen's columns: the result columns of cmdTransactions.
std::vector<DataGridColumn> incomeColumns() {
    auto column = [](const char* caption, const char* field, const char* format, bool visible) {
        DataGridColumn c;
        c.caption = QString::fromLatin1(caption);
        c.dataField = QString::fromLatin1(field);
        c.numberFormat = QString::fromLatin1(format);
        c.visible = visible;
        return c;
    };
    return {column("CatType", "CatType", "", false),
            column("TransactionID", "TransactionID", "", false),
            column("CategoryID", "CategoryID", "", false),
            column("Date", "TDate", "Short Date", true),
            column("Code", "CatCode", "", true),
            column("Category", "CatName", "", true),
            column("Description", "Description", "", true),
            column("Amount", "Credit", "Currency", true),
            column("Debit", "Debit", "", false)};
}

class DataGridTest : public ::testing::Test {
protected:
    DataGridTest() : folder(false) {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        path = dir.filePath(QStringLiteral("books.dat"));
        DataFile::createCompanyFile(path, false);
        OpenDataConnections(path);
        fees = addCategory(7, QStringLiteral("Fees"), QStringLiteral("INC"));
        rent = addCategory(1200, QStringLiteral("Rent"), QStringLiteral("EXP"));
        addEntry(fees, QStringLiteral("INC"), QDateTime(QDate(2024, 3, 5), QTime(18, 30)),
                 QStringLiteral("Consulting"), QStringLiteral("250"));
        addEntry(fees, QStringLiteral("INC"), QDateTime(QDate(2024, 1, 15), QTime(9, 0)),
                 QStringLiteral("Advice"), QStringLiteral("1234.5"));
        addEntry(rent, QStringLiteral("EXP"), QDateTime(QDate(2024, 2, 1), QTime(0, 0)),
                 QStringLiteral("Office"), QStringLiteral("800"));
        addEntry(fees, QStringLiteral("INC"), QDateTime(QDate(2024, 2, 20), QTime(12, 0)),
                 QStringLiteral("Workshop"), QStringLiteral("0.1"));

        grid.setObjectName(QStringLiteral("gridTrans"));
        grid.setColumns(incomeColumns());
        grid.resize(700, 300);
        tester = std::make_unique<QAbstractItemModelTester>(
            grid.model(), QAbstractItemModelTester::FailureReportingMode::Warning);
    }
    ~DataGridTest() override {
        tester.reset();
        QLocale::setDefault(QLocale::system());
    }

    Connection& conn() { return deQuillmark::instance().connSys(); }

    qint32 addCategory(int code, const QString& name, const QString& type) {
        Recordset rs;
        rs.Open(QStringLiteral("Categories"), &conn());
        rs.AddNew();
        rs.Fields(QStringLiteral("CatCode")).setValue(code);
        rs.Fields(QStringLiteral("CatName")).setValue(name);
        rs.Fields(QStringLiteral("CatType")).setValue(type);
        rs.Update();
        return rs.Fields(QStringLiteral("CategoryID")).Value().toInt();
    }

    void addEntry(qint32 category, const QString& type, const QDateTime& date,
                  const QString& description, const QString& amount) {
        Recordset rs;
        rs.Open(QStringLiteral("Transactions"), &conn());
        rs.AddNew();
        rs.Fields(QStringLiteral("CategoryID")).setValue(category);
        rs.Fields(QStringLiteral("CatType")).setValue(type);
        rs.Fields(QStringLiteral("TDate")).setValue(date);
        rs.Fields(QStringLiteral("Description")).setValue(description);
        rs.Fields(type == QLatin1String("INC") ? QStringLiteral("Credit") : QStringLiteral("Debit"))
            .setValue(amount);
        rs.Update();
    }

    Recordset& runIncome() {
        Recordset& rs = deQuillmark::instance().rscmdTransactions();
        if (rs.State() != 0) {
            rs.Close();
        }
        return deQuillmark::instance().cmdTransactions(QStringLiteral("INC"));
    }

    QStringList shownRows() const { return screentest::shownRows(&grid); }

    QPoint cellCentre(int row, int column) const {
        return grid.visualRect(grid.model()->index(row, column)).center();
    }

    FakeDialogs dialogs;
    TempProgramFolder folder;
    QTemporaryDir dir;
    QString path;
    qint32 fees = 0;
    qint32 rent = 0;
    DataGrid grid;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

TEST_F(DataGridTest, ShowsTheVisibleColumnsFormattedInTheRecordSetOrder) {
    grid.setDataSource(&runIncome());

    EXPECT_EQ(shownRows(), QStringList({
                               "1/15/24|007|Fees|Advice|$1,234.50",
                               "2/20/24|007|Fees|Workshop|$0.10",
                               "3/5/24|007|Fees|Consulting|$250.00",
                           }));
    QStringList headers;
    for (int c = 0; c < grid.model()->columnCount(); ++c) {
        if (!grid.isColumnHidden(c)) {
            headers << grid.model()->headerData(c, Qt::Horizontal).toString();
        }
    }
    EXPECT_EQ(headers, QStringList({"Date", "Code", "Category", "Description", "Amount"}));
    EXPECT_TRUE(dialogs.calls().empty());

    // Formats follow the user's locale.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    DataGrid german;
    german.setColumns(incomeColumns());
    german.setDataSource(&runIncome());
    EXPECT_EQ(german.model()->index(0, 3).data().toString(), QStringLiteral("15.01.24"));
    EXPECT_EQ(german.model()->index(0, 7).data().toString(), QStringLiteral("1.234,50\u00a0€"));
}

TEST_F(DataGridTest, RecordSetMovesAndBookmarksMoveTheGridAlsoAfterSort) {
    Recordset& rs = runIncome();
    grid.setDataSource(&rs);
    EXPECT_EQ(grid.currentIndex().row(), 0);
    rs.MoveLast();
    EXPECT_EQ(grid.currentIndex().row(), 2);
    rs.MovePrevious();
    const qint32 workshop = grid.Bookmark();
    EXPECT_GT(workshop, 0);

    rs.MoveFirst();
    grid.setBookmark(workshop);
    EXPECT_EQ(grid.currentIndex().row(), 1);
    EXPECT_EQ(grid.Columns(6).Value().toString(), QStringLiteral("Workshop"));

    rs.setSort(QStringLiteral("Description DESC")); // Workshop, Consulting, Advice
    grid.setBookmark(workshop);
    EXPECT_EQ(grid.currentIndex().row(), 0);
    EXPECT_EQ(shownRows().first(), QStringLiteral("2/20/24|007|Fees|Workshop|$0.10"));

    grid.setBookmark(0); // none: stays
    grid.setBookmark(-4);
    EXPECT_EQ(grid.Bookmark(), workshop);
    EXPECT_THROW(grid.setBookmark(999999), RuntimeError);
}

TEST_F(DataGridTest, ClicksAreRaisedAndColumnsGiveTheCurrentRowsValues) {
    grid.setDataSource(&runIncome());
    grid.show();
    QSignalSpy clicks(&grid, &DataGrid::Click);
    QSignalSpy doubleClicks(&grid, &DataGrid::DblClick);
    QSignalSpy headClicks(&grid, &DataGrid::HeadClick);

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCentre(1, 4));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(grid.DataSource()->AbsolutePosition(), 2);

    // A double-click: press and release, then the second press.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCentre(2, 6));
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cellCentre(2, 6));
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(doubleClicks.count(), 1);
    // Column values of the current row, hidden ones included.
    EXPECT_EQ(grid.currentIndex().row(), 2);
    EXPECT_EQ(grid.DataSource()->AbsolutePosition(), 3);
    EXPECT_EQ(grid.Columns(0).Value().toString(), QStringLiteral("INC"));
    EXPECT_EQ(grid.Columns(2).Value().toInt(), fees);
    EXPECT_EQ(grid.Columns(3).Value().toDateTime(), QDateTime(QDate(2024, 3, 5), QTime(18, 30)));
    EXPECT_EQ(grid.Columns(4).Value().toString(), QStringLiteral("007"));
    EXPECT_EQ(grid.Columns(6).Value().toString(), QStringLiteral("Consulting"));
    EXPECT_EQ(grid.Columns(7).Value().value<Currency>(), Currency::fromUnits(250));
    EXPECT_EQ(grid.Columns(8).Value().value<Currency>(), Currency());
    EXPECT_EQ(grid.Columns(7).Text(), QStringLiteral("$250.00"));
    EXPECT_THROW(grid.Columns(9), RuntimeError);

    QHeaderView* header = grid.horizontalHeader();
    const QPoint onDescription(header->sectionViewportPosition(6) + 5, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, onDescription);
    ASSERT_EQ(headClicks.count(), 1);
    EXPECT_EQ(headClicks.at(0).at(0).toInt(), 6);

    // No editing through the grid, by clicks, typing or F2.
    const QModelIndex cell = grid.model()->index(0, 6);
    EXPECT_FALSE(grid.model()->flags(cell) & Qt::ItemIsEditable);
    EXPECT_FALSE(grid.model()->setData(cell, QStringLiteral("changed")));
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cellCentre(0, 6));
    QTest::keyClicks(grid.viewport(), QStringLiteral("xyz"));
    QTest::keyClick(grid.viewport(), Qt::Key_F2);
    EXPECT_EQ(grid.findChild<QLineEdit*>(), nullptr) << "no editor opened";
    EXPECT_EQ(cell.data().toString(), QStringLiteral("Advice"));
    EXPECT_TRUE(dialogs.calls().empty());
}

TEST_F(DataGridTest, RowsAddedElsewhereShowAfterRequeryOrReBind) {
    Recordset& rs = runIncome();
    grid.setDataSource(&rs);
    ASSERT_EQ(grid.model()->rowCount(), 3);
    addEntry(fees, QStringLiteral("INC"), QDateTime(QDate(2025, 1, 1), QTime(8, 0)),
             QStringLiteral("New year"), QStringLiteral("5"));
    rs.Requery();
    EXPECT_EQ(shownRows().size(), 4);
    EXPECT_EQ(shownRows().last(), QStringLiteral("1/1/25|007|Fees|New year|$5.00"));

    addEntry(fees, QStringLiteral("INC"), QDateTime(QDate(2023, 12, 31), QTime(23, 59)),
             QStringLiteral("Year end"), QStringLiteral("10"));
    grid.setDataSource(&runIncome()); // the command run again, as the screens do
    grid.ReBind();
    EXPECT_EQ(shownRows().size(), 5);
    EXPECT_EQ(shownRows().first(), QStringLiteral("12/31/23|007|Fees|Year end|$10.00"));
    EXPECT_TRUE(grid.isColumnHidden(0)) << "hidden columns stay hidden";
    EXPECT_EQ(grid.currentIndex().row(), 0);
}

TEST_F(DataGridTest, ValueMapChangesTheShownTextOnly) {
    DataGridColumn type;
    type.caption = QStringLiteral("Type");
    type.dataField = QStringLiteral("CatType");
    type.valueMap = {{QStringLiteral("INC"), QStringLiteral("Income")},
                     {QStringLiteral("EXP"), QStringLiteral("Expense")}};
    DataGridColumn name;
    name.caption = QStringLiteral("Category");
    name.dataField = QStringLiteral("CatName");
    DataGridColumn fixed;
    fixed.caption = QStringLiteral("Fixed");
    fixed.dataField = QStringLiteral("Fixed");
    DataGrid categories;
    categories.setColumns({type, name, fixed});
    Recordset& rs = deQuillmark::instance().rscmdCategories();
    rs.setFilter(QStringLiteral("CatCode = 1200"));
    categories.setDataSource(&rs);

    ASSERT_EQ(categories.model()->rowCount(), 1);
    EXPECT_EQ(categories.model()->index(0, 0).data().toString(), QStringLiteral("Expense"));
    EXPECT_EQ(categories.model()->index(0, 2).data().toString(), QStringLiteral("False"));
    EXPECT_EQ(categories.Columns(0).Value().toString(), QStringLiteral("EXP"));
}

TEST_F(DataGridTest, EmptyOrUnboundGridHasNoCurrentRow) {
    EXPECT_EQ(grid.Bookmark(), 0);
    EXPECT_FALSE(grid.Columns(6).Value().isValid());
    Recordset& rs = deQuillmark::instance().cmdTransactions(QStringLiteral("XYZ"));
    grid.setDataSource(&rs);
    EXPECT_EQ(grid.model()->rowCount(), 0);
    EXPECT_EQ(grid.Bookmark(), 0);
    EXPECT_FALSE(grid.Columns(6).Value().isValid());
    rs.Close();
    EXPECT_EQ(grid.model()->rowCount(), 0);
}

TEST_F(DataGridTest, MillionRowsAreListedWithoutReadingThemAll) {
    tester.reset(); // the model tester walks every row
    const char* fill =
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000000) "
        "INSERT INTO Transactions (CategoryID, CatType, TDate, Description, Debit, Credit) "
        "SELECT ?1, 'INC', printf('2020-01-01 %02d:%02d:%02d', i / 3600 % 24, i / 60 % 60, i % "
        "60), "
        "'Entry ' || i, 0, 1.5 FROM n";
    sqlite3_stmt* statement = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(conn().handle(), fill, -1, &statement, nullptr), SQLITE_OK);
    sqlite3_bind_int(statement, 1, fees);
    ASSERT_EQ(sqlite3_step(statement), SQLITE_DONE);
    sqlite3_finalize(statement);

    Recordset& rs = runIncome();
    grid.setDataSource(&rs);
    grid.show();
    EXPECT_EQ(grid.model()->rowCount(), 1000003);
    EXPECT_EQ(grid.verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);

    rs.setAbsolutePosition(500000);
    EXPECT_EQ(grid.currentIndex().row(), 499999);
    const QModelIndex middle = grid.indexAt(grid.visualRect(grid.currentIndex()).center());
    EXPECT_EQ(middle.row(), 499999);
    EXPECT_FALSE(middle.siblingAtColumn(6).data().toString().isEmpty());
}

} // namespace
} // namespace quillmark
