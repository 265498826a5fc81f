<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Config</name>
    <message>
        <source>Out of Space</source>
        <translation>Espace insuffisant</translation>
    </message>
    <message>
        <source>There was a problem creating
Configuration Information 
for this program.

Please free up some space and
try again.</source>
        <translation>Un problème est survenu lors de
la création des informations de
configuration de ce programme.

Veuillez libérer de l&apos;espace
et réessayer.</translation>
    </message>
    <message>
        <source>As root, this program writes nothing in %1, which belongs to another user: run it as that user.</source>
        <translation>En tant que root, ce programme n&apos;écrit rien dans %1, qui appartient à un autre utilisateur&#xa0;: lancez-le en tant que cet utilisateur.</translation>
    </message>
</context>
<context>
    <name>ConnectionPanel</name>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Dialling…</source>
        <translation>Numérotation…</translation>
    </message>
    <message>
        <source>Connected to the modem</source>
        <translation>Connecté au modem</translation>
    </message>
    <message>
        <source>Authenticating…</source>
        <translation>Authentification…</translation>
    </message>
    <message>
        <source>Connected: %1 to %2, name servers %3, for %4; %5 in, %6 out</source>
        <extracomment>%1 local address, %2 remote address, %3 name servers, %4 duration (h:mm:ss), %5 and %6 amounts of data</extracomment>
        <translation>Connecté&#xa0;: %1 à %2, serveurs de noms %3, depuis %4&#xa0;; %5 reçus, %6 envoyés</translation>
    </message>
    <message>
        <source>Waiting for traffic</source>
        <translation>En attente de trafic</translation>
    </message>
    <message>
        <source>Disconnecting…</source>
        <translation>Déconnexion…</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>Disconnected: %1</source>
        <translation>Déconnecté&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>PPPConfig</name>
    <message>
        <source>These files could not be written:</source>
        <translation>Ces fichiers n&apos;ont pas pu être écrits&#xa0;:</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>DUN Search</source>
        <translation>Recherche DUN</translation>
    </message>
    <message>
        <source>Searching for Bluetooth dial-up services...</source>
        <translation>Recherche des services d&apos;accès commuté Bluetooth...</translation>
    </message>
    <message>
        <source>Can&apos;t get DUN info.</source>
        <translation>Impossible d&apos;obtenir les informations DUN.</translation>
    </message>
    <message>
        <source>Nothing was saved: the peer file %1 was kept.
Choose another account name.</source>
        <translation>Rien n&apos;a été enregistré&#xa0;: le fichier de pair %1 a été conservé.
Choisissez un autre nom de compte.</translation>
    </message>
    <message>
        <source>The peer file %1 belongs to no account of this program.
Replace it?</source>
        <translation>Le fichier de pair %1 n&apos;appartient à aucun compte de ce programme.
Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>No file was written:</source>
        <translation>Aucun fichier n&apos;a été écrit&#xa0;:</translation>
    </message>
    <message>
        <source>Binding the phone over Bluetooth...</source>
        <translation>Liaison du téléphone par Bluetooth...</translation>
    </message>
    <message>
        <source>The Bluetooth binding did not succeed:</source>
        <translation>La liaison Bluetooth n&apos;a pas réussi&#xa0;:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>The peer file %1 was not removed:</source>
        <translation>Le fichier de pair %1 n&apos;a pas été supprimé&#xa0;:</translation>
    </message>
    <message>
        <source>Writing the system files...</source>
        <translation>Écriture des fichiers système...</translation>
    </message>
    <message>
        <source>The window closes when this has ended.</source>
        <translation>La fenêtre se fermera une fois ceci terminé.</translation>
    </message>
    <message>
        <source>The system files were not written:</source>
        <translation>Les fichiers système n&apos;ont pas été écrits&#xa0;:</translation>
    </message>
    <message>
        <source>The account&apos;s own settings were saved.</source>
        <translation>Les paramètres propres au compte ont été enregistrés.</translation>
    </message>
    <message>
        <source>The settings file %1 was not removed: %2</source>
        <translation>Le fichier de paramètres %1 n&apos;a pas été supprimé&#xa0;: %2</translation>
    </message>
    <message>
        <source>The account was kept.</source>
        <translation>Le compte a été conservé.</translation>
    </message>
    <message>
        <source>The peer file %1 belongs to no account of this program.
Remove it as well?</source>
        <translation>Le fichier de pair %1 n&apos;appartient à aucun compte de ce programme.
Le supprimer aussi&#xa0;?</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>The form holds changes that are not applied yet.</source>
        <translation>Le formulaire contient des modifications qui ne sont pas encore appliquées.</translation>
    </message>
    <message>
        <source>Apply and connect</source>
        <translation>Appliquer et connecter</translation>
    </message>
    <message>
        <source>Connect with the saved settings</source>
        <translation>Connecter avec les réglages enregistrés</translation>
    </message>
</context>
<context>
    <name>PPPConfigBase</name>
    <message>
        <source>Dial-up</source>
        <translation>Accès commuté</translation>
    </message>
    <message>
        <source>P&amp;hone:</source>
        <translation>&amp;Téléphone&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Mot de &amp;passe&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Username:</source>
        <translation>Nom d&apos;&amp;utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Make connect via</source>
        <translation>Se connecter par</translation>
    </message>
    <message>
        <source>&amp;Serial port</source>
        <translation>Port &amp;série</translation>
    </message>
    <message>
        <source>&amp;BlueTooth</source>
        <translation>&amp;Bluetooth</translation>
    </message>
    <message>
        <source>&amp;IrDA</source>
        <translation>&amp;IrDA</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>Delete account</source>
        <translation>Supprimer le compte</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>BT Device:</source>
        <translation>Périphérique BT&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Init string:</source>
        <translation>Chaîne d&apos;&amp;init&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Device:</source>
        <translation>&amp;Périphérique&#xa0;:</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>&amp;Hardware flow control</source>
        <translation>Contrôle de flux &amp;matériel</translation>
    </message>
    <message>
        <source>&amp;Time out:</source>
        <translation>&amp;Délai&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Speed:</source>
        <translation>&amp;Vitesse&#xa0;:</translation>
    </message>
    <message>
        <source>BT D&amp;UN:</source>
        <translation>D&amp;UN BT&#xa0;:</translation>
    </message>
    <message>
        <source>Sea&amp;rch</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>Demand Dialing</source>
        <translation>Numérotation à la demande</translation>
    </message>
    <message>
        <source>&amp;Manual connect and disconnect</source>
        <translation>Connexion et déconnexion ma&amp;nuelles</translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> secondes</translation>
    </message>
    <message>
        <source>Id&amp;le timeout:</source>
        <translation>Dé&amp;lai d&apos;inactivité&#xa0;:</translation>
    </message>
    <message>
        <source>Automatic &amp;connect and disconnect</source>
        <translation>&amp;Connexion et déconnexion automatiques</translation>
    </message>
    <message>
        <source>Manual connect, &amp;automatic disconnect</source>
        <translation>Connexion manuelle, déconnexion &amp;automatique</translation>
    </message>
    <message>
        <source>BT &amp;PIN:</source>
        <translation>PIN B&amp;T&#xa0;:</translation>
    </message>
    <message>
        <source>Modem</source>
        <translation>Modem</translation>
    </message>
    <message>
        <source>Auto-detect &amp;name servers</source>
        <translation>Serveurs de &amp;noms automatiques</translation>
    </message>
    <message>
        <source>&amp;Gateway</source>
        <translation>&amp;Passerelle</translation>
    </message>
    <message>
        <source>Auto-detect &amp;routing</source>
        <translation>&amp;Routage automatique</translation>
    </message>
    <message>
        <source>&amp;First DNS</source>
        <translation>Premier &amp;DNS</translation>
    </message>
    <message>
        <source>&amp;Second DNS</source>
        <translation>&amp;Second DNS</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Install the package mobile-broadband-provider-info for the list of providers.</source>
        <translation>Installez le paquet mobile-broadband-provider-info pour la liste des opérateurs.</translation>
    </message>
    <message>
        <source>Provider…</source>
        <translation>Opérateur…</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
</context>
<context>
    <name>ProviderChooser</name>
    <message>
        <source>Provider</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>&amp;Country:</source>
        <translation>&amp;Pays&#xa0;:</translation>
    </message>
    <message>
        <source>P&amp;rovider:</source>
        <translation>&amp;Opérateur&#xa0;:</translation>
    </message>
    <message>
        <source>Type to filter</source>
        <translation>Tapez pour filtrer</translation>
    </message>
    <message>
        <source>P&amp;lan:</source>
        <translation>&amp;Forfait&#xa0;:</translation>
    </message>
    <message>
        <source>Access point name</source>
        <translation>Nom du point d&apos;accès (APN)</translation>
    </message>
    <message>
        <source>CDMA</source>
        <translation>CDMA</translation>
    </message>
    <message>
        <source>%1 (prepaid)</source>
        <translation>%1 (prépayé)</translation>
    </message>
    <message>
        <source>%1 (postpaid)</source>
        <translation>%1 (abonnement)</translation>
    </message>
    <message>
        <source>Not listed: type the access point name</source>
        <translation>Absent de la liste&#xa0;: saisir le point d&apos;accès</translation>
    </message>
    <message>
        <source>Could not read the list of providers: %1</source>
        <translation>Impossible de lire la liste des opérateurs&#xa0;: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Type the access point name your provider gives.</source>
        <translation>Saisissez le nom du point d&apos;accès que donne votre opérateur.</translation>
    </message>
    <message>
        <source>OK fills in: phone %1, user name %2; the init string stays.</source>
        <translation>OK remplit&#xa0;: téléphone %1, nom d&apos;utilisateur %2&#xa0;; la chaîne d&apos;init reste.</translation>
    </message>
    <message>
        <source>OK fills in: phone %1, init string %2, user name %3.</source>
        <translation>OK remplit&#xa0;: téléphone %1, chaîne d&apos;init %2, nom d&apos;utilisateur %3.</translation>
    </message>
</context>
<context>
    <name>ResultText</name>
    <message>
        <source>Username holds a control character, such as a line break.</source>
        <translation>Le nom d&apos;utilisateur contient un caractère de contrôle, comme un saut de ligne.</translation>
    </message>
    <message>
        <source>Password holds a control character, such as a line break.</source>
        <translation>Le mot de passe contient un caractère de contrôle, comme un saut de ligne.</translation>
    </message>
    <message>
        <source>Phone holds a control character, such as a line break.</source>
        <translation>Le numéro de téléphone contient un caractère de contrôle, comme un saut de ligne.</translation>
    </message>
    <message>
        <source>Device holds a control character, such as a line break.</source>
        <translation>Le périphérique contient un caractère de contrôle, comme un saut de ligne.</translation>
    </message>
    <message>
        <source>Init string holds a control character, such as a line break.</source>
        <translation>La chaîne d&apos;init contient un caractère de contrôle, comme un saut de ligne.</translation>
    </message>
    <message>
        <source>Speed holds a control character, such as a line break.</source>
        <translation>La vitesse contient un caractère de contrôle, comme un saut de ligne.</translation>
    </message>
    <message>
        <source>BT DUN holds a control character, such as a line break.</source>
        <translation>L&apos;entrée DUN BT contient un caractère de contrôle, comme un saut de ligne.</translation>
    </message>
    <message>
        <source>Gateway holds a control character, such as a line break.</source>
        <translation>La passerelle contient un caractère de contrôle, comme un saut de ligne.</translation>
    </message>
    <message>
        <source>First DNS holds a control character, such as a line break.</source>
        <translation>Le premier DNS contient un caractère de contrôle, comme un saut de ligne.</translation>
    </message>
    <message>
        <source>Second DNS holds a control character, such as a line break.</source>
        <translation>Le second DNS contient un caractère de contrôle, comme un saut de ligne.</translation>
    </message>
    <message>
        <source>A field holds a control character, such as a line break.</source>
        <translation>Un champ contient un caractère de contrôle, comme un saut de ligne.</translation>
    </message>
    <message>
        <source>Name begins or ends with a blank, which the account file cannot keep.</source>
        <translation>Le nom commence ou se termine par un espace, que le fichier du compte ne peut pas conserver.</translation>
    </message>
    <message>
        <source>Username begins or ends with a blank, which the account file cannot keep.</source>
        <translation>Le nom d&apos;utilisateur commence ou se termine par un espace, que le fichier du compte ne peut pas conserver.</translation>
    </message>
    <message>
        <source>Password begins or ends with a blank, which the account file cannot keep.</source>
        <translation>Le mot de passe commence ou se termine par un espace, que le fichier du compte ne peut pas conserver.</translation>
    </message>
    <message>
        <source>A field begins or ends with a blank, which the account file cannot keep.</source>
        <translation>Un champ commence ou se termine par un espace, que le fichier du compte ne peut pas conserver.</translation>
    </message>
    <message>
        <source>%1: could not be started</source>
        <extracomment>%1 is a command line; %2 what the command wrote as its error</extracomment>
        <translation>%1&#xa0;: n&apos;a pas pu être lancée</translation>
    </message>
    <message>
        <source>%1: could not be started: %2</source>
        <translation>%1&#xa0;: n&apos;a pas pu être lancée&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: crashed</source>
        <extracomment>%1 is a command line; %2 what the command wrote as its error</extracomment>
        <translation>%1&#xa0;: a planté</translation>
    </message>
    <message>
        <source>%1: crashed: %2</source>
        <translation>%1&#xa0;: a planté&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: did not finish in time and was stopped</source>
        <extracomment>%1 is a command line; %2 what the command wrote as its error</extracomment>
        <translation>%1&#xa0;: ne s&apos;est pas terminée à temps et a été arrêtée</translation>
    </message>
    <message>
        <source>%1: did not finish in time and was stopped: %2</source>
        <translation>%1&#xa0;: ne s&apos;est pas terminée à temps et a été arrêtée&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: failed with exit status %2</source>
        <extracomment>%1 is a command line, %2 its exit status; %3 what it wrote as its error</extracomment>
        <translation>%1&#xa0;: a échoué avec le code de sortie %2</translation>
    </message>
    <message>
        <source>%1: failed with exit status %2: %3</source>
        <translation>%1&#xa0;: a échoué avec le code de sortie %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>The helper refused the request: it is too long.</source>
        <translation>L&apos;assistant a refusé la requête&#xa0;: elle est trop longue.</translation>
    </message>
    <message>
        <source>The helper refused the request: it is no JSON object (%1).</source>
        <extracomment>%1 is the JSON reader&apos;s own text</extracomment>
        <translation>L&apos;assistant a refusé la requête&#xa0;: ce n&apos;est pas un objet JSON (%1).</translation>
    </message>
    <message>
        <source>The helper refused the request: it names no account.</source>
        <translation>L&apos;assistant a refusé la requête&#xa0;: elle ne nomme aucun compte.</translation>
    </message>
    <message>
        <source>The helper refused the request: the value &quot;%1&quot; is missing, too long or not of its kind.</source>
        <extracomment>%1 is the name of a value of the request, such as &quot;speed&quot;</extracomment>
        <translation>L&apos;assistant a refusé la requête&#xa0;: la valeur «&#xa0;%1&#xa0;» manque, est trop longue ou n&apos;est pas du bon type.</translation>
    </message>
    <message>
        <source>The helper refused the request: it holds values that are not an account&apos;s.</source>
        <translation>L&apos;assistant a refusé la requête&#xa0;: elle contient des valeurs qui ne sont pas celles d&apos;un compte.</translation>
    </message>
    <message>
        <source>The helper refused the request: its operation or fields are not one of an apply or a delete.</source>
        <translation>L&apos;assistant a refusé la requête&#xa0;: son opération ou ses champs ne sont ni ceux d&apos;une application ni ceux d&apos;une suppression.</translation>
    </message>
    <message>
        <source>The account has no name.</source>
        <translation>Le compte n&apos;a pas de nom.</translation>
    </message>
    <message>
        <source>The account name &quot;%1&quot; cannot be used as a file name: it must not hold &quot;/&quot; or a control character, nor be &quot;.&quot; or &quot;..&quot;.</source>
        <translation>Le nom de compte «&#xa0;%1&#xa0;» ne peut pas servir de nom de fichier&#xa0;: il ne doit contenir ni «&#xa0;/&#xa0;» ni caractère de contrôle, et ne doit pas être «&#xa0;.&#xa0;» ou «&#xa0;..&#xa0;».</translation>
    </message>
    <message>
        <source>Device must be one device path or name, without blanks, quotes, &quot;#&quot; or backslashes.</source>
        <translation>Le périphérique doit être un seul chemin ou nom de périphérique, sans espaces, guillemets, «&#xa0;#&#xa0;» ni barres obliques inverses.</translation>
    </message>
    <message>
        <source>Device must be a full path beginning with &quot;/&quot;, such as /dev/ttyS0.</source>
        <translation>Le périphérique doit être un chemin complet commençant par «&#xa0;/&#xa0;», comme /dev/ttyS0.</translation>
    </message>
    <message>
        <source>Speed must be one of %1.</source>
        <extracomment>Speeds are data: %1 is the list, such as &quot;4800, 9600, 19200&quot;</extracomment>
        <translation>La vitesse doit être l&apos;une des suivantes&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Password must not begin with &quot;@/&quot;: pppd would send the file it names.</source>
        <translation>Le mot de passe ne doit pas commencer par «&#xa0;@/&#xa0;»&#xa0;: pppd enverrait le fichier qu&apos;il nomme.</translation>
    </message>
    <message>
        <source>Demand Dialing holds a choice the form does not offer.</source>
        <translation>Numérotation à la demande contient un choix que le formulaire ne propose pas.</translation>
    </message>
    <message>
        <source>Idle timeout must be from %1 to %2 seconds.</source>
        <extracomment>%1 and %2 are the lowest and the highest number of seconds</extracomment>
        <translation>Le délai d&apos;inactivité doit être compris entre %1 et %2 secondes.</translation>
    </message>
    <message>
        <source>Time out must be from %1 to %2 seconds.</source>
        <extracomment>%1 and %2 are the lowest and the highest number of seconds</extracomment>
        <translation>Le délai doit être compris entre %1 et %2 secondes.</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Another program is changing the system files</source>
        <translation>Un autre programme est en train de modifier les fichiers système</translation>
    </message>
    <message>
        <source>A brace or a quote in it is left open</source>
        <translation>Une accolade ou un guillemet y est resté ouvert</translation>
    </message>
    <message>
        <source>A quote or a backslash in it is left open</source>
        <translation>Un guillemet ou une barre oblique inverse y est resté ouvert</translation>
    </message>
    <message>
        <source>A name or the password holds a control character</source>
        <translation>Un nom ou le mot de passe contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>The account name is not a plain file name</source>
        <translation>Le nom du compte n&apos;est pas un simple nom de fichier</translation>
    </message>
    <message>
        <source>The device &quot;%1&quot; is not a device in /dev/</source>
        <translation>Le périphérique «&#xa0;%1&#xa0;» n&apos;est pas un périphérique de /dev/</translation>
    </message>
    <message>
        <source>The device path &quot;%1&quot; names no device</source>
        <translation>Le chemin «&#xa0;%1&#xa0;» ne désigne aucun périphérique</translation>
    </message>
    <message>
        <source>BlueZ binds only /dev/rfcomm0 to /dev/rfcomm255, the number without leading zeros</source>
        <translation>BlueZ ne lie que /dev/rfcomm0 à /dev/rfcomm255, le nombre sans zéros en tête</translation>
    </message>
    <message>
        <source>No DUN entry is chosen: search for the phone first</source>
        <translation>Aucune entrée DUN n&apos;est choisie&#xa0;: recherchez d&apos;abord le téléphone</translation>
    </message>
    <message>
        <source>The DUN entry &quot;%1&quot; is not an address XX:XX:XX:XX:XX:XX followed by a comma and a channel from 1 to 30</source>
        <translation>L&apos;entrée DUN «&#xa0;%1&#xa0;» n&apos;est pas une adresse XX:XX:XX:XX:XX:XX suivie d&apos;une virgule et d&apos;un canal de 1 à 30</translation>
    </message>
    <message>
        <source>Bluetooth binding is not available on this system: the phone was not bound. Install BlueZ (the Debian package &quot;bluez&quot;) and apply again.</source>
        <translation>La liaison Bluetooth n&apos;est pas disponible sur ce système&#xa0;: le téléphone n&apos;a pas été lié. Installez BlueZ (le paquet Debian «&#xa0;bluez&#xa0;») et appliquez à nouveau.</translation>
    </message>
    <message>
        <source>The peer file %1 belongs to no account of this program.</source>
        <translation>Le fichier de pair %1 n&apos;appartient à aucun compte de ce programme.</translation>
    </message>
    <message>
        <source>Writing them needs the administrator&apos;s rights, which %1 asks for; it could not be started. Install the package &quot;pkexec&quot;, or run this program as root.</source>
        <extracomment>%1 is the program that asks for the password, normally pkexec</extracomment>
        <translation>Les écrire demande les droits d&apos;administrateur, que %1 demande&#xa0;; il n&apos;a pas pu être lancé. Installez le paquet «&#xa0;pkexec&#xa0;» ou lancez ce programme en tant que root.</translation>
    </message>
    <message>
        <source>The administrator&apos;s password was not given.</source>
        <translation>Le mot de passe administrateur n&apos;a pas été donné.</translation>
    </message>
    <message>
        <source>The system did not allow it, or the helper %1 is not installed.</source>
        <extracomment>%1 is the helper program&apos;s path</extracomment>
        <translation>Le système ne l&apos;a pas permis, ou l&apos;assistant %1 n&apos;est pas installé.</translation>
    </message>
    <message>
        <source>The helper&apos;s answer could not be read.</source>
        <translation>La réponse de l&apos;assistant n&apos;a pas pu être lue.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file, %2 why it could not be written, read or removed</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The file cannot be opened.</source>
        <translation>Le fichier ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>The file is too large to be a list of providers.</source>
        <translation>Le fichier est trop grand pour être une liste d&apos;opérateurs.</translation>
    </message>
    <message>
        <source>This is no list of mobile broadband providers.</source>
        <translation>Ce n&apos;est pas une liste d&apos;opérateurs mobiles.</translation>
    </message>
    <message>
        <source>The list has format &quot;%1&quot;; this program reads format 2.0.</source>
        <extracomment>%1 is the format the provider list names</extracomment>
        <translation>La liste est au format «&#xa0;%1&#xa0;»&#xa0;; ce programme lit le format 2.0.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is a line number of the provider list, %2 the XML reader&apos;s text</extracomment>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The helper refused the request: it asks to delete an account, which this helper does not do.</source>
        <translation>L&apos;assistant a refusé la requête&#xa0;: elle demande de supprimer un compte, ce que cet assistant ne fait pas.</translation>
    </message>
    <message>
        <source>The helper refused the request: it asks to apply an account, which this helper does not do.</source>
        <translation>L&apos;assistant a refusé la requête&#xa0;: elle demande d&apos;appliquer un compte, ce que cet assistant ne fait pas.</translation>
    </message>
    <message>
        <source>The connection was ended on request.</source>
        <translation>La connexion a été terminée à la demande.</translation>
    </message>
    <message>
        <source>pppd did not end within %1 seconds of being asked to and was stopped by force.</source>
        <translation>pppd ne s&apos;est pas terminé dans les %1 secondes après la demande et a été arrêté de force.</translation>
    </message>
    <message>
        <source>The other end closed the connection.</source>
        <translation>L&apos;autre extrémité a fermé la connexion.</translation>
    </message>
    <message>
        <source>pppd has ended; its log does not say why.</source>
        <translation>pppd s&apos;est terminé&#xa0;; son journal ne dit pas pourquoi.</translation>
    </message>
    <message>
        <source>The program %1 is not installed: install the package &quot;ppp&quot;.</source>
        <extracomment>%1 is the program&apos;s path</extracomment>
        <translation>Le programme %1 n&apos;est pas installé&#xa0;: installez le paquet «&#xa0;ppp&#xa0;».</translation>
    </message>
    <message>
        <source>The program %1 could not be started: %2</source>
        <extracomment>%1 is the program&apos;s path, %2 the system&apos;s reason</extracomment>
        <translation>Le programme %1 n&apos;a pas pu être lancé&#xa0;: %2</translation>
    </message>
    <message>
        <source>Only root and the members of the group %1 may dial: an administrator adds you with the command &quot;adduser %2 %1&quot;, and you log in again.</source>
        <extracomment>%1 is a group (dip), %2 the user&apos;s login name; the command is typed as it stands</extracomment>
        <translation>Seuls root et les membres du groupe %1 peuvent composer&#xa0;: un administrateur vous ajoute avec la commande «&#xa0;adduser %2 %1&#xa0;», puis vous vous reconnectez.</translation>
    </message>
    <message>
        <source>The connection log %1 could not be created, so nothing was dialled.</source>
        <translation>Le journal de connexion %1 n&apos;a pas pu être créé, rien n&apos;a donc été composé.</translation>
    </message>
    <message>
        <source>pppd (process %1) runs for another user and cannot be stopped from here.</source>
        <translation>pppd (processus %1) tourne pour un autre utilisateur et ne peut pas être arrêté d&apos;ici.</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; has no peer file: press Apply to write it, then Connect.</source>
        <translation>Le compte «&#xa0;%1&#xa0;» n&apos;a pas de fichier de pair&#xa0;: appuyez sur Appliquer pour l&apos;écrire, puis sur Connecter.</translation>
    </message>
    <message>
        <source>pppd stopped on a fatal error; the log tells which.</source>
        <translation>pppd s&apos;est arrêté sur une erreur fatale&#xa0;; le journal indique laquelle.</translation>
    </message>
    <message>
        <source>pppd refused an option of the peer file or of /etc/ppp/options; the log tells which.</source>
        <translation>pppd a refusé une option du fichier de pair ou de /etc/ppp/options&#xa0;; le journal indique laquelle.</translation>
    </message>
    <message>
        <source>pppd refused to run for you: it must be setuid root, and the peer file&apos;s options must be ones it grants you.</source>
        <translation>pppd refuse de tourner pour vous&#xa0;: il doit être setuid root, et les options du fichier de pair doivent être de celles qu&apos;il vous accorde.</translation>
    </message>
    <message>
        <source>The kernel offers no PPP: load its module ppp_generic.</source>
        <translation>Le noyau n&apos;offre pas PPP&#xa0;: chargez son module ppp_generic.</translation>
    </message>
    <message>
        <source>Another program stopped pppd.</source>
        <translation>Un autre programme a arrêté pppd.</translation>
    </message>
    <message>
        <source>Another program stopped pppd (signal %1).</source>
        <translation>Un autre programme a arrêté pppd (signal %1).</translation>
    </message>
    <message>
        <source>The port %1 is in use by another program.</source>
        <translation>Le port %1 est utilisé par un autre programme.</translation>
    </message>
    <message>
        <source>The port %1 is in use by %2 (process %3): end that program, then connect again.</source>
        <extracomment>%1 is a device name, %2 a program&apos;s name, %3 its process id</extracomment>
        <translation>Le port %1 est utilisé par %2 (processus %3)&#xa0;: terminez ce programme, puis connectez-vous à nouveau.</translation>
    </message>
    <message>
        <source>The port %1 could not be opened: check that the modem is plugged in and the device is right.</source>
        <translation>Le port %1 n&apos;a pas pu être ouvert&#xa0;: vérifiez que le modem est branché et que le périphérique est le bon.</translation>
    </message>
    <message>
        <source>ModemManager holds the modem on %1. To keep it away from that device, give the device the udev property ID_MM_DEVICE_IGNORE=1 in a rule under /etc/udev/rules.d, or stop ModemManager.</source>
        <translation>ModemManager tient le modem sur %1. Pour l&apos;en écarter, donnez au périphérique la propriété udev ID_MM_DEVICE_IGNORE=1 dans une règle sous /etc/udev/rules.d, ou arrêtez ModemManager.</translation>
    </message>
    <message>
        <source>The dialogue with the modem failed; the log shows where.</source>
        <translation>Le dialogue avec le modem a échoué&#xa0;; le journal montre où.</translation>
    </message>
    <message>
        <source>The line was busy.</source>
        <translation>La ligne était occupée.</translation>
    </message>
    <message>
        <source>The modem found no carrier: no modem answered the call.</source>
        <translation>Le modem n&apos;a trouvé aucune porteuse&#xa0;: aucun modem n&apos;a répondu à l&apos;appel.</translation>
    </message>
    <message>
        <source>The modem heard no dial tone: check the phone line.</source>
        <translation>Le modem n&apos;a entendu aucune tonalité&#xa0;: vérifiez la ligne téléphonique.</translation>
    </message>
    <message>
        <source>The modem answered ERROR: check the init string and the phone number.</source>
        <translation>Le modem a répondu ERROR&#xa0;: vérifiez la chaîne d&apos;initialisation et le numéro de téléphone.</translation>
    </message>
    <message>
        <source>The modem did not answer in time.</source>
        <translation>Le modem n&apos;a pas répondu à temps.</translation>
    </message>
    <message>
        <source>The modem answered %1, so dialling was given up.</source>
        <translation>Le modem a répondu %1, la numérotation a donc été abandonnée.</translation>
    </message>
    <message>
        <source>The link could not be negotiated with the other end.</source>
        <translation>La liaison n&apos;a pas pu être négociée avec l&apos;autre extrémité.</translation>
    </message>
    <message>
        <source>The other end refused to authenticate itself.</source>
        <translation>L&apos;autre extrémité a refusé de s&apos;authentifier.</translation>
    </message>
    <message>
        <source>The connection was idle for the idle timeout and was ended.</source>
        <translation>La connexion est restée inactive pendant le délai d&apos;inactivité et a été terminée.</translation>
    </message>
    <message>
        <source>The connection reached its time limit and was ended.</source>
        <translation>La connexion a atteint sa limite de temps et a été terminée.</translation>
    </message>
    <message>
        <source>The other end stopped answering and the connection was ended.</source>
        <translation>L&apos;autre extrémité a cessé de répondre et la connexion a été terminée.</translation>
    </message>
    <message>
        <source>The modem hung up.</source>
        <translation>Le modem a raccroché.</translation>
    </message>
    <message>
        <source>The line is looped back: the modem hears itself.</source>
        <translation>La ligne est bouclée&#xa0;: le modem s&apos;entend lui-même.</translation>
    </message>
    <message>
        <source>The modem&apos;s init script failed.</source>
        <translation>Le script d&apos;initialisation du modem a échoué.</translation>
    </message>
    <message>
        <source>Authentication failed: check the username and the password.</source>
        <extracomment>%1 is PAP or CHAP</extracomment>
        <translation>L&apos;authentification a échoué&#xa0;: vérifiez le nom d&apos;utilisateur et le mot de passe.</translation>
    </message>
    <message>
        <source>Authentication (%1) failed: check the username and the password.</source>
        <translation>L&apos;authentification (%1) a échoué&#xa0;: vérifiez le nom d&apos;utilisateur et le mot de passe.</translation>
    </message>
    <message>
        <source>pppd ended with exit status %1.</source>
        <translation>pppd s&apos;est terminé avec le code de sortie %1.</translation>
    </message>
    <message>
        <source>pppd crashed.</source>
        <translation>pppd a planté.</translation>
    </message>
</context>
</TS>
