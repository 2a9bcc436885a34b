#include "quillmark/shell/DataGridColumn.h"

#include "quillmark/data/Currency.h"
#include "quillmark/data/RuntimeError.h"
#include "quillmark/shell/ShellErrors.h"

#include <QDate>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QLocale>

namespace quillmark {

namespace {

const QString kShortDate = QStringLiteral("Short Date");
const QString kCurrency = QStringLiteral("Currency");

bool isMoney(const QVariant& value) {
    return value.metaType() == QMetaType::fromType<Currency>();
}

QString shortDateText(const QVariant& value, const QLocale& locale) {
    QDate date;
    if (value.metaType() == QMetaType::fromType<QDateTime>()) {
        date = value.toDateTime().date();
    } else if (value.metaType() == QMetaType::fromType<QDate>()) {
        date = value.toDate();
    } else {
        date = QDateTime::fromString(value.toString(), Qt::ISODate).date();
    }
    return date.isValid() ? locale.toString(date, QLocale::ShortFormat) : value.toString();
}

QString plainText(const QVariant& value, const QLocale& locale) {
    switch (value.metaType().id()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::QDateTime:
        return locale.toString(value.toDateTime(), QLocale::ShortFormat);
    case QMetaType::QDate:
        return locale.toString(value.toDate(), QLocale::ShortFormat);
    case QMetaType::Double:
        return locale.toString(value.toDouble(), 'g', 15);
    default:
        break;
    }
    if (isMoney(value)) {
        return value.value<Currency>().toLocaleString(locale, 2);
    }
    return value.toString();
}

} // namespace

std::vector<DataGridColumn> DataGridColumn::listFromJson(const QJsonValue& columns) {
    std::vector<DataGridColumn> list;
    const QJsonArray array = columns.toArray();
    for (const QJsonValue& entry : array) {
        const QJsonObject object = entry.toObject();
        DataGridColumn column;
        column.caption = object.value(QStringLiteral("caption")).toString();
        column.dataField = object.value(QStringLiteral("dataField")).toString();
        column.numberFormat = object.value(QStringLiteral("format")).toString();
        column.visible = object.value(QStringLiteral("visible")).toBool(true);
        column.width = object.value(QStringLiteral("width")).toInt();
        const QJsonObject map = object.value(QStringLiteral("valueMap")).toObject();
        for (auto it = map.begin(); it != map.end(); ++it) {
            column.valueMap.insert(it.key(), it.value().toString());
        }
        if (column.dataField.isEmpty()) {
            throw RuntimeError(
                kErrorBadFormData,
                QStringLiteral("Grid column %1 has no data field.").arg(column.caption),
                QStringLiteral("DataGridColumn"));
        }
        list.push_back(std::move(column));
    }
    return list;
}

QString DataGridColumn::displayText(const QVariant& value, const QLocale& locale) const {
    if (value.isNull()) {
        return {};
    }
    if (!valueMap.isEmpty()) {
        const auto mapped = valueMap.constFind(value.toString());
        if (mapped != valueMap.constEnd()) {
            return mapped.value();
        }
    }
    if (numberFormat == kShortDate) {
        return shortDateText(value, locale);
    }
    if (numberFormat == kCurrency) {
        if (isMoney(value)) {
            return value.value<Currency>().toCurrencyString(locale);
        }
        bool numeric = false;
        value.toString().toDouble(&numeric);
        return numeric ? locale.toCurrencyString(value.toDouble()) : value.toString();
    }
    return plainText(value, locale);
}

bool DataGridColumn::isRightAligned() const {
    return numberFormat == kCurrency;
}

} // namespace quillmark
