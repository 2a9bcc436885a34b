// The about box: its texts, the credits message and closing.
#include "ShellScreensTestSupport.h"
#include "quillmark/shell/PictureBox.h"
#include "quillmark/shell/ScreenNames.h"
#include "quillmark/shell/XPButtonSite.h"
#include "quillmark/shell/dlgAbout.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace quillmark {
namespace {

using screenstest::clickButton;
using screenstest::lines;

const QString kCredits = QStringLiteral(
    "msgbox info ok [Quillmark] Quillmark was written by the Quillmark team, with its own\r\n"
    "LumoKit controls for every button.\r\n"
    "\r\n"
    "Questions and ideas are welcome at support@quillmark.example.");

class AboutTest : public screenstest::DefaultBooksTest {
protected:
    AboutTest() {
        useRealScreens({ScreenNames::dlgAbout});
        about = openScreen(ScreenNames::dlgAbout);
    }

    QString label(const char* name) const {
        return about->control<QLabel>(QString::fromLatin1(name))->text();
    }

    Screen* about = nullptr;
};

TEST_F(AboutTest, LoadSetsCaptionTitleVersionAndDescription) {
    EXPECT_EQ(about->Caption(), QStringLiteral("About Quillmark"));
    EXPECT_EQ(label("lblTitle"), QStringLiteral("Quillmark"));
    // Plain integers: a minor version of 01 would show as 1.
    EXPECT_EQ(label("lblVersion"), QStringLiteral("Version %1.%2")
                                       .arg(QString::number(QUILLMARK_VERSION_MAJOR),
                                            QString::number(QUILLMARK_VERSION_MINOR)));
    EXPECT_EQ(label("lblDescription"),
              QStringLiteral("Thank you for purchasing the software!\r\n"
                             "\r\n"
                             "This program was created to help you manage your\r\n"
                             "personal income and expenses and keep track of your\r\n"
                             "profit and loss statements."));
    EXPECT_TRUE(dialogs.calls().empty()) << lines(dialogs.dump());
}

TEST_F(AboutTest, ContactDetailsIconAndCloseButton) {
    auto* address = about->control<QPlainTextEdit>(QStringLiteral("Text1"));
    EXPECT_TRUE(address->isReadOnly());
    const QStringList addressLines = address->toPlainText().split(QLatin1Char('\n'));
    EXPECT_GE(addressLines.size(), 4);
    EXPECT_TRUE(address->toPlainText().contains(QStringLiteral("Fax")));
    EXPECT_TRUE(label("Label1").contains(QLatin1Char('@')));
    EXPECT_TRUE(label("Label2").startsWith(QStringLiteral("www.")));
    EXPECT_TRUE(about->hasControl(QStringLiteral("Line1")));
    const PictureBox* icon = about->control<PictureBox>(QStringLiteral("picIcon"));
    EXPECT_FALSE(icon->pixmap().isNull());
    EXPECT_EQ(about->control<XPButtonSite>(QStringLiteral("cmdClose"))->Caption(),
              QStringLiteral("Close"));
}

TEST_F(AboutTest, IconClickAndAddressDoubleClickShowTheCredits) {
    auto* icon = about->control<PictureBox>(QStringLiteral("picIcon"));
    QTest::mouseClick(icon, Qt::LeftButton);
    EXPECT_EQ(dialogs.dump(), QStringList({kCredits}));

    dialogs.clear();
    auto* address = about->control<QPlainTextEdit>(QStringLiteral("Text1"));
    QTest::mouseClick(address->viewport(), Qt::LeftButton);
    EXPECT_TRUE(dialogs.calls().empty()) << "a single click on the address shows nothing";
    QTest::mouseDClick(address->viewport(), Qt::LeftButton);
    EXPECT_EQ(dialogs.dump(), QStringList({kCredits}));
}

TEST_F(AboutTest, CloseUnloadsTheBox) {
    clickButton(about, QStringLiteral("cmdClose"));

    EXPECT_FALSE(isLoaded(ScreenNames::dlgAbout));
    EXPECT_TRUE(dialogs.calls().empty()) << lines(dialogs.dump());
}

} // namespace
} // namespace quillmark
