#include "BooksTestSupport.h"

#include "quillmark/books/dlgCategories.h"
#include "quillmark/books/dlgCompanyInfo.h"
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
#include "quillmark/shell/mdlGlobal.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include <functional>

namespace quillmark::bookstest {

using screentest::cellCentre;
using screentest::flushDeletes;
using screentest::rowShown;

namespace {

Screen* makeScreen(const QString& name) {
    static const QHash<QString, std::function<Screen*()>> factories = {
        {QStringLiteral("dlgCategories"), [] { return new dlgCategories; }},
        {QStringLiteral("dlgCompanyInfo"), [] { return new dlgCompanyInfo; }},
        {QStringLiteral("dlgIncome"), [] { return new dlgIncome; }},
        {QStringLiteral("dlgExpense"), [] { return new dlgExpense; }}};
    return factories.value(name)();
}

QString fieldText(const QVariant& value) {
    if (value.isNull()) {
        return QStringLiteral("<null>");
    }
    if (value.metaType().id() == QMetaType::Bool) {
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    }
    return value.toString();
}

QString moneyText(const QVariant& value) {
    return Currency::fromVariant(value).toString(2);
}

} // namespace

void CompanyFileTest::SetUp() {
    ASSERT_TRUE(dir.isValid());
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    deQuillmark::resetInstance();
    setProgramFolder(dir.path());
    path = dir.filePath(QStringLiteral("books.dat"));
    DataFile::createCompanyFile(path, false);
    dialogs = std::make_unique<FakeDialogs>();
    OpenDataConnections(path);
    ASSERT_EQ(connSys().State(), adStateOpen) << messages();
    for (const QString& name : screenNames()) {
        Screens::instance().registerScreen(name, [name] { return makeScreen(name); });
    }
}

void CompanyFileTest::TearDown() {
    for (const QString& name : screenNames()) {
        Screens::instance().Unload(name);
        Screens::instance().unregisterScreen(name);
    }
    flushDeletes();
    EXPECT_EQ(dialogs->unusedAnswers(), 0);
    dialogs.reset();
    deQuillmark::resetInstance();
    setProgramFolder(QString());
    QLocale::setDefault(QLocale::system());
}

QStringList CompanyFileTest::screenNames() const {
    return {QStringLiteral("dlgCategories"), QStringLiteral("dlgCompanyInfo")};
}

Connection& CompanyFileTest::connSys() {
    return deQuillmark::instance().connSys();
}

long CompanyFileTest::execute(const QString& statement) {
    long affected = 0;
    connSys().Execute(statement, &affected);
    return affected;
}

QStringList CompanyFileTest::query(const QString& select) {
    QStringList rows;
    const std::unique_ptr<Recordset> rs = connSys().Execute(select);
    for (; !rs->EOF(); rs->MoveNext()) {
        QStringList fields;
        for (int i = 0; i < rs->fieldCount(); ++i) {
            fields << fieldText(rs->Fields(i).Value());
        }
        rows << fields.join(QLatin1Char('|'));
    }
    return rows;
}

std::string CompanyFileTest::messages() const {
    return lines(dialogs->dump());
}

Screen* CompanyFileTest::openScreen(const QString& name) {
    Screen* screen = Screens::instance().OpenScreen(name, 500, 100);
    if (screen) {
        screen->activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([screen] { return screen->isActiveWindow(); }))
            << name.toStdString();
    }
    return screen;
}

bool CompanyFileTest::isOpen(const QString& name) const {
    flushDeletes();
    return Screens::instance().isLoaded(name);
}

void EntryScreenTest::SetUp() {
    CompanyFileTest::SetUp();
    execute(QStringLiteral("DELETE * FROM CATEGORIES WHERE CATTYPE='INC'"));
    const std::pair<int, QString> income[] = {
        {30, QStringLiteral("Rent")}, {7, QStringLiteral("Fees")}, {40, QStringLiteral("Food")}};
    for (const auto& [code, name] : income) {
        m_categories.insert(name, addCategory(connSys(), code, name, QStringLiteral("INC")));
    }
    window = std::make_unique<mdiMain>();
    window->resize(1000, 700);
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

void EntryScreenTest::TearDown() {
    for (const QString& name : screenNames()) {
        Screens::instance().Unload(name);
    }
    flushDeletes();
    window.reset();
    CompanyFileTest::TearDown();
}

QStringList EntryScreenTest::screenNames() const {
    return {QStringLiteral("dlgIncome"), QStringLiteral("dlgExpense")};
}

TransactionScreen* EntryScreenTest::openScreen(const QString& name) {
    return qobject_cast<TransactionScreen*>(CompanyFileTest::openScreen(name));
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

void pressEnterOn(const Screen* screen, const QString& name) {
    QTest::keyClick(screen->control<XPButtonSite>(name)->buttonWidget(), Qt::Key_Return);
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

QString currentRowShown(const DataGrid* grid) {
    const QModelIndex current = grid->currentIndex();
    return current.isValid() ? rowShown(grid, current.row()) : QStringLiteral("(none)");
}

int rowShowingCode(const DataGrid* grid, int code) {
    const QAbstractItemModel* model = grid->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->data(model->index(row, 2)).toString() == QString::number(code)) {
            return row;
        }
    }
    return -1;
}

void doubleClickRow(DataGrid* grid, int row) {
    // A double-click: press and release, then the second press.
    clickRow(grid, row);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, row));
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

} // namespace quillmark::bookstest
