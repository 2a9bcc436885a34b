#include "ShellTestSupport.h"

#include "quillmark/data/DataFile.h"
#include "quillmark/data/deQuillmark.h"
#include "quillmark/shell/Screens.h"
#include "quillmark/shell/mdlGlobal.h"

#include <QCoreApplication>
#include <QEvent>

#include <gtest/gtest.h>

namespace quillmark::test {

FormData formFromJson(const char* json) {
    return FormData::fromJson(QByteArray(json), QStringLiteral("test"));
}

namespace {

FormData fakeForm(const QString& name) {
    FormData form;
    form.name = name;
    form.caption = name;
    form.width = 3000;
    form.height = 1500;
    return form;
}

} // namespace

FakeScreen::FakeScreen(const QString& name, QStringList* log)
    : Screen(fakeForm(name), nullptr), m_log(log) {}

void FakeScreen::Form_Load() {
    m_log->append(QStringLiteral("load ") + Name());
}

void FakeScreen::Form_Unload() {
    m_log->append(QStringLiteral("unload ") + Name());
}

FakeScreenFactories::FakeScreenFactories(const QStringList& names) : m_names(names) {
    for (const QString& name : names) {
        Screens::instance().registerScreen(name,
                                           [this, name] { return new FakeScreen(name, &log); });
    }
}

FakeScreenFactories::~FakeScreenFactories() {
    for (const QString& name : std::as_const(m_names)) {
        Screens::instance().Unload(name);
        Screens::instance().unregisterScreen(name);
    }
    flushDeletes();
}

TempProgramFolder::TempProgramFolder(bool withDefaultDataFile) {
    deQuillmark::resetInstance();
    setProgramFolder(m_dir.path());
    if (withDefaultDataFile) {
        DataFile::createCompanyFile(defaultDataFile(), true);
    }
}

TempProgramFolder::~TempProgramFolder() {
    deQuillmark::resetInstance();
    setProgramFolder(QString());
}

QString TempProgramFolder::defaultDataFile() const {
    return m_dir.filePath(QStringLiteral("vevodir.dat"));
}

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace quillmark::test
