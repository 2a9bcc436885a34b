#pragma once

#include "quillmark/shell/Screen.h"

#include <QString>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace quillmark {

class DataGrid;
class Recordset;
class XPButtonSite;

// The category management screen: lists every category of the open company
// by code and lets the user add one, change one, or delete one that is not
// part of the standard (fixed) set.
class dlgCategories : public Screen {
    Q_OBJECT
public:
    explicit dlgCategories(QWidget* parent = nullptr);
    ~dlgCategories() override;

    void Form_Load() override;
    bool hasOpenEdit() const override;

    void cmdNew_Click();
    void cmdEdit_Click();
    void cmdSave_Click();
    void cmdDelete_Click();
    void cmdCancel_Click();
    void cmdClose_Click();
    void gridCat_DblClick();
    void gridCat_HeadClick(int ColIndex);
    // Every key that would type into the type box is dropped: only its list
    // sets it.
    void cboCatType_KeyPress(int& KeyAscii);

protected:
    void Form_Unload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetEditMode(bool editing);
    void RefreshCategories();

    void connectHandlers();
    void guardTypeBox();
    void editCurrentRow();
    bool entryPassesChecks();
    bool codeIsTaken() const;
    QString duplicateCodeFilter() const;
    void writeCategory();
    void returnToSavedRow(qint32 newRowBookmark);
    void categoryVanished();
    void deleteCategory();
    void clearEntry();
    void selectType(const QString& shownType);
    Recordset& categories() const;

    DataGrid* gridCat;
    QLineEdit* txtCode;
    QComboBox* cboCatType;
    QLineEdit* txtDesc;
    QLineEdit* txtCatID;
    QCheckBox* chkFixed;
    XPButtonSite* cmdNew;
    XPButtonSite* cmdEdit;
    XPButtonSite* cmdSave;
    XPButtonSite* cmdDelete;
    XPButtonSite* cmdCancel;
    XPButtonSite* cmdClose;

    // The roles and names of the transaction screens' members: a new entry is
    // being made; the bookmark of the row taken into editing, so that the grid
    // returns to that category after a save wherever sorting or re-reading
    // put it; the sort last applied.
    bool bNewRecord = false;
    qint32 lEditBookmark = 0;
    QString sSortOrder;
};

} // namespace quillmark
