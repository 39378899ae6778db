#include "FuzzSupport.h"
#include "formats/NumberText.h"
#include "menus/Crypt.h"
#include "menus/Difficulty.h"
#include "menus/HighScoreRecord.h"
#include "rules/SettingKeys.h"
#include "support/FakePlatform.h"

#include <array>
#include <cstdint>

// Input: one byte of choices, two bytes of a score to store, then the stored Name, Score and
// Level texts, separated by newlines.
//   choices bit 0: the texts are Latin-1 rather than UTF-8
//   choices bits 1 to 3: Name, Score, Level are absent from the store
//   choices bits 4 and 5: the difficulty a new record is written with

namespace {

bool allBelow128(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() > 127)
            return false;
    return true;
}

QString asciiPart(QString text)
{
    for (QChar& c : text)
        c = QChar(ushort(c.unicode() & 0x7f));
    return text;
}

void checkCipher(const QString& text)
{
    const QString ascii = asciiPart(text);
    const QString enciphered = Crypt::Encipher(ascii);
    FUZZ_CHECK(enciphered.size() == ascii.size());
    FUZZ_CHECK(Crypt::Decipher(enciphered) == ascii);
    FUZZ_CHECK(Crypt::Decipher(text).size() == text.size());

    // A character the player sees becomes one "?" unless it is all codes 0 to 127, so a name
    // never grows, loses nothing of plain ASCII and is stored as it is the second time.
    const QString name = storableName(text);
    FUZZ_CHECK(name.size() <= text.size() && allBelow128(name));
    FUZZ_CHECK(allBelow128(text) ? name == text : name.contains(u'?'));
    FUZZ_CHECK(storableName(name) == name);
}

// What the viewer shows must agree with what the game-over dialog compares against.
void checkStored(const FakeSettings& store, bool scoreStored)
{
    const qint16 stored = storedScore(store);
    if (!scoreStored)
        FUZZ_CHECK(stored == 0);
    FUZZ_CHECK(!isNewRecord(stored, stored));
    if (stored < 32767)
        FUZZ_CHECK(isNewRecord(stored, qint16(stored + 1)));

    const ShownRecord shown = recordToShow(store);
    if (shown.foodEaten) {
        FUZZ_CHECK(difficultyNamed(shown.level).has_value());
        FUZZ_CHECK(shown.foodEaten->endsWith(QLatin1String(" pcs")));
        const std::optional<qint16> score = integer16FromText(shown.score);
        FUZZ_CHECK(score.has_value() && *score == stored);
    }
}

void put(FakeSettings& store, const SettingKey& key, const QString& value)
{
    store.writeAll({{QLatin1String(key.section), QLatin1String(key.key), value}});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    const unsigned choices = data[0];
    const qint16 newScore = qint16(data[1] | data[2] << 8);
    const QByteArray bytes(reinterpret_cast<const char*>(data + 3), qsizetype(size - 3));
    const QString all = choices & 1 ? QString::fromLatin1(bytes) : QString::fromUtf8(bytes);
    QStringList texts = all.split(u'\n');
    while (texts.size() < 3)
        texts.append(QString());
    texts[2] = texts.mid(2).join(u'\n');

    const std::array<SettingKey, 3> keys{SettingKeys::Name, SettingKeys::Score, SettingKeys::Level};
    FakeSettings store;
    for (int i = 0; i < 3; ++i)
        if (!(choices & 2u << i))
            put(store, keys[i], texts[i]);
    checkStored(store, !(choices & 4u));
    for (int i = 0; i < 3; ++i)
        checkCipher(texts[i]);

    // A record written the game's way reads back as written.
    const QString name = storableName(texts[0]);
    const QString score = QString::number(newScore);
    const QString level = QLatin1String(Difficulties[(choices >> 4 & 3u) % 3].name);
    writeRecord(store, name, score, level);
    FUZZ_CHECK(storedScore(store) == newScore);
    const ShownRecord shown = recordToShow(store);
    FUZZ_CHECK(shown.name == name && shown.score == score && shown.level == level);
    FUZZ_CHECK(shown.foodEaten.has_value());
    checkStored(store, true);
    return 0;
}
