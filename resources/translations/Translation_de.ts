<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CompressSettingWidget</name>
    <message>
        <source>Compress Setting</source>
        <translation>Komprimierungseinstellung</translation>
    </message>
    <message>
        <source>Small File Size</source>
        <translation>Kleine Dateigröße</translation>
    </message>
    <message>
        <source>High compression, low quality.</source>
        <translation>Hohe Komprimierung, niedrige Qualität.</translation>
    </message>
    <message>
        <source>Medium File Size</source>
        <translation>Mittlere Dateigröße</translation>
    </message>
    <message>
        <source>Medium compression, medium quality.</source>
        <translation>Mittlere Komprimierung, mittlere Qualität.</translation>
    </message>
    <message>
        <source>Large File Size</source>
        <translation>Große Dateigröße</translation>
    </message>
    <message>
        <source>Low compression, high quality.</source>
        <translation>Niedrige Komprimierung, hohe Qualität.</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Small Size</source>
        <translation>Kleiner</translation>
    </message>
    <message>
        <source>Large Size</source>
        <translation>Größer</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>Auf alle anwenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
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
    <name>EnterPassword</name>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Print password</source>
        <translation>Druckpasswort</translation>
    </message>
    <message>
        <source>Incorrect Password</source>
        <translation>Falsches Passwort</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open password</source>
        <translation>Öffnungspasswort</translation>
    </message>
</context>
<context>
    <name>FileItemWidget</name>
    <message>
        <source>%1 Pages</source>
        <translation>%1 Seiten</translation>
    </message>
    <message>
        <source>Unlock the document with its password</source>
        <translation>Dokument mit seinem Kennwort entsperren</translation>
    </message>
    <message>
        <source>Compression settings</source>
        <translation>Komprimierungseinstellungen</translation>
    </message>
    <message>
        <source>Show the compressed file in its folder</source>
        <translation>Komprimierte Datei im Ordner anzeigen</translation>
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
    <name>MainWindow</name>
    <message>
        <source>Quorva Title</source>
        <translation>Quorva-Titel</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>To get started, please drag and drop files here or add them by clicking + button.</source>
        <translation>Ziehen Sie Dateien hierher oder fügen Sie sie mit der Schaltfläche + hinzu.</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Komprimieren</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>Dateien auswählen</translation>
    </message>
    <message>
        <source>Select output folder</source>
        <translation>Zielordner auswählen</translation>
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
