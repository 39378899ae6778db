#include "platform/QtShell.h"
#include "support/FakePlatform.h"

#include <QTest>
#include <QUrl>

class QtShellTest : public QObject {
    Q_OBJECT

private slots:
    // A desktop without an opener must not leave the player clicking at nothing.
    void whatCannotBeOpenedIsNamed_data()
    {
        QTest::addColumn<QUrl>("target");
        QTest::addColumn<QString>("named");
        QTest::newRow("document") << QUrl::fromLocalFile("/usr/lib/kriel/readme.htm")
                                  << "/usr/lib/kriel/readme.htm";
        QTest::newRow("web site") << QUrl("https://example.org/kriel/skins")
                                  << "https://example.org/kriel/skins";
    }

    void whatCannotBeOpenedIsNamed()
    {
        QFETCH(QUrl, target);
        QFETCH(QString, named);
        ScriptedDialogs dialogs;
        QList<QUrl> tried;
        QtShell shell(dialogs, [&](const QUrl& url) {
            tried.append(url);
            return false;
        });
        QVERIFY(!shell.open(target));
        QCOMPARE(tried, QList<QUrl>{target});
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown[0].kind, "message");
        QCOMPARE(dialogs.shown[0].title, "Kriel - Cannot Open");
        QVERIFY2(dialogs.shown[0].prompt.contains(" " + named + ":"),
                 qPrintable(dialogs.shown[0].prompt));
    }

    void anOpenedDocumentSaysNothing()
    {
        ScriptedDialogs dialogs;
        QtShell shell(dialogs, [](const QUrl&) { return true; });
        QVERIFY(shell.open(QUrl::fromLocalFile("/usr/lib/kriel/skinning.htm")));
        QVERIFY(dialogs.shown.isEmpty());
    }
};

QTEST_GUILESS_MAIN(QtShellTest)
#include "tst_qtshell.moc"
