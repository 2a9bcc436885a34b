#pragma once

// A report run through the program's data environment: the kind's statement
// installed as the CommandText of its named command and run on connReports,
// the layout of the kind and view with the date range on it, and the pages
// laid out. The run keeps its own copy of the command's rows, so its pages
// stay readable when the command runs again for another report.
#include "quillmark/reports/CurrencyValueOps.h"
#include "quillmark/reports/RecordsetRowSource.h"
#include "quillmark/reports/ReportChoice.h"
#include "quillmark/reports/engine/Report.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <memory>

namespace quillmark {

class Connection;
class Recordset;

struct ReportCriteria {
    QString kind;        // "INC", "EXP" or "P\L"; an empty kind counts as "INC"
    QString categoryIds; // the chosen category keys as "3,7"; not used for "P\L"
    QDate from;
    QDate to;
    ReportView view = ReportView::Detailed;
};

class ReportRun {
public:
    // Throws RuntimeError when the statement cannot run (an unknown kind,
    // keys that are not numbers, books that are not open) and
    // report::ReportError when the pages cannot be laid out.
    static std::unique_ptr<ReportRun> start(const ReportCriteria& criteria, const QDateTime& now);
    ~ReportRun();

    // Closes the record sets of both report commands where they are open.
    static void closeReportCommands();

    const ReportCriteria& criteria() const { return m_criteria; }
    const ReportChoice& choice() const { return m_choice; }
    const report::Report& report() const { return m_report; }
    const Recordset& rows() const { return *m_rows; }
    // The books the rows are read from.
    Connection* connection() const;

private:
    ReportRun(const ReportCriteria& criteria, ReportChoice choice, std::unique_ptr<Recordset> rows);

    ReportCriteria m_criteria;
    ReportChoice m_choice;
    std::unique_ptr<Recordset> m_rows;
    RecordsetRowSource m_source;
    CurrencyValueOps m_values;
    report::Report m_report;
};

} // namespace quillmark
