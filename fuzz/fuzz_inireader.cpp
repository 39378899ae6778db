#include "FuzzSupport.h"
#include "formats/IniReader.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

namespace {

// The first section header and the first key line of the input, when it has them, so that
// lookups also hit whatever the fuzzer has built rather than only the names a skin uses.
std::pair<QString, QString> namesIn(const QByteArray& contents)
{
    const QString text = QString::fromLatin1(contents);
    QString section;
    QString key;
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (section.isEmpty() && line.startsWith(u'[')) {
            section = line.mid(1, line.indexOf(u']') - 1).trimmed().toString();
        } else if (!section.isEmpty() && line.contains(u'=')) {
            key = line.left(line.indexOf(u'=')).trimmed().toString();
            break;
        }
    }
    return {section, key};
}

QString swapAsciiCase(QString text)
{
    for (QChar& c : text)
        if (c.isLetter() && c.unicode() < 128)
            c = c.isUpper() ? c.toLower() : c.toUpper();
    return text;
}

void lookUp(const QByteArray& contents, const QString& section, const QString& key)
{
    const QString value = iniValueIn(contents, section, key);
    FUZZ_CHECK(value.size() <= IniValueMaxLength);
    FUZZ_CHECK(!value.contains(u'\n'));
    // A value is a piece of one line of the file, in one of the two encodings it may be read in.
    FUZZ_CHECK(QString::fromUtf8(contents).contains(value)
               || QString::fromLatin1(contents).contains(value));
    // Letter case never changes what is found.
    FUZZ_CHECK(iniValueIn(contents, swapAsciiCase(section), swapAsciiCase(key)) == value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Not copied, so that a read past the end of the input is caught.
    const QByteArray contents =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));

    lookUp(contents, QStringLiteral("Positions"), QStringLiteral("PlayAreaX"));
    lookUp(contents, QStringLiteral("Info"), QStringLiteral("Comments"));
    lookUp(contents, QStringLiteral("ratio"), QStringLiteral("sizeratio"));
    lookUp(contents, QString(), QString());
    const auto [section, key] = namesIn(contents);
    lookUp(contents, section, key);
    lookUp(contents, section, QStringLiteral("Name"));
    return 0;
}
