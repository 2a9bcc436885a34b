#include "quillmark/shell/Messages.h"

#include "quillmark/shell/Dialogs.h"
#include "quillmark/shell/mdlGlobal.h"

namespace quillmark {

void MsgBoxInfo(const QString& text) {
    Dialogs::instance().MsgBox(text, MsgButtons::OK, MsgIcon::Information, GetAppTitle());
}

void MsgBoxExclamation(const QString& text) {
    Dialogs::instance().MsgBox(text, MsgButtons::OK, MsgIcon::Exclamation, GetAppTitle());
}

void MsgBoxPlain(const QString& text) {
    Dialogs::instance().MsgBox(text, MsgButtons::OK, MsgIcon::None, GetAppTitle());
}

bool MsgBoxYesNo(const QString& question) {
    return Dialogs::instance().MsgBox(question, MsgButtons::YesNo, MsgIcon::Question,
                                      GetAppTitle()) == MsgResult::Yes;
}

} // namespace quillmark
