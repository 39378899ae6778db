#include "formats/PictureLoading.h"
#include "skins/PreviewCache.h"
#include "skins/PreviewQueue.h"
#include "skins/frmSkin.h"
#include "support/FakePlatform.h"
#include "support/SkinFolder.h"

#include <QHelpEvent>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>

#include <atomic>

namespace {

const QRgb Green = qRgb(0, 255, 0);

// Fills the play window with green, counting its calls from any thread.
struct CountingPainter {
    std::atomic<int> calls = 0;
    PlayWindowPainter paint()
    {
        return [this](const SkinCheck& skin, const PixelScale&) {
            ++calls;
            QImage window(skin.look.picture.size(), QImage::Format_ARGB32);
            window.fill(Green);
            return window;
        };
    }
};

void setModified(const QString& path, const QDateTime& time)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append) && file.setFileTime(time, QFile::FileModificationTime));
}

// The selector over the game's Default and the player's Mine, caching previews in a folder of its
// own; the previews are drawn to the end at each step.
struct Selector {
    Selector()
    {
        fake.facts.folder = program.programFolder();
        fake.facts.playerData = player.programFolder();
        fake.facts.playerCache = cache.path();
    }

    void open()
    {
        form.Show();
        drawPreviews();
    }
    void drawPreviews()
    {
        QCoreApplication::processEvents();  // asks for the rows in sight
        form.findChild<PreviewQueue*>()->threads().waitForDone();
        QCoreApplication::processEvents();  // shows what was drawn
    }
    QListWidget* list() { return form.control<QListWidget>("List1"); }
    QListWidgetItem* item(const QString& skin)
    {
        return list()->findItems(skin, Qt::MatchExactly).value(0);
    }
    QImage icon(const QString& skin) { return item(skin)->icon().pixmap(48).toImage(); }
    QString tip(const QString& skin)
    {
        const QPoint at = list()->visualItemRect(item(skin)).center();
        QHelpEvent help(QEvent::ToolTip, at, list()->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(list()->viewport(), &help);
        return QToolTip::text();
    }
    // The action of the list's context menu called `text`, opened on `skin`'s entry.
    QAction* action(const QString& skin, const QString& text)
    {
        qDeleteAll(form.window()->findChildren<QMenu*>());
        emit list()->customContextMenuRequested(list()->visualItemRect(item(skin)).center());
        for (QAction* action : form.window()->findChild<QMenu*>()->actions())
            if (action->text() == text)
                return action;
        return nullptr;
    }

    FakePlatform fake;
    SkinFolder program{"Default"};
    SkinFolder player{"Mine", "kriel/Skins"};
    QTemporaryDir cache;
    CountingPainter painter;
    frmSkin form{fake.platform, painter.paint()};
};

}  // namespace

class TestSkinSelector : public QObject {
    Q_OBJECT

private slots:
    // A skin the game takes shows its play window, and a larger one as its tooltip; a skin it
    // refuses shows a broken mark, and the refusal, markup and all, as plain text. A second
    // opening draws nothing again.
    void eachSkinShowsItsPreviewOrWhyItIsRefused()
    {
        Selector s;
        s.player.setValue("Styles", "FontSize", "<b>9</b>");
        s.open();
        QCOMPARE(s.icon("Default").pixel(24, 24), Green);
        QCOMPARE(s.icon("Mine").pixel(24, 24), qRgb(192, 0, 0));
        const QString prefix = "<img src=\"data:image/png;base64,";
        const QString tip = s.tip("Default");
        QVERIFY2(tip.startsWith(prefix), qPrintable(tip.left(80)));
        const QByteArray png =
            QByteArray::fromBase64(tip.mid(prefix.size()).section('"', 0, 0).toLatin1());
        QCOMPARE(pictureFromBytes(png).picture.size(), QSize(60, 50));
        QTextDocument refusal;
        refusal.setHtml(s.tip("Mine"));
        QCOMPARE(refusal.toPlainText(),
                 "The game cannot load this skin: config.ini [Styles] FontSize = "
                 "\"<b>9</b>\": not a font size above 0 and at most 2048 points.");
        QCOMPARE(s.painter.calls, 1);
        s.form.Unload();
        s.open();
        QCOMPARE(s.painter.calls, 1);
        QCOMPARE(s.icon("Default").pixel(24, 24), Green);
        QCOMPARE(s.icon("Mine").pixel(24, 24), qRgb(192, 0, 0));
    }

    // What happens between two previews of a skin, and whether the second is drawn again; either
    // way a third is read from the cache.
    void aPreviewIsDrawnAgainOnlyWhenItsSkinOrItsCacheFileChanges()
    {
        using Change = std::function<void(const QString& skin, const QString& cache)>;
        const std::tuple<const char*, Change, int> cases[] = {
            {"nothing", [](const QString&, const QString&) {}, 1},
            {"config.ini resized, same time",
             [](const QString& skin, const QString&) {
                 const QString path = skin + "/config.ini";
                 const QDateTime time = QFileInfo(path).lastModified();
                 QFile file(path);
                 QVERIFY(file.open(QIODevice::Append) && file.write("\n") == 1);
                 file.close();
                 setModified(path, time);
             },
             2},
            {"skin.bmp touched",
             [](const QString& skin, const QString&) {
                 const QString path = skin + "/skin.bmp";
                 setModified(path, QFileInfo(path).lastModified().addSecs(60));
             },
             2},
            {"cache files corrupt",
             [](const QString&, const QString& cache) {
                 for (const QString& name : QDir(cache).entryList(QDir::Files)) {
                     QFile file(cache + '/' + name);
                     QVERIFY(file.open(QIODevice::ReadWrite) && file.write("garbage") == 7);
                 }
             },
             2},
            {"cache emptied",
             [](const QString&, const QString& cache) { QDir(cache).removeRecursively(); }, 2},
        };
        for (const auto& [what, change, drawings] : cases) {
            SkinFolder skin;
            QTemporaryDir cache;
            CountingPainter painter;
            const PreviewPicture first =
                cachedPreview(skin.skinPath(), cache.path(), painter.paint());
            change(skin.skinPath(), cache.path());
            const PreviewPicture second =
                cachedPreview(skin.skinPath(), cache.path(), painter.paint());
            const PreviewPicture third =
                cachedPreview(skin.skinPath(), cache.path(), painter.paint());
            QVERIFY2(painter.calls == drawings, what);
            QCOMPARE(second.picture.pixel(0, 0), Green);
            QCOMPARE(third.png, second.png);
            QCOMPARE(first.picture.size(), QSize(60, 50));
        }
    }

    // Previews asked for before a drop are never handed back, whether begun or not.
    void droppedRequestsAreNeverHandedBack()
    {
        SkinFolder skin;
        CountingPainter painter;
        PreviewQueue queue(painter.paint(), nullptr);
        QStringList handed;
        connect(&queue, &PreviewQueue::drawn, [&](const QString& name) { handed << name; });
        for (const char* name : {"a", "b", "c", "d"})
            queue.request(name, skin.skinPath(), {});
        queue.drop();
        queue.request("e", skin.skinPath(), {});
        queue.threads().waitForDone();
        QCoreApplication::processEvents();
        QCOMPARE(handed, QStringList{"e"});
    }

    // A refused skin is not checked again while its files stay as they are.
    void aRefusalIsReadBackFromTheCache()
    {
        SkinFolder skin;
        skin.removeValue("Styles", "FontSize");
        QTemporaryDir cache;
        const PreviewPicture first = cachedPreview(skin.skinPath(), cache.path(), {});
        QCOMPARE(first.refusal, "config.ini [Styles] FontSize = \"\": missing");
        QVERIFY(first.picture.isNull());
        QImage planted(1, 1, QImage::Format_ARGB32);
        planted.setText("Refusal", "planted");
        QVERIFY(planted.save(cache.filePath(QDir(cache.path()).entryList(QDir::Files).value(0))));
        QCOMPARE(cachedPreview(skin.skinPath(), cache.path(), {}).refusal, "planted");
    }

    // Bounds in files and bytes, and how many of five previews of 100 bytes are kept: the newest.
    void trimmingKeepsTheNewestPreviewsWithinBothBounds()
    {
        const std::tuple<int, qint64, int> cases[] = {
            {10, 1000, 5}, {3, 1000, 3}, {10, 250, 2}, {3, 250, 2}, {0, 1000, 0}};
        for (const auto& [files, bytes, kept] : cases) {
            QTemporaryDir cache;
            QStringList newest;
            for (int day = 1; day <= 5; ++day) {
                const QString name = QString::number(day) + ".png";
                QFile file(cache.filePath(name));
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(100, 'x')));
                file.close();
                setModified(file.fileName(), QDateTime(QDate(2020, 1, day), QTime(12, 0)));
                if (day > 5 - kept)
                    newest << name;
            }
            trimPreviewCache(cache.path(), files, bytes);
            QCOMPARE(QDir(cache.path()).entryList(QDir::Files), newest);
        }
    }

    // Remove Skin takes the player's own skins only, after a Yes, and a setting that named one
    // goes back to Default; the player's skins folder is made when asked to open; a preview is
    // saved as drawn.
    void contextMenuRemovesOnlyThePlayersSkinsOpensTheirFolderAndSavesPreviews()
    {
        Selector s;
        s.open();
        const QString own = s.player.programFolder() + "/kriel/Skins";
        QVERIFY(!s.action("Default", "Remove Skin")->isEnabled());
        s.fake.dialogs.replies = {false, true};
        s.action("Mine", "Remove Skin")->trigger();
        QVERIFY(s.fake.shell.trashed.isEmpty() && s.item("Mine"));
        s.fake.settings.values["Config/Skin"] = "Mine";
        s.action("Mine", "Remove Skin")->trigger();
        QCOMPARE(s.fake.dialogs.shown.size(), 2);
        QCOMPARE(s.fake.dialogs.shown[1].prompt,
                 "Remove your skin \"Mine\"? It goes to the desktop's trash, where there is one.");
        QCOMPARE(s.fake.shell.trashed, QStringList{own + "/Mine"});
        QVERIFY(!s.item("Mine"));
        QCOMPARE(s.fake.settings.values["Config/Skin"], "Default");
        QVERIFY(QDir(own).removeRecursively());
        s.action("Default", "Open Skins Folder")->trigger();
        QCOMPARE(s.fake.shell.opened, QStringList{QUrl::fromLocalFile(own).toString()});
        QVERIFY(QFileInfo(own).isDir());
        s.fake.dialogs.paths = {s.cache.filePath("Default.png")};
        s.action("Default", "Save Preview…")->trigger();
        QCOMPARE(loadPicture(s.cache.filePath("Default.png")).picture.pixel(0, 0), Green);
    }
};

QTEST_MAIN(TestSkinSelector)
#include "tst_skinselector.moc"
