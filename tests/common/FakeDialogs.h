#pragma once

#include "quillmark/shell/IDialogs.h"

#include <QString>
#include <QStringList>

#include <deque>

namespace quillmark {

// Recording stand-in for the program's dialogs, installed while alive. Every
// call is recorded as one line:
//   "msgbox info ok [Quillmark] Company deleted successfully."
//   "input [Company File] Enter Company Name for the data file."
//   "open Data File|*.dat {/start/folder}"
//   "save PDF Files|*.pdf {/Documents/INCOME_05122026.pdf}"
//   "print 3 pages"
// Yes/No answers, input texts, chosen files and print choices come from
// scripts in order; a question, input box, file or print dialog without a
// scripted answer fails the test.
class FakeDialogs : public IDialogs {
public:
    FakeDialogs();
    ~FakeDialogs() override;
    FakeDialogs(const FakeDialogs&) = delete;
    FakeDialogs& operator=(const FakeDialogs&) = delete;

    void answerYes() { m_answers.push_back(MsgResult::Yes); }
    void answerNo() { m_answers.push_back(MsgResult::No); }
    // Text the next input box returns; an empty text stands for Cancel.
    void answerInput(const QString& text) { m_inputs.push_back(text); }
    // File the next open-file dialog returns; an empty text stands for Cancel.
    void answerFile(const QString& path) { m_files.push_back(path); }
    // The next print dialog prints pages from..to (1-based; 0, 0 for all
    // pages) into a PDF file at path; an empty path stands for Cancel.
    void answerPrint(const QString& path, int fromPage = 0, int toPage = 0) {
        m_prints.push_back({path, fromPage, toPage});
    }

    const QStringList& dump() const { return m_calls; }
    void clear() { m_calls.clear(); }
    // Answers scripted but never asked for.
    int unusedAnswers() const;

    MsgResult MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon,
                     const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    QString ShowOpen(const QString& filter, const QString& initialFileName) override;
    QString ShowSave(const QString& filter, const QString& initialFileName) override;
    bool ShowPrint(QPrinter& printer, int pageCount) override;

private:
    struct PrintChoice {
        QString path;
        int fromPage = 0;
        int toPage = 0;
    };
    template <class T> T next(std::deque<T>& script, const QString& what);

    QStringList m_calls;
    std::deque<MsgResult> m_answers;
    std::deque<QString> m_inputs;
    std::deque<QString> m_files;
    std::deque<PrintChoice> m_prints;
    IDialogs* m_previous = nullptr;
};

} // namespace quillmark
