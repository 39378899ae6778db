#pragma once

#include <QString>

// kriel --install-skin SOURCE: installs the skin archive or folder `source` among the player's
// skins without a window, as a drop on the skin selector does, save that a skin of the player's
// with the same name is kept and the new one takes a free name. Prints what it did on standard
// output, or why it refused on standard error; returns the exit status, 0 once installed and 1
// when refused. `program` is argv[0].
int installSkinCommand(char* program, const QString& source);
