#include "quillmark/books/mdlComponents.h"

#include "quillmark/books/ComboMessages.h"
#include "quillmark/data/RuntimeError.h"
#include "quillmark/shell/Messages.h"

#include <QComboBox>
#include <QLineEdit>

namespace quillmark {

namespace {

constexpr int kBackspace = 8;
constexpr int kEnter = 13;
constexpr int kFirstPrintable = 32;

struct EditSelection {
    int start = 0;
    int length = 0;
};

EditSelection selectionOf(const QLineEdit& edit) {
    if (!edit.hasSelectedText()) {
        return {edit.cursorPosition(), 0};
    }
    return {edit.selectionStart(), static_cast<int>(edit.selectedText().size())};
}

void placeCaretAtEnd(QLineEdit& edit) {
    edit.setCursorPosition(static_cast<int>(edit.text().size()));
}

// The text to look up: the typed character replaces the highlighted tail, or
// joins the end of the text when nothing is highlighted.
QString searchTextFor(const QLineEdit& edit, EditSelection selection, QChar typed) {
    if (selection.length != 0) {
        return edit.text().left(selection.start) + typed;
    }
    return edit.text() + typed;
}

void backspace(QComboBox& combo, QLineEdit& edit, EditSelection selection) {
    const QString text = edit.text();
    if (selection.length != 0) {
        SetComboText(combo, text.left(selection.start));
    } else if (!text.isEmpty()) {
        SetComboText(combo, text.left(text.size() - 1));
    }
    placeCaretAtEnd(edit);
}

void completeFromList(QComboBox& combo, QLineEdit& edit, const QString& search) {
    ShowComboList(combo);
    if (SendComboMessage(combo, CB_SELECTSTRING, -1, search) == CB_ERR) {
        SetComboText(combo, search);
        placeCaretAtEnd(edit);
        return;
    }
    // The found entry's whole text is in the box; the part beyond what was
    // typed stays highlighted so that the next character replaces it.
    const int start = static_cast<int>(search.size());
    edit.setSelection(start, static_cast<int>(edit.text().size()) - start);
}

} // namespace

int AutoCompleteCombo(QComboBox& combo, int KeyAscii) {
    int result = 0;
    try {
        QLineEdit* edit = combo.lineEdit();
        if (!edit) {
            return KeyAscii;
        }
        const EditSelection selection = selectionOf(*edit);
        if (KeyAscii >= kFirstPrintable) {
            completeFromList(combo, *edit,
                             searchTextFor(*edit, selection, QChar(char16_t(KeyAscii))));
            return result;
        }
        edit->deselect();
        if (KeyAscii == kBackspace) {
            backspace(combo, *edit, selection);
        } else if (KeyAscii == kEnter) {
            placeCaretAtEnd(*edit);
            // Enter takes the text as it stands: an open list closes.
            SendComboMessage(combo, CB_SHOWDROPDOWN, 0);
            result = kEnter;
        }
    } catch (const RuntimeError& error) {
        MsgBoxExclamation(error.description());
    } catch (const std::exception& error) {
        MsgBoxExclamation(QString::fromUtf8(error.what()));
    }
    return result;
}

void ShowComboList(QComboBox& combo) {
    SendComboMessage(combo, CB_SHOWDROPDOWN, 1);
}

} // namespace quillmark
