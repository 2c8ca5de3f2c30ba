<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CalDav</name>
    <message>
        <source>it is not in the calendar</source>
        <translation>il n’est pas dans l’agenda</translation>
    </message>
    <message>
        <source>the server gave no usable ETag to delete it by</source>
        <translation>le serveur n’a fourni aucun ETag utilisable pour le supprimer</translation>
    </message>
    <message>
        <source>%1 is left alone: %2</source>
        <extracomment>%1 is an event&apos;s address on the server, %2 the reason (&quot;it is not in the calendar&quot;, …).</extracomment>
        <translation>%1 n’est pas modifié&#xa0;: %2</translation>
    </message>
    <message>
        <source>no CalDAV calendars found at %1</source>
        <translation>aucun agenda CalDAV trouvé à l’adresse %1</translation>
    </message>
    <message>
        <source>timed out</source>
        <extracomment>Why a request or a sync failed, shown after &quot;sync failed: &quot;.</extracomment>
        <translation>délai dépassé</translation>
    </message>
    <message>
        <source>the server&apos;s answer is too large (over %1 MiB)</source>
        <translation>la réponse du serveur est trop volumineuse (plus de %1 Mio)</translation>
    </message>
    <message>
        <source>SSL error: %1</source>
        <extracomment>%1 lists the errors Qt reports, separated by &quot;; &quot;.</extracomment>
        <translation>erreur SSL&#xa0;: %1</translation>
    </message>
    <message>
        <source>the server sent the request elsewhere (%1)</source>
        <extracomment>%1 is the address the server sent the request to.</extracomment>
        <translation>le serveur a redirigé la requête ailleurs (%1)</translation>
    </message>
    <message>
        <source>the server refused the user name or password</source>
        <translation>le serveur a refusé le nom d’utilisateur ou le mot de passe</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <extracomment>%1 is the HTTP status code, %2 its reason phrase as the server sent it (e.g. &quot;404 Not Found&quot;).</extracomment>
        <translation>le serveur a répondu %1 %2</translation>
    </message>
    <message>
        <source>the server&apos;s answer is not WebDAV (%1)</source>
        <extracomment>%1 is the address asked.</extracomment>
        <translation>la réponse du serveur n’est pas du WebDAV (%1)</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>a command is needed</source>
        <translation>une commande est nécessaire</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>commande inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--days needs a whole number of days, not &quot;%1&quot;</source>
        <translation>--days demande un nombre entier de jours, pas «&#xa0;%1&#xa0;»</translation>
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
        <translation>option inconnue «&#xa0;%1&#xa0;» pour %2</translation>
    </message>
    <message>
        <source>%1 takes no file: &quot;%2&quot;</source>
        <extracomment>%1 is the command (list, due or sync), %2 the argument it cannot take</extracomment>
        <translation>%1 ne prend pas de fichier&#xa0;: «&#xa0;%2&#xa0;»</translation>
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
        <translation>Utilisation&#xa0;: oriventa-cli COMMANDE [OPTIONS]
Lit et modifie la liste des événements d’Oriventa sans fenêtre.
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
        <translation>Commandes&#xa0;:
  list [--days N] [--json]  les événements par date puis par nom&#xa0;; avec --days,
                            seulement ceux dont la prochaine date est dans
                            N jours au plus
  due [--json]              les rappels qu’afficherait «&#xa0;oriventa auto&#xa0;»
                            aujourd’hui
  import FICHIER...         ajouter les événements de fichiers .evt, .ics et
                            .vcf
  export FICHIER            écrire tous les événements dans FICHIER (.ics&#xa0;:
                            iCalendar, sinon un fichier d’événements)
  sync [--url URL] [--user NOM] [--password-stdin] [--allow-deletions]
       [--quiet]            synchroniser dans les deux sens avec l’agenda
                            CalDAV, jusqu’au bout&#xa0;; dans un terminal, la
                            progression s’affiche, et --quiet n’affiche que
                            les erreurs&#xa0;; --url et --user sont enregistrés
                            dès qu’une synchronisation avec eux a réussi
                            (l’adresse sans utilisateur ni mot de passe)&#xa0;; le
                            mot de passe vient de l’adresse, d’une ligne de
                            l’entrée standard ou du trousseau du bureau&#xa0;; une
                            synchronisation qui supprimerait la plus grande
                            partie de l’agenda (20 événements ou plus)
                            s’arrête, sauf avec --allow-deletions
</translation>
    </message>
    <message>
        <source>Options:
  --json     print a JSON array of events instead of lines of text
  --help     show this text
  --version  show the version
</source>
        <extracomment>Keep the options as they are, and the descriptions in the second column</extracomment>
        <translation>Options&#xa0;:
  --json     afficher un tableau JSON d’événements au lieu de lignes de texte
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
        <translation>Code de sortie&#xa0;: 0 terminé, 1 un fichier n’a pu être lu ou écrit, ou la
synchronisation a échoué sans rien changer, 2 utilisation incorrecte, 3 Oriventa
est ouvert (import et sync seulement), 4 la synchronisation a échoué après une
partie de son travail (la liste et le serveur concordent&#xa0;; la prochaine
synchronisation reprend).
</translation>
    </message>
    <message>
        <source>oriventa-cli: no server address: use --url
</source>
        <translation>oriventa-cli&#xa0;: pas d’adresse de serveur&#xa0;: utilisez --url
</translation>
    </message>
    <message>
        <source>oriventa-cli: no password: standard input gave none
</source>
        <translation>oriventa-cli&#xa0;: pas de mot de passe&#xa0;: l’entrée standard n’en a fourni aucun
</translation>
    </message>
    <message>
        <source>oriventa-cli: no password: use --password-stdin
</source>
        <translation>oriventa-cli&#xa0;: pas de mot de passe&#xa0;: utilisez --password-stdin
</translation>
    </message>
    <message>
        <source>oriventa-cli: sync failed: %1
</source>
        <extracomment>%1 is what went wrong, as the sync tells it</extracomment>
        <translation>oriventa-cli&#xa0;: la synchronisation a échoué&#xa0;: %1
</translation>
    </message>
    <message>
        <source>oriventa-cli: run the sync again with --allow-deletions to delete them
</source>
        <translation>oriventa-cli&#xa0;: relancez la synchronisation avec --allow-deletions pour les supprimer
</translation>
    </message>
    <message>
        <source>Oriventa is running; close it and try again.
</source>
        <translation>Oriventa est ouvert&#xa0;; fermez-le et réessayez.
</translation>
    </message>
    <message>
        <source>the events file cannot be read: %1</source>
        <extracomment>%1 is the reason the system gives</extracomment>
        <translation>le fichier d’événements ne peut pas être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>the events file is damaged: only the events before the damage are used; open Oriventa to keep them and set the rest aside</source>
        <translation>le fichier d’événements est endommagé&#xa0;: seuls les événements avant la partie endommagée sont utilisés&#xa0;; ouvrez Oriventa pour les garder et mettre le reste de côté</translation>
    </message>
    <message>
        <source>cannot be imported</source>
        <translation>ne peut pas être importé</translation>
    </message>
    <message>
        <source>the events file could not be saved (%1); nothing was imported</source>
        <extracomment>%1 is the reason the system gives</extracomment>
        <translation>le fichier d’événements n’a pas pu être enregistré (%1)&#xa0;; rien n’a été importé</translation>
    </message>
    <message>
        <source>the events file was damaged; it was kept as %1</source>
        <extracomment>%1 is the path of the copy kept</extracomment>
        <translation>le fichier d’événements était endommagé&#xa0;; il a été conservé sous %1</translation>
    </message>
    <message>
        <source>could not be written: %1</source>
        <extracomment>%1 is the reason the system gives</extracomment>
        <translation>n’a pas pu être écrit&#xa0;: %1</translation>
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
    <name>Event</name>
    <message>
        <source>Please select a reminder schedule.</source>
        <translation>Veuillez choisir une périodicité.</translation>
    </message>
    <message>
        <source>Please enter a description of the event.</source>
        <translation>Veuillez saisir une description de l’événement.</translation>
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
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>it could not be read (%1), and saving would replace it</source>
        <extracomment>Why the events file was not saved; %1 is why it could not be read.</extracomment>
        <translation>il n’a pas pu être lu (%1), et l’enregistrer le remplacerait</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which cannot be reached</source>
        <extracomment>Why the events file cannot be read; %1 is a link on its way, %2 where the link points.</extracomment>
        <translation>%1 est un lien vers %2, qui est inaccessible</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>%1: %2</source>
        <extracomment>An entry of a list: %1 is an event&apos;s name, %2 why it is listed (&quot;has no date&quot;, …).</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>The end of a list too long to show whole.</extracomment>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n events to %1.</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>
            <numerusform>%n événement écrit dans %1.</numerusform>
            <numerusform>%n événements écrits dans %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events were written with the closest rule a calendar can state:</source>
        <translation>
            <numerusform>%n événement a été écrit avec la règle la plus proche qu’un agenda puisse exprimer&#xa0;:</numerusform>
            <numerusform>%n événements ont été écrits avec la règle la plus proche qu’un agenda puisse exprimer&#xa0;:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events were left out:</source>
        <translation>
            <numerusform>%n événement a été omis&#xa0;:</numerusform>
            <numerusform>%n événements ont été omis&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>day %1 runs into the next month when a month is shorter; calendars skip those months</source>
        <extracomment>Why an event was written only approximately; %1 is a day of the month.</extracomment>
        <translation>le jour %1 déborde sur le mois suivant quand un mois est plus court&#xa0;; les agendas sautent ces mois</translation>
    </message>
    <message>
        <source>falls on a day number and on weekdays; a calendar takes only one of them, so only the day number was written</source>
        <translation>tombe sur un numéro de jour et sur des jours de la semaine&#xa0;; un agenda n’en retient qu’un, seul le numéro de jour a donc été écrit</translation>
    </message>
    <message>
        <source>combines several yearly choices; a calendar takes only one of them, so only the first was written</source>
        <translation>combine plusieurs choix annuels&#xa0;; un agenda n’en retient qu’un, seul le premier a donc été écrit</translation>
    </message>
    <message>
        <source>day %1 does not exist in every chosen month; Oriventa takes the month&apos;s last day there, calendars skip it</source>
        <translation>le jour %1 n’existe pas dans chaque mois choisi&#xa0;; Oriventa prend alors le dernier jour du mois, les agendas le sautent</translation>
    </message>
    <message>
        <source>a %1 weekday runs into the next month when a month has fewer; calendars skip that month</source>
        <extracomment>%1 is an ordinal number (&quot;5th&quot;).</extracomment>
        <translation>un %1 jour de la semaine déborde sur le mois suivant quand un mois en a moins&#xa0;; les agendas sautent ce mois</translation>
    </message>
    <message>
        <source>day %1 runs into the next year when a year is shorter; calendars skip those years</source>
        <extracomment>%1 is a day of the year.</extracomment>
        <translation>le jour %1 déborde sur l’année suivante quand une année est plus courte&#xa0;; les agendas sautent ces années</translation>
    </message>
    <message>
        <source>a %1 weekday runs into the next year when a year has fewer; calendars skip that year</source>
        <extracomment>%1 is an ordinal number (&quot;53rd&quot;).</extracomment>
        <translation>un %1 jour de la semaine déborde sur l’année suivante quand une année en a moins&#xa0;; les agendas sautent cette année</translation>
    </message>
    <message>
        <source>has no date</source>
        <translation>n’a pas de date</translation>
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
        <translation>%1 (%2&#xa0;%)</translation>
    </message>
</context>
<context>
    <name>Ferrule::Updater</name>
    <message>
        <source>Oriventa %1 is available. You can download it from:
%2</source>
        <translation>Oriventa %1 est disponible. Vous pouvez le télécharger ici&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Oriventa is up to date.</source>
        <translation>Oriventa est à jour.</translation>
    </message>
    <message>
        <source>The check for a newer version of Oriventa failed.</source>
        <translation>La recherche d’une nouvelle version d’Oriventa a échoué.</translation>
    </message>
    <message>
        <source>Oriventa Update</source>
        <translation>Mise à jour d’Oriventa</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Aucun fichier ou dossier de ce nom</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Plus d’espace disponible sur le périphérique</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Système de fichiers en lecture seule</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>C’est un dossier</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Ce n’est pas un dossier</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Quota d’espace disque dépassé</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nom de fichier trop long</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Erreur d’entrée/sortie</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message numerus="yes">
        <source>The file is damaged; only the %n events before the damage could be read.</source>
        <translation>
            <numerusform>Le fichier est endommagé&#xa0;; seul %n événement situé avant la partie endommagée a pu être lu.</numerusform>
            <numerusform>Le fichier est endommagé&#xa0;; seuls les %n événements situés avant la partie endommagée ont pu être lus.</numerusform>
        </translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <extracomment>Why a file could not be imported, after &quot;&lt;file&gt; could not be imported: &quot;; %1 is the system&apos;s reason.</extracomment>
        <translation>n’a pas pu être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>is neither an events file, an iCalendar file nor a vCard file</source>
        <extracomment>Why a file could not be imported, after &quot;&lt;file&gt; could not be imported: &quot;.</extracomment>
        <translation>n’est ni un fichier d’événements, ni un fichier iCalendar, ni un fichier vCard</translation>
    </message>
    <message>
        <source>is damaged and holds nothing that could be read</source>
        <extracomment>Why a file could not be imported, after &quot;&lt;file&gt; could not be imported: &quot;.</extracomment>
        <translation>est endommagé et ne contient rien de lisible</translation>
    </message>
    <message>
        <source>is larger than %1 MiB, too large for a contacts or calendar file</source>
        <extracomment>Why a file could not be imported, after &quot;&lt;file&gt; could not be imported: &quot;.</extracomment>
        <translation>dépasse %1 Mio, ce qui est trop pour un fichier de contacts ou d’agenda</translation>
    </message>
    <message>
        <source>Nothing was added from %1.</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Rien n’a été ajouté depuis %1.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n events from %1.</source>
        <translation>
            <numerusform>%n événement ajouté depuis %1.</numerusform>
            <numerusform>%n événements ajoutés depuis %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n events because the name is already taken: %1 and %2 more.</source>
        <extracomment>%1 lists the first names, %2 is how many more there are.</extracomment>
        <translation>
            <numerusform>%n événement ignoré, car son nom est déjà utilisé&#xa0;: %1 et %2 autres.</numerusform>
            <numerusform>%n événements ignorés, car leur nom est déjà utilisé&#xa0;: %1 et %2 autres.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n events because the name is already taken: %1.</source>
        <extracomment>%1 lists the names.</extracomment>
        <translation>
            <numerusform>%n événement ignoré, car son nom est déjà utilisé&#xa0;: %1.</numerusform>
            <numerusform>%n événements ignorés, car leur nom est déjà utilisé&#xa0;: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out %n entries that Oriventa cannot represent:</source>
        <translation>
            <numerusform>%n entrée omise, qu’Oriventa ne peut pas représenter&#xa0;:</numerusform>
            <numerusform>%n entrées omises, qu’Oriventa ne peut pas représenter&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>An entry left out: %1 is its name, %2 why (&quot;has no date&quot;, …).</extracomment>
        <translation>%1&#xa0;: %2.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <extracomment>The end of a list too long to show whole.</extracomment>
        <translation>
            <numerusform>et %n autre.</numerusform>
            <numerusform>et %n autres.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contacts have neither a birthday nor an anniversary.</source>
        <translation>
            <numerusform>%n contact n’a ni date de naissance ni anniversaire de mariage.</numerusform>
            <numerusform>%n contacts n’ont ni date de naissance ni anniversaire de mariage.</numerusform>
        </translation>
    </message>
    <message>
        <source>(untitled)</source>
        <extracomment>The name given to a calendar entry that has no title.</extracomment>
        <translation>(sans titre)</translation>
    </message>
    <message>
        <source>has the same UID as an earlier entry</source>
        <extracomment>Why a calendar entry was left out, after its name and &quot;: &quot;.</extracomment>
        <translation>a le même UID qu’une entrée précédente</translation>
    </message>
    <message>
        <source>It could not be read as a calendar.</source>
        <translation>Il n’a pas pu être lu comme un fichier d’agenda.</translation>
    </message>
    <message>
        <source>has a repeat rule or exception that could not be read</source>
        <extracomment>Why a calendar entry was left out, after its name and &quot;: &quot;.</extracomment>
        <translation>a une règle de répétition ou une exception illisible</translation>
    </message>
    <message>
        <source>has changed occurrences</source>
        <extracomment>Why a calendar entry was left out, after its name and &quot;: &quot;.</extracomment>
        <translation>a des occurrences modifiées</translation>
    </message>
    <message>
        <source>The file ends in the middle of a contact, which was left out.</source>
        <translation>Le fichier se termine au milieu d’un contact, qui a été omis.</translation>
    </message>
    <message>
        <source>(no name)</source>
        <extracomment>Stands for the name of a contact that has none.</extracomment>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>has no name</source>
        <extracomment>Why a contact was left out, after its name and &quot;: &quot;.</extracomment>
        <translation>n’a pas de nom</translation>
    </message>
    <message>
        <source>has the date &quot;%1&quot;, which is not a day of the year</source>
        <extracomment>Why a contact&apos;s date was left out, after its name and &quot;: &quot;; %1 is the date as the file has it.</extracomment>
        <translation>a la date «&#xa0;%1&#xa0;», qui n’est pas un jour de l’année</translation>
    </message>
    <message>
        <source>falls on different weeks for different weekdays</source>
        <translation>tombe sur des semaines différentes selon le jour de la semaine</translation>
    </message>
    <message>
        <source>falls on every such weekday of the period</source>
        <translation>tombe sur chacun de ces jours de la semaine de la période</translation>
    </message>
    <message>
        <source>counts weekdays from the end of the period</source>
        <translation>compte les jours de la semaine à partir de la fin de la période</translation>
    </message>
    <message>
        <source>counts days from the end of the month</source>
        <translation>compte les jours à partir de la fin du mois</translation>
    </message>
    <message>
        <source>falls on day %1, which a chosen month does not always have</source>
        <translation>tombe le jour %1, qu’un mois choisi n’a pas toujours</translation>
    </message>
    <message>
        <source>begins on %1, and Oriventa would remind of earlier days</source>
        <extracomment>Why a calendar entry was left out; %1 is its first date (2030-01-08).</extracomment>
        <translation>commence le %1, et Oriventa rappellerait des jours antérieurs</translation>
    </message>
    <message>
        <source>falls on other days here at times of the year (its time zone)</source>
        <translation>tombe ici sur d’autres jours à certaines périodes de l’année (son fuseau horaire)</translation>
    </message>
    <message>
        <source>repeats every second</source>
        <translation>se répète chaque seconde</translation>
    </message>
    <message>
        <source>repeats every minute</source>
        <translation>se répète chaque minute</translation>
    </message>
    <message>
        <source>repeats hourly</source>
        <translation>se répète toutes les heures</translation>
    </message>
    <message>
        <source>repeats daily</source>
        <translation>se répète tous les jours</translation>
    </message>
    <message>
        <source>repeats in a way Oriventa does not know</source>
        <translation>se répète d’une manière qu’Oriventa ne connaît pas</translation>
    </message>
    <message numerus="yes">
        <source>repeats every %n weeks</source>
        <translation>
            <numerusform>se répète toutes les %n semaine</numerusform>
            <numerusform>se répète toutes les %n semaines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>repeats every %n months</source>
        <translation>
            <numerusform>se répète tous les %n mois</numerusform>
            <numerusform>se répète tous les %n mois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>repeats every %n years</source>
        <translation>
            <numerusform>se répète tous les %n an</numerusform>
            <numerusform>se répète tous les %n ans</numerusform>
        </translation>
    </message>
    <message>
        <source>has a COUNT or UNTIL limit</source>
        <translation>a une limite COUNT ou UNTIL</translation>
    </message>
    <message>
        <source>picks its days by position, week number or time of day</source>
        <translation>choisit ses jours par position, numéro de semaine ou heure</translation>
    </message>
    <message>
        <source>falls only where a day number and a weekday meet</source>
        <translation>ne tombe que là où un numéro de jour et un jour de la semaine coïncident</translation>
    </message>
    <message>
        <source>repeats weekly only on some days of the year</source>
        <translation>se répète chaque semaine seulement certains jours de l’année</translation>
    </message>
    <message>
        <source>counts weeks within the period</source>
        <translation>compte les semaines dans la période</translation>
    </message>
    <message>
        <source>repeats monthly only in some months</source>
        <translation>se répète chaque mois seulement certains mois</translation>
    </message>
    <message>
        <source>falls on a weekday no month has</source>
        <translation>tombe sur un jour de la semaine qu’aucun mois n’a</translation>
    </message>
    <message>
        <source>falls on several days of the month</source>
        <translation>tombe sur plusieurs jours du mois</translation>
    </message>
    <message>
        <source>falls on day %1, which not every month has</source>
        <translation>tombe le jour %1, que tous les mois n’ont pas</translation>
    </message>
    <message>
        <source>combines a day of the year with other choices</source>
        <translation>combine un jour de l’année avec d’autres choix</translation>
    </message>
    <message>
        <source>falls on several days of the year</source>
        <translation>tombe sur plusieurs jours de l’année</translation>
    </message>
    <message>
        <source>counts days from the end of the year</source>
        <translation>compte les jours à partir de la fin de l’année</translation>
    </message>
    <message>
        <source>falls on day %1 of the year, which not every year has</source>
        <translation>tombe le jour %1 de l’année, que toutes les années n’ont pas</translation>
    </message>
    <message>
        <source>falls on a %1 weekday, which not every month has</source>
        <extracomment>Why a calendar entry was left out; %1 is an ordinal number (&quot;5th&quot;).</extracomment>
        <translation>tombe sur un %1 jour de la semaine, que tous les mois n’ont pas</translation>
    </message>
    <message>
        <source>falls on a %1 weekday, which not every year has</source>
        <extracomment>Why a calendar entry was left out; %1 is an ordinal number (&quot;53rd&quot;).</extracomment>
        <translation>tombe sur un %1 jour de la semaine, que toutes les années n’ont pas</translation>
    </message>
    <message>
        <source>is a to-do, not an event</source>
        <translation>est une tâche, pas un événement</translation>
    </message>
    <message>
        <source>is a journal entry, not an event</source>
        <translation>est une entrée de journal, pas un événement</translation>
    </message>
    <message>
        <source>is not an event</source>
        <translation>n’est pas un événement</translation>
    </message>
    <message>
        <source>changes one occurrence of a repeating event</source>
        <translation>modifie une occurrence d’un événement répétitif</translation>
    </message>
    <message>
        <source>has no title</source>
        <translation>n’a pas de titre</translation>
    </message>
    <message>
        <source>has no date</source>
        <translation>n’a pas de date</translation>
    </message>
    <message>
        <source>has extra dates</source>
        <translation>a des dates supplémentaires</translation>
    </message>
    <message>
        <source>has several repeat rules</source>
        <translation>a plusieurs règles de répétition</translation>
    </message>
    <message>
        <source>has exceptions</source>
        <translation>a des exceptions</translation>
    </message>
    <message>
        <source>repeats at a time that falls on another day here</source>
        <translation>se répète à une heure qui tombe ici un autre jour</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Add Event</source>
        <translation>Ajouter un événement</translation>
    </message>
    <message>
        <source>Add a new event to be notified of.</source>
        <translation>Ajouter un nouvel événement à rappeler.</translation>
    </message>
    <message>
        <source>Edit Event</source>
        <translation>Modifier l’événement</translation>
    </message>
    <message>
        <source>Edit the selected event&apos;s details.</source>
        <translation>Modifier les détails de l’événement sélectionné.</translation>
    </message>
    <message>
        <source>Remove Event</source>
        <translation>Supprimer l’événement</translation>
    </message>
    <message>
        <source>Remove the selected event.</source>
        <translation>Supprimer l’événement sélectionné.</translation>
    </message>
    <message>
        <source>View Event</source>
        <translation>Afficher l’événement</translation>
    </message>
    <message>
        <source>View details of the selected event.</source>
        <translation>Afficher les détails de l’événement sélectionné.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Change the program settings.</source>
        <translation>Modifier les paramètres du programme.</translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>Load friends&apos; birthdays from Facebook.</source>
        <translation>Charger les anniversaires de vos amis depuis Facebook.</translation>
    </message>
    <message>
        <source>Facebook Events</source>
        <translation>Événements Facebook</translation>
    </message>
    <message>
        <source>Load events from Facebook.</source>
        <translation>Charger des événements depuis Facebook.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Load events from file.</source>
        <translation>Charger des événements depuis un fichier.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Save events to file.</source>
        <translation>Enregistrer les événements dans un fichier.</translation>
    </message>
    <message>
        <source>Add - Edit</source>
        <translation>Ajouter ou modifier</translation>
    </message>
    <message>
        <source>Event Details</source>
        <translation>Détails de l’événement</translation>
    </message>
    <message>
        <source>Notify me of:</source>
        <translation>Me rappeler&#xa0;:</translation>
    </message>
    <message>
        <source>This event has occurred</source>
        <translation>Cet événement a eu lieu</translation>
    </message>
    <message>
        <source> times.</source>
        <translation> fois.</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Périodicité</translation>
    </message>
    <message>
        <source>This event is:</source>
        <translation>Cet événement est&#xa0;:</translation>
    </message>
    <message>
        <source>Singular</source>
        <translation>Unique</translation>
    </message>
    <message>
        <source>Occurring once on:</source>
        <translation>Une seule fois le&#xa0;:</translation>
    </message>
    <message>
        <source>Repeating</source>
        <translation>Récurrent</translation>
    </message>
    <message>
        <source> Weekly </source>
        <translation> Hebdomadaire </translation>
    </message>
    <message>
        <source>This event occurs every:</source>
        <translation>Cet événement a lieu chaque&#xa0;:</translation>
    </message>
    <message>
        <source> Monthly </source>
        <translation> Mensuel </translation>
    </message>
    <message>
        <source>This event occurs on the</source>
        <translation>Cet événement a lieu le</translation>
    </message>
    <message>
        <source>of the month.</source>
        <translation>du mois.</translation>
    </message>
    <message>
        <source> Yearly </source>
        <translation> Annuel </translation>
    </message>
    <message>
        <source>of</source>
        <translation>de</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>Notify me</source>
        <translation>Me rappeler</translation>
    </message>
    <message>
        <source> days before the event.</source>
        <translation> jours avant l’événement.</translation>
    </message>
    <message>
        <source>Only show notification once a day.</source>
        <translation>Afficher le rappel une seule fois par jour.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Event Description: </source>
        <translation>Description&#xa0;: </translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>The event will occur next on </source>
        <translation>L’événement aura lieu la prochaine fois le </translation>
    </message>
    <message>
        <source>, in </source>
        <translation>, dans </translation>
    </message>
    <message>
        <source> days time.</source>
        <translation> jours.</translation>
    </message>
    <message>
        <source>This event has occurred </source>
        <translation>Cet événement a eu lieu </translation>
    </message>
    <message>
        <source>This event is </source>
        <translation>Cet événement est </translation>
    </message>
    <message>
        <source>Occurring once on the </source>
        <translation>Une seule fois le </translation>
    </message>
    <message>
        <source>Occurring </source>
        <translation>Répétition&#xa0;: </translation>
    </message>
    <message>
        <source>Every </source>
        <translation>Chaque </translation>
    </message>
    <message>
        <source> of the month.</source>
        <translation> du mois.</translation>
    </message>
    <message>
        <source> of </source>
        <translation> de </translation>
    </message>
    <message>
        <source>You will be notified </source>
        <translation>Un rappel s’affichera </translation>
    </message>
    <message>
        <source>You will not be notified of this event.</source>
        <translation>Aucun rappel ne s’affichera pour cet événement.</translation>
    </message>
    <message>
        <source>You will only be shown one notification per day for this event.</source>
        <translation>Un seul rappel par jour s’affichera pour cet événement.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Notification Method</source>
        <translation>Mode de rappel</translation>
    </message>
    <message>
        <source>Notify me using a tray notification.</source>
        <translation>Me rappeler par une bulle dans la zone de notification.</translation>
    </message>
    <message>
        <source>Notify me using a popup dialog.</source>
        <translation>Me rappeler par une boîte de dialogue.</translation>
    </message>
    <message>
        <source>Desktop notifications</source>
        <translation>Notifications du bureau</translation>
    </message>
    <message>
        <source>Notification Options</source>
        <translation>Options de rappel</translation>
    </message>
    <message>
        <source>Show each notification separately.</source>
        <translation>Afficher chaque rappel séparément.</translation>
    </message>
    <message>
        <source>Facebook Import Settings</source>
        <translation>Paramètres d’importation Facebook</translation>
    </message>
    <message>
        <source>Logout</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>Logout of Facebook.</source>
        <translation>Se déconnecter de Facebook.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Check for updates automatically.</source>
        <translation>Rechercher automatiquement des mises à jour.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Adresse du serveur</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nom d’utilisateur</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Agenda</translation>
    </message>
    <message>
        <source>Sync now</source>
        <translation>Synchroniser maintenant</translation>
    </message>
    <message>
        <source>iCalendar (*.ics)</source>
        <translation>iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>All supported files (*.evt *.ics *.vcf)</source>
        <translation>Tous les fichiers pris en charge (*.evt *.ics *.vcf)</translation>
    </message>
    <message>
        <source>vCard (*.vcf)</source>
        <translation>vCard (*.vcf)</translation>
    </message>
    <message>
        <source>Import Events</source>
        <translation>Importer des événements</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Échec de l’importation</translation>
    </message>
    <message>
        <source>%1 could not be imported: %2</source>
        <translation>%1 n’a pas pu être importé&#xa0;: %2</translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Importation terminée</translation>
    </message>
    <message>
        <source>Import Incomplete</source>
        <translation>Importation incomplète</translation>
    </message>
    <message>
        <source>%1 was imported only in part. %2</source>
        <translation>%1 n’a été importé qu’en partie. %2</translation>
    </message>
    <message>
        <source>Export Events</source>
        <translation>Exporter les événements</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Échec de l’exportation</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>%1 n’a pas pu être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Export Complete</source>
        <translation>Exportation terminée</translation>
    </message>
    <message>
        <source>Save Events Elsewhere</source>
        <translation>Enregistrer les événements ailleurs</translation>
    </message>
    <message>
        <source>Events Not Saved</source>
        <translation>Événements non enregistrés</translation>
    </message>
    <message>
        <source>%1 could not be written either.</source>
        <translation>%1 n’a pas pu être écrit non plus.</translation>
    </message>
    <message>
        <source>Events Saved Elsewhere</source>
        <translation>Événements enregistrés ailleurs</translation>
    </message>
    <message>
        <source>Your events were saved in %1. Import that file once Oriventa can save its list again.</source>
        <translation>Vos événements ont été enregistrés dans %1. Importez ce fichier dès qu’Oriventa pourra de nouveau enregistrer sa liste.</translation>
    </message>
    <message>
        <source>Your friend&apos;s birthdays have been imported.</source>
        <translation>Les anniversaires de vos amis ont été importés.</translation>
    </message>
    <message>
        <source>Your Facebook events have been imported.</source>
        <translation>Vos événements Facebook ont été importés.</translation>
    </message>
    <message>
        <source>Facebook Error</source>
        <translation>Erreur Facebook</translation>
    </message>
    <message>
        <source>There was an error connecting to Facebook, please try again.</source>
        <translation>Une erreur s’est produite lors de la connexion à Facebook. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>You have logged out of Facebook.</source>
        <translation>Déconnexion de Facebook effectuée.</translation>
    </message>
    <message>
        <source>Damaged Events File</source>
        <translation>Fichier d’événements endommagé</translation>
    </message>
    <message>
        <source>Your events file could not be read to its end. Your events have been saved, but the damaged file could not be kept beside them.</source>
        <translation>Votre fichier d’événements n’a pas pu être lu jusqu’au bout. Vos événements ont été enregistrés, mais le fichier endommagé n’a pas pu être conservé à côté.</translation>
    </message>
    <message>
        <source>Your events could not be saved: %1 could not be read when Oriventa started (%2), so it is left as it is.</source>
        <translation>Vos événements n’ont pas pu être enregistrés&#xa0;: %1 n’a pas pu être lu au démarrage d’Oriventa (%2) et reste donc tel quel.</translation>
    </message>
    <message>
        <source>Your events could not be saved in %1: %2.</source>
        <translation>Vos événements n’ont pas pu être enregistrés dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Events File Unreadable</source>
        <translation>Fichier d’événements illisible</translation>
    </message>
    <message>
        <source>Your events file %1 could not be read: %2.

Oriventa leaves it as it is and will not save over it; events you add now can be saved elsewhere when you close the window.</source>
        <translation>Votre fichier d’événements %1 n’a pas pu être lu&#xa0;: %2.

Oriventa le laisse tel quel et ne l’écrasera pas&#xa0;; les événements que vous ajoutez maintenant pourront être enregistrés ailleurs à la fermeture de la fenêtre.</translation>
    </message>
    <message>
        <source>The next sync will take back what the server holds.</source>
        <translation>La prochaine synchronisation récupérera ce que contient le serveur.</translation>
    </message>
    <message>
        <source>The unread part could not be kept.</source>
        <translation>La partie non lue n’a pas pu être conservée.</translation>
    </message>
    <message>
        <source>The unread part is kept as %1.</source>
        <translation>La partie non lue est conservée sous %1.</translation>
    </message>
    <message>
        <source>Your events file %1 could not be read to its end: only %2 of its events could be read.</source>
        <translation>Votre fichier d’événements %1 n’a pas pu être lu jusqu’au bout&#xa0;: seuls %2 de ses événements ont pu être lus.</translation>
    </message>
    <message>
        <source>New calendar &quot;Oriventa&quot;</source>
        <translation>Nouvel agenda «&#xa0;Oriventa&#xa0;»</translation>
    </message>
    <message>
        <source>Sync Failed</source>
        <translation>Échec de la synchronisation</translation>
    </message>
    <message>
        <source>Enter the address of the server first.</source>
        <translation>Saisissez d’abord l’adresse du serveur.</translation>
    </message>
    <message>
        <source>Password for %1:</source>
        <translation>Mot de passe pour %1&#xa0;:</translation>
    </message>
    <message>
        <source>Sync Cancelled</source>
        <translation>Synchronisation annulée</translation>
    </message>
    <message>
        <source>Your events could not be saved, so they were not synced: %1.</source>
        <translation>Vos événements n’ont pas pu être enregistrés et n’ont donc pas été synchronisés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Password for %1 on %2:</source>
        <translation>Mot de passe pour %1 sur %2&#xa0;:</translation>
    </message>
    <message>
        <source>The server refused the user name or password.</source>
        <translation>Le serveur a refusé le nom d’utilisateur ou le mot de passe.</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Événements</translation>
    </message>
    <message>
        <source>Each event with its next date and the days remaining. Enter views the selected event, Delete removes it.</source>
        <translation>Chaque événement avec sa prochaine date et les jours restants. Entrée affiche l’événement sélectionné, Suppr le supprime.</translation>
    </message>
    <message>
        <source>Event name</source>
        <translation>Nom de l’événement</translation>
    </message>
    <message>
        <source>Times occurred</source>
        <translation>Nombre d’occurrences</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Repeats</source>
        <translation>Répétition</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Jours de la semaine</translation>
    </message>
    <message>
        <source>Tick the weekdays on which the event occurs.</source>
        <translation>Cochez les jours de la semaine où l’événement a lieu.</translation>
    </message>
    <message>
        <source>Day in the month</source>
        <translation>Jour du mois</translation>
    </message>
    <message>
        <source>Which day number, or which of the ticked weekdays: 2 with Monday ticked means the second Monday.</source>
        <translation>Quel numéro de jour, ou lequel des jours de la semaine cochés&#xa0;: 2 avec lundi coché signifie le deuxième lundi.</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Jours du mois</translation>
    </message>
    <message>
        <source>Tick Day to count days of the month, or the weekdays to count.</source>
        <translation>Cochez «&#xa0;jour&#xa0;» pour compter les jours du mois, ou les jours de la semaine à compter.</translation>
    </message>
    <message>
        <source>Day in the year</source>
        <translation>Jour de l’année</translation>
    </message>
    <message>
        <source>Days of the year</source>
        <translation>Jours de l’année</translation>
    </message>
    <message>
        <source>Tick Day to count days, or the weekdays to count.</source>
        <translation>Cochez «&#xa0;jour&#xa0;» pour compter les jours, ou les jours de la semaine à compter.</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Tick Year to count through the whole year, or the months to count in.</source>
        <translation>Cochez «&#xa0;année&#xa0;» pour compter sur toute l’année, ou les mois dans lesquels compter.</translation>
    </message>
    <message>
        <source>Days before the event</source>
        <translation>Jours avant l’événement</translation>
    </message>
    <message>
        <source>Save the event and return to the list.</source>
        <translation>Enregistrer l’événement et revenir à la liste.</translation>
    </message>
    <message>
        <source>Return to the list without saving the event.</source>
        <translation>Revenir à la liste sans enregistrer l’événement.</translation>
    </message>
    <message>
        <source>Event details</source>
        <translation>Détails de l’événement</translation>
    </message>
    <message>
        <source>Return to the list.</source>
        <translation>Revenir à la liste.</translation>
    </message>
    <message>
        <source>Keep the changed settings and return to the list.</source>
        <translation>Conserver les paramètres modifiés et revenir à la liste.</translation>
    </message>
    <message>
        <source>Return to the list without changing the settings.</source>
        <translation>Revenir à la liste sans modifier les paramètres.</translation>
    </message>
    <message>
        <source>the Year</source>
        <extracomment>In a list of months on the details page: &quot;Every 3rd Friday of the Year, March&quot;.</extracomment>
        <translation>l’année</translation>
    </message>
    <message>
        <source>Day</source>
        <extracomment>The day number of a month or year, in a list with weekdays: &quot;Every 15th Day of the month&quot;.</extracomment>
        <translation>jour</translation>
    </message>
    <message>
        <source>Select Event</source>
        <translation>Sélectionner un événement</translation>
    </message>
    <message>
        <source>Please select an event to view.</source>
        <translation>Veuillez sélectionner un événement à afficher.</translation>
    </message>
    <message numerus="yes">
        <source>This event has occurred %n times.</source>
        <translation>
            <numerusform>Cet événement a eu lieu %n fois.</numerusform>
            <numerusform>Cet événement a eu lieu %n fois.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The event will occur next on %1, in %n days time.</source>
        <extracomment>%1 is the date in the long format, %n the days from today.</extracomment>
        <translation>
            <numerusform>L’événement aura lieu la prochaine fois le %1, dans %n jour.</numerusform>
            <numerusform>L’événement aura lieu la prochaine fois le %1, dans %n jours.</numerusform>
        </translation>
    </message>
    <message>
        <source>This event is singular.</source>
        <translation>Cet événement est unique.</translation>
    </message>
    <message>
        <source>Occurring once on the %1</source>
        <extracomment>%1 is the date in the long format.</extracomment>
        <translation>Une seule fois le %1</translation>
    </message>
    <message>
        <source>This event is repeating.</source>
        <translation>Cet événement est récurrent.</translation>
    </message>
    <message>
        <source>Every %1</source>
        <extracomment>%1 lists weekdays: &quot;Every Monday, Wednesday&quot;.</extracomment>
        <translation>Chaque %1</translation>
    </message>
    <message>
        <source>Occurring weekly.</source>
        <translation>Chaque semaine.</translation>
    </message>
    <message>
        <source>Every %1 %2 of the month.</source>
        <extracomment>%1 is an ordinal number (&quot;15th&quot;), %2 &quot;Day&quot; and weekdays: &quot;Every 15th Day of the month.&quot;</extracomment>
        <translation>Chaque %1 %2 du mois.</translation>
    </message>
    <message>
        <source>Occurring monthly.</source>
        <translation>Chaque mois.</translation>
    </message>
    <message>
        <source>Every %1 %2 of %3</source>
        <extracomment>%1 is an ordinal number (&quot;3rd&quot;), %2 &quot;Day&quot; and weekdays, %3 &quot;the Year&quot; and months: &quot;Every 3rd Friday of the Year, March&quot;</extracomment>
        <translation>Chaque %1 %2 de&#xa0;: %3</translation>
    </message>
    <message>
        <source>Occurring yearly.</source>
        <translation>Chaque année.</translation>
    </message>
    <message numerus="yes">
        <source>You will be notified %n days before the event.</source>
        <translation>
            <numerusform>Un rappel s’affichera %n jour avant l’événement.</numerusform>
            <numerusform>Un rappel s’affichera %n jours avant l’événement.</numerusform>
        </translation>
    </message>
    <message>
        <source>Year</source>
        <extracomment>Ticked instead of months: the day number counts through the whole year.</extracomment>
        <translation>année</translation>
    </message>
    <message>
        <source>Please select an event to edit.</source>
        <translation>Veuillez sélectionner un événement à modifier.</translation>
    </message>
    <message>
        <source>Please select an event to remove.</source>
        <translation>Veuillez sélectionner un événement à supprimer.</translation>
    </message>
    <message>
        <source>Are you sure you wish to permanently remove this event?</source>
        <translation>Voulez-vous vraiment supprimer définitivement cet événement&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you wish to permanently remove these events?</source>
        <translation>Voulez-vous vraiment supprimer définitivement ces événements&#xa0;?</translation>
    </message>
    <message>
        <source>Confirm Removal</source>
        <translation>Confirmer la suppression</translation>
    </message>
    <message>
        <source>Enter Details</source>
        <translation>Saisir les détails</translation>
    </message>
    <message>
        <source>Events File (*.evt)</source>
        <translation>Fichier d’événements (*.evt)</translation>
    </message>
    <message>
        <source>Days Remaining</source>
        <translation>Jours restants</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>Password Not Stored</source>
        <translation>Mot de passe non enregistré</translation>
    </message>
    <message>
        <source>No secret store runs on this desktop, so the password is kept only until Oriventa closes. You will be asked for it again at the next start.</source>
        <translation>Aucun trousseau de mots de passe ne fonctionne sur ce bureau&#xa0;: le mot de passe n’est conservé que jusqu’à la fermeture d’Oriventa. Il vous sera redemandé au prochain démarrage.</translation>
    </message>
    <message>
        <source>The sync was cancelled. What it had done is kept, and the next sync goes on from there.</source>
        <translation>La synchronisation a été annulée. Ce qu’elle avait déjà fait est conservé, et la prochaine synchronisation reprendra à partir de là.</translation>
    </message>
    <message numerus="yes">
        <source>%n days before the event.</source>
        <comment>after a box</comment>
        <extracomment>The words after a box with the number of days: only what follows the number is shown.</extracomment>
        <translation>
            <numerusform>%n jour avant l’événement.</numerusform>
            <numerusform>%n jours avant l’événement.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Events Not Saved</source>
        <translation>Événements non enregistrés</translation>
    </message>
    <message>
        <source>Save Elsewhere...</source>
        <translation>Enregistrer ailleurs…</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>Fermer sans enregistrer</translation>
    </message>
    <message>
        <source>Delete on the Server?</source>
        <translation>Supprimer sur le serveur&#xa0;?</translation>
    </message>
    <message>
        <source>Delete these events on the server?</source>
        <translation>Supprimer ces événements sur le serveur&#xa0;?</translation>
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
        <source>For the event %1.</source>
        <extracomment>Tells a screen reader which reminder a control belongs to; %1 is the event&apos;s name.</extracomment>
        <translation>Pour l’événement %1.</translation>
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
    <message numerus="yes">
        <source>Notify me again in %n days.</source>
        <extracomment>A reminder&apos;s choice shown around a box with the number of days: the words before the number go before the box, the rest after it.</extracomment>
        <translation>
            <numerusform>Me le rappeler dans %n jour.</numerusform>
            <numerusform>Me le rappeler dans %n jours.</numerusform>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Rappels</translation>
    </message>
    <message>
        <source>Closes the reminders, or shows the next one when they come one at a time.</source>
        <translation>Ferme les rappels, ou affiche le suivant s’ils apparaissent un par un.</translation>
    </message>
</context>
<context>
    <name>Sync</name>
    <message numerus="yes">
        <source>%n events uploaded.</source>
        <translation>
            <numerusform>%n événement envoyé.</numerusform>
            <numerusform>%n événements envoyés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events downloaded.</source>
        <translation>
            <numerusform>%n événement téléchargé.</numerusform>
            <numerusform>%n événements téléchargés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events deleted here.</source>
        <translation>
            <numerusform>%n événement supprimé ici.</numerusform>
            <numerusform>%n événements supprimés ici.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events deleted on the server.</source>
        <translation>
            <numerusform>%n événement supprimé sur le serveur.</numerusform>
            <numerusform>%n événements supprimés sur le serveur.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events that could not be read here were taken back from the server.</source>
        <translation>
            <numerusform>%n événement qui n’avait pas pu être lu ici a été récupéré depuis le serveur.</numerusform>
            <numerusform>%n événements qui n’avaient pas pu être lus ici ont été récupérés depuis le serveur.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed here and elsewhere: both are kept, the other as &quot;%2&quot;.</source>
        <translation>«&#xa0;%1&#xa0;» a été modifié ici et ailleurs&#xa0;: les deux sont conservés, l’autre sous le nom «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Everything was already in sync.</source>
        <translation>Tout était déjà synchronisé.</translation>
    </message>
    <message>
        <source>Reading the calendar...</source>
        <translation>Lecture de l’agenda…</translation>
    </message>
    <message>
        <source>Reading %1 of %2</source>
        <translation>Lecture&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Envoi…</translation>
    </message>
    <message>
        <source>Uploading %1 of %2</source>
        <translation>Envoi&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Téléchargement…</translation>
    </message>
    <message>
        <source>Downloading %1 of %2</source>
        <translation>Téléchargement&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation>Suppression…</translation>
    </message>
    <message>
        <source>Deleting %1 of %2</source>
        <translation>Suppression&#xa0;: %1 sur %2</translation>
    </message>
    <message numerus="yes">
        <source>This sync would delete %1 of the %n events on the server, because they are no longer in your list. Nothing was changed: if you did delete them, allow the deletion.</source>
        <translation>
            <numerusform>Cette synchronisation supprimerait %1 sur %n événement du serveur, car il ne figure plus dans votre liste. Rien n’a été modifié&#xa0;: si vous l’avez bien supprimé, autorisez la suppression.</numerusform>
            <numerusform>Cette synchronisation supprimerait %1 des %n événements du serveur, car ils ne figurent plus dans votre liste. Rien n’a été modifié&#xa0;: si vous les avez bien supprimés, autorisez la suppression.</numerusform>
        </translation>
    </message>
    <message>
        <source>No server address is set up.</source>
        <translation>Aucune adresse de serveur n’est configurée.</translation>
    </message>
    <message>
        <source>The events file %1 could not be read: %2. Nothing was synced.</source>
        <extracomment>%1 is the events file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Le fichier d’événements %1 n’a pas pu être lu&#xa0;: %2. Rien n’a été synchronisé.</translation>
    </message>
    <message>
        <source>The events file is damaged: open Oriventa once to keep what can be read, then sync again.</source>
        <translation>Le fichier d’événements est endommagé&#xa0;: ouvrez Oriventa une fois pour conserver ce qui peut être lu, puis synchronisez à nouveau.</translation>
    </message>
    <message>
        <source>The events file could not be written: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Le fichier d’événements n’a pas pu être écrit&#xa0;: %1.</translation>
    </message>
    <message>
        <source>cancelled</source>
        <extracomment>Why a sync ended, shown after &quot;sync failed: &quot; (the user stopped it).</extracomment>
        <translation>annulée</translation>
    </message>
    <message>
        <source>The server did not answer as expected.</source>
        <translation>Le serveur n’a pas répondu comme prévu.</translation>
    </message>
</context>
</TS>
