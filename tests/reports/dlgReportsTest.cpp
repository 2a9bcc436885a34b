// The report chooser and the criteria screen: every way to the chooser, a
// criteria screen per kind that another kind replaces and the same kind
// brings back, its categories, dates and layout, and the checks before a
// report runs.
#include "reports/ReportsTestSupport.h"

#include "quillmark/reports/ReportPreview.h"
#include "quillmark/reports/dlgReports.h"
#include "quillmark/reports/dlgReportsCriteria.h"
#include "quillmark/shell/MdiClientArea.h"
#include "quillmark/shell/ScreenNames.h"
#include "quillmark/shell/Screens.h"
#include "quillmark/shell/Twips.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QRadioButton>

namespace quillmark::test {
namespace {

class ReportScreens : public ReportsTest {
protected:
    QListWidget* list() const { return criteria()->control<QListWidget>("lstCategory"); }
    QStringList listed() const {
        QStringList entries;
        for (int i = 0; i < list()->count(); ++i) {
            const QListWidgetItem* item = list()->item(i);
            entries << item->text() + (item->checkState() == Qt::Checked ? "[x]" : "[ ]");
        }
        return entries;
    }
    // Where the controls stand, as "name top" in twips, and which are shown.
    QStringList placement() const {
        QStringList places;
        for (const char* name : {"lstCategory", "cmdCheckAll", "dtFrom", "dtTo", "lblFrom", "lblTo",
                                 "fmeReportView", "lblReportView"}) {
            const QWidget* control = criteria()->controlWidget(name);
            places << QStringLiteral("%1 %2%3")
                          .arg(name)
                          .arg(pixelsToTwips(control->y()))
                          .arg(control->isVisibleTo(criteria()) ? "" : " hidden");
        }
        return places;
    }
};

// The menu, Ctrl+P and the quick launch panel open it as the shell tests show.
TEST_F(ReportScreens, TheEntryScreensOpenTheChooserBesideThem) {
    for (const QString& entryScreen : {ScreenNames::dlgIncome, ScreenNames::dlgExpense}) {
        Screen* entries = openScreen(entryScreen);
        clickButton(entries, "cmdReports");
        ASSERT_TRUE(isOpen(ScreenNames::dlgReports)) << entryScreen.toStdString();
        EXPECT_EQ(Screens::instance().find(ScreenNames::dlgReports)->subWindow()->pos(),
                  entries->subWindow()->pos() + QPoint(33, 33));
        Screens::instance().Unload(ScreenNames::dlgReports);
        Screens::instance().Unload(entryScreen);
    }
    EXPECT_EQ(messages(), "");
}

TEST_F(ReportScreens, AKindButtonOpensItsCriteriaScreenWithEveryCategoryChecked) {
    dlgReports* chooser = openChooser();
    EXPECT_EQ(chooser->Caption(), QStringLiteral("Reports View"));
    saveScreenshot(window, QStringLiteral("reports-chooser.png"));

    dlgReportsCriteria* income = chooseKind("cmdIncome");
    ASSERT_NE(income, nullptr);
    EXPECT_EQ(income->Caption(), QStringLiteral("Reports Criteria"));
    EXPECT_EQ(income->subWindow()->pos(), QPoint(33, 33));
    EXPECT_EQ(income->control<QLabel>("lblHeader")->text(), QStringLiteral("INCOME REPORT"));
    EXPECT_EQ(listed(), QStringList({"Fees[x]", "Sales[x]"}));
    EXPECT_TRUE(income->control<QRadioButton>("optDetail")->isChecked());
    EXPECT_TRUE(list()->hasFocus()) << "the first control has the focus";
    EXPECT_EQ(placement(),
              QStringList({"lstCategory 900", "cmdCheckAll 3180", "dtFrom 645", "dtTo 645",
                           "lblFrom 720", "lblTo 720", "fmeReportView 945", "lblReportView 1200"}));
    saveScreenshot(window, QStringLiteral("reports-criteria-income.png"));

    dlgReportsCriteria* expense = chooseKind("cmdExpense");
    EXPECT_EQ(expense->control<QLabel>("lblHeader")->text(), QStringLiteral("EXPENSE REPORT"));
    EXPECT_EQ(listed(), QStringList({"Rent[x]", "Stamps[x]"}));
    EXPECT_EQ(messages(), "");
}

TEST_F(ReportScreens, AnotherKindReplacesTheCriteriaScreenAndTheSameKindBringsItBack) {
    dlgReports* chooser = openChooser();
    dlgReportsCriteria* income = chooseKind("cmdIncome");
    list()->item(0)->setCheckState(Qt::Unchecked);

    // Given the income screen behind the chooser, Income brings it back as it was.
    Screens::instance().Show(chooser);
    EXPECT_EQ(chooseKind("cmdIncome"), income);
    EXPECT_EQ(window.clientArea()->activeSubWindow(), income->subWindow());
    EXPECT_EQ(listed(), QStringList({"Fees[ ]", "Sales[x]"}));

    // Profit/Loss replaces it: no list, and the dates and view 1000 twips lower.
    dlgReportsCriteria* profitLoss = chooseKind("cmdProfitLoss");
    EXPECT_NE(profitLoss, income);
    EXPECT_EQ(profitLoss->control<QLabel>("lblHeader")->text(),
              QStringLiteral("PROFIT/LOSS REPORT"));
    EXPECT_EQ(placement(), QStringList({"lstCategory 900 hidden", "cmdCheckAll 3180 hidden",
                                        "dtFrom 1650", "dtTo 1650", "lblFrom 1725", "lblTo 1725",
                                        "fmeReportView 1950", "lblReportView 2205"}));
    EXPECT_TRUE(profitLoss->controlWidget("dtFrom")->hasFocus());
    EXPECT_EQ(chooseKind("cmdProfitLoss"), profitLoss);
    saveScreenshot(window, QStringLiteral("reports-criteria-profitloss.png"));

    // Esc or its window's close box closes the criteria screen; the chooser
    // then opens a fresh one of any kind.
    typeKey(Qt::Key_Escape);
    EXPECT_EQ(criteria(), nullptr);
    ASSERT_NE(chooseKind("cmdProfitLoss"), nullptr);
    criteria()->subWindow()->close();
    EXPECT_EQ(criteria(), nullptr);
    EXPECT_NE(chooseKind("cmdProfitLoss"), nullptr);

    // The chooser's Close closes both.
    clickButton(chooser, "cmdClose");
    EXPECT_FALSE(isOpen(ScreenNames::dlgReportsCriteria));
    EXPECT_FALSE(isOpen(ScreenNames::dlgReports));
    EXPECT_EQ(messages(), "");
}

TEST_F(ReportScreens, CheckAllUncheckAllAndSpaceChooseTheCategoriesInListOrder) {
    // Listed by code, so between Fees and Sales.
    const int interest = addCategory(15, "Interest", "INC");
    const QString fees = QString::number(categoryId("Fees"));
    const QString sales = QString::number(categoryId("Sales"));
    const QString all = QStringLiteral("%1,%2,%3").arg(fees).arg(interest).arg(sales);
    openChooser();
    dlgReportsCriteria* income = chooseKind("cmdIncome");
    EXPECT_EQ(income->GetSelectedCategoryIDs(), all);

    clickButton(income, "cmdUncheckAll");
    EXPECT_EQ(income->GetSelectedCategoryIDs(), QString());
    EXPECT_EQ(list()->currentRow(), 0);

    list()->setFocus();
    typeKey(Qt::Key_Space);
    typeKey(Qt::Key_Down);
    typeKey(Qt::Key_Down);
    typeKey(Qt::Key_Space);
    EXPECT_EQ(listed(), QStringList({"Fees[x]", "Interest[ ]", "Sales[x]"}));
    EXPECT_EQ(income->GetSelectedCategoryIDs(), fees + ',' + sales);

    clickButton(income, "cmdCheckAll");
    EXPECT_EQ(income->GetSelectedCategoryIDs(), all);
}

TEST_F(ReportScreens, NothingRunsWithoutACategoryOrAView) {
    openChooser();
    dlgReportsCriteria* income = chooseKind("cmdIncome");
    clickButton(income, "cmdUncheckAll");
    clickButton(income, "cmdView");
    clickButton(income, "cmdExport");
    clickButton(income, "cmdCheckAll");
    for (const char* option : {"optDetail", "optSummary"}) {
        auto* button = income->control<QRadioButton>(option);
        button->setAutoExclusive(false);
        button->setChecked(false);
    }
    clickButton(income, "cmdView");

    // A kind without categories of its own lists none and refuses as well.
    execute("DELETE * FROM CATEGORIES WHERE CATTYPE='EXP'");
    dlgReportsCriteria* expense = chooseKind("cmdExpense");
    EXPECT_EQ(list()->count(), 0);
    clickButton(expense, "cmdExport");

    EXPECT_EQ(messages(),
              "msgbox info ok [Quillmark] Please select at least one category to view the report.\n"
              "msgbox info ok [Quillmark] Please select at least one category to export the "
              "report.\n"
              "msgbox info ok [Quillmark] Please select a report view.\n"
              "msgbox info ok [Quillmark] Please select at least one category to export the "
              "report.");
    EXPECT_EQ(ReportPreview::find("arIncome"), nullptr);
    EXPECT_TRUE(QDir(documents()).isEmpty());
}

} // namespace
} // namespace quillmark::test
