#include "Shellx.h"

#include "platform/Shell.h"

#include <QUrl>

bool OpenDocument(Shell& shell, const QString& path)
{
    return shell.open(QUrl::fromLocalFile(path));
}
