<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>CommandLineOptions</name>
    <message>
        <source>DIR</source>
        <translation>CARTELLA</translation>
    </message>
    <message>
        <source>Compression preset: small, medium or large (default: medium).</source>
        <translation>Preimpostazione: small, medium o large (predefinita: medium).</translation>
    </message>
    <message>
        <source>PRESET</source>
        <translation>PREIMPOSTAZIONE</translation>
    </message>
    <message>
        <source>Custom level from 1 (smallest file) to 10 (best images), instead of a preset.</source>
        <translation>Livello personalizzato da 1 (file più piccolo) a 10 (immagini migliori), al posto di una preimpostazione.</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation>LIVELLO</translation>
    </message>
    <message>
        <source>Compressions at once (default: the number of cores).</source>
        <translation>Compressioni simultanee (predefinito: il numero di core).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>File of open passwords, one per line, tried in turn on locked documents.</source>
        <translation>File di password di apertura, una per riga, provate a turno sui documenti bloccati.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>One JSON object per document on standard output, then a summary object.</source>
        <translation>Un oggetto JSON per documento sull&apos;output standard, poi un oggetto di riepilogo.</translation>
    </message>
    <message>
        <source>Print only the documents that failed.</source>
        <translation>Mostrare solo i documenti non riusciti.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostrare questo aiuto.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Mostrare la versione.</translation>
    </message>
    <message>
        <source>FILE|FOLDER</source>
        <translation>FILE|CARTELLA</translation>
    </message>
    <message>
        <source>No documents given: name PDF files or folders after the options.</source>
        <translation>Nessun documento indicato: indicare file PDF o cartelle dopo le opzioni.</translation>
    </message>
    <message>
        <source>Give either a preset or a level, not both.</source>
        <translation>Indicare una preimpostazione oppure un livello, non entrambi.</translation>
    </message>
    <message>
        <source>The level must be a whole number from 1 to 10, not &quot;%1&quot;.</source>
        <translation>Il livello deve essere un numero intero da 1 a 10, non «%1».</translation>
    </message>
    <message>
        <source>Unknown preset &quot;%1&quot;: use small, medium or large.</source>
        <translation>Preimpostazione sconosciuta «%1»: usare small, medium o large.</translation>
    </message>
    <message>
        <source>The number of jobs must be a whole number of 1 or more, not &quot;%1&quot;.</source>
        <translation>Il numero di lavori deve essere un numero intero pari o superiore a 1, non «%1».</translation>
    </message>
    <message>
        <source>Makes PDF files smaller. Each document is rewritten by Ghostscript, checked with qpdf and delivered into the output folder under a name that clashes with nothing there, never larger than its source. Results go to standard output, failures and warnings to standard error.</source>
        <translation>Riduce le dimensioni dei file PDF. Ogni documento viene riscritto da Ghostscript, verificato con qpdf e consegnato nella cartella di destinazione con un nome che non entra in conflitto con nulla, mai più grande della sua origine. I risultati vanno sullo standard output, errori e avvisi sullo standard error.</translation>
    </message>
    <message>
        <source>Output folder, created when missing; &quot;-&quot; writes the one result to standard output. Required unless --in-place is given.</source>
        <translation>Cartella di destinazione, creata se manca; «-» scrive l&apos;unico risultato sullo standard output. Obbligatoria tranne con --in-place.</translation>
    </message>
    <message>
        <source>Replace each document by its compressed copy, only when that copy is smaller and sound; mode, owner and modification time are kept.</source>
        <translation>Sostituire ogni documento con la sua copia compressa, solo se più piccola e integra; permessi, proprietario e data di modifica restano invariati.</translation>
    </message>
    <message>
        <source>Skip a document whose name exists in the output folder already.</source>
        <translation>Saltare un documento il cui nome esiste già nella cartella di destinazione.</translation>
    </message>
    <message>
        <source>Replace a same-named file in the output folder, in one step (never a source document).</source>
        <translation>Sostituire in un solo passo un file con lo stesso nome nella cartella di destinazione (mai un documento di origine).</translation>
    </message>
    <message>
        <source>Take the PDFs in folders and their subfolders; the output folder gets the same subfolders.</source>
        <translation>Prendere i PDF nelle cartelle e nelle loro sottocartelle; la cartella di destinazione riceve le stesse sottocartelle.</translation>
    </message>
    <message>
        <source>Read more FILE|FOLDER names from FILE, one a line (&quot;-&quot;: standard input).</source>
        <translation>Leggere altri nomi FILE|CARTELLA da FILE, uno per riga («-»: standard input).</translation>
    </message>
    <message>
        <source>The names of --files-from are separated by NUL bytes, as find -print0 writes them.</source>
        <translation>I nomi di --files-from sono separati da byte NUL, come li scrive find -print0.</translation>
    </message>
    <message>
        <source>Also print each document&apos;s steps: inspection, unlocking, the copies weighed and the one chosen.</source>
        <translation>Mostrare anche i passi di ogni documento: ispezione, sblocco, le copie confrontate e quella scelta.</translation>
    </message>
    <message>
        <source>PDF documents, or folders that hold them; &quot;-&quot; reads one PDF from standard input.</source>
        <translation>Documenti PDF, o cartelle che li contengono; «-» legge un PDF dallo standard input.</translation>
    </message>
    <message>
        <source>--in-place replaces the documents themselves: give no output folder with it.</source>
        <translation>--in-place sostituisce i documenti stessi: non indicare una cartella di destinazione insieme.</translation>
    </message>
    <message>
        <source>No output folder given: name one with -o DIR, or replace the documents with --in-place.</source>
        <translation>Nessuna cartella di destinazione indicata: indicarne una con -o CARTELLA, o sostituire i documenti con --in-place.</translation>
    </message>
    <message>
        <source>Give either --skip-existing or --overwrite, not both.</source>
        <translation>Indicare --skip-existing oppure --overwrite, non entrambi.</translation>
    </message>
    <message>
        <source>--in-place goes with neither --skip-existing nor --overwrite.</source>
        <translation>--in-place non si combina né con --skip-existing né con --overwrite.</translation>
    </message>
    <message>
        <source>Give either --quiet or --verbose, not both.</source>
        <translation>Indicare --quiet oppure --verbose, non entrambi.</translation>
    </message>
    <message>
        <source>-0 tells how the names of --files-from are separated: give --files-from FILE with it.</source>
        <translation>-0 indica come sono separati i nomi di --files-from: indicare anche --files-from FILE.</translation>
    </message>
    <message>
        <source>Standard input can be read only once: give &quot;-&quot; as one input or as the --files-from list.</source>
        <translation>Lo standard input può essere letto una sola volta: indicare «-» come un solo input o come elenco di --files-from.</translation>
    </message>
    <message>
        <source>A document from standard input cannot be replaced in place: give an output with -o.</source>
        <translation>Un documento dallo standard input non può essere sostituito sul posto: indicare una destinazione con -o.</translation>
    </message>
    <message>
        <source>-o - writes the document itself to standard output: --json, --skip-existing and --overwrite do not go with it.</source>
        <translation>-o - scrive il documento stesso sullo standard output: --json, --skip-existing e --overwrite non si combinano.</translation>
    </message>
    <message>
        <source>Deliver the copy of best quality that is at most SIZE: bytes, or with a K, M or G suffix in units of 1024 as du -h and ls -h print them (500K, 1.5M). A document that cannot be made that small gets its smallest copy and counts as failed. Not with -p or -l.</source>
        <translation>Consegna la copia di qualità migliore che occupa al massimo SIZE: in byte, oppure con un suffisso K, M o G in unità di 1024, come li stampano du -h e ls -h (500K, 1.5M). Un documento che non può diventare così piccolo riceve la sua copia più piccola e conta come non riuscito. Non insieme a -p o -l.</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>SIZE</translation>
    </message>
    <message>
        <source>--target-size chooses the level itself: give it without -p or -l.</source>
        <translation>--target-size sceglie da sé il livello: indicatelo senza -p o -l.</translation>
    </message>
    <message>
        <source>The target size must be a positive number of bytes, or one with a K, M or G suffix (500K, 1.5M), not &quot;%1&quot;.</source>
        <translation>La dimensione obiettivo deve essere un numero positivo di byte, o uno con un suffisso K, M o G (500K, 1.5M), non «%1».</translation>
    </message>
</context>
<context>
    <name>CommandRun</name>
    <message>
        <source>Cannot read the password file %1: %2</source>
        <translation>Impossibile leggere il file delle password %1: %2</translation>
    </message>
    <message>
        <source>Cannot create the output folder %1.</source>
        <translation>Impossibile creare la cartella di destinazione %1.</translation>
    </message>
    <message>
        <source>Try &quot;kompresto --help&quot; for more information.</source>
        <translation>Provare «kompresto --help» per ulteriori informazioni.</translation>
    </message>
    <message>
        <source>-o - writes a PDF to standard output, which is a terminal: redirect it to a file or a pipe.</source>
        <translation>-o - scrive un PDF sullo standard output, che è un terminale: reindirizzarlo su un file o una pipe.</translation>
    </message>
    <message>
        <source>&quot;-&quot; reads a PDF from standard input, which is a terminal: redirect it from a file or a pipe.</source>
        <translation>«-» legge un PDF dallo standard input, che è un terminale: reindirizzarlo da un file o una pipe.</translation>
    </message>
    <message>
        <source>Cannot read the list of names %1: %2</source>
        <translation>Impossibile leggere l&apos;elenco di nomi %1: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>Impossibile creare la cartella %1: %2</translation>
    </message>
    <message>
        <source>No PDF documents found in %1.</source>
        <translation>Nessun documento PDF trovato in %1.</translation>
    </message>
    <message>
        <source>%1 is the output folder, whose documents are never taken; --in-place replaces the documents themselves.</source>
        <translation>%1 è la cartella di destinazione, i cui documenti non vengono mai presi; --in-place sostituisce i documenti stessi.</translation>
    </message>
    <message numerus="yes">
        <source>-o - writes one document to standard output, but %n documents were given.</source>
        <translation>
            <numerusform>-o - scrive un solo documento sullo standard output, ma è stato indicato %n documento.</numerusform>
            <numerusform>-o - scrive un solo documento sullo standard output, ma sono stati indicati %n documenti.</numerusform>
        </translation>
    </message>
    <message>
        <source>No documents found.</source>
        <translation>Nessun documento trovato.</translation>
    </message>
    <message>
        <source>Other users can read the password file %1; make it private with: chmod 600 %1</source>
        <translation>Altri utenti possono leggere il file delle password %1; renderlo privato con: chmod 600 %1</translation>
    </message>
    <message>
        <source>longer than %1 MB</source>
        <translation>più lungo di %1 MB</translation>
    </message>
    <message>
        <source>Cannot create a private folder in %1.</source>
        <translation>Impossibile creare una cartella privata in %1.</translation>
    </message>
    <message>
        <source>Cannot read the result %1: %2</source>
        <translation>Impossibile leggere il risultato %1: %2</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation>Impossibile scrivere sullo standard output: %1</translation>
    </message>
</context>
<context>
    <name>CompressSettingWidget</name>
    <message>
        <source>Compress Setting</source>
        <translation>Impostazioni di compressione</translation>
    </message>
    <message>
        <source>Small File Size</source>
        <translation>Dimensione file piccola</translation>
    </message>
    <message>
        <source>High compression, low quality.</source>
        <translation>Compressione alta, qualità bassa.</translation>
    </message>
    <message>
        <source>Medium File Size</source>
        <translation>Dimensione file media</translation>
    </message>
    <message>
        <source>Medium compression, medium quality.</source>
        <translation>Compressione media, qualità media.</translation>
    </message>
    <message>
        <source>Large File Size</source>
        <translation>Dimensione file grande</translation>
    </message>
    <message>
        <source>Low compression, high quality.</source>
        <translation>Compressione bassa, qualità alta.</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzata</translation>
    </message>
    <message>
        <source>Small Size</source>
        <translation>Più piccolo</translation>
    </message>
    <message>
        <source>Large Size</source>
        <translation>Più grande</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>Applica a tutti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Compression level</source>
        <translation>Livello di compressione</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Livello %1</translation>
    </message>
    <message>
        <source>Fit under</source>
        <translation>Stare sotto</translation>
    </message>
    <message>
        <source>Size to fit under</source>
        <translation>Dimensione da non superare</translation>
    </message>
</context>
<context>
    <name>CustomWindowFrame</name>
    <message>
        <source>User Guide</source>
        <translation>Guida utente</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>Feedback e supporto</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Verifica aggiornamenti</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Show Log Folder</source>
        <translation>Mostra cartella dei log</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>DesktopIntegration</name>
    <message>
        <source>Compression stopped</source>
        <translation>Compressione interrotta</translation>
    </message>
    <message>
        <source>Compression finished</source>
        <translation>Compressione completata</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
</context>
<context>
    <name>DocumentJob</name>
    <message>
        <source>Ghostscript&apos;s rewrite</source>
        <translation>riscrittura di Ghostscript</translation>
    </message>
    <message>
        <source>Ghostscript&apos;s rewrite, repacked by qpdf</source>
        <translation>riscrittura di Ghostscript, reimpacchettata da qpdf</translation>
    </message>
    <message>
        <source>the source, repacked by qpdf</source>
        <translation>l&apos;origine, reimpacchettata da qpdf</translation>
    </message>
    <message>
        <source>the source as it was</source>
        <translation>l&apos;origine così com&apos;era</translation>
    </message>
    <message>
        <source>inspected by qpdf, pages: %1</source>
        <translation>ispezionato da qpdf, pagine: %1</translation>
    </message>
    <message>
        <source>encrypted</source>
        <translation>cifrato</translation>
    </message>
    <message>
        <source>unlocked with password %1 of the password file</source>
        <translation>sbloccato con la password %1 del file delle password</translation>
    </message>
    <message>
        <source>the rewrite would lose links or bookmarks: not taken</source>
        <translation>la riscrittura perderebbe collegamenti o segnalibri: scartata</translation>
    </message>
    <message>
        <source>weighed: %1, %2</source>
        <translation>confrontata: %1, %2</translation>
    </message>
    <message>
        <source>chosen: %1, %2</source>
        <translation>scelta: %1, %2</translation>
    </message>
    <message>
        <source>tried level %1: %2</source>
        <translation>livello %1 provato: %2</translation>
    </message>
</context>
<context>
    <name>EnterPassword</name>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Print password</source>
        <translation>Password di stampa</translation>
    </message>
    <message>
        <source>Incorrect Password</source>
        <translation>Password errata</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open password</source>
        <translation>Password di apertura</translation>
    </message>
    <message>
        <source>The document is damaged</source>
        <translation>Il documento è danneggiato</translation>
    </message>
</context>
<context>
    <name>FileItemWidget</name>
    <message>
        <source>Unlock the document with its password</source>
        <translation>Sblocca il documento con la sua password</translation>
    </message>
    <message>
        <source>Compression settings</source>
        <translation>Impostazioni di compressione</translation>
    </message>
    <message>
        <source>Show the compressed file in its folder</source>
        <translation>Mostra il file compresso nella sua cartella</translation>
    </message>
    <message numerus="yes">
        <source>%n Page(s)</source>
        <translation>
            <numerusform>%n pagina</numerusform>
            <numerusform>%n pagine</numerusform>
        </translation>
    </message>
    <message>
        <source>Handed back unchanged: it could not be made smaller.</source>
        <translation>Restituito invariato: non è stato possibile ridurlo.</translation>
    </message>
    <message>
        <source>Handed back unchanged, to keep its links and bookmarks.</source>
        <translation>Restituito invariato per conservarne link e segnalibri.</translation>
    </message>
    <message>
        <source>%1 · unchanged</source>
        <translation>%1 · invariato</translation>
    </message>
    <message>
        <source>%1 · %2 % smaller</source>
        <translation>%1 · %2 % in meno</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Verifica…</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloccato</translation>
    </message>
    <message>
        <source>Choosing the smallest copy…</source>
        <translation>Scelta della copia più piccola…</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Interrotto</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Livello %1</translation>
    </message>
    <message>
        <source>Try %1: %2</source>
        <translation>Tentativo %1: %2</translation>
    </message>
    <message>
        <source>Fit under %1</source>
        <translation>Stare sotto %1</translation>
    </message>
    <message>
        <source>Smallest possible: %1, over %2</source>
        <translation>Il più piccolo possibile: %1, oltre %2</translation>
    </message>
</context>
<context>
    <name>FolderProblemNotice</name>
    <message>
        <source>The folder %1 could not be created: %2.</source>
        <translation>Non è stato possibile creare la cartella %1: %2.</translation>
    </message>
    <message>
        <source>Documents cannot be compressed until it can. Check the permissions and the free space of your home folder, then start the application again.</source>
        <translation>Finché non si potrà creare, non è possibile comprimere documenti. Controllare i permessi e lo spazio libero della cartella personale, poi riavviare l&apos;applicazione.</translation>
    </message>
</context>
<context>
    <name>GLanguage</name>
    <message>
        <source>Error network, please check your connection!</source>
        <translation>Errore di rete, controlla la connessione!</translation>
    </message>
    <message>
        <source>The program gets crashed.</source>
        <translation>Il programma si è arrestato in modo anomalo.</translation>
    </message>
    <message>
        <source>Please send the crash report to the developer. (%1)</source>
        <translation>Invia il rapporto dell&apos;arresto anomalo allo sviluppatore. (%1)</translation>
    </message>
    <message>
        <source>is currently the newest version available.</source>
        <translation>è attualmente la versione più recente disponibile.</translation>
    </message>
    <message>
        <source>Requests are too frequent, please try again later.</source>
        <translation>Richieste troppo frequenti, riprova più tardi.</translation>
    </message>
    <message>
        <source>A newer version is available: %1. Do you want to open the product page?</source>
        <translation>È disponibile una versione più recente: %1. Vuoi aprire la pagina del prodotto?</translation>
    </message>
</context>
<context>
    <name>HumanReport</name>
    <message>
        <source>Stopping: running compressions are stopped, nothing more is delivered.</source>
        <translation>Interruzione: le compressioni in corso vengono fermate, non viene consegnato altro.</translation>
    </message>
    <message>
        <source>%1: failed: %2</source>
        <translation>%1: non riuscito: %2</translation>
    </message>
    <message>
        <source>%1: %2 %3 %4, %5% saved</source>
        <translation>%1: %2 %3 %4, %5% risparmiato</translation>
    </message>
    <message>
        <source>(as %1)</source>
        <translation>(come %1)</translation>
    </message>
    <message>
        <source>%1 %2 %3 (%4% saved) in %5</source>
        <translation>%1 %2 %3 (%4% risparmiato) in %5</translation>
    </message>
    <message>
        <source>%1: stopped</source>
        <translation>%1: interrotto</translation>
    </message>
    <message>
        <source>%1: %2, delivered unchanged: a rewrite was no smaller or would lose links or bookmarks</source>
        <translation>%1: %2, consegnato invariato: una riscrittura non era più piccola o avrebbe perso collegamenti o segnalibri</translation>
    </message>
    <message numerus="yes">
        <source>Documents: %1 of %n, %2 %3 %4, %5</source>
        <translation>
            <numerusform>Documenti: %1 di %n, %2 %3 %4, %5</numerusform>
            <numerusform>Documenti: %1 di %n, %2 %3 %4, %5</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delivered: %1 of %n</source>
        <translation>
            <numerusform>Consegnati: %1 di %n</numerusform>
            <numerusform>Consegnati: %1 di %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>failed: %n</source>
        <translation>
            <numerusform>non riusciti: %n</numerusform>
            <numerusform>non riusciti: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stopped: %n</source>
        <translation>
            <numerusform>interrotti: %n</numerusform>
            <numerusform>interrotti: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: skipped, %2 exists</source>
        <translation>%1: saltato, %2 esiste</translation>
    </message>
    <message>
        <source>%1: %2, left as it was: no smaller sound copy</source>
        <translation>%1: %2, lasciato com&apos;era: nessuna copia integra più piccola</translation>
    </message>
    <message>
        <source>(replaced)</source>
        <translation>(sostituito)</translation>
    </message>
    <message numerus="yes">
        <source>skipped: %n</source>
        <translation>
            <numerusform>saltati: %n</numerusform>
            <numerusform>saltati: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: failed: smallest possible: %2, over %3; delivered as %4</source>
        <translation>%1: non riuscito: il più piccolo possibile: %2, oltre %3; consegnato come %4</translation>
    </message>
    <message>
        <source>(fits under %1 as it is)</source>
        <translation>(sta sotto %1 così com’è)</translation>
    </message>
    <message>
        <source>(fits under %1 at level %2)</source>
        <translation>(sta sotto %1 al livello %2)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Add Files</source>
        <translation>Aggiungi file</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>To get started, please drag and drop files here or add them by clicking + button.</source>
        <translation>Per iniziare, trascina qui i file oppure aggiungili con il pulsante +.</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Cartella di output</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Comprimi</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>Seleziona file</translation>
    </message>
    <message>
        <source>Select output folder</source>
        <translation>Seleziona la cartella di destinazione</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Verifica…</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Svuota l&apos;elenco</translation>
    </message>
    <message numerus="yes">
        <source>Remove all %n document(s) from the list? Files already compressed stay in the output folder.</source>
        <translation>
            <numerusform>Rimuovere il documento dall&apos;elenco? I file già compressi restano nella cartella di destinazione.</numerusform>
            <numerusform>Rimuovere tutti i %n documenti dall&apos;elenco? I file già compressi restano nella cartella di destinazione.</numerusform>
        </translation>
    </message>
    <message>
        <source>Compress Again</source>
        <translation>Comprimi di nuovo</translation>
    </message>
    <message>
        <source>Every document in the list is already compressed. Compress them again into &quot;%1&quot;?</source>
        <translation>Tutti i documenti dell&apos;elenco sono già compressi. Comprimerli di nuovo in «%1»?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Documents are still being compressed. Stop the run and quit?</source>
        <translation>Ci sono ancora documenti in compressione. Interrompere e uscire?</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Interrompi ed esci</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documenti</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>Apri la cartella di destinazione</translation>
    </message>
    <message>
        <source>Unlock…</source>
        <translation>Sblocca…</translation>
    </message>
    <message>
        <source>Compression Settings…</source>
        <translation>Impostazioni di compressione…</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostra nella cartella</translation>
    </message>
    <message>
        <source>Open Document</source>
        <translation>Apri il documento</translation>
    </message>
</context>
<context>
    <name>PasswordFile</name>
    <message>
        <source>not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>larger than %1 KB</source>
        <translation>più grande di %1 KB</translation>
    </message>
</context>
<context>
    <name>QAbout</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>More Info</source>
        <translation>Altre info</translation>
    </message>
    <message>
        <source>Copyright %1 %2 Vantorel Studio. All rights reserved.</source>
        <translation>Copyright %1 %2 Vantorel Studio. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
</context>
<context>
    <name>RefusedFilesNotice</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message numerus="yes">
        <source>not a PDF: %n</source>
        <translation>
            <numerusform>non è un PDF: %n</numerusform>
            <numerusform>non è un PDF: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>damaged or unreadable: %n</source>
        <translation>
            <numerusform>danneggiato o illeggibile: %n</numerusform>
            <numerusform>danneggiato o illeggibile: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>already in the list: %n</source>
        <translation>
            <numerusform>già nell’elenco: %n</numerusform>
            <numerusform>già nell’elenco: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Files not added: %n (%1)</source>
        <translation>
            <numerusform>File non aggiunti: %n (%1)</numerusform>
            <numerusform>File non aggiunti: %n (%1)</numerusform>
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
            <numerusform>… e altri %n</numerusform>
            <numerusform>… e altri %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Files Not Added</source>
        <translation>File non aggiunti</translation>
    </message>
    <message>
        <source>not a PDF</source>
        <translation>non è un PDF</translation>
    </message>
    <message>
        <source>damaged or unreadable</source>
        <translation>danneggiato o illeggibile</translation>
    </message>
    <message>
        <source>already in the list</source>
        <translation>già nell&apos;elenco</translation>
    </message>
    <message>
        <source>Details…</source>
        <translation>Dettagli…</translation>
    </message>
    <message>
        <source>its name is not valid text and cannot be opened</source>
        <translation>il suo nome non è un testo valido e non può essere aperto</translation>
    </message>
    <message numerus="yes">
        <source>unreadable name: %n</source>
        <translation>
            <numerusform>nome illeggibile: %n</numerusform>
            <numerusform>nomi illeggibili: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultTable</name>
    <message>
        <source>Ghostscript failed with error %1</source>
        <translation>Ghostscript non è riuscito con l&apos;errore %1</translation>
    </message>
    <message>
        <source>The PDF interpreter reported error %1.</source>
        <translation>L’interprete PDF ha segnalato l’errore %1.</translation>
    </message>
    <message>
        <source>it could not be copied into the Temp folder</source>
        <translation>non è stato possibile copiarlo nella cartella Temp</translation>
    </message>
    <message>
        <source>The document could not be read.</source>
        <translation>Impossibile leggere il documento.</translation>
    </message>
    <message>
        <source>the result could not be moved into the output folder</source>
        <translation>non è stato possibile spostare il risultato nella cartella di destinazione</translation>
    </message>
    <message>
        <source>The compressed file could not be moved into the output folder.</source>
        <translation>Impossibile spostare il file compresso nella cartella di destinazione.</translation>
    </message>
    <message>
        <source>the document or its rewrite is incomplete or unreadable</source>
        <translation>il documento o la sua riscrittura è incompleto o illeggibile</translation>
    </message>
    <message>
        <source>The document is damaged or incomplete, or its rewrite came out incomplete.</source>
        <translation>Il documento è danneggiato o incompleto, oppure la sua riscrittura è risultata incompleta.</translation>
    </message>
    <message>
        <source>the password was refused</source>
        <translation>la password è stata rifiutata</translation>
    </message>
    <message>
        <source>The document&apos;s password is missing or wrong.</source>
        <translation>La password del documento manca o è errata.</translation>
    </message>
    <message>
        <source>the output folder cannot be written</source>
        <translation>impossibile scrivere nella cartella di destinazione</translation>
    </message>
    <message>
        <source>The output folder cannot be created or written to.</source>
        <translation>Impossibile creare la cartella di destinazione o scriverci.</translation>
    </message>
    <message>
        <source>Ghostscript crashed on it</source>
        <translation>Ghostscript si è arrestato in modo anomalo su di esso</translation>
    </message>
    <message>
        <source>The PDF interpreter crashed on this document.</source>
        <translation>L’interprete PDF si è bloccato su questo documento.</translation>
    </message>
    <message>
        <source>Ghostscript took too long and was ended</source>
        <translation>Ghostscript ha impiegato troppo tempo ed è stato terminato</translation>
    </message>
    <message>
        <source>The compression took too long and was ended.</source>
        <translation>La compressione ha richiesto troppo tempo ed è stata interrotta.</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>interrotto</translation>
    </message>
    <message>
        <source>The compression was stopped.</source>
        <translation>La compressione è stata fermata.</translation>
    </message>
    <message>
        <source>the compression worker could not be started; the installation may be damaged</source>
        <translation>non è stato possibile avviare il processo di compressione; l&apos;installazione potrebbe essere danneggiata</translation>
    </message>
    <message>
        <source>The compression worker could not be started; the installation may be damaged.</source>
        <translation>Non è stato possibile avviare il processo di compressione; l&apos;installazione potrebbe essere danneggiata.</translation>
    </message>
    <message>
        <source>the disk of the Temp folder %1 is full</source>
        <translation>il disco della cartella Temp %1 è pieno</translation>
    </message>
    <message>
        <source>The disk that holds the Temp folder %1 is full.</source>
        <translation>Il disco che contiene la cartella Temp %1 è pieno.</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>file o cartella inesistente</translation>
    </message>
    <message>
        <source>The document is no longer where it was.</source>
        <translation>Il documento non si trova più dove era.</translation>
    </message>
    <message>
        <source>not a PDF file (its name does not end in .pdf)</source>
        <translation>non è un file PDF (il nome non termina con .pdf)</translation>
    </message>
    <message>
        <source>The file&apos;s name does not end in .pdf.</source>
        <translation>Il nome del file non termina con .pdf.</translation>
    </message>
    <message>
        <source>not a PDF file</source>
        <translation>non è un file PDF</translation>
    </message>
    <message>
        <source>The file is not a PDF document.</source>
        <translation>Il file non è un documento PDF.</translation>
    </message>
    <message>
        <source>damaged, qpdf cannot open it</source>
        <translation>danneggiato, qpdf non riesce ad aprirlo</translation>
    </message>
    <message>
        <source>The document is damaged and cannot be opened.</source>
        <translation>Il documento è danneggiato e non può essere aperto.</translation>
    </message>
    <message>
        <source>locked with an open password (give passwords with --password-file)</source>
        <translation>bloccato da una password di apertura (indicare le password con --password-file)</translation>
    </message>
    <message>
        <source>The document is locked with an open password.</source>
        <translation>Il documento è bloccato da una password di apertura.</translation>
    </message>
    <message>
        <source>locked, and no password of the password file opens it</source>
        <translation>bloccato, e nessuna password del file lo apre</translation>
    </message>
    <message>
        <source>None of the passwords given opens the document.</source>
        <translation>Nessuna delle password indicate apre il documento.</translation>
    </message>
    <message>
        <source>name too long for a numbered variant in the output folder</source>
        <translation>nome troppo lungo per una variante numerata nella cartella di destinazione</translation>
    </message>
    <message>
        <source>The file name is too long for a numbered variant in the output folder.</source>
        <translation>Il nome del file è troppo lungo per una variante numerata nella cartella di destinazione.</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>Non è un file regolare.</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permesso negato</translation>
    </message>
    <message>
        <source>You may not read this file.</source>
        <translation>Non si ha il permesso di leggere questo file.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>impossibile leggerlo</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Impossibile leggere il file.</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 text, so it cannot be opened; rename it to compress it</source>
        <translation>il suo nome non è testo UTF-8 valido, quindi non si può aprire; rinominarlo per comprimerlo</translation>
    </message>
    <message>
        <source>The file&apos;s name is not valid UTF-8 text, so it cannot be opened. Rename it to compress it.</source>
        <translation>Il nome del file non è testo UTF-8 valido, quindi non si può aprire. Rinominarlo per comprimerlo.</translation>
    </message>
    <message>
        <source>standard input holds more than 2 GB</source>
        <translation>lo standard input contiene più di 2 GB</translation>
    </message>
    <message>
        <source>The document is larger than 2 GB.</source>
        <translation>Il documento supera i 2 GB.</translation>
    </message>
    <message>
        <source>its output would replace a document of this run</source>
        <translation>il suo risultato sostituirebbe un documento di questa esecuzione</translation>
    </message>
    <message>
        <source>Its output would replace another document of this run.</source>
        <translation>Il suo risultato sostituirebbe un altro documento di questa esecuzione.</translation>
    </message>
    <message>
        <source>even its smallest copy is larger than the size asked for</source>
        <translation>anche la sua copia più piccola supera la dimensione richiesta</translation>
    </message>
    <message>
        <source>Even the smallest copy is larger than the size asked for.</source>
        <translation>Anche la copia più piccola supera la dimensione richiesta.</translation>
    </message>
</context>
<context>
    <name>RunTally</name>
    <message>
        <source>Stopping…</source>
        <translation>Arresto in corso…</translation>
    </message>
    <message>
        <source>Compressing %1 of %2</source>
        <translation>Compressione %1 di %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n file</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n non riuscito</numerusform>
            <numerusform>%n non riusciti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n locked, not compressed</source>
        <translation>
            <numerusform>%n bloccato, non compresso</numerusform>
            <numerusform>%n bloccati, non compressi</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Fermato</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>fermato</translation>
    </message>
    <message>
        <source>%1 % smaller</source>
        <translation>%1 % in meno</translation>
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
