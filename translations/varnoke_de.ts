<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Varnoke error</source>
        <translation>Varnoke-Fehler</translation>
    </message>
    <message>
        <source>The command line parameter %1 was illegally formated
<byte value="xd"/>Full path must be included!</source>
        <translation>Der Befehlszeilenparameter %1 ist ungültig formatiert
<byte value="xd"/>Der vollständige Pfad muss angegeben werden!</translation>
    </message>
    <message>
        <source>You have specified the &apos;/R&apos; parameter on the command line.<byte value="xd"/>
For Varnoke to run automatically, you also have to specify both<byte value="xd"/>
a options set (/O:) and either a file list (/L:) or a file search<byte value="xd"/>
command (/S:) on the command line.<byte value="xd"/>
<byte value="xd"/>
Varnoke will be started with the specified options.</source>
        <translation>Sie haben in der Befehlszeile den Parameter &apos;/R&apos; angegeben.<byte value="xd"/>
Damit Varnoke automatisch läuft, müssen Sie in der Befehlszeile<byte value="xd"/>
auch einen Optionssatz (/O:) und entweder eine Dateiliste (/L:)<byte value="xd"/>
oder einen Suchbefehl (/S:) angeben.<byte value="xd"/>
<byte value="xd"/>
Varnoke wird mit den angegebenen Optionen gestartet.</translation>
    </message>
    <message>
        <source>Varnoke is about to run an automatic renaming process.<byte value="xd"/>
Is it OK to rename the specified files?</source>
        <translation>Varnoke wird gleich eine automatische Umbenennung ausführen.<byte value="xd"/>
Dürfen die angegebenen Dateien umbenannt werden?</translation>
    </message>
</context>
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
    <name>EditNames</name>
    <message>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Do you really want to rename the files?</source>
        <translation>Wollen Sie die Dateien wirklich umbenennen?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The number of edited filenames are greater than the<byte value="xd"/>
number of files in the file list. Rename anyway?</source>
        <translation>Es gibt mehr bearbeitete Dateinamen als<byte value="xd"/>
Dateien in der Dateiliste. Trotzdem umbenennen?</translation>
    </message>
    <message>
        <source>The number of edited filenames are smaller than the<byte value="xd"/>
number of files in the file list. Rename anyway?</source>
        <translation>Es gibt weniger bearbeitete Dateinamen als<byte value="xd"/>
Dateien in der Dateiliste. Trotzdem umbenennen?</translation>
    </message>
    <message>
        <source>The file already exists!</source>
        <translation>Die Datei ist bereits vorhanden!</translation>
    </message>
    <message>
        <source>Do you wish to overwrite %1?<byte value="xd"/>
The file now there will be moved to the trash.</source>
        <translation>Wollen Sie %1 überschreiben?<byte value="xd"/>
Die Datei, die jetzt dort liegt, wird in den Papierkorb verschoben.</translation>
    </message>
    <message>
        <source>Do you really want to discard changes?</source>
        <translation>Wollen Sie die Änderungen wirklich verwerfen?</translation>
    </message>
    <message>
        <source>Varnoke could not move the file:<byte value="xd"/>
%1<byte value="xd"/>
to the trash. The reason: %2.<byte value="xd"/>
The file stays, and the file:<byte value="xd"/>
%3<byte value="xd"/>
keeps its name.</source>
        <translation>Varnoke konnte die Datei:<byte value="xd"/>
%1<byte value="xd"/>
nicht in den Papierkorb verschieben. Der Grund: %2.<byte value="xd"/>
Die Datei bleibt, und die Datei:<byte value="xd"/>
%3<byte value="xd"/>
behält ihren Namen.</translation>
    </message>
    <message>
        <source>the new name is no full path</source>
        <translation>der neue Name ist kein vollständiger Pfad</translation>
    </message>
    <message>
        <source>Varnoke could not rename the file:<byte value="xd"/>
%1<byte value="xd"/>
to<byte value="xd"/>
%2<byte value="xd"/>
The reason: %3.<byte value="xd"/>
The file keeps its name.</source>
        <translation>Varnoke konnte die Datei:<byte value="xd"/>
%1<byte value="xd"/>
nicht umbenennen in<byte value="xd"/>
%2<byte value="xd"/>
Der Grund: %3.<byte value="xd"/>
Die Datei behält ihren Namen.</translation>
    </message>
    <message>
        <source>The file:<byte value="xd"/>
%1<byte value="xd"/>
could not get its name back, because another file has it now. It is kept as:<byte value="xd"/>
%2</source>
        <translation>Die Datei:<byte value="xd"/>
%1<byte value="xd"/>
konnte ihren Namen nicht zurückbekommen, weil jetzt eine andere Datei so heißt. Sie bleibt erhalten als:<byte value="xd"/>
%2</translation>
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
    <name>Files</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>Die Datei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Varnoke file lists</source>
        <translation>Varnoke-Dateilisten</translation>
    </message>
    <message>
        <source>Varnoke sets</source>
        <translation>Varnoke-Optionssätze</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... und %n weitere</numerusform>
            <numerusform>... und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>A line that holds a NUL character names no file. Left out:</source>
        <translation>Eine Zeile mit einem NUL-Zeichen nennt keine Datei. Ausgelassen:</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Zugriff auf die Datei verweigert</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lesen über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>E/A-Fehler %1</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read. It was kept as %2; the default settings apply.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden. Sie wurde als %2 aufbewahrt; es gelten die Standardeinstellungen.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read. The settings of this session will not be saved.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden. Die Einstellungen dieser Sitzung werden nicht gespeichert.</translation>
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
    <name>Journal</name>
    <message>
        <source>%1: changed since the renaming (its size or last-write time differs); left as it is.</source>
        <translation>%1: seit der Umbenennung geändert (Größe oder Schreibzeit weichen ab); bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>%1: cannot go to %2, where another file is now; left as it is.</source>
        <translation>%1: kann nicht nach %2, wo jetzt eine andere Datei liegt; bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>%1: not found under any name the renaming gave it; nothing done.</source>
        <translation>%1: unter keinem Namen gefunden, den die Umbenennung ihr gab; nichts getan.</translation>
    </message>
    <message>
        <source>%1: went to the trash during the renaming; where the trash keeps it is not known, so restore it from the trash yourself.</source>
        <translation>%1: kam während der Umbenennung in den Papierkorb; wo der Papierkorb sie aufbewahrt, ist nicht bekannt, stellen Sie sie also selbst aus dem Papierkorb wieder her.</translation>
    </message>
    <message>
        <source>%1: could not be brought back from the trash: %2.</source>
        <translation>%1: konnte nicht aus dem Papierkorb zurückgeholt werden: %2.</translation>
    </message>
    <message>
        <source>%1: the copy could not be removed: %2.</source>
        <translation>%1: die Kopie konnte nicht entfernt werden: %2.</translation>
    </message>
    <message>
        <source>The run journal %1 is held by a renaming that is still running; nothing done.</source>
        <translation>Das Umbenennungsprotokoll %1 wird von einer noch laufenden Umbenennung gehalten; nichts getan.</translation>
    </message>
    <message>
        <source>The run journal %1 cannot be used (%2); it is kept aside as %1.bad and nothing was done with it.</source>
        <translation>Das Umbenennungsprotokoll %1 ist nicht verwendbar (%2); es wird als %1.bad beiseitegelegt, und nichts wurde damit getan.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>es kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The run journal %1 is of a complete renaming; nothing to recover.</source>
        <translation>Das Umbenennungsprotokoll %1 gehört zu einer vollständigen Umbenennung; nichts wiederherzustellen.</translation>
    </message>
    <message>
        <source>The run journal %1 is of no complete renaming to undo.</source>
        <translation>Das Umbenennungsprotokoll %1 gehört zu keiner vollständigen Umbenennung, die rückgängig gemacht werden könnte.</translation>
    </message>
    <message>
        <source>The run journal %1 could not be marked as recovered.</source>
        <translation>Das Umbenennungsprotokoll %1 konnte nicht als wiederhergestellt markiert werden.</translation>
    </message>
    <message>
        <source>The run journal %1 could not be marked as undone.</source>
        <translation>Das Umbenennungsprotokoll %1 konnte nicht als rückgängig gemacht markiert werden.</translation>
    </message>
    <message>
        <source>the run journal could not be made in %1: %2</source>
        <translation>das Umbenennungsprotokoll konnte in %1 nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>the run journal %1 could not be written; the renaming went on without it</source>
        <translation>das Umbenennungsprotokoll %1 konnte nicht geschrieben werden; die Umbenennung lief ohne es weiter</translation>
    </message>
    <message>
        <source>%1; nothing in it is used.</source>
        <translation>%1; nichts darin wird verwendet.</translation>
    </message>
    <message>
        <source>%1.

Without it, a renaming cut short cannot be finished or rolled back, and it cannot be undone. Rename all the same?</source>
        <translation>%1.

Ohne Protokoll kann eine abgebrochene Umbenennung weder abgeschlossen noch zurückgesetzt und auch nicht rückgängig gemacht werden. Trotzdem umbenennen?</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) where they belong</source>
        <translation>
            <numerusform>%n Datei an ihrem Platz</numerusform>
            <numerusform>%n Dateien an ihrem Platz</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left as they were</source>
        <translation>
            <numerusform>%n unverändert gelassen</numerusform>
            <numerusform>%n unverändert gelassen</numerusform>
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
            <numerusform>Eine Umbenennung von %1, begonnen am %2 (%3), wurde abgebrochen, nachdem sich %n Datei geändert hatte.

Ja schließt sie ab, Nein setzt sie auf die Namen davor zurück, Abbrechen verschiebt sie auf später.</numerusform>
            <numerusform>Eine Umbenennung von %1, begonnen am %2 (%3), wurde abgebrochen, nachdem sich %n Dateien geändert hatten.

Ja schließt sie ab, Nein setzt sie auf die Namen davor zurück, Abbrechen verschiebt sie auf später.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the renaming of %n files that started %1 (%2)?

Every file goes back to its old name, times and attributes; a file changed since, or whose old name another file holds now, stays as it is.</source>
        <translation>
            <numerusform>Die Umbenennung von %n Datei, begonnen am %1 (%2), rückgängig machen?

Jede Datei bekommt ihren alten Namen, ihre alten Zeiten und Attribute zurück; eine seither geänderte Datei oder eine, deren alten Namen jetzt eine andere Datei trägt, bleibt, wie sie ist.</numerusform>
            <numerusform>Die Umbenennung von %n Dateien, begonnen am %1 (%2), rückgängig machen?

Jede Datei bekommt ihren alten Namen, ihre alten Zeiten und Attribute zurück; eine seither geänderte Datei oder eine, deren alten Namen jetzt eine andere Datei trägt, bleibt, wie sie ist.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Rolled back</source>
        <translation>Zurückgesetzt</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Rückgängig gemacht</translation>
    </message>
    <message>
        <source>Varnoke: renaming cut short</source>
        <translation>Varnoke: Umbenennung abgebrochen</translation>
    </message>
    <message>
        <source>Left for later: the next start asks again, and varnoke-cli --recover finish|rollback settles it without questions.</source>
        <translation>Auf später verschoben: Der nächste Start fragt erneut, und varnoke-cli --recover finish|rollback erledigt es ohne Rückfragen.</translation>
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
    <name>Planning</name>
    <message>
        <source>Varnoke is preparing name preview</source>
        <translation>Varnoke bereitet die Vorschau vor</translation>
    </message>
    <message>
        <source>Varnoke is adding files to the list</source>
        <translation>Varnoke fügt Dateien hinzu</translation>
    </message>
    <message>
        <source>Could not add more files to the file list</source>
        <translation>Es konnten keine weiteren Dateien zur Dateiliste hinzugefügt werden</translation>
    </message>
    <message>
        <source>The file:<byte value="xd"/>
%1<byte value="xd"/>
is still busy. Please delete it from the list or free it</source>
        <translation>Die Datei:<byte value="xd"/>
%1<byte value="xd"/>
ist immer noch belegt. Bitte entfernen Sie sie aus der Liste oder geben Sie sie frei</translation>
    </message>
    <message>
        <source>The new name of the file:<byte value="xd"/>
%1<byte value="xd"/>
would be longer than %2 characters. The file is left out of the preview.</source>
        <translation>Der neue Name der Datei:<byte value="xd"/>
%1<byte value="xd"/>
wäre länger als %2 Zeichen. Die Datei wird in der Vorschau ausgelassen.</translation>
    </message>
    <message>
        <source>The new name of the file:<byte value="xd"/>
%1<byte value="xd"/>
would contain a &quot;/&quot; or a NUL character, which no file name may hold.<byte value="xd"/>
The file is left out of the preview.</source>
        <translation>Der neue Name der Datei:<byte value="xd"/>
%1<byte value="xd"/>
würde ein &quot;/&quot; oder ein NUL-Zeichen enthalten, was kein Dateiname enthalten darf.<byte value="xd"/>
Die Datei wird in der Vorschau ausgelassen.</translation>
    </message>
    <message numerus="yes">
        <source>The new name of the file:<byte value="xd"/>
%1<byte value="xd"/>
would be %n bytes long; the file system of its target directory takes at most %2.<byte value="xd"/>
The file is left out of the preview.</source>
        <translation>
            <numerusform>Der neue Name der Datei:<byte value="xd"/>
%1<byte value="xd"/>
wäre %n Byte lang; das Dateisystem ihres Zielverzeichnisses erlaubt höchstens %2.<byte value="xd"/>
Die Datei wird in der Vorschau ausgelassen.</numerusform>
            <numerusform>Der neue Name der Datei:<byte value="xd"/>
%1<byte value="xd"/>
wäre %n Byte lang; das Dateisystem ihres Zielverzeichnisses erlaubt höchstens %2.<byte value="xd"/>
Die Datei wird in der Vorschau ausgelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file:<byte value="xd"/>
%1<byte value="xd"/>
is listed before, as<byte value="xd"/>
%2<byte value="xd"/>
A file is renamed once in a run: this entry is left out of the preview.</source>
        <translation>Die Datei:<byte value="xd"/>
%1<byte value="xd"/>
steht schon weiter oben in der Liste, als<byte value="xd"/>
%2<byte value="xd"/>
Eine Datei wird in einem Durchgang einmal umbenannt: Dieser Eintrag wird in der Vorschau ausgelassen.</translation>
    </message>
    <message>
        <source>The files are to be moved or copied, but no target directory is set.<byte value="xd"/>
Nothing is planned: choose a target directory in the options first.</source>
        <translation>Die Dateien sollen verschoben oder kopiert werden, aber es ist kein Zielverzeichnis gesetzt.<byte value="xd"/>
Nichts wird geplant: Wählen Sie zuerst in den Optionen ein Zielverzeichnis.</translation>
    </message>
    <message>
        <source>The target directory<byte value="xd"/>
%1<byte value="xd"/>
is not a full path.<byte value="xd"/>
Nothing is planned: choose a target directory in the options first.</source>
        <translation>Das Zielverzeichnis<byte value="xd"/>
%1<byte value="xd"/>
ist kein vollständiger Pfad.<byte value="xd"/>
Nichts wird geplant: Wählen Sie zuerst in den Optionen ein Zielverzeichnis.</translation>
    </message>
    <message>
        <source>These files are no longer where the list names them (they were moved, renamed or deleted since they were listed) and were taken off the list:</source>
        <translation>Diese Dateien liegen nicht mehr dort, wo die Liste sie nennt (sie wurden seit dem Auflisten verschoben, umbenannt oder gelöscht), und wurden aus der Liste genommen:</translation>
    </message>
</context>
<context>
    <name>Renaming</name>
    <message>
        <source>Varnoke is renaming files</source>
        <translation>Varnoke benennt Dateien um</translation>
    </message>
    <message>
        <source>Nothing was renamed: every file already has the name, the times and the attributes planned for it.</source>
        <translation>Nichts wurde umbenannt: Jede Datei hat bereits den Namen, die Zeiten und die Attribute, die für sie geplant sind.</translation>
    </message>
    <message>
        <source>Varnoke was not able to rename a file.<byte value="xd"/>
The cause is probably that the file is busy.<byte value="xd"/>
This might interfere with the following operations,<byte value="xd"/>
But Varnoke will still continue renaming.</source>
        <translation>Varnoke konnte eine Datei nicht umbenennen.<byte value="xd"/>
Wahrscheinlich ist die Datei belegt.<byte value="xd"/>
Das kann die folgenden Vorgänge stören,<byte value="xd"/>
aber Varnoke setzt das Umbenennen fort.</translation>
    </message>
    <message>
        <source>Name conflict</source>
        <translation>Namenskonflikt</translation>
    </message>
    <message>
        <source>Varnoke encoutered an unexpected name conflict.<byte value="xd"/>
This means that some filenames are changed since the files<byte value="xd"/>
were imported into Varnoke&apos;s file list. If possible, the<byte value="xd"/>
existing file will be deleted to Recycle Bin, else the<byte value="xd"/>
file which is being renamed will be deleted to Recycle Bin.<byte value="xd"/>
<byte value="xd"/>
Is this OK? Press cancel to stop renaming.</source>
        <translation>Varnoke ist auf einen unerwarteten Namenskonflikt gestoßen.<byte value="xd"/>
Das bedeutet, dass sich einige Dateinamen geändert haben, seit die<byte value="xd"/>
Dateien in die Dateiliste von Varnoke aufgenommen wurden. Wenn möglich,<byte value="xd"/>
wird die vorhandene Datei in den Papierkorb gelöscht, sonst die<byte value="xd"/>
Datei, die gerade umbenannt wird.<byte value="xd"/>
<byte value="xd"/>
Ist das in Ordnung? Drücken Sie Abbrechen, um das Umbenennen zu beenden.</translation>
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
        <translation>Varnoke konnte weder die Quelldatei<byte value="xd"/>
noch die Zieldatei löschen... das ist schlecht.<byte value="xd"/>
Das kann die folgenden Vorgänge stören,<byte value="xd"/>
aber Varnoke setzt das Umbenennen fort.<byte value="xd"/>
<byte value="xd"/>
Die Zieldatei:<byte value="xd"/>
%1<byte value="xd"/>
konnte nicht in den Papierkorb: %2.<byte value="xd"/>
Die Quelldatei:<byte value="xd"/>
%3<byte value="xd"/>
konnte nicht in den Papierkorb: %4.</translation>
    </message>
    <message>
        <source>The file:<byte value="xd"/>
%1<byte value="xd"/>
is no longer there: it was moved, renamed or deleted since it was listed.<byte value="xd"/>
Varnoke leaves it out and will still continue renaming.</source>
        <translation>Die Datei:<byte value="xd"/>
%1<byte value="xd"/>
ist nicht mehr da: Sie wurde seit dem Auflisten verschoben, umbenannt oder gelöscht.<byte value="xd"/>
Varnoke lässt sie aus und setzt das Umbenennen fort.</translation>
    </message>
    <message>
        <source>Varnoke error</source>
        <translation>Varnoke-Fehler</translation>
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
        <translation>Varnoke konnte die Datei<byte value="xd"/>
%1<byte value="xd"/>
nicht kopieren nach<byte value="xd"/>
%2<byte value="xd"/>
Der Grund: %3.<byte value="xd"/>
<byte value="xd"/>
Die Datei behält ihren Namen. Drücken Sie OK, um mit den anderen Dateien weiterzumachen<byte value="xd"/>
(nach Dateien, die aus demselben Grund im selben Ordner scheitern, wird nicht erneut gefragt),<byte value="xd"/>
oder Abbrechen, um das Umbenennen zu beenden.</translation>
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
        <translation>Varnoke konnte die Datei<byte value="xd"/>
%1<byte value="xd"/>
nicht umbenennen in<byte value="xd"/>
%2<byte value="xd"/>
Der Grund: %3.<byte value="xd"/>
<byte value="xd"/>
Die Datei behält ihren Namen. Drücken Sie OK, um mit den anderen Dateien weiterzumachen<byte value="xd"/>
(nach Dateien, die aus demselben Grund im selben Ordner scheitern, wird nicht erneut gefragt),<byte value="xd"/>
oder Abbrechen, um das Umbenennen zu beenden.</translation>
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
        <source>Reset &amp;attributes</source>
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
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
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
