#pragma once

#include <QString>

// `text` as a terminal may be given it: each control character, and each mark that reorders or
// hides text, written as an escape ("\x1B", "\u202E"), since a terminal would act on them. Text
// from a skin or an archive reaches the terminal only through this.
QString printable(const QString& text);
