#include "BooksTestSupport_Transactions.h"

#include "quillmark/books/dlgExpense.h"
#include "quillmark/books/dlgIncome.h"
#include "quillmark/data/Connection.h"
#include "quillmark/data/Currency.h"
#include "quillmark/data/DataFile.h"
#include "quillmark/data/Recordset.h"
#include "quillmark/data/deQuillmark.h"
#include "quillmark/shell/DataGrid.h"
#include "quillmark/shell/Screens.h"
#include "quillmark/shell/XPButtonSite.h"
#include "quillmark/shell/mdiMain.h"
#include "quillmark/shell/mdlGlobal.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

namespace quillmark::transtest {

namespace {

const QStringList kScreenNames = {QStringLiteral("dlgIncome"), QStringLiteral("dlgExpense")};

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString moneyText(const QVariant& value) {
    return Currency::fromVariant(value).toString(2);
}

} // namespace

void EntryScreenTest::SetUp() {
    ASSERT_TRUE(dir.isValid());
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    deQuillmark::resetInstance();
    setProgramFolder(dir.path());
    path = dir.filePath(QStringLiteral("books.dat"));
    DataFile::createCompanyFile(path, false);
    dialogs = std::make_unique<FakeDialogs>();
    OpenDataConnections(path);
    ASSERT_EQ(connSys().State(), adStateOpen) << lines(dialogs->dump());

    execute(QStringLiteral("DELETE * FROM CATEGORIES WHERE CATTYPE='INC'"));
    m_categories.insert(QStringLiteral("Rent"),
                        addCategory(connSys(), 30, QStringLiteral("Rent"), QStringLiteral("INC")));
    m_categories.insert(QStringLiteral("Fees"),
                        addCategory(connSys(), 7, QStringLiteral("Fees"), QStringLiteral("INC")));
    m_categories.insert(QStringLiteral("Food"),
                        addCategory(connSys(), 40, QStringLiteral("Food"), QStringLiteral("INC")));

    Screens::instance().registerScreen(kScreenNames[0], [] { return new dlgIncome; });
    Screens::instance().registerScreen(kScreenNames[1], [] { return new dlgExpense; });
    window = std::make_unique<mdiMain>();
    window->resize(1000, 700);
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

void EntryScreenTest::TearDown() {
    for (const QString& name : kScreenNames) {
        Screens::instance().Unload(name);
        Screens::instance().unregisterScreen(name);
    }
    flushDeletes();
    window.reset();
    EXPECT_EQ(dialogs->unusedAnswers(), 0);
    dialogs.reset();
    deQuillmark::resetInstance();
    setProgramFolder(QString());
    QLocale::setDefault(QLocale::system());
}

Connection& EntryScreenTest::connSys() {
    return deQuillmark::instance().connSys();
}

long EntryScreenTest::execute(const QString& statement) {
    long affected = 0;
    connSys().Execute(statement, &affected);
    return affected;
}

TransactionScreen* EntryScreenTest::openScreen(const QString& name) {
    auto* screen = qobject_cast<TransactionScreen*>(Screens::instance().OpenScreen(name, 500, 100));
    if (screen) {
        EXPECT_TRUE(QTest::qWaitFor([screen] { return screen->isActiveWindow(); }));
    }
    return screen;
}

bool EntryScreenTest::isOpen(const QString& name) const {
    flushDeletes();
    return Screens::instance().isLoaded(name);
}

int addCategory(Connection& connection, int code, const QString& name, const QString& type) {
    Recordset rs;
    rs.Open(QStringLiteral("Categories"), &connection);
    rs.AddNew();
    rs.Fields(QStringLiteral("CatCode")).setValue(code);
    rs.Fields(QStringLiteral("CatName")).setValue(name);
    rs.Fields(QStringLiteral("CatType")).setValue(type);
    rs.Update();
    return rs.Fields(QStringLiteral("CategoryID")).Value().toInt();
}

int addEntry(Connection& connection, int categoryId, const QString& type, const QDateTime& date,
             const QString& description, const QString& amount) {
    Recordset rs;
    rs.Open(QStringLiteral("Transactions"), &connection);
    rs.AddNew();
    rs.Fields(QStringLiteral("CategoryID")).setValue(categoryId);
    rs.Fields(QStringLiteral("CatType")).setValue(type);
    rs.Fields(QStringLiteral("TDate")).setValue(date);
    rs.Fields(QStringLiteral("Description")).setValue(description);
    const bool income = type == QLatin1String("INC");
    rs.Fields(QStringLiteral("Credit")).setValue(income ? amount : QStringLiteral("0"));
    rs.Fields(QStringLiteral("Debit")).setValue(income ? QStringLiteral("0") : amount);
    rs.Update();
    return rs.Fields(QStringLiteral("TransactionID")).Value().toInt();
}

QStringList storedEntries(Connection& connection) {
    QStringList rows;
    const std::unique_ptr<Recordset> rs = connection.Execute(
        QStringLiteral("SELECT t.CatType, c.CatName, t.TDate, t.Description, t.Credit, t.Debit "
                       "FROM Transactions t, Categories c WHERE t.CategoryID = c.CategoryID "
                       "ORDER BY t.TransactionID"));
    for (; !rs->EOF(); rs->MoveNext()) {
        rows << QStringList{rs->Fields(0).Value().toString(),
                            rs->Fields(1).Value().toString(),
                            rs->Fields(2).Value().toDateTime().toString(
                                QStringLiteral("yyyy-MM-dd hh:mm")),
                            rs->Fields(3).Value().toString(),
                            moneyText(rs->Fields(4).Value()),
                            moneyText(rs->Fields(5).Value())}
                    .join(QLatin1Char('|'));
    }
    return rows;
}

QLineEdit* lineEdit(const Screen* screen, const QString& name) {
    return screen->control<QLineEdit>(name);
}

QComboBox* categoryBox(const Screen* screen) {
    return screen->control<QComboBox>(QStringLiteral("cboCatSource"));
}

DataGrid* grid(const Screen* screen) {
    return screen->control<DataGrid>(QStringLiteral("gridTrans"));
}

void clickButton(const Screen* screen, const QString& name) {
    auto* site = screen->control<XPButtonSite>(name);
    QTest::mouseClick(site->buttonWidget(), Qt::LeftButton);
}

void pressEnterOn(const Screen* screen, const QString& name) {
    auto* site = screen->control<XPButtonSite>(name);
    QTest::keyClick(site->buttonWidget(), Qt::Key_Return);
}

QString enabledButtons(const Screen* screen, const QStringList& names) {
    QStringList enabled;
    for (const QString& name : names) {
        if (screen->control<XPButtonSite>(name)->Enabled()) {
            enabled << name.mid(3);
        }
    }
    return enabled.join(QLatin1Char(' '));
}

QString modeButtons(const Screen* screen) {
    return enabledButtons(screen,
                          {"cmdNew", "cmdEdit", "cmdClose", "cmdSave", "cmdCancel", "cmdDelete"});
}

namespace {

QString rowShown(const DataGrid* grid, int row) {
    QStringList cells;
    const QAbstractItemModel* model = grid->model();
    for (int column = 0; column < model->columnCount(); ++column) {
        if (!grid->isColumnHidden(column)) {
            cells << model->data(model->index(row, column)).toString();
        }
    }
    return cells.join(QLatin1Char('|'));
}

QPoint cellCentre(const DataGrid* grid, int row) {
    return grid->visualRect(grid->model()->index(row, 5)).center();
}

} // namespace

QStringList shownRows(const DataGrid* grid) {
    QStringList rows;
    for (int row = 0; row < grid->model()->rowCount(); ++row) {
        rows << rowShown(grid, row);
    }
    return rows;
}

QString currentRowShown(const DataGrid* grid) {
    const QModelIndex current = grid->currentIndex();
    return current.isValid() ? rowShown(grid, current.row()) : QStringLiteral("(none)");
}

void clickRow(DataGrid* grid, int row) {
    grid->scrollTo(grid->model()->index(row, 5));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, row));
}

void doubleClickRow(DataGrid* grid, int row) {
    clickRow(grid, row);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, row));
}

void clickHeader(DataGrid* grid, int column) {
    QHeaderView* header = grid->horizontalHeader();
    const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
}

QWidget* keyboardReceiver() {
    if (QWidget* popup = QApplication::activePopupWidget()) {
        return popup->focusWidget() ? popup->focusWidget() : popup;
    }
    return QApplication::focusWidget();
}

void typeKey(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* receiver = keyboardReceiver();
    ASSERT_NE(receiver, nullptr) << "no widget has the keyboard";
    QTest::keyClick(receiver, key, modifiers);
}

void typeText(const QString& text) {
    for (const QChar ch : text) {
        QWidget* receiver = keyboardReceiver();
        ASSERT_NE(receiver, nullptr) << "no widget has the keyboard";
        QTest::keyClick(receiver, ch.toLatin1());
    }
}

QString editState(const QComboBox* combo) {
    const QLineEdit* edit = combo->lineEdit();
    const QString text = edit->text();
    if (edit->hasSelectedText()) {
        const int start = edit->selectionStart();
        const int length = static_cast<int>(edit->selectedText().size());
        return text.left(start) + QLatin1Char('[') + text.mid(start, length) + QLatin1Char(']') +
               text.mid(start + length);
    }
    return text.left(edit->cursorPosition()) + QLatin1Char('|') + text.mid(edit->cursorPosition());
}

std::string lines(const QStringList& list) {
    return list.join(QLatin1Char('\n')).toStdString();
}

} // namespace quillmark::transtest
