<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Varnoke error</source>
        <translation>Erreur de Varnoke</translation>
    </message>
    <message>
        <source>The command line parameter %1 was illegally formated
<byte value="xd"/>Full path must be included!</source>
        <translation>Le paramètre de ligne de commande %1 n&apos;est pas correctement formé
<byte value="xd"/>Le chemin complet doit être indiqué !</translation>
    </message>
    <message>
        <source>You have specified the &apos;/R&apos; parameter on the command line.<byte value="xd"/>
For Varnoke to run automatically, you also have to specify both<byte value="xd"/>
a options set (/O:) and either a file list (/L:) or a file search<byte value="xd"/>
command (/S:) on the command line.<byte value="xd"/>
<byte value="xd"/>
Varnoke will be started with the specified options.</source>
        <translation>Vous avez indiqué le paramètre &apos;/R&apos; sur la ligne de commande.<byte value="xd"/>
Pour que Varnoke s&apos;exécute automatiquement, vous devez aussi indiquer<byte value="xd"/>
sur la ligne de commande un jeu d&apos;options (/O:) et soit une liste<byte value="xd"/>
de fichiers (/L:), soit une commande de recherche (/S:).<byte value="xd"/>
<byte value="xd"/>
Varnoke va démarrer avec les options indiquées.</translation>
    </message>
    <message>
        <source>Varnoke is about to run an automatic renaming process.<byte value="xd"/>
Is it OK to rename the specified files?</source>
        <translation>Varnoke va lancer un renommage automatique.<byte value="xd"/>
Peut-il renommer les fichiers indiqués ?</translation>
    </message>
</context>
<context>
    <name>DirectoryControls</name>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Show hidden folders</source>
        <translation>Afficher les dossiers cachés</translation>
    </message>
</context>
<context>
    <name>EditNames</name>
    <message>
        <source>Confirmation</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Do you really want to rename the files?</source>
        <translation>Voulez-vous vraiment renommer les fichiers ?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>The number of edited filenames are greater than the<byte value="xd"/>
number of files in the file list. Rename anyway?</source>
        <translation>Il y a plus de noms modifiés que de fichiers<byte value="xd"/>
dans la liste de fichiers. Renommer quand même ?</translation>
    </message>
    <message>
        <source>The number of edited filenames are smaller than the<byte value="xd"/>
number of files in the file list. Rename anyway?</source>
        <translation>Il y a moins de noms modifiés que de fichiers<byte value="xd"/>
dans la liste de fichiers. Renommer quand même ?</translation>
    </message>
    <message>
        <source>The file already exists!</source>
        <translation>Le fichier existe déjà !</translation>
    </message>
    <message>
        <source>Do you wish to overwrite %1?<byte value="xd"/>
The file now there will be moved to the trash.</source>
        <translation>Voulez-vous écraser %1 ?<byte value="xd"/>
Le fichier qui s&apos;y trouve maintenant sera mis à la corbeille.</translation>
    </message>
    <message>
        <source>Do you really want to discard changes?</source>
        <translation>Voulez-vous vraiment abandonner les modifications ?</translation>
    </message>
    <message>
        <source>Varnoke could not move the file:<byte value="xd"/>
%1<byte value="xd"/>
to the trash. The reason: %2.<byte value="xd"/>
The file stays, and the file:<byte value="xd"/>
%3<byte value="xd"/>
keeps its name.</source>
        <translation>Varnoke n&apos;a pas pu mettre le fichier :<byte value="xd"/>
%1<byte value="xd"/>
à la corbeille. Raison : %2.<byte value="xd"/>
Le fichier reste, et le fichier :<byte value="xd"/>
%3<byte value="xd"/>
garde son nom.</translation>
    </message>
    <message>
        <source>the new name is no full path</source>
        <translation>le nouveau nom n&apos;est pas un chemin complet</translation>
    </message>
    <message>
        <source>Varnoke could not rename the file:<byte value="xd"/>
%1<byte value="xd"/>
to<byte value="xd"/>
%2<byte value="xd"/>
The reason: %3.<byte value="xd"/>
The file keeps its name.</source>
        <translation>Varnoke n&apos;a pas pu renommer le fichier :<byte value="xd"/>
%1<byte value="xd"/>
en<byte value="xd"/>
%2<byte value="xd"/>
Raison : %3.<byte value="xd"/>
Le fichier garde son nom.</translation>
    </message>
    <message>
        <source>The file:<byte value="xd"/>
%1<byte value="xd"/>
could not get its name back, because another file has it now. It is kept as:<byte value="xd"/>
%2</source>
        <translation>Le fichier :<byte value="xd"/>
%1<byte value="xd"/>
n&apos;a pas pu reprendre son nom, car un autre fichier le porte maintenant. Il est conservé sous :<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>FileList</name>
    <message>
        <source>Blank list (%1)</source>
        <translation>Liste vide (%1)</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Varnoke file lists</source>
        <translation>Listes de fichiers Varnoke</translation>
    </message>
    <message>
        <source>Varnoke sets</source>
        <translation>Jeux d&apos;options Varnoke</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... et %n autre</numerusform>
            <numerusform>... et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>A line that holds a NUL character names no file. Left out:</source>
        <translation>Une ligne qui contient un caractère NUL ne désigne aucun fichier. Ignorées :</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Accès au fichier refusé</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disque plein</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lecture au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Erreur d&apos;E/S %1</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read. It was kept as %2; the default settings apply.</source>
        <translation>Le fichier de réglages %1 n&apos;a pas pu être lu. Il a été conservé sous %2 ; les réglages par défaut s&apos;appliquent.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read. The settings of this session will not be saved.</source>
        <translation>Le fichier de réglages %1 n&apos;a pas pu être lu. Les réglages de cette session ne seront pas enregistrés.</translation>
    </message>
</context>
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
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Ext</source>
        <translation>Ext</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Attrib</source>
        <translation>Attrib</translation>
    </message>
    <message>
        <source>Written to</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Accessed last</source>
        <translation>Dernier accès</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Créé</translation>
    </message>
    <message>
        <source>Old name</source>
        <translation>Ancien nom</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icône</translation>
    </message>
    <message>
        <source>&amp;Icon</source>
        <comment>Columns menu</comment>
        <translation>&amp;Icône</translation>
    </message>
    <message>
        <source>&amp;Path</source>
        <comment>Columns menu</comment>
        <translation>&amp;Chemin</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <comment>Columns menu</comment>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>&amp;Extension</source>
        <comment>Columns menu</comment>
        <translation>&amp;Extension</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <comment>Columns menu</comment>
        <translation>&amp;Taille</translation>
    </message>
    <message>
        <source>&amp;Attributes</source>
        <comment>Columns menu</comment>
        <translation>&amp;Attributs</translation>
    </message>
    <message>
        <source>&amp;Written to</source>
        <comment>Columns menu</comment>
        <translation>&amp;Modification</translation>
    </message>
    <message>
        <source>Accessed &amp;last</source>
        <comment>Columns menu</comment>
        <translation>&amp;Dernier accès</translation>
    </message>
    <message>
        <source>&amp;Created</source>
        <comment>Columns menu</comment>
        <translation>C&amp;réation</translation>
    </message>
    <message>
        <source>&amp;1: Path</source>
        <comment>Sort menu</comment>
        <translation>&amp;1 : Chemin</translation>
    </message>
    <message>
        <source>&amp;2: Name</source>
        <comment>Sort menu</comment>
        <translation>&amp;2 : Nom</translation>
    </message>
    <message>
        <source>&amp;3: Extension</source>
        <comment>Sort menu</comment>
        <translation>&amp;3 : Extension</translation>
    </message>
    <message>
        <source>&amp;4: Size</source>
        <comment>Sort menu</comment>
        <translation>&amp;4 : Taille</translation>
    </message>
    <message>
        <source>&amp;5: Attributes</source>
        <comment>Sort menu</comment>
        <translation>&amp;5 : Attributs</translation>
    </message>
    <message>
        <source>&amp;6: Written to</source>
        <comment>Sort menu</comment>
        <translation>&amp;6 : Modification</translation>
    </message>
    <message>
        <source>&amp;7: Accessed last</source>
        <comment>Sort menu</comment>
        <translation>&amp;7 : Dernier accès</translation>
    </message>
    <message>
        <source>&amp;8: Created</source>
        <comment>Sort menu</comment>
        <translation>&amp;8 : Création</translation>
    </message>
    <message>
        <source>&amp;9: Time taken</source>
        <comment>Sort menu</comment>
        <translation>&amp;9 : Date de prise de vue</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Varnoke Help</source>
        <translation>Aide de Varnoke</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>Conventions</source>
        <translation>Conventions</translation>
    </message>
    <message>
        <source>Date codes</source>
        <translation>Codes de date</translation>
    </message>
    <message>
        <source>Using help</source>
        <translation>Utiliser l&apos;aide</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Sujets d&apos;aide</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Page d&apos;aide</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>So&amp;mmaire</translation>
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
        <translation>%1 : modifié depuis le renommage (sa taille ou sa date de modification diffère) ; laissé tel quel.</translation>
    </message>
    <message>
        <source>%1: cannot go to %2, where another file is now; left as it is.</source>
        <translation>%1 : ne peut pas aller à %2, où se trouve maintenant un autre fichier ; laissé tel quel.</translation>
    </message>
    <message>
        <source>%1: not found under any name the renaming gave it; nothing done.</source>
        <translation>%1 : introuvable sous les noms que le renommage lui a donnés ; rien n&apos;a été fait.</translation>
    </message>
    <message>
        <source>%1: went to the trash during the renaming; where the trash keeps it is not known, so restore it from the trash yourself.</source>
        <translation>%1 : mis à la corbeille pendant le renommage ; on ne sait pas où la corbeille le garde, restaurez-le donc vous-même depuis la corbeille.</translation>
    </message>
    <message>
        <source>%1: could not be brought back from the trash: %2.</source>
        <translation>%1 : n&apos;a pas pu être récupéré dans la corbeille : %2.</translation>
    </message>
    <message>
        <source>%1: the copy could not be removed: %2.</source>
        <translation>%1 : la copie n&apos;a pas pu être supprimée : %2.</translation>
    </message>
    <message>
        <source>The run journal %1 is held by a renaming that is still running; nothing done.</source>
        <translation>Le journal de renommage %1 est tenu par un renommage encore en cours ; rien n&apos;a été fait.</translation>
    </message>
    <message>
        <source>The run journal %1 cannot be used (%2); it is kept aside as %1.bad and nothing was done with it.</source>
        <translation>Le journal de renommage %1 est inutilisable (%2) ; il est mis de côté sous %1.bad et rien n&apos;en a été fait.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il ne peut pas être lu</translation>
    </message>
    <message>
        <source>The run journal %1 is of a complete renaming; nothing to recover.</source>
        <translation>Le journal de renommage %1 est celui d&apos;un renommage complet ; rien à reprendre.</translation>
    </message>
    <message>
        <source>The run journal %1 is of no complete renaming to undo.</source>
        <translation>Le journal de renommage %1 n&apos;est celui d&apos;aucun renommage complet à annuler.</translation>
    </message>
    <message>
        <source>The run journal %1 could not be marked as recovered.</source>
        <translation>Le journal de renommage %1 n&apos;a pas pu être marqué comme repris.</translation>
    </message>
    <message>
        <source>The run journal %1 could not be marked as undone.</source>
        <translation>Le journal de renommage %1 n&apos;a pas pu être marqué comme annulé.</translation>
    </message>
    <message>
        <source>the run journal could not be made in %1: %2</source>
        <translation>le journal de renommage n&apos;a pas pu être créé dans %1 : %2</translation>
    </message>
    <message>
        <source>the run journal %1 could not be written; the renaming went on without it</source>
        <translation>le journal de renommage %1 n&apos;a pas pu être écrit ; le renommage a continué sans lui</translation>
    </message>
    <message>
        <source>%1; nothing in it is used.</source>
        <translation>%1 ; rien de son contenu n&apos;est utilisé.</translation>
    </message>
    <message>
        <source>%1.

Without it, a renaming cut short cannot be finished or rolled back, and it cannot be undone. Rename all the same?</source>
        <translation>%1.

Sans journal, un renommage interrompu ne peut être ni terminé ni défait, et il ne peut pas être annulé. Renommer quand même ?</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) where they belong</source>
        <translation>
            <numerusform>%n fichier à sa place</numerusform>
            <numerusform>%n fichiers à leur place</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left as they were</source>
        <translation>
            <numerusform>%n laissé tel quel</numerusform>
            <numerusform>%n laissés tels quels</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2, %3.</source>
        <comment>what was done, the files where they belong, the files left as they were</comment>
        <translation>%1 : %2, %3.</translation>
    </message>
    <message numerus="yes">
        <source>A renaming of %1 that started %2 (%3) was cut short after %n files had changed.

Yes finishes it, No rolls it back to the names before it, Cancel leaves it for later.</source>
        <translation>
            <numerusform>Un renommage de %1, commencé le %2 (%3), a été interrompu après la modification de %n fichier.

Oui le termine, Non le défait pour revenir aux noms d&apos;avant, Annuler le remet à plus tard.</numerusform>
            <numerusform>Un renommage de %1, commencé le %2 (%3), a été interrompu après la modification de %n fichiers.

Oui le termine, Non le défait pour revenir aux noms d&apos;avant, Annuler le remet à plus tard.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the renaming of %n files that started %1 (%2)?

Every file goes back to its old name, times and attributes; a file changed since, or whose old name another file holds now, stays as it is.</source>
        <translation>
            <numerusform>Annuler le renommage de %n fichier commencé le %1 (%2) ?

Chaque fichier reprend son ancien nom, ses anciennes dates et ses anciens attributs ; un fichier modifié depuis, ou dont un autre fichier porte maintenant l&apos;ancien nom, reste tel quel.</numerusform>
            <numerusform>Annuler le renommage de %n fichiers commencé le %1 (%2) ?

Chaque fichier reprend son ancien nom, ses anciennes dates et ses anciens attributs ; un fichier modifié depuis, ou dont un autre fichier porte maintenant l&apos;ancien nom, reste tel quel.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Rolled back</source>
        <translation>Défait</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Varnoke: renaming cut short</source>
        <translation>Varnoke : renommage interrompu</translation>
    </message>
    <message>
        <source>Left for later: the next start asks again, and varnoke-cli --recover finish|rollback settles it without questions.</source>
        <translation>Remis à plus tard : le prochain démarrage reposera la question, et varnoke-cli --recover finish|rollback le règle sans questions.</translation>
    </message>
</context>
<context>
    <name>ListGrid</name>
    <message>
        <source>File list</source>
        <translation>Liste de fichiers</translation>
    </message>
</context>
<context>
    <name>ListStatusBar</name>
    <message>
        <source>Files:</source>
        <translation>Fichiers :</translation>
    </message>
    <message>
        <source>Marked:</source>
        <translation>Marqués :</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Marqués</translation>
    </message>
    <message>
        <source>Selected file</source>
        <translation>Fichier sélectionné</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a panel&apos;s name, then its value</comment>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>Planning</name>
    <message>
        <source>Varnoke is preparing name preview</source>
        <translation>Varnoke prépare l&apos;aperçu</translation>
    </message>
    <message>
        <source>Varnoke is adding files to the list</source>
        <translation>Varnoke ajoute des fichiers</translation>
    </message>
    <message>
        <source>Could not add more files to the file list</source>
        <translation>Impossible d&apos;ajouter d&apos;autres fichiers à la liste</translation>
    </message>
    <message>
        <source>The file:<byte value="xd"/>
%1<byte value="xd"/>
is still busy. Please delete it from the list or free it</source>
        <translation>Le fichier :<byte value="xd"/>
%1<byte value="xd"/>
est toujours occupé. Retirez-le de la liste ou libérez-le</translation>
    </message>
    <message>
        <source>The new name of the file:<byte value="xd"/>
%1<byte value="xd"/>
would be longer than %2 characters. The file is left out of the preview.</source>
        <translation>Le nouveau nom du fichier :<byte value="xd"/>
%1<byte value="xd"/>
dépasserait %2 caractères. Le fichier est laissé hors de l&apos;aperçu.</translation>
    </message>
    <message>
        <source>The new name of the file:<byte value="xd"/>
%1<byte value="xd"/>
would contain a &quot;/&quot; or a NUL character, which no file name may hold.<byte value="xd"/>
The file is left out of the preview.</source>
        <translation>Le nouveau nom du fichier :<byte value="xd"/>
%1<byte value="xd"/>
contiendrait un &quot;/&quot; ou un caractère NUL, qu&apos;aucun nom de fichier ne peut contenir.<byte value="xd"/>
Le fichier est laissé hors de l&apos;aperçu.</translation>
    </message>
    <message numerus="yes">
        <source>The new name of the file:<byte value="xd"/>
%1<byte value="xd"/>
would be %n bytes long; the file system of its target directory takes at most %2.<byte value="xd"/>
The file is left out of the preview.</source>
        <translation>
            <numerusform>Le nouveau nom du fichier :<byte value="xd"/>
%1<byte value="xd"/>
ferait %n octet ; le système de fichiers de son dossier cible en accepte au plus %2.<byte value="xd"/>
Le fichier est laissé hors de l&apos;aperçu.</numerusform>
            <numerusform>Le nouveau nom du fichier :<byte value="xd"/>
%1<byte value="xd"/>
ferait %n octets ; le système de fichiers de son dossier cible en accepte au plus %2.<byte value="xd"/>
Le fichier est laissé hors de l&apos;aperçu.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file:<byte value="xd"/>
%1<byte value="xd"/>
is listed before, as<byte value="xd"/>
%2<byte value="xd"/>
A file is renamed once in a run: this entry is left out of the preview.</source>
        <translation>Le fichier :<byte value="xd"/>
%1<byte value="xd"/>
figure déjà plus haut dans la liste, sous<byte value="xd"/>
%2<byte value="xd"/>
Un fichier n&apos;est renommé qu&apos;une fois par opération : cette entrée est laissée hors de l&apos;aperçu.</translation>
    </message>
    <message>
        <source>The files are to be moved or copied, but no target directory is set.<byte value="xd"/>
Nothing is planned: choose a target directory in the options first.</source>
        <translation>Les fichiers doivent être déplacés ou copiés, mais aucun dossier cible n&apos;est défini.<byte value="xd"/>
Rien n&apos;est prévu : choisissez d&apos;abord un dossier cible dans les options.</translation>
    </message>
    <message>
        <source>The target directory<byte value="xd"/>
%1<byte value="xd"/>
is not a full path.<byte value="xd"/>
Nothing is planned: choose a target directory in the options first.</source>
        <translation>Le dossier cible<byte value="xd"/>
%1<byte value="xd"/>
n&apos;est pas un chemin complet.<byte value="xd"/>
Rien n&apos;est prévu : choisissez d&apos;abord un dossier cible dans les options.</translation>
    </message>
    <message>
        <source>These files are no longer where the list names them (they were moved, renamed or deleted since they were listed) and were taken off the list:</source>
        <translation>Ces fichiers ne sont plus là où la liste les indique (ils ont été déplacés, renommés ou supprimés depuis) et ont été retirés de la liste :</translation>
    </message>
</context>
<context>
    <name>Renaming</name>
    <message>
        <source>Varnoke is renaming files</source>
        <translation>Varnoke renomme les fichiers</translation>
    </message>
    <message>
        <source>Nothing was renamed: every file already has the name, the times and the attributes planned for it.</source>
        <translation>Rien n&apos;a été renommé : chaque fichier a déjà le nom, les dates et les attributs prévus pour lui.</translation>
    </message>
    <message>
        <source>Varnoke was not able to rename a file.<byte value="xd"/>
The cause is probably that the file is busy.<byte value="xd"/>
This might interfere with the following operations,<byte value="xd"/>
But Varnoke will still continue renaming.</source>
        <translation>Varnoke n&apos;a pas pu renommer un fichier.<byte value="xd"/>
Le fichier est probablement occupé.<byte value="xd"/>
Cela peut gêner les opérations suivantes,<byte value="xd"/>
mais Varnoke continue le renommage.</translation>
    </message>
    <message>
        <source>Name conflict</source>
        <translation>Conflit de noms</translation>
    </message>
    <message>
        <source>Varnoke encoutered an unexpected name conflict.<byte value="xd"/>
This means that some filenames are changed since the files<byte value="xd"/>
were imported into Varnoke&apos;s file list. If possible, the<byte value="xd"/>
existing file will be deleted to Recycle Bin, else the<byte value="xd"/>
file which is being renamed will be deleted to Recycle Bin.<byte value="xd"/>
<byte value="xd"/>
Is this OK? Press cancel to stop renaming.</source>
        <translation>Varnoke a rencontré un conflit de noms inattendu.<byte value="xd"/>
Cela signifie que des noms de fichiers ont changé depuis que les fichiers<byte value="xd"/>
ont été ajoutés à la liste de Varnoke. Si possible, le fichier<byte value="xd"/>
existant sera mis à la corbeille, sinon ce sera le fichier<byte value="xd"/>
en cours de renommage.<byte value="xd"/>
<byte value="xd"/>
Est-ce d&apos;accord ? Appuyez sur Annuler pour arrêter le renommage.</translation>
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
        <translation>Varnoke n&apos;a pu supprimer ni le fichier source<byte value="xd"/>
ni le fichier cible... ce n&apos;est pas bon signe.<byte value="xd"/>
Cela peut gêner les opérations suivantes,<byte value="xd"/>
mais Varnoke continue le renommage.<byte value="xd"/>
<byte value="xd"/>
Le fichier cible :<byte value="xd"/>
%1<byte value="xd"/>
n&apos;a pas pu aller à la corbeille : %2.<byte value="xd"/>
Le fichier source :<byte value="xd"/>
%3<byte value="xd"/>
n&apos;a pas pu aller à la corbeille : %4.</translation>
    </message>
    <message>
        <source>The file:<byte value="xd"/>
%1<byte value="xd"/>
is no longer there: it was moved, renamed or deleted since it was listed.<byte value="xd"/>
Varnoke leaves it out and will still continue renaming.</source>
        <translation>Le fichier :<byte value="xd"/>
%1<byte value="xd"/>
n&apos;est plus là : il a été déplacé, renommé ou supprimé depuis son ajout à la liste.<byte value="xd"/>
Varnoke le laisse de côté et continue le renommage.</translation>
    </message>
    <message>
        <source>Varnoke error</source>
        <translation>Erreur de Varnoke</translation>
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
        <translation>Varnoke n&apos;a pas pu copier le fichier<byte value="xd"/>
%1<byte value="xd"/>
vers<byte value="xd"/>
%2<byte value="xd"/>
Raison : %3.<byte value="xd"/>
<byte value="xd"/>
Le fichier garde son nom. Appuyez sur OK pour continuer avec les autres fichiers (pour les fichiers<byte value="xd"/>
qui échouent pour la même raison dans le même dossier, la question ne sera plus posée),<byte value="xd"/>
ou sur Annuler pour arrêter le renommage.</translation>
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
        <translation>Varnoke n&apos;a pas pu renommer le fichier<byte value="xd"/>
%1<byte value="xd"/>
en<byte value="xd"/>
%2<byte value="xd"/>
Raison : %3.<byte value="xd"/>
<byte value="xd"/>
Le fichier garde son nom. Appuyez sur OK pour continuer avec les autres fichiers (pour les fichiers<byte value="xd"/>
qui échouent pour la même raison dans le même dossier, la question ne sera plus posée),<byte value="xd"/>
ou sur Annuler pour arrêter le renommage.</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Varnoke 7.0</source>
        <translation>À propos de Varnoke 7.0</translation>
    </message>
    <message>
        <source>Version 7.0</source>
        <translation>Version 7.0</translation>
    </message>
    <message>
        <source>Renames, re-dates and re-attributes many files in one operation.</source>
        <translation>Renomme de nombreux fichiers en une seule opération, change leurs dates et leurs attributs.</translation>
    </message>
    <message>
        <source>Linux edition</source>
        <translation>Édition Linux</translation>
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
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Chemin :</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtre :</translation>
    </message>
    <message>
        <source>Files:</source>
        <comment>above the list</comment>
        <translation>Fichiers :</translation>
    </message>
    <message>
        <source>Files:</source>
        <comment>before the number of files</comment>
        <translation>Fichiers :</translation>
    </message>
    <message>
        <source>Marked:</source>
        <translation>Marqués :</translation>
    </message>
    <message>
        <source>Select &amp;None</source>
        <translation>&amp;Désélectionner tout</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Tout &amp;sélectionner</translation>
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
        <source>Select &amp;all</source>
        <comment>list menu</comment>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>Select &amp;none</source>
        <comment>list menu</comment>
        <translation>&amp;Ne rien sélectionner</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
</context>
<context>
    <name>TEditChoiceForm</name>
    <message>
        <source>Edit options</source>
        <translation>Options de modification</translation>
    </message>
    <message>
        <source>Parts of the filenames to be edited:</source>
        <translation>Parties des noms de fichiers à modifier :</translation>
    </message>
    <message>
        <source>Filename only</source>
        <translation>Nom de fichier seul</translation>
    </message>
    <message>
        <source>Filename and extension</source>
        <translation>Nom de fichier et extension</translation>
    </message>
    <message>
        <source>Filename and path</source>
        <translation>Nom de fichier et chemin</translation>
    </message>
    <message>
        <source>Filename, extension and path</source>
        <translation>Nom de fichier, extension et chemin</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TEditForm</name>
    <message>
        <source>Manual filename edit</source>
        <translation>Modification manuelle des noms de fichiers</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Noms de fichiers</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <comment>menu bar</comment>
        <translation>&amp;Renommer</translation>
    </message>
    <message>
        <source>&amp;File names</source>
        <comment>menu bar</comment>
        <translation>&amp;Noms de fichiers</translation>
    </message>
    <message>
        <source>&amp;Case</source>
        <comment>menu bar</comment>
        <translation>&amp;Casse</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <comment>Rename menu</comment>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <comment>Rename menu</comment>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Reimport</source>
        <comment>File names menu</comment>
        <translation>&amp;Réimporter</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <comment>File names menu</comment>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <comment>File names menu</comment>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>Select all</source>
        <comment>File names menu</comment>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>&amp;UPPER CASE</source>
        <comment>Case menu</comment>
        <translation>&amp;MAJUSCULES</translation>
    </message>
    <message>
        <source>&amp;lower case</source>
        <comment>Case menu</comment>
        <translation>m&amp;inuscules</translation>
    </message>
    <message>
        <source>&amp;Title Case</source>
        <comment>Case menu</comment>
        <translation>&amp;Première Lettre Des Mots</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Reimport names</source>
        <translation>Réimporter les noms</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>Paste from clipboard</source>
        <translation>Coller depuis le presse-papiers</translation>
    </message>
    <message>
        <source>Upper case</source>
        <translation>Majuscules</translation>
    </message>
    <message>
        <source>Lower case</source>
        <translation>Minuscules</translation>
    </message>
    <message>
        <source>Title Case</source>
        <translation>Première lettre des mots en majuscule</translation>
    </message>
</context>
<context>
    <name>TFileSearchForm</name>
    <message>
        <source>Search for files</source>
        <translation>Rechercher des fichiers</translation>
    </message>
    <message>
        <source>Building directory tree...</source>
        <translation>Construction de l&apos;arborescence...</translation>
    </message>
    <message>
        <source>Searching for files...</source>
        <translation>Recherche des fichiers...</translation>
    </message>
    <message>
        <source>No filters are specified!</source>
        <translation>Aucun filtre n&apos;est indiqué !</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <comment>while searching</comment>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Chemin :</translation>
    </message>
    <message>
        <source>Include subdirectories</source>
        <translation>Inclure les sous-dossiers</translation>
    </message>
    <message>
        <source>Filters:</source>
        <translation>Filtres :</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtres</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtre :</translation>
    </message>
    <message>
        <source>&amp;Add filter</source>
        <translation>&amp;Ajouter un filtre</translation>
    </message>
    <message>
        <source>&amp;Remove filter</source>
        <translation>&amp;Retirer le filtre</translation>
    </message>
    <message>
        <source>Use/Include</source>
        <translation>Utiliser/Inclure</translation>
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
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Par défaut</translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>Utiliser %1</translation>
    </message>
    <message>
        <source>Directories: %1   Files: %2</source>
        <translation>Dossiers : %1   Fichiers : %2</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>&amp;Files</source>
        <comment>menu bar</comment>
        <translation>&amp;Fichiers</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>menu bar</comment>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <comment>menu bar</comment>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Quick Settings</source>
        <comment>menu bar</comment>
        <translation>&amp;Réglages rapides</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <comment>menu bar</comment>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Start renaming</source>
        <comment>Files menu</comment>
        <translation>&amp;Lancer le renommage</translation>
    </message>
    <message>
        <source>&amp;Edit manually</source>
        <comment>Files menu</comment>
        <translation>Modifier à la &amp;main</translation>
    </message>
    <message>
        <source>&amp;New file list</source>
        <comment>Files menu</comment>
        <translation>&amp;Nouvelle liste de fichiers</translation>
    </message>
    <message>
        <source>&amp;Import file list</source>
        <comment>Files menu</comment>
        <translation>&amp;Importer une liste de fichiers</translation>
    </message>
    <message>
        <source>A&amp;dd to file list</source>
        <comment>Files menu</comment>
        <translation>Ajouter à la liste &amp;de fichiers</translation>
    </message>
    <message>
        <source>S&amp;ave file list</source>
        <comment>Files menu</comment>
        <translation>&amp;Enregistrer la liste de fichiers</translation>
    </message>
    <message>
        <source>S&amp;earch for files</source>
        <comment>Files menu</comment>
        <translation>Re&amp;chercher des fichiers</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <comment>Files menu</comment>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Unlist</source>
        <comment>Files menu</comment>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>S&amp;elect all</source>
        <comment>Files menu</comment>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>U&amp;nlist all</source>
        <comment>Files menu</comment>
        <translation>Retirer t&amp;out</translation>
    </message>
    <message>
        <source>Und&amp;o last renaming</source>
        <comment>Files menu|undo</comment>
        <translation>Ann&amp;uler le dernier renommage</translation>
    </message>
    <message numerus="yes">
        <source>Und&amp;o last renaming (%n files)</source>
        <comment>Files menu|undo</comment>
        <translation>
            <numerusform>Ann&amp;uler le dernier renommage (%n fichier)</numerusform>
            <numerusform>Ann&amp;uler le dernier renommage (%n fichiers)</numerusform>
        </translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>Files menu</comment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <comment>Edit menu</comment>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>C&amp;ut</source>
        <comment>Edit menu</comment>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <comment>Edit menu</comment>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <comment>Edit menu</comment>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Set renaming options</source>
        <comment>Options menu</comment>
        <translation>Définir les &amp;options de renommage</translation>
    </message>
    <message>
        <source>&amp;Reset all</source>
        <comment>Options menu</comment>
        <translation>&amp;Tout réinitialiser</translation>
    </message>
    <message>
        <source>Reset &amp;names</source>
        <comment>Options menu</comment>
        <translation>Réinitialiser les &amp;noms</translation>
    </message>
    <message>
        <source>Reset &amp;dates</source>
        <comment>Options menu</comment>
        <translation>Réinitialiser les &amp;dates</translation>
    </message>
    <message>
        <source>Reset &amp;attributes</source>
        <comment>Options menu</comment>
        <translation>Réinitialiser les &amp;attributs</translation>
    </message>
    <message>
        <source>Hide &amp;toolbar</source>
        <comment>Options menu|toolbar</comment>
        <translation>Masquer la &amp;barre d&apos;outils</translation>
    </message>
    <message>
        <source>Show &amp;toolbar</source>
        <comment>Options menu|toolbar</comment>
        <translation>Afficher la &amp;barre d&apos;outils</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <comment>Options menu</comment>
        <translation>Préférences...</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <comment>Quick Settings menu</comment>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Read settings from a file</source>
        <translation>Lire les réglages depuis un fichier</translation>
    </message>
    <message>
        <source>&amp;Save as</source>
        <comment>Quick Settings menu</comment>
        <translation>&amp;Enregistrer sous</translation>
    </message>
    <message>
        <source>Save settings in a file</source>
        <translation>Enregistrer les réglages dans un fichier</translation>
    </message>
    <message>
        <source>&amp;All options</source>
        <comment>Reset options menu</comment>
        <translation>&amp;Toutes les options</translation>
    </message>
    <message>
        <source>&amp;Name options</source>
        <comment>Reset options menu</comment>
        <translation>Options des &amp;noms</translation>
    </message>
    <message>
        <source>&amp;Date options</source>
        <comment>Reset options menu</comment>
        <translation>Options des &amp;dates</translation>
    </message>
    <message>
        <source>A&amp;ttribute options</source>
        <comment>Reset options menu</comment>
        <translation>Options des &amp;attributs</translation>
    </message>
    <message>
        <source>Tile &amp;horizontal</source>
        <comment>Window menu</comment>
        <translation>Mosaïque &amp;horizontale</translation>
    </message>
    <message>
        <source>Tile &amp;vertical</source>
        <comment>Window menu</comment>
        <translation>Mosaïque &amp;verticale</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <comment>Window menu</comment>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>&amp;Arange icons</source>
        <comment>Window menu</comment>
        <translation>&amp;Réorganiser les icônes</translation>
    </message>
    <message>
        <source>&amp;Minimize all</source>
        <comment>Window menu</comment>
        <translation>Tout réd&amp;uire</translation>
    </message>
    <message>
        <source>&amp;Normalize all</source>
        <comment>Window menu</comment>
        <translation>Tout res&amp;taurer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>Help menu</comment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Introduction</source>
        <comment>Help menu</comment>
        <translation>&amp;Introduction</translation>
    </message>
    <message>
        <source>How to &amp;get help</source>
        <comment>Help menu</comment>
        <translation>Comment obtenir de l&apos;ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <comment>Help menu</comment>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Preview renaming</source>
        <translation>Aperçu du renommage</translation>
    </message>
    <message>
        <source>Edit file list as text</source>
        <translation>Modifier la liste de fichiers comme texte</translation>
    </message>
    <message>
        <source>New file list</source>
        <translation>Nouvelle liste de fichiers</translation>
    </message>
    <message>
        <source>Open file list</source>
        <translation>Ouvrir une liste de fichiers</translation>
    </message>
    <message>
        <source>Save file list</source>
        <translation>Enregistrer la liste de fichiers</translation>
    </message>
    <message>
        <source>Search for and add files to file list</source>
        <translation>Rechercher des fichiers et les ajouter à la liste</translation>
    </message>
    <message>
        <source>Add files to file list</source>
        <translation>Ajouter des fichiers à la liste</translation>
    </message>
    <message>
        <source>Unlist files from file list</source>
        <translation>Retirer des fichiers de la liste</translation>
    </message>
    <message>
        <source>Select all files in file list</source>
        <translation>Sélectionner tous les fichiers de la liste</translation>
    </message>
    <message>
        <source>Unlist all files in file list</source>
        <translation>Retirer tous les fichiers de la liste</translation>
    </message>
    <message>
        <source>Move files up</source>
        <translation>Monter les fichiers</translation>
    </message>
    <message>
        <source>Move files down</source>
        <translation>Descendre les fichiers</translation>
    </message>
    <message>
        <source>Set options</source>
        <translation>Définir les options</translation>
    </message>
    <message>
        <source>Reset options</source>
        <translation>Réinitialiser les options</translation>
    </message>
    <message>
        <source>About Varnoke</source>
        <translation>À propos de Varnoke</translation>
    </message>
    <message>
        <source>File lists</source>
        <translation>Listes de fichiers</translation>
    </message>
</context>
<context>
    <name>TNameListForm</name>
    <message>
        <source>S&amp;earch for files</source>
        <comment>list menu</comment>
        <translation>Re&amp;chercher des fichiers</translation>
    </message>
    <message>
        <source>Search for and add files to file list</source>
        <translation>Rechercher des fichiers et les ajouter à la liste</translation>
    </message>
    <message>
        <source>&amp;Add files</source>
        <comment>list menu</comment>
        <translation>&amp;Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Add files to file list</source>
        <translation>Ajouter des fichiers à la liste</translation>
    </message>
    <message>
        <source>&amp;Unlist files</source>
        <comment>list menu</comment>
        <translation>&amp;Retirer des fichiers</translation>
    </message>
    <message>
        <source>Unlist files from file list</source>
        <translation>Retirer des fichiers de la liste</translation>
    </message>
    <message>
        <source>&amp;Select all</source>
        <comment>list menu</comment>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>Select all files in file list</source>
        <translation>Sélectionner tous les fichiers de la liste</translation>
    </message>
    <message>
        <source>U&amp;nlist all</source>
        <comment>list menu</comment>
        <translation>Retirer t&amp;out</translation>
    </message>
    <message>
        <source>Unlist all files in file list</source>
        <translation>Retirer tous les fichiers de la liste</translation>
    </message>
    <message>
        <source>&amp;Import file list</source>
        <comment>list menu</comment>
        <translation>&amp;Importer une liste de fichiers</translation>
    </message>
    <message>
        <source>Import a file list form a text file</source>
        <translation>Importer une liste de fichiers depuis un fichier texte</translation>
    </message>
    <message>
        <source>A&amp;dd to file list</source>
        <comment>list menu</comment>
        <translation>Ajouter à la liste &amp;de fichiers</translation>
    </message>
    <message>
        <source>S&amp;ave file list</source>
        <comment>list menu</comment>
        <translation>&amp;Enregistrer la liste de fichiers</translation>
    </message>
    <message>
        <source>Save file list in a text file</source>
        <translation>Enregistrer la liste de fichiers dans un fichier texte</translation>
    </message>
    <message>
        <source>&amp;Columns</source>
        <comment>list menu</comment>
        <translation>Co&amp;lonnes</translation>
    </message>
    <message>
        <source>S&amp;ort list</source>
        <comment>list menu</comment>
        <translation>Trier la li&amp;ste</translation>
    </message>
    <message>
        <source>Sort files in file list</source>
        <translation>Trier les fichiers de la liste</translation>
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
    <name>TPreferences</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Start up</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>Blank file list on start up</source>
        <translation>Liste de fichiers vide au démarrage</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Disable tool tips</source>
        <translation>Désactiver les infobulles</translation>
    </message>
    <message>
        <source>Windows 98 Explorer optins</source>
        <translation>Options de l&apos;Explorateur de Windows 98</translation>
    </message>
    <message>
        <source>Make Explorer show true cases</source>
        <translation>Faire afficher la vraie casse par l&apos;Explorateur</translation>
    </message>
    <message>
        <source>Acts on Windows only; the stored choice is kept.</source>
        <translation>N&apos;agit que sous Windows ; le choix enregistré est conservé.</translation>
    </message>
    <message>
        <source>Save defaults</source>
        <translation>Enregistrement des valeurs par défaut</translation>
    </message>
    <message>
        <source>Save on requests</source>
        <translation>Enregistrer sur demande</translation>
    </message>
    <message>
        <source>Save every time</source>
        <translation>Enregistrer à chaque fois</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TPrepPrevForm</name>
    <message>
        <source>Varnoke progress</source>
        <translation>Progression de Varnoke</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TPreviewForm</name>
    <message>
        <source>Varnoke preview</source>
        <translation>Aperçu de Varnoke</translation>
    </message>
    <message>
        <source>Rename now!</source>
        <translation>Renommer maintenant !</translation>
    </message>
    <message>
        <source>By clicking here you start the actual renaming process.<byte value="xd"/>
You may delete files from the file list to skip them.</source>
        <translation>Un clic ici lance le renommage proprement dit.<byte value="xd"/>
Vous pouvez supprimer des fichiers de la liste pour les ignorer.</translation>
    </message>
    <message>
        <source>Planned files</source>
        <translation>Fichiers prévus</translation>
    </message>
    <message>
        <source>&amp;Columns</source>
        <comment>list menu</comment>
        <translation>Co&amp;lonnes</translation>
    </message>
    <message>
        <source>S&amp;ort list</source>
        <comment>list menu</comment>
        <translation>Trier la li&amp;ste</translation>
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
