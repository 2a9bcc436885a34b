#pragma once

// Support for the category and company information screen tests: a company
// file of their own opened on connSys, the recording dialogs, the screens
// opened through the screens manager, and short readers of what is stored.
#include "common/FakeDialogs.h"
#include "quillmark/shell/Screen.h"

#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace quillmark {

class Connection;
class DataGrid;

namespace cattest {

// A fresh company file (standard fixed categories, an empty CompanyInfo row).
class CompanyFileTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    Connection& connSys();
    // Opens the screen as the menus do, shown and active so focus can be checked.
    Screen* openScreen(const QString& name);
    bool isOpen(const QString& name) const;
    void execute(const QString& statement);
    // Rows of a SELECT on connSys, fields joined by "|" (yes/no as 1/0, NULL as <null>).
    QStringList query(const QString& select);
    std::string messages() const;

    QTemporaryDir dir;
    std::unique_ptr<FakeDialogs> dialogs;
};

// Clicks a command button with a real press and release.
void clickButton(const Screen* screen, const QString& name);
// The names (without "cmd") of the enabled buttons, in the order given.
std::string enabledButtons(const Screen* screen, const QStringList& names);

// The grid's texts of the visible columns, "a|b|c" per row.
QStringList shownRows(const DataGrid* grid);
int rowShowingCode(const DataGrid* grid, int code);
std::string currentRowShown(const DataGrid* grid);
void clickRow(DataGrid* grid, int row);
void doubleClickRow(DataGrid* grid, int row);
void clickHeader(DataGrid* grid, int column);

std::string lines(const QStringList& list);

} // namespace cattest
} // namespace quillmark
