#include "skins/frmSkin.h"
#include "support/FakePlatform.h"
#include "support/SkinFolder.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTest>

namespace {

// A program folder whose Skins hold "Default", the skin of a first run, two others and a file;
// and a player's data home with a skin of the player's own, another Default, and a folder whose
// name is no skin name.
struct Selector {
    Selector()
    {
        fake.facts.folder = skins.programFolder();
        fake.facts.playerData = player.programFolder();
        skins.writeConfig("[Info]\nName=Nights\nAuthor=Vi\nWebSite=https://n.org\nComments=Hi.");
        addSkin("aqua", "[info]\nname=Aqua\n");
        addSkin("NoName", "[Info]\nAuthor=Someone\nWebSite=C:\\Windows\\calc.exe\n");
        QFile(skins.programFolder() + "/Skins/notes.txt").open(QIODevice::WriteOnly);
        player.writeConfig("[Info]\nName=Mine\nWebSite=https://mine.org\n");
        addSkin("Default", "[Info]\nName=Shadowed\n", player.programFolder() + "/kriel/Skins/");
        addSkin("a\\b", "[Info]\nName=Back\n", player.programFolder() + "/kriel/Skins/");
    }

    void addSkin(const QString& name, const QByteArray& config, QString folder = {})
    {
        if (folder.isEmpty())
            folder = skins.programFolder() + "/Skins/";
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
    SkinFolder skins{"Default"};
    SkinFolder player{"mine", "kriel/Skins"};
    frmSkin form{fake.platform};
};

}  // namespace

class SkinSelectorTest : public QObject {
    Q_OBJECT

private slots:
    void listsFoldersShowsTheCurrentSkinAndOpensOnlyWebAddresses()
    {
        Selector s;
        s.form.Show();
        QCOMPARE(s.items(), QStringList({"aqua", "Default", "mine", "NoName"}));
        QCOMPARE(s.caption("Label3"), "Skins Folder: " + s.skins.programFolder() + "/Skins/");
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
        Selector s;
        s.fake.settings.values["Config/Skin"] = "Gone";
        s.form.Show();
        QCOMPARE(s.form.window()->windowTitle(), QStringLiteral("Kriel - Skin Selector"));
        QCOMPARE(s.caption("skinname"), QStringLiteral("Skin Name:"));

        s.addSkin("Gone", "[Info]\nName=Back\n");
        s.click("Command3");
        QCOMPARE(s.items(), QStringList({"aqua", "Default", "Gone", "mine", "NoName"}));
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
