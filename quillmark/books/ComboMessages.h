#pragma once

// The few combo-box window messages the category picker relies on, carried
// out on a QComboBox with the results the classic combo box gives.
#include <QString>

class QComboBox;

namespace quillmark {

inline constexpr long CB_ERR = -1;
// Selects the first entry that begins with the text (letter case ignored),
// copies its text into the edit field; returns its index or CB_ERR.
inline constexpr unsigned CB_SELECTSTRING = 0x14D;
// wParam not 0 opens the drop-down list, 0 closes it.
inline constexpr unsigned CB_SHOWDROPDOWN = 0x14F;

// wParam of CB_SELECTSTRING: the position before the first searched entry;
// -1 searches the whole list from its start. The search wraps round. Other
// messages are ignored and answer 0.
long SendComboMessage(QComboBox& combo, unsigned msg, long wParam, const QString& text = {});

// Sets the edit text as the program does: an entry stays selected only when
// its text is exactly the new text; otherwise no entry is selected.
void SetComboText(QComboBox& combo, const QString& text);

// Makes the box forget its selected entry as soon as the user changes the
// text by hand (typing, pasting), as an editable combo box does; the text
// and caret stay as they are.
void DeselectOnEdit(QComboBox& combo);

} // namespace quillmark
