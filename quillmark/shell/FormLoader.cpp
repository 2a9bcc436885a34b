#include "quillmark/shell/FormLoader.h"

#include "quillmark/data/RuntimeError.h"
#include "quillmark/shell/ControlFactory.h"
#include "quillmark/shell/FormData.h"
#include "quillmark/shell/ShellErrors.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QPair>
#include <QPalette>
#include <QWidget>

#include <algorithm>

namespace quillmark {

QHash<QString, QWidget*> FormLoader::build(const FormData& form, QWidget* target) {
    QHash<QString, QWidget*> controls;
    QList<QPair<int, QWidget*>> tabOrder;
    const QList<QWidget*> before = target->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    try {
        for (const ControlRecord& record : form.controls) {
            buildControl(record, target, controls, tabOrder, form.name);
        }
    } catch (...) {
        // Every control made on the target goes, one whose making failed half
        // way too (it was never named); children go with their containers.
        const QList<QWidget*> made = target->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* widget : made) {
            if (!before.contains(widget)) {
                delete widget;
            }
        }
        throw;
    }
    std::stable_sort(tabOrder.begin(), tabOrder.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (qsizetype i = 1; i < tabOrder.size(); ++i) {
        QWidget::setTabOrder(tabOrder.at(i - 1).second, tabOrder.at(i).second);
    }
    return controls;
}

void FormLoader::buildControl(const ControlRecord& record, QWidget* parent,
                              QHash<QString, QWidget*>& controls,
                              QList<QPair<int, QWidget*>>& tabOrder, const QString& formName) {
    if (controls.contains(record.name)) {
        throw RuntimeError(kErrorBadFormData,
                           QStringLiteral("Form %1: the control name %2 is used twice.")
                               .arg(formName, record.name),
                           QStringLiteral("FormLoader"));
    }
    QWidget* widget = ControlFactory::create(record, parent);
    controls.insert(record.name, widget);
    applyCommonProperties(record, widget);
    if (record.has(QStringLiteral("tabIndex"))) {
        tabOrder.append({record.intProperty(QStringLiteral("tabIndex"), 0), widget});
    }
    for (const ControlRecord& child : record.children) {
        buildControl(child, widget, controls, tabOrder, formName);
    }
}

void FormLoader::applyCommonProperties(const ControlRecord& record, QWidget* widget) {
    widget->setObjectName(record.name);
    widget->setGeometry(record.geometryPixels());
    widget->setEnabled(record.boolProperty(QStringLiteral("enabled"), true));
    widget->setToolTip(record.stringProperty(QStringLiteral("toolTipText")));
    if (record.has(QStringLiteral("fontBold")) || record.has(QStringLiteral("fontSize"))) {
        QFont font = widget->font();
        font.setBold(record.boolProperty(QStringLiteral("fontBold"), font.bold()));
        const int size = record.intProperty(QStringLiteral("fontSize"), 0);
        if (size > 0) {
            font.setPointSize(size);
        }
        widget->setFont(font);
    }
    const QColor foreColor(record.stringProperty(QStringLiteral("foreColor")));
    if (foreColor.isValid()) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, foreColor);
        palette.setColor(QPalette::Text, foreColor);
        widget->setPalette(palette);
    }
    // Controls start shown with their form unless stored as invisible.
    widget->setVisible(record.boolProperty(QStringLiteral("visible"), true));
}

} // namespace quillmark
