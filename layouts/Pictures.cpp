#include "Pictures.h"

QIcon applicationIcon()
{
    QIcon icon;
    for (const char* size : {"16", "32", "48"})
        icon.addFile(QStringLiteral(":/layouts/kriel-%1.png").arg(QLatin1String(size)));
    return icon;
}

QImage playWindowPlaceholder()
{
    return QImage(QStringLiteral(":/layouts/placeholder.bmp"));
}

QImage layoutFoodPicture()
{
    return QImage(QStringLiteral(":/layouts/food.gif"));
}
