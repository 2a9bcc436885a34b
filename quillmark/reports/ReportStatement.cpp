#include "quillmark/reports/ReportStatement.h"

#include "quillmark/data/JetDate.h"
#include "quillmark/data/RuntimeError.h"
#include "quillmark/reports/ReportChoice.h"

#include <QRegularExpression>

namespace quillmark {

namespace {

QString dateTest(const QDate& from, const QDate& to) {
    return QStringLiteral("(tr.TDate Between #") + JetDateLiteralText(from) +
           QStringLiteral(" 12:00:00 AM# AND #") + JetDateLiteralText(to) +
           QStringLiteral(" 11:59:59 PM#)");
}

QString profitLossStatement(const QDate& from, const QDate& to) {
    // Within a type the rows of a category stay together even when two
    // categories share a name, so the per-category groups never split.
    return QStringLiteral("SELECT ct.CatName, tr.CategoryID as CatID, tr.Credit - tr.Debit AS "
                          "TotalAmount, "
                          "iif(tr.CatType = 'INC', 'INCOME', 'EXPENSE') AS Category, "
                          "iif(tr.CatType = 'INC', tr.Credit, tr.Debit) AS Amount, tr.* "
                          "FROM transactions AS tr, categories AS ct "
                          "WHERE tr.CategoryID = ct.CategoryID "
                          "and ") +
           dateTest(from, to) +
           QStringLiteral("ORDER BY tr.CatType DESC, ct.CatName ASC, tr.CategoryID ASC, "
                          "tr.TDate ASC");
}

} // namespace

QString ReportStatement(const QString& kind, const QString& categoryIds, const QDate& from,
                        const QDate& to) {
    const QString code = reportKindOf(kind);
    if (code == QLatin1String("P\\L")) {
        return profitLossStatement(from, to);
    }
    if (code != QLatin1String("INC") && code != QLatin1String("EXP")) {
        throw RuntimeError(errInvalidArgument,
                           QStringLiteral("Unknown report kind \"%1\".").arg(kind));
    }
    static const QRegularExpression keyList(QStringLiteral(R"(^\d+(,\d+)*$)"));
    if (!keyList.match(categoryIds).hasMatch()) {
        throw RuntimeError(errInvalidArgument,
                           QStringLiteral("The chosen categories \"%1\" are not a list of keys.")
                               .arg(categoryIds));
    }
    return QStringLiteral("select ct.CatName, tr.* from transactions tr, categories ct ") +
           QStringLiteral("Where tr.CategoryID = ct.CategoryID and ((tr.cattype='") + code +
           QStringLiteral("') ") + QStringLiteral("and (tr.CategoryID IN (") + categoryIds +
           QStringLiteral(")) ") + QStringLiteral("and ") + dateTest(from, to) +
           QStringLiteral(")") +
           QStringLiteral("Order By tr.CategoryID, ct.CatName, tr.TDate ASC ");
}

QString DateRangeCaption(const QDate& from, const QDate& to, const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy"))) {
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    }
    return QStringLiteral("Date Range: ") + locale.toString(from, format) + QStringLiteral(" - ") +
           locale.toString(to, format);
}

} // namespace quillmark
