#pragma once

// The command-line companion's arguments and run: the same statements and
// layouts as the criteria screen, without a window, for reports a user
// schedules.
//   quillmark-report --data FILE --kind INC|EXP|PL [--summary]
//                    --from YYYY-MM-DD --to YYYY-MM-DD [--categories 3,7]
//                    [--out FILE.pdf] [--csv FILE.csv]
#include "quillmark/reports/ReportRun.h"

#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>

namespace quillmark {

struct ReportCommand {
    QString dataFile;
    ReportCriteria criteria; // categoryIds empty: every category of the kind
    bool categoriesGiven = false;
    QString pdfFile;
    QString csvFile;
    bool help = false;
};

// Exit statuses.
inline constexpr int ExitDone = 0;
inline constexpr int ExitFailed = 1; // the books or a file could not be read or written
inline constexpr int ExitUsage = 2;  // an argument is missing or wrong

class ReportCommandLine {
public:
    // arguments without the program name. None, with *error saying what is
    // wrong, for arguments that cannot make a report.
    static std::optional<ReportCommand> parse(const QStringList& arguments, QString* error);
    static QString usage();

    // Opens the books, checks the categories against them and writes the
    // files, telling what it wrote on out and what went wrong on err.
    // Returns the exit status.
    static int run(const ReportCommand& command, const QDateTime& now, FILE* out, FILE* err);
};

} // namespace quillmark
