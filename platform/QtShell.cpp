#include "QtShell.h"

#include <QDesktopServices>
#include <QUrl>

bool QtShell::open(const QUrl& target)
{
    return QDesktopServices::openUrl(target);
}
