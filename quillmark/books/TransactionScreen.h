#pragma once

#include "quillmark/books/TransactionKind.h"
#include "quillmark/data/Currency.h"
#include "quillmark/shell/Screen.h"

#include <QString>

#include <memory>
#include <vector>

class QComboBox;
class QLineEdit;

namespace quillmark {

class CategoryPicker;
class DataGrid;
class DatePicker;
struct CategoryEntry;
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
    bool hasOpenEdit() const override;

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

protected:
    TransactionScreen(const TransactionKind& kind, QWidget* parent);
    // The twin button's handler: opens the screen of the other kind beside
    // this one, without its way back, so that the twins stack only once.
    void openTwinScreen();

private:
    void SetEditMode(bool bEdit);
    void RefreshTransactions();
    void LoadCategories();

    void connectHandlers();
    std::vector<CategoryEntry> categoriesOfThisType() const;
    void runTransactions();
    bool currentRowVanished() const;
    void loadCurrentRow();
    bool entryPassesChecks(Currency* amount);
    bool categoryIsChosen();
    qint32 writeEntry(Currency amount);
    void assignFields(Recordset& entry, Currency amount);
    void returnToRow(qint32 savedBookmark);
    void clearEntry();
    void deleteLoadedEntry();
    void entryVanished();
    void openScreenBeside(const QString& name, const QString& buttonToHide);

    const TransactionKind m_kind;

    DataGrid* gridTrans;
    DatePicker* dtTransDate;
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

    // Owns the category box's keys, list and check; goes before the controls.
    std::unique_ptr<CategoryPicker> m_picker;

    bool bNewRecord = false;
    qint32 lEditBookmark = 0;
    QString sSortOrder;
};

} // namespace quillmark
