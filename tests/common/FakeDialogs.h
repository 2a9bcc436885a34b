#pragma once

#include "quillmark/shell/IDialogs.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

namespace quillmark {

// Recording stand-in for the program's dialogs. While alive it is installed
// as the program's dialogs. Every call is recorded; Yes/No answers, input
// texts and chosen files are taken from scripts in order. A question, input
// box or file dialog without a scripted answer fails the running test.
class FakeDialogs : public IDialogs {
public:
    enum class Kind { MsgBox, InputBox, ShowOpen };

    struct Call {
        Kind kind = Kind::MsgBox;
        QString text; // message, prompt, or file filter
        MsgButtons buttons = MsgButtons::OK;
        MsgIcon icon = MsgIcon::None;
        QString title;
        QString initial; // default text of an input box, file name a file dialog starts with

        // e.g. "msgbox info ok [Quillmark] Company deleted successfully.",
        // "input [Company File] Enter Company Name for the data file.",
        // "open Data File|*.dat" (" {initial}" appended when there is one).
        QString toString() const;
    };

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

    const std::vector<Call>& calls() const { return m_calls; }
    // One line per call, in order (see Call::toString).
    QStringList dump() const;
    void clear();
    // Answers scripted but never asked for.
    int unusedAnswers() const;

    MsgResult MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon,
                     const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    QString ShowOpen(const QString& filter, const QString& initialFileName) override;

private:
    std::vector<Call> m_calls;
    std::deque<MsgResult> m_answers;
    std::deque<QString> m_inputs;
    std::deque<QString> m_files;
    IDialogs* m_previous = nullptr;
};

} // namespace quillmark
