#pragma once

#include <QHash>
#include <QString>

class QWidget;

namespace quillmark {

class FormData;
class ControlRecord;

// Builds the controls of a saved form onto a widget.
class FormLoader {
public:
    // Creates every control (children inside their containers) and returns
    // them by name. Throws RuntimeError on an unknown kind or a name used twice;
    // the controls made so far are then deleted again.
    static QHash<QString, QWidget*> build(const FormData& form, QWidget* target);

private:
    static void buildControl(const ControlRecord& record, QWidget* parent,
                             QHash<QString, QWidget*>& controls,
                             QList<QPair<int, QWidget*>>& tabOrder, const QString& formName);
    static void applyCommonProperties(const ControlRecord& record, QWidget* widget);
};

} // namespace quillmark
