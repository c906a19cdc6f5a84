<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BirthSigns</name>
    <message>
        <source>Aquarius</source>
        <translation>Wassermann</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Fische</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Widder</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Stier</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Zwillinge</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Krebs</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Jungfrau</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Schütze</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Steinbock</translation>
    </message>
</context>
<context>
    <name>ChartFile</name>
    <message>
        <source>Bitmap Image (*.BMP)</source>
        <translation>Bitmap-Bild (*.BMP)</translation>
    </message>
    <message>
        <source>bitmap file</source>
        <translation>Bitmap-Datei</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>SVG-Zeichnung</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF-Dokument</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV-Tabelle (*.csv)</translation>
    </message>
    <message>
        <source>CSV table</source>
        <translation>CSV-Tabelle</translation>
    </message>
</context>
<context>
    <name>ChartTexts</name>
    <message>
        <source>Born on {date} ({sign})</source>
        <translation>Geboren am {date} ({sign})</translation>
    </message>
    <message>
        <source>{name}, born on {date} ({sign})</source>
        <translation>{name}, geboren am {date} ({sign})</translation>
    </message>
    <message>
        <source>Age as of {date}: {years} Years ({days} Days)</source>
        <translation>Alter am {date}: {years} Jahre ({days} Tage)</translation>
    </message>
    <message>
        <source>Invalid date ...</source>
        <translation>Ungültiges Datum ...</translation>
    </message>
    <message>
        <source>Compared with {name}: Physical {physical}%, Emotional {emotional}%, Mental {mental}%</source>
        <translation>Verglichen mit {name}: körperlich {physical}%, seelisch {emotional}%, geistig {mental}%</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Körperlich</translation>
    </message>
    <message>
        <source>Mental</source>
        <translation>Geistig</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Seelisch</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Gesamt</translation>
    </message>
</context>
<context>
    <name>EscapedErrorReport</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
</context>
<context>
    <name>ExportDialogSetup</name>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save %1 Bitmap</source>
        <translation>%1-Bild speichern</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>InstallActions</name>
    <message>
        <source>The folder

%s

could not be created: %s.

Please select a different folder to install to.</source>
        <translation>Der Ordner

%s

konnte nicht angelegt werden: %s.

Bitte wählen Sie einen anderen Ordner für die Installation.</translation>
    </message>
    <message>
        <source>The folder

%s

apparently already exists. Do you want to overwrite existing files?</source>
        <translation>Der Ordner

%s

scheint schon zu bestehen. Möchten Sie vorhandene Dateien überschreiben?</translation>
    </message>
    <message>
        <source>No changes have been made. Please select a different folder to install to.</source>
        <translation>Es wurde nichts geändert. Bitte wählen Sie einen anderen Ordner für die Installation.</translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; already exists, but %s has a newer version of this file.

Would you like to install this file?</source>
        <translation>Die Datei „%s“ ist schon vorhanden, aber %s bringt eine neuere Fassung dieser Datei mit.

Möchten Sie diese Datei installieren?</translation>
    </message>
    <message>
        <source>the registry could not be written</source>
        <translation>die Registrierung konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Read the %s help</source>
        <translation>Die Hilfe zu %s lesen</translation>
    </message>
    <message>
        <source>Biorhythm charts for the days ahead</source>
        <translation>Biorhythmus-Diagramme für die kommenden Tage</translation>
    </message>
    <message>
        <source>Remove %s from this computer</source>
        <translation>%s von diesem Computer entfernen</translation>
    </message>
    <message>
        <source>Could not write the uninstall entry: %s

To remove %s later, run %s</source>
        <translation>Der Eintrag zum Deinstallieren konnte nicht geschrieben werden: %s

Um %s später zu entfernen, starten Sie %s</translation>
    </message>
</context>
<context>
    <name>PaletteNames</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
</context>
<context>
    <name>PeopleMenus</name>
    <message>
        <source>Manage People</source>
        <translation>Personen verwalten</translation>
    </message>
    <message>
        <source>&amp;People:</source>
        <translation>&amp;Personen:</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Umbenennen...</translation>
    </message>
    <message>
        <source>Change &amp;Birth Date...</source>
        <translation>&amp;Geburtsdatum ändern...</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>New name for %1:</source>
        <translation>Neuer Name für %1:</translation>
    </message>
    <message>
        <source>Remove %1 from the people?</source>
        <translation>%1 aus den Personen entfernen?</translation>
    </message>
    <message>
        <source>Change Birth Date</source>
        <translation>Geburtsdatum ändern</translation>
    </message>
    <message>
        <source>&amp;Birth date of %1:</source>
        <translation>&amp;Geburtsdatum von %1:</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Mark &amp;Critical Days</source>
        <translation>&amp;Kritische Tage markieren</translation>
    </message>
    <message>
        <source>Mark T&amp;oday</source>
        <translation>&amp;Heute markieren</translation>
    </message>
    <message>
        <source>&amp;People</source>
        <translation>&amp;Personen</translation>
    </message>
    <message>
        <source>&amp;Compare With</source>
        <translation>&amp;Vergleichen mit</translation>
    </message>
    <message>
        <source>&amp;Add Person...</source>
        <translation>Person &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Manage People...</source>
        <translation>Personen ver&amp;walten...</translation>
    </message>
    <message>
        <source>&amp;Nobody</source>
        <translation>&amp;Niemand</translation>
    </message>
    <message>
        <source>A person needs a name.</source>
        <translation>Eine Person braucht einen Namen.</translation>
    </message>
    <message>
        <source>A name cannot hold a line break.</source>
        <translation>Ein Name darf keinen Zeilenumbruch enthalten.</translation>
    </message>
    <message>
        <source>There is already a person called %1.</source>
        <translation>Es gibt bereits eine Person namens %1.</translation>
    </message>
    <message>
        <source>%1 is no longer among the people.</source>
        <translation>%1 ist nicht mehr unter den Personen.</translation>
    </message>
    <message>
        <source>Add Person</source>
        <translation>Person hinzufügen</translation>
    </message>
    <message>
        <source>Name of the person born on %1:</source>
        <translation>Name der Person, geboren am %1:</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
</context>
<context>
    <name>QtChartDialogs</name>
    <message>
        <source>The folder &quot;%1&quot; does not exist.
Check the path and try again.</source>
        <translation>Der Ordner „%1“ existiert nicht.
Prüfen Sie den Pfad und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>QtMessageService</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Schließen ohne zu speichern</translation>
    </message>
</context>
<context>
    <name>ReadoutTexts</name>
    <message>
        <source>{date} / Physical {physical} / Mental {mental} / Emotional {emotional} / Overall {overall}</source>
        <translation>{date} / körperlich {physical} / geistig {mental} / seelisch {emotional} / gesamt {overall}</translation>
    </message>
    <message>
        <source>{percent}%</source>
        <translation>{percent} %</translation>
    </message>
    <message>
        <source>No chart: the birth date or the start date is not a valid date.</source>
        <translation>Kein Diagramm: Das Geburtsdatum oder das Startdatum ist kein gültiges Datum.</translation>
    </message>
    <message>
        <source>Biorhythm chart for a birth on {birth}, starting on {start}.</source>
        <translation>Biorhythmus-Diagramm für eine Geburt am {birth}, beginnend am {start}.</translation>
    </message>
    <message>
        <source> Today, {date}: Physical {physical}, Mental {mental}, Emotional {emotional}, Overall {overall}.</source>
        <translation> Heute, {date}: körperlich {physical}, geistig {mental}, seelisch {emotional}, gesamt {overall}.</translation>
    </message>
    <message>
        <source>{percent} percent</source>
        <translation>{percent} Prozent</translation>
    </message>
    <message>
        <source>minus {percent} percent</source>
        <translation>minus {percent} Prozent</translation>
    </message>
    <message>
        <source> (critical)</source>
        <translation> (kritisch)</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file &apos;%1&apos; could not be read and was kept as &apos;%2&apos;.</source>
        <translation>Die Einstellungsdatei „%1“ konnte nicht gelesen werden und wurde als „%2“ aufbewahrt.</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; could not be read and could not be kept aside: %2.</source>
        <translation>Die Einstellungsdatei „%1“ konnte nicht gelesen und nicht beiseitegelegt werden: %2.</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; could not be read: %2.</source>
        <translation>Die Einstellungsdatei „%1“ konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source> The program starts with its default settings.</source>
        <translation> Das Programm startet mit seinen Standardeinstellungen.</translation>
    </message>
</context>
<context>
    <name>SetupItemPainter</name>
    <message>
        <source>No Line</source>
        <translation>Keine Linie</translation>
    </message>
</context>
<context>
    <name>SetupPage</name>
    <message>
        <source>No Line</source>
        <translation>Keine Linie</translation>
    </message>
    <message>
        <source>Width %1</source>
        <translation>Breite %1</translation>
    </message>
    <message>
        <source>Range of weeks to show</source>
        <translation>Anzahl der angezeigten Wochen</translation>
    </message>
    <message>
        <source> Style </source>
        <translation> Darstellung </translation>
    </message>
    <message>
        <source>Style of graphic</source>
        <translation>Darstellung des Diagramms</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>High/Low</source>
        <translation>Hoch/Tief</translation>
    </message>
    <message>
        <source> Line Widths </source>
        <translation> Linienbreiten </translation>
    </message>
    <message>
        <source>Line widths for graphic</source>
        <translation>Linienbreiten im Diagramm</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Körperlich</translation>
    </message>
    <message>
        <source>Mental</source>
        <translation>Geistig</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Seelisch</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source> General </source>
        <translation> Allgemein </translation>
    </message>
    <message>
        <source>Save Start Date</source>
        <translation>Startdatum merken</translation>
    </message>
    <message>
        <source>Current start date will be used for next session</source>
        <translation>Das aktuelle Startdatum gilt auch beim nächsten Start</translation>
    </message>
    <message>
        <source>Show Hints</source>
        <translation>Hinweise zeigen</translation>
    </message>
    <message>
        <source>Show these popup hints</source>
        <translation>Diese Hinweise anzeigen</translation>
    </message>
    <message>
        <source>Separator Lines</source>
        <translation>Trennlinien</translation>
    </message>
    <message>
        <source>Show daily vertical lines in graphic</source>
        <translation>Senkrechte Linien für jeden Tag im Diagramm zeigen</translation>
    </message>
    <message>
        <source>Hide Flash Screen</source>
        <translation>Ohne Startbild</translation>
    </message>
    <message>
        <source>Hide initial flash screen on startup</source>
        <translation>Das Startbild beim Programmstart nicht zeigen</translation>
    </message>
    <message>
        <source> Color Settings </source>
        <translation> Farben </translation>
    </message>
    <message>
        <source>Color settings for graphic</source>
        <translation>Farben des Diagramms</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>%1 Line Width</source>
        <translation>Linienbreite %1</translation>
    </message>
    <message>
        <source>%1 Color</source>
        <translation>Farbe %1</translation>
    </message>
    <message>
        <source> Show %1 Week </source>
        <translation> %1 Woche zeigen </translation>
    </message>
    <message>
        <source> Show %1 Weeks </source>
        <translation> %1 Wochen zeigen </translation>
    </message>
</context>
<context>
    <name>SetupWizardEntry</name>
    <message>
        <source>Sorry, this program is specifically designed to run under Windows 95 or WindowsNT 4.0.</source>
        <translation>Dieses Programm ist leider eigens für Windows 95 oder Windows NT 4.0 geschrieben.</translation>
    </message>
</context>
<context>
    <name>StartMode</name>
    <message>
        <source>The help file &quot;%1&quot; cannot be opened.</source>
        <translation>Die Hilfedatei „%1“ lässt sich nicht öffnen.</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>World Wide Web</source>
        <translation>World Wide Web</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Click to close this dialog</source>
        <translation>Klicken, um dieses Fenster zu schließen</translation>
    </message>
    <message>
        <source>%1 - Version %2</source>
        <translation>%1 - Version %2</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Alle Rechte vorbehalten.</translation>
    </message>
</context>
<context>
    <name>TfrmBio</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>&amp;Vorherige Seite</translation>
    </message>
    <message>
        <source>One Day &amp;Back</source>
        <translation>Einen Tag &amp;zurück</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Heute</translation>
    </message>
    <message>
        <source>One Day &amp;Forward</source>
        <translation>Einen Tag v&amp;or</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>&amp;Nächste Seite</translation>
    </message>
    <message>
        <source>&amp;Save As Bitmap</source>
        <translation>Als Bild &amp;speichern</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Seiten&amp;ansicht</translation>
    </message>
    <message>
        <source>Set As &amp;Wallpaper (Tiled)</source>
        <translation>Als Hinter&amp;grund (gekachelt)</translation>
    </message>
    <message>
        <source>Set As Wa&amp;llpaper (Centered)</source>
        <translation>Als Hintergr&amp;und (zentriert)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Copy Program for a Friend</source>
        <translation>Programm für Freunde &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Latest Corvanti Products</source>
        <translation>&amp;Neueste Corvanti-Produkte</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Only a copy installed by its own Setup, or a complete download, can be copied for a friend: the program&apos;s files are not all in its folder</source>
        <translation>Nur eine mit ihrem eigenen Setup installierte Kopie oder ein vollständiger Download lässt sich für Freunde kopieren: Die Dateien des Programms liegen nicht alle in seinem Ordner</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; could not be written.

%3</source>
        <translation>„%2“ (%1) konnte nicht geschrieben werden.

%3</translation>
    </message>
    <message>
        <source>The chart could not be printed on &quot;%1&quot;.</source>
        <translation>Das Diagramm konnte nicht auf „%1“ gedruckt werden.</translation>
    </message>
    <message>
        <source>The chart cannot be put on paper while a date is not valid.</source>
        <translation>Solange ein Datum ungültig ist, lässt sich das Diagramm nicht drucken.</translation>
    </message>
    <message>
        <source>Could not set desktop wallpaper!</source>
        <translation>Das Hintergrundbild konnte nicht gesetzt werden!</translation>
    </message>
    <message>
        <source>Birth date for calculations</source>
        <translation>Geburtsdatum für die Berechnung</translation>
    </message>
    <message>
        <source>Date to start with</source>
        <translation>Datum, mit dem das Diagramm beginnt</translation>
    </message>
    <message>
        <source>B&amp;irth Date</source>
        <translation>&amp;Geburtsdatum</translation>
    </message>
    <message>
        <source>St&amp;art Date</source>
        <translation>S&amp;tartdatum</translation>
    </message>
    <message>
        <source>&amp;Biorhythm</source>
        <translation>&amp;Biorhythmus</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Divider</source>
        <translation>Trennleiste</translation>
    </message>
    <message>
        <source>Drag to share the window between the date fields and the chart</source>
        <translation>Ziehen, um das Fenster zwischen den Datumsfeldern und dem Diagramm aufzuteilen</translation>
    </message>
    <message>
        <source>Biorhythm and Setup</source>
        <translation>Biorhythmus und Einstellungen</translation>
    </message>
    <message>
        <source>The chart, and the setup of how it is drawn</source>
        <translation>Das Diagramm und die Einstellungen, wie es gezeichnet wird</translation>
    </message>
    <message>
        <source>Biorhythm chart</source>
        <translation>Biorhythmus-Diagramm</translation>
    </message>
</context>
<context>
    <name>TfrmCal</name>
    <message>
        <source>Year back</source>
        <translation>Ein Jahr zurück</translation>
    </message>
    <message>
        <source>Month back</source>
        <translation>Ein Monat zurück</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Heute</translation>
    </message>
    <message>
        <source>Jump to Today</source>
        <translation>Zum heutigen Tag springen</translation>
    </message>
    <message>
        <source>Month foreward</source>
        <translation>Ein Monat vor</translation>
    </message>
    <message>
        <source>Year foreward</source>
        <translation>Ein Jahr vor</translation>
    </message>
    <message>
        <source>%1 calendar</source>
        <translation>Kalender %1</translation>
    </message>
</context>
<context>
    <name>TfrmCopyProgram</name>
    <message>
        <source>Select the drive you want to copy to</source>
        <translation>Wählen Sie das Laufwerk, auf das kopiert werden soll</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Copy %s for a Friend</source>
        <translation>%s für Freunde kopieren</translation>
    </message>
    <message>
        <source>Choose the drive you want to copy %s to, for example a floppy disk or a USB stick for a friend.%sThe program&apos;s files are copied into a folder of that name at the top of the drive.</source>
        <translation>Wählen Sie das Laufwerk, auf das %s kopiert werden soll, zum Beispiel eine Diskette oder einen USB-Stick für Freunde.%sDie Dateien des Programms werden in einen gleichnamigen Ordner oben auf dem Laufwerk kopiert.</translation>
    </message>
    <message>
        <source>Copy to folder %1</source>
        <translation>In den Ordner %1 kopieren</translation>
    </message>
    <message>
        <source>Cannot copy to the same directory this program is running from.</source>
        <translation>In den Ordner, aus dem dieses Programm läuft, kann nicht kopiert werden.</translation>
    </message>
    <message>
        <source>Error writing to drive %s. If this is a removable drive make sure there is a disk in the drive and try again.</source>
        <translation>Fehler beim Schreiben auf Laufwerk %s. Ist es ein Wechsellaufwerk, legen Sie bitte einen Datenträger ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>One or more files are missing from the original installation. Please obtain a new copy from our web site.</source>
        <translation>In der ursprünglichen Installation fehlen eine oder mehrere Dateien. Bitte laden Sie eine neue Kopie von unserer Website.</translation>
    </message>
    <message>
        <source>An error occurred copying the files. Please make sure you have a disk in the floppy drive and try again.</source>
        <translation>Beim Kopieren der Dateien ist ein Fehler aufgetreten. Bitte legen Sie eine Diskette ins Laufwerk und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Done!</source>
        <translation>Fertig!</translation>
    </message>
</context>
<context>
    <name>TfrmInstall</name>
    <message>
        <source>Finish</source>
        <translation>Fertigstellen</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorige Seite</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Cancel installation</source>
        <translation>Installation abbrechen</translation>
    </message>
    <message>
        <source>Please select a parent folder for %s. Click on Next to proceed.</source>
        <translation>Bitte wählen Sie einen übergeordneten Ordner für %s. Klicken Sie auf Weiter, um fortzufahren.</translation>
    </message>
    <message>
        <source>Select the drive where you want to install this program</source>
        <translation>Wählen Sie das Laufwerk, auf dem dieses Programm installiert werden soll</translation>
    </message>
    <message>
        <source>Select the folder(s) where you want to install this program</source>
        <translation>Wählen Sie den Ordner, in dem dieses Programm installiert werden soll</translation>
    </message>
    <message>
        <source>Please select from where you would like to be able to run %s.</source>
        <translation>Bitte wählen Sie, von wo aus Sie %s starten möchten.</translation>
    </message>
    <message>
        <source>Add %s to the Start Menu</source>
        <translation>%s ins Startmenü aufnehmen</translation>
    </message>
    <message>
        <source>Creates a group in Windows&apos; Start Menu</source>
        <translation>Legt eine Gruppe im Startmenü von Windows an</translation>
    </message>
    <message>
        <source>Automatically run %s on Windows startup</source>
        <translation>%s beim Start von Windows automatisch starten</translation>
    </message>
    <message>
        <source>Automatically runs this program when you start Windows</source>
        <translation>Startet dieses Programm automatisch, wenn Sie Windows starten</translation>
    </message>
    <message>
        <source>Add %s icon to the Desktop</source>
        <translation>Symbol für %s auf den Desktop legen</translation>
    </message>
    <message>
        <source>Creates a shortcut icon on your desktop</source>
        <translation>Legt eine Verknüpfung auf Ihrem Desktop an</translation>
    </message>
    <message>
        <source>The following files will be installed on your system</source>
        <translation>Folgende Dateien werden auf Ihrem System installiert</translation>
    </message>
    <message>
        <source>These files will be installed on your system</source>
        <translation>Diese Dateien werden auf Ihrem System installiert</translation>
    </message>
    <message>
        <source>Click on Finish to install %s.</source>
        <translation>Klicken Sie auf Fertigstellen, um %s zu installieren.</translation>
    </message>
    <message>
        <source>Installation has been completed successfully!</source>
        <translation>Die Installation wurde erfolgreich abgeschlossen!</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>According to your system clock you have downloaded a version of this program which is older than 6 months! There is a very good chance that this program has been replaced by a newer version. Please go to the following WWW address to verify:</source>
        <translation>Laut Ihrer Systemuhr haben Sie eine Fassung dieses Programms heruntergeladen, die älter als 6 Monate ist! Sehr wahrscheinlich gibt es inzwischen eine neuere Version. Bitte sehen Sie unter folgender WWW-Adresse nach:</translation>
    </message>
    <message>
        <source>However, you can continue to install this version by clicking on Next.</source>
        <translation>Sie können diese Version aber trotzdem installieren, indem Sie auf Weiter klicken.</translation>
    </message>
    <message>
        <source>Click here to jump to Corvanti&apos;s home page on the World Wide Web</source>
        <translation>Hier klicken, um die Homepage von Corvanti im World Wide Web zu öffnen</translation>
    </message>
    <message>
        <source>%1 Setup</source>
        <translation>%1 Setup</translation>
    </message>
</context>
<context>
    <name>TfrmInstallFlow</name>
    <message>
        <source>Are you sure you want to cancel the installation of %s?</source>
        <translation>Möchten Sie die Installation von %s wirklich abbrechen?</translation>
    </message>
</context>
<context>
    <name>TfrmProducts</name>
    <message>
        <source>Latest %1 Products</source>
        <translation>Neueste Produkte von %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;%1 keeps adding to its range of programs for body and mind.&lt;/p&gt;&lt;p&gt;The latest %1 products, updates to %2 and free trial versions are waiting for you on the World Wide Web at&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;&lt;p&gt;Drop by now and then: new titles appear there first.&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1 erweitert laufend sein Angebot an Programmen für Körper und Geist.&lt;/p&gt;&lt;p&gt;Die neuesten Produkte von %1, Updates für %2 und kostenlose Testversionen finden Sie im World Wide Web unter&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;&lt;p&gt;Schauen Sie ab und zu vorbei: Neue Titel erscheinen dort zuerst.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>The file

%s

may be used by another application. Do you want to delete it?</source>
        <translation>Die Datei

%s

wird vielleicht von einer anderen Anwendung benutzt. Möchten Sie sie löschen?</translation>
    </message>
    <message>
        <source>These files in

%s

were left where they are, because they are not the ones %s installed:

%s</source>
        <translation>Diese Dateien in

%s

blieben, wo sie sind, weil es nicht die sind, die %s installiert hat:

%s</translation>
    </message>
    <message>
        <source>No installation of %s is registered, so the copy in

%s

cannot be uninstalled. Nothing has been changed.</source>
        <translation>Es ist keine Installation von %s eingetragen, daher kann die Kopie in

%s

nicht deinstalliert werden. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The copy of %s in

%s

is not the installed one. The uninstall entry names the installation in

%s

Run the uninstall from there. Nothing has been changed.</source>
        <translation>Die Kopie von %s in

%s

ist nicht die installierte. Der Eintrag zum Deinstallieren nennt die Installation in

%s

Starten Sie die Deinstallation von dort. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The program file

%s

could not be removed automatically. Please delete it by hand.</source>
        <translation>Die Programmdatei

%s

konnte nicht automatisch entfernt werden. Bitte löschen Sie sie von Hand.</translation>
    </message>
    <message>
        <source>The program file and the folder

%s

could not be removed automatically. Please delete them by hand.</source>
        <translation>Die Programmdatei und der Ordner

%s

konnten nicht automatisch entfernt werden. Bitte löschen Sie beide von Hand.</translation>
    </message>
    <message>
        <source>Are you sure you want to uninstall %s?</source>
        <translation>Möchten Sie %s wirklich deinstallieren?</translation>
    </message>
    <message>
        <source>%s has been uninstalled.</source>
        <translation>%s wurde deinstalliert.</translation>
    </message>
</context>
</TS>
