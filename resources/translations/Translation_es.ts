<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>CommandLineOptions</name>
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
    <message>
        <source>Makes PDF files smaller. Each document is rewritten by Ghostscript, checked with qpdf and delivered into the output folder under a name that clashes with nothing there, never larger than its source. Results go to standard output, failures and warnings to standard error.</source>
        <translation>Reduce el tamaño de los archivos PDF. Cada documento se reescribe con Ghostscript, se comprueba con qpdf y se entrega en la carpeta de salida con un nombre que no choca con nada de lo que hay allí, nunca mayor que su origen. Los resultados van a la salida estándar; los fallos y avisos, a la salida de error.</translation>
    </message>
    <message>
        <source>Output folder, created when missing; &quot;-&quot; writes the one result to standard output. Required unless --in-place is given.</source>
        <translation>Carpeta de salida, se crea si falta; «-» escribe el único resultado en la salida estándar. Obligatoria salvo con --in-place.</translation>
    </message>
    <message>
        <source>Replace each document by its compressed copy, only when that copy is smaller and sound; mode, owner and modification time are kept.</source>
        <translation>Sustituir cada documento por su copia comprimida, solo si es más pequeña y correcta; se conservan permisos, propietario y fecha de modificación.</translation>
    </message>
    <message>
        <source>Skip a document whose name exists in the output folder already.</source>
        <translation>Omitir un documento cuyo nombre ya existe en la carpeta de salida.</translation>
    </message>
    <message>
        <source>Replace a same-named file in the output folder, in one step (never a source document).</source>
        <translation>Sustituir en un solo paso un archivo del mismo nombre en la carpeta de salida (nunca un documento de origen).</translation>
    </message>
    <message>
        <source>Take the PDFs in folders and their subfolders; the output folder gets the same subfolders.</source>
        <translation>Tomar los PDF de las carpetas y sus subcarpetas; la carpeta de salida recibe las mismas subcarpetas.</translation>
    </message>
    <message>
        <source>Read more FILE|FOLDER names from FILE, one a line (&quot;-&quot;: standard input).</source>
        <translation>Leer más nombres ARCHIVO|CARPETA de ARCHIVO, uno por línea («-»: entrada estándar).</translation>
    </message>
    <message>
        <source>The names of --files-from are separated by NUL bytes, as find -print0 writes them.</source>
        <translation>Los nombres de --files-from están separados por bytes NUL, como los escribe find -print0.</translation>
    </message>
    <message>
        <source>Also print each document&apos;s steps: inspection, unlocking, the copies weighed and the one chosen.</source>
        <translation>Mostrar también los pasos de cada documento: inspección, desbloqueo, las copias comparadas y la elegida.</translation>
    </message>
    <message>
        <source>PDF documents, or folders that hold them; &quot;-&quot; reads one PDF from standard input.</source>
        <translation>Documentos PDF, o carpetas que los contienen; «-» lee un PDF de la entrada estándar.</translation>
    </message>
    <message>
        <source>--in-place replaces the documents themselves: give no output folder with it.</source>
        <translation>--in-place sustituye los propios documentos: no indique carpeta de salida con él.</translation>
    </message>
    <message>
        <source>No output folder given: name one with -o DIR, or replace the documents with --in-place.</source>
        <translation>No se indicó carpeta de salida: indique una con -o CARPETA o sustituya los documentos con --in-place.</translation>
    </message>
    <message>
        <source>Give either --skip-existing or --overwrite, not both.</source>
        <translation>Indique --skip-existing o --overwrite, no ambos.</translation>
    </message>
    <message>
        <source>--in-place goes with neither --skip-existing nor --overwrite.</source>
        <translation>--in-place no admite ni --skip-existing ni --overwrite.</translation>
    </message>
    <message>
        <source>Give either --quiet or --verbose, not both.</source>
        <translation>Indique --quiet o --verbose, no ambos.</translation>
    </message>
    <message>
        <source>-0 tells how the names of --files-from are separated: give --files-from FILE with it.</source>
        <translation>-0 indica cómo se separan los nombres de --files-from: indique --files-from ARCHIVO con él.</translation>
    </message>
    <message>
        <source>Standard input can be read only once: give &quot;-&quot; as one input or as the --files-from list.</source>
        <translation>La entrada estándar solo puede leerse una vez: indique «-» como una sola entrada o como lista de --files-from.</translation>
    </message>
    <message>
        <source>A document from standard input cannot be replaced in place: give an output with -o.</source>
        <translation>Un documento de la entrada estándar no puede sustituirse en su sitio: indique una salida con -o.</translation>
    </message>
    <message>
        <source>-o - writes the document itself to standard output: --json, --skip-existing and --overwrite do not go with it.</source>
        <translation>-o - escribe el propio documento en la salida estándar: --json, --skip-existing y --overwrite no se combinan con él.</translation>
    </message>
    <message>
        <source>Deliver the copy of best quality that is at most SIZE: bytes, or with a K, M or G suffix in units of 1024 as du -h and ls -h print them (500K, 1.5M). A document that cannot be made that small gets its smallest copy and counts as failed. Not with -p or -l.</source>
        <translation>Entregar la copia de mejor calidad que ocupe como máximo SIZE: en bytes, o con un sufijo K, M o G en unidades de 1024, como los muestran du -h y ls -h (500K, 1.5M). Un documento que no puede quedar tan pequeño recibe su copia más pequeña y cuenta como fallido. No junto con -p ni -l.</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>SIZE</translation>
    </message>
    <message>
        <source>--target-size chooses the level itself: give it without -p or -l.</source>
        <translation>--target-size elige el nivel por sí mismo: indíquelo sin -p ni -l.</translation>
    </message>
    <message>
        <source>The target size must be a positive number of bytes, or one with a K, M or G suffix (500K, 1.5M), not &quot;%1&quot;.</source>
        <translation>El tamaño objetivo debe ser un número positivo de bytes, o uno con un sufijo K, M o G (500K, 1.5M), no «%1».</translation>
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
    <message>
        <source>-o - writes a PDF to standard output, which is a terminal: redirect it to a file or a pipe.</source>
        <translation>-o - escribe un PDF en la salida estándar, que es un terminal: rediríjala a un archivo o a una tubería.</translation>
    </message>
    <message>
        <source>&quot;-&quot; reads a PDF from standard input, which is a terminal: redirect it from a file or a pipe.</source>
        <translation>«-» lee un PDF de la entrada estándar, que es un terminal: rediríjala desde un archivo o una tubería.</translation>
    </message>
    <message>
        <source>Cannot read the list of names %1: %2</source>
        <translation>No se puede leer la lista de nombres %1: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>No se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>No PDF documents found in %1.</source>
        <translation>No se encontraron documentos PDF en %1.</translation>
    </message>
    <message>
        <source>%1 is the output folder, whose documents are never taken; --in-place replaces the documents themselves.</source>
        <translation>%1 es la carpeta de salida, cuyos documentos nunca se toman; --in-place sustituye los propios documentos.</translation>
    </message>
    <message numerus="yes">
        <source>-o - writes one document to standard output, but %n documents were given.</source>
        <translation>
            <numerusform>-o - escribe un solo documento en la salida estándar, pero se indicó %n documento.</numerusform>
            <numerusform>-o - escribe un solo documento en la salida estándar, pero se indicaron %n documentos.</numerusform>
        </translation>
    </message>
    <message>
        <source>No documents found.</source>
        <translation>No se encontraron documentos.</translation>
    </message>
    <message>
        <source>Other users can read the password file %1; make it private with: chmod 600 %1</source>
        <translation>Otros usuarios pueden leer el archivo de contraseñas %1; hágalo privado con: chmod 600 %1</translation>
    </message>
    <message>
        <source>longer than %1 MB</source>
        <translation>más largo de %1 MB</translation>
    </message>
    <message>
        <source>Cannot create a private folder in %1.</source>
        <translation>No se puede crear una carpeta privada en %1.</translation>
    </message>
    <message>
        <source>Cannot read the result %1: %2</source>
        <translation>No se puede leer el resultado %1: %2</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation>No se puede escribir en la salida estándar: %1</translation>
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
    <message>
        <source>Fit under</source>
        <translation>Ajustar por debajo de</translation>
    </message>
    <message>
        <source>Size to fit under</source>
        <translation>Tamaño que no se debe superar</translation>
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
    <name>DocumentJob</name>
    <message>
        <source>Ghostscript&apos;s rewrite</source>
        <translation>reescritura de Ghostscript</translation>
    </message>
    <message>
        <source>Ghostscript&apos;s rewrite, repacked by qpdf</source>
        <translation>reescritura de Ghostscript, reempaquetada por qpdf</translation>
    </message>
    <message>
        <source>the source, repacked by qpdf</source>
        <translation>el origen, reempaquetado por qpdf</translation>
    </message>
    <message>
        <source>the source as it was</source>
        <translation>el origen tal cual</translation>
    </message>
    <message>
        <source>inspected by qpdf, pages: %1</source>
        <translation>inspeccionado por qpdf, páginas: %1</translation>
    </message>
    <message>
        <source>encrypted</source>
        <translation>cifrado</translation>
    </message>
    <message>
        <source>unlocked with password %1 of the password file</source>
        <translation>desbloqueado con la contraseña %1 del archivo de contraseñas</translation>
    </message>
    <message>
        <source>the rewrite would lose links or bookmarks: not taken</source>
        <translation>la reescritura perdería enlaces o marcadores: descartada</translation>
    </message>
    <message>
        <source>weighed: %1, %2</source>
        <translation>comparada: %1, %2</translation>
    </message>
    <message>
        <source>chosen: %1, %2</source>
        <translation>elegida: %1, %2</translation>
    </message>
    <message>
        <source>tried level %1: %2</source>
        <translation>nivel %1 probado: %2</translation>
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
    <message>
        <source>The document is damaged</source>
        <translation>El documento está dañado</translation>
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
    <message>
        <source>Try %1: %2</source>
        <translation>Intento %1: %2</translation>
    </message>
    <message>
        <source>Fit under %1</source>
        <translation>Ajustar por debajo de %1</translation>
    </message>
    <message>
        <source>Smallest possible: %1, over %2</source>
        <translation>Lo más pequeño posible: %1, por encima de %2</translation>
    </message>
</context>
<context>
    <name>FolderProblemNotice</name>
    <message>
        <source>The folder %1 could not be created: %2.</source>
        <translation>No se pudo crear la carpeta %1: %2.</translation>
    </message>
    <message>
        <source>Documents cannot be compressed until it can. Check the permissions and the free space of your home folder, then start the application again.</source>
        <translation>No se pueden comprimir documentos hasta que se pueda crear. Compruebe los permisos y el espacio libre de su carpeta personal y vuelva a iniciar la aplicación.</translation>
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
    <message>
        <source>%1: skipped, %2 exists</source>
        <translation>%1: omitido, %2 ya existe</translation>
    </message>
    <message>
        <source>%1: %2, left as it was: no smaller sound copy</source>
        <translation>%1: %2, se deja tal cual: ninguna copia correcta más pequeña</translation>
    </message>
    <message>
        <source>(replaced)</source>
        <translation>(sustituido)</translation>
    </message>
    <message numerus="yes">
        <source>skipped: %n</source>
        <translation>
            <numerusform>omitidos: %n</numerusform>
            <numerusform>omitidos: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: failed: smallest possible: %2, over %3; delivered as %4</source>
        <translation>%1: falló: lo más pequeño posible: %2, por encima de %3; entregado como %4</translation>
    </message>
    <message>
        <source>(fits under %1 as it is)</source>
        <translation>(cabe por debajo de %1 tal como está)</translation>
    </message>
    <message>
        <source>(fits under %1 at level %2)</source>
        <translation>(cabe por debajo de %1 con el nivel %2)</translation>
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
        <source>Stop</source>
        <translation>Detener</translation>
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
    <name>PasswordFile</name>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>larger than %1 KB</source>
        <translation>mayor de %1 KB</translation>
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
    <message>
        <source>its name is not valid text and cannot be opened</source>
        <translation>su nombre no es un texto válido y no se puede abrir</translation>
    </message>
    <message numerus="yes">
        <source>unreadable name: %n</source>
        <translation>
            <numerusform>nombre ilegible: %n</numerusform>
            <numerusform>nombres ilegibles: %n</numerusform>
        </translation>
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
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>This is not a regular file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>You may not read this file.</source>
        <translation>No tiene permiso para leer este archivo.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>No se puede leer el archivo.</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8 text, so it cannot be opened; rename it to compress it</source>
        <translation>su nombre no es texto UTF-8 válido, así que no se puede abrir; cámbielo de nombre para comprimirlo</translation>
    </message>
    <message>
        <source>The file&apos;s name is not valid UTF-8 text, so it cannot be opened. Rename it to compress it.</source>
        <translation>El nombre del archivo no es texto UTF-8 válido, así que no se puede abrir. Cámbielo de nombre para comprimirlo.</translation>
    </message>
    <message>
        <source>standard input holds more than 2 GB</source>
        <translation>la entrada estándar contiene más de 2 GB</translation>
    </message>
    <message>
        <source>The document is larger than 2 GB.</source>
        <translation>El documento supera los 2 GB.</translation>
    </message>
    <message>
        <source>its output would replace a document of this run</source>
        <translation>su salida sustituiría un documento de esta ejecución</translation>
    </message>
    <message>
        <source>Its output would replace another document of this run.</source>
        <translation>Su salida sustituiría otro documento de esta ejecución.</translation>
    </message>
    <message>
        <source>even its smallest copy is larger than the size asked for</source>
        <translation>incluso su copia más pequeña supera el tamaño pedido</translation>
    </message>
    <message>
        <source>Even the smallest copy is larger than the size asked for.</source>
        <translation>Incluso la copia más pequeña supera el tamaño pedido.</translation>
    </message>
</context>
<context>
    <name>RunTally</name>
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
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n con error</numerusform>
            <numerusform>%n con error</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n locked, not compressed</source>
        <translation>
            <numerusform>%n bloqueado, sin comprimir</numerusform>
            <numerusform>%n bloqueados, sin comprimir</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>detenido</translation>
    </message>
    <message>
        <source>%1 % smaller</source>
        <translation>%1 % menos</translation>
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
