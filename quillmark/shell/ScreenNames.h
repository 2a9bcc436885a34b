#pragma once

#include <QString>

namespace quillmark {

// The names by which screens are registered and opened.
namespace ScreenNames {
inline const QString dlgDataPath = QStringLiteral("dlgDataPath");
inline const QString dlgCategories = QStringLiteral("dlgCategories");
inline const QString dlgIncome = QStringLiteral("dlgIncome");
inline const QString dlgExpense = QStringLiteral("dlgExpense");
inline const QString dlgReportsCriteria = QStringLiteral("dlgReportsCriteria");
inline const QString dlgReports = QStringLiteral("dlgReports");
inline const QString dlgAbout = QStringLiteral("dlgAbout");
inline const QString dlgCompanyInfo = QStringLiteral("dlgCompanyInfo");
inline const QString dlgQuickLaunch = QStringLiteral("dlgQuickLaunch");
} // namespace ScreenNames

} // namespace quillmark
