// Screens built from saved form data: kinds, places in twips, stored
// properties, tab order, and clear errors for what cannot be built.
#include "quillmark/shell/FormLoader.h"
#include "ShellTestSupport.h"
#include "quillmark/shell/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

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

const char* const kSampleForm = R"({"name": "dlgSample", "caption": "Sample View",
  "width": 9000, "height": 6000, "controls": [
  {"kind": "TextBox", "name": "txtAmount", "left": 1500, "top": 600, "width": 1500,
   "height": 315, "text": "0.00", "enabled": false, "maxLength": 12, "tabIndex": 2},
  {"kind": "TextBox", "name": "Text1", "multiLine": true, "locked": true, "visible": false},
  {"kind": "ComboBox", "name": "cboCatSource", "text": "Select a Category", "tabIndex": 1},
  {"kind": "ComboBox", "name": "cboCatType", "style": "dropdownList",
   "items": ["EXPENSE", "INCOME"], "text": "INCOME"},
  {"kind": "CheckBox", "name": "chkFixed", "value": 1},
  {"kind": "Frame", "name": "fraView", "left": 4500, "top": 150, "controls": [
    {"kind": "OptionButton", "name": "optDetail", "left": 150, "top": 300, "width": 1500,
     "height": 255, "value": true}]},
  {"kind": "ListBox", "name": "lstCategories", "checkBoxes": true, "items": ["Fees", "Rent"]},
  {"kind": "CommandButton", "name": "cmdSave", "caption": "&Save", "tabIndex": 3}]})";

TEST(FormLoader, ControlsGetTheirKindPlaceStoredPropertiesAndTabOrder) {
    Screen screen(FormData::fromJson(kSampleForm, "test"), nullptr);
    EXPECT_EQ(screen.Caption(), QStringLiteral("Sample View"));
    EXPECT_EQ(screen.size(), QSize(600, 400));
    auto* amount = screen.control<QLineEdit>("txtAmount");
    EXPECT_EQ(amount->geometry(), QRect(100, 40, 100, 21));
    EXPECT_EQ(amount->text() + QString::number(amount->maxLength()), QStringLiteral("0.0012"));
    EXPECT_FALSE(amount->isEnabled());
    auto* text = screen.control<QPlainTextEdit>("Text1");
    EXPECT_TRUE(text->isReadOnly() && text->isHidden());
    auto* source = screen.control<QComboBox>("cboCatSource");
    EXPECT_TRUE(source->isEditable());
    EXPECT_EQ(source->currentText() + QString::number(source->currentIndex()),
              QStringLiteral("Select a Category-1"));
    EXPECT_EQ(screen.control<QComboBox>("cboCatType")->currentIndex(), 1);
    EXPECT_TRUE(screen.control<QCheckBox>("chkFixed")->isChecked());
    auto* option = screen.control<QRadioButton>("optDetail");
    EXPECT_TRUE(option->isChecked());
    EXPECT_EQ(option->parentWidget(), screen.control<QGroupBox>("fraView"));
    EXPECT_EQ(option->geometry(), QRect(10, 20, 100, 17)) << "placed within its frame";
    EXPECT_EQ(screen.control<QListWidget>("lstCategories")->item(1)->checkState(), Qt::Unchecked);
    // Tab order follows tabIndex: the combo box, the amount, then Save.
    auto nextStop = [](QWidget* from) {
        QWidget* next = from->nextInFocusChain();
        while (from->isAncestorOf(next)) {
            next = next->nextInFocusChain();
        }
        return next;
    };
    EXPECT_EQ(nextStop(source), amount);
    EXPECT_EQ(nextStop(amount), screen.control<QPushButton>("cmdSave"));

    screen.setLeft(7300);
    EXPECT_EQ(screen.pos(), QPoint(487, 0));
    EXPECT_EQ(screen.Left(), 7305) << "whole pixels";
    EXPECT_EQ(errorOf([&] { screen.control<QLineEdit>("txtMissing"); }),
              QStringLiteral("Control not found: txtMissing on dlgSample."));
    EXPECT_EQ(errorOf([&] { screen.control<QLineEdit>("chkFixed"); }),
              QStringLiteral("Control chkFixed on dlgSample is a QCheckBox, not the kind asked "
                             "for."));
}

TEST(FormLoader, BadFormDataFailsWithAClearErrorAndLeavesTheTargetAsItWas) {
    const std::pair<const char*, const char*> cases[] = {
        {R"({"name": "dlgX", "width": 1, "height": 1, "controls": [{"kind": "Gizmo",
             "name": "gzm"}]})",
         "Control gzm is of the unknown kind Gizmo."},
        {R"({"name": "dlgX", "width": 1, "height": 1, "controls": [{"kind": "Label", "name": "l"},
             {"kind": "Frame", "name": "f", "controls": [{"kind": "Label", "name": "l"}]}]})",
         "Form dlgX: the control name l is used twice."},
        {R"({"name": "dlgX", "width": 1, "height": 1, "controls": [{"kind": "Label"}]})",
         "Form test: a control has no kind or no name."},
        {R"({"name": "dlgX", "width": 1, "height": 1, "controls": [{"kind": "Grid",
             "name": "g", "columns": [{"caption": "Date"}]}]})",
         "Grid column Date has no data field."},
        {R"({"name": "dlgX", "controls": []})", "Form test: the form has no size."},
        {R"({"name": )", "Form test: cannot read the form data"},
    };
    for (const auto& [json, message] : cases) {
        const QString error =
            errorOf([json = json] { Screen(FormData::fromJson(json, "test"), nullptr); });
        EXPECT_TRUE(error.startsWith(QString::fromLatin1(message))) << error.toStdString();
    }
    EXPECT_EQ(errorOf([] { Screen(QStringLiteral("dlgNoSuchScreen")); }),
              QStringLiteral("Form dlgNoSuchScreen: the form data is missing."));

    // The grid is made before its columns are read, so the failure comes
    // from a control already on the target; it goes too, with the label
    // before it and the frame's option button, and what was there stays.
    const FormData form = FormData::fromJson(R"({"name": "dlgX", "width": 9, "height": 9,
      "controls": [{"kind": "Label", "name": "lbl"},
      {"kind": "Frame", "name": "fra", "controls": [{"kind": "OptionButton", "name": "opt"}]},
      {"kind": "Grid", "name": "grid", "columns": [{"caption": "Name", "dataFceld": "x"}]}]})",
                                             QStringLiteral("test"));
    QWidget target;
    auto* kept = new QLabel(&target);
    EXPECT_EQ(errorOf([&] { FormLoader::build(form, &target); }),
              QStringLiteral("Grid column Name has no data field."));
    EXPECT_EQ(target.findChildren<QWidget*>(), QList<QWidget*>{kept});
}

TEST(Twips, RoundHalfAwayFromZeroAndNeverOverflow) {
    constexpr int most = std::numeric_limits<int>::max();
    constexpr int least = std::numeric_limits<int>::min();
    const std::pair<int, int> toPixels[] = {
        {7, 0}, {8, 1}, {-7, 0}, {-8, -1}, {1500, 100}, {most, 143165576}, {least, -143165577}};
    for (const auto& [twips, pixels] : toPixels) {
        EXPECT_EQ(twipsToPixels(twips), pixels) << twips;
    }
    EXPECT_EQ(pixelsToTwips(most / 2), most);
    EXPECT_EQ(pixelsToTwips(least / 2), least);
}

} // namespace
} // namespace quillmark::test
