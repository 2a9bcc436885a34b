#pragma once

#include "quillmark/shell/Screen.h"

namespace quillmark {

class XPButtonSite;

// The report chooser: income, expense or profit and loss, each opening the
// criteria screen set up for its kind.
class dlgReports : public Screen {
    Q_OBJECT
public:
    explicit dlgReports(QWidget* parent = nullptr);
    ~dlgReports() override;

    // The kind the open criteria screen is set up for; empty when none is open.
    QString sReportView;

    void cmdIncome_Click();
    void cmdExpense_Click();
    void cmdProfitLoss_Click();
    void cmdClose_Click();

protected:
    // However the chooser closes, the criteria screen closes with it.
    void Form_Unload() override;

private:
    void OpenCriteria(const QString& kind);

    XPButtonSite* cmdIncome;
    XPButtonSite* cmdExpense;
    XPButtonSite* cmdProfitLoss;
    XPButtonSite* cmdClose;
};

} // namespace quillmark
