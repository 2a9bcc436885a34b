// The about box: its texts, the credits message and closing.
#include "ShellTestSupport.h"
#include "quillmark/shell/PictureBox.h"
#include "quillmark/shell/ScreenNames.h"
#include "quillmark/shell/Screens.h"
#include "quillmark/shell/dlgAbout.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace quillmark {
namespace {

class AboutTest : public test::DefaultBooksTest {
protected:
    AboutTest() { about = Screens::instance().OpenScreen(ScreenNames::dlgAbout, 500, 100); }

    QString label(const char* name) const {
        return about->control<QLabel>(QString::fromLatin1(name))->text();
    }

    Screen* about = nullptr;
};

TEST_F(AboutTest, LoadSetsCaptionTitleVersionAndDescription) {
    EXPECT_EQ(about->Caption(), QStringLiteral("About Quillmark"));
    EXPECT_EQ(label("lblTitle"), QStringLiteral("Quillmark"));
    EXPECT_EQ(
        label("lblVersion"),
        QStringLiteral("Version %1.%2").arg(QUILLMARK_VERSION_MAJOR).arg(QUILLMARK_VERSION_MINOR));
    EXPECT_EQ(label("lblDescription"),
              QStringLiteral("Thank you for purchasing the software!\r\n\r\n"
                             "This program was created to help you manage your\r\n"
                             "personal income and expenses and keep track of your\r\n"
                             "profit and loss statements."));
    EXPECT_TRUE(label("Label1").contains(QLatin1Char('@')));
    EXPECT_FALSE(about->control<PictureBox>(QStringLiteral("picIcon"))->pixmap().isNull());
}

TEST_F(AboutTest, IconClickAndAddressDoubleClickShowTheCreditsAndCloseUnloads) {
    const QString credits = QStringLiteral(
        "msgbox info ok [Quillmark] Quillmark was written by the Quillmark team, with its own\r\n"
        "LumoKit controls for every button.\r\n\r\n"
        "Questions and ideas are welcome at support@quillmark.example.");
    QTest::mouseClick(about->control<PictureBox>(QStringLiteral("picIcon")), Qt::LeftButton);
    EXPECT_EQ(dialogs.dump(), QStringList({credits}));

    QWidget* address = about->control<QPlainTextEdit>(QStringLiteral("Text1"))->viewport();
    QTest::mouseClick(address, Qt::LeftButton);
    EXPECT_EQ(dialogs.calls().size(), 1u) << "a single click on the address shows nothing";
    QTest::mouseDClick(address, Qt::LeftButton);
    EXPECT_EQ(dialogs.dump(), QStringList({credits, credits}));

    test::clickButton(about, QStringLiteral("cmdClose"));
    EXPECT_FALSE(isLoaded(ScreenNames::dlgAbout));
}

} // namespace
} // namespace quillmark
