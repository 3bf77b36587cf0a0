<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Velmora needs a graphical display, and none was found (DISPLAY is not set).</source>
        <translation>Velmora braucht eine grafische Anzeige, und es wurde keine gefunden (DISPLAY ist nicht gesetzt).</translation>
    </message>
    <message>
        <source>Try 'velmora --help'.</source>
        <translation>Weitere Informationen mit 'velmora --help'.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Die Version ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Open the main window at once, without the loading window.</source>
        <translation>Das Hauptfenster sofort öffnen, ohne das Ladefenster.</translation>
    </message>
    <message>
        <source>Play chords on the built-in synthesizer with the General MIDI soundfont FILE.</source>
        <translation>Akkorde auf dem eingebauten Synthesizer mit der General-MIDI-SoundFont DATEI spielen.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Write the answer key of the worksheets in the answer log LOG (Worksheet.id when no LOG is given) to the PDF --output names, without opening the window.</source>
        <translation>Den Lösungsschlüssel der Arbeitsblätter im Antwortprotokoll LOG (Worksheet.id, wenn kein LOG angegeben ist) in die PDF-Datei schreiben, die --output nennt, ohne das Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>Write N worksheets (1 to 100) and their answer key as PDFs into the folder --output names, logging them in Worksheet.id, without opening the window.</source>
        <translation>N Arbeitsblätter (1 bis 100) und ihren Lösungsschlüssel als PDF-Dateien in den Ordner schreiben, den --output nennt, und sie in Worksheet.id protokollieren, ohne das Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>The PDF or folder to write.</source>
        <translation>Die PDF-Datei oder der Ordner, in den geschrieben wird.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>PFAD</translation>
    </message>
    <message>
        <source>Draw the worksheets from seed S, so that the same S gives the same sheets.</source>
        <translation>Die Arbeitsblätter aus dem Startwert S ziehen, sodass dasselbe S dieselben Blätter ergibt.</translation>
    </message>
    <message>
        <source>Print on SIZE paper: A4 or Letter.</source>
        <translation>Auf Papier im Format GRÖSSE drucken: A4 oder Letter.</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>GRÖSSE</translation>
    </message>
    <message>
        <source>Print a summary of the practice history and exit; no display is needed.</source>
        <translation>Eine Zusammenfassung des Übungsverlaufs ausgeben und beenden; eine Anzeige ist nicht nötig.</translation>
    </message>
    <message>
        <source>Keep the practice history in DIR instead of $VELMORA_DATA_DIR or the user's data folder.</source>
        <translation>Den Übungsverlauf in ORDNER statt in $VELMORA_DATA_DIR oder im Datenordner des Benutzers führen.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>ORDNER</translation>
    </message>
    <message>
        <source>Show the program in language CODE (en, de, fr, es or nl) instead of the saved or the system's language.</source>
        <translation>Das Programm in der Sprache CODE (en, de, fr, es oder nl) zeigen statt in der gespeicherten oder der Systemsprache.</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CODE</translation>
    </message>
    <message>
        <source>Name the notes with NAMES: letters (C, F#, Bb), german (C, Fis, B, H) or fixed-do (Do, Fa♯, Si♭).</source>
        <translation>Die Noten mit NAMEN benennen: letters (C, F#, Bb), german (C, Fis, B, H) oder fixed-do (Do, Fa♯, Si♭).</translation>
    </message>
    <message>
        <source>NAMES</source>
        <translation>NAMEN</translation>
    </message>
    <message>
        <source>There is no language '%1'; choose en, de, fr, es or nl.</source>
        <translation>Die Sprache '%1' gibt es nicht; wählen Sie en, de, fr, es oder nl.</translation>
    </message>
    <message>
        <source>There are no note names '%1'; choose letters, german or fixed-do.</source>
        <translation>Die Notennamen '%1' gibt es nicht; wählen Sie letters, german oder fixed-do.</translation>
    </message>
    <message>
        <source>Usage: velmora [options]</source>
        <translation>Aufruf: velmora [Optionen]</translation>
    </message>
    <message>
        <source>--stats cannot be combined with --answer-key or --worksheets.</source>
        <translation>--stats lässt sich nicht mit --answer-key oder --worksheets verbinden.</translation>
    </message>
    <message>
        <source>Cannot read the soundfont '%1': %2</source>
        <translation>Die SoundFont '%1' kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Spell five-note ninth chords in a star of 17 circles.</source>
        <translation>Die Töne fünfstimmiger Nonenakkorde in einem Stern aus 17 Kreisen richtig benennen.</translation>
    </message>
</context>
</TS>
