#include "SkinInstall.h"

#include "formats/SkinArchive.h"
#include "skins/SkinCheck.h"
#include "skins/SkinFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>

namespace {

const QString StagingPrefix = QStringLiteral(".install-");
// In a staging folder: the player's skin that the install replaces, under its own name.
const QString Replaced = QStringLiteral("replaced");
// Free names are looked for up to "Name (99)".
constexpr int MostCopies = 99;

SkinInstall refused(const QString& why)
{
    SkinInstall install;
    install.refusal = why;
    return install;
}

// Anything at `path`, a dangling link included.
bool occupied(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// The skin files of `source` written into `staged`, and the name they came with in `name`.
UnpackedSkin stage(const QString& source, const QString& staged, QString& name)
{
    const QFileInfo info(source);
    if (info.isDir()) {
        name = QFileInfo(QDir::cleanPath(info.absoluteFilePath())).fileName();
        return copySkinFolder(source, staged);
    }
    UnpackedSkin unpacked = unpackSkinArchive(source, staged);
    name = unpacked.folder.isEmpty() ? archiveStem(source) : unpacked.folder;
    return unpacked;
}

// The first of "Name (2)", "Name (3)"... that no skins folder holds anything of.
QString freeName(const QString& name, const QStringList& folders)
{
    for (int copy = 2; copy <= MostCopies; ++copy) {
        const QString candidate = QStringLiteral("%1 (%2)").arg(name).arg(copy);
        if (std::none_of(folders.begin(), folders.end(), [&](const QString& folder) {
                return occupied(folder + u'/' + candidate);
            }))
            return candidate;
    }
    return {};
}

// Moves the skin `staged` into the player's skins folder, the last of `folders`, under the name it
// came with or a free one. A skin of the player's it replaces goes aside into `staging` first, to
// be removed with it.
SkinInstall moveIntoPlace(const QString& staged, const QString& staging, SkinInstall install,
                          const QStringList& folders, const ReplaceQuestion& replace)
{
    const QString own = folders.back() + u'/' + install.wanted;
    const bool shipped = occupied(folders.front() + u'/' + install.wanted);
    install.replaced = !shipped && QFileInfo(own).isDir() && replace(install.wanted);
    install.name = shipped || (!install.replaced && occupied(own))
                       ? freeName(install.wanted, folders)
                       : install.wanted;
    if (install.name.isEmpty())
        return refused(QCoreApplication::translate(
                           "SkinInstall", "Every name from \"%1 (2)\" to \"%1 (%2)\" is taken.")
                           .arg(install.wanted, QString::number(MostCopies)));
    install.path = folders.back() + u'/' + install.name;
    // Named so that a start after an install cut short here can put the skin back.
    const QString aside = staging + u'/' + Replaced + u'/' + install.name;
    if (install.replaced
        && !(QDir().mkdir(staging + u'/' + Replaced) && QDir().rename(install.path, aside)))
        return refused(
            QCoreApplication::translate("SkinInstall",
                                        "Your skin \"%1\" could not be moved aside to be replaced; "
                                        "it is left as it was.")
                .arg(install.name));
    if (!QDir().rename(staged, install.path)) {
        if (install.replaced)
            QDir().rename(aside, install.path);
        return refused(
            QCoreApplication::translate("SkinInstall", "The skin could not be moved into %1.")
                .arg(install.path));
    }
    return install;
}

}  // namespace

SkinInstall installSkin(const QString& source, const ProgramFacts& facts,
                        const ReplaceQuestion& replace)
{
    const QStringList folders = skinsFolders(facts);
    if (folders.size() < 2)
        return refused(QCoreApplication::translate("SkinInstall",
                                                   "There is no folder for your own skins: neither "
                                                   "XDG_DATA_HOME nor HOME names one."));
    const QString own = folders.back();
    if (!QDir().mkpath(own))
        return refused(
            QCoreApplication::translate("SkinInstall",
                                        "The folder for your own skins, %1, could not be created.")
                .arg(own));
    QTemporaryDir staging(own + u'/' + StagingPrefix + QStringLiteral("XXXXXX"));
    const QString staged = staging.filePath(QStringLiteral("skin"));
    if (!staging.isValid() || !QDir().mkdir(staged))
        return refused(QCoreApplication::translate(
                           "SkinInstall", "No folder could be made in %1 to unpack the skin into.")
                           .arg(own));
    SkinInstall install;
    const UnpackedSkin unpacked = stage(source, staged, install.wanted);
    if (!unpacked.refusal.isEmpty())
        return refused(unpacked.refusal);
    if (!isSkinName(install.wanted))
        return refused(
            QCoreApplication::translate("SkinInstall",
                                        "\"%1\" cannot name a skin: a skin is named by its folder, "
                                        "which must not be blank, start with a dot or hold a "
                                        "slash.")
                .arg(install.wanted));
    if (const SkinCheck check = checkSkin(staged, facts); !check.ok)
        return refused(
            QCoreApplication::translate("SkinInstall", "The game cannot load this skin: %1.")
                .arg(check.report));
    return moveIntoPlace(staged, staging.path(), install, folders, replace);
}

void removeInstallLeftovers(const ProgramFacts& facts)
{
    const QStringList folders = skinsFolders(facts);
    if (folders.size() < 2)
        return;
    // Not through a link, which would remove what it points to.
    const QDir own(folders.back());
    const auto dirs = QDir::Dirs | QDir::Hidden | QDir::NoSymLinks | QDir::NoDotAndDotDot;
    for (const QString& name : own.entryList({StagingPrefix + u'*'}, dirs)) {
        // A skin moved aside for one that never came in goes back where it was.
        const QDir aside(own.filePath(name) + u'/' + Replaced);
        for (const QString& skin : aside.entryList(dirs))
            if (isSkinName(skin) && !occupied(own.filePath(skin)))
                QDir().rename(aside.filePath(skin), own.filePath(skin));
        QDir(own.filePath(name)).removeRecursively();
    }
}
