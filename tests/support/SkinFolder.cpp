#include "SkinFolder.h"

#include <QDir>
#include <QFile>

// The smallest GIF there is: one transparent pixel.
static const unsigned char TinyGif[] = {'G', 'I', 'F',  '8',  '9',  'a',  1,    0, 1,    0,    0x80,
                                        0,   0,   0xff, 0xff, 0xff, 0,    0,    0, 0x21, 0xf9, 4,
                                        1,   0,   0,    0,    0,    0x2c, 0,    0, 0,    0,    1,
                                        0,   1,   0,    0,    2,    2,    0x44, 1, 0,    0x3b};

SkinFolder::SkinFolder(const QString& name, const QString& skinsFolder)
    : m_name(name)
    , m_skinsFolder(skinsFolder)
    , m_entries{
          {"Positions", "PlayAreaX", "4"},   {"Positions", "PlayAreaY", "5"},
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
    QDir(m_dir.path()).mkpath(skinsFolder + '/' + name);
    setBitmap(defaultBitmap());
    QFile gif(skinPath() + QStringLiteral("/food.gif"));
    gif.open(QIODevice::WriteOnly);
    gif.write(reinterpret_cast<const char*>(TinyGif), sizeof TinyGif);
    writeEntries();
}

QString SkinFolder::skinPath() const
{
    return m_dir.path() + '/' + m_skinsFolder + '/' + m_name;
}

QImage SkinFolder::defaultBitmap()
{
    QImage bitmap(60, 50, QImage::Format_RGB32);
    bitmap.fill(QColor(128, 128, 128));
    bitmap.setPixelColor(0, 49, QColor(255, 0, 255));
    return bitmap;
}

void SkinFolder::setValue(const QString& section, const QString& key, const QString& value)
{
    for (Entry& entry : m_entries) {
        if (entry.section == section && entry.key == key) {
            entry.value = value;
            writeEntries();
            return;
        }
    }
    // Beside the section's other keys: only a section's first occurrence counts.
    qsizetype at = m_entries.size();
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].section == section)
            at = i + 1;
    m_entries.insert(at, {section, key, value});
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

void SkinFolder::writeEntries()
{
    QByteArray text;
    QString section;
    for (const Entry& entry : m_entries) {
        if (entry.section != section) {
            section = entry.section;
            text += '[' + section.toUtf8() + "]\n";
        }
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
