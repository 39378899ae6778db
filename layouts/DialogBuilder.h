#pragma once

#include "layouts/DialogLayout.h"
#include "layouts/PixelScale.h"

#include <QHash>
#include <QLineEdit>
#include <QPointer>

class QWidget;

// A one-line text box that reads like a web link and reports a click.
class LinkBox final : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

using ControlMap = QHash<QString, QPointer<QWidget>>;

// Builds the layout's controls on `dialog`, their captions in the player's language, sizes the
// dialog's client area to the layout, sets the tab order, and returns the controls by name.
ControlMap buildControls(QWidget& dialog, const DialogLayout& layout, const PixelScale& scale);

// A caption of the layout, its own or a control's, in the player's language.
QString translated(const DialogLayout& layout, const QString& text);

// The control that takes the focus when the dialog opens: the first in tab order that can.
QWidget* firstFocus(const DialogLayout& layout, const ControlMap& controls);

// Sets a control's caption or text, whatever its kind. A label that sizes itself follows its
// text, its left edge fixed.
void setCaption(QWidget* control, const QString& text);
QString captionOf(const QWidget* control);
