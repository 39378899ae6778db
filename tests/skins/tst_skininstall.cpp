#include "formats/SkinArchive.h"
#include "skins/SkinFolders.h"
#include "skins/SkinInstall.h"
#include "skins/frmSkin.h"
#include "support/ArchiveWriter.h"
#include "support/FakePlatform.h"
#include "support/SkinFolder.h"

#include <QDir>
#include <QDropEvent>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

using Kind = ArchiveEntry::Kind;

// Small enough that a bomb of a few megabytes passes each limit many times over.
const UnpackLimits Limits{32, 256 << 10, 16 << 10};
const QByteArray Zeros(4 << 20, '\0');

// A game whose Skins hold Default, a player's data home without a skins folder yet, and a folder
// for the archives a test writes.
struct Installs {
    Installs()
    {
        facts.folder = program.programFolder();
        facts.playerData = home.path();
    }

    QString own() const { return home.path() + "/kriel/Skins"; }
    QStringList ownEntries() const
    {
        return QDir(own()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                     | QDir::NoDotAndDotDot);
    }
    // An archive of the Default skin's files under `prefix`, and `extra`.
    QString archive(const QString& name, const QString& prefix, QList<ArchiveEntry> extra = {})
    {
        const QString path = dir.filePath(name);
        return writeArchive(path, skinEntries(program.skinPath(), prefix) + extra) ? path : "";
    }
    // Answers each question from `replies`, No once they run out; asked() names what was asked.
    SkinInstall install(const QString& source, QList<bool> replies = {})
    {
        asked.clear();
        return installSkin(source, facts, [&](const QString& name) {
            asked << name;
            return !replies.empty() && replies.takeFirst();
        });
    }

    SkinFolder program{"Default"};
    QTemporaryDir home, dir;
    FixedFacts facts;
    QStringList asked;
};

}  // namespace

class TestSkinInstall : public QObject {
    Q_OBJECT

private slots:
    // Every byte is counted as it is unpacked, whatever the headers say, and the unpacking stops
    // within a read block of the first limit passed.
    void archiveIsRefusedForWhatASkinNeverNeeds()
    {
        const QByteArray bmp("BM");
        QList<ArchiveEntry> many;
        for (int i = 0; i <= 32; ++i)
            many.append({QString("d%1/").arg(i), {}, Kind::Folder});
        const struct {
            const char* archive;
            QList<ArchiveEntry> entries;
            QString reason;
        } table[] = {
            {"a.tar.gz", {{"/tmp/skin.bmp", bmp}}, "top of the file system (/tmp/skin.bmp)."},
            {"a.zip", {{"N/../../skin.bmp", bmp}}, "leads out of its folder (N/../../skin.bmp)."},
            {"a.zip", {{"N/skin.bmp", "/etc/passwd", Kind::Link}}, "a link (N/skin.bmp), which"},
            {"a.tar.gz",
             {{"N/food.gif", "x"}, {"N/skin.bmp", "N/food.gif", Kind::HardLink}},
             "a hard link (N/skin.bmp)"},
            {"a.tar.xz", {{"N/food.gif", {}, Kind::Fifo}}, "device, FIFO or socket (N/food.gif)"},
            {"a.tar.bz2", {{"tty", {}, Kind::Device}}, "device, FIFO or socket (tty)"},
            {"a.zip", many, "more than 32 entries"},
            {"a.zip",
             {{"N/skin.bmp", Zeros}},
             "N/skin.bmp unpacks to more than 256 KB, more than the game reads of skin.bmp."},
            {"a.tgz", {{"config.ini", Zeros}}, "config.ini unpacks to more than 16 KB"},
            {"a.tar.gz", {{"N/skin.bmp", bmp}, {"N/notes", Zeros}}, "more than 528 KB unpacked"},
            {"a.zip", {{"skin.bmp", bmp}, {"N/food.gif", "x"}}, "two places, its top and \"N/\";"},
            {"a.zip", {{"N/food.gif", "x"}, {"N/food.gif", "y"}}, "holds food.gif twice."},
            {"a.zip", {{"N/readme.txt", "hi"}, {"N/a/skin.bmp", bmp}}, "holds no skin: no"},
        };
        for (const auto& row : table) {
            const QTemporaryDir dir;
            const QString path = dir.filePath(row.archive);
            QVERIFY2(writeArchive(path, row.entries), qPrintable(row.reason));
            const UnpackedSkin unpacked = unpackSkinArchive(path, dir.path(), Limits);
            QVERIFY2(unpacked.refusal.contains(row.reason), qPrintable(unpacked.refusal));
            QVERIFY2(unpacked.bytesRead <= Limits.totalBytes() + (64 << 10),
                     qPrintable(row.reason));
        }
        const QTemporaryDir dir;
        QFile text(dir.filePath("text.zip"));
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write("[Info]\n") > 0);
        QVERIFY(mkfifo(QFile::encodeName(dir.filePath("fifo.zip")).constData(), 0600) == 0);
        QVERIFY(unpackSkinArchive(text.fileName(), dir.path())
                    .refusal.startsWith("text.zip could not be read as a .zip, .tar.gz, .tgz, "
                                        ".tar.xz or .tar.bz2 archive"));
        QCOMPARE(unpackSkinArchive(dir.filePath("fifo.zip"), dir.path()).refusal,
                 dir.filePath("fifo.zip") + " cannot be opened: not a regular file.");
    }

    // The skin stands at the archive's top, named after the archive, or in one folder, named
    // after that; only its three files are taken, and nothing else is left in the player's skins.
    void skinIsNamedAfterItsFolderElseItsArchive()
    {
        const char* table[][3] = {{"Lagoon.zip", "", "Lagoon"},
                                  {"lagoon-1.0.tar.gz", "Lagoon/", "Lagoon"},
                                  {"Reef.TGZ", "./", "Reef"},
                                  {"Reef.tar.xz", "", "Reef"},
                                  {"x.tar.bz2", "Deep Reef/", "Deep Reef"}};
        for (const auto& [archive, prefix, name] : table) {
            Installs s;
            const SkinInstall done = s.install(s.archive(
                archive, prefix, {{"readme.txt", "hi"}, {"__MACOSX/Lagoon/._skin.bmp", "x"}}));
            QVERIFY2(done.ok(), qPrintable(done.refusal));
            QCOMPARE(done.name, name);
            QCOMPARE(done.path, s.own() + '/' + name);
            QCOMPARE(s.ownEntries(), QStringList(name));
            QCOMPARE(QDir(done.path).entryList(QDir::Files),
                     QStringList({"config.ini", "food.gif", "skin.bmp"}));
            QVERIFY(skinNames(s.facts).contains(name));
        }
    }

    // Refused: a name no skin may have, a skin the game cannot load, a source that is no regular
    // file. None leaves anything in the player's skins folder.
    void refusedInstallLeavesNothingBehind()
    {
        Installs s;
        SkinFolder broken("Broken");
        broken.removeValue("Ratio", "SizeRatio");
        const QString unloadable = "The game cannot load this skin: config.ini [Ratio] SizeRatio "
                                   "= \"\": missing.";
        SkinFolder odd("Odd");
        const QString fifo = odd.skinPath() + "/food.gif";
        QVERIFY(QFile::remove(fifo) && mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        const std::pair<QString, QString> table[] = {
            {s.archive(".hidden.zip", ""), "\".hidden\" cannot name a skin"},
            {s.archive("x.zip", ".git/"), "\".git\" cannot name a skin"},
            {broken.skinPath(), unloadable},
            {writeArchive(s.dir.filePath("b.zip"), skinEntries(broken.skinPath(), "Broken/"))
                 ? s.dir.filePath("b.zip")
                 : "",
             unloadable},
            {fifo, " cannot be opened: not a regular file."},
            {odd.skinPath(), fifo + ": not a regular file."},
        };
        for (const auto& [source, reason] : table) {
            const SkinInstall done = s.install(source);
            QVERIFY2(done.refusal.contains(reason), qPrintable(done.refusal));
            QCOMPARE(s.ownEntries(), QStringList());
        }
        QVERIFY(s.install(s.program.skinPath()).ok());
    }

    // A skin that comes with the game is never replaced, nor asked about; one of the player's
    // own is replaced only when the player says so, and otherwise kept beside the new one.
    void takenNameIsReplacedOnlyWhenThePlayerSays()
    {
        Installs s;
        const QString lagoon = s.archive("Lagoon.zip", "");
        QVERIFY(s.install(lagoon).ok());
        QVERIFY(QFile(s.own() + "/Lagoon/old.txt").open(QIODevice::WriteOnly));
        SkinInstall done = s.install(lagoon, {false});
        QCOMPARE(s.asked, QStringList("Lagoon"));
        QCOMPARE(done.name, "Lagoon (2)");
        QVERIFY(!done.replaced);
        done = s.install(lagoon, {true});
        QCOMPARE(done.name, "Lagoon");
        QVERIFY(done.replaced);
        QVERIFY(!QFile::exists(s.own() + "/Lagoon/old.txt"));
        const QString shipped = s.archive("Default.zip", "");
        QCOMPARE(s.install(shipped, {true}).name, "Default (2)");
        QCOMPARE(s.install(shipped, {true}).name, "Default (3)");
        QCOMPARE(s.asked, QStringList());
        QCOMPARE(s.ownEntries(),
                 QStringList({"Default (2)", "Default (3)", "Lagoon", "Lagoon (2)"}));
    }

    // A staging folder a killed install left, half a skin in it, is never listed, and goes when
    // the leftovers are removed; a link of that name is not followed, nor is any other folder
    // touched.
    void leftoverStagingIsNeverListedAndIsRemoved()
    {
        Installs s;
        QVERIFY(s.install(s.archive("Lagoon.zip", "")).ok());
        const QString left = s.own() + "/.install-Ab12Cd";
        QVERIFY(QDir().mkpath(left + "/skin"));
        QVERIFY(QFile::copy(s.program.skinPath() + "/skin.bmp", left + "/skin/skin.bmp"));
        const QTemporaryDir outside;
        QVERIFY(QFile(outside.filePath("kept")).open(QIODevice::WriteOnly));
        QVERIFY(QFile::link(outside.path(), s.own() + "/.install-link"));
        QVERIFY(QDir().mkpath(s.own() + "/.hidden"));
        // Killed while replacing: Mine moved aside and the new one not yet in; Lagoon's already in.
        for (const char* aside : {"/replaced/Mine", "/replaced/Lagoon"})
            QVERIFY(QDir().mkpath(left + aside));
        QVERIFY(!isSkinName(".install-Ab12Cd") && !isSkinName(".hidden"));
        QCOMPARE(skinNames(s.facts), QStringList({"Default", "Lagoon"}));
        removeInstallLeftovers(s.facts);
        QCOMPARE(s.ownEntries(), QStringList({".hidden", ".install-link", "Lagoon", "Mine"}));
        QVERIFY(QFile::exists(outside.filePath("kept")));
    }

    // One local archive or folder dropped on the list is installed and selected, asking before
    // it replaces a skin of the player's; a refusal is told in a box; other drops are not taken.
    void dropOnTheSelectorsListInstallsAndSelects()
    {
        Installs s;
        FakePlatform fake;
        fake.facts = s.facts;
        frmSkin form(fake.platform);
        form.Show();
        auto* list = form.control<QListWidget>("List1");
        QVERIFY(list->viewport()->acceptDrops());
        const auto drop = [&](const QList<QUrl>& urls) {
            QMimeData data;
            data.setUrls(urls);
            QDragEnterEvent enter({4, 4}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QDropEvent event(QPointF(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(list->viewport(), &enter);
            QCoreApplication::sendEvent(list->viewport(), &event);
            QCoreApplication::processEvents();
            return event.isAccepted();
        };
        const auto selected = [&] {
            return list->currentItem() ? list->currentItem()->text() : "";
        };
        const QUrl lagoon = QUrl::fromLocalFile(s.archive("Lagoon.zip", ""));
        QVERIFY(!drop({QUrl("https://example.org/Lagoon.zip")}));
        QVERIFY(!drop({lagoon, lagoon}));
        QVERIFY(!QFileInfo::exists(s.own()));
        QVERIFY(drop({lagoon}));
        QCOMPARE(selected(), "Lagoon");
        QVERIFY(fake.dialogs.shown.isEmpty());
        QVERIFY(drop({lagoon}));
        QCOMPARE(selected(), "Lagoon (2)");
        QCOMPARE(fake.dialogs.shown.value(0).kind, "question");
        QVERIFY(fake.dialogs.shown.value(0).prompt.startsWith(
            "Your own skins already hold one called \"Lagoon\". Replace it"));
        QVERIFY(drop({QUrl::fromLocalFile(s.archive(".x.zip", ""))}));
        QCOMPARE(fake.dialogs.shown.size(), 2);
        QCOMPARE(fake.dialogs.shown[1].kind, "message");
        QVERIFY(fake.dialogs.shown[1].prompt.startsWith("\".x\" cannot name a skin"));
        QCOMPARE(fake.dialogs.shown[1].title, "Kriel - Install Skin");
        QCOMPARE(selected(), "Lagoon (2)");
        // The list's context menu installs a folder chosen the same way.
        fake.dialogs.paths = {s.program.skinPath()};
        emit list->customContextMenuRequested({4, 4});
        form.window()->findChild<QMenu*>()->actions().value(0)->trigger();
        QCOMPARE(fake.dialogs.shown.value(2).kind, "open");
        QCOMPARE(selected(), "Default (2)");
    }
};

QTEST_MAIN(TestSkinInstall)
#include "tst_skininstall.moc"
