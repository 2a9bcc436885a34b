// The dialog seam, the message helpers and the error trap.
#include "ShellTestSupport.h"
#include "common/FakeDialogs.h"
#include "quillmark/shell/CommonDialog.h"
#include "quillmark/shell/ErrorTrap.h"
#include "quillmark/shell/Messages.h"
#include "quillmark/shell/QtDialogs.h"
#include "quillmark/shell/mdlGlobal.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

namespace quillmark {
namespace {

TEST(Messages, EachKindHasItsIconButtonsAndTheProgramTitle) {
    FakeDialogs dialogs;
    dialogs.answerYes();
    dialogs.answerNo();

    MsgBoxInfo(QStringLiteral("Saved."));
    MsgBoxExclamation(QStringLiteral("Refused."));
    MsgBoxPlain(QStringLiteral("No Company file selected."));
    const bool first = MsgBoxYesNo(QStringLiteral("Sure?"));
    const bool second = MsgBoxYesNo(QStringLiteral("Really?"));

    EXPECT_TRUE(first);
    EXPECT_FALSE(second);
    EXPECT_EQ(dialogs.dump(), QStringList({
                                  "msgbox info ok [Quillmark] Saved.",
                                  "msgbox exclamation ok [Quillmark] Refused.",
                                  "msgbox none ok [Quillmark] No Company file selected.",
                                  "msgbox question yesno [Quillmark] Sure?",
                                  "msgbox question yesno [Quillmark] Really?",
                              }));
}

TEST(ErrorTrap, ShowsTheDescriptionAndLeavesTheHandlerAtOnceOrStaysQuiet) {
    struct Case {
        const char* name;
        std::function<void()> fail;
        QString shown;
    };
    const Case cases[] = {
        {"run-time error",
         [] { throw RuntimeError(3021, QStringLiteral("Either BOF or EOF is True.")); },
         QStringLiteral("msgbox info ok [Quillmark] Either BOF or EOF is True.")},
        {"standard exception", [] { throw std::runtime_error("out of range"); },
         QStringLiteral("msgbox info ok [Quillmark] out of range")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeDialogs dialogs;
        QStringList steps;
        const bool ok = trapErrors([&] {
            steps << QStringLiteral("before");
            c.fail();
            steps << QStringLiteral("after");
        });
        EXPECT_FALSE(ok);
        EXPECT_EQ(steps, QStringList{QStringLiteral("before")});
        EXPECT_EQ(dialogs.dump(), QStringList{c.shown});
    }
    FakeDialogs dialogs;
    EXPECT_TRUE(trapErrors([] {}));
    EXPECT_TRUE(dialogs.calls().empty()) << "quiet when nothing fails";
}

TEST(ErrorTrap, ResizeIgnoresError384AndShowsNumberAndDescriptionOtherwise) {
    FakeDialogs dialogs;
    EXPECT_FALSE(trapResizeErrors([] { throw RuntimeError(384, QStringLiteral("minimized")); }));
    EXPECT_TRUE(dialogs.calls().empty());

    trapResizeErrors([] { throw RuntimeError(6, QStringLiteral("Overflow")); });
    EXPECT_EQ(dialogs.dump(),
              QStringList{QStringLiteral("msgbox info ok [Quillmark] 6\nOverflow")});
}

TEST(CommonDialog, KeepsTheLastChosenFileWhenCancelled) {
    FakeDialogs dialogs;
    CommonDialog dialog;
    dialog.setFilter(QStringLiteral("Data File|*.dat"));

    dialogs.answerFile(QString()); // cancel with nothing chosen yet
    EXPECT_EQ(dialog.ShowOpen(), QString());

    dialogs.answerFile(QStringLiteral("/books/acme.dat"));
    EXPECT_EQ(dialog.ShowOpen(), QStringLiteral("/books/acme.dat"));

    dialogs.answerFile(QString()); // cancel after a choice
    EXPECT_EQ(dialog.ShowOpen(), QStringLiteral("/books/acme.dat"));
    EXPECT_EQ(dialog.FileName(), QStringLiteral("/books/acme.dat"));

    EXPECT_EQ(dialogs.dump(), QStringList({
                                  "open Data File|*.dat",
                                  "open Data File|*.dat",
                                  "open Data File|*.dat {/books/acme.dat}",
                              }));
}

TEST(QtDialogs, FilterBecomesQtFilter) {
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("Data File|*.dat"), QStringLiteral("Data File (*.dat)")},
        {QStringLiteral("Data File|*.dat|All Files|*.*"),
         QStringLiteral("Data File (*.dat);;All Files (*.*)")},
        {QStringLiteral("Books|*.dat;*.mdb"), QStringLiteral("Books (*.dat *.mdb)")},
        {QString(), QString()},
    };
    for (const auto& [filter, expected] : cases) {
        EXPECT_EQ(QtDialogs::toQtFilter(filter), expected) << filter.toStdString();
    }
}

// Runs act on the modal dialog once it is up.
template <class Dialog, class Act> void whenShown(Act act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "no dialog of the expected kind shown";
            if (QWidget* other = QApplication::activeModalWidget()) {
                other->close();
            }
            return;
        }
        act(dialog);
    });
}

// One look at the real message box: plain text with its title, icon and
// buttons, and the button pressed comes back as the answer.
TEST(QtDialogs, MessageBoxShowsTextIconButtonsAndTitleAndReturnsTheAnswer) {
    QtDialogs dialogs;
    QString seenText;
    whenShown<QMessageBox>([&](QMessageBox* box) {
        seenText = box->text();
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Quillmark"));
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(dialogs.MsgBox(QStringLiteral("<b>Line one</b>\r\nLine two"), MsgButtons::YesNo,
                             MsgIcon::Question, QStringLiteral("Quillmark")),
              MsgResult::No);
    EXPECT_EQ(seenText, QStringLiteral("<b>Line one</b>\nLine two"));
}

} // namespace
} // namespace quillmark
