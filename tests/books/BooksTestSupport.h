#pragma once

// Support for the books screen tests: a company file of their own behind the
// data connections, the recording dialogs, the screens opened as the menus
// open them, simulated mouse and keys that go where a real user's would, and
// short readers of what the screens show and the data file holds.
#include "common/FakeDialogs.h"
#include "common/ScreenDriving.h"
#include "quillmark/books/TransactionScreen.h"
#include "quillmark/shell/mdiMain.h"

#include <QDateTime>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

class QComboBox;
class QLineEdit;

namespace quillmark {

class Connection;
class DataGrid;

namespace bookstest {

// A fresh company file (standard fixed categories, an empty CompanyInfo row),
// a US locale, fake dialogs, and the category and company screens registered.
class CompanyFileTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    Connection& connSys();
    long execute(const QString& statement);
    // Rows of a SELECT on connSys, fields joined by "|" (yes/no as 1/0, NULL as <null>).
    QStringList query(const QString& select);
    // The dialogs shown so far, one line each.
    std::string messages() const;

    // Opens the screen as the menus do (left 500, top 100) and waits until it
    // is active, so focus can be checked.
    Screen* openScreen(const QString& name);
    bool isOpen(const QString& name) const;

    QTemporaryDir dir;
    QString path;
    std::unique_ptr<FakeDialogs> dialogs;

private:
    virtual QStringList screenNames() const;
};

// Income categories exactly Fees, Food and Rent (the standard expense
// categories stay), the income and expense screens registered, and a shown,
// active main window to frame them.
class EntryScreenTest : public CompanyFileTest {
protected:
    void SetUp() override;
    void TearDown() override;

    int categoryId(const QString& name) const { return m_categories.value(name); }
    TransactionScreen* openScreen(const QString& name);
    TransactionScreen* openIncome() { return openScreen(QStringLiteral("dlgIncome")); }
    TransactionScreen* openExpense() { return openScreen(QStringLiteral("dlgExpense")); }

    std::unique_ptr<mdiMain> window;

private:
    QStringList screenNames() const override;
    QHash<QString, int> m_categories;
};

int addCategory(Connection& connection, int code, const QString& name, const QString& type);
// Stores an entry directly; the amount goes to Credit for "INC", Debit for "EXP".
int addEntry(Connection& connection, int categoryId, const QString& type, const QDateTime& date,
             const QString& description, const QString& amount);
// Entries as stored, by key: "type|category|yyyy-MM-dd hh:mm|description|credit|debit".
QStringList storedEntries(Connection& connection);

// Controls of a screen by name.
QLineEdit* lineEdit(const Screen* screen, const QString& name);
QComboBox* categoryBox(const Screen* screen);
DataGrid* grid(const Screen* screen);

using screentest::clickButton;
using screentest::clickHeader;
using screentest::clickRow;
using screentest::lines;
using screentest::shownRows;
void pressEnterOn(const Screen* screen, const QString& name);
// The names (without "cmd") of the enabled buttons, in the order given.
QString enabledButtons(const Screen* screen, const QStringList& names);
// "New Edit Close" while browsing, "Save Cancel Delete" while editing.
QString modeButtons(const Screen* screen);

QString currentRowShown(const DataGrid* grid);
// The row whose third column (a category's code) shows the code, or -1.
int rowShowingCode(const DataGrid* grid, int code);
void doubleClickRow(DataGrid* grid, int row);

// Keys as a keyboard delivers them: to the open drop-down list when there is
// one, else to the widget with the focus.
QWidget* keyboardReceiver();
void typeKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void typeText(const QString& text);

// The box's edit field as "text[selection]" with the highlighted part in
// brackets, or "text|" / "te|xt" showing the caret when nothing is highlighted.
QString editState(const QComboBox* combo);

} // namespace bookstest
} // namespace quillmark
