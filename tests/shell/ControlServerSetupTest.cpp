// An installed copy's first start registers the control server beside it,
// only when no registered server loads, and never writes over a damaged
// registry.
#include "quillmark/shell/ControlServerSetup.h"
#include "ShellTestSupport.h"

#include <lumokit/Registry.h>

#include <QCryptographicHash>
#include <QFile>
#include <QJsonDocument>
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
    // A registry of the built server whose button entry points at serverPath.
    QByteArray registryWithButtonServer(const QString& serverPath) {
        EXPECT_EQ(ControlServerSetup::ensureRegistered(kBuiltServer), Outcome::Registered);
        QJsonObject root = *lumokit::Registry::read(registry);
        const QString clsid =
            root.value("progIds").toObject().value("LumoKit.LumoXPButton").toString();
        QJsonObject classes = root.value("classes").toObject();
        QJsonObject button = classes.value(clsid).toObject();
        button.insert("server", serverPath);
        classes.insert(clsid, button);
        root.insert("classes", classes);
        root.insert("progIds",
                    QJsonObject({{"LumoKit.LumoXPButton", clsid}, {"Other.Thing", "kept"}}));
        return QJsonDocument(root).toJson();
    }

    FakeDialogs dialogs;
    QTemporaryDir dir;
    const QString registry = dir.filePath(QStringLiteral("config/lumokit/registry.json"));
    const QByteArray saved = qgetenv("LUMOKIT_REGISTRY");
};

TEST_F(ControlServerSetupTest, AMissingRegistryGetsTheServerAndItsFolder) {
    EXPECT_EQ(ControlServerSetup::ensureRegistered(kBuiltServer), Outcome::Registered);
    EXPECT_EQ(buttonServer(), QFileInfo(kBuiltServer).canonicalFilePath());
    EXPECT_EQ(lines(dialogs.dump()), "");
}

TEST_F(ControlServerSetupTest, AnEntryOfAServerThatDoesNotLoadIsReplacedAndOthersKept) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(registry).absolutePath()));
    write(registryWithButtonServer(kMissingServer));
    ASSERT_EQ(buttonServer(), QString());

    EXPECT_EQ(ControlServerSetup::ensureRegistered(kBuiltServer), Outcome::Registered);
    EXPECT_EQ(buttonServer(), QFileInfo(kBuiltServer).canonicalFilePath());
    const QJsonObject root = *lumokit::Registry::read(registry);
    EXPECT_EQ(root.value("progIds").toObject().value("Other.Thing").toString(), "kept");
    EXPECT_EQ(lines(dialogs.dump()), "");
}

TEST_F(ControlServerSetupTest, AServerThatLoadsIsLeftAsItIs) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(registry).absolutePath()));
    write(registryWithButtonServer(QStringLiteral(QUILLMARK_BUILD_DIR "/lib/liblumokit.so")));
    const QByteArray before = contents();
    // Were it registered, this server's failure would show.
    EXPECT_EQ(ControlServerSetup::ensureRegistered(kMissingServer), Outcome::Loadable);
    EXPECT_EQ(contents(), before);
    EXPECT_EQ(lines(dialogs.dump()), "");
}

TEST_F(ControlServerSetupTest, ADamagedRegistryIsReportedAndNeverWritten) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(registry).absolutePath()));
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

TEST_F(ControlServerSetupTest, AServerThatCannotBeRegisteredIsReportedAndWritesNothing) {
    EXPECT_EQ(ControlServerSetup::ensureRegistered(kMissingServer), Outcome::Failed);
    EXPECT_FALSE(QFile::exists(registry));
    EXPECT_EQ(lines(dialogs.dump()),
              QStringLiteral("msgbox exclamation ok [Quillmark] The control server could not be "
                             "registered in %1: The control server %2 cannot be loaded: the file "
                             "does not exist")
                  .arg(registry, kMissingServer)
                  .toStdString());
}

TEST_F(ControlServerSetupTest, AProgramInABuildTreeLeavesTheRegistryToTheBuild) {
    // This test program runs from the build tree.
    EXPECT_EQ(ControlServerSetup::atStart(), Outcome::BuildTree);
    EXPECT_FALSE(QFile::exists(registry));
    EXPECT_EQ(lines(dialogs.dump()), "");
}

} // namespace
} // namespace quillmark::test
