<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../app/CommandLine.cpp" line="+102"/>
        <source>unknown option &apos;%1&apos;</source>
        <translation>不明なオプション「%1」</translation>
    </message>
    <message>
        <location filename="../app/Startup.cpp" line="+10"/>
        <source>usage: kriel [-h | --help | -v | --version] [Qt&apos;s options]
       kriel --install-skin FILE|FOLDER
</source>
        <extracomment>Keep the options as they are, and the second line&apos;s start under the first&apos;s &quot;kriel&quot;.</extracomment>
        <translation>使い方: kriel [-h | --help | -v | --version] [Qt のオプション]
        kriel --install-skin FILE|FOLDER
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
Kriel はスタートメニューを開きます。「かんたん」「ふつう」「むずかしい」から
選んで「プレイ！」を押し、kriel をえさまで導いてください。プレイ画面のキー:
  矢印キー  操作。最初の一押しで kriel が動き出します
  P         一時停止と再開
  Q         このゲームをあきらめる
  X         何も保存せずにすぐ終了
  S         スキンをフォルダーから読み込み直す

Qt 自身のオプションは Qt に渡されます: -platform NAME、-display HOST:SCREEN、
-session ID、-style NAME、-qwindowgeometry WxH+X+Y、-reverse など。

--install-skin FILE|FOLDER は、配布されたスキンを .zip、.tar.gz、.tgz、
.tar.xz、.tar.bz2 のアーカイブかスキンフォルダーから自分のスキンに加えます。
ウィンドウは開きません。使用中の名前はそのまま残り、新しいスキンには
「Neon (2)」のような空いている名前が付きます。同じものをスキン選択の一覧に
ドロップしてもインストールできます。

スキン:  %1、自分のスキンは %2
設定:    %3
</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>kriel: no display to open the game on (DISPLAY and WAYLAND_DISPLAY are unset)
</source>
        <translation>kriel: ゲームを開くディスプレイがありません (DISPLAY と WAYLAND_DISPLAY が設定されていません)
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>kriel: no display to open the game on (nothing answers at %1)
</source>
        <extracomment>%1 is where the game looked, as &quot;DISPLAY=:0 or WAYLAND_DISPLAY=wayland-0&quot;.</extracomment>
        <translation>kriel: ゲームを開くディスプレイがありません (%1 で応答がありません)
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> or </source>
        <translation> または </translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <location filename="../platform/QtShell.cpp" line="+72"/>
        <source>Kriel could not open %1: this desktop has no application set to open it. Please open it by hand.</source>
        <extracomment>%1 is a help document&apos;s file or a skin&apos;s web address.</extracomment>
        <translation>Kriel は %1 を開けませんでした。このデスクトップには開くためのアプリケーションが設定されていません。手動で開いてください。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Kriel - Cannot Open</source>
        <translation>Kriel - 開けません</translation>
    </message>
</context>
<context>
    <name>Difficulty</name>
    <message>
        <location filename="../menus/Difficulty.h" line="+19"/>
        <source>Easy</source>
        <translation>かんたん</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Medium</source>
        <translation>ふつう</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hard</source>
        <translation>むずかしい</translation>
    </message>
</context>
<context>
    <name>GameOver</name>
    <message>
        <location filename="../layouts/DialogLayouts.cpp" line="+77"/>
        <source>Kriel - Game Over</source>
        <translation>Kriel - ゲームオーバー</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Game Over</source>
        <translation>ゲームオーバー</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Difficulty Level:</source>
        <extracomment>Followed by the difficulty the game was played at.</extracomment>
        <translation>難易度：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your Score:</source>
        <translation>スコア：</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Enter Name</source>
        <extracomment>Shown for a new record: asks for the name to store with it.</extracomment>
        <translation>名前を入力</translation>
    </message>
    <message>
        <location filename="../menus/HighScoreRecord.cpp" line="+66"/>
        <source>Since this game ended, another game of Kriel has saved a high score of %1, which your %2 does not beat. The high score stays as it is.</source>
        <translation>このゲームが終わった後に、別の Kriel のゲームが %1 点のハイスコアを保存しました。あなたの %2 点はそれを超えていないため、ハイスコアは変わりません。</translation>
    </message>
    <message>
        <location filename="../menus/frmGameOver.cpp" line="+33"/>
        <source>Kriel - New High Score!!</source>
        <translation>Kriel - ハイスコア更新！！</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>High Score</source>
        <translation>ハイスコア</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please enter your name.</source>
        <translation>名前を入力してください。</translation>
    </message>
</context>
<context>
    <name>HighScore</name>
    <message>
        <location filename="../layouts/DialogLayouts.cpp" line="+59"/>
        <source>Kriel - Highest Score</source>
        <translation>Kriel - ハイスコア</translation>
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
        <translation>難度：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Score:</source>
        <translation>得点：</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Food Eaten:</source>
        <extracomment>Followed by the pieces of food the record&apos;s score stands for.</extracomment>
        <translation>食べた数：</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Current Highest by</source>
        <extracomment>Above the name of the player who holds the high score.</extracomment>
        <translation>現在の記録保持者</translation>
    </message>
    <message>
        <location filename="../menus/HighScoreRecord.cpp" line="+35"/>
        <source>%1 pcs</source>
        <extracomment>The pieces of food a score stands for, such as &quot;21 pcs&quot;.</extracomment>
        <translation>%1 個</translation>
    </message>
    <message>
        <location filename="../menus/frmHighScore.cpp" line="+28"/>
        <source>Nobody</source>
        <translation>なし</translation>
    </message>
</context>
<context>
    <name>PlayWindow</name>
    <message>
        <location filename="../engine/frmMain.cpp" line="+141"/>
        <source>There was an error loading the skin.  Please select a new skin. [%1]</source>
        <extracomment>%1 is the skin&apos;s folder.</extracomment>
        <translation>スキンの読み込み中にエラーが発生しました。別のスキンを選んでください。[%1]</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>Game Paused.  Press &apos;P&apos; again to resume.</source>
        <translation>一時停止中です。再開するにはもう一度「P」を押してください。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../layouts/DialogLayouts.cpp" line="+20"/>
        <source>Kriel - Settings</source>
        <translation>Kriel - 設定</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gameplay Settings</source>
        <translation>ゲームプレイの設定</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show notifier at Startup</source>
        <extracomment>The notifier is the ring that marks the kriel&apos;s head as a game starts.</extracomment>
        <translation>開始時にマーカーを表示</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Make Play Area always on top</source>
        <extracomment>The play window stays above every other window.</extracomment>
        <translation>プレイ画面を常に最前面に表示</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enable Sound</source>
        <translation>サウンドを有効にする</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Helpful Documents</source>
        <translation>役に立つ文書</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>View Skinning Help</source>
        <translation>スキンのヘルプ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>View Readme</source>
        <translation>Readme を表示</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Program Settings</source>
        <translation>プログラムの設定</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Restore Defaults</source>
        <extracomment>Returns every setting to its default.</extracomment>
        <translation>初期設定に戻す</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clean High Scores</source>
        <extracomment>Clears the stored high score.</extracomment>
        <translation>ハイスコアを消去</translation>
    </message>
    <message>
        <location filename="../menus/frmOptions.cpp" line="+31"/>
        <source>Kriel - Settings - [Version %1.%2.%3]</source>
        <translation>Kriel - 設定 - [バージョン %1.%2.%3]</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Clear High Scores</source>
        <translation>ハイスコアの消去</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>High Scores Cleared.</source>
        <translation>ハイスコアを消去しました。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>All settings have returned to default.</source>
        <translation>すべての設定を初期値に戻しました。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <location filename="../rules/SettingKeys.h" line="+81"/>
        <source>The settings could not be saved to %1. The game goes on with them until it ends.</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>設定を %1 に保存できませんでした。ゲームを終了するまでは、この設定のまま続けます。</translation>
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
        <translation>使い方: kriel-skincheck [--render OUT.png] FOLDER
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
FOLDER のスキンをゲームと同じように読み込み、ウィンドウとセルの大きさ、
グリッド、輪郭の長方形を「ok」とともに表示します。ゲームが受け付けない
スキンなら、最初に拒否される点を表示します。--render を付けると、ゲームでの
表示どおりのプレイ画面を OUT.png にも描きます。終了コードは、ゲームが
受け付けるスキンなら 0、受け付けないなら 1、呼び出し方の誤りなら 2 です。
</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>kriel-skincheck: could not write %1
</source>
        <extracomment>%1 is the picture&apos;s file.</extracomment>
        <translation>kriel-skincheck: %1 に書き込めませんでした
</translation>
    </message>
    <message>
        <location filename="../skins/SkinCheck.cpp" line="+50"/>
        <source>%1 × %2 pixels, cells of %3 pixels, a %8 × %8 grid of %4 × %4 pixels at %5, %6; an outline of %7 rectangles</source>
        <extracomment>What kriel-skincheck prints after &quot;ok: &quot; for a skin the game takes; one of the two texts that start with &quot;; &quot; follows it.</extracomment>
        <translation>%1 × %2 ピクセル、セル %3 ピクセル、%4 × %4 ピクセルの %8 × %8 グリッドが位置 %5, %6、輪郭は長方形 %7 個</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>; no [Info] Name, so the skin selector will not store it</source>
        <translation>、[Info] Name がないため、スキンの選択では保存されません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>; named &quot;%1&quot;</source>
        <translation>、名前「%1」</translation>
    </message>
</context>
<context>
    <name>SkinInstall</name>
    <message>
        <location filename="../app/InstallSkinCommand.cpp" line="+30"/>
        <source>installed &quot;%1&quot; into %2</source>
        <translation>「%1」を %2 にインストールしました</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>installed &quot;%1&quot; into %2, as a skin called &quot;%3&quot; was there already</source>
        <translation>「%3」という名前のスキンがすでにあったため、「%1」として %2 にインストールしました</translation>
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
        <translation>アーカイブに名前のない項目があります。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive holds a name from the top of the file system (%1).</source>
        <translation>アーカイブにファイルシステムのルートから始まる名前があります (%1)。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive holds a name that leads out of its folder (%1).</source>
        <translation>アーカイブにフォルダーの外を指す名前があります (%1)。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive holds a hard link (%1), which a skin never needs.</source>
        <translation>アーカイブにハードリンクがあります (%1)。スキンには不要なものです。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The archive holds a link (%1), which a skin never needs.</source>
        <translation>アーカイブにリンクがあります (%1)。スキンには不要なものです。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive holds a device, FIFO or socket (%1), which a skin never needs.</source>
        <translation>アーカイブにデバイス、FIFO、ソケットのいずれかがあります (%1)。スキンには不要なものです。</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 could not be read as a .zip, .tar.gz, .tgz, .tar.xz or .tar.bz2 archive (%2).</source>
        <extracomment>%1 names the archive, %2 is the reason of the library that reads it.</extracomment>
        <translation>%1 を .zip、.tar.gz、.tgz、.tar.xz、.tar.bz2 のアーカイブとして読めませんでした (%2)。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>out of memory</source>
        <translation>メモリー不足</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The archive holds no skin: no skin.bmp, food.gif or config.ini at its top or in a folder there.</source>
        <translation>アーカイブにスキンがありません。最上位にもその中のフォルダーにも skin.bmp、food.gif、config.ini がありません。</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The archive holds more than %1 entries; a skin is three files.</source>
        <translation>アーカイブの項目が %1 個を超えています。スキンは 3 つのファイルです。</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The archive</source>
        <extracomment>Names the archive in &quot;%1 could not be read as a .zip…&quot;.</extracomment>
        <translation>アーカイブ</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>its top</source>
        <extracomment>The place of skin files in an archive, as in &quot;…in two places, its top and &quot;Neon/&quot;&quot;.</extracomment>
        <translation>最上位</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The archive holds skin files in two places, %1 and %2; a skin stands at its top or in one folder.</source>
        <translation>アーカイブの 2 か所 (%1 と %2) にスキンのファイルがあります。スキンは最上位か 1 つのフォルダーに置きます。</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The skin holds %1 twice.</source>
        <translation>スキンに %1 が 2 つあります。</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+33"/>
        <source>Could not write %1 (%2).</source>
        <translation>%1 に書き込めませんでした (%2)。</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>The skin comes to more than %1 unpacked, more than its three files can use.</source>
        <translation>スキンは展開すると %1 を超え、3 つのファイルが使える量を超えています。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 unpacks to more than %2, more than the game reads of %3.</source>
        <translation>%1 は展開すると %2 を超え、ゲームが %3 から読み込む量を超えています。</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1 cannot be opened: %2.</source>
        <extracomment>%2 is a reason such as &quot;missing&quot; or &quot;not a regular file&quot;.</extracomment>
        <translation>%1 を開けません: %2。</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Could not read %1 (%2).</source>
        <translation>%1 を読み込めませんでした (%2)。</translation>
    </message>
    <message>
        <location filename="../skins/SkinInstall.cpp" line="+75"/>
        <source>Every name from &quot;%1 (2)&quot; to &quot;%1 (%2)&quot; is taken.</source>
        <translation>「%1 (2)」から「%1 (%2)」までの名前はすべて使用中です。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Your skin &quot;%1&quot; could not be moved aside to be replaced; it is left as it was.</source>
        <translation>置き換えのためにスキン「%1」を退避できませんでした。スキンは元のままです。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The skin could not be moved into %1.</source>
        <translation>スキンを %1 に移動できませんでした。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>There is no folder for your own skins: neither XDG_DATA_HOME nor HOME names one.</source>
        <translation>自分のスキン用のフォルダーがありません。XDG_DATA_HOME も HOME も指定されていません。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The folder for your own skins, %1, could not be created.</source>
        <translation>自分のスキン用のフォルダー %1 を作成できませんでした。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No folder could be made in %1 to unpack the skin into.</source>
        <translation>スキンを展開するフォルダーを %1 に作成できませんでした。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; cannot name a skin: a skin is named by its folder, which must not be blank, start with a dot or hold a slash.</source>
        <translation>「%1」はスキンの名前にできません。スキンの名前はフォルダー名なので、空にしたり、ドットで始めたり、スラッシュを含めたりできません。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game cannot load this skin: %1.</source>
        <translation>ゲームはこのスキンを読み込めません: %1。</translation>
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
        <translation>読み込めません</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>is UTF-16 text: save it as plain text (UTF-8)</source>
        <translation>UTF-16 のテキストです。プレーンテキスト (UTF-8) で保存してください</translation>
    </message>
    <message>
        <location filename="../formats/PictureLoading.cpp" line="-32"/>
        <source>larger than %1 MB</source>
        <translation>%1 MB を超えています</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../formats/PictureWalks.cpp" line="+38"/>
        <source>not a picture</source>
        <translation>画像ではありません</translation>
    </message>
    <message>
        <location filename="../formats/PictureWalks.cpp" line="-10"/>
        <source>its data ends early</source>
        <translation>データが途中で終わっています</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>its data runs past its size</source>
        <translation>データがサイズを超えています</translation>
    </message>
    <message>
        <location line="+286"/>
        <source>a JPEG of %1 scans, more than the %2 taken at its size</source>
        <translation>スキャン数 %1 の JPEG で、この大きさで認められる %2 を超えています</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>a PNG whose compressed texts could inflate to more than %1 MB</source>
        <translation>圧縮テキストが展開後に %1 MB を超えるおそれのある PNG です</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>larger than %1 pixels a side or %2 in all</source>
        <translation>1 辺 %1 ピクセルまたは合計 %2 ピクセルを超えています</translation>
    </message>
    <message>
        <location filename="../formats/RegularFile.cpp" line="+20"/>
        <source>cannot be read (%1)</source>
        <extracomment>%1 is the system&apos;s reason, such as &quot;permission denied&quot;.</extracomment>
        <translation>読み込めません (%1)</translation>
    </message>
    <message>
        <location line="+17"/>
        <location filename="../skins/SkinReader.cpp" line="+16"/>
        <source>missing</source>
        <extracomment>Why the skin&apos;s loader refuses a file or a value. Each reason follows the file&apos;s name, or its section, key and value, and a colon, and so starts in lower case.</extracomment>
        <translation>ありません</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+4"/>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <location filename="../skins/SkinCheck.cpp" line="-34"/>
        <source>not a folder</source>
        <translation>フォルダーではありません</translation>
    </message>
    <message>
        <location filename="../skins/SkinReader.cpp" line="+34"/>
        <source>not a colour component from 0 up</source>
        <translation>0 以上の色成分ではありません</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>outline too complex: it takes more than %1 rectangles, even with rows alike merged</source>
        <translation>輪郭が複雑すぎます。同じ行をまとめても %1 個を超える長方形が必要です</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>leaves no pixel of the window to see: every pixel has the bottom-left one&apos;s colour or lies in the rightmost column</source>
        <translation>ウィンドウのピクセルが 1 つも見えません。すべてのピクセルが左下と同じ色か、右端の列にあります</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>not a number of pixels a window can hold</source>
        <translation>ウィンドウに収まるピクセル数ではありません</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not one of the codes allowed</source>
        <translation>使用できるコードではありません</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>not a font size above 0 and at most 2048 points</source>
        <translation>0 より大きく 2048 ポイント以下のフォントサイズではありません</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>not a usable cell size</source>
        <translation>使用できるセルの大きさではありません</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>makes the play area of %7 × %7 cells (%1 × %2 pixels at %3, %4) outside the %5 × %6 pixel window</source>
        <extracomment>%1 × %2 is the play area&apos;s size in pixels, %3, %4 its top-left corner, %5 × %6 the window&apos;s size and %7 the cells the play area has across and down.</extracomment>
        <translation>%7 × %7 セルのプレイエリア (%1 × %2 ピクセル、位置 %3, %4) が %5 × %6 ピクセルのウィンドウからはみ出します</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>puts part of the play area (%1 × %2 pixels at %3, %4) outside the %5 × %6 pixel window</source>
        <translation>プレイエリアの一部 (%1 × %2 ピクセル、位置 %3, %4) が %5 × %6 ピクセルのウィンドウからはみ出します</translation>
    </message>
</context>
<context>
    <name>SkinSelector</name>
    <message>
        <location filename="../layouts/DialogLayouts.cpp" line="-112"/>
        <source>Kriel - Skin Selector</source>
        <translation>Kriel - スキンの選択</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Skin Information</source>
        <translation>スキンの情報</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Skin Name:</source>
        <translation>スキン名：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Author:</source>
        <translation>作者：</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Website:</source>
        <extracomment>Above the skin author&apos;s web address.</extracomment>
        <translation>サイト：</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Author&apos;s Comments:</source>
        <extracomment>Above what the skin&apos;s author wrote about it.</extracomment>
        <translation>作者のコメント：</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The following skins are installed:</source>
        <translation>インストール済みスキン：</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Skin Folder:</source>
        <translation>スキンフォルダー：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Refresh List</source>
        <translation>一覧を更新</translation>
    </message>
    <message>
        <location filename="../skins/frmSkin.cpp" line="+153"/>
        <source>Skins Folder: %1</source>
        <translation>スキンフォルダー：%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Skins are read from:</source>
        <translation>スキンの読み込み元：</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Skin Name: %1</source>
        <translation>スキン名：%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Skin Selector</source>
        <extracomment>The window&apos;s title once a skin is chosen; %1 is the skin&apos;s name.</extracomment>
        <translation>スキンの選択</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skin Selector - %1</source>
        <translation>スキンの選択 - %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Author: %1</source>
        <translation>作者：%1</translation>
    </message>
    <message>
        <location line="+44"/>
        <location line="+47"/>
        <source>Kriel - Install Skin</source>
        <translation>Kriel - スキンのインストール</translation>
    </message>
    <message>
        <location line="-42"/>
        <source>Your own skins already hold one called &quot;%1&quot;. Replace it with the new one?

No keeps it, and installs the new one under another name.</source>
        <extracomment>&quot;No&quot; is the button of the standard question box that keeps the skin.</extracomment>
        <translation>自分のスキンに「%1」という名前のものがすでにあります。新しいスキンで置き換えますか？

「いいえ」を選ぶと元のスキンを残し、新しいスキンを別の名前でインストールします。</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Install Skin…</source>
        <translation>スキンをインストール…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open Skins Folder</source>
        <translation>スキンフォルダーを開く</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remove Skin</source>
        <translation>スキンを削除</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save Preview…</source>
        <translation>プレビューを保存…</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Skin archives (*.zip *.tar.gz *.tgz *.tar.xz *.tar.bz2)</source>
        <translation>スキンのアーカイブ (*.zip *.tar.gz *.tgz *.tar.xz *.tar.bz2)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Kriel - Remove Skin</source>
        <translation>Kriel - スキンの削除</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remove your skin &quot;%1&quot;? It goes to the desktop&apos;s trash, where there is one.</source>
        <translation>スキン「%1」を削除しますか？ デスクトップにごみ箱があれば、そこへ移動します。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 could not be removed.</source>
        <translation>%1 を削除できませんでした。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Kriel - Save Preview</source>
        <translation>Kriel - プレビューの保存</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+69"/>
        <source>The game cannot load this skin: %1.</source>
        <translation>ゲームはこのスキンを読み込めません: %1。</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>PNG pictures (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 could not be written.</source>
        <translation>%1 に書き込めませんでした。</translation>
    </message>
</context>
<context>
    <name>StartMenu</name>
    <message>
        <location filename="../layouts/DialogLayouts.cpp" line="-88"/>
        <source>Kriel - Begin a new game</source>
        <translation>Kriel - 新しいゲームを始める</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Difficulty Selection</source>
        <translation>難易度の選択</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Easy (4)</source>
        <extracomment>Each difficulty shows in brackets the points a piece of food is worth at it.</extracomment>
        <translation>かんたん (4)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Medium (6)</source>
        <translation>ふつう (6)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hard (8)</source>
        <translation>むずかしい (8)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Options</source>
        <extracomment>Heads the group of buttons that open the other windows.</extracomment>
        <translation>オプション</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Change Skin...</source>
        <translation>スキンの変更...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High Score</source>
        <translation>ハイスコア</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Play!</source>
        <extracomment>Starts a game.</extracomment>
        <translation>プレイ！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
</context>
</TS>
