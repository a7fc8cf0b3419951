<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>CommandLineOptions</name>
    <message>
        <source>Makes PDF files smaller. Each document is rewritten by Ghostscript, checked with qpdf and delivered into the output folder under a name that clashes with nothing there, never larger than its source.</source>
        <translation>Reduce el tamaño de los archivos PDF. Cada documento se reescribe con Ghostscript, se comprueba con qpdf y se entrega en la carpeta de salida con un nombre que no choca con nada de lo que hay allí, nunca más grande que el original.</translation>
    </message>
    <message>
        <source>Output folder (required; created when missing).</source>
        <translation>Carpeta de salida (obligatoria; se crea si no existe).</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>CARPETA</translation>
    </message>
    <message>
        <source>Compression preset: small, medium or large (default: medium).</source>
        <translation>Ajuste predefinido: small, medium o large (predeterminado: medium).</translation>
    </message>
    <message>
        <source>PRESET</source>
        <translation>AJUSTE</translation>
    </message>
    <message>
        <source>Custom level from 1 (smallest file) to 10 (best images), instead of a preset.</source>
        <translation>Nivel personalizado de 1 (archivo más pequeño) a 10 (mejores imágenes), en lugar de un ajuste predefinido.</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation>NIVEL</translation>
    </message>
    <message>
        <source>Take the PDFs in folders and their subfolders.</source>
        <translation>Tomar los PDF de las carpetas y de sus subcarpetas.</translation>
    </message>
    <message>
        <source>Compressions at once (default: the number of cores).</source>
        <translation>Compresiones simultáneas (predeterminado: el número de núcleos).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>File of open passwords, one per line, tried in turn on locked documents.</source>
        <translation>Archivo de contraseñas de apertura, una por línea, que se prueban por turno en los documentos bloqueados.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>One JSON object per document on standard output, then a summary object.</source>
        <translation>Un objeto JSON por documento en la salida estándar y, al final, un objeto de resumen.</translation>
    </message>
    <message>
        <source>Print only the documents that failed.</source>
        <translation>Mostrar solo los documentos que fallaron.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostrar esta ayuda.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Mostrar la versión.</translation>
    </message>
    <message>
        <source>FILE|FOLDER</source>
        <translation>ARCHIVO|CARPETA</translation>
    </message>
    <message>
        <source>PDF documents, or folders that hold them.</source>
        <translation>Documentos PDF, o carpetas que los contienen.</translation>
    </message>
    <message>
        <source>No output folder given: name one with -o DIR.</source>
        <translation>No se indicó carpeta de salida: indique una con -o CARPETA.</translation>
    </message>
    <message>
        <source>No documents given: name PDF files or folders after the options.</source>
        <translation>No se indicaron documentos: indique archivos PDF o carpetas después de las opciones.</translation>
    </message>
    <message>
        <source>Give either a preset or a level, not both.</source>
        <translation>Indique un ajuste predefinido o un nivel, no ambos.</translation>
    </message>
    <message>
        <source>The level must be a whole number from 1 to 10, not &quot;%1&quot;.</source>
        <translation>El nivel debe ser un número entero de 1 a 10, no «%1».</translation>
    </message>
    <message>
        <source>Unknown preset &quot;%1&quot;: use small, medium or large.</source>
        <translation>Ajuste predefinido desconocido «%1»: use small, medium o large.</translation>
    </message>
    <message>
        <source>The number of jobs must be a whole number of 1 or more, not &quot;%1&quot;.</source>
        <translation>El número de trabajos debe ser un número entero de 1 o más, no «%1».</translation>
    </message>
</context>
<context>
    <name>CommandRun</name>
    <message>
        <source>Cannot read the password file %1: %2</source>
        <translation>No se puede leer el archivo de contraseñas %1: %2</translation>
    </message>
    <message>
        <source>Cannot create the output folder %1.</source>
        <translation>No se puede crear la carpeta de salida %1.</translation>
    </message>
    <message>
        <source>Try &quot;kompresto --help&quot; for more information.</source>
        <translation>Pruebe «kompresto --help» para más información.</translation>
    </message>
</context>
<context>
    <name>CompressSettingWidget</name>
    <message>
        <source>Compress Setting</source>
        <translation>Configuración de compresión</translation>
    </message>
    <message>
        <source>Small File Size</source>
        <translation>Tamaño de archivo pequeño</translation>
    </message>
    <message>
        <source>High compression, low quality.</source>
        <translation>Compresión alta, calidad baja.</translation>
    </message>
    <message>
        <source>Medium File Size</source>
        <translation>Tamaño de archivo mediano</translation>
    </message>
    <message>
        <source>Medium compression, medium quality.</source>
        <translation>Compresión media, calidad media.</translation>
    </message>
    <message>
        <source>Large File Size</source>
        <translation>Tamaño de archivo grande</translation>
    </message>
    <message>
        <source>Low compression, high quality.</source>
        <translation>Compresión baja, calidad alta.</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Small Size</source>
        <translation>Más pequeño</translation>
    </message>
    <message>
        <source>Large Size</source>
        <translation>Más grande</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>Aplicar a todos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Compression level</source>
        <translation>Nivel de compresión</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Nivel %1</translation>
    </message>
</context>
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
        <source>Show Log Folder</source>
        <translation>Mostrar carpeta de registros</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>DesktopIntegration</name>
    <message>
        <source>Compression stopped</source>
        <translation>Compresión detenida</translation>
    </message>
    <message>
        <source>Compression finished</source>
        <translation>Compresión terminada</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
</context>
<context>
    <name>EnterPassword</name>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Print password</source>
        <translation>Contraseña de impresión</translation>
    </message>
    <message>
        <source>Incorrect Password</source>
        <translation>Contraseña incorrecta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Open password</source>
        <translation>Contraseña de apertura</translation>
    </message>
</context>
<context>
    <name>FileItemWidget</name>
    <message>
        <source>Unlock the document with its password</source>
        <translation>Desbloquear el documento con su contraseña</translation>
    </message>
    <message>
        <source>Compression settings</source>
        <translation>Ajustes de compresión</translation>
    </message>
    <message>
        <source>Show the compressed file in its folder</source>
        <translation>Mostrar el archivo comprimido en su carpeta</translation>
    </message>
    <message numerus="yes">
        <source>%n Page(s)</source>
        <translation>
            <numerusform>%n página</numerusform>
            <numerusform>%n páginas</numerusform>
        </translation>
    </message>
    <message>
        <source>Handed back unchanged: it could not be made smaller.</source>
        <translation>Se devolvió sin cambios: no se pudo reducir.</translation>
    </message>
    <message>
        <source>Handed back unchanged, to keep its links and bookmarks.</source>
        <translation>Se devolvió sin cambios para conservar sus enlaces y marcadores.</translation>
    </message>
    <message>
        <source>%1 · unchanged</source>
        <translation>%1 · sin cambios</translation>
    </message>
    <message>
        <source>%1 · %2 % smaller</source>
        <translation>%1 · %2 % menos</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Comprobando…</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>Choosing the smallest copy…</source>
        <translation>Eligiendo la copia más pequeña…</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Nivel %1</translation>
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
    <name>HumanReport</name>
    <message>
        <source>Stopping: running compressions are stopped, nothing more is delivered.</source>
        <translation>Deteniendo: se detienen las compresiones en curso y no se entrega nada más.</translation>
    </message>
    <message>
        <source>%1: failed: %2</source>
        <translation>%1: error: %2</translation>
    </message>
    <message>
        <source>%1: %2 %3 %4, %5% saved</source>
        <translation>%1: %2 %3 %4, %5 % ahorrado</translation>
    </message>
    <message>
        <source>(as %1)</source>
        <translation>(como %1)</translation>
    </message>
    <message>
        <source>%1 %2 %3 (%4% saved) in %5</source>
        <translation>%1 %2 %3 (%4 % ahorrado) en %5</translation>
    </message>
    <message>
        <source>%1: stopped</source>
        <translation>%1: detenido</translation>
    </message>
    <message>
        <source>%1: %2, delivered unchanged: a rewrite was no smaller or would lose links or bookmarks</source>
        <translation>%1: %2, entregado sin cambios: una reescritura no era más pequeña o perdería enlaces o marcadores</translation>
    </message>
    <message numerus="yes">
        <source>Documents: %1 of %n, %2 %3 %4, %5</source>
        <translation>
            <numerusform>Documentos: %1 de %n, %2 %3 %4, %5</numerusform>
            <numerusform>Documentos: %1 de %n, %2 %3 %4, %5</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delivered: %1 of %n</source>
        <translation>
            <numerusform>Entregados: %1 de %n</numerusform>
            <numerusform>Entregados: %1 de %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>failed: %n</source>
        <translation>
            <numerusform>con error: %n</numerusform>
            <numerusform>con error: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>stopped: %n</source>
        <translation>
            <numerusform>detenidos: %n</numerusform>
            <numerusform>detenidos: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Add Files</source>
        <translation>Añadir archivos</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>To get started, please drag and drop files here or add them by clicking + button.</source>
        <translation>Para empezar, arrastre y suelte archivos aquí o añádalos con el botón +.</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>Comprimir</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>Seleccionar archivos</translation>
    </message>
    <message>
        <source>Select output folder</source>
        <translation>Seleccionar la carpeta de salida</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Deteniendo…</translation>
    </message>
    <message>
        <source>Compressing %1 of %2</source>
        <translation>Comprimiendo %1 de %2</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 % smaller</source>
        <translation>%1 % menos</translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n con error</numerusform>
            <numerusform>%n con error</numerusform>
        </translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>detenido</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Comprobando…</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Vaciar la lista</translation>
    </message>
    <message numerus="yes">
        <source>Remove all %n document(s) from the list? Files already compressed stay in the output folder.</source>
        <translation>
            <numerusform>¿Quitar el documento de la lista? Los archivos ya comprimidos se quedan en la carpeta de salida.</numerusform>
            <numerusform>¿Quitar los %n documentos de la lista? Los archivos ya comprimidos se quedan en la carpeta de salida.</numerusform>
        </translation>
    </message>
    <message>
        <source>Compress Again</source>
        <translation>Comprimir de nuevo</translation>
    </message>
    <message>
        <source>Every document in the list is already compressed. Compress them again into &quot;%1&quot;?</source>
        <translation>Todos los documentos de la lista ya están comprimidos. ¿Comprimirlos de nuevo en «%1»?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Documents are still being compressed. Stop the run and quit?</source>
        <translation>Todavía se están comprimiendo documentos. ¿Detener y salir?</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Detener y salir</translation>
    </message>
    <message numerus="yes">
        <source>%n locked, not compressed</source>
        <translation>
            <numerusform>%n bloqueado, sin comprimir</numerusform>
            <numerusform>%n bloqueados, sin comprimir</numerusform>
        </translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>Abrir la carpeta de salida</translation>
    </message>
    <message>
        <source>Unlock…</source>
        <translation>Desbloquear…</translation>
    </message>
    <message>
        <source>Compression Settings…</source>
        <translation>Ajustes de compresión…</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>Open Document</source>
        <translation>Abrir el documento</translation>
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
<context>
    <name>RefusedFilesNotice</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message numerus="yes">
        <source>not a PDF: %n</source>
        <translation>
            <numerusform>no es un PDF: %n</numerusform>
            <numerusform>no es un PDF: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>damaged or unreadable: %n</source>
        <translation>
            <numerusform>dañado o ilegible: %n</numerusform>
            <numerusform>dañado o ilegible: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>already in the list: %n</source>
        <translation>
            <numerusform>ya en la lista: %n</numerusform>
            <numerusform>ya en la lista: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Files not added: %n (%1)</source>
        <translation>
            <numerusform>Archivos no añadidos: %n (%1)</numerusform>
            <numerusform>Archivos no añadidos: %n (%1)</numerusform>
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
            <numerusform>… y %n más</numerusform>
            <numerusform>… y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>Files Not Added</source>
        <translation>Archivos no añadidos</translation>
    </message>
    <message>
        <source>not a PDF</source>
        <translation>no es un PDF</translation>
    </message>
    <message>
        <source>damaged or unreadable</source>
        <translation>dañado o ilegible</translation>
    </message>
    <message>
        <source>already in the list</source>
        <translation>ya está en la lista</translation>
    </message>
    <message>
        <source>Details…</source>
        <translation>Detalles…</translation>
    </message>
</context>
<context>
    <name>ResultTable</name>
    <message>
        <source>Ghostscript failed with error %1</source>
        <translation>Ghostscript falló con el error %1</translation>
    </message>
    <message>
        <source>The PDF interpreter reported error %1.</source>
        <translation>El intérprete de PDF informó del error %1.</translation>
    </message>
    <message>
        <source>it could not be copied into the Temp folder</source>
        <translation>no se pudo copiar a la carpeta Temp</translation>
    </message>
    <message>
        <source>The document could not be read.</source>
        <translation>No se pudo leer el documento.</translation>
    </message>
    <message>
        <source>the result could not be moved into the output folder</source>
        <translation>no se pudo mover el resultado a la carpeta de salida</translation>
    </message>
    <message>
        <source>The compressed file could not be moved into the output folder.</source>
        <translation>No se pudo mover el archivo comprimido a la carpeta de salida.</translation>
    </message>
    <message>
        <source>the document or its rewrite is incomplete or unreadable</source>
        <translation>el documento o su reescritura está incompleto o es ilegible</translation>
    </message>
    <message>
        <source>The document is damaged or incomplete, or its rewrite came out incomplete.</source>
        <translation>El documento está dañado o incompleto, o su reescritura quedó incompleta.</translation>
    </message>
    <message>
        <source>the password was refused</source>
        <translation>la contraseña fue rechazada</translation>
    </message>
    <message>
        <source>The document&apos;s password is missing or wrong.</source>
        <translation>Falta la contraseña del documento o es incorrecta.</translation>
    </message>
    <message>
        <source>the output folder cannot be written</source>
        <translation>no se puede escribir en la carpeta de salida</translation>
    </message>
    <message>
        <source>The output folder cannot be created or written to.</source>
        <translation>No se puede crear la carpeta de salida ni escribir en ella.</translation>
    </message>
    <message>
        <source>Ghostscript crashed on it</source>
        <translation>Ghostscript se bloqueó con él</translation>
    </message>
    <message>
        <source>The PDF interpreter crashed on this document.</source>
        <translation>El intérprete de PDF falló con este documento.</translation>
    </message>
    <message>
        <source>Ghostscript took too long and was ended</source>
        <translation>Ghostscript tardó demasiado y se detuvo</translation>
    </message>
    <message>
        <source>The compression took too long and was ended.</source>
        <translation>La compresión tardó demasiado y se detuvo.</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>detenido</translation>
    </message>
    <message>
        <source>The compression was stopped.</source>
        <translation>La compresión se detuvo.</translation>
    </message>
    <message>
        <source>the compression worker could not be started; the installation may be damaged</source>
        <translation>no se pudo iniciar el proceso de compresión; puede que la instalación esté dañada</translation>
    </message>
    <message>
        <source>The compression worker could not be started; the installation may be damaged.</source>
        <translation>No se pudo iniciar el proceso de compresión; puede que la instalación esté dañada.</translation>
    </message>
    <message>
        <source>the disk of the Temp folder %1 is full</source>
        <translation>el disco de la carpeta Temp %1 está lleno</translation>
    </message>
    <message>
        <source>The disk that holds the Temp folder %1 is full.</source>
        <translation>El disco que contiene la carpeta Temp %1 está lleno.</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>no existe el archivo o la carpeta</translation>
    </message>
    <message>
        <source>The document is no longer where it was.</source>
        <translation>El documento ya no está donde estaba.</translation>
    </message>
    <message>
        <source>not a PDF file (its name does not end in .pdf)</source>
        <translation>no es un archivo PDF (su nombre no termina en .pdf)</translation>
    </message>
    <message>
        <source>The file&apos;s name does not end in .pdf.</source>
        <translation>El nombre del archivo no termina en .pdf.</translation>
    </message>
    <message>
        <source>not a PDF file</source>
        <translation>no es un archivo PDF</translation>
    </message>
    <message>
        <source>The file is not a PDF document.</source>
        <translation>El archivo no es un documento PDF.</translation>
    </message>
    <message>
        <source>damaged, qpdf cannot open it</source>
        <translation>dañado, qpdf no puede abrirlo</translation>
    </message>
    <message>
        <source>The document is damaged and cannot be opened.</source>
        <translation>El documento está dañado y no se puede abrir.</translation>
    </message>
    <message>
        <source>locked with an open password (give passwords with --password-file)</source>
        <translation>bloqueado con una contraseña de apertura (indique contraseñas con --password-file)</translation>
    </message>
    <message>
        <source>The document is locked with an open password.</source>
        <translation>El documento está bloqueado con una contraseña de apertura.</translation>
    </message>
    <message>
        <source>locked, and no password of the password file opens it</source>
        <translation>bloqueado, y ninguna contraseña del archivo de contraseñas lo abre</translation>
    </message>
    <message>
        <source>None of the passwords given opens the document.</source>
        <translation>Ninguna de las contraseñas indicadas abre el documento.</translation>
    </message>
    <message>
        <source>name too long for a numbered variant in the output folder</source>
        <translation>nombre demasiado largo para una variante numerada en la carpeta de salida</translation>
    </message>
    <message>
        <source>The file name is too long for a numbered variant in the output folder.</source>
        <translation>El nombre del archivo es demasiado largo para una variante numerada en la carpeta de salida.</translation>
    </message>
</context>
</TS>
