#include "Fonts.h"

#include <QHash>
#include <QMutex>

#include <algorithm>
#include <cmath>

static void substituteOnce()
{
    static const bool done = [] {
        // The dialogs were drawn with this face; a clean sans serif of about its width keeps the
        // captions inside their controls. Characters it lacks come from the faces after it, before
        // the desktop's own choice: Japanese captions in Japanese forms of the Han characters,
        // which the desktop may draw in Chinese ones where the locale does not say Japanese.
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                    QStringLiteral("DejaVu Sans"),
                                    QStringLiteral("Noto Sans CJK JP")});
        return true;
    }();
    Q_UNUSED(done);
}

QFont layoutFont(const FontSpec& wanted, float twipsPerPixel)
{
    substituteOnce();
    const int pixels = std::max(1, int(std::lround(wanted.pointSize * 20 / twipsPerPixel)));
    // A font made once keeps the face it was matched to; making it afresh for every paint asks
    // the font database again each time, and that costs more than the painting. Skin previews
    // are painted on threads of their own.
    static QHash<QString, QFont> made;
    static QMutex madeLock;
    const QMutexLocker locked(&madeLock);
    const QString key = wanted.face + QLatin1Char('/') + QString::number(pixels)
                        + (wanted.bold ? QLatin1String("/bold") : QLatin1String());
    auto found = made.constFind(key);
    if (found != made.constEnd())
        return *found;
    QFont font(wanted.face);
    font.setPixelSize(pixels);
    font.setBold(wanted.bold);
    return *made.insert(key, font);
}

FontSpec defaultDialogFont()
{
    return {QStringLiteral("MS Sans Serif"), 8.25f, false};
}
