#include "quillmark/shell/DatePicker.h"

#include <QKeyEvent>
#include <QLocale>

namespace quillmark {

namespace {

bool isSeparatorKey(const QString& text) {
    return text == QLatin1String("/") || text == QLatin1String(".") || text == QLatin1String("-") ||
           text == QLatin1String(" ");
}

QDate withDay(QDate date, int day) {
    return QDate(date.year(), date.month(), qBound(1, day, date.daysInMonth()));
}

QDate withMonth(QDate date, int month) {
    const QDate first(date.year(), qBound(1, month, 12), 1);
    return QDate(first.year(), first.month(), qMin(date.day(), first.daysInMonth()));
}

QDate withYear(QDate date, int year) {
    const QDate first(year, date.month(), 1);
    return QDate(year, date.month(), qMin(date.day(), first.daysInMonth()));
}

} // namespace

DatePicker::DatePicker(QWidget* parent) : QDateTimeEdit(QDateTime::currentDateTime(), parent) {
    setCalendarPopup(true);
    setDisplayFormat(fullFormat(QLocale().dateFormat(QLocale::ShortFormat)));
    setToolTip(QStringLiteral("Date format: %1").arg(formatHint()));
}

QString DatePicker::fullFormat(const QString& shortFormat) {
    QString format;
    for (qsizetype i = 0; i < shortFormat.size();) {
        const QChar letter = shortFormat.at(i);
        qsizetype run = 1;
        while (i + run < shortFormat.size() && shortFormat.at(i + run) == letter) {
            ++run;
        }
        if (letter == u'y') {
            format += QStringLiteral("yyyy");
        } else if ((letter == u'd' || letter == u'M') && run <= 2) {
            format += QString(2, letter);
        } else {
            format += shortFormat.mid(i, run);
        }
        i += run;
    }
    return format;
}

QString DatePicker::formatHint() const {
    QString hint = displayFormat();
    hint.replace(u'd', u'D').replace(u'y', u'Y');
    return hint;
}

int DatePicker::digitsOf(Section section) const {
    switch (section) {
    case DaySection:
        return displayFormat().contains(QStringLiteral("dd")) ? 2 : 0;
    case MonthSection:
        return displayFormat().contains(QStringLiteral("MMM")) ? 0 : 2;
    case YearSection:
        return 4;
    default:
        return 0;
    }
}

void DatePicker::focusInEvent(QFocusEvent* event) {
    m_typed.clear();
    QDateTimeEdit::focusInEvent(event);
}

void DatePicker::focusOutEvent(QFocusEvent* event) {
    commitTyped();
    QDateTimeEdit::focusOutEvent(event);
}

void DatePicker::keyPressEvent(QKeyEvent* event) {
    if (m_typedSection != currentSectionIndex()) {
        m_typed.clear();
    }
    const QString text =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier) ? QString() : event->text();
    // A separator right after a part filled up and moved on is the one the
    // user would have typed there anyway.
    const bool justMovedOn = m_movedOnByDigits;
    m_movedOnByDigits = false;
    if (text.size() == 1 && text.at(0).isDigit() && typeDigit(text.at(0))) {
        return;
    }
    if (isSeparatorKey(text)) {
        if (!justMovedOn) {
            commitTyped();
            moveToNextSection();
        }
        return;
    }
    commitTyped();
    QDateTimeEdit::keyPressEvent(event);
}

// Returns false for a part of the date that is not typed in digits.
bool DatePicker::typeDigit(QChar digit) {
    const Section section = currentSection();
    const int digits = digitsOf(section);
    if (digits == 0) {
        return false;
    }
    m_typedSection = currentSectionIndex();
    m_typed += digit;
    const int value = m_typed.toInt();
    if (section == DaySection && value > 0) {
        setDate(withDay(date(), value));
    } else if (section == MonthSection && value > 0) {
        setDate(withMonth(date(), value));
    }
    if (m_typed.size() >= digits) {
        commitTyped();
        moveToNextSection();
        m_movedOnByDigits = true;
    } else {
        setCurrentSectionIndex(m_typedSection);
    }
    return true;
}

// A year takes effect once typed in full, or in two digits as this century's.
void DatePicker::commitTyped() {
    if (!m_typed.isEmpty() && currentSection() == YearSection) {
        const int year = m_typed.toInt();
        if (m_typed.size() == 4 && year > 0) {
            setDate(withYear(date(), year));
        } else if (m_typed.size() == 2) {
            setDate(withYear(date(), 2000 + year));
        }
    }
    m_typed.clear();
}

void DatePicker::moveToNextSection() {
    if (currentSectionIndex() + 1 < sectionCount()) {
        setCurrentSectionIndex(currentSectionIndex() + 1);
    }
    m_typedSection = currentSectionIndex();
}

} // namespace quillmark
