#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace quillmark {

class ControlRecord;

// Creates the widget of a control kind from its saved record. The built-in
// kinds are registered on first use; another module adds its own kinds
// (a control created through the control server, say) with registerKind().
class ControlFactory {
public:
    using Creator = std::function<QWidget*(const ControlRecord& record, QWidget* parent)>;

    // Registers or replaces the creator of a kind.
    static void registerKind(const QString& kind, Creator creator);
    static bool hasKind(const QString& kind);
    // Creates the widget (kind-specific settings only); throws RuntimeError for
    // an unknown kind or when the creator fails.
    static QWidget* create(const ControlRecord& record, QWidget* parent);
};

} // namespace quillmark
