#pragma once

#include "quillmark/books/TransactionKind.h"
#include "quillmark/data/Currency.h"
#include "quillmark/shell/Screen.h"

#include <QString>

class QComboBox;
class QDateTimeEdit;
class QKeyEvent;
class QLineEdit;

namespace quillmark {

class DataGrid;
class Recordset;
class XPButtonSite;

// The behaviour shared by the income and expense screens: a grid of the
// entries of one type and one form below it for making a new entry or
// changing the one picked in the grid. The kind supplies the few constants
// that differ.
class TransactionScreen : public Screen {
    Q_OBJECT
public:
    ~TransactionScreen() override;

    void Form_Load() override;

    void cmdNew_Click();
    void cmdEdit_Click();
    void cmdSave_Click();
    void cmdCancel_Click();
    void cmdDelete_Click();
    void cmdClose_Click();
    void cmdCategories_Click();
    void cmdReports_Click();
    void gridTrans_DblClick();
    void gridTrans_HeadClick(int ColIndex);
    void cboCatSource_KeyPress(int& KeyAscii);
    void cboCatSource_Validate(bool& Cancel);

protected:
    TransactionScreen(const TransactionKind& kind, QWidget* parent);
    // The twin button's handler: opens the screen of the other kind beside
    // this one, without its way back, so that the twins stack only once.
    void openTwinScreen();
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetEditMode(bool bEdit);
    void RefreshTransactions();
    void LoadCategories();

    void connectHandlers();
    void watchCategoryBox();
    void runTransactions();
    bool currentRowVanished() const;
    void loadCurrentRow();
    void showEntryCategory(qint32 categoryId);
    bool entryPassesChecks(Currency* amount);
    bool categoryIsChosen();
    qint32 writeEntry(Currency amount);
    void assignFields(Recordset& entry, Currency amount);
    void returnToRow(qint32 savedBookmark);
    void clearEntry();
    void deleteLoadedEntry();
    void entryVanished();
    void openScreenBeside(const QString& name, const QString& buttonToHide);
    bool handleCategoryKey(QKeyEvent* key, bool inDropDown);
    void forwardToCategoryBox(const QKeyEvent* key);
    void onFocusChanged(QWidget* old, QWidget* now);
    bool isCategoryBoxPart(const QWidget* widget) const;

    const TransactionKind m_kind;

    DataGrid* gridTrans;
    QDateTimeEdit* dtTransDate;
    QLineEdit* txtAmount;
    QComboBox* cboCatSource;
    QLineEdit* txtDetails;
    QLineEdit* txtTransactionID;
    XPButtonSite* cmdNew;
    XPButtonSite* cmdEdit;
    XPButtonSite* cmdSave;
    XPButtonSite* cmdCancel;
    XPButtonSite* cmdDelete;
    XPButtonSite* cmdClose;
    XPButtonSite* cmdCategories;
    XPButtonSite* cmdReports;

    // The grid's rows: the entry list of this screen's type. Each screen has
    // its own, so that the twins can stand open side by side.
    Recordset* rsTransactions;

    bool bNewRecord = false;
    qint32 lEditBookmark = 0;
    QString sSortOrder;

    bool m_validating = false;
    bool m_forwardingKey = false;
};

} // namespace quillmark
