#include "common/ScreenTestSupport.h"

#include "quillmark/data/Connection.h"
#include "quillmark/data/DataFile.h"
#include "quillmark/data/Recordset.h"
#include "quillmark/data/deQuillmark.h"
#include "quillmark/shell/Screens.h"
#include "quillmark/shell/XPButtonSite.h"
#include "quillmark/shell/mdlGlobal.h"

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLocale>
#include <QTest>

namespace quillmark::test {

std::string lines(const QStringList& list) {
    return list.join(QLatin1Char('\n')).toStdString();
}

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void clickButton(const Screen* screen, const QString& name) {
    QTest::mouseClick(screen->control<XPButtonSite>(name)->buttonWidget(), Qt::LeftButton);
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

QString rowShown(const DataGrid* grid, int row) {
    QStringList cells;
    const QAbstractItemModel* model = grid->model();
    for (int column = 0; column < model->columnCount(); ++column) {
        if (!grid->isColumnHidden(column)) {
            cells << model->index(row, column).data().toString();
        }
    }
    return cells.join(QLatin1Char('|'));
}

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

namespace {

// The centre of the row's last visible cell, scrolled into view.
QPoint cellCentre(DataGrid* grid, int row) {
    int column = grid->model()->columnCount() - 1;
    while (column > 0 && grid->isColumnHidden(column)) {
        --column;
    }
    const QModelIndex index = grid->model()->index(row, column);
    grid->scrollTo(index);
    return grid->visualRect(index).center();
}

} // namespace

void clickRow(DataGrid* grid, int row) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, row));
}

void doubleClickRow(DataGrid* grid, int row) {
    // A double-click: press and release, then the second press.
    clickRow(grid, row);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, row));
}

void clickHeader(DataGrid* grid, int column) {
    QHeaderView* header = grid->horizontalHeader();
    const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
}

static QWidget* keyboardReceiver() {
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

BooksTest::BooksTest(bool openBooks) : m_savedDataHome(qgetenv("XDG_DATA_HOME")) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    // Never the folder of the test program, which may hold books of its own.
    setProgramFolder(home.filePath(QStringLiteral("program")));
    deQuillmark::resetInstance();
    QDir().mkpath(UserDataFolder());
    DataFile::createCompanyFile(defaultBooks(), true);
    registerTestedScreens();
    if (openBooks) {
        Connection& security = deQuillmark::instance().connSecurity();
        security.setConnectionString(DataFile::connectionStringFor(defaultBooks()));
        security.Open();
        OpenDataConnections(defaultBooks());
    }
    window.resize(1000, 700);
    window.show();
    QApplication::setActiveWindow(&window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

BooksTest::~BooksTest() {
    for (const QString& name : Screens::instance().loadedNames()) {
        Screens::instance().Unload(name);
    }
    flushDeletes();
    EXPECT_EQ(dialogs.unusedAnswers(), 0);
    deQuillmark::resetInstance();
    qputenv("XDG_DATA_HOME", m_savedDataHome);
    setProgramFolder(QString());
    QLocale::setDefault(QLocale::system());
}

QString BooksTest::companyFile(const QString& fileName) const {
    const QString path = UserDataFolder() + QLatin1Char('/') + fileName;
    DataFile::createCompanyFile(path, false);
    return path;
}

long BooksTest::execute(const QString& statement) const {
    long affected = 0;
    connSys().Execute(statement, &affected);
    return affected;
}

int BooksTest::addCategory(int code, const QString& name, const QString& type) const {
    execute(QStringLiteral("INSERT INTO Categories (CatCode, CatName, CatType) VALUES (%1, '%2', "
                           "'%3')")
                .arg(code)
                .arg(name, type));
    return query(QStringLiteral("SELECT MAX(CategoryID) FROM Categories")).first().toInt();
}

int BooksTest::addEntry(int categoryId, const QString& type, const QDateTime& date,
                        const QString& description, const QString& amount) const {
    const bool income = type == QLatin1String("INC");
    const QString zero = QStringLiteral("0");
    execute(QStringLiteral("INSERT INTO Transactions (CategoryID, CatType, TDate, Description, "
                           "Credit, Debit) VALUES (%1, '%2', '%3', '%4', %5, %6)")
                .arg(categoryId)
                .arg(type, date.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), description,
                     income ? amount : zero, income ? zero : amount));
    return query(QStringLiteral("SELECT MAX(TransactionID) FROM Transactions")).first().toInt();
}

QStringList BooksTest::query(const QString& select) const {
    QStringList rows;
    const std::unique_ptr<Recordset> rs = connSys().Execute(select);
    for (; !rs->EOF(); rs->MoveNext()) {
        QStringList fields;
        for (int i = 0; i < rs->fieldCount(); ++i) {
            const QVariant value = rs->Fields(i).Value();
            fields << (value.metaType().id() == QMetaType::Bool ? QString::number(value.toBool())
                                                                : value.toString());
        }
        rows << fields.join(QLatin1Char('|'));
    }
    return rows;
}

QString BooksTest::connections() const {
    deQuillmark& de = deQuillmark::instance();
    QStringList files;
    for (Connection* connection : {&de.connSys(), &de.connReports(), &de.connSecurity()}) {
        files << (connection->State() == adStateClosed ? QStringLiteral("(closed)")
                                                       : connection->DataSource());
    }
    return files.join(QStringLiteral(" | "));
}

QString BooksTest::onCompany(const QString& path) const {
    return path + QStringLiteral(" | ") + path + QStringLiteral(" | ") + defaultBooks();
}

Screen* BooksTest::openScreen(const QString& name) {
    return Screens::instance().OpenScreen(name, 500, 100);
}

bool BooksTest::isOpen(const QString& name) const {
    flushDeletes();
    return Screens::instance().isLoaded(name);
}

} // namespace quillmark::test
