#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <QTemporaryDir>

// The smallest GIF there is: one transparent pixel.
extern const QByteArray TinyGif;
// A BMP of one bit a pixel, all black but for its top-left pixel, which keeps the largest bitmap
// allowed within 4 MB and still leaves a window one pixel to show.
QByteArray monoBitmap(int width, int height);
// The file Qt's writer makes of `image` in `format`.
QByteArray writtenPicture(const QImage& image, const char* format, bool progressive = false);
// Qt's progressive JPEG of a colour `image` has 10 scans, the last the refinement of the
// luminance's AC coefficients, the heaviest to decode: this repeats that one, with its Huffman
// table, until the JPEG has `scans` in all.
QByteArray progressiveJpeg(const QImage& image, int scans);

// Markup naming a 400 × 400 picture, which it writes into `folder`: text that a control took for
// rich text would load the picture and grow to hold it.
QString pictureMarkup(const QString& folder);

// A program folder in a temporary directory holding one complete, valid skin in Skins/<name>:
// a 60 × 50 grey bitmap whose bottom-left pixel is magenta, a 1 × 1 GIF, and a config.ini with
// every key (PlayArea 4, 2; ScoreText 50, 2; SizeRatio 2, so 30-twip cells at 15 twips a pixel).
// With `skinsFolder` "kriel/Skins", the directory stands for a player's data home instead.
class SkinFolder {
public:
    struct Entry {
        QString section, key, value;
    };

    explicit SkinFolder(const QString& name = QStringLiteral("Test"),
                        const QString& skinsFolder = QStringLiteral("Skins"));

    // The temporary directory: the program folder, or the data home.
    QString programFolder() const { return m_dir.path(); }
    QString skinPath() const { return m_skinPath; }

    // Changes, adds or removes one config.ini value and rewrites the file.
    void setValue(const QString& section, const QString& key, const QString& value);
    void removeValue(const QString& section, const QString& key);
    // Writes config.ini as given, bypassing the values above.
    void writeConfig(const QByteArray& contents);

    void setBitmap(const QImage& bitmap);
    void removeFile(const QString& fileName);

    // config.ini's values, each section's in the order they are written.
    const QList<Entry>& entries() const { return m_entries; }

    // Grey with a magenta bottom-left pixel: all of it but that pixel and the rightmost column
    // shows.
    static QImage defaultBitmap(QSize size = {60, 50});

private:
    void writeEntries();

    QTemporaryDir m_dir;
    QString m_skinPath;
    QList<Entry> m_entries;
};
