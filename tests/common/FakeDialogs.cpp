#include "common/FakeDialogs.h"

#include "quillmark/shell/Dialogs.h"

#include <gtest/gtest.h>

namespace quillmark {

namespace {

QString iconName(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Information:
        return QStringLiteral("info");
    case MsgIcon::Exclamation:
        return QStringLiteral("exclamation");
    case MsgIcon::Question:
        return QStringLiteral("question");
    case MsgIcon::None:
        break;
    }
    return QStringLiteral("none");
}

QString buttonsName(MsgButtons buttons) {
    return buttons == MsgButtons::YesNo ? QStringLiteral("yesno") : QStringLiteral("ok");
}

} // namespace

QString FakeDialogs::Call::toString() const {
    const QString suffix = initial.isEmpty() ? QString() : QStringLiteral(" {%1}").arg(initial);
    switch (kind) {
    case Kind::InputBox:
        return QStringLiteral("input [%1] %2").arg(title, text) + suffix;
    case Kind::ShowOpen:
        return QStringLiteral("open %1").arg(text) + suffix;
    case Kind::MsgBox:
        break;
    }
    return QStringLiteral("msgbox %1 %2 [%3] %4")
        .arg(iconName(icon), buttonsName(buttons), title, text);
}

FakeDialogs::FakeDialogs() : m_previous(Dialogs::set(this)) {}

FakeDialogs::~FakeDialogs() {
    Dialogs::set(m_previous);
}

QStringList FakeDialogs::dump() const {
    QStringList lines;
    for (const Call& call : m_calls) {
        lines << call.toString();
    }
    return lines;
}

void FakeDialogs::clear() {
    m_calls.clear();
    m_answers.clear();
    m_inputs.clear();
    m_files.clear();
}

int FakeDialogs::unusedAnswers() const {
    return static_cast<int>(m_answers.size() + m_inputs.size() + m_files.size());
}

MsgResult FakeDialogs::MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon,
                              const QString& title) {
    m_calls.push_back({Kind::MsgBox, text, buttons, icon, title, {}});
    if (buttons == MsgButtons::OK) {
        return MsgResult::OK;
    }
    if (m_answers.empty()) {
        ADD_FAILURE() << "Unscripted question: " << text.toStdString();
        return MsgResult::No;
    }
    const MsgResult answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

QString FakeDialogs::InputBox(const QString& prompt, const QString& title,
                              const QString& defaultText) {
    m_calls.push_back({Kind::InputBox, prompt, MsgButtons::OK, MsgIcon::None, title, defaultText});
    if (m_inputs.empty()) {
        ADD_FAILURE() << "Unscripted input box: " << prompt.toStdString();
        return {};
    }
    const QString answer = m_inputs.front();
    m_inputs.pop_front();
    return answer;
}

QString FakeDialogs::ShowOpen(const QString& filter, const QString& initialFileName) {
    m_calls.push_back({Kind::ShowOpen, filter, MsgButtons::OK, MsgIcon::None, {}, initialFileName});
    if (m_files.empty()) {
        ADD_FAILURE() << "Unscripted file dialog: " << filter.toStdString();
        return {};
    }
    const QString answer = m_files.front();
    m_files.pop_front();
    return answer;
}

} // namespace quillmark
