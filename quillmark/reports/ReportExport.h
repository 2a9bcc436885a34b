#pragma once

// Saving a report as a PDF file: where exports go and what they are named.
#include <QDate>
#include <QString>

namespace quillmark {

class ReportRun;

// The documents folder; when there is none (the user has been told why),
// the Exports folder beside the default books.
QString ExportFolder();

// Writes the run's pages into folder under the kind's and view's export name
// for the day ("INCOME_05122026.pdf"), replacing a file of that name once the
// new one is complete. Returns the path written. Throws report::ReportError
// when the file cannot be written.
QString ExportReport(const ReportRun& run, const QString& folder, const QDate& today);

// "The report has successfully been saved as " + path.
QString ExportedMessage(const QString& path);

} // namespace quillmark
