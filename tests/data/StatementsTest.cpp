// Every statement text the screens send runs by its exact text, on a company
// file made by createCompanyFile plus a few rows; the rows are compared whole.
#include "DataTestSupport.h"

#include "quillmark/data/JetDate.h"

namespace quillmark::testing {
namespace {

const QStringList TransactionFields = {
    QStringLiteral("CatType"),     QStringLiteral("TransactionID"), QStringLiteral("CategoryID"),
    QStringLiteral("TDate"),       QStringLiteral("CatCode"),       QStringLiteral("CatName"),
    QStringLiteral("Description"), QStringLiteral("Credit"),        QStringLiteral("Debit")};

class Statements : public CompanyFile {
protected:
    void SetUp() override {
        CompanyFile::SetUp();
        // Standard categories: 3 is "Interest Income" (INC, 120), 7 "Bank Charges" (EXP, 510).
        fees = addCategory(7, QStringLiteral("Fees"), QStringLiteral("INC"));
        consulting = addCategory(1234, QStringLiteral("Consulting"), QStringLiteral("INC"));
        food = addCategory(45, QStringLiteral("Food"), QStringLiteral("EXP"));
        oldFee = addEntry(fees, QStringLiteral("INC"), QStringLiteral("2025-12-31 23:59:59"),
                          QStringLiteral("Old fee"), QStringLiteral("5"));
        januaryFee = addEntry(fees, QStringLiteral("INC"), QStringLiteral("2026-01-05 09:00:00"),
                              QStringLiteral("January fees"), QStringLiteral("250"));
        lateConsulting =
            addEntry(consulting, QStringLiteral("INC"), QStringLiteral("2026-01-31 18:30:00"),
                     QStringLiteral("Late consulting"), QStringLiteral("100.10"));
        lunch = addEntry(food, QStringLiteral("EXP"), QStringLiteral("2026-01-31 18:30:00"),
                         QStringLiteral("Lunch"), QStringLiteral("12.35"));
        febLunch = addEntry(food, QStringLiteral("EXP"), QStringLiteral("2026-02-01 00:00:00"),
                            QStringLiteral("Feb lunch"), QStringLiteral("20"));
        interest = addEntry(3, QStringLiteral("INC"), QStringLiteral("2026-01-15 12:00:00"),
                            QStringLiteral("Bank interest"), QStringLiteral("0.07"));
        bankFee = addEntry(7, QStringLiteral("EXP"), QStringLiteral("2026-01-20 08:00:00"),
                           QStringLiteral("Card fee"), QStringLiteral("3.50"));
    }

    QString id(int key) const { return QString::number(key); }

    int fees = 0, consulting = 0, food = 0;
    int oldFee = 0, januaryFee = 0, lateConsulting = 0, lunch = 0, febLunch = 0, interest = 0,
        bankFee = 0;
};

TEST_F(Statements, TransactionsCommandListsOneTypeByDateWithThreeDigitCodes) {
    Recordset rs;
    rs.OpenWithParameters(
        QStringLiteral(
            "SELECT Transactions.CatType, Transactions.TransactionID, "
            "Transactions.CategoryID, Transactions.TDate, FORMAT(Categories.CatCode, "
            "'000') AS CatCode, Categories.CatName AS CatName, Transactions.Description, "
            "Transactions.Credit, Transactions.Debit FROM Transactions, Categories WHERE "
            "Transactions.CategoryID = Categories.CategoryID AND Transactions.CatType IN "
            "(?) \r\nORDER BY Transactions.TDate"),
        &conn(), {QStringLiteral("INC")});
    ASSERT_EQ(rs.fieldCount(), TransactionFields.size());
    for (int i = 0; i < rs.fieldCount(); ++i) {
        EXPECT_EQ(rs.fieldName(i), TransactionFields.at(i));
    }
    const QString fee = id(fees);
    EXPECT_EQ(flatRows(rs, TransactionFields),
              (QStringList{"INC|" + id(oldFee) + "|" + fee +
                               "|2025-12-31 23:59|007|Fees|Old fee|5.00|0.00",
                           "INC|" + id(januaryFee) + "|" + fee +
                               "|2026-01-05 09:00|007|Fees|January fees|250.00|0.00",
                           "INC|" + id(interest) +
                               "|3|2026-01-15 12:00|120|Interest Income|Bank interest|0.07|0.00",
                           "INC|" + id(lateConsulting) + "|" + id(consulting) +
                               "|2026-01-31 18:30|1234|Consulting|Late consulting|100.10|0.00"}));
}

TEST_F(Statements, CategoryCommandsFilterByTypeWithoutRegardToCase) {
    const QString expense =
        QStringLiteral("SELECT *  FROM CATEGORIES\r\nWHERE CATTYPE = ?\r\nORDER BY CATNAME");
    const QString byCode =
        QStringLiteral("SELECT * FROM CATEGORIES\r\nWHERE CATTYPE = ?\r\nORDER BY CATCODE");
    // By name: Advertising first; by code: the own code 7 before the standard 100.
    Recordset byName;
    byName.OpenWithParameters(expense, &conn(), {QStringLiteral("exp")});
    EXPECT_EQ(byName.RecordCount(), 16);
    EXPECT_EQ(byName.Fields(QStringLiteral("CatName")).Value().toString(), "Advertising");
    byName.MoveLast();
    EXPECT_EQ(byName.Fields(QStringLiteral("CatName")).Value().toString(), "Wages");

    Recordset codes;
    codes.OpenWithParameters(byCode, &conn(), {QStringLiteral("inc")});
    const QStringList rows = flatRows(codes, {"CatCode", "CatName", "CatType", "Fixed"});
    ASSERT_EQ(rows.size(), 7);
    EXPECT_EQ(rows.front(), "7|Fees|INC|no");
    EXPECT_EQ(rows.at(1), "100|Sales|INC|yes");
    EXPECT_EQ(rows.back(), "1234|Consulting|INC|no");
}

TEST_F(Statements, IncomeReportStatementKeepsTheWholeLastDay) {
    // Built exactly as the report screen builds it (categories 3 and Fees, Consulting).
    const QString from = JetDateLiteralText(QDate(2026, 1, 1));
    const QString to = JetDateLiteralText(QDate(2026, 1, 31));
    const QString keys = QStringLiteral("3,") + id(fees) + u',' + id(consulting);
    const QString statement =
        QStringLiteral("select ct.CatName, tr.* from transactions tr, categories ct ") +
        QStringLiteral("Where tr.CategoryID = ct.CategoryID and ((tr.cattype='INC') ") +
        QStringLiteral("and (tr.CategoryID IN (") + keys + QStringLiteral(")) ") +
        QStringLiteral("and (tr.TDate Between #") + from + QStringLiteral(" 12:00:00 AM# AND #") +
        to + QStringLiteral(" 11:59:59 PM#))") +
        QStringLiteral("Order By tr.CategoryID, ct.CatName, tr.TDate ASC ");
    ASSERT_TRUE(statement.contains(
        QLatin1String("#1/1/2026 12:00:00 AM# AND #1/31/2026 11:59:59 PM#))Order By")));
    auto rs = open(statement);
    EXPECT_EQ(flatRows(*rs, {"CatName", "TransactionID", "CategoryID", "CatType", "TDate",
                             "Description", "Debit", "Credit"}),
              (QStringList{"Interest Income|" + id(interest) +
                               "|3|INC|2026-01-15 12:00|Bank interest|0.00|0.07",
                           "Fees|" + id(januaryFee) + "|" + id(fees) +
                               "|INC|2026-01-05 09:00|January fees|0.00|250.00",
                           "Consulting|" + id(lateConsulting) + "|" + id(consulting) +
                               "|INC|2026-01-31 18:30|Late consulting|0.00|100.10"}));
}

TEST_F(Statements, ExpenseReportStatementTakesOnlyTheChosenTypeAndCategories) {
    auto expense = open(QStringLiteral(
        "select ct.CatName, tr.* from transactions tr, categories ct Where tr.CategoryID = "
        "ct.CategoryID and ((tr.cattype='EXP') and (tr.CategoryID IN (4,7)) and (tr.TDate Between "
        "#1/1/2026 12:00:00 AM# AND #1/31/2026 11:59:59 PM#))Order By tr.CategoryID, ct.CatName, "
        "tr.TDate ASC "));
    EXPECT_EQ(flatRows(*expense, {"CatName", "Description", "Debit"}),
              QStringList{"Bank Charges|Card fee|3.50"});
}

TEST_F(Statements, ProfitLossStatementPutsIncomeFirstWithSignedTotals) {
    const QString statement =
        QStringLiteral("SELECT ct.CatName, tr.CategoryID as CatID, tr.Credit - tr.Debit AS "
                       "TotalAmount, ") +
        QStringLiteral("iif(tr.CatType = 'INC', 'INCOME', 'EXPENSE') AS Category, ") +
        QStringLiteral("iif(tr.CatType = 'INC', tr.Credit, tr.Debit) AS Amount, tr.* ") +
        QStringLiteral("FROM transactions AS tr, categories AS ct ") +
        QStringLiteral("WHERE tr.CategoryID = ct.CategoryID ") +
        QStringLiteral(
            "and (tr.TDate Between #1/1/2026 12:00:00 AM# AND #1/31/2026 11:59:59 PM#)") +
        QStringLiteral("ORDER BY tr.CatType DESC, ct.CatName ASC, tr.TDate ASC");
    auto rs = open(statement);
    EXPECT_EQ(rs->fieldType(rs->fieldIndex(QStringLiteral("TotalAmount"))), FieldType::Currency);
    EXPECT_EQ(rs->fieldType(rs->fieldIndex(QStringLiteral("Amount"))), FieldType::Currency);
    EXPECT_EQ(
        flatRows(*rs, {"Category", "CatName", "CatID", "TotalAmount", "Amount", "Description"}),
        (QStringList{"INCOME|Consulting|" + id(consulting) + "|100.10|100.10|Late consulting",
                     "INCOME|Fees|" + id(fees) + "|250.00|250.00|January fees",
                     "INCOME|Interest Income|3|0.07|0.07|Bank interest",
                     "EXPENSE|Bank Charges|7|-3.50|3.50|Card fee",
                     "EXPENSE|Food|" + id(food) + "|-12.35|12.35|Lunch"}));
}

TEST_F(Statements, ReportBaseCommandsRunByTheirTexts) {
    auto base = open(QStringLiteral("select ct.CatName, tr.* \r\nfrom transactions tr, categories "
                                    "ct\r\nwhere  tr.CategoryID = ct.CategoryID \r\n\r\n"));
    EXPECT_EQ(base->RecordCount(), 7);
    QStringList names;
    for (int i = 0; i < base->fieldCount(); ++i) {
        names << base->fieldName(i);
    }
    EXPECT_EQ(names.join(u','),
              "CatName,TransactionID,CategoryID,CatType,TDate,Description,Debit,Credit");

    auto profitLoss = open(QStringLiteral(
        "SELECT ct.CatName, tr.Credit - tr.Debit AS TotalAmount, iif(tr.CatType = 'INC', "
        "'INCOME', 'EXPENSE') AS Category, iif(tr.CatType = 'INC', tr.Credit, tr.Debit) AS Amount, "
        "tr.* FROM transactions AS tr, categories AS ct WHERE tr.CategoryID = ct.CategoryID ORDER "
        "BY tr.CatType DESC, tr.TDate ASC"));
    EXPECT_EQ(flatRows(*profitLoss, {"CatType", "TDate", "TotalAmount"}),
              (QStringList{"INC|2025-12-31 23:59|5.00", "INC|2026-01-05 09:00|250.00",
                           "INC|2026-01-15 12:00|0.07", "INC|2026-01-31 18:30|100.10",
                           "EXP|2026-01-20 08:00|-3.50", "EXP|2026-01-31 18:30|-12.35",
                           "EXP|2026-02-01|-20.00"}));
}

TEST_F(Statements, EntryScreenStatementsReadAndDeleteByKey) {
    auto one = open(QStringLiteral("Select * from Transactions Where TransactionID=") + id(lunch));
    EXPECT_EQ(flatRows(*one, {"TransactionID", "CategoryID", "CatType", "TDate", "Description",
                              "Debit", "Credit"}),
              QStringList{id(lunch) + "|" + id(food) + "|EXP|2026-01-31 18:30|Lunch|12.35|0.00"});
    one->Close();

    EXPECT_EQ(
        execute(QStringLiteral("DELETE * FROM TRANSACTIONS WHERE TRANSACTIONID=") + id(lunch)), 1);
    auto gone = open(QStringLiteral("Select * from Transactions Where TransactionID=") + id(lunch));
    EXPECT_TRUE(gone->EOF());
}

TEST_F(Statements, CategoryScreenStatements) {
    auto one = open(QStringLiteral("Select * from Categories Where CategoryID=") + id(food));
    EXPECT_EQ(flatRows(*one, {"CategoryID", "CatCode", "CatName", "CatType", "Fixed"}),
              QStringList{id(food) + "|45|Food|EXP|no"});

    // Still used by entries: the file refuses, and says why.
    EXPECT_RUNTIME_ERROR(
        execute(QStringLiteral("DELETE * FROM CATEGORIES WHERE CATEGORYID=") + id(food)),
        "transactions still use");
    const int unused = addCategory(901, QStringLiteral("Unused"), QStringLiteral("EXP"));
    EXPECT_EQ(execute(QStringLiteral("DELETE * FROM CATEGORIES WHERE CATEGORYID=") + id(unused)),
              1);
}

TEST_F(Statements, CompanyInfoRowIsUpdatedInPlace) {
    auto rs = open(QStringLiteral("Select * from CompanyInfo Where CompanyID=1"));
    ASSERT_FALSE(rs->EOF());
    const QStringList fields = {
        "BusinessName", "OwnerName",    "Address",   "Address2", "City",  "State", "ZipCode",
        "DaytimePhone", "EveningPhone", "CellPhone", "FaxPhone", "Email", "EIN",   "Website"};
    for (const QString& field : fields) {
        EXPECT_EQ(rs->Fields(field).Value(), QVariant(QString())) << field.toStdString();
        rs->Fields(field).setValue(field == QLatin1String("BusinessName")
                                       ? QStringLiteral("O'Brien \"Books\"")
                                       : QString());
    }
    rs->Update();
    rs->Close();
    auto again = open(QStringLiteral("CompanyInfo"));
    EXPECT_EQ(flatRows(*again, {"CompanyID", "BusinessName", "Website"}),
              QStringList{"1|O'Brien \"Books\"|"});
}

class CompanyList : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("vevodir.dat"));
        DataFile::createCompanyFile(path, true);
        security.Open(DataFile::connectionStringFor(path));
    }
    QTemporaryDir dir;
    QString path;
    Connection security{QStringLiteral("connSecurity")};
};

TEST_F(CompanyList, RegisteringAndRemovingCompaniesKeepsQuotes) {
    auto quoted = [](QString text) { return text.replace(u'\'', QLatin1String("''")); };
    long affected = 0;
    security.Execute(QStringLiteral("INSERT INTO COMPANYFILEPATH(CompanyName, CompanyFilePath) ") +
                         QStringLiteral("Values ('") + quoted(QStringLiteral("O'Neil's Bakery")) +
                         QStringLiteral("', '") +
                         quoted(QStringLiteral("/home/o'neil/my books;2026.dat")) +
                         QStringLiteral("')"),
                     &affected);
    EXPECT_EQ(affected, 1);
    Recordset list;
    list.Open(QStringLiteral("CompanyFilePath"), &security, adOpenKeyset, adLockOptimistic,
              adCmdTable);
    EXPECT_EQ(flatRows(list, {"CompanyID", "CompanyName", "CompanyFilePath"}),
              (QStringList{"1|My Company|Default Path",
                           "2|O'Neil's Bakery|/home/o'neil/my books;2026.dat"}));

    security.Execute(QStringLiteral("DELETE * FROM COMPANYFILEPATH WHERE COMPANYID=2"), &affected);
    EXPECT_EQ(affected, 1);
    security.Execute(QStringLiteral("DELETE * FROM COMPANYFILEPATH WHERE COMPANYID=2"), &affected);
    EXPECT_EQ(affected, 0);
    list.Requery();
    EXPECT_EQ(list.RecordCount(), 1);
}

} // namespace
} // namespace quillmark::testing
