#include "quillmark/shell/Screens.h"

#include "quillmark/shell/Screen.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace quillmark {

Screens& Screens::instance() {
    static Screens screens;
    return screens;
}

void Screens::registerScreen(const QString& name, Factory factory) {
    m_factories.insert(name, std::move(factory));
}

void Screens::unregisterScreen(const QString& name) {
    m_factories.remove(name);
}

void Screens::setMdiArea(QMdiArea* area) {
    m_area = area;
    if (m_area) {
        // Closing a screen brings back the one that was active before it.
        m_area->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    }
}

Screen* Screens::find(const QString& name) const {
    Screen* screen = m_loaded.value(name);
    return screen && !screen->isUnloading() ? screen : nullptr;
}

QStringList Screens::loadedNames() const {
    QStringList names;
    for (auto it = m_loaded.cbegin(); it != m_loaded.cend(); ++it) {
        if (find(it.key())) {
            names << it.key();
        }
    }
    names.sort();
    return names;
}

Screen* Screens::Load(const QString& name) {
    if (Screen* open = find(name)) {
        return open;
    }
    const auto factory = m_factories.constFind(name);
    if (factory == m_factories.constEnd()) {
        return nullptr;
    }
    Screen* screen = (*factory)();
    if (!screen) {
        return nullptr;
    }
    m_loaded.insert(name, screen);
    connect(screen, &Screen::unloaded, this, &Screens::forget);
    frame(screen);
    screen->Form_Load();
    return screen;
}

void Screens::frame(Screen* screen) {
    if (!m_area) {
        return;
    }
    Qt::WindowFlags flags = Qt::SubWindow;
    if (screen->formData().borderStyle == QLatin1String("none")) {
        flags |= Qt::FramelessWindowHint;
    } else if (screen->formData().borderStyle == QLatin1String("fixed")) {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    }
    QMdiSubWindow* window = m_area->addSubWindow(screen, flags);
    window->setOption(QMdiSubWindow::RubberBandResize, false);
    window->adjustSize();
    screen->setSubWindow(window);
}

void Screens::forget(Screen* screen) {
    for (auto it = m_loaded.begin(); it != m_loaded.end();) {
        if (it.value() == screen || it.value().isNull()) {
            it = m_loaded.erase(it);
        } else {
            ++it;
        }
    }
}

void Screens::Show(Screen* screen) {
    if (!screen) {
        return;
    }
    const bool opening = !screen->isVisible();
    screen->show();
    if (QMdiSubWindow* window = screen->subWindow()) {
        window->show();
        window->raise();
        if (m_area) {
            m_area->setActiveSubWindow(window);
        }
    } else {
        screen->raise();
        screen->activateWindow();
    }
    if (opening) {
        screen->focusFirstControl();
    }
}

void Screens::Unload(const QString& name) {
    if (Screen* screen = find(name)) {
        screen->Unload();
    }
}

Screen* Screens::OpenScreen(const QString& name, int left, int top) {
    Screen* screen = Load(name);
    if (!screen) {
        return nullptr;
    }
    screen->setLeft(left);
    screen->setTop(top);
    Show(screen);
    return screen;
}

Screen* Screens::OpenScreen(const QString& name) {
    Screen* screen = Load(name);
    Show(screen);
    return screen;
}

} // namespace quillmark
