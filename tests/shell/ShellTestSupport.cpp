#include "ShellTestSupport.h"

#include "quillmark/shell/ScreenNames.h"
#include "quillmark/shell/Screens.h"
#include "quillmark/shell/dlgAbout.h"
#include "quillmark/shell/dlgDataPath.h"
#include "quillmark/shell/dlgQuickLaunch.h"

namespace quillmark::test {

void registerTestedScreens() {
    Screens& screens = Screens::instance();
    screens.registerScreen(ScreenNames::dlgDataPath, [] { return new dlgDataPath; });
    screens.registerScreen(ScreenNames::dlgQuickLaunch, [] { return new dlgQuickLaunch; });
    screens.registerScreen(ScreenNames::dlgAbout, [] { return new dlgAbout; });
}

namespace {

class FakeScreen : public Screen {
public:
    FakeScreen(const QString& name, QStringList* log)
        : Screen(FormData::fromJson(QStringLiteral(R"({"name": "%1", "caption": "%1",
                                                       "width": 3000, "height": 1500})")
                                        .arg(name)
                                        .toUtf8(),
                                    name),
                 nullptr),
          m_log(log) {}
    void Form_Load() override { m_log->append(QStringLiteral("load ") + Name()); }

protected:
    void Form_Unload() override { m_log->append(QStringLiteral("unload ") + Name()); }

private:
    QStringList* m_log;
};

} // namespace

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
    registerTestedScreens();
}

} // namespace quillmark::test
