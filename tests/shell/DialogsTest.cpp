// The dialog seam: the error traps, the file dialog's memory, and one look
// at the real message box.
#include "ShellTestSupport.h"
#include "quillmark/shell/CommonDialog.h"
#include "quillmark/shell/ErrorTrap.h"
#include "quillmark/shell/QtDialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

namespace quillmark::test {
namespace {

TEST(ErrorTrap, ShowsTheDescriptionAndLeavesTheHandlerAtOnce) {
    FakeDialogs dialogs;
    QStringList steps;
    EXPECT_TRUE(trapErrors([&] { steps << "quiet"; }));
    EXPECT_FALSE(trapErrors([&] {
        throw RuntimeError(3021, QStringLiteral("Either BOF or EOF is True."));
        steps << "after";
    }));
    EXPECT_FALSE(trapErrors([] { throw std::runtime_error("out of range"); }));
    // Resizing ignores error 384 and shows the number of any other.
    EXPECT_FALSE(trapResizeErrors([] { throw RuntimeError(384, QStringLiteral("minimized")); }));
    trapResizeErrors([] { throw RuntimeError(6, QStringLiteral("Overflow")); });
    EXPECT_EQ(steps, QStringList({"quiet"}));
    EXPECT_EQ(dialogs.dump(), QStringList({"msgbox info ok [Quillmark] Either BOF or EOF is True.",
                                           "msgbox info ok [Quillmark] out of range",
                                           "msgbox info ok [Quillmark] 6\nOverflow"}));
}

TEST(CommonDialog, OpensInItsFolderAndKeepsTheLastChosenFileWhenCancelled) {
    FakeDialogs dialogs;
    CommonDialog dialog;
    dialog.setFilter(QStringLiteral("Data File|*.dat"));
    dialog.setInitDir(QStringLiteral("/books"));
    dialogs.answerFile(QString());
    EXPECT_EQ(dialog.ShowOpen(), QString());
    dialogs.answerFile(QStringLiteral("/books/acme.dat"));
    dialog.ShowOpen();
    dialogs.answerFile(QString());
    EXPECT_EQ(dialog.ShowOpen(), QStringLiteral("/books/acme.dat"));
    EXPECT_EQ(dialogs.dump(),
              QStringList({"open Data File|*.dat {/books}", "open Data File|*.dat {/books}",
                           "open Data File|*.dat {/books/acme.dat}"}));
    EXPECT_EQ(QtDialogs::toQtFilter(QStringLiteral("Data File|*.dat|Books|*.dat;*.mdb")),
              QStringLiteral("Data File (*.dat);;Books (*.dat *.mdb)"));
}

// The real message box: plain text (never markup from the data) with its
// title, icon and buttons, and the button pressed comes back as the answer.
TEST(QtDialogs, MessageBoxShowsTextIconButtonsAndTitleAndReturnsTheAnswer) {
    QtDialogs dialogs;
    QString seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            ADD_FAILURE() << "no message box shown";
            return;
        }
        seen = QStringLiteral("%1 [%2] %3 %4")
                   .arg(box->text(), box->windowTitle())
                   .arg(box->icon() == QMessageBox::Question)
                   .arg(box->textFormat() == Qt::PlainText);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(dialogs.MsgBox(QStringLiteral("<b>One</b>\r\nTwo"), MsgButtons::YesNo,
                             MsgIcon::Question, QStringLiteral("Quillmark")),
              MsgResult::No);
    EXPECT_EQ(seen, QStringLiteral("<b>One</b>\nTwo [Quillmark] 1 1"));
}

} // namespace
} // namespace quillmark::test
