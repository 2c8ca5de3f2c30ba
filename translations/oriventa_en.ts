<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Cli</name>
    <message numerus="yes">
        <source>Exported %n events to %1.
</source>
        <extracomment>%1 is the name of the file written</extracomment>
        <translation>
            <numerusform>Exported %n event to %1.
</numerusform>
            <numerusform>Exported %n events to %1.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>The end of a list too long to show whole.</extracomment>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n events to %1.</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>
            <numerusform>Wrote 1 event to %1.</numerusform>
            <numerusform>Wrote %n events to %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events were written with the closest rule a calendar can state:</source>
        <translation>
            <numerusform>1 event was written with the closest rule a calendar can state:</numerusform>
            <numerusform>%n events were written with the closest rule a calendar can state:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events were left out:</source>
        <translation>
            <numerusform>1 event was left out:</numerusform>
            <numerusform>%n events were left out:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message numerus="yes">
        <source>The file is damaged; only the %n events before the damage could be read.</source>
        <translation>
            <numerusform>The file is damaged; only the 1 event before the damage could be read.</numerusform>
            <numerusform>The file is damaged; only the %n events before the damage could be read.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %n events from %1.</source>
        <translation>
            <numerusform>Added 1 event from %1.</numerusform>
            <numerusform>Added %n events from %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n events because the name is already taken: %1 and %2 more.</source>
        <extracomment>%1 lists the first names, %2 is how many more there are.</extracomment>
        <translation>
            <numerusform>Skipped 1 event because the name is already taken: %1 and %2 more.</numerusform>
            <numerusform>Skipped %n events because the name is already taken: %1 and %2 more.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n events because the name is already taken: %1.</source>
        <extracomment>%1 lists the names.</extracomment>
        <translation>
            <numerusform>Skipped 1 event because the name is already taken: %1.</numerusform>
            <numerusform>Skipped %n events because the name is already taken: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out %n entries that Oriventa cannot represent:</source>
        <translation>
            <numerusform>Left out 1 entry that Oriventa cannot represent:</numerusform>
            <numerusform>Left out %n entries that Oriventa cannot represent:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <extracomment>The end of a list too long to show whole.</extracomment>
        <translation>
            <numerusform>and %n more.</numerusform>
            <numerusform>and %n more.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contacts have neither a birthday nor an anniversary.</source>
        <translation>
            <numerusform>1 contact has neither a birthday nor an anniversary.</numerusform>
            <numerusform>%n contacts have neither a birthday nor an anniversary.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>repeats every %n weeks</source>
        <translation>
            <numerusform>repeats every %n week</numerusform>
            <numerusform>repeats every %n weeks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>repeats every %n months</source>
        <translation>
            <numerusform>repeats every %n month</numerusform>
            <numerusform>repeats every %n months</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>repeats every %n years</source>
        <translation>
            <numerusform>repeats every %n year</numerusform>
            <numerusform>repeats every %n years</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message numerus="yes">
        <source>This event has occurred %n times.</source>
        <translation>
            <numerusform>This event has occurred %n time.</numerusform>
            <numerusform>This event has occurred %n times.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The event will occur next on %1, in %n days time.</source>
        <extracomment>%1 is the date in the long format, %n the days from today.</extracomment>
        <translation>
            <numerusform>The event will occur next on %1, in %n days time.</numerusform>
            <numerusform>The event will occur next on %1, in %n days time.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You will be notified %n days before the event.</source>
        <translation>
            <numerusform>You will be notified %n day before the event.</numerusform>
            <numerusform>You will be notified %n days before the event.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days before the event.</source>
        <comment>after a box</comment>
        <extracomment>The words after a box with the number of days: only what follows the number is shown.</extracomment>
        <translation>
            <numerusform>%n days before the event.</numerusform>
            <numerusform>%n days before the event.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NotificationSession</name>
    <message numerus="yes">
        <source>%n reminders are due</source>
        <extracomment>The title of one notification for several reminders at once.</extracomment>
        <translation>
            <numerusform>%n reminder is due</numerusform>
            <numerusform>%n reminders are due</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message numerus="yes">
        <source>The %1 event of %2 is on %3 there are %n days to go.</source>
        <extracomment>A reminder. %1 is an ordinal number (&quot;5th&quot;), %2 the event&apos;s name, %3 the date of its next occurrence in the long format, %n the days until then (0 on the day itself).</extracomment>
        <translation>
            <numerusform>The %1 event of %2 is on %3 there is %n day to go.</numerusform>
            <numerusform>The %1 event of %2 is on %3 there are %n days to go.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is on %2 there are %n days to go.</source>
        <extracomment>A reminder. %1 is the event&apos;s name, %2 the date of its next occurrence in the long format, %n the days until then (0 on the day itself).</extracomment>
        <translation>
            <numerusform>%1 is on %2 there is %n day to go.</numerusform>
            <numerusform>%1 is on %2 there are %n days to go.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReminderItem</name>
    <message numerus="yes">
        <source>Notify me again in %n days.</source>
        <extracomment>A reminder&apos;s choice shown around a box with the number of days: the words before the number go before the box, the rest after it.</extracomment>
        <translation>
            <numerusform>Notify me again in %n days.</numerusform>
            <numerusform>Notify me again in %n days.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Sync</name>
    <message numerus="yes">
        <source>%n events uploaded.</source>
        <translation>
            <numerusform>1 event uploaded.</numerusform>
            <numerusform>%n events uploaded.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events downloaded.</source>
        <translation>
            <numerusform>1 event downloaded.</numerusform>
            <numerusform>%n events downloaded.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events deleted here.</source>
        <translation>
            <numerusform>1 event deleted here.</numerusform>
            <numerusform>%n events deleted here.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events deleted on the server.</source>
        <translation>
            <numerusform>1 event deleted on the server.</numerusform>
            <numerusform>%n events deleted on the server.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events that could not be read here were taken back from the server.</source>
        <translation>
            <numerusform>1 event that could not be read here was taken back from the server.</numerusform>
            <numerusform>%n events that could not be read here were taken back from the server.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This sync would delete %1 of the %n events on the server, because they are no longer in your list. Nothing was changed: if you did delete them, allow the deletion.</source>
        <translation>
            <numerusform>This sync would delete %1 of the %n event on the server, because it is no longer in your list. Nothing was changed: if you did delete it, allow the deletion.</numerusform>
            <numerusform>This sync would delete %1 of the %n events on the server, because they are no longer in your list. Nothing was changed: if you did delete them, allow the deletion.</numerusform>
        </translation>
    </message>
</context>
</TS>
