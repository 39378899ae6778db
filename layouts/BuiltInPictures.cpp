#include "BuiltInPictures.h"

QIcon applicationIcon()
{
    QIcon icon;
    for (const char* size : {"16", "32", "48"})
        icon.addFile(QStringLiteral(":/layouts/kriel-%1.png").arg(QLatin1String(size)));
    return icon;
}

// Decoded once: every load of the play window starts from its layout, and the copies share these.
QImage playWindowPlaceholder()
{
    static const QImage picture(QStringLiteral(":/layouts/placeholder.bmp"));
    return picture;
}

QImage layoutFoodPicture()
{
    static const QImage picture(QStringLiteral(":/layouts/food.gif"));
    return picture;
}
