// Linked into the Quillmark test programs: the screens create their buttons
// through the control server, so each test program registers the server it
// was built with into a registry file of its own (never the user's).
#include <lumokit/HostLoader.h>

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ControlServerEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        qputenv("LUMOKIT_REGISTRY",
                QFile::encodeName(m_dir.filePath(QStringLiteral("registry.json"))));
        const QString library = QStringLiteral(QUILLMARK_BUILD_DIR "/lib/liblumokit.so");
        QString message;
        const lumokit::HRESULT hr = lumokit::HostLoader::RegisterServer(library, &message);
        ASSERT_TRUE(lumokit::SUCCEEDED(hr)) << message.toStdString();
    }

private:
    QTemporaryDir m_dir;
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new ControlServerEnvironment);

} // namespace
