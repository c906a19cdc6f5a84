<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BirthSigns</name>
    <message>
        <source>Aquarius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Libra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartTexts</name>
    <message>
        <source>Born on {date} ({sign})</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{name}, born on {date} ({sign})</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Age as of {date}: {years} Years ({days} Days)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid date ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compared with {name}: Physical {physical}%, Emotional {emotional}%, Mental {mental}%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Physical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mental</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overall</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EscapedErrorReport</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportDialogSetup</name>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save %1 Bitmap</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InstallActions</name>
    <message>
        <source>The folder

%s

could not be created: %s.

Please select a different folder to install to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder

%s

apparently already exists. Do you want to overwrite existing files?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No changes have been made. Please select a different folder to install to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; already exists, but %s has a newer version of this file.

Would you like to install this file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the registry could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the %s help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Biorhythm charts for the days ahead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %s from this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write the uninstall entry: %s

To remove %s later, run %s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtChartDialogs</name>
    <message>
        <source>The folder &quot;%1&quot; does not exist.
Check the path and try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtMessageService</name>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadoutTexts</name>
    <message>
        <source>{date} / Physical {physical} / Mental {mental} / Emotional {emotional} / Overall {overall}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{percent}%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No chart: the birth date or the start date is not a valid date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Biorhythm chart for a birth on {birth}, starting on {start}.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Today, {date}: Physical {physical}, Mental {mental}, Emotional {emotional}, Overall {overall}.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{percent} percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minus {percent} percent</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file &apos;%1&apos; could not be read and was kept as &apos;%2&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; could not be read and could not be kept aside: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; could not be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The program starts with its default settings.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetupItemPainter</name>
    <message>
        <source>No Line</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetupPage</name>
    <message>
        <source>No Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range of weeks to show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Style </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Style of graphic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High/Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Line Widths </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line widths for graphic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Physical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mental</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> General </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Start Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current start date will be used for next session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Hints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show these popup hints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separator Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show daily vertical lines in graphic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Flash Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide initial flash screen on startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Color Settings </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color settings for graphic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Line Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Show %1 Week </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Show %1 Weeks </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetupWizardEntry</name>
    <message>
        <source>Sorry, this program is specifically designed to run under Windows 95 or WindowsNT 4.0.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartMode</name>
    <message>
        <source>The help file &quot;%1&quot; cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>World Wide Web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to close this dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Version %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmBio</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One Day &amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One Day &amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save As Bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set As &amp;Wallpaper (Tiled)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set As Wa&amp;llpaper (Centered)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy Program for a Friend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Latest Corvanti Products</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only a copy installed by its own Setup, or a complete download, can be copied for a friend: the program&apos;s files are not all in its folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; could not be written.

%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart could not be printed on &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart cannot be put on paper while a date is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not set desktop wallpaper!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth date for calculations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date to start with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B&amp;irth Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>St&amp;art Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Biorhythm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag to share the window between the date fields and the chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Biorhythm and Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart, and the setup of how it is drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Biorhythm chart</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmCal</name>
    <message>
        <source>Year back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jump to Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month foreward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year foreward</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmCopyProgram</name>
    <message>
        <source>Select the drive you want to copy to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy %s for a Friend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the drive you want to copy %s to, for example a floppy disk or a USB stick for a friend.%sThe program&apos;s files are copied into a folder of that name at the top of the drive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy to folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot copy to the same directory this program is running from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error writing to drive %s. If this is a removable drive make sure there is a disk in the drive and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One or more files are missing from the original installation. Please obtain a new copy from our web site.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error occurred copying the files. Please make sure you have a disk in the floppy drive and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmInstall</name>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel installation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a parent folder for %s. Click on Next to proceed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the drive where you want to install this program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the folder(s) where you want to install this program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select from where you would like to be able to run %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add %s to the Start Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creates a group in Windows&apos; Start Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatically run %s on Windows startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatically runs this program when you start Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add %s icon to the Desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creates a shortcut icon on your desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The following files will be installed on your system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files will be installed on your system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on Finish to install %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installation has been completed successfully!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>According to your system clock you have downloaded a version of this program which is older than 6 months! There is a very good chance that this program has been replaced by a newer version. Please go to the following WWW address to verify:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>However, you can continue to install this version by clicking on Next.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to jump to Corvanti&apos;s home page on the World Wide Web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Setup</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmInstallFlow</name>
    <message>
        <source>Are you sure you want to cancel the installation of %s?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmProducts</name>
    <message>
        <source>Latest %1 Products</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;%1 keeps adding to its range of programs for body and mind.&lt;/p&gt;&lt;p&gt;The latest %1 products, updates to %2 and free trial versions are waiting for you on the World Wide Web at&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;&lt;p&gt;Drop by now and then: new titles appear there first.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>The file

%s

may be used by another application. Do you want to delete it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files in

%s

were left where they are, because they are not the ones %s installed:

%s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No installation of %s is registered, so the copy in

%s

cannot be uninstalled. Nothing has been changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy of %s in

%s

is not the installed one. The uninstall entry names the installation in

%s

Run the uninstall from there. Nothing has been changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program file

%s

could not be removed automatically. Please delete it by hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program file and the folder

%s

could not be removed automatically. Please delete them by hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to uninstall %s?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s has been uninstalled.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
