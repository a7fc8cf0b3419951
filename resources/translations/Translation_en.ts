<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en">
<context>
    <name>CommandLineOptions</name>
    <message>
        <source>Makes PDF files smaller. Each document is rewritten by Ghostscript, checked with qpdf and delivered into the output folder under a name that clashes with nothing there, never larger than its source.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output folder (required; created when missing).</source>
        <translation type="unfinished"></translation>
    </message>
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
        <source>Take the PDFs in folders and their subfolders.</source>
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
        <source>PDF documents, or folders that hold them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No output folder given: name one with -o DIR.</source>
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
    <message>
        <source>%1 % smaller</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped</source>
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
    <message numerus="yes">
        <source>%n locked, not compressed</source>
        <translation>
            <numerusform>%n locked, not compressed</numerusform>
            <numerusform>%n locked, not compressed</numerusform>
        </translation>
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
</context>
</TS>
