<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Config</name>
    <message>
        <source>Out of Space</source>
        <translation>Sin espacio</translation>
    </message>
    <message>
        <source>There was a problem creating
Configuration Information 
for this program.

Please free up some space and
try again.</source>
        <translation>Hubo un problema al crear
la información de configuración
de este programa.

Libere algo de espacio e
inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>As root, this program writes nothing in %1, which belongs to another user: run it as that user.</source>
        <translation>Como root, este programa no escribe nada en %1, que pertenece a otro usuario: ejecútelo como ese usuario.</translation>
    </message>
</context>
<context>
    <name>ConnectionPanel</name>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Dialling…</source>
        <translation>Marcando…</translation>
    </message>
    <message>
        <source>Connected to the modem</source>
        <translation>Conectado al módem</translation>
    </message>
    <message>
        <source>Authenticating…</source>
        <translation>Autenticando…</translation>
    </message>
    <message>
        <source>Connected: %1 to %2, name servers %3, for %4; %5 in, %6 out</source>
        <extracomment>%1 local address, %2 remote address, %3 name servers, %4 duration (h:mm:ss), %5 and %6 amounts of data</extracomment>
        <translation>Conectado: %1 a %2, servidores de nombres %3, durante %4; %5 recibidos, %6 enviados</translation>
    </message>
    <message>
        <source>Waiting for traffic</source>
        <translation>Esperando tráfico</translation>
    </message>
    <message>
        <source>Disconnecting…</source>
        <translation>Desconectando…</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Disconnected: %1</source>
        <translation>Desconectado: %1</translation>
    </message>
</context>
<context>
    <name>PPPConfig</name>
    <message>
        <source>These files could not be written:</source>
        <translation>No se pudieron escribir estos archivos:</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>DUN Search</source>
        <translation>Búsqueda DUN</translation>
    </message>
    <message>
        <source>Searching for Bluetooth dial-up services...</source>
        <translation>Buscando servicios de acceso telefónico Bluetooth...</translation>
    </message>
    <message>
        <source>Can&apos;t get DUN info.</source>
        <translation>No se pudo obtener la información DUN.</translation>
    </message>
    <message>
        <source>Nothing was saved: the peer file %1 was kept.
Choose another account name.</source>
        <translation>No se guardó nada: se conservó el archivo de par %1.
Elija otro nombre de cuenta.</translation>
    </message>
    <message>
        <source>The peer file %1 belongs to no account of this program.
Replace it?</source>
        <translation>El archivo de par %1 no pertenece a ninguna cuenta de este programa.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>No file was written:</source>
        <translation>No se escribió ningún archivo:</translation>
    </message>
    <message>
        <source>Binding the phone over Bluetooth...</source>
        <translation>Vinculando el teléfono por Bluetooth...</translation>
    </message>
    <message>
        <source>The Bluetooth binding did not succeed:</source>
        <translation>La vinculación Bluetooth no tuvo éxito:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>The peer file %1 was not removed:</source>
        <translation>El archivo de par %1 no se eliminó:</translation>
    </message>
    <message>
        <source>Writing the system files...</source>
        <translation>Escribiendo los archivos del sistema...</translation>
    </message>
    <message>
        <source>The window closes when this has ended.</source>
        <translation>La ventana se cerrará cuando esto termine.</translation>
    </message>
    <message>
        <source>The system files were not written:</source>
        <translation>Los archivos del sistema no se escribieron:</translation>
    </message>
    <message>
        <source>The account&apos;s own settings were saved.</source>
        <translation>La configuración propia de la cuenta se guardó.</translation>
    </message>
    <message>
        <source>The settings file %1 was not removed: %2</source>
        <translation>El archivo de configuración %1 no se eliminó: %2</translation>
    </message>
    <message>
        <source>The account was kept.</source>
        <translation>Se conservó la cuenta.</translation>
    </message>
    <message>
        <source>The peer file %1 belongs to no account of this program.
Remove it as well?</source>
        <translation>El archivo de par %1 no pertenece a ninguna cuenta de este programa.
¿Eliminarlo también?</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>The form holds changes that are not applied yet.</source>
        <translation>El formulario contiene cambios que aún no se han aplicado.</translation>
    </message>
    <message>
        <source>Apply and connect</source>
        <translation>Aplicar y conectar</translation>
    </message>
    <message>
        <source>Connect with the saved settings</source>
        <translation>Conectar con los ajustes guardados</translation>
    </message>
</context>
<context>
    <name>PPPConfigBase</name>
    <message>
        <source>Dial-up</source>
        <translation>Acceso telefónico</translation>
    </message>
    <message>
        <source>P&amp;hone:</source>
        <translation>&amp;Teléfono:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>&amp;Username:</source>
        <translation>&amp;Usuario:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>Make connect via</source>
        <translation>Conectar mediante</translation>
    </message>
    <message>
        <source>&amp;Serial port</source>
        <translation>Puerto &amp;serie</translation>
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
        <translation>&amp;Aplicar</translation>
    </message>
    <message>
        <source>Delete account</source>
        <translation>Eliminar la cuenta</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>BT Device:</source>
        <translation>Dispositivo BT:</translation>
    </message>
    <message>
        <source>&amp;Init string:</source>
        <translation>Cadena de &amp;inicialización:</translation>
    </message>
    <message>
        <source>&amp;Device:</source>
        <translation>&amp;Dispositivo:</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>&amp;Hardware flow control</source>
        <translation>Control de flujo por &amp;hardware</translation>
    </message>
    <message>
        <source>&amp;Time out:</source>
        <translation>&amp;Tiempo de espera:</translation>
    </message>
    <message>
        <source>&amp;Speed:</source>
        <translation>&amp;Velocidad:</translation>
    </message>
    <message>
        <source>BT D&amp;UN:</source>
        <translation>D&amp;UN BT:</translation>
    </message>
    <message>
        <source>Sea&amp;rch</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Demand Dialing</source>
        <translation>Marcación bajo demanda</translation>
    </message>
    <message>
        <source>&amp;Manual connect and disconnect</source>
        <translation>Conexión y desconexión &amp;manuales</translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> segundos</translation>
    </message>
    <message>
        <source>Id&amp;le timeout:</source>
        <translation>Tiempo de i&amp;nactividad:</translation>
    </message>
    <message>
        <source>Automatic &amp;connect and disconnect</source>
        <translation>&amp;Conexión y desconexión automáticas</translation>
    </message>
    <message>
        <source>Manual connect, &amp;automatic disconnect</source>
        <translation>Conexión manual, desconexión &amp;automática</translation>
    </message>
    <message>
        <source>BT &amp;PIN:</source>
        <translation>&amp;PIN BT:</translation>
    </message>
    <message>
        <source>Modem</source>
        <translation>Módem</translation>
    </message>
    <message>
        <source>Auto-detect &amp;name servers</source>
        <translation>Servidores de &amp;nombres automáticos</translation>
    </message>
    <message>
        <source>&amp;Gateway</source>
        <translation>&amp;Puerta de enlace</translation>
    </message>
    <message>
        <source>Auto-detect &amp;routing</source>
        <translation>&amp;Enrutamiento automático</translation>
    </message>
    <message>
        <source>&amp;First DNS</source>
        <translation>DNS p&amp;rimario</translation>
    </message>
    <message>
        <source>&amp;Second DNS</source>
        <translation>DNS &amp;secundario</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Install the package mobile-broadband-provider-info for the list of providers.</source>
        <translation>Instale el paquete mobile-broadband-provider-info para la lista de operadores.</translation>
    </message>
    <message>
        <source>Provider…</source>
        <translation>Operador…</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
</context>
<context>
    <name>ProviderChooser</name>
    <message>
        <source>Provider</source>
        <translation>Operador</translation>
    </message>
    <message>
        <source>&amp;Country:</source>
        <translation>&amp;País:</translation>
    </message>
    <message>
        <source>P&amp;rovider:</source>
        <translation>&amp;Operador:</translation>
    </message>
    <message>
        <source>Type to filter</source>
        <translation>Escriba para filtrar</translation>
    </message>
    <message>
        <source>P&amp;lan:</source>
        <translation>P&amp;lan:</translation>
    </message>
    <message>
        <source>Access point name</source>
        <translation>Nombre del punto de acceso (APN)</translation>
    </message>
    <message>
        <source>CDMA</source>
        <translation>CDMA</translation>
    </message>
    <message>
        <source>%1 (prepaid)</source>
        <translation>%1 (prepago)</translation>
    </message>
    <message>
        <source>%1 (postpaid)</source>
        <translation>%1 (contrato)</translation>
    </message>
    <message>
        <source>Not listed: type the access point name</source>
        <translation>No está en la lista: escriba el punto de acceso</translation>
    </message>
    <message>
        <source>Could not read the list of providers: %1</source>
        <translation>No se pudo leer la lista de operadores: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Type the access point name your provider gives.</source>
        <translation>Escriba el nombre del punto de acceso que da su operador.</translation>
    </message>
    <message>
        <source>OK fills in: phone %1, user name %2; the init string stays.</source>
        <translation>Aceptar rellena: teléfono %1, usuario %2; la cadena de inicialización se mantiene.</translation>
    </message>
    <message>
        <source>OK fills in: phone %1, init string %2, user name %3.</source>
        <translation>Aceptar rellena: teléfono %1, cadena de inicialización %2, usuario %3.</translation>
    </message>
</context>
<context>
    <name>ResultText</name>
    <message>
        <source>Username holds a control character, such as a line break.</source>
        <translation>El usuario contiene un carácter de control, como un salto de línea.</translation>
    </message>
    <message>
        <source>Password holds a control character, such as a line break.</source>
        <translation>La contraseña contiene un carácter de control, como un salto de línea.</translation>
    </message>
    <message>
        <source>Phone holds a control character, such as a line break.</source>
        <translation>El teléfono contiene un carácter de control, como un salto de línea.</translation>
    </message>
    <message>
        <source>Device holds a control character, such as a line break.</source>
        <translation>El dispositivo contiene un carácter de control, como un salto de línea.</translation>
    </message>
    <message>
        <source>Init string holds a control character, such as a line break.</source>
        <translation>La cadena de inicialización contiene un carácter de control, como un salto de línea.</translation>
    </message>
    <message>
        <source>Speed holds a control character, such as a line break.</source>
        <translation>La velocidad contiene un carácter de control, como un salto de línea.</translation>
    </message>
    <message>
        <source>BT DUN holds a control character, such as a line break.</source>
        <translation>La entrada DUN BT contiene un carácter de control, como un salto de línea.</translation>
    </message>
    <message>
        <source>Gateway holds a control character, such as a line break.</source>
        <translation>La puerta de enlace contiene un carácter de control, como un salto de línea.</translation>
    </message>
    <message>
        <source>First DNS holds a control character, such as a line break.</source>
        <translation>El DNS primario contiene un carácter de control, como un salto de línea.</translation>
    </message>
    <message>
        <source>Second DNS holds a control character, such as a line break.</source>
        <translation>El DNS secundario contiene un carácter de control, como un salto de línea.</translation>
    </message>
    <message>
        <source>A field holds a control character, such as a line break.</source>
        <translation>Un campo contiene un carácter de control, como un salto de línea.</translation>
    </message>
    <message>
        <source>Name begins or ends with a blank, which the account file cannot keep.</source>
        <translation>El nombre empieza o termina con un espacio, que el archivo de la cuenta no puede conservar.</translation>
    </message>
    <message>
        <source>Username begins or ends with a blank, which the account file cannot keep.</source>
        <translation>El usuario empieza o termina con un espacio, que el archivo de la cuenta no puede conservar.</translation>
    </message>
    <message>
        <source>Password begins or ends with a blank, which the account file cannot keep.</source>
        <translation>La contraseña empieza o termina con un espacio, que el archivo de la cuenta no puede conservar.</translation>
    </message>
    <message>
        <source>A field begins or ends with a blank, which the account file cannot keep.</source>
        <translation>Un campo empieza o termina con un espacio, que el archivo de la cuenta no puede conservar.</translation>
    </message>
    <message>
        <source>%1: could not be started</source>
        <extracomment>%1 is a command line; %2 what the command wrote as its error</extracomment>
        <translation>%1: no se pudo iniciar</translation>
    </message>
    <message>
        <source>%1: could not be started: %2</source>
        <translation>%1: no se pudo iniciar: %2</translation>
    </message>
    <message>
        <source>%1: crashed</source>
        <extracomment>%1 is a command line; %2 what the command wrote as its error</extracomment>
        <translation>%1: terminó de forma anómala</translation>
    </message>
    <message>
        <source>%1: crashed: %2</source>
        <translation>%1: terminó de forma anómala: %2</translation>
    </message>
    <message>
        <source>%1: did not finish in time and was stopped</source>
        <extracomment>%1 is a command line; %2 what the command wrote as its error</extracomment>
        <translation>%1: no terminó a tiempo y fue detenido</translation>
    </message>
    <message>
        <source>%1: did not finish in time and was stopped: %2</source>
        <translation>%1: no terminó a tiempo y fue detenido: %2</translation>
    </message>
    <message>
        <source>%1: failed with exit status %2</source>
        <extracomment>%1 is a command line, %2 its exit status; %3 what it wrote as its error</extracomment>
        <translation>%1: falló con el código de salida %2</translation>
    </message>
    <message>
        <source>%1: failed with exit status %2: %3</source>
        <translation>%1: falló con el código de salida %2: %3</translation>
    </message>
    <message>
        <source>The helper refused the request: it is too long.</source>
        <translation>El programa auxiliar rechazó la solicitud: es demasiado larga.</translation>
    </message>
    <message>
        <source>The helper refused the request: it is no JSON object (%1).</source>
        <extracomment>%1 is the JSON reader&apos;s own text</extracomment>
        <translation>El programa auxiliar rechazó la solicitud: no es un objeto JSON (%1).</translation>
    </message>
    <message>
        <source>The helper refused the request: it names no account.</source>
        <translation>El programa auxiliar rechazó la solicitud: no nombra ninguna cuenta.</translation>
    </message>
    <message>
        <source>The helper refused the request: the value &quot;%1&quot; is missing, too long or not of its kind.</source>
        <extracomment>%1 is the name of a value of the request, such as &quot;speed&quot;</extracomment>
        <translation>El programa auxiliar rechazó la solicitud: el valor «%1» falta, es demasiado largo o no es del tipo correcto.</translation>
    </message>
    <message>
        <source>The helper refused the request: it holds values that are not an account&apos;s.</source>
        <translation>El programa auxiliar rechazó la solicitud: contiene valores que no son de una cuenta.</translation>
    </message>
    <message>
        <source>The helper refused the request: its operation or fields are not one of an apply or a delete.</source>
        <translation>El programa auxiliar rechazó la solicitud: su operación o sus campos no son los de aplicar ni los de eliminar.</translation>
    </message>
    <message>
        <source>The account has no name.</source>
        <translation>La cuenta no tiene nombre.</translation>
    </message>
    <message>
        <source>The account name &quot;%1&quot; cannot be used as a file name: it must not hold &quot;/&quot; or a control character, nor be &quot;.&quot; or &quot;..&quot;.</source>
        <translation>El nombre de cuenta «%1» no puede usarse como nombre de archivo: no debe contener «/» ni caracteres de control, ni ser «.» o «..».</translation>
    </message>
    <message>
        <source>Device must be one device path or name, without blanks, quotes, &quot;#&quot; or backslashes.</source>
        <translation>El dispositivo debe ser una sola ruta o nombre de dispositivo, sin espacios, comillas, «#» ni barras invertidas.</translation>
    </message>
    <message>
        <source>Device must be a full path beginning with &quot;/&quot;, such as /dev/ttyS0.</source>
        <translation>El dispositivo debe ser una ruta completa que empiece por «/», como /dev/ttyS0.</translation>
    </message>
    <message>
        <source>Speed must be one of %1.</source>
        <extracomment>Speeds are data: %1 is the list, such as &quot;4800, 9600, 19200&quot;</extracomment>
        <translation>La velocidad debe ser una de estas: %1.</translation>
    </message>
    <message>
        <source>Password must not begin with &quot;@/&quot;: pppd would send the file it names.</source>
        <translation>La contraseña no debe empezar por «@/»: pppd enviaría el archivo que nombra.</translation>
    </message>
    <message>
        <source>Demand Dialing holds a choice the form does not offer.</source>
        <translation>Marcación bajo demanda contiene una opción que el formulario no ofrece.</translation>
    </message>
    <message>
        <source>Idle timeout must be from %1 to %2 seconds.</source>
        <extracomment>%1 and %2 are the lowest and the highest number of seconds</extracomment>
        <translation>El tiempo de inactividad debe estar entre %1 y %2 segundos.</translation>
    </message>
    <message>
        <source>Time out must be from %1 to %2 seconds.</source>
        <extracomment>%1 and %2 are the lowest and the highest number of seconds</extracomment>
        <translation>El tiempo de espera debe estar entre %1 y %2 segundos.</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>Another program is changing the system files</source>
        <translation>Otro programa está modificando los archivos del sistema</translation>
    </message>
    <message>
        <source>A brace or a quote in it is left open</source>
        <translation>Contiene una llave o unas comillas sin cerrar</translation>
    </message>
    <message>
        <source>A quote or a backslash in it is left open</source>
        <translation>Contiene unas comillas o una barra invertida sin cerrar</translation>
    </message>
    <message>
        <source>A name or the password holds a control character</source>
        <translation>Un nombre o la contraseña contiene un carácter de control</translation>
    </message>
    <message>
        <source>The account name is not a plain file name</source>
        <translation>El nombre de la cuenta no es un nombre de archivo simple</translation>
    </message>
    <message>
        <source>The device &quot;%1&quot; is not a device in /dev/</source>
        <translation>El dispositivo «%1» no es un dispositivo de /dev/</translation>
    </message>
    <message>
        <source>The device path &quot;%1&quot; names no device</source>
        <translation>La ruta «%1» no indica ningún dispositivo</translation>
    </message>
    <message>
        <source>BlueZ binds only /dev/rfcomm0 to /dev/rfcomm255, the number without leading zeros</source>
        <translation>BlueZ solo vincula /dev/rfcomm0 a /dev/rfcomm255, el número sin ceros a la izquierda</translation>
    </message>
    <message>
        <source>No DUN entry is chosen: search for the phone first</source>
        <translation>No se ha elegido ninguna entrada DUN: busque primero el teléfono</translation>
    </message>
    <message>
        <source>The DUN entry &quot;%1&quot; is not an address XX:XX:XX:XX:XX:XX followed by a comma and a channel from 1 to 30</source>
        <translation>La entrada DUN «%1» no es una dirección XX:XX:XX:XX:XX:XX seguida de una coma y un canal del 1 al 30</translation>
    </message>
    <message>
        <source>Bluetooth binding is not available on this system: the phone was not bound. Install BlueZ (the Debian package &quot;bluez&quot;) and apply again.</source>
        <translation>La vinculación Bluetooth no está disponible en este sistema: el teléfono no se vinculó. Instale BlueZ (el paquete Debian «bluez») y aplique de nuevo.</translation>
    </message>
    <message>
        <source>The peer file %1 belongs to no account of this program.</source>
        <translation>El archivo de par %1 no pertenece a ninguna cuenta de este programa.</translation>
    </message>
    <message>
        <source>Writing them needs the administrator&apos;s rights, which %1 asks for; it could not be started. Install the package &quot;pkexec&quot;, or run this program as root.</source>
        <extracomment>%1 is the program that asks for the password, normally pkexec</extracomment>
        <translation>Escribirlos requiere los derechos de administrador, que %1 solicita; no se pudo iniciar. Instale el paquete «pkexec» o ejecute este programa como root.</translation>
    </message>
    <message>
        <source>The administrator&apos;s password was not given.</source>
        <translation>No se introdujo la contraseña de administrador.</translation>
    </message>
    <message>
        <source>The system did not allow it, or the helper %1 is not installed.</source>
        <extracomment>%1 is the helper program&apos;s path</extracomment>
        <translation>El sistema no lo permitió, o el programa auxiliar %1 no está instalado.</translation>
    </message>
    <message>
        <source>The helper&apos;s answer could not be read.</source>
        <translation>No se pudo leer la respuesta del programa auxiliar.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file, %2 why it could not be written, read or removed</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The file cannot be opened.</source>
        <translation>No se puede abrir el archivo.</translation>
    </message>
    <message>
        <source>The file is too large to be a list of providers.</source>
        <translation>El archivo es demasiado grande para ser una lista de operadores.</translation>
    </message>
    <message>
        <source>This is no list of mobile broadband providers.</source>
        <translation>Esto no es una lista de operadores móviles.</translation>
    </message>
    <message>
        <source>The list has format &quot;%1&quot;; this program reads format 2.0.</source>
        <extracomment>%1 is the format the provider list names</extracomment>
        <translation>La lista tiene el formato «%1»; este programa lee el formato 2.0.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is a line number of the provider list, %2 the XML reader&apos;s text</extracomment>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>The helper refused the request: it asks to delete an account, which this helper does not do.</source>
        <translation>El programa auxiliar rechazó la solicitud: pide eliminar una cuenta, algo que este programa auxiliar no hace.</translation>
    </message>
    <message>
        <source>The helper refused the request: it asks to apply an account, which this helper does not do.</source>
        <translation>El programa auxiliar rechazó la solicitud: pide aplicar una cuenta, algo que este programa auxiliar no hace.</translation>
    </message>
    <message>
        <source>The connection was ended on request.</source>
        <translation>La conexión se terminó a petición.</translation>
    </message>
    <message>
        <source>pppd did not end within %1 seconds of being asked to and was stopped by force.</source>
        <translation>pppd no terminó en los %1 segundos después de pedírselo y se detuvo a la fuerza.</translation>
    </message>
    <message>
        <source>The other end closed the connection.</source>
        <translation>El otro extremo cerró la conexión.</translation>
    </message>
    <message>
        <source>pppd has ended; its log does not say why.</source>
        <translation>pppd ha terminado; su registro no dice por qué.</translation>
    </message>
    <message>
        <source>The program %1 is not installed: install the package &quot;ppp&quot;.</source>
        <extracomment>%1 is the program&apos;s path</extracomment>
        <translation>El programa %1 no está instalado: instale el paquete «ppp».</translation>
    </message>
    <message>
        <source>The program %1 could not be started: %2</source>
        <extracomment>%1 is the program&apos;s path, %2 the system&apos;s reason</extracomment>
        <translation>No se pudo iniciar el programa %1: %2</translation>
    </message>
    <message>
        <source>Only root and the members of the group %1 may dial: an administrator adds you with the command &quot;adduser %2 %1&quot;, and you log in again.</source>
        <extracomment>%1 is a group (dip), %2 the user&apos;s login name; the command is typed as it stands</extracomment>
        <translation>Solo root y los miembros del grupo %1 pueden marcar: un administrador le añade con la orden «adduser %2 %1» y usted vuelve a iniciar sesión.</translation>
    </message>
    <message>
        <source>The connection log %1 could not be created, so nothing was dialled.</source>
        <translation>No se pudo crear el registro de conexión %1, así que no se marcó.</translation>
    </message>
    <message>
        <source>pppd (process %1) runs for another user and cannot be stopped from here.</source>
        <translation>pppd (proceso %1) se ejecuta para otro usuario y no se puede detener desde aquí.</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; has no peer file: press Apply to write it, then Connect.</source>
        <translation>La cuenta «%1» no tiene archivo de par: pulse Aplicar para escribirlo y luego Conectar.</translation>
    </message>
    <message>
        <source>pppd stopped on a fatal error; the log tells which.</source>
        <translation>pppd se detuvo por un error fatal; el registro indica cuál.</translation>
    </message>
    <message>
        <source>pppd refused an option of the peer file or of /etc/ppp/options; the log tells which.</source>
        <translation>pppd rechazó una opción del archivo de par o de /etc/ppp/options; el registro indica cuál.</translation>
    </message>
    <message>
        <source>pppd refused to run for you: it must be setuid root, and the peer file&apos;s options must be ones it grants you.</source>
        <translation>pppd se niega a ejecutarse para usted: debe ser setuid root, y las opciones del archivo de par deben ser de las que le permite.</translation>
    </message>
    <message>
        <source>The kernel offers no PPP: load its module ppp_generic.</source>
        <translation>El núcleo no ofrece PPP: cargue su módulo ppp_generic.</translation>
    </message>
    <message>
        <source>Another program stopped pppd.</source>
        <translation>Otro programa detuvo pppd.</translation>
    </message>
    <message>
        <source>Another program stopped pppd (signal %1).</source>
        <translation>Otro programa detuvo pppd (señal %1).</translation>
    </message>
    <message>
        <source>The port %1 is in use by another program.</source>
        <translation>El puerto %1 está en uso por otro programa.</translation>
    </message>
    <message>
        <source>The port %1 is in use by %2 (process %3): end that program, then connect again.</source>
        <extracomment>%1 is a device name, %2 a program&apos;s name, %3 its process id</extracomment>
        <translation>El puerto %1 está en uso por %2 (proceso %3): termine ese programa y vuelva a conectar.</translation>
    </message>
    <message>
        <source>The port %1 could not be opened: check that the modem is plugged in and the device is right.</source>
        <translation>No se pudo abrir el puerto %1: compruebe que el módem está conectado y que el dispositivo es correcto.</translation>
    </message>
    <message>
        <source>ModemManager holds the modem on %1. To keep it away from that device, give the device the udev property ID_MM_DEVICE_IGNORE=1 in a rule under /etc/udev/rules.d, or stop ModemManager.</source>
        <translation>ModemManager ocupa el módem en %1. Para apartarlo de ese dispositivo, dé al dispositivo la propiedad udev ID_MM_DEVICE_IGNORE=1 en una regla bajo /etc/udev/rules.d, o detenga ModemManager.</translation>
    </message>
    <message>
        <source>The dialogue with the modem failed; the log shows where.</source>
        <translation>El diálogo con el módem falló; el registro muestra dónde.</translation>
    </message>
    <message>
        <source>The line was busy.</source>
        <translation>La línea estaba ocupada.</translation>
    </message>
    <message>
        <source>The modem found no carrier: no modem answered the call.</source>
        <translation>El módem no encontró portadora: ningún módem respondió la llamada.</translation>
    </message>
    <message>
        <source>The modem heard no dial tone: check the phone line.</source>
        <translation>El módem no oyó tono de marcar: compruebe la línea telefónica.</translation>
    </message>
    <message>
        <source>The modem answered ERROR: check the init string and the phone number.</source>
        <translation>El módem respondió ERROR: compruebe la cadena de inicio y el número de teléfono.</translation>
    </message>
    <message>
        <source>The modem did not answer in time.</source>
        <translation>El módem no respondió a tiempo.</translation>
    </message>
    <message>
        <source>The modem answered %1, so dialling was given up.</source>
        <translation>El módem respondió %1, así que se abandonó la marcación.</translation>
    </message>
    <message>
        <source>The link could not be negotiated with the other end.</source>
        <translation>No se pudo negociar el enlace con el otro extremo.</translation>
    </message>
    <message>
        <source>The other end refused to authenticate itself.</source>
        <translation>El otro extremo se negó a autenticarse.</translation>
    </message>
    <message>
        <source>The connection was idle for the idle timeout and was ended.</source>
        <translation>La conexión estuvo inactiva durante el tiempo de inactividad y se terminó.</translation>
    </message>
    <message>
        <source>The connection reached its time limit and was ended.</source>
        <translation>La conexión alcanzó su límite de tiempo y se terminó.</translation>
    </message>
    <message>
        <source>The other end stopped answering and the connection was ended.</source>
        <translation>El otro extremo dejó de responder y la conexión se terminó.</translation>
    </message>
    <message>
        <source>The modem hung up.</source>
        <translation>El módem colgó.</translation>
    </message>
    <message>
        <source>The line is looped back: the modem hears itself.</source>
        <translation>La línea está en bucle: el módem se oye a sí mismo.</translation>
    </message>
    <message>
        <source>The modem&apos;s init script failed.</source>
        <translation>El guion de inicio del módem falló.</translation>
    </message>
    <message>
        <source>Authentication failed: check the username and the password.</source>
        <extracomment>%1 is PAP or CHAP</extracomment>
        <translation>La autenticación falló: compruebe el nombre de usuario y la contraseña.</translation>
    </message>
    <message>
        <source>Authentication (%1) failed: check the username and the password.</source>
        <translation>La autenticación (%1) falló: compruebe el nombre de usuario y la contraseña.</translation>
    </message>
    <message>
        <source>pppd ended with exit status %1.</source>
        <translation>pppd terminó con el estado de salida %1.</translation>
    </message>
    <message>
        <source>pppd crashed.</source>
        <translation>pppd se bloqueó.</translation>
    </message>
</context>
</TS>
