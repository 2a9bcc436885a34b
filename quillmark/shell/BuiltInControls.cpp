#include "quillmark/shell/BuiltInControls.h"

#include "quillmark/shell/ControlRecord.h"
#include "quillmark/shell/DataGrid.h"
#include "quillmark/shell/DatePicker.h"
#include "quillmark/shell/LineControl.h"
#include "quillmark/shell/PictureBox.h"
#include "quillmark/shell/XPButtonSite.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace quillmark {

namespace {

Qt::Alignment horizontalAlignment(const ControlRecord& record) {
    const QString alignment = record.stringProperty(QStringLiteral("alignment"));
    if (alignment == QLatin1String("center")) {
        return Qt::AlignHCenter;
    }
    if (alignment == QLatin1String("right")) {
        return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

QWidget* createLabel(const ControlRecord& record, QWidget* parent) {
    auto* label = new QLabel(record.caption, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(record.boolProperty(QStringLiteral("wordWrap"), true));
    label->setAlignment(horizontalAlignment(record) | Qt::AlignTop);
    return label;
}

QWidget* createTextBox(const ControlRecord& record, QWidget* parent) {
    const QString text = record.stringProperty(QStringLiteral("text"));
    const bool locked = record.boolProperty(QStringLiteral("locked"), false);
    if (record.boolProperty(QStringLiteral("multiLine"), false)) {
        auto* box = new QPlainTextEdit(text, parent);
        box->setReadOnly(locked);
        return box;
    }
    auto* box = new QLineEdit(text, parent);
    box->setAlignment(horizontalAlignment(record) | Qt::AlignVCenter);
    box->setReadOnly(locked);
    const int maxLength = record.intProperty(QStringLiteral("maxLength"), 0);
    if (maxLength > 0) {
        box->setMaxLength(maxLength);
    }
    if (record.has(QStringLiteral("passwordChar"))) {
        box->setEchoMode(QLineEdit::Password);
    }
    return box;
}

QWidget* createComboBox(const ControlRecord& record, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    const bool editable =
        record.stringProperty(QStringLiteral("style"), QStringLiteral("dropdownCombo")) !=
        QLatin1String("dropdownList");
    combo->setEditable(editable);
    combo->addItems(record.stringListProperty(QStringLiteral("items")));
    if (editable) {
        // Typed text never becomes a new entry, and the screens do their own
        // completion, as the classic combo box did.
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        combo->setCurrentIndex(-1);
        combo->setEditText(record.stringProperty(QStringLiteral("text")));
    } else {
        combo->setCurrentIndex(combo->findText(record.stringProperty(QStringLiteral("text"))));
    }
    return combo;
}

QWidget* createCheckBox(const ControlRecord& record, QWidget* parent) {
    auto* box = new QCheckBox(record.caption, parent);
    const int value = record.intProperty(QStringLiteral("value"), 0);
    if (value == 2) {
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked);
    } else {
        box->setChecked(value == 1);
    }
    return box;
}

QWidget* createOptionButton(const ControlRecord& record, QWidget* parent) {
    auto* button = new QRadioButton(record.caption, parent);
    button->setChecked(record.boolProperty(QStringLiteral("value"), false));
    return button;
}

QWidget* createFrame(const ControlRecord& record, QWidget* parent) {
    return new QGroupBox(record.caption, parent);
}

QWidget* createListBox(const ControlRecord& record, QWidget* parent) {
    auto* list = new QListWidget(parent);
    const bool checkBoxes = record.boolProperty(QStringLiteral("checkBoxes"), false);
    const QStringList items = record.stringListProperty(QStringLiteral("items"));
    for (const QString& text : items) {
        auto* item = new QListWidgetItem(text, list);
        if (checkBoxes) {
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        }
    }
    return list;
}

QWidget* createPictureBox(const ControlRecord& record, QWidget* parent) {
    auto* picture = new PictureBox(parent);
    const QString source = record.stringProperty(QStringLiteral("picture"));
    if (!source.isEmpty()) {
        picture->setPixmap(QPixmap(source));
    }
    picture->setScaledContents(record.boolProperty(QStringLiteral("stretch"), false));
    return picture;
}

QWidget* createLine(const ControlRecord& record, QWidget* parent) {
    auto* line = new LineControl(parent);
    const QString direction = record.stringProperty(QStringLiteral("direction"));
    if (direction == QLatin1String("vertical")) {
        line->setDirection(LineControl::Direction::Vertical);
    } else if (direction == QLatin1String("down")) {
        line->setDirection(LineControl::Direction::Down);
    } else if (direction == QLatin1String("up")) {
        line->setDirection(LineControl::Direction::Up);
    }
    const QColor color(record.stringProperty(QStringLiteral("borderColor")));
    if (color.isValid()) {
        line->setBorderColor(color);
    }
    return line;
}

QWidget* createDatePicker(const ControlRecord& record, QWidget* parent) {
    auto* picker = new DatePicker(parent);
    if (record.has(QStringLiteral("customFormat"))) {
        picker->setDisplayFormat(record.stringProperty(QStringLiteral("customFormat")));
    }
    return picker;
}

QWidget* createGrid(const ControlRecord& record, QWidget* parent) {
    auto* grid = new DataGrid(parent);
    grid->setColumns(
        DataGridColumn::listFromJson(record.properties.value(QStringLiteral("columns"))));
    grid->setDataMember(record.stringProperty(QStringLiteral("dataMember")));
    return grid;
}

QWidget* createCommandButton(const ControlRecord& record, QWidget* parent) {
    auto* button = new QPushButton(record.caption, parent);
    button->setDefault(record.boolProperty(QStringLiteral("default"), false));
    return button;
}

QWidget* createXPButton(const ControlRecord& record, QWidget* parent) {
    return new XPButtonSite(record, parent);
}

} // namespace

void registerBuiltInControls(
    const std::function<void(const QString& kind, ControlFactory::Creator creator)>& add) {
    add(QStringLiteral("Label"), createLabel);
    add(QStringLiteral("TextBox"), createTextBox);
    add(QStringLiteral("ComboBox"), createComboBox);
    add(QStringLiteral("CheckBox"), createCheckBox);
    add(QStringLiteral("OptionButton"), createOptionButton);
    add(QStringLiteral("Frame"), createFrame);
    add(QStringLiteral("ListBox"), createListBox);
    add(QStringLiteral("PictureBox"), createPictureBox);
    add(QStringLiteral("Line"), createLine);
    add(QStringLiteral("DatePicker"), createDatePicker);
    add(QStringLiteral("Grid"), createGrid);
    add(QStringLiteral("CommandButton"), createCommandButton);
    add(QStringLiteral("LumoXPButton"), createXPButton);
}

} // namespace quillmark
