#include "formats/IniReader.h"
#include "formats/NumberText.h"
#include "formats/PictureLoading.h"
#include "menus/Crypt.h"
#include "menus/HighScoreRecord.h"
#include "platform/LazySoundPlayer.h"
#include "platform/OpenWindows.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtShell.h"
#include "platform/SignalEndRequests.h"
#include "rules/SettingKeys.h"
#include "support/FakePlatform.h"
#include "support/SkinFolder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QThread>
#include <QUrl>
#include <QtEndian>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <zlib.h>

namespace {

// A 1-bit BMP of the given size with its rows stored top first: the reader then gives the height
// as negative.
QByteArray topDownBitmap(int width, int height)
{
    QByteArray bytes = monoBitmap(width, height);
    qToLittleEndian<qint32>(-height, bytes.data() + 22);
    return bytes;
}

// A GIF with a logical screen of the given size holding one 1 x 1 frame: the reader gives the
// frame's size, the picture comes out as large as the screen.
QByteArray gifScreen(quint16 width, quint16 height)
{
    QByteArray bytes = TinyGif;
    qToLittleEndian<quint16>(width, bytes.data() + 6);
    qToLittleEndian<quint16>(height, bytes.data() + 8);
    return bytes;
}

// An uncompressed 32-bit BMP, all black: Qt writes 24 bits a pixel at most.
QByteArray bitmap32(quint32 width, quint32 height)
{
    QByteArray bytes(54, 0);
    const auto put = [&](int at, quint32 value) { qToLittleEndian(value, bytes.data() + at); };
    const quint32 pixelBytes = 4 * width * height;
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(2, 54 + pixelBytes);
    put(10, 54);
    put(14, 40);
    put(18, width);
    put(22, height);
    put(26, 1 | 32 << 16);  // one plane, 32 bits a pixel
    return bytes + QByteArray(pixelBytes, 0);
}

QByteArray pngChunk(const QByteArray& type, const QByteArray& data)
{
    QByteArray chunk(4, 0);
    qToBigEndian(quint32(data.size()), chunk.data());
    chunk += type + data;
    QByteArray crc(4, 0);
    const auto typeOn = reinterpret_cast<const Bytef*>(chunk.constData() + 4);
    qToBigEndian(quint32(crc32(0, typeOn, uInt(chunk.size() - 4))), crc.data());
    return chunk + crc;
}

// A 1 x 1 grey PNG whose image data inflates to `dataBytes` (2 are the picture's: the row's
// filter byte and the pixel), after `texts` compressed texts of 8,000,000 bytes each.
QByteArray greyPng(int dataBytes, int texts = 0)
{
    const QByteArray text =
        QByteArray("Comment\0\0", 9) + qCompress(QByteArray(8'000'000, 0)).sliced(4);
    QByteArray png =
        "\x89PNG\r\n\x1a\n" + pngChunk("IHDR", QByteArray::fromHex("00000001000000010800000000"));
    for (int i = 0; i < texts; ++i)
        png += pngChunk("zTXt", text);
    return png + pngChunk("IDAT", qCompress(QByteArray(dataBytes, 0)).sliced(4))
           + pngChunk("IEND", {});
}

// WinX, Skin, the score as the game-over dialog compares it, and the record as the viewer shows it.
QStringList whatIsRead(const SettingsStore& store)
{
    const ShownRecord shown = recordToShow(store);
    return QStringList{readSetting(store, SettingKeys::WinX), readSetting(store, SettingKeys::Skin),
                       QString::number(storedScore(store))}
           + QStringList{shown.name, shown.score, shown.level, shown.foodEaten.value_or("none")};
}

const char* const WriteRecords = "--write-records";

}  // namespace

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    // The sound module is mapped into the program only once the game asks for its first sound,
    // and not at all where there is none to load.
    void soundModuleLoadsAtTheFirstRequest()
    {
        const auto mapped = [] {
            QFile maps("/proc/self/maps");
            return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/kriel-sound.so");
        };
        LazySoundPlayer nowhere(QDir::tempPath() + "/no-such-folder");
        nowhere.play(QCoreApplication::applicationFilePath());  // silent: no module to play it
        LazySoundPlayer sounds(KRIEL_SOUND_MODULE_FOLDER);
        QVERIFY(!mapped());
        sounds.prepare({});
        QVERIFY(!mapped());
        QCoreApplication::processEvents();
        QVERIFY(mapped());
    }

    void initTestCase()
    {
        // A store settles its file when it is made, so this comes first.
        QVERIFY(m_configHome.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path()));
        QVERIFY(QDir(m_configHome.path()).mkpath("Vamblet"));
    }

    // Whatever the file holds, the store reads what it can, and a new parse of the next write
    // gives back the value as it was written.
    void damagedStoreReadsWhatItCanAndTakesTheNextWrite_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QStringList>("read");
        QTest::addColumn<QString>("next");  // WinY, written next
        QString allCodes;
        for (char16_t code = 1; code <= 0x17F; ++code)
            allCodes += QChar(code);
        const QStringList defaults{"200", "Default", "0", "Nobody", "0", "Easy", "0 pcs"};
        QByteArray garbage(16 << 10, Qt::Uninitialized);
        QRandomGenerator(1).fillRange(reinterpret_cast<quint32*>(garbage.data()), 4 << 10);
        QTest::newRow("garbage, then empty") << garbage << defaults << "";
        QTest::newRow("cut in a value, then backslashes and commas")
            << "[Config]\nWinX=30\n[HighScore]\nScore=" + Crypt::Encipher("120").toUtf8().chopped(1)
            << QStringList{"30", "Default", "12", "Nobody", "12", "Easy", "3 pcs"}
            << "C:\\Skins\\a, b,c,";
        const QByteArray mega(1 << 20, 'M');
        QTest::newRow("WinX not a number, Skin 1 MB long, then quotes and blanks around")
            << "[Config]\nWinX=abc\nSkin=" + mega + '\n'
            << QStringList{"abc", mega, "0", "Nobody", "0", "Easy", "0 pcs"}
            << " \"quoted\" 'x' \"\t";
        // Typed into the file by hand, an unquoted comma makes QSettings read a list.
        QTest::newRow("Skin with a comma by hand, then codes U+0001 to U+017F")
            << QByteArray("[Config]\nSkin=My, Own Skin\n")
            << QStringList{"200", "My, Own Skin", "0", "Nobody", "0", "Easy", "0 pcs"} << allCodes;
        // Each reader deciphers what it finds, enciphered or not, even into control codes.
        QTest::newRow("record by hand")
            << QByteArray("[HighScore]\nName=Bob\nScore=\x02\x03\nLevel=\x01\n")
            << QStringList{"200", "Default", "0", "!71", "\1\1", QString(QChar(u'\0')), "none"}
            << "450";
    }

    void damagedStoreReadsWhatItCanAndTakesTheNextWrite()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QStringList, read);
        QFETCH(QString, next);
        QVERIFY(putStoreFile(contents));
        QtSettingsStore store;
        QCOMPARE(whatIsRead(store), read);

        QVERIFY(writeSettings(store, {{SettingKeys::WinY, next}}));
        // Stamped anew, the file is parsed again, and only the first settings object to parse it
        // reports what it found wrong: the check comes before anything else reads it.
        QFile written(store.location());
        QVERIFY(written.open(QIODevice::ReadOnly) && putStoreFile(written.readAll()));
        QCOMPARE(QSettings(written.fileName(), QSettings::IniFormat).status(), QSettings::NoError);
        const QtSettingsStore fresh;
        QCOMPARE(whatIsRead(fresh), read);
        QCOMPARE(readSetting(fresh, SettingKeys::WinY), next);
    }

    // Whoever runs the test, a folder where the file should be cannot be replaced. Last of those
    // on this file: the values it keeps would cover what later tests put there.
    void aStoreThatCannotBeSavedSaysSoAndKeepsTheValuesForTheRun()
    {
        QtSettingsStore store;
        QVERIFY(store.writeAll({{"Config", "Skin", "Default"}}));
        const QString file = store.location();
        QVERIFY(QFile::remove(file));
        QVERIFY(QDir().mkdir(file));

        QVERIFY(!store.writeAll({{"Config", "Skin", "Neon"}, {"Config", "Sounds", "0"}}));
        QCOMPARE(store.read("Config", "Skin", "Default"), "Neon");
        QCOMPARE(store.read("Config", "Sounds", "1"), "0");
        QVERIFY(QDir().rmdir(file));
    }

    // Killed at any moment while it writes records one after the other, the program leaves a
    // store that reads back, holding one whole record: never the name of one with the score of
    // the other.
    void killedWhileWritingLeavesAWholeRecord()
    {
        for (int run = 0; run < 30; ++run) {
            QTemporaryDir home;
            QProcess writer;
            writer.setEnvironment(QProcess::systemEnvironment()
                                  << "XDG_CONFIG_HOME=" + home.path());
            writer.start(QCoreApplication::applicationFilePath(), {WriteRecords});
            QVERIFY(writer.waitForReadyRead(10000));
            QThread::usleep(QRandomGenerator::global()->bounded(20000));
            writer.kill();
            QVERIFY(writer.waitForFinished(10000));

            // A file of its own each run: nothing of it is cached.
            const QSettings file(home.filePath("Vamblet/Vamblet.ini"), QSettings::IniFormat);
            QCOMPARE(file.status(), QSettings::NoError);
            FakeSettings store;
            for (const QString& key : file.allKeys())
                store.values[key] = file.value(key).toString();
            const ShownRecord record = recordToShow(store);
            const QString whole = record.name + ' ' + record.score + ' ' + record.level;
            QVERIFY2(whole == "Ann 100 Easy" || whole == "Bob 200 Hard", qPrintable(whole));
        }
    }

    // The store lies in the config home of the XDG rules, which ignore a relative value: the folder
    // the game was started from is never written.
    void storeLiesInTheConfigHomeByTheXdgRules()
    {
        QTemporaryDir home, startedFrom;
        const QByteArray oldHome = qgetenv("HOME");
        const QString oldCurrent = QDir::currentPath();
        const auto restore = qScopeGuard([&] {
            qputenv("HOME", oldHome);
            qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path()));
            QDir::setCurrent(oldCurrent);
        });
        qputenv("HOME", QFile::encodeName(home.path()));
        QVERIFY(QDir::setCurrent(startedFrom.path()));
        const std::pair<QString, QString> cases[] = {
            {home.filePath("cfg/"), home.filePath("cfg/Vamblet/Vamblet.ini")},
            {"cfg", home.filePath(".config/Vamblet/Vamblet.ini")},
            {"", home.filePath(".config/Vamblet/Vamblet.ini")},
        };
        for (const auto& [variable, file] : cases) {
            qputenv("XDG_CONFIG_HOME", QFile::encodeName(variable));
            QtSettingsStore store;
            QCOMPARE(store.location(), file);
            QVERIFY(QFile::remove(file) || !QFile::exists(file));
            QVERIFY(store.writeAll({{"Config", "Skin", variable}}));
            QCOMPARE(QSettings(file, QSettings::IniFormat).value("Config/Skin"), variable);
        }
        QVERIFY(QDir(startedFrom.path()).isEmpty());
    }

    // Each of the desktop's ways of asking the program to end is handed on from the event loop,
    // once; a signal found ignored stays so, and what each signal did before comes back.
    void signalsToEndArriveThroughTheEventLoop()
    {
        const auto disposition = [](int signal) {
            struct sigaction found {};
            ::sigaction(signal, nullptr, &found);
            return found.sa_handler;
        };
        for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
            const auto before = disposition(signal);
            int requests = 0;
            {
                SignalEndRequests ending;
                ending.whenAsked([&] { ++requests; });
                QCOMPARE(::raise(signal), 0);
                QCOMPARE(requests, 0);
                for (int i = 0; i < 100 && requests == 0; ++i)
                    QCoreApplication::processEvents();
                for (int i = 0; i < 10; ++i)
                    QCoreApplication::processEvents();
                QCOMPARE(requests, 1);
            }
            QVERIFY2(disposition(signal) == before, strsignal(signal));
        }

        struct sigaction found {};
        ::sigaction(SIGHUP, nullptr, &found);
        const auto restore = qScopeGuard([&] { ::sigaction(SIGHUP, &found, nullptr); });
        std::signal(SIGHUP, SIG_IGN);
        int requests = 0;
        {
            SignalEndRequests ending;
            ending.whenAsked([&] { ++requests; });
            QCOMPARE(::raise(SIGHUP), 0);
            for (int i = 0; i < 10; ++i)
                QCoreApplication::processEvents();
        }
        QCOMPARE(requests, 0);
        QVERIFY(disposition(SIGHUP) == SIG_IGN);
    }

    void iniValueIsFoundAsSkinAuthorsWriteIt_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("expected");
        QTest::newRow("case, blanks") << QByteArray("[ s ]\n K \t=  12.5 \t") << "12.5";
        QTest::newRow("UTF-8 in quotes") << QByteArray("[S]\nk = \"\xC4\x88o\"") << "\u0108o";
        QTest::newRow("only outer quotes go") << QByteArray("[S]\nk=' \"x\" '") << " \"x\" ";
        QTest::newRow("unmatched quotes stay") << QByteArray("[S]\nk=\"x'") << "\"x'";
        QTest::newRow("plain text") << QByteArray("[S]\nk=C:\\a\\b,c;d=e") << "C:\\a\\b,c;d=e";
        QTest::newRow("CRLF, first key wins") << QByteArray("[S]\r\nk=1\r\nk=2") << "1";
        QTest::newRow("BOM, Latin-1") << QByteArray("\xEF\xBB\xBF[S]\nk=\xE9") << "\u00E9";
        QTest::newRow("only the first [S]") << QByteArray("k=1\n[S]\n[T]\nk=1\n[S]\nk=3") << "";
        const QByteArray kept(254, 'a');
        QTest::newRow("254 in quotes") << "[S]\nk=\"" + kept + "bc\"" << QString::fromLatin1(kept);
        // 9 for "[S]\n" and "\nk=23", so that the "4" lies just past the limit.
        const QByteArray mebibyte = "[S]\n" + QByteArray(IniReadLimit - 9, ';') + "\nk=23";
        QTest::newRow("first MiB only") << mebibyte + '4' << "23";
    }

    void iniValueIsFoundAsSkinAuthorsWriteIt()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, expected);
        QTemporaryFile file;
        QVERIFY(file.open() && file.write(contents) == contents.size() && file.flush());
        QCOMPARE(readIniValue(file.fileName(), "S", "k"), expected);
    }

    // A FIFO would keep a reader waiting for a writer for ever: this would hang, not fail. Why a
    // file gives no values is said as it is.
    void missingOrIrregularIniFileAndCommentedOutKeyReadEmpty()
    {
        QTemporaryDir dir;
        QCOMPARE(readIniValue(dir.filePath("config.ini"), "S", "k"), "");
        QCOMPARE(readIniValue(dir.path(), "S", "k"), "");
        QCOMPARE(mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600), 0);
        QCOMPARE(readIniValue(dir.filePath("fifo"), "S", "k"), "");
        QCOMPARE(iniValueIn("[S]\n;k=1", "S", ";k"), "");

        const QString utf16 = "is UTF-16 text: save it as plain text (UTF-8)";
        const std::pair<QByteArray, QString> files[] = {
            {"[S]\nk=1\n", ""},
            {"\xEF\xBB\xBF[S]", ""},
            {"", ""},
            {QByteArrayLiteral("\xFF\xFE[\0S\0]\0"), utf16},
            {QByteArrayLiteral("\xFE\xFF\0[\0S\0]"), utf16},
            {QByteArrayLiteral("[\0S\0]\0"), utf16},
        };
        const QString path = dir.filePath("config.ini");
        for (const auto& [contents, problem] : files) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(contents);
            file.close();
            QCOMPARE(IniFile::read(path).problem().value_or(""), problem);
        }
        const std::pair<QString, QString> others[] = {
            {dir.filePath("none.ini"), "missing"},
            {dir.filePath("fifo"), "not a regular file"},
            {dir.filePath(QString(300, 'x')), "cannot be read (file name too long)"},
        };
        for (const auto& [other, problem] : others)
            QCOMPARE(IniFile::read(other).problem().value_or(""), problem);
    }

    // Each text with the number it reads as, or none; U+0663 is an arabic-indic three. Whole
    // numbers round halves to even within 16 bits; a number is written in its shortest plain form.
    void numbersAreReadAndWrittenAsPlainDecimalText()
    {
        const std::optional<double> none;
        const std::pair<QString, std::optional<double>> numbers[] = {
            {" \t-.5 ", -0.5}, {"+5.", 5.0},    {"1.5e+3", 1500.0}, {"25E-2", 0.25},
            {"", none},        {"12abc", none}, {"0x10", none},     {"\u0663", none},
            {"nan", none},     {"-inf", none},  {"1e400", none},
        };
        for (const auto& [text, number] : numbers)
            QVERIFY2(numberFromText(text) == number, qPrintable(text));
        const std::optional<qint16> notWhole;
        const std::pair<QString, std::optional<qint16>> wholes[] = {
            {"2.5", 2},           {"3.5", 4},           {"-2.5", -2},
            {"-32768.5", -32768}, {"-32769", notWhole}, {"32767.5", notWhole},
            {"32767", 32767},     {"32768", notWhole},  {"-32768", -32768},
        };
        for (const auto& [text, number] : wholes)
            QVERIFY2(integer16FromText(text) == number, qPrintable(text));
        for (const auto& [value, text] :
             {std::pair{3000.0f, "3000"}, {12.5f, "12.5"}, {0.1f, "0.1"}, {3e6f, "3000000"}})
            QCOMPARE(numberText(value), text);
        for (const float value : {1.0f / 3.0f, 123456.79f, 0x1.fffffep127f, 0x1p-149f})
            QVERIFY2(singleFromText(numberText(value)) == value, qPrintable(numberText(value)));
    }

    // 'L' loads a window, 'U' unloads one, '.' returns from the handler and runs pending events.
    void programEndsOnlyWhenNoWindowIsLeftAfterTheHandler()
    {
        const std::pair<QString, int> scripts[] = {
            {"LU", 0},      // not before the handler returns
            {"LLU.", 0},    // one window is left
            {"LUL.", 0},    // a window hands over to the next
            {"LUL.U.", 1},  // and that one closes later
            {"LULU.", 1},   // two handovers, then none
        };
        for (const auto& [script, quits] : scripts) {
            int quitCalls = 0;
            OpenWindows windows([&] { ++quitCalls; });
            for (const QChar step : script) {
                if (step == 'L')
                    windows.loaded(nullptr);
                else if (step == 'U')
                    windows.unloaded(nullptr);
                else
                    QCoreApplication::processEvents();
            }
            QVERIFY2(quitCalls == quits, qPrintable(script));
        }
    }

    // A desktop without an opener must not leave the player clicking at nothing; where the
    // desktop opens it (no name), nothing is said.
    void whatCannotBeOpenedIsNamed()
    {
        const std::pair<QUrl, QString> targets[] = {
            {QUrl::fromLocalFile("/usr/lib/kriel/readme.htm"), "/usr/lib/kriel/readme.htm"},
            {QUrl("https://example.org/kriel/skins"), "https://example.org/kriel/skins"},
            {QUrl::fromLocalFile("/usr/lib/kriel/skinning.htm"), ""},
        };
        for (const auto& [target, named] : targets) {
            ScriptedDialogs dialogs;
            QList<QUrl> tried;
            QtShell shell(dialogs, [&](const QUrl& url, const std::function<void(bool)>& taken) {
                tried.append(url);
                taken(named.isEmpty());
            });
            QVERIFY(shell.open(target));
            QCOMPARE(tried, QList<QUrl>{target});
            QCOMPARE(dialogs.shown.size(), named.isEmpty() ? 0 : 1);
            if (named.isEmpty())
                continue;
            QCOMPARE(dialogs.shown[0].kind, "message");
            QCOMPARE(dialogs.shown[0].title, "Kriel - Cannot Open");
            QVERIFY2(dialogs.shown[0].prompt.contains(" " + named + ":"),
                     qPrintable(dialogs.shown[0].prompt));
        }
    }

    // The desktop's opener, xdg-open where there is one, runs beside the game, which goes on
    // meanwhile: its failure status (xdg-open's 3, no application for the type), a crash or an
    // opener that cannot start is said once it is known; a clean end is not. It is given the path
    // alone, and never what it would read as an option.
    void anOpenerThatFailsIsOneThatIsMissing()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath("go");
        QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        const QString document = dir.filePath("read me.htm");
        const std::pair<QString, int> openers[] = {
            {"exit 3", 1}, {"exit 0", 0}, {"kill -SEGV $$", 1}, {"", 1}};
        for (const auto& [body, messages] : openers) {
            QString program = dir.filePath("no-such-opener");
            if (!body.isEmpty()) {
                program = dir.filePath("xdg-open");
                QFile script(program);
                QVERIFY(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
                script.write(QString("#!/bin/sh\nprintf %s \"$1\" > \"$0.arg\"\nread go < " + fifo
                                     + "\n" + body + "\n")
                                 .toUtf8());
                script.close();
                script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            }
            ScriptedDialogs dialogs;
            QEventLoop ended;
            const QByteArray path = qgetenv("PATH");
            qputenv("PATH", QFile::encodeName(dir.path()));
            const QtShell::Opener opener =
                body.isEmpty() ? QtShell::programOpener(program) : QtShell::desktopOpener();
            qputenv("PATH", path);
            QtShell shell(dialogs, [&](const QUrl& target, const std::function<void(bool)>& taken) {
                opener(target, [&, taken](bool outcome) {
                    taken(outcome);
                    ended.quit();
                });
            });
            QVERIFY(shell.open(QUrl::fromLocalFile(document)));
            QVERIFY(dialogs.shown.isEmpty());
            if (!body.isEmpty()) {
                QFile go(fifo);  // the opener waits for this before it ends
                QVERIFY(go.open(QIODevice::WriteOnly));
                go.write("\n");
            }
            ended.exec();
            QVERIFY2(dialogs.shown.size() == messages, qPrintable(body));
            if (!body.isEmpty()) {
                QFile passed(program + ".arg");
                QVERIFY(passed.open(QIODevice::ReadOnly));
                QCOMPARE(QString::fromUtf8(passed.readAll()), document);
            }
        }

        ScriptedDialogs dialogs;
        bool outcome = true;
        QtShell::programOpener("/bin/true")(QUrl("-h"), [&](bool taken) { outcome = taken; });
        QVERIFY(!outcome);
    }

    // Each file with what it gives: its size, or why it is refused. Qt's readers alone refuse a
    // cut ICO, CUR, XPM or PNM, and would take every other file refused here.
    void pictureLoadsOnlyWholeAndWithinItsBounds_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("outcome");  // "W x H" when it loads
        const QString endsEarly = "its data ends early";
        const QString runsPast = "its data runs past its size";
        const QString tooLarge = "larger than 8192 pixels a side or 32000000 in all";
        QImage gradient(64, 48, QImage::Format_RGB32);
        for (int y = 0; y < gradient.height(); ++y)
            for (int x = 0; x < gradient.width(); ++x)
                gradient.setPixel(x, y, qRgb(4 * x, 5 * y, 128));
        const QStringList walked{"bmp", "jpeg", "png", "xbm"};
        for (const char* format :
             {"bmp", "cur", "ico", "jpeg", "pbm", "pgm", "png", "ppm", "xbm", "xpm"}) {
            const QByteArray whole = writtenPicture(gradient, format);
            QTest::addRow("%s whole", format) << whole << "64 x 48";
            QTest::addRow("%s cut", format)
                << whole.first(whole.size() * 3 / 4)
                << (walked.contains(format) ? endsEarly : "not a picture");
        }
        const auto row = [](const char* name) -> QTestData& { return QTest::newRow(name); };
        const QByteArray plainPbm = "P1\n4 2\n0 1 0 1\n1 0 1 0\n";
        row("pbm plain whole") << plainPbm << "4 x 2";
        row("pbm plain cut") << plainPbm.chopped(4) << "not a picture";
        row("gif whole") << TinyGif << "1 x 1";
        row("gif cut") << TinyGif.chopped(2) << endsEarly;
        // Its codes give two pixels to a frame of one.
        row("gif past its frame") << QByteArray(TinyGif).replace(QByteArray::fromHex("4401"),
                                                                 QByteArray::fromHex("040a"))
                                  << runsPast;

        const QByteArray jpeg = writtenPicture(gradient, "jpeg");
        row("jpeg without its end marker") << jpeg.chopped(2) << endsEarly;
        row("jpeg, then a thumbnail") << jpeg + jpeg << "64 x 48";
        row("jpeg of the most scans") << progressiveJpeg(gradient, MaxJpegScans) << "64 x 48";
        row("jpeg of a scan more") << progressiveJpeg(gradient, MaxJpegScans + 1)
                                   << "a JPEG of 33 scans, more than the 32 taken at its size";
        // The frame's size told as 8000 x 4000, where fewer scans are taken.
        const QByteArray scans13 = progressiveJpeg(gradient, 13);
        const qsizetype frame = scans13.indexOf("\xFF\xC2") + 5;
        row("large jpeg of a scan more")
            << QByteArray(scans13).replace(frame, 4, QByteArray::fromHex("0fa01f40"))
            << "a JPEG of 13 scans, more than the 12 taken at its size";
        row("png inflating to its size") << greyPng(2) << "1 x 1";
        row("png inflating past it") << greyPng(3) << runsPast;
        row("png inflating short of it") << greyPng(1) << endsEarly;
        // Its zlib header fails its check.
        row("png of no zlib stream")
            << greyPng(2).replace("IDAT\x78\x9c", "IDAT\x78\x9d") << "not a picture";
        // More image data than the walk inflates at a time, compressed (not stored, where a byte
        // lost would go unseen) into the 8 KB chunks libpng writes.
        QImage noise(160, 160, QImage::Format_RGB32);
        quint32 state = 1;
        for (int y = 0; y < noise.height(); ++y)
            for (int x = 0; x < noise.width(); ++x)
                noise.setPixel(x, y, (state = state * 1664525 + 1013904223) & 0x030303);
        row("png in many chunks") << writtenPicture(noise, "png") << "160 x 160";
        row("png of 4 texts of 8 MB") << greyPng(2, 4) << "1 x 1";
        row("png of 5") << greyPng(2, 5)
                        << "a PNG whose compressed texts could inflate to more than 32 MB";

        const QByteArray largest = bitmap32(8000, 4000);
        row("largest 32-bit bmp") << largest << "8000 x 4000";
        row("a byte past 128 MB") << largest + QByteArray(MaxPictureBytes - largest.size() + 1, 0)
                                  << "larger than 128 MB";
        // Each size limit one pixel over.
        row("top-down 8192 x 2") << topDownBitmap(MaxPictureSide, 2) << "8192 x 2";
        row("gif screen 8192 x 1") << gifScreen(MaxPictureSide, 1) << "8192 x 1";
        row("top-down 8193 x 1") << topDownBitmap(MaxPictureSide + 1, 1) << tooLarge;
        row("top-down 1 x 8193") << topDownBitmap(1, MaxPictureSide + 1) << tooLarge;
        row("top-down 4000 x 8001") << topDownBitmap(4000, 8001) << tooLarge;
        row("gif screen 8193 x 1") << gifScreen(MaxPictureSide + 1, 1) << tooLarge;
        row("gif screen 1 x 8193") << gifScreen(1, MaxPictureSide + 1) << tooLarge;
    }

    void pictureLoadsOnlyWholeAndWithinItsBounds()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, outcome);
        const PictureResult result = pictureFromBytes(file);
        const QSize size = result.picture.size();
        QCOMPARE(result.loaded() ? QString("%1 x %2").arg(size.width()).arg(size.height())
                                 : result.refusal,
                 outcome);
    }

    // A picture of 32 MB or more is decoded onto memory mapped for it: every pixel still comes out
    // in place.
    void largePictureComesOutWhole()
    {
        QImage source(4096, 2049, QImage::Format_RGB32);
        for (int y = 0; y < source.height(); ++y)
            for (int x = 0; x < source.width(); ++x)
                source.setPixel(x, y, qRgb(x, y, x ^ y));
        QCOMPARE(pictureFromBytes(writtenPicture(source, "bmp")).picture, source);
    }

private:
    // Stamped with a time of its own: QSettings trusts a file that keeps its size and time.
    bool putStoreFile(const QByteArray& contents)
    {
        QFile file(m_configHome.filePath("Vamblet/Vamblet.ini"));
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
               && file.write(contents) == contents.size()
               && file.setFileTime(QDateTime::fromSecsSinceEpoch(1'000'000 + ++m_stamps),
                                   QFileDevice::FileModificationTime);
    }

    QTemporaryDir m_configHome;
    int m_stamps = 0;
};

int main(int argc, char** argv)
{
    // Run so, the program writes two records in turn for ever through the game's own store, for
    // the test above to kill; it says so once the first is on disk.
    if (argc == 2 && qstrcmp(argv[1], WriteRecords) == 0) {
        QCoreApplication app(argc, argv);
        QtSettingsStore store;
        for (long i = 0;; ++i) {
            const bool ann = i % 2 == 0;
            writeRecord(store, ann ? "Ann" : "Bob", ann ? "100" : "200", ann ? "Easy" : "Hard");
            if (i == 0) {
                std::puts("writing");
                std::fflush(stdout);
            }
        }
    }
    QCoreApplication app(argc, argv);
    TestPlatform test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_platform.moc"
