#include "quillmark/reports/ReportCommandLine.h"

#include "quillmark/data/Connection.h"
#include "quillmark/data/DataFile.h"
#include "quillmark/data/Recordset.h"
#include "quillmark/data/RuntimeError.h"
#include "quillmark/data/deQuillmark.h"
#include "quillmark/reports/ReportCsv.h"
#include "quillmark/reports/engine/ReportError.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>

namespace quillmark {

namespace {

// A message for the user; the exit status says what kind of failure it is.
struct Refusal {
    int status;
    QString message;
};

QCommandLineOption valueOption(const char* name, const char* value, const char* text) {
    return QCommandLineOption(QString::fromLatin1(name), QString::fromLatin1(text),
                              QString::fromLatin1(value));
}

std::optional<QDate> isoDate(const QString& text) {
    static const QRegularExpression form(QStringLiteral(R"(^\d{4}-\d{2}-\d{2}$)"));
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!form.match(text).hasMatch() || !date.isValid()) {
        return std::nullopt;
    }
    return date;
}

std::optional<QString> kindCode(const QString& text) {
    const QString upper = text.toUpper();
    if (upper == QLatin1String("INC") || upper == QLatin1String("EXP")) {
        return upper;
    }
    if (upper == QLatin1String("PL") || upper == QLatin1String("P\\L")) {
        return QStringLiteral("P\\L");
    }
    return std::nullopt;
}

QString kindName(const QString& kind) {
    return kind == QLatin1String("EXP") ? QStringLiteral("expense") : QStringLiteral("income");
}

// The keys of the kind's categories, in the order the criteria screen lists them.
QStringList categoryKeys(const QString& kind) {
    QStringList keys;
    Recordset& categories = deQuillmark::instance().cmdCategoryByType(kind);
    for (; !categories.EOF(); categories.MoveNext()) {
        keys << categories.Fields(QStringLiteral("CategoryID")).Value().toString();
    }
    categories.Close();
    return keys;
}

// The categories asked for, or all of the kind when none were.
QString chosenCategories(const ReportCommand& command) {
    const ReportCriteria& criteria = command.criteria;
    const QStringList known = categoryKeys(criteria.kind);
    if (!command.categoriesGiven) {
        if (known.isEmpty()) {
            throw Refusal{ExitFailed, QStringLiteral("%1 holds no %2 categories.")
                                          .arg(command.dataFile, kindName(criteria.kind))};
        }
        return known.join(QLatin1Char(','));
    }
    for (const QString& key : criteria.categoryIds.split(QLatin1Char(','))) {
        if (!known.contains(QString::number(key.toLongLong()))) {
            throw Refusal{ExitUsage, QStringLiteral("--categories: %1 is not an %2 category of %3.")
                                         .arg(key, kindName(criteria.kind), command.dataFile)};
        }
    }
    return criteria.categoryIds;
}

void openBooks(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        throw Refusal{ExitFailed, QStringLiteral("%1: no such data file.").arg(path)};
    }
    Connection& books = deQuillmark::instance().connReports();
    if (books.State() != adStateClosed) {
        books.Close();
    }
    books.Open(DataFile::connectionStringFor(path));
}

} // namespace

QString ReportCommandLine::usage() {
    return QStringLiteral(
        "Usage: quillmark-report --data FILE --kind INC|EXP|PL [--summary]\n"
        "                        --from YYYY-MM-DD --to YYYY-MM-DD [--categories 3,7]\n"
        "                        [--out FILE.pdf] [--csv FILE.csv]\n"
        "Writes an income (INC), expense (EXP) or profit and loss (PL) report of a\n"
        "Quillmark company data file as a PDF file, its rows as a CSV file, or both.\n"
        "  --summary         one line per category instead of one per entry\n"
        "  --from, --to      the first and last day, as 2026-01-31\n"
        "  --categories      category keys of the kind (default: all of them);\n"
        "                    not for PL, which takes every category\n"
        "An existing output file is replaced only once the new one is complete.\n"
        "Exit status: 0 written, 1 the books or a file could not be read or written,\n"
        "2 an argument is missing or wrong.\n");
}

std::optional<ReportCommand> ReportCommandLine::parse(const QStringList& arguments,
                                                      QString* error) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption data = valueOption("data", "FILE", "company data file");
    const QCommandLineOption kind = valueOption("kind", "KIND", "INC, EXP or PL");
    const QCommandLineOption summary(QStringLiteral("summary"), QStringLiteral("summary view"));
    const QCommandLineOption from = valueOption("from", "DATE", "first day");
    const QCommandLineOption to = valueOption("to", "DATE", "last day");
    const QCommandLineOption categories = valueOption("categories", "KEYS", "category keys");
    const QCommandLineOption out = valueOption("out", "FILE", "PDF file");
    const QCommandLineOption csv = valueOption("csv", "FILE", "CSV file");
    const QCommandLineOption help({QStringLiteral("help"), QStringLiteral("h")},
                                  QStringLiteral("this text"));
    parser.addOptions({data, kind, summary, from, to, categories, out, csv, help});

    const auto refuse = [&](const QString& text) {
        *error = text;
        return std::nullopt;
    };
    if (!parser.parse(QStringList{QStringLiteral("quillmark-report")} + arguments)) {
        return refuse(parser.errorText());
    }
    ReportCommand command;
    if (parser.isSet(help)) {
        command.help = true;
        return command;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return refuse(QStringLiteral("Unexpected argument '%1'.")
                          .arg(parser.positionalArguments().constFirst()));
    }
    for (const QCommandLineOption* option : {&data, &kind, &from, &to, &categories, &out, &csv}) {
        if (parser.values(*option).size() > 1) {
            return refuse(QStringLiteral("--%1 is given more than once.").arg(option->names()[0]));
        }
    }
    for (const QCommandLineOption* option : {&data, &kind, &from, &to}) {
        if (!parser.isSet(*option)) {
            return refuse(QStringLiteral("--%1 is missing.").arg(option->names()[0]));
        }
    }
    if (!parser.isSet(out) && !parser.isSet(csv)) {
        return refuse(
            QStringLiteral("Nothing to write: give --out FILE.pdf, --csv FILE.csv or both."));
    }
    const std::optional<QString> code = kindCode(parser.value(kind));
    if (!code) {
        return refuse(
            QStringLiteral("--kind must be INC, EXP or PL, not '%1'.").arg(parser.value(kind)));
    }
    const std::optional<QDate> first = isoDate(parser.value(from));
    const std::optional<QDate> last = isoDate(parser.value(to));
    if (!first || !last) {
        return refuse(QStringLiteral("--%1 must be a date written as YYYY-MM-DD, not '%2'.")
                          .arg(first ? QStringLiteral("to") : QStringLiteral("from"),
                               parser.value(first ? to : from)));
    }
    if (*first > *last) {
        return refuse(QStringLiteral("--from %1 is after --to %2.")
                          .arg(parser.value(from), parser.value(to)));
    }
    command.dataFile = parser.value(data);
    command.criteria =
        ReportCriteria{*code, QString(), *first, *last,
                       parser.isSet(summary) ? ReportView::Summary : ReportView::Detailed};
    command.categoriesGiven = parser.isSet(categories);
    if (command.categoriesGiven) {
        static const QRegularExpression keyList(QStringLiteral(R"(^\d{1,9}(,\d{1,9})*$)"));
        if (*code == QLatin1String("P\\L")) {
            return refuse(QStringLiteral("--categories does not apply to PL, which takes every "
                                         "category."));
        }
        if (!keyList.match(parser.value(categories)).hasMatch()) {
            return refuse(QStringLiteral("--categories must be category keys separated by "
                                         "commas, as 3,7, not '%1'.")
                              .arg(parser.value(categories)));
        }
        command.criteria.categoryIds = parser.value(categories);
    }
    command.pdfFile = parser.value(out);
    command.csvFile = parser.value(csv);
    return command;
}

int ReportCommandLine::run(const ReportCommand& command, const QDateTime& now, FILE* out,
                           FILE* err) {
    const auto fail = [&](int status, const QString& message) {
        std::fprintf(err, "quillmark-report: %s\n", qPrintable(message));
        return status;
    };
    try {
        openBooks(command.dataFile);
        ReportCriteria criteria = command.criteria;
        if (criteria.kind != QLatin1String("P\\L")) {
            criteria.categoryIds = chosenCategories(command);
        }
        const auto run = ReportRun::start(criteria, now);
        if (!command.pdfFile.isEmpty()) {
            run->report().writePdf(command.pdfFile);
            const int pages = run->report().pageCount();
            std::fprintf(out, "Wrote %s (%d %s)\n", qPrintable(command.pdfFile), pages,
                         pages == 1 ? "page" : "pages");
        }
        if (!command.csvFile.isEmpty()) {
            const long lines = WriteReportCsv(*run, command.csvFile);
            std::fprintf(out, "Wrote %s (%ld %s)\n", qPrintable(command.csvFile), lines,
                         lines == 1 ? "row" : "rows");
        }
        return ExitDone;
    } catch (const Refusal& refusal) {
        return fail(refusal.status, refusal.message);
    } catch (const RuntimeError& error) {
        return fail(ExitFailed, error.description());
    } catch (const report::ReportError& error) {
        return fail(ExitFailed, error.description());
    }
}

} // namespace quillmark
