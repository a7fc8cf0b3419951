<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en">
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
