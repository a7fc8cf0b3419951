<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en">
<context>
    <name>CommandLineOptions</name>
    <message>
        <source>DIR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compression preset: small, medium or large (default: medium).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRESET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom level from 1 (smallest file) to 10 (best images), instead of a preset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compressions at once (default: the number of cores).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File of open passwords, one per line, tried in turn on locked documents.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One JSON object per document on standard output, then a summary object.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print only the documents that failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE|FOLDER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No documents given: name PDF files or folders after the options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give either a preset or a level, not both.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The level must be a whole number from 1 to 10, not &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown preset &quot;%1&quot;: use small, medium or large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of jobs must be a whole number of 1 or more, not &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makes PDF files smaller. Each document is rewritten by Ghostscript, checked with qpdf and delivered into the output folder under a name that clashes with nothing there, never larger than its source. Results go to standard output, failures and warnings to standard error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output folder, created when missing; &quot;-&quot; writes the one result to standard output. Required unless --in-place is given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace each document by its compressed copy, only when that copy is smaller and sound; mode, owner and modification time are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip a document whose name exists in the output folder already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace a same-named file in the output folder, in one step (never a source document).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the PDFs in folders and their subfolders; the output folder gets the same subfolders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read more FILE|FOLDER names from FILE, one a line (&quot;-&quot;: standard input).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The names of --files-from are separated by NUL bytes, as find -print0 writes them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also print each document&apos;s steps: inspection, unlocking, the copies weighed and the one chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF documents, or folders that hold them; &quot;-&quot; reads one PDF from standard input.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--in-place replaces the documents themselves: give no output folder with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No output folder given: name one with -o DIR, or replace the documents with --in-place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give either --skip-existing or --overwrite, not both.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--in-place goes with neither --skip-existing nor --overwrite.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give either --quiet or --verbose, not both.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-0 tells how the names of --files-from are separated: give --files-from FILE with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard input can be read only once: give &quot;-&quot; as one input or as the --files-from list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A document from standard input cannot be replaced in place: give an output with -o.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-o - writes the document itself to standard output: --json, --skip-existing and --overwrite do not go with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deliver the copy of best quality that is at most SIZE: bytes, or with a K, M or G suffix in units of 1024 as du -h and ls -h print them (500K, 1.5M). A document that cannot be made that small gets its smallest copy and counts as failed. Not with -p or -l.</source>
        <translation>Deliver the copy of best quality that is at most SIZE: bytes, or with a K, M or G suffix in units of 1024 as du -h and ls -h print them (500K, 1.5M). A document that cannot be made that small gets its smallest copy and counts as failed. Not with -p or -l.</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>SIZE</translation>
    </message>
    <message>
        <source>--target-size chooses the level itself: give it without -p or -l.</source>
        <translation>--target-size chooses the level itself: give it without -p or -l.</translation>
    </message>
    <message>
        <source>The target size must be a positive number of bytes, or one with a K, M or G suffix (500K, 1.5M), not &quot;%1&quot;.</source>
        <translation>The target size must be a positive number of bytes, or one with a K, M or G suffix (500K, 1.5M), not &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>CommandRun</name>
    <message>
        <source>Cannot read the password file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the output folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &quot;kompresto --help&quot; for more information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-o - writes a PDF to standard output, which is a terminal: redirect it to a file or a pipe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;-&quot; reads a PDF from standard input, which is a terminal: redirect it from a file or a pipe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the list of names %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No PDF documents found in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is the output folder, whose documents are never taken; --in-place replaces the documents themselves.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>-o - writes one document to standard output, but %n documents were given.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>No documents found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other users can read the password file %1; make it private with: chmod 600 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>longer than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create a private folder in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the result %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompressSettingWidget</name>
    <message>
        <source>Compress Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small File Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High compression, low quality.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium File Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium compression, medium quality.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large File Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low compression, high quality.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compression level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit under</source>
        <translation>Fit under</translation>
    </message>
    <message>
        <source>Size to fit under</source>
        <translation>Size to fit under</translation>
    </message>
</context>
<context>
    <name>CustomWindowFrame</name>
    <message>
        <source>User Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Log Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopIntegration</name>
    <message>
        <source>Compression stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compression finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentJob</name>
    <message>
        <source>Ghostscript&apos;s rewrite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ghostscript&apos;s rewrite, repacked by qpdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the source, repacked by qpdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the source as it was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inspected by qpdf, pages: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>encrypted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unlocked with password %1 of the password file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rewrite would lose links or bookmarks: not taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>weighed: %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chosen: %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tried level %1: %2</source>
        <translation>tried level %1: %2</translation>
    </message>
</context>
<context>
    <name>EnterPassword</name>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document is damaged</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileItemWidget</name>
    <message>
        <source>Unlock the document with its password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compression settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the compressed file in its folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n Page(s)</source>
        <translation>
            <numerusform>%n Page</numerusform>
            <numerusform>%n Pages</numerusform>
        </translation>
    </message>
    <message>
        <source>Handed back unchanged: it could not be made smaller.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handed back unchanged, to keep its links and bookmarks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · unchanged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2 % smaller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choosing the smallest copy…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try %1: %2</source>
        <translation>Try %1: %2</translation>
    </message>
    <message>
        <source>Fit under %1</source>
        <translation>Fit under %1</translation>
    </message>
    <message>
        <source>Smallest possible: %1, over %2</source>
        <translation>Smallest possible: %1, over %2</translation>
    </message>
</context>
<context>
    <name>FolderProblemNotice</name>
    <message>
        <source>The folder %1 could not be created: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documents cannot be compressed until it can. Check the permissions and the free space of your home folder, then start the application again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GLanguage</name>
    <message>
        <source>Error network, please check your connection!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program gets crashed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please send the crash report to the developer. (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is currently the newest version available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Requests are too frequent, please try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A newer version is available: %1. Do you want to open the product page?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HumanReport</name>
    <message>
        <source>Stopping: running compressions are stopped, nothing more is delivered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: failed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, delivered unchanged: a rewrite was no smaller or would lose links or bookmarks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 %3 %4, %5% saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(as %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Documents: %1 of %n, %2 %3 %4, %5</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delivered: %1 of %n</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>failed: %n</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stopped: %n</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 %3 (%4% saved) in %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: skipped, %2 exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, left as it was: no smaller sound copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(replaced)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>skipped: %n</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1: failed: smallest possible: %2, over %3; delivered as %4</source>
        <translation>%1: failed: smallest possible: %2, over %3; delivered as %4</translation>
    </message>
    <message>
        <source>(fits under %1 as it is)</source>
        <translation>(fits under %1 as it is)</translation>
    </message>
    <message>
        <source>(fits under %1 at level %2)</source>
        <translation>(fits under %1 at level %2)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Add Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To get started, please drag and drop files here or add them by clicking + button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select output folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Remove all %n document(s) from the list? Files already compressed stay in the output folder.</source>
        <translation>
            <numerusform>Remove the document from the list? Files already compressed stay in the output folder.</numerusform>
            <numerusform>Remove all %n documents from the list? Files already compressed stay in the output folder.</numerusform>
        </translation>
    </message>
    <message>
        <source>Compress Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every document in the list is already compressed. Compress them again into &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documents are still being compressed. Stop the run and quit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlock…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compression Settings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Document</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PasswordFile</name>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>larger than %1 KB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QAbout</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright %1 %2 Vantorel Studio. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RefusedFilesNotice</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>not a PDF: %n</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>damaged or unreadable: %n</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>already in the list: %n</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Files not added: %n (%1)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <comment>separates the reasons in the list of refused files</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… and %n more</numerusform>
            <numerusform>… and %n more</numerusform>
        </translation>
    </message>
    <message>
        <source>Files Not Added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>damaged or unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>already in the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its name is not valid text and cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>unreadable name: %n</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultTable</name>
    <message>
        <source>Ghostscript failed with error %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF interpreter reported error %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it could not be copied into the Temp folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the result could not be moved into the output folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The compressed file could not be moved into the output folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the document or its rewrite is incomplete or unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document is damaged or incomplete, or its rewrite came out incomplete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the password was refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document&apos;s password is missing or wrong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the output folder cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output folder cannot be created or written to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ghostscript crashed on it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF interpreter crashed on this document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ghostscript took too long and was ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The compression took too long and was ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The compression was stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the compression worker could not be started; the installation may be damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The compression worker could not be started; the installation may be damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk of the Temp folder %1 is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk that holds the Temp folder %1 is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document is no longer where it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a PDF file (its name does not end in .pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file&apos;s name does not end in .pdf.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a PDF document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>damaged, qpdf cannot open it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document is damaged and cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>locked with an open password (give passwords with --password-file)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document is locked with an open password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>locked, and no password of the password file opens it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None of the passwords given opens the document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name too long for a numbered variant in the output folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file name is too long for a numbered variant in the output folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may not read this file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 text, so it cannot be opened; rename it to compress it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file&apos;s name is not valid UTF-8 text, so it cannot be opened. Rename it to compress it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard input holds more than 2 GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document is larger than 2 GB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its output would replace a document of this run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its output would replace another document of this run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>even its smallest copy is larger than the size asked for</source>
        <translation>even its smallest copy is larger than the size asked for</translation>
    </message>
    <message>
        <source>Even the smallest copy is larger than the size asked for.</source>
        <translation>Even the smallest copy is larger than the size asked for.</translation>
    </message>
</context>
<context>
    <name>RunTally</name>
    <message>
        <source>Stopping…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compressing %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n locked, not compressed</source>
        <translation>
            <numerusform>%n locked, not compressed</numerusform>
            <numerusform>%n locked, not compressed</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 % smaller</source>
        <translation type="unfinished"></translation>
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
