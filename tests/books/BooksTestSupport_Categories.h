#pragma once

// Support for the category and company information screen tests: a company
// file of their own with the data connections pointed at it, the recording
// dialogs, the screens opened through the screens manager, and short readers
// of what the data file holds.
#include "common/FakeDialogs.h"
#include "quillmark/shell/Screen.h"

#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>

class QAbstractItemModel;

namespace quillmark {

class Connection;
class DataGrid;

namespace cattest {

// Each test gets a fresh company file (with the standard fixed categories and
// an empty CompanyInfo row) opened on connSys, and fake dialogs.
class CompanyFileTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    Connection& connSys();
    // Opens the screen as the menus do, shown and active, so focus can be checked.
    template <class T> T* openScreen(const QString& name) {
        return qobject_cast<T*>(openScreenNamed(name));
    }
    Screen* openScreenNamed(const QString& name);
    bool isOpen(const QString& name) const;
    // Runs one statement on connSys; returns the rows it changed.
    long execute(const QString& statement);

    QTemporaryDir dir;
    QString path;
    std::unique_ptr<FakeDialogs> dialogs;
};

// Clicks a command button of the screen with a real press and release.
void clickButton(const Screen* screen, const QString& name);
bool buttonEnabled(const Screen* screen, const QString& name);
// "New Edit Close" style: the names (without "cmd") of the enabled buttons, in
// the order given.
QString enabledButtons(const Screen* screen, const QStringList& names);

// Categories as stored, ordered by code: "code|name|type|fixed" (fixed 1/0).
QStringList storedCategories(Connection& connection);
std::string storedCategory(Connection& connection, int code);
int addCategory(Connection& connection, int code, const QString& name, const QString& type);
void addIncomeEntry(Connection& connection, int categoryId);

// The grid's shown texts of the visible columns, one "a|b|c" string per row.
QStringList shownRows(const DataGrid* grid);
// The grid row that shows this code, or -1.
int rowShowingCode(const DataGrid* grid, int code);
std::string currentRowShown(const DataGrid* grid);
void clickRow(DataGrid* grid, int row);
void doubleClickRow(DataGrid* grid, int row);
void clickHeader(DataGrid* grid, int column);

// Readable comparisons in failure output.
std::string lines(const QStringList& list);

} // namespace cattest
} // namespace quillmark
