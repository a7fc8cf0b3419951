<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CustomWindowFrame</name>
    <message>
        <source>User Guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>Feedback und Support</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Show Log in Explorer</source>
        <translation>Protokoll im Explorer anzeigen</translation>
    </message>
</context>
<context>
    <name>GLanguage</name>
    <message>
        <source>Error network, please check your connection!</source>
        <translation>Netzwerkfehler, bitte überprüfen Sie Ihre Verbindung!</translation>
    </message>
    <message>
        <source>The program gets crashed.</source>
        <translation>Das Programm ist abgestürzt.</translation>
    </message>
    <message>
        <source>Please send the crash report to the developer. (%1)</source>
        <translation>Bitte senden Sie den Absturzbericht an den Entwickler. (%1)</translation>
    </message>
    <message>
        <source>is currently the newest version available.</source>
        <translation>ist derzeit die neueste verfügbare Version.</translation>
    </message>
    <message>
        <source>Requests are too frequent, please try again later.</source>
        <translation>Zu viele Anfragen, bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>A newer version is available: %1. Do you want to open the product page?</source>
        <translation>Eine neuere Version ist verfügbar: %1. Möchten Sie die Produktseite öffnen?</translation>
    </message>
</context>
<context>
    <name>QAbout</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>More Info</source>
        <translation>Mehr Infos</translation>
    </message>
    <message>
        <source>Copyright %1 %2 Vantorel Studio. All rights reserved.</source>
        <translation>Copyright %1 %2 Vantorel Studio. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
</TS>
