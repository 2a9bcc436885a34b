// Keyset record sets: exact counts, positions, bookmarks that survive Requery
// and Sort, filters on clones, adding and updating rows, field conversions.
#include "DataTestSupport.h"

#include "quillmark/data/QueryPlan.h"
#include "quillmark/data/deQuillmark.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <functional>

#include <sqlite3.h>

namespace quillmark::testing {
namespace {

// The entry screens' list of one type's entries, by date.
QString entriesOfType() {
    return deQuillmark::instance().command(QStringLiteral("cmdTransactions")).CommandText();
}

class Keyset : public CompanyFile {
protected:
    void SetUp() override {
        CompanyFile::SetUp();
        rent = addCategory(560 + 1, QStringLiteral("Shop rent"), QStringLiteral("EXP"));
        const char* descriptions[] = {"delta", "alpha", "Charlie", "bravo", "echo"};
        for (int i = 0; i < 5; ++i) {
            keys << addEntry(rent, QStringLiteral("EXP"),
                             QStringLiteral("2026-03-0%1 10:00:00").arg(i + 1),
                             QString::fromLatin1(descriptions[i]), QString::number(10 * (i + 1)));
        }
    }

    std::unique_ptr<Recordset> expenses() {
        auto rs = std::make_unique<Recordset>();
        rs->OpenWithParameters(entriesOfType(), &conn(), {QStringLiteral("EXP")});
        return rs;
    }

    QStringList descriptions(Recordset& rs) { return flatRows(rs, {"Description"}); }

    // One row by its key, as the screens open a row to edit it.
    static QString entry(int key) {
        return QStringLiteral("Select * from Transactions Where TransactionID=%1").arg(key);
    }
    static QString category(int key) {
        return QStringLiteral("Select * from Categories Where CategoryID=%1").arg(key);
    }
    long deleteEntry(int key) {
        return execute(
            QStringLiteral("DELETE * FROM TRANSACTIONS WHERE TRANSACTIONID=%1").arg(key));
    }

    // The SQL statements the connection runs while `step` runs.
    QStringList statementsDuring(const std::function<void()>& step) {
        QStringList statements;
        sqlite3_trace_v2(
            conn().handle(), SQLITE_TRACE_STMT,
            [](unsigned, void* list, void* statement, void*) {
                static_cast<QStringList*>(list)->append(
                    QString::fromUtf8(sqlite3_sql(static_cast<sqlite3_stmt*>(statement))));
                return 0;
            },
            &statements);
        step();
        sqlite3_trace_v2(conn().handle(), 0, nullptr, nullptr);
        return statements;
    }

    int rent = 0;
    QList<int> keys;
};

TEST_F(Keyset, CountsAndPositionsAreExact) {
    auto rs = expenses();
    EXPECT_EQ(rs->RecordCount(), 5);
    // value() reads any row without moving the current one.
    QSignalSpy moved(rs.get(), &Recordset::currentChanged);
    const int description = rs->fieldIndex(QStringLiteral("description"));
    EXPECT_EQ(rs->value(4, description).toString(), "echo");
    EXPECT_FALSE(rs->value(5, description).isValid());
    EXPECT_EQ(moved.count(), 0);
    EXPECT_EQ(rs->AbsolutePosition(), 1);
    EXPECT_FALSE(rs->BOF());
    rs->setAbsolutePosition(3);
    EXPECT_EQ(rs->Fields(QStringLiteral("Description")).Value().toString(), "Charlie");
    rs->MoveLast();
    rs->MoveNext();
    EXPECT_TRUE(rs->EOF());
    EXPECT_EQ(rs->AbsolutePosition(), adPosEOF);
    EXPECT_RUNTIME_ERROR(rs->MoveNext(), "BOF or EOF");
    EXPECT_RUNTIME_ERROR(rs->Fields(QStringLiteral("Description")).Value(), "current record");
    EXPECT_RUNTIME_ERROR(rs->setAbsolutePosition(6), "outside");
    rs->MoveFirst();
    rs->MovePrevious();
    EXPECT_TRUE(rs->BOF());

    Recordset empty;
    empty.OpenWithParameters(entriesOfType(), &conn(), {QStringLiteral("INC")});
    EXPECT_EQ(empty.RecordCount(), 0);
    EXPECT_TRUE(empty.BOF());
    EXPECT_TRUE(empty.EOF());
    EXPECT_RUNTIME_ERROR(empty.Bookmark(), "current record");
}

TEST_F(Keyset, SortKeepsTheCurrentRowAndBookmarksSurviveRequeryAndAFreshRun) {
    auto rs = expenses();
    QSignalSpy reset(rs.get(), &Recordset::rowsReset);
    rs->setAbsolutePosition(2);
    const qint32 alpha = rs->Bookmark();
    EXPECT_EQ(alpha, keys.at(1));
    rs->setSort(QStringLiteral("Description DESC"));
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(rs->Fields(QStringLiteral("Description")).Value().toString(), "alpha");
    EXPECT_EQ(rs->AbsolutePosition(), 5);
    EXPECT_EQ(rs->Sort(), "Description DESC");
    EXPECT_EQ(descriptions(*rs), (QStringList{"echo", "delta", "Charlie", "bravo", "alpha"}));

    rs->setSort(QStringLiteral("Description ASC"));
    rs->setBookmark(alpha);
    EXPECT_EQ(rs->AbsolutePosition(), 1);
    rs->Requery();
    rs->setBookmark(alpha);
    EXPECT_EQ(rs->Fields(QStringLiteral("Description")).Value().toString(), "alpha");
    rs->setSort(QStringLiteral("TDate DESC"));
    EXPECT_EQ(descriptions(*rs).first(), "echo");
    rs->setSort(QString());
    EXPECT_EQ(descriptions(*rs), (QStringList{"delta", "alpha", "Charlie", "bravo", "echo"}));

    auto fresh = expenses();
    fresh->setBookmark(alpha);
    EXPECT_EQ(fresh->AbsolutePosition(), 2);
    EXPECT_RUNTIME_ERROR(fresh->setBookmark(999999), "names no row");
}

TEST_F(Keyset, SortAndFilterTakeOnlyFieldsOfTheRecordSet) {
    auto rs = expenses();
    using Case = std::pair<const char*, const char*>; // text, why refused
    const Case sorts[] = {{"Nonsense ASC", "no field named"},
                          {"Description; DROP TABLE Transactions", "not a field name"},
                          {"Description DESC, ", "missing"}};
    for (const auto& [text, why] : sorts) {
        EXPECT_RUNTIME_ERROR(rs->setSort(QString::fromLatin1(text)), why);
    }
    const Case filters[] = {{"Nonsense = 1", "no field named"},
                            {"Debit = 10; DROP TABLE Transactions", "not allowed"},
                            {"Debit = (SELECT 1)", "no field named"},
                            {"upper(Description) = 'A'", "functions"},
                            {"Debit = ?", "not allowed"}};
    for (const auto& [text, why] : filters) {
        EXPECT_RUNTIME_ERROR(rs->setFilter(QString::fromLatin1(text)), why);
    }
    // Nothing ran: all rows are still there, unfiltered.
    EXPECT_EQ(rs->RecordCount(), 5);
    EXPECT_EQ(rs->Filter(), QString());
    EXPECT_EQ(lastKey(QStringLiteral("Transactions"), QStringLiteral("TransactionID")),
              keys.last());
}

TEST_F(Keyset, FilterOnACloneLeavesTheOriginalAlone) {
    auto categories = open(QStringLiteral("SELECT *  FROM CATEGORIES\r\nORDER BY CATCODE"));
    categories->setAbsolutePosition(10);
    const qint32 standingOn = categories->Bookmark();
    QSignalSpy originalReset(categories.get(), &Recordset::rowsReset);

    auto copy = categories->Clone();
    EXPECT_EQ(copy->RecordCount(), categories->RecordCount());
    EXPECT_EQ(copy->AbsolutePosition(), 1);
    const std::pair<QString, long> cases[] = {
        {QStringLiteral("CatCode = 561"), 1},
        {QStringLiteral("CatCode = 7"), 0},
        {QStringLiteral("CategoryID <> ") + QString::number(rent) +
             QStringLiteral(" AND CatCode = 561"),
         0},
        {QStringLiteral("CategoryID <> 1 AND CatCode = 561"), 1},
        {QStringLiteral("CatName = 'shop RENT'"), 1},
        {QStringLiteral("CatName LIKE 'S*'"), 3},
        {QStringLiteral("Fixed = True AND CatType = 'inc'"), 5},
        {QString(), 21},
    };
    for (const auto& [filter, rows] : cases) {
        copy->setFilter(filter);
        EXPECT_EQ(copy->RecordCount(), rows) << filter.toStdString();
    }
    EXPECT_EQ(categories->RecordCount(), 21);
    EXPECT_EQ(categories->Bookmark(), standingOn);
    EXPECT_EQ(originalReset.count(), 0);
}

TEST_F(Keyset, AddNewInsertsAndStandsOnTheNewRowWithItsKey) {
    auto rs = open(QStringLiteral("Transactions"));
    QSignalSpy inserted(rs.get(), &Recordset::rowsInserted);
    const long before = rs->RecordCount();
    rs->AddNew();
    EXPECT_FALSE(rs->EOF());
    rs->Fields(QStringLiteral("CatType")).setValue(QStringLiteral("INC"));
    rs->Fields(QStringLiteral("CategoryID")).setValue(1);
    rs->Fields(QStringLiteral("TDate")).setValue(QDateTime(QDate(2026, 4, 1), QTime(18, 30, 15)));
    rs->Fields(QStringLiteral("Description")).setValue(QStringLiteral("  padded  "));
    rs->Fields(QStringLiteral("Credit")).setValue(QStringLiteral("250"));
    rs->Fields(QStringLiteral("Debit")).setValue(0);
    EXPECT_EQ(rs->Fields(QStringLiteral("Credit")).Value().value<Currency>(),
              Currency::fromUnits(250));
    rs->Update();

    EXPECT_EQ(rs->RecordCount(), before + 1);
    EXPECT_EQ(inserted.count(), 1);
    const int key = rs->Fields(QStringLiteral("TransactionID")).Value().toInt();
    EXPECT_GT(key, keys.last());
    EXPECT_EQ(rs->Bookmark(), key);
    EXPECT_EQ(flatRows(*open(entry(key)),
                       {"CatType", "CategoryID", "TDate", "Description", "Credit", "Debit"}),
              QStringList{"INC|1|2026-04-01 18:30|  padded  |250.00|0.00"});
}

TEST_F(Keyset, AddNewOnAWholeTableReadsNoRowsUntilAskedFor) {
    std::unique_ptr<Recordset> table;
    const QStringList statements = statementsDuring([&] {
        table = open(QStringLiteral("Transactions"));
        table->AddNew();
        table->Fields(QStringLiteral("CategoryID")).setValue(rent);
        table->Fields(QStringLiteral("Description")).setValue(QStringLiteral("added"));
        table->Update();
        table->Bookmark();
        table->Fields(QStringLiteral("TransactionID")).Value();
    });
    // The new row was written and read back; no statement listed the keys.
    EXPECT_TRUE(statements.filter(QStringLiteral("rowid FROM")).isEmpty())
        << statements.join(u'\n').toStdString();
    const int added = lastKey(QStringLiteral("Transactions"), QStringLiteral("TransactionID"));
    EXPECT_EQ(table->Bookmark(), added);
    EXPECT_EQ(table->Fields(QStringLiteral("TransactionID")).Value().toInt(), added);
    // Asked for, the rows are there: the new one last and current.
    EXPECT_EQ(table->RecordCount(), 6);
    EXPECT_EQ(table->AbsolutePosition(), 6);
    EXPECT_EQ(table->Fields(QStringLiteral("Description")).Value().toString(), "added");
}

TEST_F(Keyset, DescendingSortsUseTheListsIndexAndBreakTiesInTheirDirection) {
    addEntry(rent, QStringLiteral("EXP"), QStringLiteral("2026-03-09 10:00:00"),
             QStringLiteral("bravo"), QStringLiteral("1"));
    auto rs = expenses();
    rs->setSort(QStringLiteral("Description DESC"));
    EXPECT_EQ(flatRows(*rs, {"Description", "TDate"}).filter(QStringLiteral("bravo")),
              (QStringList{"bravo|2026-03-09 10:00", "bravo|2026-03-04 10:00"}));
    rs->setSort(QStringLiteral("Description ASC"));
    EXPECT_EQ(flatRows(*rs, {"Description", "TDate"}).filter(QStringLiteral("bravo")),
              (QStringList{"bravo|2026-03-04 10:00", "bravo|2026-03-09 10:00"}));
    // No sort of their own: the list's indexes give every order as it is.
    const auto plan = QueryPlan::build(conn().handle(), entriesOfType(), -1);
    for (const char* sort : {"Description DESC", "Description ASC", "TDate DESC", "TDate ASC"}) {
        const QString sql = QStringLiteral("EXPLAIN QUERY PLAN ") +
                            plan->keysetSql({}, plan->sortOrder(QString::fromLatin1(sort)));
        sqlite3_stmt* explain = nullptr;
        ASSERT_EQ(
            sqlite3_prepare_v2(conn().handle(), sql.toUtf8().constData(), -1, &explain, nullptr),
            SQLITE_OK);
        sqlite3_bind_text(explain, 1, "EXP", -1, SQLITE_STATIC);
        QStringList steps;
        while (sqlite3_step(explain) == SQLITE_ROW) {
            steps << QString::fromUtf8(
                reinterpret_cast<const char*>(sqlite3_column_text(explain, 3)));
        }
        sqlite3_finalize(explain);
        EXPECT_TRUE(steps.filter(QStringLiteral("TEMP B-TREE")).isEmpty())
            << sort << ": " << steps.join(QStringLiteral("; ")).toStdString();
    }
}

TEST_F(Keyset, SavingAnEntryWithoutAValidCategoryFailsClearly) {
    for (const auto& [category, why] :
         {std::pair{QVariant(), "cannot be empty"}, std::pair{QVariant(4242), "does not exist"}}) {
        auto rs = open(QStringLiteral("Transactions"));
        rs->AddNew();
        rs->Fields(QStringLiteral("CategoryID")).setValue(category);
        rs->Fields(QStringLiteral("Credit")).setValue(QStringLiteral("1"));
        EXPECT_RUNTIME_ERROR(rs->Update(), why);
        rs->Close();
    }
    EXPECT_EQ(open(QStringLiteral("Transactions"))->RecordCount(), 5);
}

TEST_F(Keyset, AddNewNeedsASingleTableAndAWritableRecordSet) {
    auto joined = expenses();
    EXPECT_RUNTIME_ERROR(joined->AddNew(), "single table");
    auto grouped = open(
        QStringLiteral("SELECT CatType, COUNT(*) AS Entries FROM Transactions GROUP BY CatType"));
    EXPECT_EQ(flatRows(*grouped, {"CatType", "Entries"}), QStringList{"EXP|5"});
    EXPECT_RUNTIME_ERROR(grouped->AddNew(), "cannot be changed");
    auto readOnly = conn().Execute(QStringLiteral("SELECT * FROM Categories"));
    EXPECT_RUNTIME_ERROR(readOnly->AddNew(), "read-only");
}

TEST_F(Keyset, UpdateWritesOnlyTheAssignedFieldsAndFailsOnAVanishedRow) {
    const QString one = entry(keys.first());
    auto first = open(one);
    auto second = open(one);
    first->Fields(QStringLiteral("Description")).setValue(QStringLiteral("changed here"));
    second->Fields(QStringLiteral("Debit")).setValue(QStringLiteral("99.99"));
    first->Update();
    second->Update();
    EXPECT_EQ(flatRows(*open(one), {"Description", "Debit"}), QStringList{"changed here|99.99"});

    auto grid = expenses();
    EXPECT_EQ(deleteEntry(keys.first()), 1);
    first->Fields(QStringLiteral("Description")).setValue(QStringLiteral("too late"));
    EXPECT_RUNTIME_ERROR(first->Update(), "no longer exists");
    // The grid keeps the row in place but has no values for it.
    EXPECT_EQ(grid->RecordCount(), 5);
    EXPECT_FALSE(grid->value(0, grid->fieldIndex(QStringLiteral("Description"))).isValid());
    EXPECT_RUNTIME_ERROR(grid->Fields(QStringLiteral("Description")).Value(), "deleted");
}

TEST_F(Keyset, AChangeToTwoTablesIsWrittenWhollyOrNotAtAll) {
    const QString joined = QStringLiteral(
        "SELECT c.CatName, t.Description FROM Categories c, Transactions t WHERE c.CategoryID = "
        "t.CategoryID ORDER BY t.TransactionID");
    auto rs = open(joined);
    rs->Fields(QStringLiteral("CatName")).setValue(QStringLiteral("Renamed"));
    rs->Fields(QStringLiteral("Description")).setValue(QStringLiteral("changed"));
    // The entry goes before the change is written: the category keeps its name.
    deleteEntry(keys.first());
    EXPECT_RUNTIME_ERROR(rs->Update(), "no longer exists");
    EXPECT_EQ(flatRows(*open(category(rent)), {"CatName"}), QStringList{"Shop rent"});

    // Nothing of the failed change is left pending in the file: what follows
    // is committed and seen by another connection.
    auto next = open(joined);
    next->Fields(QStringLiteral("CatName")).setValue(QStringLiteral("Renamed"));
    next->Fields(QStringLiteral("Description")).setValue(QStringLiteral("changed"));
    next->Update();
    Connection other;
    other.Open(DataFile::connectionStringFor(m_path));
    Recordset seen;
    seen.Open(joined, &other);
    EXPECT_EQ(flatRows(seen, {"CatName", "Description"}).first(), "Renamed|changed");
}

TEST_F(Keyset, AssignmentsConvertByTheDeclaredTypeOrChangeNothing) {
    auto rs = open(category(rent));
    Field& code = rs->Fields(QStringLiteral("CatCode"));
    code.setValue(QStringLiteral("7"));
    EXPECT_EQ(code.Value(), QVariant(7));
    struct Case {
        const char* field;
        QVariant value;
        const char* why;
    };
    const Case refused[] = {
        {"CatCode", QStringLiteral("seven"), "cannot be stored"},
        {"CatCode", 99999, "too large"},
        {"CatName", QString(101, u'x'), "too long"},
        {"Fixed", QStringLiteral("maybe"), "cannot be stored"},
        {"CategoryID", 5, "assigned by the database"},
    };
    for (const Case& c : refused) {
        EXPECT_RUNTIME_ERROR(rs->Fields(QString::fromLatin1(c.field)).setValue(c.value), c.why);
    }
    EXPECT_EQ(code.Value(), QVariant(7));
    rs->Update();
    EXPECT_EQ(flatRows(*open(category(rent)), {"CatCode", "CatName", "Fixed"}),
              QStringList{"7|Shop rent|no"});

    auto written = open(entry(keys.first()));
    EXPECT_RUNTIME_ERROR(
        written->Fields(QStringLiteral("Credit")).setValue(QStringLiteral("12,50")),
        "money field 'Credit'");
    EXPECT_RUNTIME_ERROR(
        written->Fields(QStringLiteral("TDate")).setValue(QStringLiteral("31/31/2026")),
        "not a valid date");
    written->Fields(QStringLiteral("TDate")).setValue(QStringLiteral("1/31/2026 6:30:00 PM"));
    written->Update();
    EXPECT_EQ(flat(written->Fields(QStringLiteral("TDate")).Value()), "2026-01-31 18:30");

    auto computed = expenses();
    EXPECT_RUNTIME_ERROR(computed->Fields(QStringLiteral("CatCode")).setValue(5), "computed");
}

TEST_F(Keyset, MovingOffAChangedRowWritesItAndPendingEditsBlockRequery) {
    auto rs = open(QStringLiteral("Transactions"));
    rs->Fields(QStringLiteral("Description")).setValue(QStringLiteral("moved away"));
    EXPECT_EQ(rs->EditMode(), adEditInProgress);
    EXPECT_RUNTIME_ERROR(rs->Requery(), "Update or CancelUpdate");
    rs->MoveNext();
    EXPECT_EQ(rs->EditMode(), adEditNone);
    rs->MoveFirst();
    EXPECT_EQ(rs->Fields(QStringLiteral("Description")).Value().toString(), "moved away");

    rs->AddNew();
    rs->Fields(QStringLiteral("Description")).setValue(QStringLiteral("dropped"));
    rs->Close();
    EXPECT_EQ(open(QStringLiteral("Transactions"))->RecordCount(), 5);
}

TEST_F(Keyset, ClosingTheConnectionClosesItsRecordSets) {
    auto rs = expenses();
    auto copy = rs->Clone();
    QSignalSpy reset(rs.get(), &Recordset::rowsReset);
    conn().Close();
    EXPECT_EQ(rs->State(), adStateClosed);
    EXPECT_EQ(copy->State(), adStateClosed);
    EXPECT_EQ(reset.count(), 1);
    EXPECT_RUNTIME_ERROR(rs->RecordCount(), "closed");
    EXPECT_RUNTIME_ERROR(rs->Close(), "closed");
    EXPECT_RUNTIME_ERROR(rs->OpenWithParameters(entriesOfType(), &conn(), {QStringLiteral("EXP")}),
                         "closed");
}

TEST_F(Keyset, OpenRefusesMissingParametersAndOtherStatements) {
    Recordset rs;
    EXPECT_RUNTIME_ERROR(rs.Open(entriesOfType(), &conn()), "No value given");
    EXPECT_RUNTIME_ERROR(rs.Open(QStringLiteral("DELETE * FROM Transactions"), &conn()), "SELECT");
    EXPECT_RUNTIME_ERROR(rs.Open(QStringLiteral("NoSuchTable"), &conn()), "does not exist");
    EXPECT_RUNTIME_ERROR(rs.Open(QStringLiteral("SELECT Nope FROM Transactions"), &conn()), "Nope");
    EXPECT_EQ(rs.State(), adStateClosed);
    EXPECT_EQ(open(QStringLiteral("Transactions"))->RecordCount(), 5);
}

// Walks over many rows: one read transaction and one statement per block of
// rows, and saves from anywhere while a walk is going on.
class Walks : public Keyset {
protected:
    void SetUp() override {
        Keyset::SetUp();
        execute(QStringLiteral(
            "INSERT INTO Transactions (CategoryID, CatType, TDate, Description, Credit, Debit) "
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 595) SELECT "
            "1, 'INC', '2026-02-01 00:00:00', 'walk ' || i, 1, 0 FROM n"));
    }

    long walk(Recordset& rs, const std::function<void(long row)>& atRow = {}) {
        long rows = 0;
        for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext()) {
            for (int f = 0; f < rs.fieldCount(); ++f) {
                rs.Fields(f).Value();
            }
            if (atRow) {
                atRow(rows);
            }
            ++rows;
        }
        return rows;
    }

    long entriesSeenElsewhere() {
        Connection third;
        third.Open(DataFile::connectionStringFor(m_path));
        return third.Execute(QStringLiteral("SELECT * FROM Transactions"))->RecordCount();
    }
};

TEST_F(Walks, ReadRowsABlockAtATimeInOneReadTransaction) {
    auto rs = open(QStringLiteral("SELECT * FROM Transactions t, Categories c WHERE t.CategoryID "
                                  "= c.CategoryID ORDER BY t.TransactionID"));
    long rows = 0;
    const QStringList statements = statementsDuring([&] { rows = walk(*rs); });
    EXPECT_EQ(rows, 600);
    // Rows are looked up 32 or more at a time, in the transaction the list
    // began: no statement per row, no new transaction.
    EXPECT_LE(statements.size(), 600 / 32 + 1);
    EXPECT_TRUE(statements.filter(QStringLiteral("BEGIN")).isEmpty())
        << statements.join(u'\n').toStdString();
}

TEST_F(Walks, SeeOneStateOfTheFileUntilTheProgramWaitsAgain) {
    auto rs = open(QStringLiteral("Transactions"));
    Connection other;
    other.Open(DataFile::connectionStringFor(m_path));
    QStringList last;
    walk(*rs, [&](long row) {
        if (row == 0) {
            other.Execute(QStringLiteral("UPDATE Transactions SET Description = 'changed' WHERE "
                                         "Description IN ('walk 594', 'walk 595')"));
        }
        if (row >= 598) {
            last << rs->Fields(QStringLiteral("Description")).Value().toString();
        }
    });
    EXPECT_EQ(last, (QStringList{"walk 594", "walk 595"}));
    // Back in the event loop the transaction ends; a new list sees the change.
    EXPECT_EQ(sqlite3_get_autocommit(conn().handle()), 0);
    QCoreApplication::processEvents();
    EXPECT_NE(sqlite3_get_autocommit(conn().handle()), 0);
    rs->Requery();
    rs->MoveLast();
    EXPECT_EQ(rs->Fields(QStringLiteral("Description")).Value().toString(), "changed");
}

TEST_F(Walks, NeverHoldUpASaveOnTheSameOrAnotherConnection) {
    auto rs = open(QStringLiteral("Transactions"));
    Connection other;
    other.Open(DataFile::connectionStringFor(m_path));
    walk(*rs, [&](long row) {
        if (row != 300) {
            return;
        }
        // The twin screen on the same connection, and another connection.
        for (Connection* c : {&conn(), &other}) {
            Recordset table;
            table.Open(QStringLiteral("Transactions"), c);
            table.AddNew();
            table.Fields(QStringLiteral("CategoryID")).setValue(1);
            table.Fields(QStringLiteral("Credit")).setValue(QStringLiteral("12.50"));
            table.Update();
        }
        // Both saves are in the file at once, not when the walk ends.
        EXPECT_EQ(entriesSeenElsewhere(), 602);
    });
    EXPECT_EQ(entriesSeenElsewhere(), 602);
}

} // namespace
} // namespace quillmark::testing
