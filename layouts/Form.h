#pragma once

#include "layouts/DialogBuilder.h"
#include "layouts/DialogLayout.h"
#include "layouts/WindowLife.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

struct Platform;

// One of the game's dialogs: an object for the whole run whose window and controls are built
// afresh from the layout at each load and destroyed at each unload, while the members of the
// subclass keep their values.
class Form : public QObject {
    Q_OBJECT
public:
    Form(Platform& platform, DialogLayout layout);
    ~Form() override;

    // Loads the window when it is not loaded, then shows it and brings it to the front.
    void Show();
    // Runs the unload step, then destroys the window and its controls.
    void Unload();
    bool isLoaded() const { return m_window != nullptr; }

    QWidget* window() const { return m_window; }
    // Sets the window's title to show exactly `text`.
    void setTitle(const QString& text);
    template <typename T = QWidget> T* control(const QString& name) const
    {
        return qobject_cast<T*>(m_controls.value(name).data());
    }

protected:
    // Connects the controls' events to the handlers; runs at each load, before Form_Load().
    virtual void connectControls() {}
    // For connectControls(): runs `handler` whenever the button called `name` is clicked.
    void onClick(const char* name, std::function<void()> handler);
    virtual void Form_Load() {}
    virtual void Form_Unload() {}

    Platform& m_platform;

private:
    DialogLayout m_layout;
    WindowLife m_life;
    QPointer<QWidget> m_window;
    ControlMap m_controls;
};

// The top-level window of a Form: a fixed-size tool window that hands its close box to the form.
// Enter presses the focused button, or else the default button; Escape does nothing.
class FormWindow final : public QWidget {
    Q_OBJECT
public:
    FormWindow(Form& form, const QString& caption);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Form& m_form;
};
