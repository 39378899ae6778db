#include "engine/SkinPreview.h"
#include "layouts/PlayWindowLayout.h"
#include "platform/QtProgramFacts.h"
#include "platform/WindowShape.h"
#include "rules/NewGame.h"
#include "rules/Tick.h"
#include "skins/Region.h"
#include "skins/SkinCheck.h"
#include "skins/SkinFolders.h"
#include "skins/SkinReader.h"
#include "skins/cDIBSection.h"
#include "skins/frmSkin.h"
#include "support/FakePlatform.h"
#include "support/SkinFolder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QWidget>
#include <QWindow>

#include <sys/stat.h>

namespace {

// Section, key and a value refused.
constexpr const char* OutOfRange[][3] = {
    {"Colors", "KrielR", "-1"},          {"Colors", "KrielR", "32768"},
    {"Colors", "KrielR", "-32768"},      {"Colors", "KrielR", "-32769"},
    {"Styles", "KrielShape", "65536"},  // 0 once cut to 16 bits
    {"Ratio", "SizeRatio", "0"},         {"Ratio", "SizeRatio", "-3"},
    {"Ratio", "SizeRatio", "1e999"},     {"Ratio", "SizeRatio", "0.01"},  // under one twip
    {"Positions", "PlayAreaX", "1e999"}, {"Positions", "PlayAreaX", "nan"},
    {"Positions", "PlayAreaX", "0x10"},  {"Positions", "PlayAreaX", "\u0661\u0662"},
    {"Styles", "KrielShape", "-1"},
};

// A skin read onto the play window's board and look, as the play window reads it.
struct Loaded {
    Board board = playWindowBoard();
    PlayLook look = layoutLook();
    std::optional<QRegion> outline;
    std::optional<SkinError> error;
};

Loaded load(const QString& path, const FixedFacts& facts = {}, Loaded onto = {})
{
    SkinRead read = readSkin(path, PixelScale::of(facts), onto.look);
    read.skin.grid.applyTo(onto.board);
    std::optional<QRegion> outline;
    if (read.skin.SkinRegion)
        outline = read.skin.SkinRegion->hndRegion();
    return {onto.board, read.skin.look, outline, read.error};
}

QRectF rect(const TwipsRect& r)
{
    return QRectF(r.left, r.top, r.width, r.height);
}

QByteArray garbage(quint32 seed)
{
    QByteArray bytes(4096, Qt::Uninitialized);
    QRandomGenerator(seed).fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
    return bytes;
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Puts `contents` in the file's place, or what these name. A FIFO, read, would wait for a writer
// for ever: were it opened, this test would hang until CTest's timeout ends it.
bool replaceFile(const QString& path, const QString& what, const QByteArray& contents)
{
    QFile file(path);
    if (what == "missing")
        return file.remove();
    if (what == "a folder")
        return file.remove() && QDir().mkdir(path);
    if (what == "a link to itself")
        return file.remove() && QFile::link(path, path);
    if (what == "a FIFO")
        return file.remove() && mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    const qint64 size = what.endsWith("MB of hole") ? qint64(200) << 20 : contents.size();
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && file.write(contents) == contents.size() && file.resize(size);
}

constexpr QRgb Black = qRgb(0, 0, 0);
// Red, green and blue all differ, so that the order they are read in shows.
constexpr QRgb Clear = qRgb(10, 20, 30);

// Rows top first: '.' Clear, anything else black.
QImage picture(const QStringList& rows)
{
    QImage image(int(rows.first().size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, rows[y][x] == '.' ? Clear : Black);
    return image;
}

// `rows` rows, each drawn twice, of `runs` one-pixel runs a pixel apart and shifted by a pixel from
// row to row, then `extra` runs in a last row: `rows` × `runs` rectangles, with rows alike merged.
QImage checkerboard(int rows, int runs, int extra = 0)
{
    QImage image(2 * runs + 2, 2 * rows + (extra ? 1 : 0), QImage::Format_RGB32);
    image.fill(Clear);
    for (int y = 0; y < image.height(); ++y)
        for (int i = 0; i < (y < 2 * rows ? runs : extra); ++i)
            image.setPixel(2 * i + (y < 2 * rows ? y / 2 % 2 : 1), y, Black);
    return image;
}

// The game's Skins hold "Default", the skin of a first run, two others, a file "Shared" and a
// text file; the player's data home holds a skin of the player's own, another Default, a
// "Shared" folder that the game's file does not hide, and names that are no skin names.
struct Skins {
    Skins()
    {
        fake.facts.folder = program.programFolder();
        fake.facts.playerData = player.programFolder();
        program.writeConfig("[Info]\nName=Nights\nAuthor=Vi\nWebSite=https://n.org\nComments=Hi.");
        addSkin(programSkins(), "aqua", "[info]\nname=Aqua\n");
        addSkin(programSkins(), "NoName",
                "[Info]\nAuthor=Someone\nWebSite=C:\\Windows\\calc.exe\n");
        QFile(programSkins() + "notes.txt").open(QIODevice::WriteOnly);
        QFile(programSkins() + "Shared").open(QIODevice::WriteOnly);
        player.writeConfig("[Info]\nName=Mine\nWebSite=https://mine.org\n");
        addSkin(playerSkins(), "Default", "[Info]\nName=Shadowed\n");
        addSkin(playerSkins(), "a\\b", "[Info]\nName=Back\n");
        QDir(playerSkins()).mkpath(".hidden");
        QDir(playerSkins()).mkpath("Shared");
    }

    QString programSkins() const { return program.programFolder() + "/Skins/"; }
    QString playerSkins() const { return player.programFolder() + "/kriel/Skins/"; }
    void addSkin(const QString& folder, const QString& name, const QByteArray& config)
    {
        QDir().mkpath(folder + name);
        QFile file(folder + name + "/config.ini");
        file.open(QIODevice::WriteOnly);
        file.write(config);
    }

    QListWidget* list() { return form.control<QListWidget>("List1"); }
    QStringList items()
    {
        QStringList texts;
        for (int i = 0; i < list()->count(); ++i)
            texts << list()->item(i)->text();
        return texts;
    }
    void select(const QString& name) { list()->setCurrentItem(list()->findItems(name, {})[0]); }
    QString caption(const char* name) { return captionOf(form.control(name)); }
    // Buttons and the web address alike: an unloading window is deleted only later.
    void click(const char* name) { QTest::mouseClick(form.control(name), Qt::LeftButton); }

    FakePlatform fake;
    SkinFolder program{"Default"};
    SkinFolder player{"mine", "kriel/Skins"};
    frmSkin form{fake.platform};
};

}  // namespace

class TestSkins : public QObject {
    Q_OBJECT

private slots:
    // Read again onto a board in play (the S key), a skin resizes only the head. Sections and keys
    // are found whatever their case. The screen has 15 twips a pixel across and 12 down, and each
    // figure goes by its own direction. The window is shaped to every pixel not of the bottom-left
    // one's colour bar the rightmost column, so a bitmap of one pixel would show nothing: it is
    // refused, and no outline comes with it.
    void goodSkinSetsEveryValueAndShapesTheWindow()
    {
        SkinFolder skin;
        FixedFacts facts;
        facts.twipsDown = 12;
        Loaded s = load(skin.skinPath(), facts);
        QVERIFY(!s.error);
        s.board.shpkriel.push_back(s.board.head());
        const TwipsRect body = s.board.shpkriel.back();
        // Just tall enough for a play area of 19 cells 12.5 × 15 twips high from 5 pixels down.
        skin.setBitmap(SkinFolder::defaultBitmap({240, 302}));
        // Values unlike the layout's own, so that each shows it was applied: Kriel's components
        // up to the largest 16-bit number, a half down and a half up, and cells and places of a
        // fraction of a pixel.
        skin.writeConfig("[positions]\nplayareax=0.5\nplayareay=5\nscoretextx=50\nscoretexty=2\n"
                         "[colors]\nkrielr=32767\nkrielg=2.5\nkrielb=3.5\nnotifierr=255\n"
                         "notifierg=255\nnotifierb=0\nkrielborderr=4\nkrielborderg=5\n"
                         "krielborderb=6\nplayborderr=10\nplayborderg=20\nplayborderb=30\n"
                         "scorer=200\nscoreg=100\nscoreb=50\n[styles]\nkrielshape=4\n"
                         "krielborder=2\nplayborder=3\nfontsize=12\nfont=arial\n"
                         "[ratio]\nsizeratio=12.5\n");
        s = load(skin.skinPath(), facts, s);
        QVERIFY(!s.error);
        const PlayLook& look = s.look;
        QCOMPARE(QSizeF(look.width, look.height), QSizeF(240 * 15, 302 * 12));
        QCOMPARE(look.picture.size(), QSize(240, 302));
        QCOMPARE(look.food.size(), QSize(1, 1));
        QCOMPARE(rect(s.board.shprect), QRectF(0.5 * 15, 5 * 12, 3562.5, 3562.5));
        QCOMPARE(QPointF(look.scoreLeft, look.scoreTop), QPointF(50 * 15, 2 * 12));
        QCOMPARE(rect(s.board.head()).size(), QSizeF(12.5 * 15, 12.5 * 12));
        QCOMPARE(rect(s.board.shpfood).size(), QSizeF(12.5 * 15, 12.5 * 12));
        QCOMPARE(look.cell.fillColor, Color::fromRgb(255, 2, 4));
        QCOMPARE(look.notifier.backColor, Color::fromRgb(255, 255, 0));
        QCOMPARE(look.notifier.borderColor, Color::fromRgb(255, 255, 0));
        QCOMPARE(look.cell.borderColor, Color::fromRgb(4, 5, 6));
        QCOMPARE(look.playArea.borderColor, Color::fromRgb(10, 20, 30));
        QCOMPARE(look.scoreColor, Color::fromRgb(200, 100, 50));
        QCOMPARE(look.cell.shape, ShapeCode::RoundedRectangle);
        QCOMPARE(look.cell.borderStyle, BorderStyle::Dash);
        QCOMPARE(look.playArea.borderStyle, BorderStyle::Dot);
        QCOMPARE(look.scoreFont.pointSize, 12.0f);
        QCOMPARE(look.scoreFont.face, QStringLiteral("arial"));
        QVERIFY(s.board.shpkriel.at(1) == body);
        const QRegion outline = QRegion(0, 0, 239, 302) - QRegion(0, 301, 1, 1);
        QVERIFY(s.outline && s.outline->xored(outline).isEmpty());
        skin.setBitmap(SkinFolder::defaultBitmap().copy(0, 0, 1, 1));
        s = load(skin.skinPath(), facts, s);
        QVERIFY(s.error && s.error->file.endsWith("/skin.bmp"));
        QVERIFY2(s.error->reason.startsWith("leaves no pixel"), qPrintable(s.error->reason));
        QVERIFY(!s.outline);
    }

    // The outline moves to a framed window's client area, and stays where it is on a frameless
    // one such as the play window, whatever frame was measured before it lost its border; the
    // window then takes it as its mask.
    void outlineFollowsOnlyAFramedWindowsFrame()
    {
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QSize extra = window.frameGeometry().size() - window.geometry().size();
        QVERIFY(extra.width() > 0 && extra.height() > 0);
        Region region;
        qint32 transColor = 1;
        region.ScanPicture(SkinFolder::defaultBitmap(), transColor);
        const QRegion scanned = region.hndRegion();
        region.OffsetHeader(&window);
        const QPoint moved = region.hndRegion().boundingRect().topLeft();
        QCOMPARE(moved - scanned.boundingRect().topLeft(),
                 QPoint(extra.width() / 2, extra.height() - extra.width() / 2));
        window.overrideWindowFlags(window.windowFlags() | Qt::FramelessWindowHint);
        region.OffsetHeader(&window);
        QCOMPARE(region.hndRegion().boundingRect().topLeft(), moved);
        region.ApplyRgn(&window);
        QVERIFY(window.mask().xored(region.hndRegion()).isEmpty());
    }

    void refusedValueStopsTheLoadAtItsKey_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");  // null: the key is left out
        // Every value but the font and the skin's name is needed.
        for (const auto& [section, key, text] : m_skin.entries())
            if (key != "Font" && key != "Name")
                QTest::addRow("%s missing", qPrintable(key)) << section << key << QString();
        for (const auto& [section, key, text] : OutOfRange)
            QTest::addRow("%s %s", key, text) << section << key << text;
    }

    void refusedValueStopsTheLoadAtItsKey()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        SkinFolder skin;
        value.isNull() ? skin.removeValue(section, key) : skin.setValue(section, key, value);
        const Loaded s = load(skin.skinPath());
        const std::optional<SkinError>& error = s.error;
        QVERIFY(error);
        QCOMPARE(error->reason == "missing", value.isEmpty());
        QCOMPARE(QStringList({error->file, error->section, error->key, error->value}),
                 QStringList({skin.skinPath() + "/config.ini", section, key, value}));
        // What was read before the refused key is applied, nothing after it.
        QCOMPARE(s.board.shprect.left, key == "PlayAreaX" ? 960.0f : 60.0f);
        const bool coloursRead = section == "Styles" || section == "Ratio";
        QCOMPARE(s.look.scoreColor, coloursRead ? Color::fromRgb(200, 100, 50) : Color());
        QCOMPARE(rect(s.board.head()), rect(playWindowBoard().head()));
    }

    // The play area must lie wholly inside the 60 × 50 pixel window: the value blamed is the edge
    // that lies outside, or the cell size when 19 cells are more than the window holds.
    void playAreaOutsideTheWindowIsRefusedNamingTheValueToChange()
    {
        const std::tuple<const char*, const char*, const char*> values[] = {
            {"PlayAreaX", "22", ""},
            {"PlayAreaX", "22.01", "PlayAreaX"},
            {"PlayAreaX", "-0.01", "PlayAreaX"},
            {"PlayAreaX", "1e37", "PlayAreaX"},
            {"PlayAreaY", "12", ""},
            {"PlayAreaY", "12.01", "PlayAreaY"},
            {"PlayAreaY", "-1", "PlayAreaY"},
            {"SizeRatio", "2.6", "PlayAreaY"},
            {"SizeRatio", "2.7", "SizeRatio"},
        };
        for (const auto& [key, value, refused] : values) {
            SkinFolder skin;
            skin.setValue(key == QString("SizeRatio") ? "Ratio" : "Positions", key, value);
            const std::optional<SkinError> error = load(skin.skinPath()).error;
            QVERIFY2(QString(error ? error->key : "") == refused, value);
            if (error)
                QVERIFY2(error->reason.contains(" outside the 60 × 50 pixel window"),
                         qPrintable(error->reason));
        }
    }

    // On any skin the loader takes, a fresh game's head walks the 19 cells of a row or column and
    // dies on the step to the first cell outside, on every side: cells and places of a fraction
    // of a pixel, on a screen of 15 twips a pixel and on one of 13.0625 across and 12 down.
    void freshGameStopsAtTheFirstCellOutsideOnEverySide()
    {
        const std::tuple<const char*, const char*, const char*> skins[] = {
            {"16.01", "0.3", "1.7"},
            {"12.3", "17.71", "3.09"},
            {"7.77", "0", "0"},
            {"3.3333", "101.1", "33.3"},
        };
        const std::pair<Heading, QPoint> walks[] = {{Heading::Right, {0, 0}},
                                                    {Heading::Left, {18, 0}},
                                                    {Heading::Down, {0, 0}},
                                                    {Heading::Up, {0, 18}}};
        for (const auto& [cell, x, y] : skins) {
            for (const auto& [across, down] : {std::pair{15.0f, 15.0f}, {13.0625f, 12.0f}}) {
                SkinFolder skin;
                skin.setBitmap(SkinFolder::defaultBitmap({420, 420}));
                skin.setValue("Ratio", "SizeRatio", cell);
                skin.setValue("Positions", "PlayAreaX", x);
                skin.setValue("Positions", "PlayAreaY", y);
                FixedFacts facts;
                facts.twipsAcross = across;
                facts.twipsDown = down;
                for (const auto& [heading, start] : walks) {
                    Loaded s = load(skin.skinPath(), facts);
                    QVERIFY(!s.error);
                    SeededRandom random;
                    const QPoint food = start.y() == 0 ? QPoint(9, 18) : QPoint(18, 9);
                    for (int i : {food.x(), food.y(), start.x(), start.y()})
                        random.scripted.push_back(SeededRandom::pickIndex(i));
                    KrielState state{heading, 0, 0};
                    NewGame(s.board, state, random);
                    const QString where = QString("%1 at %2, %3, %4 twips a pixel, heading %5")
                                              .arg(cell, x, y)
                                              .arg(across)
                                              .arg(int(heading));
                    for (int step = 1; step <= 19; ++step)
                        QVERIFY2(Tick(s.board, state, 6, random).died == (step == 19),
                                 qPrintable(where + QString(", step %1").arg(step)));
                }
            }
        }
    }

    // Every code the format allows, read from the file, and one past the last.
    void codesAreTakenUpToTheLastAllowed()
    {
        const auto loaded = [](const char* key, int code) {
            SkinFolder skin;
            skin.setValue("Styles", key, QString::number(code));
            const Loaded s = load(skin.skinPath());
            return s.error ? std::optional<PlayLook>() : std::optional(s.look);
        };
        for (int code = 0; code <= 7; ++code) {
            const auto shape = loaded("KrielShape", code);
            const auto kriel = loaded("KrielBorder", code);
            const auto play = loaded("PlayBorder", code);
            QCOMPARE(shape ? int(shape->cell.shape) : -1, code <= 5 ? code : -1);
            QCOMPARE(kriel ? int(kriel->cell.borderStyle) : -1, code <= 6 ? code : -1);
            QCOMPARE(play ? int(play->playArea.borderStyle) : -1, code <= 6 ? code : -1);
        }
    }

    // A refused file is named, with the key of the first value refused in it or why the file
    // itself could not be used.
    void skinFileLoadsOrIsRefusedNamingIt_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("refusal");  // the key, or how the reason starts; "" loads
        const auto row = [](const QString& file, const QString& what, const QByteArray& contents,
                            const QString& refusal) {
            QTest::addRow("%s %s", qPrintable(file), qPrintable(what))
                << file << what << contents << refusal;
        };
        const QString notAPicture = "not a picture";
        const QString endsEarly = "its data ends early";
        const QString tooLarge = "larger than 8192 pixels a side or 32000000 in all";
        const QString notRegular = "not a regular file";
        // The image data comes last but for the trailer, which some writers leave out; the first
        // six bytes say it is a GIF.
        for (qsizetype cut = 0; cut < m_food.size(); ++cut)
            row("food.gif", QString("cut to %1 bytes").arg(cut), m_food.left(cut),
                cut == m_food.size() - 1 ? ""
                : cut < 6                ? notAPicture
                                         : endsEarly);
        row("food.gif", "garbage", "GIF89a" + garbage(1), notAPicture);
        row("skin.bmp", "header only", m_bitmap.left(54), endsEarly);
        row("skin.bmp", "half its pixels", m_bitmap.left(54 + (m_bitmap.size() - 54) / 2),
            endsEarly);
        // Its header, as random as the rest, claims a size past the limits.
        row("skin.bmp", "garbage", "BM" + garbage(2), tooLarge);
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        SkinFolder::defaultBitmap().save(&buffer, "JPEG");
        row("skin.bmp", "a JPEG", jpeg, "");
        row("skin.bmp", "half a JPEG", jpeg.left(jpeg.size() / 2), endsEarly);
        // 100000 x 100000, which would take 30 GB if allocated before being looked at.
        row("skin.bmp", "enormous",
            monoBitmap(1, 1).replace(18, 8, QByteArray::fromHex("a0860100a0860100")), tooLarge);
        // Each limit refuses a whole file one pixel over it, which Qt alone would decode.
        row("skin.bmp", "8192 x 40", monoBitmap(8192, 40), "");
        row("skin.bmp", "10 x 8193", monoBitmap(10, 8193), tooLarge);
        row("skin.bmp", "8000 x 4000", monoBitmap(8000, 4000), "");
        row("skin.bmp", "8000 x 4001", monoBitmap(8000, 4001), tooLarge);
        // Refused by its size alone, without a byte read.
        row("skin.bmp", "the picture, then 200 MB of hole", m_bitmap, "larger than 128 MB");
        for (const QString file : {"skin.bmp", "food.gif", "config.ini"}) {
            row(file, "missing", {}, "missing");
            row(file, "empty", {}, file == "config.ini" ? "PlayAreaX" : notAPicture);
            for (const char* what : {"a folder", "a link to itself", "a FIFO"})
                row(file, what, {}, notRegular);
        }
        row("config.ini", "garbage", garbage(3), "PlayAreaX");
        const QByteArray longLine = QByteArray(10 << 20, 'x') + '\n';
        row("config.ini", "10 MB line, then the keys", longLine + m_config, "PlayAreaX");
        row("config.ini", "the keys, then a 10 MB line", m_config + longLine, "");
        row("config.ini", "the keys, then 200 MB of hole", m_config, "");
    }

    void skinFileLoadsOrIsRefusedNamingIt()
    {
        QFETCH(QString, file);
        QFETCH(QString, what);
        QFETCH(QByteArray, contents);
        QFETCH(QString, refusal);
        SkinFolder skin;
        const QString path = skin.skinPath() + '/' + file;
        QVERIFY(replaceFile(path, what, contents));
        // Only the first MiB of config.ini is read: keys behind a 10 MB line are missing.
        const std::optional<SkinError> error = load(skin.skinPath()).error;
        QCOMPARE(error ? error->file : QString(), refusal.isEmpty() ? QString() : path);
        if (error)
            QVERIFY2((error->key.isEmpty() ? error->reason : error->key).startsWith(refusal),
                     qPrintable(error->reason));
    }

    // Every shipped skin passes. One is described and drawn as its author sees it, the window a few
    // moves into a game cut to its outline; a refused one is named by its file and key.
    void checkDescribesAndDrawsASkinOrNamesTheFirstRefusal()
    {
        const QDir skins(KRIEL_DATA_DIR "/Skins");
        const QStringList names = skins.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QVERIFY(names.size() >= 2);
        for (const QString& name : names)
            QVERIFY2(checkSkin(skins.filePath(name), FixedFacts()).ok, qPrintable(name));
        SkinFolder skin;
        skin.setValue("Styles", "KrielBorder", "0");
        const SkinCheck check = checkSkin(skin.skinPath(), FixedFacts());
        QVERIFY(check.ok);
        QCOMPARE(check.report, "ok: 60 × 50 pixels, cells of 2 pixels, a 19 × 19 grid of 38 × 38 "
                               "pixels at 4, 2; an outline of 2 rectangles; named \"Test skin\"");
        const Board board = previewBoard(check.board);
        const QImage window = renderPlayWindow(board, check.look, check.outline, {15, 15});
        QCOMPARE(window.size(), QSize(60, 50));
        QCOMPARE(qAlpha(window.pixel(0, 49)), 0);   // the bottom-left colour
        QCOMPARE(qAlpha(window.pixel(59, 10)), 0);  // the rightmost column
        QCOMPARE(window.pixel(1, 1), qRgb(128, 128, 128));
        // The head at column 9, row 8 of a grid of 2-pixel cells from (4, 2), in the kriel's
        // colour, and the notifier round it.
        QCOMPARE(window.pixel(4 + 18, 2 + 16), qRgb(0, 0, 255));
        QCOMPARE(window.pixel(4 + 18 - 2, 2 + 16 - 2), qRgb(255, 255, 0));
        QCOMPARE(board.score, 24);

        // What a skin says reaches the terminal as it stands, but for what a terminal acts on.
        skin.setValue("Info", "Name", "A\x1b]2;title\x07\u202eB");
        QVERIFY(checkSkin(skin.skinPath(), FixedFacts())
                    .report.endsWith("; named \"A\\x1B]2;title\\x07\\u202EB\""));
        const QString utf16 = "[Positions]\r\nPlayAreaX=4\r\n";
        skin.writeConfig(
            QByteArray(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2));
        QCOMPARE(checkSkin(skin.skinPath(), FixedFacts()).report,
                 "config.ini: is UTF-16 text: save it as plain text (UTF-8)");
        skin.setValue("Colors", "KrielR", "-1");
        QCOMPARE(checkSkin(skin.skinPath(), FixedFacts()).report,
                 "config.ini [Colors] KrielR = \"-1\": not a colour component from 0 up");
        skin.removeFile("food.gif");
        const SkinCheck refused = checkSkin(skin.skinPath(), FixedFacts());
        QVERIFY(!refused.ok && refused.report == "food.gif: missing");
    }

    // One rectangle past what a window takes is refused, and the same loader builds an outline
    // again after that.
    void outlineOfMoreRectanglesThanAWindowTakesIsRefused()
    {
        SkinFolder skin;
        const auto read = [&](const QImage& bitmap) {
            skin.setBitmap(bitmap);
            return load(skin.skinPath());
        };
        const int rows = 128;
        const int runs = MaxOutlineRectangles / rows;
        const Loaded most = read(checkerboard(rows, runs));
        QVERIFY(!most.error && most.outline);
        QCOMPARE(most.outline->rectCount(), int(MaxOutlineRectangles));
        const Loaded tooMany = read(checkerboard(rows, runs, 1));
        const std::optional<SkinError>& error = tooMany.error;
        QVERIFY(error && !tooMany.outline);
        QCOMPARE(error->reason, QString("outline too complex: it takes more than %1 rectangles, "
                                        "even with rows alike merged")
                                    .arg(MaxOutlineRectangles));
        QVERIFY(!read(checkerboard(rows, runs)).error);
    }

    void outlineIsEveryPixelNotOfTheBottomLeftColourBarTheRightmostColumn_data()
    {
        QTest::addColumn<QImage>("image");
        // Read upside down, this one would take its top-left colour instead.
        QTest::newRow("only the corner") << picture({"#####", "#####", ".####"});
        QTest::newRow("one-pixel hole") << picture({"#####", "##.##", ".####"});
        QTest::newRow("runs of every kind")
            << picture({"..##..###.#.", "#.#.#.#.#.##", "############", "...#####....",
                        "##.......###", "............", "#..........#", ".#.#.#.#.#.#"});
        // Rows alike, next to each other or apart, and rows that differ only in a run's end or
        // in their last column, which the outline never holds.
        QTest::newRow("rows alike")
            << picture({"#..##.", "#..##.", "#..##.", "#..###", "#..#..", "#..##.", "......",
                        "......", "#..##.", ".....#", "......", "##.###", ".#.##."});
    }

    // The outline is built from whole runs in one go; it must cover what the pixels do.
    void outlineIsEveryPixelNotOfTheBottomLeftColourBarTheRightmostColumn()
    {
        QFETCH(QImage, image);
        const QRgb corner = image.pixel(0, image.height() - 1);
        qint32 transColor = 1;
        Region region;
        region.ScanPicture(image, transColor);
        QCOMPARE(transColor, 65536 * qRed(corner) + 256 * qGreen(corner) + qBlue(corner));
        QRegion pixels;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width() - 1; ++x)
                if (image.pixel(x, y) != corner)
                    pixels += QRect(x, y, 1, 1);
        // Where the two disagree, if anywhere.
        QCOMPARE(region.hndRegion().xored(pixels).boundingRect(), QRect());
    }

    // Pixel i, counted along the rows from the top left, is red 3i + 1, green 3i + 2, blue 3i + 3.
    // A later picture replaces the first; rows are padded with zeros to a multiple of four bytes.
    void dibHoldsTheLaterPictureBottomRowFirstInBlueGreenRed()
    {
        QImage image(3, 2, QImage::Format_RGB32);
        for (int i = 0; i < 6; ++i)
            image.setPixel(i % 3, i / 3, qRgb(3 * i + 1, 3 * i + 2, 3 * i + 3));
        cDIBSection dib;
        dib.CreateFromPicture(QImage(5, 5, QImage::Format_RGB32));
        // The same bytes from every format a picture may come in, its alpha dropped.
        for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_RGB888,
                                      QImage::Format_ARGB32, QImage::Format_Indexed8}) {
            dib.CreateFromPicture(image.convertToFormat(format));
            const auto* bytes = reinterpret_cast<const char*>(dib.DIBSectionBitsPtr());
            QCOMPARE(QByteArray(bytes, 24), QByteArray::fromHex("0c0b0a 0f0e0d 121110 000000"
                                                                "030201 060504 090807 000000"));
        }
        for (const auto& [width, line] : {std::pair{1, 4}, {2, 8}, {4, 12}, {480, 1440}}) {
            QVERIFY(dib.Create(width, 1));
            QCOMPARE(dib.BytesPerScanLine(), line);
        }
        dib.ClearUp();
        QVERIFY(!dib.DIBSectionBitsPtr());
        QCOMPARE(QSize(dib.Width(), dib.Height()), QSize(480, 1));
        QVERIFY(dib.Create(2, 2));
        QVERIFY(!dib.Create(100'000, 100'000));  // 30 GB: refused before any allocation
        QVERIFY(!dib.DIBSectionBitsPtr());
        QCOMPARE(QSize(dib.Width(), dib.Height()), QSize(100'000, 100'000));
    }

    // A skin is looked for in the game's Skins, then the player's, and never through a path; the
    // list holds each once, in alphabetical order. Without a data home only the game's skins are
    // looked for, and nothing is ever created.
    void skinIsTheProgramsFirstThenThePlayersAndListedOnce()
    {
        Skins s;
        const std::pair<const char*, const char*> table[] = {
            {"Default", "program"}, {"aqua", "program"}, {"mine", "player"},
            {"Shared", "player"},   {"Gone", ""},        {"default", ""}};
        for (const auto& [name, folder] : table) {
            const SkinLocation skin = locateSkin(name, s.fake.facts);
            QCOMPARE(skin.found, *folder != 0);
            QCOMPARE(skin.path,
                     (folder == QString("player") ? s.playerSkins() : s.programSkins()) + name);
        }
        // Each of these names a folder that exists, through a path; none is a skin.
        for (const QString& name :
             QStringList{"../Skins/Default", "./Default", "Default/.", "Default/", "..", ".", "",
                         "  \t", "..\\Skins\\Default", QString::fromLatin1("Default\0x", 9),
                         QDir::rootPath() + "tmp"}) {
            QVERIFY2(!isSkinName(name), qPrintable(name));
            const SkinLocation skin = locateSkin(name, s.fake.facts);
            QVERIFY(!skin.found);
            QCOMPARE(skin.path, s.programSkins() + name);
        }
        s.fake.facts.playerData.clear();
        QCOMPARE(skinNames(s.fake.facts), QStringList({"aqua", "Default", "NoName"}));
        QTemporaryDir empty;
        s.fake.facts.playerData = empty.path();
        QCOMPARE(skinNames(s.fake.facts), QStringList({"aqua", "Default", "NoName"}));
        QVERIFY(!locateSkin("mine", s.fake.facts).found);
        QVERIFY(QDir(empty.path()).isEmpty());
        // Where the data and cache homes are, by the XDG rules.
        QCOMPARE(xdgDataHome("/data/home/", "/home/ann"), QStringLiteral("/data/home"));
        for (const char* ignored : {"", "data"})
            QCOMPARE(xdgDataHome(ignored, "/home/ann"), QStringLiteral("/home/ann/.local/share"));
        QCOMPARE(xdgCacheHome("/cache/", "/home/ann") + xdgCacheHome("c", "/home/ann"),
                 QStringLiteral("/cache/home/ann/.cache"));
    }

    // The selector names the current skin, or none when it has gone until a refresh finds it
    // again; it opens only web addresses, and stores only a skin with a name.
    void selectorShowsOpensAndStoresOnlyWhatItShould()
    {
        Skins s;
        s.form.Show();
        QCOMPARE(s.items(), skinNames(s.fake.facts));
        QCOMPARE(s.caption("Label3"), "Skins Folder: " + s.programSkins());
        QCOMPARE(s.form.window()->windowTitle(), QStringLiteral("Skin Selector - Nights"));
        QCOMPARE(s.caption("author"), QStringLiteral("Author: Vi"));
        QCOMPARE(s.caption("description"), QStringLiteral("Hi."));

        // A downloaded skin must not be able to start a local program through its address.
        for (const char* address : {"https://example.org/a", "HTTP://x.y/p?q=1"})
            QVERIFY2(isWebAddress(address), address);
        for (const char* address : {"", "file:///bin/sh", "/usr/bin/xterm", "C:\\Windows\\calc.exe",
                                    "javascript:alert(1)", "ftp://example.org", "https://"})
            QVERIFY2(!isWebAddress(address), address);
        for (const char* name : {"Default", "NoName", "mine"}) {
            s.select(name);
            s.click("websitetext");
        }
        QCOMPARE(s.fake.shell.opened, QStringList({"https://n.org", "https://mine.org"}));
        QCOMPARE(s.caption("skinname"), QStringLiteral("Skin Name: Mine"));
        s.click("Command1");
        QCOMPARE(s.fake.settings.writes, QStringList("Config/Skin=mine"));

        s.fake.settings.values["Config/Skin"] = "Gone";
        s.form.Show();
        QCOMPARE(s.form.window()->windowTitle(), QStringLiteral("Kriel - Skin Selector"));
        QCOMPARE(s.caption("skinname"), QStringLiteral("Skin Name:"));
        s.addSkin(s.programSkins(), "Gone", "[Info]\nName=Back\n");
        s.click("Command3");
        QCOMPARE(s.items(), QStringList({"aqua", "Default", "Gone", "mine", "NoName", "Shared"}));
        QCOMPARE(s.caption("skinname"), QStringLiteral("Skin Name: Back"));
        s.select("NoName");
        s.click("Command1");
        s.form.Show();
        s.click("Command1");
        QCOMPARE(s.fake.settings.writes, QStringList({"Config/Skin=mine", "Config/Skin=Gone"}));
    }

    // A skin's texts and the folders' paths show as their characters stand: never as markup,
    // whose pictures Qt would load, nor with a title's "[*]" taken for a mark.
    void selectorShowsSkinTextsAsTheyStand()
    {
        Skins s;
        const QString markup = pictureMarkup(s.program.programFolder());
        s.addSkin(s.programSkins(), "Odd",
                  ("[Info]\nName=" + markup + "[*]\nAuthor=" + markup + "\n").toUtf8());
        s.fake.facts.playerData = s.program.programFolder() + "/" + markup;
        s.fake.settings.values["Config/Skin"] = "Odd";
        s.form.Show();
        QCOMPARE(s.form.window()->windowHandle()->title(), "Skin Selector - " + markup + "[*]");
        for (const QLabel* label : s.form.window()->findChildren<QLabel*>())
            QVERIFY2(label->sizeHint().height() < 100, qPrintable(label->objectName()));
        QTextDocument tip;
        tip.setHtml(s.form.control("Label3")->toolTip());
        QCOMPARE(tip.toPlainText(), "Skins are read from:\n" + s.programSkins() + "\n"
                                        + s.fake.facts.playerData + "/kriel/Skins/");
    }

private:
    const SkinFolder m_skin;
    const QByteArray m_bitmap = contentsOf(m_skin.skinPath() + "/skin.bmp");
    const QByteArray m_food = contentsOf(m_skin.skinPath() + "/food.gif");
    const QByteArray m_config = contentsOf(m_skin.skinPath() + "/config.ini");
};

QTEST_MAIN(TestSkins)
#include "tst_skins.moc"
