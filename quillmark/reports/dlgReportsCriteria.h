#pragma once

#include "quillmark/reports/ReportChoice.h"
#include "quillmark/shell/Screen.h"

class QDateTimeEdit;
class QGroupBox;
class QLabel;
class QListWidget;
class QRadioButton;

namespace quillmark {

class XPButtonSite;
struct ReportCriteria;

// The criteria of one report kind: the kind's categories to tick, the date
// range and the detailed or summary view; View shows the report in a
// preview, Export saves it as a PDF file.
class dlgReportsCriteria : public Screen {
    Q_OBJECT
public:
    explicit dlgReportsCriteria(QWidget* parent = nullptr);
    ~dlgReportsCriteria() override;

    // The kind the screen is set up for: "INC", "EXP" or "P\L".
    QString sReportValue;

    // Sets the screen up for a kind: its title, its categories (all checked;
    // none for "P\L", whose list is hidden) and where the dates stand.
    void setCategoryList(const QString& New_CategoryList);
    // The checked categories' keys in list order, as "3,7,12"; empty when
    // none is checked.
    QString GetSelectedCategoryIDs() const;

    void Form_Load() override;
    void cmdCheckAll_Click();
    void cmdUncheckAll_Click();
    void cmdView_Click();
    void cmdExport_Click();
    void cmdClose_Click();

protected:
    // However the screen closes, the chooser learns that no criteria screen
    // is open any more.
    void Form_Unload() override;

private:
    void ShowCategoryList(bool bShow);
    void LoadCategories(const QString& kind);
    void CheckEveryCategory(Qt::CheckState state);
    // The checks before a report runs; each refusal is told to the user.
    bool ReadyToRun(const QString& categoryIds, const QString& action) const;
    ReportCriteria Criteria(const QString& categoryIds) const;

    QLabel* lblHeader;
    QLabel* lblCategories;
    QLabel* lblAllCategories;
    QListWidget* lstCategory;
    XPButtonSite* cmdCheckAll;
    XPButtonSite* cmdUncheckAll;
    QLabel* lblFrom;
    QDateTimeEdit* dtFrom;
    QLabel* lblTo;
    QDateTimeEdit* dtTo;
    QLabel* lblReportView;
    QGroupBox* fmeReportView;
    QRadioButton* optDetail;
    QRadioButton* optSummary;
    XPButtonSite* cmdView;
    XPButtonSite* cmdExport;
    XPButtonSite* cmdClose;
};

} // namespace quillmark
