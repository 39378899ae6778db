#include "Form.h"

#include "platform/DialogFrame.h"
#include "platform/LiteralTitle.h"
#include "platform/Platform.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

Form::Form(Platform& platform, DialogLayout layout)
    : m_platform(platform)
    , m_layout(std::move(layout))
    , m_life(platform.windows)
{}

Form::~Form()
{
    delete m_window;
}

void Form::Show()
{
    if (!m_window) {
        m_window = new FormWindow(*this, translated(m_layout, m_layout.caption));
        m_controls = buildControls(*m_window, m_layout, PixelScale::of(m_platform.facts));
        m_life.loaded(m_window);
        connectControls();
        Form_Load();
        if (!m_window)
            return;

        frameAsDialog(m_window, m_platform.facts.workArea());
        if (QWidget* first = firstFocus(m_layout, m_controls))
            first->setFocus();
    }
    WindowLife::show(m_window);
}

void Form::setTitle(const QString& text)
{
    if (m_window)
        m_window->setWindowTitle(literalTitle(text));
}

void Form::onClick(const char* name, std::function<void()> handler)
{
    connect(control<QPushButton>(QLatin1String(name)), &QPushButton::clicked, this,
            std::move(handler));
}

void Form::Unload()
{
    if (!m_window)
        return;
    Form_Unload();
    QWidget* window = m_window;
    m_window = nullptr;
    m_controls.clear();
    m_life.unload(window);
}

FormWindow::FormWindow(Form& form, const QString& caption)
    : QWidget(nullptr,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_form(form)
{
    setWindowTitle(literalTitle(caption));
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    m_form.Unload();
}

void FormWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (auto* focused = qobject_cast<QPushButton*>(focusWidget())) {
        focused->click();
        return;
    }
    const QList<QPushButton*> buttons = findChildren<QPushButton*>();
    for (QPushButton* button : buttons) {
        if (button->isDefault() && button->isVisible() && button->isEnabled()) {
            button->click();
            return;
        }
    }
}
