<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>EventListModel</name>
    <message>
        <source>N/A</source>
        <extracomment>In the &quot;Days Remaining&quot; column: the event will not occur again.</extracomment>
        <translation>k. A.</translation>
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
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Add Event</source>
        <translation>Ereignis hinzufügen</translation>
    </message>
    <message>
        <source>Add a new event to be notified of.</source>
        <translation>Ein neues Ereignis hinzufügen, an das Sie erinnert werden.</translation>
    </message>
    <message>
        <source>Edit Event</source>
        <translation>Ereignis bearbeiten</translation>
    </message>
    <message>
        <source>Edit the selected event&apos;s details.</source>
        <translation>Die Angaben zum ausgewählten Ereignis bearbeiten.</translation>
    </message>
    <message>
        <source>Remove Event</source>
        <translation>Ereignis entfernen</translation>
    </message>
    <message>
        <source>Remove the selected event.</source>
        <translation>Das ausgewählte Ereignis entfernen.</translation>
    </message>
    <message>
        <source>View Event</source>
        <translation>Ereignis anzeigen</translation>
    </message>
    <message>
        <source>View details of the selected event.</source>
        <translation>Die Einzelheiten des ausgewählten Ereignisses anzeigen.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Change the program settings.</source>
        <translation>Die Einstellungen des Programms ändern.</translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>Load friends&apos; birthdays from Facebook.</source>
        <translation>Geburtstage von Freunden aus Facebook laden.</translation>
    </message>
    <message>
        <source>Facebook Events</source>
        <translation>Facebook-Veranstaltungen</translation>
    </message>
    <message>
        <source>Load events from Facebook.</source>
        <translation>Veranstaltungen aus Facebook laden.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Load events from file.</source>
        <translation>Ereignisse aus einer Datei laden.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Save events to file.</source>
        <translation>Ereignisse in einer Datei speichern.</translation>
    </message>
    <message>
        <source>Add - Edit</source>
        <translation>Hinzufügen - Bearbeiten</translation>
    </message>
    <message>
        <source>Event Details</source>
        <translation>Angaben zum Ereignis</translation>
    </message>
    <message>
        <source>Notify me of:</source>
        <translation>Erinnern an:</translation>
    </message>
    <message>
        <source>This event has occurred</source>
        <translation>Dieses Ereignis ist eingetreten:</translation>
    </message>
    <message>
        <source> times.</source>
        <translation> Mal.</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>This event is:</source>
        <translation>Dieses Ereignis ist:</translation>
    </message>
    <message>
        <source>Singular</source>
        <translation>Einmalig</translation>
    </message>
    <message>
        <source>Occurring once on:</source>
        <translation>Einmalig am:</translation>
    </message>
    <message>
        <source>Repeating</source>
        <translation>Wiederkehrend</translation>
    </message>
    <message>
        <source> Weekly </source>
        <translation> Wöchentlich </translation>
    </message>
    <message>
        <source>This event occurs every:</source>
        <translation>Dieses Ereignis findet statt jeden:</translation>
    </message>
    <message>
        <source> Monthly </source>
        <translation> Monatlich </translation>
    </message>
    <message>
        <source>This event occurs on the</source>
        <translation>Dieses Ereignis findet statt am</translation>
    </message>
    <message>
        <source>of the month.</source>
        <translation>des Monats.</translation>
    </message>
    <message>
        <source> Yearly </source>
        <translation> Jährlich </translation>
    </message>
    <message>
        <source>of</source>
        <translation>im</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source>Notify me</source>
        <translation>Erinnern</translation>
    </message>
    <message>
        <source> days before the event.</source>
        <translation> Tage vor dem Ereignis.</translation>
    </message>
    <message>
        <source>Only show notification once a day.</source>
        <translation>Erinnerung nur einmal am Tag anzeigen.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Event Description: </source>
        <translation>Beschreibung: </translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>The event will occur next on </source>
        <translation>Das Ereignis findet als Nächstes statt am </translation>
    </message>
    <message>
        <source>, in </source>
        <translation>, in </translation>
    </message>
    <message>
        <source> days time.</source>
        <translation> Tagen.</translation>
    </message>
    <message>
        <source>This event has occurred </source>
        <translation>Dieses Ereignis ist </translation>
    </message>
    <message>
        <source>This event is </source>
        <translation>Dieses Ereignis ist </translation>
    </message>
    <message>
        <source>Occurring once on the </source>
        <translation>Einmalig am </translation>
    </message>
    <message>
        <source>Occurring </source>
        <translation>Wiederholung: </translation>
    </message>
    <message>
        <source>Every </source>
        <translation>Jeden </translation>
    </message>
    <message>
        <source> of the month.</source>
        <translation> des Monats.</translation>
    </message>
    <message>
        <source> of </source>
        <translation> im </translation>
    </message>
    <message>
        <source>You will be notified </source>
        <translation>Sie werden erinnert </translation>
    </message>
    <message>
        <source>You will not be notified of this event.</source>
        <translation>Sie werden an dieses Ereignis nicht erinnert.</translation>
    </message>
    <message>
        <source>You will only be shown one notification per day for this event.</source>
        <translation>Zu diesem Ereignis wird Ihnen nur eine Erinnerung am Tag angezeigt.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Notification Method</source>
        <translation>Art der Erinnerung</translation>
    </message>
    <message>
        <source>Notify me using a tray notification.</source>
        <translation>Mit einer Meldung im Benachrichtigungsfeld erinnern.</translation>
    </message>
    <message>
        <source>Notify me using a popup dialog.</source>
        <translation>Mit einem Dialogfenster erinnern.</translation>
    </message>
    <message>
        <source>Desktop notifications</source>
        <translation>Desktop-Benachrichtigungen</translation>
    </message>
    <message>
        <source>Notification Options</source>
        <translation>Erinnerungsoptionen</translation>
    </message>
    <message>
        <source>Show each notification separately.</source>
        <translation>Jede Erinnerung einzeln anzeigen.</translation>
    </message>
    <message>
        <source>Facebook Import Settings</source>
        <translation>Einstellungen für den Facebook-Import</translation>
    </message>
    <message>
        <source>Logout</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Logout of Facebook.</source>
        <translation>Von Facebook abmelden.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Nach Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>Check for updates automatically.</source>
        <translation>Automatisch nach Aktualisierungen suchen.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Abgleich</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradresse</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Sync now</source>
        <translation>Jetzt abgleichen</translation>
    </message>
    <message>
        <source>iCalendar (*.ics)</source>
        <translation>iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>All supported files (*.evt *.ics *.vcf)</source>
        <translation>Alle unterstützten Dateien (*.evt *.ics *.vcf)</translation>
    </message>
    <message>
        <source>vCard (*.vcf)</source>
        <translation>vCard (*.vcf)</translation>
    </message>
    <message>
        <source>Import Events</source>
        <translation>Ereignisse importieren</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Import fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 could not be imported: %2</source>
        <translation>%1 konnte nicht importiert werden: %2</translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Import abgeschlossen</translation>
    </message>
    <message>
        <source>Import Incomplete</source>
        <translation>Import unvollständig</translation>
    </message>
    <message>
        <source>%1 was imported only in part. %2</source>
        <translation>%1 wurde nur teilweise importiert. %2</translation>
    </message>
    <message>
        <source>Export Events</source>
        <translation>Ereignisse exportieren</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>%1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Export Complete</source>
        <translation>Export abgeschlossen</translation>
    </message>
    <message>
        <source>Save Events Elsewhere</source>
        <translation>Ereignisse an anderer Stelle speichern</translation>
    </message>
    <message>
        <source>Events Not Saved</source>
        <translation>Ereignisse nicht gespeichert</translation>
    </message>
    <message>
        <source>%1 could not be written either.</source>
        <translation>Auch %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Events Saved Elsewhere</source>
        <translation>Ereignisse an anderer Stelle gespeichert</translation>
    </message>
    <message>
        <source>Your events were saved in %1. Import that file once Oriventa can save its list again.</source>
        <translation>Ihre Ereignisse wurden in %1 gespeichert. Importieren Sie diese Datei, sobald Oriventa seine Liste wieder speichern kann.</translation>
    </message>
    <message>
        <source>Your friend&apos;s birthdays have been imported.</source>
        <translation>Die Geburtstage Ihrer Freunde wurden importiert.</translation>
    </message>
    <message>
        <source>Your Facebook events have been imported.</source>
        <translation>Ihre Facebook-Veranstaltungen wurden importiert.</translation>
    </message>
    <message>
        <source>Facebook Error</source>
        <translation>Facebook-Fehler</translation>
    </message>
    <message>
        <source>There was an error connecting to Facebook, please try again.</source>
        <translation>Beim Verbinden mit Facebook ist ein Fehler aufgetreten. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>You have logged out of Facebook.</source>
        <translation>Sie haben sich von Facebook abgemeldet.</translation>
    </message>
    <message>
        <source>Damaged Events File</source>
        <translation>Beschädigte Ereignisdatei</translation>
    </message>
    <message>
        <source>Your events file could not be read to its end. Your events have been saved, but the damaged file could not be kept beside them.</source>
        <translation>Ihre Ereignisdatei konnte nicht bis zum Ende gelesen werden. Ihre Ereignisse wurden gespeichert, aber die beschädigte Datei konnte nicht daneben aufbewahrt werden.</translation>
    </message>
    <message>
        <source>Your events could not be saved: %1 could not be read when Oriventa started (%2), so it is left as it is.</source>
        <translation>Ihre Ereignisse konnten nicht gespeichert werden: %1 konnte beim Start von Oriventa nicht gelesen werden (%2) und bleibt daher unverändert.</translation>
    </message>
    <message>
        <source>Your events could not be saved in %1: %2.</source>
        <translation>Ihre Ereignisse konnten nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Events File Unreadable</source>
        <translation>Ereignisdatei nicht lesbar</translation>
    </message>
    <message>
        <source>Your events file %1 could not be read: %2.

Oriventa leaves it as it is and will not save over it; events you add now can be saved elsewhere when you close the window.</source>
        <translation>Ihre Ereignisdatei %1 konnte nicht gelesen werden: %2.

Oriventa lässt sie unverändert und überschreibt sie nicht; Ereignisse, die Sie jetzt hinzufügen, können Sie beim Schließen des Fensters an anderer Stelle speichern.</translation>
    </message>
    <message>
        <source>The next sync will take back what the server holds.</source>
        <translation>Der nächste Abgleich holt zurück, was der Server hat.</translation>
    </message>
    <message>
        <source>The unread part could not be kept.</source>
        <translation>Der nicht gelesene Teil konnte nicht aufbewahrt werden.</translation>
    </message>
    <message>
        <source>The unread part is kept as %1.</source>
        <translation>Der nicht gelesene Teil wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>Your events file %1 could not be read to its end: only %2 of its events could be read.</source>
        <translation>Ihre Ereignisdatei %1 konnte nicht bis zum Ende gelesen werden: Nur %2 ihrer Ereignisse konnten gelesen werden.</translation>
    </message>
    <message>
        <source>New calendar &quot;Oriventa&quot;</source>
        <translation>Neuer Kalender „Oriventa“</translation>
    </message>
    <message>
        <source>Sync Failed</source>
        <translation>Abgleich fehlgeschlagen</translation>
    </message>
    <message>
        <source>Enter the address of the server first.</source>
        <translation>Geben Sie zuerst die Adresse des Servers ein.</translation>
    </message>
    <message>
        <source>Password for %1:</source>
        <translation>Passwort für %1:</translation>
    </message>
    <message>
        <source>Sync Cancelled</source>
        <translation>Abgleich abgebrochen</translation>
    </message>
    <message>
        <source>Your events could not be saved, so they were not synced: %1.</source>
        <translation>Ihre Ereignisse konnten nicht gespeichert und daher nicht abgeglichen werden: %1.</translation>
    </message>
    <message>
        <source>Password for %1 on %2:</source>
        <translation>Passwort für %1 auf %2:</translation>
    </message>
    <message>
        <source>The server refused the user name or password.</source>
        <translation>Der Server hat den Benutzernamen oder das Passwort abgelehnt.</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>Each event with its next date and the days remaining. Enter views the selected event, Delete removes it.</source>
        <translation>Jedes Ereignis mit seinem nächsten Datum und den verbleibenden Tagen. Die Eingabetaste zeigt das ausgewählte Ereignis an, die Entf-Taste entfernt es.</translation>
    </message>
    <message>
        <source>Event name</source>
        <translation>Name des Ereignisses</translation>
    </message>
    <message>
        <source>Times occurred</source>
        <translation>Anzahl bisher</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Repeats</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Wochentage</translation>
    </message>
    <message>
        <source>Tick the weekdays on which the event occurs.</source>
        <translation>Kreuzen Sie die Wochentage an, an denen das Ereignis stattfindet.</translation>
    </message>
    <message>
        <source>Day in the month</source>
        <translation>Tag im Monat</translation>
    </message>
    <message>
        <source>Which day number, or which of the ticked weekdays: 2 with Monday ticked means the second Monday.</source>
        <translation>Welcher Tag, oder welcher der angekreuzten Wochentage: 2 mit angekreuztem Montag bedeutet der zweite Montag.</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Tage des Monats</translation>
    </message>
    <message>
        <source>Tick Day to count days of the month, or the weekdays to count.</source>
        <translation>Kreuzen Sie „Tag“ an, um die Tage des Monats zu zählen, oder die zu zählenden Wochentage.</translation>
    </message>
    <message>
        <source>Day in the year</source>
        <translation>Tag im Jahr</translation>
    </message>
    <message>
        <source>Days of the year</source>
        <translation>Tage des Jahres</translation>
    </message>
    <message>
        <source>Tick Day to count days, or the weekdays to count.</source>
        <translation>Kreuzen Sie „Tag“ an, um Tage zu zählen, oder die zu zählenden Wochentage.</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>Tick Year to count through the whole year, or the months to count in.</source>
        <translation>Kreuzen Sie „Jahr“ an, um durch das ganze Jahr zu zählen, oder die Monate, in denen gezählt wird.</translation>
    </message>
    <message>
        <source>Days before the event</source>
        <translation>Tage vor dem Ereignis</translation>
    </message>
    <message>
        <source>Save the event and return to the list.</source>
        <translation>Das Ereignis speichern und zur Liste zurückkehren.</translation>
    </message>
    <message>
        <source>Return to the list without saving the event.</source>
        <translation>Ohne Speichern zur Liste zurückkehren.</translation>
    </message>
    <message>
        <source>Event details</source>
        <translation>Einzelheiten des Ereignisses</translation>
    </message>
    <message>
        <source>Return to the list.</source>
        <translation>Zur Liste zurückkehren.</translation>
    </message>
    <message>
        <source>Keep the changed settings and return to the list.</source>
        <translation>Die geänderten Einstellungen übernehmen und zur Liste zurückkehren.</translation>
    </message>
    <message>
        <source>Return to the list without changing the settings.</source>
        <translation>Ohne Änderung der Einstellungen zur Liste zurückkehren.</translation>
    </message>
    <message>
        <source>the Year</source>
        <extracomment>In a list of months on the details page: &quot;Every 3rd Friday of the Year, March&quot;.</extracomment>
        <translation>das ganze Jahr</translation>
    </message>
    <message>
        <source>Day</source>
        <extracomment>The day number of a month or year, in a list with weekdays: &quot;Every 15th Day of the month&quot;.</extracomment>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Select Event</source>
        <translation>Ereignis auswählen</translation>
    </message>
    <message>
        <source>Please select an event to view.</source>
        <translation>Bitte wählen Sie ein Ereignis zum Anzeigen aus.</translation>
    </message>
    <message numerus="yes">
        <source>This event has occurred %n times.</source>
        <translation>
            <numerusform>Dieses Ereignis ist %n-mal eingetreten.</numerusform>
            <numerusform>Dieses Ereignis ist %n-mal eingetreten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The event will occur next on %1, in %n days time.</source>
        <extracomment>%1 is the date in the long format, %n the days from today.</extracomment>
        <translation>
            <numerusform>Das Ereignis findet als Nächstes am %1 statt, in %n Tag.</numerusform>
            <numerusform>Das Ereignis findet als Nächstes am %1 statt, in %n Tagen.</numerusform>
        </translation>
    </message>
    <message>
        <source>This event is singular.</source>
        <translation>Dieses Ereignis ist einmalig.</translation>
    </message>
    <message>
        <source>Occurring once on the %1</source>
        <extracomment>%1 is the date in the long format.</extracomment>
        <translation>Einmalig am %1</translation>
    </message>
    <message>
        <source>This event is repeating.</source>
        <translation>Dieses Ereignis wiederholt sich.</translation>
    </message>
    <message>
        <source>Every %1</source>
        <extracomment>%1 lists weekdays: &quot;Every Monday, Wednesday&quot;.</extracomment>
        <translation>Jeden %1</translation>
    </message>
    <message>
        <source>Occurring weekly.</source>
        <translation>Wöchentlich.</translation>
    </message>
    <message>
        <source>Every %1 %2 of the month.</source>
        <extracomment>%1 is an ordinal number (&quot;15th&quot;), %2 &quot;Day&quot; and weekdays: &quot;Every 15th Day of the month.&quot;</extracomment>
        <translation>Jeden %1 %2 des Monats.</translation>
    </message>
    <message>
        <source>Occurring monthly.</source>
        <translation>Monatlich.</translation>
    </message>
    <message>
        <source>Every %1 %2 of %3</source>
        <extracomment>%1 is an ordinal number (&quot;3rd&quot;), %2 &quot;Day&quot; and weekdays, %3 &quot;the Year&quot; and months: &quot;Every 3rd Friday of the Year, March&quot;</extracomment>
        <translation>Jeden %1 %2 in: %3</translation>
    </message>
    <message>
        <source>Occurring yearly.</source>
        <translation>Jährlich.</translation>
    </message>
    <message numerus="yes">
        <source>You will be notified %n days before the event.</source>
        <translation>
            <numerusform>Sie werden %n Tag vor dem Ereignis erinnert.</numerusform>
            <numerusform>Sie werden %n Tage vor dem Ereignis erinnert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Year</source>
        <extracomment>Ticked instead of months: the day number counts through the whole year.</extracomment>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Please select an event to edit.</source>
        <translation>Bitte wählen Sie ein Ereignis zum Bearbeiten aus.</translation>
    </message>
    <message>
        <source>Please select an event to remove.</source>
        <translation>Bitte wählen Sie ein Ereignis zum Entfernen aus.</translation>
    </message>
    <message>
        <source>Are you sure you wish to permanently remove this event?</source>
        <translation>Möchten Sie dieses Ereignis wirklich endgültig entfernen?</translation>
    </message>
    <message>
        <source>Are you sure you wish to permanently remove these events?</source>
        <translation>Möchten Sie diese Ereignisse wirklich endgültig entfernen?</translation>
    </message>
    <message>
        <source>Confirm Removal</source>
        <translation>Entfernen bestätigen</translation>
    </message>
    <message>
        <source>Enter Details</source>
        <translation>Angaben eingeben</translation>
    </message>
    <message>
        <source>Events File (*.evt)</source>
        <translation>Ereignisdatei (*.evt)</translation>
    </message>
    <message>
        <source>Days Remaining</source>
        <translation>Verbleibende Tage</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Password Not Stored</source>
        <translation>Passwort nicht gespeichert</translation>
    </message>
    <message>
        <source>No secret store runs on this desktop, so the password is kept only until Oriventa closes. You will be asked for it again at the next start.</source>
        <translation>Auf diesem Desktop läuft kein Passwortspeicher, daher wird das Passwort nur bis zum Beenden von Oriventa behalten. Beim nächsten Start werden Sie erneut danach gefragt.</translation>
    </message>
    <message>
        <source>The sync was cancelled. What it had done is kept, and the next sync goes on from there.</source>
        <translation>Der Abgleich wurde abgebrochen. Was bis dahin erledigt war, bleibt erhalten, und der nächste Abgleich macht dort weiter.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Events Not Saved</source>
        <translation>Ereignisse nicht gespeichert</translation>
    </message>
    <message>
        <source>Save Elsewhere...</source>
        <translation>An anderer Stelle speichern …</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>Ohne Speichern schließen</translation>
    </message>
    <message>
        <source>Delete on the Server?</source>
        <translation>Auf dem Server löschen?</translation>
    </message>
    <message>
        <source>Delete these events on the server?</source>
        <translation>Diese Ereignisse auf dem Server löschen?</translation>
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
        <translation type="unfinished">OK</translation>
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
