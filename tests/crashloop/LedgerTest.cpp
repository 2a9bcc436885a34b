// The crash loop's check: a worker run to its end passes it, and every kind
// of damage to the file or to the worker's word makes it fail.
#include "crashloop/Ledger.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <gtest/gtest.h>

namespace crashloop {
namespace {

std::string text(const QStringList& list) {
    return list.join(QLatin1Char('\n')).toStdString();
}

TEST(CrashLoopLines, AmountsAndDetailsSurviveTheLineExactly) {
    const std::pair<qint64, const char*> amounts[] = {{INT64_MAX, "922337203685477.5807"},
                                                      {INT64_MIN, "-922337203685477.5808"},
                                                      {999999999999999900, "99999999999999.9900"},
                                                      {1, "0.0001"},
                                                      {-5000, "-0.5000"}};
    for (const auto& [scaled, written] : amounts) {
        EXPECT_EQ(amountText(scaled).toStdString(), written);
        qint64 read = 0;
        EXPECT_TRUE(parseAmount(QString::fromLatin1(written), &read));
        EXPECT_EQ(read, scaled);
    }
    for (const char* bad :
         {"922337203685477.5808", "1.5", "1.50000", ".5000", "1e3.0000", "", "-", "12,3.0000"}) {
        qint64 read = 0;
        EXPECT_FALSE(parseAmount(QString::fromLatin1(bad), &read)) << bad;
    }
    const QString details = QString::fromUtf8("tab\there; \"q\" back\\n \xf0\x9f\xa7\xbe\nend");
    const QString line = formatLine("ack", {OpKind::Edit, {7, "EXP", 3, 1, details}});
    EXPECT_FALSE(line.contains(QLatin1Char('\n')));
    EXPECT_EQ(line.split(QLatin1Char('\t')).size(), 7);
    Ledger ledger;
    QString error;
    EXPECT_TRUE(ledger.feed(formatLine("try", {OpKind::Insert, {0, "EXP", 3, 1, "x"}}), &error));
    EXPECT_TRUE(ledger.feed(formatLine("ack", {OpKind::Insert, {7, "EXP", 3, 1, "x"}}), &error));
    EXPECT_TRUE(ledger.feed(formatLine("try", {OpKind::Edit, {7, "EXP", 3, 1, details}}), &error));
    EXPECT_TRUE(ledger.feed(line, &error)) << error.toStdString();
    EXPECT_EQ(ledger.entries().at(7).details, details);
    // An acknowledgement never announced, or of an entry never saved.
    EXPECT_FALSE(ledger.feed(line, &error));
    EXPECT_TRUE(ledger.feed(formatLine("try", {OpKind::Delete, {8, "EXP", 0, 0, ""}}), &error));
    EXPECT_FALSE(ledger.feed(formatLine("ack", {OpKind::Delete, {8, "EXP", 0, 0, ""}}), &error));
    EXPECT_FALSE(ledger.feed("Transaction saved", &error));
}

// One worker run of 40 operations to its end, read into a ledger shared by
// the checks below; each check works on copies of the ledger and the file.
class CrashLoopCheck : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_dir = new QTemporaryDir;
        QProcess worker;
        worker.start(QStringLiteral(QUILLMARK_BUILD_DIR "/bin/crashloop-worker"),
                     {s_dir->filePath("books.dat"), "7", "40"});
        if (!worker.waitForFinished(120000) || worker.exitStatus() != QProcess::NormalExit ||
            worker.exitCode() != 0) {
            s_failure =
                QStringLiteral("worker: ") + QString::fromUtf8(worker.readAllStandardError());
            return;
        }
        const QString output = QString::fromUtf8(worker.readAllStandardOutput());
        for (const QString& line : output.split('\n', Qt::SkipEmptyParts)) {
            if (!s_ledger.feed(line, &s_failure)) {
                return;
            }
        }
    }
    static void TearDownTestSuite() { delete s_dir; }

    void SetUp() override {
        ASSERT_TRUE(s_failure.isEmpty()) << s_failure.toStdString();
        m_ledger = s_ledger;
        m_file = m_dir.filePath("books.dat");
        ASSERT_TRUE(QFile::copy(s_dir->filePath("books.dat"), m_file));
    }

    void run(const QString& sql) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(m_file.toUtf8().constData(), &db), SQLITE_OK);
        char* message = nullptr;
        EXPECT_EQ(sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message), SQLITE_OK)
            << message;
        sqlite3_free(message);
        sqlite3_close(db);
    }
    qint64 someKey() const { return m_ledger.entries().begin()->first; }

    static inline QTemporaryDir* s_dir = nullptr;
    static inline Ledger s_ledger;
    static inline QString s_failure;
    QTemporaryDir m_dir;
    QString m_file;
    Ledger m_ledger;
};

TEST_F(CrashLoopCheck, AWorkerRunToItsEndIsStoredExactlyAsAcknowledged) {
    const Counts& counts = m_ledger.counts();
    EXPECT_EQ(counts.total(), 40);
    EXPECT_GT(counts.inserts, 0);
    EXPECT_GT(counts.edits, 0);
    EXPECT_GT(counts.deletes, 0);
    EXPECT_GT(counts.refused, 0);
    EXPECT_FALSE(m_ledger.inFlight());
    const CheckResult result = m_ledger.check(m_file);
    EXPECT_TRUE(result.ok()) << text(result.all());
}

TEST_F(CrashLoopCheck, AnyChangeToAnAcknowledgedEntryIsLost) {
    // One the file never held at all.
    Ledger ghost = m_ledger;
    QString error;
    ASSERT_TRUE(ghost.feed(formatLine("try", {OpKind::Insert, {0, "INC", 1, 5, "ghost"}}), &error));
    ASSERT_TRUE(
        ghost.feed(formatLine("ack", {OpKind::Insert, {999999, "INC", 1, 5, "ghost"}}), &error));
    EXPECT_EQ(text(ghost.check(m_file).lost),
              "key 999999 missing; acknowledged as INC category 1 amount 0.0005 details \"ghost\"");

    const char* const tampering[] = {
        "UPDATE Transactions SET Credit = Credit - (CatType = 'INC'), "
        "Debit = Debit - (CatType = 'EXP') WHERE TransactionID = %1",
        "UPDATE Transactions SET Description = Description || ' ' WHERE TransactionID = %1",
        "UPDATE Transactions SET CategoryID = (SELECT MIN(CategoryID) FROM Categories WHERE "
        "CategoryID <> Transactions.CategoryID) WHERE TransactionID = %1",
        "DELETE FROM Transactions WHERE TransactionID = %1",
    };
    const QString original = m_dir.filePath("original.dat");
    ASSERT_TRUE(QFile::copy(m_file, original));
    for (const char* change : tampering) {
        ASSERT_TRUE(QFile::remove(m_file) && QFile::copy(original, m_file));
        run(QString::fromLatin1(change).arg(someKey()));
        const CheckResult result = m_ledger.check(m_file);
        ASSERT_EQ(result.lost.size(), 1) << change << "\n" << text(result.all());
        EXPECT_TRUE(result.lost.front().startsWith(QStringLiteral("key %1 ").arg(someKey())))
            << text(result.lost);
    }
}

TEST_F(CrashLoopCheck, StrayRowsAndBrokenReferencesAreIntegrityFailures) {
    run("PRAGMA foreign_keys = OFF; INSERT INTO Transactions (TransactionID, CategoryID, CatType, "
        "Description, Credit, Debit) VALUES (999999, 31999, 'INC', 'stray', 10000, 0)");
    const CheckResult result = m_ledger.check(m_file);
    EXPECT_TRUE(result.lost.isEmpty()) << text(result.lost);
    ASSERT_EQ(result.integrity.size(), 2) << text(result.integrity);
    EXPECT_TRUE(result.integrity.at(0).startsWith("foreign_key_check: Transactions 999999"))
        << text(result.integrity);
    EXPECT_TRUE(result.integrity.at(1).startsWith("key 999999 stored but never acknowledged"));
}

TEST_F(CrashLoopCheck, AnEditInFlightIsThereWholeOrNotAtAllNeverHalf) {
    const Entry before = m_ledger.entries().begin()->second;
    Entry after = before;
    after.amount = before.amount == 1 ? 2 : 1;
    after.details = QStringLiteral("edited");
    const QString field = before.type == "INC" ? "Credit" : "Debit";
    const QString untouched = m_dir.filePath("untouched.dat");
    ASSERT_TRUE(QFile::copy(m_file, untouched));
    QString error;
    ASSERT_TRUE(m_ledger.feed(formatLine("try", {OpKind::Edit, after}), &error));

    // Half: the new amount with the old details.
    run(QStringLiteral("UPDATE Transactions SET %1 = %2 WHERE TransactionID = %3")
            .arg(field)
            .arg(after.amount)
            .arg(before.key));
    CheckResult result = m_ledger.check(m_file);
    ASSERT_EQ(result.integrity.size(), 1) << text(result.all());
    EXPECT_TRUE(result.integrity.front().contains("half-applied"));
    EXPECT_TRUE(m_ledger.inFlight()) << "a failed check decides nothing";

    // Not at all: passes, and the ledger keeps the entry as it was.
    Ledger notApplied = m_ledger;
    result = notApplied.check(untouched);
    EXPECT_TRUE(result.ok() && !result.inFlightApplied) << text(result.all());
    EXPECT_EQ(notApplied.entries().at(before.key), before);

    // Whole: passes, and the ledger takes the edit over without counting it.
    const int edits = m_ledger.counts().edits;
    run(QStringLiteral("UPDATE Transactions SET Description = 'edited' WHERE TransactionID = %1")
            .arg(before.key));
    result = m_ledger.check(m_file);
    EXPECT_TRUE(result.ok() && result.inFlightApplied) << text(result.all());
    EXPECT_EQ(m_ledger.entries().at(before.key), after);
    EXPECT_EQ(m_ledger.counts().edits, edits) << "found, not acknowledged";
    EXPECT_FALSE(m_ledger.inFlight());
}

} // namespace
} // namespace crashloop
