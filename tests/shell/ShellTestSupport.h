#pragma once

// Helpers shared by the shell tests: screens made from inline form data,
// fake screen factories that record what happens to them, a program folder of
// its own with a default data file, and the program's own screens on the
// default books as start-up leaves them.
#include "common/FakeDialogs.h"
#include "common/ScreenDriving.h"
#include "quillmark/shell/FormData.h"
#include "quillmark/shell/Screen.h"

#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

namespace quillmark {

class DataGrid;

namespace test {

FormData formFromJson(const char* json);

// A screen that records its load and unload in a shared log ("load dlgX",
// "unload dlgX").
class FakeScreen : public Screen {
    Q_OBJECT
public:
    FakeScreen(const QString& name, QStringList* log);
    void Form_Load() override;

protected:
    void Form_Unload() override;

private:
    QStringList* m_log;
};

// Registers a FakeScreen factory for each name while alive; unloads them and
// removes the factories at the end.
class FakeScreenFactories {
public:
    explicit FakeScreenFactories(const QStringList& names);
    ~FakeScreenFactories();
    QStringList log;

private:
    QStringList m_names;
};

// A program folder of its own (optionally with the default data file made
// by the data layer), and a fresh data environment; restores both at the end.
class TempProgramFolder {
public:
    explicit TempProgramFolder(bool withDefaultDataFile);
    ~TempProgramFolder();
    QString path() const { return m_dir.path(); }
    QString defaultDataFile() const;

private:
    QTemporaryDir m_dir;
};

using screentest::clickButton;
using screentest::clickRow;
using screentest::flushDeletes;
using screentest::lines;

// The program's screens registered, in a program folder of their own.
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
    TempProgramFolder folder;
};

// The company list as stored in the default file, by key: "id|name|path".
QStringList storedCompanies();

} // namespace test
} // namespace quillmark
