<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../app/CommandLine.cpp" line="+102"/>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <location filename="../app/Startup.cpp" line="+10"/>
        <source>usage: kriel [-h | --help | -v | --version] [Qt&apos;s options]
       kriel --install-skin FILE|FOLDER
</source>
        <extracomment>Keep the options as they are, and the second line&apos;s start under the first&apos;s &quot;kriel&quot;.</extracomment>
        <translation>Aufruf: kriel [-h | --help | -v | --version] [Qt-Optionen]
        kriel --install-skin DATEI|ORDNER
</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>
Kriel opens its start menu: choose Easy, Medium or Hard and press Play!, then
steer the kriel to the food. Keys in the play window:
  arrow keys  steer; the first one sets the kriel moving
  P           pause, and resume
  Q           give up this game
  X           quit at once, saving nothing
  S           load the skin again from its folder

Qt&apos;s own options go to Qt: -platform NAME, -display HOST:SCREEN, -session ID,
-style NAME, -qwindowgeometry WxH+X+Y, -reverse and the like.

--install-skin FILE|FOLDER installs a shared skin among your own, from a .zip,
.tar.gz, .tgz, .tar.xz or .tar.bz2 archive or a skin folder, and opens no
window. A name already taken is kept: the new skin gets a free one, such as
&quot;Neon (2)&quot;. Dropping the same on the skin selector&apos;s list installs it too.

Skins:    %1, and your own in %2
Settings: %3
</source>
        <extracomment>Lines of at most 80 characters. Keep the options, the keys and the file names as they are; %1 and %2 are folders, %3 the settings file.</extracomment>
        <translation>
Kriel öffnet sein Startmenü: Wählen Sie Leicht, Mittel oder Schwer, drücken Sie
Spielen! und steuern Sie den Kriel zum Futter. Tasten im Spielfenster:
  Pfeiltasten  steuern; die erste setzt den Kriel in Bewegung
  P            Pause, und weiter
  Q            dieses Spiel aufgeben
  X            sofort beenden, ohne etwas zu speichern
  S            den Skin neu aus seinem Ordner laden

Qts eigene Optionen gehen an Qt: -platform NAME, -display HOST:BILDSCHIRM,
-session ID, -style NAME, -qwindowgeometry BxH+X+Y, -reverse und ähnliche.

--install-skin DATEI|ORDNER installiert einen weitergegebenen Skin zu Ihren
eigenen, aus einem .zip-, .tar.gz-, .tgz-, .tar.xz- oder .tar.bz2-Archiv oder
einem Skin-Ordner, und öffnet kein Fenster. Ein vergebener Name bleibt: Der neue
Skin bekommt einen freien, etwa „Neon (2)“. Dasselbe auf die Liste der
Skin-Auswahl gezogen installiert ihn ebenso.

Skins:         %1, und Ihre eigenen in %2
Einstellungen: %3
</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>kriel: no display to open the game on (DISPLAY and WAYLAND_DISPLAY are unset)
</source>
        <translation>kriel: kein Bildschirm, auf dem sich das Spiel öffnen ließe (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt)
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>kriel: no display to open the game on (nothing answers at %1)
</source>
        <extracomment>%1 is where the game looked, as &quot;DISPLAY=:0 or WAYLAND_DISPLAY=wayland-0&quot;.</extracomment>
        <translation>kriel: kein Bildschirm, auf dem sich das Spiel öffnen ließe (unter %1 antwortet nichts)
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> or </source>
        <translation> oder </translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <location filename="../platform/QtShell.cpp" line="+72"/>
        <source>Kriel could not open %1: this desktop has no application set to open it. Please open it by hand.</source>
        <extracomment>%1 is a help document&apos;s file or a skin&apos;s web address.</extracomment>
        <translation>Kriel konnte %1 nicht öffnen: Auf diesem Desktop ist keine Anwendung dafür eingerichtet. Bitte öffnen Sie es selbst.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Kriel - Cannot Open</source>
        <translation>Kriel - Öffnen nicht möglich</translation>
    </message>
</context>
<context>
    <name>Difficulty</name>
    <message>
        <location filename="../menus/Difficulty.h" line="+19"/>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
</context>
<context>
    <name>GameOver</name>
    <message>
        <location filename="../layouts/DialogLayouts.cpp" line="+77"/>
        <source>Kriel - Game Over</source>
        <translation>Kriel - Spiel vorbei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Game Over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Difficulty Level:</source>
        <extracomment>Followed by the difficulty the game was played at.</extracomment>
        <translation>Schwierigkeit:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your Score:</source>
        <translation>Punkte:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Enter Name</source>
        <extracomment>Shown for a new record: asks for the name to store with it.</extracomment>
        <translation>Name eintragen</translation>
    </message>
    <message>
        <location filename="../menus/HighScoreRecord.cpp" line="+66"/>
        <source>Since this game ended, another game of Kriel has saved a high score of %1, which your %2 does not beat. The high score stays as it is.</source>
        <translation>Seit dieses Spiel endete, hat ein anderes Kriel-Spiel einen Rekord von %1 Punkten gespeichert, den Ihre %2 Punkte nicht übertreffen. Der Rekord bleibt, wie er ist.</translation>
    </message>
    <message>
        <location filename="../menus/frmGameOver.cpp" line="+33"/>
        <source>Kriel - New High Score!!</source>
        <translation>Kriel - Neuer Rekord!!</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>High Score</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please enter your name.</source>
        <translation>Bitte geben Sie Ihren Namen ein.</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <location filename="../layouts/DialogLayouts.cpp" line="+59"/>
        <source>Kriel - Highest Score</source>
        <translation>Kriel - Bestenliste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Level:</source>
        <extracomment>Followed by the difficulty the record was set at.</extracomment>
        <translation>Stufe:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Score:</source>
        <translation>Pkt.:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Food Eaten:</source>
        <extracomment>Followed by the pieces of food the record&apos;s score stands for.</extracomment>
        <translation>Gefressen:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Current Highest by</source>
        <extracomment>Above the name of the player who holds the high score.</extracomment>
        <translation>Aktueller Rekord von</translation>
    </message>
    <message>
        <location filename="../menus/HighScoreRecord.cpp" line="+35"/>
        <source>%1 pcs</source>
        <extracomment>The pieces of food a score stands for, such as &quot;21 pcs&quot;.</extracomment>
        <translation>%1 Stk.</translation>
    </message>
    <message>
        <location filename="../menus/frmHighScore.cpp" line="+28"/>
        <source>Nobody</source>
        <translation>Niemand</translation>
    </message>
</context>
<context>
    <name>PlayWindow</name>
    <message>
        <location filename="../engine/frmMain.cpp" line="+141"/>
        <source>There was an error loading the skin.  Please select a new skin. [%1]</source>
        <extracomment>%1 is the skin&apos;s folder.</extracomment>
        <translation>Beim Laden des Skins ist ein Fehler aufgetreten.  Bitte wählen Sie einen anderen Skin. [%1]</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>Game Paused.  Press &apos;P&apos; again to resume.</source>
        <translation>Spiel angehalten.  Drücken Sie erneut „P“, um weiterzuspielen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../layouts/DialogLayouts.cpp" line="+20"/>
        <source>Kriel - Settings</source>
        <translation>Kriel - Einstellungen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gameplay Settings</source>
        <translation>Spieleinstellungen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show notifier at Startup</source>
        <extracomment>The notifier is the ring that marks the kriel&apos;s head as a game starts.</extracomment>
        <translation>Startmarkierung beim Spielbeginn zeigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Make Play Area always on top</source>
        <extracomment>The play window stays above every other window.</extracomment>
        <translation>Spielfeld immer im Vordergrund</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enable Sound</source>
        <translation>Ton einschalten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Helpful Documents</source>
        <translation>Hilfreiche Dokumente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>View Skinning Help</source>
        <translation>Hilfe zu Skins</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>View Readme</source>
        <translation>Liesmich anzeigen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Program Settings</source>
        <translation>Programmeinstellungen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Restore Defaults</source>
        <extracomment>Returns every setting to its default.</extracomment>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clean High Scores</source>
        <extracomment>Clears the stored high score.</extracomment>
        <translation>Rekord löschen</translation>
    </message>
    <message>
        <location filename="../menus/frmOptions.cpp" line="+31"/>
        <source>Kriel - Settings - [Version %1.%2.%3]</source>
        <translation>Kriel - Einstellungen - [Version %1.%2.%3]</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Clear High Scores</source>
        <translation>Rekord löschen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>High Scores Cleared.</source>
        <translation>Der Rekord ist gelöscht.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>All settings have returned to default.</source>
        <translation>Alle Einstellungen sind auf ihre Standardwerte zurückgesetzt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <location filename="../rules/SettingKeys.h" line="+81"/>
        <source>The settings could not be saved to %1. The game goes on with them until it ends.</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden. Das Spiel verwendet sie weiter, bis es endet.</translation>
    </message>
</context>
<context>
    <name>SkinCheck</name>
    <message>
        <location filename="../app/skincheck.cpp" line="+24"/>
        <source>usage: kriel-skincheck [--render OUT.png] FOLDER
       kriel-skincheck -h | --help | -v | --version
</source>
        <extracomment>Keep the options as they are, and the second line&apos;s start under the first&apos;s &quot;kriel-skincheck&quot;.</extracomment>
        <translation>Aufruf: kriel-skincheck [--render AUSGABE.png] ORDNER
        kriel-skincheck -h | --help | -v | --version
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>
Loads the skin in FOLDER as the game would and prints &quot;ok&quot; with the window&apos;s size, the
cell size, the grid and the outline&apos;s rectangles, or the first thing the game would
refuse. With --render, also draws the play window as the game shows it into OUT.png.
Exits with 0 for a skin the game takes, 1 otherwise and 2 when called wrongly.
</source>
        <extracomment>Lines of at most 80 characters. Keep &quot;ok&quot;, the options and the file names as they are.</extracomment>
        <translation>
Lädt den Skin in ORDNER, wie das Spiel es täte, und gibt „ok“ mit der Größe des
Fensters, der Zellgröße, dem Raster und den Rechtecken des Umrisses aus, oder
das Erste, was das Spiel ablehnen würde. Mit --render zeichnet es außerdem das
Spielfenster, wie das Spiel es zeigt, in AUSGABE.png. Endet mit 0 für einen
Skin, den das Spiel annimmt, sonst mit 1, und mit 2 bei falschem Aufruf.
</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>kriel-skincheck: could not write %1
</source>
        <extracomment>%1 is the picture&apos;s file.</extracomment>
        <translation>kriel-skincheck: %1 konnte nicht geschrieben werden
</translation>
    </message>
    <message>
        <location filename="../skins/SkinCheck.cpp" line="+50"/>
        <source>%1 × %2 pixels, cells of %3 pixels, a %8 × %8 grid of %4 × %4 pixels at %5, %6; an outline of %7 rectangles</source>
        <extracomment>What kriel-skincheck prints after &quot;ok: &quot; for a skin the game takes; one of the two texts that start with &quot;; &quot; follows it.</extracomment>
        <translation>%1 × %2 Pixel, Zellen von %3 Pixeln, ein Raster von %8 × %8 Zellen auf %4 × %4 Pixeln bei %5, %6; ein Umriss aus %7 Rechtecken</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>; no [Info] Name, so the skin selector will not store it</source>
        <translation>; kein [Info] Name, daher speichert die Skin-Auswahl ihn nicht</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>; named &quot;%1&quot;</source>
        <translation>; Name „%1“</translation>
    </message>
</context>
<context>
    <name>SkinInstall</name>
    <message>
        <location filename="../app/InstallSkinCommand.cpp" line="+30"/>
        <source>installed &quot;%1&quot; into %2</source>
        <translation>„%1“ in %2 installiert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>installed &quot;%1&quot; into %2, as a skin called &quot;%3&quot; was there already</source>
        <translation>„%1“ in %2 installiert, da es schon einen Skin namens „%3“ gab</translation>
    </message>
    <message>
        <location filename="../formats/SkinArchive.cpp" line="+39"/>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The archive holds an entry without a name.</source>
        <translation>Das Archiv enthält einen Eintrag ohne Namen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive holds a name from the top of the file system (%1).</source>
        <translation>Das Archiv enthält einen Namen ab der Wurzel des Dateisystems (%1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive holds a name that leads out of its folder (%1).</source>
        <translation>Das Archiv enthält einen Namen, der aus seinem Ordner hinausführt (%1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive holds a hard link (%1), which a skin never needs.</source>
        <translation>Das Archiv enthält einen harten Link (%1), den ein Skin nie braucht.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The archive holds a link (%1), which a skin never needs.</source>
        <translation>Das Archiv enthält einen Link (%1), den ein Skin nie braucht.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive holds a device, FIFO or socket (%1), which a skin never needs.</source>
        <translation>Das Archiv enthält ein Gerät, ein FIFO oder einen Socket (%1), was ein Skin nie braucht.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 could not be read as a .zip, .tar.gz, .tgz, .tar.xz or .tar.bz2 archive (%2).</source>
        <extracomment>%1 names the archive, %2 is the reason of the library that reads it.</extracomment>
        <translation>%1 ließ sich nicht als .zip-, .tar.gz-, .tgz-, .tar.xz- oder .tar.bz2-Archiv lesen (%2).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>out of memory</source>
        <translation>Speicher erschöpft</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The archive holds no skin: no skin.bmp, food.gif or config.ini at its top or in a folder there.</source>
        <translation>Das Archiv enthält keinen Skin: weder skin.bmp noch food.gif noch config.ini auf oberster Ebene oder in einem Ordner dort.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The archive holds more than %1 entries; a skin is three files.</source>
        <translation>Das Archiv enthält mehr als %1 Einträge; ein Skin besteht aus drei Dateien.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The archive</source>
        <extracomment>Names the archive in &quot;%1 could not be read as a .zip…&quot;.</extracomment>
        <translation>Das Archiv</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>its top</source>
        <extracomment>The place of skin files in an archive, as in &quot;…in two places, its top and &quot;Neon/&quot;&quot;.</extracomment>
        <translation>seine oberste Ebene</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The archive holds skin files in two places, %1 and %2; a skin stands at its top or in one folder.</source>
        <translation>Das Archiv enthält Skin-Dateien an zwei Stellen, %1 und %2; ein Skin liegt auf oberster Ebene oder in einem Ordner.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The skin holds %1 twice.</source>
        <translation>Der Skin enthält %1 zweimal.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+33"/>
        <source>Could not write %1 (%2).</source>
        <translation>%1 konnte nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>The skin comes to more than %1 unpacked, more than its three files can use.</source>
        <translation>Der Skin ist entpackt größer als %1, mehr als seine drei Dateien brauchen können.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 unpacks to more than %2, more than the game reads of %3.</source>
        <translation>%1 ist entpackt größer als %2, mehr als das Spiel von %3 liest.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1 cannot be opened: %2.</source>
        <extracomment>%2 is a reason such as &quot;missing&quot; or &quot;not a regular file&quot;.</extracomment>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Could not read %1 (%2).</source>
        <translation>%1 konnte nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <location filename="../skins/SkinInstall.cpp" line="+75"/>
        <source>Every name from &quot;%1 (2)&quot; to &quot;%1 (%2)&quot; is taken.</source>
        <translation>Alle Namen von „%1 (2)“ bis „%1 (%2)“ sind vergeben.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Your skin &quot;%1&quot; could not be moved aside to be replaced; it is left as it was.</source>
        <translation>Ihr Skin „%1“ konnte zum Ersetzen nicht beiseitegelegt werden; er bleibt, wie er war.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The skin could not be moved into %1.</source>
        <translation>Der Skin konnte nicht nach %1 verschoben werden.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>There is no folder for your own skins: neither XDG_DATA_HOME nor HOME names one.</source>
        <translation>Es gibt keinen Ordner für Ihre eigenen Skins: Weder XDG_DATA_HOME noch HOME nennt einen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The folder for your own skins, %1, could not be created.</source>
        <translation>Der Ordner für Ihre eigenen Skins, %1, konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No folder could be made in %1 to unpack the skin into.</source>
        <translation>In %1 konnte kein Ordner zum Entpacken des Skins angelegt werden.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; cannot name a skin: a skin is named by its folder, which must not be blank, start with a dot or hold a slash.</source>
        <translation>„%1“ kann keinen Skin benennen: Ein Skin heißt wie sein Ordner, und der darf nicht leer sein, nicht mit einem Punkt beginnen und keinen Schrägstrich enthalten.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game cannot load this skin: %1.</source>
        <translation>Das Spiel kann diesen Skin nicht laden: %1.</translation>
    </message>
</context>
<context>
    <name>SkinLoader</name>
    <message>
        <location filename="../formats/IniReader.cpp" line="+57"/>
        <location filename="../formats/PictureLoading.cpp" line="+67"/>
        <location filename="../formats/SkinArchive.cpp" line="-29"/>
        <location line="+26"/>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>is UTF-16 text: save it as plain text (UTF-8)</source>
        <translation>ist UTF-16-Text: als reinen Text (UTF-8) speichern</translation>
    </message>
    <message>
        <location filename="../formats/PictureLoading.cpp" line="-32"/>
        <source>larger than %1 MB</source>
        <translation>größer als %1 MB</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../formats/PictureWalks.cpp" line="+38"/>
        <source>not a picture</source>
        <translation>kein Bild</translation>
    </message>
    <message>
        <location filename="../formats/PictureWalks.cpp" line="-10"/>
        <source>its data ends early</source>
        <translation>seine Daten enden zu früh</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its data runs past its size</source>
        <translation>seine Daten reichen über seine Größe hinaus</translation>
    </message>
    <message>
        <location line="+286"/>
        <source>a JPEG of %1 scans, more than the %2 taken at its size</source>
        <translation>ein JPEG mit %1 Scans, mehr als die %2, die bei seiner Größe angenommen werden</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>a PNG whose compressed texts could inflate to more than %1 MB</source>
        <translation>ein PNG, dessen komprimierte Texte auf mehr als %1 MB anwachsen könnten</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>larger than %1 pixels a side or %2 in all</source>
        <translation>größer als %1 Pixel je Seite oder %2 insgesamt</translation>
    </message>
    <message>
        <location filename="../formats/RegularFile.cpp" line="+20"/>
        <source>cannot be read (%1)</source>
        <extracomment>%1 is the system&apos;s reason, such as &quot;permission denied&quot;.</extracomment>
        <translation>nicht lesbar (%1)</translation>
    </message>
    <message>
        <location line="+17"/>
        <location filename="../skins/SkinReader.cpp" line="+16"/>
        <source>missing</source>
        <extracomment>Why the skin&apos;s loader refuses a file or a value. Each reason follows the file&apos;s name, or its section, key and value, and a colon, and so starts in lower case.</extracomment>
        <translation>fehlt</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+4"/>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <location filename="../skins/SkinCheck.cpp" line="-34"/>
        <source>not a folder</source>
        <translation>kein Ordner</translation>
    </message>
    <message>
        <location filename="../skins/SkinReader.cpp" line="+34"/>
        <source>not a colour component from 0 up</source>
        <translation>kein Farbanteil ab 0</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>outline too complex: it takes more than %1 rectangles, even with rows alike merged</source>
        <translation>Umriss zu komplex: Er braucht mehr als %1 Rechtecke, auch wenn gleiche Zeilen zusammengefasst werden</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>leaves no pixel of the window to see: every pixel has the bottom-left one&apos;s colour or lies in the rightmost column</source>
        <translation>lässt kein Pixel des Fensters sichtbar: Jedes Pixel hat die Farbe des Pixels unten links oder liegt in der äußersten rechten Spalte</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>not a number of pixels a window can hold</source>
        <translation>keine Pixelzahl, die ein Fenster fassen kann</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not one of the codes allowed</source>
        <translation>keiner der erlaubten Codes</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>not a font size above 0 and at most 2048 points</source>
        <translation>keine Schriftgröße über 0 und bis 2048 Punkte</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>not a usable cell size</source>
        <translation>keine brauchbare Zellgröße</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>makes the play area of %7 × %7 cells (%1 × %2 pixels at %3, %4) outside the %5 × %6 pixel window</source>
        <extracomment>%1 × %2 is the play area&apos;s size in pixels, %3, %4 its top-left corner, %5 × %6 the window&apos;s size and %7 the cells the play area has across and down.</extracomment>
        <translation>legt das Spielfeld aus %7 × %7 Zellen (%1 × %2 Pixel bei %3, %4) über das Fenster von %5 × %6 Pixeln hinaus</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>puts part of the play area (%1 × %2 pixels at %3, %4) outside the %5 × %6 pixel window</source>
        <translation>legt einen Teil des Spielfelds (%1 × %2 Pixel bei %3, %4) außerhalb des Fensters von %5 × %6 Pixeln</translation>
    </message>
</context>
<context>
    <name>SkinSelector</name>
    <message>
        <location filename="../layouts/DialogLayouts.cpp" line="-112"/>
        <source>Kriel - Skin Selector</source>
        <translation>Kriel - Skin-Auswahl</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Skin Information</source>
        <translation>Skin-Informationen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Skin Name:</source>
        <translation>Skin-Name:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Website:</source>
        <extracomment>Above the skin author&apos;s web address.</extracomment>
        <translation>Website:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Author&apos;s Comments:</source>
        <extracomment>Above what the skin&apos;s author wrote about it.</extracomment>
        <translation>Anmerkungen:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The following skins are installed:</source>
        <translation>Installierte Skins:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Skin Folder:</source>
        <translation>Skin-Ordner:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Refresh List</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <location filename="../skins/frmSkin.cpp" line="+153"/>
        <source>Skins Folder: %1</source>
        <translation>Skin-Ordner: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Skins are read from:</source>
        <translation>Skins werden gelesen aus:</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Skin Name: %1</source>
        <translation>Skin-Name: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Skin Selector</source>
        <extracomment>The window&apos;s title once a skin is chosen; %1 is the skin&apos;s name.</extracomment>
        <translation>Skin-Auswahl</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skin Selector - %1</source>
        <translation>Skin-Auswahl - %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Author: %1</source>
        <translation>Autor: %1</translation>
    </message>
    <message>
        <location line="+44"/>
        <location line="+47"/>
        <source>Kriel - Install Skin</source>
        <translation>Kriel - Skin installieren</translation>
    </message>
    <message>
        <location line="-42"/>
        <source>Your own skins already hold one called &quot;%1&quot;. Replace it with the new one?

No keeps it, and installs the new one under another name.</source>
        <extracomment>&quot;No&quot; is the button of the standard question box that keeps the skin.</extracomment>
        <translation>Unter Ihren eigenen Skins gibt es schon einen namens „%1“. Durch den neuen ersetzen?

„Nein“ behält ihn und installiert den neuen unter einem anderen Namen.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Install Skin…</source>
        <translation>Skin installieren …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open Skins Folder</source>
        <translation>Skin-Ordner öffnen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remove Skin</source>
        <translation>Skin entfernen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save Preview…</source>
        <translation>Vorschau speichern …</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Skin archives (*.zip *.tar.gz *.tgz *.tar.xz *.tar.bz2)</source>
        <translation>Skin-Archive (*.zip *.tar.gz *.tgz *.tar.xz *.tar.bz2)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Kriel - Remove Skin</source>
        <translation>Kriel - Skin entfernen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remove your skin &quot;%1&quot;? It goes to the desktop&apos;s trash, where there is one.</source>
        <translation>Ihren Skin „%1“ entfernen? Er kommt in den Papierkorb des Desktops, sofern es einen gibt.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 could not be removed.</source>
        <translation>%1 konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Kriel - Save Preview</source>
        <translation>Kriel - Vorschau speichern</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+69"/>
        <source>The game cannot load this skin: %1.</source>
        <translation>Das Spiel kann diesen Skin nicht laden: %1.</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 could not be written.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>StartMenu</name>
    <message>
        <location filename="../layouts/DialogLayouts.cpp" line="-88"/>
        <source>Kriel - Begin a new game</source>
        <translation>Kriel - Neues Spiel beginnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Difficulty Selection</source>
        <translation>Schwierigkeitsgrad</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Easy (4)</source>
        <extracomment>Each difficulty shows in brackets the points a piece of food is worth at it.</extracomment>
        <translation>Leicht (4)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Medium (6)</source>
        <translation>Mittel (6)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hard (8)</source>
        <translation>Schwer (8)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Options</source>
        <extracomment>Heads the group of buttons that open the other windows.</extracomment>
        <translation>Optionen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Change Skin...</source>
        <translation>Skin wechseln …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High Score</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Play!</source>
        <extracomment>Starts a game.</extracomment>
        <translation>Spielen!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
</TS>
