// crashloop [--kills N] [--ops N] [--seed N] [--max-delay MS] [--file PATH] [--worker PATH]
// Starts crashloop-worker on a company file, kills it with SIGKILL after a
// random delay, and after every kill checks the file against what the worker
// acknowledged (see Ledger.h); then starts it again on the same file. With
// --kills 0 the worker runs --ops operations to its end instead, once.
// Exits 1 when anything acknowledged was lost or the file was damaged.
#include "crashloop/Ledger.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <random>

using namespace crashloop;

namespace {

constexpr int ExitOk = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

struct Options {
    int kills = 300;
    int ops = 20;
    quint64 seed = 1;
    int maxDelayMs = 2000;
    QString file;
    QString worker;
};

void printUsage(FILE* stream) {
    std::fputs("Usage: crashloop [--kills N] [--ops N] [--seed N] [--max-delay MS] [--file PATH]"
               " [--worker PATH]\n"
               "Kills crashloop-worker N times (default 300) at random moments while it saves\n"
               "entries, and checks the company file after every kill. --kills 0 runs the\n"
               "worker once for --ops operations (default 20) and checks the file.\n",
               stream);
}

bool parseOptions(const QStringList& arguments, Options* options) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& name = arguments.at(i);
        if (i + 1 == arguments.size()) {
            return false;
        }
        const QString value = arguments.at(++i);
        bool ok = true;
        if (name == QLatin1String("--kills")) {
            options->kills = value.toInt(&ok);
        } else if (name == QLatin1String("--ops")) {
            options->ops = value.toInt(&ok);
        } else if (name == QLatin1String("--seed")) {
            options->seed = value.toULongLong(&ok);
        } else if (name == QLatin1String("--max-delay")) {
            options->maxDelayMs = value.toInt(&ok);
        } else if (name == QLatin1String("--file")) {
            options->file = value;
        } else if (name == QLatin1String("--worker")) {
            options->worker = value;
        } else {
            return false;
        }
        if (!ok) {
            return false;
        }
    }
    return options->kills >= 0 && options->ops > 0 && options->maxDelayMs > 0;
}

class Driver {
public:
    explicit Driver(const Options& options) : m_options(options), m_random(options.seed) {}

    // One run of the worker: killed after delayMs, or (delayMs < 0) to its end.
    bool run(int round, int delayMs) {
        QProcess worker;
        QStringList arguments{m_options.file, QString::number(m_options.seed * 100003 + round)};
        if (delayMs < 0) {
            arguments << QString::number(m_options.ops);
        }
        worker.start(m_options.worker, arguments);
        if (!worker.waitForStarted()) {
            return failed(
                round, {QStringLiteral("the worker did not start: %1").arg(worker.errorString())});
        }
        bool killed = false;
        if (delayMs >= 0) {
            // Ended before its kill: the worker found a fault of its own.
            if (worker.waitForFinished(delayMs)) {
                return failed(round, {QStringLiteral("the worker ended by itself (exit %1): %2")
                                          .arg(worker.exitCode())
                                          .arg(QString::fromUtf8(worker.readAllStandardError()))});
            }
            worker.kill();
            killed = true;
        }
        worker.waitForFinished(-1);
        if (!killed && (worker.exitStatus() != QProcess::NormalExit || worker.exitCode() != 0)) {
            return failed(round, {QStringLiteral("the worker failed (exit %1): %2")
                                      .arg(worker.exitCode())
                                      .arg(QString::fromUtf8(worker.readAllStandardError()))});
        }
        // Only whole lines were written out; a cut-off last line was not.
        const QString output = QString::fromUtf8(worker.readAllStandardOutput());
        QStringList lines = output.split(QLatin1Char('\n'));
        lines.removeLast();
        for (const QString& line : lines) {
            QString error;
            if (!m_ledger.feed(line, &error)) {
                return failed(round, {error});
            }
        }
        const bool inFlight = m_ledger.inFlight().has_value();
        const CheckResult result = m_ledger.check(m_options.file);
        m_lost += static_cast<int>(result.lost.size());
        m_integrity += static_cast<int>(result.integrity.size());
        if (killed) {
            ++m_kills;
            m_inFlightKills += inFlight;
            m_inFlightApplied += result.inFlightApplied;
        }
        return result.ok() || failed(round, result.all());
    }

    int runAll() {
        QElapsedTimer clock;
        clock.start();
        bool ok = true;
        if (m_options.kills == 0) {
            ok = run(0, -1);
        }
        for (int round = 0; ok && round < m_options.kills; ++round) {
            ok = run(round, std::uniform_int_distribution<int>(0, m_options.maxDelayMs)(m_random));
        }
        const Counts& counts = m_ledger.counts();
        std::printf("crashloop: kills %d, acknowledged saves %d (insert %d, edit %d, delete %d, "
                    "refused %d), entries now %zu, in flight at a kill %d (applied %d), "
                    "lost %d, integrity failures %d, worker failures %d, %lld s\n",
                    m_kills, counts.total(), counts.inserts, counts.edits, counts.deletes,
                    counts.refused, m_ledger.entries().size(), m_inFlightKills, m_inFlightApplied,
                    m_lost, m_integrity, m_workerFailures,
                    static_cast<long long>(clock.elapsed() / 1000));
        return ok ? ExitOk : ExitFailed;
    }

private:
    bool failed(int round, const QStringList& faults) {
        for (const QString& fault : faults) {
            std::fprintf(stderr, "crashloop: round %d: %s\n", round, fault.toUtf8().constData());
        }
        std::fprintf(stderr, "crashloop: the file is kept at %s\n",
                     m_options.file.toUtf8().constData());
        if (m_lost + m_integrity == 0) {
            ++m_workerFailures; // the worker's own fault, or output not its own
        }
        return false;
    }

    Options m_options;
    std::mt19937_64 m_random;
    Ledger m_ledger;
    int m_kills = 0;
    int m_inFlightKills = 0;
    int m_inFlightApplied = 0;
    int m_lost = 0;
    int m_integrity = 0;
    int m_workerFailures = 0;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Options options;
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.contains(QLatin1String("--help"))) {
        printUsage(stdout);
        return ExitOk;
    }
    if (!parseOptions(arguments, &options)) {
        printUsage(stderr);
        return ExitUsage;
    }
    if (options.worker.isEmpty()) {
        options.worker =
            QCoreApplication::applicationDirPath() + QStringLiteral("/crashloop-worker");
    }
    QTemporaryDir folder;
    if (options.file.isEmpty()) {
        if (!folder.isValid()) {
            std::fputs("crashloop: no temporary folder\n", stderr);
            return ExitFailed;
        }
        options.file = folder.filePath(QStringLiteral("crashloop.dat"));
    } else if (QFileInfo::exists(options.file)) {
        // The ledger starts empty, so the file must too.
        std::fprintf(stderr, "crashloop: %s already exists\n", options.file.toUtf8().constData());
        return ExitUsage;
    }
    Driver driver(options);
    const int status = driver.runAll();
    // A failed run's file stays for a look.
    folder.setAutoRemove(status == ExitOk);
    return status;
}
