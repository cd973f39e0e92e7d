<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>app::AppDelegate</name>
    <message>
        <source>Installed Layouts…</source>
        <translation>Installierte Layouts …</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Öffnen …</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Im Dock ablegen</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoomen</translation>
    </message>
    <message>
        <source>Bring All to Front</source>
        <translation>Alle nach vorne bringen</translation>
    </message>
</context>
<context>
    <name>app::InstallController</name>
    <message>
        <source>Unsupported File</source>
        <translation>Nicht unterstützte Datei</translation>
    </message>
    <message>
        <source>Please drag a .keylayout file or keyboard .bundle.</source>
        <translation>Ziehe bitte eine .keylayout-Datei oder ein Tastatur-.bundle hierher.</translation>
    </message>
    <message>
        <source>Install Failed</source>
        <translation>Installation fehlgeschlagen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; May Not Work as Expected</source>
        <translation>„%1“ funktioniert möglicherweise nicht wie erwartet</translation>
    </message>
    <message>
        <source>Install Anyway</source>
        <translation>Trotzdem installieren</translation>
    </message>
    <message>
        <source>Keyboard Installed</source>
        <translation>Tastaturlayout installiert</translation>
    </message>
    <message>
        <source>Open Keyboard Settings and add the new input source. If it does not appear immediately, sign out and sign back in.</source>
        <translation>Öffne die Einstellungen „Tastatur“ und füge die neue Eingabequelle hinzu. Wenn sie nicht sofort erscheint, melde dich ab und wieder an.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>%1 is in the input menu now.</source>
        <translation>%1 ist jetzt im Eingabemenü.</translation>
    </message>
    <message>
        <source>%1 are in the input menu now.</source>
        <translation>%1 sind jetzt im Eingabemenü.</translation>
    </message>
    <message>
        <source>Use Now</source>
        <translation>Jetzt verwenden</translation>
    </message>
    <message>
        <source>Open Keyboard Settings</source>
        <translation>Einstellungen „Tastatur“ öffnen</translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot;?</source>
        <translation>„%1“ entfernen?</translation>
    </message>
    <message>
        <source>It is removed for every user of this computer, once an administrator approves.</source>
        <translation>Es wird für alle Benutzer dieses Computers entfernt, sobald ein Administrator zustimmt.</translation>
    </message>
    <message>
        <source>It was installed without its icon: the system did not let Keyboard Installer read it.</source>
        <translation>Es wurde ohne sein Symbol installiert: Das System hat Keyboard Installer das Symbol nicht lesen lassen.</translation>
    </message>
    <message>
        <source>The input menu could not be refreshed: %1 Sign out and sign back in to see the change.</source>
        <translation>Das Eingabemenü konnte nicht aktualisiert werden: %1 Melde dich ab und wieder an, um die Änderung zu sehen.</translation>
    </message>
    <message>
        <source>It goes to the Trash.</source>
        <translation>Es wird in den Papierkorb gelegt.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>Entfernen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Keyboard Layout Removed</source>
        <translation>Tastaturlayout entfernt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; leaves the input menu once you switch to another input source. If it still shows, sign out and sign back in.</source>
        <translation>„%1“ verschwindet aus dem Eingabemenü, sobald du zu einer anderen Eingabequelle wechselst. Wird es weiterhin angezeigt, melde dich ab und wieder an.</translation>
    </message>
    <message>
        <source>Not Added to the Input Menu</source>
        <translation>Nicht zum Eingabemenü hinzugefügt</translation>
    </message>
    <message>
        <source>The system did not list every layout of &quot;%1&quot;. Open Keyboard Settings and add the input source there. If it does not appear, sign out and sign back in.</source>
        <translation>Das System hat nicht alle Layouts von „%1“ aufgeführt. Öffne die Einstellungen „Tastatur“ und füge die Eingabequelle dort hinzu. Wenn sie nicht erscheint, melde dich ab und wieder an.</translation>
    </message>
    <message>
        <source>Keyboard Installer wants to install &quot;%1&quot; for all users.</source>
        <translation>Keyboard Installer möchte „%1“ für alle Benutzer installieren.</translation>
    </message>
    <message>
        <source>Keyboard Installer wants to remove &quot;%1&quot; for all users.</source>
        <translation>Keyboard Installer möchte „%1“ für alle Benutzer entfernen.</translation>
    </message>
    <message>
        <source>Keyboard Installer wants to repair &quot;%1&quot; for all users.</source>
        <translation>Keyboard Installer möchte „%1“ für alle Benutzer reparieren.</translation>
    </message>
    <message>
        <source>Repair Failed</source>
        <translation>Reparatur fehlgeschlagen</translation>
    </message>
    <message>
        <source>Keyboard Installer wants to add &quot;%1&quot; to the login window.</source>
        <translation>Keyboard Installer möchte „%1“ zum Anmeldefenster hinzufügen.</translation>
    </message>
    <message>
        <source>Keyboard Installer wants to remove &quot;%1&quot; from the login window.</source>
        <translation>Keyboard Installer möchte „%1“ aus dem Anmeldefenster entfernen.</translation>
    </message>
    <message>
        <source>Login Window Not Changed</source>
        <translation>Anmeldefenster nicht geändert</translation>
    </message>
    <message>
        <source>Added &quot;%1&quot;</source>
        <translation>„%1“ hinzugekommen</translation>
    </message>
    <message>
        <source>Removed &quot;%1&quot;</source>
        <translation>„%1“ entfallen</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>„%1“: %2</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>What it types is unchanged.</source>
        <translation>Was es schreibt, ist unverändert.</translation>
    </message>
    <message>
        <source>Keystrokes that now type something else: %1</source>
        <translation>Tastenanschläge, die jetzt etwas anderes schreiben: %1</translation>
    </message>
    <message>
        <source>The version it replaced is in the Trash.</source>
        <translation>Die ersetzte Version liegt im Papierkorb.</translation>
    </message>
    <message>
        <source>Replace &quot;%1&quot;</source>
        <translation>„%1“ ersetzen</translation>
    </message>
    <message>
        <source>Keyboard Installer wants to install &quot;%1&quot; in place of &quot;%2&quot; for all users.</source>
        <translation>Keyboard Installer möchte „%1“ anstelle von „%2“ für alle Benutzer installieren.</translation>
    </message>
    <message>
        <source>macOS may keep typing with the old version until you sign out and sign back in.</source>
        <translation>macOS schreibt womöglich mit der alten Version weiter, bis du dich ab- und wieder anmeldest.</translation>
    </message>
</context>
<context>
    <name>app::InstalledLayoutsWindow</name>
    <message>
        <source>Remove…</source>
        <translation>Entfernen …</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Im Finder zeigen</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Im Ordner zeigen</translation>
    </message>
    <message>
        <source>Installed Keyboard Layouts</source>
        <translation>Installierte Tastaturlayouts</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Tastaturlayout</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>For</source>
        <translation>Für</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Installed keyboard layouts</source>
        <translation>Installierte Tastaturlayouts</translation>
    </message>
    <message>
        <source>Add to Input Menu</source>
        <translation>Zum Eingabemenü hinzufügen</translation>
    </message>
    <message>
        <source>Remove from Input Menu</source>
        <translation>Aus dem Eingabemenü entfernen</translation>
    </message>
    <message>
        <source>In Input Menu</source>
        <translation>Im Eingabemenü</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Reparieren</translation>
    </message>
    <message>
        <source>Add to Login Window</source>
        <translation>Zum Anmeldefenster hinzufügen</translation>
    </message>
    <message>
        <source>Remove from Login Window</source>
        <translation>Aus dem Anmeldefenster entfernen</translation>
    </message>
    <message>
        <source>At Login Window</source>
        <translation>Im Anmeldefenster</translation>
    </message>
    <message>
        <source>Installs the layout again from itself, so that the system and apps no longer ignore it</source>
        <translation>Installiert das Layout erneut aus sich selbst, damit System und Apps es nicht länger ignorieren</translation>
    </message>
    <message>
        <source>Lets the login window and password dialogs type with this layout. Before FileVault unlocks the disk, the Mac types with its built-in layouts only.</source>
        <translation>Lässt Anmeldefenster und Passwortdialoge mit diesem Layout tippen. Bevor FileVault das Volume entsperrt, tippt der Mac nur mit seinen eingebauten Layouts.</translation>
    </message>
</context>
<context>
    <name>app::KeyboardPanel</name>
    <message>
        <source>Caps Lock</source>
        <translation>Feststelltaste</translation>
    </message>
    <message>
        <source>Layout in the bundle</source>
        <translation>Layout im Bundle</translation>
    </message>
    <message>
        <source>Keyboard shape</source>
        <translation>Tastaturform</translation>
    </message>
    <message>
        <source>ANSI keyboard</source>
        <translation>ANSI-Tastatur</translation>
    </message>
    <message>
        <source>ISO keyboard</source>
        <translation>ISO-Tastatur</translation>
    </message>
    <message>
        <source>Show what each key types while Caps Lock is on</source>
        <translation>Zeigen, was jede Taste bei aktivierter Feststelltaste eingibt</translation>
    </message>
    <message>
        <source>Choose a layout above to see what it types.</source>
        <translation>Wähle oben ein Layout, um zu sehen, was es eingibt.</translation>
    </message>
    <message>
        <source>Each key shows what it types while Caps Lock is on.</source>
        <translation>Jede Taste zeigt, was sie bei aktivierter Feststelltaste eingibt.</translation>
    </message>
    <message>
        <source>Each key shows what it types alone at the lower left, with Shift above that, with Option at the lower right, and with Shift and Option above that.</source>
        <translation>Jede Taste zeigt unten links, was sie allein eingibt, darüber mit der Umschalttaste, unten rechts mit der Wahltaste und darüber mit Umschalt- und Wahltaste.</translation>
    </message>
    <message>
        <source>Legends highlighted in the accent colour are dead keys: they type nothing at first, then change the next key you press, as ´ then e types é.</source>
        <translation>In der Akzentfarbe hervorgehobene Beschriftungen sind Tottasten: Sie geben zunächst nichts ein und ändern dann die nächste Taste, die du drückst – so ergibt ´ und dann e ein é.</translation>
    </message>
</context>
<context>
    <name>app::KeyboardView</name>
    <message>
        <source>No modifier</source>
        <translation>Ohne Sondertaste</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Umschalttaste</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Wahltaste</translation>
    </message>
    <message>
        <source>Shift-Option</source>
        <translation>Umschalt- und Wahltaste</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Feststelltaste</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Zeilenschalter</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulatortaste</translation>
    </message>
    <message>
        <source>Space bar</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Rückschritttaste</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehlstaste</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control-Taste</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Fn-Taste</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Pfeil nach links</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Pfeil nach rechts</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Pfeil nach unten</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Pfeil nach oben</translation>
    </message>
    <message>
        <source>a control character</source>
        <translation>ein Steuerzeichen</translation>
    </message>
    <message>
        <source>a space</source>
        <translation>ein Leerzeichen</translation>
    </message>
    <message>
        <source>a blank space</source>
        <translation>ein unsichtbares Leerzeichen</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Keyboard of %1</source>
        <translation>Tastatur: %1</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>dead key %1</source>
        <translation>Tottaste %1</translation>
    </message>
    <message>
        <source>without a character of its own</source>
        <translation>ohne eigenes Zeichen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>app::MainWindow</name>
    <message>
        <source>Install for current user
(recommended)</source>
        <translation>Nur für mich installieren
(empfohlen)</translation>
    </message>
    <message>
        <source>Install for all users
(Sierra or earlier)</source>
        <translation>Für alle installieren
(Sierra oder älter)</translation>
    </message>
    <message>
        <source>Current user</source>
        <translation>Aktueller Benutzer</translation>
    </message>
    <message>
        <source>A single person</source>
        <translation>Eine einzelne Person</translation>
    </message>
    <message>
        <source>All users</source>
        <translation>Alle Benutzer</translation>
    </message>
    <message>
        <source>A group of three people</source>
        <translation>Eine Gruppe aus drei Personen</translation>
    </message>
    <message>
        <source>Installs dropped layouts for every user of this computer; asks for an administrator</source>
        <translation>Installiert hierher gezogene Layouts für alle Benutzer dieses Computers; ein Administrator muss zustimmen</translation>
    </message>
    <message>
        <source>Installed Layouts…</source>
        <translation>Installierte Layouts …</translation>
    </message>
    <message>
        <source>Lists the installed keyboard layouts and removes one</source>
        <translation>Zeigt die installierten Tastaturlayouts und entfernt eines davon</translation>
    </message>
    <message>
        <source>Installs dropped layouts for you only. They do not reach the login window, password dialogs or some apps&apos; secure fields; for those, install for all users.</source>
        <translation>Installiert abgelegte Layouts nur für Sie. Sie erreichen weder das Anmeldefenster noch Passwortdialoge oder die sicheren Eingabefelder mancher Apps; dafür installieren Sie für alle Benutzer.</translation>
    </message>
</context>
<context>
    <name>intake::DropView</name>
    <message>
        <source>Keyboard layout to install:</source>
        <translation>Zu installierendes Tastaturlayout:</translation>
    </message>
    <message>
        <source>Drag keyboard layout here to install</source>
        <translation>Tastaturlayout zum Installieren hierher ziehen</translation>
    </message>
    <message>
        <source>Opens a file chooser. You can also drag a .keylayout file or keyboard .bundle folder here to install it</source>
        <translation>Öffnet eine Dateiauswahl. Du kannst auch eine .keylayout-Datei oder einen Tastatur-.bundle-Ordner hierher ziehen, um sie zu installieren</translation>
    </message>
    <message>
        <source>Installed:</source>
        <translation>Installiert:</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>%1 ist installiert</translation>
    </message>
    <message>
        <source>Waiting for administrator approval…</source>
        <translation>Warten auf Zustimmung eines Administrators …</translation>
    </message>
</context>
<context>
    <name>intake::FindingWords</name>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: the file is empty.</source>
        <translation>„%1“ ist kein Tastaturlayout: Die Datei ist leer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it is a zip archive. Open it and drop the layout inside.</source>
        <translation>„%1“ ist kein Tastaturlayout: Es ist ein ZIP-Archiv. Öffne es und zieh das Layout darin hierher.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it is a web page. Download the raw file instead.</source>
        <translation>„%1“ ist kein Tastaturlayout: Es ist eine Webseite. Lade stattdessen die Rohdatei herunter.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it holds binary data, not text.</source>
        <translation>„%1“ ist kein Tastaturlayout: Es enthält Binärdaten statt Text.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it is not XML; a keyboard layout is an XML file.</source>
        <translation>„%1“ ist kein Tastaturlayout: Es ist kein XML; ein Tastaturlayout ist eine XML-Datei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: its root element is &lt;%2&gt;, not &lt;keyboard&gt;.</source>
        <translation>„%1“ ist kein Tastaturlayout: Sein Wurzelelement ist &lt;%2&gt;, nicht &lt;keyboard&gt;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: its text is damaged.</source>
        <translation>„%1“ ist kein Tastaturlayout: Sein Text ist beschädigt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: its text is damaged at line %2.</source>
        <translation>„%1“ ist kein Tastaturlayout: Sein Text ist in Zeile %2 beschädigt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it ends before line %2 is complete; the download may have been cut short.</source>
        <translation>„%1“ ist kein Tastaturlayout: Es endet, bevor Zeile %2 vollständig ist; vielleicht wurde der Download abgebrochen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it is a folder.</source>
        <translation>„%1“ ist kein Tastaturlayout: Es ist ein Ordner.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it is not a regular file.</source>
        <translation>„%1“ ist kein Tastaturlayout: Es ist keine normale Datei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it is larger than %2 MB, far more than any keyboard layout.</source>
        <translation>„%1“ ist kein Tastaturlayout: Es ist größer als %2 MB, weit mehr als jedes Tastaturlayout.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout macOS can load: its &lt;keyboard&gt; has no %2.</source>
        <translation>„%1“ ist kein Tastaturlayout, das macOS laden kann: Seinem Element &lt;keyboard&gt; fehlt das Attribut %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout macOS can load: its %2, &quot;%3&quot;, is not a whole number.</source>
        <translation>„%1“ ist kein Tastaturlayout, das macOS laden kann: Sein Attribut %2, „%3“, ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout macOS can load: it has no &lt;%2&gt;.</source>
        <translation>„%1“ ist kein Tastaturlayout, das macOS laden kann: Ihm fehlt das Element &lt;%2&gt;.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read &quot;%1&quot;: %2.</source>
        <translation>„%1“ konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be found; it may have been moved or deleted.</source>
        <translation>„%1“ wurde nicht gefunden; vielleicht wurde es verschoben oder gelöscht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a .keylayout file or keyboard .bundle.</source>
        <translation>„%1“ ist weder eine .keylayout-Datei noch ein Tastatur-.bundle.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no keyboard layout in Contents/Resources.</source>
        <translation>„%1“ enthält in Contents/Resources kein Tastaturlayout.</translation>
    </message>
    <message>
        <source>In &quot;%1&quot;, %2</source>
        <translation>In „%1“: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is also installed in %2; the input menu would list it twice.</source>
        <translation>„%1“ ist auch in %2 installiert; das Eingabemenü würde es doppelt aufführen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; beside &quot;%2&quot; is not an icon file (.icns); the input menu would show a generic icon.</source>
        <translation>„%1“ neben „%2“ ist keine Symboldatei (.icns); das Eingabemenü würde ein allgemeines Symbol zeigen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds two layouts with the id %2, &quot;%3&quot; and &quot;%4&quot;; macOS renumbers or hides one of them.</source>
        <translation>„%1“ enthält zwei Layouts mit der ID %2, „%3“ und „%4“; macOS nummeriert eines davon um oder blendet es aus.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds two layouts named &quot;%2&quot;, &quot;%3&quot; and &quot;%4&quot;; the input menu would show two entries you cannot tell apart.</source>
        <translation>„%1“ enthält zwei Layouts namens „%2“, „%3“ und „%4“; das Eingabemenü würde zwei Einträge zeigen, die du nicht unterscheiden kannst.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; has the same id (%3) as &quot;%4&quot; in &quot;%5&quot; in %6; macOS renumbers or hides one of them.</source>
        <translation>„%1“ in „%2“ hat dieselbe ID (%3) wie „%4“ in „%5“ im Ordner %6; macOS nummeriert eines davon um oder blendet es aus.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; has the same name as &quot;%3&quot; in &quot;%4&quot; in %5; the input menu would show two entries you cannot tell apart.</source>
        <translation>„%1“ in „%2“ hat denselben Namen wie „%3“ in „%4“ im Ordner %5; das Eingabemenü würde zwei Einträge zeigen, die du nicht unterscheiden kannst.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; has the same id (%3) and name as &quot;%4&quot; in &quot;%5&quot; in %6; macOS renumbers or hides one of them.</source>
        <translation>„%1“ in „%2“ hat dieselbe ID (%3) und denselben Namen wie „%4“ in „%5“ im Ordner %6; macOS nummeriert eines davon um oder blendet es aus.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no Contents/Info.plist, which the system reads to register its layouts.</source>
        <translation>„%1“ hat keine Contents/Info.plist; das System liest sie, um seine Layouts zu registrieren.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a Contents/Info.plist that cannot be read, which the system reads to register its layouts.</source>
        <translation>„%1“ hat eine Contents/Info.plist, die sich nicht lesen lässt; das System liest sie, um seine Layouts zu registrieren.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no CFBundleIdentifier in Contents/Info.plist, which the system reads to register its layouts.</source>
        <translation>„%1“ hat keinen CFBundleIdentifier in Contents/Info.plist; das System liest ihn, um seine Layouts zu registrieren.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has the bundle identifier &quot;%2&quot;, without &quot;.keyboardlayout.&quot;, which the system expects of keyboard layout bundles.</source>
        <translation>„%1“ hat die Bundle-ID „%2“ ohne „.keyboardlayout.“; das System erwartet diesen Bestandteil bei Tastaturlayout-Bundles.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a bundle identifier without &quot;.keyboardlayout.&quot;, which the system expects of keyboard layout bundles.</source>
        <translation>„%1“ hat eine Bundle-ID ohne „.keyboardlayout.“; das System erwartet diesen Bestandteil bei Tastaturlayout-Bundles.</translation>
    </message>
    <message>
        <source>Cannot load</source>
        <translation>Kann nicht geladen werden</translation>
    </message>
    <message>
        <source>Duplicate id or name</source>
        <translation>ID oder Name doppelt</translation>
    </message>
    <message>
        <source>Installed in both places</source>
        <translation>An beiden Orten installiert</translation>
    </message>
    <message>
        <source>Some layouts cannot load</source>
        <translation>Nicht alle Layouts ladbar</translation>
    </message>
    <message>
        <source>Icon is no icns file</source>
        <translation>Symbol ist keine icns-Datei</translation>
    </message>
    <message>
        <source>Incomplete bundle information</source>
        <translation>Bundle-Infos unvollständig</translation>
    </message>
    <message>
        <source>All users</source>
        <translation>Alle Benutzer</translation>
    </message>
    <message>
        <source>Current user</source>
        <translation>Aktueller Benutzer</translation>
    </message>
    <message>
        <source>No keyboard layouts are installed, for you or for all users.</source>
        <translation>Es sind keine Tastaturlayouts installiert, weder für dich noch für alle Benutzer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; carries the extended attribute &quot;%2&quot;; the system or some apps may ignore the layout until it is repaired.</source>
        <translation>„%1“ trägt das erweiterte Attribut „%2“; das System oder manche Apps ignorieren das Layout womöglich, bis es repariert ist.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has the mode %2, so not everyone may read it (folders need 0755); the system or some apps may ignore the layout until it is repaired.</source>
        <translation>„%1“ hat den Modus %2 und ist daher nicht für alle lesbar (Ordner brauchen 0755); das System oder manche Apps ignorieren das Layout womöglich, bis es repariert ist.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has the mode %2, so not everyone may read it (files need 0644); the system or some apps may ignore the layout until it is repaired.</source>
        <translation>„%1“ hat den Modus %2 und ist daher nicht für alle lesbar (Dateien brauchen 0644); das System oder manche Apps ignorieren das Layout womöglich, bis es repariert ist.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to user %2 and group %3, not root:wheel as layouts for all users do; the system or some apps may ignore the layout until it is repaired.</source>
        <translation>„%1“ gehört Benutzer %2 und Gruppe %3, nicht root:wheel wie Layouts für alle Benutzer; das System oder manche Apps ignorieren das Layout womöglich, bis es repariert ist.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to user %2 and group %3, not to you; the system or some apps may ignore the layout until it is repaired.</source>
        <translation>„%1“ gehört Benutzer %2 und Gruppe %3, nicht Ihnen; das System oder manche Apps ignorieren das Layout womöglich, bis es repariert ist.</translation>
    </message>
    <message>
        <source>Extended attributes</source>
        <translation>Erweiterte Attribute</translation>
    </message>
    <message>
        <source>Not readable by everyone</source>
        <translation>Nicht für alle lesbar</translation>
    </message>
    <message>
        <source>Wrong owner</source>
        <translation>Falscher Eigentümer</translation>
    </message>
</context>
<context>
    <name>intake::LayoutFileDialog</name>
    <message>
        <source>Keyboard layouts (*.keylayout *.bundle)</source>
        <translation>Tastaturlayouts (*.keylayout *.bundle)</translation>
    </message>
    <message>
        <source>Choose a keyboard layout to install</source>
        <translation>Wähle ein Tastaturlayout zum Installieren</translation>
    </message>
</context>
</TS>
