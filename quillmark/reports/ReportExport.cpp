#include "quillmark/reports/ReportExport.h"

#include "quillmark/reports/ReportRun.h"
#include "quillmark/shell/mdlSpecial.h"

#include <QDir>

namespace quillmark {

QString ExportFolder() {
    const QString documents = GetDocumentsFolder();
    return documents.isEmpty() ? GetExportsFolder() : documents;
}

QString ExportReport(const ReportRun& run, const QString& folder, const QDate& today) {
    const QString path = QDir::toNativeSeparators(
        QDir(folder).filePath(ExportFileName(run.choice().exportPrefix, today)));
    run.report().writePdf(path);
    return path;
}

QString ExportedMessage(const QString& path) {
    return QStringLiteral("The report has successfully been saved as ") + path;
}

} // namespace quillmark
