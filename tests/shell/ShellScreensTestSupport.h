#pragma once

// Support for the tests of the company data files screen, the quick launch
// panel, the about box and start-up: the program's screens registered, a
// program folder of their own with the default books open as start-up leaves
// them, and short readers of what the data files hold.
#include "ShellTestSupport.h"
#include "common/FakeDialogs.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <string>

namespace quillmark {

class DataGrid;

namespace screenstest {

class DefaultBooksTest : public ::testing::Test {
protected:
    // With openBooks, connSecurity, connSys and connReports are on the
    // default file as after start-up.
    explicit DefaultBooksTest(bool openBooks = true);
    ~DefaultBooksTest() override;

    bool isLoaded(const QString& name) const;
    // "sys | reports | security": the files the connections are open on.
    QString connections() const;
    QString onCompany(const QString& path) const;

    FakeDialogs dialogs;
    test::TempProgramFolder folder;
};

// Clicks a command button of the screen with a real press and release.
void clickButton(const Screen* screen, const QString& name);
void clickRow(DataGrid* grid, int row);
// The company list as stored in the default file, by key: "id|name|path".
QStringList storedCompanies();
std::string lines(const QStringList& list);

} // namespace screenstest
} // namespace quillmark
