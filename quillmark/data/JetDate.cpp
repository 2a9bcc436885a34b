#include "quillmark/data/JetDate.h"

#include <QRegularExpression>
#include <QTime>

namespace quillmark {

namespace {

// Jet reads two-digit years in the window 1930..2029.
int fullYear(int year, qsizetype digits) {
    if (digits > 2) {
        return year;
    }
    return year < 30 ? 2000 + year : 1900 + year;
}

std::optional<QTime> parseTimePart(const QString& text) {
    if (text.isEmpty()) {
        return QTime(0, 0);
    }
    static const QRegularExpression pattern(
        QStringLiteral(R"(^(\d{1,2}):(\d{2})(?::(\d{2}))?\s*(AM|PM|A|P)?$)"),
        QRegularExpression::CaseInsensitiveOption);
    const auto match = pattern.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    int hour = match.captured(1).toInt();
    const int minute = match.captured(2).toInt();
    const int second = match.captured(3).isEmpty() ? 0 : match.captured(3).toInt();
    const QString meridiem = match.captured(4).toUpper();
    if (!meridiem.isEmpty()) {
        if (hour < 1 || hour > 12) {
            return std::nullopt;
        }
        // 12:00:00 AM is midnight, 12:00:00 PM noon.
        hour %= 12;
        if (meridiem.startsWith(u'P')) {
            hour += 12;
        }
    }
    const QTime time(hour, minute, second);
    if (!time.isValid()) {
        return std::nullopt;
    }
    return time;
}

std::optional<QDate> parseDatePart(const QString& text) {
    static const QRegularExpression us(QStringLiteral(R"(^(\d{1,2})/(\d{1,2})/(\d{2}|\d{4})$)"));
    static const QRegularExpression iso(QStringLiteral(R"(^(\d{4})-(\d{1,2})-(\d{1,2})$)"));
    QDate date;
    if (const auto m = us.match(text); m.hasMatch()) {
        date = QDate(fullYear(m.captured(3).toInt(), m.captured(3).size()), m.captured(1).toInt(),
                     m.captured(2).toInt());
    } else if (const auto m2 = iso.match(text); m2.hasMatch()) {
        date = QDate(m2.captured(1).toInt(), m2.captured(2).toInt(), m2.captured(3).toInt());
    }
    if (!date.isValid()) {
        return std::nullopt;
    }
    return date;
}

} // namespace

QString JetDateLiteralText(const QDate& date) {
    // Four digits always: "1/2/26" would read back as 2026, not the year 26.
    return QStringLiteral("%1/%2/%3")
        .arg(date.month())
        .arg(date.day())
        .arg(date.year(), 4, 10, QChar(u'0'));
}

std::optional<QDateTime> parseJetDateTime(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return std::nullopt;
    }
    QString datePart = trimmed;
    QString timePart;
    static const QRegularExpression separator(QStringLiteral("[ T]"));
    const qsizetype split = trimmed.indexOf(separator);
    if (split > 0) {
        datePart = trimmed.left(split);
        timePart = trimmed.mid(split + 1).trimmed();
    }
    if (const auto date = parseDatePart(datePart)) {
        if (const auto time = parseTimePart(timePart)) {
            return QDateTime(*date, *time);
        }
        return std::nullopt;
    }
    // A time alone stands on Jet's day zero.
    if (const auto time = parseTimePart(trimmed)) {
        return QDateTime(QDate(1899, 12, 30), *time);
    }
    return std::nullopt;
}

QString storedDateTimeText(const QDateTime& value) {
    const QDateTime local = value.timeSpec() == Qt::LocalTime ? value : value.toLocalTime();
    return local.date().toString(QStringLiteral("yyyy-MM-dd")) + u' ' +
           local.time().toString(QStringLiteral("HH:mm:ss"));
}

namespace {

// "yyyy-MM-dd HH:mm:ss", the form every date is stored in, read without a
// regular expression: a report reads a million of them.
std::optional<QDateTime> parseStoredForm(const QString& text) {
    if (text.size() != 19 || text.at(4) != u'-' || text.at(7) != u'-' || text.at(10) != u' ' ||
        text.at(13) != u':' || text.at(16) != u':') {
        return std::nullopt;
    }
    auto number = [&text](qsizetype at, qsizetype digits) {
        int value = 0;
        for (qsizetype i = at; i < at + digits; ++i) {
            const char16_t c = text.at(i).unicode();
            if (c < u'0' || c > u'9') {
                return -1;
            }
            value = value * 10 + (c - u'0');
        }
        return value;
    };
    const int year = number(0, 4);
    // A non-digit reads as -1, which QDate takes for the year 1 BC.
    if (year < 0) {
        return std::nullopt;
    }
    const QDate date(year, number(5, 2), number(8, 2));
    const QTime time(number(11, 2), number(14, 2), number(17, 2));
    if (!date.isValid() || !time.isValid()) {
        return std::nullopt;
    }
    return QDateTime(date, time);
}

} // namespace

void useStableLocalTimeZone() {
    static const bool done = [] {
        if (!qEnvironmentVariableIsSet("TZ")) {
            qputenv("TZ", ":/etc/localtime");
        }
        return true;
    }();
    Q_UNUSED(done);
}

std::optional<QDateTime> parseStoredDateTime(const QString& text) {
    if (auto stored = parseStoredForm(text)) {
        return stored;
    }
    static const QRegularExpression pattern(
        QStringLiteral(R"(^(\d{4})-(\d{2})-(\d{2})(?:[ T](\d{2}):(\d{2})(?::(\d{2}))?)?$)"));
    const auto m = pattern.match(text);
    if (!m.hasMatch()) {
        return std::nullopt;
    }
    const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    const QTime time(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
    if (!date.isValid() || !time.isValid()) {
        return std::nullopt;
    }
    return QDateTime(date, time);
}

} // namespace quillmark
