#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

#include <QMdiArea>

namespace quillmark {

class Screen;

// Loads the program's screens by name: at most one of each, framed as child
// windows of the main window's client area, placed in twips, shown without
// blocking. Screen modules register their factories; a name without a factory
// opens nothing.
class Screens : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<Screen*()>;

    static Screens& instance();

    void registerScreen(const QString& name, Factory factory);
    void unregisterScreen(const QString& name);
    bool hasFactory(const QString& name) const { return m_factories.contains(name); }

    // The client area that frames the screens; without one a screen stands alone.
    void setMdiArea(QMdiArea* area);
    QMdiArea* mdiArea() const { return m_area; }

    // The loaded screen of that name, loading it first when needed (Form_Load
    // runs then). Returns nullptr when no factory is registered.
    Screen* Load(const QString& name);
    Screen* find(const QString& name) const;
    bool isLoaded(const QString& name) const { return find(name) != nullptr; }
    QStringList loadedNames() const;

    // Shows the screen without blocking and brings it to the front; a screen
    // shown for the first time puts the focus on its first control.
    void Show(Screen* screen);
    // Unloads the screen of that name; nothing happens when it is not loaded.
    void Unload(const QString& name);

    // Load, place at left/top (twips), show. An open screen is moved back there.
    Screen* OpenScreen(const QString& name, int left, int top);
    // Load and show where the main window puts it.
    Screen* OpenScreen(const QString& name);

private:
    Screens() = default;
    void frame(Screen* screen);
    void forget(Screen* screen);

    QHash<QString, Factory> m_factories;
    QHash<QString, QPointer<Screen>> m_loaded;
    QPointer<QMdiArea> m_area;
};

} // namespace quillmark
