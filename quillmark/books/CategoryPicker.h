#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QComboBox;
class QKeyEvent;
class QWidget;

namespace quillmark {

class Screen;

// One category of the picker's list: the name shown and the key carried.
struct CategoryEntry {
    QString name;
    qint32 id = 0;
};

// The category box of an entry screen: an editable combo box holding the
// categories of one type. Typing completes the text from the list (the list
// drops down while the user types), and when the focus moves on to another
// control of the screen after the user changed the box, the text must name a
// listed category. The screen only supplies the list.
class CategoryPicker : public QObject {
    Q_OBJECT
public:
    using ListSource = std::function<std::vector<CategoryEntry>()>;

    CategoryPicker(QComboBox* box, Screen* screen, ListSource categories);
    ~CategoryPicker() override;

    // Fills the list once and selects its first entry; an empty list leaves
    // the box's design text.
    void LoadCategories();

    // The box's KeyPress: KeyAscii continues as AutoCompleteCombo returns.
    void KeyPress(int& KeyAscii);
    // The check when the focus leaves the box: a text that names no listed
    // category is cleared, the user told, and Cancel set to keep the focus.
    void Validate(bool& Cancel);

    // Type-ahead for an editable combo box: completes the typed text from
    // the list, highlighting the completed part. Returns the character the
    // key press continues with (0 swallows it: the text is already changed).
    static int AutoCompleteCombo(QComboBox& combo, int KeyAscii);
    // Opens the box's drop-down list.
    static void ShowComboList(QComboBox& combo);

    // "This category does not exist. Please select a valid category."
    static QString DoesNotExistMessage();

    bool isEmpty() const;
    // The key of the selected entry; only meaningful with hasSelection().
    bool hasSelection() const;
    qint32 selectedId() const;
    // Selects the category with this key; one not in the list (its type
    // changed meanwhile) shows its name with no entry selected.
    void showCategory(qint32 id, const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handleKey(QKeyEvent* key, bool inDropDown);
    void forwardToBox(const QKeyEvent* key);
    void onFocusChanged(QWidget* old, QWidget* now);
    bool isPartOfBox(const QWidget* widget) const;

    QComboBox* m_box;
    Screen* m_screen;
    ListSource m_categories;
    // Only what the user did to the box is checked: a box the user has not
    // changed since the last check is left alone.
    bool m_changedByUser = false;
    bool m_validating = false;
    bool m_forwardingKey = false;
};

} // namespace quillmark
