// Typing a date: a part moves on only on a separator or when its digits are full.
#include "quillmark/shell/DatePicker.h"
#include "ShellTestSupport.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace quillmark::test {
namespace {

TEST(DatePicker, ShowsFullDatePartsAndAPartMovesOnOnlyOnASeparatorOrWhenItsDigitsAreFull) {
    const std::pair<const char*, const char*> formats[] = {
        {"M/d/yy", "MM/dd/yyyy"}, {"dd.MM.yy", "dd.MM.yyyy"}, {"d MMM yyyy", "dd MMM yyyy"}};
    for (const auto& [shortFormat, full] : formats) {
        EXPECT_EQ(DatePicker::fullFormat(QString::fromLatin1(shortFormat)), full);
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    DatePicker picker;
    QLocale::setDefault(QLocale::system());
    EXPECT_EQ(picker.displayFormat(), QStringLiteral("MM/dd/yyyy"));
    EXPECT_EQ(picker.formatHint(), QStringLiteral("MM/DD/YYYY"));
    picker.show();
    QApplication::setActiveWindow(&picker);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&picker));
    // Typed from the month, on 1/31/2023 at 9:30 (the time of day stays).
    const std::pair<const char*, QDate> cases[] = {
        {"4/7/2024", {2024, 4, 7}},   // a single digit waits for the separator
        {"12/25/24", {2024, 12, 25}}, // two digits move on; a two-digit year is this century's
        {"0405", {2023, 4, 5}},       // full digits move on by themselves
        {"2/31", {2023, 2, 28}},      // a day beyond the month's end is its last day
        {"9-3 2022", {2022, 9, 3}},   // any separator
        {"135", {2023, 12, 5}},       // months go up to 12
    };
    for (const auto& [typed, expected] : cases) {
        picker.setDateTime(QDateTime(QDate(2023, 1, 31), QTime(9, 30)));
        picker.setFocus();
        picker.setCurrentSectionIndex(0);
        QTest::keyClicks(&picker, QString::fromLatin1(typed));
        picker.clearFocus();
        EXPECT_EQ(picker.date(), expected) << typed;
        EXPECT_EQ(picker.time(), QTime(9, 30)) << typed;
    }
    // One digit that no second could follow stays where it is.
    picker.setFocus();
    picker.setCurrentSectionIndex(0);
    QTest::keyClicks(&picker, QStringLiteral("4"));
    EXPECT_EQ(picker.currentSection(), QDateTimeEdit::MonthSection);
    QTest::keyClicks(&picker, QStringLiteral("/1"));
    EXPECT_EQ(picker.currentSection(), QDateTimeEdit::DaySection);
}

} // namespace
} // namespace quillmark::test
