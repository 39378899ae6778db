#include "SkinFolders.h"

#include "platform/ProgramFacts.h"

#include <QDir>
#include <QFileInfo>

bool isSkinName(const QString& name)
{
    // A hidden folder is listed nowhere, and the installs' staging folders are hidden.
    if (name.trimmed().isEmpty() || name.startsWith(u'.'))
        return false;
    return !name.contains(u'/') && !name.contains(u'\\') && !name.contains(QChar(0));
}

QStringList skinsFolders(const ProgramFacts& facts)
{
    QStringList folders{facts.programFolder() + QStringLiteral("/Skins")};
    const QString dataHome = facts.dataHome();
    if (!dataHome.isEmpty())
        folders.append(dataHome + QStringLiteral("/kriel/Skins"));
    return folders;
}

SkinLocation locateSkin(const QString& name, const ProgramFacts& facts)
{
    const QStringList folders = skinsFolders(facts);
    if (isSkinName(name)) {
        for (const QString& folder : folders) {
            const QString path = folder + u'/' + name;
            if (QFileInfo(path).isDir())
                return {path, true};
        }
    }
    return {folders.front() + u'/' + name, false};
}

QStringList skinNames(const ProgramFacts& facts)
{
    QStringList names;
    for (const QString& folder : skinsFolders(facts))
        names += QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    names.removeDuplicates();
    // Only what a game would load under that name, so that choosing it is choosing that skin.
    names.removeIf([&](const QString& name) { return !locateSkin(name, facts).found; });
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}
