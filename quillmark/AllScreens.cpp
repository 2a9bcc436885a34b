#include "quillmark/AllScreens.h"

#include "quillmark/books/dlgCategories.h"
#include "quillmark/books/dlgCompanyInfo.h"
#include "quillmark/books/dlgExpense.h"
#include "quillmark/books/dlgIncome.h"
#include "quillmark/reports/dlgReports.h"
#include "quillmark/reports/dlgReportsCriteria.h"
#include "quillmark/shell/ScreenNames.h"
#include "quillmark/shell/Screens.h"
#include "quillmark/shell/dlgAbout.h"
#include "quillmark/shell/dlgDataPath.h"
#include "quillmark/shell/dlgQuickLaunch.h"

namespace quillmark {

void registerAllScreens() {
    Screens& screens = Screens::instance();
    screens.registerScreen(QStringLiteral("dlgDataPath"), [] { return new dlgDataPath; });
    screens.registerScreen(QStringLiteral("dlgQuickLaunch"), [] { return new dlgQuickLaunch; });
    screens.registerScreen(QStringLiteral("dlgAbout"), [] { return new dlgAbout; });
    screens.registerScreen(QStringLiteral("dlgCategories"), [] { return new dlgCategories; });
    screens.registerScreen(QStringLiteral("dlgCompanyInfo"), [] { return new dlgCompanyInfo; });
    screens.registerScreen(QStringLiteral("dlgIncome"), [] { return new dlgIncome; });
    screens.registerScreen(QStringLiteral("dlgExpense"), [] { return new dlgExpense; });
    screens.registerScreen(ScreenNames::dlgReports, [] { return new dlgReports; });
    screens.registerScreen(ScreenNames::dlgReportsCriteria, [] { return new dlgReportsCriteria; });
}

} // namespace quillmark
