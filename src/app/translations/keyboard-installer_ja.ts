<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>app::AppDelegate</name>
    <message>
        <source>Installed Layouts…</source>
        <translation>インストール済みのレイアウト…</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>ウインドウ</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>開く…</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>ウインドウを閉じる</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>しまう</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>拡大/縮小</translation>
    </message>
    <message>
        <source>Bring All to Front</source>
        <translation>すべてを手前に移動</translation>
    </message>
</context>
<context>
    <name>app::InstallController</name>
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
    <message>
        <source>Remove &quot;%1&quot;?</source>
        <translation>“%1”を削除しますか？</translation>
    </message>
    <message>
        <source>It is removed for every user of this computer, once an administrator approves.</source>
        <translation>管理者が承認すると、このコンピュータのすべてのユーザから削除されます。</translation>
    </message>
    <message>
        <source>It was installed without its icon: the system did not let Keyboard Installer read it.</source>
        <translation>アイコンなしでインストールされました。システムが Keyboard Installer にアイコンの読み取りを許可しませんでした。</translation>
    </message>
    <message>
        <source>The input menu could not be refreshed: %1 Sign out and sign back in to see the change.</source>
        <translation>入力メニューを更新できませんでした: %1 変更を反映するには、ログアウトしてからログインし直してください。</translation>
    </message>
    <message>
        <source>It goes to the Trash.</source>
        <translation>ゴミ箱に移動されます。</translation>
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
        <source>Not Added to the Input Menu</source>
        <translation>入力メニューに追加されませんでした</translation>
    </message>
    <message>
        <source>The system did not list every layout of &quot;%1&quot;. Open Keyboard Settings and add the input source there. If it does not appear, sign out and sign back in.</source>
        <translation>システムが“%1”のすべてのレイアウトを認識しませんでした。“キーボード”設定を開いて、入力ソースを追加してください。表示されない場合は、ログアウトしてから再度ログインしてください。</translation>
    </message>
    <message>
        <source>Keyboard Installer wants to install &quot;%1&quot; for all users.</source>
        <translation>Keyboard Installer が“%1”をすべてのユーザ用にインストールしようとしています。</translation>
    </message>
    <message>
        <source>Keyboard Installer wants to remove &quot;%1&quot; for all users.</source>
        <translation>Keyboard Installer が“%1”をすべてのユーザから削除しようとしています。</translation>
    </message>
    <message>
        <source>Keyboard Installer wants to repair &quot;%1&quot; for all users.</source>
        <translation>Keyboard Installer が「%1」をすべてのユーザ用に修復しようとしています。</translation>
    </message>
    <message>
        <source>Repair Failed</source>
        <translation>修復できませんでした</translation>
    </message>
    <message>
        <source>Keyboard Installer wants to add &quot;%1&quot; to the login window.</source>
        <translation>Keyboard Installer が「%1」をログインウインドウに追加しようとしています。</translation>
    </message>
    <message>
        <source>Keyboard Installer wants to remove &quot;%1&quot; from the login window.</source>
        <translation>Keyboard Installer が「%1」をログインウインドウから削除しようとしています。</translation>
    </message>
    <message>
        <source>Login Window Not Changed</source>
        <translation>ログインウインドウは変更されませんでした</translation>
    </message>
    <message>
        <source>Added &quot;%1&quot;</source>
        <translation>“%1”が追加されました</translation>
    </message>
    <message>
        <source>Removed &quot;%1&quot;</source>
        <translation>“%1”が削除されました</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>“%1”: %2</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>ほか%1件</translation>
    </message>
    <message>
        <source>What it types is unchanged.</source>
        <translation>入力される文字に変更はありません。</translation>
    </message>
    <message>
        <source>Keystrokes that now type something else: %1</source>
        <translation>入力される文字が変わったキー操作: %1</translation>
    </message>
    <message>
        <source>The version it replaced is in the Trash.</source>
        <translation>置き換えられたバージョンはゴミ箱にあります。</translation>
    </message>
    <message>
        <source>Replace &quot;%1&quot;</source>
        <translation>“%1”を置き換える</translation>
    </message>
    <message>
        <source>Keyboard Installer wants to install &quot;%1&quot; in place of &quot;%2&quot; for all users.</source>
        <translation>Keyboard Installer が“%2”の代わりに“%1”をすべてのユーザ用にインストールしようとしています。</translation>
    </message>
    <message>
        <source>macOS may keep typing with the old version until you sign out and sign back in.</source>
        <translation>ログアウトしてから再度ログインするまで、macOS が古いバージョンで入力し続けることがあります。</translation>
    </message>
</context>
<context>
    <name>app::InstalledLayoutsWindow</name>
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
        <source>Repair</source>
        <translation>修復</translation>
    </message>
    <message>
        <source>Add to Login Window</source>
        <translation>ログインウインドウに追加</translation>
    </message>
    <message>
        <source>Remove from Login Window</source>
        <translation>ログインウインドウから削除</translation>
    </message>
    <message>
        <source>At Login Window</source>
        <translation>ログインウインドウ</translation>
    </message>
    <message>
        <source>Installs the layout again from itself, so that the system and apps no longer ignore it</source>
        <translation>レイアウトをそれ自身から再インストールし、システムやアプリに無視されないようにします</translation>
    </message>
    <message>
        <source>Lets the login window and password dialogs type with this layout. Before FileVault unlocks the disk, the Mac types with its built-in layouts only.</source>
        <translation>ログインウインドウとパスワードダイアログでこのレイアウトで入力できるようにします。FileVault がディスクをロック解除する前は、Mac は内蔵のレイアウトでのみ入力します。</translation>
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
    <name>app::MainWindow</name>
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
        <source>Installs dropped layouts for you only. They do not reach the login window, password dialogs or some apps&apos; secure fields; for those, install for all users.</source>
        <translation>ドロップしたレイアウトをあなただけにインストールします。ログインウインドウ、パスワードダイアログ、一部のアプリの保護された入力欄では使えません。それらには、すべてのユーザ用にインストールしてください。</translation>
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
</context>
<context>
    <name>intake::FindingWords</name>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: the file is empty.</source>
        <translation>“%1”はキーボードレイアウトではありません：ファイルが空です。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it is a zip archive. Open it and drop the layout inside.</source>
        <translation>“%1”はキーボードレイアウトではありません：ZIPアーカイブです。アーカイブを開いて、中にあるレイアウトをドロップしてください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it is a web page. Download the raw file instead.</source>
        <translation>“%1”はキーボードレイアウトではありません：Webページです。代わりに元のファイル（raw）をダウンロードしてください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it holds binary data, not text.</source>
        <translation>“%1”はキーボードレイアウトではありません：テキストではなくバイナリデータが含まれています。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it is not XML; a keyboard layout is an XML file.</source>
        <translation>“%1”はキーボードレイアウトではありません：XMLではありません。キーボードレイアウトはXMLファイルです。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: its root element is &lt;%2&gt;, not &lt;keyboard&gt;.</source>
        <translation>“%1”はキーボードレイアウトではありません：ルート要素が&lt;keyboard&gt;ではなく&lt;%2&gt;です。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: its text is damaged.</source>
        <translation>“%1”はキーボードレイアウトではありません：テキストが壊れています。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: its text is damaged at line %2.</source>
        <translation>“%1”はキーボードレイアウトではありません：%2行目のテキストが壊れています。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it ends before line %2 is complete; the download may have been cut short.</source>
        <translation>“%1”はキーボードレイアウトではありません：%2行目の途中で終わっています。ダウンロードが途中で中断された可能性があります。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it is a folder.</source>
        <translation>“%1”はキーボードレイアウトではありません：フォルダです。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it is not a regular file.</source>
        <translation>“%1”はキーボードレイアウトではありません：通常のファイルではありません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it is larger than %2 MB, far more than any keyboard layout.</source>
        <translation>“%1”はキーボードレイアウトではありません：%2 MBを超えています。キーボードレイアウトとしては大きすぎます。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout macOS can load: its &lt;keyboard&gt; has no %2.</source>
        <translation>“%1”はmacOSが読み込めるキーボードレイアウトではありません：&lt;keyboard&gt;に%2属性がありません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout macOS can load: its %2, &quot;%3&quot;, is not a whole number.</source>
        <translation>“%1”はmacOSが読み込めるキーボードレイアウトではありません：%2属性の値“%3”が整数ではありません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout macOS can load: it has no &lt;%2&gt;.</source>
        <translation>“%1”はmacOSが読み込めるキーボードレイアウトではありません：&lt;%2&gt;がありません。</translation>
    </message>
    <message>
        <source>Couldn&apos;t read &quot;%1&quot;: %2.</source>
        <translation>“%1”を読み取れませんでした：%2。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be found; it may have been moved or deleted.</source>
        <translation>“%1”が見つかりません。移動または削除された可能性があります。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a .keylayout file or keyboard .bundle.</source>
        <translation>“%1”は.keylayoutファイルでもキーボードの.bundleでもありません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no keyboard layout in Contents/Resources.</source>
        <translation>“%1”のContents/Resourcesにキーボードレイアウトがありません。</translation>
    </message>
    <message>
        <source>In &quot;%1&quot;, %2</source>
        <translation>“%1”内：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is also installed in %2; the input menu would list it twice.</source>
        <translation>“%1”は%2にもインストールされています。入力メニューに2回表示されます。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; beside &quot;%2&quot; is not an icon file (.icns); the input menu would show a generic icon.</source>
        <translation>“%2”の横にある“%1”はアイコンファイル（.icns）ではありません。入力メニューには汎用アイコンが表示されます。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds two layouts with the id %2, &quot;%3&quot; and &quot;%4&quot;; macOS renumbers or hides one of them.</source>
        <translation>“%1”には、ID %2のレイアウトが2つ（“%3”と“%4”）含まれています。macOSはどちらかの番号を振り直すか、非表示にします。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds two layouts named &quot;%2&quot;, &quot;%3&quot; and &quot;%4&quot;; the input menu would show two entries you cannot tell apart.</source>
        <translation>“%1”には、“%2”という名前のレイアウトが2つ（“%3”と“%4”）含まれています。入力メニューに区別できない項目が2つ表示されます。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; has the same id (%3) as &quot;%4&quot; in &quot;%5&quot; in %6; macOS renumbers or hides one of them.</source>
        <translation>“%2”の“%1”は、%6にある“%5”の“%4”と同じID（%3）です。macOSはどちらかの番号を振り直すか、非表示にします。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; has the same name as &quot;%3&quot; in &quot;%4&quot; in %5; the input menu would show two entries you cannot tell apart.</source>
        <translation>“%2”の“%1”は、%5にある“%4”の“%3”と同じ名前です。入力メニューに区別できない項目が2つ表示されます。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; has the same id (%3) and name as &quot;%4&quot; in &quot;%5&quot; in %6; macOS renumbers or hides one of them.</source>
        <translation>“%2”の“%1”は、%6にある“%5”の“%4”とID（%3）も名前も同じです。macOSはどちらかの番号を振り直すか、非表示にします。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no Contents/Info.plist, which the system reads to register its layouts.</source>
        <translation>“%1”にはContents/Info.plistがありません。システムはこのファイルを読んでレイアウトを登録します。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a Contents/Info.plist that cannot be read, which the system reads to register its layouts.</source>
        <translation>“%1”のContents/Info.plistを読み取れません。システムはこのファイルを読んでレイアウトを登録します。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no CFBundleIdentifier in Contents/Info.plist, which the system reads to register its layouts.</source>
        <translation>“%1”のContents/Info.plistにCFBundleIdentifierがありません。システムはこれを読んでレイアウトを登録します。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has the bundle identifier &quot;%2&quot;, without &quot;.keyboardlayout.&quot;, which the system expects of keyboard layout bundles.</source>
        <translation>“%1”のバンドル識別子“%2”に“.keyboardlayout.”が含まれていません。システムはキーボードレイアウトのバンドルにこれを求めます。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a bundle identifier without &quot;.keyboardlayout.&quot;, which the system expects of keyboard layout bundles.</source>
        <translation>“%1”のバンドル識別子に“.keyboardlayout.”が含まれていません。システムはキーボードレイアウトのバンドルにこれを求めます。</translation>
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
        <source>Icon is no icns file</source>
        <translation>アイコンがicns形式でない</translation>
    </message>
    <message>
        <source>Incomplete bundle information</source>
        <translation>バンドル情報が不完全</translation>
    </message>
    <message>
        <source>All users</source>
        <translation>すべてのユーザ</translation>
    </message>
    <message>
        <source>Current user</source>
        <translation>現在のユーザ</translation>
    </message>
    <message>
        <source>No keyboard layouts are installed, for you or for all users.</source>
        <translation>自分用にもすべてのユーザ用にも、キーボードレイアウトはインストールされていません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; carries the extended attribute &quot;%2&quot;; the system or some apps may ignore the layout until it is repaired.</source>
        <translation>「%1」には拡張属性「%2」があります。修復するまで、システムや一部のアプリがレイアウトを無視することがあります。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has the mode %2, so not everyone may read it (folders need 0755); the system or some apps may ignore the layout until it is repaired.</source>
        <translation>「%1」のモードは %2 で、誰もが読めるわけではありません（フォルダには 0755 が必要です）。修復するまで、システムや一部のアプリがレイアウトを無視することがあります。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has the mode %2, so not everyone may read it (files need 0644); the system or some apps may ignore the layout until it is repaired.</source>
        <translation>「%1」のモードは %2 で、誰もが読めるわけではありません（ファイルには 0644 が必要です）。修復するまで、システムや一部のアプリがレイアウトを無視することがあります。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to user %2 and group %3, not root:wheel as layouts for all users do; the system or some apps may ignore the layout until it is repaired.</source>
        <translation>「%1」の所有者はユーザ %2・グループ %3 で、すべてのユーザ用のレイアウトのような root:wheel ではありません。修復するまで、システムや一部のアプリがレイアウトを無視することがあります。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to user %2 and group %3, not to you; the system or some apps may ignore the layout until it is repaired.</source>
        <translation>「%1」の所有者はユーザ %2・グループ %3 で、あなたではありません。修復するまで、システムや一部のアプリがレイアウトを無視することがあります。</translation>
    </message>
    <message>
        <source>Extended attributes</source>
        <translation>拡張属性</translation>
    </message>
    <message>
        <source>Not readable by everyone</source>
        <translation>誰もが読めるわけではない</translation>
    </message>
    <message>
        <source>Wrong owner</source>
        <translation>所有者が違う</translation>
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
