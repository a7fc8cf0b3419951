<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en">
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
        <source>Show Log in Explorer</source>
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
        <source>%1 Pages</source>
        <translation type="unfinished"></translation>
    </message>
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
    <name>MainWindow</name>
    <message>
        <source>Quorva Title</source>
        <translation type="unfinished"></translation>
    </message>
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
</TS>
