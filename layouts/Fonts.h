#pragma once

#include "layouts/Controls.h"

#include <QFont>

// A layout's font at the size it has on a screen of `twipsPerPixel` (20 twips to the point).
// Faces this desktop lacks are substituted with metric-compatible or similar ones. Safe on any
// thread.
QFont layoutFont(const FontSpec& wanted, float twipsPerPixel);

// The font of every dialog control that has none of its own.
FontSpec defaultDialogFont();
