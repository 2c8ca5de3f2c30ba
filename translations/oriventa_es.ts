<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CalDav</name>
    <message>
        <source>it is not in the calendar</source>
        <translation>no está en el calendario</translation>
    </message>
    <message>
        <source>the server gave no usable ETag to delete it by</source>
        <translation>el servidor no dio ningún ETag válido para eliminarlo</translation>
    </message>
    <message>
        <source>%1 is left alone: %2</source>
        <extracomment>%1 is an event&apos;s address on the server, %2 the reason (&quot;it is not in the calendar&quot;, …).</extracomment>
        <translation>%1 se deja como está: %2</translation>
    </message>
    <message>
        <source>no CalDAV calendars found at %1</source>
        <translation>no se encontraron calendarios CalDAV en %1</translation>
    </message>
    <message>
        <source>timed out</source>
        <extracomment>Why a request or a sync failed, shown after &quot;sync failed: &quot;.</extracomment>
        <translation>se agotó el tiempo de espera</translation>
    </message>
    <message>
        <source>the server&apos;s answer is too large (over %1 MiB)</source>
        <translation>la respuesta del servidor es demasiado grande (más de %1 MiB)</translation>
    </message>
    <message>
        <source>SSL error: %1</source>
        <extracomment>%1 lists the errors Qt reports, separated by &quot;; &quot;.</extracomment>
        <translation>error de SSL: %1</translation>
    </message>
    <message>
        <source>the server sent the request elsewhere (%1)</source>
        <extracomment>%1 is the address the server sent the request to.</extracomment>
        <translation>el servidor redirigió la solicitud a otra dirección (%1)</translation>
    </message>
    <message>
        <source>the server refused the user name or password</source>
        <translation>el servidor rechazó el nombre de usuario o la contraseña</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <extracomment>%1 is the HTTP status code, %2 its reason phrase as the server sent it (e.g. &quot;404 Not Found&quot;).</extracomment>
        <translation>el servidor respondió %1 %2</translation>
    </message>
    <message>
        <source>the server&apos;s answer is not WebDAV (%1)</source>
        <extracomment>%1 is the address asked.</extracomment>
        <translation>la respuesta del servidor no es WebDAV (%1)</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>a command is needed</source>
        <translation>se necesita un comando</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>comando desconocido «%1»</translation>
    </message>
    <message>
        <source>--days needs a whole number of days, not &quot;%1&quot;</source>
        <translation>--days necesita un número entero de días, no «%1»</translation>
    </message>
    <message>
        <source>--days needs a whole number of days</source>
        <translation>--days necesita un número entero de días</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>%1 is an option: --url or --user</extracomment>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot; for %2</source>
        <extracomment>%1 is the option given, %2 the command (list, due, import, export or sync)</extracomment>
        <translation>opción desconocida «%1» para %2</translation>
    </message>
    <message>
        <source>%1 takes no file: &quot;%2&quot;</source>
        <extracomment>%1 is the command (list, due or sync), %2 the argument it cannot take</extracomment>
        <translation>%1 no admite archivos: «%2»</translation>
    </message>
    <message>
        <source>import needs at least one FILE</source>
        <translation>import necesita al menos un ARCHIVO</translation>
    </message>
    <message>
        <source>export needs exactly one FILE</source>
        <translation>export necesita exactamente un ARCHIVO</translation>
    </message>
    <message>
        <source>Usage: oriventa-cli COMMAND [OPTIONS]
Reads and changes Oriventa&apos;s list of events without a window.
</source>
        <translation>Uso: oriventa-cli COMANDO [OPCIONES]
Lee y modifica la lista de eventos de Oriventa sin abrir ninguna ventana.
</translation>
    </message>
    <message>
        <source>Commands:
  list [--days N] [--json]  events by date then name; with --days only those
                            whose next occurrence is at most N days away
  due [--json]              the reminders that &apos;oriventa auto&apos; would show today
  import FILE...            add the events of .evt, .ics and .vcf files
  export FILE               write every event to FILE (.ics: iCalendar,
                            otherwise an events file)
  sync [--url URL] [--user NAME] [--password-stdin] [--allow-deletions]
       [--quiet]            two-way sync with the CalDAV calendar, until it is
                            done; on a terminal it shows how far it has come,
                            and --quiet prints nothing but errors; --url and
                            --user are saved once a sync with them succeeded
                            (the address without a user and password in it);
                            the password is taken from the address, one line
                            of standard input or the desktop&apos;s secret store;
                            a sync that would delete most of the calendar (20
                            events or more) stops unless --allow-deletions is
                            given
</source>
        <extracomment>Keep the commands and options as they are, and the descriptions in the second column (at most 80 columns in all)</extracomment>
        <translation>Comandos:
  list [--days N] [--json]  los eventos por fecha y luego por nombre; con
                            --days, solo aquellos cuya próxima fecha está a
                            N días o menos
  due [--json]              los recordatorios que &apos;oriventa auto&apos; mostraría
                            hoy
  import ARCHIVO...         añadir los eventos de archivos .evt, .ics y .vcf
  export ARCHIVO            escribir todos los eventos en ARCHIVO (.ics:
                            iCalendar; si no, un archivo de eventos)
  sync [--url URL] [--user NOMBRE] [--password-stdin] [--allow-deletions]
       [--quiet]            sincronizar en ambos sentidos con el calendario
                            CalDAV hasta terminar; en un terminal muestra el
                            progreso, y --quiet solo muestra los errores;
                            --url y --user se guardan cuando una
                            sincronización con ellos ha salido bien (la
                            dirección sin usuario ni contraseña); la
                            contraseña se toma de la dirección, de una línea
                            de la entrada estándar o del almacén de
                            contraseñas del escritorio; una sincronización
                            que eliminaría la mayor parte del calendario (20
                            eventos o más) se detiene, salvo con
                            --allow-deletions
</translation>
    </message>
    <message>
        <source>Options:
  --json     print a JSON array of events instead of lines of text
  --help     show this text
  --version  show the version
</source>
        <extracomment>Keep the options as they are, and the descriptions in the second column</extracomment>
        <translation>Opciones:
  --json     mostrar una matriz JSON de eventos en lugar de líneas de texto
  --help     mostrar este texto
  --version  mostrar la versión
</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 a file could not be read or written or the sync
failed with nothing changed, 2 usage, 3 Oriventa is running (import and sync
only), 4 the sync failed after part of its work (list and server agree; the
next sync goes on).
</source>
        <translation>Código de salida: 0 hecho, 1 no se pudo leer o escribir un archivo o la
sincronización falló sin cambiar nada, 2 uso incorrecto, 3 Oriventa está
abierto (solo import y sync), 4 la sincronización falló tras hacer parte de su
trabajo (la lista y el servidor coinciden; la siguiente sincronización
continúa).
</translation>
    </message>
    <message>
        <source>oriventa-cli: no server address: use --url
</source>
        <translation>oriventa-cli: no hay dirección de servidor: use --url
</translation>
    </message>
    <message>
        <source>oriventa-cli: no password: standard input gave none
</source>
        <translation>oriventa-cli: no hay contraseña: la entrada estándar no dio ninguna
</translation>
    </message>
    <message>
        <source>oriventa-cli: no password: use --password-stdin
</source>
        <translation>oriventa-cli: no hay contraseña: use --password-stdin
</translation>
    </message>
    <message>
        <source>oriventa-cli: sync failed: %1
</source>
        <extracomment>%1 is what went wrong, as the sync tells it</extracomment>
        <translation>oriventa-cli: la sincronización falló: %1
</translation>
    </message>
    <message>
        <source>oriventa-cli: run the sync again with --allow-deletions to delete them
</source>
        <translation>oriventa-cli: vuelva a sincronizar con --allow-deletions para eliminarlos
</translation>
    </message>
    <message>
        <source>Oriventa is running; close it and try again.
</source>
        <translation>Oriventa está abierto; ciérrelo y vuelva a intentarlo.
</translation>
    </message>
    <message>
        <source>the events file cannot be read: %1</source>
        <extracomment>%1 is the reason the system gives</extracomment>
        <translation>no se puede leer el archivo de eventos: %1</translation>
    </message>
    <message>
        <source>the events file is damaged: only the events before the damage are used; open Oriventa to keep them and set the rest aside</source>
        <translation>el archivo de eventos está dañado: solo se usan los eventos anteriores al daño; abra Oriventa para conservarlos y apartar el resto</translation>
    </message>
    <message>
        <source>cannot be imported</source>
        <translation>no se puede importar</translation>
    </message>
    <message>
        <source>the events file could not be saved (%1); nothing was imported</source>
        <extracomment>%1 is the reason the system gives</extracomment>
        <translation>no se pudo guardar el archivo de eventos (%1); no se importó nada</translation>
    </message>
    <message>
        <source>the events file was damaged; it was kept as %1</source>
        <extracomment>%1 is the path of the copy kept</extracomment>
        <translation>el archivo de eventos estaba dañado; se guardó como %1</translation>
    </message>
    <message>
        <source>could not be written: %1</source>
        <extracomment>%1 is the reason the system gives</extracomment>
        <translation>no se pudo escribir: %1</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n events to %1.
</source>
        <extracomment>%1 is the name of the file written</extracomment>
        <translation>
            <numerusform>%n evento exportado a %1.
</numerusform>
            <numerusform>%n eventos exportados a %1.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Event</name>
    <message>
        <source>Please select a reminder schedule.</source>
        <translation>Seleccione una programación para el recordatorio.</translation>
    </message>
    <message>
        <source>Please enter a description of the event.</source>
        <translation>Introduzca una descripción del evento.</translation>
    </message>
    <message>
        <source>You cannot select a monthly repetition period greater than 5 week days.</source>
        <translation>No puede seleccionar un periodo de repetición mensual mayor de 5 días de la semana.</translation>
    </message>
    <message>
        <source>You cannot select a yearly repetition period greater than 5 weeks for a specific month.</source>
        <translation>No puede seleccionar un periodo de repetición anual mayor de 5 semanas para un mes concreto.</translation>
    </message>
    <message>
        <source>You cannot select a yearly repetition period greater than 31 days for a specific month.</source>
        <translation>No puede seleccionar un periodo de repetición anual mayor de 31 días para un mes concreto.</translation>
    </message>
    <message>
        <source>You cannot select a yearly repetition period greater than 52 weeks.</source>
        <translation>No puede seleccionar un periodo de repetición anual mayor de 52 semanas.</translation>
    </message>
</context>
<context>
    <name>EventListModel</name>
    <message>
        <source>N/A</source>
        <extracomment>In the &quot;Days Remaining&quot; column: the event will not occur again.</extracomment>
        <translation>N/D</translation>
    </message>
</context>
<context>
    <name>EventsFile</name>
    <message>
        <source>it is a folder</source>
        <extracomment>Why the events file cannot be read: its path names a folder.</extracomment>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it could not be read (%1), and saving would replace it</source>
        <extracomment>Why the events file was not saved; %1 is why it could not be read.</extracomment>
        <translation>no se pudo leer (%1) y guardarlo lo reemplazaría</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which cannot be reached</source>
        <extracomment>Why the events file cannot be read; %1 is a link on its way, %2 where the link points.</extracomment>
        <translation>%1 es un enlace a %2, que no está accesible</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>%1: %2</source>
        <extracomment>An entry of a list: %1 is an event&apos;s name, %2 why it is listed (&quot;has no date&quot;, …).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>The end of a list too long to show whole.</extracomment>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n events to %1.</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>
            <numerusform>Se escribió %n evento en %1.</numerusform>
            <numerusform>Se escribieron %n eventos en %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events were written with the closest rule a calendar can state:</source>
        <translation>
            <numerusform>%n evento se escribió con la regla más parecida que puede expresar un calendario:</numerusform>
            <numerusform>%n eventos se escribieron con la regla más parecida que puede expresar un calendario:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events were left out:</source>
        <translation>
            <numerusform>%n evento se omitió:</numerusform>
            <numerusform>%n eventos se omitieron:</numerusform>
        </translation>
    </message>
    <message>
        <source>day %1 runs into the next month when a month is shorter; calendars skip those months</source>
        <extracomment>Why an event was written only approximately; %1 is a day of the month.</extracomment>
        <translation>el día %1 pasa al mes siguiente cuando un mes es más corto; los calendarios omiten esos meses</translation>
    </message>
    <message>
        <source>falls on a day number and on weekdays; a calendar takes only one of them, so only the day number was written</source>
        <translation>cae en un número de día y en días de la semana; un calendario solo admite uno de ellos, así que solo se escribió el número de día</translation>
    </message>
    <message>
        <source>combines several yearly choices; a calendar takes only one of them, so only the first was written</source>
        <translation>combina varias opciones anuales; un calendario solo admite una, así que solo se escribió la primera</translation>
    </message>
    <message>
        <source>day %1 does not exist in every chosen month; Oriventa takes the month&apos;s last day there, calendars skip it</source>
        <translation>el día %1 no existe en todos los meses elegidos; Oriventa toma allí el último día del mes, los calendarios lo omiten</translation>
    </message>
    <message>
        <source>a %1 weekday runs into the next month when a month has fewer; calendars skip that month</source>
        <extracomment>%1 is an ordinal number (&quot;5th&quot;).</extracomment>
        <translation>un %1 día de la semana pasa al mes siguiente cuando un mes tiene menos; los calendarios omiten ese mes</translation>
    </message>
    <message>
        <source>day %1 runs into the next year when a year is shorter; calendars skip those years</source>
        <extracomment>%1 is a day of the year.</extracomment>
        <translation>el día %1 pasa al año siguiente cuando un año es más corto; los calendarios omiten esos años</translation>
    </message>
    <message>
        <source>a %1 weekday runs into the next year when a year has fewer; calendars skip that year</source>
        <extracomment>%1 is an ordinal number (&quot;53rd&quot;).</extracomment>
        <translation>un %1 día de la semana pasa al año siguiente cuando un año tiene menos; los calendarios omiten ese año</translation>
    </message>
    <message>
        <source>has no date</source>
        <translation>no tiene fecha</translation>
    </message>
</context>
<context>
    <name>FacebookDialog</name>
    <message>
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>Facebook login page</source>
        <translation>Página de inicio de sesión de Facebook</translation>
    </message>
    <message>
        <source>Log in to Facebook here to import your friends&apos; birthdays or your events.</source>
        <translation>Inicie sesión aquí en Facebook para importar los cumpleaños de sus amigos o sus eventos.</translation>
    </message>
    <message>
        <source>Facebook entries</source>
        <translation>Entradas de Facebook</translation>
    </message>
    <message>
        <source>%1 (%2%)</source>
        <extracomment>The window title while a page loads: %1 is the page&apos;s title, %2 how much of it has come in percent</extracomment>
        <translation>%1 (%2 %)</translation>
    </message>
</context>
<context>
    <name>Ferrule::Updater</name>
    <message>
        <source>Oriventa %1 is available. You can download it from:
%2</source>
        <translation>Oriventa %1 está disponible. Puede descargarlo desde:
%2</translation>
    </message>
    <message>
        <source>Oriventa is up to date.</source>
        <translation>Oriventa está actualizado.</translation>
    </message>
    <message>
        <source>The check for a newer version of Oriventa failed.</source>
        <translation>No se pudo comprobar si hay una versión más reciente de Oriventa.</translation>
    </message>
    <message>
        <source>Oriventa Update</source>
        <translation>Actualización de Oriventa</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>No existe el archivo o la carpeta</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>No queda espacio en el dispositivo</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Sistema de archivos de solo lectura</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Es una carpeta</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>No es una carpeta</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Se ha superado la cuota de disco</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>El nombre del archivo es demasiado largo</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Error de entrada/salida</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message numerus="yes">
        <source>The file is damaged; only the %n events before the damage could be read.</source>
        <translation>
            <numerusform>El archivo está dañado; solo se pudo leer %n evento anterior al daño.</numerusform>
            <numerusform>El archivo está dañado; solo se pudieron leer los %n eventos anteriores al daño.</numerusform>
        </translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <extracomment>Why a file could not be imported, after &quot;&lt;file&gt; could not be imported: &quot;; %1 is the system&apos;s reason.</extracomment>
        <translation>no se pudo leer: %1</translation>
    </message>
    <message>
        <source>is neither an events file, an iCalendar file nor a vCard file</source>
        <extracomment>Why a file could not be imported, after &quot;&lt;file&gt; could not be imported: &quot;.</extracomment>
        <translation>no es un archivo de eventos, ni un archivo iCalendar, ni un archivo vCard</translation>
    </message>
    <message>
        <source>is damaged and holds nothing that could be read</source>
        <extracomment>Why a file could not be imported, after &quot;&lt;file&gt; could not be imported: &quot;.</extracomment>
        <translation>está dañado y no contiene nada legible</translation>
    </message>
    <message>
        <source>is larger than %1 MiB, too large for a contacts or calendar file</source>
        <extracomment>Why a file could not be imported, after &quot;&lt;file&gt; could not be imported: &quot;.</extracomment>
        <translation>ocupa más de %1 MiB, demasiado para un archivo de contactos o de calendario</translation>
    </message>
    <message>
        <source>Nothing was added from %1.</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>No se añadió nada de %1.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n events from %1.</source>
        <translation>
            <numerusform>Se añadió %n evento de %1.</numerusform>
            <numerusform>Se añadieron %n eventos de %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n events because the name is already taken: %1 and %2 more.</source>
        <extracomment>%1 lists the first names, %2 is how many more there are.</extracomment>
        <translation>
            <numerusform>Se omitió %n evento porque el nombre ya está en uso: %1 y %2 más.</numerusform>
            <numerusform>Se omitieron %n eventos porque el nombre ya está en uso: %1 y %2 más.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n events because the name is already taken: %1.</source>
        <extracomment>%1 lists the names.</extracomment>
        <translation>
            <numerusform>Se omitió %n evento porque el nombre ya está en uso: %1.</numerusform>
            <numerusform>Se omitieron %n eventos porque el nombre ya está en uso: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out %n entries that Oriventa cannot represent:</source>
        <translation>
            <numerusform>Se omitió %n entrada que Oriventa no puede representar:</numerusform>
            <numerusform>Se omitieron %n entradas que Oriventa no puede representar:</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>An entry left out: %1 is its name, %2 why (&quot;has no date&quot;, …).</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <extracomment>The end of a list too long to show whole.</extracomment>
        <translation>
            <numerusform>y %n más.</numerusform>
            <numerusform>y %n más.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contacts have neither a birthday nor an anniversary.</source>
        <translation>
            <numerusform>%n contacto no tiene ni cumpleaños ni aniversario.</numerusform>
            <numerusform>%n contactos no tienen ni cumpleaños ni aniversario.</numerusform>
        </translation>
    </message>
    <message>
        <source>(untitled)</source>
        <extracomment>The name given to a calendar entry that has no title.</extracomment>
        <translation>(sin título)</translation>
    </message>
    <message>
        <source>has the same UID as an earlier entry</source>
        <extracomment>Why a calendar entry was left out, after its name and &quot;: &quot;.</extracomment>
        <translation>tiene el mismo UID que una entrada anterior</translation>
    </message>
    <message>
        <source>It could not be read as a calendar.</source>
        <translation>No se pudo leer como calendario.</translation>
    </message>
    <message>
        <source>has a repeat rule or exception that could not be read</source>
        <extracomment>Why a calendar entry was left out, after its name and &quot;: &quot;.</extracomment>
        <translation>tiene una regla de repetición o una excepción que no se pudo leer</translation>
    </message>
    <message>
        <source>has changed occurrences</source>
        <extracomment>Why a calendar entry was left out, after its name and &quot;: &quot;.</extracomment>
        <translation>tiene repeticiones modificadas</translation>
    </message>
    <message>
        <source>The file ends in the middle of a contact, which was left out.</source>
        <translation>El archivo termina en mitad de un contacto, que se omitió.</translation>
    </message>
    <message>
        <source>(no name)</source>
        <extracomment>Stands for the name of a contact that has none.</extracomment>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>has no name</source>
        <extracomment>Why a contact was left out, after its name and &quot;: &quot;.</extracomment>
        <translation>no tiene nombre</translation>
    </message>
    <message>
        <source>has the date &quot;%1&quot;, which is not a day of the year</source>
        <extracomment>Why a contact&apos;s date was left out, after its name and &quot;: &quot;; %1 is the date as the file has it.</extracomment>
        <translation>tiene la fecha «%1», que no es un día del año</translation>
    </message>
    <message>
        <source>falls on different weeks for different weekdays</source>
        <translation>cae en semanas distintas según el día de la semana</translation>
    </message>
    <message>
        <source>falls on every such weekday of the period</source>
        <translation>cae en cada uno de esos días de la semana del periodo</translation>
    </message>
    <message>
        <source>counts weekdays from the end of the period</source>
        <translation>cuenta los días de la semana desde el final del periodo</translation>
    </message>
    <message>
        <source>counts days from the end of the month</source>
        <translation>cuenta los días desde el final del mes</translation>
    </message>
    <message>
        <source>falls on day %1, which a chosen month does not always have</source>
        <translation>cae en el día %1, que un mes elegido no siempre tiene</translation>
    </message>
    <message>
        <source>begins on %1, and Oriventa would remind of earlier days</source>
        <extracomment>Why a calendar entry was left out; %1 is its first date (2030-01-08).</extracomment>
        <translation>empieza el %1, y Oriventa recordaría días anteriores</translation>
    </message>
    <message>
        <source>falls on other days here at times of the year (its time zone)</source>
        <translation>aquí cae en otros días en algunas épocas del año (su zona horaria)</translation>
    </message>
    <message>
        <source>repeats every second</source>
        <translation>se repite cada segundo</translation>
    </message>
    <message>
        <source>repeats every minute</source>
        <translation>se repite cada minuto</translation>
    </message>
    <message>
        <source>repeats hourly</source>
        <translation>se repite cada hora</translation>
    </message>
    <message>
        <source>repeats daily</source>
        <translation>se repite cada día</translation>
    </message>
    <message>
        <source>repeats in a way Oriventa does not know</source>
        <translation>se repite de una forma que Oriventa no conoce</translation>
    </message>
    <message numerus="yes">
        <source>repeats every %n weeks</source>
        <translation>
            <numerusform>se repite cada %n semana</numerusform>
            <numerusform>se repite cada %n semanas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>repeats every %n months</source>
        <translation>
            <numerusform>se repite cada %n mes</numerusform>
            <numerusform>se repite cada %n meses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>repeats every %n years</source>
        <translation>
            <numerusform>se repite cada %n año</numerusform>
            <numerusform>se repite cada %n años</numerusform>
        </translation>
    </message>
    <message>
        <source>has a COUNT or UNTIL limit</source>
        <translation>tiene un límite COUNT o UNTIL</translation>
    </message>
    <message>
        <source>picks its days by position, week number or time of day</source>
        <translation>elige sus días por posición, número de semana u hora del día</translation>
    </message>
    <message>
        <source>falls only where a day number and a weekday meet</source>
        <translation>solo cae donde coinciden un número de día y un día de la semana</translation>
    </message>
    <message>
        <source>repeats weekly only on some days of the year</source>
        <translation>se repite cada semana solo algunos días del año</translation>
    </message>
    <message>
        <source>counts weeks within the period</source>
        <translation>cuenta semanas dentro del periodo</translation>
    </message>
    <message>
        <source>repeats monthly only in some months</source>
        <translation>se repite cada mes solo en algunos meses</translation>
    </message>
    <message>
        <source>falls on a weekday no month has</source>
        <translation>cae en un día de la semana que ningún mes tiene</translation>
    </message>
    <message>
        <source>falls on several days of the month</source>
        <translation>cae en varios días del mes</translation>
    </message>
    <message>
        <source>falls on day %1, which not every month has</source>
        <translation>cae en el día %1, que no todos los meses tienen</translation>
    </message>
    <message>
        <source>combines a day of the year with other choices</source>
        <translation>combina un día del año con otras opciones</translation>
    </message>
    <message>
        <source>falls on several days of the year</source>
        <translation>cae en varios días del año</translation>
    </message>
    <message>
        <source>counts days from the end of the year</source>
        <translation>cuenta los días desde el final del año</translation>
    </message>
    <message>
        <source>falls on day %1 of the year, which not every year has</source>
        <translation>cae en el día %1 del año, que no todos los años tienen</translation>
    </message>
    <message>
        <source>falls on a %1 weekday, which not every month has</source>
        <extracomment>Why a calendar entry was left out; %1 is an ordinal number (&quot;5th&quot;).</extracomment>
        <translation>cae en un %1 día de la semana, que no todos los meses tienen</translation>
    </message>
    <message>
        <source>falls on a %1 weekday, which not every year has</source>
        <extracomment>Why a calendar entry was left out; %1 is an ordinal number (&quot;53rd&quot;).</extracomment>
        <translation>cae en un %1 día de la semana, que no todos los años tienen</translation>
    </message>
    <message>
        <source>is a to-do, not an event</source>
        <translation>es una tarea, no un evento</translation>
    </message>
    <message>
        <source>is a journal entry, not an event</source>
        <translation>es una entrada de diario, no un evento</translation>
    </message>
    <message>
        <source>is not an event</source>
        <translation>no es un evento</translation>
    </message>
    <message>
        <source>changes one occurrence of a repeating event</source>
        <translation>cambia una repetición de un evento periódico</translation>
    </message>
    <message>
        <source>has no title</source>
        <translation>no tiene título</translation>
    </message>
    <message>
        <source>has no date</source>
        <translation>no tiene fecha</translation>
    </message>
    <message>
        <source>has extra dates</source>
        <translation>tiene fechas adicionales</translation>
    </message>
    <message>
        <source>has several repeat rules</source>
        <translation>tiene varias reglas de repetición</translation>
    </message>
    <message>
        <source>has exceptions</source>
        <translation>tiene excepciones</translation>
    </message>
    <message>
        <source>repeats at a time that falls on another day here</source>
        <translation>se repite a una hora que aquí cae en otro día</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Add Event</source>
        <translation>Añadir evento</translation>
    </message>
    <message>
        <source>Add a new event to be notified of.</source>
        <translation>Añadir un nuevo evento del que se le avisará.</translation>
    </message>
    <message>
        <source>Edit Event</source>
        <translation>Editar evento</translation>
    </message>
    <message>
        <source>Edit the selected event&apos;s details.</source>
        <translation>Editar los detalles del evento seleccionado.</translation>
    </message>
    <message>
        <source>Remove Event</source>
        <translation>Eliminar evento</translation>
    </message>
    <message>
        <source>Remove the selected event.</source>
        <translation>Eliminar el evento seleccionado.</translation>
    </message>
    <message>
        <source>View Event</source>
        <translation>Ver evento</translation>
    </message>
    <message>
        <source>View details of the selected event.</source>
        <translation>Ver los detalles del evento seleccionado.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Change the program settings.</source>
        <translation>Cambiar la configuración del programa.</translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>Load friends&apos; birthdays from Facebook.</source>
        <translation>Cargar los cumpleaños de sus amigos desde Facebook.</translation>
    </message>
    <message>
        <source>Facebook Events</source>
        <translation>Eventos de Facebook</translation>
    </message>
    <message>
        <source>Load events from Facebook.</source>
        <translation>Cargar eventos desde Facebook.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Load events from file.</source>
        <translation>Cargar eventos desde un archivo.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Save events to file.</source>
        <translation>Guardar los eventos en un archivo.</translation>
    </message>
    <message>
        <source>Add - Edit</source>
        <translation>Añadir - Editar</translation>
    </message>
    <message>
        <source>Event Details</source>
        <translation>Detalles del evento</translation>
    </message>
    <message>
        <source>Notify me of:</source>
        <translation>Avisarme de:</translation>
    </message>
    <message>
        <source>This event has occurred</source>
        <translation>Este evento ha ocurrido</translation>
    </message>
    <message>
        <source> times.</source>
        <translation> veces.</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Programación</translation>
    </message>
    <message>
        <source>This event is:</source>
        <translation>Este evento es:</translation>
    </message>
    <message>
        <source>Singular</source>
        <translation>Único</translation>
    </message>
    <message>
        <source>Occurring once on:</source>
        <translation>Ocurre una sola vez el:</translation>
    </message>
    <message>
        <source>Repeating</source>
        <translation>Periódico</translation>
    </message>
    <message>
        <source> Weekly </source>
        <translation> Semanal </translation>
    </message>
    <message>
        <source>This event occurs every:</source>
        <translation>Este evento ocurre cada:</translation>
    </message>
    <message>
        <source> Monthly </source>
        <translation> Mensual </translation>
    </message>
    <message>
        <source>This event occurs on the</source>
        <translation>Este evento ocurre el</translation>
    </message>
    <message>
        <source>of the month.</source>
        <translation>del mes.</translation>
    </message>
    <message>
        <source> Yearly </source>
        <translation> Anual </translation>
    </message>
    <message>
        <source>of</source>
        <translation>de</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Recordatorio</translation>
    </message>
    <message>
        <source>Notify me</source>
        <translation>Avisarme</translation>
    </message>
    <message>
        <source> days before the event.</source>
        <translation> días antes del evento.</translation>
    </message>
    <message>
        <source>Only show notification once a day.</source>
        <translation>Mostrar la notificación solo una vez al día.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Event Description: </source>
        <translation>Descripción del evento: </translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>The event will occur next on </source>
        <translation>El evento ocurrirá la próxima vez el </translation>
    </message>
    <message>
        <source>, in </source>
        <translation>, dentro de </translation>
    </message>
    <message>
        <source> days time.</source>
        <translation> días.</translation>
    </message>
    <message>
        <source>This event has occurred </source>
        <translation>Este evento ha ocurrido </translation>
    </message>
    <message>
        <source>This event is </source>
        <translation>Este evento es </translation>
    </message>
    <message>
        <source>Occurring once on the </source>
        <translation>Ocurre una sola vez el </translation>
    </message>
    <message>
        <source>Occurring </source>
        <translation>Se repite </translation>
    </message>
    <message>
        <source>Every </source>
        <translation>Cada </translation>
    </message>
    <message>
        <source> of the month.</source>
        <translation> del mes.</translation>
    </message>
    <message>
        <source> of </source>
        <translation> de </translation>
    </message>
    <message>
        <source>You will be notified </source>
        <translation>Se le avisará </translation>
    </message>
    <message>
        <source>You will not be notified of this event.</source>
        <translation>No se le avisará de este evento.</translation>
    </message>
    <message>
        <source>You will only be shown one notification per day for this event.</source>
        <translation>Solo se le mostrará una notificación al día de este evento.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Notification Method</source>
        <translation>Método de notificación</translation>
    </message>
    <message>
        <source>Notify me using a tray notification.</source>
        <translation>Avisarme con una notificación en la bandeja del sistema.</translation>
    </message>
    <message>
        <source>Notify me using a popup dialog.</source>
        <translation>Avisarme con una ventana emergente.</translation>
    </message>
    <message>
        <source>Desktop notifications</source>
        <translation>Notificaciones del escritorio</translation>
    </message>
    <message>
        <source>Notification Options</source>
        <translation>Opciones de notificación</translation>
    </message>
    <message>
        <source>Show each notification separately.</source>
        <translation>Mostrar cada notificación por separado.</translation>
    </message>
    <message>
        <source>Facebook Import Settings</source>
        <translation>Configuración de importación de Facebook</translation>
    </message>
    <message>
        <source>Logout</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>Logout of Facebook.</source>
        <translation>Cerrar la sesión de Facebook.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualización</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Check for updates automatically.</source>
        <translation>Buscar actualizaciones automáticamente.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sincronización</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Dirección del servidor</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Sync now</source>
        <translation>Sincronizar ahora</translation>
    </message>
    <message>
        <source>iCalendar (*.ics)</source>
        <translation>iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>All supported files (*.evt *.ics *.vcf)</source>
        <translation>Todos los archivos admitidos (*.evt *.ics *.vcf)</translation>
    </message>
    <message>
        <source>vCard (*.vcf)</source>
        <translation>vCard (*.vcf)</translation>
    </message>
    <message>
        <source>Import Events</source>
        <translation>Importar eventos</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Error al importar</translation>
    </message>
    <message>
        <source>%1 could not be imported: %2</source>
        <translation>No se pudo importar %1: %2</translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Importación completada</translation>
    </message>
    <message>
        <source>Import Incomplete</source>
        <translation>Importación incompleta</translation>
    </message>
    <message>
        <source>%1 was imported only in part. %2</source>
        <translation>%1 solo se importó en parte. %2</translation>
    </message>
    <message>
        <source>Export Events</source>
        <translation>Exportar eventos</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Error al exportar</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>No se pudo escribir %1: %2.</translation>
    </message>
    <message>
        <source>Export Complete</source>
        <translation>Exportación completada</translation>
    </message>
    <message>
        <source>Save Events Elsewhere</source>
        <translation>Guardar los eventos en otro lugar</translation>
    </message>
    <message>
        <source>Events Not Saved</source>
        <translation>Eventos no guardados</translation>
    </message>
    <message>
        <source>%1 could not be written either.</source>
        <translation>Tampoco se pudo escribir %1.</translation>
    </message>
    <message>
        <source>Events Saved Elsewhere</source>
        <translation>Eventos guardados en otro lugar</translation>
    </message>
    <message>
        <source>Your events were saved in %1. Import that file once Oriventa can save its list again.</source>
        <translation>Sus eventos se guardaron en %1. Importe ese archivo cuando Oriventa pueda volver a guardar su lista.</translation>
    </message>
    <message>
        <source>Your friend&apos;s birthdays have been imported.</source>
        <translation>Se han importado los cumpleaños de sus amigos.</translation>
    </message>
    <message>
        <source>Your Facebook events have been imported.</source>
        <translation>Se han importado sus eventos de Facebook.</translation>
    </message>
    <message>
        <source>Facebook Error</source>
        <translation>Error de Facebook</translation>
    </message>
    <message>
        <source>There was an error connecting to Facebook, please try again.</source>
        <translation>Se produjo un error al conectar con Facebook; inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>You have logged out of Facebook.</source>
        <translation>Ha cerrado la sesión de Facebook.</translation>
    </message>
    <message>
        <source>Damaged Events File</source>
        <translation>Archivo de eventos dañado</translation>
    </message>
    <message>
        <source>Your events file could not be read to its end. Your events have been saved, but the damaged file could not be kept beside them.</source>
        <translation>Su archivo de eventos no se pudo leer hasta el final. Sus eventos se han guardado, pero no se pudo conservar el archivo dañado junto a ellos.</translation>
    </message>
    <message>
        <source>Your events could not be saved: %1 could not be read when Oriventa started (%2), so it is left as it is.</source>
        <translation>No se pudieron guardar sus eventos: %1 no se pudo leer al iniciar Oriventa (%2), así que se deja como está.</translation>
    </message>
    <message>
        <source>Your events could not be saved in %1: %2.</source>
        <translation>No se pudieron guardar sus eventos en %1: %2.</translation>
    </message>
    <message>
        <source>Events File Unreadable</source>
        <translation>Archivo de eventos ilegible</translation>
    </message>
    <message>
        <source>Your events file %1 could not be read: %2.

Oriventa leaves it as it is and will not save over it; events you add now can be saved elsewhere when you close the window.</source>
        <translation>No se pudo leer su archivo de eventos %1: %2.

Oriventa lo deja como está y no lo sobrescribirá; los eventos que añada ahora se podrán guardar en otro lugar al cerrar la ventana.</translation>
    </message>
    <message>
        <source>The next sync will take back what the server holds.</source>
        <translation>La próxima sincronización recuperará lo que guarda el servidor.</translation>
    </message>
    <message>
        <source>The unread part could not be kept.</source>
        <translation>No se pudo conservar la parte no leída.</translation>
    </message>
    <message>
        <source>The unread part is kept as %1.</source>
        <translation>La parte no leída se conserva como %1.</translation>
    </message>
    <message>
        <source>Your events file %1 could not be read to its end: only %2 of its events could be read.</source>
        <translation>Su archivo de eventos %1 no se pudo leer hasta el final: solo se pudieron leer %2 de sus eventos.</translation>
    </message>
    <message>
        <source>New calendar &quot;Oriventa&quot;</source>
        <translation>Nuevo calendario «Oriventa»</translation>
    </message>
    <message>
        <source>Sync Failed</source>
        <translation>Error al sincronizar</translation>
    </message>
    <message>
        <source>Enter the address of the server first.</source>
        <translation>Introduzca primero la dirección del servidor.</translation>
    </message>
    <message>
        <source>Password for %1:</source>
        <translation>Contraseña de %1:</translation>
    </message>
    <message>
        <source>Sync Cancelled</source>
        <translation>Sincronización cancelada</translation>
    </message>
    <message>
        <source>Your events could not be saved, so they were not synced: %1.</source>
        <translation>No se pudieron guardar sus eventos, así que no se sincronizaron: %1.</translation>
    </message>
    <message>
        <source>Password for %1 on %2:</source>
        <translation>Contraseña de %1 en %2:</translation>
    </message>
    <message>
        <source>The server refused the user name or password.</source>
        <translation>El servidor rechazó el nombre de usuario o la contraseña.</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Each event with its next date and the days remaining. Enter views the selected event, Delete removes it.</source>
        <translation>Cada evento con su próxima fecha y los días que faltan. Intro muestra el evento seleccionado y Supr lo elimina.</translation>
    </message>
    <message>
        <source>Event name</source>
        <translation>Nombre del evento</translation>
    </message>
    <message>
        <source>Times occurred</source>
        <translation>Veces que ha ocurrido</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Repeats</source>
        <translation>Repetición</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Días de la semana</translation>
    </message>
    <message>
        <source>Tick the weekdays on which the event occurs.</source>
        <translation>Marque los días de la semana en que ocurre el evento.</translation>
    </message>
    <message>
        <source>Day in the month</source>
        <translation>Día del mes</translation>
    </message>
    <message>
        <source>Which day number, or which of the ticked weekdays: 2 with Monday ticked means the second Monday.</source>
        <translation>Qué número de día, o cuál de los días de la semana marcados: 2 con el lunes marcado significa el segundo lunes.</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Días del mes</translation>
    </message>
    <message>
        <source>Tick Day to count days of the month, or the weekdays to count.</source>
        <translation>Marque «día» para contar los días del mes, o los días de la semana que se cuentan.</translation>
    </message>
    <message>
        <source>Day in the year</source>
        <translation>Día del año</translation>
    </message>
    <message>
        <source>Days of the year</source>
        <translation>Días del año</translation>
    </message>
    <message>
        <source>Tick Day to count days, or the weekdays to count.</source>
        <translation>Marque «día» para contar los días, o los días de la semana que se cuentan.</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Meses</translation>
    </message>
    <message>
        <source>Tick Year to count through the whole year, or the months to count in.</source>
        <translation>Marque «año» para contar a lo largo de todo el año, o los meses en los que se cuenta.</translation>
    </message>
    <message>
        <source>Days before the event</source>
        <translation>Días antes del evento</translation>
    </message>
    <message>
        <source>Save the event and return to the list.</source>
        <translation>Guardar el evento y volver a la lista.</translation>
    </message>
    <message>
        <source>Return to the list without saving the event.</source>
        <translation>Volver a la lista sin guardar el evento.</translation>
    </message>
    <message>
        <source>Event details</source>
        <translation>Detalles del evento</translation>
    </message>
    <message>
        <source>Return to the list.</source>
        <translation>Volver a la lista.</translation>
    </message>
    <message>
        <source>Keep the changed settings and return to the list.</source>
        <translation>Conservar la configuración cambiada y volver a la lista.</translation>
    </message>
    <message>
        <source>Return to the list without changing the settings.</source>
        <translation>Volver a la lista sin cambiar la configuración.</translation>
    </message>
    <message>
        <source>the Year</source>
        <extracomment>In a list of months on the details page: &quot;Every 3rd Friday of the Year, March&quot;.</extracomment>
        <translation>todo el año</translation>
    </message>
    <message>
        <source>Day</source>
        <extracomment>The day number of a month or year, in a list with weekdays: &quot;Every 15th Day of the month&quot;.</extracomment>
        <translation>día</translation>
    </message>
    <message>
        <source>Select Event</source>
        <translation>Seleccionar evento</translation>
    </message>
    <message>
        <source>Please select an event to view.</source>
        <translation>Seleccione un evento para verlo.</translation>
    </message>
    <message numerus="yes">
        <source>This event has occurred %n times.</source>
        <translation>
            <numerusform>Este evento ha ocurrido %n vez.</numerusform>
            <numerusform>Este evento ha ocurrido %n veces.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The event will occur next on %1, in %n days time.</source>
        <extracomment>%1 is the date in the long format, %n the days from today.</extracomment>
        <translation>
            <numerusform>El evento ocurrirá la próxima vez el %1, dentro de %n día.</numerusform>
            <numerusform>El evento ocurrirá la próxima vez el %1, dentro de %n días.</numerusform>
        </translation>
    </message>
    <message>
        <source>This event is singular.</source>
        <translation>Este evento es único.</translation>
    </message>
    <message>
        <source>Occurring once on the %1</source>
        <extracomment>%1 is the date in the long format.</extracomment>
        <translation>Ocurre una sola vez el %1</translation>
    </message>
    <message>
        <source>This event is repeating.</source>
        <translation>Este evento es periódico.</translation>
    </message>
    <message>
        <source>Every %1</source>
        <extracomment>%1 lists weekdays: &quot;Every Monday, Wednesday&quot;.</extracomment>
        <translation>Cada %1</translation>
    </message>
    <message>
        <source>Occurring weekly.</source>
        <translation>Se repite cada semana.</translation>
    </message>
    <message>
        <source>Every %1 %2 of the month.</source>
        <extracomment>%1 is an ordinal number (&quot;15th&quot;), %2 &quot;Day&quot; and weekdays: &quot;Every 15th Day of the month.&quot;</extracomment>
        <translation>Cada %1 %2 del mes.</translation>
    </message>
    <message>
        <source>Occurring monthly.</source>
        <translation>Se repite cada mes.</translation>
    </message>
    <message>
        <source>Every %1 %2 of %3</source>
        <extracomment>%1 is an ordinal number (&quot;3rd&quot;), %2 &quot;Day&quot; and weekdays, %3 &quot;the Year&quot; and months: &quot;Every 3rd Friday of the Year, March&quot;</extracomment>
        <translation>Cada %1 %2 de %3</translation>
    </message>
    <message>
        <source>Occurring yearly.</source>
        <translation>Se repite cada año.</translation>
    </message>
    <message numerus="yes">
        <source>You will be notified %n days before the event.</source>
        <translation>
            <numerusform>Se le avisará %n día antes del evento.</numerusform>
            <numerusform>Se le avisará %n días antes del evento.</numerusform>
        </translation>
    </message>
    <message>
        <source>Year</source>
        <extracomment>Ticked instead of months: the day number counts through the whole year.</extracomment>
        <translation>año</translation>
    </message>
    <message>
        <source>Please select an event to edit.</source>
        <translation>Seleccione un evento para editarlo.</translation>
    </message>
    <message>
        <source>Please select an event to remove.</source>
        <translation>Seleccione un evento para eliminarlo.</translation>
    </message>
    <message>
        <source>Are you sure you wish to permanently remove this event?</source>
        <translation>¿Seguro que desea eliminar este evento de forma permanente?</translation>
    </message>
    <message>
        <source>Are you sure you wish to permanently remove these events?</source>
        <translation>¿Seguro que desea eliminar estos eventos de forma permanente?</translation>
    </message>
    <message>
        <source>Confirm Removal</source>
        <translation>Confirmar eliminación</translation>
    </message>
    <message>
        <source>Enter Details</source>
        <translation>Introducir detalles</translation>
    </message>
    <message>
        <source>Events File (*.evt)</source>
        <translation>Archivo de eventos (*.evt)</translation>
    </message>
    <message>
        <source>Days Remaining</source>
        <translation>Días restantes</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Datos</translation>
    </message>
    <message>
        <source>Password Not Stored</source>
        <translation>Contraseña no guardada</translation>
    </message>
    <message>
        <source>No secret store runs on this desktop, so the password is kept only until Oriventa closes. You will be asked for it again at the next start.</source>
        <translation>No hay ningún almacén de contraseñas en este escritorio, así que la contraseña solo se conserva hasta que se cierre Oriventa. Se le volverá a pedir en el próximo inicio.</translation>
    </message>
    <message>
        <source>The sync was cancelled. What it had done is kept, and the next sync goes on from there.</source>
        <translation>La sincronización se canceló. Lo que ya había hecho se conserva y la próxima sincronización seguirá desde ahí.</translation>
    </message>
    <message numerus="yes">
        <source>%n days before the event.</source>
        <comment>after a box</comment>
        <extracomment>The words after a box with the number of days: only what follows the number is shown.</extracomment>
        <translation>
            <numerusform>%n día antes del evento.</numerusform>
            <numerusform>%n días antes del evento.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Events Not Saved</source>
        <translation>Eventos no guardados</translation>
    </message>
    <message>
        <source>Save Elsewhere...</source>
        <translation>Guardar en otro lugar…</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>Cerrar sin guardar</translation>
    </message>
    <message>
        <source>Delete on the Server?</source>
        <translation>¿Eliminar en el servidor?</translation>
    </message>
    <message>
        <source>Delete these events on the server?</source>
        <translation>¿Eliminar estos eventos en el servidor?</translation>
    </message>
</context>
<context>
    <name>NotificationSession</name>
    <message numerus="yes">
        <source>%n reminders are due</source>
        <extracomment>The title of one notification for several reminders at once.</extracomment>
        <translation>
            <numerusform>%n recordatorio pendiente</numerusform>
            <numerusform>%n recordatorios pendientes</numerusform>
        </translation>
    </message>
    <message>
        <source>Show all reminders</source>
        <translation>Mostrar todos los recordatorios</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>A notification&apos;s button: opens the reminder&apos;s choices.</extracomment>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Remind me tomorrow</source>
        <translation>Recordármelo mañana</translation>
    </message>
    <message>
        <source>Not until next time</source>
        <translation>No avisarme hasta la próxima vez</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>No volver a recordármelo</translation>
    </message>
</context>
<context>
    <name>Ordinal</name>
    <message>
        <source>%1st</source>
        <comment>1</comment>
        <extracomment>An ordinal number, %1 being the number 1: &quot;1st&quot;.</extracomment>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1st</source>
        <comment>21, 31, 41, …</comment>
        <extracomment>An ordinal number ending in 1 other than 1 itself and 11: &quot;21st&quot;, &quot;101st&quot;.</extracomment>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1nd</source>
        <extracomment>An ordinal number ending in 2 but not in 12: &quot;2nd&quot;, &quot;22nd&quot;.</extracomment>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1rd</source>
        <extracomment>An ordinal number ending in 3 but not in 13: &quot;3rd&quot;, &quot;23rd&quot;.</extracomment>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1th</source>
        <extracomment>Every other ordinal number: &quot;4th&quot;, &quot;11th&quot;, &quot;12th&quot;, &quot;13th&quot;, &quot;20th&quot;.</extracomment>
        <translation>%1.º</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message numerus="yes">
        <source>The %1 event of %2 is on %3 there are %n days to go.</source>
        <extracomment>A reminder. %1 is an ordinal number (&quot;5th&quot;), %2 the event&apos;s name, %3 the date of its next occurrence in the long format, %n the days until then (0 on the day itself).</extracomment>
        <translation>
            <numerusform>El %1 evento de %2 es el %3: falta %n día.</numerusform>
            <numerusform>El %1 evento de %2 es el %3: faltan %n días.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is on %2 there are %n days to go.</source>
        <extracomment>A reminder. %1 is the event&apos;s name, %2 the date of its next occurrence in the long format, %n the days until then (0 on the day itself).</extracomment>
        <translation>
            <numerusform>%1 es el %2: falta %n día.</numerusform>
            <numerusform>%1 es el %2: faltan %n días.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReminderItem</name>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Closes the choices for %1 without applying them.</source>
        <extracomment>%1 is the event&apos;s name.</extracomment>
        <translation>Cierra las opciones de %1 sin aplicarlas.</translation>
    </message>
    <message>
        <source>For the event %1.</source>
        <extracomment>Tells a screen reader which reminder a control belongs to; %1 is the event&apos;s name.</extracomment>
        <translation>Para el evento %1.</translation>
    </message>
    <message>
        <source>Days until the next reminder</source>
        <translation>Días hasta el próximo recordatorio</translation>
    </message>
    <message>
        <source>Don&apos;t notify me until the next occurrence of this event.</source>
        <translation>No avisarme hasta la próxima vez que ocurra este evento.</translation>
    </message>
    <message>
        <source>Never notify me of this event again.</source>
        <translation>No volver a avisarme nunca de este evento.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Shows the choices for when to remind you again of %1.</source>
        <extracomment>%1 is the event&apos;s name.</extracomment>
        <translation>Muestra las opciones para volver a recordarle %1.</translation>
    </message>
    <message>
        <source>Applies the chosen reminder for %1.</source>
        <extracomment>%1 is the event&apos;s name.</extracomment>
        <translation>Aplica el recordatorio elegido para %1.</translation>
    </message>
    <message numerus="yes">
        <source>Notify me again in %n days.</source>
        <extracomment>A reminder&apos;s choice shown around a box with the number of days: the words before the number go before the box, the rest after it.</extracomment>
        <translation>
            <numerusform>Volver a avisarme dentro de %n día.</numerusform>
            <numerusform>Volver a avisarme dentro de %n días.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReminderWindow</name>
    <message>
        <source>Oriventa</source>
        <translation>Oriventa</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Recordatorios</translation>
    </message>
    <message>
        <source>Closes the reminders, or shows the next one when they come one at a time.</source>
        <translation>Cierra los recordatorios o muestra el siguiente si aparecen de uno en uno.</translation>
    </message>
</context>
<context>
    <name>Sync</name>
    <message numerus="yes">
        <source>%n events uploaded.</source>
        <translation>
            <numerusform>%n evento subido.</numerusform>
            <numerusform>%n eventos subidos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events downloaded.</source>
        <translation>
            <numerusform>%n evento descargado.</numerusform>
            <numerusform>%n eventos descargados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events deleted here.</source>
        <translation>
            <numerusform>%n evento eliminado aquí.</numerusform>
            <numerusform>%n eventos eliminados aquí.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events deleted on the server.</source>
        <translation>
            <numerusform>%n evento eliminado en el servidor.</numerusform>
            <numerusform>%n eventos eliminados en el servidor.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events that could not be read here were taken back from the server.</source>
        <translation>
            <numerusform>%n evento que no se pudo leer aquí se recuperó del servidor.</numerusform>
            <numerusform>%n eventos que no se pudieron leer aquí se recuperaron del servidor.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed here and elsewhere: both are kept, the other as &quot;%2&quot;.</source>
        <translation>«%1» se cambió aquí y en otro lugar: se conservan ambos, el otro como «%2».</translation>
    </message>
    <message>
        <source>Everything was already in sync.</source>
        <translation>Todo estaba ya sincronizado.</translation>
    </message>
    <message>
        <source>Reading the calendar...</source>
        <translation>Leyendo el calendario…</translation>
    </message>
    <message>
        <source>Reading %1 of %2</source>
        <translation>Leyendo %1 de %2</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Subiendo…</translation>
    </message>
    <message>
        <source>Uploading %1 of %2</source>
        <translation>Subiendo %1 de %2</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Descargando…</translation>
    </message>
    <message>
        <source>Downloading %1 of %2</source>
        <translation>Descargando %1 de %2</translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation>Eliminando…</translation>
    </message>
    <message>
        <source>Deleting %1 of %2</source>
        <translation>Eliminando %1 de %2</translation>
    </message>
    <message numerus="yes">
        <source>This sync would delete %1 of the %n events on the server, because they are no longer in your list. Nothing was changed: if you did delete them, allow the deletion.</source>
        <translation>
            <numerusform>Esta sincronización eliminaría %1 del %n evento del servidor, porque ya no está en su lista. No se ha cambiado nada: si de verdad lo eliminó, permita la eliminación.</numerusform>
            <numerusform>Esta sincronización eliminaría %1 de los %n eventos del servidor, porque ya no están en su lista. No se ha cambiado nada: si de verdad los eliminó, permita la eliminación.</numerusform>
        </translation>
    </message>
    <message>
        <source>No server address is set up.</source>
        <translation>No hay ninguna dirección de servidor configurada.</translation>
    </message>
    <message>
        <source>The events file %1 could not be read: %2. Nothing was synced.</source>
        <extracomment>%1 is the events file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>No se pudo leer el archivo de eventos %1: %2. No se sincronizó nada.</translation>
    </message>
    <message>
        <source>The events file is damaged: open Oriventa once to keep what can be read, then sync again.</source>
        <translation>El archivo de eventos está dañado: abra Oriventa una vez para conservar lo que se pueda leer y vuelva a sincronizar.</translation>
    </message>
    <message>
        <source>The events file could not be written: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>No se pudo escribir el archivo de eventos: %1.</translation>
    </message>
    <message>
        <source>cancelled</source>
        <extracomment>Why a sync ended, shown after &quot;sync failed: &quot; (the user stopped it).</extracomment>
        <translation>cancelada</translation>
    </message>
    <message>
        <source>The server did not answer as expected.</source>
        <translation>El servidor no respondió como se esperaba.</translation>
    </message>
</context>
</TS>
