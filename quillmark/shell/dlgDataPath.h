#pragma once

#include "quillmark/shell/CommonDialog.h"
#include "quillmark/shell/Screen.h"

class QLineEdit;

namespace quillmark {

class DataGrid;
class Recordset;
class XPButtonSite;

// The company data files screen: lists the companies registered in the
// default data file, opens the one whose path stands in the path box,
// registers an existing data file as a further company and removes a
// company from the list (never its file).
class dlgDataPath : public Screen {
    Q_OBJECT
public:
    explicit dlgDataPath(QWidget* parent = nullptr);
    ~dlgDataPath() override;

    void Form_Load() override;

    void gridDataPath_Click();
    void cmdSelect_Click();
    void cmdBrowse_Click();
    void cmdDelete_Click();

    // The path box accepts a data file when, blanks aside, it ends in ".dat"
    // exactly (the extension in capitals is refused).
    static bool IsValidCompanyFilePath(const QString& path);

private:
    Recordset& Companies() const;
    void ShowSelectedFilePath();
    bool OpenCompany(const QString& path);
    void OpenDefaultDatabase();
    void RegisterCompany(const QString& name, const QString& path);
    QString SelectedCompanyID() const;
    void RefreshCompanies();
    void SelectCompany(const QString& path);

    DataGrid* gridDataPath;
    QLineEdit* txtFilePath;
    XPButtonSite* cmdSelect;
    XPButtonSite* cmdBrowse;
    XPButtonSite* cmdDelete;
    CommonDialog CommonDialog1;
};

} // namespace quillmark
