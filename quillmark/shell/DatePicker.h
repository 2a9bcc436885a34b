#pragma once

#include <QDateTimeEdit>

namespace quillmark {

// The screens' date box, with a calendar pop-up, in the user's short date
// format written with two-digit day and month and a four-digit year
// (M/d/yy becomes MM/dd/yyyy). Typing is predictable: digits fill the
// current part of the date, which moves on to the next only when its digits
// are full or on a separator ("/", ".", "-" or a blank), never by itself
// after one digit that no second could follow. The time of day it holds is
// kept.
class DatePicker : public QDateTimeEdit {
    Q_OBJECT
public:
    explicit DatePicker(QWidget* parent = nullptr);

    // The display format with two-digit day and month and a four-digit year.
    static QString fullFormat(const QString& shortFormat);
    // The format as a user reads it: "MM/DD/YYYY".
    QString formatHint() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool typeDigit(QChar digit);
    void commitTyped();
    void moveToNextSection();
    int digitsOf(Section section) const;

    QString m_typed;
    int m_typedSection = -1;
    bool m_movedOnByDigits = false;
};

} // namespace quillmark
