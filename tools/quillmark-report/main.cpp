// quillmark-report: a report of a company data file as PDF and CSV files,
// without a window; see ReportCommandLine.h for the arguments.
#include "quillmark/reports/ReportClock.h"
#include "quillmark/reports/ReportCommandLine.h"

#include <QGuiApplication>

#include <cstdio>

namespace {

// Qt's own notes (a missing runtime folder, say) are noise in the output of
// a scheduled job; its errors still show.
void keepQtErrorsOnly(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "quillmark-report: %s\n", qPrintable(message));
    }
}

} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(keepQtErrorsOnly);
    // No window is ever shown: fonts and PDF files need no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    using quillmark::ReportCommandLine;
    QString error;
    const auto command = ReportCommandLine::parse(app.arguments().mid(1), &error);
    if (!command) {
        std::fprintf(stderr, "quillmark-report: %s\nquillmark-report --help lists the arguments.\n",
                     qPrintable(error));
        return quillmark::ExitUsage;
    }
    if (command->help) {
        std::fputs(qPrintable(ReportCommandLine::usage()), stdout);
        return quillmark::ExitDone;
    }
    return ReportCommandLine::run(*command, quillmark::ReportNow(), stdout, stderr);
}
