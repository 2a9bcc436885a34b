// Money in the file: stored as integers of ten-thousandths, compared, summed,
// computed and formatted exactly by statements and filters, written exactly by
// statements, and files of the version that kept real numbers converted once.
#include "DataTestSupport.h"

#include "quillmark/data/Schema.h"

#include <QFile>

#include <sqlite3.h>

namespace quillmark::testing {
namespace {

// Plain SQLite statements, past the data layer; the first value they give.
QString rawValue(sqlite3* db, const QString& sql) {
    QString value;
    const auto first = [](void* out, int, char** values, char**) {
        if (static_cast<QString*>(out)->isNull()) {
            *static_cast<QString*>(out) = QString::fromUtf8(values[0]);
        }
        return 0;
    };
    EXPECT_EQ(sqlite3_exec(db, sql.toUtf8().constData(), first, &value, nullptr), SQLITE_OK)
        << sqlite3_errmsg(db);
    return value;
}

class Money : public CompanyFile {
protected:
    void SetUp() override {
        CompanyFile::SetUp();
        const char* const amounts[][3] = {
            {"dime", "0.1", "0"},
            {"half", "100.5", "0"},
            {"bigger", "100.5001", "0"},
            {"e11", "100000000000.0001", "0"},
            {"e14", "99999999999999.99", "0"},
            {"max", "922337203685477.5807", "0"},
            {"expense", "0", "250"},
        };
        for (const auto& a : amounts) {
            addAmount(QString::fromLatin1(a[0]), QString::fromLatin1(a[1]),
                      QString::fromLatin1(a[2]));
        }
    }

    // Through the record set, as the entry screens write.
    void addAmount(const QString& description, const QString& credit, const QString& debit) {
        auto rs = open(QStringLiteral("Transactions"));
        rs->AddNew();
        rs->Fields(QStringLiteral("CategoryID")).setValue(1);
        rs->Fields(QStringLiteral("CatType")).setValue(QStringLiteral("INC"));
        rs->Fields(QStringLiteral("TDate")).setValue(QDateTime(QDate(2026, 1, 2), QTime(9, 0)));
        rs->Fields(QStringLiteral("Description")).setValue(description);
        rs->Fields(QStringLiteral("Credit"))
            .setValue(QVariant::fromValue(Currency::fromString(credit)));
        rs->Fields(QStringLiteral("Debit")).setValue(debit);
        rs->Update();
    }

    QString descriptions(Recordset& rs) { return flatRows(rs, {"Description"}).join(u','); }

    QString where(const QString& condition) {
        return descriptions(*open(QStringLiteral("SELECT Description FROM Transactions WHERE ") +
                                  condition + QStringLiteral(" ORDER BY TransactionID")));
    }

    QString amount(const QString& sql) {
        auto rs = open(sql);
        return rs->Fields(0).Value().value<Currency>().toString(4);
    }
};

TEST_F(Money, IsStoredAsTenThousandthsAndReadBackExactly) {
    EXPECT_EQ(rawValue(conn().handle(), QStringLiteral("SELECT typeof(Credit) || ' ' || Credit "
                                                       "FROM Transactions WHERE Description = "
                                                       "'e14'")),
              "integer 999999999999999900");
    EXPECT_EQ(
        flatRows(*open(QStringLiteral("SELECT Description, Credit FROM Transactions WHERE "
                                      "Credit > 1000")),
                 {"Description", "Credit"}),
        (QStringList{"e11|100000000000.00", "e14|99999999999999.99", "max|922337203685477.58"}));
    EXPECT_EQ(amount(QStringLiteral("SELECT Credit FROM Transactions WHERE Description = 'max'")),
              "922337203685477.5807");
    EXPECT_EQ(amount(QStringLiteral("SELECT Credit FROM Transactions WHERE Description = 'e11'")),
              "100000000000.0001");
    // Another path writing a real number into a money field is refused by the file.
    EXPECT_NE(sqlite3_exec(conn().handle(), "UPDATE Transactions SET Credit = 0.5", nullptr,
                           nullptr, nullptr),
              SQLITE_OK);
}

TEST_F(Money, ConditionsCompareMoneyExactly) {
    struct Case {
        const char* condition;
        const char* rows;
        bool asFilter; // also within what a record set's Filter accepts
    };
    const Case cases[] = {
        {"Credit > 100.5", "bigger,e11,e14,max", true},
        {"Credit = 100.5", "half", true},
        {"Credit = '100.5'", "half", true},
        {"Credit IN (0.1, 99999999999999.99)", "dime,e14", true},
        {"Credit BETWEEN 0.05 AND 100.5", "dime,half", true},
        {"Credit NOT BETWEEN 0 AND 922337203685477.5806", "max", true},
        {"Credit - Debit < 0", "expense", true},
        {"Credit + 0.0001 = 100.5002", "bigger", true},
        {"-Credit < -100000000000", "e11,e14,max", true},
        {"Credit * 2 = 201", "half", false},
        {"Credit / 4 = 25.125", "half", false},
        {"NZ(Credit, 0) = 0.1 OR Debit = 250", "dime,expense", false},
        {"Credit > (SELECT MAX(Credit) FROM Transactions WHERE Credit < 100.5001)",
         "bigger,e11,e14,max", false},
    };
    for (const Case& c : cases) {
        const QString condition = QString::fromLatin1(c.condition);
        EXPECT_EQ(where(condition), QString::fromLatin1(c.rows)) << c.condition;
        if (c.asFilter) {
            auto rs = open(QStringLiteral("SELECT * FROM Transactions ORDER BY TransactionID"));
            rs->setFilter(condition);
            EXPECT_EQ(descriptions(*rs), QString::fromLatin1(c.rows)) << "filter " << c.condition;
        }
    }
    // Parameters of any kind meet money as money.
    for (const QVariant& value : {QVariant(100.5), QVariant(QStringLiteral("100.5")),
                                  Currency::fromScaled(1005000).toVariant(), QVariant(100)}) {
        Recordset rs;
        rs.OpenWithParameters(QStringLiteral("SELECT Description FROM Transactions WHERE Credit > "
                                             "? AND Credit < 1000"),
                              &conn(), {value});
        EXPECT_EQ(descriptions(rs), value.toDouble() == 100 ? "half,bigger" : "bigger")
            << value.toString().toStdString();
    }
}

TEST_F(Money, ComputedColumnsSumsAndFormatsStayExact) {
    auto profitLoss = open(QStringLiteral(
        "SELECT tr.Description, tr.Credit - tr.Debit AS TotalAmount, iif(tr.CatType = 'INC', "
        "tr.Credit, tr.Debit) AS Amount, FORMAT(tr.Credit - tr.Debit, '$#,##0.00;($#,##0.00)') AS "
        "Shown FROM transactions AS tr WHERE tr.Credit > 1000 OR tr.Debit > 0 ORDER BY "
        "tr.TransactionID"));
    EXPECT_EQ(flatRows(*profitLoss, {"Description", "TotalAmount", "Amount", "Shown"}),
              (QStringList{"e11|100000000000.00|100000000000.00|$100,000,000,000.00",
                           "e14|99999999999999.99|99999999999999.99|$99,999,999,999,999.99",
                           "max|922337203685477.58|922337203685477.58|$922,337,203,685,477.58",
                           "expense|-250.00|0.00|($250.00)"}));
    EXPECT_EQ(amount(QStringLiteral("SELECT SUM(Credit) AS Total FROM Transactions WHERE Credit < "
                                    "922337203685477")),
              "100100000000201.0902");
    EXPECT_EQ(amount(QStringLiteral("SELECT SUM(Credit - Debit) FROM Transactions WHERE "
                                    "Description IN ('dime', 'expense')")),
              "-249.9000");
    // Beyond the range of money: reported, never wrapped or rounded.
    EXPECT_RUNTIME_ERROR(open(QStringLiteral("SELECT SUM(Credit) AS Total FROM Transactions")),
                         "too large");
    addAmount(QStringLiteral("negative debit"), QStringLiteral("922337203685477"),
              QStringLiteral("-1"));
    auto overflowing = open(QStringLiteral("SELECT Credit - Debit AS TotalAmount FROM "
                                           "Transactions WHERE Description = 'negative debit'"));
    EXPECT_RUNTIME_ERROR(overflowing->Fields(0).Value(), "too large");
}

TEST_F(Money, StatementsWriteMoneyExactly) {
    execute(QStringLiteral("INSERT INTO Transactions (CategoryID, CatType, TDate, Description, "
                           "Credit, Debit) VALUES (1, 'INC', #1/5/2026#, 'typed', "
                           "12345678901.2345, 0)"));
    execute(QStringLiteral("UPDATE Transactions SET Credit = Credit + 0.01, Debit = '0.5' "
                           "WHERE Description = 'dime'"));
    execute(QStringLiteral("INSERT INTO Transactions (CategoryID, CatType, TDate, "
                           "Description, Credit, Debit) SELECT CategoryID, CatType, TDate, "
                           "'copy', Credit * 3, 0.3 FROM Transactions WHERE Description = "
                           "'half'"));
    EXPECT_EQ(flatRows(*open(QStringLiteral("SELECT Description, Credit, Debit FROM Transactions "
                                            "WHERE Description IN ('typed', 'dime', 'copy') ORDER "
                                            "BY TransactionID")),
                       {"Description", "Credit", "Debit"}),
              (QStringList{"dime|0.11|0.50", "typed|12345678901.23|0.00", "copy|301.50|0.30"}));
    EXPECT_EQ(amount(QStringLiteral("SELECT Credit FROM Transactions WHERE Description = 'typed'")),
              "12345678901.2345");
    EXPECT_EQ(execute(QStringLiteral("DELETE * FROM Transactions WHERE Credit = 0.11")), 1);
    EXPECT_RUNTIME_ERROR(
        execute(QStringLiteral("UPDATE Transactions SET Credit = 1000000000000000")), "too large");
    EXPECT_EQ(where(QStringLiteral("Credit = 100000000000.0001")), "e11");
}

TEST_F(Money, AMillionEntriesSumToTheSumOfTheTypedAmounts) {
    execute(QStringLiteral("DELETE FROM Transactions"));
    // The lists' indexes play no part in a sum; without them the filling is quick.
    for (const char* index : {"Transactions_CatType_TDate", "Transactions_CatType_Description",
                              "Transactions_CategoryID"}) {
        execute(QStringLiteral("DROP INDEX ") + QString::fromLatin1(index));
    }
    // Amounts typed as text, up to four decimals each.
    execute(QStringLiteral(
        "INSERT INTO Transactions (CategoryID, CatType, TDate, Description, Credit, Debit) WITH "
        "RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000000) SELECT 1, "
        "'INC', '2026-01-01 00:00:00', 'typed', (i * 7919 % 10000000) || '.' || substr('000' || "
        "(i % 9973), -4), 0 FROM n"));
    Currency typed;
    for (qint64 i = 1; i <= 1000000; ++i) {
        typed += Currency::fromString(QStringLiteral("%1.%2")
                                          .arg(i * 7919 % 10000000)
                                          .arg(i % 9973, 4, 10, QLatin1Char('0')));
    }
    EXPECT_EQ(amount(QStringLiteral("SELECT SUM(Credit) AS Total FROM Transactions")),
              typed.toString(4));
}

// Files of the version that kept money as real numbers.
class OlderFiles : public CompanyFile {
protected:
    QString onFile(const QString& sql) {
        sqlite3* db = nullptr;
        EXPECT_EQ(sqlite3_open(m_path.toUtf8().constData(), &db), SQLITE_OK);
        const QString value = rawValue(db, sql);
        sqlite3_close(db);
        return value;
    }

    // Rewrites the file as that version left it, with entries up to key 50.
    void makeVersionOne(const QString& credits) {
        m_connection->Close();
        onFile(
            QStringLiteral(
                "DROP TABLE Transactions; CREATE TABLE Transactions (TransactionID INTEGER "
                "PRIMARY KEY AUTOINCREMENT, CategoryID INTEGER NOT NULL REFERENCES Categories "
                "(CategoryID), CatType TEXT(3) COLLATE NOCASE, TDate DATETIME, Description "
                "TEXT(255) COLLATE NOCASE, Debit CURRENCY NOT NULL DEFAULT 0, Credit CURRENCY NOT "
                "NULL DEFAULT 0); INSERT INTO Transactions (TransactionID, CategoryID, CatType, "
                "TDate, Description, Debit, Credit) VALUES %1; UPDATE sqlite_sequence SET seq = "
                "50 WHERE name = 'Transactions'; PRAGMA user_version = 1;")
                .arg(credits));
    }
};

TEST_F(OlderFiles, AreConvertedOnceKeepingKeysAndAmounts) {
    makeVersionOne(QStringLiteral("(3, 1, 'INC', '2026-01-01 00:00:00', 'real', 0, 12.35), "
                                  "(7, 1, 'INC', '2026-01-01 00:00:00', 'whole', 0, 250), "
                                  "(9, 6, 'EXP', '2026-01-01 00:00:00', 'text', '1.25', 0)"));
    m_connection->Open();
    EXPECT_EQ(flatRows(*open(QStringLiteral("Transactions")),
                       {"TransactionID", "Description", "Credit", "Debit"}),
              (QStringList{"3|real|12.35|0.00", "7|whole|250.00|0.00", "9|text|0.00|1.25"}));
    EXPECT_EQ(onFile(QStringLiteral("PRAGMA user_version")), QString::number(Schema::Version));
    // Keys of deleted entries are still not handed out again.
    auto rs = open(QStringLiteral("Transactions"));
    rs->AddNew();
    rs->Fields(QStringLiteral("CategoryID")).setValue(1);
    rs->Update();
    EXPECT_EQ(rs->Fields(QStringLiteral("TransactionID")).Value().toInt(), 51);
}

TEST_F(OlderFiles, ThatCannotBeConvertedAreRefusedUnchanged) {
    makeVersionOne(QStringLiteral("(3, 1, 'INC', '2026-01-01 00:00:00', 'huge', 0, 1e16)"));
    EXPECT_RUNTIME_ERROR(m_connection->Open(), "could not be brought up to date");
    EXPECT_EQ(m_connection->State(), adStateClosed);
    EXPECT_EQ(onFile(QStringLiteral("PRAGMA user_version")), "1");
    onFile(QStringLiteral("PRAGMA user_version = 3"));
    EXPECT_RUNTIME_ERROR(m_connection->Open(), "newer version");
}

} // namespace
} // namespace quillmark::testing
