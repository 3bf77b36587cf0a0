<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AnswerKey</name>
    <message>
        <source>, classroom sheet</source>
        <translation>, fiche de classe</translation>
    </message>
    <message>
        <source>Answer Key Paper</source>
        <translation>Papier du corrigé</translation>
    </message>
    <message>
        <source>The paper the sheets were printed on:</source>
        <translation>Le papier sur lequel les fiches ont été imprimées :</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Corrigé</translation>
    </message>
</context>
<context>
    <name>ChordWords</name>
    <message>
        <source>six-nine</source>
        <translation>accord de sixte et neuvième</translation>
    </message>
    <message>
        <source>major ninth</source>
        <translation>accord de septième majeure et neuvième</translation>
    </message>
    <message>
        <source>dominant seventh</source>
        <translation>septième de dominante</translation>
    </message>
    <message>
        <source>dominant ninth</source>
        <translation>neuvième de dominante</translation>
    </message>
    <message>
        <source>minor six-nine</source>
        <translation>accord mineur de sixte et neuvième</translation>
    </message>
    <message>
        <source>minor seventh</source>
        <translation>accord mineur de septième</translation>
    </message>
    <message>
        <source>minor ninth</source>
        <translation>accord mineur de neuvième</translation>
    </message>
    <message>
        <source>flat five</source>
        <translation>quinte diminuée</translation>
    </message>
    <message>
        <source>sharp five</source>
        <translation>quinte augmentée</translation>
    </message>
    <message>
        <source>flat nine</source>
        <translation>neuvième mineure</translation>
    </message>
    <message>
        <source>sharp nine</source>
        <translation>neuvième augmentée</translation>
    </message>
    <message>
        <source>sharp four</source>
        <translation>quarte augmentée</translation>
    </message>
    <message>
        <source>suspended fourth</source>
        <translation>quarte suspendue</translation>
    </message>
    <message>
        <source>suspended second</source>
        <translation>seconde suspendue</translation>
    </message>
    <message>
        <source>major seventh</source>
        <translation>septième majeure</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Velmora needs a graphical display, and none was found (DISPLAY is not set).</source>
        <translation>Velmora a besoin d&apos;un affichage graphique, et aucun n&apos;a été trouvé (DISPLAY n&apos;est pas défini).</translation>
    </message>
    <message>
        <source>Try &apos;velmora --help&apos;.</source>
        <translation>Essayez &apos;velmora --help&apos;.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Open the main window at once, without the loading window.</source>
        <translation>Ouvrir tout de suite la fenêtre principale, sans la fenêtre de chargement.</translation>
    </message>
    <message>
        <source>Play chords on the built-in synthesizer with the General MIDI soundfont FILE.</source>
        <translation>Jouer les accords sur le synthétiseur intégré avec la banque de sons General MIDI FICHIER.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>Write the answer key of the worksheets in the answer log LOG (Worksheet.id when no LOG is given) to the PDF --output names, without opening the window.</source>
        <translation>Écrire le corrigé des fiches du journal des réponses LOG (Worksheet.id si aucun LOG n&apos;est donné) dans le PDF que nomme --output, sans ouvrir la fenêtre.</translation>
    </message>
    <message>
        <source>Write N worksheets (1 to 100) and their answer key as PDFs into the folder --output names, logging them in Worksheet.id, without opening the window.</source>
        <translation>Écrire N fiches d&apos;exercices (1 à 100) et leur corrigé en PDF dans le dossier que nomme --output, en les consignant dans Worksheet.id, sans ouvrir la fenêtre.</translation>
    </message>
    <message>
        <source>The PDF or folder to write.</source>
        <translation>Le PDF ou le dossier à écrire.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>CHEMIN</translation>
    </message>
    <message>
        <source>Draw the worksheets from seed S, so that the same S gives the same sheets.</source>
        <translation>Tirer les fiches de la graine S, de sorte que la même graine S donne les mêmes fiches.</translation>
    </message>
    <message>
        <source>Print on SIZE paper: A4 or Letter.</source>
        <translation>Imprimer sur du papier au format TAILLE : A4 ou Letter.</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>TAILLE</translation>
    </message>
    <message>
        <source>Print a summary of the practice history and exit; no display is needed.</source>
        <translation>Afficher un résumé de l&apos;historique d&apos;exercice et quitter ; aucun affichage n&apos;est nécessaire.</translation>
    </message>
    <message>
        <source>Keep the practice history in DIR instead of $VELMORA_DATA_DIR or the user&apos;s data folder.</source>
        <translation>Garder l&apos;historique d&apos;exercice dans DOSSIER au lieu de $VELMORA_DATA_DIR ou du dossier de données de l&apos;utilisateur.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DOSSIER</translation>
    </message>
    <message>
        <source>Show the program in language CODE (en, de, fr, es or nl) instead of the saved or the system&apos;s language.</source>
        <translation>Afficher le programme dans la langue CODE (en, de, fr, es ou nl) au lieu de la langue enregistrée ou de celle du système.</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CODE</translation>
    </message>
    <message>
        <source>Name the notes with NAMES: letters (C, F#, Bb), german (C, Fis, B, H) or fixed-do (Do, Fa♯, Si♭).</source>
        <translation>Nommer les notes avec NOMS : letters (C, F#, Bb), german (C, Fis, B, H) ou fixed-do (Do, Fa♯, Si♭).</translation>
    </message>
    <message>
        <source>NAMES</source>
        <translation>NOMS</translation>
    </message>
    <message>
        <source>There is no language &apos;%1&apos;; choose en, de, fr, es or nl.</source>
        <translation>La langue &apos;%1&apos; n&apos;existe pas ; choisissez en, de, fr, es ou nl.</translation>
    </message>
    <message>
        <source>There are no note names &apos;%1&apos;; choose letters, german or fixed-do.</source>
        <translation>Les noms de notes &apos;%1&apos; n&apos;existent pas ; choisissez letters, german ou fixed-do.</translation>
    </message>
    <message>
        <source>Usage: velmora [options]</source>
        <translation>Usage : velmora [options]</translation>
    </message>
    <message>
        <source>--stats cannot be combined with --answer-key or --worksheets.</source>
        <translation>--stats ne peut pas être combiné avec --answer-key ou --worksheets.</translation>
    </message>
    <message>
        <source>Cannot read the soundfont &apos;%1&apos;: %2</source>
        <translation>Impossible de lire la banque de sons &apos;%1&apos; : %2</translation>
    </message>
    <message>
        <source>Spell five-note ninth chords in a star of 17 circles.</source>
        <translation>Épeler des accords de neuvième à cinq sons dans une étoile de 17 cercles.</translation>
    </message>
    <message>
        <source>Draw the worksheets&apos; chord types from the list of LEVEL, beginner (12 types) or expert (all 27), as the window&apos;s level does; expert when not given.</source>
        <translation>Tirer les types d&apos;accords des fiches de la liste du NIVEAU, beginner (12 types) ou expert (les 27), comme le fait le niveau de la fenêtre ; expert s&apos;il n&apos;est pas donné.</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation>NIVEAU</translation>
    </message>
    <message>
        <source>Let the worksheets hold notes of four characters (Bbbb, F###), as the window&apos;s &quot;Advanced&quot; box lets its puzzles.</source>
        <translation>Permettre aux fiches des notes de quatre caractères (Bbbb, F###), comme la case « Avancé » de la fenêtre le permet à ses grilles.</translation>
    </message>
    <message>
        <source>Give every star&apos;s centre note, as the window&apos;s &quot;Center Question&quot; box does.</source>
        <translation>Donner la note centrale de chaque étoile, comme le fait la case « Centre donné » de la fenêtre.</translation>
    </message>
    <message>
        <source>Print the classroom sheet, and its answer key to match: a line for name, class and date, the chord lines drawn through each star, and circles 12 mm wide.</source>
        <translation>Imprimer la fiche de classe, et son corrigé assorti : une ligne pour le nom, la classe et la date, les lignes des accords tracées dans chaque étoile et des cercles de 12 mm de large.</translation>
    </message>
</context>
<context>
    <name>Intervals</name>
    <message>
        <source>root</source>
        <translation>fondamentale</translation>
    </message>
    <message>
        <source>two</source>
        <translation>seconde majeure</translation>
    </message>
    <message>
        <source>flat three</source>
        <translation>tierce mineure</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tierce majeure</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quarte juste</translation>
    </message>
    <message>
        <source>sharp four</source>
        <translation>quarte augmentée</translation>
    </message>
    <message>
        <source>flat five</source>
        <translation>quinte diminuée</translation>
    </message>
    <message>
        <source>five</source>
        <translation>quinte juste</translation>
    </message>
    <message>
        <source>sharp five</source>
        <translation>quinte augmentée</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sixte majeure</translation>
    </message>
    <message>
        <source>flat seven</source>
        <translation>septième mineure</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>septième majeure</translation>
    </message>
    <message>
        <source>flat nine</source>
        <translation>neuvième mineure</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neuvième majeure</translation>
    </message>
    <message>
        <source>sharp nine</source>
        <translation>neuvième augmentée</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>You have %1 correct answers out of 17.(The First is always given!)</source>
        <translation>Vous avez %1 bonnes réponses sur 17. (La première est toujours donnée !)</translation>
    </message>
    <message>
        <source>There was an Error while printing the Worksheet! (Or it was Canceled by the user.) %1</source>
        <translation>Une erreur s&apos;est produite pendant l&apos;impression de la fiche ! (Ou l&apos;utilisateur a annulé.) %1</translation>
    </message>
    <message>
        <source>Velmora could not record this Check in your practice history (%1). You can go on playing, but the rest of this run is not recorded.</source>
        <translation>Velmora n&apos;a pas pu enregistrer cette vérification dans votre historique d&apos;exercice (%1). Vous pouvez continuer à jouer, mais la suite de cette session n&apos;est pas enregistrée.</translation>
    </message>
    <message>
        <source>sounds right, spelled wrong: %1 here is %2</source>
        <translation>sonne juste, mais mal écrite : ici, %1 s&apos;écrit %2</translation>
    </message>
    <message>
        <source>wrong: %1 is not the note here</source>
        <translation>fausse : %1 n&apos;est pas la note attendue ici</translation>
    </message>
    <message>
        <source>Are You sure you want to create a new Velmora?</source>
        <translation>Voulez-vous vraiment créer une nouvelle grille Velmora ?</translation>
    </message>
    <message>
        <source>Create A New Velmora First! Press the create Button.</source>
        <translation>Créez d&apos;abord une nouvelle grille Velmora ! Appuyez sur le bouton « Créer ».</translation>
    </message>
    <message>
        <source>This action will create some work sheets on your printer</source>
        <translation>Cette action va imprimer quelques fiches d&apos;exercices sur votre imprimante</translation>
    </message>
    <message>
        <source>Create Worksheet?</source>
        <translation>Créer des fiches ?</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
    <message>
        <source>right</source>
        <translation>juste</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>version: %1</source>
        <translation>version : %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Velmora is now loading</source>
        <translation>Velmora est en cours de chargement</translation>
    </message>
    <message>
        <source>Now Loading.....</source>
        <translation>Chargement en cours.....</translation>
    </message>
    <message>
        <source>About Velmora</source>
        <translation>À propos de Velmora</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Informations &amp;système...</translation>
    </message>
    <message>
        <source>Learn to handle and memorize musical chords. (Up to None)


How to use this program.
If you press the create button, a new Velmora wil be created. This 
means that one of the many circles will have a note written in it.
It is your job to find all the missing Chord tones.
You can Fill in the missing notes by using your mouse. Simply drag and 
drop one of the notes in the circles. 
Fill in the chords beginning from left/right or up/down.
Always Work your way to the Chord&apos;s name. This means that the circle 
near the chord&apos;s name should contain the last note of the chords.
To check if the answers are correct you can press the Check Button 
on the form. A Messagebox will appear showing the number of correct 
answers.
If you need a reminder on how a chord is build, press the chord&apos;s name 
for help.

Worksheets
You can create worksheets for study. A worksheet has 6 empty Velmoras
Every Worksheet is logged into a file so that you can check all your 
answers ones you have finished the worksheets. The answers are logged into
the following file: worksheet.id. 
If this file is not in the program&apos;s directory search for it on your
computer by the windows find function.
</source>
        <translation>Apprenez à manier et à retenir les accords. (Jusqu&apos;à la neuvième)


Comment utiliser ce programme.
Si vous appuyez sur le bouton « Créer », une nouvelle grille Velmora est
créée : l&apos;un des nombreux cercles contient alors une note.
À vous de trouver toutes les notes manquantes des accords.
Remplissez les notes manquantes avec la souris : faites simplement
glisser l&apos;une des notes dans les cercles.
Remplissez les accords en partant de la gauche/droite ou du haut/bas.
Avancez toujours vers le nom de l&apos;accord : le cercle voisin du nom
de l&apos;accord doit contenir la dernière note de l&apos;accord.
Pour vérifier vos réponses, appuyez sur le bouton « Vérifier ». Une
boîte de message indique alors le nombre de bonnes réponses.
Si vous ne savez plus comment un accord est construit, appuyez sur
son nom pour obtenir de l&apos;aide.

Fiches d&apos;exercices
Vous pouvez créer des fiches pour vous entraîner. Une fiche contient
6 étoiles Velmora vides.
Chaque fiche est consignée dans un fichier, pour que vous puissiez
vérifier toutes vos réponses une fois les fiches terminées. Les
réponses sont consignées dans le fichier Worksheet.id.
Si ce fichier n&apos;est pas dans le dossier du programme, cherchez-le sur
votre ordinateur avec la fonction de recherche de fichiers.
</translation>
    </message>
    <message>
        <source>1 answer in 1 check: %1% right.</source>
        <translation>1 réponse en 1 vérification : %1 % de justes.</translation>
    </message>
    <message>
        <source>%1 answers in 1 check: %2% right.</source>
        <translation>%1 réponses en 1 vérification : %2 % de justes.</translation>
    </message>
    <message>
        <source>%1 answers in %2 checks: %3% right.</source>
        <translation>%1 réponses en %2 vérifications : %3 % de justes.</translation>
    </message>
    <message>
        <source>%1: %2% right (%3 of %4)</source>
        <translation>%1 : %2 % de justes (%3 sur %4)</translation>
    </message>
    <message>
        <source>%1: no answers</source>
        <translation>%1 : aucune réponse</translation>
    </message>
    <message>
        <source>%1: %2% missed (%3 of %4)</source>
        <translation>%1 : %2 % manquées (%3 sur %4)</translation>
    </message>
    <message>
        <source>Week of %1: %2% right (1 answer)</source>
        <translation>Semaine du %1 : %2 % de justes (1 réponse)</translation>
    </message>
    <message>
        <source>Week of %1: %2% right (%3 answers)</source>
        <translation>Semaine du %1 : %2 % de justes (%3 réponses)</translation>
    </message>
    <message>
        <source>Steady at %1% right since the week of %2.</source>
        <translation>Stable à %1 % de justes depuis la semaine du %2.</translation>
    </message>
    <message>
        <source>Up from %1% to %2% right since the week of %3.</source>
        <translation>En hausse de %1 % à %2 % de justes depuis la semaine du %3.</translation>
    </message>
    <message>
        <source>Down from %1% to %2% right since the week of %3.</source>
        <translation>En baisse de %1 % à %2 % de justes depuis la semaine du %3.</translation>
    </message>
    <message>
        <source>%1: %2% (%3 of %4)</source>
        <translation>%1 : %2 % (%3 sur %4)</translation>
    </message>
    <message>
        <source>The history was exported to %1.</source>
        <translation>L&apos;historique a été exporté vers %1.</translation>
    </message>
    <message>
        <source>The history could not be exported to %1: %2</source>
        <translation>L&apos;historique n&apos;a pas pu être exporté vers %1 : %2</translation>
    </message>
    <message>
        <source>The history could not be forgotten: %1</source>
        <translation>L&apos;historique n&apos;a pas pu être oublié : %1</translation>
    </message>
    <message>
        <source>Accuracy per chord type</source>
        <translation>Réussite par type d&apos;accord</translation>
    </message>
    <message>
        <source>Accuracy per key</source>
        <translation>Réussite par tonalité</translation>
    </message>
    <message>
        <source>Answers by kind</source>
        <translation>Réponses par type</translation>
    </message>
    <message>
        <source>Tones most often missed</source>
        <translation>Notes les plus souvent manquées</translation>
    </message>
    <message>
        <source>Trend over the last weeks</source>
        <translation>Tendance des dernières semaines</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Juste</translation>
    </message>
    <message>
        <source>Right pitch, wrong spelling</source>
        <translation>Bonne hauteur, mauvaise orthographe</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Fausse</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>Root</source>
        <translation>Fondamentale</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Tierce</translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation>Quinte</translation>
    </message>
    <message>
        <source>Seventh</source>
        <translation>Septième</translation>
    </message>
    <message>
        <source>Ninth</source>
        <translation>Neuvième</translation>
    </message>
    <message>
        <source>This run keeps no practice history, so there is no progress to show.</source>
        <translation>Cette session ne tient pas d&apos;historique d&apos;exercice : il n&apos;y a donc aucun progrès à montrer.</translation>
    </message>
    <message>
        <source>No answers are recorded yet. Create a puzzle, fill in the circles and press Check: your progress will show here.</source>
        <translation>Aucune réponse n&apos;est encore enregistrée. Créez une grille, remplissez les cercles et appuyez sur « Vérifier » : vos progrès s&apos;afficheront ici.</translation>
    </message>
    <message>
        <source>Forget every recorded answer? Your progress cannot be brought back.</source>
        <translation>Oublier toutes les réponses enregistrées ? Vos progrès ne pourront pas être récupérés.</translation>
    </message>
    <message>
        <source>Your history is forgotten.</source>
        <translation>Votre historique est oublié.</translation>
    </message>
    <message>
        <source>circle %1, centre of all four chords, empty</source>
        <translation>cercle %1, centre des quatre accords, vide</translation>
    </message>
    <message>
        <source>circle %1, centre of all four chords, holds %2</source>
        <translation>cercle %1, centre des quatre accords, contient %2</translation>
    </message>
    <message>
        <source>circle %1, centre of all four chords, given, holds %2</source>
        <translation>cercle %1, centre des quatre accords, donné, contient %2</translation>
    </message>
    <message>
        <source>circle %1, root of %2, empty</source>
        <translation>cercle %1, fondamentale de %2, vide</translation>
    </message>
    <message>
        <source>circle %1, root of %2, holds %3</source>
        <translation>cercle %1, fondamentale de %2, contient %3</translation>
    </message>
    <message>
        <source>circle %1, root of %2, given, holds %3</source>
        <translation>cercle %1, fondamentale de %2, donné, contient %3</translation>
    </message>
    <message>
        <source>circle %1, %2 of %3, empty</source>
        <translation>cercle %1, %2 de %3, vide</translation>
    </message>
    <message>
        <source>circle %1, %2 of %3, holds %4</source>
        <translation>cercle %1, %2 de %3, contient %4</translation>
    </message>
    <message>
        <source>circle %1, %2 of %3, given, holds %4</source>
        <translation>cercle %1, %2 de %3, donné, contient %4</translation>
    </message>
    <message>
        <source>chord %1</source>
        <translation>accord %1</translation>
    </message>
    <message>
        <source>Failed to start the audio driver (%1): no sound will be heard.</source>
        <translation>Impossible de démarrer le pilote audio (%1) : aucun son ne sera entendu.</translation>
    </message>
    <message>
        <source>The built-in synthesizer found no General MIDI soundfont that it could load: no sound will be heard. Looked for %1. The Debian packages timgm6mb-soundfont and fluid-soundfont-gm each provide one.</source>
        <translation>Le synthétiseur intégré n&apos;a trouvé aucune banque de sons General MIDI qu&apos;il puisse charger : aucun son ne sera entendu. Recherché : %1. Les paquets Debian timgm6mb-soundfont et fluid-soundfont-gm en fournissent chacun une.</translation>
    </message>
    <message>
        <source>Built-in synthesizer (%1)</source>
        <translation>Synthétiseur intégré (%1)</translation>
    </message>
    <message>
        <source>The MIDI device is no longer there: no sound will be heard.</source>
        <translation>Le périphérique MIDI n&apos;est plus là : aucun son ne sera entendu.</translation>
    </message>
    <message>
        <source>The built-in synthesizer found no General MIDI soundfont: no sound will be heard.</source>
        <translation>Le synthétiseur intégré n&apos;a trouvé aucune banque de sons General MIDI : aucun son ne sera entendu.</translation>
    </message>
    <message>
        <source>Failed to create the built-in synthesizer: no sound will be heard.</source>
        <translation>Impossible de créer le synthétiseur intégré : aucun son ne sera entendu.</translation>
    </message>
    <message>
        <source>The ALSA sequencer is not available: MIDI ports cannot be used.</source>
        <translation>Le séquenceur ALSA n&apos;est pas disponible : les ports MIDI ne peuvent pas être utilisés.</translation>
    </message>
    <message>
        <source>Failed to open the MIDI output port: no sound will be heard.</source>
        <translation>Impossible d&apos;ouvrir le port de sortie MIDI : aucun son ne sera entendu.</translation>
    </message>
    <message>
        <source>No MIDI device is open: the chord cannot be played.</source>
        <translation>Aucun périphérique MIDI n&apos;est ouvert : l&apos;accord ne peut pas être joué.</translation>
    </message>
    <message>
        <source>The MIDI message is not valid and was not sent.</source>
        <translation>Le message MIDI n&apos;est pas valide et n&apos;a pas été envoyé.</translation>
    </message>
    <message>
        <source>Failed to send the MIDI message: the chord may not sound.</source>
        <translation>Impossible d&apos;envoyer le message MIDI : l&apos;accord risque de ne pas sonner.</translation>
    </message>
    <message>
        <source>The connection to the audio server was lost: no sound will be heard.</source>
        <translation>La connexion au serveur audio a été perdue : aucun son ne sera entendu.</translation>
    </message>
    <message>
        <source>Built-in synthesizer (no soundfont)</source>
        <translation>Synthétiseur intégré (aucune banque de sons)</translation>
    </message>
    <message>
        <source>The answer key cannot be made: the answer log %1 in %2 could not be read (%3).</source>
        <translation>Le corrigé ne peut pas être créé : le journal des réponses %1 dans %2 n&apos;a pas pu être lu (%3).</translation>
    </message>
    <message>
        <source>The answer key cannot be made: the answer log %1 holds no worksheet star that can be read.</source>
        <translation>Le corrigé ne peut pas être créé : le journal des réponses %1 ne contient aucune étoile de fiche lisible.</translation>
    </message>
    <message>
        <source>The answer key cannot be saved over the answer log %1 it is made from; please choose another file.</source>
        <translation>Le corrigé ne peut pas être enregistré par-dessus le journal des réponses %1 dont il est tiré ; veuillez choisir un autre fichier.</translation>
    </message>
    <message>
        <source>The answer key was saved without %1 part(s) of %2 that could not be read:%3</source>
        <translation>Le corrigé a été enregistré sans %1 partie(s) de %2 qui n&apos;ont pas pu être lues :%3</translation>
    </message>
    <message>
        <source>There is no practice history in %1.</source>
        <translation>Il n&apos;y a aucun historique d&apos;exercice dans %1.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Options inconnues : %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valeur manquante après &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valeur inattendue après &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--paper takes A4 or Letter, not &apos;%1&apos;.</source>
        <translation>--paper prend A4 ou Letter, pas &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--worksheets takes a number of sheets from 1 to 100, not &apos;%1&apos;.</source>
        <translation>--worksheets prend un nombre de fiches de 1 à 100, pas &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--seed takes a whole number from 0 to 18446744073709551615, not &apos;%1&apos;.</source>
        <translation>--seed prend un nombre entier de 0 à 18446744073709551615, pas &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Cannot read the answer log %1: %2</source>
        <translation>Impossible de lire le journal des réponses %1 : %2</translation>
    </message>
    <message>
        <source>The answer log %1 holds no star that can be read (first problem: %2)</source>
        <translation>Le journal des réponses %1 ne contient aucune étoile lisible (premier problème : %2)</translation>
    </message>
    <message>
        <source>The answer log %1 holds no star that can be read</source>
        <translation>Le journal des réponses %1 ne contient aucune étoile lisible</translation>
    </message>
    <message>
        <source>The answer key cannot be written over the answer log %1 it is made from</source>
        <translation>Le corrigé ne peut pas être écrit par-dessus le journal des réponses %1 dont il est tiré</translation>
    </message>
    <message>
        <source>Answer key of %1 stars written to %2</source>
        <translation>Corrigé de %1 étoiles écrit dans %2</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>Impossible d&apos;écrire dans le dossier %1 : %2</translation>
    </message>
    <message>
        <source>seed %1</source>
        <translation>graine %1</translation>
    </message>
    <message>
        <source>%1 worksheets and their answer key written to %2 (%3)</source>
        <translation>%1 fiches et leur corrigé écrits dans %2 (%3)</translation>
    </message>
    <message>
        <source>The sheets could not be moved into %1: %2</source>
        <translation>Les fiches n&apos;ont pas pu être déplacées dans %1 : %2</translation>
    </message>
    <message>
        <source>--answer-key and --worksheets cannot be used together.</source>
        <translation>--answer-key et --worksheets ne peuvent pas être utilisés ensemble.</translation>
    </message>
    <message>
        <source>--worksheets needs --output DIR.</source>
        <translation>--worksheets a besoin de --output DOSSIER.</translation>
    </message>
    <message>
        <source>--answer-key needs --output FILE.pdf.</source>
        <translation>--answer-key a besoin de --output FICHIER.pdf.</translation>
    </message>
    <message>
        <source>Work your way tru these chords in left/right or up/down direction.</source>
        <translation>Parcourez ces accords de gauche/droite ou de haut/bas.</translation>
    </message>
    <message>
        <source>Worksheet created by Velmora</source>
        <translation>Fiche créée par Velmora</translation>
    </message>
    <message>
        <source>Seed %1</source>
        <translation>Graine %1</translation>
    </message>
    <message>
        <source>Answer key: every chord reads from its far end towards its name.</source>
        <translation>Corrigé : chaque accord se lit de son extrémité vers son nom.</translation>
    </message>
    <message>
        <source>Answer key created by Velmora</source>
        <translation>Corrigé créé par Velmora</translation>
    </message>
    <message>
        <source>--level takes beginner or expert, not &apos;%1&apos;.</source>
        <translation>--level prend beginner ou expert, pas &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The folder %1 holds the sheets of an earlier batch (%2); choose an empty folder or move them away first</source>
        <translation>Le dossier %1 contient les fiches d&apos;un lot précédent (%2) ; choisissez un dossier vide ou déplacez-les d&apos;abord</translation>
    </message>
    <message>
        <source>The page is too small for the classroom sheet (%1 x %2 twips)</source>
        <translation>La page est trop petite pour la fiche de classe (%1 x %2 twips)</translation>
    </message>
    <message>
        <source>Sheet %1 of %2 · seed %3</source>
        <translation>Fiche %1 sur %2 · graine %3</translation>
    </message>
    <message>
        <source>--output, --seed, --paper, --level, --advanced, --centre-question and --classroom go with --answer-key or --worksheets.</source>
        <translation>--output, --seed, --paper, --level, --advanced, --centre-question et --classroom vont avec --answer-key ou --worksheets.</translation>
    </message>
    <message>
        <source>--seed, --level, --advanced and --centre-question go with --worksheets only.</source>
        <translation>--seed, --level, --advanced et --centre-question vont avec --worksheets seulement.</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>c&apos;est un tube nommé, pas un fichier</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>c&apos;est une socket, pas un fichier</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>c&apos;est un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>it is a special file, not a file</source>
        <translation>c&apos;est un fichier spécial, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Spell each chord along its line towards its name: across, down and on both diagonal lines.</source>
        <translation>Écrivez chaque accord le long de sa ligne vers son nom : à l&apos;horizontale, à la verticale et sur les deux diagonales.</translation>
    </message>
    <message>
        <source>Name: ____________________   Class: ________   Date: ______________</source>
        <translation>Nom : ____________________   Classe : ________   Date : ______________</translation>
    </message>
    <message>
        <source>%1 later Checks of the same puzzles are not counted again.</source>
        <translation>%1 vérifications ultérieures des mêmes grilles ne sont pas comptées une seconde fois.</translation>
    </message>
    <message>
        <source>tone %1</source>
        <translation>note %1</translation>
    </message>
    <message>
        <source>Velmora could not read your settings (%1), so it starts with the usual ones.</source>
        <translation>Velmora n&apos;a pas pu lire vos réglages (%1) et démarre donc avec les réglages habituels.</translation>
    </message>
    <message>
        <source>Velmora could not save your settings (%1). Your choices last until Velmora closes.</source>
        <translation>Velmora n&apos;a pas pu enregistrer vos réglages (%1). Vos choix restent valables jusqu&apos;à la fermeture de Velmora.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>could not write %1</source>
        <translation>%1 n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>Velmora cannot keep your practice history in %1 (%2). You can play as usual, but this run&apos;s answers are not recorded.</source>
        <translation>Velmora ne peut pas tenir votre historique d&apos;exercice dans %1 (%2). Vous pouvez jouer comme d&apos;habitude, mais les réponses de cette session ne sont pas enregistrées.</translation>
    </message>
    <message>
        <source>Your practice history %1 cannot be written, so Velmora shows it as it is and does not record this run&apos;s answers.</source>
        <translation>Votre historique d&apos;exercice %1 ne peut pas être écrit : Velmora le montre tel quel et n&apos;enregistre pas les réponses de cette session.</translation>
    </message>
    <message>
        <source>Your practice history %1 could not be read (%2), so Velmora has started a new one. The old file is kept as %3.</source>
        <translation>Votre historique d&apos;exercice %1 n&apos;a pas pu être lu (%2) : Velmora en a commencé un nouveau. L&apos;ancien fichier est conservé sous le nom %3.</translation>
    </message>
    <message>
        <source>Your practice history %1 was written by a newer version of Velmora. This run leaves it as it is and does not record your answers.</source>
        <translation>Votre historique d&apos;exercice %1 a été écrit par une version plus récente de Velmora. Cette session le laisse tel quel et n&apos;enregistre pas vos réponses.</translation>
    </message>
    <message>
        <source>%1, and another copy of Velmora is opening it</source>
        <translation>%1, et une autre instance de Velmora est en train de l&apos;ouvrir</translation>
    </message>
    <message>
        <source>%1, and it cannot be moved aside</source>
        <translation>%1, et il ne peut pas être mis de côté</translation>
    </message>
    <message>
        <source>it is damaged: %1</source>
        <translation>il est endommagé : %1</translation>
    </message>
    <message>
        <source>The printer reports a page without size (%1 x %2 twips)</source>
        <translation>L&apos;imprimante signale une page sans taille (%1 x %2 twips)</translation>
    </message>
    <message>
        <source>The page is too large to lay out the worksheet (%1 x %2 twips)</source>
        <translation>La page est trop grande pour y disposer la fiche (%1 x %2 twips)</translation>
    </message>
    <message>
        <source>The worksheet could not be saved as %1: %2</source>
        <translation>La fiche n&apos;a pas pu être enregistrée sous %1 : %2</translation>
    </message>
    <message>
        <source>The answer key could not be saved as %1: %2</source>
        <translation>Le corrigé n&apos;a pas pu être enregistré sous %1 : %2</translation>
    </message>
    <message>
        <source>The answer log %1 could not be opened: %2</source>
        <translation>Le journal des réponses %1 n&apos;a pas pu être ouvert : %2</translation>
    </message>
    <message>
        <source>The answer log %1 could not be written: %2</source>
        <translation>Le journal des réponses %1 n&apos;a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>The batch&apos;s own log records could not be read back (%1)</source>
        <translation>Les propres entrées du lot dans le journal n&apos;ont pas pu être relues (%1)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a note: %2</source>
        <translation>« %1 » n&apos;est pas une note : %2</translation>
    </message>
    <message>
        <source>only %1 of the five notes (the record is cut off)</source>
        <translation>seulement %1 des cinq notes (l&apos;entrée est coupée)</translation>
    </message>
    <message>
        <source>the time %1 is not a time of day</source>
        <translation>l&apos;heure %1 n&apos;est pas une heure du jour</translation>
    </message>
    <message>
        <source>the notes %1 do not spell %2 around %3</source>
        <translation>les notes %1 ne forment pas %2 autour de %3</translation>
    </message>
    <message>
        <source>star %1 has %2 of its 4 chord lines</source>
        <translation>l&apos;étoile %1 a %2 de ses 4 lignes d&apos;accords</translation>
    </message>
    <message>
        <source>the chord lines of star %1 do not share one centre note</source>
        <translation>les lignes d&apos;accords de l&apos;étoile %1 ne partagent pas une même note centrale</translation>
    </message>
    <message>
        <source>the accidental must be b, bb, bbb, bbbb, #, x or ###, not %1</source>
        <translation>l&apos;altération doit être b, bb, bbb, bbbb, #, x ou ###, et non %1</translation>
    </message>
    <message>
        <source>1 later Check of the same puzzle is not counted again.</source>
        <translation>1 vérification ultérieure de la même grille n&apos;est pas comptée une seconde fois.</translation>
    </message>
    <message>
        <source>it is not a settings file Velmora can read</source>
        <translation>ce n&apos;est pas un fichier de réglages que Velmora sait lire</translation>
    </message>
    <message>
        <source>no practice history is kept in this run</source>
        <translation>aucun historique d&apos;exercice n&apos;est tenu dans cette session</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>le dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>the folder does not allow a write-ahead log</source>
        <translation>le dossier ne permet pas de journal d&apos;écriture anticipée</translation>
    </message>
    <message>
        <source>it cannot be written, and no copy of it can be made to read</source>
        <translation>il ne peut pas être écrit, et aucune copie ne peut en être faite pour le lire</translation>
    </message>
    <message>
        <source>it was written by a newer version of Velmora</source>
        <translation>il a été écrit par une version plus récente de Velmora</translation>
    </message>
    <message>
        <source>it is not a Velmora practice history</source>
        <translation>ce n&apos;est pas un historique d&apos;exercice de Velmora</translation>
    </message>
    <message>
        <source>Canceled by the user</source>
        <translation>Annulé par l&apos;utilisateur</translation>
    </message>
    <message>
        <source>The printer has no document started</source>
        <translation>L&apos;imprimante n&apos;a commencé aucun document</translation>
    </message>
    <message>
        <source>The printer could not start the page</source>
        <translation>L&apos;imprimante n&apos;a pas pu commencer la page</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer</source>
        <translation>La page n&apos;a pas pu être envoyée à l&apos;imprimante</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>le PDF n&apos;a pas pu être commencé</translation>
    </message>
    <message>
        <source>a page could not be added</source>
        <translation>une page n&apos;a pas pu être ajoutée</translation>
    </message>
    <message>
        <source>there is no star to put in it</source>
        <translation>il n&apos;y a aucune étoile à y mettre</translation>
    </message>
    <message>
        <source>the PDF could not be finished</source>
        <translation>le PDF n&apos;a pas pu être terminé</translation>
    </message>
    <message>
        <source>another program keeps removing it</source>
        <translation>un autre programme ne cesse de le supprimer</translation>
    </message>
    <message>
        <source>another program keeps it locked</source>
        <translation>un autre programme le garde verrouillé</translation>
    </message>
    <message>
        <source>more than five notes</source>
        <translation>plus de cinq notes</translation>
    </message>
    <message>
        <source>no chord type of the program after the time</source>
        <translation>aucun type d&apos;accord du programme après l&apos;heure</translation>
    </message>
    <message>
        <source>no star number 1 to 6 between the date and the time</source>
        <translation>aucun numéro d&apos;étoile de 1 à 6 entre la date et l&apos;heure</translation>
    </message>
    <message>
        <source>no time of day (hh:mm:ss)</source>
        <translation>aucune heure du jour (hh:mm:ss)</translation>
    </message>
    <message>
        <source>star number 1 to 6 expected before the time</source>
        <translation>numéro d&apos;étoile de 1 à 6 attendu avant l&apos;heure</translation>
    </message>
    <message>
        <source>no date before the star number</source>
        <translation>aucune date avant le numéro d&apos;étoile</translation>
    </message>
    <message>
        <source>there is no note name</source>
        <translation>il n&apos;y a pas de nom de note</translation>
    </message>
    <message>
        <source>a note name begins with a capital letter A to G</source>
        <translation>un nom de note commence par une majuscule de A à G</translation>
    </message>
    <message>
        <source>a double sharp is written x, as in Fx</source>
        <translation>un double dièse s&apos;écrit x, comme dans Fx</translation>
    </message>
    <message>
        <source>Worksheet %1 of %2 failed: %3</source>
        <translation>La fiche %1 sur %2 a échoué : %3</translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation>%1 (erreur %2)</translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>flat</source>
        <translation>bémol</translation>
    </message>
    <message>
        <source>double flat</source>
        <translation>double bémol</translation>
    </message>
    <message>
        <source>sharp</source>
        <translation>dièse</translation>
    </message>
    <message>
        <source>double sharp</source>
        <translation>double dièse</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Save Worksheet as PDF</source>
        <translation>Enregistrer la fiche en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>velmora::AboutBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>velmora::KeysPage</name>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Create: a new puzzle</source>
        <translation>Créer : une nouvelle grille</translation>
    </message>
    <message>
        <source>Ctrl+K</source>
        <translation>Ctrl+K</translation>
    </message>
    <message>
        <source>Check: count the right answers</source>
        <translation>Vérifier : compter les bonnes réponses</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>Show mistakes: mark every wrong (X), misspelled (~) and empty (?) circle and list why, until you change the board</source>
        <translation>Montrer les erreurs : marquer chaque cercle faux (X), mal orthographié (~) et vide (?) et dire pourquoi, jusqu&apos;à ce que vous changiez la grille</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Work Sheet: print six empty stars</source>
        <translation>Fiche : imprimer six étoiles vides</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Help: about Velmora</source>
        <translation>Aide : à propos de Velmora</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>your progress as charts and as text</source>
        <translation>vos progrès en graphiques et en texte</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>go to the star</source>
        <translation>aller à l&apos;étoile</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Touches fléchées</translation>
    </message>
    <message>
        <source>in the star: the nearest circle that way; in the palette: the next name</source>
        <translation>dans l&apos;étoile : le cercle le plus proche dans ce sens ; dans la palette : le nom suivant</translation>
    </message>
    <message>
        <source>A letter, then b, # or x</source>
        <translation>Une lettre, puis b, # ou x</translation>
    </message>
    <message>
        <source>enter that name in the ringed circle (&quot;f##&quot; gives Fx)</source>
        <translation>inscrire ce nom dans le cercle entouré (« f## » donne Fx)</translation>
    </message>
    <message>
        <source>Backspace, Delete</source>
        <translation>Retour arrière, Suppr</translation>
    </message>
    <message>
        <source>empty the ringed circle</source>
        <translation>vider le cercle entouré</translation>
    </message>
    <message>
        <source>Enter in the palette</source>
        <translation>Entrée dans la palette</translation>
    </message>
    <message>
        <source>pick the name up; then arrows and Enter put it in a circle, Escape puts it back</source>
        <translation>prendre le nom ; ensuite les flèches et Entrée le posent dans un cercle, Échap le remet en place</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Reveal this note: show the ringed circle&apos;s right note (it counts as missed)</source>
        <translation>Révéler cette note : montrer la bonne note du cercle entouré (elle compte comme manquée)</translation>
    </message>
    <message>
        <source>Ctrl+1 .. Ctrl+4</source>
        <translation>Ctrl+1 .. Ctrl+4</translation>
    </message>
    <message>
        <source>Play my answer: hear your notes on chord line 1 to 4</source>
        <translation>Jouer ma réponse : entendre vos notes sur la ligne d&apos;accord 1 à 4</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Practice weak spots</source>
        <translation>Travailler les points faibles</translation>
    </message>
    <message>
        <source>Work Sheet</source>
        <translation>Fiche</translation>
    </message>
    <message>
        <source>Answer key…: the key of the sheets printed from this folder, as a PDF</source>
        <translation>Corrigé… : le corrigé des fiches imprimées depuis ce dossier, en PDF</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Progress…, Keys and features…</source>
        <translation>Progrès…, Touches et fonctions…</translation>
    </message>
    <message>
        <source>A circle</source>
        <translation>Un cercle</translation>
    </message>
    <message>
        <source>every palette name, Clear, Show mistakes, Reveal this note</source>
        <translation>chaque nom de la palette, Effacer, Montrer les erreurs, Révéler cette note</translation>
    </message>
    <message>
        <source>A chord name</source>
        <translation>Un nom d&apos;accord</translation>
    </message>
    <message>
        <source>Play my answer</source>
        <translation>Jouer ma réponse</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Ce que cela fait</translation>
    </message>
    <message>
        <source>Keys and features</source>
        <translation>Touches et fonctions</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Context menus (right click)</source>
        <translation>Menus contextuels (clic droit)</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>Hold the mouse over a button to see its key and its menu.</source>
        <translation>Laissez la souris sur un bouton pour voir sa touche et son menu.</translation>
    </message>
</context>
<context>
    <name>velmora::MainWindow</name>
    <message>
        <source>Naturals</source>
        <translation>Notes naturelles</translation>
    </message>
    <message>
        <source>Flats</source>
        <translation>Bémols</translation>
    </message>
    <message>
        <source>Double flats</source>
        <translation>Doubles bémols</translation>
    </message>
    <message>
        <source>Sharps</source>
        <translation>Dièses</translation>
    </message>
    <message>
        <source>Double sharps</source>
        <translation>Doubles dièses</translation>
    </message>
    <message>
        <source>Letters (C, F#, Bb, B)</source>
        <translation>Lettres (C, F#, Bb, B)</translation>
    </message>
    <message>
        <source>German (C, Fis, B, H)</source>
        <translation>Allemands (C, Fis, B, H)</translation>
    </message>
    <message>
        <source>Fixed do (Do, Fa♯, Si♭, Si)</source>
        <translation>Do fixe (Do, Fa♯, Si♭, Si)</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Work Sheet</source>
        <translation>Fiche</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Center Question</source>
        <translation>Centre donné</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Débutant</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Midi Driver</source>
        <translation>Pilote MIDI</translation>
    </message>
    <message>
        <source>Enable MIDI</source>
        <translation>Activer le MIDI</translation>
    </message>
    <message>
        <source>Drag and drop the correct answers in the circles. Press the buttons with the chord names to get some help.</source>
        <translation>Glissez les bonnes réponses dans les cercles. Les boutons portant les noms des accords vous aident.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Velmora speaks the chosen language from its next start.</source>
        <translation>Velmora parlera la langue choisie dès son prochain démarrage.</translation>
    </message>
    <message>
        <source>Note names</source>
        <translation>Noms des notes</translation>
    </message>
    <message>
        <source>Save Answer Key as PDF</source>
        <translation>Enregistrer le corrigé en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Show mistakes</source>
        <translation>Montrer les erreurs</translation>
    </message>
    <message>
        <source>Reveal this note</source>
        <translation>Révéler cette note</translation>
    </message>
    <message>
        <source>Play my answer</source>
        <translation>Jouer ma réponse</translation>
    </message>
    <message>
        <source>Practice weak spots</source>
        <translation>Travailler les points faibles</translation>
    </message>
    <message>
        <source>Answer key…</source>
        <translation>Corrigé…</translation>
    </message>
    <message>
        <source>Progress…</source>
        <translation>Progrès…</translation>
    </message>
    <message>
        <source>Show this chord&apos;s formula and hear it. Right-click: Play my answer (Ctrl+%1)</source>
        <translation>Montrer la formule de cet accord et l&apos;entendre. Clic droit : Jouer ma réponse (Ctrl+%1)</translation>
    </message>
    <message>
        <source>%1; formula: %2</source>
        <translation>%1 ; formule : %2</translation>
    </message>
    <message>
        <source>%1 formula: %2</source>
        <translation>formule de %1 : %2</translation>
    </message>
    <message>
        <source>Create a new puzzle (Ctrl+N). Right-click: Practice weak spots</source>
        <translation>Créer une nouvelle grille (Ctrl+N). Clic droit : Travailler les points faibles</translation>
    </message>
    <message>
        <source>Count the right answers (Ctrl+K); then Ctrl+M shows the mistakes</source>
        <translation>Compter les bonnes réponses (Ctrl+K) ; ensuite Ctrl+M montre les erreurs</translation>
    </message>
    <message>
        <source>Print six empty stars (Ctrl+P). Right-click: Answer key…</source>
        <translation>Imprimer six étoiles vides (Ctrl+P). Clic droit : Corrigé…</translation>
    </message>
    <message>
        <source>About Velmora (F1). Right-click: Progress… (Ctrl+H), Keys and features…, Language, Note names</source>
        <translation>À propos de Velmora (F1). Clic droit : Progrès… (Ctrl+H), Touches et fonctions…, Langue, Noms des notes</translation>
    </message>
    <message>
        <source>Allow puzzles with triple and quadruple accidentals (from the next Create)</source>
        <translation>Autoriser les grilles avec des altérations triples et quadruples (dès la prochaine création)</translation>
    </message>
    <message>
        <source>Always give the centre note (from the next Create)</source>
        <translation>Toujours donner la note du centre (dès la prochaine création)</translation>
    </message>
    <message>
        <source>The common chord types (from the next Create)</source>
        <translation>Les types d&apos;accords courants (dès la prochaine création)</translation>
    </message>
    <message>
        <source>Every chord type (from the next Create)</source>
        <translation>Tous les types d&apos;accords (dès la prochaine création)</translation>
    </message>
    <message>
        <source>The MIDI device the chords are played on</source>
        <translation>Le périphérique MIDI sur lequel les accords sont joués</translation>
    </message>
    <message>
        <source>Play the chords of the hints and Play my answer</source>
        <translation>Jouer les accords des aides et « Jouer ma réponse »</translation>
    </message>
    <message>
        <source>Keys and features…</source>
        <translation>Touches et fonctions…</translation>
    </message>
    <message>
        <source>The progress window cannot be opened (%1).</source>
        <translation>La fenêtre des progrès ne peut pas être ouverte (%1).</translation>
    </message>
    <message>
        <source>Classroom sheet…</source>
        <translation>Fiche de classe…</translation>
    </message>
    <message>
        <source>MIDI device</source>
        <translation>Périphérique MIDI</translation>
    </message>
    <message>
        <source>Drag onto a circle, or press Enter to pick it up</source>
        <translation>Faites-le glisser sur un cercle, ou appuyez sur Entrée pour le prendre</translation>
    </message>
    <message>
        <source>Type a name or drop one here. Right-click: names, Clear, Show mistakes (Ctrl+M), Reveal this note (Ctrl+R)</source>
        <translation>Tapez un nom ou déposez-en un ici. Clic droit : noms, Effacer, Montrer les erreurs (Ctrl+M), Révéler cette note (Ctrl+R)</translation>
    </message>
</context>
<context>
    <name>velmora::ProgressWindow</name>
    <message>
        <source>week starting</source>
        <translation>semaine du</translation>
    </message>
    <message>
        <source>right</source>
        <translation>justes</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Velmora progress</source>
        <translation>Progrès dans Velmora</translation>
    </message>
    <message>
        <source>Progress as text</source>
        <translation>Progrès en texte</translation>
    </message>
    <message>
        <source>As &amp;text</source>
        <translation>En &amp;texte</translation>
    </message>
    <message>
        <source>&amp;Export CSV</source>
        <translation>&amp;Exporter en CSV</translation>
    </message>
    <message>
        <source>&amp;Forget my history</source>
        <translation>O&amp;ublier mon historique</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Chord types</source>
        <translation>Types d&apos;&amp;accords</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>Tona&amp;lités</translation>
    </message>
    <message>
        <source>of all answers</source>
        <translation>de toutes les réponses</translation>
    </message>
    <message>
        <source>&amp;Spelling</source>
        <translation>&amp;Orthographe</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>manquées</translation>
    </message>
    <message>
        <source>T&amp;ones</source>
        <translation>&amp;Notes</translation>
    </message>
    <message>
        <source>T&amp;rend</source>
        <translation>Ten&amp;dance</translation>
    </message>
</context>
<context>
    <name>velmora::ReviewOverlay</name>
    <message>
        <source>circle %1: %2</source>
        <translation>cercle %1 : %2</translation>
    </message>
    <message>
        <source>no mistakes</source>
        <translation>aucune erreur</translation>
    </message>
    <message>
        <source>X wrong, ~ spelled wrong, ? empty</source>
        <translation>X faux, ~ mal écrit, ? vide</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>Circle %1 %2 %3</source>
        <translation>Cercle %1 %2 %3</translation>
    </message>
    <message>
        <source>circle %1</source>
        <translation>cercle %1</translation>
    </message>
    <message>
        <source>circles %1</source>
        <translation>cercles %1</translation>
    </message>
    <message>
        <source>empty: %1</source>
        <translation>vide : %1</translation>
    </message>
    <message>
        <source>? empty: %1</source>
        <translation>? vide : %1</translation>
    </message>
    <message>
        <source>No mistakes.</source>
        <translation>Aucune erreur.</translation>
    </message>
</context>
<context>
    <name>velmora::StarInput</name>
    <message>
        <source>%1 put back</source>
        <translation>%1 reposé</translation>
    </message>
    <message>
        <source>%1 picked up: choose a circle with the arrow keys and press Enter</source>
        <translation>%1 pris : choisissez un cercle avec les flèches et appuyez sur Entrée</translation>
    </message>
</context>
</TS>
