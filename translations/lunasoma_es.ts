<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BirthSigns</name>
    <message>
        <source>Aquarius</source>
        <translation>Acuario</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Piscis</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Aries</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Tauro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Géminis</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cáncer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leo</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgo</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpio</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitario</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricornio</translation>
    </message>
</context>
<context>
    <name>ChartFile</name>
    <message>
        <source>Bitmap Image (*.BMP)</source>
        <translation>Imagen de mapa de bits (*.BMP)</translation>
    </message>
    <message>
        <source>bitmap file</source>
        <translation>archivo de mapa de bits</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>imagen PNG</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>dibujo SVG</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>documento PDF</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tabla CSV (*.csv)</translation>
    </message>
    <message>
        <source>CSV table</source>
        <translation>tabla CSV</translation>
    </message>
</context>
<context>
    <name>ChartTexts</name>
    <message>
        <source>Born on {date} ({sign})</source>
        <translation>Nacido el {date} ({sign})</translation>
    </message>
    <message>
        <source>{name}, born on {date} ({sign})</source>
        <translation>{name}, nacido el {date} ({sign})</translation>
    </message>
    <message>
        <source>Age as of {date}: {years} Years ({days} Days)</source>
        <translation>Edad al {date}: {years} años ({days} días)</translation>
    </message>
    <message>
        <source>Invalid date ...</source>
        <translation>Fecha no válida ...</translation>
    </message>
    <message>
        <source>Compared with {name}: Physical {physical}%, Emotional {emotional}%, Mental {mental}%</source>
        <translation>Comparado con {name}: físico {physical} %, emocional {emotional} %, intelectual {mental} %</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Físico</translation>
    </message>
    <message>
        <source>Mental</source>
        <translation>Intelectual</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emocional</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Global</translation>
    </message>
</context>
<context>
    <name>EscapedErrorReport</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Se ha producido un error inesperado.</translation>
    </message>
</context>
<context>
    <name>ExportDialogSetup</name>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save %1 Bitmap</source>
        <translation>Guardar imagen %1</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>InstallActions</name>
    <message>
        <source>The folder

%s

could not be created: %s.

Please select a different folder to install to.</source>
        <translation>No se pudo crear la carpeta

%s

Motivo: %s.

Elija otra carpeta para la instalación.</translation>
    </message>
    <message>
        <source>The folder

%s

apparently already exists. Do you want to overwrite existing files?</source>
        <translation>Parece que la carpeta

%s

ya existe. ¿Desea sobrescribir los archivos existentes?</translation>
    </message>
    <message>
        <source>No changes have been made. Please select a different folder to install to.</source>
        <translation>No se ha hecho ningún cambio. Elija otra carpeta para la instalación.</translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; already exists, but %s has a newer version of this file.

Would you like to install this file?</source>
        <translation>El archivo «%s» ya existe, pero %s trae una versión más reciente de este archivo.

¿Desea instalar este archivo?</translation>
    </message>
    <message>
        <source>the registry could not be written</source>
        <translation>no se pudo escribir en el registro</translation>
    </message>
    <message>
        <source>Read the %s help</source>
        <translation>Leer la ayuda de %s</translation>
    </message>
    <message>
        <source>Biorhythm charts for the days ahead</source>
        <translation>Gráficos de biorritmo para los próximos días</translation>
    </message>
    <message>
        <source>Remove %s from this computer</source>
        <translation>Quitar %s de este equipo</translation>
    </message>
    <message>
        <source>Could not write the uninstall entry: %s

To remove %s later, run %s</source>
        <translation>No se pudo escribir la entrada de desinstalación: %s

Para quitar %s más adelante, ejecute %s</translation>
    </message>
</context>
<context>
    <name>PaletteNames</name>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Granate</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul marino</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Púrpura</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lima</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aguamarina</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
</context>
<context>
    <name>PeopleMenus</name>
    <message>
        <source>Manage People</source>
        <translation>Administrar personas</translation>
    </message>
    <message>
        <source>&amp;People:</source>
        <translation>&amp;Personas:</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>Ca&amp;mbiar nombre...</translation>
    </message>
    <message>
        <source>Change &amp;Birth Date...</source>
        <translation>Cambiar fecha de &amp;nacimiento...</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>New name for %1:</source>
        <translation>Nuevo nombre para %1:</translation>
    </message>
    <message>
        <source>Remove %1 from the people?</source>
        <translation>¿Quitar a %1 de las personas?</translation>
    </message>
    <message>
        <source>Change Birth Date</source>
        <translation>Cambiar fecha de nacimiento</translation>
    </message>
    <message>
        <source>&amp;Birth date of %1:</source>
        <translation>Fecha de &amp;nacimiento de %1:</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Mark &amp;Critical Days</source>
        <translation>Marcar días &amp;críticos</translation>
    </message>
    <message>
        <source>Mark T&amp;oday</source>
        <translation>Marcar &amp;hoy</translation>
    </message>
    <message>
        <source>&amp;People</source>
        <translation>&amp;Personas</translation>
    </message>
    <message>
        <source>&amp;Compare With</source>
        <translation>&amp;Comparar con</translation>
    </message>
    <message>
        <source>&amp;Add Person...</source>
        <translation>&amp;Añadir persona...</translation>
    </message>
    <message>
        <source>&amp;Manage People...</source>
        <translation>A&amp;dministrar personas...</translation>
    </message>
    <message>
        <source>&amp;Nobody</source>
        <translation>&amp;Nadie</translation>
    </message>
    <message>
        <source>A person needs a name.</source>
        <translation>Una persona necesita un nombre.</translation>
    </message>
    <message>
        <source>A name cannot hold a line break.</source>
        <translation>Un nombre no puede contener un salto de línea.</translation>
    </message>
    <message>
        <source>There is already a person called %1.</source>
        <translation>Ya existe una persona llamada %1.</translation>
    </message>
    <message>
        <source>%1 is no longer among the people.</source>
        <translation>%1 ya no está entre las personas.</translation>
    </message>
    <message>
        <source>Add Person</source>
        <translation>Añadir persona</translation>
    </message>
    <message>
        <source>Name of the person born on %1:</source>
        <translation>Nombre de la persona nacida el %1:</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
</context>
<context>
    <name>QtChartDialogs</name>
    <message>
        <source>The folder &quot;%1&quot; does not exist.
Check the path and try again.</source>
        <translation>La carpeta «%1» no existe.
Compruebe la ruta e inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>QtMessageService</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Cerrar sin guardar</translation>
    </message>
</context>
<context>
    <name>ReadoutTexts</name>
    <message>
        <source>{date} / Physical {physical} / Mental {mental} / Emotional {emotional} / Overall {overall}</source>
        <translation>{date} / físico {physical} / intelectual {mental} / emocional {emotional} / global {overall}</translation>
    </message>
    <message>
        <source>{percent}%</source>
        <translation>{percent} %</translation>
    </message>
    <message>
        <source>No chart: the birth date or the start date is not a valid date.</source>
        <translation>No hay gráfico: la fecha de nacimiento o la fecha de inicio no es una fecha válida.</translation>
    </message>
    <message>
        <source>Biorhythm chart for a birth on {birth}, starting on {start}.</source>
        <translation>Gráfico de biorritmo para un nacimiento el {birth}, a partir del {start}.</translation>
    </message>
    <message>
        <source> Today, {date}: Physical {physical}, Mental {mental}, Emotional {emotional}, Overall {overall}.</source>
        <translation> Hoy, {date}: físico {physical}, intelectual {mental}, emocional {emotional}, global {overall}.</translation>
    </message>
    <message>
        <source>{percent} percent</source>
        <translation>{percent} por ciento</translation>
    </message>
    <message>
        <source>minus {percent} percent</source>
        <translation>menos {percent} por ciento</translation>
    </message>
    <message>
        <source> (critical)</source>
        <translation> (crítico)</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file &apos;%1&apos; could not be read and was kept as &apos;%2&apos;.</source>
        <translation>No se pudo leer el archivo de configuración «%1» y se ha guardado como «%2».</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; could not be read and could not be kept aside: %2.</source>
        <translation>No se pudo leer el archivo de configuración «%1» ni apartarlo: %2.</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; could not be read: %2.</source>
        <translation>No se pudo leer el archivo de configuración «%1»: %2.</translation>
    </message>
    <message>
        <source> The program starts with its default settings.</source>
        <translation> El programa se inicia con su configuración predeterminada.</translation>
    </message>
</context>
<context>
    <name>SetupItemPainter</name>
    <message>
        <source>No Line</source>
        <translation>Sin línea</translation>
    </message>
</context>
<context>
    <name>SetupPage</name>
    <message>
        <source>No Line</source>
        <translation>Sin línea</translation>
    </message>
    <message>
        <source>Width %1</source>
        <translation>Grosor %1</translation>
    </message>
    <message>
        <source>Range of weeks to show</source>
        <translation>Número de semanas que se muestran</translation>
    </message>
    <message>
        <source> Style </source>
        <translation> Estilo </translation>
    </message>
    <message>
        <source>Style of graphic</source>
        <translation>Estilo del gráfico</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>High/Low</source>
        <translation>Alto/Bajo</translation>
    </message>
    <message>
        <source> Line Widths </source>
        <translation> Grosor de línea </translation>
    </message>
    <message>
        <source>Line widths for graphic</source>
        <translation>Grosor de las líneas del gráfico</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Físico</translation>
    </message>
    <message>
        <source>Mental</source>
        <translation>Intelectual</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emocional</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Global</translation>
    </message>
    <message>
        <source> General </source>
        <translation> General </translation>
    </message>
    <message>
        <source>Save Start Date</source>
        <translation>Recordar fecha</translation>
    </message>
    <message>
        <source>Current start date will be used for next session</source>
        <translation>La fecha de inicio actual se usará en la próxima sesión</translation>
    </message>
    <message>
        <source>Show Hints</source>
        <translation>Mostrar ayudas</translation>
    </message>
    <message>
        <source>Show these popup hints</source>
        <translation>Mostrar estas ayudas emergentes</translation>
    </message>
    <message>
        <source>Separator Lines</source>
        <translation>Separadores</translation>
    </message>
    <message>
        <source>Show daily vertical lines in graphic</source>
        <translation>Mostrar una línea vertical por día en el gráfico</translation>
    </message>
    <message>
        <source>Hide Flash Screen</source>
        <translation>Sin presentación</translation>
    </message>
    <message>
        <source>Hide initial flash screen on startup</source>
        <translation>No mostrar la pantalla de presentación al iniciar</translation>
    </message>
    <message>
        <source> Color Settings </source>
        <translation> Colores </translation>
    </message>
    <message>
        <source>Color settings for graphic</source>
        <translation>Colores del gráfico</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>%1 Line Width</source>
        <translation>Grosor de línea %1</translation>
    </message>
    <message>
        <source>%1 Color</source>
        <translation>Color %1</translation>
    </message>
    <message>
        <source> Show %1 Week </source>
        <translation> Mostrar %1 semana </translation>
    </message>
    <message>
        <source> Show %1 Weeks </source>
        <translation> Mostrar %1 semanas </translation>
    </message>
</context>
<context>
    <name>SetupWizardEntry</name>
    <message>
        <source>Sorry, this program is specifically designed to run under Windows 95 or WindowsNT 4.0.</source>
        <translation>Lo sentimos, este programa está diseñado específicamente para Windows 95 o Windows NT 4.0.</translation>
    </message>
</context>
<context>
    <name>StartMode</name>
    <message>
        <source>The help file &quot;%1&quot; cannot be opened.</source>
        <translation>No se puede abrir el archivo de ayuda «%1».</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>World Wide Web</source>
        <translation>World Wide Web</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Click to close this dialog</source>
        <translation>Haga clic para cerrar este cuadro</translation>
    </message>
    <message>
        <source>%1 - Version %2</source>
        <translation>%1 - Versión %2</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Todos los derechos reservados.</translation>
    </message>
</context>
<context>
    <name>TfrmBio</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>Página &amp;anterior</translation>
    </message>
    <message>
        <source>One Day &amp;Back</source>
        <translation>&amp;Retroceder un día</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Hoy</translation>
    </message>
    <message>
        <source>One Day &amp;Forward</source>
        <translation>A&amp;vanzar un día</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>Página &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;Save As Bitmap</source>
        <translation>&amp;Guardar como imagen</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Vista &amp;previa de impresión</translation>
    </message>
    <message>
        <source>Set As &amp;Wallpaper (Tiled)</source>
        <translation>Usar como &amp;fondo de escritorio (mosaico)</translation>
    </message>
    <message>
        <source>Set As Wa&amp;llpaper (Centered)</source>
        <translation>Usar como fondo de escritorio (&amp;centrado)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Copy Program for a Friend</source>
        <translation>&amp;Copiar el programa para un amigo</translation>
    </message>
    <message>
        <source>&amp;Latest Corvanti Products</source>
        <translation>Ú&amp;ltimos productos de Corvanti</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Only a copy installed by its own Setup, or a complete download, can be copied for a friend: the program&apos;s files are not all in its folder</source>
        <translation>Solo una copia instalada con su propio programa de instalación, o una descarga completa, puede copiarse para un amigo: los archivos del programa no están todos en su carpeta</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; could not be written.

%3</source>
        <translation>No se pudo escribir «%2» (%1).

%3</translation>
    </message>
    <message>
        <source>The chart could not be printed on &quot;%1&quot;.</source>
        <translation>No se pudo imprimir el gráfico en «%1».</translation>
    </message>
    <message>
        <source>The chart cannot be put on paper while a date is not valid.</source>
        <translation>El gráfico no se puede imprimir mientras una fecha no sea válida.</translation>
    </message>
    <message>
        <source>Could not set desktop wallpaper!</source>
        <translation>¡No se pudo establecer el fondo de escritorio!</translation>
    </message>
    <message>
        <source>Birth date for calculations</source>
        <translation>Fecha de nacimiento para los cálculos</translation>
    </message>
    <message>
        <source>Date to start with</source>
        <translation>Fecha con la que empieza el gráfico</translation>
    </message>
    <message>
        <source>B&amp;irth Date</source>
        <translation>Fecha de &amp;nacimiento</translation>
    </message>
    <message>
        <source>St&amp;art Date</source>
        <translation>Fecha de &amp;inicio</translation>
    </message>
    <message>
        <source>&amp;Biorhythm</source>
        <translation>&amp;Biorritmo</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>Divider</source>
        <translation>Divisor</translation>
    </message>
    <message>
        <source>Drag to share the window between the date fields and the chart</source>
        <translation>Arrastre para repartir la ventana entre los campos de fecha y el gráfico</translation>
    </message>
    <message>
        <source>Biorhythm and Setup</source>
        <translation>Biorritmo y configuración</translation>
    </message>
    <message>
        <source>The chart, and the setup of how it is drawn</source>
        <translation>El gráfico y la configuración de cómo se dibuja</translation>
    </message>
    <message>
        <source>Biorhythm chart</source>
        <translation>Gráfico de biorritmo</translation>
    </message>
</context>
<context>
    <name>TfrmCal</name>
    <message>
        <source>Year back</source>
        <translation>Año anterior</translation>
    </message>
    <message>
        <source>Month back</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Hoy</translation>
    </message>
    <message>
        <source>Jump to Today</source>
        <translation>Ir a hoy</translation>
    </message>
    <message>
        <source>Month foreward</source>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <source>Year foreward</source>
        <translation>Año siguiente</translation>
    </message>
    <message>
        <source>%1 calendar</source>
        <translation>Calendario %1</translation>
    </message>
</context>
<context>
    <name>TfrmCopyProgram</name>
    <message>
        <source>Select the drive you want to copy to</source>
        <translation>Elija la unidad a la que desea copiar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Copy %s for a Friend</source>
        <translation>Copiar %s para un amigo</translation>
    </message>
    <message>
        <source>Choose the drive you want to copy %s to, for example a floppy disk or a USB stick for a friend.%sThe program&apos;s files are copied into a folder of that name at the top of the drive.</source>
        <translation>Elija la unidad a la que desea copiar %s, por ejemplo un disquete o una memoria USB para un amigo.%sLos archivos del programa se copian en una carpeta con ese nombre en la raíz de la unidad.</translation>
    </message>
    <message>
        <source>Copy to folder %1</source>
        <translation>Copiar en la carpeta %1</translation>
    </message>
    <message>
        <source>Cannot copy to the same directory this program is running from.</source>
        <translation>No se puede copiar en la misma carpeta desde la que se ejecuta este programa.</translation>
    </message>
    <message>
        <source>Error writing to drive %s. If this is a removable drive make sure there is a disk in the drive and try again.</source>
        <translation>Error al escribir en la unidad %s. Si es una unidad extraíble, compruebe que haya un disco en ella e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>One or more files are missing from the original installation. Please obtain a new copy from our web site.</source>
        <translation>Faltan uno o más archivos de la instalación original. Obtenga una copia nueva en nuestro sitio web.</translation>
    </message>
    <message>
        <source>An error occurred copying the files. Please make sure you have a disk in the floppy drive and try again.</source>
        <translation>Se ha producido un error al copiar los archivos. Compruebe que haya un disquete en la unidad e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Done!</source>
        <translation>¡Listo!</translation>
    </message>
</context>
<context>
    <name>TfrmInstall</name>
    <message>
        <source>Finish</source>
        <translation>Finalizar</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Siguiente &gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Atrás</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>Cancel installation</source>
        <translation>Cancelar la instalación</translation>
    </message>
    <message>
        <source>Please select a parent folder for %s. Click on Next to proceed.</source>
        <translation>Elija una carpeta principal para %s. Haga clic en Siguiente para continuar.</translation>
    </message>
    <message>
        <source>Select the drive where you want to install this program</source>
        <translation>Elija la unidad en la que desea instalar este programa</translation>
    </message>
    <message>
        <source>Select the folder(s) where you want to install this program</source>
        <translation>Elija la carpeta en la que desea instalar este programa</translation>
    </message>
    <message>
        <source>Please select from where you would like to be able to run %s.</source>
        <translation>Elija desde dónde desea poder ejecutar %s.</translation>
    </message>
    <message>
        <source>Add %s to the Start Menu</source>
        <translation>Añadir %s al menú Inicio</translation>
    </message>
    <message>
        <source>Creates a group in Windows&apos; Start Menu</source>
        <translation>Crea un grupo en el menú Inicio de Windows</translation>
    </message>
    <message>
        <source>Automatically run %s on Windows startup</source>
        <translation>Ejecutar %s al iniciar Windows</translation>
    </message>
    <message>
        <source>Automatically runs this program when you start Windows</source>
        <translation>Ejecuta este programa automáticamente al iniciar Windows</translation>
    </message>
    <message>
        <source>Add %s icon to the Desktop</source>
        <translation>Añadir el icono de %s al escritorio</translation>
    </message>
    <message>
        <source>Creates a shortcut icon on your desktop</source>
        <translation>Crea un acceso directo en el escritorio</translation>
    </message>
    <message>
        <source>The following files will be installed on your system</source>
        <translation>Se instalarán los siguientes archivos en su sistema</translation>
    </message>
    <message>
        <source>These files will be installed on your system</source>
        <translation>Estos archivos se instalarán en su sistema</translation>
    </message>
    <message>
        <source>Click on Finish to install %s.</source>
        <translation>Haga clic en Finalizar para instalar %s.</translation>
    </message>
    <message>
        <source>Installation has been completed successfully!</source>
        <translation>¡La instalación ha finalizado correctamente!</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>According to your system clock you have downloaded a version of this program which is older than 6 months! There is a very good chance that this program has been replaced by a newer version. Please go to the following WWW address to verify:</source>
        <translation>Según el reloj de su sistema, ha descargado una versión de este programa con más de 6 meses de antigüedad. Es muy probable que ya exista una versión más reciente. Compruébelo en la siguiente dirección WWW:</translation>
    </message>
    <message>
        <source>However, you can continue to install this version by clicking on Next.</source>
        <translation>No obstante, puede seguir instalando esta versión haciendo clic en Siguiente.</translation>
    </message>
    <message>
        <source>Click here to jump to Corvanti&apos;s home page on the World Wide Web</source>
        <translation>Haga clic aquí para ir a la página de Corvanti en la World Wide Web</translation>
    </message>
    <message>
        <source>%1 Setup</source>
        <translation>Instalación de %1</translation>
    </message>
</context>
<context>
    <name>TfrmInstallFlow</name>
    <message>
        <source>Are you sure you want to cancel the installation of %s?</source>
        <translation>¿Seguro que desea cancelar la instalación de %s?</translation>
    </message>
</context>
<context>
    <name>TfrmProducts</name>
    <message>
        <source>Latest %1 Products</source>
        <translation>Últimos productos de %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;%1 keeps adding to its range of programs for body and mind.&lt;/p&gt;&lt;p&gt;The latest %1 products, updates to %2 and free trial versions are waiting for you on the World Wide Web at&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;&lt;p&gt;Drop by now and then: new titles appear there first.&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1 amplía sin cesar su gama de programas para el cuerpo y la mente.&lt;/p&gt;&lt;p&gt;Los últimos productos de %1, las actualizaciones de %2 y versiones de prueba gratuitas le esperan en la World Wide Web, en&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;&lt;p&gt;Vuelva de vez en cuando: las novedades aparecen allí primero.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>The file

%s

may be used by another application. Do you want to delete it?</source>
        <translation>Puede que otra aplicación esté usando el archivo

%s

¿Desea eliminarlo?</translation>
    </message>
    <message>
        <source>These files in

%s

were left where they are, because they are not the ones %s installed:

%s</source>
        <translation>Estos archivos en

%s

se han dejado donde estaban, porque no son los que instaló %s:

%s</translation>
    </message>
    <message>
        <source>No installation of %s is registered, so the copy in

%s

cannot be uninstalled. Nothing has been changed.</source>
        <translation>No hay ninguna instalación de %s registrada, así que la copia de

%s

no se puede desinstalar. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The copy of %s in

%s

is not the installed one. The uninstall entry names the installation in

%s

Run the uninstall from there. Nothing has been changed.</source>
        <translation>La copia de %s en

%s

no es la instalada. La entrada de desinstalación indica la instalación de

%s

Ejecute la desinstalación desde allí. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The program file

%s

could not be removed automatically. Please delete it by hand.</source>
        <translation>No se pudo quitar automáticamente el archivo del programa

%s

Elimínelo a mano.</translation>
    </message>
    <message>
        <source>The program file and the folder

%s

could not be removed automatically. Please delete them by hand.</source>
        <translation>No se pudieron quitar automáticamente el archivo del programa y la carpeta

%s

Elimínelos a mano.</translation>
    </message>
    <message>
        <source>Are you sure you want to uninstall %s?</source>
        <translation>¿Seguro que desea desinstalar %s?</translation>
    </message>
    <message>
        <source>%s has been uninstalled.</source>
        <translation>%s se ha desinstalado.</translation>
    </message>
</context>
</TS>
