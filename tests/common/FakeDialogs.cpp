#include "common/FakeDialogs.h"

#include "quillmark/shell/Dialogs.h"

#include <QPrinter>

#include <gtest/gtest.h>

namespace quillmark {

namespace {

// In the order of MsgIcon.
const char* const kIconNames[] = {"none", "info", "exclamation", "question"};

QString withInitial(const QString& line, const QString& initial) {
    return initial.isEmpty() ? line : QStringLiteral("%1 {%2}").arg(line, initial);
}

} // namespace

FakeDialogs::FakeDialogs() : m_previous(Dialogs::set(this)) {}

FakeDialogs::~FakeDialogs() {
    Dialogs::set(m_previous);
}

int FakeDialogs::unusedAnswers() const {
    return static_cast<int>(m_answers.size() + m_inputs.size() + m_files.size() + m_prints.size());
}

template <class T> T FakeDialogs::next(std::deque<T>& script, const QString& what) {
    if (script.empty()) {
        ADD_FAILURE() << "Unscripted " << what.toStdString();
        return T();
    }
    T answer = script.front();
    script.pop_front();
    return answer;
}

MsgResult FakeDialogs::MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon,
                              const QString& title) {
    const bool question = buttons == MsgButtons::YesNo;
    m_calls << QStringLiteral("msgbox %1 %2 [%3] %4")
                   .arg(QLatin1String(kIconNames[static_cast<int>(icon)]),
                        question ? QStringLiteral("yesno") : QStringLiteral("ok"), title, text);
    return question ? next(m_answers, QStringLiteral("question: ") + text) : MsgResult::OK;
}

QString FakeDialogs::InputBox(const QString& prompt, const QString& title,
                              const QString& defaultText) {
    m_calls << withInitial(QStringLiteral("input [%1] %2").arg(title, prompt), defaultText);
    return next(m_inputs, QStringLiteral("input box: ") + prompt);
}

QString FakeDialogs::ShowOpen(const QString& filter, const QString& initialFileName) {
    m_calls << withInitial(QStringLiteral("open ") + filter, initialFileName);
    return next(m_files, QStringLiteral("file dialog: ") + filter);
}

QString FakeDialogs::ShowSave(const QString& filter, const QString& initialFileName) {
    m_calls << withInitial(QStringLiteral("save ") + filter, initialFileName);
    return next(m_files, QStringLiteral("save dialog: ") + filter);
}

bool FakeDialogs::ShowPrint(QPrinter& printer, int pageCount) {
    m_calls << QStringLiteral("print %1 pages").arg(pageCount);
    const PrintChoice choice = next(m_prints, QStringLiteral("print dialog"));
    if (choice.path.isEmpty()) {
        return false;
    }
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(choice.path);
    if (choice.fromPage > 0) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(choice.fromPage, choice.toPage);
    }
    return true;
}

} // namespace quillmark
