#pragma once

// The rows of a report as a CSV file (RFC 4180: comma-separated, fields
// quoted where needed, CR LF line ends, UTF-8) for a spreadsheet: a
// detailed report gives one line per entry, a summary one line per
// category. Dates are ISO 8601 and amounts plain numbers ("1234.50").
#include <QString>

namespace quillmark {

class ReportRun;

// Returns the number of lines written below the heading. The file replaces
// one of that name only once complete; throws RuntimeError when it cannot
// be written.
long WriteReportCsv(const ReportRun& run, const QString& path);

// A field as CSV writes it: quoted when it holds a comma, a quote, a line
// break or blanks at either end.
QString csvField(const QString& text);

} // namespace quillmark
