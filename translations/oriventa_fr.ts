<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Cli</name>
    <message>
        <source>a command is needed</source>
        <translation>une commande est nécessaire</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>commande inconnue « %1 »</translation>
    </message>
    <message>
        <source>--days needs a whole number of days, not &quot;%1&quot;</source>
        <translation>--days demande un nombre entier de jours, pas « %1 »</translation>
    </message>
    <message>
        <source>--days needs a whole number of days</source>
        <translation>--days demande un nombre entier de jours</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>%1 is an option: --url or --user</extracomment>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot; for %2</source>
        <extracomment>%1 is the option given, %2 the command (list, due, import, export or sync)</extracomment>
        <translation>option inconnue « %1 » pour %2</translation>
    </message>
    <message>
        <source>%1 takes no file: &quot;%2&quot;</source>
        <extracomment>%1 is the command (list, due or sync), %2 the argument it cannot take</extracomment>
        <translation>%1 ne prend pas de fichier : « %2 »</translation>
    </message>
    <message>
        <source>import needs at least one FILE</source>
        <translation>import demande au moins un FICHIER</translation>
    </message>
    <message>
        <source>export needs exactly one FILE</source>
        <translation>export demande exactement un FICHIER</translation>
    </message>
    <message>
        <source>Usage: oriventa-cli COMMAND [OPTIONS]
Reads and changes Oriventa&apos;s list of events without a window.
</source>
        <translation>Utilisation : oriventa-cli COMMANDE [OPTIONS]
Lit et modifie la liste des événements d&apos;Oriventa sans fenêtre.
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
        <translation>Commandes :
  list [--days N] [--json]  les événements par date puis par nom ; avec --days,
                            seulement ceux dont la prochaine date est dans
                            N jours au plus
  due [--json]              les rappels qu&apos;afficherait &apos;oriventa auto&apos;
                            aujourd&apos;hui
  import FICHIER...         ajouter les événements de fichiers .evt, .ics et
                            .vcf
  export FICHIER            écrire tous les événements dans FICHIER (.ics :
                            iCalendar, sinon un fichier d&apos;événements)
  sync [--url URL] [--user NOM] [--password-stdin] [--allow-deletions]
       [--quiet]            synchroniser dans les deux sens avec l&apos;agenda
                            CalDAV, jusqu&apos;au bout ; dans un terminal, la
                            progression s&apos;affiche, et --quiet n&apos;affiche que
                            les erreurs ; --url et --user sont enregistrés
                            dès qu&apos;une synchronisation avec eux a réussi
                            (l&apos;adresse sans utilisateur ni mot de passe) ; le
                            mot de passe vient de l&apos;adresse, d&apos;une ligne de
                            l&apos;entrée standard ou du trousseau du bureau ; une
                            synchronisation qui supprimerait la plus grande
                            partie de l&apos;agenda (20 événements ou plus)
                            s&apos;arrête, sauf avec --allow-deletions
</translation>
    </message>
    <message>
        <source>Options:
  --json     print a JSON array of events instead of lines of text
  --help     show this text
  --version  show the version
</source>
        <extracomment>Keep the options as they are, and the descriptions in the second column</extracomment>
        <translation>Options :
  --json     afficher un tableau JSON d&apos;événements au lieu de lignes de texte
  --help     afficher ce texte
  --version  afficher la version
</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 a file could not be read or written or the sync
failed with nothing changed, 2 usage, 3 Oriventa is running (import and sync
only), 4 the sync failed after part of its work (list and server agree; the
next sync goes on).
</source>
        <translation>Code de sortie : 0 terminé, 1 un fichier n&apos;a pu être lu ou écrit, ou la
synchronisation a échoué sans rien changer, 2 utilisation incorrecte, 3 Oriventa
est ouvert (import et sync seulement), 4 la synchronisation a échoué après une
partie de son travail (la liste et le serveur concordent ; la prochaine
synchronisation reprend).
</translation>
    </message>
    <message>
        <source>oriventa-cli: no server address: use --url
</source>
        <translation>oriventa-cli : pas d&apos;adresse de serveur : utilisez --url
</translation>
    </message>
    <message>
        <source>oriventa-cli: no password: standard input gave none
</source>
        <translation>oriventa-cli : pas de mot de passe : l&apos;entrée standard n&apos;en a fourni aucun
</translation>
    </message>
    <message>
        <source>oriventa-cli: no password: use --password-stdin
</source>
        <translation>oriventa-cli : pas de mot de passe : utilisez --password-stdin
</translation>
    </message>
    <message>
        <source>oriventa-cli: sync failed: %1
</source>
        <extracomment>%1 is what went wrong, as the sync tells it</extracomment>
        <translation>oriventa-cli : la synchronisation a échoué : %1
</translation>
    </message>
    <message>
        <source>oriventa-cli: run the sync again with --allow-deletions to delete them
</source>
        <translation>oriventa-cli : relancez la synchronisation avec --allow-deletions pour les supprimer
</translation>
    </message>
    <message>
        <source>Oriventa is running; close it and try again.
</source>
        <translation>Oriventa est ouvert ; fermez-le et réessayez.
</translation>
    </message>
    <message>
        <source>the events file cannot be read: %1</source>
        <extracomment>%1 is the reason the system gives</extracomment>
        <translation>le fichier d&apos;événements ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>the events file is damaged: only the events before the damage are used; open Oriventa to keep them and set the rest aside</source>
        <translation>le fichier d&apos;événements est endommagé : seuls les événements avant la partie endommagée sont utilisés ; ouvrez Oriventa pour les garder et mettre le reste de côté</translation>
    </message>
    <message>
        <source>cannot be imported</source>
        <translation>ne peut pas être importé</translation>
    </message>
    <message>
        <source>the events file could not be saved (%1); nothing was imported</source>
        <extracomment>%1 is the reason the system gives</extracomment>
        <translation>le fichier d&apos;événements n&apos;a pas pu être enregistré (%1) ; rien n&apos;a été importé</translation>
    </message>
    <message>
        <source>the events file was damaged; it was kept as %1</source>
        <extracomment>%1 is the path of the copy kept</extracomment>
        <translation>le fichier d&apos;événements était endommagé ; il a été conservé sous %1</translation>
    </message>
    <message>
        <source>could not be written: %1</source>
        <extracomment>%1 is the reason the system gives</extracomment>
        <translation>n&apos;a pas pu être écrit : %1</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n events to %1.
</source>
        <extracomment>%1 is the name of the file written</extracomment>
        <translation>
            <numerusform>%n événement exporté vers %1.
</numerusform>
            <numerusform>%n événements exportés vers %1.
</numerusform>
        </translation>
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
        <translation>Facebook</translation>
    </message>
    <message>
        <source>Facebook login page</source>
        <translation>Page de connexion à Facebook</translation>
    </message>
    <message>
        <source>Log in to Facebook here to import your friends&apos; birthdays or your events.</source>
        <translation>Connectez-vous ici à Facebook pour importer les anniversaires de vos amis ou vos événements.</translation>
    </message>
    <message>
        <source>Facebook entries</source>
        <translation>Entrées Facebook</translation>
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
        <translation>Oriventa %1 est disponible. Vous pouvez le télécharger ici :
%2</translation>
    </message>
    <message>
        <source>Oriventa is up to date.</source>
        <translation>Oriventa est à jour.</translation>
    </message>
    <message>
        <source>The check for a newer version of Oriventa failed.</source>
        <translation>La recherche d&apos;une nouvelle version d&apos;Oriventa a échoué.</translation>
    </message>
    <message>
        <source>Oriventa Update</source>
        <translation>Mise à jour d&apos;Oriventa</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Oriventa</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished">Facebook</translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
    <name>ReminderWindow</name>
    <message>
        <source>Oriventa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
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
