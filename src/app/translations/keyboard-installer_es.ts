<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>app::AppDelegate</name>
    <message>
        <source>Installed Layouts…</source>
        <translation>Distribuciones instaladas…</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Ventana</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Bring All to Front</source>
        <translation>Traer todo al frente</translation>
    </message>
</context>
<context>
    <name>app::InstallController</name>
    <message>
        <source>Unsupported File</source>
        <translation>Archivo no compatible</translation>
    </message>
    <message>
        <source>Please drag a .keylayout file or keyboard .bundle.</source>
        <translation>Arrastra un archivo .keylayout o un .bundle de teclado.</translation>
    </message>
    <message>
        <source>Install Failed</source>
        <translation>No se ha podido instalar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; May Not Work as Expected</source>
        <translation>Es posible que “%1” no funcione como se espera</translation>
    </message>
    <message>
        <source>Install Anyway</source>
        <translation>Instalar de todos modos</translation>
    </message>
    <message>
        <source>Keyboard Installed</source>
        <translation>Distribución de teclado instalada</translation>
    </message>
    <message>
        <source>Open Keyboard Settings and add the new input source. If it does not appear immediately, sign out and sign back in.</source>
        <translation>Abre los ajustes de Teclado y añade la nueva fuente de entrada. Si no aparece enseguida, cierra la sesión y vuelve a iniciarla.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>%1 is in the input menu now.</source>
        <translation>%1 ya está en el menú de entrada.</translation>
    </message>
    <message>
        <source>%1 are in the input menu now.</source>
        <translation>%1 ya están en el menú de entrada.</translation>
    </message>
    <message>
        <source>Use Now</source>
        <translation>Usar ahora</translation>
    </message>
    <message>
        <source>Open Keyboard Settings</source>
        <translation>Abrir los ajustes de Teclado</translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot;?</source>
        <translation>¿Eliminar “%1”?</translation>
    </message>
    <message>
        <source>It is removed for every user of this computer, once an administrator approves.</source>
        <translation>Se eliminará para todos los usuarios de este ordenador en cuanto un administrador lo apruebe.</translation>
    </message>
    <message>
        <source>It was installed without its icon: the system did not let Keyboard Installer read it.</source>
        <translation>Se ha instalado sin su icono: el sistema no ha dejado que Keyboard Installer lo lea.</translation>
    </message>
    <message>
        <source>The input menu could not be refreshed: %1 Sign out and sign back in to see the change.</source>
        <translation>No se ha podido actualizar el menú de entrada: %1 Cierra la sesión y vuelve a iniciarla para ver el cambio.</translation>
    </message>
    <message>
        <source>It goes to the Trash.</source>
        <translation>Se trasladará a la Papelera.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>No se ha podido eliminar</translation>
    </message>
    <message>
        <source>Keyboard Layout Removed</source>
        <translation>Distribución de teclado eliminada</translation>
    </message>
    <message>
        <source>&quot;%1&quot; leaves the input menu once you switch to another input source. If it still shows, sign out and sign back in.</source>
        <translation>“%1” desaparecerá del menú de entrada en cuanto cambies a otra fuente de entrada. Si sigue apareciendo, cierra la sesión y vuelve a iniciarla.</translation>
    </message>
    <message>
        <source>Not Added to the Input Menu</source>
        <translation>No se ha añadido al menú de entrada</translation>
    </message>
    <message>
        <source>The system did not list every layout of &quot;%1&quot;. Open Keyboard Settings and add the input source there. If it does not appear, sign out and sign back in.</source>
        <translation>El sistema no ha incluido todas las distribuciones de “%1”. Abre los ajustes de Teclado y añade allí la fuente de entrada. Si no aparece, cierra la sesión y vuelve a iniciarla.</translation>
    </message>
    <message>
        <source>Keyboard Installer wants to install &quot;%1&quot; for all users.</source>
        <translation>Keyboard Installer quiere instalar «%1» para todos los usuarios.</translation>
    </message>
    <message>
        <source>Keyboard Installer wants to remove &quot;%1&quot; for all users.</source>
        <translation>Keyboard Installer quiere eliminar «%1» para todos los usuarios.</translation>
    </message>
    <message>
        <source>Keyboard Installer wants to repair &quot;%1&quot; for all users.</source>
        <translation>Keyboard Installer quiere reparar «%1» para todos los usuarios.</translation>
    </message>
    <message>
        <source>Repair Failed</source>
        <translation>Error al reparar</translation>
    </message>
    <message>
        <source>Keyboard Installer wants to add &quot;%1&quot; to the login window.</source>
        <translation>Keyboard Installer quiere añadir «%1» a la ventana de inicio de sesión.</translation>
    </message>
    <message>
        <source>Keyboard Installer wants to remove &quot;%1&quot; from the login window.</source>
        <translation>Keyboard Installer quiere quitar «%1» de la ventana de inicio de sesión.</translation>
    </message>
    <message>
        <source>Login Window Not Changed</source>
        <translation>No se ha cambiado la ventana de inicio de sesión</translation>
    </message>
    <message>
        <source>Added &quot;%1&quot;</source>
        <translation>Se añade “%1”</translation>
    </message>
    <message>
        <source>Removed &quot;%1&quot;</source>
        <translation>Se quita “%1”</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>“%1”: %2</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>What it types is unchanged.</source>
        <translation>Lo que escribe no ha cambiado.</translation>
    </message>
    <message>
        <source>Keystrokes that now type something else: %1</source>
        <translation>Pulsaciones que ahora escriben otra cosa: %1</translation>
    </message>
    <message>
        <source>The version it replaced is in the Trash.</source>
        <translation>La versión que sustituye está en la Papelera.</translation>
    </message>
    <message>
        <source>Replace &quot;%1&quot;</source>
        <translation>Sustituir “%1”</translation>
    </message>
    <message>
        <source>Keyboard Installer wants to install &quot;%1&quot; in place of &quot;%2&quot; for all users.</source>
        <translation>Keyboard Installer quiere instalar «%1» en lugar de «%2» para todos los usuarios.</translation>
    </message>
    <message>
        <source>macOS may keep typing with the old version until you sign out and sign back in.</source>
        <translation>Puede que macOS siga escribiendo con la versión anterior hasta que cierres la sesión y vuelvas a iniciarla.</translation>
    </message>
</context>
<context>
    <name>app::InstalledLayoutsWindow</name>
    <message>
        <source>Remove…</source>
        <translation>Eliminar…</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Mostrar en el Finder</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>Installed Keyboard Layouts</source>
        <translation>Distribuciones de teclado instaladas</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Distribución</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>For</source>
        <translation>Para</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Installed keyboard layouts</source>
        <translation>Distribuciones de teclado instaladas</translation>
    </message>
    <message>
        <source>Add to Input Menu</source>
        <translation>Añadir al menú de entrada</translation>
    </message>
    <message>
        <source>Remove from Input Menu</source>
        <translation>Quitar del menú de entrada</translation>
    </message>
    <message>
        <source>In Input Menu</source>
        <translation>En el menú de entrada</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Reparar</translation>
    </message>
    <message>
        <source>Add to Login Window</source>
        <translation>Añadir a la ventana de inicio de sesión</translation>
    </message>
    <message>
        <source>Remove from Login Window</source>
        <translation>Quitar de la ventana de inicio de sesión</translation>
    </message>
    <message>
        <source>At Login Window</source>
        <translation>En inicio de sesión</translation>
    </message>
    <message>
        <source>Installs the layout again from itself, so that the system and apps no longer ignore it</source>
        <translation>Vuelve a instalar la distribución a partir de sí misma, para que el sistema y las apps dejen de ignorarla</translation>
    </message>
    <message>
        <source>Lets the login window and password dialogs type with this layout. Before FileVault unlocks the disk, the Mac types with its built-in layouts only.</source>
        <translation>Permite escribir con esta distribución en la ventana de inicio de sesión y en los diálogos de contraseña. Antes de que FileVault desbloquee el disco, el Mac solo escribe con sus distribuciones integradas.</translation>
    </message>
</context>
<context>
    <name>app::KeyboardPanel</name>
    <message>
        <source>Caps Lock</source>
        <translation>Bloqueo de mayúsculas</translation>
    </message>
    <message>
        <source>Layout in the bundle</source>
        <translation>Distribución del bundle</translation>
    </message>
    <message>
        <source>Keyboard shape</source>
        <translation>Forma del teclado</translation>
    </message>
    <message>
        <source>ANSI keyboard</source>
        <translation>Teclado ANSI</translation>
    </message>
    <message>
        <source>ISO keyboard</source>
        <translation>Teclado ISO</translation>
    </message>
    <message>
        <source>Show what each key types while Caps Lock is on</source>
        <translation>Mostrar lo que escribe cada tecla con el bloqueo de mayúsculas activado</translation>
    </message>
    <message>
        <source>Choose a layout above to see what it types.</source>
        <translation>Elige una distribución arriba para ver lo que escribe.</translation>
    </message>
    <message>
        <source>Each key shows what it types while Caps Lock is on.</source>
        <translation>Cada tecla muestra lo que escribe con el bloqueo de mayúsculas activado.</translation>
    </message>
    <message>
        <source>Each key shows what it types alone at the lower left, with Shift above that, with Option at the lower right, and with Shift and Option above that.</source>
        <translation>Cada tecla muestra abajo a la izquierda lo que escribe sola, encima con Mayúsculas, abajo a la derecha con Opción y encima con Mayúsculas y Opción.</translation>
    </message>
    <message>
        <source>Legends highlighted in the accent colour are dead keys: they type nothing at first, then change the next key you press, as ´ then e types é.</source>
        <translation>Las leyendas resaltadas en el color de acento son teclas muertas: al principio no escriben nada y luego modifican la siguiente tecla que pulses, como ´ y después e, que da é.</translation>
    </message>
</context>
<context>
    <name>app::KeyboardView</name>
    <message>
        <source>No modifier</source>
        <translation>Sin tecla modificadora</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Mayúsculas</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opción</translation>
    </message>
    <message>
        <source>Shift-Option</source>
        <translation>Mayúsculas-Opción</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Bloqueo de mayúsculas</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retorno</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulador</translation>
    </message>
    <message>
        <source>Space bar</source>
        <translation>Barra espaciadora</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Función</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Flecha izquierda</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Flecha derecha</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Flecha abajo</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Flecha arriba</translation>
    </message>
    <message>
        <source>a control character</source>
        <translation>un carácter de control</translation>
    </message>
    <message>
        <source>a space</source>
        <translation>un espacio</translation>
    </message>
    <message>
        <source>a blank space</source>
        <translation>un espacio invisible</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Keyboard of %1</source>
        <translation>Teclado: %1</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Tecla %1</translation>
    </message>
    <message>
        <source>dead key %1</source>
        <translation>tecla muerta %1</translation>
    </message>
    <message>
        <source>without a character of its own</source>
        <translation>sin carácter propio</translation>
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
        <translation>Instalar solo para mí
(recomendado)</translation>
    </message>
    <message>
        <source>Install for all users
(Sierra or earlier)</source>
        <translation>Instalar para todos
(Sierra o anterior)</translation>
    </message>
    <message>
        <source>Current user</source>
        <translation>Usuario actual</translation>
    </message>
    <message>
        <source>A single person</source>
        <translation>Una sola persona</translation>
    </message>
    <message>
        <source>All users</source>
        <translation>Todos los usuarios</translation>
    </message>
    <message>
        <source>A group of three people</source>
        <translation>Un grupo de tres personas</translation>
    </message>
    <message>
        <source>Installs dropped layouts for every user of this computer; asks for an administrator</source>
        <translation>Instala las distribuciones que sueltes aquí para todos los usuarios de este ordenador; pide la aprobación de un administrador</translation>
    </message>
    <message>
        <source>Installed Layouts…</source>
        <translation>Distribuciones instaladas…</translation>
    </message>
    <message>
        <source>Lists the installed keyboard layouts and removes one</source>
        <translation>Muestra las distribuciones de teclado instaladas y elimina una</translation>
    </message>
    <message>
        <source>Installs dropped layouts for you only. They do not reach the login window, password dialogs or some apps&apos; secure fields; for those, install for all users.</source>
        <translation>Instala las distribuciones soltadas solo para ti. No llegan a la ventana de inicio de sesión, a los diálogos de contraseña ni a los campos seguros de algunas apps; para ello, instala para todos los usuarios.</translation>
    </message>
</context>
<context>
    <name>intake::DropView</name>
    <message>
        <source>Keyboard layout to install:</source>
        <translation>Distribución de teclado que instalar:</translation>
    </message>
    <message>
        <source>Drag keyboard layout here to install</source>
        <translation>Arrastra aquí una distribución de teclado para instalarla</translation>
    </message>
    <message>
        <source>Opens a file chooser. You can also drag a .keylayout file or keyboard .bundle folder here to install it</source>
        <translation>Abre un selector de archivos. También puedes arrastrar aquí un archivo .keylayout o una carpeta .bundle de teclado para instalarlo</translation>
    </message>
    <message>
        <source>Installed:</source>
        <translation>Instalado:</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>Se ha instalado %1</translation>
    </message>
    <message>
        <source>Waiting for administrator approval…</source>
        <translation>Esperando la aprobación de un administrador…</translation>
    </message>
</context>
<context>
    <name>intake::FindingWords</name>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: the file is empty.</source>
        <translation>“%1” no es una distribución de teclado: el archivo está vacío.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it is a zip archive. Open it and drop the layout inside.</source>
        <translation>“%1” no es una distribución de teclado: es un archivo ZIP. Ábrelo y suelta aquí la distribución que contiene.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it is a web page. Download the raw file instead.</source>
        <translation>“%1” no es una distribución de teclado: es una página web. Descarga en su lugar el archivo sin procesar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it holds binary data, not text.</source>
        <translation>“%1” no es una distribución de teclado: contiene datos binarios, no texto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it is not XML; a keyboard layout is an XML file.</source>
        <translation>“%1” no es una distribución de teclado: no es XML; una distribución de teclado es un archivo XML.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: its root element is &lt;%2&gt;, not &lt;keyboard&gt;.</source>
        <translation>“%1” no es una distribución de teclado: su elemento raíz es &lt;%2&gt;, no &lt;keyboard&gt;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: its text is damaged.</source>
        <translation>“%1” no es una distribución de teclado: su texto está dañado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: its text is damaged at line %2.</source>
        <translation>“%1” no es una distribución de teclado: su texto está dañado en la línea %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it ends before line %2 is complete; the download may have been cut short.</source>
        <translation>“%1” no es una distribución de teclado: termina antes de completar la línea %2; puede que la descarga se haya interrumpido.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it is a folder.</source>
        <translation>“%1” no es una distribución de teclado: es una carpeta.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it is not a regular file.</source>
        <translation>“%1” no es una distribución de teclado: no es un archivo normal.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout: it is larger than %2 MB, far more than any keyboard layout.</source>
        <translation>“%1” no es una distribución de teclado: ocupa más de %2 MB, mucho más que cualquier distribución de teclado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout macOS can load: its &lt;keyboard&gt; has no %2.</source>
        <translation>“%1” no es una distribución de teclado que macOS pueda cargar: a su elemento &lt;keyboard&gt; le falta el atributo %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout macOS can load: its %2, &quot;%3&quot;, is not a whole number.</source>
        <translation>“%1” no es una distribución de teclado que macOS pueda cargar: su atributo %2, “%3”, no es un número entero.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a keyboard layout macOS can load: it has no &lt;%2&gt;.</source>
        <translation>“%1” no es una distribución de teclado que macOS pueda cargar: le falta el elemento &lt;%2&gt;.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read &quot;%1&quot;: %2.</source>
        <translation>No se ha podido leer “%1”: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be found; it may have been moved or deleted.</source>
        <translation>No se encuentra “%1”; puede que se haya movido o eliminado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a .keylayout file or keyboard .bundle.</source>
        <translation>“%1” no es un archivo .keylayout ni un .bundle de teclado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no keyboard layout in Contents/Resources.</source>
        <translation>“%1” no contiene ninguna distribución de teclado en Contents/Resources.</translation>
    </message>
    <message>
        <source>In &quot;%1&quot;, %2</source>
        <translation>En “%1”: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is also installed in %2; the input menu would list it twice.</source>
        <translation>“%1” también está instalado en %2; el menú de entrada lo mostraría dos veces.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; beside &quot;%2&quot; is not an icon file (.icns); the input menu would show a generic icon.</source>
        <translation>“%1”, junto a “%2”, no es un archivo de icono (.icns); el menú de entrada mostraría un icono genérico.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds two layouts with the id %2, &quot;%3&quot; and &quot;%4&quot;; macOS renumbers or hides one of them.</source>
        <translation>“%1” contiene dos distribuciones con el ID %2, “%3” y “%4”; macOS renumera u oculta una de ellas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds two layouts named &quot;%2&quot;, &quot;%3&quot; and &quot;%4&quot;; the input menu would show two entries you cannot tell apart.</source>
        <translation>“%1” contiene dos distribuciones llamadas “%2”, “%3” y “%4”; el menú de entrada mostraría dos entradas que no podrías distinguir.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; has the same id (%3) as &quot;%4&quot; in &quot;%5&quot; in %6; macOS renumbers or hides one of them.</source>
        <translation>“%1” de “%2” tiene el mismo ID (%3) que “%4” de “%5” en %6; macOS renumera u oculta una de ellas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; has the same name as &quot;%3&quot; in &quot;%4&quot; in %5; the input menu would show two entries you cannot tell apart.</source>
        <translation>“%1” de “%2” tiene el mismo nombre que “%3” de “%4” en %5; el menú de entrada mostraría dos entradas que no podrías distinguir.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; has the same id (%3) and name as &quot;%4&quot; in &quot;%5&quot; in %6; macOS renumbers or hides one of them.</source>
        <translation>“%1” de “%2” tiene el mismo ID (%3) y el mismo nombre que “%4” de “%5” en %6; macOS renumera u oculta una de ellas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no Contents/Info.plist, which the system reads to register its layouts.</source>
        <translation>“%1” no tiene Contents/Info.plist, que el sistema lee para registrar sus distribuciones.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a Contents/Info.plist that cannot be read, which the system reads to register its layouts.</source>
        <translation>“%1” tiene un Contents/Info.plist que no se puede leer; el sistema lo lee para registrar sus distribuciones.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no CFBundleIdentifier in Contents/Info.plist, which the system reads to register its layouts.</source>
        <translation>“%1” no tiene CFBundleIdentifier en Contents/Info.plist, que el sistema lee para registrar sus distribuciones.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has the bundle identifier &quot;%2&quot;, without &quot;.keyboardlayout.&quot;, which the system expects of keyboard layout bundles.</source>
        <translation>“%1” tiene el identificador de bundle “%2”, sin “.keyboardlayout.”, algo que el sistema espera en los bundles de distribuciones de teclado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a bundle identifier without &quot;.keyboardlayout.&quot;, which the system expects of keyboard layout bundles.</source>
        <translation>“%1” tiene un identificador de bundle sin “.keyboardlayout.”, algo que el sistema espera en los bundles de distribuciones de teclado.</translation>
    </message>
    <message>
        <source>Cannot load</source>
        <translation>No se puede cargar</translation>
    </message>
    <message>
        <source>Duplicate id or name</source>
        <translation>ID o nombre duplicado</translation>
    </message>
    <message>
        <source>Installed in both places</source>
        <translation>En ambas ubicaciones</translation>
    </message>
    <message>
        <source>Some layouts cannot load</source>
        <translation>Algunas no se cargan</translation>
    </message>
    <message>
        <source>Icon is no icns file</source>
        <translation>El icono no es icns</translation>
    </message>
    <message>
        <source>Incomplete bundle information</source>
        <translation>Datos del bundle incompletos</translation>
    </message>
    <message>
        <source>All users</source>
        <translation>Todos los usuarios</translation>
    </message>
    <message>
        <source>Current user</source>
        <translation>Usuario actual</translation>
    </message>
    <message>
        <source>No keyboard layouts are installed, for you or for all users.</source>
        <translation>No hay distribuciones de teclado instaladas, ni para ti ni para todos los usuarios.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; carries the extended attribute &quot;%2&quot;; the system or some apps may ignore the layout until it is repaired.</source>
        <translation>«%1» tiene el atributo extendido «%2»; el sistema o algunas apps pueden ignorar la distribución hasta que se repare.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has the mode %2, so not everyone may read it (folders need 0755); the system or some apps may ignore the layout until it is repaired.</source>
        <translation>«%1» tiene el modo %2, así que no todos pueden leerlo (las carpetas necesitan 0755); el sistema o algunas apps pueden ignorar la distribución hasta que se repare.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has the mode %2, so not everyone may read it (files need 0644); the system or some apps may ignore the layout until it is repaired.</source>
        <translation>«%1» tiene el modo %2, así que no todos pueden leerlo (los archivos necesitan 0644); el sistema o algunas apps pueden ignorar la distribución hasta que se repare.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to user %2 and group %3, not root:wheel as layouts for all users do; the system or some apps may ignore the layout until it is repaired.</source>
        <translation>«%1» pertenece al usuario %2 y al grupo %3, no a root:wheel como las distribuciones para todos los usuarios; el sistema o algunas apps pueden ignorar la distribución hasta que se repare.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to user %2 and group %3, not to you; the system or some apps may ignore the layout until it is repaired.</source>
        <translation>«%1» pertenece al usuario %2 y al grupo %3, no a ti; el sistema o algunas apps pueden ignorar la distribución hasta que se repare.</translation>
    </message>
    <message>
        <source>Extended attributes</source>
        <translation>Atributos extendidos</translation>
    </message>
    <message>
        <source>Not readable by everyone</source>
        <translation>No legible por todos</translation>
    </message>
    <message>
        <source>Wrong owner</source>
        <translation>Propietario incorrecto</translation>
    </message>
</context>
<context>
    <name>intake::LayoutFileDialog</name>
    <message>
        <source>Keyboard layouts (*.keylayout *.bundle)</source>
        <translation>Distribuciones de teclado (*.keylayout *.bundle)</translation>
    </message>
    <message>
        <source>Choose a keyboard layout to install</source>
        <translation>Elige una distribución de teclado para instalarla</translation>
    </message>
</context>
</TS>
