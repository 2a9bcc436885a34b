#pragma once

// Helpers shared by the shell tests: screens made from inline form data,
// fake screen factories that record what happens to them, and a program
// folder of its own with a default data file.
#include "quillmark/shell/FormData.h"
#include "quillmark/shell/Screen.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <ostream>

// Readable texts in test failure output.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace quillmark::test {

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

// Runs deferred deletions (screens unload with deleteLater).
void flushDeletes();

} // namespace quillmark::test
