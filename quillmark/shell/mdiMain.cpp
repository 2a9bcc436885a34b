#include "quillmark/shell/mdiMain.h"

#include "quillmark/data/Connection.h"
#include "quillmark/data/DataFile.h"
#include "quillmark/data/Recordset.h"
#include "quillmark/data/deQuillmark.h"
#include "quillmark/shell/CompanyChanges.h"
#include "quillmark/shell/ErrorTrap.h"
#include "quillmark/shell/MdiClientArea.h"
#include "quillmark/shell/Messages.h"
#include "quillmark/shell/Screen.h"
#include "quillmark/shell/ScreenNames.h"
#include "quillmark/shell/Screens.h"
#include "quillmark/shell/ShellErrors.h"
#include "quillmark/shell/Twips.h"
#include "quillmark/shell/mdlGlobal.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

namespace quillmark {

namespace {

// Where the menus and the quick launch panel put the screens they open.
constexpr int kMenuScreenLeft = 500;
constexpr int kMenuScreenTop = 100;
constexpr int kQuickLaunchLeft = 7300;
constexpr int kQuickLaunchTop = 100;

const QString kQuitQuestion = QStringLiteral("Do you wish to quit the application?");

// Screens that stay open while other books are chosen.
const QStringList kKeptForOtherBooks = {ScreenNames::dlgQuickLaunch, ScreenNames::dlgDataPath};

void closeIfOpen(Connection& connection) {
    if (connection.State() != adStateClosed) {
        connection.Close();
    }
}

} // namespace

mdiMain::mdiMain(QWidget* parent) : QMainWindow(parent), m_area(new MdiClientArea(this)) {
    setObjectName(QStringLiteral("mdiMain"));
    setWindowTitle(GetAppTitle());
    setCentralWidget(m_area);
    createMenus();
    resize(twipsToPixels(kMinWidth), twipsToPixels(kMinHeight));
    Screens::instance().setMdiArea(m_area);
    m_endProgram = [this] {
        hide();
        QCoreApplication::exit(0);
    };
    connect(&CompanyChanges::instance(), &CompanyChanges::changed, this,
            &mdiMain::ShowCompanyInTitle);
}

mdiMain::~mdiMain() {
    if (Screens::instance().mdiArea() == m_area) {
        Screens::instance().setMdiArea(nullptr);
    }
}

void mdiMain::createMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    addMenuItem(file, QStringLiteral("mnuFileCompany"), QStringLiteral("&Company Info"),
                QKeySequence(Qt::CTRL | Qt::Key_C), &mdiMain::mnuFileCompany_Click);
    addMenuItem(file, QStringLiteral("mnuFileOpenCompany"), QStringLiteral("&Open Company..."),
                QKeySequence(Qt::CTRL | Qt::Key_O), &mdiMain::mnuFileOpenCompany_Click);
    file->addSeparator()->setObjectName(QStringLiteral("mnuFileSep1"));
    addMenuItem(file, QStringLiteral("mnuFileExit"), QStringLiteral("E&xit"),
                QKeySequence(Qt::CTRL | Qt::Key_X), &mdiMain::mnuFileExit_Click);

    QMenu* actions = menuBar()->addMenu(QStringLiteral("&Actions"));
    actions->setObjectName(QStringLiteral("mnuActions"));
    // Ctrl with Shift: Ctrl+E alone is a text box's own key on some desktops.
    addMenuItem(actions, QStringLiteral("mnuActionsIncome"), QStringLiteral("&Income"),
                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I), &mdiMain::mnuActionsIncome_Click);
    addMenuItem(actions, QStringLiteral("mnuActionsExpense"), QStringLiteral("&Expense"),
                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), &mdiMain::mnuActionsExpense_Click);
    addMenuItem(actions, QStringLiteral("mnuFileCategories"), QStringLiteral("Ca&tegories"),
                QKeySequence(Qt::CTRL | Qt::Key_T), &mdiMain::mnuFileCategories_Click);
    addMenuItem(actions, QStringLiteral("mnuFileReports"), QStringLiteral("Re&ports"),
                QKeySequence(Qt::CTRL | Qt::Key_P), &mdiMain::mnuFileReports_Click);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    addMenuItem(help, QStringLiteral("mnuHelpAbout"), QStringLiteral("A&bout Software"),
                QKeySequence(Qt::CTRL | Qt::Key_B), &mdiMain::mnuHelpAbout_Click);
}

QAction* mdiMain::addMenuItem(QMenu* menu, const QString& name, const QString& caption,
                              const QKeySequence& shortcut, void (mdiMain::*handler)()) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    item->setShortcut(shortcut);
    connect(item, &QAction::triggered, this, handler);
    return item;
}

QAction* mdiMain::menuItem(const QString& name) const {
    return findChild<QAction*>(name);
}

QMenu* mdiMain::menu(const QString& name) const {
    return findChild<QMenu*>(name);
}

void mdiMain::setEndProgram(std::function<void()> endProgram) {
    m_endProgram = std::move(endProgram);
}

void mdiMain::MDIForm_Load() {
    trapErrors([&] {
        OpenDefaultBooks();
        OpenDataConnections(DefaultDataFilePath());
        Screens::instance().OpenScreen(ScreenNames::dlgQuickLaunch, kQuickLaunchLeft,
                                       kQuickLaunchTop);
        Screens::instance().OpenScreen(ScreenNames::dlgDataPath);
    });
}

void mdiMain::OpenDefaultBooks() {
    const QString path = DefaultDataFilePath();
    Connection& security = deQuillmark::instance().connSecurity();
    security.setConnectionString(DataFile::connectionStringFor(path));
    if (security.State() != adStateClosed) {
        return;
    }
    if (!QFileInfo::exists(path)) {
        OfferEmptyBooks(path);
    }
    try {
        security.Open();
    } catch (const RuntimeError& error) {
        if (QFileInfo::exists(path)) {
            throw;
        }
        // The provider's description, and how to make the missing books.
        throw RuntimeError(error.number(),
                           error.description() + QStringLiteral("\r\n\r\n") +
                               QStringLiteral("To start with empty books, create them with:") +
                               QStringLiteral("\r\nnewcompanyfile --default \"%1\"").arg(path),
                           error.source());
    }
}

void mdiMain::OfferEmptyBooks(const QString& path) {
    // The program makes no data file unasked; on No the opening below fails
    // and says how to make the books later.
    if (!MsgBoxYesNo(QStringLiteral("There are no books at %1 yet.\r\n\r\nCreate empty default "
                                    "books there now?")
                         .arg(path))) {
        return;
    }
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        throw RuntimeError(errFileNotFound,
                           QStringLiteral("The folder '%1' cannot be created.").arg(folder),
                           GetAppTitle());
    }
    DataFile::createCompanyFile(path, true);
}

void mdiMain::closeEvent(QCloseEvent* event) {
    if (m_ending) {
        event->accept();
        return;
    }
    bool cancel = false;
    MDIForm_QueryUnload(cancel);
    if (cancel) {
        event->ignore();
    } else {
        event->accept();
    }
}

void mdiMain::MDIForm_QueryUnload(bool& Cancel) {
    trapErrors([&] {
        if (!MsgBoxYesNo(kQuitQuestion)) {
            Cancel = true;
            return;
        }
        CloseApplication();
    });
}

void mdiMain::mnuFileExit_Click() {
    trapErrors([&] {
        if (!MsgBoxYesNo(kQuitQuestion)) {
            return;
        }
        CloseApplication();
        EndProgram();
    });
}

void mdiMain::EndProgram() {
    // No further unload events: the close that follows must not ask again.
    m_ending = true;
    if (m_endProgram) {
        m_endProgram();
    }
}

void mdiMain::CloseApplication() {
    trapErrors([&] {
        static const QString order[] = {
            ScreenNames::dlgDataPath, ScreenNames::dlgCategories,      ScreenNames::dlgIncome,
            ScreenNames::dlgExpense,  ScreenNames::dlgReportsCriteria, ScreenNames::dlgReports,
            ScreenNames::dlgAbout,    ScreenNames::dlgCompanyInfo,     ScreenNames::dlgQuickLaunch};
        for (const QString& name : order) {
            Screens::instance().Unload(name);
        }
        deQuillmark& de = deQuillmark::instance();
        closeIfOpen(de.connSys());
        closeIfOpen(de.connReports());
        closeIfOpen(de.connSecurity());
    });
}

void mdiMain::openFromMenu(const QString& screenName) {
    trapErrors(
        [&] { Screens::instance().OpenScreen(screenName, kMenuScreenLeft, kMenuScreenTop); });
}

void mdiMain::mnuFileCompany_Click() {
    openFromMenu(ScreenNames::dlgCompanyInfo);
}

void mdiMain::mnuActionsIncome_Click() {
    openFromMenu(ScreenNames::dlgIncome);
}

void mdiMain::mnuActionsExpense_Click() {
    openFromMenu(ScreenNames::dlgExpense);
}

// Other books: the screens on the open books close first (after asking where
// an edit would be lost), then the company screen shows as at start-up.
void mdiMain::mnuFileOpenCompany_Click() {
    trapErrors([&] {
        if (CloseScreensForOtherBooks()) {
            Screens::instance().OpenScreen(ScreenNames::dlgDataPath);
        }
    });
}

bool mdiMain::CloseScreensForOtherBooks() {
    Screens& screens = Screens::instance();
    QStringList closing = screens.loadedNames();
    for (const QString& name : kKeptForOtherBooks) {
        closing.removeAll(name);
    }
    for (const QString& name : std::as_const(closing)) {
        const Screen* screen = screens.find(name);
        if (screen->hasOpenEdit() &&
            !MsgBoxYesNo(QStringLiteral("%1 has changes that are not saved. Do you wish to "
                                        "close it and lose them?")
                             .arg(screen->Caption()))) {
            return false;
        }
    }
    for (const QString& name : std::as_const(closing)) {
        screens.Unload(name);
    }
    return true;
}

void mdiMain::ShowCompanyInTitle() {
    QString company;
    try {
        Connection& books = deQuillmark::instance().connSys();
        if (books.State() != adStateClosed) {
            const std::unique_ptr<Recordset> info =
                books.Execute(QStringLiteral("SELECT BusinessName FROM CompanyInfo"));
            if (!info->EOF()) {
                company = info->Fields(0).Value().toString().trimmed();
            }
        }
    } catch (const std::exception&) {
        // The title only names the company; the screens report the books' faults.
    }
    setWindowTitle(company.isEmpty() ? GetAppTitle()
                                     : GetAppTitle() + QStringLiteral(" - ") + company);
}

void mdiMain::mnuFileCategories_Click() {
    openFromMenu(ScreenNames::dlgCategories);
}

void mdiMain::mnuFileReports_Click() {
    openFromMenu(ScreenNames::dlgReports);
}

void mdiMain::mnuHelpAbout_Click() {
    openFromMenu(ScreenNames::dlgAbout);
}

int mdiMain::Width() const {
    return pixelsToTwips(frameGeometry().width());
}

int mdiMain::Height() const {
    return pixelsToTwips(frameGeometry().height());
}

void mdiMain::checkSizable() const {
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) {
        throw RuntimeError(kErrorCannotSizeMinimized,
                           QStringLiteral("Can't change a window's size while it is minimized "
                                          "or maximized."),
                           objectName());
    }
}

void mdiMain::setWidth(int twips) {
    checkSizable();
    const int frameExtra = frameGeometry().width() - width();
    resize(twipsToPixels(twips) - frameExtra, height());
}

void mdiMain::setHeight(int twips) {
    checkSizable();
    const int frameExtra = frameGeometry().height() - height();
    resize(width(), twipsToPixels(twips) - frameExtra);
}

void mdiMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    MDIForm_Resize();
}

void mdiMain::MDIForm_Resize() {
    trapResizeErrors([&] {
        if (Width() <= kMinWidth) {
            setWidth(kMinWidth);
        }
        if (Height() <= kMinHeight) {
            setHeight(kMinHeight);
        }
    });
}

} // namespace quillmark
