// An installed copy's first start registers the control server beside it,
// only when no registered server loads, and never writes over a damaged
// registry.
#include "quillmark/shell/ControlServerSetup.h"
#include "ShellTestSupport.h"

#include <lumokit/Registry.h>

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quillmark::test {
namespace {

using Outcome = ControlServerSetup::Outcome;

const QString kBuiltServer = QStringLiteral(QUILLMARK_BUILD_DIR "/lib/liblumokit.so.1");
const QString kMissingServer = QStringLiteral("/nonexistent/lib/liblumokit.so.1");

class ControlServerSetupTest : public ::testing::Test {
protected:
    // Each case works on a registry of its own; the one the other tests use
    // is put back afterwards.
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        qputenv("LUMOKIT_REGISTRY", QFile::encodeName(registry));
    }
    void TearDown() override { qputenv("LUMOKIT_REGISTRY", saved); }

    void write(const QByteArray& contents) const {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(registry).absolutePath()));
        QFile file(registry);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    QByteArray contents() const {
        QFile file(registry);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The server the button's class is registered with, as a real file.
    QString buttonServer() const {
        const auto document = lumokit::Registry::read(registry);
        const auto entry = lumokit::Registry::findProgId(*document, "LumoKit.LumoXPButton");
        return entry ? QFileInfo(entry->serverPath).canonicalFilePath() : QString();
    }
    // A registry whose button class lives in serverPath, beside another program's entry.
    void pointButtonAt(const QString& serverPath) const {
        write(QStringLiteral(R"({"progIds": {"LumoKit.LumoXPButton": "%1", "Other.Thing": "kept"},
                                 "classes": {"%1": {"server": "%2"}}})")
                  .arg(QStringLiteral("{0DDBA11C-0000-4000-8000-000000000001}"), serverPath)
                  .toUtf8());
    }

    FakeDialogs dialogs;
    QTemporaryDir dir;
    const QString registry = dir.filePath(QStringLiteral("config/lumokit/registry.json"));
    const QByteArray saved = qgetenv("LUMOKIT_REGISTRY");
};

TEST_F(ControlServerSetupTest, RegistersOnlyWhenNoRegisteredServerLoadsAndKeepsOtherEntries) {
    // This test program runs from the build tree, whose build registers the server.
    EXPECT_EQ(ControlServerSetup::atStart(), Outcome::BuildTree);
    EXPECT_FALSE(QFile::exists(registry));
    const QString built = QFileInfo(kBuiltServer).canonicalFilePath();
    EXPECT_EQ(ControlServerSetup::ensureRegistered(kBuiltServer), Outcome::Registered);
    EXPECT_EQ(buttonServer(), built);

    pointButtonAt(kMissingServer);
    ASSERT_EQ(buttonServer(), QString());
    EXPECT_EQ(ControlServerSetup::ensureRegistered(kBuiltServer), Outcome::Registered);
    EXPECT_EQ(buttonServer(), built);
    const QJsonObject root = *lumokit::Registry::read(registry);
    EXPECT_EQ(root.value("progIds").toObject().value("Other.Thing").toString(), "kept");

    pointButtonAt(QStringLiteral(QUILLMARK_BUILD_DIR "/lib/liblumokit.so"));
    const QByteArray before = contents();
    // Were it registered, this server's failure would show.
    EXPECT_EQ(ControlServerSetup::ensureRegistered(kMissingServer), Outcome::Loadable);
    EXPECT_EQ(contents(), before);
    EXPECT_EQ(lines(dialogs.dump()), "");
}

TEST_F(ControlServerSetupTest, AServerThatCannotBeRegisteredOrADamagedRegistryIsReportedOnly) {
    EXPECT_EQ(ControlServerSetup::ensureRegistered(kMissingServer), Outcome::Failed);
    EXPECT_FALSE(QFile::exists(registry));
    EXPECT_EQ(lines(dialogs.dump()),
              QStringLiteral("msgbox exclamation ok [Quillmark] The control server could not be "
                             "registered in %1: The control server %2 cannot be loaded: the file "
                             "does not exist")
                  .arg(registry, kMissingServer)
                  .toStdString());

    dialogs.clear();
    const QByteArray damaged = "{\"classes\": {\"{1}\": ";
    write(damaged);
    EXPECT_EQ(ControlServerSetup::ensureRegistered(kBuiltServer), Outcome::Damaged);
    EXPECT_EQ(contents(), damaged);
    ASSERT_EQ(dialogs.dump().size(), 1);
    const QString shown = dialogs.dump()[0];
    EXPECT_TRUE(shown.startsWith(QStringLiteral("msgbox exclamation ok [Quillmark] The registry "
                                                "%1 is damaged: ")
                                     .arg(registry)))
        << shown.toStdString();
    EXPECT_TRUE(shown.endsWith("The file was left as it is, so the command buttons cannot come "
                               "from the control server. Repair or remove the file, then start "
                               "Quillmark again."))
        << shown.toStdString();
}

} // namespace
} // namespace quillmark::test
