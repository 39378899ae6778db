#pragma once

class QRegion;
class QWidget;

// The window is drawn and hit only inside `outline` (in the window's pixels) from now on.
void setWindowShape(QWidget* window, const QRegion& outline);

// Keeps the window above ordinary windows, without moving or resizing it; never undone.
void keepOnTop(QWidget* window);
