#pragma once

#include "quillmark/shell/Screen.h"

namespace quillmark {

class XPButtonSite;

// The quick launch panel: a borderless strip at the right of the main window
// that opens the daily screens with one click and quits the program.
class dlgQuickLaunch : public Screen {
    Q_OBJECT
public:
    explicit dlgQuickLaunch(QWidget* parent = nullptr);
    ~dlgQuickLaunch() override;

    void cmdIncome_Click();
    void cmdExpense_Click();
    void cmdReports_Click();
    void cmdQuit_Click();

private:
    void OpenFromPanel(const QString& screenName);

    XPButtonSite* cmdIncome;
    XPButtonSite* cmdExpense;
    XPButtonSite* cmdReports;
    XPButtonSite* cmdQuit;
};

} // namespace quillmark
