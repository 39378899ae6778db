<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../app/CommandLine.cpp" line="+102"/>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/Startup.cpp" line="+10"/>
        <source>usage: kriel [-h | --help | -v | --version] [Qt&apos;s options]
       kriel --install-skin FILE|FOLDER
</source>
        <extracomment>Keep the options as they are, and the second line&apos;s start under the first&apos;s &quot;kriel&quot;.</extracomment>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+57"/>
        <source>kriel: no display to open the game on (DISPLAY and WAYLAND_DISPLAY are unset)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>kriel: no display to open the game on (nothing answers at %1)
</source>
        <extracomment>%1 is where the game looked, as &quot;DISPLAY=:0 or WAYLAND_DISPLAY=wayland-0&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source> or </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <location filename="../platform/QtShell.cpp" line="+72"/>
        <source>Kriel could not open %1: this desktop has no application set to open it. Please open it by hand.</source>
        <extracomment>%1 is a help document&apos;s file or a skin&apos;s web address.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Kriel - Cannot Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Difficulty</name>
    <message>
        <location filename="../menus/Difficulty.h" line="+19"/>
        <source>Easy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameOver</name>
    <message>
        <location filename="../layouts/DialogLayouts.cpp" line="+77"/>
        <source>Kriel - Game Over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Game Over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Difficulty Level:</source>
        <extracomment>Followed by the difficulty the game was played at.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your Score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Enter Name</source>
        <extracomment>Shown for a new record: asks for the name to store with it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../menus/HighScoreRecord.cpp" line="+66"/>
        <source>Since this game ended, another game of Kriel has saved a high score of %1, which your %2 does not beat. The high score stays as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../menus/frmGameOver.cpp" line="+33"/>
        <source>Kriel - New High Score!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>High Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please enter your name.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <location filename="../layouts/DialogLayouts.cpp" line="+59"/>
        <source>Kriel - Highest Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Level:</source>
        <extracomment>Followed by the difficulty the record was set at.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Food Eaten:</source>
        <extracomment>Followed by the pieces of food the record&apos;s score stands for.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Current Highest by</source>
        <extracomment>Above the name of the player who holds the high score.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../menus/HighScoreRecord.cpp" line="+35"/>
        <source>%1 pcs</source>
        <extracomment>The pieces of food a score stands for, such as &quot;21 pcs&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../menus/frmHighScore.cpp" line="+28"/>
        <source>Nobody</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayWindow</name>
    <message>
        <location filename="../engine/frmMain.cpp" line="+141"/>
        <source>There was an error loading the skin.  Please select a new skin. [%1]</source>
        <extracomment>%1 is the skin&apos;s folder.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+102"/>
        <source>Game Paused.  Press &apos;P&apos; again to resume.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../layouts/DialogLayouts.cpp" line="+20"/>
        <source>Kriel - Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gameplay Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show notifier at Startup</source>
        <extracomment>The notifier is the ring that marks the kriel&apos;s head as a game starts.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Make Play Area always on top</source>
        <extracomment>The play window stays above every other window.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enable Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Helpful Documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>View Skinning Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>View Readme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Program Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Restore Defaults</source>
        <extracomment>Returns every setting to its default.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clean High Scores</source>
        <extracomment>Clears the stored high score.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../menus/frmOptions.cpp" line="+31"/>
        <source>Kriel - Settings - [Version %1.%2.%3]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Clear High Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>High Scores Cleared.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>All settings have returned to default.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <location filename="../rules/SettingKeys.h" line="+81"/>
        <source>The settings could not be saved to %1. The game goes on with them until it ends.</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+49"/>
        <source>kriel-skincheck: could not write %1
</source>
        <extracomment>%1 is the picture&apos;s file.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../skins/SkinCheck.cpp" line="+50"/>
        <source>%1 × %2 pixels, cells of %3 pixels, a %8 × %8 grid of %4 × %4 pixels at %5, %6; an outline of %7 rectangles</source>
        <extracomment>What kriel-skincheck prints after &quot;ok: &quot; for a skin the game takes; one of the two texts that start with &quot;; &quot; follows it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>; no [Info] Name, so the skin selector will not store it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>; named &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SkinInstall</name>
    <message>
        <location filename="../app/InstallSkinCommand.cpp" line="+30"/>
        <source>installed &quot;%1&quot; into %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>installed &quot;%1&quot; into %2, as a skin called &quot;%3&quot; was there already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../formats/SkinArchive.cpp" line="+39"/>
        <source>%1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The archive holds an entry without a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive holds a name from the top of the file system (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive holds a name that leads out of its folder (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive holds a hard link (%1), which a skin never needs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The archive holds a link (%1), which a skin never needs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive holds a device, FIFO or socket (%1), which a skin never needs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 could not be read as a .zip, .tar.gz, .tgz, .tar.xz or .tar.bz2 archive (%2).</source>
        <extracomment>%1 names the archive, %2 is the reason of the library that reads it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The archive holds no skin: no skin.bmp, food.gif or config.ini at its top or in a folder there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The archive holds more than %1 entries; a skin is three files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The archive</source>
        <extracomment>Names the archive in &quot;%1 could not be read as a .zip…&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>its top</source>
        <extracomment>The place of skin files in an archive, as in &quot;…in two places, its top and &quot;Neon/&quot;&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The archive holds skin files in two places, %1 and %2; a skin stands at its top or in one folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The skin holds %1 twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+33"/>
        <source>Could not write %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-9"/>
        <source>The skin comes to more than %1 unpacked, more than its three files can use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 unpacks to more than %2, more than the game reads of %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1 cannot be opened: %2.</source>
        <extracomment>%2 is a reason such as &quot;missing&quot; or &quot;not a regular file&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Could not read %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../skins/SkinInstall.cpp" line="+75"/>
        <source>Every name from &quot;%1 (2)&quot; to &quot;%1 (%2)&quot; is taken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Your skin &quot;%1&quot; could not be moved aside to be replaced; it is left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The skin could not be moved into %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>There is no folder for your own skins: neither XDG_DATA_HOME nor HOME names one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The folder for your own skins, %1, could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No folder could be made in %1 to unpack the skin into.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; cannot name a skin: a skin is named by its folder, which must not be blank, start with a dot or hold a slash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game cannot load this skin: %1.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>is UTF-16 text: save it as plain text (UTF-8)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../formats/PictureLoading.cpp" line="-32"/>
        <source>larger than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../formats/PictureWalks.cpp" line="+38"/>
        <source>not a picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../formats/PictureWalks.cpp" line="-10"/>
        <source>its data ends early</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its data runs past its size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+286"/>
        <source>a JPEG of %1 scans, more than the %2 taken at its size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+94"/>
        <source>a PNG whose compressed texts could inflate to more than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+44"/>
        <source>larger than %1 pixels a side or %2 in all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../formats/RegularFile.cpp" line="+20"/>
        <source>cannot be read (%1)</source>
        <extracomment>%1 is the system&apos;s reason, such as &quot;permission denied&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <location filename="../skins/SkinReader.cpp" line="+16"/>
        <source>missing</source>
        <extracomment>Why the skin&apos;s loader refuses a file or a value. Each reason follows the file&apos;s name, or its section, key and value, and a colon, and so starts in lower case.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+4"/>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../skins/SkinCheck.cpp" line="-34"/>
        <source>not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../skins/SkinReader.cpp" line="+34"/>
        <source>not a colour component from 0 up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+43"/>
        <source>outline too complex: it takes more than %1 rectangles, even with rows alike merged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>leaves no pixel of the window to see: every pixel has the bottom-left one&apos;s colour or lies in the rightmost column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>not a number of pixels a window can hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not one of the codes allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>not a font size above 0 and at most 2048 points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>not a usable cell size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <source>makes the play area of %7 × %7 cells (%1 × %2 pixels at %3, %4) outside the %5 × %6 pixel window</source>
        <extracomment>%1 × %2 is the play area&apos;s size in pixels, %3, %4 its top-left corner, %5 × %6 the window&apos;s size and %7 the cells the play area has across and down.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>puts part of the play area (%1 × %2 pixels at %3, %4) outside the %5 × %6 pixel window</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SkinSelector</name>
    <message>
        <location filename="../layouts/DialogLayouts.cpp" line="-112"/>
        <source>Kriel - Skin Selector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Skin Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Skin Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Author:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Website:</source>
        <extracomment>Above the skin author&apos;s web address.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Author&apos;s Comments:</source>
        <extracomment>Above what the skin&apos;s author wrote about it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The following skins are installed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Skin Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Refresh List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../skins/frmSkin.cpp" line="+153"/>
        <source>Skins Folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Skins are read from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Skin Name: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Skin Selector</source>
        <extracomment>The window&apos;s title once a skin is chosen; %1 is the skin&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skin Selector - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Author: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+44"/>
        <location line="+47"/>
        <source>Kriel - Install Skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-42"/>
        <source>Your own skins already hold one called &quot;%1&quot;. Replace it with the new one?

No keeps it, and installs the new one under another name.</source>
        <extracomment>&quot;No&quot; is the button of the standard question box that keeps the skin.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Install Skin…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open Skins Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remove Skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save Preview…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Skin archives (*.zip *.tar.gz *.tgz *.tar.xz *.tar.bz2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Kriel - Remove Skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remove your skin &quot;%1&quot;? It goes to the desktop&apos;s trash, where there is one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 could not be removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Kriel - Save Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+69"/>
        <source>The game cannot load this skin: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-62"/>
        <source>PNG pictures (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartMenu</name>
    <message>
        <location filename="../layouts/DialogLayouts.cpp" line="-88"/>
        <source>Kriel - Begin a new game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Difficulty Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Easy (4)</source>
        <extracomment>Each difficulty shows in brackets the points a piece of food is worth at it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Medium (6)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hard (8)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Options</source>
        <extracomment>Heads the group of buttons that open the other windows.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Change Skin...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Play!</source>
        <extracomment>Starts a game.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
