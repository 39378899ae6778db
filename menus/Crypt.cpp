#include "Crypt.h"

template <typename Change> static QString eachCode(const QString& s, Change change)
{
    QString result(s.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < s.size(); ++i)
        result[i] = QChar(change(s[i].unicode()));
    return result;
}

QString Crypt::Encipher(const QString& s)
{
    return eachCode(s, [](char16_t a) { return char16_t(2 * a); });
}

QString Crypt::Decipher(const QString& s)
{
    return eachCode(s, [](char16_t a) { return char16_t(a / 2); });
}
