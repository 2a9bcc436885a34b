#include "quillmark/shell/dlgDataPath.h"

#include "quillmark/data/Connection.h"
#include "quillmark/data/DataFile.h"
#include "quillmark/data/Recordset.h"
#include "quillmark/data/RuntimeError.h"
#include "quillmark/data/deQuillmark.h"
#include "quillmark/shell/DataGrid.h"
#include "quillmark/shell/Dialogs.h"
#include "quillmark/shell/ErrorTrap.h"
#include "quillmark/shell/Messages.h"
#include "quillmark/shell/XPButtonSite.h"
#include "quillmark/shell/mdlGlobal.h"

#include <QLineEdit>

namespace quillmark {

namespace {

constexpr int kCompanyIDColumn = 0;
constexpr int kFilePathColumn = 2;
constexpr int kDefaultCompanyID = 1;

const QString kDataFileFilter = QStringLiteral("Data File|*.dat");
const QString kDataFileExtension = QStringLiteral(".dat");
const QString kNewCompanyName = QStringLiteral("New Company");

QString doubledQuotes(QString text) {
    return text.replace(QLatin1Char('\''), QStringLiteral("''"));
}

} // namespace

dlgDataPath::dlgDataPath(QWidget* parent)
    : Screen(QStringLiteral("dlgDataPath"), parent),
      gridDataPath(control<DataGrid>(QStringLiteral("gridDataPath"))),
      txtFilePath(control<QLineEdit>(QStringLiteral("txtFilePath"))),
      cmdSelect(control<XPButtonSite>(QStringLiteral("cmdSelect"))),
      cmdBrowse(control<XPButtonSite>(QStringLiteral("cmdBrowse"))),
      cmdDelete(control<XPButtonSite>(QStringLiteral("cmdDelete"))) {
    connect(gridDataPath, &DataGrid::Click, this, &dlgDataPath::gridDataPath_Click);
    connect(cmdSelect, &XPButtonSite::Click, this, &dlgDataPath::cmdSelect_Click);
    connect(cmdBrowse, &XPButtonSite::Click, this, &dlgDataPath::cmdBrowse_Click);
    connect(cmdDelete, &XPButtonSite::Click, this, &dlgDataPath::cmdDelete_Click);
}

dlgDataPath::~dlgDataPath() = default;

Recordset& dlgDataPath::Companies() const {
    return deQuillmark::instance().rscmdCompanyFilePath();
}

void dlgDataPath::Form_Load() {
    trapErrors([this] {
        // The grid is bound to the command: using it opens the list.
        Recordset& companies = Companies();
        gridDataPath->setDataSource(&companies);
        if (companies.RecordCount() > 0) {
            companies.MoveFirst();
        }
        ShowSelectedFilePath();
    });
}

void dlgDataPath::gridDataPath_Click() {
    trapErrors([this] { ShowSelectedFilePath(); });
}

void dlgDataPath::ShowSelectedFilePath() {
    if (Companies().RecordCount() > 0) {
        txtFilePath->setText(gridDataPath->Columns(kFilePathColumn).Value().toString());
    }
}

bool dlgDataPath::IsValidCompanyFilePath(const QString& path) {
    return !path.isEmpty() && path.trimmed().endsWith(kDataFileExtension, Qt::CaseSensitive);
}

void dlgDataPath::cmdSelect_Click() {
    bool failed = false;
    const bool noError = trapErrors([&] {
        const QString path = txtFilePath->text();
        if (path != DataFile::defaultPathMarker() && !IsValidCompanyFilePath(path)) {
            MsgBoxInfo(QStringLiteral("Please select a valid company file path."));
            return;
        }
        // OpenDataConnections shows its own failure; the books must not stay closed.
        failed = !OpenCompany(path);
        if (!failed) {
            Unload();
        }
    });
    if (failed || !noError) {
        OpenDefaultDatabase();
    }
}

bool dlgDataPath::OpenCompany(const QString& path) {
    if (path == DataFile::defaultPathMarker()) {
        return OpenDataConnections(DefaultDataFilePath());
    }
    return OpenDataConnections(path);
}

void dlgDataPath::OpenDefaultDatabase() {
    trapErrors([this] {
        MsgBoxInfo(QStringLiteral("Opening default database..."));
        // Without any books open the user keeps this screen to choose again.
        if (OpenDataConnections(DefaultDataFilePath())) {
            Unload();
        }
    });
}

void dlgDataPath::cmdBrowse_Click() {
    trapErrors([this] {
        CommonDialog1.setFilter(kDataFileFilter);
        // Company files are kept beside the default books by default.
        CommonDialog1.setInitDir(UserDataFolder());
        // A cancelled dialog would otherwise report the file chosen before,
        // registering that company a second time.
        CommonDialog1.setFileName(QString());
        txtFilePath->setText(CommonDialog1.ShowOpen());
        const QString path = txtFilePath->text();
        if (path.trimmed().isEmpty()) {
            MsgBoxPlain(QStringLiteral("No Company file selected."));
            return;
        }
        QString name =
            Dialogs::instance().InputBox(QStringLiteral("Enter Company Name for the data file."),
                                         QStringLiteral("Company File"), QString());
        if (name.trimmed().isEmpty()) {
            name = kNewCompanyName;
        }
        RegisterCompany(name, path);
        RefreshCompanies();
        SelectCompany(path);
    });
}

void dlgDataPath::RegisterCompany(const QString& name, const QString& path) {
    deQuillmark::instance().connSecurity().Execute(
        QStringLiteral("INSERT INTO COMPANYFILEPATH(CompanyName, CompanyFilePath) ") +
        QStringLiteral("Values ('") + doubledQuotes(name) + QStringLiteral("', '") +
        doubledQuotes(path) + QStringLiteral("')"));
}

// The list stands on the newest company registered with this path, the one
// the path box now names.
void dlgDataPath::SelectCompany(const QString& path) {
    Recordset& companies = Companies();
    for (companies.MoveLast(); !companies.BOF(); companies.MovePrevious()) {
        if (gridDataPath->Columns(kFilePathColumn).Value().toString() == path) {
            return;
        }
    }
    companies.MoveFirst();
}

void dlgDataPath::RefreshCompanies() {
    Companies().Requery();
    gridDataPath->ReBind();
    gridDataPath->Refresh();
}

void dlgDataPath::cmdDelete_Click() {
    trapErrors([this] {
        if (Companies().RecordCount() <= 1) {
            MsgBoxExclamation(QStringLiteral("No user defined companies to delete."));
            return;
        }
        const QString companyID = SelectedCompanyID();
        if (companyID.toInt() == kDefaultCompanyID) {
            MsgBoxExclamation(QStringLiteral("Default Company cannot be deleted."));
            return;
        }
        if (!MsgBoxYesNo(QStringLiteral("Do you wish to delete this company?"))) {
            return;
        }
        long recordsAffected = 0;
        deQuillmark::instance().connSecurity().Execute(
            QStringLiteral("DELETE * FROM COMPANYFILEPATH WHERE COMPANYID=") + companyID,
            &recordsAffected);
        if (recordsAffected > 0) {
            MsgBoxInfo(QStringLiteral("Company deleted successfully."));
            RefreshCompanies();
        } else {
            MsgBoxExclamation(QStringLiteral("Company could not be deleted."));
        }
    });
}

QString dlgDataPath::SelectedCompanyID() const {
    const QVariant value = gridDataPath->Columns(kCompanyIDColumn).Value();
    bool isNumber = false;
    const qlonglong id = value.toLongLong(&isNumber);
    if (value.isNull() || !isNumber) {
        throw RuntimeError(errNoCurrentRecord,
                           QStringLiteral("Either BOF or EOF is True, or the current record has "
                                          "been deleted. Requested operation requires a current "
                                          "record."),
                           Name());
    }
    return QString::number(id);
}

} // namespace quillmark
