#include "skins/frmSkin.h"
#include "support/FakePlatform.h"
#include "support/SkinFolder.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTest>

namespace {

// A program folder whose Skins hold the test skin "Default" and these others.
struct Selector {
    Selector()
    {
        fake.facts.folder = skins.programFolder();
        addSkin("Neon", "[Info]\nName=Neon Nights\nAuthor=Vi\nWebSite=https://example.org/neon\n"
                        "Comments=Bright.\n");
        addSkin("aqua", "[info]\nname=Aqua\n");
        addSkin("NoName", "[Info]\nAuthor=Someone\nWebSite=C:\\Windows\\calc.exe\n");
        QFile file(skins.programFolder() + "/Skins/notes.txt");
        file.open(QIODevice::WriteOnly);
    }

    void addSkin(const QString& name, const QByteArray& config)
    {
        QDir(skins.programFolder()).mkpath("Skins/" + name);
        QFile file(skins.programFolder() + "/Skins/" + name + "/config.ini");
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
    void click(const char* name) { form.control<QAbstractButton>(name)->click(); }

    FakePlatform fake;
    SkinFolder skins{"Default"};
    frmSkin form{fake.platform};
};

}  // namespace

class SkinSelectorTest : public QObject {
    Q_OBJECT

private slots:
    void listsSkinFoldersAndShowsTheCurrentOne()
    {
        Selector s;
        s.fake.settings.write("Config", "Skin", "Neon");
        s.form.Show();

        QCOMPARE(s.items(), QStringList({"aqua", "Default", "Neon", "NoName"}));
        QCOMPARE(s.list()->currentItem()->text(), QStringLiteral("Neon"));
        QCOMPARE(s.form.window()->windowTitle(), QStringLiteral("Skin Selector - Neon Nights"));
        QCOMPARE(s.caption("skinname"), QStringLiteral("Skin Name: Neon Nights"));
        QCOMPARE(s.caption("author"), QStringLiteral("Author: Vi"));
        QCOMPARE(s.caption("websitetext"), QStringLiteral("https://example.org/neon"));
        QCOMPARE(s.caption("description"), QStringLiteral("Bright."));
        QCOMPARE(s.caption("Label3"), "Skins Folder: " + s.skins.programFolder() + "/Skins/");
    }

    void aMissingCurrentSkinLeavesTheDesignCaptions()
    {
        Selector s;
        s.fake.settings.write("Config", "Skin", "Gone");
        s.form.Show();
        QCOMPARE(s.list()->currentItem(), nullptr);
        QCOMPARE(s.form.window()->windowTitle(), QStringLiteral("Kriel - Skin Selector"));
        QCOMPARE(s.caption("skinname"), QStringLiteral("Skin Name:"));
    }

    void applyStoresTheFolderOfANamedSkinOnly()
    {
        Selector s;
        s.form.Show();
        QCOMPARE(s.list()->currentItem()->text(), QStringLiteral("Default"));
        s.select("NoName");
        QCOMPARE(s.form.window()->windowTitle(), QStringLiteral("Skin Selector"));
        s.click("Command1");
        QVERIFY(!s.form.isLoaded());
        QVERIFY(s.fake.settings.writes.isEmpty());

        s.form.Show();
        s.select("aqua");
        s.click("Command1");
        QCOMPARE(s.fake.settings.writes, QStringList("Config/Skin=aqua"));
    }

    void refreshListsNewFoldersAndSelectsTheCurrentSkinAgain()
    {
        Selector s;
        s.form.Show();
        s.select("Neon");
        s.addSkin("Beta", "[Info]\nName=Beta\n");
        s.click("Command3");
        QCOMPARE(s.items(), QStringList({"aqua", "Beta", "Default", "Neon", "NoName"}));
        QCOMPARE(s.list()->currentItem()->text(), QStringLiteral("Default"));
        QCOMPARE(s.caption("skinname"), QStringLiteral("Skin Name: Test skin"));
    }

    // A downloaded skin must not be able to start a local program through its address.
    void onlyWebAddressesAreOpened()
    {
        for (const char* address :
             {"https://example.org/a", "HTTP://example.org", "http://x.y/p?q=1"})
            QVERIFY2(isWebAddress(address), address);
        for (const char* address : {"", "file:///bin/sh", "/usr/bin/xterm", "C:\\Windows\\calc.exe",
                                    "javascript:alert(1)", "ftp://example.org", "https://"})
            QVERIFY2(!isWebAddress(address), address);

        Selector s;
        s.form.Show();
        s.select("NoName");
        QTest::mouseClick(s.form.control("websitetext"), Qt::LeftButton);
        s.select("Neon");
        QTest::mouseClick(s.form.control("websitetext"), Qt::LeftButton);
        QCOMPARE(s.fake.shell.opened, QStringList("https://example.org/neon"));
    }
};

QTEST_MAIN(SkinSelectorTest)
#include "tst_skinselector.moc"
