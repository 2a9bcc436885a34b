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

#include <gtest/gtest.h>

namespace quillmark::test {
namespace {

// The income screen's columns, as its form defines them.
std::vector<DataGridColumn> incomeColumns() {
    const FormData form = FormData::load(QStringLiteral("dlgIncome"));
    return DataGridColumn::listFromJson(
        form.find(QStringLiteral("gridTrans"))->properties.value(QStringLiteral("columns")));
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

    int fees = 0;
    DataGrid grid;
    QAbstractItemModelTester tester{grid.model(),
                                    QAbstractItemModelTester::FailureReportingMode::Warning};
};

// The screens edit in their own boxes: the grid takes no typing.
TEST_F(DataGridTest, ShowsTheVisibleColumnsFittedInTheUsersLocaleTakesNoEditsAndMarksTheSort) {
    addEntry(fees, "INC", QDateTime(QDate(2024, 12, 10), QTime(9, 0)), "Two-digit days",
             "1234567.89");
    Recordset& rs = runIncome();
    grid.setDataSource(&rs);
    grid.show();
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {},
                       grid.visualRect(grid.model()->index(0, 6)).center());
    QTest::keyClicks(grid.viewport(), QStringLiteral("xyz"));
    QTest::keyClick(grid.viewport(), Qt::Key_F2);
    EXPECT_EQ(grid.findChild<QLineEdit*>(), nullptr) << "no editor opened";
    EXPECT_FALSE(grid.model()->setData(grid.model()->index(0, 6), QStringLiteral("changed")));
    EXPECT_EQ(lines(shownRows(&grid)),
              lines({"1/15/24|007|Fees|Advice|$1,234.50", "2/20/24|007|Fees|Workshop|$0.10",
                     "3/5/24|007|Fees|Consulting|$250.00",
                     "12/10/24|007|Fees|Two-digit days|$1,234,567.89"}));
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

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    DataGrid german;
    german.setColumns(incomeColumns());
    german.setDataSource(&runIncome());
    EXPECT_EQ(rowShown(&german, 0), QStringLiteral("15.01.24|007|Fees|Advice|1.234,50\u00a0€"));
}

TEST_F(DataGridTest, AMillionRowsAreListedWithoutReadingThemAll) {
    execute(QStringLiteral("INSERT INTO Transactions (CategoryID, CatType, TDate, Description, "
                           "Debit, Credit) WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + "
                           "1 FROM n WHERE i < 1000000) SELECT %1, 'INC', '2020-01-01 00:00:00', "
                           "'Entry ' || i, 0, 1.5 FROM n")
                .arg(fees));
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
