#pragma once

// Driving and reading the program's screens the way a user would, shared by
// the shell and books tests (header only: those programs link the screens).
#include "quillmark/shell/DataGrid.h"
#include "quillmark/shell/Screen.h"
#include "quillmark/shell/XPButtonSite.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QStringList>
#include <QTest>

#include <ostream>
#include <string>

// Readable texts in test failure output.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace quillmark::screentest {

inline std::string lines(const QStringList& list) {
    return list.join(QLatin1Char('\n')).toStdString();
}

// Runs deferred deletions (screens unload with deleteLater).
inline void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Clicks a command button of the screen with a real press and release.
inline void clickButton(const Screen* screen, const QString& name) {
    QTest::mouseClick(screen->control<XPButtonSite>(name)->buttonWidget(), Qt::LeftButton);
}

// The grid's shown texts of the visible columns as "a|b|c".
inline QString rowShown(const DataGrid* grid, int row) {
    QStringList cells;
    const QAbstractItemModel* model = grid->model();
    for (int column = 0; column < model->columnCount(); ++column) {
        if (!grid->isColumnHidden(column)) {
            cells << model->data(model->index(row, column)).toString();
        }
    }
    return cells.join(QLatin1Char('|'));
}

inline QStringList shownRows(const DataGrid* grid) {
    QStringList rows;
    for (int row = 0; row < grid->model()->rowCount(); ++row) {
        rows << rowShown(grid, row);
    }
    return rows;
}

// The centre of the row's last visible cell, scrolled into view.
inline QPoint cellCentre(DataGrid* grid, int row) {
    int column = grid->model()->columnCount() - 1;
    while (column > 0 && grid->isColumnHidden(column)) {
        --column;
    }
    const QModelIndex index = grid->model()->index(row, column);
    grid->scrollTo(index);
    return grid->visualRect(index).center();
}

inline void clickRow(DataGrid* grid, int row) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, row));
}

inline void clickHeader(DataGrid* grid, int column) {
    QHeaderView* header = grid->horizontalHeader();
    const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
}

} // namespace quillmark::screentest
