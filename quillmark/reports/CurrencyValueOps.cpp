#include "quillmark/reports/CurrencyValueOps.h"

#include "quillmark/data/Currency.h"
#include "quillmark/data/JetDate.h"
#include "quillmark/data/JetFunctions.h"

#include <QDateTime>

namespace quillmark {

QVariant CurrencyValueOps::zero() const {
    return QVariant::fromValue(Currency());
}

void CurrencyValueOps::add(QVariant& total, const QVariant& value) const {
    if (value.isNull()) {
        return;
    }
    const Currency sum = Currency::fromVariant(total) + Currency::fromVariant(value);
    if (total.metaType() == QMetaType::fromType<Currency>()) {
        *static_cast<Currency*>(total.data()) = sum;
    } else {
        total = QVariant::fromValue(sum);
    }
}

QString CurrencyValueOps::text(const QVariant& value, const QString& pattern) const {
    if (value.metaType().id() == QMetaType::QDateTime) {
        // FORMAT reads dates in the form the data files store them.
        const QDateTime moment = value.toDateTime();
        const QString named = moment.time() == QTime(0, 0) ? QStringLiteral("Short Date")
                                                           : QStringLiteral("General Date");
        return JetFunctions::format(storedDateTimeText(moment), pattern.isEmpty() ? named : pattern)
            .toString();
    }
    if (pattern.isEmpty() && value.metaType().id() == QMetaType::QString) {
        return value.toString(); // text shows as it is
    }
    return JetFunctions::format(value, pattern).toString();
}

} // namespace quillmark
