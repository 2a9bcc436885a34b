#include "quillmark/shell/dlgQuickLaunch.h"

#include "quillmark/shell/ErrorTrap.h"
#include "quillmark/shell/ScreenNames.h"
#include "quillmark/shell/Screens.h"
#include "quillmark/shell/XPButtonSite.h"
#include "quillmark/shell/mdiMain.h"

#include <QApplication>

namespace quillmark {

namespace {

// Where the panel puts the screens it opens, as the menus do.
constexpr int kScreenLeft = 500;
constexpr int kScreenTop = 100;

// The main window that frames the panel; a panel shown on its own (tests)
// finds the program's main window among the top-level windows.
mdiMain* mainWindowOf(QWidget* screen) {
    if (auto* main = qobject_cast<mdiMain*>(screen->window())) {
        return main;
    }
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (auto* main = qobject_cast<mdiMain*>(window)) {
            return main;
        }
    }
    return nullptr;
}

} // namespace

dlgQuickLaunch::dlgQuickLaunch(QWidget* parent)
    : Screen(QStringLiteral("dlgQuickLaunch"), parent),
      cmdIncome(control<XPButtonSite>(QStringLiteral("cmdIncome"))),
      cmdExpense(control<XPButtonSite>(QStringLiteral("cmdExpense"))),
      cmdReports(control<XPButtonSite>(QStringLiteral("cmdReports"))),
      cmdQuit(control<XPButtonSite>(QStringLiteral("cmdQuit"))) {
    connect(cmdIncome, &XPButtonSite::Click, this, &dlgQuickLaunch::cmdIncome_Click);
    connect(cmdExpense, &XPButtonSite::Click, this, &dlgQuickLaunch::cmdExpense_Click);
    connect(cmdReports, &XPButtonSite::Click, this, &dlgQuickLaunch::cmdReports_Click);
    connect(cmdQuit, &XPButtonSite::Click, this, &dlgQuickLaunch::cmdQuit_Click);
}

dlgQuickLaunch::~dlgQuickLaunch() = default;

void dlgQuickLaunch::OpenFromPanel(const QString& screenName) {
    trapErrors([&] { Screens::instance().OpenScreen(screenName, kScreenLeft, kScreenTop); });
}

void dlgQuickLaunch::cmdIncome_Click() {
    OpenFromPanel(ScreenNames::dlgIncome);
}

void dlgQuickLaunch::cmdExpense_Click() {
    OpenFromPanel(ScreenNames::dlgExpense);
}

void dlgQuickLaunch::cmdReports_Click() {
    OpenFromPanel(ScreenNames::dlgReports);
}

void dlgQuickLaunch::cmdQuit_Click() {
    trapErrors([this] {
        // Closing the main window asks the quit question and shuts down on Yes.
        if (mdiMain* main = mainWindowOf(this)) {
            main->close();
        }
    });
}

} // namespace quillmark
