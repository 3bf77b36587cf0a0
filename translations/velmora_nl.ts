<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>CommandLine</name>
    <message>
        <source>Velmora needs a graphical display, and none was found (DISPLAY is not set).</source>
        <translation>Velmora heeft een grafisch scherm nodig en er is er geen gevonden (DISPLAY is niet ingesteld).</translation>
    </message>
    <message>
        <source>Try 'velmora --help'.</source>
        <translation>Probeer 'velmora --help'.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Deze hulp tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>De versie tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Open the main window at once, without the loading window.</source>
        <translation>Het hoofdvenster meteen openen, zonder het laadvenster.</translation>
    </message>
    <message>
        <source>Play chords on the built-in synthesizer with the General MIDI soundfont FILE.</source>
        <translation>Akkoorden spelen op de ingebouwde synthesizer met de General MIDI-soundfont BESTAND.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>BESTAND</translation>
    </message>
    <message>
        <source>Write the answer key of the worksheets in the answer log LOG (Worksheet.id when no LOG is given) to the PDF --output names, without opening the window.</source>
        <translation>De antwoordsleutel van de werkbladen in het antwoordlogboek LOG (Worksheet.id als er geen LOG is opgegeven) naar de pdf schrijven die --output noemt, zonder het venster te openen.</translation>
    </message>
    <message>
        <source>Write N worksheets (1 to 100) and their answer key as PDFs into the folder --output names, logging them in Worksheet.id, without opening the window.</source>
        <translation>N werkbladen (1 tot 100) en hun antwoordsleutel als pdf's naar de map schrijven die --output noemt en ze vastleggen in Worksheet.id, zonder het venster te openen.</translation>
    </message>
    <message>
        <source>The PDF or folder to write.</source>
        <translation>De pdf of map die geschreven wordt.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>PAD</translation>
    </message>
    <message>
        <source>Draw the worksheets from seed S, so that the same S gives the same sheets.</source>
        <translation>De werkbladen trekken uit startwaarde S, zodat dezelfde S dezelfde bladen geeft.</translation>
    </message>
    <message>
        <source>Print on SIZE paper: A4 or Letter.</source>
        <translation>Afdrukken op papier van formaat FORMAAT: A4 of Letter.</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>FORMAAT</translation>
    </message>
    <message>
        <source>Print a summary of the practice history and exit; no display is needed.</source>
        <translation>Een samenvatting van de oefengeschiedenis tonen en afsluiten; er is geen scherm nodig.</translation>
    </message>
    <message>
        <source>Keep the practice history in DIR instead of $VELMORA_DATA_DIR or the user's data folder.</source>
        <translation>De oefengeschiedenis bewaren in MAP in plaats van $VELMORA_DATA_DIR of de gegevensmap van de gebruiker.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>MAP</translation>
    </message>
    <message>
        <source>Show the program in language CODE (en, de, fr, es or nl) instead of the saved or the system's language.</source>
        <translation>Het programma tonen in taal CODE (en, de, fr, es of nl) in plaats van de bewaarde taal of die van het systeem.</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CODE</translation>
    </message>
    <message>
        <source>Name the notes with NAMES: letters (C, F#, Bb), german (C, Fis, B, H) or fixed-do (Do, Fa♯, Si♭).</source>
        <translation>De noten benoemen met NAMEN: letters (C, F#, Bb), german (C, Fis, B, H) of fixed-do (Do, Fa♯, Si♭).</translation>
    </message>
    <message>
        <source>NAMES</source>
        <translation>NAMEN</translation>
    </message>
    <message>
        <source>There is no language '%1'; choose en, de, fr, es or nl.</source>
        <translation>De taal '%1' bestaat niet; kies en, de, fr, es of nl.</translation>
    </message>
    <message>
        <source>There are no note names '%1'; choose letters, german or fixed-do.</source>
        <translation>De nootnamen '%1' bestaan niet; kies letters, german of fixed-do.</translation>
    </message>
    <message>
        <source>Usage: velmora [options]</source>
        <translation>Gebruik: velmora [opties]</translation>
    </message>
    <message>
        <source>--stats cannot be combined with --answer-key or --worksheets.</source>
        <translation>--stats kan niet samen met --answer-key of --worksheets worden gebruikt.</translation>
    </message>
    <message>
        <source>Cannot read the soundfont '%1': %2</source>
        <translation>Kan de soundfont '%1' niet lezen: %2</translation>
    </message>
    <message>
        <source>Spell five-note ninth chords in a star of 17 circles.</source>
        <translation>Vijfstemmige noneakkoorden spellen in een ster van 17 cirkels.</translation>
    </message>
</context>
</TS>
