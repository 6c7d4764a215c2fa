<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>DirectoryControls</name>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Verzeichnis</translation>
    </message>
    <message>
        <source>Show hidden folders</source>
        <translation>Versteckte Ordner anzeigen</translation>
    </message>
</context>
<context>
    <name>FileList</name>
    <message>
        <source>Blank list (%1)</source>
        <translation>Leere Liste (%1)</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source> (CONFLICT)</source>
        <translation> (KONFLIKT)</translation>
    </message>
    <message>
        <source> (BUSY)</source>
        <translation> (BELEGT)</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Ext</source>
        <translation>Erw.</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Attrib</source>
        <translation>Attrib</translation>
    </message>
    <message>
        <source>Written to</source>
        <translation>Geschrieben</translation>
    </message>
    <message>
        <source>Accessed last</source>
        <translation>Letzter Zugriff</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>Old name</source>
        <translation>Alter Name</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>&amp;Icon</source>
        <comment>Columns menu</comment>
        <translation>&amp;Symbol</translation>
    </message>
    <message>
        <source>&amp;Path</source>
        <comment>Columns menu</comment>
        <translation>&amp;Pfad</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <comment>Columns menu</comment>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Extension</source>
        <comment>Columns menu</comment>
        <translation>&amp;Erweiterung</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <comment>Columns menu</comment>
        <translation>G&amp;röße</translation>
    </message>
    <message>
        <source>&amp;Attributes</source>
        <comment>Columns menu</comment>
        <translation>&amp;Attribute</translation>
    </message>
    <message>
        <source>&amp;Written to</source>
        <comment>Columns menu</comment>
        <translation>&amp;Geschrieben</translation>
    </message>
    <message>
        <source>Accessed &amp;last</source>
        <comment>Columns menu</comment>
        <translation>&amp;Letzter Zugriff</translation>
    </message>
    <message>
        <source>&amp;Created</source>
        <comment>Columns menu</comment>
        <translation>Ers&amp;tellt</translation>
    </message>
    <message>
        <source>&amp;1: Path</source>
        <comment>Sort menu</comment>
        <translation>&amp;1: Pfad</translation>
    </message>
    <message>
        <source>&amp;2: Name</source>
        <comment>Sort menu</comment>
        <translation>&amp;2: Name</translation>
    </message>
    <message>
        <source>&amp;3: Extension</source>
        <comment>Sort menu</comment>
        <translation>&amp;3: Erweiterung</translation>
    </message>
    <message>
        <source>&amp;4: Size</source>
        <comment>Sort menu</comment>
        <translation>&amp;4: Größe</translation>
    </message>
    <message>
        <source>&amp;5: Attributes</source>
        <comment>Sort menu</comment>
        <translation>&amp;5: Attribute</translation>
    </message>
    <message>
        <source>&amp;6: Written to</source>
        <comment>Sort menu</comment>
        <translation>&amp;6: Geschrieben</translation>
    </message>
    <message>
        <source>&amp;7: Accessed last</source>
        <comment>Sort menu</comment>
        <translation>&amp;7: Letzter Zugriff</translation>
    </message>
    <message>
        <source>&amp;8: Created</source>
        <comment>Sort menu</comment>
        <translation>&amp;8: Erstellt</translation>
    </message>
    <message>
        <source>&amp;9: Time taken</source>
        <comment>Sort menu</comment>
        <translation>&amp;9: Aufnahmezeit</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Varnoke Help</source>
        <translation>Varnoke-Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>Conventions</source>
        <translation>Konventionen</translation>
    </message>
    <message>
        <source>Date codes</source>
        <translation>Datumscodes</translation>
    </message>
    <message>
        <source>Using help</source>
        <translation>Hilfe verwenden</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>the help&apos;s caption, then the page&apos;s title</comment>
        <translation>%1 - %2</translation>
    </message>
</context>
<context>
    <name>ListGrid</name>
    <message>
        <source>File list</source>
        <translation>Dateiliste</translation>
    </message>
</context>
<context>
    <name>ListStatusBar</name>
    <message>
        <source>Files:</source>
        <translation>Dateien:</translation>
    </message>
    <message>
        <source>Marked:</source>
        <translation>Markiert:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Markiert</translation>
    </message>
    <message>
        <source>Selected file</source>
        <translation>Gewählte Datei</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a panel&apos;s name, then its value</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Varnoke 7.0</source>
        <translation>Über Varnoke 7.0</translation>
    </message>
    <message>
        <source>Version 7.0</source>
        <translation>Version 7.0</translation>
    </message>
    <message>
        <source>Renames, re-dates and re-attributes many files in one operation.</source>
        <translation>Benennt viele Dateien in einem Arbeitsgang um, datiert sie neu und ändert ihre Attribute.</translation>
    </message>
    <message>
        <source>Linux edition</source>
        <translation>Linux-Ausgabe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TAddFiles</name>
    <message>
        <source>Add files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Pfad:</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>Files:</source>
        <comment>above the list</comment>
        <translation>Dateien:</translation>
    </message>
    <message>
        <source>Files:</source>
        <comment>before the number of files</comment>
        <translation>Dateien:</translation>
    </message>
    <message>
        <source>Marked:</source>
        <translation>Markiert:</translation>
    </message>
    <message>
        <source>Select &amp;None</source>
        <translation>&amp;Keine auswählen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>A&amp;lle auswählen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <comment>list menu</comment>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <source>Select &amp;none</source>
        <comment>list menu</comment>
        <translation>&amp;Keine auswählen</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
</context>
<context>
    <name>TEditChoiceForm</name>
    <message>
        <source>Edit options</source>
        <translation>Bearbeitungsoptionen</translation>
    </message>
    <message>
        <source>Parts of the filenames to be edited:</source>
        <translation>Zu bearbeitende Teile der Dateinamen:</translation>
    </message>
    <message>
        <source>Filename only</source>
        <translation>Nur Dateiname</translation>
    </message>
    <message>
        <source>Filename and extension</source>
        <translation>Dateiname und Erweiterung</translation>
    </message>
    <message>
        <source>Filename and path</source>
        <translation>Dateiname und Pfad</translation>
    </message>
    <message>
        <source>Filename, extension and path</source>
        <translation>Dateiname, Erweiterung und Pfad</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TEditForm</name>
    <message>
        <source>Manual filename edit</source>
        <translation>Dateinamen von Hand bearbeiten</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Dateinamen</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <comment>menu bar</comment>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>&amp;File names</source>
        <comment>menu bar</comment>
        <translation>&amp;Dateinamen</translation>
    </message>
    <message>
        <source>&amp;Case</source>
        <comment>menu bar</comment>
        <translation>&amp;Schreibweise</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <comment>Rename menu</comment>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <comment>Rename menu</comment>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Reimport</source>
        <comment>File names menu</comment>
        <translation>&amp;Neu einlesen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <comment>File names menu</comment>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <comment>File names menu</comment>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Select all</source>
        <comment>File names menu</comment>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>&amp;UPPER CASE</source>
        <comment>Case menu</comment>
        <translation>&amp;GROSSBUCHSTABEN</translation>
    </message>
    <message>
        <source>&amp;lower case</source>
        <comment>Case menu</comment>
        <translation>&amp;kleinbuchstaben</translation>
    </message>
    <message>
        <source>&amp;Title Case</source>
        <comment>Case menu</comment>
        <translation>&amp;Wortanfänge Groß</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Reimport names</source>
        <translation>Namen neu einlesen</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>In die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Paste from clipboard</source>
        <translation>Aus der Zwischenablage einfügen</translation>
    </message>
    <message>
        <source>Upper case</source>
        <translation>Großbuchstaben</translation>
    </message>
    <message>
        <source>Lower case</source>
        <translation>Kleinbuchstaben</translation>
    </message>
    <message>
        <source>Title Case</source>
        <translation>Wortanfänge groß</translation>
    </message>
</context>
<context>
    <name>TFileSearchForm</name>
    <message>
        <source>Search for files</source>
        <translation>Dateien suchen</translation>
    </message>
    <message>
        <source>Building directory tree...</source>
        <translation>Verzeichnisbaum wird aufgebaut...</translation>
    </message>
    <message>
        <source>Searching for files...</source>
        <translation>Dateien werden gesucht...</translation>
    </message>
    <message>
        <source>No filters are specified!</source>
        <translation>Es sind keine Filter angegeben!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <comment>while searching</comment>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Pfad:</translation>
    </message>
    <message>
        <source>Include subdirectories</source>
        <translation>Unterverzeichnisse einbeziehen</translation>
    </message>
    <message>
        <source>Filters:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>&amp;Add filter</source>
        <translation>Filter &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove filter</source>
        <translation>Filter &amp;entfernen</translation>
    </message>
    <message>
        <source>Use/Include</source>
        <translation>Verwenden/Einschließen</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Schreibgeschützt</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archiv</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Versteckt</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>Stan&amp;dard</translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>%1 verwenden</translation>
    </message>
    <message>
        <source>Directories: %1   Files: %2</source>
        <translation>Verzeichnisse: %1   Dateien: %2</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>&amp;Files</source>
        <comment>menu bar</comment>
        <translation>&amp;Dateien</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>menu bar</comment>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <comment>menu bar</comment>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Quick Settings</source>
        <comment>menu bar</comment>
        <translation>&amp;Schnelleinstellungen</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <comment>menu bar</comment>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Start renaming</source>
        <comment>Files menu</comment>
        <translation>Umbenennung &amp;starten</translation>
    </message>
    <message>
        <source>&amp;Edit manually</source>
        <comment>Files menu</comment>
        <translation>Von Hand &amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;New file list</source>
        <comment>Files menu</comment>
        <translation>Neue &amp;Dateiliste</translation>
    </message>
    <message>
        <source>&amp;Import file list</source>
        <comment>Files menu</comment>
        <translation>Dateiliste &amp;importieren</translation>
    </message>
    <message>
        <source>A&amp;dd to file list</source>
        <comment>Files menu</comment>
        <translation>Zur Dateiliste hin&amp;zufügen</translation>
    </message>
    <message>
        <source>S&amp;ave file list</source>
        <comment>Files menu</comment>
        <translation>Dateiliste s&amp;peichern</translation>
    </message>
    <message>
        <source>S&amp;earch for files</source>
        <comment>Files menu</comment>
        <translation>Dateien s&amp;uchen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <comment>Files menu</comment>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Unlist</source>
        <comment>Files menu</comment>
        <translation>En&amp;tfernen</translation>
    </message>
    <message>
        <source>S&amp;elect all</source>
        <comment>Files menu</comment>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <source>U&amp;nlist all</source>
        <comment>Files menu</comment>
        <translation>A&amp;lle entfernen</translation>
    </message>
    <message>
        <source>Und&amp;o last renaming</source>
        <comment>Files menu|undo</comment>
        <translation>Letzte Umbenennung &amp;rückgängig</translation>
    </message>
    <message numerus="yes">
        <source>Und&amp;o last renaming (%n files)</source>
        <comment>Files menu|undo</comment>
        <translation>
            <numerusform>Letzte Umbenennung &amp;rückgängig (%n Datei)</numerusform>
            <numerusform>Letzte Umbenennung &amp;rückgängig (%n Dateien)</numerusform>
        </translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>Files menu</comment>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <comment>Edit menu</comment>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>C&amp;ut</source>
        <comment>Edit menu</comment>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <comment>Edit menu</comment>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <comment>Edit menu</comment>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Set renaming options</source>
        <comment>Options menu</comment>
        <translation>Umbenennungsoptionen &amp;festlegen</translation>
    </message>
    <message>
        <source>&amp;Reset all</source>
        <comment>Options menu</comment>
        <translation>&amp;Alles zurücksetzen</translation>
    </message>
    <message>
        <source>Reset &amp;names</source>
        <comment>Options menu</comment>
        <translation>&amp;Namen zurücksetzen</translation>
    </message>
    <message>
        <source>Reset &amp;dates</source>
        <comment>Options menu</comment>
        <translation>&amp;Datumswerte zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Reset &amp;attributes</source>
        <comment>Options menu</comment>
        <translation>A&amp;ttribute zurücksetzen</translation>
    </message>
    <message>
        <source>Hide &amp;toolbar</source>
        <comment>Options menu|toolbar</comment>
        <translation>Werkzeugleiste aus&amp;blenden</translation>
    </message>
    <message>
        <source>Show &amp;toolbar</source>
        <comment>Options menu|toolbar</comment>
        <translation>Werkzeugleiste ein&amp;blenden</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <comment>Options menu</comment>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <comment>Quick Settings menu</comment>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Read settings from a file</source>
        <translation>Einstellungen aus einer Datei lesen</translation>
    </message>
    <message>
        <source>&amp;Save as</source>
        <comment>Quick Settings menu</comment>
        <translation>&amp;Speichern unter</translation>
    </message>
    <message>
        <source>Save settings in a file</source>
        <translation>Einstellungen in einer Datei speichern</translation>
    </message>
    <message>
        <source>&amp;All options</source>
        <comment>Reset options menu</comment>
        <translation>&amp;Alle Optionen</translation>
    </message>
    <message>
        <source>&amp;Name options</source>
        <comment>Reset options menu</comment>
        <translation>&amp;Namensoptionen</translation>
    </message>
    <message>
        <source>&amp;Date options</source>
        <comment>Reset options menu</comment>
        <translation>&amp;Datumsoptionen</translation>
    </message>
    <message>
        <source>A&amp;ttribute options</source>
        <comment>Reset options menu</comment>
        <translation>A&amp;ttributoptionen</translation>
    </message>
    <message>
        <source>Tile &amp;horizontal</source>
        <comment>Window menu</comment>
        <translation>&amp;Horizontal nebeneinander</translation>
    </message>
    <message>
        <source>Tile &amp;vertical</source>
        <comment>Window menu</comment>
        <translation>&amp;Vertikal nebeneinander</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <comment>Window menu</comment>
        <translation>&amp;Überlappend</translation>
    </message>
    <message>
        <source>&amp;Arange icons</source>
        <comment>Window menu</comment>
        <translation>Symbole &amp;anordnen</translation>
    </message>
    <message>
        <source>&amp;Minimize all</source>
        <comment>Window menu</comment>
        <translation>Alle &amp;minimieren</translation>
    </message>
    <message>
        <source>&amp;Normalize all</source>
        <comment>Window menu</comment>
        <translation>Alle &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>Help menu</comment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Introduction</source>
        <comment>Help menu</comment>
        <translation>&amp;Einführung</translation>
    </message>
    <message>
        <source>How to &amp;get help</source>
        <comment>Help menu</comment>
        <translation>Hilfe &amp;verwenden</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <comment>Help menu</comment>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Preview renaming</source>
        <translation>Vorschau der Umbenennung</translation>
    </message>
    <message>
        <source>Edit file list as text</source>
        <translation>Dateiliste als Text bearbeiten</translation>
    </message>
    <message>
        <source>New file list</source>
        <translation>Neue Dateiliste</translation>
    </message>
    <message>
        <source>Open file list</source>
        <translation>Dateiliste öffnen</translation>
    </message>
    <message>
        <source>Save file list</source>
        <translation>Dateiliste speichern</translation>
    </message>
    <message>
        <source>Search for and add files to file list</source>
        <translation>Dateien suchen und zur Dateiliste hinzufügen</translation>
    </message>
    <message>
        <source>Add files to file list</source>
        <translation>Dateien zur Dateiliste hinzufügen</translation>
    </message>
    <message>
        <source>Unlist files from file list</source>
        <translation>Dateien aus der Dateiliste entfernen</translation>
    </message>
    <message>
        <source>Select all files in file list</source>
        <translation>Alle Dateien der Dateiliste auswählen</translation>
    </message>
    <message>
        <source>Unlist all files in file list</source>
        <translation>Alle Dateien aus der Dateiliste entfernen</translation>
    </message>
    <message>
        <source>Move files up</source>
        <translation>Dateien nach oben verschieben</translation>
    </message>
    <message>
        <source>Move files down</source>
        <translation>Dateien nach unten verschieben</translation>
    </message>
    <message>
        <source>Set options</source>
        <translation>Optionen festlegen</translation>
    </message>
    <message>
        <source>Reset options</source>
        <translation>Optionen zurücksetzen</translation>
    </message>
    <message>
        <source>About Varnoke</source>
        <translation>Über Varnoke</translation>
    </message>
    <message>
        <source>File lists</source>
        <translation>Dateilisten</translation>
    </message>
</context>
<context>
    <name>TNameListForm</name>
    <message>
        <source>S&amp;earch for files</source>
        <comment>list menu</comment>
        <translation>Dateien &amp;suchen</translation>
    </message>
    <message>
        <source>Search for and add files to file list</source>
        <translation>Dateien suchen und zur Dateiliste hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Add files</source>
        <comment>list menu</comment>
        <translation>Dateien &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Add files to file list</source>
        <translation>Dateien zur Dateiliste hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Unlist files</source>
        <comment>list menu</comment>
        <translation>Dateien &amp;entfernen</translation>
    </message>
    <message>
        <source>Unlist files from file list</source>
        <translation>Dateien aus der Dateiliste entfernen</translation>
    </message>
    <message>
        <source>&amp;Select all</source>
        <comment>list menu</comment>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <source>Select all files in file list</source>
        <translation>Alle Dateien der Dateiliste auswählen</translation>
    </message>
    <message>
        <source>U&amp;nlist all</source>
        <comment>list menu</comment>
        <translation>A&amp;lle entfernen</translation>
    </message>
    <message>
        <source>Unlist all files in file list</source>
        <translation>Alle Dateien aus der Dateiliste entfernen</translation>
    </message>
    <message>
        <source>&amp;Import file list</source>
        <comment>list menu</comment>
        <translation>Dateiliste &amp;importieren</translation>
    </message>
    <message>
        <source>Import a file list form a text file</source>
        <translation>Eine Dateiliste aus einer Textdatei importieren</translation>
    </message>
    <message>
        <source>A&amp;dd to file list</source>
        <comment>list menu</comment>
        <translation>Zur Dateiliste hin&amp;zufügen</translation>
    </message>
    <message>
        <source>S&amp;ave file list</source>
        <comment>list menu</comment>
        <translation>Dateiliste s&amp;peichern</translation>
    </message>
    <message>
        <source>Save file list in a text file</source>
        <translation>Dateiliste in einer Textdatei speichern</translation>
    </message>
    <message>
        <source>&amp;Columns</source>
        <comment>list menu</comment>
        <translation>Spal&amp;ten</translation>
    </message>
    <message>
        <source>S&amp;ort list</source>
        <comment>list menu</comment>
        <translation>Liste s&amp;ortieren</translation>
    </message>
    <message>
        <source>Sort files in file list</source>
        <translation>Dateien der Dateiliste sortieren</translation>
    </message>
</context>
<context>
    <name>TOptionsForm</name>
    <message>
        <source>The filename field is illegally formatted!</source>
        <translation>Das Feld für den Dateinamen ist ungültig formatiert!</translation>
    </message>
    <message>
        <source>The extension field is illegally formatted!</source>
        <translation>Das Feld für die Erweiterung ist ungültig formatiert!</translation>
    </message>
    <message>
        <source>The date field is illegally formatted!</source>
        <translation>Das Datumsfeld ist ungültig formatiert!</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>Dates and attributes</source>
        <translation>Datum und Attribute</translation>
    </message>
    <message>
        <source>Option pages</source>
        <translation>Optionsseiten</translation>
    </message>
    <message>
        <source>Target directory:</source>
        <translation>Zielverzeichnis:</translation>
    </message>
    <message>
        <source>File transportation</source>
        <translation>Dateitransport</translation>
    </message>
    <message>
        <source>Move files</source>
        <translation>Dateien verschieben</translation>
    </message>
    <message>
        <source>Leave files</source>
        <translation>Dateien belassen</translation>
    </message>
    <message>
        <source>Copy files</source>
        <translation>Dateien kopieren</translation>
    </message>
    <message>
        <source>On name conflict</source>
        <translation>Bei Namenskonflikt</translation>
    </message>
    <message>
        <source>Add suffix (#1)</source>
        <translation>Zusatz anhängen (#1)</translation>
    </message>
    <message>
        <source>Delete to recycle bin</source>
        <translation>In den Papierkorb löschen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Step:</source>
        <translation>Schritt:</translation>
    </message>
    <message>
        <source>Digits:</source>
        <translation>Stellen:</translation>
    </message>
    <message>
        <source>New filename:</source>
        <translation>Neuer Dateiname:</translation>
    </message>
    <message>
        <source>New extension:</source>
        <translation>Neue Erweiterung:</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Methode</translation>
    </message>
    <message>
        <source>Standard (file name + number + extensjon)</source>
        <translation>Standard (Dateiname + Nummer + Erweiterung)</translation>
    </message>
    <message>
        <source>Advanced renaming system (*, ?, &lt;1:2&gt;, &quot;a?:b*&quot;, &lt;#&gt;)</source>
        <translation>Erweitertes Umbenennungssystem (*, ?, &lt;1:2&gt;, &quot;a?:b*&quot;, &lt;#&gt;)</translation>
    </message>
    <message>
        <source>Change file name</source>
        <translation>Dateinamen ändern</translation>
    </message>
    <message>
        <source>Change extension</source>
        <translation>Erweiterung ändern</translation>
    </message>
    <message>
        <source>Change case</source>
        <translation>Schreibweise ändern</translation>
    </message>
    <message>
        <source>Character case</source>
        <translation>Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>UPPERCASE</source>
        <translation>GROSSBUCHSTABEN</translation>
    </message>
    <message>
        <source>lowercase</source>
        <translation>kleinbuchstaben</translation>
    </message>
    <message>
        <source>Title case</source>
        <translation>Erster Buchstabe groß</translation>
    </message>
    <message>
        <source>Title Case In Every Word</source>
        <translation>Jedes Wort Mit Großem Anfang</translation>
    </message>
    <message>
        <source>Enumerate files</source>
        <translation>Dateien nummerieren</translation>
    </message>
    <message>
        <source>Use wildcards</source>
        <translation>Platzhalter verwenden</translation>
    </message>
    <message>
        <source>Disregard extension</source>
        <translation>Erweiterung nicht beachten</translation>
    </message>
    <message>
        <source>Date (insert code: &apos;|&apos;) </source>
        <translation>Datum (Code einfügen: &apos;|&apos;) </translation>
    </message>
    <message>
        <source>File time</source>
        <translation>Dateizeit</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Aktuelle Zeit</translation>
    </message>
    <message>
        <source>Time taken</source>
        <translation>Aufnahmezeit</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>Dates:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Created:</source>
        <translation>Erstellt:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Geändert:</translation>
    </message>
    <message>
        <source>Accessed:</source>
        <translation>Letzter Zugriff:</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Accessed</source>
        <translation>Letzter Zugriff</translation>
    </message>
    <message>
        <source>Increase:</source>
        <translation>Erhöhen um:</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Zuletzt</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Set from time taken</source>
        <translation>Aus Aufnahmezeit setzen</translation>
    </message>
    <message>
        <source>Gives each file the time its photo or video was taken.<byte value="xd"/>
Files that record none keep this time as it is.</source>
        <translation>Gibt jeder Datei die Zeit, zu der ihr Foto oder Video aufgenommen wurde.<byte value="xd"/>
Dateien, die keine Aufnahmezeit enthalten, behalten diese Zeit unverändert.</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mär</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Okt</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>second</source>
        <translation>Sekunde</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a date field: the row, then the field</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 increase %2</source>
        <comment>an increase field: the row, then the field</comment>
        <translation>%1 erhöhen um %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>the row, then &apos;Set from time taken&apos;</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Attributes:</source>
        <translation>Attribute:</translation>
    </message>
    <message>
        <source>Set:</source>
        <translation>Setzen:</translation>
    </message>
    <message>
        <source>Attribute:</source>
        <translation>Attribut:</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Schreibgeschützt</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archiv</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Versteckt</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>%1 setzen</translation>
    </message>
    <message>
        <source>Conventions</source>
        <translation>Konventionen</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>Stan&amp;dard</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Quick Settings</source>
        <translation>&amp;Schnelleinstellungen</translation>
    </message>
    <message>
        <source>&amp;Reset all</source>
        <comment>Quick Settings menu</comment>
        <translation>&amp;Alles zurücksetzen</translation>
    </message>
    <message>
        <source>Reset &amp;names</source>
        <comment>Quick Settings menu</comment>
        <translation>&amp;Namen zurücksetzen</translation>
    </message>
    <message>
        <source>Reset &amp;dates</source>
        <comment>Quick Settings menu</comment>
        <translation>&amp;Datumswerte zurücksetzen</translation>
    </message>
    <message>
        <source>Reset &amp;attributes</source>
        <comment>Quick Settings menu</comment>
        <translation>A&amp;ttribute zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <comment>Quick Settings menu</comment>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save as</source>
        <comment>Quick Settings menu</comment>
        <translation>&amp;Speichern unter</translation>
    </message>
    <message>
        <source>Choose &apos;Copy files&apos; or &apos;Move files&apos; in the<byte value="xd"/>
file transportation box to copy/move <byte value="xd"/>
the files to the specified directory.</source>
        <translation>Wählen Sie im Feld Dateitransport<byte value="xd"/>
&apos;Dateien kopieren&apos; oder &apos;Dateien verschieben&apos;,<byte value="xd"/>
um die Dateien in das angegebene<byte value="xd"/>
Verzeichnis zu kopieren oder zu verschieben.</translation>
    </message>
    <message>
        <source>Choose &apos;Copy files&apos; or &apos;Move files&apos; and<byte value="xd"/>
specify the appropriate directory to<byte value="xd"/>
copy/move files.</source>
        <translation>Wählen Sie &apos;Dateien kopieren&apos; oder &apos;Dateien<byte value="xd"/>
verschieben&apos; und geben Sie das Verzeichnis an,<byte value="xd"/>
in das die Dateien kopiert oder verschoben werden.</translation>
    </message>
    <message>
        <source>Enables wild card characters and some<byte value="xd"/>
special codes that are documented in<byte value="xd"/>
the help file. Press F1 to read the help file.</source>
        <translation>Schaltet Platzhalterzeichen und einige<byte value="xd"/>
besondere Codes ein, die in der Hilfe<byte value="xd"/>
beschrieben sind. Drücken Sie F1, um die Hilfe zu lesen.</translation>
    </message>
    <message>
        <source>Treats the original file name and <byte value="xd"/>
extension as one single string.</source>
        <translation>Behandelt den ursprünglichen Dateinamen und<byte value="xd"/>
die Erweiterung als eine einzige Zeichenkette.</translation>
    </message>
    <message>
        <source>Specifies the format of the date codes<byte value="xd"/>
entered into the file name or extension.<byte value="xd"/>
Press F1 to read about the conventions.</source>
        <translation>Legt das Format der Datumscodes fest, die in<byte value="xd"/>
Dateiname oder Erweiterung eingefügt werden.<byte value="xd"/>
Drücken Sie F1, um die Konventionen zu lesen.</translation>
    </message>
    <message>
        <source>Sample of new names</source>
        <translation>Beispiel der neuen Namen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Neuer Name</translation>
    </message>
</context>
<context>
    <name>TPreferences</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Start up</source>
        <translation>Beim Start</translation>
    </message>
    <message>
        <source>Blank file list on start up</source>
        <translation>Leere Dateiliste beim Start</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Disable tool tips</source>
        <translation>Tooltips ausschalten</translation>
    </message>
    <message>
        <source>Windows 98 Explorer optins</source>
        <translation>Optionen des Windows-98-Explorers</translation>
    </message>
    <message>
        <source>Make Explorer show true cases</source>
        <translation>Explorer die echte Schreibweise zeigen lassen</translation>
    </message>
    <message>
        <source>Acts on Windows only; the stored choice is kept.</source>
        <translation>Wirkt nur unter Windows; die gespeicherte Wahl bleibt erhalten.</translation>
    </message>
    <message>
        <source>Save defaults</source>
        <translation>Standardwerte speichern</translation>
    </message>
    <message>
        <source>Save on requests</source>
        <translation>Auf Anforderung speichern</translation>
    </message>
    <message>
        <source>Save every time</source>
        <translation>Jedes Mal speichern</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TPrepPrevForm</name>
    <message>
        <source>Varnoke progress</source>
        <translation>Varnoke-Fortschritt</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
</context>
<context>
    <name>TPreviewForm</name>
    <message>
        <source>Varnoke preview</source>
        <translation>Varnoke-Vorschau</translation>
    </message>
    <message>
        <source>Rename now!</source>
        <translation>Jetzt umbenennen!</translation>
    </message>
    <message>
        <source>By clicking here you start the actual renaming process.<byte value="xd"/>
You may delete files from the file list to skip them.</source>
        <translation>Ein Klick hier startet das eigentliche Umbenennen.<byte value="xd"/>
Sie können Dateien aus der Dateiliste löschen, um sie auszulassen.</translation>
    </message>
    <message>
        <source>Planned files</source>
        <translation>Geplante Dateien</translation>
    </message>
    <message>
        <source>&amp;Columns</source>
        <comment>list menu</comment>
        <translation>&amp;Spalten</translation>
    </message>
    <message>
        <source>S&amp;ort list</source>
        <comment>list menu</comment>
        <translation>Liste s&amp;ortieren</translation>
    </message>
</context>
<context>
    <name>TimesTaken</name>
    <message>
        <source>Varnoke is reading the times taken</source>
        <translation>Varnoke liest die Aufnahmezeiten</translation>
    </message>
    <message>
        <source>No time taken: the file time is used</source>
        <translation>Keine Aufnahmezeit: Die Dateizeit wird verwendet</translation>
    </message>
    <message numerus="yes">
        <source>%n files have no time taken; their file time is used</source>
        <translation>
            <numerusform>%n Datei hat keine Aufnahmezeit; ihre Dateizeit wird verwendet</numerusform>
            <numerusform>%n Dateien haben keine Aufnahmezeit; ihre Dateizeit wird verwendet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files have no time taken; their times are left unchanged</source>
        <translation>
            <numerusform>%n Datei hat keine Aufnahmezeit; ihre Zeiten bleiben unverändert</numerusform>
            <numerusform>%n Dateien haben keine Aufnahmezeit; ihre Zeiten bleiben unverändert</numerusform>
        </translation>
    </message>
</context>
</TS>
