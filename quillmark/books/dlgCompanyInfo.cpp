#include "quillmark/books/dlgCompanyInfo.h"

#include "quillmark/data/Connection.h"
#include "quillmark/data/Recordset.h"
#include "quillmark/data/deQuillmark.h"
#include "quillmark/shell/CompanyChanges.h"
#include "quillmark/shell/ErrorTrap.h"
#include "quillmark/shell/Messages.h"
#include "quillmark/shell/XPButtonSite.h"

#include <QLineEdit>

namespace quillmark {

namespace {

// A field that holds no value shows as an empty box.
QString textOf(const QVariant& value) {
    return value.isNull() ? QString() : value.toString();
}

} // namespace

dlgCompanyInfo::dlgCompanyInfo(QWidget* parent)
    : Screen(QStringLiteral("dlgCompanyInfo"), parent),
      txtCompanyID(control<QLineEdit>(QStringLiteral("txtCompanyID"))),
      cmdSave(control<XPButtonSite>(QStringLiteral("cmdSave"))),
      cmdClose(control<XPButtonSite>(QStringLiteral("cmdClose"))) {
    for (const QString& field : detailFields()) {
        box(field); // every field has its box: a form without one fails here, not at Save
    }
    connect(cmdSave, &XPButtonSite::Click, this, &dlgCompanyInfo::cmdSave_Click);
    connect(cmdClose, &XPButtonSite::Click, this, &dlgCompanyInfo::cmdClose_Click);
}

dlgCompanyInfo::~dlgCompanyInfo() = default;

const QStringList& dlgCompanyInfo::detailFields() {
    static const QStringList fields = {
        QStringLiteral("BusinessName"), QStringLiteral("OwnerName"),
        QStringLiteral("Address"),      QStringLiteral("Address2"),
        QStringLiteral("City"),         QStringLiteral("State"),
        QStringLiteral("ZipCode"),      QStringLiteral("DaytimePhone"),
        QStringLiteral("EveningPhone"), QStringLiteral("CellPhone"),
        QStringLiteral("FaxPhone"),     QStringLiteral("Email"),
        QStringLiteral("EIN"),          QStringLiteral("Website")};
    return fields;
}

QLineEdit* dlgCompanyInfo::box(const QString& field) const {
    return control<QLineEdit>(QStringLiteral("txt") + field);
}

void dlgCompanyInfo::Form_Load() {
    trapErrors([this] {
        // The key box is bound to the command: using it opens the rows.
        Recordset& companyInfo = deQuillmark::instance().rscmdCompanyInfo();
        if (companyInfo.RecordCount() > 0) {
            companyInfo.MoveFirst();
            txtCompanyID->setText(textOf(companyInfo.Fields(QStringLiteral("CompanyID")).Value()));
            showDetails(companyInfo);
        }
        companyInfo.Close();
    });
}

bool dlgCompanyInfo::hasOpenEdit() const {
    for (const QString& field : detailFields()) {
        if (box(field)->isModified()) {
            return true;
        }
    }
    return false;
}

void dlgCompanyInfo::showDetails(Recordset& companyInfo) {
    for (const QString& field : detailFields()) {
        box(field)->setText(textOf(companyInfo.Fields(field).Value()));
    }
}

void dlgCompanyInfo::cmdSave_Click() {
    trapErrors([this] {
        if (writeDetails()) {
            Unload();
        }
    });
}

bool dlgCompanyInfo::writeDetails() {
    // Without a row there is no key to address, and nothing would be kept.
    if (txtCompanyID->text().trimmed().isEmpty()) {
        noDetailsRecord();
        return false;
    }
    Recordset companyInfo;
    companyInfo.Open(QStringLiteral("Select * from CompanyInfo Where CompanyID=") +
                         txtCompanyID->text(),
                     &deQuillmark::instance().connSys(), adOpenKeyset, adLockOptimistic);
    if (companyInfo.EOF()) {
        companyInfo.Close();
        noDetailsRecord();
        return false;
    }
    // Assigned through the record set, so quotes are stored exactly as typed.
    for (const QString& field : detailFields()) {
        companyInfo.Fields(field).setValue(box(field)->text());
    }
    companyInfo.Update();
    CompanyChanges::instance().notify();
    MsgBoxInfo(QStringLiteral("Company information saved successfully."));
    companyInfo.Close();
    return true;
}

void dlgCompanyInfo::noDetailsRecord() {
    MsgBoxInfo(QStringLiteral("This data file holds no company information record, so the "
                              "details could not be saved."));
}

void dlgCompanyInfo::cmdClose_Click() {
    trapErrors([this] { Unload(); });
}

} // namespace quillmark
