#include "quillmark/books/TransactionScreen.h"

#include "quillmark/books/AmountText.h"
#include "quillmark/books/CategoryPicker.h"
#include "quillmark/data/Command.h"
#include "quillmark/data/Connection.h"
#include "quillmark/data/Recordset.h"
#include "quillmark/data/deQuillmark.h"
#include "quillmark/shell/DataGrid.h"
#include "quillmark/shell/DatePicker.h"
#include "quillmark/shell/ErrorTrap.h"
#include "quillmark/shell/Messages.h"
#include "quillmark/shell/ScreenNames.h"
#include "quillmark/shell/Screens.h"
#include "quillmark/shell/XPButtonSite.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace quillmark {

namespace {

const QString kEnterValidAmount = QStringLiteral("Please enter a valid amount.");
const QString kEnterAmountAboveZero = QStringLiteral("Please enter an amount greater than 0.");
const QString kSelectCategory = QStringLiteral("Please select a category.");
const QString kEnterDetails = QStringLiteral("Please enter transaction details.");
const QString kSaved = QStringLiteral("Transaction saved successfully.");
const QString kDeleteQuestion = QStringLiteral("Do you wish to delete this transaction?");
const QString kNotDeleted = QStringLiteral("Transaction could not be deleted.");
const QString kDeleted = QStringLiteral("Transaction deleted successfully.");
const QString kSaveOrCancelFirst =
    QStringLiteral("Please Save or Cancel the current edited record ") + QStringLiteral("\r\n") +
    QStringLiteral("before trying to edit the selected record.");
const QString kEntryVanished = QStringLiteral(
    "This transaction no longer exists; it may have been deleted on another screen.");
const QString kEditVanished =
    QStringLiteral("This transaction no longer exists; it may have been deleted on another "
                   "screen. Your changes were not saved.");

const QString kZeroAmount = QStringLiteral("0.00");
const QString kSelectEntry = QStringLiteral("Select * from Transactions Where TransactionID=");
const QString kDeleteEntry = QStringLiteral("DELETE * FROM TRANSACTIONS WHERE TRANSACTIONID=");

// Grid columns by position, in the order of the entry list's fields.
constexpr int kColTransactionID = 1;
constexpr int kColCategoryID = 2;
constexpr int kColDate = 3;
constexpr int kColCatName = 5;
constexpr int kColDescription = 6;

// Where a screen opened from here goes, relative to this screen (twips).
constexpr int kBesideOffset = 500;

Connection& connSys() {
    return deQuillmark::instance().connSys();
}

} // namespace

TransactionScreen::TransactionScreen(const TransactionKind& kind, QWidget* parent)
    : Screen(kind.formName, parent), m_kind(kind),
      gridTrans(control<DataGrid>(QStringLiteral("gridTrans"))),
      dtTransDate(control<DatePicker>(QStringLiteral("dtTransDate"))),
      txtAmount(control<QLineEdit>(QStringLiteral("txtAmount"))),
      cboCatSource(control<QComboBox>(QStringLiteral("cboCatSource"))),
      txtDetails(control<QLineEdit>(QStringLiteral("txtDetails"))),
      txtTransactionID(control<QLineEdit>(QStringLiteral("txtTransactionID"))),
      cmdNew(control<XPButtonSite>(QStringLiteral("cmdNew"))),
      cmdEdit(control<XPButtonSite>(QStringLiteral("cmdEdit"))),
      cmdSave(control<XPButtonSite>(QStringLiteral("cmdSave"))),
      cmdCancel(control<XPButtonSite>(QStringLiteral("cmdCancel"))),
      cmdDelete(control<XPButtonSite>(QStringLiteral("cmdDelete"))),
      cmdClose(control<XPButtonSite>(QStringLiteral("cmdClose"))),
      cmdCategories(control<XPButtonSite>(QStringLiteral("cmdCategories"))),
      cmdReports(control<XPButtonSite>(QStringLiteral("cmdReports"))),
      rsTransactions(new Recordset(this)),
      m_picker(std::make_unique<CategoryPicker>(cboCatSource, this,
                                                [this] { return categoriesOfThisType(); })) {
    gridTrans->setDataSource(rsTransactions);
    connectHandlers();
    // The date's format stands beside its label, so typing it is no guess.
    auto* lblDate = control<QLabel>(QStringLiteral("lblDate"));
    lblDate->setText(QStringLiteral("%1 (%2)").arg(lblDate->text(), dtTransDate->formatHint()));
}

bool TransactionScreen::hasOpenEdit() const {
    return cmdSave->Enabled();
}

TransactionScreen::~TransactionScreen() = default;

std::vector<CategoryEntry> TransactionScreen::categoriesOfThisType() const {
    std::vector<CategoryEntry> list;
    Recordset& categories = deQuillmark::instance().cmdTransCategories(m_kind.typeCode);
    for (; !categories.EOF(); categories.MoveNext()) {
        list.push_back({categories.Fields(QStringLiteral("CatName")).Value().toString(),
                        categories.Fields(QStringLiteral("CategoryID")).Value().toInt()});
    }
    categories.Close();
    return list;
}

void TransactionScreen::connectHandlers() {
    connect(cmdNew, &XPButtonSite::Click, this, &TransactionScreen::cmdNew_Click);
    connect(cmdEdit, &XPButtonSite::Click, this, &TransactionScreen::cmdEdit_Click);
    connect(cmdSave, &XPButtonSite::Click, this, &TransactionScreen::cmdSave_Click);
    connect(cmdCancel, &XPButtonSite::Click, this, &TransactionScreen::cmdCancel_Click);
    connect(cmdDelete, &XPButtonSite::Click, this, &TransactionScreen::cmdDelete_Click);
    connect(cmdClose, &XPButtonSite::Click, this, &TransactionScreen::cmdClose_Click);
    connect(cmdCategories, &XPButtonSite::Click, this, &TransactionScreen::cmdCategories_Click);
    connect(cmdReports, &XPButtonSite::Click, this, &TransactionScreen::cmdReports_Click);
    connect(gridTrans, &DataGrid::DblClick, this, &TransactionScreen::gridTrans_DblClick);
    connect(gridTrans, &DataGrid::HeadClick, this, &TransactionScreen::gridTrans_HeadClick);
}

// ---- Loading and refreshing ---------------------------------------------

void TransactionScreen::Form_Load() {
    trapErrors([this] {
        dtTransDate->setDateTime(QDateTime::currentDateTime());
        LoadCategories();
        runTransactions();
        gridTrans->ReBind();
        gridTrans->Refresh();
    });
}

void TransactionScreen::LoadCategories() {
    trapErrors([this] {
        m_picker->LoadCategories();
        if (rsTransactions->State() != adStateClosed) {
            rsTransactions->Close();
        }
    });
}

void TransactionScreen::runTransactions() {
    Command& command = deQuillmark::instance().command(QStringLiteral("cmdTransactions"));
    if (rsTransactions->State() != adStateClosed) {
        rsTransactions->Close();
    }
    rsTransactions->OpenWithParameters(command.CommandText(), command.ActiveConnection(),
                                       {m_kind.typeCode});
}

void TransactionScreen::RefreshTransactions() {
    trapErrors([this] {
        runTransactions();
        gridTrans->ReBind();
        gridTrans->Refresh();
        bNewRecord = false;
    });
}

void TransactionScreen::SetEditMode(bool bEdit) {
    cmdNew->setEnabled(!bEdit);
    cmdEdit->setEnabled(!bEdit);
    cmdClose->setEnabled(!bEdit);
    txtAmount->setEnabled(bEdit);
    txtDetails->setEnabled(bEdit);
    cmdSave->setEnabled(bEdit);
    cmdDelete->setEnabled(bEdit);
    cmdCancel->setEnabled(bEdit);
}

// ---- New, Edit, Cancel ----------------------------------------------------

void TransactionScreen::cmdNew_Click() {
    trapErrors([this] {
        bNewRecord = true;
        // The row of an earlier Edit that ended in Cancel or Delete is not
        // where the grid returns after this entry is saved.
        lEditBookmark = 0;
        clearEntry();
        SetEditMode(true);
        txtAmount->setSelection(0, static_cast<int>(txtAmount->text().size()));
        txtAmount->setFocus(Qt::OtherFocusReason);
    });
}

void TransactionScreen::clearEntry() {
    dtTransDate->setDateTime(QDateTime::currentDateTime());
    txtAmount->setText(kZeroAmount);
    txtDetails->clear();
}

void TransactionScreen::cmdEdit_Click() {
    trapErrors([this] {
        gridTrans->SetFocus();
        if (rsTransactions->RecordCount() < 1 || gridTrans->Bookmark() <= 0) {
            return;
        }
        if (currentRowVanished()) {
            entryVanished();
            return;
        }
        bNewRecord = false;
        lEditBookmark = gridTrans->Bookmark();
        SetEditMode(true);
        loadCurrentRow();
        txtDetails->setFocus(Qt::OtherFocusReason);
    });
}

// A row whose entry was deleted since the list was read has no values.
bool TransactionScreen::currentRowVanished() const {
    const long row = rsTransactions->AbsolutePosition() - 1;
    const int key = rsTransactions->fieldIndex(QStringLiteral("TransactionID"));
    return row < 0 || rsTransactions->value(row, key).isNull();
}

void TransactionScreen::loadCurrentRow() {
    txtTransactionID->setText(gridTrans->Columns(kColTransactionID).Value().toString());
    m_picker->showCategory(gridTrans->Columns(kColCategoryID).Value().toInt(),
                           gridTrans->Columns(kColCatName).Value().toString());
    dtTransDate->setDateTime(gridTrans->Columns(kColDate).Value().toDateTime());
    txtDetails->setText(gridTrans->Columns(kColDescription).Value().toString());
    txtAmount->setText(
        AmountText::format(Currency::fromVariant(gridTrans->Columns(m_kind.amountColumn).Value())));
}

void TransactionScreen::entryVanished() {
    MsgBoxInfo(kEntryVanished);
    RefreshTransactions();
}

void TransactionScreen::cmdCancel_Click() {
    trapErrors([this] {
        bNewRecord = false;
        clearEntry();
        SetEditMode(false);
    });
}

// ---- Save -----------------------------------------------------------------

void TransactionScreen::cmdSave_Click() {
    trapErrors([this] {
        Currency amount;
        if (!entryPassesChecks(&amount) || !categoryIsChosen()) {
            return;
        }
        const qint32 savedBookmark = writeEntry(amount);
        SetEditMode(false);
        RefreshTransactions();
        returnToRow(savedBookmark);
    });
}

bool TransactionScreen::entryPassesChecks(Currency* amount) {
    if (!AmountText::parse(txtAmount->text(), amount)) {
        MsgBoxInfo(kEnterValidAmount);
        txtAmount->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (*amount <= Currency()) {
        MsgBoxInfo(kEnterAmountAboveZero);
        txtAmount->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (cboCatSource->currentText().trimmed().isEmpty()) {
        MsgBoxInfo(kSelectCategory);
        cboCatSource->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (txtDetails->text().trimmed().isEmpty()) {
        MsgBoxInfo(kEnterDetails);
        txtDetails->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

// The entry's category is the selected list entry; without one (a type
// that has no categories, or a name the list does not hold) there is
// nothing to store.
bool TransactionScreen::categoryIsChosen() {
    if (m_picker->hasSelection()) {
        return true;
    }
    MsgBoxInfo(m_picker->isEmpty() ? m_kind.noCategoriesMessage
                                   : CategoryPicker::DoesNotExistMessage());
    cboCatSource->setFocus(Qt::OtherFocusReason);
    return false;
}

// Returns the bookmark of the row written, 0 when nothing was written.
qint32 TransactionScreen::writeEntry(Currency amount) {
    Recordset entry;
    if (bNewRecord) {
        entry.Open(QStringLiteral("Transactions"), &connSys(), adOpenKeyset, adLockOptimistic);
        entry.AddNew();
    } else {
        entry.Open(kSelectEntry + txtTransactionID->text(), &connSys(), adOpenKeyset,
                   adLockOptimistic);
    }
    qint32 written = 0;
    if (!entry.EOF()) {
        assignFields(entry, amount);
        entry.Update();
        written = entry.Bookmark();
        MsgBoxInfo(kSaved);
        gridTrans->Refresh();
    } else {
        MsgBoxInfo(kEditVanished);
    }
    entry.Close();
    return written;
}

void TransactionScreen::assignFields(Recordset& entry, Currency amount) {
    entry.Fields(QStringLiteral("CatType")).setValue(m_kind.typeCode);
    entry.Fields(QStringLiteral("CategoryID")).setValue(m_picker->selectedId());
    entry.Fields(QStringLiteral("TDate")).setValue(dtTransDate->dateTime());
    entry.Fields(QStringLiteral("Description")).setValue(txtDetails->text());
    entry.Fields(m_kind.amountField).setValue(QVariant::fromValue(amount));
    entry.Fields(m_kind.otherField).setValue(QVariant::fromValue(Currency()));
}

void TransactionScreen::returnToRow(qint32 savedBookmark) {
    // A remembered row that is no longer listed is skipped rather than
    // reported as an error after a save that worked.
    auto goTo = [this](qint32 bookmark) {
        if (bookmark > 0 && rsTransactions->rowOfBookmark(bookmark) >= 0) {
            gridTrans->setBookmark(bookmark);
        }
    };
    if (lEditBookmark > 0) {
        const qint32 bookmark = lEditBookmark;
        lEditBookmark = 0;
        goTo(bookmark);
    } else {
        // A new entry: the grid stands on the row just written.
        goTo(savedBookmark);
    }
}

// ---- Delete, Close --------------------------------------------------------

void TransactionScreen::cmdDelete_Click() {
    trapErrors([this] {
        if (bNewRecord) {
            // Nothing of a new entry is stored yet, and the hidden key still
            // names the entry loaded before: deleting means dropping the form.
            bNewRecord = false;
            clearEntry();
            SetEditMode(false);
            return;
        }
        if (!MsgBoxYesNo(kDeleteQuestion)) {
            return;
        }
        deleteLoadedEntry();
        SetEditMode(false);
        RefreshTransactions();
    });
}

void TransactionScreen::deleteLoadedEntry() {
    long recordsAffected = 0;
    connSys().Execute(kDeleteEntry + txtTransactionID->text(), &recordsAffected);
    if (recordsAffected < 1) {
        MsgBoxExclamation(kNotDeleted);
    } else {
        MsgBoxInfo(kDeleted);
    }
}

void TransactionScreen::cmdClose_Click() {
    trapErrors([this] { Unload(); });
}

// ---- The grid -------------------------------------------------------------

void TransactionScreen::gridTrans_DblClick() {
    bool editing = false;
    trapErrors([&] {
        editing = cmdSave->Enabled();
        if (editing) {
            MsgBoxInfo(kSaveOrCancelFirst);
        }
    });
    if (!editing) {
        cmdEdit_Click();
    }
}

void TransactionScreen::gridTrans_HeadClick(int ColIndex) {
    trapErrors([&] {
        const QString sort = gridTrans->HeaderSort(ColIndex, sSortOrder);
        rsTransactions->setSort(sort);
        sSortOrder = sort;
    });
}

// ---- Other screens --------------------------------------------------------

void TransactionScreen::openTwinScreen() {
    trapErrors([this] { openScreenBeside(m_kind.twinScreen, m_kind.twinsTwinButton); });
}

void TransactionScreen::cmdCategories_Click() {
    trapErrors([this] { openScreenBeside(ScreenNames::dlgCategories, QString()); });
}

void TransactionScreen::cmdReports_Click() {
    trapErrors([this] { openScreenBeside(ScreenNames::dlgReports, QString()); });
}

void TransactionScreen::openScreenBeside(const QString& name, const QString& buttonToHide) {
    Screens& screens = Screens::instance();
    Screen* target = screens.Load(name);
    if (!target) {
        return;
    }
    target->setLeft(Left() + kBesideOffset);
    target->setTop(Top() + kBesideOffset);
    if (!buttonToHide.isEmpty()) {
        target->control<XPButtonSite>(buttonToHide)->setVisible(false);
    }
    screens.Show(target);
}

} // namespace quillmark
