<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Config</name>
    <message>
        <source>Out of Space</source>
        <translation>Kein Speicherplatz</translation>
    </message>
    <message>
        <source>There was a problem creating
Configuration Information 
for this program.

Please free up some space and
try again.</source>
        <translation>Beim Anlegen der
Einstellungen für dieses
Programm trat ein Problem auf.

Bitte geben Sie Speicherplatz frei
und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>As root, this program writes nothing in %1, which belongs to another user: run it as that user.</source>
        <translation>Als root schreibt dieses Programm nichts in %1, das einem anderen Benutzer gehört: Starten Sie es als dieser Benutzer.</translation>
    </message>
</context>
<context>
    <name>ConnectionPanel</name>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Dialling…</source>
        <translation>Wählt…</translation>
    </message>
    <message>
        <source>Connected to the modem</source>
        <translation>Mit dem Modem verbunden</translation>
    </message>
    <message>
        <source>Authenticating…</source>
        <translation>Anmeldung…</translation>
    </message>
    <message>
        <source>Connected: %1 to %2, name servers %3, for %4; %5 in, %6 out</source>
        <extracomment>%1 local address, %2 remote address, %3 name servers, %4 duration (h:mm:ss), %5 and %6 amounts of data</extracomment>
        <translation>Verbunden: %1 mit %2, Namensserver %3, seit %4; %5 empfangen, %6 gesendet</translation>
    </message>
    <message>
        <source>Waiting for traffic</source>
        <translation>Wartet auf Datenverkehr</translation>
    </message>
    <message>
        <source>Disconnecting…</source>
        <translation>Trennt…</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Disconnected: %1</source>
        <translation>Getrennt: %1</translation>
    </message>
</context>
<context>
    <name>PPPConfig</name>
    <message>
        <source>These files could not be written:</source>
        <translation>Diese Dateien konnten nicht geschrieben werden:</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>DUN Search</source>
        <translation>DUN-Suche</translation>
    </message>
    <message>
        <source>Searching for Bluetooth dial-up services...</source>
        <translation>Suche nach Bluetooth-Einwahldiensten...</translation>
    </message>
    <message>
        <source>Can&apos;t get DUN info.</source>
        <translation>Keine DUN-Angaben erhalten.</translation>
    </message>
    <message>
        <source>Nothing was saved: the peer file %1 was kept.
Choose another account name.</source>
        <translation>Es wurde nichts gespeichert: Die Peer-Datei %1 wurde beibehalten.
Wählen Sie einen anderen Kontonamen.</translation>
    </message>
    <message>
        <source>The peer file %1 belongs to no account of this program.
Replace it?</source>
        <translation>Die Peer-Datei %1 gehört zu keinem Konto dieses Programms.
Soll sie ersetzt werden?</translation>
    </message>
    <message>
        <source>No file was written:</source>
        <translation>Keine Datei wurde geschrieben:</translation>
    </message>
    <message>
        <source>Binding the phone over Bluetooth...</source>
        <translation>Telefon wird über Bluetooth gebunden...</translation>
    </message>
    <message>
        <source>The Bluetooth binding did not succeed:</source>
        <translation>Die Bluetooth-Bindung ist nicht gelungen:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>The peer file %1 was not removed:</source>
        <translation>Die Peer-Datei %1 wurde nicht entfernt:</translation>
    </message>
    <message>
        <source>Writing the system files...</source>
        <translation>Die Systemdateien werden geschrieben...</translation>
    </message>
    <message>
        <source>The window closes when this has ended.</source>
        <translation>Das Fenster schließt sich, sobald dies beendet ist.</translation>
    </message>
    <message>
        <source>The system files were not written:</source>
        <translation>Die Systemdateien wurden nicht geschrieben:</translation>
    </message>
    <message>
        <source>The account&apos;s own settings were saved.</source>
        <translation>Die eigenen Einstellungen des Kontos wurden gespeichert.</translation>
    </message>
    <message>
        <source>The settings file %1 was not removed: %2</source>
        <translation>Die Einstellungsdatei %1 wurde nicht entfernt: %2</translation>
    </message>
    <message>
        <source>The account was kept.</source>
        <translation>Das Konto wurde behalten.</translation>
    </message>
    <message>
        <source>The peer file %1 belongs to no account of this program.
Remove it as well?</source>
        <translation>Die Peer-Datei %1 gehört zu keinem Konto dieses Programms.
Soll sie ebenfalls entfernt werden?</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>The form holds changes that are not applied yet.</source>
        <translation>Das Formular enthält Änderungen, die noch nicht angewendet sind.</translation>
    </message>
    <message>
        <source>Apply and connect</source>
        <translation>Anwenden und verbinden</translation>
    </message>
    <message>
        <source>Connect with the saved settings</source>
        <translation>Mit den gespeicherten Einstellungen verbinden</translation>
    </message>
</context>
<context>
    <name>PPPConfigBase</name>
    <message>
        <source>Dial-up</source>
        <translation>Einwahl</translation>
    </message>
    <message>
        <source>P&amp;hone:</source>
        <translation>&amp;Telefon:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>&amp;Username:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Make connect via</source>
        <translation>Verbindung über</translation>
    </message>
    <message>
        <source>&amp;Serial port</source>
        <translation>&amp;Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>&amp;BlueTooth</source>
        <translation>Bl&amp;uetooth</translation>
    </message>
    <message>
        <source>&amp;IrDA</source>
        <translation>&amp;IrDA</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Anwenden</translation>
    </message>
    <message>
        <source>Delete account</source>
        <translation>Konto löschen</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>BT Device:</source>
        <translation>BT-Gerät:</translation>
    </message>
    <message>
        <source>&amp;Init string:</source>
        <translation>&amp;Init-Befehl:</translation>
    </message>
    <message>
        <source>&amp;Device:</source>
        <translation>&amp;Gerät:</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>&amp;Hardware flow control</source>
        <translation>&amp;Hardware-Flusskontrolle</translation>
    </message>
    <message>
        <source>&amp;Time out:</source>
        <translation>&amp;Zeitlimit:</translation>
    </message>
    <message>
        <source>&amp;Speed:</source>
        <translation>Ge&amp;schwindigkeit:</translation>
    </message>
    <message>
        <source>BT D&amp;UN:</source>
        <translation>BT-D&amp;UN:</translation>
    </message>
    <message>
        <source>Sea&amp;rch</source>
        <translation>Su&amp;chen</translation>
    </message>
    <message>
        <source>Demand Dialing</source>
        <translation>Wählen bei Bedarf</translation>
    </message>
    <message>
        <source>&amp;Manual connect and disconnect</source>
        <translation>&amp;Manuell verbinden und trennen</translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> Sekunden</translation>
    </message>
    <message>
        <source>Id&amp;le timeout:</source>
        <translation>&amp;Leerlaufzeit:</translation>
    </message>
    <message>
        <source>Automatic &amp;connect and disconnect</source>
        <translation>Automatisch &amp;verbinden und trennen</translation>
    </message>
    <message>
        <source>Manual connect, &amp;automatic disconnect</source>
        <translation>Manuell verbinden, &amp;automatisch trennen</translation>
    </message>
    <message>
        <source>BT &amp;PIN:</source>
        <translation>BT-&amp;PIN:</translation>
    </message>
    <message>
        <source>Modem</source>
        <translation>Modem</translation>
    </message>
    <message>
        <source>Auto-detect &amp;name servers</source>
        <translation>&amp;Nameserver automatisch ermitteln</translation>
    </message>
    <message>
        <source>&amp;Gateway</source>
        <translation>&amp;Gateway</translation>
    </message>
    <message>
        <source>Auto-detect &amp;routing</source>
        <translation>&amp;Routing automatisch ermitteln</translation>
    </message>
    <message>
        <source>&amp;First DNS</source>
        <translation>&amp;Erster DNS</translation>
    </message>
    <message>
        <source>&amp;Second DNS</source>
        <translation>&amp;Zweiter DNS</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Install the package mobile-broadband-provider-info for the list of providers.</source>
        <translation>Installieren Sie das Paket mobile-broadband-provider-info für die Liste der Anbieter.</translation>
    </message>
    <message>
        <source>Provider…</source>
        <translation>Anbieter…</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
</context>
<context>
    <name>ProviderChooser</name>
    <message>
        <source>Provider</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>&amp;Country:</source>
        <translation>&amp;Land:</translation>
    </message>
    <message>
        <source>P&amp;rovider:</source>
        <translation>&amp;Anbieter:</translation>
    </message>
    <message>
        <source>Type to filter</source>
        <translation>Zum Filtern tippen</translation>
    </message>
    <message>
        <source>P&amp;lan:</source>
        <translation>&amp;Tarif:</translation>
    </message>
    <message>
        <source>Access point name</source>
        <translation>Zugangspunkt (APN)</translation>
    </message>
    <message>
        <source>CDMA</source>
        <translation>CDMA</translation>
    </message>
    <message>
        <source>%1 (prepaid)</source>
        <translation>%1 (Prepaid)</translation>
    </message>
    <message>
        <source>%1 (postpaid)</source>
        <translation>%1 (Vertrag)</translation>
    </message>
    <message>
        <source>Not listed: type the access point name</source>
        <translation>Nicht aufgeführt: Zugangspunkt eingeben</translation>
    </message>
    <message>
        <source>Could not read the list of providers: %1</source>
        <translation>Die Liste der Anbieter konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>Type the access point name your provider gives.</source>
        <translation>Geben Sie den Zugangspunkt ein, den Ihr Anbieter nennt.</translation>
    </message>
    <message>
        <source>OK fills in: phone %1, user name %2; the init string stays.</source>
        <translation>OK trägt ein: Telefon %1, Benutzername %2; der Init-Befehl bleibt.</translation>
    </message>
    <message>
        <source>OK fills in: phone %1, init string %2, user name %3.</source>
        <translation>OK trägt ein: Telefon %1, Init-Befehl %2, Benutzername %3.</translation>
    </message>
</context>
<context>
    <name>ResultText</name>
    <message>
        <source>Username holds a control character, such as a line break.</source>
        <translation>Der Benutzername enthält ein Steuerzeichen, etwa einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>Password holds a control character, such as a line break.</source>
        <translation>Das Passwort enthält ein Steuerzeichen, etwa einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>Phone holds a control character, such as a line break.</source>
        <translation>Die Telefonnummer enthält ein Steuerzeichen, etwa einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>Device holds a control character, such as a line break.</source>
        <translation>Das Gerät enthält ein Steuerzeichen, etwa einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>Init string holds a control character, such as a line break.</source>
        <translation>Der Init-Befehl enthält ein Steuerzeichen, etwa einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>Speed holds a control character, such as a line break.</source>
        <translation>Die Geschwindigkeit enthält ein Steuerzeichen, etwa einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>BT DUN holds a control character, such as a line break.</source>
        <translation>Der BT-DUN-Eintrag enthält ein Steuerzeichen, etwa einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>Gateway holds a control character, such as a line break.</source>
        <translation>Das Gateway enthält ein Steuerzeichen, etwa einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>First DNS holds a control character, such as a line break.</source>
        <translation>Der erste DNS enthält ein Steuerzeichen, etwa einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>Second DNS holds a control character, such as a line break.</source>
        <translation>Der zweite DNS enthält ein Steuerzeichen, etwa einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>A field holds a control character, such as a line break.</source>
        <translation>Ein Feld enthält ein Steuerzeichen, etwa einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>Name begins or ends with a blank, which the account file cannot keep.</source>
        <translation>Der Name beginnt oder endet mit einem Leerzeichen, das die Kontodatei nicht speichern kann.</translation>
    </message>
    <message>
        <source>Username begins or ends with a blank, which the account file cannot keep.</source>
        <translation>Der Benutzername beginnt oder endet mit einem Leerzeichen, das die Kontodatei nicht speichern kann.</translation>
    </message>
    <message>
        <source>Password begins or ends with a blank, which the account file cannot keep.</source>
        <translation>Das Passwort beginnt oder endet mit einem Leerzeichen, das die Kontodatei nicht speichern kann.</translation>
    </message>
    <message>
        <source>A field begins or ends with a blank, which the account file cannot keep.</source>
        <translation>Ein Feld beginnt oder endet mit einem Leerzeichen, das die Kontodatei nicht speichern kann.</translation>
    </message>
    <message>
        <source>%1: could not be started</source>
        <extracomment>%1 is a command line; %2 what the command wrote as its error</extracomment>
        <translation>%1: konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>%1: could not be started: %2</source>
        <translation>%1: konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>%1: crashed</source>
        <extracomment>%1 is a command line; %2 what the command wrote as its error</extracomment>
        <translation>%1: ist abgestürzt</translation>
    </message>
    <message>
        <source>%1: crashed: %2</source>
        <translation>%1: ist abgestürzt: %2</translation>
    </message>
    <message>
        <source>%1: did not finish in time and was stopped</source>
        <extracomment>%1 is a command line; %2 what the command wrote as its error</extracomment>
        <translation>%1: wurde nicht rechtzeitig fertig und wurde abgebrochen</translation>
    </message>
    <message>
        <source>%1: did not finish in time and was stopped: %2</source>
        <translation>%1: wurde nicht rechtzeitig fertig und wurde abgebrochen: %2</translation>
    </message>
    <message>
        <source>%1: failed with exit status %2</source>
        <extracomment>%1 is a command line, %2 its exit status; %3 what it wrote as its error</extracomment>
        <translation>%1: schlug mit Exit-Status %2 fehl</translation>
    </message>
    <message>
        <source>%1: failed with exit status %2: %3</source>
        <translation>%1: schlug mit Exit-Status %2 fehl: %3</translation>
    </message>
    <message>
        <source>The helper refused the request: it is too long.</source>
        <translation>Das Hilfsprogramm hat die Anfrage abgelehnt: Sie ist zu lang.</translation>
    </message>
    <message>
        <source>The helper refused the request: it is no JSON object (%1).</source>
        <extracomment>%1 is the JSON reader&apos;s own text</extracomment>
        <translation>Das Hilfsprogramm hat die Anfrage abgelehnt: Sie ist kein JSON-Objekt (%1).</translation>
    </message>
    <message>
        <source>The helper refused the request: it names no account.</source>
        <translation>Das Hilfsprogramm hat die Anfrage abgelehnt: Sie nennt kein Konto.</translation>
    </message>
    <message>
        <source>The helper refused the request: the value &quot;%1&quot; is missing, too long or not of its kind.</source>
        <extracomment>%1 is the name of a value of the request, such as &quot;speed&quot;</extracomment>
        <translation>Das Hilfsprogramm hat die Anfrage abgelehnt: Der Wert „%1“ fehlt, ist zu lang oder von falscher Art.</translation>
    </message>
    <message>
        <source>The helper refused the request: it holds values that are not an account&apos;s.</source>
        <translation>Das Hilfsprogramm hat die Anfrage abgelehnt: Sie enthält Werte, die zu keinem Konto gehören.</translation>
    </message>
    <message>
        <source>The helper refused the request: its operation or fields are not one of an apply or a delete.</source>
        <translation>Das Hilfsprogramm hat die Anfrage abgelehnt: Ihr Vorgang oder ihre Felder gehören weder zum Anwenden noch zum Löschen.</translation>
    </message>
    <message>
        <source>The account has no name.</source>
        <translation>Das Konto hat keinen Namen.</translation>
    </message>
    <message>
        <source>The account name &quot;%1&quot; cannot be used as a file name: it must not hold &quot;/&quot; or a control character, nor be &quot;.&quot; or &quot;..&quot;.</source>
        <translation>Der Kontoname „%1“ taugt nicht als Dateiname: Er darf weder „/“ noch ein Steuerzeichen enthalten und nicht „.“ oder „..“ sein.</translation>
    </message>
    <message>
        <source>Device must be one device path or name, without blanks, quotes, &quot;#&quot; or backslashes.</source>
        <translation>Das Gerät muss ein einzelner Gerätepfad oder Gerätename sein, ohne Leerzeichen, Anführungszeichen, „#“ oder Backslashes.</translation>
    </message>
    <message>
        <source>Device must be a full path beginning with &quot;/&quot;, such as /dev/ttyS0.</source>
        <translation>Das Gerät muss ein vollständiger Pfad sein, der mit „/“ beginnt, etwa /dev/ttyS0.</translation>
    </message>
    <message>
        <source>Speed must be one of %1.</source>
        <extracomment>Speeds are data: %1 is the list, such as &quot;4800, 9600, 19200&quot;</extracomment>
        <translation>Die Geschwindigkeit muss eine der folgenden sein: %1.</translation>
    </message>
    <message>
        <source>Password must not begin with &quot;@/&quot;: pppd would send the file it names.</source>
        <translation>Das Passwort darf nicht mit „@/“ beginnen: pppd würde die so benannte Datei senden.</translation>
    </message>
    <message>
        <source>Demand Dialing holds a choice the form does not offer.</source>
        <translation>Wählen bei Bedarf enthält eine Wahl, die das Formular nicht anbietet.</translation>
    </message>
    <message>
        <source>Idle timeout must be from %1 to %2 seconds.</source>
        <extracomment>%1 and %2 are the lowest and the highest number of seconds</extracomment>
        <translation>Die Leerlaufzeit muss zwischen %1 und %2 Sekunden liegen.</translation>
    </message>
    <message>
        <source>Time out must be from %1 to %2 seconds.</source>
        <extracomment>%1 and %2 are the lowest and the highest number of seconds</extracomment>
        <translation>Das Zeitlimit muss zwischen %1 und %2 Sekunden liegen.</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Another program is changing the system files</source>
        <translation>Ein anderes Programm ändert gerade die Systemdateien</translation>
    </message>
    <message>
        <source>A brace or a quote in it is left open</source>
        <translation>Eine geschweifte Klammer oder ein Anführungszeichen darin ist nicht geschlossen</translation>
    </message>
    <message>
        <source>A quote or a backslash in it is left open</source>
        <translation>Ein Anführungszeichen oder ein Backslash darin ist nicht geschlossen</translation>
    </message>
    <message>
        <source>A name or the password holds a control character</source>
        <translation>Ein Name oder das Passwort enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>The account name is not a plain file name</source>
        <translation>Der Kontoname ist kein einfacher Dateiname</translation>
    </message>
    <message>
        <source>The device &quot;%1&quot; is not a device in /dev/</source>
        <translation>Das Gerät „%1“ ist kein Gerät in /dev/</translation>
    </message>
    <message>
        <source>The device path &quot;%1&quot; names no device</source>
        <translation>Der Gerätepfad „%1“ nennt kein Gerät</translation>
    </message>
    <message>
        <source>BlueZ binds only /dev/rfcomm0 to /dev/rfcomm255, the number without leading zeros</source>
        <translation>BlueZ bindet nur /dev/rfcomm0 bis /dev/rfcomm255, die Zahl ohne führende Nullen</translation>
    </message>
    <message>
        <source>No DUN entry is chosen: search for the phone first</source>
        <translation>Kein DUN-Eintrag gewählt: zuerst nach dem Telefon suchen</translation>
    </message>
    <message>
        <source>The DUN entry &quot;%1&quot; is not an address XX:XX:XX:XX:XX:XX followed by a comma and a channel from 1 to 30</source>
        <translation>Der DUN-Eintrag „%1“ ist keine Adresse XX:XX:XX:XX:XX:XX, gefolgt von einem Komma und einem Kanal von 1 bis 30</translation>
    </message>
    <message>
        <source>Bluetooth binding is not available on this system: the phone was not bound. Install BlueZ (the Debian package &quot;bluez&quot;) and apply again.</source>
        <translation>Bluetooth-Bindung ist auf diesem System nicht verfügbar: Das Telefon wurde nicht gebunden. Installieren Sie BlueZ (das Debian-Paket „bluez“) und klicken Sie erneut auf „Anwenden“.</translation>
    </message>
    <message>
        <source>The peer file %1 belongs to no account of this program.</source>
        <translation>Die Peer-Datei %1 gehört zu keinem Konto dieses Programms.</translation>
    </message>
    <message>
        <source>Writing them needs the administrator&apos;s rights, which %1 asks for; it could not be started. Install the package &quot;pkexec&quot;, or run this program as root.</source>
        <extracomment>%1 is the program that asks for the password, normally pkexec</extracomment>
        <translation>Zum Schreiben sind Administratorrechte nötig, die %1 erfragt; es konnte nicht gestartet werden. Installieren Sie das Paket „pkexec“ oder starten Sie dieses Programm als root.</translation>
    </message>
    <message>
        <source>The administrator&apos;s password was not given.</source>
        <translation>Das Administratorpasswort wurde nicht eingegeben.</translation>
    </message>
    <message>
        <source>The system did not allow it, or the helper %1 is not installed.</source>
        <extracomment>%1 is the helper program&apos;s path</extracomment>
        <translation>Das System hat es nicht erlaubt, oder das Hilfsprogramm %1 ist nicht installiert.</translation>
    </message>
    <message>
        <source>The helper&apos;s answer could not be read.</source>
        <translation>Die Antwort des Hilfsprogramms ließ sich nicht lesen.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file, %2 why it could not be written, read or removed</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The file cannot be opened.</source>
        <translation>Die Datei lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>The file is too large to be a list of providers.</source>
        <translation>Die Datei ist zu groß für eine Liste von Anbietern.</translation>
    </message>
    <message>
        <source>This is no list of mobile broadband providers.</source>
        <translation>Dies ist keine Liste von Mobilfunkanbietern.</translation>
    </message>
    <message>
        <source>The list has format &quot;%1&quot;; this program reads format 2.0.</source>
        <extracomment>%1 is the format the provider list names</extracomment>
        <translation>Die Liste hat das Format „%1“; dieses Programm liest Format 2.0.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is a line number of the provider list, %2 the XML reader&apos;s text</extracomment>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>The helper refused the request: it asks to delete an account, which this helper does not do.</source>
        <translation>Das Hilfsprogramm hat die Anfrage abgelehnt: Sie verlangt, ein Konto zu löschen, was dieses Hilfsprogramm nicht tut.</translation>
    </message>
    <message>
        <source>The helper refused the request: it asks to apply an account, which this helper does not do.</source>
        <translation>Das Hilfsprogramm hat die Anfrage abgelehnt: Sie verlangt, ein Konto anzuwenden, was dieses Hilfsprogramm nicht tut.</translation>
    </message>
    <message>
        <source>The connection was ended on request.</source>
        <translation>Die Verbindung wurde auf Wunsch beendet.</translation>
    </message>
    <message>
        <source>pppd did not end within %1 seconds of being asked to and was stopped by force.</source>
        <translation>pppd hat sich %1 Sekunden nach der Aufforderung nicht beendet und wurde zwangsweise gestoppt.</translation>
    </message>
    <message>
        <source>The other end closed the connection.</source>
        <translation>Die Gegenstelle hat die Verbindung beendet.</translation>
    </message>
    <message>
        <source>pppd has ended; its log does not say why.</source>
        <translation>pppd hat sich beendet; sein Protokoll sagt nicht, warum.</translation>
    </message>
    <message>
        <source>The program %1 is not installed: install the package &quot;ppp&quot;.</source>
        <extracomment>%1 is the program&apos;s path</extracomment>
        <translation>Das Programm %1 ist nicht installiert: Installieren Sie das Paket „ppp“.</translation>
    </message>
    <message>
        <source>The program %1 could not be started: %2</source>
        <extracomment>%1 is the program&apos;s path, %2 the system&apos;s reason</extracomment>
        <translation>Das Programm %1 konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>Only root and the members of the group %1 may dial: an administrator adds you with the command &quot;adduser %2 %1&quot;, and you log in again.</source>
        <extracomment>%1 is a group (dip), %2 the user&apos;s login name; the command is typed as it stands</extracomment>
        <translation>Nur root und die Mitglieder der Gruppe %1 dürfen wählen: Ein Administrator fügt Sie mit dem Befehl „adduser %2 %1“ hinzu, danach melden Sie sich neu an.</translation>
    </message>
    <message>
        <source>The connection log %1 could not be created, so nothing was dialled.</source>
        <translation>Das Verbindungsprotokoll %1 konnte nicht angelegt werden, daher wurde nicht gewählt.</translation>
    </message>
    <message>
        <source>pppd (process %1) runs for another user and cannot be stopped from here.</source>
        <translation>pppd (Prozess %1) läuft für einen anderen Benutzer und kann von hier nicht gestoppt werden.</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; has no peer file: press Apply to write it, then Connect.</source>
        <translation>Das Konto „%1“ hat keine Peer-Datei: Drücken Sie „Anwenden“, um sie zu schreiben, dann „Verbinden“.</translation>
    </message>
    <message>
        <source>pppd stopped on a fatal error; the log tells which.</source>
        <translation>pppd hat wegen eines schweren Fehlers aufgehört; das Protokoll nennt ihn.</translation>
    </message>
    <message>
        <source>pppd refused an option of the peer file or of /etc/ppp/options; the log tells which.</source>
        <translation>pppd hat eine Option der Peer-Datei oder von /etc/ppp/options abgelehnt; das Protokoll nennt sie.</translation>
    </message>
    <message>
        <source>pppd refused to run for you: it must be setuid root, and the peer file&apos;s options must be ones it grants you.</source>
        <translation>pppd verweigert Ihnen den Start: Es muss setuid root sein, und die Optionen der Peer-Datei müssen solche sein, die es Ihnen erlaubt.</translation>
    </message>
    <message>
        <source>The kernel offers no PPP: load its module ppp_generic.</source>
        <translation>Der Kernel bietet kein PPP: Laden Sie sein Modul ppp_generic.</translation>
    </message>
    <message>
        <source>Another program stopped pppd.</source>
        <translation>Ein anderes Programm hat pppd gestoppt.</translation>
    </message>
    <message>
        <source>Another program stopped pppd (signal %1).</source>
        <translation>Ein anderes Programm hat pppd gestoppt (Signal %1).</translation>
    </message>
    <message>
        <source>The port %1 is in use by another program.</source>
        <translation>Der Anschluss %1 wird von einem anderen Programm benutzt.</translation>
    </message>
    <message>
        <source>The port %1 is in use by %2 (process %3): end that program, then connect again.</source>
        <extracomment>%1 is a device name, %2 a program&apos;s name, %3 its process id</extracomment>
        <translation>Der Anschluss %1 wird von %2 (Prozess %3) benutzt: Beenden Sie dieses Programm und verbinden Sie erneut.</translation>
    </message>
    <message>
        <source>The port %1 could not be opened: check that the modem is plugged in and the device is right.</source>
        <translation>Der Anschluss %1 konnte nicht geöffnet werden: Prüfen Sie, ob das Modem angeschlossen und das Gerät richtig ist.</translation>
    </message>
    <message>
        <source>ModemManager holds the modem on %1. To keep it away from that device, give the device the udev property ID_MM_DEVICE_IGNORE=1 in a rule under /etc/udev/rules.d, or stop ModemManager.</source>
        <translation>ModemManager belegt das Modem an %1. Damit es dieses Gerät in Ruhe lässt, geben Sie dem Gerät in einer Regel unter /etc/udev/rules.d die udev-Eigenschaft ID_MM_DEVICE_IGNORE=1, oder stoppen Sie ModemManager.</translation>
    </message>
    <message>
        <source>The dialogue with the modem failed; the log shows where.</source>
        <translation>Der Dialog mit dem Modem ist gescheitert; das Protokoll zeigt, wo.</translation>
    </message>
    <message>
        <source>The line was busy.</source>
        <translation>Die Leitung war besetzt.</translation>
    </message>
    <message>
        <source>The modem found no carrier: no modem answered the call.</source>
        <translation>Das Modem fand keinen Träger: Kein Modem hat den Anruf angenommen.</translation>
    </message>
    <message>
        <source>The modem heard no dial tone: check the phone line.</source>
        <translation>Das Modem hörte kein Freizeichen: Prüfen Sie die Telefonleitung.</translation>
    </message>
    <message>
        <source>The modem answered ERROR: check the init string and the phone number.</source>
        <translation>Das Modem antwortete ERROR: Prüfen Sie den Init-String und die Telefonnummer.</translation>
    </message>
    <message>
        <source>The modem did not answer in time.</source>
        <translation>Das Modem hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>The modem answered %1, so dialling was given up.</source>
        <translation>Das Modem antwortete %1, daher wurde das Wählen aufgegeben.</translation>
    </message>
    <message>
        <source>The link could not be negotiated with the other end.</source>
        <translation>Die Verbindung konnte mit der Gegenstelle nicht ausgehandelt werden.</translation>
    </message>
    <message>
        <source>The other end refused to authenticate itself.</source>
        <translation>Die Gegenstelle hat sich geweigert, sich auszuweisen.</translation>
    </message>
    <message>
        <source>The connection was idle for the idle timeout and was ended.</source>
        <translation>Die Verbindung war so lange wie die Leerlaufzeit unbenutzt und wurde beendet.</translation>
    </message>
    <message>
        <source>The connection reached its time limit and was ended.</source>
        <translation>Die Verbindung hat ihr Zeitlimit erreicht und wurde beendet.</translation>
    </message>
    <message>
        <source>The other end stopped answering and the connection was ended.</source>
        <translation>Die Gegenstelle antwortete nicht mehr, und die Verbindung wurde beendet.</translation>
    </message>
    <message>
        <source>The modem hung up.</source>
        <translation>Das Modem hat aufgelegt.</translation>
    </message>
    <message>
        <source>The line is looped back: the modem hears itself.</source>
        <translation>Die Leitung ist zurückgeschleift: Das Modem hört sich selbst.</translation>
    </message>
    <message>
        <source>The modem&apos;s init script failed.</source>
        <translation>Das Init-Skript des Modems ist gescheitert.</translation>
    </message>
    <message>
        <source>Authentication failed: check the username and the password.</source>
        <extracomment>%1 is PAP or CHAP</extracomment>
        <translation>Die Anmeldung ist gescheitert: Prüfen Sie Benutzername und Passwort.</translation>
    </message>
    <message>
        <source>Authentication (%1) failed: check the username and the password.</source>
        <translation>Die Anmeldung (%1) ist gescheitert: Prüfen Sie Benutzername und Passwort.</translation>
    </message>
    <message>
        <source>pppd ended with exit status %1.</source>
        <translation>pppd hat sich mit dem Exit-Status %1 beendet.</translation>
    </message>
    <message>
        <source>pppd crashed.</source>
        <translation>pppd ist abgestürzt.</translation>
    </message>
</context>
</TS>
