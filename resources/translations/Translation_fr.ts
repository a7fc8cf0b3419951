<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>CommandLineOptions</name>
    <message>
        <source>DIR</source>
        <translation>DOSSIER</translation>
    </message>
    <message>
        <source>Compression preset: small, medium or large (default: medium).</source>
        <translation>Préréglage : small, medium ou large (par défaut : medium).</translation>
    </message>
    <message>
        <source>PRESET</source>
        <translation>PRÉRÉGLAGE</translation>
    </message>
    <message>
        <source>Custom level from 1 (smallest file) to 10 (best images), instead of a preset.</source>
        <translation>Niveau personnalisé de 1 (fichier le plus petit) à 10 (meilleures images), au lieu d&apos;un préréglage.</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation>NIVEAU</translation>
    </message>
    <message>
        <source>Compressions at once (default: the number of cores).</source>
        <translation>Compressions simultanées (par défaut : le nombre de cœurs).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>File of open passwords, one per line, tried in turn on locked documents.</source>
        <translation>Fichier de mots de passe d&apos;ouverture, un par ligne, essayés tour à tour sur les documents verrouillés.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>One JSON object per document on standard output, then a summary object.</source>
        <translation>Un objet JSON par document sur la sortie standard, puis un objet de résumé.</translation>
    </message>
    <message>
        <source>Print only the documents that failed.</source>
        <translation>N&apos;afficher que les documents en échec.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Afficher la version.</translation>
    </message>
    <message>
        <source>FILE|FOLDER</source>
        <translation>FICHIER|DOSSIER</translation>
    </message>
    <message>
        <source>No documents given: name PDF files or folders after the options.</source>
        <translation>Aucun document indiqué : indiquez des fichiers PDF ou des dossiers après les options.</translation>
    </message>
    <message>
        <source>Give either a preset or a level, not both.</source>
        <translation>Indiquez soit un préréglage, soit un niveau, pas les deux.</translation>
    </message>
    <message>
        <source>The level must be a whole number from 1 to 10, not &quot;%1&quot;.</source>
        <translation>Le niveau doit être un nombre entier de 1 à 10, et non « %1 ».</translation>
    </message>
    <message>
        <source>Unknown preset &quot;%1&quot;: use small, medium or large.</source>
        <translation>Préréglage inconnu « %1 » : utilisez small, medium ou large.</translation>
    </message>
    <message>
        <source>The number of jobs must be a whole number of 1 or more, not &quot;%1&quot;.</source>
        <translation>Le nombre de tâches doit être un nombre entier supérieur ou égal à 1, et non « %1 ».</translation>
    </message>
    <message>
        <source>Makes PDF files smaller. Each document is rewritten by Ghostscript, checked with qpdf and delivered into the output folder under a name that clashes with nothing there, never larger than its source. Results go to standard output, failures and warnings to standard error.</source>
        <translation>Réduit la taille des fichiers PDF. Chaque document est réécrit par Ghostscript, vérifié avec qpdf et livré dans le dossier de sortie sous un nom qui n&apos;entre en conflit avec rien, jamais plus grand que sa source. Les résultats vont sur la sortie standard, les échecs et avertissements sur la sortie d&apos;erreur.</translation>
    </message>
    <message>
        <source>Output folder, created when missing; &quot;-&quot; writes the one result to standard output. Required unless --in-place is given.</source>
        <translation>Dossier de sortie, créé s&apos;il manque ; « - » écrit l&apos;unique résultat sur la sortie standard. Obligatoire sauf avec --in-place.</translation>
    </message>
    <message>
        <source>Replace each document by its compressed copy, only when that copy is smaller and sound; mode, owner and modification time are kept.</source>
        <translation>Remplacer chaque document par sa copie compressée, seulement si elle est plus petite et saine ; droits, propriétaire et date de modification sont conservés.</translation>
    </message>
    <message>
        <source>Skip a document whose name exists in the output folder already.</source>
        <translation>Ignorer un document dont le nom existe déjà dans le dossier de sortie.</translation>
    </message>
    <message>
        <source>Replace a same-named file in the output folder, in one step (never a source document).</source>
        <translation>Remplacer en une seule étape un fichier de même nom dans le dossier de sortie (jamais un document source).</translation>
    </message>
    <message>
        <source>Take the PDFs in folders and their subfolders; the output folder gets the same subfolders.</source>
        <translation>Prendre les PDF des dossiers et de leurs sous-dossiers ; le dossier de sortie reçoit les mêmes sous-dossiers.</translation>
    </message>
    <message>
        <source>Read more FILE|FOLDER names from FILE, one a line (&quot;-&quot;: standard input).</source>
        <translation>Lire d&apos;autres noms FICHIER|DOSSIER depuis FICHIER, un par ligne (« - » : entrée standard).</translation>
    </message>
    <message>
        <source>The names of --files-from are separated by NUL bytes, as find -print0 writes them.</source>
        <translation>Les noms de --files-from sont séparés par des octets NUL, comme les écrit find -print0.</translation>
    </message>
    <message>
        <source>Also print each document&apos;s steps: inspection, unlocking, the copies weighed and the one chosen.</source>
        <translation>Afficher aussi les étapes de chaque document : inspection, déverrouillage, les copies comparées et celle choisie.</translation>
    </message>
    <message>
        <source>PDF documents, or folders that hold them; &quot;-&quot; reads one PDF from standard input.</source>
        <translation>Documents PDF, ou dossiers qui en contiennent ; « - » lit un PDF sur l&apos;entrée standard.</translation>
    </message>
    <message>
        <source>--in-place replaces the documents themselves: give no output folder with it.</source>
        <translation>--in-place remplace les documents eux-mêmes : n&apos;indiquez pas de dossier de sortie avec.</translation>
    </message>
    <message>
        <source>No output folder given: name one with -o DIR, or replace the documents with --in-place.</source>
        <translation>Aucun dossier de sortie indiqué : indiquez-en un avec -o DOSSIER, ou remplacez les documents avec --in-place.</translation>
    </message>
    <message>
        <source>Give either --skip-existing or --overwrite, not both.</source>
        <translation>Indiquez soit --skip-existing, soit --overwrite, pas les deux.</translation>
    </message>
    <message>
        <source>--in-place goes with neither --skip-existing nor --overwrite.</source>
        <translation>--in-place ne va ni avec --skip-existing ni avec --overwrite.</translation>
    </message>
    <message>
        <source>Give either --quiet or --verbose, not both.</source>
        <translation>Indiquez soit --quiet, soit --verbose, pas les deux.</translation>
    </message>
    <message>
        <source>-0 tells how the names of --files-from are separated: give --files-from FILE with it.</source>
        <translation>-0 indique comment sont séparés les noms de --files-from : indiquez --files-from FICHIER avec.</translation>
    </message>
    <message>
        <source>Standard input can be read only once: give &quot;-&quot; as one input or as the --files-from list.</source>
        <translation>L&apos;entrée standard ne peut être lue qu&apos;une fois : indiquez « - » comme une seule entrée ou comme liste de --files-from.</translation>
    </message>
    <message>
        <source>A document from standard input cannot be replaced in place: give an output with -o.</source>
        <translation>Un document lu sur l&apos;entrée standard ne peut pas être remplacé sur place : indiquez une sortie avec -o.</translation>
    </message>
    <message>
        <source>-o - writes the document itself to standard output: --json, --skip-existing and --overwrite do not go with it.</source>
        <translation>-o - écrit le document lui-même sur la sortie standard : --json, --skip-existing et --overwrite ne vont pas avec.</translation>
    </message>
    <message>
        <source>Deliver the copy of best quality that is at most SIZE: bytes, or with a K, M or G suffix in units of 1024 as du -h and ls -h print them (500K, 1.5M). A document that cannot be made that small gets its smallest copy and counts as failed. Not with -p or -l.</source>
        <translation>Livrer la copie de meilleure qualité qui fait au plus SIZE : en octets, ou avec un suffixe K, M ou G en unités de 1024, comme les affichent du -h et ls -h (500K, 1.5M). Un document qui ne peut pas devenir aussi petit reçoit sa plus petite copie et compte comme échoué. Pas avec -p ni -l.</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>SIZE</translation>
    </message>
    <message>
        <source>--target-size chooses the level itself: give it without -p or -l.</source>
        <translation>--target-size choisit lui-même le niveau : indiquez-le sans -p ni -l.</translation>
    </message>
    <message>
        <source>The target size must be a positive number of bytes, or one with a K, M or G suffix (500K, 1.5M), not &quot;%1&quot;.</source>
        <translation>La taille cible doit être un nombre positif d’octets, ou un nombre avec un suffixe K, M ou G (500K, 1.5M), et non « %1 ».</translation>
    </message>
</context>
<context>
    <name>CommandRun</name>
    <message>
        <source>Cannot read the password file %1: %2</source>
        <translation>Impossible de lire le fichier de mots de passe %1 : %2</translation>
    </message>
    <message>
        <source>Cannot create the output folder %1.</source>
        <translation>Impossible de créer le dossier de sortie %1.</translation>
    </message>
    <message>
        <source>Try &quot;kompresto --help&quot; for more information.</source>
        <translation>Essayez « kompresto --help » pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>-o - writes a PDF to standard output, which is a terminal: redirect it to a file or a pipe.</source>
        <translation>-o - écrit un PDF sur la sortie standard, qui est un terminal : redirigez-la vers un fichier ou un tube.</translation>
    </message>
    <message>
        <source>&quot;-&quot; reads a PDF from standard input, which is a terminal: redirect it from a file or a pipe.</source>
        <translation>« - » lit un PDF sur l&apos;entrée standard, qui est un terminal : redirigez-la depuis un fichier ou un tube.</translation>
    </message>
    <message>
        <source>Cannot read the list of names %1: %2</source>
        <translation>Impossible de lire la liste de noms %1 : %2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>Impossible de créer le dossier %1 : %2</translation>
    </message>
    <message>
        <source>No PDF documents found in %1.</source>
        <translation>Aucun document PDF trouvé dans %1.</translation>
    </message>
    <message>
        <source>%1 is the output folder, whose documents are never taken; --in-place replaces the documents themselves.</source>
        <translation>%1 est le dossier de sortie, dont les documents ne sont jamais pris ; --in-place remplace les documents eux-mêmes.</translation>
    </message>
    <message numerus="yes">
        <source>-o - writes one document to standard output, but %n documents were given.</source>
        <translation>
            <numerusform>-o - écrit un seul document sur la sortie standard, mais %n document a été indiqué.</numerusform>
            <numerusform>-o - écrit un seul document sur la sortie standard, mais %n documents ont été indiqués.</numerusform>
        </translation>
    </message>
    <message>
        <source>No documents found.</source>
        <translation>Aucun document trouvé.</translation>
    </message>
    <message>
        <source>Other users can read the password file %1; make it private with: chmod 600 %1</source>
        <translation>D&apos;autres utilisateurs peuvent lire le fichier de mots de passe %1 ; rendez-le privé avec : chmod 600 %1</translation>
    </message>
    <message>
        <source>longer than %1 MB</source>
        <translation>plus long que %1 Mo</translation>
    </message>
    <message>
        <source>Cannot create a private folder in %1.</source>
        <translation>Impossible de créer un dossier privé dans %1.</translation>
    </message>
    <message>
        <source>Cannot read the result %1: %2</source>
        <translation>Impossible de lire le résultat %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation>Impossible d&apos;écrire sur la sortie standard : %1</translation>
    </message>
</context>
<context>
    <name>CompressSettingWidget</name>
    <message>
        <source>Compress Setting</source>
        <translation>Paramètres de compression</translation>
    </message>
    <message>
        <source>Small File Size</source>
        <translation>Petite taille de fichier</translation>
    </message>
    <message>
        <source>High compression, low quality.</source>
        <translation>Compression élevée, qualité faible.</translation>
    </message>
    <message>
        <source>Medium File Size</source>
        <translation>Taille de fichier moyenne</translation>
    </message>
    <message>
        <source>Medium compression, medium quality.</source>
        <translation>Compression moyenne, qualité moyenne.</translation>
    </message>
    <message>
        <source>Large File Size</source>
        <translation>Grande taille de fichier</translation>
    </message>
    <message>
        <source>Low compression, high quality.</source>
        <translation>Compression faible, qualité élevée.</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Small Size</source>
        <translation>Plus petit</translation>
    </message>
    <message>
        <source>Large Size</source>
        <translation>Plus grand</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>Appliquer à tous</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Compression level</source>
        <translation>Niveau de compression</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Niveau %1</translation>
    </message>
    <message>
        <source>Fit under</source>
        <translation>Tenir sous</translation>
    </message>
    <message>
        <source>Size to fit under</source>
        <translation>Taille à ne pas dépasser</translation>
    </message>
</context>
<context>
    <name>CustomWindowFrame</name>
    <message>
        <source>User Guide</source>
        <translation>Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>Commentaires et assistance</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Show Log Folder</source>
        <translation>Afficher le dossier des journaux</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>DesktopIntegration</name>
    <message>
        <source>Compression stopped</source>
        <translation>Compression arrêtée</translation>
    </message>
    <message>
        <source>Compression finished</source>
        <translation>Compression terminée</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
</context>
<context>
    <name>DocumentJob</name>
    <message>
        <source>Ghostscript&apos;s rewrite</source>
        <translation>réécriture de Ghostscript</translation>
    </message>
    <message>
        <source>Ghostscript&apos;s rewrite, repacked by qpdf</source>
        <translation>réécriture de Ghostscript, réempaquetée par qpdf</translation>
    </message>
    <message>
        <source>the source, repacked by qpdf</source>
        <translation>la source, réempaquetée par qpdf</translation>
    </message>
    <message>
        <source>the source as it was</source>
        <translation>la source telle quelle</translation>
    </message>
    <message>
        <source>inspected by qpdf, pages: %1</source>
        <translation>inspecté par qpdf, pages : %1</translation>
    </message>
    <message>
        <source>encrypted</source>
        <translation>chiffré</translation>
    </message>
    <message>
        <source>unlocked with password %1 of the password file</source>
        <translation>déverrouillé avec le mot de passe %1 du fichier de mots de passe</translation>
    </message>
    <message>
        <source>the rewrite would lose links or bookmarks: not taken</source>
        <translation>la réécriture perdrait des liens ou des signets : non retenue</translation>
    </message>
    <message>
        <source>weighed: %1, %2</source>
        <translation>comparée : %1, %2</translation>
    </message>
    <message>
        <source>chosen: %1, %2</source>
        <translation>choisie : %1, %2</translation>
    </message>
    <message>
        <source>tried level %1: %2</source>
        <translation>niveau %1 essayé : %2</translation>
    </message>
</context>
<context>
    <name>EnterPassword</name>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Print password</source>
        <translation>Mot de passe d&apos;impression</translation>
    </message>
    <message>
        <source>Incorrect Password</source>
        <translation>Mot de passe incorrect</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open password</source>
        <translation>Mot de passe d&apos;ouverture</translation>
    </message>
    <message>
        <source>The document is damaged</source>
        <translation>Le document est endommagé</translation>
    </message>
</context>
<context>
    <name>FileItemWidget</name>
    <message>
        <source>Unlock the document with its password</source>
        <translation>Déverrouiller le document avec son mot de passe</translation>
    </message>
    <message>
        <source>Compression settings</source>
        <translation>Paramètres de compression</translation>
    </message>
    <message>
        <source>Show the compressed file in its folder</source>
        <translation>Afficher le fichier compressé dans son dossier</translation>
    </message>
    <message numerus="yes">
        <source>%n Page(s)</source>
        <translation>
            <numerusform>%n page</numerusform>
            <numerusform>%n pages</numerusform>
        </translation>
    </message>
    <message>
        <source>Handed back unchanged: it could not be made smaller.</source>
        <translation>Rendu inchangé : il n’a pas pu être réduit.</translation>
    </message>
    <message>
        <source>Handed back unchanged, to keep its links and bookmarks.</source>
        <translation>Rendu inchangé pour conserver ses liens et signets.</translation>
    </message>
    <message>
        <source>%1 · unchanged</source>
        <translation>%1 · inchangé</translation>
    </message>
    <message>
        <source>%1 · %2 % smaller</source>
        <translation>%1 · %2 % plus petit</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Vérification…</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Verrouillé</translation>
    </message>
    <message>
        <source>Choosing the smallest copy…</source>
        <translation>Choix de la copie la plus petite…</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Niveau %1</translation>
    </message>
    <message>
        <source>Try %1: %2</source>
        <translation>Essai %1 : %2</translation>
    </message>
    <message>
        <source>Fit under %1</source>
        <translation>Tenir sous %1</translation>
    </message>
    <message>
        <source>Smallest possible: %1, over %2</source>
        <translation>Au plus petit : %1, au-delà de %2</translation>
    </message>
</context>
<context>
    <name>FolderProblemNotice</name>
    <message>
        <source>The folder %1 could not be created: %2.</source>
        <translation>Le dossier %1 n&apos;a pas pu être créé : %2.</translation>
    </message>
    <message>
        <source>Documents cannot be compressed until it can. Check the permissions and the free space of your home folder, then start the application again.</source>
        <translation>Aucun document ne peut être compressé tant qu&apos;il ne peut pas l&apos;être. Vérifiez les droits et l&apos;espace libre de votre dossier personnel, puis relancez l&apos;application.</translation>
    </message>
</context>
<context>
    <name>GLanguage</name>
    <message>
        <source>Error network, please check your connection!</source>
        <translation>Erreur réseau, veuillez vérifier votre connexion !</translation>
    </message>
    <message>
        <source>The program gets crashed.</source>
        <translation>Le programme a planté.</translation>
    </message>
    <message>
        <source>Please send the crash report to the developer. (%1)</source>
        <translation>Veuillez envoyer le rapport de plantage au développeur. (%1)</translation>
    </message>
    <message>
        <source>is currently the newest version available.</source>
        <translation>est actuellement la version la plus récente disponible.</translation>
    </message>
    <message>
        <source>Requests are too frequent, please try again later.</source>
        <translation>Requêtes trop fréquentes, veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>A newer version is available: %1. Do you want to open the product page?</source>
        <translation>Une version plus récente est disponible : %1. Voulez-vous ouvrir la page du produit ?</translation>
    </message>
</context>
<context>
    <name>HumanReport</name>
    <message>
        <source>Stopping: running compressions are stopped, nothing more is delivered.</source>
        <translation>Arrêt : les compressions en cours sont arrêtées, plus rien n&apos;est livré.</translation>
    </message>
    <message>
        <source>%1: failed: %2</source>
        <translation>%1 : échec : %2</translation>
    </message>
    <message>
        <source>%1: %2 %3 %4, %5% saved</source>
        <translation>%1 : %2 %3 %4, %5 % gagnés</translation>
    </message>
    <message>
        <source>(as %1)</source>
        <translation>(sous le nom %1)</translation>
    </message>
    <message>
        <source>%1 %2 %3 (%4% saved) in %5</source>
        <translation>%1 %2 %3 (%4 % gagnés) en %5</translation>
    </message>
    <message>
        <source>%1: stopped</source>
        <translation>%1 : arrêté</translation>
    </message>
    <message>
        <source>%1: %2, delivered unchanged: a rewrite was no smaller or would lose links or bookmarks</source>
        <translation>%1 : %2, livré tel quel : une réécriture n&apos;était pas plus petite ou aurait perdu des liens ou des signets</translation>
    </message>
    <message numerus="yes">
        <source>Documents: %1 of %n, %2 %3 %4, %5</source>
        <translation>
            <numerusform>Documents : %1 sur %n, %2 %3 %4, %5</numerusform>
            <numerusform>Documents : %1 sur %n, %2 %3 %4, %5</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delivered: %1 of %n</source>
        <translation>
            <numerusform>Livrés : %1 sur %n</numerusform>
            <numerusform>Livrés : %1 sur %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>failed: %n</source>
        <translation>
            <numerusform>en échec : %n</numerusform>
            <numerusform>en échec : %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stopped: %n</source>
        <translation>
            <numerusform>arrêtés : %n</numerusform>
            <numerusform>arrêtés : %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: skipped, %2 exists</source>
        <translation>%1 : ignoré, %2 existe</translation>
    </message>
    <message>
        <source>%1: %2, left as it was: no smaller sound copy</source>
        <translation>%1 : %2, laissé tel quel : aucune copie saine plus petite</translation>
    </message>
    <message>
        <source>(replaced)</source>
        <translation>(remplacé)</translation>
    </message>
    <message numerus="yes">
        <source>skipped: %n</source>
        <translation>
            <numerusform>ignorés : %n</numerusform>
            <numerusform>ignorés : %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: failed: smallest possible: %2, over %3; delivered as %4</source>
        <translation>%1 : échec : au plus petit : %2, au-delà de %3 ; livré sous %4</translation>
    </message>
    <message>
        <source>(fits under %1 as it is)</source>
        <translation>(tient sous %1 tel quel)</translation>
    </message>
    <message>
        <source>(fits under %1 at level %2)</source>
        <translation>(tient sous %1 au niveau %2)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Add Files</source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>To get started, please drag and drop files here or add them by clicking + button.</source>
        <translation>Glissez-déposez des fichiers ici ou ajoutez-les avec le bouton +.</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Compresser</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>Sélectionner des fichiers</translation>
    </message>
    <message>
        <source>Select output folder</source>
        <translation>Sélectionner le dossier de sortie</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Vérification…</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Vider la liste</translation>
    </message>
    <message numerus="yes">
        <source>Remove all %n document(s) from the list? Files already compressed stay in the output folder.</source>
        <translation>
            <numerusform>Retirer le document de la liste ? Les fichiers déjà compressés restent dans le dossier de sortie.</numerusform>
            <numerusform>Retirer les %n documents de la liste ? Les fichiers déjà compressés restent dans le dossier de sortie.</numerusform>
        </translation>
    </message>
    <message>
        <source>Compress Again</source>
        <translation>Compresser à nouveau</translation>
    </message>
    <message>
        <source>Every document in the list is already compressed. Compress them again into &quot;%1&quot;?</source>
        <translation>Tous les documents de la liste sont déjà compressés. Les compresser à nouveau dans « %1 » ?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Documents are still being compressed. Stop the run and quit?</source>
        <translation>Des documents sont encore en cours de compression. Arrêter et quitter ?</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Arrêter et quitter</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>Ouvrir le dossier de sortie</translation>
    </message>
    <message>
        <source>Unlock…</source>
        <translation>Déverrouiller…</translation>
    </message>
    <message>
        <source>Compression Settings…</source>
        <translation>Paramètres de compression…</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>Open Document</source>
        <translation>Ouvrir le document</translation>
    </message>
</context>
<context>
    <name>PasswordFile</name>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>larger than %1 KB</source>
        <translation>plus grand que %1 Ko</translation>
    </message>
</context>
<context>
    <name>QAbout</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>More Info</source>
        <translation>Plus d&apos;info</translation>
    </message>
    <message>
        <source>Copyright %1 %2 Vantorel Studio. All rights reserved.</source>
        <translation>Copyright %1 %2 Vantorel Studio. Tous droits réservés.</translation>
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
        <translation>Fermer</translation>
    </message>
    <message numerus="yes">
        <source>not a PDF: %n</source>
        <translation>
            <numerusform>pas un PDF : %n</numerusform>
            <numerusform>pas un PDF : %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>damaged or unreadable: %n</source>
        <translation>
            <numerusform>endommagé ou illisible : %n</numerusform>
            <numerusform>endommagé ou illisible : %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>already in the list: %n</source>
        <translation>
            <numerusform>déjà dans la liste : %n</numerusform>
            <numerusform>déjà dans la liste : %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Files not added: %n (%1)</source>
        <translation>
            <numerusform>Fichiers non ajoutés : %n (%1)</numerusform>
            <numerusform>Fichiers non ajoutés : %n (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <comment>separates the reasons in the list of refused files</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… et %n de plus</numerusform>
            <numerusform>… et %n de plus</numerusform>
        </translation>
    </message>
    <message>
        <source>Files Not Added</source>
        <translation>Fichiers non ajoutés</translation>
    </message>
    <message>
        <source>not a PDF</source>
        <translation>pas un PDF</translation>
    </message>
    <message>
        <source>damaged or unreadable</source>
        <translation>endommagé ou illisible</translation>
    </message>
    <message>
        <source>already in the list</source>
        <translation>déjà dans la liste</translation>
    </message>
    <message>
        <source>Details…</source>
        <translation>Détails…</translation>
    </message>
    <message>
        <source>its name is not valid text and cannot be opened</source>
        <translation>son nom n’est pas un texte valide et ne peut pas être ouvert</translation>
    </message>
    <message numerus="yes">
        <source>unreadable name: %n</source>
        <translation>
            <numerusform>nom illisible : %n</numerusform>
            <numerusform>noms illisibles : %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultTable</name>
    <message>
        <source>Ghostscript failed with error %1</source>
        <translation>Ghostscript a échoué avec l&apos;erreur %1</translation>
    </message>
    <message>
        <source>The PDF interpreter reported error %1.</source>
        <translation>L’interpréteur PDF a signalé l’erreur %1.</translation>
    </message>
    <message>
        <source>it could not be copied into the Temp folder</source>
        <translation>il n&apos;a pas pu être copié dans le dossier Temp</translation>
    </message>
    <message>
        <source>The document could not be read.</source>
        <translation>Le document n’a pas pu être lu.</translation>
    </message>
    <message>
        <source>the result could not be moved into the output folder</source>
        <translation>le résultat n&apos;a pas pu être déplacé dans le dossier de sortie</translation>
    </message>
    <message>
        <source>The compressed file could not be moved into the output folder.</source>
        <translation>Le fichier compressé n’a pas pu être déplacé dans le dossier de sortie.</translation>
    </message>
    <message>
        <source>the document or its rewrite is incomplete or unreadable</source>
        <translation>le document ou sa réécriture est incomplet ou illisible</translation>
    </message>
    <message>
        <source>The document is damaged or incomplete, or its rewrite came out incomplete.</source>
        <translation>Le document est endommagé ou incomplet, ou sa réécriture est incomplète.</translation>
    </message>
    <message>
        <source>the password was refused</source>
        <translation>le mot de passe a été refusé</translation>
    </message>
    <message>
        <source>The document&apos;s password is missing or wrong.</source>
        <translation>Le mot de passe du document est absent ou incorrect.</translation>
    </message>
    <message>
        <source>the output folder cannot be written</source>
        <translation>impossible d&apos;écrire dans le dossier de sortie</translation>
    </message>
    <message>
        <source>The output folder cannot be created or written to.</source>
        <translation>Le dossier de sortie ne peut pas être créé ou n’est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>Ghostscript crashed on it</source>
        <translation>Ghostscript a planté sur ce document</translation>
    </message>
    <message>
        <source>The PDF interpreter crashed on this document.</source>
        <translation>L’interpréteur PDF a planté sur ce document.</translation>
    </message>
    <message>
        <source>Ghostscript took too long and was ended</source>
        <translation>Ghostscript a pris trop de temps et a été arrêté</translation>
    </message>
    <message>
        <source>The compression took too long and was ended.</source>
        <translation>La compression a pris trop de temps et a été arrêtée.</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>The compression was stopped.</source>
        <translation>La compression a été arrêtée.</translation>
    </message>
    <message>
        <source>the compression worker could not be started; the installation may be damaged</source>
        <translation>le processus de compression n&apos;a pas pu être lancé ; l&apos;installation est peut-être endommagée</translation>
    </message>
    <message>
        <source>The compression worker could not be started; the installation may be damaged.</source>
        <translation>Le processus de compression n&apos;a pas pu être lancé ; l&apos;installation est peut-être endommagée.</translation>
    </message>
    <message>
        <source>the disk of the Temp folder %1 is full</source>
        <translation>le disque du dossier Temp %1 est plein</translation>
    </message>
    <message>
        <source>The disk that holds the Temp folder %1 is full.</source>
        <translation>Le disque qui contient le dossier Temp %1 est plein.</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>fichier ou dossier introuvable</translation>
    </message>
    <message>
        <source>The document is no longer where it was.</source>
        <translation>Le document n&apos;est plus à son emplacement.</translation>
    </message>
    <message>
        <source>not a PDF file (its name does not end in .pdf)</source>
        <translation>pas un fichier PDF (son nom ne se termine pas par .pdf)</translation>
    </message>
    <message>
        <source>The file&apos;s name does not end in .pdf.</source>
        <translation>Le nom du fichier ne se termine pas par .pdf.</translation>
    </message>
    <message>
        <source>not a PDF file</source>
        <translation>pas un fichier PDF</translation>
    </message>
    <message>
        <source>The file is not a PDF document.</source>
        <translation>Le fichier n&apos;est pas un document PDF.</translation>
    </message>
    <message>
        <source>damaged, qpdf cannot open it</source>
        <translation>endommagé, qpdf ne peut pas l&apos;ouvrir</translation>
    </message>
    <message>
        <source>The document is damaged and cannot be opened.</source>
        <translation>Le document est endommagé et ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>locked with an open password (give passwords with --password-file)</source>
        <translation>verrouillé par un mot de passe d&apos;ouverture (indiquez des mots de passe avec --password-file)</translation>
    </message>
    <message>
        <source>The document is locked with an open password.</source>
        <translation>Le document est verrouillé par un mot de passe d&apos;ouverture.</translation>
    </message>
    <message>
        <source>locked, and no password of the password file opens it</source>
        <translation>verrouillé, et aucun mot de passe du fichier ne l&apos;ouvre</translation>
    </message>
    <message>
        <source>None of the passwords given opens the document.</source>
        <translation>Aucun des mots de passe indiqués n&apos;ouvre le document.</translation>
    </message>
    <message>
        <source>name too long for a numbered variant in the output folder</source>
        <translation>nom trop long pour une variante numérotée dans le dossier de sortie</translation>
    </message>
    <message>
        <source>The file name is too long for a numbered variant in the output folder.</source>
        <translation>Le nom du fichier est trop long pour une variante numérotée dans le dossier de sortie.</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>You may not read this file.</source>
        <translation>Vous n&apos;avez pas le droit de lire ce fichier.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il est illisible</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Le fichier est illisible.</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 text, so it cannot be opened; rename it to compress it</source>
        <translation>son nom n&apos;est pas un texte UTF-8 valide, il ne peut donc pas être ouvert ; renommez-le pour le compresser</translation>
    </message>
    <message>
        <source>The file&apos;s name is not valid UTF-8 text, so it cannot be opened. Rename it to compress it.</source>
        <translation>Le nom du fichier n&apos;est pas un texte UTF-8 valide, il ne peut donc pas être ouvert. Renommez-le pour le compresser.</translation>
    </message>
    <message>
        <source>standard input holds more than 2 GB</source>
        <translation>l&apos;entrée standard contient plus de 2 Go</translation>
    </message>
    <message>
        <source>The document is larger than 2 GB.</source>
        <translation>Le document dépasse 2 Go.</translation>
    </message>
    <message>
        <source>its output would replace a document of this run</source>
        <translation>sa sortie remplacerait un document de cette exécution</translation>
    </message>
    <message>
        <source>Its output would replace another document of this run.</source>
        <translation>Sa sortie remplacerait un autre document de cette exécution.</translation>
    </message>
    <message>
        <source>even its smallest copy is larger than the size asked for</source>
        <translation>même sa plus petite copie dépasse la taille demandée</translation>
    </message>
    <message>
        <source>Even the smallest copy is larger than the size asked for.</source>
        <translation>Même la plus petite copie dépasse la taille demandée.</translation>
    </message>
</context>
<context>
    <name>RunTally</name>
    <message>
        <source>Stopping…</source>
        <translation>Arrêt en cours…</translation>
    </message>
    <message>
        <source>Compressing %1 of %2</source>
        <translation>Compression %1 sur %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n en échec</numerusform>
            <numerusform>%n en échec</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n locked, not compressed</source>
        <translation>
            <numerusform>%n verrouillé, non compressé</numerusform>
            <numerusform>%n verrouillés, non compressés</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>%1 % smaller</source>
        <translation>%1 % plus petit</translation>
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
