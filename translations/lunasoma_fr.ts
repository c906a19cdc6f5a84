<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BirthSigns</name>
    <message>
        <source>Aquarius</source>
        <translation>Verseau</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Poissons</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Bélier</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Taureau</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gémeaux</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cancer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Lion</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Vierge</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Scorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagittaire</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricorne</translation>
    </message>
</context>
<context>
    <name>ChartFile</name>
    <message>
        <source>Bitmap Image (*.BMP)</source>
        <translation>Image bitmap (*.BMP)</translation>
    </message>
    <message>
        <source>bitmap file</source>
        <translation>fichier bitmap</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>image PNG</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>dessin SVG</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>document PDF</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tableau CSV (*.csv)</translation>
    </message>
    <message>
        <source>CSV table</source>
        <translation>tableau CSV</translation>
    </message>
</context>
<context>
    <name>ChartTexts</name>
    <message>
        <source>Born on {date} ({sign})</source>
        <translation>Né(e) le {date} ({sign})</translation>
    </message>
    <message>
        <source>{name}, born on {date} ({sign})</source>
        <translation>{name}, né(e) le {date} ({sign})</translation>
    </message>
    <message>
        <source>Age as of {date}: {years} Years ({days} Days)</source>
        <translation>Âge au {date} : {years} ans ({days} jours)</translation>
    </message>
    <message>
        <source>Invalid date ...</source>
        <translation>Date non valide ...</translation>
    </message>
    <message>
        <source>Compared with {name}: Physical {physical}%, Emotional {emotional}%, Mental {mental}%</source>
        <translation>Comparé à {name} : physique {physical} %, émotionnel {emotional} %, intellectuel {mental} %</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Physique</translation>
    </message>
    <message>
        <source>Mental</source>
        <translation>Intellectuel</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Émotionnel</translation>
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
        <translation>Une erreur inattendue s&apos;est produite.</translation>
    </message>
</context>
<context>
    <name>ExportDialogSetup</name>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save %1 Bitmap</source>
        <translation>Enregistrer l&apos;image %1</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>InstallActions</name>
    <message>
        <source>The folder

%s

could not be created: %s.

Please select a different folder to install to.</source>
        <translation>Le dossier

%s

n&apos;a pas pu être créé : %s.

Veuillez choisir un autre dossier d&apos;installation.</translation>
    </message>
    <message>
        <source>The folder

%s

apparently already exists. Do you want to overwrite existing files?</source>
        <translation>Le dossier

%s

semble déjà exister. Voulez-vous remplacer les fichiers existants ?</translation>
    </message>
    <message>
        <source>No changes have been made. Please select a different folder to install to.</source>
        <translation>Aucune modification n&apos;a été faite. Veuillez choisir un autre dossier d&apos;installation.</translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; already exists, but %s has a newer version of this file.

Would you like to install this file?</source>
        <translation>Le fichier « %s » existe déjà, mais %s en apporte une version plus récente.

Voulez-vous installer ce fichier ?</translation>
    </message>
    <message>
        <source>the registry could not be written</source>
        <translation>le registre n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>Read the %s help</source>
        <translation>Lire l&apos;aide de %s</translation>
    </message>
    <message>
        <source>Biorhythm charts for the days ahead</source>
        <translation>Graphiques de biorythme pour les jours à venir</translation>
    </message>
    <message>
        <source>Remove %s from this computer</source>
        <translation>Supprimer %s de cet ordinateur</translation>
    </message>
    <message>
        <source>Could not write the uninstall entry: %s

To remove %s later, run %s</source>
        <translation>Impossible d&apos;écrire l&apos;entrée de désinstallation : %s

Pour supprimer %s plus tard, lancez %s</translation>
    </message>
</context>
<context>
    <name>PaletteNames</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordeaux</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Bleu canard</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Vert clair</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
</context>
<context>
    <name>PeopleMenus</name>
    <message>
        <source>Manage People</source>
        <translation>Gérer les personnes</translation>
    </message>
    <message>
        <source>&amp;People:</source>
        <translation>&amp;Personnes :</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Renommer...</translation>
    </message>
    <message>
        <source>Change &amp;Birth Date...</source>
        <translation>Changer la date de &amp;naissance...</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>R&amp;etirer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>New name for %1:</source>
        <translation>Nouveau nom pour %1 :</translation>
    </message>
    <message>
        <source>Remove %1 from the people?</source>
        <translation>Retirer %1 des personnes ?</translation>
    </message>
    <message>
        <source>Change Birth Date</source>
        <translation>Changer la date de naissance</translation>
    </message>
    <message>
        <source>&amp;Birth date of %1:</source>
        <translation>Date de &amp;naissance de %1 :</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>Mark &amp;Critical Days</source>
        <translation>Marquer les jours &amp;critiques</translation>
    </message>
    <message>
        <source>Mark T&amp;oday</source>
        <translation>Marquer au&amp;jourd&apos;hui</translation>
    </message>
    <message>
        <source>&amp;People</source>
        <translation>&amp;Personnes</translation>
    </message>
    <message>
        <source>&amp;Compare With</source>
        <translation>&amp;Comparer avec</translation>
    </message>
    <message>
        <source>&amp;Add Person...</source>
        <translation>&amp;Ajouter une personne...</translation>
    </message>
    <message>
        <source>&amp;Manage People...</source>
        <translation>&amp;Gérer les personnes...</translation>
    </message>
    <message>
        <source>&amp;Nobody</source>
        <translation>&amp;Personne</translation>
    </message>
    <message>
        <source>A person needs a name.</source>
        <translation>Une personne doit avoir un nom.</translation>
    </message>
    <message>
        <source>A name cannot hold a line break.</source>
        <translation>Un nom ne peut pas contenir de saut de ligne.</translation>
    </message>
    <message>
        <source>There is already a person called %1.</source>
        <translation>Il existe déjà une personne nommée %1.</translation>
    </message>
    <message>
        <source>%1 is no longer among the people.</source>
        <translation>%1 ne fait plus partie des personnes.</translation>
    </message>
    <message>
        <source>Add Person</source>
        <translation>Ajouter une personne</translation>
    </message>
    <message>
        <source>Name of the person born on %1:</source>
        <translation>Nom de la personne née le %1 :</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
</context>
<context>
    <name>QtChartDialogs</name>
    <message>
        <source>The folder &quot;%1&quot; does not exist.
Check the path and try again.</source>
        <translation>Le dossier « %1 » n&apos;existe pas.
Vérifiez le chemin et réessayez.</translation>
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
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Fermer sans enregistrer</translation>
    </message>
</context>
<context>
    <name>ReadoutTexts</name>
    <message>
        <source>{date} / Physical {physical} / Mental {mental} / Emotional {emotional} / Overall {overall}</source>
        <translation>{date} / physique {physical} / intellectuel {mental} / émotionnel {emotional} / global {overall}</translation>
    </message>
    <message>
        <source>{percent}%</source>
        <translation>{percent} %</translation>
    </message>
    <message>
        <source>No chart: the birth date or the start date is not a valid date.</source>
        <translation>Pas de graphique : la date de naissance ou la date de début n&apos;est pas une date valide.</translation>
    </message>
    <message>
        <source>Biorhythm chart for a birth on {birth}, starting on {start}.</source>
        <translation>Graphique de biorythme pour une naissance le {birth}, à partir du {start}.</translation>
    </message>
    <message>
        <source> Today, {date}: Physical {physical}, Mental {mental}, Emotional {emotional}, Overall {overall}.</source>
        <translation> Aujourd&apos;hui, {date} : physique {physical}, intellectuel {mental}, émotionnel {emotional}, global {overall}.</translation>
    </message>
    <message>
        <source>{percent} percent</source>
        <translation>{percent} pour cent</translation>
    </message>
    <message>
        <source>minus {percent} percent</source>
        <translation>moins {percent} pour cent</translation>
    </message>
    <message>
        <source> (critical)</source>
        <translation> (critique)</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The settings file &apos;%1&apos; could not be read and was kept as &apos;%2&apos;.</source>
        <translation>Le fichier de réglages « %1 » n&apos;a pas pu être lu et a été conservé sous « %2 ».</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; could not be read and could not be kept aside: %2.</source>
        <translation>Le fichier de réglages « %1 » n&apos;a pu être ni lu ni mis de côté : %2.</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; could not be read: %2.</source>
        <translation>Le fichier de réglages « %1 » n&apos;a pas pu être lu : %2.</translation>
    </message>
    <message>
        <source> The program starts with its default settings.</source>
        <translation> Le programme démarre avec ses réglages par défaut.</translation>
    </message>
</context>
<context>
    <name>SetupItemPainter</name>
    <message>
        <source>No Line</source>
        <translation>Aucune</translation>
    </message>
</context>
<context>
    <name>SetupPage</name>
    <message>
        <source>No Line</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Width %1</source>
        <translation>Épaisseur %1</translation>
    </message>
    <message>
        <source>Range of weeks to show</source>
        <translation>Nombre de semaines affichées</translation>
    </message>
    <message>
        <source> Style </source>
        <translation> Style </translation>
    </message>
    <message>
        <source>Style of graphic</source>
        <translation>Style du graphique</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>High/Low</source>
        <translation>Haut/Bas</translation>
    </message>
    <message>
        <source> Line Widths </source>
        <translation> Épaisseurs </translation>
    </message>
    <message>
        <source>Line widths for graphic</source>
        <translation>Épaisseur des courbes du graphique</translation>
    </message>
    <message>
        <source>Physical</source>
        <translation>Physique</translation>
    </message>
    <message>
        <source>Mental</source>
        <translation>Intellectuel</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Émotionnel</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Global</translation>
    </message>
    <message>
        <source> General </source>
        <translation> Général </translation>
    </message>
    <message>
        <source>Save Start Date</source>
        <translation>Garder la date</translation>
    </message>
    <message>
        <source>Current start date will be used for next session</source>
        <translation>La date de début actuelle servira à la prochaine session</translation>
    </message>
    <message>
        <source>Show Hints</source>
        <translation>Infobulles</translation>
    </message>
    <message>
        <source>Show these popup hints</source>
        <translation>Afficher ces infobulles</translation>
    </message>
    <message>
        <source>Separator Lines</source>
        <translation>Séparateurs</translation>
    </message>
    <message>
        <source>Show daily vertical lines in graphic</source>
        <translation>Afficher une ligne verticale par jour dans le graphique</translation>
    </message>
    <message>
        <source>Hide Flash Screen</source>
        <translation>Sans écran d&apos;accueil</translation>
    </message>
    <message>
        <source>Hide initial flash screen on startup</source>
        <translation>Ne pas afficher l&apos;écran d&apos;accueil au démarrage</translation>
    </message>
    <message>
        <source> Color Settings </source>
        <translation> Couleurs </translation>
    </message>
    <message>
        <source>Color settings for graphic</source>
        <translation>Couleurs du graphique</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>%1 Line Width</source>
        <translation>Épaisseur %1</translation>
    </message>
    <message>
        <source>%1 Color</source>
        <translation>Couleur %1</translation>
    </message>
    <message>
        <source> Show %1 Week </source>
        <translation> Afficher %1 semaine </translation>
    </message>
    <message>
        <source> Show %1 Weeks </source>
        <translation> Afficher %1 semaines </translation>
    </message>
</context>
<context>
    <name>SetupWizardEntry</name>
    <message>
        <source>Sorry, this program is specifically designed to run under Windows 95 or WindowsNT 4.0.</source>
        <translation>Désolé, ce programme est conçu spécialement pour Windows 95 ou Windows NT 4.0.</translation>
    </message>
</context>
<context>
    <name>StartMode</name>
    <message>
        <source>The help file &quot;%1&quot; cannot be opened.</source>
        <translation>Le fichier d&apos;aide « %1 » ne peut pas être ouvert.</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
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
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Click to close this dialog</source>
        <translation>Cliquez pour fermer cette fenêtre</translation>
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
        <translation>Tous droits réservés.</translation>
    </message>
</context>
<context>
    <name>TfrmBio</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>Page &amp;précédente</translation>
    </message>
    <message>
        <source>One Day &amp;Back</source>
        <translation>Un jour en a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>One Day &amp;Forward</source>
        <translation>Un jour en a&amp;vant</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>Page &amp;suivante</translation>
    </message>
    <message>
        <source>&amp;Save As Bitmap</source>
        <translation>&amp;Enregistrer comme image</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Aperç&amp;u avant impression</translation>
    </message>
    <message>
        <source>Set As &amp;Wallpaper (Tiled)</source>
        <translation>Mettre en &amp;fond d&apos;écran (mosaïque)</translation>
    </message>
    <message>
        <source>Set As Wa&amp;llpaper (Centered)</source>
        <translation>Mettre en fond d&apos;écran (&amp;centré)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Copy Program for a Friend</source>
        <translation>&amp;Copier le programme pour un ami</translation>
    </message>
    <message>
        <source>&amp;Latest Corvanti Products</source>
        <translation>&amp;Derniers produits Corvanti</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Only a copy installed by its own Setup, or a complete download, can be copied for a friend: the program&apos;s files are not all in its folder</source>
        <translation>Seule une copie installée par son propre programme d&apos;installation, ou un téléchargement complet, peut être copiée pour un ami : les fichiers du programme ne sont pas tous dans son dossier</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; could not be written.

%3</source>
        <translation>Impossible d&apos;écrire « %2 » (%1).

%3</translation>
    </message>
    <message>
        <source>The chart could not be printed on &quot;%1&quot;.</source>
        <translation>Le graphique n&apos;a pas pu être imprimé sur « %1 ».</translation>
    </message>
    <message>
        <source>The chart cannot be put on paper while a date is not valid.</source>
        <translation>Le graphique ne peut pas être imprimé tant qu&apos;une date n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Could not set desktop wallpaper!</source>
        <translation>Impossible de définir le fond d&apos;écran !</translation>
    </message>
    <message>
        <source>Birth date for calculations</source>
        <translation>Date de naissance pour les calculs</translation>
    </message>
    <message>
        <source>Date to start with</source>
        <translation>Date par laquelle commencer</translation>
    </message>
    <message>
        <source>B&amp;irth Date</source>
        <translation>Date de &amp;naissance</translation>
    </message>
    <message>
        <source>St&amp;art Date</source>
        <translation>Date de &amp;début</translation>
    </message>
    <message>
        <source>&amp;Biorhythm</source>
        <translation>&amp;Biorythme</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>Divider</source>
        <translation>Séparateur</translation>
    </message>
    <message>
        <source>Drag to share the window between the date fields and the chart</source>
        <translation>Faites glisser pour partager la fenêtre entre les champs de date et le graphique</translation>
    </message>
    <message>
        <source>Biorhythm and Setup</source>
        <translation>Biorythme et réglages</translation>
    </message>
    <message>
        <source>The chart, and the setup of how it is drawn</source>
        <translation>Le graphique, et les réglages de son tracé</translation>
    </message>
    <message>
        <source>Biorhythm chart</source>
        <translation>Graphique de biorythme</translation>
    </message>
</context>
<context>
    <name>TfrmCal</name>
    <message>
        <source>Year back</source>
        <translation>Année précédente</translation>
    </message>
    <message>
        <source>Month back</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Jump to Today</source>
        <translation>Aller à aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Month foreward</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Year foreward</source>
        <translation>Année suivante</translation>
    </message>
    <message>
        <source>%1 calendar</source>
        <translation>Calendrier %1</translation>
    </message>
</context>
<context>
    <name>TfrmCopyProgram</name>
    <message>
        <source>Select the drive you want to copy to</source>
        <translation>Choisissez le lecteur où copier</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Copy %s for a Friend</source>
        <translation>Copier %s pour un ami</translation>
    </message>
    <message>
        <source>Choose the drive you want to copy %s to, for example a floppy disk or a USB stick for a friend.%sThe program&apos;s files are copied into a folder of that name at the top of the drive.</source>
        <translation>Choisissez le lecteur où copier %s, par exemple une disquette ou une clé USB pour un ami.%sLes fichiers du programme sont copiés dans un dossier de ce nom à la racine du lecteur.</translation>
    </message>
    <message>
        <source>Copy to folder %1</source>
        <translation>Copier dans le dossier %1</translation>
    </message>
    <message>
        <source>Cannot copy to the same directory this program is running from.</source>
        <translation>Impossible de copier dans le dossier d&apos;où ce programme est lancé.</translation>
    </message>
    <message>
        <source>Error writing to drive %s. If this is a removable drive make sure there is a disk in the drive and try again.</source>
        <translation>Erreur d&apos;écriture sur le lecteur %s. S&apos;il s&apos;agit d&apos;un lecteur amovible, vérifiez qu&apos;un support y est inséré et réessayez.</translation>
    </message>
    <message>
        <source>One or more files are missing from the original installation. Please obtain a new copy from our web site.</source>
        <translation>Un ou plusieurs fichiers manquent dans l&apos;installation d&apos;origine. Veuillez obtenir une nouvelle copie sur notre site web.</translation>
    </message>
    <message>
        <source>An error occurred copying the files. Please make sure you have a disk in the floppy drive and try again.</source>
        <translation>Une erreur s&apos;est produite lors de la copie des fichiers. Vérifiez qu&apos;une disquette est dans le lecteur et réessayez.</translation>
    </message>
    <message>
        <source>Done!</source>
        <translation>Terminé !</translation>
    </message>
</context>
<context>
    <name>TfrmInstall</name>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Suivant &gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Précédent</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Cancel installation</source>
        <translation>Annuler l&apos;installation</translation>
    </message>
    <message>
        <source>Please select a parent folder for %s. Click on Next to proceed.</source>
        <translation>Veuillez choisir un dossier parent pour %s. Cliquez sur Suivant pour continuer.</translation>
    </message>
    <message>
        <source>Select the drive where you want to install this program</source>
        <translation>Choisissez le lecteur où installer ce programme</translation>
    </message>
    <message>
        <source>Select the folder(s) where you want to install this program</source>
        <translation>Choisissez le dossier où installer ce programme</translation>
    </message>
    <message>
        <source>Please select from where you would like to be able to run %s.</source>
        <translation>Veuillez choisir d&apos;où vous souhaitez pouvoir lancer %s.</translation>
    </message>
    <message>
        <source>Add %s to the Start Menu</source>
        <translation>Ajouter %s au menu Démarrer</translation>
    </message>
    <message>
        <source>Creates a group in Windows&apos; Start Menu</source>
        <translation>Crée un groupe dans le menu Démarrer de Windows</translation>
    </message>
    <message>
        <source>Automatically run %s on Windows startup</source>
        <translation>Lancer %s au démarrage de Windows</translation>
    </message>
    <message>
        <source>Automatically runs this program when you start Windows</source>
        <translation>Lance automatiquement ce programme au démarrage de Windows</translation>
    </message>
    <message>
        <source>Add %s icon to the Desktop</source>
        <translation>Ajouter l&apos;icône de %s au bureau</translation>
    </message>
    <message>
        <source>Creates a shortcut icon on your desktop</source>
        <translation>Crée un raccourci sur votre bureau</translation>
    </message>
    <message>
        <source>The following files will be installed on your system</source>
        <translation>Les fichiers suivants seront installés sur votre système</translation>
    </message>
    <message>
        <source>These files will be installed on your system</source>
        <translation>Ces fichiers seront installés sur votre système</translation>
    </message>
    <message>
        <source>Click on Finish to install %s.</source>
        <translation>Cliquez sur Terminer pour installer %s.</translation>
    </message>
    <message>
        <source>Installation has been completed successfully!</source>
        <translation>L&apos;installation s&apos;est terminée avec succès !</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>According to your system clock you have downloaded a version of this program which is older than 6 months! There is a very good chance that this program has been replaced by a newer version. Please go to the following WWW address to verify:</source>
        <translation>D&apos;après l&apos;horloge de votre système, vous avez téléchargé une version de ce programme datant de plus de 6 mois ! Il est très probable qu&apos;une version plus récente l&apos;ait remplacée. Veuillez vérifier à l&apos;adresse WWW suivante :</translation>
    </message>
    <message>
        <source>However, you can continue to install this version by clicking on Next.</source>
        <translation>Vous pouvez néanmoins installer cette version en cliquant sur Suivant.</translation>
    </message>
    <message>
        <source>Click here to jump to Corvanti&apos;s home page on the World Wide Web</source>
        <translation>Cliquez ici pour aller à la page d&apos;accueil de Corvanti sur le World Wide Web</translation>
    </message>
    <message>
        <source>%1 Setup</source>
        <translation>Installation de %1</translation>
    </message>
</context>
<context>
    <name>TfrmInstallFlow</name>
    <message>
        <source>Are you sure you want to cancel the installation of %s?</source>
        <translation>Voulez-vous vraiment annuler l&apos;installation de %s ?</translation>
    </message>
</context>
<context>
    <name>TfrmProducts</name>
    <message>
        <source>Latest %1 Products</source>
        <translation>Derniers produits %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;%1 keeps adding to its range of programs for body and mind.&lt;/p&gt;&lt;p&gt;The latest %1 products, updates to %2 and free trial versions are waiting for you on the World Wide Web at&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;&lt;p&gt;Drop by now and then: new titles appear there first.&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1 enrichit sans cesse sa gamme de programmes pour le corps et l&apos;esprit.&lt;/p&gt;&lt;p&gt;Les derniers produits %1, les mises à jour de %2 et des versions d&apos;essai gratuites vous attendent sur le World Wide Web à l&apos;adresse&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;&lt;p&gt;Passez de temps en temps : les nouveautés y paraissent en premier.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>The file

%s

may be used by another application. Do you want to delete it?</source>
        <translation>Le fichier

%s

est peut-être utilisé par une autre application. Voulez-vous le supprimer ?</translation>
    </message>
    <message>
        <source>These files in

%s

were left where they are, because they are not the ones %s installed:

%s</source>
        <translation>Ces fichiers dans

%s

ont été laissés en place, car ce ne sont pas ceux que %s a installés :

%s</translation>
    </message>
    <message>
        <source>No installation of %s is registered, so the copy in

%s

cannot be uninstalled. Nothing has been changed.</source>
        <translation>Aucune installation de %s n&apos;est enregistrée, la copie dans

%s

ne peut donc pas être désinstallée. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The copy of %s in

%s

is not the installed one. The uninstall entry names the installation in

%s

Run the uninstall from there. Nothing has been changed.</source>
        <translation>La copie de %s dans

%s

n&apos;est pas celle qui est installée. L&apos;entrée de désinstallation désigne l&apos;installation dans

%s

Lancez la désinstallation depuis cet endroit. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The program file

%s

could not be removed automatically. Please delete it by hand.</source>
        <translation>Le fichier du programme

%s

n&apos;a pas pu être supprimé automatiquement. Veuillez le supprimer à la main.</translation>
    </message>
    <message>
        <source>The program file and the folder

%s

could not be removed automatically. Please delete them by hand.</source>
        <translation>Le fichier du programme et le dossier

%s

n&apos;ont pas pu être supprimés automatiquement. Veuillez les supprimer à la main.</translation>
    </message>
    <message>
        <source>Are you sure you want to uninstall %s?</source>
        <translation>Voulez-vous vraiment désinstaller %s ?</translation>
    </message>
    <message>
        <source>%s has been uninstalled.</source>
        <translation>%s a été désinstallé.</translation>
    </message>
</context>
</TS>
