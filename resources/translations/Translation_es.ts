<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>CustomWindowFrame</name>
    <message>
        <source>User Guide</source>
        <translation>Guía del usuario</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <translation>Comentarios y soporte</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Show Log in Explorer</source>
        <translation>Mostrar registro en el Explorador</translation>
    </message>
</context>
<context>
    <name>GLanguage</name>
    <message>
        <source>Error network, please check your connection!</source>
        <translation>¡Error de red, compruebe su conexión!</translation>
    </message>
    <message>
        <source>The program gets crashed.</source>
        <translation>El programa se ha bloqueado.</translation>
    </message>
    <message>
        <source>Please send the crash report to the developer. (%1)</source>
        <translation>Envíe el informe del fallo al desarrollador. (%1)</translation>
    </message>
    <message>
        <source>is currently the newest version available.</source>
        <translation>es actualmente la versión más reciente disponible.</translation>
    </message>
    <message>
        <source>Requests are too frequent, please try again later.</source>
        <translation>Las solicitudes son demasiado frecuentes, inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>A newer version is available: %1. Do you want to open the product page?</source>
        <translation>Hay una versión más reciente disponible: %1. ¿Desea abrir la página del producto?</translation>
    </message>
</context>
<context>
    <name>QAbout</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>More Info</source>
        <translation>Más info</translation>
    </message>
    <message>
        <source>Copyright %1 %2 Vantorel Studio. All rights reserved.</source>
        <translation>Copyright %1 %2 Vantorel Studio. Derechos reservados.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
</TS>
