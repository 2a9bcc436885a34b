#include "quillmark/books/dlgCategories.h"

#include "quillmark/data/Connection.h"
#include "quillmark/data/Recordset.h"
#include "quillmark/data/deQuillmark.h"
#include "quillmark/shell/DataGrid.h"
#include "quillmark/shell/ErrorTrap.h"
#include "quillmark/shell/KeyAscii.h"
#include "quillmark/shell/Messages.h"
#include "quillmark/shell/XPButtonSite.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>

namespace quillmark {

namespace {

const QString kExpense = QStringLiteral("EXPENSE");
const QString kIncome = QStringLiteral("INCOME");

// Category codes are whole numbers (the field holds integers): a text such as
// "7.5" would be rounded on storing and could slip past the duplicate check.
// Returns the code as the filter should name it, or an empty text.
QString categoryCodeOf(const QString& text) {
    static const QRegularExpression wholeNumber(QStringLiteral(R"(^\s*([+-]?\d+)\s*$)"));
    const QRegularExpressionMatch match = wholeNumber.match(text);
    if (!match.hasMatch()) {
        return {};
    }
    bool ok = false;
    const qlonglong code = match.captured(1).toLongLong(&ok);
    // Digits beyond any integer's range still read as a number; the field
    // itself then refuses the value with its own message.
    return ok ? QString::number(code) : match.captured(1);
}

} // namespace

dlgCategories::dlgCategories(QWidget* parent)
    : Screen(QStringLiteral("dlgCategories"), parent),
      gridCat(control<DataGrid>(QStringLiteral("gridCat"))),
      txtCode(control<QLineEdit>(QStringLiteral("txtCode"))),
      cboCatType(control<QComboBox>(QStringLiteral("cboCatType"))),
      txtDesc(control<QLineEdit>(QStringLiteral("txtDesc"))),
      txtCatID(control<QLineEdit>(QStringLiteral("txtCatID"))),
      chkFixed(control<QCheckBox>(QStringLiteral("chkFixed"))),
      cmdNew(control<XPButtonSite>(QStringLiteral("cmdNew"))),
      cmdEdit(control<XPButtonSite>(QStringLiteral("cmdEdit"))),
      cmdSave(control<XPButtonSite>(QStringLiteral("cmdSave"))),
      cmdDelete(control<XPButtonSite>(QStringLiteral("cmdDelete"))),
      cmdCancel(control<XPButtonSite>(QStringLiteral("cmdCancel"))),
      cmdClose(control<XPButtonSite>(QStringLiteral("cmdClose"))) {
    connectHandlers();
    guardTypeBox();
}

dlgCategories::~dlgCategories() = default;

void dlgCategories::connectHandlers() {
    connect(cmdNew, &XPButtonSite::Click, this, &dlgCategories::cmdNew_Click);
    connect(cmdEdit, &XPButtonSite::Click, this, &dlgCategories::cmdEdit_Click);
    connect(cmdSave, &XPButtonSite::Click, this, &dlgCategories::cmdSave_Click);
    connect(cmdDelete, &XPButtonSite::Click, this, &dlgCategories::cmdDelete_Click);
    connect(cmdCancel, &XPButtonSite::Click, this, &dlgCategories::cmdCancel_Click);
    connect(cmdClose, &XPButtonSite::Click, this, &dlgCategories::cmdClose_Click);
    connect(gridCat, &DataGrid::DblClick, this, &dlgCategories::gridCat_DblClick);
    connect(gridCat, &DataGrid::HeadClick, this, &dlgCategories::gridCat_HeadClick);
}

void dlgCategories::guardTypeBox() {
    cboCatType->installEventFilter(this);
    if (QLineEdit* edit = cboCatType->lineEdit()) {
        edit->installEventFilter(this);
        // Deleting, pasting with the keys or the mouse, or dropping text
        // would bypass the typed keys.
        edit->setReadOnly(true);
        edit->setContextMenuPolicy(Qt::NoContextMenu);
        edit->setAcceptDrops(false);
    }
}

bool dlgCategories::eventFilter(QObject* watched, QEvent* event) {
    const bool typeBox = watched == cboCatType || watched == cboCatType->lineEdit();
    if (typeBox && event->type() == QEvent::KeyPress) {
        int KeyAscii = keyAsciiOf(*static_cast<QKeyEvent*>(event));
        if (KeyAscii >= 0) {
            cboCatType_KeyPress(KeyAscii);
            return KeyAscii == 0;
        }
    }
    return Screen::eventFilter(watched, event);
}

void dlgCategories::cboCatType_KeyPress(int& KeyAscii) {
    KeyAscii = 0;
}

void dlgCategories::Form_Load() {
    // The grid's binding opens the command's rows, listed by code.
    trapErrors([this] { gridCat->setDataSource(&categories()); });
}

void dlgCategories::Form_Unload() {
    // The command's rows outlive the screen: the next opening lists by code again.
    if (!sSortOrder.isEmpty()) {
        trapErrors([this] {
            Recordset& rows =
                deQuillmark::instance().command(QStringLiteral("cmdCategories")).recordset();
            if (rows.State() != adStateClosed) {
                rows.setSort(QString());
            }
        });
    }
}

Recordset& dlgCategories::categories() const {
    return deQuillmark::instance().rscmdCategories();
}

void dlgCategories::SetEditMode(bool editing) {
    cmdNew->setEnabled(!editing);
    cmdEdit->setEnabled(!editing);
    cmdClose->setEnabled(!editing);
    cmdSave->setEnabled(editing);
    cmdDelete->setEnabled(editing);
    cmdCancel->setEnabled(editing);
}

void dlgCategories::RefreshCategories() {
    categories().Requery();
    gridCat->ReBind();
    gridCat->Refresh();
    bNewRecord = false;
}

void dlgCategories::clearEntry() {
    txtCode->clear();
    selectType(kExpense);
    txtDesc->clear();
}

void dlgCategories::selectType(const QString& shownType) {
    cboCatType->setCurrentIndex(cboCatType->findText(shownType));
}

bool dlgCategories::hasOpenEdit() const {
    return cmdSave->Enabled();
}

void dlgCategories::cmdNew_Click() {
    trapErrors([this] {
        bNewRecord = true;
        clearEntry();
        cboCatType->setEnabled(true);
        SetEditMode(true);
        // The code is typed first.
        txtCode->setFocus(Qt::OtherFocusReason);
    });
}

void dlgCategories::cmdEdit_Click() {
    trapErrors([this] {
        if (categories().RecordCount() < 1 || gridCat->Bookmark() <= 0) {
            return;
        }
        editCurrentRow();
    });
}

void dlgCategories::editCurrentRow() {
    // A row removed since the grid was read holds no values any more.
    if (gridCat->Columns(0).Value().isNull()) {
        categoryVanished();
        return;
    }
    bNewRecord = false;
    lEditBookmark = gridCat->Bookmark();
    SetEditMode(true);
    txtCatID->setText(gridCat->Columns(0).Value().toString());
    selectType(gridCat->Columns(1).Value().toString() == QLatin1String("EXP") ? kExpense : kIncome);
    txtCode->setText(gridCat->Columns(2).Value().toString());
    txtDesc->setText(gridCat->Columns(3).Value().toString());
    chkFixed->setChecked(gridCat->Columns(4).Value().toBool());
    // A fixed category keeps its type.
    cboCatType->setEnabled(!chkFixed->isChecked());
    txtCode->setFocus();
}

void dlgCategories::gridCat_DblClick() {
    if (cmdSave->Enabled()) {
        MsgBoxInfo(QStringLiteral("Please Save or Cancel the current edited record \r\n"
                                  "before trying to edit the selected record."));
        return;
    }
    cmdEdit_Click();
}

void dlgCategories::cmdSave_Click() {
    trapErrors([this] {
        if (entryPassesChecks()) {
            writeCategory();
        }
    });
}

bool dlgCategories::entryPassesChecks() {
    auto refuse = [](const QString& message, QWidget* focus) {
        MsgBoxInfo(message);
        focus->setFocus();
        return false;
    };
    if (categoryCodeOf(txtCode->text()).isEmpty()) {
        return refuse(QStringLiteral("Please enter a numeric category code."), txtCode);
    }
    if (cboCatType->currentText().trimmed().isEmpty()) {
        return refuse(QStringLiteral("Please select a category type."), cboCatType);
    }
    if (txtDesc->text().trimmed().isEmpty()) {
        return refuse(QStringLiteral("Please enter a category name."), txtDesc);
    }
    if (codeIsTaken()) {
        return refuse(QStringLiteral("The Category Code already exists. Please type in an unused "
                                     "Category Code."),
                      txtCode);
    }
    return true;
}

QString dlgCategories::duplicateCodeFilter() const {
    const QString code = categoryCodeOf(txtCode->text());
    if (bNewRecord) {
        return QStringLiteral("CatCode = ") + code;
    }
    return QStringLiteral("CategoryID <> ") + txtCatID->text() + QStringLiteral(" AND CatCode = ") +
           code;
}

bool dlgCategories::codeIsTaken() const {
    // A copy, so that the grid's rows and current row stay as they are.
    const std::unique_ptr<Recordset> others = categories().Clone();
    others->setFilter(duplicateCodeFilter());
    return !others->EOF();
}

void dlgCategories::writeCategory() {
    Connection& connSys = deQuillmark::instance().connSys();
    Recordset category;
    if (bNewRecord) {
        category.Open(QStringLiteral("Categories"), &connSys, adOpenKeyset, adLockOptimistic);
        category.AddNew();
    } else {
        category.Open(QStringLiteral("Select * from Categories Where CategoryID=") +
                          txtCatID->text(),
                      &connSys, adOpenKeyset, adLockOptimistic);
    }
    if (category.EOF()) {
        category.Close();
        categoryVanished();
        return;
    }
    category.Fields(QStringLiteral("CatType"))
        .setValue(cboCatType->currentText() == kExpense ? QStringLiteral("EXP")
                                                        : QStringLiteral("INC"));
    category.Fields(QStringLiteral("CatCode")).setValue(txtCode->text());
    category.Fields(QStringLiteral("CatName")).setValue(txtDesc->text());
    category.Update();
    const qint32 savedRow = category.Bookmark();
    MsgBoxInfo(QStringLiteral("Category saved successfully."));
    category.Close();
    cboCatType->setEnabled(true);
    SetEditMode(false);
    const bool wasNew = bNewRecord;
    RefreshCategories();
    returnToSavedRow(wasNew ? savedRow : 0);
}

void dlgCategories::returnToSavedRow(qint32 newRowBookmark) {
    if (newRowBookmark > 0) {
        // A new category is shown where it landed.
        gridCat->setBookmark(newRowBookmark);
    } else if (lEditBookmark >= 1) {
        gridCat->setBookmark(lEditBookmark);
        lEditBookmark = 0;
    }
}

void dlgCategories::categoryVanished() {
    MsgBoxInfo(QStringLiteral("This category no longer exists; it may have been deleted in the "
                              "meantime. Your changes were not saved."));
    lEditBookmark = 0;
    cboCatType->setEnabled(true);
    SetEditMode(false);
    RefreshCategories();
}

void dlgCategories::cmdDelete_Click() {
    trapErrors([this] {
        // A category being entered is not in the data file yet; the key left
        // from an earlier edit names some other category, so drop the entry.
        if (bNewRecord) {
            cmdCancel_Click();
            return;
        }
        if (chkFixed->isChecked()) {
            MsgBoxInfo(QStringLiteral("Fixed Categories cannot be deleted."));
            return;
        }
        if (!MsgBoxYesNo(QStringLiteral("Do you wish to delete this unused category?"))) {
            return;
        }
        deleteCategory();
    });
}

void dlgCategories::deleteCategory() {
    long recordsAffected = 0;
    deQuillmark::instance().connSys().Execute(
        QStringLiteral("DELETE * FROM CATEGORIES WHERE CATEGORYID=") + txtCatID->text(),
        &recordsAffected);
    if (recordsAffected >= 1) {
        MsgBoxInfo(QStringLiteral("Category deleted successfully."));
    } else {
        MsgBoxExclamation(QStringLiteral("Category could not be deleted."));
    }
    lEditBookmark = 0;
    cboCatType->setEnabled(true);
    SetEditMode(false);
    RefreshCategories();
}

void dlgCategories::cmdCancel_Click() {
    trapErrors([this] {
        bNewRecord = false;
        clearEntry();
        cboCatType->setEnabled(true);
        SetEditMode(false);
    });
}

void dlgCategories::cmdClose_Click() {
    trapErrors([this] { Unload(); });
}

void dlgCategories::gridCat_HeadClick(int ColIndex) {
    trapErrors([this, ColIndex] {
        const QString sort = gridCat->HeaderSort(ColIndex, sSortOrder);
        categories().setSort(sort);
        sSortOrder = sort;
    });
}

} // namespace quillmark
