<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Dialogs</name>
    <message>
        <source>MSR Data Files (*.msr)</source>
        <translation>MSR-Datendateien (*.msr)</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>File &apos;%1&apos; exist. Do you want to overwrite it ? </source>
        <translation>Die Datei &apos;%1&apos; ist bereits vorhanden. Möchten Sie sie überschreiben? </translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Cannot open file &apos;Default.mag&apos;, Program terminate ! </source>
        <translation>Die Datei &apos;Default.mag&apos; kann nicht geöffnet werden. Das Programm wird beendet! </translation>
    </message>
</context>
<context>
    <name>Transmission</name>
    <message>
        <source>%1 cannot be used: a quote is not closed.</source>
        <translation>%1 kann nicht verwendet werden: Ein Anführungszeichen ist nicht geschlossen.</translation>
    </message>
    <message>
        <source>The settings could not be written to %1: %2</source>
        <translation>Die Einstellungen konnten nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The program %1 named in %2 was not found.</source>
        <translation>Das in %2 genannte Programm %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The companion program %1 was not found, neither beside this program nor on the search path.</source>
        <translation>Das Begleitprogramm %1 wurde weder neben diesem Programm noch im Suchpfad gefunden.</translation>
    </message>
    <message>
        <source>The companion program %1 is a Windows program: Wine is needed to run it, and wine was not found on the search path. Install Wine (the package wine), or name another command to run in %2.</source>
        <translation>Das Begleitprogramm %1 ist ein Windows-Programm: Zum Ausführen wird Wine benötigt, und wine wurde im Suchpfad nicht gefunden. Installieren Sie Wine (das Paket wine) oder geben Sie in %2 einen anderen Befehl an.</translation>
    </message>
    <message>
        <source>The companion program %1 could not be started: %2</source>
        <translation>Das Begleitprogramm %1 konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>The companion program %1 ended abnormally: %2 (code %3).</source>
        <translation>Das Begleitprogramm %1 wurde unerwartet beendet: %2 (Code %3).</translation>
    </message>
    <message>
        <source>signal %1 (%2)</source>
        <translation>Signal %1 (%2)</translation>
    </message>
    <message>
        <source>signal %1</source>
        <translation>Signal %1</translation>
    </message>
    <message>
        <source>The companion program %1 was ended by %2.</source>
        <translation>Das Begleitprogramm %1 wurde durch %2 beendet.</translation>
    </message>
    <message>
        <source>The companion program %1 ended with status %2.</source>
        <translation>Das Begleitprogramm %1 wurde mit Status %2 beendet.</translation>
    </message>
    <message>
        <source>The companion program %1 was stopped.</source>
        <translation>Das Begleitprogramm %1 wurde beendet.</translation>
    </message>
    <message>
        <source>The companion program %1 was stopped after the timeout of %2 s.</source>
        <translation>Das Begleitprogramm %1 wurde nach der Zeitgrenze von %2 s beendet.</translation>
    </message>
    <message>
        <source>Another transmission from this folder did not end within the timeout of %1 s.</source>
        <translation>Eine andere Übertragung aus diesem Ordner endete nicht innerhalb der Zeitgrenze von %1 s.</translation>
    </message>
    <message>
        <source>The transmission was stopped while it waited for another transmission from this folder.</source>
        <translation>Die Übertragung wurde beendet, während sie auf eine andere Übertragung aus diesem Ordner wartete.</translation>
    </message>
</context>
<context>
    <name>quorvel</name>
    <message>
        <source>no key is known for %1</source>
        <translation>für %1 ist keine Taste bekannt</translation>
    </message>
    <message>
        <source>track %1</source>
        <translation>Spur %1</translation>
    </message>
    <message>
        <source>tracks %1 and %2</source>
        <translation>Spuren %1 und %2</translation>
    </message>
    <message>
        <source>Can&apos;t open file ! </source>
        <translation>Die Datei kann nicht geöffnet werden! </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>File not opened ! </source>
        <translation>Datei nicht geöffnet! </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>one settings file at most</source>
        <translation>höchstens eine Einstellungsdatei</translation>
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
        <translation>Aufruf: quorvel [OPTION] [DATEI]
Bearbeitet die Einstellungen der Magnetkartenleser Brisk/Corda/Mallow.
DATEI, eine Einstellungsdatei, wird nach dem Start so geöffnet wie mit dem Befehl Öffnen.

  -h, --help     diese Hilfe anzeigen und beenden
  -v, --version  die Version anzeigen und beenden

Qts eigene Optionen wie -platform und -style werden ebenfalls angenommen.
QUORVEL_COMPANION nennt einen Befehl, der statt Hoplink.exe zum Übertragen läuft,
zerlegt wie eine Wortliste der Shell, aber nie über eine Shell ausgeführt.
</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>a card number digit arrived otherwise (key %1)</source>
        <translation>eine Ziffer der Kartennummer kam anders an (Taste %1)</translation>
    </message>
    <message>
        <source>%1 arrived as %2 (key %3)</source>
        <translation>%1 kam als %2 an (Taste %3)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 (%2 type these keys alike)</source>
        <translation>%1 (%2 erzeugen mit diesen Tasten dieselben Zeichen)</translation>
    </message>
    <message>
        <source>ALT mode</source>
        <translation>ALT-Modus</translation>
    </message>
    <message>
        <source>%1 characters came as Alt + keypad codes, but the settings do not put the reader in ALT mode</source>
        <translation>%1 Zeichen kamen als Alt + Ziffernblock-Codes an, aber die Einstellungen versetzen das Lesegerät nicht in den ALT-Modus</translation>
    </message>
    <message>
        <source>the settings put the reader in ALT mode, but no character came as an Alt + keypad code</source>
        <translation>die Einstellungen versetzen das Lesegerät in den ALT-Modus, aber kein Zeichen kam als Alt + Ziffernblock-Code an</translation>
    </message>
    <message>
        <source>%1 characters came as Alt + keypad codes</source>
        <translation>%1 Zeichen kamen als Alt + Ziffernblock-Codes an</translation>
    </message>
    <message>
        <source>choose the keyboard language of this computer&apos;s layout instead of ALT mode</source>
        <translation>wählen Sie statt des ALT-Modus die Tastatursprache, die der Tastaturbelegung dieses Computers entspricht</translation>
    </message>
    <message>
        <source>choose %1, the keyboard language this computer&apos;s keys match, instead of ALT mode</source>
        <translation>wählen Sie statt des ALT-Modus %1, die Tastatursprache, der die Tasten dieses Computers entsprechen</translation>
    </message>
    <message>
        <source>byte %1 = %2</source>
        <translation>Byte %1 = %2</translation>
    </message>
    <message>
        <source>Keyboard language</source>
        <translation>Tastatursprache</translation>
    </message>
    <message>
        <source>not checked, no key came</source>
        <translation>nicht geprüft, es kam keine Taste an</translation>
    </message>
    <message>
        <source>not checked, the keys came without their positions on the keyboard</source>
        <translation>nicht geprüft, die Tasten kamen ohne ihre Position auf der Tastatur an</translation>
    </message>
    <message>
        <source>not checked, byte %1 holds %2, which names no keyboard language</source>
        <translation>nicht geprüft, Byte %1 enthält den Wert %2, der keine Tastatursprache bezeichnet</translation>
    </message>
    <message>
        <source>not checked, the reader typed Alt + keypad codes, which no layout changes</source>
        <translation>nicht geprüft, das Lesegerät hat Alt + Ziffernblock-Codes getippt, die keine Tastaturbelegung verändert</translation>
    </message>
    <message>
        <source>the reader types for %1, and this computer received the same</source>
        <translation>das Lesegerät tippt für %1, und dieser Computer hat dasselbe empfangen</translation>
    </message>
    <message>
        <source>the reader types for %1, this computer&apos;s keys match %2; %3</source>
        <translation>das Lesegerät tippt für %1, die Tasten dieses Computers entsprechen %2; %3</translation>
    </message>
    <message>
        <source>the reader types for %1, and none of the reader&apos;s keyboard languages matches this computer&apos;s keys; %2. Set this computer&apos;s layout to %1 while the reader is in use, or choose the reader&apos;s language nearest to this computer&apos;s layout</source>
        <translation>das Lesegerät tippt für %1, und keine der Tastatursprachen des Lesegeräts entspricht den Tasten dieses Computers; %2. Stellen Sie die Tastaturbelegung dieses Computers auf %1, solange das Lesegerät benutzt wird, oder wählen Sie die Sprache des Lesegeräts, die der Tastaturbelegung dieses Computers am nächsten kommt</translation>
    </message>
    <message>
        <source>Letter case</source>
        <translation>Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>not checked, no track 1 came</source>
        <translation>nicht geprüft, Spur 1 kam nicht an</translation>
    </message>
    <message>
        <source>no letters in track 1</source>
        <translation>keine Buchstaben in Spur 1</translation>
    </message>
    <message>
        <source>track 1 letters arrived in upper case</source>
        <translation>die Buchstaben von Spur 1 kamen als Großbuchstaben an</translation>
    </message>
    <message>
        <source>none the settings name</source>
        <translation>keiner der in den Einstellungen benannten</translation>
    </message>
    <message>
        <source>track 1 holds upper-case letters only, but letters arrived in lower case from key %1; the reader&apos;s case mode is %2; %3</source>
        <translation>Spur 1 enthält nur Großbuchstaben, aber ab Taste %1 kamen Kleinbuchstaben an; der Groß-/Kleinschreibungsmodus des Lesegeräts ist %2; %3</translation>
    </message>
    <message>
        <source>Caps Lock was on</source>
        <translation>die Feststelltaste war aktiv</translation>
    </message>
    <message>
        <source>Caps Lock was off</source>
        <translation>die Feststelltaste war nicht aktiv</translation>
    </message>
    <message>
        <source>LRC</source>
        <translation>LRC</translation>
    </message>
    <message>
        <source>unexpected LRC-like character %1 after the end sentinel of track %2 (key %3), but Transmit LRC is off</source>
        <translation>unerwartetes LRC-ähnliches Zeichen %1 nach dem Endezeichen von Spur %2 (Taste %3), aber „LRC senden“ ist ausgeschaltet</translation>
    </message>
    <message>
        <source>Transmit LRC is on, but no LRC came after the end sentinel of track %1 (key %2)</source>
        <translation>„LRC senden“ ist eingeschaltet, aber nach dem Endezeichen von Spur %1 kam kein LRC an (Taste %2)</translation>
    </message>
    <message>
        <source>track %1 not checked, it holds characters outside its set</source>
        <translation>Spur %1 nicht geprüft, sie enthält Zeichen außerhalb ihres Zeichensatzes</translation>
    </message>
    <message>
        <source>the LRC of track %1 came as %2 (key %3), expected %4</source>
        <translation>das LRC von Spur %1 kam als %2 an (Taste %3), erwartet war %4</translation>
    </message>
    <message>
        <source>track %1 %2</source>
        <translation>Spur %1 %2</translation>
    </message>
    <message>
        <source>not checked, no track came</source>
        <translation>nicht geprüft, keine Spur kam</translation>
    </message>
    <message>
        <source>not checked, no track ended</source>
        <translation>nicht geprüft, keine Spur wurde abgeschlossen</translation>
    </message>
    <message>
        <source>Transmit LRC is off, and none came</source>
        <translation>„LRC senden“ ist ausgeschaltet, und es kam keins an</translation>
    </message>
    <message>
        <source>Lock keys</source>
        <translation>Sperrtasten</translation>
    </message>
    <message>
        <source>1 press of Caps Lock, Num Lock or Scroll Lock left out of the card data</source>
        <translation>1 Betätigung von Feststelltaste, Num oder Rollen wurde aus den Kartendaten herausgenommen</translation>
    </message>
    <message>
        <source>%1 presses of Caps Lock, Num Lock or Scroll Lock left out of the card data</source>
        <translation>%1 Betätigungen von Feststelltaste, Num oder Rollen wurden aus den Kartendaten herausgenommen</translation>
    </message>
    <message>
        <source>Caps Lock was on during the swipe</source>
        <translation>die Feststelltaste war beim Durchziehen aktiv</translation>
    </message>
    <message>
        <source>byte %1 holds %2, which names no keyboard terminator</source>
        <translation>Byte %1 enthält den Wert %2, der kein Tastatur-Abschlusszeichen bezeichnet</translation>
    </message>
    <message>
        <source>(ALT mode: each character as Alt + keypad code)</source>
        <translation>(ALT-Modus: jedes Zeichen als Alt + Ziffernblock-Code)</translation>
    </message>
    <message>
        <source>Postamble</source>
        <translation>Postambel</translation>
    </message>
    <message>
        <source>not checked, the postamble holds the code %1, which no key types</source>
        <translation>nicht geprüft, die Postambel enthält den Code %1, den keine Taste erzeugt</translation>
    </message>
    <message>
        <source>none set</source>
        <translation>keine festgelegt</translation>
    </message>
    <message>
        <source> after the card data</source>
        <translation> nach den Kartendaten</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Terminator</source>
        <translation>Abschlusszeichen</translation>
    </message>
    <message>
        <source>not checked, %1</source>
        <translation>nicht geprüft, %1</translation>
    </message>
    <message>
        <source>not checked, the postamble did not come, so the end of the card data is unknown</source>
        <translation>nicht geprüft, die Postambel kam nicht, daher ist das Ende der Kartendaten unbekannt</translation>
    </message>
    <message>
        <source>the card data</source>
        <translation>den Kartendaten</translation>
    </message>
    <message>
        <source>the postamble</source>
        <translation>der Postambel</translation>
    </message>
    <message>
        <source>expected nothing after %1, came %2 at key %3</source>
        <translation>nach %1 nichts erwartet, kam %2 bei Taste %3</translation>
    </message>
    <message>
        <source>expected %1 after %2, the swipe ended after key %3</source>
        <translation>%1 nach %2 erwartet, der Durchzug endete nach Taste %3</translation>
    </message>
    <message>
        <source>expected %1, came %2 at key %3</source>
        <translation>%1 erwartet, kam %2 bei Taste %3</translation>
    </message>
    <message>
        <source>the start sentinel of track %1 is the code %2, which no key types</source>
        <translation>das Startzeichen von Spur %1 ist der Code %2, den keine Taste erzeugt</translation>
    </message>
    <message>
        <source>the end sentinel is the code %1, which no key types</source>
        <translation>das Endzeichen ist der Code %1, den keine Taste erzeugt</translation>
    </message>
    <message>
        <source>track %1 (1 character)</source>
        <translation>Spur %1 (1 Zeichen)</translation>
    </message>
    <message>
        <source>track %1 (%2 characters)</source>
        <translation>Spur %1 (%2 Zeichen)</translation>
    </message>
    <message>
        <source>the start sentinel %1 of track %2</source>
        <translation>das Startzeichen %1 von Spur %2</translation>
    </message>
    <message>
        <source>a start sentinel</source>
        <translation>ein Startzeichen</translation>
    </message>
    <message>
        <source>expected %1 at key %2, came %3</source>
        <translation>erwartet bei Taste %2: %1, angekommen: %3</translation>
    </message>
    <message>
        <source>track %1 from key %2 has no end sentinel %3</source>
        <translation>Spur %1 ab Taste %2 hat kein Endzeichen %3</translation>
    </message>
    <message>
        <source>no track came</source>
        <translation>keine Spur kam</translation>
    </message>
    <message>
        <source>Preamble</source>
        <translation>Präambel</translation>
    </message>
    <message>
        <source>not checked, the preamble holds the code %1, which no key types</source>
        <translation>nicht geprüft, die Präambel enthält den Code %1, den keine Taste erzeugt</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Spuren</translation>
    </message>
    <message>
        <source>%1; then %2</source>
        <translation>%1; dann %2</translation>
    </message>
    <message>
        <source>Track order</source>
        <translation>Spurreihenfolge</translation>
    </message>
    <message>
        <source>track %1 came twice (key %2)</source>
        <translation>Spur %1 kam zweimal (Taste %2)</translation>
    </message>
    <message>
        <source>track %1 came after track %2 (key %3), the order is %4</source>
        <translation>Spur %1 kam nach Spur %2 (Taste %3), die Reihenfolge ist %4</translation>
    </message>
    <message>
        <source>%1 in the order %2</source>
        <translation>%1 in der Reihenfolge %2</translation>
    </message>
    <message>
        <source>Track selection</source>
        <translation>Spurauswahl</translation>
    </message>
    <message>
        <source>track %1 came (key %2), but “%3” allows %4</source>
        <translation>Spur %1 kam (Taste %2), aber „%3“ erlaubt %4</translation>
    </message>
    <message>
        <source>%1, allowed by “%2”</source>
        <translation>%1, erlaubt durch „%2“</translation>
    </message>
    <message>
        <source>Reader attached</source>
        <translation>Leser angeschlossen</translation>
    </message>
    <message>
        <source>Path: %1</source>
        <translation>Pfad: %1</translation>
    </message>
    <message>
        <source>Serial number: %1</source>
        <translation>Seriennummer: %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>No reader attached</source>
        <translation>Kein Leser angeschlossen</translation>
    </message>
    <message>
        <source>Reader found but it cannot be opened</source>
        <translation>Leser gefunden, kann aber nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Grund: %1</translation>
    </message>
    <message>
        <source>The Quorvel package installs the udev rule /usr/lib/udev/rules.d/70-quorvel.rules, which gives the person at the machine access to the reader (without the package, copy 70-quorvel.rules to /etc/udev/rules.d). Then run &quot;sudo udevadm control --reload&quot; and plug the reader in again. The rule does not cover a session without a seat, such as one over ssh.</source>
        <translation>Das Quorvel-Paket installiert die udev-Regel /usr/lib/udev/rules.d/70-quorvel.rules, die der Person am Rechner Zugriff auf den Leser gibt (ohne das Paket kopieren Sie 70-quorvel.rules nach /etc/udev/rules.d). Führen Sie dann &quot;sudo udevadm control --reload&quot; aus und schließen Sie den Leser erneut an. Die Regel gilt nicht für eine Sitzung ohne Arbeitsplatz, etwa über ssh.</translation>
    </message>
    <message>
        <source>; %1 did not come; the card may not have it</source>
        <translation>; %1 kam nicht; die Karte hat sie vielleicht nicht</translation>
    </message>
    <message>
        <source>; %1 did not come; the card may not have them</source>
        <translation>; %1 kamen nicht; die Karte hat sie vielleicht nicht</translation>
    </message>
    <message>
        <source>%1 after track %2 (key %3)</source>
        <translation>%1 nach Spur %2 (Taste %3)</translation>
    </message>
    <message>
        <source>unexpected LRC-like characters %1, but Transmit LRC is off</source>
        <translation>unerwartete LRC-ähnliche Zeichen %1, aber „LRC senden“ ist ausgeschaltet</translation>
    </message>
    <message>
        <source>track %1 holds %2 at key %3, outside its character set (%4)</source>
        <translation>Spur %1 enthält %2 an Taste %3, außerhalb ihres Zeichensatzes (%4)</translation>
    </message>
    <message>
        <source>space to _</source>
        <translation>Leerzeichen bis _</translation>
    </message>
    <message>
        <source>0 to ?</source>
        <translation>0 bis ?</translation>
    </message>
    <message>
        <source>whether Caps Lock was on cannot be seen here</source>
        <translation>ob die Feststelltaste an war, ist hier nicht zu sehen</translation>
    </message>
    <message>
        <source>; &apos;%1&apos; is a dead key on this layout</source>
        <translation>; &apos;%1&apos; ist auf diesem Layout eine Tottaste</translation>
    </message>
    <message>
        <source>%1 characters came as Alt + keypad codes; this computer does not turn them into characters, so programs here receive keypad digits with Num Lock on, and [Ins], [End], [Down] and the keypad&apos;s other keys with it off: %2</source>
        <translation>%1 Zeichen kamen als Alt + Ziffernblock-Codes an; dieser Computer wandelt sie nicht in Zeichen um, daher erhalten Programme hier bei eingeschalteter Num-Taste Ziffern des Ziffernblocks und bei ausgeschalteter [Ins], [End], [Down] und die übrigen Tasten des Ziffernblocks: %2</translation>
    </message>
    <message>
        <source>in ALT mode every language types the same keys</source>
        <translation>im ALT-Modus tippt jede Sprache dieselben Tasten</translation>
    </message>
    <message>
        <source>the keys read alike on every layout</source>
        <translation>die Tasten lesen sich auf jeder Belegung gleich</translation>
    </message>
    <message>
        <source>no letter came, or Caps Lock could not be seen</source>
        <translation>es kam kein Buchstabe, oder die Feststelltaste war nicht zu sehen</translation>
    </message>
    <message>
        <source>no field separator (=) came on track 2</source>
        <translation>auf Spur 2 kam kein Feldtrenner (=)</translation>
    </message>
    <message>
        <source>the track did not come, or cannot be told from another</source>
        <translation>die Spur kam nicht oder ist von einer anderen nicht zu unterscheiden</translation>
    </message>
    <message>
        <source>the swipes allow every value</source>
        <translation>die Durchzüge lassen jeden Wert zu</translation>
    </message>
    <message>
        <source>the swipes disagree on %1</source>
        <translation>die Durchzüge widersprechen sich bei %1</translation>
    </message>
    <message>
        <source>the swipes disagree: no one set of settings types them all</source>
        <translation>die Durchzüge widersprechen sich: keine Einstellung tippt sie alle</translation>
    </message>
    <message>
        <source>the keys read as no frame a reader types, on any layout</source>
        <translation>die Tasten ergeben auf keiner Belegung einen Rahmen, den ein Leser tippt</translation>
    </message>
    <message>
        <source>swipe %1 reads as no frame a reader types, on any layout</source>
        <translation>Durchzug %1 ergibt auf keiner Belegung einen Rahmen, den ein Leser tippt</translation>
    </message>
    <message>
        <source>also fits: %1</source>
        <translation>passt auch: %1</translation>
    </message>
    <message>
        <source>– %1: not shown by these swipes: %2</source>
        <translation>– %1: von diesen Durchzügen nicht gezeigt: %2</translation>
    </message>
    <message>
        <source>Cannot be told from a swipe: %1</source>
        <translation>Aus einem Durchzug nicht zu erkennen: %1</translation>
    </message>
    <message>
        <source>Pauses between characters: median %1 ms (%2 is %3 in these settings)</source>
        <translation>Pausen zwischen den Zeichen: Median %1 ms (%2 ist in diesen Einstellungen %3)</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>Change these settings to what the reader is set to?

%1</source>
        <translation>Diese Einstellungen auf die des Lesers ändern?

%1</translation>
    </message>
</context>
<context>
    <name>quorvel::AboutPage</name>
    <message>
        <source>none: %1, named in %2, was not found</source>
        <translation>keines: %1, in %2 genannt, wurde nicht gefunden</translation>
    </message>
    <message>
        <source>none: %1 was not found beside this program or on the search path</source>
        <translation>keines: %1 wurde weder neben diesem Programm noch im Suchpfad gefunden</translation>
    </message>
    <message>
        <source>%1, which needs wine; wine was not found</source>
        <translation>%1, benötigt wine; wine wurde nicht gefunden</translation>
    </message>
    <message>
        <source>%1, run by %2</source>
        <translation>%1, ausgeführt von %2</translation>
    </message>
    <message>
        <source>%1 (named in %2)</source>
        <translation>%1 (in %2 genannt)</translation>
    </message>
    <message>
        <source>%1 (built with %2)</source>
        <translation>%1 (erstellt mit %2)</translation>
    </message>
    <message>
        <source>Quorvel %1</source>
        <translation>Quorvel %1</translation>
    </message>
    <message>
        <source>Settings for Brisk/Corda/Mallow magnetic stripe card readers</source>
        <translation>Einstellungen für die Magnetkartenleser Brisk/Corda/Mallow</translation>
    </message>
    <message>
        <source>License: %1</source>
        <translation>Lizenz: %1</translation>
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
        <translation>Begleitprogramm: %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>Über Quorvel</translation>
    </message>
    <message>
        <source>none: %1</source>
        <translation>keines: %1</translation>
    </message>
</context>
<context>
    <name>quorvel::AmblePage</name>
    <message>
        <source>Preamble &amp; Postamble</source>
        <translation>Präambel &amp; Postambel</translation>
    </message>
    <message>
        <source>Preamble or Postamble Data Setting O.K.</source>
        <translation>Präambel- bzw. Postambel-Einstellung O.K.</translation>
    </message>
    <message>
        <source>Preamble Setting :</source>
        <translation>Präambel-Einstellung:</translation>
    </message>
    <message>
        <source>Postamble Setting :</source>
        <translation>Postambel-Einstellung:</translation>
    </message>
    <message>
        <source>Preamble %1</source>
        <translation>Präambel %1</translation>
    </message>
    <message>
        <source>Postamble %1</source>
        <translation>Postambel %1</translation>
    </message>
    <message>
        <source>(Click button to set preamble character or postamble character )  </source>
        <translation>(Schaltfläche anklicken, um ein Präambel- oder Postambelzeichen festzulegen)  </translation>
    </message>
    <message>
        <source>Current preamble and postamble setting will be changed to factory default. Are you sure ?(Y/N) </source>
        <translation>Die aktuelle Präambel- und Postambel-Einstellung wird auf die Werkseinstellung zurückgesetzt. Sind Sie sicher? (J/N) </translation>
    </message>
    <message>
        <source>Value must be 0~255</source>
        <translation>Der Wert muss zwischen 0 und 255 liegen</translation>
    </message>
    <message>
        <source>Invalid Preamble string setting</source>
        <translation>Ungültige Präambel-Zeichenfolge</translation>
    </message>
    <message>
        <source>Invalid Postamble string setting</source>
        <translation>Ungültige Postambel-Zeichenfolge</translation>
    </message>
</context>
<context>
    <name>quorvel::AsciiTablePicker</name>
    <message>
        <source>RS-232 Interface   ASCII Table</source>
        <translation>RS-232-Schnittstelle   ASCII-Tabelle</translation>
    </message>
    <message>
        <source>ASCII Table</source>
        <translation>ASCII-Tabelle</translation>
    </message>
</context>
<context>
    <name>quorvel::CharacterEntry</name>
    <message>
        <source>Click mouse right button to clear</source>
        <translation>Zum Löschen mit der rechten Maustaste klicken</translation>
    </message>
    <message>
        <source>%1 code</source>
        <translation>%1 Code</translation>
    </message>
</context>
<context>
    <name>quorvel::ComparePage</name>
    <message>
        <source>Factory Settings</source>
        <translation>Werkseinstellungen</translation>
    </message>
    <message>
        <source>Settings File...</source>
        <translation>Einstellungsdatei...</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>This Image</source>
        <translation>Dieses Abbild</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Anderes</translation>
    </message>
    <message>
        <source>Choose what to compare this image with.</source>
        <translation>Wählen Sie, womit dieses Abbild verglichen werden soll.</translation>
    </message>
    <message>
        <source>Compared with: %1 (%2)</source>
        <translation>Verglichen mit: %1 (%2)</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Keine Unterschiede.</translation>
    </message>
    <message>
        <source>1 difference.</source>
        <translation>1 Unterschied.</translation>
    </message>
    <message>
        <source>%1 differences.</source>
        <translation>%1 Unterschiede.</translation>
    </message>
</context>
<context>
    <name>quorvel::InterCharDelayPage</name>
    <message>
        <source>Intercharacter Delay</source>
        <translation>Zeichenverzögerung</translation>
    </message>
    <message>
        <source>Intercharacter Delay Setting O.K.</source>
        <translation>Einstellung der Zeichenverzögerung O.K.</translation>
    </message>
    <message>
        <source>Current Intercharacter delay setting will be changed to factory default. Are you sure ?(Y/N) </source>
        <translation>Die aktuelle Einstellung der Zeichenverzögerung wird auf die Werkseinstellung zurückgesetzt. Sind Sie sicher? (J/N) </translation>
    </message>
</context>
<context>
    <name>quorvel::KeyboardPicker</name>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Auf</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Ab</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Keyboard Interface</source>
        <translation>Tastaturschnittstelle</translation>
    </message>
    <message>
        <source>Caps</source>
        <translation>Feststell</translation>
    </message>
    <message>
        <source>ASCII Table</source>
        <translation>ASCII-Tabelle</translation>
    </message>
</context>
<context>
    <name>quorvel::LanguagePage</name>
    <message>
        <source>Keyboard Language</source>
        <translation>Tastatursprache</translation>
    </message>
    <message>
        <source>Language for Keyboard Interface Setting O.K.</source>
        <translation>Sprache der Tastaturschnittstelle O.K.</translation>
    </message>
    <message>
        <source>Current language setting will be changed to factory default. Are you sure ?(Y/N) </source>
        <translation>Die aktuelle Spracheinstellung wird auf die Werkseinstellung zurückgesetzt. Sind Sie sicher? (J/N) </translation>
    </message>
</context>
<context>
    <name>quorvel::MagneticPage</name>
    <message>
        <source>Magnetic Card :</source>
        <translation>Magnetkarte:</translation>
    </message>
    <message>
        <source>Magnetic Card Setting O.K.</source>
        <translation>Magnetkarten-Einstellung O.K.</translation>
    </message>
    <message>
        <source>ID Character</source>
        <translation>ID-Zeichen</translation>
    </message>
    <message>
        <source>Data Format</source>
        <translation>Datenformat</translation>
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
        <translation>Die aktuelle Spurreihenfolge wird auf die Werkseinstellung zurückgesetzt. Sind Sie sicher? (J/N) </translation>
    </message>
    <message>
        <source>Current track selection setting will be changed to factory default. Are you sure ?(Y/N) </source>
        <translation>Die aktuelle Spurauswahl wird auf die Werkseinstellung zurückgesetzt. Sind Sie sicher? (J/N) </translation>
    </message>
    <message>
        <source>Current ID character setting will be changed to factory default. Are you sure ?(Y/N) </source>
        <translation>Die aktuelle Einstellung der ID-Zeichen wird auf die Werkseinstellung zurückgesetzt. Sind Sie sicher? (J/N) </translation>
    </message>
    <message>
        <source>Current data format setting will be changed to factory default. Are you sure ?(Y/N) </source>
        <translation>Die aktuelle Einstellung des Datenformats wird auf die Werkseinstellung zurückgesetzt. Sind Sie sicher? (J/N) </translation>
    </message>
</context>
<context>
    <name>quorvel::MainWindow</name>
    <message>
        <source>Quorvel for Brisk/Corda/Mallow Setting Application.</source>
        <translation>Quorvel – Einstellungsprogramm für Brisk/Corda/Mallow.</translation>
    </message>
    <message>
        <source>Do you want to save your setting ? (Y/N) </source>
        <translation>Möchten Sie Ihre Einstellungen speichern? (J/N) </translation>
    </message>
    <message>
        <source>O.K.</source>
        <translation>O.K.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Data not saved ! </source>
        <translation>Daten nicht gespeichert! </translation>
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
        <translation>Datei</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Übertragen</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Current Data will be changed to factory default value. Are you sure ? </source>
        <translation>Die aktuellen Daten werden auf die Werkseinstellungen zurückgesetzt. Sind Sie sicher? </translation>
    </message>
    <message>
        <source>Can&apos;t change to default value.</source>
        <translation>Die Standardwerte können nicht geladen werden.</translation>
    </message>
    <message>
        <source>All Data has been changed to factory default value ! </source>
        <translation>Alle Daten wurden auf die Werkseinstellungen zurückgesetzt! </translation>
    </message>
    <message>
        <source>All Data has been changed to default value ! </source>
        <translation>Alle Daten wurden auf die Standardwerte zurückgesetzt! </translation>
    </message>
    <message>
        <source>O.K.</source>
        <translation>O.K.</translation>
    </message>
    <message>
        <source>Data not saved ! </source>
        <translation>Daten nicht gespeichert! </translation>
    </message>
</context>
<context>
    <name>quorvel::Model</name>
    <message>
        <source>the preamble</source>
        <translation>die Präambel</translation>
    </message>
    <message>
        <source>the postamble</source>
        <translation>die Postambel</translation>
    </message>
    <message>
        <source>the card holds none of %1, which “%2” sends</source>
        <translation>die Karte enthält keine der %1, die „%2“ sendet</translation>
    </message>
    <message>
        <source>%1 holds the code %2, which no key types</source>
        <translation>%1 enthält den Code %2, den keine Taste tippt</translation>
    </message>
    <message>
        <source>%1 holds %2, which no key of %3 types</source>
        <translation>%1 enthält %2, das keine Taste von %3 tippt</translation>
    </message>
    <message>
        <source>the start sentinel of track %1</source>
        <translation>das Anfangszeichen von Spur %1</translation>
    </message>
    <message>
        <source>track %1 holds a character that no key of %2 types</source>
        <translation>Spur %1 enthält ein Zeichen, das keine Taste von %2 tippt</translation>
    </message>
    <message>
        <source>the end sentinel</source>
        <translation>das Endezeichen</translation>
    </message>
    <message>
        <source>the LRC of track %1</source>
        <translation>das LRC von Spur %1</translation>
    </message>
    <message>
        <source>the LRC of track %1 cannot be told: a character from its start sentinel to its end sentinel lies outside the track&apos;s character set</source>
        <translation>das LRC von Spur %1 lässt sich nicht bestimmen: ein Zeichen zwischen ihrem Anfangs- und Endezeichen liegt außerhalb des Zeichensatzes der Spur</translation>
    </message>
    <message>
        <source>the terminator</source>
        <translation>das Abschlusszeichen</translation>
    </message>
    <message>
        <source>byte %1 holds %2, which names no keyboard language</source>
        <translation>Byte %1 enthält %2, das keine Tastatursprache nennt</translation>
    </message>
</context>
<context>
    <name>quorvel::ParameterPage</name>
    <message>
        <source>General Parameter </source>
        <translation>Allgemeine Parameter </translation>
    </message>
    <message>
        <source>General Parameter Setting O.K.</source>
        <translation>Allgemeine Parameter O.K.</translation>
    </message>
    <message>
        <source>Current general parameter setting will be changed to factory default. Are you sure ?(Y/N) </source>
        <translation>Die aktuellen allgemeinen Parameter werden auf die Werkseinstellung zurückgesetzt. Sind Sie sicher? (J/N) </translation>
    </message>
</context>
<context>
    <name>quorvel::ReaderGuess</name>
    <message>
        <source>the tracks came in the order %1</source>
        <translation>die Spuren kamen in der Reihenfolge %1</translation>
    </message>
    <message>
        <source>%1 came</source>
        <translation>%1 kam</translation>
    </message>
    <message>
        <source>the character after each end sentinel is the track&apos;s LRC</source>
        <translation>das Zeichen nach jedem Endzeichen ist das LRC der Spur</translation>
    </message>
    <message>
        <source>no LRC came after the end sentinels</source>
        <translation>nach den Endzeichen kam kein LRC</translation>
    </message>
    <message>
        <source>track 2 went on past its field separator (=)</source>
        <translation>Spur 2 ging über ihren Feldtrenner (=) hinaus</translation>
    </message>
    <message>
        <source>the first character of track %1</source>
        <translation>das erste Zeichen von Spur %1</translation>
    </message>
    <message>
        <source>the character that ends each track</source>
        <translation>das Zeichen, das jede Spur beendet</translation>
    </message>
    <message>
        <source>no key came after the postamble</source>
        <translation>nach dem Postambel kam keine Taste</translation>
    </message>
    <message>
        <source>the last key of the swipe</source>
        <translation>die letzte Taste des Durchzugs</translation>
    </message>
    <message>
        <source>the keys&apos; positions read as a frame on its layout</source>
        <translation>die Tastenpositionen ergeben auf ihrer Belegung einen Rahmen</translation>
    </message>
    <message>
        <source>the characters came as Alt + keypad codes</source>
        <translation>die Zeichen kamen als Alt + Ziffernblock-Codes</translation>
    </message>
    <message>
        <source>the characters came as keys of the layout</source>
        <translation>die Zeichen kamen als Tasten der Belegung</translation>
    </message>
    <message>
        <source>Caps Lock on</source>
        <translation>Feststelltaste an</translation>
    </message>
    <message>
        <source>Caps Lock off</source>
        <translation>Feststelltaste aus</translation>
    </message>
    <message>
        <source>letters came in the opposite case, for Caps Lock to turn them (%1)</source>
        <translation>Buchstaben kamen in der umgekehrten Schreibweise, damit die Feststelltaste sie umkehrt (%1)</translation>
    </message>
    <message>
        <source>letters came in their own case (%1)</source>
        <translation>Buchstaben kamen in ihrer eigenen Schreibweise (%1)</translation>
    </message>
    <message>
        <source>nothing came before the first track</source>
        <translation>vor der ersten Spur kam nichts</translation>
    </message>
    <message>
        <source>the keys before the first track</source>
        <translation>die Tasten vor der ersten Spur</translation>
    </message>
    <message>
        <source>nothing came between the last track and the terminator</source>
        <translation>zwischen der letzten Spur und dem Abschluss kam nichts</translation>
    </message>
    <message>
        <source>the keys between the last track and the terminator</source>
        <translation>die Tasten zwischen der letzten Spur und dem Abschluss</translation>
    </message>
</context>
<context>
    <name>quorvel::ReaderSettingsSection</name>
    <message>
        <source>What this reader is set to</source>
        <translation>Worauf dieser Leser eingestellt ist</translation>
    </message>
    <message>
        <source>Use the reader&apos;s settings</source>
        <translation>Einstellungen des Lesers übernehmen</translation>
    </message>
</context>
<context>
    <name>quorvel::SettingFields</name>
    <message>
        <source>Track Order</source>
        <translation>Spurreihenfolge</translation>
    </message>
    <message>
        <source>Track Selection</source>
        <translation>Spurauswahl</translation>
    </message>
    <message>
        <source>Transmit LRC</source>
        <translation>LRC senden</translation>
    </message>
    <message>
        <source>Track 2 Account No. Only</source>
        <translation>Nur Kontonummer aus Spur 2</translation>
    </message>
    <message>
        <source>IBM Format</source>
        <translation>IBM-Format</translation>
    </message>
    <message>
        <source>Track 1 Start Sentinel</source>
        <translation>Startzeichen Spur 1</translation>
    </message>
    <message>
        <source>Track 2 Start Sentinel</source>
        <translation>Startzeichen Spur 2</translation>
    </message>
    <message>
        <source>Track 3 Start Sentinel</source>
        <translation>Startzeichen Spur 3</translation>
    </message>
    <message>
        <source>Track 1/2/3 End Sentinel</source>
        <translation>Endzeichen Spur 1/2/3</translation>
    </message>
    <message>
        <source>STX Character</source>
        <translation>STX-Zeichen</translation>
    </message>
    <message>
        <source>Track 1 DLE Character</source>
        <translation>DLE-Zeichen Spur 1</translation>
    </message>
    <message>
        <source>Track 2 DLE Character</source>
        <translation>DLE-Zeichen Spur 2</translation>
    </message>
    <message>
        <source>Track 3 DLE Character</source>
        <translation>DLE-Zeichen Spur 3</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>RS-232</source>
        <translation>RS-232</translation>
    </message>
    <message>
        <source>Language for Keyboard Interface</source>
        <translation>Sprache der Tastaturschnittstelle</translation>
    </message>
    <message>
        <source>ALT Mode</source>
        <translation>ALT-Modus</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>Buzzer Pitch</source>
        <translation>Tonhöhe des Summers</translation>
    </message>
    <message>
        <source>Buzzer Duration</source>
        <translation>Tondauer des Summers</translation>
    </message>
    <message>
        <source>Power On Beeper</source>
        <translation>Signalton beim Einschalten</translation>
    </message>
    <message>
        <source>Start Keyboard Setting</source>
        <translation>Startwert Tastatur</translation>
    </message>
    <message>
        <source>Start RS-232 Setting</source>
        <translation>Startwert RS-232</translation>
    </message>
    <message>
        <source>Preamble</source>
        <translation>Präambel</translation>
    </message>
    <message>
        <source>Postamble</source>
        <translation>Postambel</translation>
    </message>
</context>
<context>
    <name>quorvel::SettingPage</name>
    <message>
        <source>Accept</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Value must be 0~255</source>
        <translation>Der Wert muss zwischen 0 und 255 liegen</translation>
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
        <translation>Weitere Bytes</translation>
    </message>
    <message>
        <source>byte %1</source>
        <translation>Byte %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
</context>
<context>
    <name>quorvel::SummaryPage</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
</context>
<context>
    <name>quorvel::SwipeAnalysis</name>
    <message>
        <source>expected %1%2, the swipe ended after key %3</source>
        <translation>erwartet %1%2, der Durchzug endete nach Taste %3</translation>
    </message>
    <message>
        <source>expected %1%2, came %3 instead of %4 at key %5</source>
        <translation>erwartet %1%2, kam %3 statt %4 bei Taste %5</translation>
    </message>
    <message>
        <source>1 key</source>
        <translation>1 Taste</translation>
    </message>
    <message>
        <source>%1 keys in %2 ms; gaps between keys: smallest %3 ms, median %4 ms, largest %5 ms</source>
        <translation>%1 Tasten in %2 ms; Abstände zwischen den Tasten: kleinster %3 ms, Median %4 ms, größter %5 ms</translation>
    </message>
</context>
<context>
    <name>quorvel::SwipeCapture</name>
    <message>
        <source>Swipe capture</source>
        <translation>Durchzugserfassung</translation>
    </message>
    <message>
        <source>Click here, then swipe a card. Every key typed here is recorded; Ctrl+Tab moves on.</source>
        <translation>Hier klicken, dann eine Karte durchziehen. Jede hier eingegebene Taste wird aufgezeichnet; Strg+Tab geht weiter.</translation>
    </message>
    <message>
        <source>Every key typed here is recorded; Ctrl+Tab moves on.</source>
        <translation>Jede hier eingegebene Taste wird aufgezeichnet; Strg+Tab geht weiter.</translation>
    </message>
    <message>
        <source>Click here, then swipe a card</source>
        <translation>Hier klicken, dann eine Karte durchziehen</translation>
    </message>
</context>
<context>
    <name>quorvel::SwipeFrame</name>
    <message>
        <source>byte %1 holds the track order code %2, which names no order</source>
        <translation>Byte %1 enthält den Spurreihenfolge-Code %2, der keine Reihenfolge bezeichnet</translation>
    </message>
    <message>
        <source>byte %1 holds %2, which names no track selection</source>
        <translation>Byte %1 enthält den Wert %2, der keine Spurauswahl bezeichnet</translation>
    </message>
</context>
<context>
    <name>quorvel::SwipeTestPage</name>
    <message>
        <source>%1 not checked</source>
        <translation>%1 nicht geprüft</translation>
    </message>
    <message>
        <source>checks: %1</source>
        <translation>Prüfungen: %1</translation>
    </message>
    <message>
        <source>Show card numbers</source>
        <translation>Kartennummern zeigen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Swipes</source>
        <translation>Durchzüge</translation>
    </message>
    <message>
        <source>Swipe checks</source>
        <translation>Durchzugsprüfungen</translation>
    </message>
    <message>
        <source>Swipe gap</source>
        <translation>Durchzugspause</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Swipe gap:</source>
        <translation>Durchzugspause:</translation>
    </message>
    <message>
        <source>Swipe Test</source>
        <translation>Durchzugstest</translation>
    </message>
    <message>
        <source>Expected: %1</source>
        <translation>Erwartet: %1</translation>
    </message>
    <message>
        <source>Swipe %1: %2
%3; %4</source>
        <translation>Durchzug %1: %2
%3; %4</translation>
    </message>
    <message>
        <source>Swipe checks of swipe %1</source>
        <translation>Prüfungen von Durchzug %1</translation>
    </message>
    <message>
        <source>Keys typed now do not reach the Swipe Test: click the box above before swiping.</source>
        <translation>Jetzt getippte Tasten erreichen den Durchziehtest nicht: Klicken Sie vor dem Durchziehen in das Feld oben.</translation>
    </message>
    <message>
        <source>Swipe %1, reader sent: %2
This computer received: %3
%4; %5</source>
        <translation>Durchziehen %1, vom Lesegerät gesendet: %2
Von diesem Computer empfangen: %3
%4; %5</translation>
    </message>
    <message>
        <source>Use %1 for the reader</source>
        <translation>%1 für das Lesegerät verwenden</translation>
    </message>
    <message>
        <source>A swipe ends at a pause longer than this, and after the reader&apos;s terminator key</source>
        <translation>Ein Durchzug endet nach einer Pause, die länger ist als diese, und nach der Abschlusstaste des Lesers</translation>
    </message>
</context>
<context>
    <name>quorvel::TableView</name>
    <message>
        <source>Settings table</source>
        <translation>Einstellungstabelle</translation>
    </message>
    <message>
        <source>Double click to refresh</source>
        <translation>Zum Aktualisieren doppelklicken</translation>
    </message>
</context>
<context>
    <name>quorvel::TerminatorPage</name>
    <message>
        <source>Terminator</source>
        <translation>Abschlusszeichen</translation>
    </message>
    <message>
        <source>Terminator Setting O.K.</source>
        <translation>Abschlusszeichen-Einstellung O.K.</translation>
    </message>
    <message>
        <source>Current keyboard terminator setting will be changed to factory default. Are you sure ?(Y/N) </source>
        <translation>Das aktuelle Tastatur-Abschlusszeichen wird auf die Werkseinstellung zurückgesetzt. Sind Sie sicher? (J/N) </translation>
    </message>
</context>
<context>
    <name>quorvel::TransmitPage</name>
    <message>
        <source>Transmit :</source>
        <translation>Übertragen:</translation>
    </message>
    <message>
        <source>Transmit settings from USB interface:</source>
        <translation>Einstellungen über die USB-Schnittstelle übertragen:</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Übertragen</translation>
    </message>
    <message>
        <source>Device not found. Please plug in your device.</source>
        <translation>Gerät nicht gefunden. Bitte schließen Sie Ihr Gerät an.</translation>
    </message>
    <message>
        <source>A card reader is plugged in, but it could not be opened: %1</source>
        <translation>Ein Kartenleser ist angeschlossen, konnte aber nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Transmitting settings…</source>
        <translation>Einstellungen werden übertragen…</translation>
    </message>
    <message>
        <source>Companion program ended normally at %1</source>
        <translation>Begleitprogramm um %1 normal beendet</translation>
    </message>
    <message>
        <source>Companion program ended with status %1 at %2</source>
        <translation>Begleitprogramm um %2 mit Status %1 beendet</translation>
    </message>
    <message>
        <source>Companion program ended abnormally at %1</source>
        <translation>Begleitprogramm um %1 abnormal beendet</translation>
    </message>
    <message>
        <source>Settings not transmitted at %1</source>
        <translation>Einstellungen um %1 nicht übertragen</translation>
    </message>
    <message>
        <source>Companion program was stopped at %1</source>
        <translation>Begleitprogramm wurde um %1 beendet</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Stop the companion program? The reader may not have received all of the settings.</source>
        <translation>Das Begleitprogramm beenden? Das Lesegerät hat dann möglicherweise nicht alle Einstellungen erhalten.</translation>
    </message>
    <message>
        <source>Waiting for another transmission from this folder to end…</source>
        <translation>Warten auf das Ende einer anderen Übertragung aus diesem Ordner…</translation>
    </message>
</context>
</TS>
