// Registration into the per-user registry file: the entries written, their
// removal, other servers' entries left alone, damaged files left untouched,
// and the host-side lookup's errors.
#include "server/Registration.h"
#include "core/com/TypeLibrary.h"

#include <lumokit/ComServer.h>
#include <lumokit/HostLoader.h>
#include <lumokit/Registry.h>
#include <lumokit/TypeLibIds.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <dlfcn.h>

using namespace lumokit;

namespace {

const QString fakeLibrary = QStringLiteral("/opt/lumokit/lib/liblumokit.so.1");

QJsonObject readJson(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QJsonDocument::fromJson(file.readAll()).object();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Another server's entries in every section, including a second version of
// our own type library and a programmatic identifier that now points elsewhere.
QJsonObject othersRegistry() {
    return QJsonDocument::fromJson(R"({
        "typeLibraries": {
            "{11111111-2222-3333-4444-555555555555}": { "1.0": { "name": "Other", "path": "/x.so" } },
            "{3BBEC9BA-158B-49A1-A585-4622DB6C8488}": { "11.0": { "name": "LumoKit", "path": "/old.so" } }
        },
        "classes": {
            "{AAAAAAAA-BBBB-CCCC-DDDD-EEEEEEEEEEEE}": { "name": "Gadget", "progId": "Other.Gadget", "server": "/x.so" }
        },
        "progIds": { "Other.Gadget": "{AAAAAAAA-BBBB-CCCC-DDDD-EEEEEEEEEEEE}" },
        "interfaces": { "{12121212-3434-5656-7878-909090909090}": { "name": "_Gadget" } },
        "comment": "kept as it is"
    })")
        .object();
}

class RegistrationTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("config/lumokit/registry.json"));
    }

    QTemporaryDir dir;
    QString path;
};

} // namespace

// A second registration replaces the first; unregistering leaves an empty registry.
TEST_F(RegistrationTest, RegisterWritesTheTypeLibraryAndEveryClassOnceAndUnregisterEmpties) {
    ASSERT_EQ(Registration::registerServer(path, QStringLiteral("/first/liblumokit.so")), S_OK);
    ASSERT_EQ(Registration::registerServer(path, fakeLibrary), S_OK);
    const QJsonObject root = readJson(path);

    const QJsonObject lib =
        root[QStringLiteral("typeLibraries")]
            .toObject()[QStringLiteral("{3BBEC9BA-158B-49A1-A585-4622DB6C8488}")]
            .toObject()[QStringLiteral("12.0")]
            .toObject();
    EXPECT_EQ(lib[QStringLiteral("name")].toString(), QStringLiteral("LumoKit"));
    EXPECT_EQ(lib[QStringLiteral("path")].toString(), fakeLibrary);

    // Every class of the type library, as it describes itself.
    const QJsonObject classes = root[QStringLiteral("classes")].toObject();
    const QJsonObject progIds = root[QStringLiteral("progIds")].toObject();
    EXPECT_EQ(classes.size(), 6);
    QSet<QString> toolboxImages; // one of its own for each of the four controls
    for (const CoClassInfo& c : TypeLibrary::instance().coclasses) {
        const std::string name = c.name.toStdString();
        const QJsonObject entry = classes[c.clsid.toString()].toObject();
        EXPECT_EQ(entry[QStringLiteral("progId")].toString(), QStringLiteral("LumoKit.") + c.name);
        EXPECT_EQ(entry[QStringLiteral("server")].toString(), fakeLibrary) << name;
        EXPECT_EQ(progIds[c.progId()].toString(), c.clsid.toString()) << name;
        if (entry[QStringLiteral("control")].toBool()) {
            toolboxImages << entry[QStringLiteral("toolboxImage")].toString();
            EXPECT_TRUE(entry[QStringLiteral("toolboxBitmap")].toString().startsWith(
                fakeLibrary + QStringLiteral(", 3000")))
                << name;
        } else {
            EXPECT_FALSE(entry.contains(QStringLiteral("toolboxImage"))) << name;
        }
    }
    toolboxImages.remove(QString());
    EXPECT_EQ(toolboxImages.size(), 4);
    EXPECT_EQ(root[QStringLiteral("interfaces")].toObject().size(), 12);

    // What a host reads back.
    const auto entry = Registry::findProgId(root, QStringLiteral("lumokit.ctimer"));
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->clsid, CLSID_cTimer);

    ASSERT_EQ(Registration::unregisterServer(path), S_OK);
    EXPECT_EQ(readJson(path), QJsonObject());
    // Again, and with no file at all: nothing to do, nothing created.
    EXPECT_EQ(Registration::unregisterServer(path), S_OK);
    const QString absent = dir.filePath(QStringLiteral("nowhere/registry.json"));
    EXPECT_EQ(Registration::unregisterServer(absent), S_OK);
    EXPECT_FALSE(QFileInfo::exists(absent));
}

TEST_F(RegistrationTest, OtherEntriesSurviveRegistrationAndUnregistrationRemovesExactlyOurs) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    writeFile(path, QJsonDocument(othersRegistry()).toJson());

    ASSERT_EQ(Registration::registerServer(path, fakeLibrary), S_OK);
    const QJsonObject root = readJson(path);
    EXPECT_EQ(root[QStringLiteral("classes")].toObject().size(), 7);
    EXPECT_EQ(root[QStringLiteral("comment")].toString(), QStringLiteral("kept as it is"));

    // Someone else takes over one of our names before we unregister.
    const auto takeOverTimer = [](QJsonObject registry) {
        QJsonObject progIds = registry[QStringLiteral("progIds")].toObject();
        progIds[QStringLiteral("LumoKit.cTimer")] =
            QStringLiteral("{AAAAAAAA-BBBB-CCCC-DDDD-EEEEEEEEEEEE}");
        registry[QStringLiteral("progIds")] = progIds;
        return registry;
    };
    writeFile(path, QJsonDocument(takeOverTimer(root)).toJson());
    ASSERT_EQ(Registration::unregisterServer(path), S_OK);
    EXPECT_EQ(readJson(path), takeOverTimer(othersRegistry()));
}

TEST_F(RegistrationTest, ADamagedRegistryIsNeitherOverwrittenNorTrimmed) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    for (const QByteArray& damaged : {QByteArray("{ \"classes\": "), QByteArray("[1, 2, 3]")}) {
        writeFile(path, damaged);
        QString message;
        EXPECT_EQ(Registration::registerServer(path, fakeLibrary, &message), SELFREG_E_CLASS);
        EXPECT_TRUE(message.contains(QStringLiteral("damaged"))) << message.toStdString();
        EXPECT_EQ(Registration::unregisterServer(path), SELFREG_E_CLASS);
        EXPECT_EQ(readBytes(path), damaged);
    }
}

// A program of a build tree uses that tree's registry, the environment
// overrides, and an installed copy uses the user's file.
class RegistryLookup : public RegistrationTest {
protected:
    void SetUp() override {
        RegistrationTest::SetUp();
        savedXdg = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("home"))));
        qunsetenv(Registry::EnvironmentVariable);
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", savedXdg); }

    // A program in <name>/bin of a build tree (one holding CMakeCache.txt).
    QString buildTreeProgram(const QString& name) {
        const QString tree = dir.filePath(name);
        QDir().mkpath(tree + QStringLiteral("/bin"));
        writeFile(tree + QStringLiteral("/CMakeCache.txt"), "# cache");
        return tree + QStringLiteral("/bin/quillmark");
    }
    QString serverOf(const QString& program) {
        const auto entry = Registry::findProgId(readJson(Registry::filePathFor(program)),
                                                QStringLiteral("LumoKit.LumoXPButton"));
        return entry ? entry->serverPath : QString();
    }

    QByteArray savedXdg;
};

TEST_F(RegistryLookup, TwoBuildTreesKeepTheirOwnRegistries) {
    const QString first = buildTreeProgram(QStringLiteral("clone1/build"));
    const QString second = buildTreeProgram(QStringLiteral("clone2/build-asan"));
    EXPECT_EQ(Registry::filePathFor(first),
              dir.filePath(QStringLiteral("clone1/build/registry.json")));
    ASSERT_EQ(Registration::registerServer(Registry::filePathFor(first),
                                           QStringLiteral("/clone1/lib.so")),
              S_OK);
    ASSERT_EQ(Registration::registerServer(Registry::filePathFor(second),
                                           QStringLiteral("/clone2/lib.so")),
              S_OK);
    EXPECT_EQ(serverOf(first), QStringLiteral("/clone1/lib.so")) << "the later build did not win";
    EXPECT_EQ(serverOf(second), QStringLiteral("/clone2/lib.so"));
    EXPECT_FALSE(QFileInfo::exists(Registry::userFilePath())) << "the user's registry is untouched";

    // This test program runs in build/bin of a build tree too.
    EXPECT_EQ(Registry::filePath(),
              QDir(QStringLiteral(QUILLMARK_BUILD_DIR)).filePath(QStringLiteral("registry.json")));

    qputenv(Registry::EnvironmentVariable, "/tmp/elsewhere.json");
    EXPECT_EQ(Registry::filePathFor(first), QStringLiteral("/tmp/elsewhere.json"));
}

TEST_F(RegistryLookup, AnInstalledCopyNeverReadsABuildTreesFile) {
    const QString installed = dir.filePath(QStringLiteral("usr/bin/quillmark"));
    QDir().mkpath(QFileInfo(installed).absolutePath());
    writeFile(dir.filePath(QStringLiteral("usr/registry.json")), "{}");
    EXPECT_EQ(Registry::filePathFor(installed),
              dir.filePath(QStringLiteral("home/lumokit/registry.json")));
    qputenv("XDG_CONFIG_HOME", "relative/ignored");
    EXPECT_EQ(Registry::filePathFor(installed),
              QDir::homePath() + QStringLiteral("/.config/lumokit/registry.json"));
}

// Where a host's CreateObject stops, and what it says.
TEST_F(RegistrationTest, HostLoaderExplainsEachFailure) {
    qputenv(Registry::EnvironmentVariable, path.toLocal8Bit());
    struct Row {
        const char* what;
        QByteArray registry; // empty: no file
        HRESULT hr;
        QByteArray messagePart;
    };
    Dl_info info{};
    dladdr(reinterpret_cast<void*>(&qVersion), &info); // a real library without our entry points
    const QByteArray qtCore = QByteArray(info.dli_fname);
    const auto registryFor = [](const QByteArray& server, const QByteArray& sanitizer = {}) {
        return QByteArray(
                   R"({"progIds": {"LumoKit.cTimer": "{080D8F74-2124-4F30-9398-EA33D427F8FE}"},
            "classes": {"{080D8F74-2124-4F30-9398-EA33D427F8FE}": {"sanitizer": ")") +
               sanitizer + R"(", "server": ")" + server + "\"}}}";
    };
    const QByteArray notALibrary = QFile::encodeName(dir.filePath(QStringLiteral("text.so")));
    writeFile(QString::fromLocal8Bit(notALibrary), "not a library");
    // An address-sanitizer server aborts a plain program as it loads.
    const bool plainProgram = Registry::sanitizer().isEmpty();
    const Row rows[] = {
        {"no registry", {}, REGDB_E_CLASSNOTREG, "is not registered"},
        {"damaged registry", "{{{", REGDB_E_READREGDB, "damaged"},
        {"no such class", R"({"progIds": {}})", REGDB_E_CLASSNOTREG, "LumoKit.cTimer"},
        {"library gone", registryFor("/nonexistent/liblumokit.so"), CO_E_DLLNOTFOUND,
         "The control server /nonexistent/liblumokit.so cannot be loaded: the file does not exist"},
        // The reason is dlerror()'s, which starts with the file.
        {"not a library", registryFor(notALibrary), CO_E_DLLNOTFOUND,
         "text.so cannot be loaded: " + notALibrary + ": "},
        {"another build flavour", registryFor(qtCore, "address"),
         plainProgram ? CO_E_DLLNOTFOUND : CO_E_ERRORINDLL,
         plainProgram ? "cannot be loaded: it was built with the address sanitizer"
                      : "DllGetClassObject"},
        {"not a control server", registryFor(qtCore), CO_E_ERRORINDLL, "DllGetClassObject"},
    };
    for (const Row& row : rows) {
        QFile::remove(path);
        if (!row.registry.isEmpty()) {
            QDir().mkpath(QFileInfo(path).absolutePath());
            writeFile(path, row.registry);
        }
        const HostLoader::Result result =
            HostLoader::TryCreateObject(QStringLiteral("LumoKit.cTimer"));
        EXPECT_FALSE(result) << row.what;
        EXPECT_EQ(result.hr, row.hr) << row.what;
        EXPECT_TRUE(result.message.contains(QString::fromLocal8Bit(row.messagePart)))
            << row.what << ": " << result.message.toStdString();
    }
    try {
        HostLoader::CreateObject(QStringLiteral("LumoKit.cTimer"));
        ADD_FAILURE() << "no error thrown";
    } catch (const ComError& e) {
        EXPECT_EQ(e.hresult(), CO_E_ERRORINDLL);
        EXPECT_EQ(e.source(), QStringLiteral("LumoKit.cTimer"));
    }
    qunsetenv(Registry::EnvironmentVariable);
}
