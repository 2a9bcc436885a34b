// Command buttons of a screen come from the control server, with the
// properties saved in the screen's form data.
#include "quillmark/shell/XPButtonSite.h"
#include "ShellTestSupport.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace quillmark::test {
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

// Esc presses a screen's Cancel or Close for the user: a disabled one stays still.
TEST(XPButtonSite, ButtonsComeFromTheServerWithTheirSavedPropertiesAndADisabledOneNeverClicks) {
    Screen screen(FormData::fromJson(kButtonForm, "test"), nullptr);
    auto* save = screen.control<XPButtonSite>(QStringLiteral("cmdSave"));

    ASSERT_NE(save->buttonWidget(), nullptr);
    EXPECT_STREQ(save->buttonWidget()->metaObject()->className(), "lumokit::LumoXPButton");
    EXPECT_EQ(save->buttonWidget()->size(), QSize(81, 25)) << "1215 x 375 twips";
    EXPECT_EQ(save->Caption(), QStringLiteral("&Save"));
    EXPECT_EQ(save->button().get(QStringLiteral("BackColor")).toUInt(), 0xD1D8DBu);
    EXPECT_EQ(save->button().get(QStringLiteral("AlignCaption")).toInt(), 1);
    // Keys the form leaves out read as the button's own defaults.
    EXPECT_EQ(save->button().get(QStringLiteral("CheckedColor")).toUInt(), 0xFFC0C0u);
    EXPECT_TRUE(screen.control<XPButtonSite>(QStringLiteral("cmdClose"))->Enabled());
    EXPECT_FALSE(save->Enabled());
    QSignalSpy clicks(save, &XPButtonSite::Click);
    save->press();
    save->setEnabled(true);
    save->press();
    EXPECT_EQ(clicks.count(), 1);
}

// When the registered server cannot be loaded the buttons are plain ones,
// alike in all that the program uses, and the user learns once why.
TEST(XPButtonSite, WithoutTheControlServerPlainButtonsStandInAndTheUserIsToldOnce) {
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("liblumokit.so"));
    const QString registry = dir.filePath(QStringLiteral("registry.json"));
    const QString clsid = QStringLiteral("{0DDBA11C-0000-4000-8000-000000000001}");
    for (const auto& [path, text] :
         {std::pair{broken, QStringLiteral("not a library")},
          std::pair{registry, QStringLiteral(R"({"progIds": {"LumoKit.LumoXPButton": "%1"},
                                                "classes": {"%1": {"server": "%2"}}})")
                                  .arg(clsid, broken)}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }
    const QByteArray saved = qgetenv("LUMOKIT_REGISTRY");
    qputenv("LUMOKIT_REGISTRY", QFile::encodeName(registry));
    FakeDialogs dialogs;
    {
        Screen screen(FormData::fromJson(kButtonForm, "test"), nullptr);
        Screen again(FormData::fromJson(kButtonForm, "test"), nullptr);
        screen.show();
        auto* save = screen.control<XPButtonSite>(QStringLiteral("cmdSave"));
        EXPECT_TRUE(save->isPlainButton());
        EXPECT_EQ(save->buttonWidget()->geometry(), QRect(0, 0, 81, 25));
        EXPECT_EQ(save->Caption(), QStringLiteral("&Save"));
        EXPECT_EQ(screen.control<XPButtonSite>(QStringLiteral("cmdClose"))->Caption(), "Close");
        EXPECT_FALSE(save->Enabled());
        QSignalSpy clicks(save, &XPButtonSite::Click);
        QTest::mouseClick(save->buttonWidget(), Qt::LeftButton);
        save->setEnabled(true);
        QTest::mouseClick(save->buttonWidget(), Qt::LeftButton);
        EXPECT_EQ(clicks.count(), 1);
    }
    qputenv("LUMOKIT_REGISTRY", saved);
    // The server's file and why it cannot be loaded.
    ASSERT_EQ(dialogs.dump().size(), 1);
    const QString& told = dialogs.dump()[0];
    EXPECT_TRUE(told.startsWith("msgbox info ok [Quillmark] The command buttons cannot be shown: "))
        << told.toStdString();
    EXPECT_TRUE(told.contains(broken)) << told.toStdString();
    EXPECT_TRUE(told.endsWith(". Plain buttons are shown instead.")) << told.toStdString();
}

} // namespace
} // namespace quillmark::test
