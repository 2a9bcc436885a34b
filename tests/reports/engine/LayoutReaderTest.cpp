// Each fault in a layout is refused with a description that says where and
// what. (What a valid layout holds shows in the page dumps of the other tests.)
#include "EngineTestSupport.h"

#include "quillmark/reports/engine/ReportError.h"

namespace quillmark::report::testing {
namespace {

const char* const Valid = R"x({
  "name": "arTest", "title": "Test Report",
  "page": {"paper": "Letter", "orientation": "portrait", "margins": [1080, 720, 1080, 720]},
  "font": {"family": "DejaVu Sans", "size": 9},
  "sections": [
    {"section": "PageHeader", "height": 600, "controls": [
      {"type": "label", "name": "lblDateRange", "text": "Date Range:", "rect": [0, 0, 10080, 300]}]},
    {"section": "GroupHeader1", "height": 300, "groupField": "CategoryID", "repeat": true, "controls": [
      {"type": "sum", "name": "txtSum", "dataField": "Credit", "format": "$#,##0.00", "rect": [7800, 0, 2280, 300], "align": "right"}]},
    {"section": "Detail", "height": 285, "controls": [
      {"type": "field", "name": "txtCredit", "dataField": "Credit", "rect": [0, 0, 2000, 285]}]},
    {"section": "GroupFooter1", "height": 150, "controls": [
      {"type": "line", "name": "ln", "line": [0, 75, 10080, 75], "color": "#808080"}]},
    {"section": "PageFooter", "height": 390, "controls": [
      {"type": "field", "name": "txtNow", "dataField": "=now()", "rect": [0, 0, 3000, 390]},
      {"type": "pageCount", "name": "txtPages", "rect": [9000, 0, 1080, 390]}]},
    {"section": "ReportFooter", "height": 600, "controls": [
      {"type": "box", "name": "box", "rect": [0, 0, 10080, 600], "fill": "#EEEEEE", "width": 15},
      {"type": "sum", "name": "txtTotal", "dataField": "Credit", "scope": "report", "rect": [0, 0, 2000, 300]}]}
  ]})x";

TEST(LayoutReader, RefusesFaultyLayoutsSayingWhere) {
    struct Case {
        const char* from;
        const char* to;
        const char* error;
    };
    const Case cases[] = {
        {R"x("section": "Detail")x", R"x("section": "Body")x", "unknown section \"Body\""},
        {R"x("section": "PageFooter")x", R"x("section": "ReportHeader")x", "out of order"},
        {R"x("groupField": "CategoryID", )x", "",
         "section GroupHeader1: a group header needs a group field"},
        {R"x("section": "GroupFooter1")x", R"x("section": "GroupFooter2")x",
         "GroupFooter2 has no group header"},
        {"[7800, 0, 2280, 300]", "[7800, 0, 2281, 300]",
         "control txtSum: the control does not fit"},
        {R"x("dataField": "=now()")x", R"x("dataField": "Credit")x",
         "section PageFooter, control txtNow: data fields can only stand in group and detail"},
        {R"x("scope": "report", )x", "",
         "control txtTotal: a group sum can only stand in a group section"},
        {R"x("type": "box")x", R"x("type": "circle")x",
         "control box: unknown control type \"circle\""},
        {"[1080, 720, 1080, 720]", "[6120, 720, 6120, 720]", "the margins leave no room"},
        {R"x("name": "txtPages")x", R"x("name": "txtNow")x", "two controls are named txtNow"},
        {R"x("height": 285)x", R"x("height": -5)x",
         "section Detail: The height must be a whole number"},
        {R"x("fill": "#EEEEEE")x", R"x("fill": "greyish")x", "\"greyish\" is not a colour"},
        // Found by fuzzing: the pixel size of such a font overflowed when painted.
        {R"x("size": 9})x", R"x("size": 4e86})x", "the font size must be from 0 to 1000 points"},
    };
    ASSERT_NO_THROW(layoutFrom(Valid));
    for (const Case& c : cases) {
        const QString json =
            QString::fromUtf8(Valid).replace(QString::fromUtf8(c.from), QString::fromUtf8(c.to));
        ASSERT_NE(json, QString::fromUtf8(Valid)) << c.from;
        try {
            LayoutReader::read(json.toUtf8());
            ADD_FAILURE() << "accepted: " << c.error;
        } catch (const ReportError& error) {
            EXPECT_TRUE(error.description().startsWith(QLatin1String("Report layout arTest")));
            EXPECT_TRUE(error.description().contains(QString::fromUtf8(c.error)))
                << error.description().toStdString();
        }
    }
}

} // namespace
} // namespace quillmark::report::testing
