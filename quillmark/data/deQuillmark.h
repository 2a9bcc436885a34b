#pragma once

// The program's one data environment: the three connections and the eight
// named commands every screen works through. Created on first use and alive
// for the whole run (tests may reset it).
#include "quillmark/data/Command.h"
#include "quillmark/data/Connection.h"
#include "quillmark/data/Recordset.h"

#include <QObject>
#include <QString>

#include <memory>

namespace quillmark {

class deQuillmark : public QObject {
    Q_OBJECT
public:
    static deQuillmark& instance();
    // Destroys the environment (closing its connections); the next instance()
    // builds a fresh one. For tests.
    static void resetInstance();

    ~deQuillmark() override;

    Connection& connSys();
    Connection& connReports();
    Connection& connSecurity();

    // The command by name ("cmdRptIncomeExpense", ...); throws RuntimeError for
    // an unknown name.
    Command& command(const QString& name);
    QStringList commandNames() const;

    // Running the commands: each (re)opens the command's record set and returns it.
    Recordset& cmdCategories();
    Recordset& cmdTransCategories(const QString& type);
    Recordset& cmdTransactions(const QString& type);
    Recordset& cmdCompanyInfo();
    Recordset& cmdCategoryByType(const QString& pType = QStringLiteral("INC"));
    Recordset& cmdRptIncomeExpense();
    Recordset& cmdRptProfitLoss();
    Recordset& cmdCompanyFilePath();

    // The commands' record sets. For the commands without parameters the
    // record set is opened (as a bound control would) when it is closed at the
    // time of the call; use command(name).recordset() to look without opening.
    // The record sets of commands with a parameter are returned as they stand.
    Recordset& rscmdCategories();
    Recordset& rscmdTransCategories();
    Recordset& rscmdTransactions();
    Recordset& rscmdCompanyInfo();
    Recordset& rscmdCategoryByType();
    Recordset& rscmdRptIncomeExpense();
    Recordset& rscmdRptProfitLoss();
    Recordset& rscmdCompanyFilePath();

private:
    deQuillmark();
    Recordset& openedOnUse(const QString& name);

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace quillmark
