<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Velmora needs a graphical display, and none was found (DISPLAY is not set).</source>
        <translation>Velmora a besoin d'un affichage graphique, et aucun n'a été trouvé (DISPLAY n'est pas défini).</translation>
    </message>
    <message>
        <source>Try 'velmora --help'.</source>
        <translation>Essayez 'velmora --help'.</translation>
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
        <translation>Écrire le corrigé des fiches du journal des réponses LOG (Worksheet.id si aucun LOG n'est donné) dans le PDF que nomme --output, sans ouvrir la fenêtre.</translation>
    </message>
    <message>
        <source>Write N worksheets (1 to 100) and their answer key as PDFs into the folder --output names, logging them in Worksheet.id, without opening the window.</source>
        <translation>Écrire N fiches d'exercices (1 à 100) et leur corrigé en PDF dans le dossier que nomme --output, en les consignant dans Worksheet.id, sans ouvrir la fenêtre.</translation>
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
        <translation>Afficher un résumé de l'historique d'exercice et quitter ; aucun affichage n'est nécessaire.</translation>
    </message>
    <message>
        <source>Keep the practice history in DIR instead of $VELMORA_DATA_DIR or the user's data folder.</source>
        <translation>Garder l'historique d'exercice dans DOSSIER au lieu de $VELMORA_DATA_DIR ou du dossier de données de l'utilisateur.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DOSSIER</translation>
    </message>
    <message>
        <source>Show the program in language CODE (en, de, fr, es or nl) instead of the saved or the system's language.</source>
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
        <source>There is no language '%1'; choose en, de, fr, es or nl.</source>
        <translation>La langue '%1' n'existe pas ; choisissez en, de, fr, es ou nl.</translation>
    </message>
    <message>
        <source>There are no note names '%1'; choose letters, german or fixed-do.</source>
        <translation>Les noms de notes '%1' n'existent pas ; choisissez letters, german ou fixed-do.</translation>
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
        <source>Cannot read the soundfont '%1': %2</source>
        <translation>Impossible de lire la banque de sons '%1' : %2</translation>
    </message>
    <message>
        <source>Spell five-note ninth chords in a star of 17 circles.</source>
        <translation>Épeler des accords de neuvième à cinq sons dans une étoile de 17 cercles.</translation>
    </message>
</context>
</TS>
