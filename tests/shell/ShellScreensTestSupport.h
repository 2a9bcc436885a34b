#pragma once

// Support for the tests of the company data files screen, the quick launch
// panel, the about box and start-up: a program folder of their own with the
// default books open as start-up leaves them, real screens through the
// screens manager, and short readers of what the data files hold.
#include "ShellTestSupport.h"
#include "common/FakeDialogs.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <string>

namespace quillmark {

class Connection;
class DataGrid;
class Screen;

namespace screenstest {

// A program folder with its default data file, connSecurity, connSys and
// connReports on it as after start-up, and recording dialogs.
class DefaultBooksTest : public ::testing::Test {
protected:
    DefaultBooksTest();
    ~DefaultBooksTest() override;

    // Loads and shows the screen through the screens manager.
    Screen* openScreen(const QString& name);
    bool isLoaded(const QString& name) const;
    // Registers the program's factory of each screen for this test.
    void useRealScreens(const QStringList& names);

    FakeDialogs dialogs;
    test::TempProgramFolder folder;

private:
    QStringList m_registered;
};

// Clicks a command button of the screen with a real press and release.
void clickButton(const Screen* screen, const QString& name);
void clickRow(DataGrid* grid, int row);

// The company list as stored in the default file, by key: "id|name|path".
QStringList storedCompanies();
// What the grid shows, one "a|b|c" string per row.
QStringList shownRows(const DataGrid* grid);
// The data file a connection is open on, or "(closed)".
QString openFile(Connection& connection);

std::string lines(const QStringList& list);

} // namespace screenstest
} // namespace quillmark
