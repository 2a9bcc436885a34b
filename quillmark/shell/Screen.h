#pragma once

#include "quillmark/data/RuntimeError.h"
#include "quillmark/shell/FormData.h"
#include "quillmark/shell/ShellErrors.h"

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <QMdiSubWindow>

namespace quillmark {

class XPButtonSite;

// Base of every screen: a widget built from its saved form data, shown in a
// child window of the main window. Positions are in twips within the main
// window's client area. The screens manager loads, places, shows and unloads.
//
// The keyboard rules every screen shares: when it opens, its first control
// (the lowest tab index that can take the focus) gets the focus; Esc presses
// its Cancel button while that is enabled, else its Close button, unless an
// edit is open that Close would drop without a question.
class Screen : public QWidget {
    Q_OBJECT
public:
    // Builds the controls of ":/forms/<formName>.json"; throws RuntimeError
    // when the form data is missing or wrong.
    explicit Screen(const QString& formName, QWidget* parent = nullptr);
    // Builds from form data already read (tests, generated forms).
    Screen(const FormData& form, QWidget* parent);
    ~Screen() override;

    QString Name() const { return m_form.name; }
    const FormData& formData() const { return m_form; }

    // The control of that name, as T; throws RuntimeError when there is none
    // or when it is of another kind.
    template <class T = QWidget> T* control(const QString& name) const {
        QWidget* widget = controlWidget(name);
        T* typed = qobject_cast<T*>(widget);
        if (!typed) {
            throwWrongKind(name, widget);
        }
        return typed;
    }
    QWidget* controlWidget(const QString& name) const;
    bool hasControl(const QString& name) const { return m_controls.contains(name); }

    int Left() const;
    int Top() const;
    void setLeft(int twips);
    void setTop(int twips);
    QString Caption() const { return windowTitle(); }
    void setCaption(const QString& New_Caption) { setWindowTitle(New_Caption); }

    // The child window that frames this screen, or nullptr when it stands alone.
    QMdiSubWindow* subWindow() const { return m_subWindow; }
    void setSubWindow(QMdiSubWindow* window) { m_subWindow = window; }

    // Runs Form_Unload and removes the screen; later calls do nothing.
    void Unload();
    bool isUnloading() const { return m_unloading; }

    // The form's client size, so that the child window frames all of it.
    QSize sizeHint() const override { return m_form.sizePixels(); }

    // Called once after the screen is built and framed, before it is shown.
    virtual void Form_Load() {}

    // True while the user has changes on the screen that are not saved.
    virtual bool hasOpenEdit() const { return false; }
    void focusFirstControl();
    void EscapePressed();

signals:
    // The screen is going; the manager forgets it.
    void unloaded(quillmark::Screen* screen);

protected:
    // Called by Unload() before the screen goes.
    virtual void Form_Unload() {}
    void closeEvent(QCloseEvent* event) override;

private:
    void buildForm();
    [[noreturn]] void throwWrongKind(const QString& name, QWidget* widget) const;
    XPButtonSite* enabledButton(const QString& name) const;
    QWidget* frameWidget() const;

    FormData m_form;
    QHash<QString, QWidget*> m_controls;
    QPointer<QMdiSubWindow> m_subWindow;
    bool m_unloading = false;
};

} // namespace quillmark
