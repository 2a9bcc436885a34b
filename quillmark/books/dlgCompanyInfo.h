#pragma once

#include "quillmark/shell/Screen.h"

#include <QStringList>

class QLineEdit;

namespace quillmark {

class Recordset;
class XPButtonSite;

// The company information screen: shows the business owner's details kept in
// the one CompanyInfo row of the open company's data file and writes them
// back as typed.
class dlgCompanyInfo : public Screen {
    Q_OBJECT
public:
    explicit dlgCompanyInfo(QWidget* parent = nullptr);
    ~dlgCompanyInfo() override;

    // The fourteen fields, each shown in the box "txt" + field name, in the
    // order the screen fills them.
    static const QStringList& detailFields();

    void Form_Load() override;
    // True once the user changed a box.
    bool hasOpenEdit() const override;

    void cmdSave_Click();
    void cmdClose_Click();

private:
    QLineEdit* box(const QString& field) const;
    void showDetails(Recordset& companyInfo);
    bool writeDetails();
    void noDetailsRecord();

    QLineEdit* txtCompanyID;
    XPButtonSite* cmdSave;
    XPButtonSite* cmdClose;
};

} // namespace quillmark
