<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../app/CommandLine.cpp" line="+102"/>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <location filename="../app/Startup.cpp" line="+10"/>
        <source>usage: kriel [-h | --help | -v | --version] [Qt&apos;s options]
       kriel --install-skin FILE|FOLDER
</source>
        <extracomment>Keep the options as they are, and the second line&apos;s start under the first&apos;s &quot;kriel&quot;.</extracomment>
        <translation>uso: kriel [-h | --help | -v | --version] [opciones de Qt]
     kriel --install-skin ARCHIVO|CARPETA
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
Kriel abre su menú de inicio: elige Fácil, Medio o Difícil, pulsa ¡Jugar! y
guía al kriel hasta la comida. Teclas en la ventana de juego:
  flechas  dirigir; la primera pone al kriel en marcha
  P        pausa, y continuar
  Q        abandonar esta partida
  X        salir de inmediato, sin guardar nada
  S        volver a cargar el skin desde su carpeta

Las opciones propias de Qt van a Qt: -platform NOMBRE, -display HOST:PANTALLA,
-session ID, -style NOMBRE, -qwindowgeometry WxH+X+Y, -reverse y similares.

--install-skin ARCHIVO|CARPETA instala un skin compartido junto a los tuyos,
desde un archivo comprimido .zip, .tar.gz, .tgz, .tar.xz o .tar.bz2 o desde una
carpeta de skin, y no abre ninguna ventana. Un nombre ya usado se conserva: el
skin nuevo recibe uno libre, como «Neon (2)». Soltar lo mismo sobre la lista del
selector de skins también lo instala.

Skins:          %1, y los tuyos en %2
Configuración:  %3
</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>kriel: no display to open the game on (DISPLAY and WAYLAND_DISPLAY are unset)
</source>
        <translation>kriel: no hay ninguna pantalla donde abrir el juego (DISPLAY y WAYLAND_DISPLAY no están definidas)
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>kriel: no display to open the game on (nothing answers at %1)
</source>
        <extracomment>%1 is where the game looked, as &quot;DISPLAY=:0 or WAYLAND_DISPLAY=wayland-0&quot;.</extracomment>
        <translation>kriel: no hay ninguna pantalla donde abrir el juego (nada responde en %1)
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> or </source>
        <translation> o </translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <location filename="../platform/QtShell.cpp" line="+72"/>
        <source>Kriel could not open %1: this desktop has no application set to open it. Please open it by hand.</source>
        <extracomment>%1 is a help document&apos;s file or a skin&apos;s web address.</extracomment>
        <translation>Kriel no pudo abrir %1: este escritorio no tiene ninguna aplicación configurada para abrirlo. Ábrelo a mano.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Kriel - Cannot Open</source>
        <translation>Kriel - No se puede abrir</translation>
    </message>
</context>
<context>
    <name>Difficulty</name>
    <message>
        <location filename="../menus/Difficulty.h" line="+19"/>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
</context>
<context>
    <name>GameOver</name>
    <message>
        <location filename="../layouts/DialogLayouts.cpp" line="+77"/>
        <source>Kriel - Game Over</source>
        <translation>Kriel - Fin de la partida</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Game Over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Difficulty Level:</source>
        <extracomment>Followed by the difficulty the game was played at.</extracomment>
        <translation>Dificultad:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your Score:</source>
        <translation>Puntos:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Enter Name</source>
        <extracomment>Shown for a new record: asks for the name to store with it.</extracomment>
        <translation>Introducir nombre</translation>
    </message>
    <message>
        <location filename="../menus/HighScoreRecord.cpp" line="+66"/>
        <source>Since this game ended, another game of Kriel has saved a high score of %1, which your %2 does not beat. The high score stays as it is.</source>
        <translation>Desde que terminó esta partida, otra partida de Kriel ha guardado una puntuación máxima de %1, que tus %2 puntos no superan. La puntuación máxima se queda como está.</translation>
    </message>
    <message>
        <location filename="../menus/frmGameOver.cpp" line="+33"/>
        <source>Kriel - New High Score!!</source>
        <translation>Kriel - ¡¡Nueva puntuación máxima!!</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>High Score</source>
        <translation>Puntuación máxima</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please enter your name.</source>
        <translation>Introduce tu nombre, por favor.</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <location filename="../layouts/DialogLayouts.cpp" line="+59"/>
        <source>Kriel - Highest Score</source>
        <translation>Kriel - Puntuación máxima</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Level:</source>
        <extracomment>Followed by the difficulty the record was set at.</extracomment>
        <translation>Nivel:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Score:</source>
        <translation>Ptos.:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Food Eaten:</source>
        <extracomment>Followed by the pieces of food the record&apos;s score stands for.</extracomment>
        <translation>Comida:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Current Highest by</source>
        <extracomment>Above the name of the player who holds the high score.</extracomment>
        <translation>Récord actual de</translation>
    </message>
    <message>
        <location filename="../menus/HighScoreRecord.cpp" line="+35"/>
        <source>%1 pcs</source>
        <extracomment>The pieces of food a score stands for, such as &quot;21 pcs&quot;.</extracomment>
        <translation>%1 piezas</translation>
    </message>
    <message>
        <location filename="../menus/frmHighScore.cpp" line="+28"/>
        <source>Nobody</source>
        <translation>Nadie</translation>
    </message>
</context>
<context>
    <name>PlayWindow</name>
    <message>
        <location filename="../engine/frmMain.cpp" line="+141"/>
        <source>There was an error loading the skin.  Please select a new skin. [%1]</source>
        <extracomment>%1 is the skin&apos;s folder.</extracomment>
        <translation>Se produjo un error al cargar el skin.  Elige otro skin, por favor. [%1]</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>Game Paused.  Press &apos;P&apos; again to resume.</source>
        <translation>Partida en pausa.  Pulsa «P» otra vez para continuar.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../layouts/DialogLayouts.cpp" line="+20"/>
        <source>Kriel - Settings</source>
        <translation>Kriel - Configuración</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gameplay Settings</source>
        <translation>Opciones de juego</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show notifier at Startup</source>
        <extracomment>The notifier is the ring that marks the kriel&apos;s head as a game starts.</extracomment>
        <translation>Mostrar la marca de salida</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Make Play Area always on top</source>
        <extracomment>The play window stays above every other window.</extracomment>
        <translation>Área de juego siempre encima</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enable Sound</source>
        <translation>Activar el sonido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Helpful Documents</source>
        <translation>Documentos de ayuda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>View Skinning Help</source>
        <translation>Ayuda de skins</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>View Readme</source>
        <translation>Ver Léame</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Program Settings</source>
        <translation>Opciones del programa</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Restore Defaults</source>
        <extracomment>Returns every setting to its default.</extracomment>
        <translation>Restablecer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clean High Scores</source>
        <extracomment>Clears the stored high score.</extracomment>
        <translation>Borrar récord</translation>
    </message>
    <message>
        <location filename="../menus/frmOptions.cpp" line="+31"/>
        <source>Kriel - Settings - [Version %1.%2.%3]</source>
        <translation>Kriel - Configuración - [Versión %1.%2.%3]</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Clear High Scores</source>
        <translation>Borrar puntuación máxima</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>High Scores Cleared.</source>
        <translation>Puntuación máxima borrada.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>All settings have returned to default.</source>
        <translation>Toda la configuración ha vuelto a sus valores predeterminados.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <location filename="../rules/SettingKeys.h" line="+81"/>
        <source>The settings could not be saved to %1. The game goes on with them until it ends.</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>No se pudo guardar la configuración en %1. El juego sigue usándola hasta que termine.</translation>
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
        <translation>uso: kriel-skincheck [--render SALIDA.png] CARPETA
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
Carga el skin de CARPETA como lo haría el juego y muestra «ok» con el tamaño de
la ventana, el tamaño de celda, la cuadrícula y los rectángulos del contorno, o
lo primero que el juego rechazaría. Con --render, también dibuja en SALIDA.png
la ventana de juego tal como la muestra el juego. Sale con 0 para un skin que el
juego acepta, con 1 si no, y con 2 si se le llama de forma incorrecta.
</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>kriel-skincheck: could not write %1
</source>
        <extracomment>%1 is the picture&apos;s file.</extracomment>
        <translation>kriel-skincheck: no se pudo escribir %1
</translation>
    </message>
    <message>
        <location filename="../skins/SkinCheck.cpp" line="+50"/>
        <source>%1 × %2 pixels, cells of %3 pixels, a %8 × %8 grid of %4 × %4 pixels at %5, %6; an outline of %7 rectangles</source>
        <extracomment>What kriel-skincheck prints after &quot;ok: &quot; for a skin the game takes; one of the two texts that start with &quot;; &quot; follows it.</extracomment>
        <translation>%1 × %2 píxeles, celdas de %3 píxeles, una cuadrícula de %8 × %8 en %4 × %4 píxeles en %5, %6; un contorno de %7 rectángulos</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>; no [Info] Name, so the skin selector will not store it</source>
        <translation>; sin [Info] Name, así que el selector de skins no lo guardará</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>; named &quot;%1&quot;</source>
        <translation>; llamado «%1»</translation>
    </message>
</context>
<context>
    <name>SkinInstall</name>
    <message>
        <location filename="../app/InstallSkinCommand.cpp" line="+30"/>
        <source>installed &quot;%1&quot; into %2</source>
        <translation>«%1» instalado en %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>installed &quot;%1&quot; into %2, as a skin called &quot;%3&quot; was there already</source>
        <translation>«%1» instalado en %2, ya que había un skin llamado «%3»</translation>
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
        <translation>El archivo comprimido contiene una entrada sin nombre.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive holds a name from the top of the file system (%1).</source>
        <translation>El archivo comprimido contiene un nombre desde la raíz del sistema de archivos (%1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive holds a name that leads out of its folder (%1).</source>
        <translation>El archivo comprimido contiene un nombre que sale de su carpeta (%1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive holds a hard link (%1), which a skin never needs.</source>
        <translation>El archivo comprimido contiene un enlace duro (%1), que un skin nunca necesita.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The archive holds a link (%1), which a skin never needs.</source>
        <translation>El archivo comprimido contiene un enlace (%1), que un skin nunca necesita.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive holds a device, FIFO or socket (%1), which a skin never needs.</source>
        <translation>El archivo comprimido contiene un dispositivo, FIFO o socket (%1), que un skin nunca necesita.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 could not be read as a .zip, .tar.gz, .tgz, .tar.xz or .tar.bz2 archive (%2).</source>
        <extracomment>%1 names the archive, %2 is the reason of the library that reads it.</extracomment>
        <translation>%1 no se pudo leer como archivo comprimido .zip, .tar.gz, .tgz, .tar.xz o .tar.bz2 (%2).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>out of memory</source>
        <translation>memoria agotada</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The archive holds no skin: no skin.bmp, food.gif or config.ini at its top or in a folder there.</source>
        <translation>El archivo comprimido no contiene ningún skin: ni skin.bmp, ni food.gif, ni config.ini en su raíz o en una carpeta de ella.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The archive holds more than %1 entries; a skin is three files.</source>
        <translation>El archivo comprimido contiene más de %1 entradas; un skin son tres archivos.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The archive</source>
        <extracomment>Names the archive in &quot;%1 could not be read as a .zip…&quot;.</extracomment>
        <translation>El archivo comprimido</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>its top</source>
        <extracomment>The place of skin files in an archive, as in &quot;…in two places, its top and &quot;Neon/&quot;&quot;.</extracomment>
        <translation>su raíz</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The archive holds skin files in two places, %1 and %2; a skin stands at its top or in one folder.</source>
        <translation>El archivo comprimido contiene archivos de skin en dos lugares, %1 y %2; un skin está en su raíz o en una sola carpeta.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The skin holds %1 twice.</source>
        <translation>El skin contiene %1 dos veces.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+33"/>
        <source>Could not write %1 (%2).</source>
        <translation>No se pudo escribir %1 (%2).</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>The skin comes to more than %1 unpacked, more than its three files can use.</source>
        <translation>El skin ocupa más de %1 descomprimido, más de lo que pueden usar sus tres archivos.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 unpacks to more than %2, more than the game reads of %3.</source>
        <translation>%1 ocupa más de %2 descomprimido, más de lo que el juego lee de %3.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1 cannot be opened: %2.</source>
        <extracomment>%2 is a reason such as &quot;missing&quot; or &quot;not a regular file&quot;.</extracomment>
        <translation>%1 no se puede abrir: %2.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Could not read %1 (%2).</source>
        <translation>No se pudo leer %1 (%2).</translation>
    </message>
    <message>
        <location filename="../skins/SkinInstall.cpp" line="+75"/>
        <source>Every name from &quot;%1 (2)&quot; to &quot;%1 (%2)&quot; is taken.</source>
        <translation>Todos los nombres de «%1 (2)» a «%1 (%2)» están ocupados.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Your skin &quot;%1&quot; could not be moved aside to be replaced; it is left as it was.</source>
        <translation>Tu skin «%1» no se pudo apartar para reemplazarlo; se queda como estaba.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The skin could not be moved into %1.</source>
        <translation>No se pudo mover el skin a %1.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>There is no folder for your own skins: neither XDG_DATA_HOME nor HOME names one.</source>
        <translation>No hay carpeta para tus propios skins: ni XDG_DATA_HOME ni HOME indican una.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The folder for your own skins, %1, could not be created.</source>
        <translation>No se pudo crear la carpeta para tus propios skins, %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No folder could be made in %1 to unpack the skin into.</source>
        <translation>No se pudo crear en %1 una carpeta donde descomprimir el skin.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; cannot name a skin: a skin is named by its folder, which must not be blank, start with a dot or hold a slash.</source>
        <translation>«%1» no puede nombrar un skin: un skin se llama como su carpeta, que no puede estar vacía, empezar por un punto ni contener una barra.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game cannot load this skin: %1.</source>
        <translation>El juego no puede cargar este skin: %1.</translation>
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
        <translation>no se puede leer</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>is UTF-16 text: save it as plain text (UTF-8)</source>
        <translation>es texto UTF-16: guárdalo como texto plano (UTF-8)</translation>
    </message>
    <message>
        <location filename="../formats/PictureLoading.cpp" line="-32"/>
        <source>larger than %1 MB</source>
        <translation>mayor de %1 MB</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../formats/PictureWalks.cpp" line="+38"/>
        <source>not a picture</source>
        <translation>no es una imagen</translation>
    </message>
    <message>
        <location filename="../formats/PictureWalks.cpp" line="-10"/>
        <source>its data ends early</source>
        <translation>sus datos terminan antes de tiempo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its data runs past its size</source>
        <translation>sus datos van más allá de su tamaño</translation>
    </message>
    <message>
        <location line="+286"/>
        <source>a JPEG of %1 scans, more than the %2 taken at its size</source>
        <translation>un JPEG de %1 pasadas, más de las %2 admitidas a su tamaño</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>a PNG whose compressed texts could inflate to more than %1 MB</source>
        <translation>un PNG cuyos textos comprimidos podrían ocupar más de %1 MB al descomprimirse</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>larger than %1 pixels a side or %2 in all</source>
        <translation>mayor de %1 píxeles de lado o %2 en total</translation>
    </message>
    <message>
        <location filename="../formats/RegularFile.cpp" line="+20"/>
        <source>cannot be read (%1)</source>
        <extracomment>%1 is the system&apos;s reason, such as &quot;permission denied&quot;.</extracomment>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <location line="+17"/>
        <location filename="../skins/SkinReader.cpp" line="+16"/>
        <source>missing</source>
        <extracomment>Why the skin&apos;s loader refuses a file or a value. Each reason follows the file&apos;s name, or its section, key and value, and a colon, and so starts in lower case.</extracomment>
        <translation>falta</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+4"/>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <location filename="../skins/SkinCheck.cpp" line="-34"/>
        <source>not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <location filename="../skins/SkinReader.cpp" line="+34"/>
        <source>not a colour component from 0 up</source>
        <translation>no es un componente de color desde 0</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>outline too complex: it takes more than %1 rectangles, even with rows alike merged</source>
        <translation>contorno demasiado complejo: requiere más de %1 rectángulos, incluso uniendo las filas iguales</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>leaves no pixel of the window to see: every pixel has the bottom-left one&apos;s colour or lies in the rightmost column</source>
        <translation>no deja ver ningún píxel de la ventana: cada píxel tiene el color del de abajo a la izquierda o está en la columna de más a la derecha</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>not a number of pixels a window can hold</source>
        <translation>no es un número de píxeles que quepa en una ventana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not one of the codes allowed</source>
        <translation>no es uno de los códigos permitidos</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>not a font size above 0 and at most 2048 points</source>
        <translation>no es un tamaño de letra mayor que 0 y de 2048 puntos como mucho</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>not a usable cell size</source>
        <translation>no es un tamaño de celda utilizable</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>makes the play area of %7 × %7 cells (%1 × %2 pixels at %3, %4) outside the %5 × %6 pixel window</source>
        <extracomment>%1 × %2 is the play area&apos;s size in pixels, %3, %4 its top-left corner, %5 × %6 the window&apos;s size and %7 the cells the play area has across and down.</extracomment>
        <translation>deja el área de juego de %7 × %7 celdas (%1 × %2 píxeles en %3, %4) fuera de la ventana de %5 × %6 píxeles</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>puts part of the play area (%1 × %2 pixels at %3, %4) outside the %5 × %6 pixel window</source>
        <translation>deja parte del área de juego (%1 × %2 píxeles en %3, %4) fuera de la ventana de %5 × %6 píxeles</translation>
    </message>
</context>
<context>
    <name>SkinSelector</name>
    <message>
        <location filename="../layouts/DialogLayouts.cpp" line="-112"/>
        <source>Kriel - Skin Selector</source>
        <translation>Kriel - Selector de skins</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Skin Information</source>
        <translation>Información del skin</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Skin Name:</source>
        <translation>Nombre del skin:</translation>
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
        <translation>Web:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Author&apos;s Comments:</source>
        <extracomment>Above what the skin&apos;s author wrote about it.</extracomment>
        <translation>Comentarios:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The following skins are installed:</source>
        <translation>Skins instalados:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Skin Folder:</source>
        <translation>Carpeta de skins:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Refresh List</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <location filename="../skins/frmSkin.cpp" line="+153"/>
        <source>Skins Folder: %1</source>
        <translation>Carpeta de skins: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Skins are read from:</source>
        <translation>Los skins se leen de:</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Skin Name: %1</source>
        <translation>Nombre del skin: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Skin Selector</source>
        <extracomment>The window&apos;s title once a skin is chosen; %1 is the skin&apos;s name.</extracomment>
        <translation>Selector de skins</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skin Selector - %1</source>
        <translation>Selector de skins - %1</translation>
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
        <translation>Kriel - Instalar skin</translation>
    </message>
    <message>
        <location line="-42"/>
        <source>Your own skins already hold one called &quot;%1&quot;. Replace it with the new one?

No keeps it, and installs the new one under another name.</source>
        <extracomment>&quot;No&quot; is the button of the standard question box that keeps the skin.</extracomment>
        <translation>Tus skins ya incluyen uno llamado «%1». ¿Reemplazarlo por el nuevo?

«No» lo conserva e instala el nuevo con otro nombre.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Install Skin…</source>
        <translation>Instalar skin…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open Skins Folder</source>
        <translation>Abrir la carpeta de skins</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remove Skin</source>
        <translation>Eliminar skin</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save Preview…</source>
        <translation>Guardar vista previa…</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Skin archives (*.zip *.tar.gz *.tgz *.tar.xz *.tar.bz2)</source>
        <translation>Archivos de skin (*.zip *.tar.gz *.tgz *.tar.xz *.tar.bz2)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Kriel - Remove Skin</source>
        <translation>Kriel - Eliminar skin</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remove your skin &quot;%1&quot;? It goes to the desktop&apos;s trash, where there is one.</source>
        <translation>¿Eliminar tu skin «%1»? Irá a la papelera del escritorio, si la hay.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 could not be removed.</source>
        <translation>No se pudo eliminar %1.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Kriel - Save Preview</source>
        <translation>Kriel - Guardar vista previa</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+69"/>
        <source>The game cannot load this skin: %1.</source>
        <translation>El juego no puede cargar este skin: %1.</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 could not be written.</source>
        <translation>No se pudo escribir %1.</translation>
    </message>
</context>
<context>
    <name>StartMenu</name>
    <message>
        <location filename="../layouts/DialogLayouts.cpp" line="-88"/>
        <source>Kriel - Begin a new game</source>
        <translation>Kriel - Empezar una partida nueva</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Difficulty Selection</source>
        <translation>Selección de dificultad</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Easy (4)</source>
        <extracomment>Each difficulty shows in brackets the points a piece of food is worth at it.</extracomment>
        <translation>Fácil (4)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Medium (6)</source>
        <translation>Medio (6)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hard (8)</source>
        <translation>Difícil (8)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Options</source>
        <extracomment>Heads the group of buttons that open the other windows.</extracomment>
        <translation>Opciones</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Change Skin...</source>
        <translation>Cambiar skin...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High Score</source>
        <translation>Récord</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Play!</source>
        <extracomment>Starts a game.</extracomment>
        <translation>¡Jugar!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
</TS>
