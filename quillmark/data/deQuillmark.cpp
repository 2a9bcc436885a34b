#include "quillmark/data/deQuillmark.h"

#include "quillmark/data/RuntimeError.h"

#include <vector>

namespace quillmark {

namespace {

std::unique_ptr<deQuillmark>& holder() {
    static std::unique_ptr<deQuillmark> instance;
    return instance;
}

const QString CategoriesText = QStringLiteral("SELECT *  FROM CATEGORIES\r\nORDER BY CATCODE");
const QString TransCategoriesText =
    QStringLiteral("SELECT *  FROM CATEGORIES\r\nWHERE CATTYPE = ?\r\nORDER BY CATNAME");
const QString TransactionsText = QStringLiteral(
    "SELECT Transactions.CatType, Transactions.TransactionID, Transactions.CategoryID, "
    "Transactions.TDate, FORMAT(Categories.CatCode, '000') AS CatCode, Categories.CatName AS "
    "CatName, Transactions.Description, Transactions.Credit, Transactions.Debit FROM "
    "Transactions, Categories WHERE Transactions.CategoryID = Categories.CategoryID AND "
    "Transactions.CatType IN (?) \r\nORDER BY Transactions.TDate");
const QString CategoryByTypeText =
    QStringLiteral("SELECT * FROM CATEGORIES\r\nWHERE CATTYPE = ?\r\nORDER BY CATCODE");
const QString RptIncomeExpenseText =
    QStringLiteral("select ct.CatName, tr.* \r\nfrom transactions tr, categories ct\r\nwhere  "
                   "tr.CategoryID = ct.CategoryID \r\n\r\n");
const QString RptProfitLossText = QStringLiteral(
    "SELECT ct.CatName, tr.Credit - tr.Debit AS TotalAmount, iif(tr.CatType = 'INC', 'INCOME', "
    "'EXPENSE') AS Category, iif(tr.CatType = 'INC', tr.Credit, tr.Debit) AS Amount, tr.* FROM "
    "transactions AS tr, categories AS ct WHERE tr.CategoryID = ct.CategoryID ORDER BY "
    "tr.CatType DESC, tr.TDate ASC");

} // namespace

struct deQuillmark::Private {
    // Declared before the commands, so the commands (and their record sets)
    // go first when the environment is destroyed.
    Connection connSys{QStringLiteral("connSys")};
    Connection connReports{QStringLiteral("connReports")};
    Connection connSecurity{QStringLiteral("connSecurity")};
    std::vector<std::unique_ptr<Command>> commands;
};

deQuillmark& deQuillmark::instance() {
    auto& instance = holder();
    if (!instance) {
        instance.reset(new deQuillmark);
    }
    return *instance;
}

void deQuillmark::resetInstance() {
    holder().reset();
}

deQuillmark::deQuillmark() : d(new Private) {
    setObjectName(QStringLiteral("deQuillmark"));
    auto add = [this](const char* name, Connection& connection, const QString& text, long type) {
        d->commands.push_back(
            std::make_unique<Command>(QString::fromLatin1(name), &connection, text, type));
    };
    add("cmdCategories", d->connSys, CategoriesText, adCmdText);
    add("cmdTransCategories", d->connSys, TransCategoriesText, adCmdText);
    add("cmdTransactions", d->connSys, TransactionsText, adCmdText);
    add("cmdCompanyInfo", d->connSys, QStringLiteral("CompanyInfo"), adCmdTable);
    add("cmdCategoryByType", d->connReports, CategoryByTypeText, adCmdText);
    add("cmdRptIncomeExpense", d->connReports, RptIncomeExpenseText, adCmdText);
    add("cmdRptProfitLoss", d->connReports, RptProfitLossText, adCmdText);
    add("cmdCompanyFilePath", d->connSecurity, QStringLiteral("CompanyFilePath"), adCmdTable);
    command(QStringLiteral("cmdCategoryByType")).setParameters({QStringLiteral("INC")});
}

deQuillmark::~deQuillmark() = default;

Connection& deQuillmark::connSys() {
    return d->connSys;
}

Connection& deQuillmark::connReports() {
    return d->connReports;
}

Connection& deQuillmark::connSecurity() {
    return d->connSecurity;
}

Command& deQuillmark::command(const QString& name) {
    for (const auto& command : d->commands) {
        if (command->Name().compare(name, Qt::CaseInsensitive) == 0) {
            return *command;
        }
    }
    throw RuntimeError(errItemNotFound,
                       QStringLiteral("The data environment has no command named '%1'.").arg(name));
}

QStringList deQuillmark::commandNames() const {
    QStringList names;
    for (const auto& command : d->commands) {
        names << command->Name();
    }
    return names;
}

Recordset& deQuillmark::cmdCategories() {
    return command(QStringLiteral("cmdCategories")).Execute();
}

Recordset& deQuillmark::cmdTransCategories(const QString& type) {
    return command(QStringLiteral("cmdTransCategories")).Execute(type);
}

Recordset& deQuillmark::cmdTransactions(const QString& type) {
    return command(QStringLiteral("cmdTransactions")).Execute(type);
}

Recordset& deQuillmark::cmdCompanyInfo() {
    return command(QStringLiteral("cmdCompanyInfo")).Execute();
}

Recordset& deQuillmark::cmdCategoryByType(const QString& pType) {
    return command(QStringLiteral("cmdCategoryByType")).Execute(pType);
}

Recordset& deQuillmark::cmdRptIncomeExpense() {
    return command(QStringLiteral("cmdRptIncomeExpense")).Execute();
}

Recordset& deQuillmark::cmdRptProfitLoss() {
    return command(QStringLiteral("cmdRptProfitLoss")).Execute();
}

Recordset& deQuillmark::cmdCompanyFilePath() {
    return command(QStringLiteral("cmdCompanyFilePath")).Execute();
}

Recordset& deQuillmark::openedOnUse(const QString& name) {
    Command& cmd = command(name);
    if (cmd.recordset().State() == adStateClosed) {
        cmd.Execute();
    }
    return cmd.recordset();
}

Recordset& deQuillmark::rscmdCategories() {
    return openedOnUse(QStringLiteral("cmdCategories"));
}

Recordset& deQuillmark::rscmdTransCategories() {
    return command(QStringLiteral("cmdTransCategories")).recordset();
}

Recordset& deQuillmark::rscmdTransactions() {
    return command(QStringLiteral("cmdTransactions")).recordset();
}

Recordset& deQuillmark::rscmdCompanyInfo() {
    return openedOnUse(QStringLiteral("cmdCompanyInfo"));
}

Recordset& deQuillmark::rscmdCategoryByType() {
    return command(QStringLiteral("cmdCategoryByType")).recordset();
}

Recordset& deQuillmark::rscmdRptIncomeExpense() {
    return openedOnUse(QStringLiteral("cmdRptIncomeExpense"));
}

Recordset& deQuillmark::rscmdRptProfitLoss() {
    return openedOnUse(QStringLiteral("cmdRptProfitLoss"));
}

Recordset& deQuillmark::rscmdCompanyFilePath() {
    return openedOnUse(QStringLiteral("cmdCompanyFilePath"));
}

} // namespace quillmark
