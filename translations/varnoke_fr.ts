<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Grid</name>
    <message>
        <source> (CONFLICT)</source>
        <translation> (CONFLIT)</translation>
    </message>
    <message>
        <source> (BUSY)</source>
        <translation> (OCCUPÉ)</translation>
    </message>
</context>
<context>
    <name>TOptionsForm</name>
    <message>
        <source>The filename field is illegally formatted!</source>
        <translation>Le champ du nom de fichier n&apos;est pas correctement formé !</translation>
    </message>
    <message>
        <source>The extension field is illegally formatted!</source>
        <translation>Le champ de l&apos;extension n&apos;est pas correctement formé !</translation>
    </message>
    <message>
        <source>The date field is illegally formatted!</source>
        <translation>Le champ de la date n&apos;est pas correctement formé !</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
    <message>
        <source>Dates and attributes</source>
        <translation>Dates et attributs</translation>
    </message>
    <message>
        <source>Option pages</source>
        <translation>Pages d&apos;options</translation>
    </message>
    <message>
        <source>Target directory:</source>
        <translation>Dossier cible :</translation>
    </message>
    <message>
        <source>File transportation</source>
        <translation>Déplacement des fichiers</translation>
    </message>
    <message>
        <source>Move files</source>
        <translation>Déplacer les fichiers</translation>
    </message>
    <message>
        <source>Leave files</source>
        <translation>Laisser les fichiers</translation>
    </message>
    <message>
        <source>Copy files</source>
        <translation>Copier les fichiers</translation>
    </message>
    <message>
        <source>On name conflict</source>
        <translation>En cas de conflit de noms</translation>
    </message>
    <message>
        <source>Add suffix (#1)</source>
        <translation>Ajouter un suffixe (#1)</translation>
    </message>
    <message>
        <source>Delete to recycle bin</source>
        <translation>Mettre à la corbeille</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Step:</source>
        <translation>Pas :</translation>
    </message>
    <message>
        <source>Digits:</source>
        <translation>Chiffres :</translation>
    </message>
    <message>
        <source>New filename:</source>
        <translation>Nouveau nom de fichier :</translation>
    </message>
    <message>
        <source>New extension:</source>
        <translation>Nouvelle extension :</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Méthode</translation>
    </message>
    <message>
        <source>Standard (file name + number + extensjon)</source>
        <translation>Standard (nom de fichier + numéro + extension)</translation>
    </message>
    <message>
        <source>Advanced renaming system (*, ?, &lt;1:2&gt;, &quot;a?:b*&quot;, &lt;#&gt;)</source>
        <translation>Système de renommage avancé (*, ?, &lt;1:2&gt;, &quot;a?:b*&quot;, &lt;#&gt;)</translation>
    </message>
    <message>
        <source>Change file name</source>
        <translation>Changer le nom de fichier</translation>
    </message>
    <message>
        <source>Change extension</source>
        <translation>Changer l&apos;extension</translation>
    </message>
    <message>
        <source>Change case</source>
        <translation>Changer la casse</translation>
    </message>
    <message>
        <source>Character case</source>
        <translation>Casse des caractères</translation>
    </message>
    <message>
        <source>UPPERCASE</source>
        <translation>MAJUSCULES</translation>
    </message>
    <message>
        <source>lowercase</source>
        <translation>minuscules</translation>
    </message>
    <message>
        <source>Title case</source>
        <translation>Première lettre en majuscule</translation>
    </message>
    <message>
        <source>Title Case In Every Word</source>
        <translation>Chaque Mot Avec Majuscule</translation>
    </message>
    <message>
        <source>Enumerate files</source>
        <translation>Numéroter les fichiers</translation>
    </message>
    <message>
        <source>Use wildcards</source>
        <translation>Utiliser les jokers</translation>
    </message>
    <message>
        <source>Disregard extension</source>
        <translation>Ignorer l&apos;extension</translation>
    </message>
    <message>
        <source>Date (insert code: &apos;|&apos;) </source>
        <translation>Date (code à insérer : &apos;|&apos;) </translation>
    </message>
    <message>
        <source>File time</source>
        <translation>Date du fichier</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>Time taken</source>
        <translation>Date de prise de vue</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Format de date</translation>
    </message>
    <message>
        <source>Dates:</source>
        <translation>Dates :</translation>
    </message>
    <message>
        <source>Created:</source>
        <translation>Création :</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Modification :</translation>
    </message>
    <message>
        <source>Accessed:</source>
        <translation>Dernier accès :</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Création</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modification</translation>
    </message>
    <message>
        <source>Accessed</source>
        <translation>Dernier accès</translation>
    </message>
    <message>
        <source>Increase:</source>
        <translation>Augmenter de :</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Précédente</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Remettre à zéro</translation>
    </message>
    <message>
        <source>Set from time taken</source>
        <translation>Prendre la date de prise de vue</translation>
    </message>
    <message>
        <source>Gives each file the time its photo or video was taken.<byte value="xd"/>
Files that record none keep this time as it is.</source>
        <translation>Donne à chaque fichier la date à laquelle sa photo ou sa vidéo a été prise.<byte value="xd"/>
Les fichiers qui n&apos;en contiennent pas gardent cette date telle quelle.</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>janv.</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>févr.</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>avr.</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>juil.</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>août</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sept.</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct.</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov.</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>déc.</translation>
    </message>
    <message>
        <source>day</source>
        <translation>jour</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mois</translation>
    </message>
    <message>
        <source>year</source>
        <translation>année</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>heure</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minute</translation>
    </message>
    <message>
        <source>second</source>
        <translation>seconde</translation>
    </message>
    <message>
        <source>days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>months</source>
        <translation>mois</translation>
    </message>
    <message>
        <source>years</source>
        <translation>années</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>heures</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a date field: the row, then the field</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 increase %2</source>
        <comment>an increase field: the row, then the field</comment>
        <translation>%1 augmentation %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>the row, then &apos;Set from time taken&apos;</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Attributes:</source>
        <translation>Attributs :</translation>
    </message>
    <message>
        <source>Set:</source>
        <translation>Changer :</translation>
    </message>
    <message>
        <source>Attribute:</source>
        <translation>Attribut :</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Lecture seule</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Caché</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Changer %1</translation>
    </message>
    <message>
        <source>Conventions</source>
        <translation>Conventions</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Par défaut</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Quick Settings</source>
        <translation>&amp;Réglages rapides</translation>
    </message>
    <message>
        <source>&amp;Reset all</source>
        <comment>Quick Settings menu</comment>
        <translation>&amp;Tout réinitialiser</translation>
    </message>
    <message>
        <source>Reset &amp;names</source>
        <comment>Quick Settings menu</comment>
        <translation>Réinitialiser les &amp;noms</translation>
    </message>
    <message>
        <source>Reset &amp;dates</source>
        <comment>Quick Settings menu</comment>
        <translation>Réinitialiser les &amp;dates</translation>
    </message>
    <message>
        <source>Reset &amp;attributes</source>
        <comment>Quick Settings menu</comment>
        <translation>Réinitialiser les &amp;attributs</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <comment>Quick Settings menu</comment>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save as</source>
        <comment>Quick Settings menu</comment>
        <translation>&amp;Enregistrer sous</translation>
    </message>
    <message>
        <source>Choose &apos;Copy files&apos; or &apos;Move files&apos; in the<byte value="xd"/>
file transportation box to copy/move <byte value="xd"/>
the files to the specified directory.</source>
        <translation>Choisissez &apos;Copier les fichiers&apos; ou &apos;Déplacer les<byte value="xd"/>
fichiers&apos; dans le cadre Déplacement des fichiers<byte value="xd"/>
pour copier ou déplacer les fichiers vers le dossier indiqué.</translation>
    </message>
    <message>
        <source>Choose &apos;Copy files&apos; or &apos;Move files&apos; and<byte value="xd"/>
specify the appropriate directory to<byte value="xd"/>
copy/move files.</source>
        <translation>Choisissez &apos;Copier les fichiers&apos; ou &apos;Déplacer<byte value="xd"/>
les fichiers&apos; et indiquez le dossier vers lequel<byte value="xd"/>
copier ou déplacer les fichiers.</translation>
    </message>
    <message>
        <source>Enables wild card characters and some<byte value="xd"/>
special codes that are documented in<byte value="xd"/>
the help file. Press F1 to read the help file.</source>
        <translation>Active les caractères jokers et quelques<byte value="xd"/>
codes spéciaux décrits dans l&apos;aide.<byte value="xd"/>
Appuyez sur F1 pour lire l&apos;aide.</translation>
    </message>
    <message>
        <source>Treats the original file name and <byte value="xd"/>
extension as one single string.</source>
        <translation>Traite le nom de fichier d&apos;origine et<byte value="xd"/>
l&apos;extension comme une seule chaîne.</translation>
    </message>
    <message>
        <source>Specifies the format of the date codes<byte value="xd"/>
entered into the file name or extension.<byte value="xd"/>
Press F1 to read about the conventions.</source>
        <translation>Indique le format des codes de date insérés<byte value="xd"/>
dans le nom de fichier ou l&apos;extension.<byte value="xd"/>
Appuyez sur F1 pour lire les conventions.</translation>
    </message>
    <message>
        <source>Sample of new names</source>
        <translation>Aperçu des nouveaux noms</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nouveau nom</translation>
    </message>
</context>
<context>
    <name>TimesTaken</name>
    <message>
        <source>Varnoke is reading the times taken</source>
        <translation>Varnoke lit les dates de prise de vue</translation>
    </message>
    <message>
        <source>No time taken: the file time is used</source>
        <translation>Pas de date de prise de vue : la date du fichier est utilisée</translation>
    </message>
    <message numerus="yes">
        <source>%n files have no time taken; their file time is used</source>
        <translation>
            <numerusform>%n fichier n&apos;a pas de date de prise de vue ; sa date de fichier est utilisée</numerusform>
            <numerusform>%n fichiers n&apos;ont pas de date de prise de vue ; leur date de fichier est utilisée</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files have no time taken; their times are left unchanged</source>
        <translation>
            <numerusform>%n fichier n&apos;a pas de date de prise de vue ; ses dates restent inchangées</numerusform>
            <numerusform>%n fichiers n&apos;ont pas de date de prise de vue ; leurs dates restent inchangées</numerusform>
        </translation>
    </message>
</context>
</TS>
