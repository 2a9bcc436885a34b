#include "quillmark/shell/ControlFactory.h"

#include "quillmark/data/RuntimeError.h"
#include "quillmark/shell/BuiltInControls.h"
#include "quillmark/shell/ControlRecord.h"
#include "quillmark/shell/ShellErrors.h"

#include <QHash>

namespace quillmark {

namespace {

QHash<QString, ControlFactory::Creator>& creators() {
    static QHash<QString, ControlFactory::Creator> registry = [] {
        QHash<QString, ControlFactory::Creator> builtIn;
        registerBuiltInControls([&builtIn](const QString& kind, ControlFactory::Creator creator) {
            builtIn.insert(kind, std::move(creator));
        });
        return builtIn;
    }();
    return registry;
}

} // namespace

void ControlFactory::registerKind(const QString& kind, Creator creator) {
    creators().insert(kind, std::move(creator));
}

bool ControlFactory::hasKind(const QString& kind) {
    return creators().contains(kind);
}

QWidget* ControlFactory::create(const ControlRecord& record, QWidget* parent) {
    const auto it = creators().constFind(record.kind);
    if (it == creators().constEnd()) {
        throw RuntimeError(
            kErrorBadFormData,
            QStringLiteral("Control %1 is of the unknown kind %2.").arg(record.name, record.kind),
            QStringLiteral("ControlFactory"));
    }
    QWidget* widget = (*it)(record, parent);
    if (!widget) {
        throw RuntimeError(
            kErrorBadFormData,
            QStringLiteral("Control %1 (%2) could not be created.").arg(record.name, record.kind),
            QStringLiteral("ControlFactory"));
    }
    return widget;
}

} // namespace quillmark
