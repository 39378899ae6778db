#include "SkinFolder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>

const QByteArray TinyGif = QByteArray::fromHex(
    "47494638396101000100800000ffffff00000021f90401000000002c00000000010001000002024401003b");

QByteArray monoBitmap(int width, int height)
{
    QImage image(width, height, QImage::Format_Mono);
    image.fill(0);
    image.setPixel(0, 0, 1);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    return image.save(&buffer, "BMP") ? bytes : QByteArray();
}

QString pictureMarkup(const QString& folder)
{
    const QString path = folder + QStringLiteral("/big.png");
    QImage picture(400, 400, QImage::Format_RGB32);
    picture.fill(Qt::red);
    picture.save(path);
    return QStringLiteral("<img src=\"%1\">").arg(path);
}

QByteArray writtenPicture(const QImage& image, const char* format, bool progressive)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    return writer.write(image) ? bytes : QByteArray();
}

QByteArray progressiveJpeg(const QImage& image, int scans)
{
    const QByteArray bytes = writtenPicture(image, "jpeg", true);
    const qsizetype lastTable = bytes.lastIndexOf("\xFF\xC4");
    const qsizetype end = bytes.size() - 2;  // the end marker
    return bytes.first(end) + bytes.sliced(lastTable, end - lastTable).repeated(scans - 10)
           + "\xFF\xD9";
}

SkinFolder::SkinFolder(const QString& name, const QString& skinsFolder)
    : m_skinPath(m_dir.path() + '/' + skinsFolder + '/' + name)
    , m_entries{
          {"Positions", "PlayAreaX", "4"},   {"Positions", "PlayAreaY", "2"},
          {"Positions", "ScoreTextX", "50"}, {"Positions", "ScoreTextY", "2"},
          {"Colors", "KrielR", "0"},         {"Colors", "KrielG", "0"},
          {"Colors", "KrielB", "255"},       {"Colors", "NotifierR", "255"},
          {"Colors", "NotifierG", "255"},    {"Colors", "NotifierB", "0"},
          {"Colors", "KrielBorderR", "64"},  {"Colors", "KrielBorderG", "64"},
          {"Colors", "KrielBorderB", "64"},  {"Colors", "PlayBorderR", "10"},
          {"Colors", "PlayBorderG", "20"},   {"Colors", "PlayBorderB", "30"},
          {"Colors", "ScoreR", "200"},       {"Colors", "ScoreG", "100"},
          {"Colors", "ScoreB", "50"},        {"Styles", "KrielShape", "0"},
          {"Styles", "KrielBorder", "1"},    {"Styles", "PlayBorder", "1"},
          {"Styles", "FontSize", "12"},      {"Styles", "Font", "Arial"},
          {"Ratio", "SizeRatio", "2"},       {"Info", "Name", "Test skin"},
      }
{
    QDir().mkpath(m_skinPath);
    setBitmap(defaultBitmap());
    QFile gif(skinPath() + QStringLiteral("/food.gif"));
    gif.open(QIODevice::WriteOnly);
    gif.write(TinyGif);
    writeEntries();
}

QImage SkinFolder::defaultBitmap(QSize size)
{
    QImage bitmap(size, QImage::Format_RGB32);
    bitmap.fill(QColor(128, 128, 128));
    bitmap.setPixelColor(0, size.height() - 1, QColor(255, 0, 255));
    return bitmap;
}

void SkinFolder::setValue(const QString& section, const QString& key, const QString& value)
{
    m_entries.removeIf([&](const Entry& e) { return e.section == section && e.key == key; });
    m_entries.append({section, key, value});
    writeEntries();
}

void SkinFolder::removeValue(const QString& section, const QString& key)
{
    m_entries.removeIf([&](const Entry& e) { return e.section == section && e.key == key; });
    writeEntries();
}

void SkinFolder::writeConfig(const QByteArray& contents)
{
    QFile file(skinPath() + QStringLiteral("/config.ini"));
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(contents);
}

// Each section once, with all its keys: a reader takes only a section's first occurrence.
void SkinFolder::writeEntries()
{
    QStringList sections;
    for (const Entry& entry : m_entries)
        if (!sections.contains(entry.section))
            sections.append(entry.section);
    QByteArray text;
    for (const QString& section : sections) {
        text += '[' + section.toUtf8() + "]\n";
        for (const Entry& entry : m_entries)
            if (entry.section == section)
                text += entry.key.toUtf8() + '=' + entry.value.toUtf8() + '\n';
    }
    writeConfig(text);
}

void SkinFolder::setBitmap(const QImage& bitmap)
{
    bitmap.save(skinPath() + QStringLiteral("/skin.bmp"), "BMP");
}

void SkinFolder::removeFile(const QString& fileName)
{
    QFile::remove(skinPath() + '/' + fileName);
}
