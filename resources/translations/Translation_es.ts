<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
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
</TS>
