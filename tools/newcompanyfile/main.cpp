// newcompanyfile [--default] [--if-missing] FILE
// newcompanyfile --default [--if-missing]
// Creates a new, empty company data file; never overwrites an existing one.
#include "quillmark/data/DataFile.h"
#include "quillmark/data/RuntimeError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include <cstdio>

namespace {

constexpr int ExitOk = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

void printUsage(FILE* stream) {
    std::fputs("Usage: newcompanyfile [--default] [--if-missing] FILE\n"
               "       newcompanyfile --default [--if-missing]\n"
               "Creates a new, empty Quillmark company data file.\n"
               "  --default     also write the list of company files (for vevodir.dat);\n"
               "                without FILE, makes the default books\n"
               "                $XDG_DATA_HOME/Quillmark/vevodir.dat, creating the folder\n"
               "  --if-missing  do nothing, successfully, when FILE already exists\n"
               "An existing FILE is never overwritten.\n",
               stream);
}

// The program's default data file, where Quillmark looks first: the user's
// data folder is named after the program, not taken from this tool's name.
QString defaultDataFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Quillmark/vevodir.dat");
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    bool withCompanyList = false;
    bool ifMissing = false;
    QStringList files;
    const QStringList arguments = app.arguments().mid(1);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--default")) {
            withCompanyList = true;
        } else if (argument == QLatin1String("--if-missing")) {
            ifMissing = true;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            printUsage(stdout);
            return ExitOk;
        } else if (argument == QLatin1String("--")) {
            files += arguments.mid(i + 1);
            break;
        } else if (argument.startsWith(u'-')) {
            std::fprintf(stderr, "newcompanyfile: unknown option %s\n", qPrintable(argument));
            printUsage(stderr);
            return ExitUsage;
        } else {
            files << argument;
        }
    }
    if (files.isEmpty() && withCompanyList) {
        files << defaultDataFile();
    }
    if (files.size() != 1) {
        printUsage(stderr);
        return ExitUsage;
    }
    const QString& file = files.front();
    const QFileInfo info(file);
    if (info.exists() || info.isSymLink()) {
        if (ifMissing) {
            return ExitOk;
        }
        std::fprintf(stderr, "newcompanyfile: %s already exists; it was not overwritten.\n",
                     qPrintable(file));
        return ExitFailed;
    }
    // Default books go in the user's data folder, which a new user does not
    // have yet; a company file's folder is the user's choice and must exist.
    const QString folder = info.absolutePath();
    if (withCompanyList && !QDir().mkpath(folder)) {
        std::fprintf(stderr, "newcompanyfile: the folder %s cannot be created.\n",
                     qPrintable(folder));
        return ExitFailed;
    }
    try {
        quillmark::DataFile::createCompanyFile(file, withCompanyList);
    } catch (const quillmark::RuntimeError& error) {
        // Lost a race with another writer: with --if-missing that is success too.
        if (ifMissing && error.number() == quillmark::errFileExists) {
            return ExitOk;
        }
        std::fprintf(stderr, "newcompanyfile: %s\n", qPrintable(error.description()));
        return ExitFailed;
    }
    std::printf("Created %s%s\n", qPrintable(file),
                withCompanyList ? " (default data file with the company list)" : "");
    return ExitOk;
}
