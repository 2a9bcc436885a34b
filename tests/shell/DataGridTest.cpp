// The data grid over the record sets of a real company file.
#include "quillmark/shell/DataGrid.h"
#include "ShellTestSupport.h"
#include "quillmark/data/Connection.h"
#include "quillmark/data/Recordset.h"
#include "quillmark/data/deQuillmark.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>

#include <sqlite3.h>

#include <gtest/gtest.h>

namespace quillmark::test {
namespace {

// The income screen's columns: the result columns of cmdTransactions.
std::vector<DataGridColumn> incomeColumns() {
    std::vector<DataGridColumn> columns;
    const char* const fields[] = {"CatType", "TransactionID", "CategoryID", "TDate", "CatCode",
                                  "CatName", "Description",   "Credit",     "Debit"};
    for (const char* field : fields) {
        DataGridColumn column;
        column.caption = column.dataField = QString::fromLatin1(field);
        columns.push_back(column);
    }
    for (const int hidden : {0, 1, 2, 8}) {
        columns[hidden].visible = false;
    }
    columns[3].numberFormat = QStringLiteral("Short Date");
    columns[7].numberFormat = QStringLiteral("Currency");
    return columns;
}

class DataGridTest : public BooksTest {
protected:
    DataGridTest() {
        fees = addCategory(7, "Fees", "INC");
        const int rent = addCategory(1200, "Rent", "EXP");
        addEntry(fees, "INC", QDateTime(QDate(2024, 3, 5), QTime(18, 30)), "Consulting", "250");
        addEntry(fees, "INC", QDateTime(QDate(2024, 1, 15), QTime(9, 0)), "Advice", "1234.5");
        addEntry(rent, "EXP", QDateTime(QDate(2024, 2, 1), QTime(0, 0)), "Office", "800");
        addEntry(fees, "INC", QDateTime(QDate(2024, 2, 20), QTime(12, 0)), "Workshop", "0.1");
        grid.setColumns(incomeColumns());
        grid.resize(700, 300);
    }

    Recordset& runIncome() {
        Recordset& rs = deQuillmark::instance().rscmdTransactions();
        if (rs.State() != adStateClosed) {
            rs.Close();
        }
        return deQuillmark::instance().cmdTransactions(QStringLiteral("INC"));
    }
    QPoint cellCentre(int row, int column) const {
        return grid.visualRect(grid.model()->index(row, column)).center();
    }

    int fees = 0;
    DataGrid grid;
    QAbstractItemModelTester tester{grid.model(),
                                    QAbstractItemModelTester::FailureReportingMode::Warning};
};

// The screens edit in their own boxes: the grid takes no typing.
TEST_F(DataGridTest, ShowsTheVisibleColumnsInTheUsersLocaleAndTakesNoEdits) {
    grid.setDataSource(&runIncome());
    grid.show();
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cellCentre(0, 6));
    QTest::keyClicks(grid.viewport(), QStringLiteral("xyz"));
    QTest::keyClick(grid.viewport(), Qt::Key_F2);
    EXPECT_EQ(grid.findChild<QLineEdit*>(), nullptr) << "no editor opened";
    EXPECT_FALSE(grid.model()->setData(grid.model()->index(0, 6), QStringLiteral("changed")));
    EXPECT_EQ(lines(shownRows(&grid)),
              lines({"1/15/24|007|Fees|Advice|$1,234.50", "2/20/24|007|Fees|Workshop|$0.10",
                     "3/5/24|007|Fees|Consulting|$250.00"}));
    EXPECT_EQ(grid.model()->headerData(6, Qt::Horizontal).toString(),
              QStringLiteral("Description"));

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    DataGrid german;
    german.setColumns(incomeColumns());
    german.setDataSource(&runIncome());
    EXPECT_EQ(rowShown(&german, 0), QStringLiteral("15.01.24|007|Fees|Advice|1.234,50\u00a0€"));
}

TEST_F(DataGridTest, ColumnsFitTheirTextAndTheHeaderMarksTheRecordSetsSort) {
    addEntry(fees, "INC", QDateTime(QDate(2024, 12, 10), QTime(9, 0)), "Two-digit days",
             "1234567.89");
    Recordset& rs = runIncome();
    grid.setDataSource(&rs);
    grid.show();
    QStyleOptionViewItem option;
    option.initFrom(&grid);
    for (int column = 3; column < 7; ++column) { // the last column fills the rest
        for (int row = -1; row < grid.model()->rowCount(); ++row) {
            const int wanted = row < 0 ? grid.horizontalHeader()->sectionSizeHint(column)
                                       : grid.itemDelegate()
                                             ->sizeHint(option, grid.model()->index(row, column))
                                             .width();
            EXPECT_GE(grid.columnWidth(column), wanted) << column << " " << row;
        }
    }

    QHeaderView* header = grid.horizontalHeader();
    clickHeader(&grid, 3); // nothing sorts on this click: no arrow
    EXPECT_EQ(header->sortIndicatorSection(), -1);
    rs.setSort(QStringLiteral("Description DESC"));
    EXPECT_EQ(header->sortIndicatorSection(), 6);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    rs.setSort(QStringLiteral("TDate ASC"));
    EXPECT_EQ(header->sortIndicatorSection(), 3);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
}

TEST_F(DataGridTest, AMillionRowsAreListedWithoutReadingThemAll) {
    const char* fill =
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000000) "
        "INSERT INTO Transactions (CategoryID, CatType, TDate, Description, Debit, Credit) "
        "SELECT ?1, 'INC', printf('2020-01-01 %02d:%02d:%02d', i / 3600 % 24, i / 60 % 60, "
        "i % 60), 'Entry ' || i, 0, 15000 FROM n"; // 1.50 in the file's ten-thousandths
    sqlite3_stmt* statement = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(connSys().handle(), fill, -1, &statement, nullptr), SQLITE_OK);
    sqlite3_bind_int(statement, 1, fees);
    ASSERT_EQ(sqlite3_step(statement), SQLITE_DONE);
    sqlite3_finalize(statement);

    DataGrid big; // the model tester would walk every row
    big.setColumns(incomeColumns());
    Recordset& rs = runIncome();
    big.setDataSource(&rs);
    big.show();
    EXPECT_EQ(big.model()->rowCount(), 1000003);
    rs.setAbsolutePosition(500000);
    const QModelIndex middle = big.indexAt(big.visualRect(big.currentIndex()).center());
    EXPECT_EQ(middle.row(), 499999);
    EXPECT_FALSE(middle.siblingAtColumn(6).data().toString().isEmpty());
}

} // namespace
} // namespace quillmark::test
