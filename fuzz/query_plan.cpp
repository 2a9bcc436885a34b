// Filter and sort texts on record sets of a small company file: the first
// line of the input is the filter, the second the sort, and the first byte
// picks the record set's source (a table, a keyset join, a read-whole
// grouping). The rows are then walked and every value read. Refusals
// (RuntimeError) are fine; crashes, sanitizer reports and broken rules are not.
#include "FuzzSupport.h"

#include "quillmark/data/Connection.h"
#include "quillmark/data/DataFile.h"
#include "quillmark/data/Recordset.h"
#include "quillmark/data/RuntimeError.h"

#include <QCoreApplication>
#include <QTemporaryDir>

using namespace quillmark;

namespace {

Connection* connection = nullptr;

const char* const sources[] = {
    "Categories",
    ("SELECT tr.TransactionID, tr.TDate, tr.Description, tr.Credit, tr.Debit, c.CatName, "
     "c.CatCode, tr.Credit - tr.Debit AS Net FROM Transactions tr INNER JOIN Categories c ON "
     "tr.CategoryID = c.CategoryID ORDER BY tr.TDate"),
    ("SELECT CatType, Count(*) AS Entries, Sum(Credit) AS Credits FROM Transactions GROUP BY "
     "CatType"),
    "SELECT * FROM Transactions WHERE Credit > 0",
};

void makeCompanyFile(const QString& path) {
    DataFile::createCompanyFile(path, false);
    connection = new Connection(QStringLiteral("fuzz"));
    connection->Open(DataFile::connectionStringFor(path));
    const char* const rows[] = {
        "1, 'INC', #1/5/2026#, 'Lunch', 12.35, 0",
        "2, 'EXP', #2/28/2026 6:30 PM#, 'Paper', 0, 7.5",
        "1, 'INC', #12/31/2025#, 'Ünïcode', 922337203685.4775, 0",
        "2, 'EXP', #1/1/1900#, NULL, 0, 0.0001",
    };
    for (const char* row : rows) {
        connection->Execute(QStringLiteral("INSERT INTO Transactions (CategoryID, CatType, TDate, "
                                           "Description, Credit, Debit) VALUES (%1)")
                                .arg(QLatin1String(row)));
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::startApplication<QCoreApplication>(argc, argv);
    static QTemporaryDir folder;
    if (!folder.isValid()) {
        fuzz::fail("a temporary folder for the company file", folder.errorString());
    }
    try {
        makeCompanyFile(folder.filePath(QStringLiteral("fuzz.dat")));
    } catch (const RuntimeError& error) {
        fuzz::fail("the company file is made", error.description());
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const QString source = QLatin1String(sources[data[0] % std::size(sources)]);
    const QStringList lines = fuzz::text(data + 1, size - 1).split(u'\n');
    const QString filter = lines.value(0);
    const QString sort = lines.value(1);

    Recordset rs;
    rs.Open(source, connection, adOpenKeyset, adLockOptimistic,
            data[0] % std::size(sources) == 0 ? adCmdTable : -1);
    const long before = rs.RecordCount();
    bool filtered = false;
    try {
        rs.setFilter(filter);
        filtered = !filter.trimmed().isEmpty();
    } catch (const RuntimeError&) {
        // A refused filter leaves the rows as they were.
        fuzz::check(rs.RecordCount() == before, "a refused filter keeps the rows", filter);
    }
    try {
        rs.setSort(sort);
    } catch (const RuntimeError&) {
    }
    const long count = rs.RecordCount();
    fuzz::check(count >= 0 && (filtered || count == before),
                "only a filter changes the number of rows", filter + u'\n' + sort);
    long walked = 0;
    try {
        for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext()) {
            for (int i = 0; i < rs.fieldCount(); ++i) {
                rs.Fields(i).Value();
            }
            ++walked;
        }
        fuzz::check(walked == count, "a walk meets every counted row", filter + u'\n' + sort);
    } catch (const RuntimeError&) {
        // Values that do not fit their type (an overflowing sum, say) are refused.
    }
    rs.Close();
    return 0;
}
