// The Jet dialect over SQLite: translation token by token, one statement per
// call, date literals, FORMAT, and text compared without regard to case.
#include "DataTestSupport.h"

#include "quillmark/data/JetDate.h"
#include "quillmark/data/JetFunctions.h"
#include "quillmark/data/JetSql.h"

#include <QLocale>

namespace quillmark::testing {
namespace {

QString translated(const QString& jet) {
    return JetSql::translate(JetSql::parse(jet).tokens);
}

TEST(JetSql, TranslatesTokenByTokenAndNeverInsideQuotes) {
    const std::pair<const char*, const char*> cases[] = {
        {"SELECT * FROM T WHERE D Between #11/5/2026 12:00:00 AM# AND #12/5/2026 11:59:59 PM#",
         "SELECT * FROM T WHERE D Between '2026-11-05 00:00:00' AND '2026-12-05 23:59:59'"},
        {"SELECT * FROM T WHERE D = #2026-01-31#",
         "SELECT * FROM T WHERE D = '2026-01-31 00:00:00'"},
        {"SELECT * FROM T WHERE N = 'it''s #1/1/2026# & ? ; DROP'",
         "SELECT * FROM T WHERE N = 'it''s #1/1/2026# & ? ; DROP'"},
        {"SELECT * FROM T WHERE N = \"say \"\"hi\"\"\"", "SELECT * FROM T WHERE N = 'say \"hi\"'"},
        {"SELECT [Cat Name] FROM T", "SELECT \"Cat Name\" FROM T"},
        {"DELETE * FROM TRANSACTIONS WHERE TRANSACTIONID=5",
         "DELETE  FROM TRANSACTIONS WHERE TRANSACTIONID=5"},
        {"SELECT * FROM T WHERE A IN (?) AND B = ?", "SELECT * FROM T WHERE A IN (?1) AND B = ?2"},
        {"SELECT * FROM T WHERE Fixed = True OR t.True = False",
         "SELECT * FROM T WHERE Fixed = -1 OR t.True = 0"},
        {"SELECT A & ' ' & B FROM T", "SELECT A || ' ' || B FROM T"},
        {"SELECT *\r\nFROM T;  \r\n", "SELECT * FROM T"},
    };
    for (const auto& [jet, sqlite] : cases) {
        EXPECT_EQ(translated(QString::fromUtf8(jet)), QString::fromUtf8(sqlite)) << jet;
    }
}

TEST(JetSql, RefusesSecondStatementsAndOtherKinds) {
    const std::pair<const char*, const char*> cases[] = {
        {"DELETE * FROM TRANSACTIONS WHERE TRANSACTIONID=1; DROP TABLE Transactions",
         "Characters found after end of SQL statement"},
        {"ATTACH DATABASE '/tmp/x.dat' AS x", "Invalid SQL statement"},
        {"PRAGMA writable_schema = 1", "Invalid SQL statement"},
        {"VACUUM", "Invalid SQL statement"},
        {"   ", "empty"},
        {"SELECT * FROM T WHERE N = 'open", "Unterminated text"},
        {"SELECT * FROM T WHERE D = #2/30/2026#", "Syntax error in date"},
    };
    for (const auto& [text, why] : cases) {
        EXPECT_RUNTIME_ERROR(JetSql::parse(QString::fromUtf8(text)), why);
    }
}

TEST(JetDate, ReadsUsAndIsoDatesWithTwelveHourTimes) {
    // What is stored, or nothing for a refused text; midnight and the last
    // second are read by the translation cases above.
    const std::pair<const char*, const char*> cases[] = {
        {"11/5/2026 12:00:00 PM", "2026-11-05 12:00:00"},
        {"1/31/2026 6:30 pm", "2026-01-31 18:30:00"},
        {"12/5/2026 18:30", "2026-12-05 18:30:00"},
        {"2026-11-05", "2026-11-05 00:00:00"},
        {"2026-11-05 18:30:00", "2026-11-05 18:30:00"},
        {"2026-11-05T18:30", "2026-11-05 18:30:00"},
        {"1/2/29", "2029-01-02 00:00:00"},
        {"1/2/30", "1930-01-02 00:00:00"},
        {"13/1/2026", ""},
        {"2/29/2026", ""},
        {"11/5/2026 13:00 PM", ""},
        {"11/5/2026 0:00 AM", ""},
        {"yesterday", ""},
    };
    for (const auto& [text, stored] : cases) {
        const auto parsed = parseJetDateTime(QString::fromLatin1(text));
        EXPECT_EQ(parsed ? storedDateTimeText(*parsed) : QString(), QString::fromLatin1(stored))
            << text;
    }
}

TEST(JetDate, StoredFormReadsOnlyWithAFourDigitYear) {
    const QDateTime evening(QDate(2026, 11, 5), QTime(18, 30));
    EXPECT_EQ(parseStoredDateTime(QStringLiteral("2026-11-05 18:30:00")), evening);
    EXPECT_EQ(parseStoredDateTime(QStringLiteral("2026-11-05 18:30")), evening);
    EXPECT_EQ(parseStoredDateTime(QStringLiteral("0999-01-02 00:00:00")),
              QDateTime(QDate(999, 1, 2), QTime(0, 0)));
    // A year with a character other than a digit, even in the full stored
    // form, is no date (it once read as the year 1 BC).
    for (const char* text : {"\xef\xbf\xbd"
                             "026-11-05 18:30:00",
                             "x026-11-05 18:30:00", "-026-11-05 18:30:00", "+026-11-05 18:30:00",
                             "0000-11-05 18:30:00", "026-11-05 18:30:00", "20261-11-05 18:30",
                             "2026-1x-05 18:30:00", "2026-11-05 18:3x:00"}) {
        EXPECT_EQ(parseStoredDateTime(QString::fromUtf8(text)), std::nullopt) << text;
    }
}

TEST(JetDate, LiteralTextIsUsWhateverTheLocale) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(JetDateLiteralText(QDate(2026, 1, 31)), "1/31/2026");
    EXPECT_EQ(JetDateLiteralText(QDate(2026, 12, 5)), "12/5/2026");
    // A year below 1000 keeps four digits, so the literal names that year and
    // not one of the two-digit window.
    EXPECT_EQ(JetDateLiteralText(QDate(26, 11, 5)), "11/5/0026");
    EXPECT_EQ(parseJetDateTime(QStringLiteral("0026-11-05"))->date(), QDate(26, 11, 5));
    EXPECT_EQ(parseJetDateTime(JetDateLiteralText(QDate(26, 11, 5)))->date(), QDate(26, 11, 5));
    QLocale::setDefault(saved);
}

TEST(JetFunctions, FormatsCodesAndAmounts) {
    struct Case {
        QVariant value;
        const char* pattern;
        QVariant expected;
    };
    const Case cases[] = {
        {qint64(7), "000", QStringLiteral("007")},
        {qint64(1234), "000", QStringLiteral("1234")},
        {qint64(-7), "000", QStringLiteral("-007")},
        {QStringLiteral("42"), "000", QStringLiteral("042")},
        {1234.5, "#,##0.00", QStringLiteral("1,234.50")},
        {0.125, "0.00", QStringLiteral("0.13")},
        {-3.5, "0.00;(0.00)", QStringLiteral("(3.50)")},
        {2.5, "0", QStringLiteral("3")},
        {QStringLiteral("2026-01-31 18:30:00"), "Short Date", QStringLiteral("1/31/2026")},
        {QStringLiteral("2026-01-31 18:30:00"), "yyyy-mm-dd hh:nn",
         QStringLiteral("2026-01-31 18:30")},
        {QStringLiteral("abc"), "000", QStringLiteral("abc")},
        {QVariant(), "000", QVariant()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JetFunctions::format(c.value, QString::fromLatin1(c.pattern)), c.expected)
            << c.value.toString().toStdString() << " " << c.pattern;
    }
}

TEST(JetFunctions, FormatsMoneyExactlyInTheReportPatterns) {
    const char* const patterns[] = {"#,##0.00", "$#,##0.00", "($#,##0.00)",
                                    "$#,##0.00;($#,##0.00)"};
    struct Case {
        Currency amount;
        const char* texts[4]; // one per pattern
    };
    const Case cases[] = {
        {Currency::max(),
         {"922,337,203,685,477.58", "$922,337,203,685,477.58", "($922,337,203,685,477.58)",
          "$922,337,203,685,477.58"}},
        {Currency::min(),
         {"-922,337,203,685,477.58", "-$922,337,203,685,477.58", "-($922,337,203,685,477.58)",
          "($922,337,203,685,477.58)"}},
        {Currency::fromScaled(-49), {"0.00", "$0.00", "($0.00)", "$0.00"}},
        {Currency::fromScaled(50), {"0.01", "$0.01", "($0.01)", "$0.01"}},
        {Currency::fromScaled(-50), {"-0.01", "-$0.01", "-($0.01)", "($0.01)"}},
    };
    for (const Case& c : cases) {
        for (int p = 0; p < 4; ++p) {
            EXPECT_EQ(JetFunctions::format(c.amount.toVariant(), QString::fromLatin1(patterns[p])),
                      QVariant(QString::fromLatin1(c.texts[p])))
                << c.amount.toString(4).toStdString() << " " << patterns[p];
        }
    }
    // A third section names how zero shows; money without a pattern shows its places.
    EXPECT_EQ(JetFunctions::format(Currency::fromScaled(-1).toVariant(), "0.00;(0.00);Nil"),
              QVariant(QStringLiteral("Nil")));
    EXPECT_EQ(JetFunctions::format(Currency::fromScaled(12345).toVariant(), QString()),
              QVariant(QStringLiteral("1.2345")));
}

class Dialect : public CompanyFile {};

TEST_F(Dialect, SecondStatementNeverRuns) {
    EXPECT_RUNTIME_ERROR(execute(QStringLiteral("DELETE * FROM CATEGORIES WHERE CATEGORYID=1; "
                                                "DROP TABLE Transactions")),
                         "after end");
    Recordset rs;
    EXPECT_RUNTIME_ERROR(
        rs.Open(QStringLiteral("SELECT * FROM Categories; DELETE FROM Categories"), &conn()),
        "after end");
    EXPECT_EQ(open(QStringLiteral("Categories"))->RecordCount(), 20);
    EXPECT_EQ(
        open(QStringLiteral("SELECT * FROM Categories WHERE CatName <> 'a;b';"))->RecordCount(),
        20);
}

TEST_F(Dialect, NamesAndTextCompareWithoutRegardToCase) {
    auto rs =
        open(QStringLiteral("select CATNAME, catcode from CATEGORIES where cattype = 'inc' and "
                            "catname like 'SAL%'"));
    EXPECT_EQ(flatRows(*rs, {"catname", "CatCode"}), QStringList{"Sales|100"});
    EXPECT_EQ(rs->fieldName(0), "CatName");
}

} // namespace
} // namespace quillmark::testing
