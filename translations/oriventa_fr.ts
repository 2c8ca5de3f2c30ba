<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Event</name>
    <message>
        <source>Please select a reminder schedule.</source>
        <translation>Veuillez choisir un calendrier de rappel.</translation>
    </message>
    <message>
        <source>Please enter a description of the event.</source>
        <translation>Veuillez saisir une description de l&apos;événement.</translation>
    </message>
    <message>
        <source>You cannot select a monthly repetition period greater than 5 week days.</source>
        <translation>Vous ne pouvez pas choisir une période de répétition mensuelle supérieure à 5 jours de semaine.</translation>
    </message>
    <message>
        <source>You cannot select a yearly repetition period greater than 5 weeks for a specific month.</source>
        <translation>Vous ne pouvez pas choisir une période de répétition annuelle supérieure à 5 semaines pour un mois donné.</translation>
    </message>
    <message>
        <source>You cannot select a yearly repetition period greater than 31 days for a specific month.</source>
        <translation>Vous ne pouvez pas choisir une période de répétition annuelle supérieure à 31 jours pour un mois donné.</translation>
    </message>
    <message>
        <source>You cannot select a yearly repetition period greater than 52 weeks.</source>
        <translation>Vous ne pouvez pas choisir une période de répétition annuelle supérieure à 52 semaines.</translation>
    </message>
</context>
<context>
    <name>EventsFile</name>
    <message>
        <source>it is a folder</source>
        <extracomment>Why the events file cannot be read: its path names a folder.</extracomment>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it could not be read (%1), and saving would replace it</source>
        <extracomment>Why the events file was not saved; %1 is why it could not be read.</extracomment>
        <translation>il n&apos;a pas pu être lu (%1), et l&apos;enregistrer le remplacerait</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which cannot be reached</source>
        <extracomment>Why the events file cannot be read; %1 is a link on its way, %2 where the link points.</extracomment>
        <translation>%1 est un lien vers %2, qui est inaccessible</translation>
    </message>
</context>
<context>
    <name>FacebookDialog</name>
    <message>
        <source>Facebook</source>
        <translation type="unfinished"></translation>
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
        <source>Oriventa</source>
        <translation type="unfinished">Oriventa</translation>
    </message>
    <message>
        <source>wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a new event to be notified of.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit the selected event&apos;s details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the selected event.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View details of the selected event.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the program settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load friends&apos; birthdays from Facebook.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facebook Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load events from Facebook.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load events from file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save events to file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add - Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notify me of:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This event has occurred</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> times.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This event is:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Singular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Occurring once on:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Weekly </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This event occurs every:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Monthly </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This event occurs on the</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of the month.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Yearly </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notify me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> days before the event.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only show notification once a day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Annuler</translation>
    </message>
    <message>
        <source>Event Description: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The event will occur next on </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, in </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> days time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This event has occurred </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This event is </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Occurring once on the </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Occurring </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> of the month.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You will be notified </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You will not be notified of this event.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You will only be shown one notification per day for this event.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished">OK</translation>
    </message>
    <message>
        <source>Notification Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notify me using a tray notification.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notify me using a popup dialog.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop notifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notification Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show each notification separately.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facebook Import Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logout of Facebook.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for updates automatically.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>https://dav.example.org/</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iCalendar (*.ics)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All supported files (*.evt *.ics *.vcf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vCard (*.vcf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be imported: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Incomplete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was imported only in part. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Events Elsewhere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Events Not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written either.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Events Saved Elsewhere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your events were saved in %1. Import that file once Oriventa can save its list again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your friend&apos;s birthdays have been imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Facebook events have been imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facebook Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error connecting to Facebook, please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have logged out of Facebook.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Damaged Events File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your events file could not be read to its end. Your events have been saved, but the damaged file could not be kept beside them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your events could not be saved: %1 could not be read when Oriventa started (%2), so it is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your events could not be saved in %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Events File Unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your events file %1 could not be read: %2.

Oriventa leaves it as it is and will not save over it; events you add now can be saved elsewhere when you close the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The next sync will take back what the server holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unread part could not be kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unread part is kept as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your events file %1 could not be read to its end: only %2 of its events could be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New calendar &quot;Oriventa&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the address of the server first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password for %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync Cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your events could not be saved, so they were not synced: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password for %1 on %2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server refused the user name or password.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Events Not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Elsewhere...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete on the Server?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete these events on the server?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NotificationSession</name>
    <message numerus="yes">
        <source>%n reminders are due</source>
        <extracomment>The title of one notification for several reminders at once.</extracomment>
        <translation>
            <numerusform>%n rappel en attente</numerusform>
            <numerusform>%n rappels en attente</numerusform>
        </translation>
    </message>
    <message>
        <source>Show all reminders</source>
        <translation>Afficher tous les rappels</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>A notification&apos;s button: opens the reminder&apos;s choices.</extracomment>
        <translation>Options</translation>
    </message>
    <message>
        <source>Remind me tomorrow</source>
        <translation>Me le rappeler demain</translation>
    </message>
    <message>
        <source>Not until next time</source>
        <translation>Pas avant la prochaine fois</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>Ne plus me le rappeler</translation>
    </message>
</context>
<context>
    <name>Ordinal</name>
    <message>
        <source>%1st</source>
        <comment>1</comment>
        <extracomment>An ordinal number, %1 being the number 1: &quot;1st&quot;.</extracomment>
        <translation>%1er</translation>
    </message>
    <message>
        <source>%1st</source>
        <comment>21, 31, 41, …</comment>
        <extracomment>An ordinal number ending in 1 other than 1 itself and 11: &quot;21st&quot;, &quot;101st&quot;.</extracomment>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1nd</source>
        <extracomment>An ordinal number ending in 2 but not in 12: &quot;2nd&quot;, &quot;22nd&quot;.</extracomment>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1rd</source>
        <extracomment>An ordinal number ending in 3 but not in 13: &quot;3rd&quot;, &quot;23rd&quot;.</extracomment>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1th</source>
        <extracomment>Every other ordinal number: &quot;4th&quot;, &quot;11th&quot;, &quot;12th&quot;, &quot;13th&quot;, &quot;20th&quot;.</extracomment>
        <translation>%1e</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days Remaining</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password Not Stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No secret store runs on this desktop, so the password is kept only until Oriventa closes. You will be asked for it again at the next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sync was cancelled. What it had done is kept, and the next sync goes on from there.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message numerus="yes">
        <source>The %1 event of %2 is on %3 there are %n days to go.</source>
        <extracomment>A reminder. %1 is an ordinal number (&quot;5th&quot;), %2 the event&apos;s name, %3 the date of its next occurrence in the long format, %n the days until then (0 on the day itself).</extracomment>
        <translation>
            <numerusform>Le %1 événement de %2 a lieu le %3&#xa0;: il reste %n jour.</numerusform>
            <numerusform>Le %1 événement de %2 a lieu le %3&#xa0;: il reste %n jours.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is on %2 there are %n days to go.</source>
        <extracomment>A reminder. %1 is the event&apos;s name, %2 the date of its next occurrence in the long format, %n the days until then (0 on the day itself).</extracomment>
        <translation>
            <numerusform>%1 a lieu le %2&#xa0;: il reste %n jour.</numerusform>
            <numerusform>%1 a lieu le %2&#xa0;: il reste %n jours.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReminderItem</name>
    <message>
        <source>Accept</source>
        <translation>Accepter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Closes the choices for %1 without applying them.</source>
        <extracomment>%1 is the event&apos;s name.</extracomment>
        <translation>Ferme les choix pour %1 sans les appliquer.</translation>
    </message>
    <message>
        <source>Notify me again in %1 days.</source>
        <extracomment>A reminder&apos;s choice; %1 stands for a box where the number of days is chosen.</extracomment>
        <translation>Me le rappeler dans %1 jours.</translation>
    </message>
    <message>
        <source>For the event %1.</source>
        <extracomment>Tells a screen reader which reminder a control belongs to; %1 is the event&apos;s name.</extracomment>
        <translation>Pour l&apos;événement %1.</translation>
    </message>
    <message>
        <source>Days until the next reminder</source>
        <translation>Jours avant le prochain rappel</translation>
    </message>
    <message>
        <source>Don&apos;t notify me until the next occurrence of this event.</source>
        <translation>Ne pas me le rappeler avant la prochaine occurrence de cet événement.</translation>
    </message>
    <message>
        <source>Never notify me of this event again.</source>
        <translation>Ne plus jamais me rappeler cet événement.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Shows the choices for when to remind you again of %1.</source>
        <extracomment>%1 is the event&apos;s name.</extracomment>
        <translation>Affiche les choix pour le prochain rappel de %1.</translation>
    </message>
    <message>
        <source>Applies the chosen reminder for %1.</source>
        <extracomment>%1 is the event&apos;s name.</extracomment>
        <translation>Applique le rappel choisi pour %1.</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Rappels</translation>
    </message>
    <message>
        <source>Closes the reminders, or shows the next one when they come one at a time.</source>
        <translation>Ferme les rappels, ou affiche le suivant s&apos;ils apparaissent un par un.</translation>
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
