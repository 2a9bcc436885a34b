#include "quillmark/books/ComboMessages.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

namespace quillmark {

namespace {

long selectString(QComboBox& combo, long after, const QString& text) {
    const int count = combo.count();
    if (count == 0) {
        return CB_ERR;
    }
    const int start = after < 0 || after >= count ? 0 : static_cast<int>(after) + 1;
    for (int step = 0; step < count; ++step) {
        const int index = (start + step) % count;
        if (combo.itemText(index).startsWith(text, Qt::CaseInsensitive)) {
            combo.setCurrentIndex(index);
            // The open list highlights the entry that was found.
            combo.view()->setCurrentIndex(combo.model()->index(index, combo.modelColumn()));
            return index;
        }
    }
    return CB_ERR;
}

void showDropDown(QComboBox& combo, bool show) {
    const bool shown = combo.view()->isVisible();
    if (show && !shown) {
        combo.showPopup();
    } else if (!show && shown) {
        combo.hidePopup();
    }
}

// Drops the selected entry but keeps what the edit field shows.
void deselectKeepingText(QComboBox& combo) {
    QLineEdit* edit = combo.lineEdit();
    const QString text = combo.currentText();
    const int cursor = edit ? edit->cursorPosition() : 0;
    combo.setCurrentIndex(-1);
    combo.setEditText(text);
    if (edit) {
        edit->setCursorPosition(cursor);
    }
    combo.view()->setCurrentIndex(QModelIndex());
}

} // namespace

long SendComboMessage(QComboBox& combo, unsigned msg, long wParam, const QString& text) {
    switch (msg) {
    case CB_SELECTSTRING:
        return selectString(combo, wParam, text);
    case CB_SHOWDROPDOWN:
        showDropDown(combo, wParam != 0);
        return 1;
    default:
        return 0;
    }
}

void SetComboText(QComboBox& combo, const QString& text) {
    const int index = combo.currentIndex();
    if (index >= 0 && combo.itemText(index) != text) {
        deselectKeepingText(combo);
    }
    combo.setEditText(text);
}

void DeselectOnEdit(QComboBox& combo) {
    QLineEdit* edit = combo.lineEdit();
    if (!edit) {
        return;
    }
    QObject::connect(edit, &QLineEdit::textEdited, &combo, [&combo](const QString& text) {
        const int index = combo.currentIndex();
        if (index >= 0 && combo.itemText(index) != text) {
            deselectKeepingText(combo);
        }
    });
}

} // namespace quillmark
