#pragma once

#include <QMainWindow>

#include <functional>

class QAction;
class QMenu;

namespace quillmark {

class MdiClientArea;

// The program's main window: a multiple-document frame whose client area
// holds every screen. It connects the data files at load, offers the menus,
// keeps its smallest size, asks before quitting and shuts down in order. Its
// title names the open company.
class mdiMain : public QMainWindow {
    Q_OBJECT
public:
    explicit mdiMain(QWidget* parent = nullptr);
    ~mdiMain() override;

    // Start-up: connections, quick launch panel, company data files screen.
    void MDIForm_Load();

    MdiClientArea* clientArea() const { return m_area; }
    // The menu item of that name ("mnuFileExit", ...), or nullptr.
    QAction* menuItem(const QString& name) const;
    QMenu* menu(const QString& name) const;

    // Width and height of the whole window, in twips.
    int Width() const;
    int Height() const;
    // Throw RuntimeError 384 while the window is minimized or maximized.
    void setWidth(int twips);
    void setHeight(int twips);

    // What ends the program after Exit; tests replace it.
    void setEndProgram(std::function<void()> endProgram);

    static constexpr int kMinWidth = 11190;
    static constexpr int kMinHeight = 8600;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void MDIForm_QueryUnload(bool& Cancel);
    void MDIForm_Resize();
    void mnuFileCompany_Click();
    void mnuFileOpenCompany_Click();
    void mnuFileExit_Click();
    void mnuActionsIncome_Click();
    void mnuActionsExpense_Click();
    void mnuFileCategories_Click();
    void mnuFileReports_Click();
    void mnuHelpAbout_Click();
    void CloseApplication();
    void OpenDefaultBooks();
    // Asks whether to start with empty default books at path and makes them
    // (and their folder) on Yes.
    void OfferEmptyBooks(const QString& path);
    void EndProgram();

    void createMenus();
    QAction* addMenuItem(QMenu* menu, const QString& name, const QString& caption,
                         const QKeySequence& shortcut, void (mdiMain::*handler)());
    void openFromMenu(const QString& screenName);
    bool CloseScreensForOtherBooks();
    void ShowCompanyInTitle();
    void checkSizable() const;

    MdiClientArea* m_area;
    std::function<void()> m_endProgram;
    bool m_ending = false;
};

} // namespace quillmark
