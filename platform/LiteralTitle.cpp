#include "LiteralTitle.h"

QString literalTitle(const QString& text)
{
    QString title = text;
    return title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}
