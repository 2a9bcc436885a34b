#include "quillmark/shell/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

namespace quillmark {

namespace {

QMessageBox::Icon toQtIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QWidget* QtDialogs::dialogParent() {
    return QApplication::activeWindow();
}

MsgResult QtDialogs::MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon,
                            const QString& title) {
    // Line breaks may come as CR LF; texts from the data (names, paths) are
    // never taken for markup.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(toQtIcon(icon), title, shown, QMessageBox::NoButton, dialogParent());
    box.setTextFormat(Qt::PlainText);
    if (buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MsgResult::Yes : MsgResult::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MsgResult::OK;
}

QString QtDialogs::InputBox(const QString& prompt, const QString& title,
                            const QString& defaultText) {
    bool accepted = false;
    const QString text = QInputDialog::getText(dialogParent(), title, prompt, QLineEdit::Normal,
                                               defaultText, &accepted);
    return accepted ? text : QString();
}

QString QtDialogs::ShowOpen(const QString& filter, const QString& initialFileName) {
    return QFileDialog::getOpenFileName(dialogParent(), QString(), initialFileName,
                                        toQtFilter(filter));
}

QString QtDialogs::ShowSave(const QString& filter, const QString& initialFileName) {
    return QFileDialog::getSaveFileName(dialogParent(), QString(), initialFileName,
                                        toQtFilter(filter));
}

bool QtDialogs::ShowPrint(QPrinter& printer, int pageCount) {
    QPrintDialog dialog(&printer, dialogParent());
    dialog.setMinMax(1, qMax(1, pageCount));
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, true);
    return dialog.exec() == QDialog::Accepted;
}

QString QtDialogs::toQtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList qtFilters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // The common dialog separates patterns with ";", Qt with blanks.
        QString patterns = parts.at(i + 1);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        qtFilters << QStringLiteral("%1 (%2)").arg(parts.at(i), patterns);
    }
    return qtFilters.join(QStringLiteral(";;"));
}

} // namespace quillmark
