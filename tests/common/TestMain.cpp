// Shared entry point of every test program: a headless QApplication, a user
// data folder of its own (never the user's real books), and any warning Qt
// logs during a test counts as a failure of that test.
#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Noise of the offscreen platform that says nothing about our code.
bool isPlatformNoise(const QString& message) {
    return message.contains(QLatin1String("propagateSizeHints")) ||
           message.contains(QLatin1String("QFont::setPointSizeF")) ||
           message.contains(QLatin1String("This plugin does not support"));
}

void failOnWarning(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg || isPlatformNoise(message)) {
        return;
    }
    if (type == QtFatalMsg) {
        fprintf(stderr, "Qt fatal: %s\n", qPrintable(message));
        abort();
    }
    ADD_FAILURE() << "Qt logged: " << message.toStdString();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QTemporaryDir dataHome;
    if (!dataHome.isValid()) {
        fprintf(stderr, "No temporary folder for the user's data\n");
        return 1;
    }
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("QuillmarkTests"));
    qInstallMessageHandler(failOnWarning);
    return RUN_ALL_TESTS();
}
