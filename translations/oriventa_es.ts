<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it could not be read (%1), and saving would replace it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FacebookDialog</name>
    <message>
        <source>Facebook</source>
        <translation type="unfinished">Facebook</translation>
    </message>
    <message>
        <source>about:blank</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ferrule::Updater</name>
    <message>
        <source>Oriventa %1 is available. You can download it from:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oriventa is up to date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The check for a newer version of Oriventa failed.</source>
        <translation type="unfinished"></translation>
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
        <translation>Una sola vez el:</translation>
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
        <translation>Mostrar el recordatorio solo una vez al día.</translation>
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
        <translation>Descripción: </translation>
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
        <translation>Una sola vez el </translation>
    </message>
    <message>
        <source>Occurring </source>
        <translation>Repetición: </translation>
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
        <translation>Solo se le mostrará un recordatorio al día para este evento.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Notification Method</source>
        <translation>Método de aviso</translation>
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
        <translation>Opciones de aviso</translation>
    </message>
    <message>
        <source>Show each notification separately.</source>
        <translation>Mostrar cada recordatorio por separado.</translation>
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
        <translation>Error de sincronización</translation>
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
        <translation>Veces ocurrido</translation>
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
        <translation>Marque Día para contar los días del mes, o los días de la semana que se cuentan.</translation>
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
        <translation>Marque Día para contar días, o los días de la semana que se cuentan.</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Meses</translation>
    </message>
    <message>
        <source>Tick Year to count through the whole year, or the months to count in.</source>
        <translation>Marque Año para contar a lo largo de todo el año, o los meses en los que se cuenta.</translation>
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
        <translation>el año</translation>
    </message>
    <message>
        <source>Day</source>
        <extracomment>The day number of a month or year, in a list with weekdays: &quot;Every 15th Day of the month&quot;.</extracomment>
        <translation>Día</translation>
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
        <translation>Una sola vez el %1</translation>
    </message>
    <message>
        <source>This event is repeating.</source>
        <translation>Este evento se repite.</translation>
    </message>
    <message>
        <source>Every %1</source>
        <extracomment>%1 lists weekdays: &quot;Every Monday, Wednesday&quot;.</extracomment>
        <translation>Cada %1</translation>
    </message>
    <message>
        <source>Occurring weekly.</source>
        <translation>Cada semana.</translation>
    </message>
    <message>
        <source>Every %1 %2 of the month.</source>
        <extracomment>%1 is an ordinal number (&quot;15th&quot;), %2 &quot;Day&quot; and weekdays: &quot;Every 15th Day of the month.&quot;</extracomment>
        <translation>Cada %1 %2 del mes.</translation>
    </message>
    <message>
        <source>Occurring monthly.</source>
        <translation>Cada mes.</translation>
    </message>
    <message>
        <source>Every %1 %2 of %3</source>
        <extracomment>%1 is an ordinal number (&quot;3rd&quot;), %2 &quot;Day&quot; and weekdays, %3 &quot;the Year&quot; and months: &quot;Every 3rd Friday of the Year, March&quot;</extracomment>
        <translation>Cada %1 %2 de: %3</translation>
    </message>
    <message>
        <source>Occurring yearly.</source>
        <translation>Cada año.</translation>
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
        <translation>Año</translation>
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
        <translation>Confirmar la eliminación</translation>
    </message>
    <message>
        <source>Enter Details</source>
        <translation>Introducir los detalles</translation>
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
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Events Not Saved</source>
        <translation>Eventos no guardados</translation>
    </message>
    <message>
        <source>Save Elsewhere...</source>
        <translation>Guardar en otro lugar...</translation>
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
    <name>ReminderWindow</name>
    <message>
        <source>Oriventa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished">Aceptar</translation>
    </message>
</context>
<context>
    <name>Sync</name>
    <message numerus="yes">
        <source>%n events uploaded.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events downloaded.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events deleted here.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events deleted on the server.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events that could not be read here were taken back from the server.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed here and elsewhere: both are kept, the other as &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everything was already in sync.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the calendar...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploading %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>This sync would delete %1 of the %n events on the server, because they are no longer in your list. Nothing was changed: if you did delete them, allow the deletion.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
