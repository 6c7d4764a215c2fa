<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
    <name>TimesTaken</name>
    <message>
        <source>Varnoke is reading the times taken</source>
        <translation>Varnoke está leyendo las fechas de captura</translation>
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
