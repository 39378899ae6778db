#include "PrintableText.h"

#include <QList>

QString printable(const QString& text)
{
    QString shown;
    for (const char32_t c : text.toUcs4()) {
        const QChar::Category kind = QChar::category(c);
        if (kind != QChar::Other_Control && kind != QChar::Other_Format
            && kind != QChar::Separator_Line && kind != QChar::Separator_Paragraph)
            shown += QString::fromUcs4(&c, 1);
        else
            shown +=
                (c <= 0xff ? QStringLiteral("\\x") : QStringLiteral("\\u"))
                + QString::number(uint(c), 16).rightJustified(c <= 0xff ? 2 : 4, u'0').toUpper();
    }
    return shown;
}
