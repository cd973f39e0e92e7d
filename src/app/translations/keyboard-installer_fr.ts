<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>app::AppDelegate</name>
    <message>
        <source>Installed Layouts…</source>
        <translation>Dispositions installées…</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Ouvrir…</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Placer dans le Dock</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Réduire/agrandir</translation>
    </message>
    <message>
        <source>Bring All to Front</source>
        <translation>Tout ramener au premier plan</translation>
    </message>
</context>
<context>
    <name>app::InstallController</name>
    <message>
        <source>Unsupported File</source>
        <translation>Fichier non pris en charge</translation>
    </message>
    <message>
        <source>Please drag a .keylayout file or keyboard .bundle.</source>
        <translation>Veuillez glisser un fichier .keylayout ou un .bundle de clavier.</translation>
    </message>
    <message>
        <source>Install Failed</source>
        <translation>Échec de l’installation</translation>
    </message>
    <message>
        <source>&quot;%1&quot; May Not Work as Expected</source>
        <translation>« %1 » risque de ne pas fonctionner comme prévu</translation>
    </message>
    <message>
        <source>Install Anyway</source>
        <translation>Installer quand même</translation>
    </message>
    <message>
        <source>Keyboard Installed</source>
        <translation>Disposition de clavier installée</translation>
    </message>
    <message>
        <source>Open Keyboard Settings and add the new input source. If it does not appear immediately, sign out and sign back in.</source>
        <translation>Ouvrez les réglages Clavier et ajoutez la nouvelle source de saisie. Si elle n’apparaît pas tout de suite, fermez votre session puis rouvrez-la.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 is in the input menu now.</source>
        <translation>%1 est maintenant dans le menu de saisie.</translation>
    </message>
    <message>
        <source>%1 are in the input menu now.</source>
        <translation>%1 sont maintenant dans le menu de saisie.</translation>
    </message>
    <message>
        <source>Use Now</source>
        <translation>Utiliser maintenant</translation>
    </message>
    <message>
        <source>Open Keyboard Settings</source>
        <translation>Ouvrir les réglages Clavier</translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot;?</source>
        <translation>Supprimer « %1 »&#xa0;?</translation>
    </message>
    <message>
        <source>It is removed for every user of this computer, once an administrator approves.</source>
        <translation>L’élément sera supprimé pour tous les utilisateurs de cet ordinateur dès qu’un administrateur aura donné son accord.</translation>
    </message>
    <message>
        <source>It was installed without its icon: the system did not let Keyboard Installer read it.</source>
        <translation>L’élément a été installé sans son icône : le système n’a pas permis à Keyboard Installer de la lire.</translation>
    </message>
    <message>
        <source>The input menu could not be refreshed: %1 Sign out and sign back in to see the change.</source>
        <translation>Le menu de saisie n’a pas pu être actualisé : %1 Fermez votre session puis rouvrez-la pour voir le changement.</translation>
    </message>
    <message>
        <source>It goes to the Trash.</source>
        <translation>L’élément sera placé dans la Corbeille.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>Échec de la suppression</translation>
    </message>
    <message>
        <source>Keyboard Layout Removed</source>
        <translation>Disposition de clavier supprimée</translation>
    </message>
    <message>
        <source>&quot;%1&quot; leaves the input menu once you switch to another input source. If it still shows, sign out and sign back in.</source>
        <translation>« %1 » disparaîtra du menu de saisie dès que vous passerez à une autre source de saisie. S’il apparaît encore, fermez votre session puis rouvrez-la.</translation>
    </message>
    <message>
        <source>Not Added to the Input Menu</source>
        <translation>Impossible d’ajouter au menu de saisie</translation>
    </message>
    <message>
        <source>The system did not list every layout of &quot;%1&quot;. Open Keyboard Settings and add the input source there. If it does not appear, sign out and sign back in.</source>
        <translation>Le système n’a pas répertorié toutes les dispositions de « %1 ». Ouvrez les réglages Clavier et ajoutez-y la source de saisie. Si elle n’apparaît pas, fermez votre session puis rouvrez-la.</translation>
    </message>
    <message>
        <source>Keyboard Installer wants to install &quot;%1&quot; for all users.</source>
        <translation>Keyboard Installer veut installer « %1 » pour tous les utilisateurs.</translation>
    </message>
    <message>
        <source>Keyboard Installer wants to remove &quot;%1&quot; for all users.</source>
        <translation>Keyboard Installer veut supprimer « %1 » pour tous les utilisateurs.</translation>
    </message>
    <message>
        <source>Keyboard Installer wants to repair &quot;%1&quot; for all users.</source>
        <translation>Keyboard Installer veut réparer « %1 » pour tous les utilisateurs.</translation>
    </message>
    <message>
        <source>Repair Failed</source>
        <translation>Échec de la réparation</translation>
    </message>
    <message>
        <source>Keyboard Installer wants to add &quot;%1&quot; to the login window.</source>
        <translation>Keyboard Installer veut ajouter « %1 » à la fenêtre de connexion.</translation>
    </message>
    <message>
        <source>Keyboard Installer wants to remove &quot;%1&quot; from the login window.</source>
        <translation>Keyboard Installer veut retirer « %1 » de la fenêtre de connexion.</translation>
    </message>
    <message>
        <source>Login Window Not Changed</source>
        <translation>Fenêtre de connexion inchangée</translation>
    </message>
    <message>
        <source>Added &quot;%1&quot;</source>
        <translation>« %1 » ajoutée</translation>
    </message>
    <message>
        <source>Removed &quot;%1&quot;</source>
        <translation>« %1 » retirée</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>« %1 »&#xa0;: %2</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>What it types is unchanged.</source>
        <translation>Ce qu’elle tape n’a pas changé.</translation>
    </message>
    <message>
        <source>Keystrokes that now type something else: %1</source>
        <translation>Frappes qui tapent désormais autre chose&#xa0;: %1</translation>
    </message>
    <message>
        <source>The version it replaced is in the Trash.</source>
        <translation>La version remplacée est dans la Corbeille.</translation>
    </message>
    <message>
        <source>Replace &quot;%1&quot;</source>
        <translation>Remplacer « %1 »</translation>
    </message>
    <message>
        <source>Keyboard Installer wants to install &quot;%1&quot; in place of &quot;%2&quot; for all users.</source>
        <translation>Keyboard Installer veut installer « %1 » à la place de « %2 » pour tous les utilisateurs.</translation>
    </message>
    <message>
        <source>macOS may keep typing with the old version until you sign out and sign back in.</source>
        <translation>macOS peut continuer à taper avec l’ancienne version jusqu’à ce que vous fermiez votre session puis la rouvriez.</translation>
    </message>
</context>
<context>
    <name>app::InstalledLayoutsWindow</name>
    <message>
        <source>Remove…</source>
        <translation>Supprimer…</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Afficher dans le Finder</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>Installed Keyboard Layouts</source>
        <translation>Dispositions de clavier installées</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Disposition</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>For</source>
        <translation>Pour</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Installed keyboard layouts</source>
        <translation>Dispositions de clavier installées</translation>
    </message>
    <message>
        <source>Add to Input Menu</source>
        <translation>Ajouter au menu de saisie</translation>
    </message>
    <message>
        <source>Remove from Input Menu</source>
        <translation>Retirer du menu de saisie</translation>
    </message>
    <message>
        <source>In Input Menu</source>
        <translation>Dans le menu de saisie</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Réparer</translation>
    </message>
    <message>
        <source>Add to Login Window</source>
        <translation>Ajouter à la fenêtre de connexion</translation>
    </message>
    <message>
        <source>Remove from Login Window</source>
        <translation>Retirer de la fenêtre de connexion</translation>
    </message>
    <message>
        <source>At Login Window</source>
        <translation>À la connexion</translation>
    </message>
    <message>
        <source>Installs the layout again from itself, so that the system and apps no longer ignore it</source>
        <translation>Réinstalle la disposition à partir d’elle-même, pour que le système et les apps ne l’ignorent plus</translation>
    </message>
    <message>
        <source>Lets the login window and password dialogs type with this layout. Before FileVault unlocks the disk, the Mac types with its built-in layouts only.</source>
        <translation>Permet de taper avec cette disposition dans la fenêtre de connexion et les dialogues de mot de passe. Avant que FileVault ne déverrouille le disque, le Mac ne tape qu’avec ses dispositions intégrées.</translation>
    </message>
</context>
<context>
    <name>app::KeyboardPanel</name>
    <message>
        <source>Caps Lock</source>
        <translation>Verrouillage des majuscules</translation>
    </message>
    <message>
        <source>Layout in the bundle</source>
        <translation>Disposition du bundle</translation>
    </message>
    <message>
        <source>Keyboard shape</source>
        <translation>Forme du clavier</translation>
    </message>
    <message>
        <source>ANSI keyboard</source>
        <translation>Clavier ANSI</translation>
    </message>
    <message>
        <source>ISO keyboard</source>
        <translation>Clavier ISO</translation>
    </message>
    <message>
        <source>Show what each key types while Caps Lock is on</source>
        <translation>Afficher ce que tape chaque touche quand le verrouillage des majuscules est activé</translation>
    </message>
    <message>
        <source>Choose a layout above to see what it types.</source>
        <translation>Choisissez une disposition ci-dessus pour voir ce qu’elle tape.</translation>
    </message>
    <message>
        <source>Each key shows what it types while Caps Lock is on.</source>
        <translation>Chaque touche affiche ce qu’elle tape quand le verrouillage des majuscules est activé.</translation>
    </message>
    <message>
        <source>Each key shows what it types alone at the lower left, with Shift above that, with Option at the lower right, and with Shift and Option above that.</source>
        <translation>Chaque touche affiche en bas à gauche ce qu’elle tape seule, au-dessus avec Maj, en bas à droite avec Option, et au-dessus avec Maj et Option.</translation>
    </message>
    <message>
        <source>Legends highlighted in the accent colour are dead keys: they type nothing at first, then change the next key you press, as ´ then e types é.</source>
        <translation>Les légendes mises en évidence dans la couleur d’accentuation sont des touches mortes&#xa0;: elles ne tapent rien d’abord, puis modifient la touche suivante, comme ´ puis e qui donne é.</translation>
    </message>
</context>
<context>
    <name>app::KeyboardView</name>
    <message>
        <source>No modifier</source>
        <translation>Sans touche de modification</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maj</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Shift-Option</source>
        <translation>Maj-Option</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Verrouillage des majuscules</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulation</translation>
    </message>
    <message>
        <source>Space bar</source>
        <translation>Barre d’espace</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Contrôle</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Flèche gauche</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Flèche droite</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Flèche bas</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Flèche haut</translation>
    </message>
    <message>
        <source>a control character</source>
        <translation>un caractère de contrôle</translation>
    </message>
    <message>
        <source>a space</source>
        <translation>une espace</translation>
    </message>
    <message>
        <source>a blank space</source>
        <translation>une espace invisible</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Keyboard of %1</source>
        <translation>Clavier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Touche %1</translation>
    </message>
    <message>
        <source>dead key %1</source>
        <translation>touche morte %1</translation>
    </message>
    <message>
        <source>without a character of its own</source>
        <translation>sans caractère propre</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
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
        <translation>Installer pour moi
(recommandé)</translation>
    </message>
    <message>
        <source>Install for all users
(Sierra or earlier)</source>
        <translation>Installer pour tous
(Sierra ou antérieur)</translation>
    </message>
    <message>
        <source>Current user</source>
        <translation>Utilisateur actuel</translation>
    </message>
    <message>
        <source>A single person</source>
        <translation>Une seule personne</translation>
    </message>
    <message>
        <source>All users</source>
        <translation>Tous les utilisateurs</translation>
    </message>
    <message>
        <source>A group of three people</source>
        <translation>Un groupe de trois personnes</translation>
    </message>
    <message>
        <source>Installs dropped layouts for every user of this computer; asks for an administrator</source>
        <translation>Installe les dispositions déposées ici pour tous les utilisateurs de cet ordinateur&#xa0;; demande l’accord d’un administrateur</translation>
    </message>
    <message>
        <source>Installed Layouts…</source>
        <translation>Dispositions installées…</translation>
    </message>
    <message>
        <source>Lists the installed keyboard layouts and removes one</source>
        <translation>Affiche les dispositions de clavier installées et en supprime une</translation>
    </message>
    <message>
        <source>Installs dropped layouts for you only. They do not reach the login window, password dialogs or some apps&apos; secure fields; for those, install for all users.</source>
        <translation>Installe les dispositions déposées pour vous seul. Elles n’atteignent ni la fenêtre de connexion, ni les dialogues de mot de passe, ni les champs sécurisés de certaines apps ; pour cela, installez pour tous les utilisateurs.</translation>
    </message>
</context>
<context>
    <name>intake::DropView</name>
    <message>
        <source>Keyboard layout to install:</source>
        <translation>Disposition de clavier à installer&#xa0;:</translation>
    </message>
    <message>
        <source>Drag keyboard layout here to install</source>
        <translation>Glissez une disposition de clavier ici pour l’installer</translation>
    </message>
    <message>
        <source>Opens a file chooser. You can also drag a .keylayout file or keyboard .bundle folder here to install it</source>
        <translation>Ouvre un sélecteur de fichier. Vous pouvez aussi glisser ici un fichier .keylayout ou un dossier .bundle de clavier pour l’installer</translation>
    </message>
    <message>
        <source>Installed:</source>
        <translation>Installé&#xa0;:</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>%1 est installé</translation>
    </message>
    <message>
        <source>Waiting for administrator approval…</source>
        <translation>En attente de l’accord d’un administrateur…</translation>
    </message>
</context>
<context>
    <name>intake::FindingWords</name>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: the file is empty.</source>
        <translation>« %1 » n’est pas une disposition de clavier&#xa0;: le fichier est vide.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it is a zip archive. Open it and drop the layout inside.</source>
        <translation>« %1 » n’est pas une disposition de clavier&#xa0;: c’est une archive ZIP. Ouvrez-la et déposez ici la disposition qu’elle contient.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it is a web page. Download the raw file instead.</source>
        <translation>« %1 » n’est pas une disposition de clavier&#xa0;: c’est une page web. Téléchargez plutôt le fichier brut.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it holds binary data, not text.</source>
        <translation>« %1 » n’est pas une disposition de clavier&#xa0;: il contient des données binaires, pas du texte.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it is not XML; a keyboard layout is an XML file.</source>
        <translation>« %1 » n’est pas une disposition de clavier&#xa0;: ce n’est pas du XML&#xa0;; une disposition de clavier est un fichier XML.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: its root element is &lt;%2&gt;, not &lt;keyboard&gt;.</source>
        <translation>« %1 » n’est pas une disposition de clavier&#xa0;: son élément racine est &lt;%2&gt;, et non &lt;keyboard&gt;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: its text is damaged.</source>
        <translation>« %1 » n’est pas une disposition de clavier&#xa0;: son texte est endommagé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: its text is damaged at line %2.</source>
        <translation>« %1 » n’est pas une disposition de clavier&#xa0;: son texte est endommagé à la ligne %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it ends before line %2 is complete; the download may have been cut short.</source>
        <translation>« %1 » n’est pas une disposition de clavier&#xa0;: il s’arrête avant la fin de la ligne %2&#xa0;; le téléchargement a peut-être été interrompu.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it is a folder.</source>
        <translation>« %1 » n’est pas une disposition de clavier&#xa0;: c’est un dossier.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it is not a regular file.</source>
        <translation>« %1 » n’est pas une disposition de clavier&#xa0;: ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it is larger than %2 MB, far more than any keyboard layout.</source>
        <translation>« %1 » n’est pas une disposition de clavier&#xa0;: il dépasse %2 Mo, bien plus que n’importe quelle disposition de clavier.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout macOS can load: its &lt;keyboard&gt; has no %2.</source>
        <translation>« %1 » n’est pas une disposition de clavier que macOS peut charger&#xa0;: son élément &lt;keyboard&gt; n’a pas d’attribut %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout macOS can load: its %2, &quot;%3&quot;, is not a whole number.</source>
        <translation>« %1 » n’est pas une disposition de clavier que macOS peut charger&#xa0;: son attribut %2, « %3 », n’est pas un nombre entier.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout macOS can load: it has no &lt;%2&gt;.</source>
        <translation>« %1 » n’est pas une disposition de clavier que macOS peut charger&#xa0;: il n’a pas d’élément &lt;%2&gt;.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read &quot;%1&quot;: %2.</source>
        <translation>Impossible de lire « %1 »&#xa0;: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be found; it may have been moved or deleted.</source>
        <translation>« %1 » est introuvable&#xa0;; il a peut-être été déplacé ou supprimé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a .keylayout file or keyboard .bundle.</source>
        <translation>« %1 » n’est ni un fichier .keylayout ni un .bundle de clavier.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no keyboard layout in Contents/Resources.</source>
        <translation>« %1 » ne contient aucune disposition de clavier dans Contents/Resources.</translation>
    </message>
    <message>
        <source>In &quot;%1&quot;, %2</source>
        <translation>Dans « %1 »&#xa0;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is also installed in %2; the input menu would list it twice.</source>
        <translation>« %1 » est aussi installé dans %2&#xa0;; le menu de saisie l’afficherait deux fois.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; beside &quot;%2&quot; is not an icon file (.icns); the input menu would show a generic icon.</source>
        <translation>« %1 », à côté de « %2 », n’est pas un fichier d’icône (.icns)&#xa0;; le menu de saisie afficherait une icône générique.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds two layouts with the id %2, &quot;%3&quot; and &quot;%4&quot;; macOS renumbers or hides one of them.</source>
        <translation>« %1 » contient deux dispositions avec l’ID %2, « %3 » et « %4 »&#xa0;; macOS renumérote ou masque l’une d’elles.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds two layouts named &quot;%2&quot;, &quot;%3&quot; and &quot;%4&quot;; the input menu would show two entries you cannot tell apart.</source>
        <translation>« %1 » contient deux dispositions nommées « %2 », « %3 » et « %4 »&#xa0;; le menu de saisie afficherait deux entrées impossibles à distinguer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; has the same id (%3) as &quot;%4&quot; in &quot;%5&quot; in %6; macOS renumbers or hides one of them.</source>
        <translation>« %1 » dans « %2 » a le même ID (%3) que « %4 » dans « %5 » du dossier %6&#xa0;; macOS renumérote ou masque l’une d’elles.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; has the same name as &quot;%3&quot; in &quot;%4&quot; in %5; the input menu would show two entries you cannot tell apart.</source>
        <translation>« %1 » dans « %2 » a le même nom que « %3 » dans « %4 » du dossier %5&#xa0;; le menu de saisie afficherait deux entrées impossibles à distinguer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; has the same id (%3) and name as &quot;%4&quot; in &quot;%5&quot; in %6; macOS renumbers or hides one of them.</source>
        <translation>« %1 » dans « %2 » a le même ID (%3) et le même nom que « %4 » dans « %5 » du dossier %6&#xa0;; macOS renumérote ou masque l’une d’elles.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no Contents/Info.plist, which the system reads to register its layouts.</source>
        <translation>« %1 » n’a pas de Contents/Info.plist, que le système lit pour enregistrer ses dispositions.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a Contents/Info.plist that cannot be read, which the system reads to register its layouts.</source>
        <translation>« %1 » a un Contents/Info.plist illisible&#xa0;; le système le lit pour enregistrer ses dispositions.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no CFBundleIdentifier in Contents/Info.plist, which the system reads to register its layouts.</source>
        <translation>« %1 » n’a pas de CFBundleIdentifier dans Contents/Info.plist, que le système lit pour enregistrer ses dispositions.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has the bundle identifier &quot;%2&quot;, without &quot;.keyboardlayout.&quot;, which the system expects of keyboard layout bundles.</source>
        <translation>« %1 » a l’identifiant de bundle « %2 », sans « .keyboardlayout. », que le système attend des bundles de dispositions de clavier.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a bundle identifier without &quot;.keyboardlayout.&quot;, which the system expects of keyboard layout bundles.</source>
        <translation>« %1 » a un identifiant de bundle sans « .keyboardlayout. », que le système attend des bundles de dispositions de clavier.</translation>
    </message>
    <message>
        <source>Cannot load</source>
        <translation>Chargement impossible</translation>
    </message>
    <message>
        <source>Duplicate id or name</source>
        <translation>ID ou nom en double</translation>
    </message>
    <message>
        <source>Installed in both places</source>
        <translation>Aux deux emplacements</translation>
    </message>
    <message>
        <source>Some layouts cannot load</source>
        <translation>Chargement partiel</translation>
    </message>
    <message>
        <source>Icon is no icns file</source>
        <translation>Icône pas au format icns</translation>
    </message>
    <message>
        <source>Incomplete bundle information</source>
        <translation>Infos du bundle incomplètes</translation>
    </message>
    <message>
        <source>All users</source>
        <translation>Tous les utilisateurs</translation>
    </message>
    <message>
        <source>Current user</source>
        <translation>Utilisateur actuel</translation>
    </message>
    <message>
        <source>No keyboard layouts are installed, for you or for all users.</source>
        <translation>Aucune disposition de clavier n’est installée, ni pour vous ni pour tous les utilisateurs.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; carries the extended attribute &quot;%2&quot;; the system or some apps may ignore the layout until it is repaired.</source>
        <translation>« %1 » porte l’attribut étendu « %2 » ; le système ou certaines apps peuvent ignorer la disposition jusqu’à sa réparation.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has the mode %2, so not everyone may read it (folders need 0755); the system or some apps may ignore the layout until it is repaired.</source>
        <translation>« %1 » a le mode %2 et n’est donc pas lisible par tous (les dossiers demandent 0755) ; le système ou certaines apps peuvent ignorer la disposition jusqu’à sa réparation.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has the mode %2, so not everyone may read it (files need 0644); the system or some apps may ignore the layout until it is repaired.</source>
        <translation>« %1 » a le mode %2 et n’est donc pas lisible par tous (les fichiers demandent 0644) ; le système ou certaines apps peuvent ignorer la disposition jusqu’à sa réparation.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to user %2 and group %3, not root:wheel as layouts for all users do; the system or some apps may ignore the layout until it is repaired.</source>
        <translation>« %1 » appartient à l’utilisateur %2 et au groupe %3, et non à root:wheel comme les dispositions pour tous les utilisateurs ; le système ou certaines apps peuvent ignorer la disposition jusqu’à sa réparation.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to user %2 and group %3, not to you; the system or some apps may ignore the layout until it is repaired.</source>
        <translation>« %1 » appartient à l’utilisateur %2 et au groupe %3, et non à vous ; le système ou certaines apps peuvent ignorer la disposition jusqu’à sa réparation.</translation>
    </message>
    <message>
        <source>Extended attributes</source>
        <translation>Attributs étendus</translation>
    </message>
    <message>
        <source>Not readable by everyone</source>
        <translation>Illisible pour certains</translation>
    </message>
    <message>
        <source>Wrong owner</source>
        <translation>Mauvais propriétaire</translation>
    </message>
</context>
<context>
    <name>intake::LayoutFileDialog</name>
    <message>
        <source>Keyboard layouts (*.keylayout *.bundle)</source>
        <translation>Dispositions de clavier (*.keylayout *.bundle)</translation>
    </message>
    <message>
        <source>Choose a keyboard layout to install</source>
        <translation>Choisissez une disposition de clavier à installer</translation>
    </message>
</context>
</TS>
