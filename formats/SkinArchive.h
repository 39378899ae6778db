#pragma once

#include "formats/IniReader.h"
#include "formats/PictureLoading.h"

#include <QString>
#include <QStringList>

// A skin as players share it: a folder, or an archive (.zip, .tar.gz or .tgz, .tar.xz, .tar.bz2)
// holding one, read by libarchive. Only the three files of a skin folder are taken from it; an
// archive is refused as a whole for anything a skin never needs (links, devices, names that leave
// the archive's folder), and for more entries or bytes than a skin can use.

// The files a skin folder is made of: nothing else is taken from a shared skin.
inline const QStringList SkinFileNames{QStringLiteral("skin.bmp"), QStringLiteral("food.gif"),
                                       QStringLiteral("config.ini")};

// What an archive may hold. Each file's bytes are counted as they are unpacked, whatever its
// header says, and the unpacking stops at the first block past a limit.
struct UnpackLimits {
    int entries = 32;  // files and folders alike
    // Each picture, and config.ini: no more than the skin's reader takes of them.
    qint64 pictureBytes = MaxPictureBytes;
    qint64 iniBytes = IniReadLimit;

    // The most of the skin file `name`: for any other file, the most of the whole archive.
    qint64 fileBytes(const QString& name) const;
    qint64 totalBytes() const { return 2 * pictureBytes + iniBytes; }
};

struct UnpackedSkin {
    // The one folder of the archive that held the skin's files, as the archive names it and not
    // yet checked as a skin's name; "" when they stood at its top.
    QString folder;
    // Why the source was refused, a sentence for the player; "" when its skin files were written.
    QString refusal;
    // The bytes unpacked from all the archive's files before it was done with or refused.
    qint64 bytesRead = 0;
};

// Writes the skin files the archive at `archivePath` holds into `destination`, an existing empty
// folder, each under its own name. They stand at the archive's top or in one folder (any other
// files in it are read through and left out); the skin's own checks are left to its reader.
UnpackedSkin unpackSkinArchive(const QString& archivePath, const QString& destination,
                               const UnpackLimits& limits = {});

// Copies the skin files of the skin folder `folder` into `destination`, an existing empty folder,
// within the same limits; a missing one is left for the skin's reader to name.
UnpackedSkin copySkinFolder(const QString& folder, const QString& destination,
                            const UnpackLimits& limits = {});

// The archive's file name without its folder and without the extension of a format read here:
// "Neon" for "/tmp/Neon.tar.gz".
QString archiveStem(const QString& archivePath);
