#pragma once

// Support shared by the tests of the program's screens: books of their own in
// a data folder of their own, the main window to frame the screens, the
// recording dialogs, and mouse and keys that go where a real user's would.
#include "common/FakeDialogs.h"
#include "quillmark/data/deQuillmark.h"
#include "quillmark/shell/DataGrid.h"
#include "quillmark/shell/Screen.h"
#include "quillmark/shell/mdiMain.h"
#include "quillmark/shell/mdlGlobal.h"

#include <QDateTime>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

// Readable texts in test failure output.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace quillmark::test {

// Registers the screens a test program tests; each test program defines it.
void registerTestedScreens();

std::string lines(const QStringList& list);
// Runs deferred deletions (screens unload with deleteLater).
void flushDeletes();

// A real press and release on a command button of the screen.
void clickButton(const Screen* screen, const QString& name);
// The names (without "cmd") of the enabled buttons among these, in order.
QString enabledButtons(const Screen* screen, const QStringList& names);

// The grid's shown texts of the visible columns as "a|b|c".
QString rowShown(const DataGrid* grid, int row);
QStringList shownRows(const DataGrid* grid);
QString currentRowShown(const DataGrid* grid);
void clickRow(DataGrid* grid, int row);
void doubleClickRow(DataGrid* grid, int row);
void clickHeader(DataGrid* grid, int column);

// Keys as a keyboard delivers them: to the open pop-up when there is one,
// else to the widget with the focus.
void typeKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void typeText(const QString& text);

// The default books (with the company list) in a data folder of the test's
// own, a US locale, the recording dialogs, the tested screens registered and
// the main window shown and active. With openBooks the connections are open
// on the default books as after start-up.
class BooksTest : public ::testing::Test {
protected:
    explicit BooksTest(bool openBooks = true);
    ~BooksTest() override;

    QString defaultBooks() const { return UserDataFolder() + QStringLiteral("/vevodir.dat"); }
    // A new, empty company file of that name beside the default books.
    QString companyFile(const QString& fileName) const;
    Connection& connSys() const { return deQuillmark::instance().connSys(); }
    long execute(const QString& statement) const;
    // A category, and an entry stored directly (the amount goes to Credit
    // for "INC", to Debit for "EXP"); each returns its key.
    int addCategory(int code, const QString& name, const QString& type) const;
    int addEntry(int categoryId, const QString& type, const QDateTime& date,
                 const QString& description, const QString& amount) const;
    // Rows of a SELECT on connSys, fields joined by "|" (yes/no as 1/0).
    QStringList query(const QString& select) const;
    std::string messages() const { return lines(dialogs.dump()); }
    // "sys | reports | security": the files the connections are open on.
    QString connections() const;
    QString onCompany(const QString& path) const;

    // Opens the screen as the menus do (left 500, top 100).
    Screen* openScreen(const QString& name);
    bool isOpen(const QString& name) const;

    FakeDialogs dialogs;
    QTemporaryDir home;
    mdiMain window;

private:
    QByteArray m_savedDataHome;
};

} // namespace quillmark::test
