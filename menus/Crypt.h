#pragma once

#include <QString>

// The cipher of the high-score record. It works on each character's code as a Latin-1 code point
// (0 to 255): Encipher doubles it, Decipher halves it, dropping the remainder.
// Decipher(Encipher(s)) gives s back for any text of codes 0 to 127.
namespace Crypt {
QString Encipher(const QString& s);
QString Decipher(const QString& s);
}  // namespace Crypt
