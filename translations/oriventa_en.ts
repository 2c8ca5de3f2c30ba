<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
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
    <message numerus="yes">
        <source>This sync would delete %1 of the %n events on the server, because they are no longer in your list. Nothing was changed: if you did delete them, allow the deletion.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
