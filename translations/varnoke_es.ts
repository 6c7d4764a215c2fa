<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Varnoke error</source>
        <translation>Error de Varnoke</translation>
    </message>
    <message>
        <source>The command line parameter %1 was illegally formated
<byte value="xd"/>Full path must be included!</source>
        <translation>El parámetro de la línea de comandos %1 no tiene un formato válido
<byte value="xd"/>¡Debe incluir la ruta completa!</translation>
    </message>
    <message>
        <source>You have specified the &apos;/R&apos; parameter on the command line.<byte value="xd"/>
For Varnoke to run automatically, you also have to specify both<byte value="xd"/>
a options set (/O:) and either a file list (/L:) or a file search<byte value="xd"/>
command (/S:) on the command line.<byte value="xd"/>
<byte value="xd"/>
Varnoke will be started with the specified options.</source>
        <translation>Ha indicado el parámetro &apos;/R&apos; en la línea de comandos.<byte value="xd"/>
Para que Varnoke se ejecute automáticamente, también debe indicar<byte value="xd"/>
en la línea de comandos un conjunto de opciones (/O:) y una lista<byte value="xd"/>
de archivos (/L:) o una orden de búsqueda (/S:).<byte value="xd"/>
<byte value="xd"/>
Varnoke se iniciará con las opciones indicadas.</translation>
    </message>
    <message>
        <source>Varnoke is about to run an automatic renaming process.<byte value="xd"/>
Is it OK to rename the specified files?</source>
        <translation>Varnoke va a ejecutar un renombrado automático.<byte value="xd"/>
¿Puede renombrar los archivos indicados?</translation>
    </message>
</context>
<context>
    <name>DirectoryControls</name>
    <message>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Show hidden folders</source>
        <translation>Mostrar carpetas ocultas</translation>
    </message>
</context>
<context>
    <name>EditNames</name>
    <message>
        <source>Confirmation</source>
        <translation>Confirmación</translation>
    </message>
    <message>
        <source>Do you really want to rename the files?</source>
        <translation>¿Seguro que quiere renombrar los archivos?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>The number of edited filenames are greater than the<byte value="xd"/>
number of files in the file list. Rename anyway?</source>
        <translation>Hay más nombres editados que archivos<byte value="xd"/>
en la lista de archivos. ¿Renombrar de todos modos?</translation>
    </message>
    <message>
        <source>The number of edited filenames are smaller than the<byte value="xd"/>
number of files in the file list. Rename anyway?</source>
        <translation>Hay menos nombres editados que archivos<byte value="xd"/>
en la lista de archivos. ¿Renombrar de todos modos?</translation>
    </message>
    <message>
        <source>The file already exists!</source>
        <translation>¡El archivo ya existe!</translation>
    </message>
    <message>
        <source>Do you wish to overwrite %1?<byte value="xd"/>
The file now there will be moved to the trash.</source>
        <translation>¿Quiere sobrescribir %1?<byte value="xd"/>
El archivo que está ahora allí se enviará a la papelera.</translation>
    </message>
    <message>
        <source>Do you really want to discard changes?</source>
        <translation>¿Seguro que quiere descartar los cambios?</translation>
    </message>
    <message>
        <source>Varnoke could not move the file:<byte value="xd"/>
%1<byte value="xd"/>
to the trash. The reason: %2.<byte value="xd"/>
The file stays, and the file:<byte value="xd"/>
%3<byte value="xd"/>
keeps its name.</source>
        <translation>Varnoke no pudo enviar el archivo:<byte value="xd"/>
%1<byte value="xd"/>
a la papelera. El motivo: %2.<byte value="xd"/>
El archivo se queda, y el archivo:<byte value="xd"/>
%3<byte value="xd"/>
conserva su nombre.</translation>
    </message>
    <message>
        <source>the new name is no full path</source>
        <translation>el nuevo nombre no es una ruta completa</translation>
    </message>
    <message>
        <source>Varnoke could not rename the file:<byte value="xd"/>
%1<byte value="xd"/>
to<byte value="xd"/>
%2<byte value="xd"/>
The reason: %3.<byte value="xd"/>
The file keeps its name.</source>
        <translation>Varnoke no pudo renombrar el archivo:<byte value="xd"/>
%1<byte value="xd"/>
a<byte value="xd"/>
%2<byte value="xd"/>
El motivo: %3.<byte value="xd"/>
El archivo conserva su nombre.</translation>
    </message>
    <message>
        <source>The file:<byte value="xd"/>
%1<byte value="xd"/>
could not get its name back, because another file has it now. It is kept as:<byte value="xd"/>
%2</source>
        <translation>El archivo:<byte value="xd"/>
%1<byte value="xd"/>
no pudo recuperar su nombre porque ahora lo tiene otro archivo. Se conserva como:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>FileList</name>
    <message>
        <source>Blank list (%1)</source>
        <translation>Lista vacía (%1)</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>Varnoke file lists</source>
        <translation>Listas de archivos de Varnoke</translation>
    </message>
    <message>
        <source>Varnoke sets</source>
        <translation>Conjuntos de opciones de Varnoke</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... y %n más</numerusform>
            <numerusform>... y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>A line that holds a NUL character names no file. Left out:</source>
        <translation>Una línea que contiene un carácter NUL no nombra ningún archivo. Omitidas:</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Acceso al archivo denegado</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco lleno</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lectura más allá del final del archivo</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Error de E/S %1</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read. It was kept as %2; the default settings apply.</source>
        <translation>No se pudo leer el archivo de ajustes %1. Se ha guardado como %2; se aplican los ajustes predeterminados.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read. The settings of this session will not be saved.</source>
        <translation>No se pudo leer el archivo de ajustes %1. Los ajustes de esta sesión no se guardarán.</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source> (CONFLICT)</source>
        <translation> (CONFLICTO)</translation>
    </message>
    <message>
        <source> (BUSY)</source>
        <translation> (OCUPADO)</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Ext</source>
        <translation>Ext</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Attrib</source>
        <translation>Atrib</translation>
    </message>
    <message>
        <source>Written to</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Accessed last</source>
        <translation>Último acceso</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Creado</translation>
    </message>
    <message>
        <source>Old name</source>
        <translation>Nombre anterior</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icono</translation>
    </message>
    <message>
        <source>&amp;Icon</source>
        <comment>Columns menu</comment>
        <translation>&amp;Icono</translation>
    </message>
    <message>
        <source>&amp;Path</source>
        <comment>Columns menu</comment>
        <translation>&amp;Ruta</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <comment>Columns menu</comment>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>&amp;Extension</source>
        <comment>Columns menu</comment>
        <translation>&amp;Extensión</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <comment>Columns menu</comment>
        <translation>&amp;Tamaño</translation>
    </message>
    <message>
        <source>&amp;Attributes</source>
        <comment>Columns menu</comment>
        <translation>&amp;Atributos</translation>
    </message>
    <message>
        <source>&amp;Written to</source>
        <comment>Columns menu</comment>
        <translation>&amp;Modificado</translation>
    </message>
    <message>
        <source>Accessed &amp;last</source>
        <comment>Columns menu</comment>
        <translation>Último a&amp;cceso</translation>
    </message>
    <message>
        <source>&amp;Created</source>
        <comment>Columns menu</comment>
        <translation>Crea&amp;do</translation>
    </message>
    <message>
        <source>&amp;1: Path</source>
        <comment>Sort menu</comment>
        <translation>&amp;1: Ruta</translation>
    </message>
    <message>
        <source>&amp;2: Name</source>
        <comment>Sort menu</comment>
        <translation>&amp;2: Nombre</translation>
    </message>
    <message>
        <source>&amp;3: Extension</source>
        <comment>Sort menu</comment>
        <translation>&amp;3: Extensión</translation>
    </message>
    <message>
        <source>&amp;4: Size</source>
        <comment>Sort menu</comment>
        <translation>&amp;4: Tamaño</translation>
    </message>
    <message>
        <source>&amp;5: Attributes</source>
        <comment>Sort menu</comment>
        <translation>&amp;5: Atributos</translation>
    </message>
    <message>
        <source>&amp;6: Written to</source>
        <comment>Sort menu</comment>
        <translation>&amp;6: Modificado</translation>
    </message>
    <message>
        <source>&amp;7: Accessed last</source>
        <comment>Sort menu</comment>
        <translation>&amp;7: Último acceso</translation>
    </message>
    <message>
        <source>&amp;8: Created</source>
        <comment>Sort menu</comment>
        <translation>&amp;8: Creado</translation>
    </message>
    <message>
        <source>&amp;9: Time taken</source>
        <comment>Sort menu</comment>
        <translation>&amp;9: Fecha de captura</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Varnoke Help</source>
        <translation>Ayuda de Varnoke</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introducción</translation>
    </message>
    <message>
        <source>Conventions</source>
        <translation>Convenciones</translation>
    </message>
    <message>
        <source>Date codes</source>
        <translation>Códigos de fecha</translation>
    </message>
    <message>
        <source>Using help</source>
        <translation>Uso de la ayuda</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Temas de ayuda</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Página de ayuda</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>the help&apos;s caption, then the page&apos;s title</comment>
        <translation>%1 - %2</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>%1: changed since the renaming (its size or last-write time differs); left as it is.</source>
        <translation>%1: cambiado desde el renombrado (su tamaño o su fecha de modificación difieren); se deja como está.</translation>
    </message>
    <message>
        <source>%1: cannot go to %2, where another file is now; left as it is.</source>
        <translation>%1: no puede ir a %2, donde ahora hay otro archivo; se deja como está.</translation>
    </message>
    <message>
        <source>%1: not found under any name the renaming gave it; nothing done.</source>
        <translation>%1: no se encontró con ningún nombre que le dio el renombrado; no se hizo nada.</translation>
    </message>
    <message>
        <source>%1: went to the trash during the renaming; where the trash keeps it is not known, so restore it from the trash yourself.</source>
        <translation>%1: se envió a la papelera durante el renombrado; no se sabe dónde lo guarda la papelera, así que restáurelo usted mismo desde la papelera.</translation>
    </message>
    <message>
        <source>%1: could not be brought back from the trash: %2.</source>
        <translation>%1: no se pudo recuperar de la papelera: %2.</translation>
    </message>
    <message>
        <source>%1: the copy could not be removed: %2.</source>
        <translation>%1: no se pudo eliminar la copia: %2.</translation>
    </message>
    <message>
        <source>The run journal %1 is held by a renaming that is still running; nothing done.</source>
        <translation>El registro de renombrado %1 lo tiene un renombrado que sigue en curso; no se hizo nada.</translation>
    </message>
    <message>
        <source>The run journal %1 cannot be used (%2); it is kept aside as %1.bad and nothing was done with it.</source>
        <translation>El registro de renombrado %1 no se puede usar (%2); se aparta como %1.bad y no se hizo nada con él.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>The run journal %1 is of a complete renaming; nothing to recover.</source>
        <translation>El registro de renombrado %1 es de un renombrado completo; no hay nada que recuperar.</translation>
    </message>
    <message>
        <source>The run journal %1 is of no complete renaming to undo.</source>
        <translation>El registro de renombrado %1 no es de ningún renombrado completo que se pueda deshacer.</translation>
    </message>
    <message>
        <source>The run journal %1 could not be marked as recovered.</source>
        <translation>No se pudo marcar como recuperado el registro de renombrado %1.</translation>
    </message>
    <message>
        <source>The run journal %1 could not be marked as undone.</source>
        <translation>No se pudo marcar como deshecho el registro de renombrado %1.</translation>
    </message>
    <message>
        <source>the run journal could not be made in %1: %2</source>
        <translation>no se pudo crear el registro de renombrado en %1: %2</translation>
    </message>
    <message>
        <source>the run journal %1 could not be written; the renaming went on without it</source>
        <translation>no se pudo escribir el registro de renombrado %1; el renombrado siguió sin él</translation>
    </message>
    <message>
        <source>%1; nothing in it is used.</source>
        <translation>%1; no se usa nada de su contenido.</translation>
    </message>
    <message>
        <source>%1.

Without it, a renaming cut short cannot be finished or rolled back, and it cannot be undone. Rename all the same?</source>
        <translation>%1.

Sin registro, un renombrado interrumpido no se puede terminar ni revertir, y no se puede deshacer. ¿Renombrar de todos modos?</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) where they belong</source>
        <translation>
            <numerusform>%n archivo en su sitio</numerusform>
            <numerusform>%n archivos en su sitio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left as they were</source>
        <translation>
            <numerusform>%n dejado como estaba</numerusform>
            <numerusform>%n dejados como estaban</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2, %3.</source>
        <comment>what was done, the files where they belong, the files left as they were</comment>
        <translation>%1: %2, %3.</translation>
    </message>
    <message numerus="yes">
        <source>A renaming of %1 that started %2 (%3) was cut short after %n files had changed.

Yes finishes it, No rolls it back to the names before it, Cancel leaves it for later.</source>
        <translation>
            <numerusform>Un renombrado de %1 iniciado el %2 (%3) se interrumpió después de cambiar %n archivo.

Sí lo termina, No lo revierte a los nombres anteriores, Cancelar lo deja para más tarde.</numerusform>
            <numerusform>Un renombrado de %1 iniciado el %2 (%3) se interrumpió después de cambiar %n archivos.

Sí lo termina, No lo revierte a los nombres anteriores, Cancelar lo deja para más tarde.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the renaming of %n files that started %1 (%2)?

Every file goes back to its old name, times and attributes; a file changed since, or whose old name another file holds now, stays as it is.</source>
        <translation>
            <numerusform>¿Deshacer el renombrado de %n archivo iniciado el %1 (%2)?

Cada archivo recupera su nombre, sus fechas y sus atributos anteriores; un archivo cambiado desde entonces, o cuyo nombre anterior tiene ahora otro archivo, se queda como está.</numerusform>
            <numerusform>¿Deshacer el renombrado de %n archivos iniciado el %1 (%2)?

Cada archivo recupera su nombre, sus fechas y sus atributos anteriores; un archivo cambiado desde entonces, o cuyo nombre anterior tiene ahora otro archivo, se queda como está.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Rolled back</source>
        <translation>Revertido</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Deshecho</translation>
    </message>
    <message>
        <source>Varnoke: renaming cut short</source>
        <translation>Varnoke: renombrado interrumpido</translation>
    </message>
    <message>
        <source>Left for later: the next start asks again, and varnoke-cli --recover finish|rollback settles it without questions.</source>
        <translation>Se deja para más tarde: el próximo inicio volverá a preguntar, y varnoke-cli --recover finish|rollback lo resuelve sin preguntas.</translation>
    </message>
</context>
<context>
    <name>ListGrid</name>
    <message>
        <source>File list</source>
        <translation>Lista de archivos</translation>
    </message>
</context>
<context>
    <name>ListStatusBar</name>
    <message>
        <source>Files:</source>
        <translation>Archivos:</translation>
    </message>
    <message>
        <source>Marked:</source>
        <translation>Marcados:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Marcados</translation>
    </message>
    <message>
        <source>Selected file</source>
        <translation>Archivo seleccionado</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a panel&apos;s name, then its value</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Planning</name>
    <message>
        <source>Varnoke is preparing name preview</source>
        <translation>Varnoke prepara la vista previa</translation>
    </message>
    <message>
        <source>Varnoke is adding files to the list</source>
        <translation>Varnoke añade archivos</translation>
    </message>
    <message>
        <source>Could not add more files to the file list</source>
        <translation>No se pudieron añadir más archivos a la lista</translation>
    </message>
    <message>
        <source>The file:<byte value="xd"/>
%1<byte value="xd"/>
is still busy. Please delete it from the list or free it</source>
        <translation>El archivo:<byte value="xd"/>
%1<byte value="xd"/>
sigue ocupado. Quítelo de la lista o libérelo</translation>
    </message>
    <message>
        <source>The new name of the file:<byte value="xd"/>
%1<byte value="xd"/>
would be longer than %2 characters. The file is left out of the preview.</source>
        <translation>El nuevo nombre del archivo:<byte value="xd"/>
%1<byte value="xd"/>
tendría más de %2 caracteres. El archivo se deja fuera de la vista previa.</translation>
    </message>
    <message>
        <source>The new name of the file:<byte value="xd"/>
%1<byte value="xd"/>
would contain a &quot;/&quot; or a NUL character, which no file name may hold.<byte value="xd"/>
The file is left out of the preview.</source>
        <translation>El nuevo nombre del archivo:<byte value="xd"/>
%1<byte value="xd"/>
contendría una &quot;/&quot; o un carácter NUL, que ningún nombre de archivo puede contener.<byte value="xd"/>
El archivo se deja fuera de la vista previa.</translation>
    </message>
    <message numerus="yes">
        <source>The new name of the file:<byte value="xd"/>
%1<byte value="xd"/>
would be %n bytes long; the file system of its target directory takes at most %2.<byte value="xd"/>
The file is left out of the preview.</source>
        <translation>
            <numerusform>El nuevo nombre del archivo:<byte value="xd"/>
%1<byte value="xd"/>
tendría %n byte; el sistema de archivos de su carpeta de destino admite como máximo %2.<byte value="xd"/>
El archivo se deja fuera de la vista previa.</numerusform>
            <numerusform>El nuevo nombre del archivo:<byte value="xd"/>
%1<byte value="xd"/>
tendría %n bytes; el sistema de archivos de su carpeta de destino admite como máximo %2.<byte value="xd"/>
El archivo se deja fuera de la vista previa.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file:<byte value="xd"/>
%1<byte value="xd"/>
is listed before, as<byte value="xd"/>
%2<byte value="xd"/>
A file is renamed once in a run: this entry is left out of the preview.</source>
        <translation>El archivo:<byte value="xd"/>
%1<byte value="xd"/>
ya figura antes en la lista, como<byte value="xd"/>
%2<byte value="xd"/>
Un archivo se renombra una sola vez por operación: esta entrada se deja fuera de la vista previa.</translation>
    </message>
    <message>
        <source>The files are to be moved or copied, but no target directory is set.<byte value="xd"/>
Nothing is planned: choose a target directory in the options first.</source>
        <translation>Los archivos deben moverse o copiarse, pero no hay ninguna carpeta de destino.<byte value="xd"/>
No se prevé nada: elija primero una carpeta de destino en las opciones.</translation>
    </message>
    <message>
        <source>The target directory<byte value="xd"/>
%1<byte value="xd"/>
is not a full path.<byte value="xd"/>
Nothing is planned: choose a target directory in the options first.</source>
        <translation>La carpeta de destino<byte value="xd"/>
%1<byte value="xd"/>
no es una ruta completa.<byte value="xd"/>
No se prevé nada: elija primero una carpeta de destino en las opciones.</translation>
    </message>
    <message>
        <source>These files are no longer where the list names them (they were moved, renamed or deleted since they were listed) and were taken off the list:</source>
        <translation>Estos archivos ya no están donde los nombra la lista (se movieron, renombraron o eliminaron desde que se añadieron) y se han quitado de la lista:</translation>
    </message>
</context>
<context>
    <name>Renaming</name>
    <message>
        <source>Varnoke is renaming files</source>
        <translation>Varnoke renombra archivos</translation>
    </message>
    <message>
        <source>Nothing was renamed: every file already has the name, the times and the attributes planned for it.</source>
        <translation>No se renombró nada: cada archivo ya tiene el nombre, las fechas y los atributos previstos para él.</translation>
    </message>
    <message>
        <source>Varnoke was not able to rename a file.<byte value="xd"/>
The cause is probably that the file is busy.<byte value="xd"/>
This might interfere with the following operations,<byte value="xd"/>
But Varnoke will still continue renaming.</source>
        <translation>Varnoke no pudo renombrar un archivo.<byte value="xd"/>
Probablemente el archivo está ocupado.<byte value="xd"/>
Esto puede afectar a las operaciones siguientes,<byte value="xd"/>
pero Varnoke seguirá renombrando.</translation>
    </message>
    <message>
        <source>Name conflict</source>
        <translation>Conflicto de nombres</translation>
    </message>
    <message>
        <source>Varnoke encoutered an unexpected name conflict.<byte value="xd"/>
This means that some filenames are changed since the files<byte value="xd"/>
were imported into Varnoke&apos;s file list. If possible, the<byte value="xd"/>
existing file will be deleted to Recycle Bin, else the<byte value="xd"/>
file which is being renamed will be deleted to Recycle Bin.<byte value="xd"/>
<byte value="xd"/>
Is this OK? Press cancel to stop renaming.</source>
        <translation>Varnoke encontró un conflicto de nombres inesperado.<byte value="xd"/>
Esto significa que algunos nombres de archivo han cambiado desde que<byte value="xd"/>
los archivos se añadieron a la lista de Varnoke. Si es posible, el<byte value="xd"/>
archivo existente se enviará a la papelera; si no, el archivo<byte value="xd"/>
que se está renombrando.<byte value="xd"/>
<byte value="xd"/>
¿Le parece bien? Pulse Cancelar para detener el renombrado.</translation>
    </message>
    <message>
        <source>Varnoke could neither delete the source file<byte value="xd"/>
nor the target file... that is bad news.<byte value="xd"/>
This might interfere with the following operations,<byte value="xd"/>
But Varnoke will still continue renaming.<byte value="xd"/>
<byte value="xd"/>
The target file:<byte value="xd"/>
%1<byte value="xd"/>
could not go to the trash: %2.<byte value="xd"/>
The source file:<byte value="xd"/>
%3<byte value="xd"/>
could not go to the trash: %4.</source>
        <translation>Varnoke no pudo eliminar ni el archivo de origen<byte value="xd"/>
ni el de destino... mala noticia.<byte value="xd"/>
Esto puede afectar a las operaciones siguientes,<byte value="xd"/>
pero Varnoke seguirá renombrando.<byte value="xd"/>
<byte value="xd"/>
El archivo de destino:<byte value="xd"/>
%1<byte value="xd"/>
no pudo ir a la papelera: %2.<byte value="xd"/>
El archivo de origen:<byte value="xd"/>
%3<byte value="xd"/>
no pudo ir a la papelera: %4.</translation>
    </message>
    <message>
        <source>The file:<byte value="xd"/>
%1<byte value="xd"/>
is no longer there: it was moved, renamed or deleted since it was listed.<byte value="xd"/>
Varnoke leaves it out and will still continue renaming.</source>
        <translation>El archivo:<byte value="xd"/>
%1<byte value="xd"/>
ya no está: se movió, renombró o eliminó desde que se añadió a la lista.<byte value="xd"/>
Varnoke lo omite y seguirá renombrando.</translation>
    </message>
    <message>
        <source>Varnoke error</source>
        <translation>Error de Varnoke</translation>
    </message>
    <message>
        <source>Varnoke could not copy the file<byte value="xd"/>
%1<byte value="xd"/>
to<byte value="xd"/>
%2<byte value="xd"/>
The reason: %3.<byte value="xd"/>
<byte value="xd"/>
The file keeps its name. Press OK to go on with the other files (files that fail<byte value="xd"/>
for the same reason in the same folder are not asked about again),<byte value="xd"/>
or Cancel to stop renaming.</source>
        <translation>Varnoke no pudo copiar el archivo<byte value="xd"/>
%1<byte value="xd"/>
a<byte value="xd"/>
%2<byte value="xd"/>
El motivo: %3.<byte value="xd"/>
<byte value="xd"/>
El archivo conserva su nombre. Pulse Aceptar para seguir con los demás archivos (no se volverá<byte value="xd"/>
a preguntar por los archivos que fallen por el mismo motivo en la misma carpeta),<byte value="xd"/>
o Cancelar para detener el renombrado.</translation>
    </message>
    <message>
        <source>Varnoke could not rename the file<byte value="xd"/>
%1<byte value="xd"/>
to<byte value="xd"/>
%2<byte value="xd"/>
The reason: %3.<byte value="xd"/>
<byte value="xd"/>
The file keeps its name. Press OK to go on with the other files (files that fail<byte value="xd"/>
for the same reason in the same folder are not asked about again),<byte value="xd"/>
or Cancel to stop renaming.</source>
        <translation>Varnoke no pudo renombrar el archivo<byte value="xd"/>
%1<byte value="xd"/>
a<byte value="xd"/>
%2<byte value="xd"/>
El motivo: %3.<byte value="xd"/>
<byte value="xd"/>
El archivo conserva su nombre. Pulse Aceptar para seguir con los demás archivos (no se volverá<byte value="xd"/>
a preguntar por los archivos que fallen por el mismo motivo en la misma carpeta),<byte value="xd"/>
o Cancelar para detener el renombrado.</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Varnoke 7.0</source>
        <translation>Acerca de Varnoke 7.0</translation>
    </message>
    <message>
        <source>Version 7.0</source>
        <translation>Versión 7.0</translation>
    </message>
    <message>
        <source>Renames, re-dates and re-attributes many files in one operation.</source>
        <translation>Cambia el nombre, las fechas y los atributos de muchos archivos en una sola operación.</translation>
    </message>
    <message>
        <source>Linux edition</source>
        <translation>Edición para Linux</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TAddFiles</name>
    <message>
        <source>Add files</source>
        <translation>Añadir archivos</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Ruta:</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtro:</translation>
    </message>
    <message>
        <source>Files:</source>
        <comment>above the list</comment>
        <translation>Archivos:</translation>
    </message>
    <message>
        <source>Files:</source>
        <comment>before the number of files</comment>
        <translation>Archivos:</translation>
    </message>
    <message>
        <source>Marked:</source>
        <translation>Marcados:</translation>
    </message>
    <message>
        <source>Select &amp;None</source>
        <translation>Seleccionar &amp;ninguno</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <comment>list menu</comment>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>Select &amp;none</source>
        <comment>list menu</comment>
        <translation>Seleccionar &amp;ninguno</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
</context>
<context>
    <name>TEditChoiceForm</name>
    <message>
        <source>Edit options</source>
        <translation>Opciones de edición</translation>
    </message>
    <message>
        <source>Parts of the filenames to be edited:</source>
        <translation>Partes de los nombres de archivo que se editarán:</translation>
    </message>
    <message>
        <source>Filename only</source>
        <translation>Solo nombre de archivo</translation>
    </message>
    <message>
        <source>Filename and extension</source>
        <translation>Nombre de archivo y extensión</translation>
    </message>
    <message>
        <source>Filename and path</source>
        <translation>Nombre de archivo y ruta</translation>
    </message>
    <message>
        <source>Filename, extension and path</source>
        <translation>Nombre de archivo, extensión y ruta</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TEditForm</name>
    <message>
        <source>Manual filename edit</source>
        <translation>Edición manual de nombres de archivo</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Nombres de archivo</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <comment>menu bar</comment>
        <translation>&amp;Renombrar</translation>
    </message>
    <message>
        <source>&amp;File names</source>
        <comment>menu bar</comment>
        <translation>&amp;Nombres de archivo</translation>
    </message>
    <message>
        <source>&amp;Case</source>
        <comment>menu bar</comment>
        <translation>&amp;Mayúsculas</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <comment>Rename menu</comment>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <comment>Rename menu</comment>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Reimport</source>
        <comment>File names menu</comment>
        <translation>&amp;Reimportar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <comment>File names menu</comment>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <comment>File names menu</comment>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Select all</source>
        <comment>File names menu</comment>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>&amp;UPPER CASE</source>
        <comment>Case menu</comment>
        <translation>&amp;MAYÚSCULAS</translation>
    </message>
    <message>
        <source>&amp;lower case</source>
        <comment>Case menu</comment>
        <translation>m&amp;inúsculas</translation>
    </message>
    <message>
        <source>&amp;Title Case</source>
        <comment>Case menu</comment>
        <translation>&amp;Tipo Título</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Reimport names</source>
        <translation>Reimportar nombres</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Copiar al portapapeles</translation>
    </message>
    <message>
        <source>Paste from clipboard</source>
        <translation>Pegar del portapapeles</translation>
    </message>
    <message>
        <source>Upper case</source>
        <translation>Mayúsculas</translation>
    </message>
    <message>
        <source>Lower case</source>
        <translation>Minúsculas</translation>
    </message>
    <message>
        <source>Title Case</source>
        <translation>Tipo título</translation>
    </message>
</context>
<context>
    <name>TFileSearchForm</name>
    <message>
        <source>Search for files</source>
        <translation>Buscar archivos</translation>
    </message>
    <message>
        <source>Building directory tree...</source>
        <translation>Creando el árbol de carpetas...</translation>
    </message>
    <message>
        <source>Searching for files...</source>
        <translation>Buscando archivos...</translation>
    </message>
    <message>
        <source>No filters are specified!</source>
        <translation>¡No se ha indicado ningún filtro!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <comment>while searching</comment>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Ruta:</translation>
    </message>
    <message>
        <source>Include subdirectories</source>
        <translation>Incluir subcarpetas</translation>
    </message>
    <message>
        <source>Filters:</source>
        <translation>Filtros:</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtros</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtro:</translation>
    </message>
    <message>
        <source>&amp;Add filter</source>
        <translation>&amp;Añadir filtro</translation>
    </message>
    <message>
        <source>&amp;Remove filter</source>
        <translation>&amp;Quitar filtro</translation>
    </message>
    <message>
        <source>Use/Include</source>
        <translation>Usar/Incluir</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Solo lectura</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Oculto</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>Ac&amp;eptar</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Predeterminado</translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>Usar %1</translation>
    </message>
    <message>
        <source>Directories: %1   Files: %2</source>
        <translation>Carpetas: %1   Archivos: %2</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>&amp;Files</source>
        <comment>menu bar</comment>
        <translation>&amp;Archivos</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>menu bar</comment>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <comment>menu bar</comment>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Quick Settings</source>
        <comment>menu bar</comment>
        <translation>Ajustes &amp;rápidos</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <comment>menu bar</comment>
        <translation>&amp;Ventana</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Start renaming</source>
        <comment>Files menu</comment>
        <translation>&amp;Iniciar renombrado</translation>
    </message>
    <message>
        <source>&amp;Edit manually</source>
        <comment>Files menu</comment>
        <translation>&amp;Editar a mano</translation>
    </message>
    <message>
        <source>&amp;New file list</source>
        <comment>Files menu</comment>
        <translation>&amp;Nueva lista de archivos</translation>
    </message>
    <message>
        <source>&amp;Import file list</source>
        <comment>Files menu</comment>
        <translation>I&amp;mportar lista de archivos</translation>
    </message>
    <message>
        <source>A&amp;dd to file list</source>
        <comment>Files menu</comment>
        <translation>Añadir a la lista de archi&amp;vos</translation>
    </message>
    <message>
        <source>S&amp;ave file list</source>
        <comment>Files menu</comment>
        <translation>&amp;Guardar lista de archivos</translation>
    </message>
    <message>
        <source>S&amp;earch for files</source>
        <comment>Files menu</comment>
        <translation>&amp;Buscar archivos</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <comment>Files menu</comment>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Unlist</source>
        <comment>Files menu</comment>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>S&amp;elect all</source>
        <comment>Files menu</comment>
        <translation>&amp;Seleccionar todo</translation>
    </message>
    <message>
        <source>U&amp;nlist all</source>
        <comment>Files menu</comment>
        <translation>Quitar &amp;todo</translation>
    </message>
    <message>
        <source>Und&amp;o last renaming</source>
        <comment>Files menu|undo</comment>
        <translation>&amp;Deshacer último renombrado</translation>
    </message>
    <message numerus="yes">
        <source>Und&amp;o last renaming (%n files)</source>
        <comment>Files menu|undo</comment>
        <translation>
            <numerusform>&amp;Deshacer último renombrado (%n archivo)</numerusform>
            <numerusform>&amp;Deshacer último renombrado (%n archivos)</numerusform>
        </translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>Files menu</comment>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <comment>Edit menu</comment>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>C&amp;ut</source>
        <comment>Edit menu</comment>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <comment>Edit menu</comment>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <comment>Edit menu</comment>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Set renaming options</source>
        <comment>Options menu</comment>
        <translation>&amp;Definir opciones de renombrado</translation>
    </message>
    <message>
        <source>&amp;Reset all</source>
        <comment>Options menu</comment>
        <translation>Restablecer &amp;todo</translation>
    </message>
    <message>
        <source>Reset &amp;names</source>
        <comment>Options menu</comment>
        <translation>Restablecer &amp;nombres</translation>
    </message>
    <message>
        <source>Reset &amp;dates</source>
        <comment>Options menu</comment>
        <translation>Restablecer &amp;fechas</translation>
    </message>
    <message>
        <source>Reset &amp;attributes</source>
        <comment>Options menu</comment>
        <translation>Restablecer &amp;atributos</translation>
    </message>
    <message>
        <source>Hide &amp;toolbar</source>
        <comment>Options menu|toolbar</comment>
        <translation>Ocultar &amp;barra de herramientas</translation>
    </message>
    <message>
        <source>Show &amp;toolbar</source>
        <comment>Options menu|toolbar</comment>
        <translation>Mostrar &amp;barra de herramientas</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <comment>Options menu</comment>
        <translation>Preferencias...</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <comment>Quick Settings menu</comment>
        <translation>A&amp;brir</translation>
    </message>
    <message>
        <source>Read settings from a file</source>
        <translation>Leer los ajustes de un archivo</translation>
    </message>
    <message>
        <source>&amp;Save as</source>
        <comment>Quick Settings menu</comment>
        <translation>&amp;Guardar como</translation>
    </message>
    <message>
        <source>Save settings in a file</source>
        <translation>Guardar los ajustes en un archivo</translation>
    </message>
    <message>
        <source>&amp;All options</source>
        <comment>Reset options menu</comment>
        <translation>&amp;Todas las opciones</translation>
    </message>
    <message>
        <source>&amp;Name options</source>
        <comment>Reset options menu</comment>
        <translation>Opciones de &amp;nombres</translation>
    </message>
    <message>
        <source>&amp;Date options</source>
        <comment>Reset options menu</comment>
        <translation>Opciones de &amp;fechas</translation>
    </message>
    <message>
        <source>A&amp;ttribute options</source>
        <comment>Reset options menu</comment>
        <translation>Opciones de &amp;atributos</translation>
    </message>
    <message>
        <source>Tile &amp;horizontal</source>
        <comment>Window menu</comment>
        <translation>Mosaico &amp;horizontal</translation>
    </message>
    <message>
        <source>Tile &amp;vertical</source>
        <comment>Window menu</comment>
        <translation>Mosaico &amp;vertical</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <comment>Window menu</comment>
        <translation>&amp;Cascada</translation>
    </message>
    <message>
        <source>&amp;Arange icons</source>
        <comment>Window menu</comment>
        <translation>Organizar &amp;iconos</translation>
    </message>
    <message>
        <source>&amp;Minimize all</source>
        <comment>Window menu</comment>
        <translation>&amp;Minimizar todo</translation>
    </message>
    <message>
        <source>&amp;Normalize all</source>
        <comment>Window menu</comment>
        <translation>&amp;Restaurar todo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>Help menu</comment>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Introduction</source>
        <comment>Help menu</comment>
        <translation>&amp;Introducción</translation>
    </message>
    <message>
        <source>How to &amp;get help</source>
        <comment>Help menu</comment>
        <translation>Cómo obtener a&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <comment>Help menu</comment>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Preview renaming</source>
        <translation>Vista previa del renombrado</translation>
    </message>
    <message>
        <source>Edit file list as text</source>
        <translation>Editar la lista de archivos como texto</translation>
    </message>
    <message>
        <source>New file list</source>
        <translation>Nueva lista de archivos</translation>
    </message>
    <message>
        <source>Open file list</source>
        <translation>Abrir lista de archivos</translation>
    </message>
    <message>
        <source>Save file list</source>
        <translation>Guardar lista de archivos</translation>
    </message>
    <message>
        <source>Search for and add files to file list</source>
        <translation>Buscar archivos y añadirlos a la lista</translation>
    </message>
    <message>
        <source>Add files to file list</source>
        <translation>Añadir archivos a la lista</translation>
    </message>
    <message>
        <source>Unlist files from file list</source>
        <translation>Quitar archivos de la lista</translation>
    </message>
    <message>
        <source>Select all files in file list</source>
        <translation>Seleccionar todos los archivos de la lista</translation>
    </message>
    <message>
        <source>Unlist all files in file list</source>
        <translation>Quitar todos los archivos de la lista</translation>
    </message>
    <message>
        <source>Move files up</source>
        <translation>Subir archivos</translation>
    </message>
    <message>
        <source>Move files down</source>
        <translation>Bajar archivos</translation>
    </message>
    <message>
        <source>Set options</source>
        <translation>Definir opciones</translation>
    </message>
    <message>
        <source>Reset options</source>
        <translation>Restablecer opciones</translation>
    </message>
    <message>
        <source>About Varnoke</source>
        <translation>Acerca de Varnoke</translation>
    </message>
    <message>
        <source>File lists</source>
        <translation>Listas de archivos</translation>
    </message>
</context>
<context>
    <name>TNameListForm</name>
    <message>
        <source>S&amp;earch for files</source>
        <comment>list menu</comment>
        <translation>&amp;Buscar archivos</translation>
    </message>
    <message>
        <source>Search for and add files to file list</source>
        <translation>Buscar archivos y añadirlos a la lista</translation>
    </message>
    <message>
        <source>&amp;Add files</source>
        <comment>list menu</comment>
        <translation>&amp;Añadir archivos</translation>
    </message>
    <message>
        <source>Add files to file list</source>
        <translation>Añadir archivos a la lista</translation>
    </message>
    <message>
        <source>&amp;Unlist files</source>
        <comment>list menu</comment>
        <translation>&amp;Quitar archivos</translation>
    </message>
    <message>
        <source>Unlist files from file list</source>
        <translation>Quitar archivos de la lista</translation>
    </message>
    <message>
        <source>&amp;Select all</source>
        <comment>list menu</comment>
        <translation>&amp;Seleccionar todo</translation>
    </message>
    <message>
        <source>Select all files in file list</source>
        <translation>Seleccionar todos los archivos de la lista</translation>
    </message>
    <message>
        <source>U&amp;nlist all</source>
        <comment>list menu</comment>
        <translation>Quitar &amp;todo</translation>
    </message>
    <message>
        <source>Unlist all files in file list</source>
        <translation>Quitar todos los archivos de la lista</translation>
    </message>
    <message>
        <source>&amp;Import file list</source>
        <comment>list menu</comment>
        <translation>&amp;Importar lista de archivos</translation>
    </message>
    <message>
        <source>Import a file list form a text file</source>
        <translation>Importar una lista de archivos desde un archivo de texto</translation>
    </message>
    <message>
        <source>A&amp;dd to file list</source>
        <comment>list menu</comment>
        <translation>Añadir a la lista de archi&amp;vos</translation>
    </message>
    <message>
        <source>S&amp;ave file list</source>
        <comment>list menu</comment>
        <translation>&amp;Guardar lista de archivos</translation>
    </message>
    <message>
        <source>Save file list in a text file</source>
        <translation>Guardar la lista de archivos en un archivo de texto</translation>
    </message>
    <message>
        <source>&amp;Columns</source>
        <comment>list menu</comment>
        <translation>&amp;Columnas</translation>
    </message>
    <message>
        <source>S&amp;ort list</source>
        <comment>list menu</comment>
        <translation>&amp;Ordenar lista</translation>
    </message>
    <message>
        <source>Sort files in file list</source>
        <translation>Ordenar los archivos de la lista</translation>
    </message>
</context>
<context>
    <name>TOptionsForm</name>
    <message>
        <source>The filename field is illegally formatted!</source>
        <translation>¡El campo del nombre de archivo no tiene un formato válido!</translation>
    </message>
    <message>
        <source>The extension field is illegally formatted!</source>
        <translation>¡El campo de la extensión no tiene un formato válido!</translation>
    </message>
    <message>
        <source>The date field is illegally formatted!</source>
        <translation>¡El campo de la fecha no tiene un formato válido!</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Dates and attributes</source>
        <translation>Fechas y atributos</translation>
    </message>
    <message>
        <source>Option pages</source>
        <translation>Páginas de opciones</translation>
    </message>
    <message>
        <source>Target directory:</source>
        <translation>Carpeta de destino:</translation>
    </message>
    <message>
        <source>File transportation</source>
        <translation>Traslado de archivos</translation>
    </message>
    <message>
        <source>Move files</source>
        <translation>Mover archivos</translation>
    </message>
    <message>
        <source>Leave files</source>
        <translation>Dejar archivos</translation>
    </message>
    <message>
        <source>Copy files</source>
        <translation>Copiar archivos</translation>
    </message>
    <message>
        <source>On name conflict</source>
        <translation>Si hay conflicto de nombres</translation>
    </message>
    <message>
        <source>Add suffix (#1)</source>
        <translation>Añadir sufijo (#1)</translation>
    </message>
    <message>
        <source>Delete to recycle bin</source>
        <translation>Enviar a la papelera</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Step:</source>
        <translation>Paso:</translation>
    </message>
    <message>
        <source>Digits:</source>
        <translation>Dígitos:</translation>
    </message>
    <message>
        <source>New filename:</source>
        <translation>Nuevo nombre de archivo:</translation>
    </message>
    <message>
        <source>New extension:</source>
        <translation>Nueva extensión:</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Método</translation>
    </message>
    <message>
        <source>Standard (file name + number + extensjon)</source>
        <translation>Estándar (nombre de archivo + número + extensión)</translation>
    </message>
    <message>
        <source>Advanced renaming system (*, ?, &lt;1:2&gt;, &quot;a?:b*&quot;, &lt;#&gt;)</source>
        <translation>Sistema de renombrado avanzado (*, ?, &lt;1:2&gt;, &quot;a?:b*&quot;, &lt;#&gt;)</translation>
    </message>
    <message>
        <source>Change file name</source>
        <translation>Cambiar nombre de archivo</translation>
    </message>
    <message>
        <source>Change extension</source>
        <translation>Cambiar extensión</translation>
    </message>
    <message>
        <source>Change case</source>
        <translation>Cambiar mayúsculas</translation>
    </message>
    <message>
        <source>Character case</source>
        <translation>Mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>UPPERCASE</source>
        <translation>MAYÚSCULAS</translation>
    </message>
    <message>
        <source>lowercase</source>
        <translation>minúsculas</translation>
    </message>
    <message>
        <source>Title case</source>
        <translation>Primera letra en mayúscula</translation>
    </message>
    <message>
        <source>Title Case In Every Word</source>
        <translation>Cada Palabra Con Mayúscula</translation>
    </message>
    <message>
        <source>Enumerate files</source>
        <translation>Numerar archivos</translation>
    </message>
    <message>
        <source>Use wildcards</source>
        <translation>Usar comodines</translation>
    </message>
    <message>
        <source>Disregard extension</source>
        <translation>Ignorar extensión</translation>
    </message>
    <message>
        <source>Date (insert code: &apos;|&apos;) </source>
        <translation>Fecha (código para insertar: &apos;|&apos;) </translation>
    </message>
    <message>
        <source>File time</source>
        <translation>Fecha del archivo</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>Time taken</source>
        <translation>Fecha de captura</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Formato de fecha</translation>
    </message>
    <message>
        <source>Dates:</source>
        <translation>Fechas:</translation>
    </message>
    <message>
        <source>Created:</source>
        <translation>Creación:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Modificación:</translation>
    </message>
    <message>
        <source>Accessed:</source>
        <translation>Último acceso:</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Creación</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificación</translation>
    </message>
    <message>
        <source>Accessed</source>
        <translation>Último acceso</translation>
    </message>
    <message>
        <source>Increase:</source>
        <translation>Aumentar:</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Set from time taken</source>
        <translation>Tomar de la fecha de captura</translation>
    </message>
    <message>
        <source>Gives each file the time its photo or video was taken.<byte value="xd"/>
Files that record none keep this time as it is.</source>
        <translation>Da a cada archivo la fecha en que se tomó su foto o vídeo.<byte value="xd"/>
Los archivos que no la registran conservan esta fecha tal como está.</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>ene</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>abr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>may</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>dic</translation>
    </message>
    <message>
        <source>day</source>
        <translation>día</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mes</translation>
    </message>
    <message>
        <source>year</source>
        <translation>año</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>hora</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minuto</translation>
    </message>
    <message>
        <source>second</source>
        <translation>segundo</translation>
    </message>
    <message>
        <source>days</source>
        <translation>días</translation>
    </message>
    <message>
        <source>months</source>
        <translation>meses</translation>
    </message>
    <message>
        <source>years</source>
        <translation>años</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>horas</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a date field: the row, then the field</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 increase %2</source>
        <comment>an increase field: the row, then the field</comment>
        <translation>%1, aumento en %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>the row, then &apos;Set from time taken&apos;</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Attributes:</source>
        <translation>Atributos:</translation>
    </message>
    <message>
        <source>Set:</source>
        <translation>Cambiar:</translation>
    </message>
    <message>
        <source>Attribute:</source>
        <translation>Atributo:</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Solo lectura</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Oculto</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Cambiar %1</translation>
    </message>
    <message>
        <source>Conventions</source>
        <translation>Convenciones</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Predeterminado</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Quick Settings</source>
        <translation>Ajustes &amp;rápidos</translation>
    </message>
    <message>
        <source>&amp;Reset all</source>
        <comment>Quick Settings menu</comment>
        <translation>Restablecer &amp;todo</translation>
    </message>
    <message>
        <source>Reset &amp;names</source>
        <comment>Quick Settings menu</comment>
        <translation>Restablecer &amp;nombres</translation>
    </message>
    <message>
        <source>Reset &amp;dates</source>
        <comment>Quick Settings menu</comment>
        <translation>Restablecer &amp;fechas</translation>
    </message>
    <message>
        <source>Reset &amp;attributes</source>
        <comment>Quick Settings menu</comment>
        <translation>Restablecer &amp;atributos</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <comment>Quick Settings menu</comment>
        <translation>A&amp;brir</translation>
    </message>
    <message>
        <source>&amp;Save as</source>
        <comment>Quick Settings menu</comment>
        <translation>&amp;Guardar como</translation>
    </message>
    <message>
        <source>Choose &apos;Copy files&apos; or &apos;Move files&apos; in the<byte value="xd"/>
file transportation box to copy/move <byte value="xd"/>
the files to the specified directory.</source>
        <translation>Elija &apos;Copiar archivos&apos; o &apos;Mover archivos&apos; en el<byte value="xd"/>
cuadro Traslado de archivos para copiar o mover<byte value="xd"/>
los archivos a la carpeta indicada.</translation>
    </message>
    <message>
        <source>Choose &apos;Copy files&apos; or &apos;Move files&apos; and<byte value="xd"/>
specify the appropriate directory to<byte value="xd"/>
copy/move files.</source>
        <translation>Elija &apos;Copiar archivos&apos; o &apos;Mover archivos&apos; e<byte value="xd"/>
indique la carpeta a la que se copiarán<byte value="xd"/>
o moverán los archivos.</translation>
    </message>
    <message>
        <source>Enables wild card characters and some<byte value="xd"/>
special codes that are documented in<byte value="xd"/>
the help file. Press F1 to read the help file.</source>
        <translation>Activa los caracteres comodín y algunos<byte value="xd"/>
códigos especiales descritos en la ayuda.<byte value="xd"/>
Pulse F1 para leer la ayuda.</translation>
    </message>
    <message>
        <source>Treats the original file name and <byte value="xd"/>
extension as one single string.</source>
        <translation>Trata el nombre de archivo original y la<byte value="xd"/>
extensión como una sola cadena.</translation>
    </message>
    <message>
        <source>Specifies the format of the date codes<byte value="xd"/>
entered into the file name or extension.<byte value="xd"/>
Press F1 to read about the conventions.</source>
        <translation>Indica el formato de los códigos de fecha<byte value="xd"/>
insertados en el nombre o la extensión.<byte value="xd"/>
Pulse F1 para leer las convenciones.</translation>
    </message>
    <message>
        <source>Sample of new names</source>
        <translation>Muestra de los nuevos nombres</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nuevo nombre</translation>
    </message>
</context>
<context>
    <name>TPreferences</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Start up</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Blank file list on start up</source>
        <translation>Lista de archivos vacía al iniciar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Disable tool tips</source>
        <translation>Desactivar la información sobre herramientas</translation>
    </message>
    <message>
        <source>Windows 98 Explorer optins</source>
        <translation>Opciones del Explorador de Windows 98</translation>
    </message>
    <message>
        <source>Make Explorer show true cases</source>
        <translation>Hacer que el Explorador muestre las mayúsculas reales</translation>
    </message>
    <message>
        <source>Acts on Windows only; the stored choice is kept.</source>
        <translation>Solo actúa en Windows; se conserva la opción guardada.</translation>
    </message>
    <message>
        <source>Save defaults</source>
        <translation>Guardar valores predeterminados</translation>
    </message>
    <message>
        <source>Save on requests</source>
        <translation>Guardar cuando se pida</translation>
    </message>
    <message>
        <source>Save every time</source>
        <translation>Guardar siempre</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TPrepPrevForm</name>
    <message>
        <source>Varnoke progress</source>
        <translation>Progreso de Varnoke</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TPreviewForm</name>
    <message>
        <source>Varnoke preview</source>
        <translation>Vista previa de Varnoke</translation>
    </message>
    <message>
        <source>Rename now!</source>
        <translation>¡Renombrar ahora!</translation>
    </message>
    <message>
        <source>By clicking here you start the actual renaming process.<byte value="xd"/>
You may delete files from the file list to skip them.</source>
        <translation>Al pulsar aquí se inicia el renombrado real.<byte value="xd"/>
Puede eliminar archivos de la lista para omitirlos.</translation>
    </message>
    <message>
        <source>Planned files</source>
        <translation>Archivos previstos</translation>
    </message>
    <message>
        <source>&amp;Columns</source>
        <comment>list menu</comment>
        <translation>&amp;Columnas</translation>
    </message>
    <message>
        <source>S&amp;ort list</source>
        <comment>list menu</comment>
        <translation>&amp;Ordenar lista</translation>
    </message>
</context>
<context>
    <name>TimesTaken</name>
    <message>
        <source>Varnoke is reading the times taken</source>
        <translation>Varnoke lee las fechas de captura</translation>
    </message>
    <message>
        <source>No time taken: the file time is used</source>
        <translation>Sin fecha de captura: se usa la fecha del archivo</translation>
    </message>
    <message numerus="yes">
        <source>%n files have no time taken; their file time is used</source>
        <translation>
            <numerusform>%n archivo no tiene fecha de captura; se usa su fecha de archivo</numerusform>
            <numerusform>%n archivos no tienen fecha de captura; se usa su fecha de archivo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files have no time taken; their times are left unchanged</source>
        <translation>
            <numerusform>%n archivo no tiene fecha de captura; sus fechas no cambian</numerusform>
            <numerusform>%n archivos no tienen fecha de captura; sus fechas no cambian</numerusform>
        </translation>
    </message>
</context>
</TS>
