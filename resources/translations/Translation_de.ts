<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CommandLineOptions</name>
    <message>
        <source>DIR</source>
        <translation>ORDNER</translation>
    </message>
    <message>
        <source>Compression preset: small, medium or large (default: medium).</source>
        <translation>Voreinstellung: small, medium oder large (Standard: medium).</translation>
    </message>
    <message>
        <source>PRESET</source>
        <translation>VOREINSTELLUNG</translation>
    </message>
    <message>
        <source>Custom level from 1 (smallest file) to 10 (best images), instead of a preset.</source>
        <translation>Eigene Stufe von 1 (kleinste Datei) bis 10 (beste Bilder), statt einer Voreinstellung.</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation>STUFE</translation>
    </message>
    <message>
        <source>Compressions at once (default: the number of cores).</source>
        <translation>Gleichzeitige Komprimierungen (Standard: Anzahl der Prozessorkerne).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>File of open passwords, one per line, tried in turn on locked documents.</source>
        <translation>Datei mit Kennwörtern zum Öffnen, eines pro Zeile, die der Reihe nach an gesperrten Dokumenten probiert werden.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>One JSON object per document on standard output, then a summary object.</source>
        <translation>Ein JSON-Objekt pro Dokument auf der Standardausgabe, danach ein Objekt mit der Zusammenfassung.</translation>
    </message>
    <message>
        <source>Print only the documents that failed.</source>
        <translation>Nur die fehlgeschlagenen Dokumente ausgeben.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe anzeigen.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Die Version anzeigen.</translation>
    </message>
    <message>
        <source>FILE|FOLDER</source>
        <translation>DATEI|ORDNER</translation>
    </message>
    <message>
        <source>No documents given: name PDF files or folders after the options.</source>
        <translation>Keine Dokumente angegeben: nennen Sie PDF-Dateien oder Ordner nach den Optionen.</translation>
    </message>
    <message>
        <source>Give either a preset or a level, not both.</source>
        <translation>Geben Sie entweder eine Voreinstellung oder eine Stufe an, nicht beides.</translation>
    </message>
    <message>
        <source>The level must be a whole number from 1 to 10, not &quot;%1&quot;.</source>
        <translation>Die Stufe muss eine ganze Zahl von 1 bis 10 sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>Unknown preset &quot;%1&quot;: use small, medium or large.</source>
        <translation>Unbekannte Voreinstellung „%1“: verwenden Sie small, medium oder large.</translation>
    </message>
    <message>
        <source>The number of jobs must be a whole number of 1 or more, not &quot;%1&quot;.</source>
        <translation>Die Zahl gleichzeitiger Aufträge muss eine ganze Zahl ab 1 sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>Makes PDF files smaller. Each document is rewritten by Ghostscript, checked with qpdf and delivered into the output folder under a name that clashes with nothing there, never larger than its source. Results go to standard output, failures and warnings to standard error.</source>
        <translation>Macht PDF-Dateien kleiner. Jedes Dokument wird von Ghostscript neu geschrieben, mit qpdf geprüft und unter einem Namen, der mit nichts im Ausgabeordner kollidiert, dorthin geliefert, nie größer als seine Quelle. Ergebnisse gehen auf die Standardausgabe, Fehler und Warnungen auf die Standardfehlerausgabe.</translation>
    </message>
    <message>
        <source>Output folder, created when missing; &quot;-&quot; writes the one result to standard output. Required unless --in-place is given.</source>
        <translation>Ausgabeordner, wird bei Bedarf angelegt; „-“ schreibt das eine Ergebnis auf die Standardausgabe. Pflicht, außer mit --in-place.</translation>
    </message>
    <message>
        <source>Replace each document by its compressed copy, only when that copy is smaller and sound; mode, owner and modification time are kept.</source>
        <translation>Jedes Dokument durch seine komprimierte Kopie ersetzen, nur wenn diese kleiner und einwandfrei ist; Rechte, Eigentümer und Änderungszeit bleiben erhalten.</translation>
    </message>
    <message>
        <source>Skip a document whose name exists in the output folder already.</source>
        <translation>Ein Dokument überspringen, dessen Name im Ausgabeordner schon vorhanden ist.</translation>
    </message>
    <message>
        <source>Replace a same-named file in the output folder, in one step (never a source document).</source>
        <translation>Eine gleichnamige Datei im Ausgabeordner in einem Schritt ersetzen (nie ein Quelldokument).</translation>
    </message>
    <message>
        <source>Take the PDFs in folders and their subfolders; the output folder gets the same subfolders.</source>
        <translation>Die PDFs in Ordnern und deren Unterordnern nehmen; der Ausgabeordner erhält dieselben Unterordner.</translation>
    </message>
    <message>
        <source>Read more FILE|FOLDER names from FILE, one a line (&quot;-&quot;: standard input).</source>
        <translation>Weitere DATEI|ORDNER-Namen aus DATEI lesen, einen pro Zeile („-“: Standardeingabe).</translation>
    </message>
    <message>
        <source>The names of --files-from are separated by NUL bytes, as find -print0 writes them.</source>
        <translation>Die Namen von --files-from sind durch NUL-Bytes getrennt, wie find -print0 sie schreibt.</translation>
    </message>
    <message>
        <source>Also print each document&apos;s steps: inspection, unlocking, the copies weighed and the one chosen.</source>
        <translation>Auch die Schritte jedes Dokuments ausgeben: Prüfung, Entsperren, die verglichenen Kopien und die gewählte.</translation>
    </message>
    <message>
        <source>PDF documents, or folders that hold them; &quot;-&quot; reads one PDF from standard input.</source>
        <translation>PDF-Dokumente oder Ordner, die sie enthalten; „-“ liest ein PDF von der Standardeingabe.</translation>
    </message>
    <message>
        <source>--in-place replaces the documents themselves: give no output folder with it.</source>
        <translation>--in-place ersetzt die Dokumente selbst: dazu keinen Ausgabeordner angeben.</translation>
    </message>
    <message>
        <source>No output folder given: name one with -o DIR, or replace the documents with --in-place.</source>
        <translation>Kein Ausgabeordner angegeben: einen mit -o ORDNER nennen oder die Dokumente mit --in-place ersetzen.</translation>
    </message>
    <message>
        <source>Give either --skip-existing or --overwrite, not both.</source>
        <translation>Entweder --skip-existing oder --overwrite angeben, nicht beides.</translation>
    </message>
    <message>
        <source>--in-place goes with neither --skip-existing nor --overwrite.</source>
        <translation>--in-place passt weder zu --skip-existing noch zu --overwrite.</translation>
    </message>
    <message>
        <source>Give either --quiet or --verbose, not both.</source>
        <translation>Entweder --quiet oder --verbose angeben, nicht beides.</translation>
    </message>
    <message>
        <source>-0 tells how the names of --files-from are separated: give --files-from FILE with it.</source>
        <translation>-0 sagt, wie die Namen von --files-from getrennt sind: dazu --files-from DATEI angeben.</translation>
    </message>
    <message>
        <source>Standard input can be read only once: give &quot;-&quot; as one input or as the --files-from list.</source>
        <translation>Die Standardeingabe kann nur einmal gelesen werden: „-“ als eine Eingabe oder als Liste von --files-from angeben.</translation>
    </message>
    <message>
        <source>A document from standard input cannot be replaced in place: give an output with -o.</source>
        <translation>Ein Dokument von der Standardeingabe kann nicht an Ort und Stelle ersetzt werden: eine Ausgabe mit -o angeben.</translation>
    </message>
    <message>
        <source>-o - writes the document itself to standard output: --json, --skip-existing and --overwrite do not go with it.</source>
        <translation>-o - schreibt das Dokument selbst auf die Standardausgabe: --json, --skip-existing und --overwrite passen nicht dazu.</translation>
    </message>
    <message>
        <source>Deliver the copy of best quality that is at most SIZE: bytes, or with a K, M or G suffix in units of 1024 as du -h and ls -h print them (500K, 1.5M). A document that cannot be made that small gets its smallest copy and counts as failed. Not with -p or -l.</source>
        <translation>Die Kopie bester Qualität liefern, die höchstens SIZE groß ist: Bytes oder mit der Endung K, M oder G in Einheiten von 1024, wie du -h und ls -h sie ausgeben (500K, 1.5M). Ein Dokument, das nicht so klein werden kann, erhält seine kleinste Kopie und zählt als fehlgeschlagen. Nicht mit -p oder -l.</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>SIZE</translation>
    </message>
    <message>
        <source>--target-size chooses the level itself: give it without -p or -l.</source>
        <translation>--target-size wählt die Stufe selbst: geben Sie es ohne -p oder -l an.</translation>
    </message>
    <message>
        <source>The target size must be a positive number of bytes, or one with a K, M or G suffix (500K, 1.5M), not &quot;%1&quot;.</source>
        <translation>Die Zielgröße muss eine positive Zahl von Bytes sein oder eine mit der Endung K, M oder G (500K, 1.5M), nicht „%1“.</translation>
    </message>
</context>
<context>
    <name>CommandRun</name>
    <message>
        <source>Cannot read the password file %1: %2</source>
        <translation>Die Kennwortdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot create the output folder %1.</source>
        <translation>Der Ausgabeordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Try &quot;kompresto --help&quot; for more information.</source>
        <translation>Mehr dazu mit „kompresto --help“.</translation>
    </message>
    <message>
        <source>-o - writes a PDF to standard output, which is a terminal: redirect it to a file or a pipe.</source>
        <translation>-o - schreibt ein PDF auf die Standardausgabe, und die ist ein Terminal: in eine Datei oder eine Pipe umleiten.</translation>
    </message>
    <message>
        <source>&quot;-&quot; reads a PDF from standard input, which is a terminal: redirect it from a file or a pipe.</source>
        <translation>„-“ liest ein PDF von der Standardeingabe, und die ist ein Terminal: aus einer Datei oder Pipe umleiten.</translation>
    </message>
    <message>
        <source>Cannot read the list of names %1: %2</source>
        <translation>Die Namensliste %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>No PDF documents found in %1.</source>
        <translation>Keine PDF-Dokumente in %1 gefunden.</translation>
    </message>
    <message>
        <source>%1 is the output folder, whose documents are never taken; --in-place replaces the documents themselves.</source>
        <translation>%1 ist der Ausgabeordner, dessen Dokumente nie genommen werden; --in-place ersetzt die Dokumente selbst.</translation>
    </message>
    <message numerus="yes">
        <source>-o - writes one document to standard output, but %n documents were given.</source>
        <translation>
            <numerusform>-o - schreibt ein Dokument auf die Standardausgabe, aber %n Dokument wurde angegeben.</numerusform>
            <numerusform>-o - schreibt ein Dokument auf die Standardausgabe, aber %n Dokumente wurden angegeben.</numerusform>
        </translation>
    </message>
    <message>
        <source>No documents found.</source>
        <translation>Keine Dokumente gefunden.</translation>
    </message>
    <message>
        <source>Other users can read the password file %1; make it private with: chmod 600 %1</source>
        <translation>Andere Benutzer können die Kennwortdatei %1 lesen; mit chmod 600 %1 privat machen</translation>
    </message>
    <message>
        <source>longer than %1 MB</source>
        <translation>länger als %1 MB</translation>
    </message>
    <message>
        <source>Cannot create a private folder in %1.</source>
        <translation>In %1 kann kein privater Ordner angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot read the result %1: %2</source>
        <translation>Das Ergebnis %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation>Auf die Standardausgabe kann nicht geschrieben werden: %1</translation>
    </message>
</context>
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
    <message>
        <source>Compression level</source>
        <translation>Komprimierungsstufe</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Stufe %1</translation>
    </message>
    <message>
        <source>Fit under</source>
        <translation>Passend unter</translation>
    </message>
    <message>
        <source>Size to fit under</source>
        <translation>Größe, unter die es passen soll</translation>
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
        <source>Show Log Folder</source>
        <translation>Protokollordner anzeigen</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>DesktopIntegration</name>
    <message>
        <source>Compression stopped</source>
        <translation>Komprimierung angehalten</translation>
    </message>
    <message>
        <source>Compression finished</source>
        <translation>Komprimierung abgeschlossen</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
</context>
<context>
    <name>DocumentJob</name>
    <message>
        <source>Ghostscript&apos;s rewrite</source>
        <translation>Neufassung von Ghostscript</translation>
    </message>
    <message>
        <source>Ghostscript&apos;s rewrite, repacked by qpdf</source>
        <translation>Neufassung von Ghostscript, von qpdf neu gepackt</translation>
    </message>
    <message>
        <source>the source, repacked by qpdf</source>
        <translation>die Quelle, von qpdf neu gepackt</translation>
    </message>
    <message>
        <source>the source as it was</source>
        <translation>die Quelle, wie sie war</translation>
    </message>
    <message>
        <source>inspected by qpdf, pages: %1</source>
        <translation>von qpdf geprüft, Seiten: %1</translation>
    </message>
    <message>
        <source>encrypted</source>
        <translation>verschlüsselt</translation>
    </message>
    <message>
        <source>unlocked with password %1 of the password file</source>
        <translation>mit Kennwort %1 der Kennwortdatei entsperrt</translation>
    </message>
    <message>
        <source>the rewrite would lose links or bookmarks: not taken</source>
        <translation>die Neufassung würde Links oder Lesezeichen verlieren: nicht genommen</translation>
    </message>
    <message>
        <source>weighed: %1, %2</source>
        <translation>verglichen: %1, %2</translation>
    </message>
    <message>
        <source>chosen: %1, %2</source>
        <translation>gewählt: %1, %2</translation>
    </message>
    <message>
        <source>tried level %1: %2</source>
        <translation>Stufe %1 versucht: %2</translation>
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
    <message>
        <source>The document is damaged</source>
        <translation>Das Dokument ist beschädigt</translation>
    </message>
</context>
<context>
    <name>FileItemWidget</name>
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
    <message numerus="yes">
        <source>%n Page(s)</source>
        <translation>
            <numerusform>%n Seite</numerusform>
            <numerusform>%n Seiten</numerusform>
        </translation>
    </message>
    <message>
        <source>Handed back unchanged: it could not be made smaller.</source>
        <translation>Unverändert zurückgegeben: Die Datei ließ sich nicht verkleinern.</translation>
    </message>
    <message>
        <source>Handed back unchanged, to keep its links and bookmarks.</source>
        <translation>Unverändert zurückgegeben, um Links und Lesezeichen zu erhalten.</translation>
    </message>
    <message>
        <source>%1 · unchanged</source>
        <translation>%1 · unverändert</translation>
    </message>
    <message>
        <source>%1 · %2 % smaller</source>
        <translation>%1 · %2 % kleiner</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Wird geprüft…</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Choosing the smallest copy…</source>
        <translation>Kleinste Kopie wird gewählt…</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Stufe %1</translation>
    </message>
    <message>
        <source>Try %1: %2</source>
        <translation>Versuch %1: %2</translation>
    </message>
    <message>
        <source>Fit under %1</source>
        <translation>Passend unter %1</translation>
    </message>
    <message>
        <source>Smallest possible: %1, over %2</source>
        <translation>Kleinstmöglich: %1, über %2</translation>
    </message>
</context>
<context>
    <name>FolderProblemNotice</name>
    <message>
        <source>The folder %1 could not be created: %2.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>Documents cannot be compressed until it can. Check the permissions and the free space of your home folder, then start the application again.</source>
        <translation>Bis dahin können keine Dokumente komprimiert werden. Prüfen Sie die Rechte und den freien Platz Ihres Benutzerordners und starten Sie die Anwendung dann erneut.</translation>
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
    <name>HumanReport</name>
    <message>
        <source>Stopping: running compressions are stopped, nothing more is delivered.</source>
        <translation>Wird angehalten: laufende Komprimierungen werden beendet, nichts weiter wird geliefert.</translation>
    </message>
    <message>
        <source>%1: failed: %2</source>
        <translation>%1: fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>%1: %2 %3 %4, %5% saved</source>
        <translation>%1: %2 %3 %4, %5 % gespart</translation>
    </message>
    <message>
        <source>(as %1)</source>
        <translation>(als %1)</translation>
    </message>
    <message>
        <source>%1 %2 %3 (%4% saved) in %5</source>
        <translation>%1 %2 %3 (%4 % gespart) in %5</translation>
    </message>
    <message>
        <source>%1: stopped</source>
        <translation>%1: angehalten</translation>
    </message>
    <message>
        <source>%1: %2, delivered unchanged: a rewrite was no smaller or would lose links or bookmarks</source>
        <translation>%1: %2, unverändert geliefert: eine Neufassung war nicht kleiner oder hätte Links oder Lesezeichen verloren</translation>
    </message>
    <message numerus="yes">
        <source>Documents: %1 of %n, %2 %3 %4, %5</source>
        <translation>
            <numerusform>Dokumente: %1 von %n, %2 %3 %4, %5</numerusform>
            <numerusform>Dokumente: %1 von %n, %2 %3 %4, %5</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delivered: %1 of %n</source>
        <translation>
            <numerusform>Geliefert: %1 von %n</numerusform>
            <numerusform>Geliefert: %1 von %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>failed: %n</source>
        <translation>
            <numerusform>fehlgeschlagen: %n</numerusform>
            <numerusform>fehlgeschlagen: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stopped: %n</source>
        <translation>
            <numerusform>angehalten: %n</numerusform>
            <numerusform>angehalten: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: skipped, %2 exists</source>
        <translation>%1: übersprungen, %2 ist vorhanden</translation>
    </message>
    <message>
        <source>%1: %2, left as it was: no smaller sound copy</source>
        <translation>%1: %2, unverändert gelassen: keine kleinere einwandfreie Kopie</translation>
    </message>
    <message>
        <source>(replaced)</source>
        <translation>(ersetzt)</translation>
    </message>
    <message numerus="yes">
        <source>skipped: %n</source>
        <translation>
            <numerusform>übersprungen: %n</numerusform>
            <numerusform>übersprungen: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: failed: smallest possible: %2, over %3; delivered as %4</source>
        <translation>%1: fehlgeschlagen: kleinstmöglich: %2, über %3; geliefert als %4</translation>
    </message>
    <message>
        <source>(fits under %1 as it is)</source>
        <translation>(passt unverändert unter %1)</translation>
    </message>
    <message>
        <source>(fits under %1 at level %2)</source>
        <translation>(passt unter %1 mit Stufe %2)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
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
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Wird geprüft…</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message numerus="yes">
        <source>Remove all %n document(s) from the list? Files already compressed stay in the output folder.</source>
        <translation>
            <numerusform>Das Dokument aus der Liste entfernen? Bereits komprimierte Dateien bleiben im Ausgabeordner.</numerusform>
            <numerusform>Alle %n Dokumente aus der Liste entfernen? Bereits komprimierte Dateien bleiben im Ausgabeordner.</numerusform>
        </translation>
    </message>
    <message>
        <source>Compress Again</source>
        <translation>Erneut komprimieren</translation>
    </message>
    <message>
        <source>Every document in the list is already compressed. Compress them again into &quot;%1&quot;?</source>
        <translation>Alle Dokumente der Liste sind bereits komprimiert. Erneut nach „%1“ komprimieren?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Documents are still being compressed. Stop the run and quit?</source>
        <translation>Es werden noch Dokumente komprimiert. Den Durchlauf anhalten und beenden?</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Anhalten und beenden</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Dokumente</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>Ausgabeordner öffnen</translation>
    </message>
    <message>
        <source>Unlock…</source>
        <translation>Entsperren…</translation>
    </message>
    <message>
        <source>Compression Settings…</source>
        <translation>Komprimierungseinstellungen…</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Im Ordner anzeigen</translation>
    </message>
    <message>
        <source>Open Document</source>
        <translation>Dokument öffnen</translation>
    </message>
</context>
<context>
    <name>PasswordFile</name>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>larger than %1 KB</source>
        <translation>größer als %1 KB</translation>
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
<context>
    <name>RefusedFilesNotice</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message numerus="yes">
        <source>not a PDF: %n</source>
        <translation>
            <numerusform>keine PDF-Datei: %n</numerusform>
            <numerusform>keine PDF-Datei: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>damaged or unreadable: %n</source>
        <translation>
            <numerusform>beschädigt oder unlesbar: %n</numerusform>
            <numerusform>beschädigt oder unlesbar: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>already in the list: %n</source>
        <translation>
            <numerusform>bereits in der Liste: %n</numerusform>
            <numerusform>bereits in der Liste: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Files not added: %n (%1)</source>
        <translation>
            <numerusform>Nicht hinzugefügte Dateien: %n (%1)</numerusform>
            <numerusform>Nicht hinzugefügte Dateien: %n (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <comment>separates the reasons in the list of refused files</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… und %n weitere</numerusform>
            <numerusform>… und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Files Not Added</source>
        <translation>Nicht hinzugefügte Dateien</translation>
    </message>
    <message>
        <source>not a PDF</source>
        <translation>kein PDF</translation>
    </message>
    <message>
        <source>damaged or unreadable</source>
        <translation>beschädigt oder unlesbar</translation>
    </message>
    <message>
        <source>already in the list</source>
        <translation>bereits in der Liste</translation>
    </message>
    <message>
        <source>Details…</source>
        <translation>Details…</translation>
    </message>
    <message>
        <source>its name is not valid text and cannot be opened</source>
        <translation>sein Name ist kein gültiger Text und kann nicht geöffnet werden</translation>
    </message>
    <message numerus="yes">
        <source>unreadable name: %n</source>
        <translation>
            <numerusform>unlesbarer Name: %n</numerusform>
            <numerusform>unlesbare Namen: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultTable</name>
    <message>
        <source>Ghostscript failed with error %1</source>
        <translation>Ghostscript ist mit Fehler %1 gescheitert</translation>
    </message>
    <message>
        <source>The PDF interpreter reported error %1.</source>
        <translation>Der PDF-Interpreter meldete den Fehler %1.</translation>
    </message>
    <message>
        <source>it could not be copied into the Temp folder</source>
        <translation>es konnte nicht in den Temp-Ordner kopiert werden</translation>
    </message>
    <message>
        <source>The document could not be read.</source>
        <translation>Das Dokument konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>the result could not be moved into the output folder</source>
        <translation>das Ergebnis konnte nicht in den Ausgabeordner verschoben werden</translation>
    </message>
    <message>
        <source>The compressed file could not be moved into the output folder.</source>
        <translation>Die komprimierte Datei konnte nicht in den Ausgabeordner verschoben werden.</translation>
    </message>
    <message>
        <source>the document or its rewrite is incomplete or unreadable</source>
        <translation>das Dokument oder seine Neufassung ist unvollständig oder unlesbar</translation>
    </message>
    <message>
        <source>The document is damaged or incomplete, or its rewrite came out incomplete.</source>
        <translation>Das Dokument ist beschädigt oder unvollständig, oder seine Neufassung wurde unvollständig.</translation>
    </message>
    <message>
        <source>the password was refused</source>
        <translation>das Kennwort wurde abgelehnt</translation>
    </message>
    <message>
        <source>The document&apos;s password is missing or wrong.</source>
        <translation>Das Kennwort des Dokuments fehlt oder ist falsch.</translation>
    </message>
    <message>
        <source>the output folder cannot be written</source>
        <translation>in den Ausgabeordner kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The output folder cannot be created or written to.</source>
        <translation>Der Ausgabeordner kann nicht angelegt oder beschrieben werden.</translation>
    </message>
    <message>
        <source>Ghostscript crashed on it</source>
        <translation>Ghostscript ist daran abgestürzt</translation>
    </message>
    <message>
        <source>The PDF interpreter crashed on this document.</source>
        <translation>Der PDF-Interpreter ist bei diesem Dokument abgestürzt.</translation>
    </message>
    <message>
        <source>Ghostscript took too long and was ended</source>
        <translation>Ghostscript brauchte zu lange und wurde beendet</translation>
    </message>
    <message>
        <source>The compression took too long and was ended.</source>
        <translation>Die Komprimierung hat zu lange gedauert und wurde beendet.</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>The compression was stopped.</source>
        <translation>Die Komprimierung wurde angehalten.</translation>
    </message>
    <message>
        <source>the compression worker could not be started; the installation may be damaged</source>
        <translation>der Komprimierungsprozess konnte nicht gestartet werden; die Installation ist möglicherweise beschädigt</translation>
    </message>
    <message>
        <source>The compression worker could not be started; the installation may be damaged.</source>
        <translation>Der Komprimierungsprozess konnte nicht gestartet werden; die Installation ist möglicherweise beschädigt.</translation>
    </message>
    <message>
        <source>the disk of the Temp folder %1 is full</source>
        <translation>der Datenträger des Temp-Ordners %1 ist voll</translation>
    </message>
    <message>
        <source>The disk that holds the Temp folder %1 is full.</source>
        <translation>Der Datenträger mit dem Temp-Ordner %1 ist voll.</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>keine solche Datei und kein solcher Ordner</translation>
    </message>
    <message>
        <source>The document is no longer where it was.</source>
        <translation>Das Dokument ist nicht mehr dort, wo es war.</translation>
    </message>
    <message>
        <source>not a PDF file (its name does not end in .pdf)</source>
        <translation>keine PDF-Datei (der Name endet nicht auf .pdf)</translation>
    </message>
    <message>
        <source>The file&apos;s name does not end in .pdf.</source>
        <translation>Der Name der Datei endet nicht auf .pdf.</translation>
    </message>
    <message>
        <source>not a PDF file</source>
        <translation>keine PDF-Datei</translation>
    </message>
    <message>
        <source>The file is not a PDF document.</source>
        <translation>Die Datei ist kein PDF-Dokument.</translation>
    </message>
    <message>
        <source>damaged, qpdf cannot open it</source>
        <translation>beschädigt, qpdf kann es nicht öffnen</translation>
    </message>
    <message>
        <source>The document is damaged and cannot be opened.</source>
        <translation>Das Dokument ist beschädigt und kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>locked with an open password (give passwords with --password-file)</source>
        <translation>mit einem Kennwort zum Öffnen gesperrt (Kennwörter mit --password-file angeben)</translation>
    </message>
    <message>
        <source>The document is locked with an open password.</source>
        <translation>Das Dokument ist mit einem Kennwort zum Öffnen gesperrt.</translation>
    </message>
    <message>
        <source>locked, and no password of the password file opens it</source>
        <translation>gesperrt, und kein Kennwort der Kennwortdatei öffnet es</translation>
    </message>
    <message>
        <source>None of the passwords given opens the document.</source>
        <translation>Keines der angegebenen Kennwörter öffnet das Dokument.</translation>
    </message>
    <message>
        <source>name too long for a numbered variant in the output folder</source>
        <translation>Name zu lang für eine nummerierte Variante im Ausgabeordner</translation>
    </message>
    <message>
        <source>The file name is too long for a numbered variant in the output folder.</source>
        <translation>Der Dateiname ist zu lang für eine nummerierte Variante im Ausgabeordner.</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>Dies ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>You may not read this file.</source>
        <translation>Sie dürfen diese Datei nicht lesen.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>es kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 text, so it cannot be opened; rename it to compress it</source>
        <translation>sein Name ist kein gültiger UTF-8-Text und kann daher nicht geöffnet werden; zum Komprimieren umbenennen</translation>
    </message>
    <message>
        <source>The file&apos;s name is not valid UTF-8 text, so it cannot be opened. Rename it to compress it.</source>
        <translation>Der Name der Datei ist kein gültiger UTF-8-Text, daher kann sie nicht geöffnet werden. Zum Komprimieren umbenennen.</translation>
    </message>
    <message>
        <source>standard input holds more than 2 GB</source>
        <translation>die Standardeingabe enthält mehr als 2 GB</translation>
    </message>
    <message>
        <source>The document is larger than 2 GB.</source>
        <translation>Das Dokument ist größer als 2 GB.</translation>
    </message>
    <message>
        <source>its output would replace a document of this run</source>
        <translation>seine Ausgabe würde ein Dokument dieses Laufs ersetzen</translation>
    </message>
    <message>
        <source>Its output would replace another document of this run.</source>
        <translation>Seine Ausgabe würde ein anderes Dokument dieses Laufs ersetzen.</translation>
    </message>
    <message>
        <source>even its smallest copy is larger than the size asked for</source>
        <translation>selbst seine kleinste Kopie ist größer als die verlangte Größe</translation>
    </message>
    <message>
        <source>Even the smallest copy is larger than the size asked for.</source>
        <translation>Selbst die kleinste Kopie ist größer als die verlangte Größe.</translation>
    </message>
</context>
<context>
    <name>RunTally</name>
    <message>
        <source>Stopping…</source>
        <translation>Wird angehalten…</translation>
    </message>
    <message>
        <source>Compressing %1 of %2</source>
        <translation>Komprimiere %1 von %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n fehlgeschlagen</numerusform>
            <numerusform>%n fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n locked, not compressed</source>
        <translation>
            <numerusform>%n gesperrt, nicht komprimiert</numerusform>
            <numerusform>%n gesperrt, nicht komprimiert</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>%1 % smaller</source>
        <translation>%1 % kleiner</translation>
    </message>
</context>
<context>
    <name>TargetSizeSpinBox</name>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
</context>
</TS>
