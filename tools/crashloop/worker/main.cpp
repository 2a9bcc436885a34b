// crashloop-worker FILE SEED [OPS]
// Saves entries into the company file FILE through the income and expense
// screens, as a user would: New or Edit, the amount typed, a category picked,
// the details, Save (or Delete, answered Yes). Before each operation it prints
// a "try" line and after the operation returned an "ack" line (see Ledger.h),
// each flushed at once, so that whoever kills it knows what was confirmed.
// OPS operations, or until killed when OPS is 0 or missing. Creates FILE as
// newcompanyfile does when it is missing.
#include "crashloop/Ledger.h"
#include "quillmark/books/dlgExpense.h"
#include "quillmark/books/dlgIncome.h"
#include "quillmark/data/DataFile.h"
#include "quillmark/data/RuntimeError.h"
#include "quillmark/data/deQuillmark.h"
#include "quillmark/shell/DataGrid.h"
#include "quillmark/shell/Dialogs.h"
#include "quillmark/shell/Screens.h"
#include "quillmark/shell/XPButtonSite.h"
#include "quillmark/shell/mdlGlobal.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <random>

using namespace quillmark;
using crashloop::Entry;
using crashloop::Operation;
using crashloop::OpKind;

namespace {

constexpr int ExitOk = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

// Answers every question Yes and keeps the messages shown, so that each
// operation can be checked for the messages a user would have seen.
class AnsweringDialogs : public IDialogs {
public:
    QStringList shown;

    MsgResult MsgBox(const QString& text, MsgButtons buttons, MsgIcon, const QString&) override {
        shown << text;
        return buttons == MsgButtons::YesNo ? MsgResult::Yes : MsgResult::OK;
    }
    QString InputBox(const QString& prompt, const QString&, const QString&) override {
        shown << prompt;
        return {};
    }
    QString ShowOpen(const QString&, const QString&) override { return {}; }
    QString ShowSave(const QString&, const QString&) override { return {}; }
    bool ShowPrint(QPrinter&, int) override { return false; }
};

[[noreturn]] void fail(const QString& why) {
    std::fprintf(stderr, "crashloop-worker: %s\n", why.toUtf8().constData());
    // At once: the screens' widgets must not outlive the application.
    std::fflush(stdout);
    std::_Exit(ExitFailed);
}

void say(const QString& stage, const Operation& op) {
    std::fputs((crashloop::formatLine(stage, op) + QLatin1Char('\n')).toUtf8().constData(), stdout);
    std::fflush(stdout);
}

// Details a user might type: quotes, semicolons, statement-like text, and
// letters beyond ASCII in several scripts.
const char* const kDetails[] = {
    "O'Brien's \"big\" order",
    "rent; March; 'paid'",
    "'; DROP TABLE Transactions; --",
    "Caf\xc3\xa9 Z\xc3\xbcrich \xe2\x80\x94 5 \xe2\x82\xac",
    "\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e\xe3\x81\xae\xe3\x83\xa1\xe3\x83\xa2",
    "receipt \xf0\x9f\xa7\xbe \xf0\x9f\x92\xb6",
    "back\\slash and 100% _under_ *star*",
    "  spaces around  ",
    "\xce\x95\xce\xbb\xce\xbb\xce\xb7\xce\xbd\xce\xb9\xce\xba\xce\xac \"\xce\xb1\"",
    "\xd7\xa2\xd7\x91\xd7\xa8\xd7\x99\xd7\xaa; ok",
    "Consulting, \"phase 2\"; net 30",
    "#1/2/2024# & \"x\" ? [brackets]",
};

constexpr int kDetailsLength = 255;

class Worker {
public:
    Worker(quint64 seed, AnsweringDialogs& dialogs) : m_random(seed), m_dialogs(dialogs) {
        for (const QString& name : {QStringLiteral("dlgIncome"), QStringLiteral("dlgExpense")}) {
            auto* screen =
                qobject_cast<TransactionScreen*>(Screens::instance().OpenScreen(name, 500, 100));
            if (!screen) {
                fail(QStringLiteral("the screen %1 did not open").arg(name));
            }
            if (screen->control<QComboBox>(QStringLiteral("cboCatSource"))->count() == 0) {
                fail(QStringLiteral("the screen %1 lists no categories").arg(name));
            }
            m_screens.push_back(screen);
        }
        expectMessages({}, QStringLiteral("opening the screens"));
    }

    void runOne() {
        m_screen = m_screens.at(pick(2));
        m_type = m_screen == m_screens.at(0) ? QStringLiteral("INC") : QStringLiteral("EXP");
        const bool hasRows = grid()->model()->rowCount() > 0;
        const int roll = pick(100);
        if (!hasRows || roll < 45) {
            insert();
        } else if (roll < 75) {
            edit();
        } else if (roll < 90) {
            remove();
        } else {
            refuse();
        }
        ++m_done;
    }

private:
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }
    qint64 between(qint64 low, qint64 high) {
        return std::uniform_int_distribution<qint64>(low, high)(m_random);
    }

    DataGrid* grid() const { return m_screen->control<DataGrid>(QStringLiteral("gridTrans")); }
    QLineEdit* box(const char* name) const {
        return m_screen->control<QLineEdit>(QString::fromLatin1(name));
    }
    QComboBox* categories() const {
        return m_screen->control<QComboBox>(QStringLiteral("cboCatSource"));
    }
    void click(const char* button) const {
        QTest::mouseClick(
            m_screen->control<XPButtonSite>(QString::fromLatin1(button))->buttonWidget(),
            Qt::LeftButton);
    }

    // Positive amounts to the ten-thousandth: cents, the largest amounts the
    // screens take, and the smallest.
    qint64 amount() {
        switch (pick(10)) {
        case 0:
            return 999999999999999900; // 99,999,999,999,999.99
        case 1:
            return INT64_MAX; // 922,337,203,685,477.5807
        case 2:
            return 1;
        case 3:
            return between(1, 99) * 100;
        case 4:
        case 5:
        case 6:
            return between(1, 99999999) * 100;
        case 7:
            return between(1, 9999999999999999) * 100;
        default:
            return between(1, 9999999999);
        }
    }

    // The amount as a user in the US types it: with or without grouping,
    // currency sign and blanks around it (unless plain), two decimals where
    // they suffice.
    QString typed(qint64 scaled, bool plain = false) {
        const qint64 units = scaled / 10000;
        const qint64 fraction = scaled % 10000;
        QString whole = QString::number(units);
        if (pick(2) == 0) {
            for (qsizetype at = whole.size() - 3; at > 0; at -= 3) {
                whole.insert(at, QLatin1Char(','));
            }
        }
        QString text =
            whole + QLatin1Char('.') +
            (fraction % 100 == 0 ? QStringLiteral("%1").arg(fraction / 100, 2, 10, QLatin1Char('0'))
                                 : QStringLiteral("%1").arg(fraction, 4, 10, QLatin1Char('0')));
        if (!plain && pick(4) == 0) {
            text = QStringLiteral(" $") + text + QLatin1Char(' ');
        }
        return text;
    }

    QString details() {
        const QString number = QStringLiteral(" #%1").arg(m_done);
        if (pick(10) == 0) {
            // As long as the details box and the field allow: 255 characters.
            return QString::fromUtf8("\xc3\x9cml\xc3\xa4ut; \"q\" ")
                       .repeated(40)
                       .left(kDetailsLength - number.size()) +
                   number;
        }
        return QString::fromUtf8(kDetails[pick(std::size(kDetails))]) + number;
    }

    // Picks a category in the box as a user does; returns its key.
    int chooseCategory() {
        QComboBox* box = categories();
        box->setCurrentIndex(pick(box->count()));
        return box->currentData().toInt();
    }

    void expectMessages(const QStringList& expected, const QString& during) {
        if (m_dialogs.shown != expected) {
            fail(QStringLiteral("%1: the screen said \"%2\", expected \"%3\"")
                     .arg(during, m_dialogs.shown.join(QStringLiteral(" / ")),
                          expected.join(QStringLiteral(" / "))));
        }
        m_dialogs.shown.clear();
    }

    void insert() {
        Operation op{OpKind::Insert, Entry{0, m_type, 0, amount(), details()}};
        click("cmdNew");
        QTest::keyClicks(box("txtAmount"), typed(op.entry.amount));
        op.entry.categoryId = chooseCategory();
        box("txtDetails")->setText(op.entry.details);
        say(QStringLiteral("try"), op);
        click("cmdSave");
        expectMessages({QStringLiteral("Transaction saved successfully.")},
                       QStringLiteral("saving a new entry"));
        // The grid stands on the entry just written.
        op.entry.key = grid()->Bookmark();
        if (op.entry.key <= 0) {
            fail(QStringLiteral("the grid does not stand on the new entry"));
        }
        say(QStringLiteral("ack"), op);
    }

    // Stands the grid on a random entry and opens it for editing; its key.
    qint64 editRandomRow() {
        DataGrid* list = grid();
        list->setCurrentIndex(list->model()->index(pick(list->model()->rowCount()), 3));
        const qint64 key = list->Bookmark();
        click("cmdEdit");
        expectMessages({}, QStringLiteral("opening an entry"));
        if (box("txtTransactionID")->text() != QString::number(key)) {
            fail(QStringLiteral("Edit loaded entry %1 instead of %2")
                     .arg(box("txtTransactionID")->text())
                     .arg(key));
        }
        return key;
    }

    void edit() {
        Operation op{OpKind::Edit, Entry{editRandomRow(), m_type, 0, amount(), details()}};
        box("txtAmount")->setText(typed(op.entry.amount));
        op.entry.categoryId = chooseCategory();
        box("txtDetails")->setText(op.entry.details);
        say(QStringLiteral("try"), op);
        click("cmdSave");
        expectMessages({QStringLiteral("Transaction saved successfully.")},
                       QStringLiteral("saving a changed entry"));
        say(QStringLiteral("ack"), op);
    }

    void remove() {
        const Operation op{OpKind::Delete, Entry{editRandomRow(), m_type, 0, 0, QString()}};
        say(QStringLiteral("try"), op);
        click("cmdDelete");
        expectMessages({QStringLiteral("Do you wish to delete this transaction?"),
                        QStringLiteral("Transaction deleted successfully.")},
                       QStringLiteral("deleting an entry"));
        say(QStringLiteral("ack"), op);
    }

    // A negative or zero amount, which the screens refuse: nothing is written.
    void refuse() {
        const qint64 scaled = pick(3) == 0 ? 0 : amount();
        Operation op{OpKind::Refuse, Entry{0, m_type, 0, -scaled, details()}};
        click("cmdNew");
        QTest::keyClicks(box("txtAmount"),
                         (scaled ? QStringLiteral("-") : QString()) + typed(scaled, true));
        op.entry.categoryId = chooseCategory();
        box("txtDetails")->setText(op.entry.details);
        say(QStringLiteral("try"), op);
        click("cmdSave");
        expectMessages({QStringLiteral("Please enter an amount greater than 0.")},
                       QStringLiteral("saving a negative amount"));
        click("cmdCancel");
        say(QStringLiteral("ack"), op);
    }

    std::mt19937_64 m_random;
    AnsweringDialogs& m_dialogs;
    std::vector<TransactionScreen*> m_screens;
    TransactionScreen* m_screen = nullptr;
    QString m_type;
    int m_done = 0;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    bool seedOk = false;
    bool opsOk = true;
    const quint64 seed = arguments.value(1).toULongLong(&seedOk);
    const long ops = arguments.size() > 2 ? arguments.at(2).toLong(&opsOk) : 0;
    if (arguments.size() < 2 || arguments.size() > 3 || !seedOk || !opsOk || ops < 0) {
        std::fputs("Usage: crashloop-worker FILE SEED [OPS]\n", stderr);
        return ExitUsage;
    }
    const QString path = QFileInfo(arguments.at(0)).absoluteFilePath();
    // Amounts are typed as in the US, whatever this machine's locale.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    AnsweringDialogs dialogs;
    Dialogs::set(&dialogs);
    try {
        if (!QFileInfo::exists(path)) {
            DataFile::createCompanyFile(path, false);
        }
    } catch (const RuntimeError& error) {
        fail(error.description());
    }
    if (!OpenDataConnections(path)) {
        fail(QStringLiteral("cannot open %1: %2").arg(path, dialogs.shown.join(' ')));
    }
    Screens::instance().registerScreen(QStringLiteral("dlgIncome"), [] { return new dlgIncome; });
    Screens::instance().registerScreen(QStringLiteral("dlgExpense"), [] { return new dlgExpense; });
    Worker worker(seed, dialogs);
    for (long done = 0; ops == 0 || done < ops; ++done) {
        worker.runOne();
        // Held reads end when the program waits for the user; so here.
        QCoreApplication::processEvents();
    }
    // Screens and connections go while the application still stands.
    for (const QString& name : Screens::instance().loadedNames()) {
        Screens::instance().Unload(name);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    deQuillmark::resetInstance();
    Dialogs::set(nullptr);
    return ExitOk;
}
