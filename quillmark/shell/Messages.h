#pragma once

#include <QString>

namespace quillmark {

// The program's message boxes, each titled with GetAppTitle().
void MsgBoxInfo(const QString& text);        // OK, information icon
void MsgBoxExclamation(const QString& text); // OK, exclamation icon
void MsgBoxPlain(const QString& text);       // OK, no icon
bool MsgBoxYesNo(const QString& question);   // Yes/No, question icon; true on Yes

} // namespace quillmark
