#include "platform/QtProgramFacts.h"
#include "skins/SkinFolders.h"
#include "support/FakePlatform.h"
#include "support/SkinFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The game's skins and the player's, each holding a Default and a skin of its own.
struct TwoFolders {
    TwoFolders()
    {
        facts.folder = program.programFolder();
        facts.playerData = player.programFolder();
        QDir(program.programFolder()).mkpath("Skins/Classic");
        QDir(player.programFolder()).mkpath("kriel/Skins/Default");
        QDir(player.programFolder()).mkpath("kriel/Skins/.hidden");
        QDir(player.programFolder()).mkpath("kriel/Skins/back\\slash");
        // A file in the program's folder does not hide the player's skin of that name.
        QFile(program.programFolder() + "/Skins/Shared").open(QIODevice::WriteOnly);
        QDir(player.programFolder()).mkpath("kriel/Skins/Shared");
    }

    QString programSkin(const QString& name) const
    {
        return program.programFolder() + "/Skins/" + name;
    }

    SkinFolder program{"Default"};
    SkinFolder player{"mine", "kriel/Skins"};
    FixedFacts facts;
};

}  // namespace

class SkinFoldersTest : public QObject {
    Q_OBJECT

private slots:
    void skinIsTheProgramsFirstThenThePlayers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("folder");  // "program", "player" or "" for none
        QTest::newRow("in both") << "Default"
                                 << "program";
        QTest::newRow("the game's only") << "Classic"
                                         << "program";
        QTest::newRow("the player's only") << "mine"
                                           << "player";
        QTest::newRow("a file in the game's") << "Shared"
                                              << "player";
        QTest::newRow("in neither") << "Gone"
                                    << "";
        QTest::newRow("another case") << "default"
                                      << "";
    }

    void skinIsTheProgramsFirstThenThePlayers()
    {
        QFETCH(QString, name);
        QFETCH(QString, folder);
        TwoFolders f;
        const SkinLocation skin = locateSkin(name, f.facts);
        QCOMPARE(skin.found, !folder.isEmpty());
        const QString root = folder == "player" ? f.player.programFolder() + "/kriel/Skins/"
                                                : f.program.programFolder() + "/Skins/";
        QCOMPARE(skin.path, root + name);
    }

    // Each of these names a folder that exists, through a path; none is a skin.
    void pathLikeNameIsNoSkin_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"../Skins/Default", "./Default", "Default/.", "Default/", "..",
                                 ".", "", "  \t", "..\\Skins\\Default"})
            QTest::newRow(name) << QString(name);
        QTest::newRow("NUL") << QString("Default") + QChar(0) + "x";
        QTest::newRow("absolute") << QDir::rootPath() + "tmp";
    }

    void pathLikeNameIsNoSkin()
    {
        QFETCH(QString, name);
        TwoFolders f;
        QVERIFY(!isSkinName(name));
        const SkinLocation skin = locateSkin(name, f.facts);
        QVERIFY(!skin.found);
        QCOMPARE(skin.path, f.programSkin(name));
    }

    void namesAreEverySkinOnceInAlphabeticalOrder()
    {
        TwoFolders f;
        QDir(f.program.programFolder()).mkpath("Skins/aqua");
        QCOMPARE(skinNames(f.facts), QStringList({"aqua", "Classic", "Default", "mine", "Shared"}));
        // Without a data home only the game's are looked for, and nothing is ever created.
        f.facts.playerData.clear();
        QCOMPARE(skinNames(f.facts), QStringList({"aqua", "Classic", "Default"}));
        QTemporaryDir empty;
        f.facts.playerData = empty.path();
        QCOMPARE(skinNames(f.facts), QStringList({"aqua", "Classic", "Default"}));
        QVERIFY(!locateSkin("mine", f.facts).found);
        QVERIFY(QDir(empty.path()).isEmpty());
    }

    void dataHomeFollowsTheXdgRules_data()
    {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("dataHome");
        QTest::newRow("set") << "/data/home/"
                             << "/data/home";
        QTest::newRow("unset") << ""
                               << "/home/ann/.local/share";
        QTest::newRow("relative, so ignored") << "data"
                                              << "/home/ann/.local/share";
    }

    void dataHomeFollowsTheXdgRules()
    {
        QFETCH(QString, variable);
        QFETCH(QString, dataHome);
        QCOMPARE(xdgDataHome(variable, "/home/ann"), dataHome);
    }
};

QTEST_GUILESS_MAIN(SkinFoldersTest)
#include "tst_skinfolders.moc"
