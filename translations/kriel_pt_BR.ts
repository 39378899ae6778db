<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../app/CommandLine.cpp" line="+102"/>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção desconhecida “%1”</translation>
    </message>
    <message>
        <location filename="../app/Startup.cpp" line="+10"/>
        <source>usage: kriel [-h | --help | -v | --version] [Qt&apos;s options]
       kriel --install-skin FILE|FOLDER
</source>
        <extracomment>Keep the options as they are, and the second line&apos;s start under the first&apos;s &quot;kriel&quot;.</extracomment>
        <translation>uso: kriel [-h | --help | -v | --version] [opções do Qt]
     kriel --install-skin ARQUIVO|PASTA
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
O Kriel abre o seu menu inicial: escolha Fácil, Médio ou Difícil, pressione
Jogar! e guie o kriel até a comida. Teclas na janela de jogo:
  setas  dirigir; a primeira põe o kriel em movimento
  P      pausa, e continuar
  Q      desistir desta partida
  X      sair na hora, sem salvar nada
  S      carregar o skin de novo da sua pasta

As opções próprias do Qt vão para o Qt: -platform NOME, -display HOST:TELA,
-session ID, -style NOME, -qwindowgeometry LxA+X+Y, -reverse e semelhantes.

--install-skin ARQUIVO|PASTA instala um skin compartilhado entre os seus, a
partir de um arquivo .zip, .tar.gz, .tgz, .tar.xz ou .tar.bz2 ou de uma pasta de
skin, e não abre nenhuma janela. Um nome já usado é mantido: o skin novo recebe
um nome livre, como “Neon (2)”. Soltar o mesmo na lista do seletor de skins
também o instala.

Skins:          %1, e os seus em %2
Configurações:  %3
</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>kriel: no display to open the game on (DISPLAY and WAYLAND_DISPLAY are unset)
</source>
        <translation>kriel: nenhuma tela onde abrir o jogo (DISPLAY e WAYLAND_DISPLAY não estão definidas)
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>kriel: no display to open the game on (nothing answers at %1)
</source>
        <extracomment>%1 is where the game looked, as &quot;DISPLAY=:0 or WAYLAND_DISPLAY=wayland-0&quot;.</extracomment>
        <translation>kriel: nenhuma tela onde abrir o jogo (nada responde em %1)
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
        <translation>O Kriel não conseguiu abrir %1: esta área de trabalho não tem nenhum aplicativo definido para abri-lo. Abra-o manualmente.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Kriel - Cannot Open</source>
        <translation>Kriel - Não foi possível abrir</translation>
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
        <translation>Médio</translation>
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
        <translation>Kriel - Fim de jogo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Game Over</source>
        <translation>Fim de jogo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Difficulty Level:</source>
        <extracomment>Followed by the difficulty the game was played at.</extracomment>
        <translation>Dificuldade:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your Score:</source>
        <translation>Pontos:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Enter Name</source>
        <extracomment>Shown for a new record: asks for the name to store with it.</extracomment>
        <translation>Inserir nome</translation>
    </message>
    <message>
        <location filename="../menus/HighScoreRecord.cpp" line="+66"/>
        <source>Since this game ended, another game of Kriel has saved a high score of %1, which your %2 does not beat. The high score stays as it is.</source>
        <translation>Desde que esta partida terminou, outra partida de Kriel salvou um recorde de %1, que os seus %2 pontos não superam. O recorde continua como está.</translation>
    </message>
    <message>
        <location filename="../menus/frmGameOver.cpp" line="+33"/>
        <source>Kriel - New High Score!!</source>
        <translation>Kriel - Novo recorde!!</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>High Score</source>
        <translation>Recorde</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please enter your name.</source>
        <translation>Digite o seu nome.</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <location filename="../layouts/DialogLayouts.cpp" line="+59"/>
        <source>Kriel - Highest Score</source>
        <translation>Kriel - Recorde</translation>
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
        <translation>Nível:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Score:</source>
        <translation>Pts.:</translation>
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
        <translation>Recorde atual de</translation>
    </message>
    <message>
        <location filename="../menus/HighScoreRecord.cpp" line="+35"/>
        <source>%1 pcs</source>
        <extracomment>The pieces of food a score stands for, such as &quot;21 pcs&quot;.</extracomment>
        <translation>%1 peças</translation>
    </message>
    <message>
        <location filename="../menus/frmHighScore.cpp" line="+28"/>
        <source>Nobody</source>
        <translation>Ninguém</translation>
    </message>
</context>
<context>
    <name>PlayWindow</name>
    <message>
        <location filename="../engine/frmMain.cpp" line="+141"/>
        <source>There was an error loading the skin.  Please select a new skin. [%1]</source>
        <extracomment>%1 is the skin&apos;s folder.</extracomment>
        <translation>Ocorreu um erro ao carregar o skin.  Escolha outro skin. [%1]</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>Game Paused.  Press &apos;P&apos; again to resume.</source>
        <translation>Jogo pausado.  Pressione “P” de novo para continuar.</translation>
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
        <translation>Kriel - Configurações</translation>
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
        <translation>Configurações de jogo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show notifier at Startup</source>
        <extracomment>The notifier is the ring that marks the kriel&apos;s head as a game starts.</extracomment>
        <translation>Mostrar a marca de início</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Make Play Area always on top</source>
        <extracomment>The play window stays above every other window.</extracomment>
        <translation>Área de jogo sempre por cima</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enable Sound</source>
        <translation>Ativar o som</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Helpful Documents</source>
        <translation>Documentos úteis</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>View Skinning Help</source>
        <translation>Ajuda sobre skins</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>View Readme</source>
        <translation>Ver Leia-me</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Program Settings</source>
        <translation>Configurações do programa</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Restore Defaults</source>
        <extracomment>Returns every setting to its default.</extracomment>
        <translation>Restaurar padrões</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clean High Scores</source>
        <extracomment>Clears the stored high score.</extracomment>
        <translation>Apagar recorde</translation>
    </message>
    <message>
        <location filename="../menus/frmOptions.cpp" line="+31"/>
        <source>Kriel - Settings - [Version %1.%2.%3]</source>
        <translation>Kriel - Configurações - [Versão %1.%2.%3]</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Clear High Scores</source>
        <translation>Apagar recorde</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>High Scores Cleared.</source>
        <translation>Recorde apagado.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>All settings have returned to default.</source>
        <translation>Todas as configurações voltaram ao padrão.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset</source>
        <translation>Restaurar</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <location filename="../rules/SettingKeys.h" line="+81"/>
        <source>The settings could not be saved to %1. The game goes on with them until it ends.</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>Não foi possível salvar as configurações em %1. O jogo continua com elas até terminar.</translation>
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
        <translation>uso: kriel-skincheck [--render SAIDA.png] PASTA
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
Carrega o skin em PASTA como o jogo faria e mostra “ok” com o tamanho da janela,
o tamanho das células, a grade e os retângulos do contorno, ou a primeira coisa
que o jogo recusaria. Com --render, também desenha em SAIDA.png a janela de jogo
como o jogo a mostra. Sai com 0 para um skin que o jogo aceita, 1 caso contrário
e 2 quando chamado de forma errada.
</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>kriel-skincheck: could not write %1
</source>
        <extracomment>%1 is the picture&apos;s file.</extracomment>
        <translation>kriel-skincheck: não foi possível gravar %1
</translation>
    </message>
    <message>
        <location filename="../skins/SkinCheck.cpp" line="+50"/>
        <source>%1 × %2 pixels, cells of %3 pixels, a %8 × %8 grid of %4 × %4 pixels at %5, %6; an outline of %7 rectangles</source>
        <extracomment>What kriel-skincheck prints after &quot;ok: &quot; for a skin the game takes; one of the two texts that start with &quot;; &quot; follows it.</extracomment>
        <translation>%1 × %2 pixels, células de %3 pixels, uma grade de %8 × %8 em %4 × %4 pixels em %5, %6; um contorno de %7 retângulos</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>; no [Info] Name, so the skin selector will not store it</source>
        <translation>; sem [Info] Name, então o seletor de skins não vai salvá-lo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>; named &quot;%1&quot;</source>
        <translation>; chamado “%1”</translation>
    </message>
</context>
<context>
    <name>SkinInstall</name>
    <message>
        <location filename="../app/InstallSkinCommand.cpp" line="+30"/>
        <source>installed &quot;%1&quot; into %2</source>
        <translation>“%1” instalado em %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>installed &quot;%1&quot; into %2, as a skin called &quot;%3&quot; was there already</source>
        <translation>“%1” instalado em %2, pois já havia um skin chamado “%3”</translation>
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
        <translation>O arquivo compactado contém uma entrada sem nome.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive holds a name from the top of the file system (%1).</source>
        <translation>O arquivo compactado contém um nome a partir da raiz do sistema de arquivos (%1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive holds a name that leads out of its folder (%1).</source>
        <translation>O arquivo compactado contém um nome que sai da sua pasta (%1).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive holds a hard link (%1), which a skin never needs.</source>
        <translation>O arquivo compactado contém um link físico (%1), de que um skin nunca precisa.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The archive holds a link (%1), which a skin never needs.</source>
        <translation>O arquivo compactado contém um link (%1), de que um skin nunca precisa.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive holds a device, FIFO or socket (%1), which a skin never needs.</source>
        <translation>O arquivo compactado contém um dispositivo, FIFO ou socket (%1), de que um skin nunca precisa.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 could not be read as a .zip, .tar.gz, .tgz, .tar.xz or .tar.bz2 archive (%2).</source>
        <extracomment>%1 names the archive, %2 is the reason of the library that reads it.</extracomment>
        <translation>Não foi possível ler %1 como arquivo .zip, .tar.gz, .tgz, .tar.xz ou .tar.bz2 (%2).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>out of memory</source>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The archive holds no skin: no skin.bmp, food.gif or config.ini at its top or in a folder there.</source>
        <translation>O arquivo compactado não contém nenhum skin: nem skin.bmp, nem food.gif, nem config.ini na sua raiz ou numa pasta dela.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The archive holds more than %1 entries; a skin is three files.</source>
        <translation>O arquivo compactado contém mais de %1 entradas; um skin são três arquivos.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The archive</source>
        <extracomment>Names the archive in &quot;%1 could not be read as a .zip…&quot;.</extracomment>
        <translation>O arquivo compactado</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>its top</source>
        <extracomment>The place of skin files in an archive, as in &quot;…in two places, its top and &quot;Neon/&quot;&quot;.</extracomment>
        <translation>a sua raiz</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The archive holds skin files in two places, %1 and %2; a skin stands at its top or in one folder.</source>
        <translation>O arquivo compactado contém arquivos de skin em dois lugares, %1 e %2; um skin fica na raiz ou em uma única pasta.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The skin holds %1 twice.</source>
        <translation>O skin contém %1 duas vezes.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+33"/>
        <source>Could not write %1 (%2).</source>
        <translation>Não foi possível gravar %1 (%2).</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>The skin comes to more than %1 unpacked, more than its three files can use.</source>
        <translation>O skin ocupa mais de %1 descompactado, mais do que os seus três arquivos podem usar.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 unpacks to more than %2, more than the game reads of %3.</source>
        <translation>%1 ocupa mais de %2 descompactado, mais do que o jogo lê de %3.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1 cannot be opened: %2.</source>
        <extracomment>%2 is a reason such as &quot;missing&quot; or &quot;not a regular file&quot;.</extracomment>
        <translation>Não é possível abrir %1: %2.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Could not read %1 (%2).</source>
        <translation>Não foi possível ler %1 (%2).</translation>
    </message>
    <message>
        <location filename="../skins/SkinInstall.cpp" line="+75"/>
        <source>Every name from &quot;%1 (2)&quot; to &quot;%1 (%2)&quot; is taken.</source>
        <translation>Todos os nomes de “%1 (2)” a “%1 (%2)” estão em uso.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Your skin &quot;%1&quot; could not be moved aside to be replaced; it is left as it was.</source>
        <translation>Não foi possível pôr de lado o seu skin “%1” para substituí-lo; ele fica como estava.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The skin could not be moved into %1.</source>
        <translation>Não foi possível mover o skin para %1.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>There is no folder for your own skins: neither XDG_DATA_HOME nor HOME names one.</source>
        <translation>Não há pasta para os seus próprios skins: nem XDG_DATA_HOME nem HOME indicam uma.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The folder for your own skins, %1, could not be created.</source>
        <translation>Não foi possível criar a pasta para os seus próprios skins, %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No folder could be made in %1 to unpack the skin into.</source>
        <translation>Não foi possível criar em %1 uma pasta onde descompactar o skin.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; cannot name a skin: a skin is named by its folder, which must not be blank, start with a dot or hold a slash.</source>
        <translation>“%1” não pode dar nome a um skin: um skin tem o nome da sua pasta, que não pode ficar em branco, começar com um ponto nem conter uma barra.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game cannot load this skin: %1.</source>
        <translation>O jogo não consegue carregar este skin: %1.</translation>
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
        <translation>não pode ser lido</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>is UTF-16 text: save it as plain text (UTF-8)</source>
        <translation>é texto UTF-16: salve-o como texto simples (UTF-8)</translation>
    </message>
    <message>
        <location filename="../formats/PictureLoading.cpp" line="-32"/>
        <source>larger than %1 MB</source>
        <translation>maior que %1 MB</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../formats/PictureWalks.cpp" line="+38"/>
        <source>not a picture</source>
        <translation>não é uma imagem</translation>
    </message>
    <message>
        <location filename="../formats/PictureWalks.cpp" line="-10"/>
        <source>its data ends early</source>
        <translation>os seus dados terminam antes do tempo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its data runs past its size</source>
        <translation>os seus dados vão além do seu tamanho</translation>
    </message>
    <message>
        <location line="+286"/>
        <source>a JPEG of %1 scans, more than the %2 taken at its size</source>
        <translation>um JPEG de %1 varreduras, mais que as %2 aceitas no seu tamanho</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>a PNG whose compressed texts could inflate to more than %1 MB</source>
        <translation>um PNG cujos textos compactados poderiam passar de %1 MB ao descompactar</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>larger than %1 pixels a side or %2 in all</source>
        <translation>maior que %1 pixels de lado ou %2 no total</translation>
    </message>
    <message>
        <location filename="../formats/RegularFile.cpp" line="+20"/>
        <source>cannot be read (%1)</source>
        <extracomment>%1 is the system&apos;s reason, such as &quot;permission denied&quot;.</extracomment>
        <translation>não pode ser lido (%1)</translation>
    </message>
    <message>
        <location line="+17"/>
        <location filename="../skins/SkinReader.cpp" line="+16"/>
        <source>missing</source>
        <extracomment>Why the skin&apos;s loader refuses a file or a value. Each reason follows the file&apos;s name, or its section, key and value, and a colon, and so starts in lower case.</extracomment>
        <translation>ausente</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+4"/>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <location filename="../skins/SkinCheck.cpp" line="-34"/>
        <source>not a folder</source>
        <translation>não é uma pasta</translation>
    </message>
    <message>
        <location filename="../skins/SkinReader.cpp" line="+34"/>
        <source>not a colour component from 0 up</source>
        <translation>não é um componente de cor a partir de 0</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>outline too complex: it takes more than %1 rectangles, even with rows alike merged</source>
        <translation>contorno complexo demais: exige mais de %1 retângulos, mesmo juntando as linhas iguais</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>leaves no pixel of the window to see: every pixel has the bottom-left one&apos;s colour or lies in the rightmost column</source>
        <translation>não deixa ver nenhum pixel da janela: todo pixel tem a cor do pixel do canto inferior esquerdo ou fica na última coluna à direita</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>not a number of pixels a window can hold</source>
        <translation>não é um número de pixels que caiba numa janela</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not one of the codes allowed</source>
        <translation>não é um dos códigos permitidos</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>not a font size above 0 and at most 2048 points</source>
        <translation>não é um tamanho de fonte acima de 0 e de no máximo 2048 pontos</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>not a usable cell size</source>
        <translation>não é um tamanho de célula utilizável</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>makes the play area of %7 × %7 cells (%1 × %2 pixels at %3, %4) outside the %5 × %6 pixel window</source>
        <extracomment>%1 × %2 is the play area&apos;s size in pixels, %3, %4 its top-left corner, %5 × %6 the window&apos;s size and %7 the cells the play area has across and down.</extracomment>
        <translation>põe a área de jogo de %7 × %7 células (%1 × %2 pixels em %3, %4) fora da janela de %5 × %6 pixels</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>puts part of the play area (%1 × %2 pixels at %3, %4) outside the %5 × %6 pixel window</source>
        <translation>põe parte da área de jogo (%1 × %2 pixels em %3, %4) fora da janela de %5 × %6 pixels</translation>
    </message>
</context>
<context>
    <name>SkinSelector</name>
    <message>
        <location filename="../layouts/DialogLayouts.cpp" line="-112"/>
        <source>Kriel - Skin Selector</source>
        <translation>Kriel - Seletor de skins</translation>
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
        <translation>Informações do skin</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Skin Name:</source>
        <translation>Nome do skin:</translation>
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
        <translation>Site:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Author&apos;s Comments:</source>
        <extracomment>Above what the skin&apos;s author wrote about it.</extracomment>
        <translation>Comentários:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The following skins are installed:</source>
        <translation>Skins instalados:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Skin Folder:</source>
        <translation>Pasta de skins:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Refresh List</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <location filename="../skins/frmSkin.cpp" line="+153"/>
        <source>Skins Folder: %1</source>
        <translation>Pasta de skins: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Skins are read from:</source>
        <translation>Os skins são lidos de:</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Skin Name: %1</source>
        <translation>Nome do skin: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Skin Selector</source>
        <extracomment>The window&apos;s title once a skin is chosen; %1 is the skin&apos;s name.</extracomment>
        <translation>Seletor de skins</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skin Selector - %1</source>
        <translation>Seletor de skins - %1</translation>
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
        <translation>Os seus skins já têm um chamado “%1”. Substituí-lo pelo novo?

“Não” o mantém e instala o novo com outro nome.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Install Skin…</source>
        <translation>Instalar skin…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open Skins Folder</source>
        <translation>Abrir a pasta de skins</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remove Skin</source>
        <translation>Remover skin</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save Preview…</source>
        <translation>Salvar prévia…</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Skin archives (*.zip *.tar.gz *.tgz *.tar.xz *.tar.bz2)</source>
        <translation>Arquivos de skin (*.zip *.tar.gz *.tgz *.tar.xz *.tar.bz2)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Kriel - Remove Skin</source>
        <translation>Kriel - Remover skin</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remove your skin &quot;%1&quot;? It goes to the desktop&apos;s trash, where there is one.</source>
        <translation>Remover o seu skin “%1”? Ele vai para a lixeira da área de trabalho, se houver uma.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 could not be removed.</source>
        <translation>Não foi possível remover %1.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Kriel - Save Preview</source>
        <translation>Kriel - Salvar prévia</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+69"/>
        <source>The game cannot load this skin: %1.</source>
        <translation>O jogo não consegue carregar este skin: %1.</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>PNG pictures (*.png)</source>
        <translation>Imagens PNG (*.png)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 could not be written.</source>
        <translation>Não foi possível gravar %1.</translation>
    </message>
</context>
<context>
    <name>StartMenu</name>
    <message>
        <location filename="../layouts/DialogLayouts.cpp" line="-88"/>
        <source>Kriel - Begin a new game</source>
        <translation>Kriel - Começar uma nova partida</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Difficulty Selection</source>
        <translation>Seleção de dificuldade</translation>
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
        <translation>Médio (6)</translation>
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
        <translation>Opções</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Change Skin...</source>
        <translation>Mudar skin...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High Score</source>
        <translation>Recorde</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Play!</source>
        <extracomment>Starts a game.</extracomment>
        <translation>Jogar!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
</context>
</TS>
