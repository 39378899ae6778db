#include "IniReader.h"

#include "formats/RegularFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>

static QString decode(QByteArray contents)
{
    if (contents.startsWith("\xEF\xBB\xBF"))
        contents.remove(0, 3);
    // Stateless, so that a Latin-1 accent in the last byte counts as an error instead of being
    // held back as the start of a character still to come.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(contents);
    return utf8.hasError() ? QString::fromLatin1(contents) : text;
}

static bool isBlank(QChar c)
{
    return c == ' ' || c == '\t';
}

static QStringView trimmed(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

static QString valueText(QStringView raw)
{
    QStringView value = trimmed(raw);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value.left(IniValueMaxLength).toString();
}

IniFile::IniFile(const QByteArray& contents)
    : m_text(decode(contents))
{}

IniFile IniFile::read(const QString& filePath)
{
    IniFile ini;
    QFile file;
    if (!openRegularFile(file, filePath)) {
        ini.m_problem = regularFileProblem(filePath).value_or(
            QCoreApplication::translate("SkinLoader", "cannot be read"));
        return ini;
    }
    // Asking for the whole limit would reserve a mebibyte for a file of a few lines.
    const QByteArray contents = file.read(std::min(file.size(), IniReadLimit));
    // A byte-order mark, or else a first character of ASCII written in two bytes.
    const QByteArray start = contents.left(2);
    if (start == "\xFF\xFE" || start == "\xFE\xFF"
        || (start.size() == 2 && (start[0] == 0) != (start[1] == 0)))
        ini.m_problem = QCoreApplication::translate(
            "SkinLoader", "is UTF-16 text: save it as plain text (UTF-8)");
    ini.m_text = decode(contents);
    return ini;
}

QString IniFile::value(const QString& section, const QString& key) const
{
    bool inSection = false;
    bool sectionSeen = false;

    for (QStringView line : QStringView(m_text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        line = trimmed(line);
        if (line.isEmpty() || line.front() == ';')
            continue;

        if (line.front() == '[') {
            if (sectionSeen)
                return {};
            const qsizetype close = line.indexOf(u']');
            const QStringView name = trimmed(line.mid(1, close < 0 ? -1 : close - 1));
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            sectionSeen = inSection;
            continue;
        }
        if (!inSection)
            continue;

        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        if (trimmed(line.left(equals)).compare(key, Qt::CaseInsensitive) == 0)
            return valueText(line.mid(equals + 1));
    }
    return {};
}

QString iniValueIn(const QByteArray& contents, const QString& section, const QString& key)
{
    return IniFile(contents).value(section, key);
}

QString readIniValue(const QString& filePath, const QString& section, const QString& key)
{
    return IniFile::read(filePath).value(section, key);
}
