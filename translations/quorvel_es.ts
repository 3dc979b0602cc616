<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Dialogs</name>
    <message>
        <source>MSR Data Files (*.msr)</source>
        <translation>Archivos de datos MSR (*.msr)</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>File &apos;%1&apos; exist. Do you want to overwrite it ? </source>
        <translation>El archivo &apos;%1&apos; ya existe. ¿Desea sobrescribirlo? </translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Cannot open file &apos;Default.mag&apos;, Program terminate ! </source>
        <translation>No se puede abrir el archivo &apos;Default.mag&apos;. ¡El programa termina! </translation>
    </message>
</context>
<context>
    <name>Transmission</name>
    <message>
        <source>%1 cannot be used: a quote is not closed.</source>
        <translation>No se puede usar %1: hay unas comillas sin cerrar.</translation>
    </message>
    <message>
        <source>The settings could not be written to %1: %2</source>
        <translation>No se pudieron escribir los ajustes en %1: %2</translation>
    </message>
    <message>
        <source>The program %1 named in %2 was not found.</source>
        <translation>No se encontró el programa %1 indicado en %2.</translation>
    </message>
    <message>
        <source>The companion program %1 was not found, neither beside this program nor on the search path.</source>
        <translation>No se encontró el programa auxiliar %1, ni junto a este programa ni en la ruta de búsqueda.</translation>
    </message>
    <message>
        <source>The companion program %1 is a Windows program: Wine is needed to run it, and wine was not found on the search path. Install Wine (the package wine), or name another command to run in %2.</source>
        <translation>El programa auxiliar %1 es un programa de Windows: se necesita Wine para ejecutarlo y no se encontró wine en la ruta de búsqueda. Instale Wine (el paquete wine) o indique otra orden en %2.</translation>
    </message>
    <message>
        <source>The companion program %1 could not be started: %2</source>
        <translation>No se pudo iniciar el programa auxiliar %1: %2</translation>
    </message>
    <message>
        <source>The companion program %1 ended abnormally: %2 (code %3).</source>
        <translation>El programa auxiliar %1 terminó de forma anómala: %2 (código %3).</translation>
    </message>
    <message>
        <source>signal %1 (%2)</source>
        <translation>señal %1 (%2)</translation>
    </message>
    <message>
        <source>signal %1</source>
        <translation>señal %1</translation>
    </message>
    <message>
        <source>The companion program %1 was ended by %2.</source>
        <translation>El programa complementario %1 fue finalizado por %2.</translation>
    </message>
    <message>
        <source>The companion program %1 ended with status %2.</source>
        <translation>El programa complementario %1 finalizó con el estado %2.</translation>
    </message>
    <message>
        <source>The companion program %1 was stopped.</source>
        <translation>El programa complementario %1 se ha detenido.</translation>
    </message>
    <message>
        <source>The companion program %1 was stopped after the timeout of %2 s.</source>
        <translation>El programa complementario %1 se ha detenido tras el tiempo límite de %2 s.</translation>
    </message>
    <message>
        <source>Another transmission from this folder did not end within the timeout of %1 s.</source>
        <translation>Otra transmisión desde esta carpeta no terminó dentro del tiempo límite de %1 s.</translation>
    </message>
    <message>
        <source>The transmission was stopped while it waited for another transmission from this folder.</source>
        <translation>La transmisión se ha detenido mientras esperaba a otra transmisión desde esta carpeta.</translation>
    </message>
</context>
<context>
    <name>quorvel</name>
    <message>
        <source>no key is known for %1</source>
        <translation>no se conoce ninguna tecla para %1</translation>
    </message>
    <message>
        <source>track %1</source>
        <translation>pista %1</translation>
    </message>
    <message>
        <source>tracks %1 and %2</source>
        <translation>pistas %1 y %2</translation>
    </message>
    <message>
        <source>Can&apos;t open file ! </source>
        <translation>¡No se puede abrir el archivo! </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>File not opened ! </source>
        <translation>¡Archivo no abierto! </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>one settings file at most</source>
        <translation>como máximo un archivo de ajustes</translation>
    </message>
    <message>
        <source>Usage: quorvel [OPTION] [FILE]
Edit the settings of Brisk/Corda/Mallow magnetic stripe card readers.
FILE, a settings file, is opened after start-up as the Open command opens it.

  -h, --help     show this help and exit
  -v, --version  show the version and exit

Qt&apos;s own options, such as -platform and -style, are accepted too.
QUORVEL_COMPANION names a command to run instead of Hoplink.exe to transmit,
split like a shell word list but never run through a shell.
</source>
        <translation>Uso: quorvel [OPCIÓN] [ARCHIVO]
Edita los ajustes de los lectores de tarjetas magnéticas Brisk/Corda/Mallow.
ARCHIVO, un archivo de ajustes, se abre tras el inicio como lo abre la orden Abrir.

  -h, --help     mostrar esta ayuda y salir
  -v, --version  mostrar la versión y salir

También se aceptan las opciones propias de Qt, como -platform y -style.
QUORVEL_COMPANION indica una orden que se ejecuta en lugar de Hoplink.exe para transmitir,
dividida como una lista de palabras del shell pero nunca ejecutada a través de un shell.
</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>a card number digit arrived otherwise (key %1)</source>
        <translation>un dígito del número de tarjeta llegó de otra forma (tecla %1)</translation>
    </message>
    <message>
        <source>%1 arrived as %2 (key %3)</source>
        <translation>%1 llegó como %2 (tecla %3)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 (%2 type these keys alike)</source>
        <translation>%1 (%2 producen los mismos caracteres con estas teclas)</translation>
    </message>
    <message>
        <source>ALT mode</source>
        <translation>Modo ALT</translation>
    </message>
    <message>
        <source>%1 characters came as Alt + keypad codes, but the settings do not put the reader in ALT mode</source>
        <translation>%1 caracteres llegaron como códigos Alt + teclado numérico, pero la configuración no pone el lector en modo ALT</translation>
    </message>
    <message>
        <source>the settings put the reader in ALT mode, but no character came as an Alt + keypad code</source>
        <translation>la configuración pone el lector en modo ALT, pero ningún carácter llegó como código Alt + teclado numérico</translation>
    </message>
    <message>
        <source>%1 characters came as Alt + keypad codes</source>
        <translation>%1 caracteres llegaron como códigos Alt + teclado numérico</translation>
    </message>
    <message>
        <source>choose the keyboard language of this computer&apos;s layout instead of ALT mode</source>
        <translation>elija el idioma del teclado correspondiente a la distribución de este equipo en lugar del modo ALT</translation>
    </message>
    <message>
        <source>choose %1, the keyboard language this computer&apos;s keys match, instead of ALT mode</source>
        <translation>elija %1, el idioma del teclado con el que coinciden las teclas de este equipo, en lugar del modo ALT</translation>
    </message>
    <message>
        <source>byte %1 = %2</source>
        <translation>byte %1 = %2</translation>
    </message>
    <message>
        <source>Keyboard language</source>
        <translation>Idioma del teclado</translation>
    </message>
    <message>
        <source>not checked, no key came</source>
        <translation>no comprobado, no llegó ninguna tecla</translation>
    </message>
    <message>
        <source>not checked, the keys came without their positions on the keyboard</source>
        <translation>no comprobado, las teclas llegaron sin su posición en el teclado</translation>
    </message>
    <message>
        <source>not checked, byte %1 holds %2, which names no keyboard language</source>
        <translation>no comprobado, el byte %1 contiene el valor %2, que no corresponde a ningún idioma del teclado</translation>
    </message>
    <message>
        <source>not checked, the reader typed Alt + keypad codes, which no layout changes</source>
        <translation>no comprobado, el lector tecleó códigos Alt + teclado numérico, que ninguna distribución modifica</translation>
    </message>
    <message>
        <source>the reader types for %1, and this computer received the same</source>
        <translation>el lector teclea para %1, y este equipo recibió lo mismo</translation>
    </message>
    <message>
        <source>the reader types for %1, this computer&apos;s keys match %2; %3</source>
        <translation>el lector teclea para %1, las teclas de este equipo coinciden con %2; %3</translation>
    </message>
    <message>
        <source>the reader types for %1, and none of the reader&apos;s keyboard languages matches this computer&apos;s keys; %2. Set this computer&apos;s layout to %1 while the reader is in use, or choose the reader&apos;s language nearest to this computer&apos;s layout</source>
        <translation>el lector teclea para %1, y ninguno de los idiomas del teclado del lector coincide con las teclas de este equipo; %2. Configure la distribución de este equipo como %1 mientras use el lector, o elija el idioma del lector más parecido a la distribución de este equipo</translation>
    </message>
    <message>
        <source>Letter case</source>
        <translation>Mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>not checked, no track 1 came</source>
        <translation>no comprobado, no llegó la pista 1</translation>
    </message>
    <message>
        <source>no letters in track 1</source>
        <translation>no hay letras en la pista 1</translation>
    </message>
    <message>
        <source>track 1 letters arrived in upper case</source>
        <translation>las letras de la pista 1 llegaron en mayúsculas</translation>
    </message>
    <message>
        <source>none the settings name</source>
        <translation>ninguno de los que indica la configuración</translation>
    </message>
    <message>
        <source>track 1 holds upper-case letters only, but letters arrived in lower case from key %1; the reader&apos;s case mode is %2; %3</source>
        <translation>la pista 1 solo contiene mayúsculas, pero llegaron letras en minúsculas a partir de la tecla %1; el modo de mayúsculas/minúsculas del lector es %2; %3</translation>
    </message>
    <message>
        <source>Caps Lock was on</source>
        <translation>Bloq Mayús estaba activado</translation>
    </message>
    <message>
        <source>Caps Lock was off</source>
        <translation>Bloq Mayús estaba desactivado</translation>
    </message>
    <message>
        <source>LRC</source>
        <translation>LRC</translation>
    </message>
    <message>
        <source>unexpected LRC-like character %1 after the end sentinel of track %2 (key %3), but Transmit LRC is off</source>
        <translation>carácter inesperado %1 similar a un LRC después del centinela de fin de la pista %2 (tecla %3), pero «Transmitir LRC» está desactivado</translation>
    </message>
    <message>
        <source>Transmit LRC is on, but no LRC came after the end sentinel of track %1 (key %2)</source>
        <translation>«Transmitir LRC» está activado, pero no llegó ningún LRC después del centinela de fin de la pista %1 (tecla %2)</translation>
    </message>
    <message>
        <source>track %1 not checked, it holds characters outside its set</source>
        <translation>pista %1 no comprobada, contiene caracteres fuera de su juego de caracteres</translation>
    </message>
    <message>
        <source>the LRC of track %1 came as %2 (key %3), expected %4</source>
        <translation>el LRC de la pista %1 llegó como %2 (tecla %3), se esperaba %4</translation>
    </message>
    <message>
        <source>track %1 %2</source>
        <translation>pista %1 %2</translation>
    </message>
    <message>
        <source>not checked, no track came</source>
        <translation>no comprobado, no llegó ninguna pista</translation>
    </message>
    <message>
        <source>not checked, no track ended</source>
        <translation>no comprobado, no terminó ninguna pista</translation>
    </message>
    <message>
        <source>Transmit LRC is off, and none came</source>
        <translation>«Transmitir LRC» está desactivado y no llegó ninguno</translation>
    </message>
    <message>
        <source>Lock keys</source>
        <translation>Teclas de bloqueo</translation>
    </message>
    <message>
        <source>1 press of Caps Lock, Num Lock or Scroll Lock left out of the card data</source>
        <translation>1 pulsación de Bloq Mayús, Bloq Num o Bloq Despl excluida de los datos de la tarjeta</translation>
    </message>
    <message>
        <source>%1 presses of Caps Lock, Num Lock or Scroll Lock left out of the card data</source>
        <translation>%1 pulsaciones de Bloq Mayús, Bloq Num o Bloq Despl excluidas de los datos de la tarjeta</translation>
    </message>
    <message>
        <source>Caps Lock was on during the swipe</source>
        <translation>Bloq Mayús estaba activado durante el deslizamiento</translation>
    </message>
    <message>
        <source>byte %1 holds %2, which names no keyboard terminator</source>
        <translation>el byte %1 contiene el valor %2, que no corresponde a ningún terminador de teclado</translation>
    </message>
    <message>
        <source>(ALT mode: each character as Alt + keypad code)</source>
        <translation>(modo ALT: cada carácter como código Alt + teclado numérico)</translation>
    </message>
    <message>
        <source>Postamble</source>
        <translation>Postámbulo</translation>
    </message>
    <message>
        <source>not checked, the postamble holds the code %1, which no key types</source>
        <translation>no comprobado, el postámbulo contiene el código %1, que ninguna tecla produce</translation>
    </message>
    <message>
        <source>none set</source>
        <translation>ninguno fijado</translation>
    </message>
    <message>
        <source> after the card data</source>
        <translation> tras los datos de la tarjeta</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Terminator</source>
        <translation>Terminador</translation>
    </message>
    <message>
        <source>not checked, %1</source>
        <translation>no comprobado, %1</translation>
    </message>
    <message>
        <source>not checked, the postamble did not come, so the end of the card data is unknown</source>
        <translation>no comprobado, el postámbulo no llegó, así que se desconoce el final de los datos de la tarjeta</translation>
    </message>
    <message>
        <source>the card data</source>
        <translation>los datos de la tarjeta</translation>
    </message>
    <message>
        <source>the postamble</source>
        <translation>el postámbulo</translation>
    </message>
    <message>
        <source>expected nothing after %1, came %2 at key %3</source>
        <translation>no se esperaba nada tras %1, llegó %2 en la tecla %3</translation>
    </message>
    <message>
        <source>expected %1 after %2, the swipe ended after key %3</source>
        <translation>se esperaba %1 tras %2, la lectura terminó tras la tecla %3</translation>
    </message>
    <message>
        <source>expected %1, came %2 at key %3</source>
        <translation>se esperaba %1, llegó %2 en la tecla %3</translation>
    </message>
    <message>
        <source>the start sentinel of track %1 is the code %2, which no key types</source>
        <translation>el centinela de inicio de la pista %1 es el código %2, que ninguna tecla produce</translation>
    </message>
    <message>
        <source>the end sentinel is the code %1, which no key types</source>
        <translation>el centinela de fin es el código %1, que ninguna tecla produce</translation>
    </message>
    <message>
        <source>track %1 (1 character)</source>
        <translation>pista %1 (1 carácter)</translation>
    </message>
    <message>
        <source>track %1 (%2 characters)</source>
        <translation>pista %1 (%2 caracteres)</translation>
    </message>
    <message>
        <source>the start sentinel %1 of track %2</source>
        <translation>el centinela de inicio %1 de la pista %2</translation>
    </message>
    <message>
        <source>a start sentinel</source>
        <translation>un centinela de inicio</translation>
    </message>
    <message>
        <source>expected %1 at key %2, came %3</source>
        <translation>se esperaba %1 en la tecla %2, llegó %3</translation>
    </message>
    <message>
        <source>track %1 from key %2 has no end sentinel %3</source>
        <translation>la pista %1 desde la tecla %2 no tiene centinela de fin %3</translation>
    </message>
    <message>
        <source>no track came</source>
        <translation>no llegó ninguna pista</translation>
    </message>
    <message>
        <source>Preamble</source>
        <translation>Preámbulo</translation>
    </message>
    <message>
        <source>not checked, the preamble holds the code %1, which no key types</source>
        <translation>no comprobado, el preámbulo contiene el código %1, que ninguna tecla produce</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Pistas</translation>
    </message>
    <message>
        <source>%1; then %2</source>
        <translation>%1; luego %2</translation>
    </message>
    <message>
        <source>Track order</source>
        <translation>Orden de pistas</translation>
    </message>
    <message>
        <source>track %1 came twice (key %2)</source>
        <translation>la pista %1 llegó dos veces (tecla %2)</translation>
    </message>
    <message>
        <source>track %1 came after track %2 (key %3), the order is %4</source>
        <translation>la pista %1 llegó tras la pista %2 (tecla %3), el orden es %4</translation>
    </message>
    <message>
        <source>%1 in the order %2</source>
        <translation>%1 en el orden %2</translation>
    </message>
    <message>
        <source>Track selection</source>
        <translation>Selección de pistas</translation>
    </message>
    <message>
        <source>track %1 came (key %2), but “%3” allows %4</source>
        <translation>llegó la pista %1 (tecla %2), pero «%3» permite %4</translation>
    </message>
    <message>
        <source>%1, allowed by “%2”</source>
        <translation>%1, permitido por «%2»</translation>
    </message>
    <message>
        <source>Reader attached</source>
        <translation>Lector conectado</translation>
    </message>
    <message>
        <source>Path: %1</source>
        <translation>Ruta: %1</translation>
    </message>
    <message>
        <source>Serial number: %1</source>
        <translation>Número de serie: %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>No reader attached</source>
        <translation>Ningún lector conectado</translation>
    </message>
    <message>
        <source>Reader found but it cannot be opened</source>
        <translation>Lector encontrado, pero no se puede abrir</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>The Quorvel package installs the udev rule /usr/lib/udev/rules.d/70-quorvel.rules, which gives the person at the machine access to the reader (without the package, copy 70-quorvel.rules to /etc/udev/rules.d). Then run &quot;sudo udevadm control --reload&quot; and plug the reader in again. The rule does not cover a session without a seat, such as one over ssh.</source>
        <translation>El paquete de Quorvel instala la regla udev /usr/lib/udev/rules.d/70-quorvel.rules, que da acceso al lector a la persona sentada ante el equipo (sin el paquete, copie 70-quorvel.rules en /etc/udev/rules.d). Después ejecute &quot;sudo udevadm control --reload&quot; y vuelva a conectar el lector. La regla no cubre una sesión sin puesto (seat), como una por ssh.</translation>
    </message>
    <message>
        <source>; %1 did not come; the card may not have it</source>
        <translation>; %1 no llegó; puede que la tarjeta no la tenga</translation>
    </message>
    <message>
        <source>; %1 did not come; the card may not have them</source>
        <translation>; %1 no llegaron; puede que la tarjeta no las tenga</translation>
    </message>
    <message>
        <source>%1 after track %2 (key %3)</source>
        <translation>%1 después de la pista %2 (tecla %3)</translation>
    </message>
    <message>
        <source>unexpected LRC-like characters %1, but Transmit LRC is off</source>
        <translation>caracteres inesperados similares a un LRC %1, pero «Transmitir LRC» está desactivado</translation>
    </message>
    <message>
        <source>track %1 holds %2 at key %3, outside its character set (%4)</source>
        <translation>la pista %1 contiene %2 en la tecla %3, fuera de su juego de caracteres (%4)</translation>
    </message>
    <message>
        <source>space to _</source>
        <translation>espacio a _</translation>
    </message>
    <message>
        <source>0 to ?</source>
        <translation>0 a ?</translation>
    </message>
    <message>
        <source>whether Caps Lock was on cannot be seen here</source>
        <translation>aquí no se puede ver si el bloqueo de mayúsculas estaba activado</translation>
    </message>
    <message>
        <source>; &apos;%1&apos; is a dead key on this layout</source>
        <translation>; &apos;%1&apos; es una tecla muerta en esta distribución</translation>
    </message>
    <message>
        <source>%1 characters came as Alt + keypad codes; this computer does not turn them into characters, so programs here receive keypad digits with Num Lock on, and [Ins], [End], [Down] and the keypad&apos;s other keys with it off: %2</source>
        <translation>%1 caracteres llegaron como códigos Alt + teclado numérico; este equipo no los convierte en caracteres, así que los programas reciben aquí dígitos del teclado numérico con Bloq Num activado, y [Ins], [End], [Down] y las demás teclas del teclado numérico con él desactivado: %2</translation>
    </message>
    <message>
        <source>in ALT mode every language types the same keys</source>
        <translation>en modo ALT todos los idiomas pulsan las mismas teclas</translation>
    </message>
    <message>
        <source>the keys read alike on every layout</source>
        <translation>las teclas se leen igual en todas las distribuciones</translation>
    </message>
    <message>
        <source>no letter came, or Caps Lock could not be seen</source>
        <translation>no llegó ninguna letra, o no se pudo ver el Bloq Mayús</translation>
    </message>
    <message>
        <source>no field separator (=) came on track 2</source>
        <translation>no llegó ningún separador de campo (=) en la pista 2</translation>
    </message>
    <message>
        <source>the track did not come, or cannot be told from another</source>
        <translation>la pista no llegó, o no se distingue de otra</translation>
    </message>
    <message>
        <source>the swipes allow every value</source>
        <translation>las pasadas admiten cualquier valor</translation>
    </message>
    <message>
        <source>the swipes disagree on %1</source>
        <translation>las pasadas no coinciden en %1</translation>
    </message>
    <message>
        <source>the swipes disagree: no one set of settings types them all</source>
        <translation>las pasadas no coinciden: ninguna configuración las teclea todas</translation>
    </message>
    <message>
        <source>the keys read as no frame a reader types, on any layout</source>
        <translation>las teclas no forman, en ninguna distribución, una trama que teclee un lector</translation>
    </message>
    <message>
        <source>swipe %1 reads as no frame a reader types, on any layout</source>
        <translation>la pasada %1 no forma, en ninguna distribución, una trama que teclee un lector</translation>
    </message>
    <message>
        <source>also fits: %1</source>
        <translation>también encaja: %1</translation>
    </message>
    <message>
        <source>– %1: not shown by these swipes: %2</source>
        <translation>– %1: estas pasadas no lo muestran: %2</translation>
    </message>
    <message>
        <source>Cannot be told from a swipe: %1</source>
        <translation>No se puede saber por una pasada: %1</translation>
    </message>
    <message>
        <source>Pauses between characters: median %1 ms (%2 is %3 in these settings)</source>
        <translation>Pausas entre caracteres: mediana %1 ms (%2 es %3 en esta configuración)</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>Change these settings to what the reader is set to?

%1</source>
        <translation>¿Cambiar esta configuración a la del lector?

%1</translation>
    </message>
</context>
<context>
    <name>quorvel::AboutPage</name>
    <message>
        <source>none: %1, named in %2, was not found</source>
        <translation>ninguno: no se encontró %1, indicado en %2</translation>
    </message>
    <message>
        <source>none: %1 was not found beside this program or on the search path</source>
        <translation>ninguno: no se encontró %1 junto a este programa ni en la ruta de búsqueda</translation>
    </message>
    <message>
        <source>%1, which needs wine; wine was not found</source>
        <translation>%1, que necesita wine; no se encontró wine</translation>
    </message>
    <message>
        <source>%1, run by %2</source>
        <translation>%1, ejecutado con %2</translation>
    </message>
    <message>
        <source>%1 (named in %2)</source>
        <translation>%1 (indicado en %2)</translation>
    </message>
    <message>
        <source>%1 (built with %2)</source>
        <translation>%1 (compilado con %2)</translation>
    </message>
    <message>
        <source>Quorvel %1</source>
        <translation>Quorvel %1</translation>
    </message>
    <message>
        <source>Settings for Brisk/Corda/Mallow magnetic stripe card readers</source>
        <translation>Ajustes de los lectores de tarjetas magnéticas Brisk/Corda/Mallow</translation>
    </message>
    <message>
        <source>License: %1</source>
        <translation>Licencia: %1</translation>
    </message>
    <message>
        <source>Qt: %1</source>
        <translation>Qt: %1</translation>
    </message>
    <message>
        <source>hidapi: %1</source>
        <translation>hidapi: %1</translation>
    </message>
    <message>
        <source>Default.mag: %1</source>
        <translation>Default.mag: %1</translation>
    </message>
    <message>
        <source>Companion program: %1</source>
        <translation>Programa auxiliar: %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>Acerca de Quorvel</translation>
    </message>
    <message>
        <source>none: %1</source>
        <translation>ninguno: %1</translation>
    </message>
</context>
<context>
    <name>quorvel::AmblePage</name>
    <message>
        <source>Preamble &amp; Postamble</source>
        <translation>Preámbulo y postámbulo</translation>
    </message>
    <message>
        <source>Preamble or Postamble Data Setting O.K.</source>
        <translation>Ajuste del preámbulo o postámbulo O.K.</translation>
    </message>
    <message>
        <source>Preamble Setting :</source>
        <translation>Preámbulo:</translation>
    </message>
    <message>
        <source>Postamble Setting :</source>
        <translation>Postámbulo:</translation>
    </message>
    <message>
        <source>Preamble %1</source>
        <translation>Preámbulo %1</translation>
    </message>
    <message>
        <source>Postamble %1</source>
        <translation>Postámbulo %1</translation>
    </message>
    <message>
        <source>(Click button to set preamble character or postamble character )  </source>
        <translation>(Pulse un botón para fijar un carácter de preámbulo o de postámbulo)  </translation>
    </message>
    <message>
        <source>Current preamble and postamble setting will be changed to factory default. Are you sure ?(Y/N) </source>
        <translation>El ajuste actual del preámbulo y el postámbulo se cambiará al de fábrica. ¿Está seguro? (S/N) </translation>
    </message>
    <message>
        <source>Value must be 0~255</source>
        <translation>El valor debe estar entre 0 y 255</translation>
    </message>
    <message>
        <source>Invalid Preamble string setting</source>
        <translation>Cadena de preámbulo no válida</translation>
    </message>
    <message>
        <source>Invalid Postamble string setting</source>
        <translation>Cadena de postámbulo no válida</translation>
    </message>
</context>
<context>
    <name>quorvel::AsciiTablePicker</name>
    <message>
        <source>RS-232 Interface   ASCII Table</source>
        <translation>Interfaz RS-232   Tabla ASCII</translation>
    </message>
    <message>
        <source>ASCII Table</source>
        <translation>Tabla ASCII</translation>
    </message>
</context>
<context>
    <name>quorvel::CharacterEntry</name>
    <message>
        <source>Click mouse right button to clear</source>
        <translation>Pulse el botón derecho del ratón para borrar</translation>
    </message>
    <message>
        <source>%1 code</source>
        <translation>Código de %1</translation>
    </message>
</context>
<context>
    <name>quorvel::ComparePage</name>
    <message>
        <source>Factory Settings</source>
        <translation>Ajustes de fábrica</translation>
    </message>
    <message>
        <source>Settings File...</source>
        <translation>Archivo de ajustes...</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>Comparar con</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Diferencias</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>This Image</source>
        <translation>Esta imagen</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
    </message>
    <message>
        <source>Choose what to compare this image with.</source>
        <translation>Elija con qué comparar esta imagen.</translation>
    </message>
    <message>
        <source>Compared with: %1 (%2)</source>
        <translation>Comparado con: %1 (%2)</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Sin diferencias.</translation>
    </message>
    <message>
        <source>1 difference.</source>
        <translation>1 diferencia.</translation>
    </message>
    <message>
        <source>%1 differences.</source>
        <translation>%1 diferencias.</translation>
    </message>
</context>
<context>
    <name>quorvel::InterCharDelayPage</name>
    <message>
        <source>Intercharacter Delay</source>
        <translation>Retardo entre caracteres</translation>
    </message>
    <message>
        <source>Intercharacter Delay Setting O.K.</source>
        <translation>Ajuste del retardo entre caracteres O.K.</translation>
    </message>
    <message>
        <source>Current Intercharacter delay setting will be changed to factory default. Are you sure ?(Y/N) </source>
        <translation>El ajuste actual del retardo entre caracteres se cambiará al de fábrica. ¿Está seguro? (S/N) </translation>
    </message>
</context>
<context>
    <name>quorvel::KeyboardPicker</name>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Keyboard Interface</source>
        <translation>Interfaz de teclado</translation>
    </message>
    <message>
        <source>Caps</source>
        <translation>Bloq Mayús</translation>
    </message>
    <message>
        <source>ASCII Table</source>
        <translation>Tabla ASCII</translation>
    </message>
</context>
<context>
    <name>quorvel::LanguagePage</name>
    <message>
        <source>Keyboard Language</source>
        <translation>Idioma del teclado</translation>
    </message>
    <message>
        <source>Language for Keyboard Interface Setting O.K.</source>
        <translation>Ajuste del idioma de la interfaz de teclado O.K.</translation>
    </message>
    <message>
        <source>Current language setting will be changed to factory default. Are you sure ?(Y/N) </source>
        <translation>El ajuste actual del idioma se cambiará al de fábrica. ¿Está seguro? (S/N) </translation>
    </message>
</context>
<context>
    <name>quorvel::MagneticPage</name>
    <message>
        <source>Magnetic Card :</source>
        <translation>Tarjeta magnética:</translation>
    </message>
    <message>
        <source>Magnetic Card Setting O.K.</source>
        <translation>Ajuste de la tarjeta magnética O.K.</translation>
    </message>
    <message>
        <source>ID Character</source>
        <translation>Caracteres de identificación</translation>
    </message>
    <message>
        <source>Data Format</source>
        <translation>Formato de datos</translation>
    </message>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>JIS-II</source>
        <translation>JIS-II</translation>
    </message>
    <message>
        <source>Current track order setting will be changed to factory default. Are you sure ?(Y/N) </source>
        <translation>El orden actual de pistas se cambiará al de fábrica. ¿Está seguro? (S/N) </translation>
    </message>
    <message>
        <source>Current track selection setting will be changed to factory default. Are you sure ?(Y/N) </source>
        <translation>La selección actual de pistas se cambiará a la de fábrica. ¿Está seguro? (S/N) </translation>
    </message>
    <message>
        <source>Current ID character setting will be changed to factory default. Are you sure ?(Y/N) </source>
        <translation>El ajuste actual de los caracteres de identificación se cambiará al de fábrica. ¿Está seguro? (S/N) </translation>
    </message>
    <message>
        <source>Current data format setting will be changed to factory default. Are you sure ?(Y/N) </source>
        <translation>El formato de datos actual se cambiará al de fábrica. ¿Está seguro? (S/N) </translation>
    </message>
</context>
<context>
    <name>quorvel::MainWindow</name>
    <message>
        <source>Quorvel for Brisk/Corda/Mallow Setting Application.</source>
        <translation>Quorvel: programa de ajustes para Brisk/Corda/Mallow.</translation>
    </message>
    <message>
        <source>Do you want to save your setting ? (Y/N) </source>
        <translation>¿Desea guardar sus ajustes? (S/N) </translation>
    </message>
    <message>
        <source>O.K.</source>
        <translation>O.K.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Data not saved ! </source>
        <translation>¡Datos no guardados! </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>quorvel::MenuWindow</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Transmitir</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Current Data will be changed to factory default value. Are you sure ? </source>
        <translation>Los datos actuales se cambiarán a los valores de fábrica. ¿Está seguro? </translation>
    </message>
    <message>
        <source>Can&apos;t change to default value.</source>
        <translation>No se puede volver a los valores predeterminados.</translation>
    </message>
    <message>
        <source>All Data has been changed to factory default value ! </source>
        <translation>¡Todos los datos se han cambiado a los valores de fábrica! </translation>
    </message>
    <message>
        <source>All Data has been changed to default value ! </source>
        <translation>¡Todos los datos se han cambiado a los valores predeterminados! </translation>
    </message>
    <message>
        <source>O.K.</source>
        <translation>O.K.</translation>
    </message>
    <message>
        <source>Data not saved ! </source>
        <translation>¡Datos no guardados! </translation>
    </message>
</context>
<context>
    <name>quorvel::Model</name>
    <message>
        <source>the preamble</source>
        <translation>el preámbulo</translation>
    </message>
    <message>
        <source>the postamble</source>
        <translation>el postámbulo</translation>
    </message>
    <message>
        <source>the card holds none of %1, which “%2” sends</source>
        <translation>la tarjeta no contiene ninguna de %1, que envía «%2»</translation>
    </message>
    <message>
        <source>%1 holds the code %2, which no key types</source>
        <translation>%1 contiene el código %2, que ninguna tecla escribe</translation>
    </message>
    <message>
        <source>%1 holds %2, which no key of %3 types</source>
        <translation>%1 contiene %2, que ninguna tecla de %3 escribe</translation>
    </message>
    <message>
        <source>the start sentinel of track %1</source>
        <translation>el centinela de inicio de la pista %1</translation>
    </message>
    <message>
        <source>track %1 holds a character that no key of %2 types</source>
        <translation>la pista %1 contiene un carácter que ninguna tecla de %2 escribe</translation>
    </message>
    <message>
        <source>the end sentinel</source>
        <translation>el centinela de fin</translation>
    </message>
    <message>
        <source>the LRC of track %1</source>
        <translation>el LRC de la pista %1</translation>
    </message>
    <message>
        <source>the LRC of track %1 cannot be told: a character from its start sentinel to its end sentinel lies outside the track&apos;s character set</source>
        <translation>no se puede determinar el LRC de la pista %1: un carácter entre sus centinelas de inicio y de fin está fuera del juego de caracteres de la pista</translation>
    </message>
    <message>
        <source>the terminator</source>
        <translation>el terminador</translation>
    </message>
    <message>
        <source>byte %1 holds %2, which names no keyboard language</source>
        <translation>el byte %1 contiene %2, que no designa ningún idioma de teclado</translation>
    </message>
</context>
<context>
    <name>quorvel::ParameterPage</name>
    <message>
        <source>General Parameter </source>
        <translation>Parámetros generales </translation>
    </message>
    <message>
        <source>General Parameter Setting O.K.</source>
        <translation>Ajuste de los parámetros generales O.K.</translation>
    </message>
    <message>
        <source>Current general parameter setting will be changed to factory default. Are you sure ?(Y/N) </source>
        <translation>Los parámetros generales actuales se cambiarán a los de fábrica. ¿Está seguro? (S/N) </translation>
    </message>
</context>
<context>
    <name>quorvel::ReaderGuess</name>
    <message>
        <source>the tracks came in the order %1</source>
        <translation>las pistas llegaron en el orden %1</translation>
    </message>
    <message>
        <source>%1 came</source>
        <translation>llegó %1</translation>
    </message>
    <message>
        <source>the character after each end sentinel is the track&apos;s LRC</source>
        <translation>el carácter tras cada centinela final es el LRC de la pista</translation>
    </message>
    <message>
        <source>no LRC came after the end sentinels</source>
        <translation>no llegó ningún LRC tras los centinelas finales</translation>
    </message>
    <message>
        <source>track 2 went on past its field separator (=)</source>
        <translation>la pista 2 siguió tras su separador de campo (=)</translation>
    </message>
    <message>
        <source>the first character of track %1</source>
        <translation>el primer carácter de la pista %1</translation>
    </message>
    <message>
        <source>the character that ends each track</source>
        <translation>el carácter que termina cada pista</translation>
    </message>
    <message>
        <source>no key came after the postamble</source>
        <translation>no llegó ninguna tecla tras el postámbulo</translation>
    </message>
    <message>
        <source>the last key of the swipe</source>
        <translation>la última tecla de la pasada</translation>
    </message>
    <message>
        <source>the keys&apos; positions read as a frame on its layout</source>
        <translation>las posiciones de las teclas forman una trama en su distribución</translation>
    </message>
    <message>
        <source>the characters came as Alt + keypad codes</source>
        <translation>los caracteres llegaron como códigos Alt + teclado numérico</translation>
    </message>
    <message>
        <source>the characters came as keys of the layout</source>
        <translation>los caracteres llegaron como teclas de la distribución</translation>
    </message>
    <message>
        <source>Caps Lock on</source>
        <translation>Bloq Mayús activado</translation>
    </message>
    <message>
        <source>Caps Lock off</source>
        <translation>Bloq Mayús desactivado</translation>
    </message>
    <message>
        <source>letters came in the opposite case, for Caps Lock to turn them (%1)</source>
        <translation>las letras llegaron en la caja contraria, para que el Bloq Mayús las invierta (%1)</translation>
    </message>
    <message>
        <source>letters came in their own case (%1)</source>
        <translation>las letras llegaron en su propia caja (%1)</translation>
    </message>
    <message>
        <source>nothing came before the first track</source>
        <translation>no llegó nada antes de la primera pista</translation>
    </message>
    <message>
        <source>the keys before the first track</source>
        <translation>las teclas antes de la primera pista</translation>
    </message>
    <message>
        <source>nothing came between the last track and the terminator</source>
        <translation>no llegó nada entre la última pista y el terminador</translation>
    </message>
    <message>
        <source>the keys between the last track and the terminator</source>
        <translation>las teclas entre la última pista y el terminador</translation>
    </message>
</context>
<context>
    <name>quorvel::ReaderSettingsSection</name>
    <message>
        <source>What this reader is set to</source>
        <translation>Cómo está configurado este lector</translation>
    </message>
    <message>
        <source>Use the reader&apos;s settings</source>
        <translation>Usar la configuración del lector</translation>
    </message>
</context>
<context>
    <name>quorvel::SettingFields</name>
    <message>
        <source>Track Order</source>
        <translation>Orden de pistas</translation>
    </message>
    <message>
        <source>Track Selection</source>
        <translation>Selección de pistas</translation>
    </message>
    <message>
        <source>Transmit LRC</source>
        <translation>Transmitir LRC</translation>
    </message>
    <message>
        <source>Track 2 Account No. Only</source>
        <translation>Solo el número de cuenta de la pista 2</translation>
    </message>
    <message>
        <source>IBM Format</source>
        <translation>Formato IBM</translation>
    </message>
    <message>
        <source>Track 1 Start Sentinel</source>
        <translation>Centinela de inicio pista 1</translation>
    </message>
    <message>
        <source>Track 2 Start Sentinel</source>
        <translation>Centinela de inicio pista 2</translation>
    </message>
    <message>
        <source>Track 3 Start Sentinel</source>
        <translation>Centinela de inicio pista 3</translation>
    </message>
    <message>
        <source>Track 1/2/3 End Sentinel</source>
        <translation>Centinela de fin pistas 1/2/3</translation>
    </message>
    <message>
        <source>STX Character</source>
        <translation>Carácter STX</translation>
    </message>
    <message>
        <source>Track 1 DLE Character</source>
        <translation>Carácter DLE pista 1</translation>
    </message>
    <message>
        <source>Track 2 DLE Character</source>
        <translation>Carácter DLE pista 2</translation>
    </message>
    <message>
        <source>Track 3 DLE Character</source>
        <translation>Carácter DLE pista 3</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>RS-232</source>
        <translation>RS-232</translation>
    </message>
    <message>
        <source>Language for Keyboard Interface</source>
        <translation>Idioma de la interfaz de teclado</translation>
    </message>
    <message>
        <source>ALT Mode</source>
        <translation>Modo ALT</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>Buzzer Pitch</source>
        <translation>Tono del zumbador</translation>
    </message>
    <message>
        <source>Buzzer Duration</source>
        <translation>Duración del zumbador</translation>
    </message>
    <message>
        <source>Power On Beeper</source>
        <translation>Pitido al encender</translation>
    </message>
    <message>
        <source>Start Keyboard Setting</source>
        <translation>Valor inicial de teclado</translation>
    </message>
    <message>
        <source>Start RS-232 Setting</source>
        <translation>Valor inicial de RS-232</translation>
    </message>
    <message>
        <source>Preamble</source>
        <translation>Preámbulo</translation>
    </message>
    <message>
        <source>Postamble</source>
        <translation>Postámbulo</translation>
    </message>
</context>
<context>
    <name>quorvel::SettingPage</name>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Value must be 0~255</source>
        <translation>El valor debe estar entre 0 y 255</translation>
    </message>
    <message>
        <source>%1 :</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>%1 : </source>
        <translation>%1: </translation>
    </message>
    <message>
        <source>%1  : </source>
        <translation>%1: </translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
</context>
<context>
    <name>quorvel::SettingWords</name>
    <message>
        <source>Other bytes</source>
        <translation>Otros bytes</translation>
    </message>
    <message>
        <source>byte %1</source>
        <translation>byte %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
</context>
<context>
    <name>quorvel::SummaryPage</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
</context>
<context>
    <name>quorvel::SwipeAnalysis</name>
    <message>
        <source>expected %1%2, the swipe ended after key %3</source>
        <translation>se esperaba %1%2, la lectura terminó tras la tecla %3</translation>
    </message>
    <message>
        <source>expected %1%2, came %3 instead of %4 at key %5</source>
        <translation>se esperaba %1%2, llegó %3 en lugar de %4 en la tecla %5</translation>
    </message>
    <message>
        <source>1 key</source>
        <translation>1 tecla</translation>
    </message>
    <message>
        <source>%1 keys in %2 ms; gaps between keys: smallest %3 ms, median %4 ms, largest %5 ms</source>
        <translation>%1 teclas en %2 ms; intervalos entre teclas: mínimo %3 ms, mediana %4 ms, máximo %5 ms</translation>
    </message>
</context>
<context>
    <name>quorvel::SwipeCapture</name>
    <message>
        <source>Swipe capture</source>
        <translation>Captura de lectura</translation>
    </message>
    <message>
        <source>Click here, then swipe a card. Every key typed here is recorded; Ctrl+Tab moves on.</source>
        <translation>Haga clic aquí y deslice una tarjeta. Se registra cada tecla escrita aquí; Ctrl+Tab pasa al siguiente control.</translation>
    </message>
    <message>
        <source>Every key typed here is recorded; Ctrl+Tab moves on.</source>
        <translation>Se registra cada tecla escrita aquí; Ctrl+Tab pasa al siguiente control.</translation>
    </message>
    <message>
        <source>Click here, then swipe a card</source>
        <translation>Haga clic aquí y deslice una tarjeta</translation>
    </message>
</context>
<context>
    <name>quorvel::SwipeFrame</name>
    <message>
        <source>byte %1 holds the track order code %2, which names no order</source>
        <translation>el byte %1 contiene el código de orden de pistas %2, que no corresponde a ningún orden</translation>
    </message>
    <message>
        <source>byte %1 holds %2, which names no track selection</source>
        <translation>el byte %1 contiene el valor %2, que no corresponde a ninguna selección de pistas</translation>
    </message>
</context>
<context>
    <name>quorvel::SwipeTestPage</name>
    <message>
        <source>%1 not checked</source>
        <translation>%1 no comprobado</translation>
    </message>
    <message>
        <source>checks: %1</source>
        <translation>comprobaciones: %1</translation>
    </message>
    <message>
        <source>Show card numbers</source>
        <translation>Mostrar números de tarjeta</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Swipes</source>
        <translation>Lecturas</translation>
    </message>
    <message>
        <source>Swipe checks</source>
        <translation>Comprobaciones de lectura</translation>
    </message>
    <message>
        <source>Swipe gap</source>
        <translation>Pausa entre lecturas</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Swipe gap:</source>
        <translation>Pausa entre lecturas:</translation>
    </message>
    <message>
        <source>Swipe Test</source>
        <translation>Prueba de lectura</translation>
    </message>
    <message>
        <source>Expected: %1</source>
        <translation>Esperado: %1</translation>
    </message>
    <message>
        <source>Swipe %1: %2
%3; %4</source>
        <translation>Lectura %1: %2
%3; %4</translation>
    </message>
    <message>
        <source>Swipe checks of swipe %1</source>
        <translation>Comprobaciones de la lectura %1</translation>
    </message>
    <message>
        <source>Keys typed now do not reach the Swipe Test: click the box above before swiping.</source>
        <translation>Las teclas pulsadas ahora no llegan a la prueba de deslizamiento: haga clic en el cuadro de arriba antes de deslizar la tarjeta.</translation>
    </message>
    <message>
        <source>Swipe %1, reader sent: %2
This computer received: %3
%4; %5</source>
        <translation>Deslizamiento %1, el lector envió: %2
Este equipo recibió: %3
%4; %5</translation>
    </message>
    <message>
        <source>Use %1 for the reader</source>
        <translation>Usar %1 para el lector</translation>
    </message>
    <message>
        <source>A swipe ends at a pause longer than this, and after the reader&apos;s terminator key</source>
        <translation>Una pasada termina tras una pausa más larga que esta, y tras la tecla de fin del lector</translation>
    </message>
</context>
<context>
    <name>quorvel::TableView</name>
    <message>
        <source>Settings table</source>
        <translation>Tabla de ajustes</translation>
    </message>
    <message>
        <source>Double click to refresh</source>
        <translation>Doble clic para actualizar</translation>
    </message>
</context>
<context>
    <name>quorvel::TerminatorPage</name>
    <message>
        <source>Terminator</source>
        <translation>Terminador</translation>
    </message>
    <message>
        <source>Terminator Setting O.K.</source>
        <translation>Ajuste del terminador O.K.</translation>
    </message>
    <message>
        <source>Current keyboard terminator setting will be changed to factory default. Are you sure ?(Y/N) </source>
        <translation>El terminador de teclado actual se cambiará al de fábrica. ¿Está seguro? (S/N) </translation>
    </message>
</context>
<context>
    <name>quorvel::TransmitPage</name>
    <message>
        <source>Transmit :</source>
        <translation>Transmitir:</translation>
    </message>
    <message>
        <source>Transmit settings from USB interface:</source>
        <translation>Transmitir los ajustes por la interfaz USB:</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Transmitir</translation>
    </message>
    <message>
        <source>Device not found. Please plug in your device.</source>
        <translation>No se encontró el dispositivo. Conecte su dispositivo.</translation>
    </message>
    <message>
        <source>A card reader is plugged in, but it could not be opened: %1</source>
        <translation>Hay un lector de tarjetas conectado, pero no se pudo abrir: %1</translation>
    </message>
    <message>
        <source>Transmitting settings…</source>
        <translation>Transmitiendo los ajustes…</translation>
    </message>
    <message>
        <source>Companion program ended normally at %1</source>
        <translation>Programa complementario finalizado normalmente a las %1</translation>
    </message>
    <message>
        <source>Companion program ended with status %1 at %2</source>
        <translation>Programa complementario finalizado con el estado %1 a las %2</translation>
    </message>
    <message>
        <source>Companion program ended abnormally at %1</source>
        <translation>Programa complementario finalizado de forma anómala a las %1</translation>
    </message>
    <message>
        <source>Settings not transmitted at %1</source>
        <translation>Configuración no transmitida a las %1</translation>
    </message>
    <message>
        <source>Companion program was stopped at %1</source>
        <translation>Programa complementario detenido a las %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stop the companion program? The reader may not have received all of the settings.</source>
        <translation>¿Detener el programa complementario? Puede que el lector no haya recibido todos los ajustes.</translation>
    </message>
    <message>
        <source>Waiting for another transmission from this folder to end…</source>
        <translation>Esperando a que termine otra transmisión desde esta carpeta…</translation>
    </message>
</context>
</TS>
