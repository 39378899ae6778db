#include "DialogBuilder.h"

#include "layouts/Fonts.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {

const char* const AutoSize = "autoSize";

QWidget* makeControl(const ControlLayout& c, const QString& caption, QWidget* parent)
{
    switch (c.kind) {
    case ControlKind::CommandButton: {
        auto* button = new QPushButton(caption, parent);
        button->setAutoDefault(false);
        button->setDefault(c.isDefault);
        return button;
    }
    case ControlKind::OptionButton: {
        auto* option = new QRadioButton(caption, parent);
        option->setChecked(c.selected);
        return option;
    }
    case ControlKind::CheckBox: {
        auto* check = new QCheckBox(caption, parent);
        check->setChecked(c.selected);
        return check;
    }
    case ControlKind::Frame:
        return new QGroupBox(caption, parent);
    case ControlKind::Label: {
        auto* label = new QLabel(parent);
        // Labels show names, paths and skin texts: Qt would take any that looks like markup for
        // rich text, and load the pictures it names.
        label->setTextFormat(Qt::PlainText);
        label->setText(caption);
        label->setAlignment((c.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        return label;
    }
    case ControlKind::TextBox:
        if (c.link) {
            auto* link = new LinkBox(caption, parent);
            link->setReadOnly(true);
            link->setFrame(false);
            link->setFocusPolicy(Qt::NoFocus);
            link->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            link->setCursor(Qt::CrossCursor);
            return link;
        } else {
            auto* text = new QPlainTextEdit(caption, parent);
            text->setReadOnly(true);
            return text;
        }
    case ControlKind::ListBox:
        return new QListWidget(parent);
    case ControlKind::PictureBox: {
        auto* box = new QLabel(parent);
        box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        box->setPixmap(QPixmap(c.picture));
        return box;
    }
    }
    return nullptr;
}

void applyColours(const ControlLayout& c, QWidget* widget)
{
    if (!c.foreColor && !c.buttonFaceBack && c.enabled)
        return;
    QPalette palette = widget->palette();
    // A disabled text box is there to be read, not greyed out.
    if (!c.enabled)
        palette.setColor(QPalette::Disabled, QPalette::Text,
                         palette.color(QPalette::Active, QPalette::Text));
    if (c.foreColor) {
        const QColor fore(c.foreColor->red(), c.foreColor->green(), c.foreColor->blue());
        for (auto role : {QPalette::WindowText, QPalette::Text})
            palette.setColor(role, fore);
    }
    if (c.buttonFaceBack)
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setColor(group, QPalette::Base,
                             palette.color(QPalette::Active, QPalette::Button));
    widget->setPalette(palette);
}

}  // namespace

void LinkBox::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

ControlMap buildControls(QWidget& dialog, const DialogLayout& layout, const PixelScale& scale)
{
    dialog.setFixedSize(scale.pixelX(layout.width), scale.pixelY(layout.height));
    dialog.setFont(layoutFont(defaultDialogFont(), scale.y));

    ControlMap controls;
    for (const ControlLayout& c : layout.controls) {
        QWidget* parent = c.container.isEmpty() ? &dialog : controls.value(c.container).data();
        QWidget* widget = makeControl(c, translated(layout, c.caption), parent ? parent : &dialog);
        widget->setObjectName(c.name);
        // Each figure rounded by itself, as the layouts' pixel sizes are given.
        widget->setGeometry(scale.pixelX(c.bounds.left), scale.pixelY(c.bounds.top),
                            scale.pixelX(c.bounds.width), scale.pixelY(c.bounds.height));
        if (c.font)
            widget->setFont(layoutFont(*c.font, scale.y));
        applyColours(c, widget);
        widget->setEnabled(c.enabled);
        widget->setVisible(c.visible);
        widget->setProperty(AutoSize, c.autoSize);
        if (c.autoSize)
            widget->adjustSize();
        // This desktop's option and check marks are wider than the layout allowed for: let the
        // caption show in full, growing to the right only.
        if (c.kind == ControlKind::OptionButton || c.kind == ControlKind::CheckBox)
            widget->resize(std::max(widget->width(), widget->sizeHint().width()), widget->height());
        controls.insert(c.name, widget);
    }

    // Focus follows the tab numbers; the layout lists its controls in that order already.
    QWidget* previous = nullptr;
    for (const ControlLayout& c : layout.controls) {
        QWidget* widget = controls.value(c.name);
        if (widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    return controls;
}

QString translated(const DialogLayout& layout, const QString& text)
{
    return text.isEmpty() ? text
                          : QCoreApplication::translate(layout.context, text.toUtf8().constData());
}

QWidget* firstFocus(const DialogLayout& layout, const ControlMap& controls)
{
    for (const ControlLayout& c : layout.controls) {
        QWidget* widget = controls.value(c.name);
        if (widget && widget->focusPolicy() != Qt::NoFocus && widget->isEnabled()
            && !widget->isHidden())
            return widget;
    }
    return nullptr;
}

void setCaption(QWidget* control, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto* frame = qobject_cast<QGroupBox*>(control))
        frame->setTitle(text);
    else if (auto* line = qobject_cast<QLineEdit*>(control))
        line->setText(text);
    else if (auto* box = qobject_cast<QPlainTextEdit*>(control))
        box->setPlainText(text);
    if (control && control->property(AutoSize).toBool())
        control->adjustSize();
}

QString captionOf(const QWidget* control)
{
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(control))
        return frame->title();
    if (auto* line = qobject_cast<const QLineEdit*>(control))
        return line->text();
    if (auto* box = qobject_cast<const QPlainTextEdit*>(control))
        return box->toPlainText();
    return {};
}
