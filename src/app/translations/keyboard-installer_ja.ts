<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>app::AppDelegate</name>
    <message>
        <source>Install for current user
(recommended)</source>
        <translation>自分専用にインストール
（推奨）</translation>
    </message>
    <message>
        <source>Install for all users
(Sierra or earlier)</source>
        <translation>全ユーザ用にインストール
（Sierra 以前）</translation>
    </message>
    <message>
        <source>Current user</source>
        <translation>現在のユーザ</translation>
    </message>
    <message>
        <source>A single person</source>
        <translation>1人の人物</translation>
    </message>
    <message>
        <source>All users</source>
        <translation>すべてのユーザ</translation>
    </message>
    <message>
        <source>A group of three people</source>
        <translation>3人のグループ</translation>
    </message>
    <message>
        <source>Installs dropped layouts for you only</source>
        <translation>ここにドロップしたレイアウトを自分専用にインストールします</translation>
    </message>
    <message>
        <source>Installs dropped layouts for every user of this computer; asks for an administrator</source>
        <translation>ここにドロップしたレイアウトをこのコンピュータのすべてのユーザ用にインストールします。管理者の承認が必要です</translation>
    </message>
    <message>
        <source>Installed Layouts…</source>
        <translation>インストール済みのレイアウト…</translation>
    </message>
    <message>
        <source>Lists the installed keyboard layouts and removes one</source>
        <translation>インストール済みのキーボードレイアウトを一覧表示し、削除します</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>ウインドウ</translation>
    </message>
</context>
<context>
    <name>app::InstalledLayoutsWindow</name>
    <message>
        <source>No keyboard layouts are installed, for you or for all users.</source>
        <translation>自分用にもすべてのユーザ用にも、キーボードレイアウトはインストールされていません。</translation>
    </message>
    <message>
        <source>Current user</source>
        <translation>現在のユーザ</translation>
    </message>
    <message>
        <source>All users</source>
        <translation>すべてのユーザ</translation>
    </message>
    <message>
        <source>Cannot load</source>
        <translation>読み込めません</translation>
    </message>
    <message>
        <source>Duplicate id or name</source>
        <translation>IDまたは名前が重複</translation>
    </message>
    <message>
        <source>Installed in both places</source>
        <translation>両方の場所にインストール済み</translation>
    </message>
    <message>
        <source>Some layouts cannot load</source>
        <translation>一部を読み込めません</translation>
    </message>
    <message>
        <source>Incomplete bundle information</source>
        <translation>バンドル情報が不完全</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>削除…</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Finderに表示</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>フォルダに表示</translation>
    </message>
    <message>
        <source>Installed Keyboard Layouts</source>
        <translation>インストール済みのキーボードレイアウト</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>レイアウト</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>For</source>
        <translation>対象</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>備考</translation>
    </message>
    <message>
        <source>Installed keyboard layouts</source>
        <translation>インストール済みのキーボードレイアウト</translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot;?</source>
        <translation>“%1”を削除しますか？</translation>
    </message>
    <message>
        <source>It is removed for every user of this computer, once an administrator approves.</source>
        <translation>管理者が承認すると、このコンピュータのすべてのユーザから削除されます。</translation>
    </message>
    <message>
        <source>It goes to the Trash, from where you can put it back.</source>
        <translation>ゴミ箱に移動されます。ゴミ箱から元に戻すこともできます。</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>削除できませんでした</translation>
    </message>
    <message>
        <source>Keyboard Layout Removed</source>
        <translation>キーボードレイアウトを削除しました</translation>
    </message>
    <message>
        <source>&quot;%1&quot; leaves the input menu once you switch to another input source. If it still shows, sign out and sign back in.</source>
        <translation>別の入力ソースに切り替えると、“%1”は入力メニューから消えます。表示されたままの場合は、ログアウトしてから再度ログインしてください。</translation>
    </message>
    <message>
        <source>Add to Input Menu</source>
        <translation>入力メニューに追加</translation>
    </message>
    <message>
        <source>Remove from Input Menu</source>
        <translation>入力メニューから削除</translation>
    </message>
    <message>
        <source>In Input Menu</source>
        <translation>入力メニューに表示</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Not Added to the Input Menu</source>
        <translation>入力メニューに追加されませんでした</translation>
    </message>
    <message>
        <source>The system did not list every layout of &quot;%1&quot;. Open Keyboard Settings and add the input source there. If it does not appear, sign out and sign back in.</source>
        <translation>システムが“%1”のすべてのレイアウトを認識しませんでした。“キーボード”設定を開いて、入力ソースを追加してください。表示されない場合は、ログアウトしてから再度ログインしてください。</translation>
    </message>
    <message>
        <source>Open Keyboard Settings</source>
        <translation>“キーボード”設定を開く</translation>
    </message>
</context>
<context>
    <name>app::KeyboardPanel</name>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lockキー</translation>
    </message>
    <message>
        <source>Layout in the bundle</source>
        <translation>バンドル内のレイアウト</translation>
    </message>
    <message>
        <source>Keyboard shape</source>
        <translation>キーボードの形状</translation>
    </message>
    <message>
        <source>ANSI keyboard</source>
        <translation>ANSIキーボード</translation>
    </message>
    <message>
        <source>ISO keyboard</source>
        <translation>ISOキーボード</translation>
    </message>
    <message>
        <source>Show what each key types while Caps Lock is on</source>
        <translation>Caps Lockキーがオンのときに各キーで入力される文字を表示</translation>
    </message>
    <message>
        <source>Choose a layout above to see what it types.</source>
        <translation>上でレイアウトを選択すると、入力される文字が表示されます。</translation>
    </message>
    <message>
        <source>Each key shows what it types while Caps Lock is on.</source>
        <translation>各キーには、Caps Lockキーがオンのときに入力される文字が表示されています。</translation>
    </message>
    <message>
        <source>Each key shows what it types alone at the lower left, with Shift above that, with Option at the lower right, and with Shift and Option above that.</source>
        <translation>各キーの左下にはそのまま入力される文字、その上にはShiftキーを押したときの文字、右下にはOptionキーを押したときの文字、その上にはShiftキーとOptionキーを押したときの文字が表示されています。</translation>
    </message>
    <message>
        <source>Legends highlighted in the accent colour are dead keys: they type nothing at first, then change the next key you press, as ´ then e types é.</source>
        <translation>アクセントカラーで強調表示された文字はデッドキーです。押しただけでは何も入力されず、次に押したキーが変化します。たとえば ´ に続けて e を押すと é になります。</translation>
    </message>
</context>
<context>
    <name>app::KeyboardView</name>
    <message>
        <source>No modifier</source>
        <translation>修飾キーなし</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shiftキー</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Optionキー</translation>
    </message>
    <message>
        <source>Shift-Option</source>
        <translation>Shift + Optionキー</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lockキー</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Returnキー</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabキー</translation>
    </message>
    <message>
        <source>Space bar</source>
        <translation>スペースバー</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Deleteキー</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Commandキー</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Controlキー</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>fnキー</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>左矢印キー</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>右矢印キー</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>下矢印キー</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>上矢印キー</translation>
    </message>
    <message>
        <source>a control character</source>
        <translation>制御文字</translation>
    </message>
    <message>
        <source>a space</source>
        <translation>スペース</translation>
    </message>
    <message>
        <source>a blank space</source>
        <translation>見えない空白文字</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>キーボード</translation>
    </message>
    <message>
        <source>Keyboard of %1</source>
        <translation>キーボード：%1</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>キー %1</translation>
    </message>
    <message>
        <source>dead key %1</source>
        <translation>デッドキー %1</translation>
    </message>
    <message>
        <source>without a character of its own</source>
        <translation>固有の文字なし</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1。%2</translation>
    </message>
</context>
<context>
    <name>intake::DropView</name>
    <message>
        <source>Keyboard layout to install:</source>
        <translation>インストールするキーボードレイアウト：</translation>
    </message>
    <message>
        <source>Drag keyboard layout here to install</source>
        <translation>キーボードレイアウトをここにドラッグしてインストール</translation>
    </message>
    <message>
        <source>Opens a file chooser. You can also drag a .keylayout file or keyboard .bundle folder here to install it</source>
        <translation>ファイルを選択するパネルを開きます。.keylayoutファイルやキーボードの.bundleフォルダをここにドラッグしてインストールすることもできます</translation>
    </message>
    <message>
        <source>Unsupported File</source>
        <translation>サポートされていないファイル</translation>
    </message>
    <message>
        <source>Please drag a .keylayout file or keyboard .bundle.</source>
        <translation>.keylayoutファイルまたはキーボードの.bundleをドラッグしてください。</translation>
    </message>
    <message>
        <source>Install Failed</source>
        <translation>インストールできませんでした</translation>
    </message>
    <message>
        <source>&quot;%1&quot; May Not Work as Expected</source>
        <translation>“%1”は正しく機能しない可能性があります</translation>
    </message>
    <message>
        <source>Install Anyway</source>
        <translation>このままインストール</translation>
    </message>
    <message>
        <source>Keyboard Installed</source>
        <translation>キーボードレイアウトをインストールしました</translation>
    </message>
    <message>
        <source>Open Keyboard Settings and add the new input source. If it does not appear immediately, sign out and sign back in.</source>
        <translation>“キーボード”設定を開いて、新しい入力ソースを追加してください。すぐに表示されない場合は、ログアウトしてから再度ログインしてください。</translation>
    </message>
    <message>
        <source>Installed:</source>
        <translation>インストール済み：</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>%1をインストールしました</translation>
    </message>
    <message>
        <source>Waiting for administrator approval…</source>
        <translation>管理者の承認を待っています…</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>%1 is in the input menu now.</source>
        <translation>%1が入力メニューに追加されました。</translation>
    </message>
    <message>
        <source>%1 are in the input menu now.</source>
        <translation>%1が入力メニューに追加されました。</translation>
    </message>
    <message>
        <source>Use Now</source>
        <translation>今すぐ使用</translation>
    </message>
    <message>
        <source>Open Keyboard Settings</source>
        <translation>“キーボード”設定を開く</translation>
    </message>
</context>
<context>
    <name>intake::LayoutFileDialog</name>
    <message>
        <source>Keyboard layouts (*.keylayout *.bundle)</source>
        <translation>キーボードレイアウト (*.keylayout *.bundle)</translation>
    </message>
    <message>
        <source>Choose a keyboard layout to install</source>
        <translation>インストールするキーボードレイアウトを選択</translation>
    </message>
</context>
</TS>
