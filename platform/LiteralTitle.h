#pragma once

#include <QString>

// The title to give a window so that its title bar shows exactly `text`. Qt takes "[*]" in a
// title for the place of the unsaved-changes mark and drops it; doubled, it shows once.
QString literalTitle(const QString& text);
