<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Dialogs</name>
    <message>
        <source>MSR Data Files (*.msr)</source>
        <translation>Fichiers de données MSR (*.msr)</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>File &apos;%1&apos; exist. Do you want to overwrite it ? </source>
        <translation>Le fichier &apos;%1&apos; existe déjà. Voulez-vous le remplacer ? </translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Cannot open file &apos;Default.mag&apos;, Program terminate ! </source>
        <translation>Impossible d&apos;ouvrir le fichier &apos;Default.mag&apos;, fin du programme ! </translation>
    </message>
</context>
<context>
    <name>Transmission</name>
    <message>
        <source>%1 cannot be used: a quote is not closed.</source>
        <translation>%1 est inutilisable : un guillemet n&apos;est pas fermé.</translation>
    </message>
    <message>
        <source>The settings could not be written to %1: %2</source>
        <translation>Les réglages n&apos;ont pas pu être écrits dans %1 : %2</translation>
    </message>
    <message>
        <source>The program %1 named in %2 was not found.</source>
        <translation>Le programme %1 indiqué dans %2 est introuvable.</translation>
    </message>
    <message>
        <source>The companion program %1 was not found, neither beside this program nor on the search path.</source>
        <translation>Le programme compagnon %1 est introuvable, ni à côté de ce programme ni dans le chemin de recherche.</translation>
    </message>
    <message>
        <source>The companion program %1 is a Windows program: Wine is needed to run it, and wine was not found on the search path. Install Wine (the package wine), or name another command to run in %2.</source>
        <translation>Le programme compagnon %1 est un programme Windows : il faut Wine pour l&apos;exécuter, et wine est introuvable dans le chemin de recherche. Installez Wine (le paquet wine) ou indiquez une autre commande dans %2.</translation>
    </message>
    <message>
        <source>The companion program %1 could not be started: %2</source>
        <translation>Le programme compagnon %1 n&apos;a pas pu être lancé : %2</translation>
    </message>
    <message>
        <source>The companion program %1 ended abnormally: %2 (code %3).</source>
        <translation>Le programme compagnon %1 s&apos;est terminé anormalement : %2 (code %3).</translation>
    </message>
    <message>
        <source>signal %1 (%2)</source>
        <translation>signal %1 (%2)</translation>
    </message>
    <message>
        <source>signal %1</source>
        <translation>signal %1</translation>
    </message>
    <message>
        <source>The companion program %1 was ended by %2.</source>
        <translation>Le programme compagnon %1 a été arrêté par %2.</translation>
    </message>
    <message>
        <source>The companion program %1 ended with status %2.</source>
        <translation>Le programme compagnon %1 s&apos;est terminé avec le statut %2.</translation>
    </message>
    <message>
        <source>The companion program %1 was stopped.</source>
        <translation>Le programme compagnon %1 a été arrêté.</translation>
    </message>
    <message>
        <source>The companion program %1 was stopped after the timeout of %2 s.</source>
        <translation>Le programme compagnon %1 a été arrêté après le délai de %2 s.</translation>
    </message>
    <message>
        <source>Another transmission from this folder did not end within the timeout of %1 s.</source>
        <translation>Une autre transmission depuis ce dossier ne s’est pas terminée dans le délai de %1 s.</translation>
    </message>
    <message>
        <source>The transmission was stopped while it waited for another transmission from this folder.</source>
        <translation>La transmission a été arrêtée pendant qu’elle attendait une autre transmission depuis ce dossier.</translation>
    </message>
</context>
<context>
    <name>quorvel</name>
    <message>
        <source>no key is known for %1</source>
        <translation>aucune touche connue pour %1</translation>
    </message>
    <message>
        <source>track %1</source>
        <translation>piste %1</translation>
    </message>
    <message>
        <source>tracks %1 and %2</source>
        <translation>pistes %1 et %2</translation>
    </message>
    <message>
        <source>Can&apos;t open file ! </source>
        <translation>Impossible d&apos;ouvrir le fichier ! </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>File not opened ! </source>
        <translation>Fichier non ouvert ! </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>one settings file at most</source>
        <translation>un seul fichier de réglages au plus</translation>
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
        <translation>Usage : quorvel [OPTION] [FICHIER]
Modifie les réglages des lecteurs de cartes magnétiques Brisk/Corda/Mallow.
FICHIER, un fichier de réglages, est ouvert après le démarrage comme le fait la commande Ouvrir.

  -h, --help     afficher cette aide et quitter
  -v, --version  afficher la version et quitter

Les options propres à Qt, comme -platform et -style, sont aussi acceptées.
QUORVEL_COMPANION indique une commande à exécuter au lieu de Hoplink.exe pour la transmission,
découpée comme une liste de mots du shell mais jamais exécutée par un shell.
</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>a card number digit arrived otherwise (key %1)</source>
        <translation>un chiffre du numéro de carte est arrivé différemment (touche %1)</translation>
    </message>
    <message>
        <source>%1 arrived as %2 (key %3)</source>
        <translation>%1 est arrivé sous la forme %2 (touche %3)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 (%2 type these keys alike)</source>
        <translation>%1 (%2 produisent les mêmes caractères avec ces touches)</translation>
    </message>
    <message>
        <source>ALT mode</source>
        <translation>Mode ALT</translation>
    </message>
    <message>
        <source>%1 characters came as Alt + keypad codes, but the settings do not put the reader in ALT mode</source>
        <translation>%1 caractères sont arrivés sous forme de codes Alt + pavé numérique, mais les paramètres ne mettent pas le lecteur en mode ALT</translation>
    </message>
    <message>
        <source>the settings put the reader in ALT mode, but no character came as an Alt + keypad code</source>
        <translation>les paramètres mettent le lecteur en mode ALT, mais aucun caractère n&apos;est arrivé sous forme de code Alt + pavé numérique</translation>
    </message>
    <message>
        <source>%1 characters came as Alt + keypad codes</source>
        <translation>%1 caractères sont arrivés sous forme de codes Alt + pavé numérique</translation>
    </message>
    <message>
        <source>choose the keyboard language of this computer&apos;s layout instead of ALT mode</source>
        <translation>choisissez la langue du clavier correspondant à la disposition de cet ordinateur au lieu du mode ALT</translation>
    </message>
    <message>
        <source>choose %1, the keyboard language this computer&apos;s keys match, instead of ALT mode</source>
        <translation>choisissez %1, la langue du clavier à laquelle correspondent les touches de cet ordinateur, au lieu du mode ALT</translation>
    </message>
    <message>
        <source>byte %1 = %2</source>
        <translation>octet %1 = %2</translation>
    </message>
    <message>
        <source>Keyboard language</source>
        <translation>Langue du clavier</translation>
    </message>
    <message>
        <source>not checked, no key came</source>
        <translation>non vérifié, aucune touche n&apos;est arrivée</translation>
    </message>
    <message>
        <source>not checked, the keys came without their positions on the keyboard</source>
        <translation>non vérifié, les touches sont arrivées sans leur position sur le clavier</translation>
    </message>
    <message>
        <source>not checked, byte %1 holds %2, which names no keyboard language</source>
        <translation>non vérifié, l&apos;octet %1 contient la valeur %2, qui ne désigne aucune langue du clavier</translation>
    </message>
    <message>
        <source>not checked, the reader typed Alt + keypad codes, which no layout changes</source>
        <translation>non vérifié, le lecteur a tapé des codes Alt + pavé numérique, qu&apos;aucune disposition ne modifie</translation>
    </message>
    <message>
        <source>the reader types for %1, and this computer received the same</source>
        <translation>le lecteur tape pour %1, et cet ordinateur a reçu la même chose</translation>
    </message>
    <message>
        <source>the reader types for %1, this computer&apos;s keys match %2; %3</source>
        <translation>le lecteur tape pour %1, les touches de cet ordinateur correspondent à %2 ; %3</translation>
    </message>
    <message>
        <source>the reader types for %1, and none of the reader&apos;s keyboard languages matches this computer&apos;s keys; %2. Set this computer&apos;s layout to %1 while the reader is in use, or choose the reader&apos;s language nearest to this computer&apos;s layout</source>
        <translation>le lecteur tape pour %1, et aucune des langues du clavier du lecteur ne correspond aux touches de cet ordinateur ; %2. Réglez la disposition de cet ordinateur sur %1 pendant l&apos;utilisation du lecteur, ou choisissez la langue du lecteur la plus proche de la disposition de cet ordinateur</translation>
    </message>
    <message>
        <source>Letter case</source>
        <translation>Casse des lettres</translation>
    </message>
    <message>
        <source>not checked, no track 1 came</source>
        <translation>non vérifié, la piste 1 n&apos;est pas arrivée</translation>
    </message>
    <message>
        <source>no letters in track 1</source>
        <translation>aucune lettre dans la piste 1</translation>
    </message>
    <message>
        <source>track 1 letters arrived in upper case</source>
        <translation>les lettres de la piste 1 sont arrivées en majuscules</translation>
    </message>
    <message>
        <source>none the settings name</source>
        <translation>aucun de ceux que nomment les paramètres</translation>
    </message>
    <message>
        <source>track 1 holds upper-case letters only, but letters arrived in lower case from key %1; the reader&apos;s case mode is %2; %3</source>
        <translation>la piste 1 ne contient que des majuscules, mais des lettres sont arrivées en minuscules à partir de la touche %1 ; le mode de casse du lecteur est %2 ; %3</translation>
    </message>
    <message>
        <source>Caps Lock was on</source>
        <translation>Verr. Maj était activé</translation>
    </message>
    <message>
        <source>Caps Lock was off</source>
        <translation>Verr. Maj était désactivé</translation>
    </message>
    <message>
        <source>LRC</source>
        <translation>LRC</translation>
    </message>
    <message>
        <source>unexpected LRC-like character %1 after the end sentinel of track %2 (key %3), but Transmit LRC is off</source>
        <translation>caractère inattendu %1 semblable à un LRC après la sentinelle de fin de la piste %2 (touche %3), mais « Transmettre LRC » est désactivé</translation>
    </message>
    <message>
        <source>Transmit LRC is on, but no LRC came after the end sentinel of track %1 (key %2)</source>
        <translation>« Transmettre LRC » est activé, mais aucun LRC n&apos;est arrivé après la sentinelle de fin de la piste %1 (touche %2)</translation>
    </message>
    <message>
        <source>track %1 not checked, it holds characters outside its set</source>
        <translation>piste %1 non vérifiée, elle contient des caractères hors de son jeu de caractères</translation>
    </message>
    <message>
        <source>the LRC of track %1 came as %2 (key %3), expected %4</source>
        <translation>le LRC de la piste %1 est arrivé sous la forme %2 (touche %3), %4 était attendu</translation>
    </message>
    <message>
        <source>track %1 %2</source>
        <translation>piste %1 %2</translation>
    </message>
    <message>
        <source>not checked, no track came</source>
        <translation>non vérifié, aucune piste reçue</translation>
    </message>
    <message>
        <source>not checked, no track ended</source>
        <translation>non vérifié, aucune piste ne s&apos;est terminée</translation>
    </message>
    <message>
        <source>Transmit LRC is off, and none came</source>
        <translation>« Transmettre LRC » est désactivé, et aucun n&apos;est arrivé</translation>
    </message>
    <message>
        <source>Lock keys</source>
        <translation>Touches de verrouillage</translation>
    </message>
    <message>
        <source>1 press of Caps Lock, Num Lock or Scroll Lock left out of the card data</source>
        <translation>1 appui sur Verr. Maj, Verr. Num ou Arrêt défil exclu des données de la carte</translation>
    </message>
    <message>
        <source>%1 presses of Caps Lock, Num Lock or Scroll Lock left out of the card data</source>
        <translation>%1 appuis sur Verr. Maj, Verr. Num ou Arrêt défil exclus des données de la carte</translation>
    </message>
    <message>
        <source>Caps Lock was on during the swipe</source>
        <translation>Verr. Maj était activé pendant le passage</translation>
    </message>
    <message>
        <source>byte %1 holds %2, which names no keyboard terminator</source>
        <translation>l&apos;octet %1 contient la valeur %2, qui ne désigne aucun terminateur clavier</translation>
    </message>
    <message>
        <source>(ALT mode: each character as Alt + keypad code)</source>
        <translation>(mode ALT : chaque caractère sous forme de code Alt + pavé numérique)</translation>
    </message>
    <message>
        <source>Postamble</source>
        <translation>Postambule</translation>
    </message>
    <message>
        <source>not checked, the postamble holds the code %1, which no key types</source>
        <translation>non vérifié, le postambule contient le code %1, produit par aucune touche</translation>
    </message>
    <message>
        <source>none set</source>
        <translation>aucun défini</translation>
    </message>
    <message>
        <source> after the card data</source>
        <translation> après les données de la carte</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Terminator</source>
        <translation>Terminateur</translation>
    </message>
    <message>
        <source>not checked, %1</source>
        <translation>non vérifié, %1</translation>
    </message>
    <message>
        <source>not checked, the postamble did not come, so the end of the card data is unknown</source>
        <translation>non vérifié, le postambule n&apos;est pas venu, la fin des données de la carte est donc inconnue</translation>
    </message>
    <message>
        <source>the card data</source>
        <translation>les données de la carte</translation>
    </message>
    <message>
        <source>the postamble</source>
        <translation>le postambule</translation>
    </message>
    <message>
        <source>expected nothing after %1, came %2 at key %3</source>
        <translation>rien attendu après %1, reçu %2 à la touche %3</translation>
    </message>
    <message>
        <source>expected %1 after %2, the swipe ended after key %3</source>
        <translation>attendu %1 après %2, la lecture a fini après la touche %3</translation>
    </message>
    <message>
        <source>expected %1, came %2 at key %3</source>
        <translation>attendu %1, reçu %2 à la touche %3</translation>
    </message>
    <message>
        <source>the start sentinel of track %1 is the code %2, which no key types</source>
        <translation>la sentinelle de début de la piste %1 est le code %2, produit par aucune touche</translation>
    </message>
    <message>
        <source>the end sentinel is the code %1, which no key types</source>
        <translation>la sentinelle de fin est le code %1, produit par aucune touche</translation>
    </message>
    <message>
        <source>track %1 (1 character)</source>
        <translation>piste %1 (1 caractère)</translation>
    </message>
    <message>
        <source>track %1 (%2 characters)</source>
        <translation>piste %1 (%2 caractères)</translation>
    </message>
    <message>
        <source>the start sentinel %1 of track %2</source>
        <translation>la sentinelle de début %1 de la piste %2</translation>
    </message>
    <message>
        <source>a start sentinel</source>
        <translation>une sentinelle de début</translation>
    </message>
    <message>
        <source>expected %1 at key %2, came %3</source>
        <translation>attendu à la touche %2 : %1, reçu : %3</translation>
    </message>
    <message>
        <source>track %1 from key %2 has no end sentinel %3</source>
        <translation>la piste %1 à partir de la touche %2 n&apos;a pas de sentinelle de fin %3</translation>
    </message>
    <message>
        <source>no track came</source>
        <translation>aucune piste reçue</translation>
    </message>
    <message>
        <source>Preamble</source>
        <translation>Préambule</translation>
    </message>
    <message>
        <source>not checked, the preamble holds the code %1, which no key types</source>
        <translation>non vérifié, le préambule contient le code %1, produit par aucune touche</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Pistes</translation>
    </message>
    <message>
        <source>%1; then %2</source>
        <translation>%1 ; puis %2</translation>
    </message>
    <message>
        <source>Track order</source>
        <translation>Ordre des pistes</translation>
    </message>
    <message>
        <source>track %1 came twice (key %2)</source>
        <translation>piste %1 reçue deux fois (touche %2)</translation>
    </message>
    <message>
        <source>track %1 came after track %2 (key %3), the order is %4</source>
        <translation>piste %1 reçue après la piste %2 (touche %3), l&apos;ordre est %4</translation>
    </message>
    <message>
        <source>%1 in the order %2</source>
        <translation>%1 dans l&apos;ordre %2</translation>
    </message>
    <message>
        <source>Track selection</source>
        <translation>Sélection des pistes</translation>
    </message>
    <message>
        <source>track %1 came (key %2), but “%3” allows %4</source>
        <translation>piste %1 reçue (touche %2), mais « %3 » autorise %4</translation>
    </message>
    <message>
        <source>%1, allowed by “%2”</source>
        <translation>%1, autorisé par « %2 »</translation>
    </message>
    <message>
        <source>Reader attached</source>
        <translation>Lecteur branché</translation>
    </message>
    <message>
        <source>Path: %1</source>
        <translation>Chemin : %1</translation>
    </message>
    <message>
        <source>Serial number: %1</source>
        <translation>Numéro de série : %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>No reader attached</source>
        <translation>Aucun lecteur branché</translation>
    </message>
    <message>
        <source>Reader found but it cannot be opened</source>
        <translation>Lecteur trouvé, mais impossible de l’ouvrir</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Raison : %1</translation>
    </message>
    <message>
        <source>The Quorvel package installs the udev rule /usr/lib/udev/rules.d/70-quorvel.rules, which gives the person at the machine access to the reader (without the package, copy 70-quorvel.rules to /etc/udev/rules.d). Then run &quot;sudo udevadm control --reload&quot; and plug the reader in again. The rule does not cover a session without a seat, such as one over ssh.</source>
        <translation>Le paquet Quorvel installe la règle udev /usr/lib/udev/rules.d/70-quorvel.rules, qui donne à la personne devant la machine l&apos;accès au lecteur (sans le paquet, copiez 70-quorvel.rules dans /etc/udev/rules.d). Lancez ensuite « sudo udevadm control --reload » et rebranchez le lecteur. La règle ne couvre pas une session sans poste (seat), comme une session ssh.</translation>
    </message>
    <message>
        <source>; %1 did not come; the card may not have it</source>
        <translation>; %1 n’est pas arrivée ; la carte ne l’a peut-être pas</translation>
    </message>
    <message>
        <source>; %1 did not come; the card may not have them</source>
        <translation>; %1 ne sont pas arrivées ; la carte ne les a peut-être pas</translation>
    </message>
    <message>
        <source>%1 after track %2 (key %3)</source>
        <translation>%1 après la piste %2 (touche %3)</translation>
    </message>
    <message>
        <source>unexpected LRC-like characters %1, but Transmit LRC is off</source>
        <translation>caractères inattendus semblables à un LRC %1, mais « Transmettre LRC » est désactivé</translation>
    </message>
    <message>
        <source>track %1 holds %2 at key %3, outside its character set (%4)</source>
        <translation>la piste %1 contient %2 à la touche %3, hors de son jeu de caractères (%4)</translation>
    </message>
    <message>
        <source>space to _</source>
        <translation>espace à _</translation>
    </message>
    <message>
        <source>0 to ?</source>
        <translation>0 à ?</translation>
    </message>
    <message>
        <source>whether Caps Lock was on cannot be seen here</source>
        <translation>on ne peut pas voir ici si le verrouillage des majuscules était actif</translation>
    </message>
    <message>
        <source>; &apos;%1&apos; is a dead key on this layout</source>
        <translation>; &apos;%1&apos; est une touche morte sur cette disposition</translation>
    </message>
    <message>
        <source>%1 characters came as Alt + keypad codes; this computer does not turn them into characters, so programs here receive keypad digits with Num Lock on, and [Ins], [End], [Down] and the keypad&apos;s other keys with it off: %2</source>
        <translation>%1 caractères sont arrivés sous forme de codes Alt + pavé numérique ; cet ordinateur ne les convertit pas en caractères, les programmes reçoivent donc ici des chiffres du pavé numérique avec Verr Num actif, et [Ins], [End], [Down] et les autres touches du pavé avec Verr Num inactif : %2</translation>
    </message>
    <message>
        <source>in ALT mode every language types the same keys</source>
        <translation>en mode ALT, chaque langue tape les mêmes touches</translation>
    </message>
    <message>
        <source>the keys read alike on every layout</source>
        <translation>les touches se lisent de même sur chaque disposition</translation>
    </message>
    <message>
        <source>no letter came, or Caps Lock could not be seen</source>
        <translation>aucune lettre n&apos;est venue, ou le verrouillage majuscule n&apos;était pas visible</translation>
    </message>
    <message>
        <source>no field separator (=) came on track 2</source>
        <translation>aucun séparateur de champ (=) n&apos;est venu sur la piste 2</translation>
    </message>
    <message>
        <source>the track did not come, or cannot be told from another</source>
        <translation>la piste n&apos;est pas venue, ou ne se distingue pas d&apos;une autre</translation>
    </message>
    <message>
        <source>the swipes allow every value</source>
        <translation>les passages admettent toute valeur</translation>
    </message>
    <message>
        <source>the swipes disagree on %1</source>
        <translation>les passages se contredisent sur %1</translation>
    </message>
    <message>
        <source>the swipes disagree: no one set of settings types them all</source>
        <translation>les passages se contredisent : aucun réglage ne les tape tous</translation>
    </message>
    <message>
        <source>the keys read as no frame a reader types, on any layout</source>
        <translation>les touches ne forment, sur aucune disposition, une trame qu&apos;un lecteur tape</translation>
    </message>
    <message>
        <source>swipe %1 reads as no frame a reader types, on any layout</source>
        <translation>le passage %1 ne forme, sur aucune disposition, une trame qu&apos;un lecteur tape</translation>
    </message>
    <message>
        <source>also fits: %1</source>
        <translation>convient aussi : %1</translation>
    </message>
    <message>
        <source>– %1: not shown by these swipes: %2</source>
        <translation>– %1 : non montré par ces passages : %2</translation>
    </message>
    <message>
        <source>Cannot be told from a swipe: %1</source>
        <translation>Impossible à déduire d&apos;un passage : %1</translation>
    </message>
    <message>
        <source>Pauses between characters: median %1 ms (%2 is %3 in these settings)</source>
        <translation>Pauses entre les caractères : médiane %1 ms (%2 vaut %3 dans ces réglages)</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1 : %2 → %3</translation>
    </message>
    <message>
        <source>Change these settings to what the reader is set to?

%1</source>
        <translation>Modifier ces réglages selon ceux du lecteur ?

%1</translation>
    </message>
</context>
<context>
    <name>quorvel::AboutPage</name>
    <message>
        <source>none: %1, named in %2, was not found</source>
        <translation>aucun : %1, indiqué dans %2, est introuvable</translation>
    </message>
    <message>
        <source>none: %1 was not found beside this program or on the search path</source>
        <translation>aucun : %1 est introuvable à côté de ce programme et dans le chemin de recherche</translation>
    </message>
    <message>
        <source>%1, which needs wine; wine was not found</source>
        <translation>%1, qui nécessite wine ; wine est introuvable</translation>
    </message>
    <message>
        <source>%1, run by %2</source>
        <translation>%1, exécuté par %2</translation>
    </message>
    <message>
        <source>%1 (named in %2)</source>
        <translation>%1 (indiqué dans %2)</translation>
    </message>
    <message>
        <source>%1 (built with %2)</source>
        <translation>%1 (compilé avec %2)</translation>
    </message>
    <message>
        <source>Quorvel %1</source>
        <translation>Quorvel %1</translation>
    </message>
    <message>
        <source>Settings for Brisk/Corda/Mallow magnetic stripe card readers</source>
        <translation>Réglages des lecteurs de cartes magnétiques Brisk/Corda/Mallow</translation>
    </message>
    <message>
        <source>License: %1</source>
        <translation>Licence : %1</translation>
    </message>
    <message>
        <source>Qt: %1</source>
        <translation>Qt : %1</translation>
    </message>
    <message>
        <source>hidapi: %1</source>
        <translation>hidapi : %1</translation>
    </message>
    <message>
        <source>Default.mag: %1</source>
        <translation>Default.mag : %1</translation>
    </message>
    <message>
        <source>Companion program: %1</source>
        <translation>Programme compagnon : %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>À propos de Quorvel</translation>
    </message>
    <message>
        <source>none: %1</source>
        <translation>aucun : %1</translation>
    </message>
</context>
<context>
    <name>quorvel::AmblePage</name>
    <message>
        <source>Preamble &amp; Postamble</source>
        <translation>Préambule &amp; postambule</translation>
    </message>
    <message>
        <source>Preamble or Postamble Data Setting O.K.</source>
        <translation>Réglage du préambule ou du postambule O.K.</translation>
    </message>
    <message>
        <source>Preamble Setting :</source>
        <translation>Préambule :</translation>
    </message>
    <message>
        <source>Postamble Setting :</source>
        <translation>Postambule :</translation>
    </message>
    <message>
        <source>Preamble %1</source>
        <translation>Préambule %1</translation>
    </message>
    <message>
        <source>Postamble %1</source>
        <translation>Postambule %1</translation>
    </message>
    <message>
        <source>(Click button to set preamble character or postamble character )  </source>
        <translation>(Cliquez sur un bouton pour définir un caractère de préambule ou de postambule)  </translation>
    </message>
    <message>
        <source>Current preamble and postamble setting will be changed to factory default. Are you sure ?(Y/N) </source>
        <translation>Le réglage actuel du préambule et du postambule va être remplacé par le réglage d&apos;usine. Êtes-vous sûr ? (O/N) </translation>
    </message>
    <message>
        <source>Value must be 0~255</source>
        <translation>La valeur doit être comprise entre 0 et 255</translation>
    </message>
    <message>
        <source>Invalid Preamble string setting</source>
        <translation>Chaîne de préambule non valide</translation>
    </message>
    <message>
        <source>Invalid Postamble string setting</source>
        <translation>Chaîne de postambule non valide</translation>
    </message>
</context>
<context>
    <name>quorvel::AsciiTablePicker</name>
    <message>
        <source>RS-232 Interface   ASCII Table</source>
        <translation>Interface RS-232   Table ASCII</translation>
    </message>
    <message>
        <source>ASCII Table</source>
        <translation>Table ASCII</translation>
    </message>
</context>
<context>
    <name>quorvel::CharacterEntry</name>
    <message>
        <source>Click mouse right button to clear</source>
        <translation>Clic droit pour effacer</translation>
    </message>
    <message>
        <source>%1 code</source>
        <translation>Code %1</translation>
    </message>
</context>
<context>
    <name>quorvel::ComparePage</name>
    <message>
        <source>Factory Settings</source>
        <translation>Réglages d&apos;usine</translation>
    </message>
    <message>
        <source>Settings File...</source>
        <translation>Fichier de réglages...</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>Comparer avec</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Différences</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Réglage</translation>
    </message>
    <message>
        <source>This Image</source>
        <translation>Cette image</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Choose what to compare this image with.</source>
        <translation>Choisissez avec quoi comparer cette image.</translation>
    </message>
    <message>
        <source>Compared with: %1 (%2)</source>
        <translation>Comparé avec : %1 (%2)</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Aucune différence.</translation>
    </message>
    <message>
        <source>1 difference.</source>
        <translation>1 différence.</translation>
    </message>
    <message>
        <source>%1 differences.</source>
        <translation>%1 différences.</translation>
    </message>
</context>
<context>
    <name>quorvel::InterCharDelayPage</name>
    <message>
        <source>Intercharacter Delay</source>
        <translation>Délai intercaractère</translation>
    </message>
    <message>
        <source>Intercharacter Delay Setting O.K.</source>
        <translation>Réglage du délai intercaractère O.K.</translation>
    </message>
    <message>
        <source>Current Intercharacter delay setting will be changed to factory default. Are you sure ?(Y/N) </source>
        <translation>Le réglage actuel du délai intercaractère va être remplacé par le réglage d&apos;usine. Êtes-vous sûr ? (O/N) </translation>
    </message>
</context>
<context>
    <name>quorvel::KeyboardPicker</name>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Keyboard Interface</source>
        <translation>Interface clavier</translation>
    </message>
    <message>
        <source>Caps</source>
        <translation>Verr. maj.</translation>
    </message>
    <message>
        <source>ASCII Table</source>
        <translation>Table ASCII</translation>
    </message>
</context>
<context>
    <name>quorvel::LanguagePage</name>
    <message>
        <source>Keyboard Language</source>
        <translation>Langue du clavier</translation>
    </message>
    <message>
        <source>Language for Keyboard Interface Setting O.K.</source>
        <translation>Réglage de la langue de l&apos;interface clavier O.K.</translation>
    </message>
    <message>
        <source>Current language setting will be changed to factory default. Are you sure ?(Y/N) </source>
        <translation>Le réglage actuel de la langue va être remplacé par le réglage d&apos;usine. Êtes-vous sûr ? (O/N) </translation>
    </message>
</context>
<context>
    <name>quorvel::MagneticPage</name>
    <message>
        <source>Magnetic Card :</source>
        <translation>Carte magnétique :</translation>
    </message>
    <message>
        <source>Magnetic Card Setting O.K.</source>
        <translation>Réglage de la carte magnétique O.K.</translation>
    </message>
    <message>
        <source>ID Character</source>
        <translation>Caractères d&apos;identification</translation>
    </message>
    <message>
        <source>Data Format</source>
        <translation>Format des données</translation>
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
        <translation>L&apos;ordre actuel des pistes va être remplacé par le réglage d&apos;usine. Êtes-vous sûr ? (O/N) </translation>
    </message>
    <message>
        <source>Current track selection setting will be changed to factory default. Are you sure ?(Y/N) </source>
        <translation>La sélection actuelle des pistes va être remplacée par le réglage d&apos;usine. Êtes-vous sûr ? (O/N) </translation>
    </message>
    <message>
        <source>Current ID character setting will be changed to factory default. Are you sure ?(Y/N) </source>
        <translation>Le réglage actuel des caractères d&apos;identification va être remplacé par le réglage d&apos;usine. Êtes-vous sûr ? (O/N) </translation>
    </message>
    <message>
        <source>Current data format setting will be changed to factory default. Are you sure ?(Y/N) </source>
        <translation>Le format actuel des données va être remplacé par le réglage d&apos;usine. Êtes-vous sûr ? (O/N) </translation>
    </message>
</context>
<context>
    <name>quorvel::MainWindow</name>
    <message>
        <source>Quorvel for Brisk/Corda/Mallow Setting Application.</source>
        <translation>Quorvel – programme de réglage pour Brisk/Corda/Mallow.</translation>
    </message>
    <message>
        <source>Do you want to save your setting ? (Y/N) </source>
        <translation>Voulez-vous enregistrer vos réglages ? (O/N) </translation>
    </message>
    <message>
        <source>O.K.</source>
        <translation>O.K.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Data not saved ! </source>
        <translation>Données non enregistrées ! </translation>
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
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Réglage</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Transmettre</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Current Data will be changed to factory default value. Are you sure ? </source>
        <translation>Les données actuelles vont être remplacées par les valeurs d&apos;usine. Êtes-vous sûr ? </translation>
    </message>
    <message>
        <source>Can&apos;t change to default value.</source>
        <translation>Impossible de revenir aux valeurs par défaut.</translation>
    </message>
    <message>
        <source>All Data has been changed to factory default value ! </source>
        <translation>Toutes les données ont été remplacées par les valeurs d&apos;usine ! </translation>
    </message>
    <message>
        <source>All Data has been changed to default value ! </source>
        <translation>Toutes les données ont été remplacées par les valeurs par défaut ! </translation>
    </message>
    <message>
        <source>O.K.</source>
        <translation>O.K.</translation>
    </message>
    <message>
        <source>Data not saved ! </source>
        <translation>Données non enregistrées ! </translation>
    </message>
</context>
<context>
    <name>quorvel::Model</name>
    <message>
        <source>the preamble</source>
        <translation>le préambule</translation>
    </message>
    <message>
        <source>the postamble</source>
        <translation>le postambule</translation>
    </message>
    <message>
        <source>the card holds none of %1, which “%2” sends</source>
        <translation>la carte ne contient aucune des %1 qu’envoie « %2 »</translation>
    </message>
    <message>
        <source>%1 holds the code %2, which no key types</source>
        <translation>%1 contient le code %2, qu’aucune touche ne tape</translation>
    </message>
    <message>
        <source>%1 holds %2, which no key of %3 types</source>
        <translation>%1 contient %2, qu’aucune touche de %3 ne tape</translation>
    </message>
    <message>
        <source>the start sentinel of track %1</source>
        <translation>la sentinelle de début de la piste %1</translation>
    </message>
    <message>
        <source>track %1 holds a character that no key of %2 types</source>
        <translation>la piste %1 contient un caractère qu’aucune touche de %2 ne tape</translation>
    </message>
    <message>
        <source>the end sentinel</source>
        <translation>la sentinelle de fin</translation>
    </message>
    <message>
        <source>the LRC of track %1</source>
        <translation>le LRC de la piste %1</translation>
    </message>
    <message>
        <source>the LRC of track %1 cannot be told: a character from its start sentinel to its end sentinel lies outside the track&apos;s character set</source>
        <translation>le LRC de la piste %1 ne peut être déterminé : un caractère entre ses sentinelles de début et de fin est hors du jeu de caractères de la piste</translation>
    </message>
    <message>
        <source>the terminator</source>
        <translation>le terminateur</translation>
    </message>
    <message>
        <source>byte %1 holds %2, which names no keyboard language</source>
        <translation>l’octet %1 contient %2, qui ne désigne aucune langue de clavier</translation>
    </message>
</context>
<context>
    <name>quorvel::ParameterPage</name>
    <message>
        <source>General Parameter </source>
        <translation>Paramètres généraux </translation>
    </message>
    <message>
        <source>General Parameter Setting O.K.</source>
        <translation>Réglage des paramètres généraux O.K.</translation>
    </message>
    <message>
        <source>Current general parameter setting will be changed to factory default. Are you sure ?(Y/N) </source>
        <translation>Les paramètres généraux actuels vont être remplacés par le réglage d&apos;usine. Êtes-vous sûr ? (O/N) </translation>
    </message>
</context>
<context>
    <name>quorvel::ReaderGuess</name>
    <message>
        <source>the tracks came in the order %1</source>
        <translation>les pistes sont venues dans l&apos;ordre %1</translation>
    </message>
    <message>
        <source>%1 came</source>
        <translation>%1 est venu</translation>
    </message>
    <message>
        <source>the character after each end sentinel is the track&apos;s LRC</source>
        <translation>le caractère après chaque sentinelle de fin est le LRC de la piste</translation>
    </message>
    <message>
        <source>no LRC came after the end sentinels</source>
        <translation>aucun LRC n&apos;est venu après les sentinelles de fin</translation>
    </message>
    <message>
        <source>track 2 went on past its field separator (=)</source>
        <translation>la piste 2 a continué au-delà de son séparateur de champ (=)</translation>
    </message>
    <message>
        <source>the first character of track %1</source>
        <translation>le premier caractère de la piste %1</translation>
    </message>
    <message>
        <source>the character that ends each track</source>
        <translation>le caractère qui termine chaque piste</translation>
    </message>
    <message>
        <source>no key came after the postamble</source>
        <translation>aucune touche n&apos;est venue après le postambule</translation>
    </message>
    <message>
        <source>the last key of the swipe</source>
        <translation>la dernière touche du passage</translation>
    </message>
    <message>
        <source>the keys&apos; positions read as a frame on its layout</source>
        <translation>les positions des touches forment une trame sur sa disposition</translation>
    </message>
    <message>
        <source>the characters came as Alt + keypad codes</source>
        <translation>les caractères sont venus en codes Alt + pavé numérique</translation>
    </message>
    <message>
        <source>the characters came as keys of the layout</source>
        <translation>les caractères sont venus en touches de la disposition</translation>
    </message>
    <message>
        <source>Caps Lock on</source>
        <translation>verrouillage majuscule activé</translation>
    </message>
    <message>
        <source>Caps Lock off</source>
        <translation>verrouillage majuscule désactivé</translation>
    </message>
    <message>
        <source>letters came in the opposite case, for Caps Lock to turn them (%1)</source>
        <translation>les lettres sont venues dans la casse inverse, pour que le verrouillage majuscule les inverse (%1)</translation>
    </message>
    <message>
        <source>letters came in their own case (%1)</source>
        <translation>les lettres sont venues dans leur propre casse (%1)</translation>
    </message>
    <message>
        <source>nothing came before the first track</source>
        <translation>rien n&apos;est venu avant la première piste</translation>
    </message>
    <message>
        <source>the keys before the first track</source>
        <translation>les touches avant la première piste</translation>
    </message>
    <message>
        <source>nothing came between the last track and the terminator</source>
        <translation>rien n&apos;est venu entre la dernière piste et le terminateur</translation>
    </message>
    <message>
        <source>the keys between the last track and the terminator</source>
        <translation>les touches entre la dernière piste et le terminateur</translation>
    </message>
</context>
<context>
    <name>quorvel::ReaderSettingsSection</name>
    <message>
        <source>What this reader is set to</source>
        <translation>Ce à quoi ce lecteur est réglé</translation>
    </message>
    <message>
        <source>Use the reader&apos;s settings</source>
        <translation>Reprendre les réglages du lecteur</translation>
    </message>
</context>
<context>
    <name>quorvel::SettingFields</name>
    <message>
        <source>Track Order</source>
        <translation>Ordre des pistes</translation>
    </message>
    <message>
        <source>Track Selection</source>
        <translation>Sélection des pistes</translation>
    </message>
    <message>
        <source>Transmit LRC</source>
        <translation>Transmettre le LRC</translation>
    </message>
    <message>
        <source>Track 2 Account No. Only</source>
        <translation>Numéro de compte de la piste 2 seulement</translation>
    </message>
    <message>
        <source>IBM Format</source>
        <translation>Format IBM</translation>
    </message>
    <message>
        <source>Track 1 Start Sentinel</source>
        <translation>Sentinelle de début piste 1</translation>
    </message>
    <message>
        <source>Track 2 Start Sentinel</source>
        <translation>Sentinelle de début piste 2</translation>
    </message>
    <message>
        <source>Track 3 Start Sentinel</source>
        <translation>Sentinelle de début piste 3</translation>
    </message>
    <message>
        <source>Track 1/2/3 End Sentinel</source>
        <translation>Sentinelle de fin pistes 1/2/3</translation>
    </message>
    <message>
        <source>STX Character</source>
        <translation>Caractère STX</translation>
    </message>
    <message>
        <source>Track 1 DLE Character</source>
        <translation>Caractère DLE piste 1</translation>
    </message>
    <message>
        <source>Track 2 DLE Character</source>
        <translation>Caractère DLE piste 2</translation>
    </message>
    <message>
        <source>Track 3 DLE Character</source>
        <translation>Caractère DLE piste 3</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>RS-232</source>
        <translation>RS-232</translation>
    </message>
    <message>
        <source>Language for Keyboard Interface</source>
        <translation>Langue de l&apos;interface clavier</translation>
    </message>
    <message>
        <source>ALT Mode</source>
        <translation>Mode ALT</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Casse</translation>
    </message>
    <message>
        <source>Buzzer Pitch</source>
        <translation>Hauteur du bip</translation>
    </message>
    <message>
        <source>Buzzer Duration</source>
        <translation>Durée du bip</translation>
    </message>
    <message>
        <source>Power On Beeper</source>
        <translation>Bip à la mise sous tension</translation>
    </message>
    <message>
        <source>Start Keyboard Setting</source>
        <translation>Valeur initiale clavier</translation>
    </message>
    <message>
        <source>Start RS-232 Setting</source>
        <translation>Valeur initiale RS-232</translation>
    </message>
    <message>
        <source>Preamble</source>
        <translation>Préambule</translation>
    </message>
    <message>
        <source>Postamble</source>
        <translation>Postambule</translation>
    </message>
</context>
<context>
    <name>quorvel::SettingPage</name>
    <message>
        <source>Accept</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Défaut</translation>
    </message>
    <message>
        <source>Value must be 0~255</source>
        <translation>La valeur doit être comprise entre 0 et 255</translation>
    </message>
    <message>
        <source>%1 :</source>
        <translation>%1 :</translation>
    </message>
    <message>
        <source>%1 : </source>
        <translation>%1 : </translation>
    </message>
    <message>
        <source>%1  : </source>
        <translation>%1 : </translation>
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
        <translation>Autres octets</translation>
    </message>
    <message>
        <source>byte %1</source>
        <translation>octet %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
</context>
<context>
    <name>quorvel::SummaryPage</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
</context>
<context>
    <name>quorvel::SwipeAnalysis</name>
    <message>
        <source>expected %1%2, the swipe ended after key %3</source>
        <translation>attendu %1%2, la lecture a fini après la touche %3</translation>
    </message>
    <message>
        <source>expected %1%2, came %3 instead of %4 at key %5</source>
        <translation>attendu %1%2, reçu %3 au lieu de %4 à la touche %5</translation>
    </message>
    <message>
        <source>1 key</source>
        <translation>1 touche</translation>
    </message>
    <message>
        <source>%1 keys in %2 ms; gaps between keys: smallest %3 ms, median %4 ms, largest %5 ms</source>
        <translation>%1 touches en %2 ms ; écarts entre touches : minimum %3 ms, médiane %4 ms, maximum %5 ms</translation>
    </message>
</context>
<context>
    <name>quorvel::SwipeCapture</name>
    <message>
        <source>Swipe capture</source>
        <translation>Capture de lecture</translation>
    </message>
    <message>
        <source>Click here, then swipe a card. Every key typed here is recorded; Ctrl+Tab moves on.</source>
        <translation>Cliquez ici, puis passez une carte. Chaque touche tapée ici est enregistrée ; Ctrl+Tab passe à la suite.</translation>
    </message>
    <message>
        <source>Every key typed here is recorded; Ctrl+Tab moves on.</source>
        <translation>Chaque touche tapée ici est enregistrée ; Ctrl+Tab passe à la suite.</translation>
    </message>
    <message>
        <source>Click here, then swipe a card</source>
        <translation>Cliquez ici, puis passez une carte</translation>
    </message>
</context>
<context>
    <name>quorvel::SwipeFrame</name>
    <message>
        <source>byte %1 holds the track order code %2, which names no order</source>
        <translation>l&apos;octet %1 contient le code d&apos;ordre des pistes %2, qui ne désigne aucun ordre</translation>
    </message>
    <message>
        <source>byte %1 holds %2, which names no track selection</source>
        <translation>l&apos;octet %1 contient la valeur %2, qui ne désigne aucune sélection de pistes</translation>
    </message>
</context>
<context>
    <name>quorvel::SwipeTestPage</name>
    <message>
        <source>%1 not checked</source>
        <translation>%1 non vérifié</translation>
    </message>
    <message>
        <source>checks: %1</source>
        <translation>vérifications : %1</translation>
    </message>
    <message>
        <source>Show card numbers</source>
        <translation>Afficher les numéros de carte</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Swipes</source>
        <translation>Lectures</translation>
    </message>
    <message>
        <source>Swipe checks</source>
        <translation>Vérifications de lecture</translation>
    </message>
    <message>
        <source>Swipe gap</source>
        <translation>Pause de lecture</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Swipe gap:</source>
        <translation>Pause de lecture :</translation>
    </message>
    <message>
        <source>Swipe Test</source>
        <translation>Test de lecture</translation>
    </message>
    <message>
        <source>Expected: %1</source>
        <translation>Attendu : %1</translation>
    </message>
    <message>
        <source>Swipe %1: %2
%3; %4</source>
        <translation>Lecture %1 : %2
%3 ; %4</translation>
    </message>
    <message>
        <source>Swipe checks of swipe %1</source>
        <translation>Vérifications de la lecture %1</translation>
    </message>
    <message>
        <source>Keys typed now do not reach the Swipe Test: click the box above before swiping.</source>
        <translation>Les touches tapées maintenant n&apos;atteignent pas le test de passage : cliquez dans la zone ci-dessus avant de passer la carte.</translation>
    </message>
    <message>
        <source>Swipe %1, reader sent: %2
This computer received: %3
%4; %5</source>
        <translation>Passage %1, envoyé par le lecteur : %2
Reçu par cet ordinateur : %3
%4 ; %5</translation>
    </message>
    <message>
        <source>Use %1 for the reader</source>
        <translation>Utiliser %1 pour le lecteur</translation>
    </message>
    <message>
        <source>A swipe ends at a pause longer than this, and after the reader&apos;s terminator key</source>
        <translation>Un passage se termine après une pause plus longue que celle-ci, et après la touche de fin du lecteur</translation>
    </message>
</context>
<context>
    <name>quorvel::TableView</name>
    <message>
        <source>Settings table</source>
        <translation>Table des réglages</translation>
    </message>
    <message>
        <source>Double click to refresh</source>
        <translation>Double-cliquez pour actualiser</translation>
    </message>
</context>
<context>
    <name>quorvel::TerminatorPage</name>
    <message>
        <source>Terminator</source>
        <translation>Terminateur</translation>
    </message>
    <message>
        <source>Terminator Setting O.K.</source>
        <translation>Réglage du terminateur O.K.</translation>
    </message>
    <message>
        <source>Current keyboard terminator setting will be changed to factory default. Are you sure ?(Y/N) </source>
        <translation>Le terminateur clavier actuel va être remplacé par le réglage d&apos;usine. Êtes-vous sûr ? (O/N) </translation>
    </message>
</context>
<context>
    <name>quorvel::TransmitPage</name>
    <message>
        <source>Transmit :</source>
        <translation>Transmettre :</translation>
    </message>
    <message>
        <source>Transmit settings from USB interface:</source>
        <translation>Transmettre les réglages par l&apos;interface USB :</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Transmettre</translation>
    </message>
    <message>
        <source>Device not found. Please plug in your device.</source>
        <translation>Appareil introuvable. Veuillez brancher votre appareil.</translation>
    </message>
    <message>
        <source>A card reader is plugged in, but it could not be opened: %1</source>
        <translation>Un lecteur de cartes est branché, mais il n&apos;a pas pu être ouvert : %1</translation>
    </message>
    <message>
        <source>Transmitting settings…</source>
        <translation>Transmission des réglages…</translation>
    </message>
    <message>
        <source>Companion program ended normally at %1</source>
        <translation>Programme compagnon terminé normalement à %1</translation>
    </message>
    <message>
        <source>Companion program ended with status %1 at %2</source>
        <translation>Programme compagnon terminé avec le statut %1 à %2</translation>
    </message>
    <message>
        <source>Companion program ended abnormally at %1</source>
        <translation>Programme compagnon terminé anormalement à %1</translation>
    </message>
    <message>
        <source>Settings not transmitted at %1</source>
        <translation>Paramètres non transmis à %1</translation>
    </message>
    <message>
        <source>Companion program was stopped at %1</source>
        <translation>Programme compagnon arrêté à %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stop the companion program? The reader may not have received all of the settings.</source>
        <translation>Arrêter le programme compagnon ? Le lecteur n’a peut-être pas reçu tous les réglages.</translation>
    </message>
    <message>
        <source>Waiting for another transmission from this folder to end…</source>
        <translation>Attente de la fin d’une autre transmission depuis ce dossier…</translation>
    </message>
</context>
</TS>
