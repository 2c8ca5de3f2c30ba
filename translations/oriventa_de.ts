<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CalDav</name>
    <message>
        <source>it is not in the calendar</source>
        <translation>es liegt nicht im Kalender</translation>
    </message>
    <message>
        <source>the server gave no usable ETag to delete it by</source>
        <translation>der Server hat kein brauchbares ETag zum Löschen geliefert</translation>
    </message>
    <message>
        <source>%1 is left alone: %2</source>
        <extracomment>%1 is an event&apos;s address on the server, %2 the reason (&quot;it is not in the calendar&quot;, …).</extracomment>
        <translation>%1 bleibt unverändert: %2</translation>
    </message>
    <message>
        <source>no CalDAV calendars found at %1</source>
        <translation>keine CalDAV-Kalender unter %1 gefunden</translation>
    </message>
    <message>
        <source>timed out</source>
        <extracomment>Why a request or a sync failed, shown after &quot;sync failed: &quot;.</extracomment>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>the server&apos;s answer is too large (over %1 MiB)</source>
        <translation>die Antwort des Servers ist zu groß (über %1 MiB)</translation>
    </message>
    <message>
        <source>SSL error: %1</source>
        <extracomment>%1 lists the errors Qt reports, separated by &quot;; &quot;.</extracomment>
        <translation>SSL-Fehler: %1</translation>
    </message>
    <message>
        <source>the server sent the request elsewhere (%1)</source>
        <extracomment>%1 is the address the server sent the request to.</extracomment>
        <translation>der Server hat die Anfrage anderswohin umgeleitet (%1)</translation>
    </message>
    <message>
        <source>the server refused the user name or password</source>
        <translation>der Server hat den Benutzernamen oder das Passwort abgelehnt</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <extracomment>%1 is the HTTP status code, %2 its reason phrase as the server sent it (e.g. &quot;404 Not Found&quot;).</extracomment>
        <translation>der Server antwortete %1 %2</translation>
    </message>
    <message>
        <source>the server&apos;s answer is not WebDAV (%1)</source>
        <extracomment>%1 is the address asked.</extracomment>
        <translation>die Antwort des Servers ist kein WebDAV (%1)</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>a command is needed</source>
        <translation>ein Befehl wird benötigt</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>--days needs a whole number of days, not &quot;%1&quot;</source>
        <translation>--days braucht eine ganze Zahl von Tagen, nicht „%1“</translation>
    </message>
    <message>
        <source>--days needs a whole number of days</source>
        <translation>--days braucht eine ganze Zahl von Tagen</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>%1 is an option: --url or --user</extracomment>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot; for %2</source>
        <extracomment>%1 is the option given, %2 the command (list, due, import, export or sync)</extracomment>
        <translation>unbekannte Option „%1“ für %2</translation>
    </message>
    <message>
        <source>%1 takes no file: &quot;%2&quot;</source>
        <extracomment>%1 is the command (list, due or sync), %2 the argument it cannot take</extracomment>
        <translation>%1 akzeptiert keine Datei: „%2“</translation>
    </message>
    <message>
        <source>import needs at least one FILE</source>
        <translation>import braucht mindestens eine DATEI</translation>
    </message>
    <message>
        <source>export needs exactly one FILE</source>
        <translation>export braucht genau eine DATEI</translation>
    </message>
    <message>
        <source>Usage: oriventa-cli COMMAND [OPTIONS]
Reads and changes Oriventa&apos;s list of events without a window.
</source>
        <translation>Aufruf: oriventa-cli BEFEHL [OPTIONEN]
Liest und ändert die Ereignisliste von Oriventa ohne Fenster.
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
        <translation>Befehle:
  list [--days N] [--json]  Ereignisse nach Datum, dann Name; mit --days nur
                            die, deren nächster Termin höchstens N Tage
                            entfernt ist
  due [--json]              die Erinnerungen, die &apos;oriventa auto&apos; heute zeigen
                            würde
  import DATEI...           die Ereignisse aus .evt-, .ics- und .vcf-Dateien
                            hinzufügen
  export DATEI              alle Ereignisse in DATEI schreiben (.ics:
                            iCalendar, sonst eine Ereignisdatei)
  sync [--url URL] [--user NAME] [--password-stdin] [--allow-deletions]
       [--quiet]            mit dem CalDAV-Kalender in beide Richtungen
                            synchronisieren, bis alles erledigt ist; im
                            Terminal zeigt sie den Fortschritt, mit --quiet
                            nur Fehler; --url und --user werden gespeichert,
                            sobald eine Synchronisation mit ihnen gelungen ist
                            (die Adresse ohne Benutzer und Passwort); das
                            Passwort kommt aus der Adresse, aus einer Zeile
                            der Standardeingabe oder aus dem Passwortspeicher
                            des Desktops; eine Synchronisation, die den
                            größten Teil des Kalenders löschen würde (20
                            Ereignisse oder mehr), bricht ab, außer mit
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
        <translation>Optionen:
  --json     ein JSON-Array von Ereignissen statt Textzeilen ausgeben
  --help     diesen Text anzeigen
  --version  die Version anzeigen
</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 a file could not be read or written or the sync
failed with nothing changed, 2 usage, 3 Oriventa is running (import and sync
only), 4 the sync failed after part of its work (list and server agree; the
next sync goes on).
</source>
        <translation>Rückgabewert: 0 erledigt, 1 eine Datei konnte nicht gelesen oder geschrieben
werden oder die Synchronisation schlug fehl, ohne etwas zu ändern, 2 falscher
Aufruf, 3 Oriventa läuft (nur import und sync), 4 die Synchronisation schlug
nach einem Teil ihrer Arbeit fehl (Liste und Server stimmen überein; die
nächste Synchronisation macht weiter).
</translation>
    </message>
    <message>
        <source>oriventa-cli: no server address: use --url
</source>
        <translation>oriventa-cli: keine Serveradresse: verwenden Sie --url
</translation>
    </message>
    <message>
        <source>oriventa-cli: no password: standard input gave none
</source>
        <translation>oriventa-cli: kein Passwort: die Standardeingabe lieferte keines
</translation>
    </message>
    <message>
        <source>oriventa-cli: no password: use --password-stdin
</source>
        <translation>oriventa-cli: kein Passwort: verwenden Sie --password-stdin
</translation>
    </message>
    <message>
        <source>oriventa-cli: sync failed: %1
</source>
        <extracomment>%1 is what went wrong, as the sync tells it</extracomment>
        <translation>oriventa-cli: Synchronisation fehlgeschlagen: %1
</translation>
    </message>
    <message>
        <source>oriventa-cli: run the sync again with --allow-deletions to delete them
</source>
        <translation>oriventa-cli: starten Sie die Synchronisation erneut mit --allow-deletions, um sie zu löschen
</translation>
    </message>
    <message>
        <source>Oriventa is running; close it and try again.
</source>
        <translation>Oriventa läuft; schließen Sie es und versuchen Sie es erneut.
</translation>
    </message>
    <message>
        <source>the events file cannot be read: %1</source>
        <extracomment>%1 is the reason the system gives</extracomment>
        <translation>die Ereignisdatei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>the events file is damaged: only the events before the damage are used; open Oriventa to keep them and set the rest aside</source>
        <translation>die Ereignisdatei ist beschädigt: nur die Ereignisse vor der beschädigten Stelle werden verwendet; öffnen Sie Oriventa, um sie zu behalten und den Rest beiseitezulegen</translation>
    </message>
    <message>
        <source>cannot be imported</source>
        <translation>kann nicht importiert werden</translation>
    </message>
    <message>
        <source>the events file could not be saved (%1); nothing was imported</source>
        <extracomment>%1 is the reason the system gives</extracomment>
        <translation>die Ereignisdatei konnte nicht gespeichert werden (%1); nichts wurde importiert</translation>
    </message>
    <message>
        <source>the events file was damaged; it was kept as %1</source>
        <extracomment>%1 is the path of the copy kept</extracomment>
        <translation>die Ereignisdatei war beschädigt; sie wurde als %1 aufbewahrt</translation>
    </message>
    <message>
        <source>could not be written: %1</source>
        <extracomment>%1 is the reason the system gives</extracomment>
        <translation>konnte nicht geschrieben werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n events to %1.
</source>
        <extracomment>%1 is the name of the file written</extracomment>
        <translation>
            <numerusform>%n Ereignis nach %1 exportiert.
</numerusform>
            <numerusform>%n Ereignisse nach %1 exportiert.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Event</name>
    <message>
        <source>Please select a reminder schedule.</source>
        <translation>Bitte wählen Sie einen Zeitplan für die Erinnerung aus.</translation>
    </message>
    <message>
        <source>Please enter a description of the event.</source>
        <translation>Bitte geben Sie eine Beschreibung des Ereignisses ein.</translation>
    </message>
    <message>
        <source>You cannot select a monthly repetition period greater than 5 week days.</source>
        <translation>Bei monatlicher Wiederholung können Sie höchstens den 5. Wochentag des Monats wählen.</translation>
    </message>
    <message>
        <source>You cannot select a yearly repetition period greater than 5 weeks for a specific month.</source>
        <translation>Bei jährlicher Wiederholung in einem bestimmten Monat können Sie höchstens die 5. Woche wählen.</translation>
    </message>
    <message>
        <source>You cannot select a yearly repetition period greater than 31 days for a specific month.</source>
        <translation>Bei jährlicher Wiederholung in einem bestimmten Monat können Sie höchstens den 31. Tag wählen.</translation>
    </message>
    <message>
        <source>You cannot select a yearly repetition period greater than 52 weeks.</source>
        <translation>Bei jährlicher Wiederholung können Sie höchstens die 52. Woche wählen.</translation>
    </message>
</context>
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
        <extracomment>Why the events file cannot be read: its path names a folder.</extracomment>
        <translation>es handelt sich um einen Ordner</translation>
    </message>
    <message>
        <source>it could not be read (%1), and saving would replace it</source>
        <extracomment>Why the events file was not saved; %1 is why it could not be read.</extracomment>
        <translation>sie konnte nicht gelesen werden (%1), und Speichern würde sie ersetzen</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which cannot be reached</source>
        <extracomment>Why the events file cannot be read; %1 is a link on its way, %2 where the link points.</extracomment>
        <translation>%1 verweist auf %2, das nicht erreichbar ist</translation>
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
            <numerusform>und %n weiteres</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n events to %1.</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>
            <numerusform>%n Ereignis in %1 geschrieben.</numerusform>
            <numerusform>%n Ereignisse in %1 geschrieben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events were written with the closest rule a calendar can state:</source>
        <translation>
            <numerusform>%n Ereignis wurde mit der nächstliegenden Regel geschrieben, die ein Kalender ausdrücken kann:</numerusform>
            <numerusform>%n Ereignisse wurden mit der nächstliegenden Regel geschrieben, die ein Kalender ausdrücken kann:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events were left out:</source>
        <translation>
            <numerusform>%n Ereignis wurde ausgelassen:</numerusform>
            <numerusform>%n Ereignisse wurden ausgelassen:</numerusform>
        </translation>
    </message>
    <message>
        <source>day %1 runs into the next month when a month is shorter; calendars skip those months</source>
        <extracomment>Why an event was written only approximately; %1 is a day of the month.</extracomment>
        <translation>Tag %1 reicht in kürzeren Monaten in den nächsten Monat; Kalender überspringen diese Monate</translation>
    </message>
    <message>
        <source>falls on a day number and on weekdays; a calendar takes only one of them, so only the day number was written</source>
        <translation>fällt auf eine Tageszahl und auf Wochentage; ein Kalender kennt nur eines davon, daher wurde nur die Tageszahl geschrieben</translation>
    </message>
    <message>
        <source>combines several yearly choices; a calendar takes only one of them, so only the first was written</source>
        <translation>verbindet mehrere jährliche Angaben; ein Kalender kennt nur eine davon, daher wurde nur die erste geschrieben</translation>
    </message>
    <message>
        <source>day %1 does not exist in every chosen month; Oriventa takes the month&apos;s last day there, calendars skip it</source>
        <translation>Tag %1 gibt es nicht in jedem gewählten Monat; Oriventa nimmt dort den letzten Tag des Monats, Kalender lassen ihn aus</translation>
    </message>
    <message>
        <source>a %1 weekday runs into the next month when a month has fewer; calendars skip that month</source>
        <extracomment>%1 is an ordinal number (&quot;5th&quot;).</extracomment>
        <translation>ein %1 Wochentag reicht in den nächsten Monat, wenn ein Monat weniger hat; Kalender überspringen diesen Monat</translation>
    </message>
    <message>
        <source>day %1 runs into the next year when a year is shorter; calendars skip those years</source>
        <extracomment>%1 is a day of the year.</extracomment>
        <translation>Tag %1 reicht in kürzeren Jahren ins nächste Jahr; Kalender überspringen diese Jahre</translation>
    </message>
    <message>
        <source>a %1 weekday runs into the next year when a year has fewer; calendars skip that year</source>
        <extracomment>%1 is an ordinal number (&quot;53rd&quot;).</extracomment>
        <translation>ein %1 Wochentag reicht ins nächste Jahr, wenn ein Jahr weniger hat; Kalender überspringen dieses Jahr</translation>
    </message>
    <message>
        <source>has no date</source>
        <translation>hat kein Datum</translation>
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
        <translation>Facebook-Anmeldeseite</translation>
    </message>
    <message>
        <source>Log in to Facebook here to import your friends&apos; birthdays or your events.</source>
        <translation>Melden Sie sich hier bei Facebook an, um die Geburtstage Ihrer Freunde oder Ihre Ereignisse zu importieren.</translation>
    </message>
    <message>
        <source>Facebook entries</source>
        <translation>Facebook-Einträge</translation>
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
        <translation>Oriventa %1 ist verfügbar. Sie können es hier herunterladen:
%2</translation>
    </message>
    <message>
        <source>Oriventa is up to date.</source>
        <translation>Oriventa ist auf dem neuesten Stand.</translation>
    </message>
    <message>
        <source>The check for a newer version of Oriventa failed.</source>
        <translation>Die Suche nach einer neueren Version von Oriventa ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Oriventa Update</source>
        <translation>Oriventa-Aktualisierung</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Auf dem Gerät ist kein Speicherplatz mehr frei</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Das Dateisystem ist nur lesbar</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Ordner</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Ist kein Ordner</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Das Speicherkontingent ist überschritten</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Der Dateiname ist zu lang</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message numerus="yes">
        <source>The file is damaged; only the %n events before the damage could be read.</source>
        <translation>
            <numerusform>Die Datei ist beschädigt; nur %n Ereignis vor der beschädigten Stelle konnte gelesen werden.</numerusform>
            <numerusform>Die Datei ist beschädigt; nur %n Ereignisse vor der beschädigten Stelle konnten gelesen werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <extracomment>Why a file could not be imported, after &quot;&lt;file&gt; could not be imported: &quot;; %1 is the system&apos;s reason.</extracomment>
        <translation>konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>is neither an events file, an iCalendar file nor a vCard file</source>
        <extracomment>Why a file could not be imported, after &quot;&lt;file&gt; could not be imported: &quot;.</extracomment>
        <translation>ist weder eine Ereignisdatei noch eine iCalendar- oder vCard-Datei</translation>
    </message>
    <message>
        <source>is damaged and holds nothing that could be read</source>
        <extracomment>Why a file could not be imported, after &quot;&lt;file&gt; could not be imported: &quot;.</extracomment>
        <translation>ist beschädigt und enthält nichts Lesbares</translation>
    </message>
    <message>
        <source>is larger than %1 MiB, too large for a contacts or calendar file</source>
        <extracomment>Why a file could not be imported, after &quot;&lt;file&gt; could not be imported: &quot;.</extracomment>
        <translation>ist größer als %1 MiB, zu groß für eine Kontakt- oder Kalenderdatei</translation>
    </message>
    <message>
        <source>Nothing was added from %1.</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Aus %1 wurde nichts hinzugefügt.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n events from %1.</source>
        <translation>
            <numerusform>%n Ereignis aus %1 hinzugefügt.</numerusform>
            <numerusform>%n Ereignisse aus %1 hinzugefügt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n events because the name is already taken: %1 and %2 more.</source>
        <extracomment>%1 lists the first names, %2 is how many more there are.</extracomment>
        <translation>
            <numerusform>%n Ereignis übersprungen, weil der Name schon vergeben ist: %1 und %2 weitere.</numerusform>
            <numerusform>%n Ereignisse übersprungen, weil der Name schon vergeben ist: %1 und %2 weitere.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n events because the name is already taken: %1.</source>
        <extracomment>%1 lists the names.</extracomment>
        <translation>
            <numerusform>%n Ereignis übersprungen, weil der Name schon vergeben ist: %1.</numerusform>
            <numerusform>%n Ereignisse übersprungen, weil der Name schon vergeben ist: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out %n entries that Oriventa cannot represent:</source>
        <translation>
            <numerusform>%n Eintrag ausgelassen, den Oriventa nicht darstellen kann:</numerusform>
            <numerusform>%n Einträge ausgelassen, die Oriventa nicht darstellen kann:</numerusform>
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
            <numerusform>und %n weiterer.</numerusform>
            <numerusform>und %n weitere.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contacts have neither a birthday nor an anniversary.</source>
        <translation>
            <numerusform>%n Kontakt hat weder einen Geburtstag noch einen Jahrestag.</numerusform>
            <numerusform>%n Kontakte haben weder einen Geburtstag noch einen Jahrestag.</numerusform>
        </translation>
    </message>
    <message>
        <source>(untitled)</source>
        <extracomment>The name given to a calendar entry that has no title.</extracomment>
        <translation>(ohne Titel)</translation>
    </message>
    <message>
        <source>has the same UID as an earlier entry</source>
        <extracomment>Why a calendar entry was left out, after its name and &quot;: &quot;.</extracomment>
        <translation>hat dieselbe UID wie ein früherer Eintrag</translation>
    </message>
    <message>
        <source>It could not be read as a calendar.</source>
        <translation>Die Datei konnte nicht als Kalender gelesen werden.</translation>
    </message>
    <message>
        <source>has a repeat rule or exception that could not be read</source>
        <extracomment>Why a calendar entry was left out, after its name and &quot;: &quot;.</extracomment>
        <translation>hat eine Wiederholungsregel oder Ausnahme, die nicht gelesen werden konnte</translation>
    </message>
    <message>
        <source>has changed occurrences</source>
        <extracomment>Why a calendar entry was left out, after its name and &quot;: &quot;.</extracomment>
        <translation>hat geänderte Termine</translation>
    </message>
    <message>
        <source>The file ends in the middle of a contact, which was left out.</source>
        <translation>Die Datei endet mitten in einem Kontakt; dieser wurde ausgelassen.</translation>
    </message>
    <message>
        <source>(no name)</source>
        <extracomment>Stands for the name of a contact that has none.</extracomment>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>has no name</source>
        <extracomment>Why a contact was left out, after its name and &quot;: &quot;.</extracomment>
        <translation>hat keinen Namen</translation>
    </message>
    <message>
        <source>has the date &quot;%1&quot;, which is not a day of the year</source>
        <extracomment>Why a contact&apos;s date was left out, after its name and &quot;: &quot;; %1 is the date as the file has it.</extracomment>
        <translation>hat das Datum „%1“, das kein Tag des Jahres ist</translation>
    </message>
    <message>
        <source>falls on different weeks for different weekdays</source>
        <translation>fällt für verschiedene Wochentage in verschiedene Wochen</translation>
    </message>
    <message>
        <source>falls on every such weekday of the period</source>
        <translation>fällt auf jeden solchen Wochentag des Zeitraums</translation>
    </message>
    <message>
        <source>counts weekdays from the end of the period</source>
        <translation>zählt Wochentage vom Ende des Zeitraums</translation>
    </message>
    <message>
        <source>counts days from the end of the month</source>
        <translation>zählt Tage vom Monatsende</translation>
    </message>
    <message>
        <source>falls on day %1, which a chosen month does not always have</source>
        <translation>fällt auf Tag %1, den ein gewählter Monat nicht immer hat</translation>
    </message>
    <message>
        <source>begins on %1, and Oriventa would remind of earlier days</source>
        <extracomment>Why a calendar entry was left out; %1 is its first date (2030-01-08).</extracomment>
        <translation>beginnt am %1, und Oriventa würde an frühere Tage erinnern</translation>
    </message>
    <message>
        <source>falls on other days here at times of the year (its time zone)</source>
        <translation>fällt hier zu manchen Jahreszeiten auf andere Tage (seine Zeitzone)</translation>
    </message>
    <message>
        <source>repeats every second</source>
        <translation>wiederholt sich jede Sekunde</translation>
    </message>
    <message>
        <source>repeats every minute</source>
        <translation>wiederholt sich jede Minute</translation>
    </message>
    <message>
        <source>repeats hourly</source>
        <translation>wiederholt sich stündlich</translation>
    </message>
    <message>
        <source>repeats daily</source>
        <translation>wiederholt sich täglich</translation>
    </message>
    <message>
        <source>repeats in a way Oriventa does not know</source>
        <translation>wiederholt sich auf eine Weise, die Oriventa nicht kennt</translation>
    </message>
    <message numerus="yes">
        <source>repeats every %n weeks</source>
        <translation>
            <numerusform>wiederholt sich jede %n. Woche</numerusform>
            <numerusform>wiederholt sich alle %n Wochen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>repeats every %n months</source>
        <translation>
            <numerusform>wiederholt sich jeden %n. Monat</numerusform>
            <numerusform>wiederholt sich alle %n Monate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>repeats every %n years</source>
        <translation>
            <numerusform>wiederholt sich jedes %n. Jahr</numerusform>
            <numerusform>wiederholt sich alle %n Jahre</numerusform>
        </translation>
    </message>
    <message>
        <source>has a COUNT or UNTIL limit</source>
        <translation>hat eine Grenze mit COUNT oder UNTIL</translation>
    </message>
    <message>
        <source>picks its days by position, week number or time of day</source>
        <translation>wählt seine Tage nach Position, Wochennummer oder Uhrzeit</translation>
    </message>
    <message>
        <source>falls only where a day number and a weekday meet</source>
        <translation>fällt nur dorthin, wo eine Tageszahl und ein Wochentag zusammentreffen</translation>
    </message>
    <message>
        <source>repeats weekly only on some days of the year</source>
        <translation>wiederholt sich wöchentlich nur an manchen Tagen des Jahres</translation>
    </message>
    <message>
        <source>counts weeks within the period</source>
        <translation>zählt Wochen innerhalb des Zeitraums</translation>
    </message>
    <message>
        <source>repeats monthly only in some months</source>
        <translation>wiederholt sich monatlich nur in manchen Monaten</translation>
    </message>
    <message>
        <source>falls on a weekday no month has</source>
        <translation>fällt auf einen Wochentag, den kein Monat hat</translation>
    </message>
    <message>
        <source>falls on several days of the month</source>
        <translation>fällt auf mehrere Tage des Monats</translation>
    </message>
    <message>
        <source>falls on day %1, which not every month has</source>
        <translation>fällt auf Tag %1, den nicht jeder Monat hat</translation>
    </message>
    <message>
        <source>combines a day of the year with other choices</source>
        <translation>verbindet einen Tag des Jahres mit anderen Angaben</translation>
    </message>
    <message>
        <source>falls on several days of the year</source>
        <translation>fällt auf mehrere Tage des Jahres</translation>
    </message>
    <message>
        <source>counts days from the end of the year</source>
        <translation>zählt Tage vom Jahresende</translation>
    </message>
    <message>
        <source>falls on day %1 of the year, which not every year has</source>
        <translation>fällt auf Tag %1 des Jahres, den nicht jedes Jahr hat</translation>
    </message>
    <message>
        <source>falls on a %1 weekday, which not every month has</source>
        <extracomment>Why a calendar entry was left out; %1 is an ordinal number (&quot;5th&quot;).</extracomment>
        <translation>fällt auf einen %1 Wochentag, den nicht jeder Monat hat</translation>
    </message>
    <message>
        <source>falls on a %1 weekday, which not every year has</source>
        <extracomment>Why a calendar entry was left out; %1 is an ordinal number (&quot;53rd&quot;).</extracomment>
        <translation>fällt auf einen %1 Wochentag, den nicht jedes Jahr hat</translation>
    </message>
    <message>
        <source>is a to-do, not an event</source>
        <translation>ist eine Aufgabe, kein Ereignis</translation>
    </message>
    <message>
        <source>is a journal entry, not an event</source>
        <translation>ist ein Journaleintrag, kein Ereignis</translation>
    </message>
    <message>
        <source>is not an event</source>
        <translation>ist kein Ereignis</translation>
    </message>
    <message>
        <source>changes one occurrence of a repeating event</source>
        <translation>ändert einen Termin eines sich wiederholenden Ereignisses</translation>
    </message>
    <message>
        <source>has no title</source>
        <translation>hat keinen Titel</translation>
    </message>
    <message>
        <source>has no date</source>
        <translation>hat kein Datum</translation>
    </message>
    <message>
        <source>has extra dates</source>
        <translation>hat zusätzliche Termine</translation>
    </message>
    <message>
        <source>has several repeat rules</source>
        <translation>hat mehrere Wiederholungsregeln</translation>
    </message>
    <message>
        <source>has exceptions</source>
        <translation>hat Ausnahmen</translation>
    </message>
    <message>
        <source>repeats at a time that falls on another day here</source>
        <translation>wiederholt sich zu einer Uhrzeit, die hier auf einen anderen Tag fällt</translation>
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
        <translation>Ein neues Ereignis anlegen, an das Sie erinnert werden.</translation>
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
        <translation>Die Angaben zum ausgewählten Ereignis anzeigen.</translation>
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
        <translation>Facebook-Ereignisse</translation>
    </message>
    <message>
        <source>Load events from Facebook.</source>
        <translation>Ereignisse aus Facebook laden.</translation>
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
        <translation>Hinzufügen/Bearbeiten</translation>
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
        <translation>Dieses Ereignis ist bisher</translation>
    </message>
    <message>
        <source> times.</source>
        <translation> Mal eingetreten.</translation>
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
        <translation>Dieses Ereignis wiederholt sich jeden:</translation>
    </message>
    <message>
        <source> Monthly </source>
        <translation> Monatlich </translation>
    </message>
    <message>
        <source>This event occurs on the</source>
        <translation>Dieses Ereignis wiederholt sich am</translation>
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
        <translation>Das Ereignis findet als Nächstes am </translation>
    </message>
    <message>
        <source>, in </source>
        <translation> statt, in </translation>
    </message>
    <message>
        <source> days time.</source>
        <translation> Tagen.</translation>
    </message>
    <message>
        <source>This event has occurred </source>
        <translation>Dieses Ereignis ist bisher </translation>
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
        <translation>Erinnerung </translation>
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
        <translation>Synchronisation</translation>
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
        <translation>Jetzt synchronisieren</translation>
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
        <translation>Ihre Facebook-Ereignisse wurden importiert.</translation>
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
        <translation>Die nächste Synchronisation holt zurück, was auf dem Server liegt.</translation>
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
        <translation>Synchronisation fehlgeschlagen</translation>
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
        <translation>Synchronisation abgebrochen</translation>
    </message>
    <message>
        <source>Your events could not be saved, so they were not synced: %1.</source>
        <translation>Ihre Ereignisse konnten nicht gespeichert und daher nicht synchronisiert werden: %1.</translation>
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
        <translation>Welche Tageszahl oder welcher der angekreuzten Wochentage: 2 mit angekreuztem Montag bedeutet den zweiten Montag.</translation>
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
        <translation>Angaben zum Ereignis</translation>
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
        <translation>Jahr</translation>
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
        <translation>Jeden %1 %2 im %3</translation>
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
        <translation>Die Synchronisation wurde abgebrochen. Was bis dahin erledigt war, bleibt erhalten, und die nächste Synchronisation macht dort weiter.</translation>
    </message>
    <message numerus="yes">
        <source>%n days before the event.</source>
        <comment>after a box</comment>
        <extracomment>The words after a box with the number of days: only what follows the number is shown.</extracomment>
        <translation>
            <numerusform>%n Tag vor dem Ereignis.</numerusform>
            <numerusform>%n Tage vor dem Ereignis.</numerusform>
        </translation>
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
    <name>NotificationSession</name>
    <message numerus="yes">
        <source>%n reminders are due</source>
        <extracomment>The title of one notification for several reminders at once.</extracomment>
        <translation>
            <numerusform>%n Erinnerung ist fällig</numerusform>
            <numerusform>%n Erinnerungen sind fällig</numerusform>
        </translation>
    </message>
    <message>
        <source>Show all reminders</source>
        <translation>Alle Erinnerungen anzeigen</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>A notification&apos;s button: opens the reminder&apos;s choices.</extracomment>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Remind me tomorrow</source>
        <translation>Morgen erinnern</translation>
    </message>
    <message>
        <source>Not until next time</source>
        <translation>Erst beim nächsten Mal</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>Nicht mehr erinnern</translation>
    </message>
</context>
<context>
    <name>Ordinal</name>
    <message>
        <source>%1st</source>
        <comment>1</comment>
        <extracomment>An ordinal number, %1 being the number 1: &quot;1st&quot;.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1st</source>
        <comment>21, 31, 41, …</comment>
        <extracomment>An ordinal number ending in 1 other than 1 itself and 11: &quot;21st&quot;, &quot;101st&quot;.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1nd</source>
        <extracomment>An ordinal number ending in 2 but not in 12: &quot;2nd&quot;, &quot;22nd&quot;.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1rd</source>
        <extracomment>An ordinal number ending in 3 but not in 13: &quot;3rd&quot;, &quot;23rd&quot;.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1th</source>
        <extracomment>Every other ordinal number: &quot;4th&quot;, &quot;11th&quot;, &quot;12th&quot;, &quot;13th&quot;, &quot;20th&quot;.</extracomment>
        <translation>%1.</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message numerus="yes">
        <source>The %1 event of %2 is on %3 there are %n days to go.</source>
        <extracomment>A reminder. %1 is an ordinal number (&quot;5th&quot;), %2 the event&apos;s name, %3 the date of its next occurrence in the long format, %n the days until then (0 on the day itself).</extracomment>
        <translation>
            <numerusform>Das %1 Ereignis von %2 ist am %3 – noch %n Tag.</numerusform>
            <numerusform>Das %1 Ereignis von %2 ist am %3 – noch %n Tage.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is on %2 there are %n days to go.</source>
        <extracomment>A reminder. %1 is the event&apos;s name, %2 the date of its next occurrence in the long format, %n the days until then (0 on the day itself).</extracomment>
        <translation>
            <numerusform>%1 ist am %2 – noch %n Tag.</numerusform>
            <numerusform>%1 ist am %2 – noch %n Tage.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReminderItem</name>
    <message>
        <source>Accept</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Closes the choices for %1 without applying them.</source>
        <extracomment>%1 is the event&apos;s name.</extracomment>
        <translation>Schließt die Auswahl für %1, ohne sie zu übernehmen.</translation>
    </message>
    <message>
        <source>For the event %1.</source>
        <extracomment>Tells a screen reader which reminder a control belongs to; %1 is the event&apos;s name.</extracomment>
        <translation>Für das Ereignis %1.</translation>
    </message>
    <message>
        <source>Days until the next reminder</source>
        <translation>Tage bis zur nächsten Erinnerung</translation>
    </message>
    <message>
        <source>Don&apos;t notify me until the next occurrence of this event.</source>
        <translation>Erst beim nächsten Termin dieses Ereignisses wieder erinnern.</translation>
    </message>
    <message>
        <source>Never notify me of this event again.</source>
        <translation>Nie wieder an dieses Ereignis erinnern.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Shows the choices for when to remind you again of %1.</source>
        <extracomment>%1 is the event&apos;s name.</extracomment>
        <translation>Zeigt die Auswahl, wann Sie wieder an %1 erinnert werden.</translation>
    </message>
    <message>
        <source>Applies the chosen reminder for %1.</source>
        <extracomment>%1 is the event&apos;s name.</extracomment>
        <translation>Übernimmt die gewählte Erinnerung für %1.</translation>
    </message>
    <message numerus="yes">
        <source>Notify me again in %n days.</source>
        <extracomment>A reminder&apos;s choice shown around a box with the number of days: the words before the number go before the box, the rest after it.</extracomment>
        <translation>
            <numerusform>Erneut in %n Tag erinnern.</numerusform>
            <numerusform>Erneut in %n Tagen erinnern.</numerusform>
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
        <translation>Erinnerungen</translation>
    </message>
    <message>
        <source>Closes the reminders, or shows the next one when they come one at a time.</source>
        <translation>Schließt die Erinnerungen oder zeigt die nächste, wenn sie einzeln erscheinen.</translation>
    </message>
</context>
<context>
    <name>Sync</name>
    <message numerus="yes">
        <source>%n events uploaded.</source>
        <translation>
            <numerusform>%n Ereignis hochgeladen.</numerusform>
            <numerusform>%n Ereignisse hochgeladen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events downloaded.</source>
        <translation>
            <numerusform>%n Ereignis heruntergeladen.</numerusform>
            <numerusform>%n Ereignisse heruntergeladen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events deleted here.</source>
        <translation>
            <numerusform>%n Ereignis hier gelöscht.</numerusform>
            <numerusform>%n Ereignisse hier gelöscht.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events deleted on the server.</source>
        <translation>
            <numerusform>%n Ereignis auf dem Server gelöscht.</numerusform>
            <numerusform>%n Ereignisse auf dem Server gelöscht.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events that could not be read here were taken back from the server.</source>
        <translation>
            <numerusform>%n Ereignis, das hier nicht gelesen werden konnte, wurde vom Server zurückgeholt.</numerusform>
            <numerusform>%n Ereignisse, die hier nicht gelesen werden konnten, wurden vom Server zurückgeholt.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed here and elsewhere: both are kept, the other as &quot;%2&quot;.</source>
        <translation>„%1“ wurde hier und anderswo geändert: Beide bleiben erhalten, das andere als „%2“.</translation>
    </message>
    <message>
        <source>Everything was already in sync.</source>
        <translation>Alles war bereits synchron.</translation>
    </message>
    <message>
        <source>Reading the calendar...</source>
        <translation>Kalender wird gelesen …</translation>
    </message>
    <message>
        <source>Reading %1 of %2</source>
        <translation>%1 von %2 wird gelesen</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Wird hochgeladen …</translation>
    </message>
    <message>
        <source>Uploading %1 of %2</source>
        <translation>%1 von %2 wird hochgeladen</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Wird heruntergeladen …</translation>
    </message>
    <message>
        <source>Downloading %1 of %2</source>
        <translation>%1 von %2 wird heruntergeladen</translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation>Wird gelöscht …</translation>
    </message>
    <message>
        <source>Deleting %1 of %2</source>
        <translation>%1 von %2 wird gelöscht</translation>
    </message>
    <message numerus="yes">
        <source>This sync would delete %1 of the %n events on the server, because they are no longer in your list. Nothing was changed: if you did delete them, allow the deletion.</source>
        <translation>
            <numerusform>Diese Synchronisation würde %1 von %n Ereignis auf dem Server löschen, weil es nicht mehr in Ihrer Liste steht. Nichts wurde geändert: Wenn Sie es gelöscht haben, erlauben Sie das Löschen.</numerusform>
            <numerusform>Diese Synchronisation würde %1 der %n Ereignisse auf dem Server löschen, weil sie nicht mehr in Ihrer Liste stehen. Nichts wurde geändert: Wenn Sie sie gelöscht haben, erlauben Sie das Löschen.</numerusform>
        </translation>
    </message>
    <message>
        <source>No server address is set up.</source>
        <translation>Es ist keine Serveradresse eingerichtet.</translation>
    </message>
    <message>
        <source>The events file %1 could not be read: %2. Nothing was synced.</source>
        <extracomment>%1 is the events file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Die Ereignisdatei %1 konnte nicht gelesen werden: %2. Nichts wurde synchronisiert.</translation>
    </message>
    <message>
        <source>The events file is damaged: open Oriventa once to keep what can be read, then sync again.</source>
        <translation>Die Ereignisdatei ist beschädigt: Öffnen Sie Oriventa einmal, um das Lesbare zu behalten, und synchronisieren Sie dann erneut.</translation>
    </message>
    <message>
        <source>The events file could not be written: %1.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Die Ereignisdatei konnte nicht geschrieben werden: %1.</translation>
    </message>
    <message>
        <source>cancelled</source>
        <extracomment>Why a sync ended, shown after &quot;sync failed: &quot; (the user stopped it).</extracomment>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>The server did not answer as expected.</source>
        <translation>Der Server hat nicht wie erwartet geantwortet.</translation>
    </message>
</context>
</TS>
