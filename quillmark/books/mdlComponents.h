#pragma once

// Shared routines of the entry screens' controls.
class QComboBox;

namespace quillmark {

// Type-ahead for an editable combo box: completes the typed text from the
// list, highlighting the completed part. KeyAscii is the character of the key
// press; the result is the character the key press continues with (0
// swallows it: the box's text has already been changed here).
int AutoCompleteCombo(QComboBox& combo, int KeyAscii);

// Opens the box's drop-down list.
void ShowComboList(QComboBox& combo);

} // namespace quillmark
