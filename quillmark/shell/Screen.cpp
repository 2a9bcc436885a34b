#include "quillmark/shell/Screen.h"

#include "quillmark/shell/FormLoader.h"
#include "quillmark/shell/Twips.h"
#include "quillmark/shell/XPButtonSite.h"

#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QShortcut>

#include <algorithm>

namespace quillmark {

namespace {

void collectTabOrder(const std::vector<ControlRecord>& records,
                     std::vector<std::pair<int, QString>>& order) {
    for (const ControlRecord& record : records) {
        if (record.has(QStringLiteral("tabIndex"))) {
            order.emplace_back(record.intProperty(QStringLiteral("tabIndex"), 0), record.name);
        }
        collectTabOrder(record.children, order);
    }
}

} // namespace

Screen::Screen(const QString& formName, QWidget* parent)
    : QWidget(parent), m_form(FormData::load(formName)) {
    buildForm();
}

Screen::Screen(const FormData& form, QWidget* parent) : QWidget(parent), m_form(form) {
    buildForm();
}

Screen::~Screen() = default;

void Screen::buildForm() {
    setObjectName(m_form.name);
    setWindowTitle(m_form.caption);
    if (m_form.borderStyle == QLatin1String("sizable")) {
        resize(m_form.sizePixels());
    } else {
        setFixedSize(m_form.sizePixels());
    }
    m_controls = FormLoader::build(m_form, this);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &Screen::EscapePressed);
}

void Screen::focusFirstControl() {
    std::vector<std::pair<int, QString>> order;
    collectTabOrder(m_form.controls, order);
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& entry : order) {
        QWidget* control = m_controls.value(entry.second);
        QWidget* target = control->focusProxy() ? control->focusProxy() : control;
        if (target->isEnabled() && control->isVisibleTo(this) &&
            (target->focusPolicy() & Qt::TabFocus)) {
            target->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

XPButtonSite* Screen::enabledButton(const QString& name) const {
    auto* button = qobject_cast<XPButtonSite*>(m_controls.value(name));
    return button && button->Enabled() ? button : nullptr;
}

void Screen::EscapePressed() {
    if (XPButtonSite* cancel = enabledButton(QStringLiteral("cmdCancel"))) {
        cancel->press();
    } else if (XPButtonSite* close = enabledButton(QStringLiteral("cmdClose"));
               close && !hasOpenEdit()) {
        close->press();
    }
}

QWidget* Screen::controlWidget(const QString& name) const {
    QWidget* widget = m_controls.value(name);
    if (!widget) {
        throw RuntimeError(kErrorControlNotFound,
                           QStringLiteral("Control not found: %1 on %2.").arg(name, Name()),
                           Name());
    }
    return widget;
}

void Screen::throwWrongKind(const QString& name, QWidget* widget) const {
    throw RuntimeError(
        kErrorControlNotFound,
        QStringLiteral("Control %1 on %2 is a %3, not the kind asked for.")
            .arg(name, Name(), QString::fromLatin1(widget->metaObject()->className())),
        Name());
}

QWidget* Screen::frameWidget() const {
    return m_subWindow ? static_cast<QWidget*>(m_subWindow.data()) : const_cast<Screen*>(this);
}

int Screen::Left() const {
    return pixelsToTwips(frameWidget()->x());
}

int Screen::Top() const {
    return pixelsToTwips(frameWidget()->y());
}

void Screen::setLeft(int twips) {
    QWidget* frame = frameWidget();
    frame->move(twipsToPixels(twips), frame->y());
}

void Screen::setTop(int twips) {
    QWidget* frame = frameWidget();
    frame->move(frame->x(), twipsToPixels(twips));
}

void Screen::Unload() {
    if (m_unloading) {
        return;
    }
    m_unloading = true;
    // The screen goes even when its own unload routine fails.
    auto remove = [this] {
        emit unloaded(this);
        QWidget* frame = frameWidget();
        frame->hide();
        frame->deleteLater();
    };
    try {
        Form_Unload();
    } catch (...) {
        remove();
        throw;
    }
    remove();
}

void Screen::closeEvent(QCloseEvent* event) {
    Unload();
    event->accept();
}

} // namespace quillmark
