// The about box: its texts, the credits message and closing.
#include "quillmark/shell/dlgAbout.h"
#include "ShellTestSupport.h"
#include "quillmark/shell/PictureBox.h"
#include "quillmark/shell/ScreenNames.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace quillmark::test {
namespace {

class dlgAboutTest : public BooksTest {
protected:
    Screen* about = openScreen(ScreenNames::dlgAbout);
};

TEST_F(dlgAboutTest, ShowsItsTextsAndTheCreditsOnIconClickOrAddressDoubleClickCloseUnloads) {
    EXPECT_EQ(about->Caption(), QStringLiteral("About Quillmark"));
    EXPECT_EQ(
        about->control<QLabel>("lblVersion")->text(),
        QStringLiteral("Version %1.%2").arg(QUILLMARK_VERSION_MAJOR).arg(QUILLMARK_VERSION_MINOR));
    EXPECT_EQ(about->control<QLabel>("lblDescription")->text(),
              QStringLiteral("Thank you for purchasing the software!\r\n\r\n"
                             "This program was created to help you manage your\r\n"
                             "personal income and expenses and keep track of your\r\n"
                             "profit and loss statements."));
    const QString credits = QStringLiteral(
        "msgbox info ok [Quillmark] Quillmark was written by the Quillmark team, with its own\r\n"
        "LumoKit controls for every button.\r\n\r\n"
        "Questions and ideas are welcome at support@quillmark.example.");
    QTest::mouseClick(about->control<PictureBox>(QStringLiteral("picIcon")), Qt::LeftButton);
    QWidget* address = about->control<QPlainTextEdit>(QStringLiteral("Text1"))->viewport();
    QTest::mouseClick(address, Qt::LeftButton); // a single click shows nothing
    QTest::mouseDClick(address, Qt::LeftButton);
    EXPECT_EQ(dialogs.dump(), QStringList({credits, credits}));

    clickButton(about, QStringLiteral("cmdClose"));
    EXPECT_FALSE(isOpen(ScreenNames::dlgAbout));
}

} // namespace
} // namespace quillmark::test
