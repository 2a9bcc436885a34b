// Screens built from saved form data: kinds, geometry, properties, lookups,
// and the twips they are measured in.
#include "ShellTestSupport.h"
#include "quillmark/shell/DataGrid.h"
#include "quillmark/shell/LineControl.h"
#include "quillmark/shell/PictureBox.h"
#include "quillmark/shell/Screen.h"
#include "quillmark/shell/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace quillmark::test {
namespace {

// The description of the run-time error the call raises, or "no error".
template <class Call> QString errorOf(Call call) {
    try {
        call();
    } catch (const RuntimeError& error) {
        return error.description();
    }
    return QStringLiteral("no error");
}

const char* const kSampleForm = R"({
  "name": "dlgSample", "caption": "Sample View", "width": 9000, "height": 6000,
  "borderStyle": "fixed",
  "controls": [
    {"kind": "Label", "name": "lblHeader", "left": 150, "top": 150, "width": 3000, "height": 300,
     "caption": "INCOME", "fontBold": true, "alignment": "center"},
    {"kind": "TextBox", "name": "txtAmount", "left": 1500, "top": 600, "width": 1500, "height": 315,
     "text": "0.00", "enabled": false, "alignment": "right", "maxLength": 12, "tabIndex": 2},
    {"kind": "TextBox", "name": "Text1", "left": 150, "top": 1000, "width": 3000, "height": 900,
     "multiLine": true, "text": "line one\nline two", "locked": true},
    {"kind": "TextBox", "name": "txtTransactionID", "left": 0, "top": 0, "width": 100, "height": 100,
     "text": "Text1", "visible": false},
    {"kind": "ComboBox", "name": "cboCatSource", "left": 1500, "top": 2000, "width": 2400, "height": 315,
     "text": "Select an Income Category", "tabIndex": 1},
    {"kind": "ComboBox", "name": "cboCatType", "left": 1500, "top": 2400, "width": 2400, "height": 315,
     "style": "dropdownList", "items": ["EXPENSE", "INCOME"], "text": "INCOME"},
    {"kind": "CheckBox", "name": "chkFixed", "left": 150, "top": 2800, "width": 1200, "height": 255,
     "caption": "Fixed", "value": 1},
    {"kind": "Frame", "name": "fraView", "left": 4500, "top": 150, "width": 3000, "height": 1500,
     "caption": "View", "controls": [
        {"kind": "OptionButton", "name": "optDetail", "left": 150, "top": 300, "width": 1500,
         "height": 255, "caption": "Detail", "value": true},
        {"kind": "OptionButton", "name": "optSummary", "left": 150, "top": 700, "width": 1500,
         "height": 255, "caption": "Summary"}
     ]},
    {"kind": "ListBox", "name": "lstCategories", "left": 4500, "top": 1800, "width": 3000,
     "height": 1500, "checkBoxes": true, "items": ["Fees", "Rent"]},
    {"kind": "PictureBox", "name": "picIcon", "left": 150, "top": 3300, "width": 480, "height": 480},
    {"kind": "Line", "name": "Line1", "left": 150, "top": 4000, "width": 6000, "height": 15},
    {"kind": "DatePicker", "name": "dtTransDate", "left": 1500, "top": 3300, "width": 1800,
     "height": 315},
    {"kind": "Grid", "name": "gridTrans", "left": 150, "top": 4200, "width": 8000, "height": 1500,
     "dataMember": "cmdTransactions", "columns": [
        {"caption": "CatType", "dataField": "CatType", "visible": false},
        {"caption": "Date", "dataField": "TDate", "format": "Short Date"}
     ]},
    {"kind": "CommandButton", "name": "cmdSave", "left": 6000, "top": 5500, "width": 1200,
     "height": 375, "caption": "&Save", "enabled": false, "tabIndex": 3}
  ]
})";

// Each control is built as its kind (control<T> refuses another kind), placed
// in whole pixels within its container, with its stored properties.
TEST(FormLoading, ControlsGetTheirKindPlaceAndStoredProperties) {
    Screen screen(formFromJson(kSampleForm), nullptr);
    EXPECT_EQ(screen.Caption(), QStringLiteral("Sample View"));
    EXPECT_EQ(screen.size(), QSize(600, 400));
    const std::pair<const char*, QRect> places[] = {
        {"txtAmount", {100, 40, 100, 21}},
        {"optDetail", {10, 20, 100, 17}}, // inside its frame
        {"Line1", {10, 267, 400, 1}},
        {"gridTrans", {10, 280, 533, 100}},
    };
    for (const auto& [name, pixels] : places) {
        EXPECT_EQ(screen.controlWidget(QString::fromLatin1(name))->geometry(), pixels) << name;
    }
    EXPECT_EQ(screen.control<QRadioButton>(QStringLiteral("optDetail"))->parentWidget(),
              screen.control<QGroupBox>(QStringLiteral("fraView")));
    screen.control<PictureBox>(QStringLiteral("picIcon"));
    screen.control<LineControl>(QStringLiteral("Line1"));
    screen.setLeft(7300);
    EXPECT_EQ(screen.pos(), QPoint(487, 0));
    EXPECT_EQ(screen.Left(), 7305) << "whole pixels";

    auto* amount = screen.control<QLineEdit>(QStringLiteral("txtAmount"));
    EXPECT_EQ(amount->text(), QStringLiteral("0.00"));
    EXPECT_FALSE(amount->isEnabled());
    EXPECT_EQ(amount->maxLength(), 12);
    EXPECT_TRUE(amount->alignment() & Qt::AlignRight);
    EXPECT_TRUE(screen.control<QLineEdit>(QStringLiteral("txtTransactionID"))->isHidden());
    EXPECT_TRUE(screen.control<QPlainTextEdit>(QStringLiteral("Text1"))->isReadOnly());

    auto* source = screen.control<QComboBox>(QStringLiteral("cboCatSource"));
    EXPECT_TRUE(source->isEditable());
    EXPECT_EQ(source->currentText(), QStringLiteral("Select an Income Category"));
    EXPECT_EQ(source->currentIndex(), -1);
    EXPECT_EQ(screen.control<QComboBox>(QStringLiteral("cboCatType"))->currentText(),
              QStringLiteral("INCOME"));
    EXPECT_TRUE(screen.control<QCheckBox>(QStringLiteral("chkFixed"))->isChecked());
    EXPECT_FALSE(screen.control<QRadioButton>(QStringLiteral("optSummary"))->isChecked());
    auto* list = screen.control<QListWidget>(QStringLiteral("lstCategories"));
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->checkState(), Qt::Unchecked);
    EXPECT_TRUE(screen.control<QDateTimeEdit>(QStringLiteral("dtTransDate"))->calendarPopup());
    auto* grid = screen.control<DataGrid>(QStringLiteral("gridTrans"));
    EXPECT_EQ(grid->DataMember(), QStringLiteral("cmdTransactions"));
    EXPECT_TRUE(grid->isColumnHidden(0));
    EXPECT_EQ(grid->Columns(1).definition().numberFormat, QStringLiteral("Short Date"));

    // Tab order follows tabIndex: the combo box, the amount, then Save.
    auto nextStop = [](QWidget* from) {
        QWidget* next = from->nextInFocusChain();
        while (from->isAncestorOf(next)) {
            next = next->nextInFocusChain();
        }
        return next;
    };
    EXPECT_EQ(nextStop(source), amount);
    EXPECT_EQ(nextStop(amount), screen.control<QPushButton>(QStringLiteral("cmdSave")));
}

TEST(FormLoading, BadFormDataFailsWithAClearError) {
    struct Case {
        const char* json;
        const char* message;
    };
    const Case cases[] = {
        {R"({"name": "dlgX", "width": 100, "height": 100,
             "controls": [{"kind": "Gizmo", "name": "gzm"}]})",
         "Control gzm is of the unknown kind Gizmo."},
        {R"({"name": "dlgX", "width": 100, "height": 100, "controls": [
             {"kind": "Label", "name": "lbl"},
             {"kind": "Frame", "name": "fra", "controls": [{"kind": "Label", "name": "lbl"}]}]})",
         "Form dlgX: the control name lbl is used twice."},
        {R"({"name": "dlgX", "width": 100, "height": 100, "controls": [{"kind": "Label"}]})",
         "Form test: a control has no kind or no name."},
        {R"({"name": "dlgX", "width": 100, "height": 100, "controls": [
             {"kind": "Grid", "name": "grid", "columns": [{"caption": "Date"}]}]})",
         "Grid column Date has no data field."},
        {R"({"name": "dlgX", "controls": []})", "Form test: the form has no size."},
        {R"({"name": )", "Form test: cannot read the form data"},
    };
    for (const Case& c : cases) {
        const QString error = errorOf([&] { Screen screen(formFromJson(c.json), nullptr); });
        EXPECT_TRUE(error.startsWith(QString::fromLatin1(c.message))) << error.toStdString();
    }
    EXPECT_EQ(errorOf([] { Screen screen(QStringLiteral("dlgNoSuchScreen")); }),
              QStringLiteral("Form dlgNoSuchScreen: the form data is missing."));
}

TEST(Screen, ControlLookupNamesWhatIsWrong) {
    Screen screen(formFromJson(kSampleForm), nullptr);
    EXPECT_EQ(errorOf([&] { screen.control<QLineEdit>(QStringLiteral("txtMissing")); }),
              QStringLiteral("Control not found: txtMissing on dlgSample."));
    EXPECT_EQ(
        errorOf([&] { screen.control<QLineEdit>(QStringLiteral("lblHeader")); }),
        QStringLiteral("Control lblHeader on dlgSample is a QLabel, not the kind asked for."));
}

TEST(PictureBox, ClickAndDoubleClickAreRaised) {
    Screen screen(formFromJson(kSampleForm), nullptr);
    auto* picture = screen.control<PictureBox>(QStringLiteral("picIcon"));
    QSignalSpy clicks(picture, &PictureBox::Click);
    QSignalSpy doubleClicks(picture, &PictureBox::DblClick);
    QTest::mouseClick(picture, Qt::LeftButton);
    QTest::mouseDClick(picture, Qt::LeftButton);
    EXPECT_GE(clicks.count(), 1);
    EXPECT_EQ(doubleClicks.count(), 1);
}

TEST(Twips, RoundHalfAwayFromZeroAndNeverOverflow) {
    constexpr int most = std::numeric_limits<int>::max();
    constexpr int least = std::numeric_limits<int>::min();
    const std::pair<int, int> toPixels[] = {
        {7, 0}, {8, 1}, {-7, 0}, {-8, -1}, {1500, 100}, {most, 143165576}, {least, -143165577}};
    for (const auto& [twips, pixels] : toPixels) {
        EXPECT_EQ(twipsToPixels(twips), pixels) << twips;
    }
    EXPECT_EQ(pixelsToTwips(100), 1500);
    EXPECT_EQ(pixelsToTwips(most / 2), most);
    EXPECT_EQ(pixelsToTwips(least / 2), least);
}

} // namespace
} // namespace quillmark::test
