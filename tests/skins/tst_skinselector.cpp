#include "platform/QtProgramFacts.h"
#include "skins/SkinFolders.h"
#include "skins/frmSkin.h"
#include "support/FakePlatform.h"
#include "support/SkinFolder.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

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

class SkinSelectorTest : public QObject {
    Q_OBJECT

private slots:
    void skinIsTheProgramsFirstThenThePlayersAndNeverAPath()
    {
        Skins s;
        const std::pair<const char*, const char*> table[] = {
            {"Default", "program"}, {"aqua", "program"}, {"mine", "player"},
            {"Shared", "player"},   {"Gone", ""},        {"default", ""},
        };
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
    }

    // Without a data home only the game's skins are looked for, and nothing is ever created.
    void namesAreEverySkinOnceInAlphabeticalOrder()
    {
        Skins s;
        QCOMPARE(skinNames(s.fake.facts),
                 QStringList({"aqua", "Default", "mine", "NoName", "Shared"}));
        s.fake.facts.playerData.clear();
        QCOMPARE(skinNames(s.fake.facts), QStringList({"aqua", "Default", "NoName"}));
        QTemporaryDir empty;
        s.fake.facts.playerData = empty.path();
        QCOMPARE(skinNames(s.fake.facts), QStringList({"aqua", "Default", "NoName"}));
        QVERIFY(!locateSkin("mine", s.fake.facts).found);
        QVERIFY(QDir(empty.path()).isEmpty());
        // Where the data home is, by the XDG rules.
        QCOMPARE(xdgDataHome("/data/home/", "/home/ann"), QStringLiteral("/data/home"));
        for (const char* ignored : {"", "data"})
            QCOMPARE(xdgDataHome(ignored, "/home/ann"), QStringLiteral("/home/ann/.local/share"));
    }

    void listsFoldersShowsTheCurrentSkinAndOpensOnlyWebAddresses()
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
        s.click("websitetext");
        s.select("NoName");
        s.click("websitetext");
        s.select("mine");
        s.click("websitetext");
        QCOMPARE(s.fake.shell.opened, QStringList({"https://n.org", "https://mine.org"}));
        QCOMPARE(s.caption("skinname"), QStringLiteral("Skin Name: Mine"));
        s.click("Command1");
        QCOMPARE(s.fake.settings.writes, QStringList("Config/Skin=mine"));
    }

    void refreshFindsAMissingCurrentSkinAndApplyStoresOnlyNamedOnes()
    {
        Skins s;
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
        QCOMPARE(s.fake.settings.writes, QStringList("Config/Skin=Gone"));
    }
};

QTEST_MAIN(SkinSelectorTest)
#include "tst_skinselector.moc"
