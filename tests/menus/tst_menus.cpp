#include "engine/Windows.h"
#include "engine/frmMain.h"
#include "layouts/Fonts.h"
#include "menus/Crypt.h"
#include "menus/HighScoreRecord.h"
#include "menus/frmGameOver.h"
#include "menus/frmHighScore.h"
#include "menus/frmOps.h"
#include "menus/frmOptions.h"
#include "platform/DialogFrame.h"
#include "platform/FrameCentring.h"
#include "platform/QtDialogs.h"
#include "rules/Keys.h"
#include "skins/frmSkin.h"
#include "support/FakeProgram.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

using Crypt::Encipher;

class MenusTest : public QObject {
    Q_OBJECT

private slots:
    void cipherDoublesEachCodeAndComesBack()
    {
        QCOMPARE(Encipher("abc"), QString(QChar(194)) + QChar(196) + QChar(198));
        for (const char* plain : {"", "Nobody", "0", "32767", "Ann-Marie O'Neill, Jr. (#1)!"})
            QCOMPARE(Crypt::Decipher(Encipher(QLatin1String(plain))), QLatin1String(plain));
    }

    // A hand-edited score that is not a 16-bit whole number counts as 0, and so does one that is
    // not enciphered. Each case: the record enciphered into the store (none for no record), the
    // score, and whether it is a new record.
    void onlyAStrictlyHigherScoreIsANewRecord()
    {
        const std::tuple<const char*, qint16, bool> cases[] = {
            {nullptr, 0, false}, {nullptr, 4, true},       {"0", 6, true},
            {"36", 36, false},   {"36", 42, true},         {"36", 30, false},
            {"lots", 1, true},   {"40000", 1, true},       {"32767", 32767, false},
            {"32768", 1, true},  {"-32768", -32767, true}, {"12.5", 1, true},
        };
        for (const auto& [stored, score, newRecord] : cases) {
            FakeSettings store;
            if (stored)
                store.values["HighScore/Score"] = Encipher(QLatin1String(stored));
            QVERIFY2(isNewRecord(storedScore(store), score) == newRecord, stored ? stored : "none");
        }
        FakeSettings plain;
        plain.values["HighScore/Score"] = "36";
        QVERIFY(isNewRecord(storedScore(plain), 1));
    }

    // Before the first Play! the menu is the program: Quit or the close box ends it. After it,
    // the program lasts as long as any of its windows. Only a difficulty's exact name is
    // remembered. Each menu: the difficulty stored (none on the first run), the option it
    // checks, and what Play! then takes; nothing stored keeps the play window on top.
    void menuPlaysTheRememberedDifficultyAndIsTheProgramUntilThen()
    {
        for (const bool closeBox : {false, true}) {
            FakeProgram program;
            program.menu.Show();
            if (closeBox)
                program.menu.window()->close();
            else
                program.click(program.menu, "Command5");
            QCOMPARE(program.fake.end.calls, 1);
        }
        const std::tuple<const char*, int, const char*, int, int> menus[] = {
            {nullptr, 2, "Medium", 100, 6},
            {"hard", 2, "Medium", 100, 6},
            {"Easy", 1, "Easy", 135, 4},
            {"Hard", 3, "Hard", 65, 8},
        };
        for (const auto& [lastDiff, option, name, interval, points] : menus) {
            FakeProgram program;
            if (lastDiff)
                program.fake.settings.values["Config/LastDiff"] = lastDiff;
            program.menu.Show();
            const QString optionName = "Option" + QString::number(option);
            QVERIFY(program.menu.control<QRadioButton>(optionName)->isChecked());

            program.click(program.menu, qPrintable(optionName));
            QCOMPARE(program.fake.settings.writes,
                     QStringList("Config/LastDiff=" + QLatin1String(name)));
            program.play.GameOver = 1;  // as a finished game leaves it
            program.click(program.menu, "Command4");
            QVERIFY(!program.menu.isLoaded() && program.play.isLoaded());
            QVERIFY(program.play.window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            QCOMPARE(program.play.TickInterval, QString::number(interval));
            QCOMPARE(program.menu.PointsPerFood, points);
            QCOMPARE(program.menu.DifficultyName, name);
            QCOMPARE(program.menu.PlayStarted, qint16(1));
            QCOMPARE(program.play.GameOver, qint16(0));

            program.play.Form_KeyDown(KeyCodes::Q);
            program.click(program.gameOver, "Command2");
            QVERIFY(program.menu.isLoaded());
            program.menu.window()->close();
            QCoreApplication::processEvents();
            QCOMPARE(program.fake.end.calls, 0);
            QCOMPARE(program.fake.quits, 1);
        }
    }

    // Change Skin..., High Score and Settings each open their dialog, and the menu stays.
    void menuButtonsOpenTheirDialogs()
    {
        FakeProgram program;
        const std::pair<const char*, const Form*> buttons[] = {
            {"Command1", &program.skins},
            {"Command2", &program.highScore},
            {"Command3", &program.options},
        };
        program.menu.Show();
        for (const auto& [button, dialog] : buttons) {
            program.click(program.menu, button);
            QVERIFY2(dialog->isLoaded() && program.menu.isLoaded(), button);
        }
    }

    // The work area leaves out the panel at the foot of the screen; the window manager's frame,
    // where there is one, is centred with the window.
    void dialogsStandCentredOnTheWorkArea()
    {
        FakeProgram program;
        for (Form* form :
             std::initializer_list<Form*>{&program.menu, &program.gameOver, &program.highScore,
                                          &program.options, &program.skins}) {
            form->Show();
            QCoreApplication::processEvents();  // the frame's correction arrives as a window event
            const QPointF centre = form->window()->frameGeometry().toRectF().center();
            QVERIFY2(qAbs(centre.x() - 960) <= 1 && qAbs(centre.y() - 520) <= 1,
                     qPrintable(form->window()->windowTitle()));
            form->Unload();
        }

        const QRect area(100, 50, 1180, 974);
        for (const QMargins& frame : {QMargins(), QMargins(1, 20, 1, 1), QMargins(1, 24, 3, 5)}) {
            const QSize client(336, 256);
            const QRectF outer(centredFrameTopLeft(area, client, frame), client.grownBy(frame));
            QVERIFY((outer.center() - area.toRectF().center()).manhattanLength() <= 0.5);
        }
    }

    // While the window manager builds its frame it may state none, or sides that cannot be (the
    // frame window still a pixel wide): the window waits where its client area is centred. Once
    // it stands centred in the frame stated, shown, the player may move it.
    void aFrameStatedLateOrWronglyIsWaitedOut()
    {
        const QRect area(0, 0, 1280, 1024);
        QWidget window(nullptr, Qt::Tool);
        window.setFixedSize(337, 256);
        const QPoint estimate = centredFrameTopLeft(area, window.size(), QMargins());
        window.setGeometry(QRect(estimate, window.size()));
        std::optional<QMargins> stated;
        new FrameCentring(&window, area, [&](const QWidget*) { return stated; });
        const auto repaintedAt = [&window] {
            window.repaint();
            QCoreApplication::processEvents();
            return window.geometry().topLeft();
        };

        window.show();
        QCoreApplication::processEvents();
        QCOMPARE(window.geometry().topLeft(), estimate);
        for (const QMargins& impossible : {QMargins(1, 20, -336, -255), QMargins(0, 900, 0, 0)}) {
            stated = impossible;
            QCOMPARE(repaintedAt(), estimate);
        }
        // The frame, 341 × 285 with the client area 1 in from its left and 24 down, at 469, 369.
        stated = QMargins(1, 24, 3, 5);
        QCOMPARE(repaintedAt(), QPoint(470, 393));

        window.move(10, 10);
        repaintedAt();
        QCOMPARE(window.pos(), QPoint(10, 10));
    }

    // Motif's words for which of the others count, the functions offered, and the decorations:
    // moving and closing alone (no resizing, minimising or maximising); a border, a title and the
    // window menu.
    void dialogsOfferTheCloseBoxAndNoResizing()
    {
        enum : uint32_t { Functions = 1, Decorations = 2 };
        enum : uint32_t { Move = 4, Close = 32 };
        enum : uint32_t { Border = 2, Title = 8, Menu = 16 };
        const std::array<uint32_t, 5> wanted{Functions | Decorations, Move | Close,
                                             Border | Title | Menu, 0, 0};
        QCOMPARE(dialogMotifHints(), wanted);
    }

    // A dialog has no task-bar entry to come back from, so it is never left minimised; and when
    // the window with the keyboard closes, the one used before it takes the keyboard again.
    void dialogsAreNeverLostAndTheKeyboardComesBack()
    {
        FakeProgram program;
        program.menu.Show();
        program.skins.Show();
        QCoreApplication::processEvents();
        QVERIFY(program.skins.window()->isActiveWindow());
        program.click(program.skins, "Command2");
        QCoreApplication::processEvents();
        QVERIFY(program.menu.window()->isActiveWindow());

        program.menu.window()->setWindowState(Qt::WindowMinimized);
        QCoreApplication::processEvents();
        QVERIFY(!program.menu.window()->isMinimized());
        QVERIFY(program.menu.window()->isVisible());

        QtDialogs dialogs;
        QTimer::singleShot(
            0, [] { qobject_cast<QDialog*>(QApplication::activeModalWidget())->done(0); });
        dialogs.message(nullptr, "High Scores Cleared.", "Clear High Scores");
        QCoreApplication::processEvents();
        QVERIFY(program.menu.window()->isActiveWindow());
    }

    // The name typed is stored with what is not ASCII as '?'. On a screen of 15 twips a pixel
    // across and 12 down, sizes go by their own direction, fonts (20 twips to the point) by the
    // height, and a label that sizes itself fits its text.
    void gameOverOffersANameOnlyForANewRecord()
    {
        FakeProgram program;
        program.fake.facts.twipsDown = 12;
        program.menu.DifficultyName = "Medium";
        program.fake.settings.values["HighScore/Score"] = Encipher("36");
        const auto title = [&] { return program.gameOver.window()->windowTitle(); };

        program.play.FinalScore = 36;
        program.gameOver.Show();
        QCOMPARE(title(), QStringLiteral("Kriel - Game Over"));
        QVERIFY(program.gameOver.control("Command3")->isHidden());
        program.click(program.gameOver, "Command2");

        // With sounds off a new record shows but plays nothing.
        program.menu.settings.SoundsSetting = false;
        program.play.FinalScore = 50;
        program.gameOver.Show();
        QCOMPARE(title(), QStringLiteral("Kriel - New High Score!!"));
        QVERIFY(!program.gameOver.control("Command3")->isHidden());
        program.click(program.gameOver, "Command2");

        program.menu.settings.SoundsSetting = true;
        program.play.FinalScore = 32767;
        program.gameOver.Show();
        QCOMPARE(program.fake.sound.played,
                 QStringList(program.fake.facts.folder + "/hiscore.WAV"));
        QCOMPARE(program.gameOver.window()->size(), QSize(3930 / 15, qRound(2295 / 12.0)));
        auto* score = qobject_cast<QLabel*>(program.gameOver.control("lblScore"));
        QCOMPARE(score->text(), QStringLiteral("32767"));
        QCOMPARE(score->font().pixelSize(), qRound(9.75 * 20 / 12));
        QCOMPARE(program.gameOver.control("lbl4diff")->font().pixelSize(),
                 qRound(defaultDialogFont().pointSize * 20 / 12));
        QCOMPARE(score->size(), score->sizeHint());
        QVERIFY(score->width() > 375 / 15);
        const QWidget* level = program.gameOver.control("lblDiff");
        QCOMPARE(level->geometry(), QRect(1560 / 15, 840 / 12, 1695 / 15, qRound(255 / 12.0)));

        // One '?' for each character as the player sees it: an accent, written alone or with
        // its letter, an emoji, a flag of two codes.
        program.fake.dialogs.answers = {QStringLiteral("Zoë Ŝe\u0301😀🇩🇪.")};
        program.click(program.gameOver, "Command3");
        QCOMPARE(program.fake.settings.writes,
                 QStringList({"HighScore/Name=" + Encipher("Zo? ????."),
                              "HighScore/Score=" + Encipher("32767"),
                              "HighScore/Level=" + Encipher("Medium")}));
    }

    // Another copy of the game saves a record while this one asks for the name: a record it no
    // longer beats, an equal one included, is left as it is, and the player is told.
    void recordSavedMeanwhileIsNeverLowered()
    {
        for (const char* meanwhile : {"500", "50", "49"}) {
            FakeProgram program;
            program.fake.settings.values["HighScore/Score"] = Encipher("36");
            program.play.FinalScore = 50;
            program.gameOver.Show();
            program.fake.dialogs.whileOpen = [&] {
                program.fake.settings.values["HighScore/Score"] = Encipher(meanwhile);
            };
            program.click(program.gameOver, "Command3");
            const bool beaten = QString(meanwhile) == "49";
            QCOMPARE(program.fake.settings.writes.size(), beaten ? 3 : 0);
            QCOMPARE(program.fake.dialogs.shown.size(), beaten ? 1 : 2);
            if (!beaten)
                QVERIFY2(
                    program.fake.dialogs.shown[1].prompt.contains(
                        QString("a high score of %1, which your 50 does not beat").arg(meanwhile)),
                    qPrintable(program.fake.dialogs.shown[1].prompt));
        }
    }

    // Without a whole score and a known difficulty the food eaten keeps the design's text.
    void viewerShowsTheRecordAndTheFoodItStandsFor()
    {
        const std::tuple<QString, QString, QString> records[] = {
            {"126", "Medium", "21 pcs"}, {"120", "Hard", "15 pcs"},  {"6", "Easy", "1.5 pcs"},
            {"120", "Expert", "Label1"}, {"lots", "Hard", "Label1"},
        };
        FakeProgram program;
        for (const auto& [score, level, food] : records) {
            writeRecord(program.fake.settings, "Ann", score, level);
            program.highScore.Show();
            QStringList shown;
            for (const char* label : {"lblName", "lblScore", "lblLevel", "lblfoodeat"})
                shown << captionOf(program.highScore.control(label));
            QCOMPARE(shown, QStringList({"Ann", score, level, food}));
            program.highScore.Unload();
        }
        // A name shows as it was typed, never as markup.
        writeRecord(program.fake.settings, pictureMarkup(program.skin.programFolder()), "6",
                    "Easy");
        program.highScore.Show();
        QVERIFY(program.highScore.control("lblName")->height() < 100);
    }

    // The real boxes show names and paths as their characters stand, title included: neither as
    // markup nor with a title's "[*]" taken for the mark of unsaved changes.
    void boxesShowTextAsItStands()
    {
        const QTemporaryDir dir;
        const QString text = pictureMarkup(dir.path()) + "[*]";
        QtDialogs dialogs;
        QStringList titles;
        int tallLabels = 0;
        const auto look = [&] {
            QWidget* box = QApplication::activeModalWidget();
            titles << box->windowHandle()->title();
            for (const QLabel* label : box->findChildren<QLabel*>())
                tallLabels += label->sizeHint().height() >= 100;
            qobject_cast<QDialog*>(box)->done(0);
        };
        QTimer::singleShot(0, look);
        dialogs.message(nullptr, text, text);
        QTimer::singleShot(0, look);
        dialogs.input(nullptr, text, text);
        QCOMPARE(titles, QStringList({text, text}));
        QCOMPARE(tallLabels, 0);
    }

    void settingsShowAndChangeTheMenuCopies()
    {
        FakeProgram program;
        program.fake.settings.values["Config/OnTop"] = "0";
        program.menu.Show();
        program.options.Show();
        const auto box = [&](const char* name) { return program.options.control<QCheckBox>(name); };
        QVERIFY(box("Check1")->isChecked() && !box("Check2")->isChecked()
                && box("Check3")->isChecked());

        box("Check1")->setChecked(false);
        program.click(program.options, "Command6");  // Cancel
        QVERIFY(program.fake.settings.writes.isEmpty());

        program.options.Show();
        for (const char* name : {"Check1", "Check2"})
            box(name)->toggle();
        // Enter while a check box has the focus presses Apply.
        box("Check3")->setFocus();
        QTest::keyClick(program.options.window(), Qt::Key_Return);
        QCOMPARE(program.fake.settings.writes,
                 QStringList({"Config/Sounds=0", "Config/OnTop=1", "Config/Notify=1"}));
        QVERIFY(program.menu.settings == (GameplaySettings{false, true, true}));

        // Restore Defaults changes the store alone; the game goes on as it was set.
        program.options.Show();
        program.click(program.options, "Command4");
        QCOMPARE(program.fake.settings.values.value("Config/Sounds"), QStringLiteral("1"));
        QVERIFY(program.menu.settings == (GameplaySettings{false, true, true}));
    }

    // Clear, Restore Defaults, the two documents, then a record's name left empty (Cancel). A
    // store that cannot be saved claims no success: the player is told where it failed.
    void settingsClearTheRecordRestoreDefaultsAndOpenTheHelp()
    {
        const QString notSaved = "The settings could not be saved to /fake/Vamblet/Vamblet.ini. "
                                 "The game goes on with them until it ends. | ";
        const std::pair<bool, QStringList> runs[] = {
            {false,
             {"High Scores Cleared. | Clear High Scores",
              "All settings have returned to default. | Reset",
              "Please enter your name. | High Score"}},
            {true,
             {notSaved + "Clear High Scores", notSaved + "Reset",
              "Please enter your name. | High Score", notSaved + "High Score"}},
        };
        for (const auto& [failing, boxes] : runs) {
            FakeProgram program;
            program.fake.settings.failing = failing;
            program.options.Show();
            for (const char* button : {"Command1", "Command4", "Command2", "Command3"})
                program.click(program.options, button);
            program.play.FinalScore = 12;
            program.gameOver.Show();
            program.click(program.gameOver, "Command3");

            QStringList shown;
            for (const auto& box : program.fake.dialogs.shown)
                shown << box.prompt + " | " + box.title;
            QCOMPARE(shown, boxes);
            QCOMPARE(program.fake.settings.writes,
                     QStringList({"HighScore/Name=" + Encipher("Nobody"),
                                  "HighScore/Score=" + Encipher("0"),
                                  "HighScore/Level=" + Encipher("Easy"), "Config/LastDiff=Medium",
                                  "Config/Skin=Default", "Config/Sounds=1", "Config/OnTop=1",
                                  "Config/Notify=1", "Config/Trans=0", "Config/TransLevel=255",
                                  "Config/WinX=200", "Config/WinY=200", "HighScore/Name=",
                                  "HighScore/Score=" + Encipher("12"), "HighScore/Level="}));
            const QString folder = QUrl::fromLocalFile(program.fake.facts.folder).toString();
            QCOMPARE(program.fake.shell.opened,
                     QStringList({folder + "/readme.htm", folder + "/skinning.htm"}));
        }
    }
};

QTEST_MAIN(MenusTest)
#include "tst_menus.moc"
