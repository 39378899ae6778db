<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../app/CommandLine.cpp" line="+102"/>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location filename="../app/Startup.cpp" line="+10"/>
        <source>usage: kriel [-h | --help | -v | --version] [Qt&apos;s options]
       kriel --install-skin FILE|FOLDER
</source>
        <extracomment>Keep the options as they are, and the second line&apos;s start under the first&apos;s &quot;kriel&quot;.</extracomment>
        <translation>utilisation&#xa0;: kriel [-h | --help | -v | --version] [options de Qt]
              kriel --install-skin FICHIER|DOSSIER
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
Kriel ouvre son menu de démarrage&#xa0;: choisissez Facile, Moyen ou Difficile,
appuyez sur Jouer&#xa0;!, puis guidez le kriel jusqu&apos;à la nourriture. Touches dans la
fenêtre de jeu&#xa0;:
  flèches  diriger&#xa0;; la première met le kriel en mouvement
  P        pause, puis reprise
  Q        abandonner cette partie
  X        quitter aussitôt, sans rien enregistrer
  S        recharger le skin depuis son dossier

Les options propres à Qt vont à Qt&#xa0;: -platform NOM, -display HÔTE:ÉCRAN,
-session ID, -style NOM, -qwindowgeometry LxH+X+Y, -reverse, etc.

--install-skin FICHIER|DOSSIER installe un skin partagé parmi les vôtres, depuis
une archive .zip, .tar.gz, .tgz, .tar.xz ou .tar.bz2 ou un dossier de skin, sans
ouvrir de fenêtre. Un nom déjà pris est conservé&#xa0;: le nouveau skin en reçoit un
libre, comme «&#xa0;Neon (2)&#xa0;». Déposer la même chose sur la liste du sélecteur de
skin l&apos;installe aussi.

Skins&#xa0;:       %1, et les vôtres dans %2
Paramètres&#xa0;:  %3
</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>kriel: no display to open the game on (DISPLAY and WAYLAND_DISPLAY are unset)
</source>
        <translation>kriel: aucun écran où ouvrir le jeu (DISPLAY et WAYLAND_DISPLAY ne sont pas définies)
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>kriel: no display to open the game on (nothing answers at %1)
</source>
        <extracomment>%1 is where the game looked, as &quot;DISPLAY=:0 or WAYLAND_DISPLAY=wayland-0&quot;.</extracomment>
        <translation>kriel: aucun écran où ouvrir le jeu (rien ne répond à %1)
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> or </source>
        <translation> ou </translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <location filename="../platform/QtShell.cpp" line="+72"/>
        <source>Kriel could not open %1: this desktop has no application set to open it. Please open it by hand.</source>
        <extracomment>%1 is a help document&apos;s file or a skin&apos;s web address.</extracomment>
        <translation>Kriel n&apos;a pas pu ouvrir %1&#xa0;: aucune application n&apos;est définie sur ce bureau pour l&apos;ouvrir. Veuillez l&apos;ouvrir vous-même.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Kriel - Cannot Open</source>
        <translation>Kriel - Ouverture impossible</translation>
    </message>
</context>
<context>
    <name>Difficulty</name>
    <message>
        <location filename="../menus/Difficulty.h" line="+19"/>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
</context>
<context>
    <name>GameOver</name>
    <message>
        <location filename="../layouts/DialogLayouts.cpp" line="+77"/>
        <source>Kriel - Game Over</source>
        <translation>Kriel - Partie terminée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Game Over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Difficulty Level:</source>
        <extracomment>Followed by the difficulty the game was played at.</extracomment>
        <translation>Difficulté&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your Score:</source>
        <translation>Score&#xa0;:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Enter Name</source>
        <extracomment>Shown for a new record: asks for the name to store with it.</extracomment>
        <translation>Saisir le nom</translation>
    </message>
    <message>
        <location filename="../menus/HighScoreRecord.cpp" line="+66"/>
        <source>Since this game ended, another game of Kriel has saved a high score of %1, which your %2 does not beat. The high score stays as it is.</source>
        <translation>Depuis la fin de cette partie, une autre partie de Kriel a enregistré un meilleur score de %1, que vos %2 points ne battent pas. Le meilleur score reste inchangé.</translation>
    </message>
    <message>
        <location filename="../menus/frmGameOver.cpp" line="+33"/>
        <source>Kriel - New High Score!!</source>
        <translation>Kriel - Nouveau meilleur score&#xa0;!!</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>High Score</source>
        <translation>Meilleur score</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please enter your name.</source>
        <translation>Veuillez saisir votre nom.</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <location filename="../layouts/DialogLayouts.cpp" line="+59"/>
        <source>Kriel - Highest Score</source>
        <translation>Kriel - Meilleur score</translation>
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
        <translation>Niv.&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Score:</source>
        <translation>Pts&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Food Eaten:</source>
        <extracomment>Followed by the pieces of food the record&apos;s score stands for.</extracomment>
        <translation>Nourriture&#xa0;:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Current Highest by</source>
        <extracomment>Above the name of the player who holds the high score.</extracomment>
        <translation>Record actuel détenu par</translation>
    </message>
    <message>
        <location filename="../menus/HighScoreRecord.cpp" line="+35"/>
        <source>%1 pcs</source>
        <extracomment>The pieces of food a score stands for, such as &quot;21 pcs&quot;.</extracomment>
        <translation>%1 morceaux</translation>
    </message>
    <message>
        <location filename="../menus/frmHighScore.cpp" line="+28"/>
        <source>Nobody</source>
        <translation>Personne</translation>
    </message>
</context>
<context>
    <name>PlayWindow</name>
    <message>
        <location filename="../engine/frmMain.cpp" line="+141"/>
        <source>There was an error loading the skin.  Please select a new skin. [%1]</source>
        <extracomment>%1 is the skin&apos;s folder.</extracomment>
        <translation>Une erreur s&apos;est produite au chargement du skin.  Veuillez choisir un autre skin. [%1]</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>Game Paused.  Press &apos;P&apos; again to resume.</source>
        <translation>Partie en pause.  Appuyez de nouveau sur «&#xa0;P&#xa0;» pour reprendre.</translation>
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
        <translation>Kriel - Paramètres</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gameplay Settings</source>
        <translation>Paramètres de jeu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show notifier at Startup</source>
        <extracomment>The notifier is the ring that marks the kriel&apos;s head as a game starts.</extracomment>
        <translation>Afficher le repère de départ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Make Play Area always on top</source>
        <extracomment>The play window stays above every other window.</extracomment>
        <translation>Zone de jeu toujours au premier plan</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enable Sound</source>
        <translation>Activer le son</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Helpful Documents</source>
        <translation>Documents utiles</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>View Skinning Help</source>
        <translation>Aide sur les skins</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>View Readme</source>
        <translation>Lisez-moi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Program Settings</source>
        <translation>Paramètres du programme</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Restore Defaults</source>
        <extracomment>Returns every setting to its default.</extracomment>
        <translation>Valeurs par défaut</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clean High Scores</source>
        <extracomment>Clears the stored high score.</extracomment>
        <translation>Effacer le record</translation>
    </message>
    <message>
        <location filename="../menus/frmOptions.cpp" line="+31"/>
        <source>Kriel - Settings - [Version %1.%2.%3]</source>
        <translation>Kriel - Paramètres - [Version %1.%2.%3]</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Clear High Scores</source>
        <translation>Effacer le meilleur score</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>High Scores Cleared.</source>
        <translation>Le meilleur score est effacé.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>All settings have returned to default.</source>
        <translation>Tous les paramètres ont repris leur valeur par défaut.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset</source>
        <translation>Réinitialisation</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <location filename="../rules/SettingKeys.h" line="+81"/>
        <source>The settings could not be saved to %1. The game goes on with them until it ends.</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés dans %1. Le jeu continue avec eux jusqu&apos;à sa fermeture.</translation>
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
        <translation>utilisation&#xa0;: kriel-skincheck [--render SORTIE.png] DOSSIER
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
Charge le skin de DOSSIER comme le ferait le jeu et affiche «&#xa0;ok&#xa0;» avec la
taille de la fenêtre, la taille des cellules, la grille et les rectangles du
contour, ou la première chose que le jeu refuserait. Avec --render, il dessine
aussi dans SORTIE.png la fenêtre de jeu telle que le jeu l&apos;affiche. Se termine
avec 0 pour un skin que le jeu accepte, 1 sinon et 2 en cas d&apos;appel incorrect.
</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>kriel-skincheck: could not write %1
</source>
        <extracomment>%1 is the picture&apos;s file.</extracomment>
        <translation>kriel-skincheck: impossible d&apos;écrire %1
</translation>
    </message>
    <message>
        <location filename="../skins/SkinCheck.cpp" line="+50"/>
        <source>%1 × %2 pixels, cells of %3 pixels, a %8 × %8 grid of %4 × %4 pixels at %5, %6; an outline of %7 rectangles</source>
        <extracomment>What kriel-skincheck prints after &quot;ok: &quot; for a skin the game takes; one of the two texts that start with &quot;; &quot; follows it.</extracomment>
        <translation>%1 × %2 pixels, cellules de %3 pixels, une grille de %8 × %8 sur %4 × %4 pixels en %5, %6&#xa0;; un contour de %7 rectangles</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>; no [Info] Name, so the skin selector will not store it</source>
        <translation>&#xa0;; pas de [Info] Name, le sélecteur de skin ne l&apos;enregistrera donc pas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>; named &quot;%1&quot;</source>
        <translation>&#xa0;; nommé «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>SkinInstall</name>
    <message>
        <location filename="../app/InstallSkinCommand.cpp" line="+30"/>
        <source>installed &quot;%1&quot; into %2</source>
        <translation>«&#xa0;%1&#xa0;» installé dans %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>installed &quot;%1&quot; into %2, as a skin called &quot;%3&quot; was there already</source>
        <translation>«&#xa0;%1&#xa0;» installé dans %2, car un skin nommé «&#xa0;%3&#xa0;» s&apos;y trouvait déjà</translation>
    </message>
    <message>
        <location filename="../formats/SkinArchive.cpp" line="+39"/>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The archive holds an entry without a name.</source>
        <translation>L&apos;archive contient une entrée sans nom.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive holds a name from the top of the file system (%1).</source>
        <translation>L&apos;archive contient un nom partant de la racine du système de fichiers (%1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive holds a name that leads out of its folder (%1).</source>
        <translation>L&apos;archive contient un nom qui sort de son dossier (%1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive holds a hard link (%1), which a skin never needs.</source>
        <translation>L&apos;archive contient un lien physique (%1), dont un skin n&apos;a jamais besoin.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The archive holds a link (%1), which a skin never needs.</source>
        <translation>L&apos;archive contient un lien (%1), dont un skin n&apos;a jamais besoin.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive holds a device, FIFO or socket (%1), which a skin never needs.</source>
        <translation>L&apos;archive contient un périphérique, un FIFO ou un socket (%1), dont un skin n&apos;a jamais besoin.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 could not be read as a .zip, .tar.gz, .tgz, .tar.xz or .tar.bz2 archive (%2).</source>
        <extracomment>%1 names the archive, %2 is the reason of the library that reads it.</extracomment>
        <translation>%1 n&apos;a pas pu être lu comme archive .zip, .tar.gz, .tgz, .tar.xz ou .tar.bz2 (%2).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The archive holds no skin: no skin.bmp, food.gif or config.ini at its top or in a folder there.</source>
        <translation>L&apos;archive ne contient aucun skin&#xa0;: ni skin.bmp, ni food.gif, ni config.ini à sa racine ou dans un dossier de celle-ci.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The archive holds more than %1 entries; a skin is three files.</source>
        <translation>L&apos;archive contient plus de %1 entrées&#xa0;; un skin, c&apos;est trois fichiers.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The archive</source>
        <extracomment>Names the archive in &quot;%1 could not be read as a .zip…&quot;.</extracomment>
        <translation>L&apos;archive</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>its top</source>
        <extracomment>The place of skin files in an archive, as in &quot;…in two places, its top and &quot;Neon/&quot;&quot;.</extracomment>
        <translation>sa racine</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The archive holds skin files in two places, %1 and %2; a skin stands at its top or in one folder.</source>
        <translation>L&apos;archive contient des fichiers de skin à deux endroits, %1 et %2&#xa0;; un skin se trouve à sa racine ou dans un seul dossier.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The skin holds %1 twice.</source>
        <translation>Le skin contient deux fois %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+33"/>
        <source>Could not write %1 (%2).</source>
        <translation>Impossible d&apos;écrire %1 (%2).</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>The skin comes to more than %1 unpacked, more than its three files can use.</source>
        <translation>Le skin dépasse %1 une fois décompressé, plus que ses trois fichiers ne peuvent utiliser.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 unpacks to more than %2, more than the game reads of %3.</source>
        <translation>%1 dépasse %2 une fois décompressé, plus que ce que le jeu lit de %3.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1 cannot be opened: %2.</source>
        <extracomment>%2 is a reason such as &quot;missing&quot; or &quot;not a regular file&quot;.</extracomment>
        <translation>%1 ne peut pas être ouvert&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Could not read %1 (%2).</source>
        <translation>Impossible de lire %1 (%2).</translation>
    </message>
    <message>
        <location filename="../skins/SkinInstall.cpp" line="+75"/>
        <source>Every name from &quot;%1 (2)&quot; to &quot;%1 (%2)&quot; is taken.</source>
        <translation>Tous les noms de «&#xa0;%1 (2)&#xa0;» à «&#xa0;%1 (%2)&#xa0;» sont pris.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Your skin &quot;%1&quot; could not be moved aside to be replaced; it is left as it was.</source>
        <translation>Votre skin «&#xa0;%1&#xa0;» n&apos;a pas pu être mis de côté pour être remplacé&#xa0;; il reste tel quel.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The skin could not be moved into %1.</source>
        <translation>Le skin n&apos;a pas pu être déplacé dans %1.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>There is no folder for your own skins: neither XDG_DATA_HOME nor HOME names one.</source>
        <translation>Il n&apos;y a pas de dossier pour vos propres skins&#xa0;: ni XDG_DATA_HOME ni HOME n&apos;en indique un.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The folder for your own skins, %1, could not be created.</source>
        <translation>Le dossier de vos propres skins, %1, n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No folder could be made in %1 to unpack the skin into.</source>
        <translation>Aucun dossier n&apos;a pu être créé dans %1 pour y décompresser le skin.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; cannot name a skin: a skin is named by its folder, which must not be blank, start with a dot or hold a slash.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas nommer un skin&#xa0;: un skin porte le nom de son dossier, qui ne doit pas être vide, commencer par un point ni contenir de barre oblique.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game cannot load this skin: %1.</source>
        <translation>Le jeu ne peut pas charger ce skin&#xa0;: %1.</translation>
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
        <translation>illisible</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>is UTF-16 text: save it as plain text (UTF-8)</source>
        <translation>est un texte UTF-16&#xa0;: enregistrez-le en texte brut (UTF-8)</translation>
    </message>
    <message>
        <location filename="../formats/PictureLoading.cpp" line="-32"/>
        <source>larger than %1 MB</source>
        <translation>plus de %1 Mo</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../formats/PictureWalks.cpp" line="+38"/>
        <source>not a picture</source>
        <translation>pas une image</translation>
    </message>
    <message>
        <location filename="../formats/PictureWalks.cpp" line="-10"/>
        <source>its data ends early</source>
        <translation>ses données s&apos;arrêtent trop tôt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its data runs past its size</source>
        <translation>ses données dépassent sa taille</translation>
    </message>
    <message>
        <location line="+286"/>
        <source>a JPEG of %1 scans, more than the %2 taken at its size</source>
        <translation>un JPEG de %1 passes, plus que les %2 admises à sa taille</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>a PNG whose compressed texts could inflate to more than %1 MB</source>
        <translation>un PNG dont les textes compressés pourraient dépasser %1 Mo une fois décompressés</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>larger than %1 pixels a side or %2 in all</source>
        <translation>plus de %1 pixels de côté ou %2 au total</translation>
    </message>
    <message>
        <location filename="../formats/RegularFile.cpp" line="+20"/>
        <source>cannot be read (%1)</source>
        <extracomment>%1 is the system&apos;s reason, such as &quot;permission denied&quot;.</extracomment>
        <translation>illisible (%1)</translation>
    </message>
    <message>
        <location line="+17"/>
        <location filename="../skins/SkinReader.cpp" line="+16"/>
        <source>missing</source>
        <extracomment>Why the skin&apos;s loader refuses a file or a value. Each reason follows the file&apos;s name, or its section, key and value, and a colon, and so starts in lower case.</extracomment>
        <translation>absent</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+4"/>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <location filename="../skins/SkinCheck.cpp" line="-34"/>
        <source>not a folder</source>
        <translation>pas un dossier</translation>
    </message>
    <message>
        <location filename="../skins/SkinReader.cpp" line="+34"/>
        <source>not a colour component from 0 up</source>
        <translation>pas une composante de couleur à partir de 0</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>outline too complex: it takes more than %1 rectangles, even with rows alike merged</source>
        <translation>contour trop complexe&#xa0;: il faut plus de %1 rectangles, même en fusionnant les lignes identiques</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>leaves no pixel of the window to see: every pixel has the bottom-left one&apos;s colour or lies in the rightmost column</source>
        <translation>ne laisse voir aucun pixel de la fenêtre&#xa0;: chaque pixel a la couleur de celui en bas à gauche ou se trouve dans la colonne la plus à droite</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>not a number of pixels a window can hold</source>
        <translation>pas un nombre de pixels que peut contenir une fenêtre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not one of the codes allowed</source>
        <translation>pas un des codes autorisés</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>not a font size above 0 and at most 2048 points</source>
        <translation>pas une taille de police supérieure à 0 et d&apos;au plus 2048 points</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>not a usable cell size</source>
        <translation>pas une taille de cellule utilisable</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>makes the play area of %7 × %7 cells (%1 × %2 pixels at %3, %4) outside the %5 × %6 pixel window</source>
        <extracomment>%1 × %2 is the play area&apos;s size in pixels, %3, %4 its top-left corner, %5 × %6 the window&apos;s size and %7 the cells the play area has across and down.</extracomment>
        <translation>place la zone de jeu de %7 × %7 cellules (%1 × %2 pixels en %3, %4) hors de la fenêtre de %5 × %6 pixels</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>puts part of the play area (%1 × %2 pixels at %3, %4) outside the %5 × %6 pixel window</source>
        <translation>place une partie de la zone de jeu (%1 × %2 pixels en %3, %4) hors de la fenêtre de %5 × %6 pixels</translation>
    </message>
</context>
<context>
    <name>SkinSelector</name>
    <message>
        <location filename="../layouts/DialogLayouts.cpp" line="-112"/>
        <source>Kriel - Skin Selector</source>
        <translation>Kriel - Sélecteur de skin</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Skin Information</source>
        <translation>Informations sur le skin</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Skin Name:</source>
        <translation>Nom du skin&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Author:</source>
        <translation>Auteur&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Website:</source>
        <extracomment>Above the skin author&apos;s web address.</extracomment>
        <translation>Site&#xa0;:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Author&apos;s Comments:</source>
        <extracomment>Above what the skin&apos;s author wrote about it.</extracomment>
        <translation>Commentaires&#xa0;:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The following skins are installed:</source>
        <translation>Skins installés&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Skin Folder:</source>
        <translation>Dossier des skins&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Refresh List</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <location filename="../skins/frmSkin.cpp" line="+153"/>
        <source>Skins Folder: %1</source>
        <translation>Dossier des skins&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Skins are read from:</source>
        <translation>Les skins sont lus depuis&#xa0;:</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Skin Name: %1</source>
        <translation>Nom du skin&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Skin Selector</source>
        <extracomment>The window&apos;s title once a skin is chosen; %1 is the skin&apos;s name.</extracomment>
        <translation>Sélecteur de skin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skin Selector - %1</source>
        <translation>Sélecteur de skin - %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Author: %1</source>
        <translation>Auteur&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+44"/>
        <location line="+47"/>
        <source>Kriel - Install Skin</source>
        <translation>Kriel - Installer un skin</translation>
    </message>
    <message>
        <location line="-42"/>
        <source>Your own skins already hold one called &quot;%1&quot;. Replace it with the new one?

No keeps it, and installs the new one under another name.</source>
        <extracomment>&quot;No&quot; is the button of the standard question box that keeps the skin.</extracomment>
        <translation>Vos skins en comptent déjà un nommé «&#xa0;%1&#xa0;». Le remplacer par le nouveau&#xa0;?

«&#xa0;Non&#xa0;» le conserve et installe le nouveau sous un autre nom.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Install Skin…</source>
        <translation>Installer un skin…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open Skins Folder</source>
        <translation>Ouvrir le dossier des skins</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remove Skin</source>
        <translation>Supprimer le skin</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save Preview…</source>
        <translation>Enregistrer l&apos;aperçu…</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Skin archives (*.zip *.tar.gz *.tgz *.tar.xz *.tar.bz2)</source>
        <translation>Archives de skin (*.zip *.tar.gz *.tgz *.tar.xz *.tar.bz2)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Kriel - Remove Skin</source>
        <translation>Kriel - Supprimer le skin</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remove your skin &quot;%1&quot;? It goes to the desktop&apos;s trash, where there is one.</source>
        <translation>Supprimer votre skin «&#xa0;%1&#xa0;»&#xa0;? Il ira dans la corbeille du bureau, s&apos;il y en a une.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 could not be removed.</source>
        <translation>%1 n&apos;a pas pu être supprimé.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Kriel - Save Preview</source>
        <translation>Kriel - Enregistrer l&apos;aperçu</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+69"/>
        <source>The game cannot load this skin: %1.</source>
        <translation>Le jeu ne peut pas charger ce skin&#xa0;: %1.</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 could not be written.</source>
        <translation>%1 n&apos;a pas pu être écrit.</translation>
    </message>
</context>
<context>
    <name>StartMenu</name>
    <message>
        <location filename="../layouts/DialogLayouts.cpp" line="-88"/>
        <source>Kriel - Begin a new game</source>
        <translation>Kriel - Commencer une partie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Difficulty Selection</source>
        <translation>Choix de la difficulté</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Easy (4)</source>
        <extracomment>Each difficulty shows in brackets the points a piece of food is worth at it.</extracomment>
        <translation>Facile (4)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Medium (6)</source>
        <translation>Moyen (6)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hard (8)</source>
        <translation>Difficile (8)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Options</source>
        <extracomment>Heads the group of buttons that open the other windows.</extracomment>
        <translation>Options</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Change Skin...</source>
        <translation>Changer le skin…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High Score</source>
        <translation>Meilleur score</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Play!</source>
        <extracomment>Starts a game.</extracomment>
        <translation>Jouer&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
</TS>
