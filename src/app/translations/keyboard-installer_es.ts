<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>app::AppDelegate</name>
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
        <source>Installs dropped layouts for you only</source>
        <translation>Instala las distribuciones que sueltes aquí solo para ti</translation>
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
        <source>Window</source>
        <translation>Ventana</translation>
    </message>
</context>
<context>
    <name>app::InstalledLayoutsWindow</name>
    <message>
        <source>No keyboard layouts are installed, for you or for all users.</source>
        <translation>No hay distribuciones de teclado instaladas, ni para ti ni para todos los usuarios.</translation>
    </message>
    <message>
        <source>Current user</source>
        <translation>Usuario actual</translation>
    </message>
    <message>
        <source>All users</source>
        <translation>Todos los usuarios</translation>
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
        <source>Incomplete bundle information</source>
        <translation>Datos del bundle incompletos</translation>
    </message>
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
        <source>Remove &quot;%1&quot;?</source>
        <translation>¿Eliminar “%1”?</translation>
    </message>
    <message>
        <source>It is removed for every user of this computer, once an administrator approves.</source>
        <translation>Se eliminará para todos los usuarios de este ordenador en cuanto un administrador lo apruebe.</translation>
    </message>
    <message>
        <source>It goes to the Trash, from where you can put it back.</source>
        <translation>Se trasladará a la Papelera, desde donde podrás devolverlo a su sitio.</translation>
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
        <source>Not Added to the Input Menu</source>
        <translation>No se ha añadido al menú de entrada</translation>
    </message>
    <message>
        <source>The system did not list every layout of &quot;%1&quot;. Open Keyboard Settings and add the input source there. If it does not appear, sign out and sign back in.</source>
        <translation>El sistema no ha incluido todas las distribuciones de “%1”. Abre los ajustes de Teclado y añade allí la fuente de entrada. Si no aparece, cierra la sesión y vuelve a iniciarla.</translation>
    </message>
    <message>
        <source>Open Keyboard Settings</source>
        <translation>Abrir los ajustes de Teclado</translation>
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
