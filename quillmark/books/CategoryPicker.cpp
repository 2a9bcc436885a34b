#include "quillmark/books/CategoryPicker.h"

#include "quillmark/data/RuntimeError.h"
#include "quillmark/shell/ErrorTrap.h"
#include "quillmark/shell/KeyAscii.h"
#include "quillmark/shell/Messages.h"
#include "quillmark/shell/Screen.h"
#include "quillmark/shell/mdlGlobal.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace quillmark {

namespace {

constexpr int kBackspace = 8;
constexpr int kEnter = 13;
constexpr int kFirstPrintable = 32;
// The list's counter was a 16-bit integer.
constexpr int kMostCategories = 32767;

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

// Drops the selected entry but keeps what the edit field shows.
void deselectKeepingText(QComboBox& combo) {
    QLineEdit* edit = combo.lineEdit();
    const QString text = combo.currentText();
    const int cursor = edit->cursorPosition();
    combo.setCurrentIndex(-1);
    combo.setEditText(text);
    edit->setCursorPosition(cursor);
    combo.view()->setCurrentIndex(QModelIndex());
}

// Sets the edit text as the box does: an entry stays selected only when its
// text is exactly the new text.
void setBoxText(QComboBox& combo, const QString& text) {
    const int index = combo.currentIndex();
    if (index >= 0 && combo.itemText(index) != text) {
        deselectKeepingText(combo);
    }
    combo.setEditText(text);
}

// Selects the first entry that begins with the text, letter case ignored,
// so that its full text stands in the box; -1 when none does.
int selectFirstBeginningWith(QComboBox& combo, const QString& text) {
    for (int index = 0; index < combo.count(); ++index) {
        if (combo.itemText(index).startsWith(text, Qt::CaseInsensitive)) {
            combo.setCurrentIndex(index);
            // The open list highlights the entry that was found.
            combo.view()->setCurrentIndex(combo.model()->index(index, combo.modelColumn()));
            return index;
        }
    }
    return -1;
}

void hideList(QComboBox& combo) {
    if (combo.view()->isVisible()) {
        combo.hidePopup();
    }
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
        setBoxText(combo, text.left(selection.start));
    } else if (!text.isEmpty()) {
        setBoxText(combo, text.left(text.size() - 1));
    }
    placeCaretAtEnd(edit);
}

void completeFromList(QComboBox& combo, QLineEdit& edit, const QString& search) {
    CategoryPicker::ShowComboList(combo);
    if (selectFirstBeginningWith(combo, search) < 0) {
        setBoxText(combo, search);
        placeCaretAtEnd(edit);
        return;
    }
    // The part beyond what was typed stays highlighted so that the next
    // character replaces it.
    const int start = static_cast<int>(search.size());
    edit.setSelection(start, static_cast<int>(edit.text().size()) - start);
}

bool isTabKey(const QKeyEvent* key) {
    return key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
}

} // namespace

CategoryPicker::CategoryPicker(QComboBox* box, Screen* screen, ListSource categories)
    : m_box(box), m_screen(screen), m_categories(std::move(categories)) {
    // Editing the text by hand (pasting, Delete) leaves no entry selected.
    connect(m_box->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        m_changedByUser = true;
        const int index = m_box->currentIndex();
        if (index >= 0 && m_box->itemText(index) != text) {
            deselectKeepingText(*m_box);
        }
    });
    connect(m_box, &QComboBox::activated, this, [this] { m_changedByUser = true; });
    // Keys reach the box itself, which hands them to its edit field; while
    // the list is dropped down it receives them, and they still type.
    m_box->installEventFilter(this);
    m_box->lineEdit()->installEventFilter(this);
    QAbstractItemView* list = m_box->view();
    list->installEventFilter(this);
    if (QWidget* dropDown = list->parentWidget()) {
        dropDown->installEventFilter(this);
    }
    connect(qApp, &QApplication::focusChanged, this, &CategoryPicker::onFocusChanged);
}

CategoryPicker::~CategoryPicker() = default;

void CategoryPicker::LoadCategories() {
    const std::vector<CategoryEntry> categories = m_categories();
    int i = 0;
    for (const CategoryEntry& category : categories) {
        if (i == kMostCategories) {
            break;
        }
        m_box->insertItem(i, category.name, category.id);
        ++i;
    }
    if (m_box->count() >= 1) {
        m_box->setCurrentIndex(0);
    }
}

QString CategoryPicker::DoesNotExistMessage() {
    return QStringLiteral("This category does not exist. Please select a valid category.");
}

bool CategoryPicker::isEmpty() const {
    return m_box->count() == 0;
}

bool CategoryPicker::hasSelection() const {
    return m_box->currentIndex() >= 0;
}

qint32 CategoryPicker::selectedId() const {
    return m_box->itemData(m_box->currentIndex()).toInt();
}

void CategoryPicker::showCategory(qint32 id, const QString& name) {
    SelectComboByItemData(*m_box, id);
    if (!hasSelection() || selectedId() != id) {
        // Rather than leave another category selected, which a save would
        // store without a word.
        setBoxText(*m_box, name);
    }
}

void CategoryPicker::KeyPress(int& KeyAscii) {
    trapErrors([&] { KeyAscii = AutoCompleteCombo(*m_box, KeyAscii); });
}

void CategoryPicker::Validate(bool& Cancel) {
    trapErrors([&] {
        const int index = m_box->currentIndex();
        const QString text = m_box->currentText();
        bool found = false;
        qint32 foundId = 0;
        if (index != -1) {
            for (const CategoryEntry& category : m_categories()) {
                if (category.name == text) {
                    found = true;
                    foundId = category.id;
                    break;
                }
            }
        }
        if (!found) {
            m_box->setCurrentIndex(-1);
            m_box->setEditText(QString());
            MsgBoxInfo(DoesNotExistMessage());
            Cancel = true;
            return;
        }
        if (m_box->itemData(index).toInt() != foundId) {
            SelectComboByItemData(*m_box, foundId);
        }
    });
}

int CategoryPicker::AutoCompleteCombo(QComboBox& combo, int KeyAscii) {
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
            hideList(combo);
            result = kEnter;
        }
    } catch (const RuntimeError& error) {
        MsgBoxExclamation(error.description());
    } catch (const std::exception& error) {
        MsgBoxExclamation(QString::fromUtf8(error.what()));
    }
    return result;
}

void CategoryPicker::ShowComboList(QComboBox& combo) {
    if (!combo.view()->isVisible()) {
        combo.showPopup();
    }
}

bool CategoryPicker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && !m_forwardingKey) {
        const bool inEditField = watched == m_box || watched == m_box->lineEdit();
        const bool inDropDown =
            watched == m_box->view() || watched == m_box->view()->parentWidget();
        if (inEditField || inDropDown) {
            return handleKey(static_cast<QKeyEvent*>(event), inDropDown);
        }
    }
    return QObject::eventFilter(watched, event);
}

// Returns true when the key is used up here.
bool CategoryPicker::handleKey(QKeyEvent* key, bool inDropDown) {
    if (inDropDown && isTabKey(key)) {
        // Tab leaves the box as it does with the list closed.
        m_box->hidePopup();
        forwardToBox(key);
        return true;
    }
    int KeyAscii = keyAsciiOf(*key);
    const bool typesIntoBox = KeyAscii >= kFirstPrintable || KeyAscii == kBackspace;
    if (KeyAscii < 0 || (inDropDown && !typesIntoBox && KeyAscii != kEnter)) {
        // Keys of the list itself (Escape, arrows) work the list.
        return false;
    }
    if (typesIntoBox) {
        m_changedByUser = true;
    }
    KeyPress(KeyAscii);
    if (KeyAscii == 0) {
        return true;
    }
    if (inDropDown) {
        forwardToBox(key);
        return true;
    }
    return false;
}

void CategoryPicker::forwardToBox(const QKeyEvent* key) {
    QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text(), key->isAutoRepeat(),
                   static_cast<quint16>(key->count()));
    m_forwardingKey = true;
    QCoreApplication::sendEvent(m_box, &copy);
    m_forwardingKey = false;
}

bool CategoryPicker::isPartOfBox(const QWidget* widget) const {
    return widget && (widget == m_box || m_box->isAncestorOf(widget));
}

// The check runs when the focus moves from the box to another control of the
// screen (not to its own list, another screen or another program).
void CategoryPicker::onFocusChanged(QWidget* old, QWidget* now) {
    if (!now || !m_changedByUser || m_validating || m_screen->isUnloading() || !isPartOfBox(old) ||
        isPartOfBox(now) || !m_screen->isAncestorOf(now)) {
        return;
    }
    m_validating = true;
    m_changedByUser = false;
    bool Cancel = false;
    Validate(Cancel);
    if (Cancel) {
        m_box->setFocus(Qt::OtherFocusReason);
    }
    m_validating = false;
}

} // namespace quillmark
