#include "quillmark/books/TransactionScreen.h"

#include "quillmark/books/AmountText.h"
#include "quillmark/books/ComboMessages.h"
#include "quillmark/books/mdlComponents.h"
#include "quillmark/data/Command.h"
#include "quillmark/data/Connection.h"
#include "quillmark/data/Recordset.h"
#include "quillmark/data/deQuillmark.h"
#include "quillmark/shell/DataGrid.h"
#include "quillmark/shell/ErrorTrap.h"
#include "quillmark/shell/Messages.h"
#include "quillmark/shell/ScreenNames.h"
#include "quillmark/shell/Screens.h"
#include "quillmark/shell/XPButtonSite.h"
#include "quillmark/shell/mdlGlobal.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QKeyEvent>
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
const QString kCategoryDoesNotExist =
    QStringLiteral("This category does not exist. Please select a valid category.");
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

// The list's counter was a 16-bit integer.
constexpr int kMostCategories = 32767;

constexpr int kBackspace = 8;
constexpr int kFirstPrintable = 32;

// The character a key press types, as the classic KeyPress event saw it, or
// -1 for keys that raise no KeyPress (navigation, Tab, Delete, access keys).
int keyAsciiOf(const QKeyEvent* key) {
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
        key->key() == Qt::Key_Delete) {
        return -1;
    }
    if ((key->modifiers() & Qt::AltModifier) && !(key->modifiers() & Qt::ControlModifier)) {
        return -1;
    }
    const QString text = key->text();
    if (text.size() != 1 || text.at(0).unicode() == 0x7F) {
        return -1;
    }
    const QChar ch = text.at(0);
    // Ctrl with a letter types its control character (Ctrl+V is 22) on every
    // platform, whatever text the platform attached to the key.
    if ((key->modifiers() & Qt::ControlModifier) && ch.unicode() < 0x80 && ch.isLetter()) {
        return ch.toUpper().unicode() & 0x1F;
    }
    return ch.unicode();
}

bool isTabKey(const QKeyEvent* key) {
    return key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
}

Connection& connSys() {
    return deQuillmark::instance().connSys();
}

} // namespace

TransactionScreen::TransactionScreen(const TransactionKind& kind, QWidget* parent)
    : Screen(kind.formName, parent), m_kind(kind),
      gridTrans(control<DataGrid>(QStringLiteral("gridTrans"))),
      dtTransDate(control<QDateTimeEdit>(QStringLiteral("dtTransDate"))),
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
      rsTransactions(new Recordset(this)) {
    gridTrans->setDataSource(rsTransactions);
    connectHandlers();
    watchCategoryBox();
}

TransactionScreen::~TransactionScreen() {
    // Destroying the controls moves the focus; this screen must not hear of it.
    disconnect(qApp, nullptr, this, nullptr);
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

void TransactionScreen::watchCategoryBox() {
    DeselectOnEdit(*cboCatSource);
    // Keys reach the box itself, which hands them straight to its edit field.
    cboCatSource->installEventFilter(this);
    cboCatSource->lineEdit()->installEventFilter(this);
    // While the list is dropped down it receives the keys; they still type
    // into the box.
    QAbstractItemView* list = cboCatSource->view();
    list->installEventFilter(this);
    if (QWidget* dropDown = list->parentWidget()) {
        dropDown->installEventFilter(this);
    }
    connect(qApp, &QApplication::focusChanged, this, &TransactionScreen::onFocusChanged);
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
        Recordset& categories = deQuillmark::instance().cmdTransCategories(m_kind.typeCode);
        int i = 0;
        for (; !categories.EOF() && i < kMostCategories; categories.MoveNext()) {
            cboCatSource->insertItem(
                i, categories.Fields(QStringLiteral("CatName")).Value().toString());
            cboCatSource->setItemData(
                i, categories.Fields(QStringLiteral("CategoryID")).Value().toInt());
            ++i;
        }
        categories.Close();
        if (cboCatSource->count() >= 1) {
            cboCatSource->setCurrentIndex(0);
        }
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
// The buttons answer Enter even while disabled; a disabled button must not act.

void TransactionScreen::cmdNew_Click() {
    if (!cmdNew->Enabled()) {
        return;
    }
    trapErrors([this] {
        bNewRecord = true;
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
    if (!cmdEdit->Enabled()) {
        return;
    }
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
    showEntryCategory(gridTrans->Columns(kColCategoryID).Value().toInt());
    dtTransDate->setDateTime(gridTrans->Columns(kColDate).Value().toDateTime());
    txtDetails->setText(gridTrans->Columns(kColDescription).Value().toString());
    txtAmount->setText(
        AmountText::format(Currency::fromVariant(gridTrans->Columns(m_kind.amountColumn).Value())));
}

void TransactionScreen::showEntryCategory(qint32 categoryId) {
    SelectComboByItemData(*cboCatSource, categoryId);
    const int index = cboCatSource->currentIndex();
    if (index >= 0 && cboCatSource->itemData(index).toInt() == categoryId) {
        return;
    }
    // The entry's category is not in this screen's list (its type was changed
    // meanwhile): show its name rather than leave another category selected,
    // which Save would store without a word.
    SetComboText(*cboCatSource, gridTrans->Columns(kColCatName).Value().toString());
}

void TransactionScreen::entryVanished() {
    MsgBoxInfo(kEntryVanished);
    RefreshTransactions();
}

void TransactionScreen::cmdCancel_Click() {
    if (!cmdCancel->Enabled()) {
        return;
    }
    trapErrors([this] {
        bNewRecord = false;
        clearEntry();
        SetEditMode(false);
    });
}

// ---- Save -----------------------------------------------------------------

void TransactionScreen::cmdSave_Click() {
    if (!cmdSave->Enabled()) {
        return;
    }
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
    if (cboCatSource->currentIndex() >= 0) {
        return true;
    }
    MsgBoxInfo(cboCatSource->count() == 0 ? m_kind.noCategoriesMessage : kCategoryDoesNotExist);
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
    entry.Fields(QStringLiteral("CategoryID"))
        .setValue(cboCatSource->itemData(cboCatSource->currentIndex()).toInt());
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
    if (!cmdDelete->Enabled()) {
        return;
    }
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
    if (!cmdClose->Enabled()) {
        return;
    }
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
        const QString field = gridTrans->Columns(ColIndex).DataField();
        QString sort = field + QStringLiteral(" ASC");
        if (sort == sSortOrder) {
            sort = field + QStringLiteral(" DESC");
        }
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

// ---- The category picker --------------------------------------------------

void TransactionScreen::cboCatSource_KeyPress(int& KeyAscii) {
    trapErrors([&] { KeyAscii = AutoCompleteCombo(*cboCatSource, KeyAscii); });
}

void TransactionScreen::cboCatSource_Validate(bool& Cancel) {
    trapErrors([&] {
        const int index = cboCatSource->currentIndex();
        const QString text = cboCatSource->currentText();
        bool found = false;
        qint32 foundId = 0;
        if (index != -1) {
            Recordset& categories = deQuillmark::instance().cmdTransCategories(m_kind.typeCode);
            for (; !categories.EOF(); categories.MoveNext()) {
                if (categories.Fields(QStringLiteral("CatName")).Value().toString() == text) {
                    found = true;
                    foundId = categories.Fields(QStringLiteral("CategoryID")).Value().toInt();
                    break;
                }
            }
            categories.Close();
        }
        if (!found) {
            cboCatSource->setCurrentIndex(-1);
            cboCatSource->setEditText(QString());
            MsgBoxInfo(kCategoryDoesNotExist);
            Cancel = true;
            return;
        }
        if (cboCatSource->itemData(index).toInt() != foundId) {
            SelectComboByItemData(*cboCatSource, foundId);
        }
    });
}

bool TransactionScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && !m_forwardingKey) {
        const bool inEditField = watched == cboCatSource || watched == cboCatSource->lineEdit();
        const bool inDropDown =
            watched == cboCatSource->view() || watched == cboCatSource->view()->parentWidget();
        if (inEditField || inDropDown) {
            return handleCategoryKey(static_cast<QKeyEvent*>(event), inDropDown);
        }
    }
    return Screen::eventFilter(watched, event);
}

// Returns true when the key is used up here.
bool TransactionScreen::handleCategoryKey(QKeyEvent* key, bool inDropDown) {
    if (inDropDown && isTabKey(key)) {
        // Tab leaves the box as it does with the list closed.
        cboCatSource->hidePopup();
        forwardToCategoryBox(key);
        return true;
    }
    int KeyAscii = keyAsciiOf(key);
    const bool typesIntoBox = KeyAscii >= kFirstPrintable || KeyAscii == kBackspace;
    if (KeyAscii < 0 || (inDropDown && !typesIntoBox && KeyAscii != '\r')) {
        // Keys of the list itself (Escape, arrows) work the list.
        return false;
    }
    cboCatSource_KeyPress(KeyAscii);
    if (KeyAscii == 0) {
        return true;
    }
    if (inDropDown) {
        forwardToCategoryBox(key);
        return true;
    }
    return false;
}

void TransactionScreen::forwardToCategoryBox(const QKeyEvent* key) {
    QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text(), key->isAutoRepeat(),
                   static_cast<quint16>(key->count()));
    m_forwardingKey = true;
    QCoreApplication::sendEvent(cboCatSource, &copy);
    m_forwardingKey = false;
}

bool TransactionScreen::isCategoryBoxPart(const QWidget* widget) const {
    return widget && (widget == cboCatSource || cboCatSource->isAncestorOf(widget));
}

// Runs the box's check when the focus leaves it for another control of this
// screen (not for its own list, another screen or another program).
void TransactionScreen::onFocusChanged(QWidget* old, QWidget* now) {
    if (!now || m_validating || isUnloading() || !isCategoryBoxPart(old) ||
        isCategoryBoxPart(now) || !isAncestorOf(now)) {
        return;
    }
    m_validating = true;
    bool Cancel = false;
    cboCatSource_Validate(Cancel);
    if (Cancel) {
        cboCatSource->setFocus(Qt::OtherFocusReason);
    }
    m_validating = false;
}

} // namespace quillmark
