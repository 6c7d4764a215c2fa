<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
