<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
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
