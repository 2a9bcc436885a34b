#include "quillmark/reports/dlgReports.h"

#include "quillmark/reports/dlgReportsCriteria.h"
#include "quillmark/shell/ErrorTrap.h"
#include "quillmark/shell/ScreenNames.h"
#include "quillmark/shell/Screens.h"
#include "quillmark/shell/XPButtonSite.h"

namespace quillmark {

namespace {

// Where the chooser puts the criteria screen, in twips.
constexpr int kCriteriaLeft = 500;
constexpr int kCriteriaTop = 500;

} // namespace

dlgReports::dlgReports(QWidget* parent)
    : Screen(QStringLiteral("dlgReports"), parent),
      cmdIncome(control<XPButtonSite>(QStringLiteral("cmdIncome"))),
      cmdExpense(control<XPButtonSite>(QStringLiteral("cmdExpense"))),
      cmdProfitLoss(control<XPButtonSite>(QStringLiteral("cmdProfitLoss"))),
      cmdClose(control<XPButtonSite>(QStringLiteral("cmdClose"))) {
    connect(cmdIncome, &XPButtonSite::Click, this, &dlgReports::cmdIncome_Click);
    connect(cmdExpense, &XPButtonSite::Click, this, &dlgReports::cmdExpense_Click);
    connect(cmdProfitLoss, &XPButtonSite::Click, this, &dlgReports::cmdProfitLoss_Click);
    connect(cmdClose, &XPButtonSite::Click, this, &dlgReports::cmdClose_Click);
}

dlgReports::~dlgReports() = default;

void dlgReports::cmdIncome_Click() {
    OpenCriteria(QStringLiteral("INC"));
}

void dlgReports::cmdExpense_Click() {
    OpenCriteria(QStringLiteral("EXP"));
}

void dlgReports::cmdProfitLoss_Click() {
    OpenCriteria(QStringLiteral("P\\L"));
}

// A criteria screen serves one kind for its whole life: another kind
// replaces it with a fresh one, the same kind only brings it to the front
// with the user's choices kept.
void dlgReports::OpenCriteria(const QString& kind) {
    trapErrors([&] {
        Screens& screens = Screens::instance();
        Screen* open = screens.find(ScreenNames::dlgReportsCriteria);
        if (open && sReportView == kind) {
            screens.Show(open);
            return;
        }
        screens.Unload(ScreenNames::dlgReportsCriteria);
        auto* criteria =
            qobject_cast<dlgReportsCriteria*>(screens.Load(ScreenNames::dlgReportsCriteria));
        if (!criteria) {
            return;
        }
        criteria->setLeft(kCriteriaLeft);
        criteria->setTop(kCriteriaTop);
        criteria->setCategoryList(kind);
        screens.Show(criteria);
        sReportView = kind;
    });
}

void dlgReports::cmdClose_Click() {
    trapErrors([this] { Unload(); });
}

void dlgReports::Form_Unload() {
    Screens::instance().Unload(ScreenNames::dlgReportsCriteria);
}

} // namespace quillmark
