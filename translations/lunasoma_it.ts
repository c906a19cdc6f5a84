<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>BirthSigns</name>
    <message>
        <source>Aquarius</source>
        <translation>Acquario</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Pesci</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Ariete</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Toro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gemelli</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cancro</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leone</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Vergine</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Bilancia</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Scorpione</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagittario</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricorno</translation>
    </message>
</context>
<context>
    <name>ChartFile</name>
    <message>
        <source>Bitmap Image (*.BMP)</source>
        <translation>Immagine bitmap (*.BMP)</translation>
    </message>
    <message>
        <source>bitmap file</source>
        <translation>file bitmap</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Immagine PNG (*.png)</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>immagine PNG</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Disegno SVG (*.svg)</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>disegno SVG</translation>
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
        <translation>Tabella CSV (*.csv)</translation>
    </message>
    <message>
        <source>CSV table</source>
        <translation>tabella CSV</translation>
    </message>
</context>
<context>
    <name>ChartTexts</name>
    <message>
        <source>Born on {date} ({sign})</source>
        <translation>Nato il {date} ({sign})</translation>
    </message>
    <message>
        <source>{name}, born on {date} ({sign})</source>
        <translation>{name}, nato il {date} ({sign})</translation>
    </message>
    <message>
        <source>Age as of {date}: {years} Years ({days} Days)</source>
        <translation>Età al {date}: {years} anni ({days} giorni)</translation>
    </message>
    <message>
        <source>Invalid date ...</source>
        <translation>Data non valida ...</translation>
    </message>
    <message>
        <source>Compared with {name}: Physical {physical}%, Emotional {emotional}%, Mental {mental}%</source>
        <translation>Confronto con {name}: fisico {physical}%, emotivo {emotional}%, intellettivo {mental}%</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Fisico</translation>
    </message>
    <message>
        <source>Mental</source>
        <translation>Intellettivo</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emotivo</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Globale</translation>
    </message>
</context>
<context>
    <name>EscapedErrorReport</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Si è verificato un errore imprevisto.</translation>
    </message>
</context>
<context>
    <name>ExportDialogSetup</name>
    <message>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Save %1 Bitmap</source>
        <translation>Salva immagine %1</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
</context>
<context>
    <name>InstallActions</name>
    <message>
        <source>The folder

%s

could not be created: %s.

Please select a different folder to install to.</source>
        <translation>Impossibile creare la cartella

%s

Motivo: %s.

Scegliere un&apos;altra cartella di installazione.</translation>
    </message>
    <message>
        <source>The folder

%s

apparently already exists. Do you want to overwrite existing files?</source>
        <translation>La cartella

%s

sembra esistere già. Sovrascrivere i file esistenti?</translation>
    </message>
    <message>
        <source>No changes have been made. Please select a different folder to install to.</source>
        <translation>Non è stato modificato nulla. Scegliere un&apos;altra cartella di installazione.</translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; already exists, but %s has a newer version of this file.

Would you like to install this file?</source>
        <translation>Il file «%s» esiste già, ma %s ne porta una versione più recente.

Installare questo file?</translation>
    </message>
    <message>
        <source>the registry could not be written</source>
        <translation>impossibile scrivere nel registro</translation>
    </message>
    <message>
        <source>Read the %s help</source>
        <translation>Leggi la guida di %s</translation>
    </message>
    <message>
        <source>Biorhythm charts for the days ahead</source>
        <translation>Grafici del bioritmo per i prossimi giorni</translation>
    </message>
    <message>
        <source>Remove %s from this computer</source>
        <translation>Rimuovi %s da questo computer</translation>
    </message>
    <message>
        <source>Could not write the uninstall entry: %s

To remove %s later, run %s</source>
        <translation>Impossibile scrivere la voce di disinstallazione: %s

Per rimuovere %s in seguito, eseguire %s</translation>
    </message>
</context>
<context>
    <name>PaletteNames</name>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Marrone</translation>
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
        <translation>Blu marino</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde acqua</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grigio</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argento</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Verde lime</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Azzurro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
</context>
<context>
    <name>PeopleMenus</name>
    <message>
        <source>Manage People</source>
        <translation>Gestisci persone</translation>
    </message>
    <message>
        <source>&amp;People:</source>
        <translation>&amp;Persone:</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Rinomina...</translation>
    </message>
    <message>
        <source>Change &amp;Birth Date...</source>
        <translation>Cambia data di &amp;nascita...</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Ri&amp;muovi</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>New name for %1:</source>
        <translation>Nuovo nome per %1:</translation>
    </message>
    <message>
        <source>Remove %1 from the people?</source>
        <translation>Rimuovere %1 dalle persone?</translation>
    </message>
    <message>
        <source>Change Birth Date</source>
        <translation>Cambia data di nascita</translation>
    </message>
    <message>
        <source>&amp;Birth date of %1:</source>
        <translation>Data di &amp;nascita di %1:</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Mark &amp;Critical Days</source>
        <translation>Segna giorni &amp;critici</translation>
    </message>
    <message>
        <source>Mark T&amp;oday</source>
        <translation>Segna &amp;oggi</translation>
    </message>
    <message>
        <source>&amp;People</source>
        <translation>P&amp;ersone</translation>
    </message>
    <message>
        <source>&amp;Compare With</source>
        <translation>&amp;Confronta con</translation>
    </message>
    <message>
        <source>&amp;Add Person...</source>
        <translation>&amp;Aggiungi persona...</translation>
    </message>
    <message>
        <source>&amp;Manage People...</source>
        <translation>&amp;Gestisci persone...</translation>
    </message>
    <message>
        <source>&amp;Nobody</source>
        <translation>&amp;Nessuno</translation>
    </message>
    <message>
        <source>A person needs a name.</source>
        <translation>Una persona deve avere un nome.</translation>
    </message>
    <message>
        <source>A name cannot hold a line break.</source>
        <translation>Un nome non può contenere un a capo.</translation>
    </message>
    <message>
        <source>There is already a person called %1.</source>
        <translation>Esiste già una persona di nome %1.</translation>
    </message>
    <message>
        <source>%1 is no longer among the people.</source>
        <translation>%1 non è più tra le persone.</translation>
    </message>
    <message>
        <source>Add Person</source>
        <translation>Aggiungi persona</translation>
    </message>
    <message>
        <source>Name of the person born on %1:</source>
        <translation>Nome della persona nata il %1:</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
</context>
<context>
    <name>QtChartDialogs</name>
    <message>
        <source>The folder &quot;%1&quot; does not exist.
Check the path and try again.</source>
        <translation>La cartella «%1» non esiste.
Controllare il percorso e riprovare.</translation>
    </message>
</context>
<context>
    <name>QtMessageService</name>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Chiudi senza salvare</translation>
    </message>
</context>
<context>
    <name>ReadoutTexts</name>
    <message>
        <source>{date} / Physical {physical} / Mental {mental} / Emotional {emotional} / Overall {overall}</source>
        <translation>{date} / fisico {physical} / intellettivo {mental} / emotivo {emotional} / globale {overall}</translation>
    </message>
    <message>
        <source>{percent}%</source>
        <translation>{percent}%</translation>
    </message>
    <message>
        <source>No chart: the birth date or the start date is not a valid date.</source>
        <translation>Nessun grafico: la data di nascita o la data di inizio non è una data valida.</translation>
    </message>
    <message>
        <source>Biorhythm chart for a birth on {birth}, starting on {start}.</source>
        <translation>Grafico del bioritmo per una nascita il {birth}, a partire dal {start}.</translation>
    </message>
    <message>
        <source> Today, {date}: Physical {physical}, Mental {mental}, Emotional {emotional}, Overall {overall}.</source>
        <translation> Oggi, {date}: fisico {physical}, intellettivo {mental}, emotivo {emotional}, globale {overall}.</translation>
    </message>
    <message>
        <source>{percent} percent</source>
        <translation>{percent} per cento</translation>
    </message>
    <message>
        <source>minus {percent} percent</source>
        <translation>meno {percent} per cento</translation>
    </message>
    <message>
        <source> (critical)</source>
        <translation> (critico)</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file &apos;%1&apos; could not be read and was kept as &apos;%2&apos;.</source>
        <translation>Impossibile leggere il file delle impostazioni «%1»; è stato conservato come «%2».</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; could not be read and could not be kept aside: %2.</source>
        <translation>Impossibile leggere il file delle impostazioni «%1» e impossibile metterlo da parte: %2.</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; could not be read: %2.</source>
        <translation>Impossibile leggere il file delle impostazioni «%1»: %2.</translation>
    </message>
    <message>
        <source> The program starts with its default settings.</source>
        <translation> Il programma si avvia con le impostazioni predefinite.</translation>
    </message>
</context>
<context>
    <name>SetupItemPainter</name>
    <message>
        <source>No Line</source>
        <translation>Nessuna</translation>
    </message>
</context>
<context>
    <name>SetupPage</name>
    <message>
        <source>No Line</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Width %1</source>
        <translation>Spessore %1</translation>
    </message>
    <message>
        <source>Range of weeks to show</source>
        <translation>Numero di settimane da mostrare</translation>
    </message>
    <message>
        <source> Style </source>
        <translation> Stile </translation>
    </message>
    <message>
        <source>Style of graphic</source>
        <translation>Stile del grafico</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linea</translation>
    </message>
    <message>
        <source>High/Low</source>
        <translation>Alto/Basso</translation>
    </message>
    <message>
        <source> Line Widths </source>
        <translation> Spessori </translation>
    </message>
    <message>
        <source>Line widths for graphic</source>
        <translation>Spessore delle linee del grafico</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Fisico</translation>
    </message>
    <message>
        <source>Mental</source>
        <translation>Intellettivo</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emotivo</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Globale</translation>
    </message>
    <message>
        <source> General </source>
        <translation> Generale </translation>
    </message>
    <message>
        <source>Save Start Date</source>
        <translation>Ricorda data</translation>
    </message>
    <message>
        <source>Current start date will be used for next session</source>
        <translation>La data di inizio attuale verrà usata nella prossima sessione</translation>
    </message>
    <message>
        <source>Show Hints</source>
        <translation>Suggerimenti</translation>
    </message>
    <message>
        <source>Show these popup hints</source>
        <translation>Mostra questi suggerimenti</translation>
    </message>
    <message>
        <source>Separator Lines</source>
        <translation>Separatori</translation>
    </message>
    <message>
        <source>Show daily vertical lines in graphic</source>
        <translation>Mostra una linea verticale per ogni giorno nel grafico</translation>
    </message>
    <message>
        <source>Hide Flash Screen</source>
        <translation>Senza schermata</translation>
    </message>
    <message>
        <source>Hide initial flash screen on startup</source>
        <translation>Non mostrare la schermata iniziale all&apos;avvio</translation>
    </message>
    <message>
        <source> Color Settings </source>
        <translation> Colori </translation>
    </message>
    <message>
        <source>Color settings for graphic</source>
        <translation>Colori del grafico</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>%1 Line Width</source>
        <translation>Spessore linea %1</translation>
    </message>
    <message>
        <source>%1 Color</source>
        <translation>Colore %1</translation>
    </message>
    <message>
        <source> Show %1 Week </source>
        <translation> Mostra %1 settimana </translation>
    </message>
    <message>
        <source> Show %1 Weeks </source>
        <translation> Mostra %1 settimane </translation>
    </message>
</context>
<context>
    <name>SetupWizardEntry</name>
    <message>
        <source>Sorry, this program is specifically designed to run under Windows 95 or WindowsNT 4.0.</source>
        <translation>Spiacenti, questo programma è stato progettato appositamente per Windows 95 o Windows NT 4.0.</translation>
    </message>
</context>
<context>
    <name>StartMode</name>
    <message>
        <source>The help file &quot;%1&quot; cannot be opened.</source>
        <translation>Impossibile aprire il file della guida «%1».</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>World Wide Web</source>
        <translation>World Wide Web</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefono</translation>
    </message>
    <message>
        <source>Click to close this dialog</source>
        <translation>Fare clic per chiudere questa finestra</translation>
    </message>
    <message>
        <source>%1 - Version %2</source>
        <translation>%1 - Versione %2</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Tutti i diritti riservati.</translation>
    </message>
</context>
<context>
    <name>TfrmBio</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>Pagina &amp;precedente</translation>
    </message>
    <message>
        <source>One Day &amp;Back</source>
        <translation>Un giorno &amp;indietro</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Oggi</translation>
    </message>
    <message>
        <source>One Day &amp;Forward</source>
        <translation>Un giorno &amp;avanti</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>Pagina &amp;successiva</translation>
    </message>
    <message>
        <source>&amp;Save As Bitmap</source>
        <translation>Sal&amp;va come immagine</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>S&amp;tampa</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>A&amp;nteprima di stampa</translation>
    </message>
    <message>
        <source>Set As &amp;Wallpaper (Tiled)</source>
        <translation>Imposta come sfondo (affian&amp;cato)</translation>
    </message>
    <message>
        <source>Set As Wa&amp;llpaper (Centered)</source>
        <translation>Imposta come sfon&amp;do (centrato)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;uto</translation>
    </message>
    <message>
        <source>&amp;Copy Program for a Friend</source>
        <translation>&amp;Copia il programma per un amico</translation>
    </message>
    <message>
        <source>&amp;Latest Corvanti Products</source>
        <translation>Ultimi &amp;prodotti Corvanti</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Only a copy installed by its own Setup, or a complete download, can be copied for a friend: the program&apos;s files are not all in its folder</source>
        <translation>Solo una copia installata con il proprio programma di installazione, o uno scaricamento completo, può essere copiata per un amico: i file del programma non sono tutti nella sua cartella</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; could not be written.

%3</source>
        <translation>Impossibile scrivere «%2» (%1).

%3</translation>
    </message>
    <message>
        <source>The chart could not be printed on &quot;%1&quot;.</source>
        <translation>Impossibile stampare il grafico su «%1».</translation>
    </message>
    <message>
        <source>The chart cannot be put on paper while a date is not valid.</source>
        <translation>Il grafico non può essere stampato finché una data non è valida.</translation>
    </message>
    <message>
        <source>Could not set desktop wallpaper!</source>
        <translation>Impossibile impostare lo sfondo del desktop!</translation>
    </message>
    <message>
        <source>Birth date for calculations</source>
        <translation>Data di nascita per i calcoli</translation>
    </message>
    <message>
        <source>Date to start with</source>
        <translation>Data da cui parte il grafico</translation>
    </message>
    <message>
        <source>B&amp;irth Date</source>
        <translation>Data di &amp;nascita</translation>
    </message>
    <message>
        <source>St&amp;art Date</source>
        <translation>Data di &amp;inizio</translation>
    </message>
    <message>
        <source>&amp;Biorhythm</source>
        <translation>&amp;Bioritmo</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>Im&amp;postazioni</translation>
    </message>
    <message>
        <source>Divider</source>
        <translation>Divisore</translation>
    </message>
    <message>
        <source>Drag to share the window between the date fields and the chart</source>
        <translation>Trascinare per dividere la finestra tra i campi delle date e il grafico</translation>
    </message>
    <message>
        <source>Biorhythm and Setup</source>
        <translation>Bioritmo e impostazioni</translation>
    </message>
    <message>
        <source>The chart, and the setup of how it is drawn</source>
        <translation>Il grafico e le impostazioni del suo disegno</translation>
    </message>
    <message>
        <source>Biorhythm chart</source>
        <translation>Grafico del bioritmo</translation>
    </message>
</context>
<context>
    <name>TfrmCal</name>
    <message>
        <source>Year back</source>
        <translation>Anno precedente</translation>
    </message>
    <message>
        <source>Month back</source>
        <translation>Mese precedente</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Oggi</translation>
    </message>
    <message>
        <source>Jump to Today</source>
        <translation>Vai a oggi</translation>
    </message>
    <message>
        <source>Month foreward</source>
        <translation>Mese successivo</translation>
    </message>
    <message>
        <source>Year foreward</source>
        <translation>Anno successivo</translation>
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
        <translation>Scegliere l&apos;unità su cui copiare</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Copy %s for a Friend</source>
        <translation>Copia %s per un amico</translation>
    </message>
    <message>
        <source>Choose the drive you want to copy %s to, for example a floppy disk or a USB stick for a friend.%sThe program&apos;s files are copied into a folder of that name at the top of the drive.</source>
        <translation>Scegliere l&apos;unità su cui copiare %s, ad esempio un dischetto o una chiavetta USB per un amico.%sI file del programma vengono copiati in una cartella con quel nome nella radice dell&apos;unità.</translation>
    </message>
    <message>
        <source>Copy to folder %1</source>
        <translation>Copia nella cartella %1</translation>
    </message>
    <message>
        <source>Cannot copy to the same directory this program is running from.</source>
        <translation>Impossibile copiare nella stessa cartella da cui viene eseguito questo programma.</translation>
    </message>
    <message>
        <source>Error writing to drive %s. If this is a removable drive make sure there is a disk in the drive and try again.</source>
        <translation>Errore di scrittura sull&apos;unità %s. Se è un&apos;unità rimovibile, verificare che vi sia inserito un disco e riprovare.</translation>
    </message>
    <message>
        <source>One or more files are missing from the original installation. Please obtain a new copy from our web site.</source>
        <translation>Mancano uno o più file dell&apos;installazione originale. Scaricare una nuova copia dal nostro sito web.</translation>
    </message>
    <message>
        <source>An error occurred copying the files. Please make sure you have a disk in the floppy drive and try again.</source>
        <translation>Si è verificato un errore durante la copia dei file. Verificare che nell&apos;unità vi sia un dischetto e riprovare.</translation>
    </message>
    <message>
        <source>Done!</source>
        <translation>Fatto!</translation>
    </message>
</context>
<context>
    <name>TfrmInstall</name>
    <message>
        <source>Finish</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Avanti &gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Indietro</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Pagina precedente</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Pagina successiva</translation>
    </message>
    <message>
        <source>Cancel installation</source>
        <translation>Annulla l&apos;installazione</translation>
    </message>
    <message>
        <source>Please select a parent folder for %s. Click on Next to proceed.</source>
        <translation>Scegliere una cartella superiore per %s. Fare clic su Avanti per proseguire.</translation>
    </message>
    <message>
        <source>Select the drive where you want to install this program</source>
        <translation>Scegliere l&apos;unità su cui installare questo programma</translation>
    </message>
    <message>
        <source>Select the folder(s) where you want to install this program</source>
        <translation>Scegliere la cartella in cui installare questo programma</translation>
    </message>
    <message>
        <source>Please select from where you would like to be able to run %s.</source>
        <translation>Scegliere da dove si desidera avviare %s.</translation>
    </message>
    <message>
        <source>Add %s to the Start Menu</source>
        <translation>Aggiungi %s al menu Start</translation>
    </message>
    <message>
        <source>Creates a group in Windows&apos; Start Menu</source>
        <translation>Crea un gruppo nel menu Start di Windows</translation>
    </message>
    <message>
        <source>Automatically run %s on Windows startup</source>
        <translation>Avvia %s all&apos;avvio di Windows</translation>
    </message>
    <message>
        <source>Automatically runs this program when you start Windows</source>
        <translation>Avvia automaticamente questo programma all&apos;avvio di Windows</translation>
    </message>
    <message>
        <source>Add %s icon to the Desktop</source>
        <translation>Aggiungi l&apos;icona di %s al desktop</translation>
    </message>
    <message>
        <source>Creates a shortcut icon on your desktop</source>
        <translation>Crea un collegamento sul desktop</translation>
    </message>
    <message>
        <source>The following files will be installed on your system</source>
        <translation>I seguenti file verranno installati nel sistema</translation>
    </message>
    <message>
        <source>These files will be installed on your system</source>
        <translation>Questi file verranno installati nel sistema</translation>
    </message>
    <message>
        <source>Click on Finish to install %s.</source>
        <translation>Fare clic su Fine per installare %s.</translation>
    </message>
    <message>
        <source>Installation has been completed successfully!</source>
        <translation>L&apos;installazione è stata completata correttamente!</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>According to your system clock you have downloaded a version of this program which is older than 6 months! There is a very good chance that this program has been replaced by a newer version. Please go to the following WWW address to verify:</source>
        <translation>Secondo l&apos;orologio di sistema, è stata scaricata una versione di questo programma più vecchia di 6 mesi! È molto probabile che sia stata sostituita da una versione più recente. Verificare al seguente indirizzo WWW:</translation>
    </message>
    <message>
        <source>However, you can continue to install this version by clicking on Next.</source>
        <translation>È comunque possibile installare questa versione facendo clic su Avanti.</translation>
    </message>
    <message>
        <source>Click here to jump to Corvanti&apos;s home page on the World Wide Web</source>
        <translation>Fare clic qui per aprire la home page di Corvanti sul World Wide Web</translation>
    </message>
    <message>
        <source>%1 Setup</source>
        <translation>Installazione di %1</translation>
    </message>
</context>
<context>
    <name>TfrmInstallFlow</name>
    <message>
        <source>Are you sure you want to cancel the installation of %s?</source>
        <translation>Annullare davvero l&apos;installazione di %s?</translation>
    </message>
</context>
<context>
    <name>TfrmProducts</name>
    <message>
        <source>Latest %1 Products</source>
        <translation>Ultimi prodotti %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;%1 keeps adding to its range of programs for body and mind.&lt;/p&gt;&lt;p&gt;The latest %1 products, updates to %2 and free trial versions are waiting for you on the World Wide Web at&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;&lt;p&gt;Drop by now and then: new titles appear there first.&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1 amplia continuamente la sua gamma di programmi per il corpo e la mente.&lt;/p&gt;&lt;p&gt;Gli ultimi prodotti %1, gli aggiornamenti di %2 e le versioni di prova gratuite vi aspettano sul World Wide Web all&apos;indirizzo&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;&lt;p&gt;Passate ogni tanto: le novità compaiono lì per prime.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>The file

%s

may be used by another application. Do you want to delete it?</source>
        <translation>Il file

%s

potrebbe essere in uso da un&apos;altra applicazione. Eliminarlo?</translation>
    </message>
    <message>
        <source>These files in

%s

were left where they are, because they are not the ones %s installed:

%s</source>
        <translation>Questi file in

%s

sono stati lasciati al loro posto, perché non sono quelli installati da %s:

%s</translation>
    </message>
    <message>
        <source>No installation of %s is registered, so the copy in

%s

cannot be uninstalled. Nothing has been changed.</source>
        <translation>Non risulta registrata alcuna installazione di %s, quindi la copia in

%s

non può essere disinstallata. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>The copy of %s in

%s

is not the installed one. The uninstall entry names the installation in

%s

Run the uninstall from there. Nothing has been changed.</source>
        <translation>La copia di %s in

%s

non è quella installata. La voce di disinstallazione indica l&apos;installazione in

%s

Eseguire la disinstallazione da lì. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>The program file

%s

could not be removed automatically. Please delete it by hand.</source>
        <translation>Impossibile rimuovere automaticamente il file del programma

%s

Eliminarlo a mano.</translation>
    </message>
    <message>
        <source>The program file and the folder

%s

could not be removed automatically. Please delete them by hand.</source>
        <translation>Impossibile rimuovere automaticamente il file del programma e la cartella

%s

Eliminarli a mano.</translation>
    </message>
    <message>
        <source>Are you sure you want to uninstall %s?</source>
        <translation>Disinstallare davvero %s?</translation>
    </message>
    <message>
        <source>%s has been uninstalled.</source>
        <translation>%s è stato disinstallato.</translation>
    </message>
</context>
</TS>
