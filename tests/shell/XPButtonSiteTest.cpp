// Command buttons of a screen come from the control server, with the
// properties saved in the screen's form data.
#include "quillmark/shell/XPButtonSite.h"
#include "ShellTestSupport.h"
#include "quillmark/data/RuntimeError.h"
#include "quillmark/shell/Screen.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace quillmark {
namespace {

const char* const kButtonForm = R"({
  "name": "dlgButtons", "caption": "Buttons", "width": 6000, "height": 3000,
  "controls": [
    {"kind": "LumoXPButton", "name": "cmdSave", "left": 150, "top": 150, "width": 1215, "height": 375,
     "bag": {"properties": [
       {"name": "Caption", "type": "string", "value": "&Save"},
       {"name": "BackColor", "type": "color", "value": "0xD1D8DB"},
       {"name": "AlignCaption", "type": "long", "value": 1},
       {"name": "Enabled", "type": "boolean", "value": false}
     ]}},
    {"kind": "LumoXPButton", "name": "cmdClose", "left": 1500, "top": 150, "width": 1215, "height": 375,
     "bag": {"properties": [{"name": "Caption", "type": "string", "value": "Close"}]}}
  ]
})";

TEST(XPButtonSite, ButtonsComeFromTheServerWithTheirSavedProperties) {
    Screen screen(test::formFromJson(kButtonForm), nullptr);
    auto* save = screen.control<XPButtonSite>(QStringLiteral("cmdSave"));

    ASSERT_NE(save->buttonWidget(), nullptr);
    EXPECT_STREQ(save->buttonWidget()->metaObject()->className(), "lumokit::LumoXPButton");
    EXPECT_EQ(save->buttonWidget()->size(), QSize(81, 25)) << "1215 x 375 twips";
    EXPECT_EQ(save->Caption(), QStringLiteral("&Save"));
    EXPECT_FALSE(save->Enabled());
    EXPECT_EQ(save->button().get(QStringLiteral("BackColor")).toUInt(), 0xD1D8DBu);
    EXPECT_EQ(save->button().get(QStringLiteral("AlignCaption")).toInt(), 1);
    // Keys the form leaves out read as the button's own defaults.
    EXPECT_EQ(save->button().get(QStringLiteral("CheckedColor")).toUInt(), 0xFFC0C0u);
    EXPECT_TRUE(screen.control<XPButtonSite>(QStringLiteral("cmdClose"))->Enabled());
}

TEST(XPButtonSite, EnabledAndClickTravelThroughTheServer) {
    Screen screen(test::formFromJson(kButtonForm), nullptr);
    screen.show();
    auto* save = screen.control<XPButtonSite>(QStringLiteral("cmdSave"));
    QSignalSpy clicks(save, &XPButtonSite::Click);

    QTest::mouseClick(save->buttonWidget(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 0) << "a disabled button raises no Click on a mouse click";

    save->setEnabled(true);
    EXPECT_TRUE(save->Enabled());
    EXPECT_TRUE(save->isEnabled()) << "the site itself is never disabled";
    QTest::mouseClick(save->buttonWidget(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);
}

TEST(XPButtonSite, AnUnregisteredServerGivesAClearError) {
    QTemporaryDir empty;
    const QByteArray saved = qgetenv("LUMOKIT_REGISTRY");
    qputenv("LUMOKIT_REGISTRY", QFile::encodeName(empty.filePath(QStringLiteral("none.json"))));
    try {
        Screen screen(test::formFromJson(kButtonForm), nullptr);
        ADD_FAILURE() << "the screen was built without its control server";
    } catch (const RuntimeError& error) {
        EXPECT_TRUE(
            error.description().startsWith(QStringLiteral("The command buttons cannot be shown: ")))
            << error.description().toStdString();
        EXPECT_TRUE(error.description().contains(QStringLiteral("LumoKit.LumoXPButton")))
            << error.description().toStdString();
    }
    qputenv("LUMOKIT_REGISTRY", saved);
}

} // namespace
} // namespace quillmark
