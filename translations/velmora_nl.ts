<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AnswerKey</name>
    <message>
        <source>, classroom sheet</source>
        <translation>, klassenblad</translation>
    </message>
    <message>
        <source>Answer Key Paper</source>
        <translation>Papier van de antwoordsleutel</translation>
    </message>
    <message>
        <source>The paper the sheets were printed on:</source>
        <translation>Het papier waarop de bladen zijn afgedrukt:</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Antwoordsleutel</translation>
    </message>
</context>
<context>
    <name>ChordWords</name>
    <message>
        <source>six-nine</source>
        <translation>sext-none-akkoord</translation>
    </message>
    <message>
        <source>major ninth</source>
        <translation>groot septiem-none-akkoord</translation>
    </message>
    <message>
        <source>dominant seventh</source>
        <translation>dominantseptiemakkoord</translation>
    </message>
    <message>
        <source>dominant ninth</source>
        <translation>dominant-noneakkoord</translation>
    </message>
    <message>
        <source>minor six-nine</source>
        <translation>mineur sext-none-akkoord</translation>
    </message>
    <message>
        <source>minor seventh</source>
        <translation>mineur septiemakkoord</translation>
    </message>
    <message>
        <source>minor ninth</source>
        <translation>mineur noneakkoord</translation>
    </message>
    <message>
        <source>flat five</source>
        <translation>verminderde kwint</translation>
    </message>
    <message>
        <source>sharp five</source>
        <translation>overmatige kwint</translation>
    </message>
    <message>
        <source>flat nine</source>
        <translation>kleine none</translation>
    </message>
    <message>
        <source>sharp nine</source>
        <translation>overmatige none</translation>
    </message>
    <message>
        <source>sharp four</source>
        <translation>overmatige kwart</translation>
    </message>
    <message>
        <source>suspended fourth</source>
        <translation>kwart in plaats van terts</translation>
    </message>
    <message>
        <source>suspended second</source>
        <translation>secunde in plaats van terts</translation>
    </message>
    <message>
        <source>major seventh</source>
        <translation>grote septiem</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Velmora needs a graphical display, and none was found (DISPLAY is not set).</source>
        <translation>Velmora heeft een grafisch scherm nodig en er is er geen gevonden (DISPLAY is niet ingesteld).</translation>
    </message>
    <message>
        <source>Try &apos;velmora --help&apos;.</source>
        <translation>Probeer &apos;velmora --help&apos;.</translation>
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
        <translation>N werkbladen (1 tot 100) en hun antwoordsleutel als pdf&apos;s naar de map schrijven die --output noemt en ze vastleggen in Worksheet.id, zonder het venster te openen.</translation>
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
        <source>Keep the practice history in DIR instead of $VELMORA_DATA_DIR or the user&apos;s data folder.</source>
        <translation>De oefengeschiedenis bewaren in MAP in plaats van $VELMORA_DATA_DIR of de gegevensmap van de gebruiker.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>MAP</translation>
    </message>
    <message>
        <source>Show the program in language CODE (en, de, fr, es or nl) instead of the saved or the system&apos;s language.</source>
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
        <source>There is no language &apos;%1&apos;; choose en, de, fr, es or nl.</source>
        <translation>De taal &apos;%1&apos; bestaat niet; kies en, de, fr, es of nl.</translation>
    </message>
    <message>
        <source>There are no note names &apos;%1&apos;; choose letters, german or fixed-do.</source>
        <translation>De nootnamen &apos;%1&apos; bestaan niet; kies letters, german of fixed-do.</translation>
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
        <source>Cannot read the soundfont &apos;%1&apos;: %2</source>
        <translation>Kan de soundfont &apos;%1&apos; niet lezen: %2</translation>
    </message>
    <message>
        <source>Spell five-note ninth chords in a star of 17 circles.</source>
        <translation>Vijfstemmige noneakkoorden spellen in een ster van 17 cirkels.</translation>
    </message>
    <message>
        <source>Draw the worksheets&apos; chord types from the list of LEVEL, beginner (12 types) or expert (all 27), as the window&apos;s level does; expert when not given.</source>
        <translation>De akkoordtypen van de werkbladen trekken uit de lijst van NIVEAU, beginner (12 typen) of expert (alle 27), zoals het niveau van het venster doet; expert als het niet gegeven is.</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation>NIVEAU</translation>
    </message>
    <message>
        <source>Let the worksheets hold notes of four characters (Bbbb, F###), as the window&apos;s &quot;Advanced&quot; box lets its puzzles.</source>
        <translation>Noten van vier tekens (Bbbb, F###) op de werkbladen toelaten, zoals het vak „Gevorderd” van het venster bij zijn puzzels doet.</translation>
    </message>
    <message>
        <source>Give every star&apos;s centre note, as the window&apos;s &quot;Center Question&quot; box does.</source>
        <translation>De middelste noot van elke ster geven, zoals het vak „Midden gegeven” van het venster doet.</translation>
    </message>
    <message>
        <source>Print the classroom sheet, and its answer key to match: a line for name, class and date, the chord lines drawn through each star, and circles 12 mm wide.</source>
        <translation>Het klassenblad afdrukken, en de bijpassende antwoordsleutel: een regel voor naam, klas en datum, de akkoordlijnen door elke ster getrokken en cirkels van 12 mm breed.</translation>
    </message>
</context>
<context>
    <name>Intervals</name>
    <message>
        <source>root</source>
        <translation>grondtoon</translation>
    </message>
    <message>
        <source>two</source>
        <translation>grote secunde</translation>
    </message>
    <message>
        <source>flat three</source>
        <translation>kleine terts</translation>
    </message>
    <message>
        <source>three</source>
        <translation>grote terts</translation>
    </message>
    <message>
        <source>four</source>
        <translation>reine kwart</translation>
    </message>
    <message>
        <source>sharp four</source>
        <translation>overmatige kwart</translation>
    </message>
    <message>
        <source>flat five</source>
        <translation>verminderde kwint</translation>
    </message>
    <message>
        <source>five</source>
        <translation>reine kwint</translation>
    </message>
    <message>
        <source>sharp five</source>
        <translation>overmatige kwint</translation>
    </message>
    <message>
        <source>six</source>
        <translation>grote sext</translation>
    </message>
    <message>
        <source>flat seven</source>
        <translation>kleine septiem</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>grote septiem</translation>
    </message>
    <message>
        <source>flat nine</source>
        <translation>kleine none</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>grote none</translation>
    </message>
    <message>
        <source>sharp nine</source>
        <translation>overmatige none</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>You have %1 correct answers out of 17.(The First is always given!)</source>
        <translation>U hebt %1 van de 17 antwoorden goed. (De eerste is altijd gegeven!)</translation>
    </message>
    <message>
        <source>There was an Error while printing the Worksheet! (Or it was Canceled by the user.) %1</source>
        <translation>Er is een fout opgetreden bij het afdrukken van het werkblad! (Of de gebruiker heeft geannuleerd.) %1</translation>
    </message>
    <message>
        <source>Velmora could not record this Check in your practice history (%1). You can go on playing, but the rest of this run is not recorded.</source>
        <translation>Velmora kon deze controle niet in uw oefengeschiedenis vastleggen (%1). U kunt verder spelen, maar de rest van deze sessie wordt niet vastgelegd.</translation>
    </message>
    <message>
        <source>sounds right, spelled wrong: %1 here is %2</source>
        <translation>klinkt goed, maar verkeerd gespeld: %1 heet hier %2</translation>
    </message>
    <message>
        <source>wrong: %1 is not the note here</source>
        <translation>fout: %1 is hier niet de juiste noot</translation>
    </message>
    <message>
        <source>Are You sure you want to create a new Velmora?</source>
        <translation>Weet u zeker dat u een nieuwe Velmora wilt maken?</translation>
    </message>
    <message>
        <source>Create A New Velmora First! Press the create Button.</source>
        <translation>Maak eerst een nieuwe Velmora! Druk op de knop ‘Maken’.</translation>
    </message>
    <message>
        <source>This action will create some work sheets on your printer</source>
        <translation>Hiermee worden enkele werkbladen op uw printer afgedrukt</translation>
    </message>
    <message>
        <source>Create Worksheet?</source>
        <translation>Werkblad maken?</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeeminformatie is op dit moment niet beschikbaar</translation>
    </message>
    <message>
        <source>right</source>
        <translation>goed</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>version: %1</source>
        <translation>versie: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Velmora is now loading</source>
        <translation>Velmora wordt geladen</translation>
    </message>
    <message>
        <source>Now Loading.....</source>
        <translation>Bezig met laden.....</translation>
    </message>
    <message>
        <source>About Velmora</source>
        <translation>Over Velmora</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeeminformatie...</translation>
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
        <translation>Leer akkoorden hanteren en onthouden. (Tot en met de none)


Zo gebruikt u dit programma.
Als u op de knop ‘Maken’ drukt, wordt een nieuwe Velmora gemaakt. Dat
betekent dat in een van de vele cirkels een noot staat.
Het is uw taak alle ontbrekende akkoordtonen te vinden.
U vult de ontbrekende noten in met de muis: sleep een van de noten
naar de cirkels.
Vul de akkoorden in vanaf links/rechts of vanaf boven/onder.
Werk altijd naar de naam van het akkoord toe. De cirkel naast de
akkoordnaam moet dus de laatste noot van het akkoord bevatten.
Om te controleren of de antwoorden goed zijn, drukt u op de knop
‘Controleren’. Een melding toont dan het aantal goede antwoorden.
Weet u niet meer hoe een akkoord is opgebouwd, druk dan op de naam
van het akkoord voor hulp.

Werkbladen
U kunt werkbladen maken om te oefenen. Een werkblad heeft 6 lege
Velmora&apos;s.
Elk werkblad wordt in een bestand vastgelegd, zodat u al uw
antwoorden kunt nakijken als u de werkbladen af hebt. De antwoorden
staan in het bestand Worksheet.id.
Staat dit bestand niet in de map van het programma, zoek het dan op
uw computer met de zoekfunctie.
</translation>
    </message>
    <message>
        <source>1 answer in 1 check: %1% right.</source>
        <translation>1 antwoord in 1 controle: %1% goed.</translation>
    </message>
    <message>
        <source>%1 answers in 1 check: %2% right.</source>
        <translation>%1 antwoorden in 1 controle: %2% goed.</translation>
    </message>
    <message>
        <source>%1 answers in %2 checks: %3% right.</source>
        <translation>%1 antwoorden in %2 controles: %3% goed.</translation>
    </message>
    <message>
        <source>%1: %2% right (%3 of %4)</source>
        <translation>%1: %2% goed (%3 van %4)</translation>
    </message>
    <message>
        <source>%1: no answers</source>
        <translation>%1: geen antwoorden</translation>
    </message>
    <message>
        <source>%1: %2% missed (%3 of %4)</source>
        <translation>%1: %2% gemist (%3 van %4)</translation>
    </message>
    <message>
        <source>Week of %1: %2% right (1 answer)</source>
        <translation>Week van %1: %2% goed (1 antwoord)</translation>
    </message>
    <message>
        <source>Week of %1: %2% right (%3 answers)</source>
        <translation>Week van %1: %2% goed (%3 antwoorden)</translation>
    </message>
    <message>
        <source>Steady at %1% right since the week of %2.</source>
        <translation>Stabiel op %1% goed sinds de week van %2.</translation>
    </message>
    <message>
        <source>Up from %1% to %2% right since the week of %3.</source>
        <translation>Gestegen van %1% naar %2% goed sinds de week van %3.</translation>
    </message>
    <message>
        <source>Down from %1% to %2% right since the week of %3.</source>
        <translation>Gedaald van %1% naar %2% goed sinds de week van %3.</translation>
    </message>
    <message>
        <source>%1: %2% (%3 of %4)</source>
        <translation>%1: %2% (%3 van %4)</translation>
    </message>
    <message>
        <source>The history was exported to %1.</source>
        <translation>De geschiedenis is geëxporteerd naar %1.</translation>
    </message>
    <message>
        <source>The history could not be exported to %1: %2</source>
        <translation>De geschiedenis kon niet worden geëxporteerd naar %1: %2</translation>
    </message>
    <message>
        <source>The history could not be forgotten: %1</source>
        <translation>De geschiedenis kon niet worden vergeten: %1</translation>
    </message>
    <message>
        <source>Accuracy per chord type</source>
        <translation>Score per akkoordtype</translation>
    </message>
    <message>
        <source>Accuracy per key</source>
        <translation>Score per toonsoort</translation>
    </message>
    <message>
        <source>Answers by kind</source>
        <translation>Antwoorden per soort</translation>
    </message>
    <message>
        <source>Tones most often missed</source>
        <translation>Vaakst gemiste tonen</translation>
    </message>
    <message>
        <source>Trend over the last weeks</source>
        <translation>Verloop over de laatste weken</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Goed</translation>
    </message>
    <message>
        <source>Right pitch, wrong spelling</source>
        <translation>Juiste toon, verkeerd gespeld</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Leeg</translation>
    </message>
    <message>
        <source>Root</source>
        <translation>Grondtoon</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Terts</translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation>Kwint</translation>
    </message>
    <message>
        <source>Seventh</source>
        <translation>Septiem</translation>
    </message>
    <message>
        <source>Ninth</source>
        <translation>None</translation>
    </message>
    <message>
        <source>This run keeps no practice history, so there is no progress to show.</source>
        <translation>Deze sessie houdt geen oefengeschiedenis bij, dus er is geen voortgang te tonen.</translation>
    </message>
    <message>
        <source>No answers are recorded yet. Create a puzzle, fill in the circles and press Check: your progress will show here.</source>
        <translation>Er zijn nog geen antwoorden vastgelegd. Maak een puzzel, vul de cirkels in en druk op ‘Controleren’: hier verschijnt dan uw voortgang.</translation>
    </message>
    <message>
        <source>Forget every recorded answer? Your progress cannot be brought back.</source>
        <translation>Alle vastgelegde antwoorden vergeten? Uw voortgang kan niet worden teruggehaald.</translation>
    </message>
    <message>
        <source>Your history is forgotten.</source>
        <translation>Uw geschiedenis is vergeten.</translation>
    </message>
    <message>
        <source>circle %1, centre of all four chords, empty</source>
        <translation>cirkel %1, midden van alle vier akkoorden, leeg</translation>
    </message>
    <message>
        <source>circle %1, centre of all four chords, holds %2</source>
        <translation>cirkel %1, midden van alle vier akkoorden, bevat %2</translation>
    </message>
    <message>
        <source>circle %1, centre of all four chords, given, holds %2</source>
        <translation>cirkel %1, midden van alle vier akkoorden, gegeven, bevat %2</translation>
    </message>
    <message>
        <source>circle %1, root of %2, empty</source>
        <translation>cirkel %1, grondtoon van %2, leeg</translation>
    </message>
    <message>
        <source>circle %1, root of %2, holds %3</source>
        <translation>cirkel %1, grondtoon van %2, bevat %3</translation>
    </message>
    <message>
        <source>circle %1, root of %2, given, holds %3</source>
        <translation>cirkel %1, grondtoon van %2, gegeven, bevat %3</translation>
    </message>
    <message>
        <source>circle %1, %2 of %3, empty</source>
        <translation>cirkel %1, %2 van %3, leeg</translation>
    </message>
    <message>
        <source>circle %1, %2 of %3, holds %4</source>
        <translation>cirkel %1, %2 van %3, bevat %4</translation>
    </message>
    <message>
        <source>circle %1, %2 of %3, given, holds %4</source>
        <translation>cirkel %1, %2 van %3, gegeven, bevat %4</translation>
    </message>
    <message>
        <source>chord %1</source>
        <translation>akkoord %1</translation>
    </message>
    <message>
        <source>Failed to start the audio driver (%1): no sound will be heard.</source>
        <translation>Het audiostuurprogramma (%1) kon niet worden gestart: er is geen geluid te horen.</translation>
    </message>
    <message>
        <source>The built-in synthesizer found no General MIDI soundfont that it could load: no sound will be heard. Looked for %1. The Debian packages timgm6mb-soundfont and fluid-soundfont-gm each provide one.</source>
        <translation>De ingebouwde synthesizer heeft geen General MIDI-soundfont gevonden die hij kon laden: er is geen geluid te horen. Gezocht naar %1. De Debian-pakketten timgm6mb-soundfont en fluid-soundfont-gm leveren er elk een.</translation>
    </message>
    <message>
        <source>Built-in synthesizer (%1)</source>
        <translation>Ingebouwde synthesizer (%1)</translation>
    </message>
    <message>
        <source>The MIDI device is no longer there: no sound will be heard.</source>
        <translation>Het MIDI-apparaat is er niet meer: er is geen geluid te horen.</translation>
    </message>
    <message>
        <source>The built-in synthesizer found no General MIDI soundfont: no sound will be heard.</source>
        <translation>De ingebouwde synthesizer heeft geen General MIDI-soundfont gevonden: er is geen geluid te horen.</translation>
    </message>
    <message>
        <source>Failed to create the built-in synthesizer: no sound will be heard.</source>
        <translation>De ingebouwde synthesizer kon niet worden gemaakt: er is geen geluid te horen.</translation>
    </message>
    <message>
        <source>The ALSA sequencer is not available: MIDI ports cannot be used.</source>
        <translation>De ALSA-sequencer is niet beschikbaar: MIDI-poorten kunnen niet worden gebruikt.</translation>
    </message>
    <message>
        <source>Failed to open the MIDI output port: no sound will be heard.</source>
        <translation>De MIDI-uitgangspoort kon niet worden geopend: er is geen geluid te horen.</translation>
    </message>
    <message>
        <source>No MIDI device is open: the chord cannot be played.</source>
        <translation>Er is geen MIDI-apparaat geopend: het akkoord kan niet worden gespeeld.</translation>
    </message>
    <message>
        <source>The MIDI message is not valid and was not sent.</source>
        <translation>Het MIDI-bericht is ongeldig en is niet verzonden.</translation>
    </message>
    <message>
        <source>Failed to send the MIDI message: the chord may not sound.</source>
        <translation>Het MIDI-bericht kon niet worden verzonden: het akkoord klinkt misschien niet.</translation>
    </message>
    <message>
        <source>The connection to the audio server was lost: no sound will be heard.</source>
        <translation>De verbinding met de audioserver is verbroken: er is geen geluid te horen.</translation>
    </message>
    <message>
        <source>Built-in synthesizer (no soundfont)</source>
        <translation>Ingebouwde synthesizer (geen soundfont)</translation>
    </message>
    <message>
        <source>The answer key cannot be made: the answer log %1 in %2 could not be read (%3).</source>
        <translation>De antwoordsleutel kan niet worden gemaakt: het antwoordlogboek %1 in %2 kon niet worden gelezen (%3).</translation>
    </message>
    <message>
        <source>The answer key cannot be made: the answer log %1 holds no worksheet star that can be read.</source>
        <translation>De antwoordsleutel kan niet worden gemaakt: het antwoordlogboek %1 bevat geen leesbare werkbladster.</translation>
    </message>
    <message>
        <source>The answer key cannot be saved over the answer log %1 it is made from; please choose another file.</source>
        <translation>De antwoordsleutel kan niet worden opgeslagen over het antwoordlogboek %1 waaruit hij wordt gemaakt; kies een ander bestand.</translation>
    </message>
    <message>
        <source>The answer key was saved without %1 part(s) of %2 that could not be read:%3</source>
        <translation>De antwoordsleutel is opgeslagen zonder %1 deel/delen van %2 die niet gelezen konden worden:%3</translation>
    </message>
    <message>
        <source>There is no practice history in %1.</source>
        <translation>Er is geen oefengeschiedenis in %1.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Onbekende optie &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Onbekende opties: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Ontbrekende waarde na &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Onverwachte waarde na &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Onverwacht argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--paper takes A4 or Letter, not &apos;%1&apos;.</source>
        <translation>--paper neemt A4 of Letter, niet &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--worksheets takes a number of sheets from 1 to 100, not &apos;%1&apos;.</source>
        <translation>--worksheets neemt een aantal bladen van 1 tot 100, niet &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--seed takes a whole number from 0 to 18446744073709551615, not &apos;%1&apos;.</source>
        <translation>--seed neemt een geheel getal van 0 tot 18446744073709551615, niet &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Cannot read the answer log %1: %2</source>
        <translation>Kan het antwoordlogboek %1 niet lezen: %2</translation>
    </message>
    <message>
        <source>The answer log %1 holds no star that can be read (first problem: %2)</source>
        <translation>Het antwoordlogboek %1 bevat geen leesbare ster (eerste probleem: %2)</translation>
    </message>
    <message>
        <source>The answer log %1 holds no star that can be read</source>
        <translation>Het antwoordlogboek %1 bevat geen leesbare ster</translation>
    </message>
    <message>
        <source>The answer key cannot be written over the answer log %1 it is made from</source>
        <translation>De antwoordsleutel kan niet worden geschreven over het antwoordlogboek %1 waaruit hij wordt gemaakt</translation>
    </message>
    <message>
        <source>Answer key of %1 stars written to %2</source>
        <translation>Antwoordsleutel van %1 sterren geschreven naar %2</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>Kan niet schrijven naar de map %1: %2</translation>
    </message>
    <message>
        <source>seed %1</source>
        <translation>startwaarde %1</translation>
    </message>
    <message>
        <source>%1 worksheets and their answer key written to %2 (%3)</source>
        <translation>%1 werkbladen en hun antwoordsleutel geschreven naar %2 (%3)</translation>
    </message>
    <message>
        <source>The sheets could not be moved into %1: %2</source>
        <translation>De bladen konden niet naar %1 worden verplaatst: %2</translation>
    </message>
    <message>
        <source>--answer-key and --worksheets cannot be used together.</source>
        <translation>--answer-key en --worksheets kunnen niet samen worden gebruikt.</translation>
    </message>
    <message>
        <source>--worksheets needs --output DIR.</source>
        <translation>--worksheets heeft --output MAP nodig.</translation>
    </message>
    <message>
        <source>--answer-key needs --output FILE.pdf.</source>
        <translation>--answer-key heeft --output BESTAND.pdf nodig.</translation>
    </message>
    <message>
        <source>Work your way tru these chords in left/right or up/down direction.</source>
        <translation>Werk deze akkoorden door van links/rechts of van boven/onder.</translation>
    </message>
    <message>
        <source>Worksheet created by Velmora</source>
        <translation>Werkblad gemaakt met Velmora</translation>
    </message>
    <message>
        <source>Seed %1</source>
        <translation>Startwaarde %1</translation>
    </message>
    <message>
        <source>Answer key: every chord reads from its far end towards its name.</source>
        <translation>Antwoordsleutel: elk akkoord leest van het verre eind naar zijn naam.</translation>
    </message>
    <message>
        <source>Answer key created by Velmora</source>
        <translation>Antwoordsleutel gemaakt met Velmora</translation>
    </message>
    <message>
        <source>--level takes beginner or expert, not &apos;%1&apos;.</source>
        <translation>--level neemt beginner of expert, niet &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The folder %1 holds the sheets of an earlier batch (%2); choose an empty folder or move them away first</source>
        <translation>De map %1 bevat de bladen van een eerdere reeks (%2); kies een lege map of verplaats ze eerst</translation>
    </message>
    <message>
        <source>The page is too small for the classroom sheet (%1 x %2 twips)</source>
        <translation>De pagina is te klein voor het klassenblad (%1 x %2 twips)</translation>
    </message>
    <message>
        <source>Sheet %1 of %2 · seed %3</source>
        <translation>Blad %1 van %2 · startwaarde %3</translation>
    </message>
    <message>
        <source>--output, --seed, --paper, --level, --advanced, --centre-question and --classroom go with --answer-key or --worksheets.</source>
        <translation>--output, --seed, --paper, --level, --advanced, --centre-question en --classroom horen bij --answer-key of --worksheets.</translation>
    </message>
    <message>
        <source>--seed, --level, --advanced and --centre-question go with --worksheets only.</source>
        <translation>--seed, --level, --advanced en --centre-question horen alleen bij --worksheets.</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>het is een named pipe, geen bestand</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>het is een map, geen bestand</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>het is een socket, geen bestand</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>het is een apparaat, geen bestand</translation>
    </message>
    <message>
        <source>it is a special file, not a file</source>
        <translation>het is een speciaal bestand, geen gewoon bestand</translation>
    </message>
    <message>
        <source>Spell each chord along its line towards its name: across, down and on both diagonal lines.</source>
        <translation>Vul elk akkoord in langs zijn lijn naar zijn naam: horizontaal, verticaal en op beide diagonalen.</translation>
    </message>
    <message>
        <source>Name: ____________________   Class: ________   Date: ______________</source>
        <translation>Naam: ____________________   Klas: ________   Datum: ______________</translation>
    </message>
    <message>
        <source>%1 later Checks of the same puzzles are not counted again.</source>
        <translation>%1 latere controles van dezelfde puzzels worden niet opnieuw geteld.</translation>
    </message>
    <message>
        <source>tone %1</source>
        <translation>toon %1</translation>
    </message>
    <message>
        <source>Velmora could not read your settings (%1), so it starts with the usual ones.</source>
        <translation>Velmora kon uw instellingen niet lezen (%1) en begint daarom met de gebruikelijke.</translation>
    </message>
    <message>
        <source>Velmora could not save your settings (%1). Your choices last until Velmora closes.</source>
        <translation>Velmora kon uw instellingen niet opslaan (%1). Uw keuzes gelden tot Velmora wordt afgesloten.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Kan %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Kan %1 niet schrijven</translation>
    </message>
    <message>
        <source>could not write %1</source>
        <translation>%1 kon niet worden geschreven</translation>
    </message>
    <message>
        <source>Velmora cannot keep your practice history in %1 (%2). You can play as usual, but this run&apos;s answers are not recorded.</source>
        <translation>Velmora kan uw oefengeschiedenis niet bijhouden in %1 (%2). U kunt gewoon spelen, maar de antwoorden van deze sessie worden niet vastgelegd.</translation>
    </message>
    <message>
        <source>Your practice history %1 cannot be written, so Velmora shows it as it is and does not record this run&apos;s answers.</source>
        <translation>Uw oefengeschiedenis %1 kan niet worden geschreven; Velmora toont haar daarom zoals ze is en legt de antwoorden van deze sessie niet vast.</translation>
    </message>
    <message>
        <source>Your practice history %1 could not be read (%2), so Velmora has started a new one. The old file is kept as %3.</source>
        <translation>Uw oefengeschiedenis %1 kon niet worden gelezen (%2); Velmora is daarom een nieuwe begonnen. Het oude bestand is bewaard als %3.</translation>
    </message>
    <message>
        <source>Your practice history %1 was written by a newer version of Velmora. This run leaves it as it is and does not record your answers.</source>
        <translation>Uw oefengeschiedenis %1 is geschreven door een nieuwere versie van Velmora. Deze sessie laat haar zoals ze is en legt uw antwoorden niet vast.</translation>
    </message>
    <message>
        <source>%1, and another copy of Velmora is opening it</source>
        <translation>%1, en een ander exemplaar van Velmora opent het juist</translation>
    </message>
    <message>
        <source>%1, and it cannot be moved aside</source>
        <translation>%1, en het kan niet opzij worden gezet</translation>
    </message>
    <message>
        <source>it is damaged: %1</source>
        <translation>het is beschadigd: %1</translation>
    </message>
    <message>
        <source>The printer reports a page without size (%1 x %2 twips)</source>
        <translation>De printer meldt een pagina zonder formaat (%1 x %2 twips)</translation>
    </message>
    <message>
        <source>The page is too large to lay out the worksheet (%1 x %2 twips)</source>
        <translation>De pagina is te groot om het werkblad op in te delen (%1 x %2 twips)</translation>
    </message>
    <message>
        <source>The worksheet could not be saved as %1: %2</source>
        <translation>Het werkblad kon niet worden opgeslagen als %1: %2</translation>
    </message>
    <message>
        <source>The answer key could not be saved as %1: %2</source>
        <translation>De antwoordsleutel kon niet worden opgeslagen als %1: %2</translation>
    </message>
    <message>
        <source>The answer log %1 could not be opened: %2</source>
        <translation>Het antwoordlogboek %1 kon niet worden geopend: %2</translation>
    </message>
    <message>
        <source>The answer log %1 could not be written: %2</source>
        <translation>Het antwoordlogboek %1 kon niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>The batch&apos;s own log records could not be read back (%1)</source>
        <translation>De eigen logboekregels van de reeks konden niet worden teruggelezen (%1)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a note: %2</source>
        <translation>‘%1’ is geen noot: %2</translation>
    </message>
    <message>
        <source>only %1 of the five notes (the record is cut off)</source>
        <translation>maar %1 van de vijf noten (de regel is afgebroken)</translation>
    </message>
    <message>
        <source>the time %1 is not a time of day</source>
        <translation>de tijd %1 is geen tijdstip</translation>
    </message>
    <message>
        <source>the notes %1 do not spell %2 around %3</source>
        <translation>de noten %1 vormen geen %2 rond %3</translation>
    </message>
    <message>
        <source>star %1 has %2 of its 4 chord lines</source>
        <translation>ster %1 heeft %2 van haar 4 akkoordlijnen</translation>
    </message>
    <message>
        <source>the chord lines of star %1 do not share one centre note</source>
        <translation>de akkoordlijnen van ster %1 delen niet één middelste noot</translation>
    </message>
    <message>
        <source>the accidental must be b, bb, bbb, bbbb, #, x or ###, not %1</source>
        <translation>het voorteken moet b, bb, bbb, bbbb, #, x of ### zijn, niet %1</translation>
    </message>
    <message>
        <source>1 later Check of the same puzzle is not counted again.</source>
        <translation>1 latere controle van dezelfde puzzel wordt niet opnieuw geteld.</translation>
    </message>
    <message>
        <source>it is not a settings file Velmora can read</source>
        <translation>het is geen instellingenbestand dat Velmora kan lezen</translation>
    </message>
    <message>
        <source>no practice history is kept in this run</source>
        <translation>in deze sessie wordt geen oefengeschiedenis bijgehouden</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>de map kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>the folder does not allow a write-ahead log</source>
        <translation>de map staat geen write-ahead-log toe</translation>
    </message>
    <message>
        <source>it cannot be written, and no copy of it can be made to read</source>
        <translation>het kan niet worden geschreven, en er kan geen kopie van worden gemaakt om te lezen</translation>
    </message>
    <message>
        <source>it was written by a newer version of Velmora</source>
        <translation>het is geschreven door een nieuwere versie van Velmora</translation>
    </message>
    <message>
        <source>it is not a Velmora practice history</source>
        <translation>het is geen oefengeschiedenis van Velmora</translation>
    </message>
    <message>
        <source>Canceled by the user</source>
        <translation>Geannuleerd door de gebruiker</translation>
    </message>
    <message>
        <source>The printer has no document started</source>
        <translation>De printer heeft geen document gestart</translation>
    </message>
    <message>
        <source>The printer could not start the page</source>
        <translation>De printer kon de pagina niet beginnen</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer</source>
        <translation>De pagina kon niet naar de printer worden gestuurd</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>de pdf kon niet worden begonnen</translation>
    </message>
    <message>
        <source>a page could not be added</source>
        <translation>een pagina kon niet worden toegevoegd</translation>
    </message>
    <message>
        <source>there is no star to put in it</source>
        <translation>er is geen ster om erin te zetten</translation>
    </message>
    <message>
        <source>the PDF could not be finished</source>
        <translation>de pdf kon niet worden afgerond</translation>
    </message>
    <message>
        <source>another program keeps removing it</source>
        <translation>een ander programma blijft het verwijderen</translation>
    </message>
    <message>
        <source>another program keeps it locked</source>
        <translation>een ander programma houdt het vergrendeld</translation>
    </message>
    <message>
        <source>more than five notes</source>
        <translation>meer dan vijf noten</translation>
    </message>
    <message>
        <source>no chord type of the program after the time</source>
        <translation>geen akkoordtype van het programma na de tijd</translation>
    </message>
    <message>
        <source>no star number 1 to 6 between the date and the time</source>
        <translation>geen sternummer 1 tot en met 6 tussen de datum en de tijd</translation>
    </message>
    <message>
        <source>no time of day (hh:mm:ss)</source>
        <translation>geen tijdstip (hh:mm:ss)</translation>
    </message>
    <message>
        <source>star number 1 to 6 expected before the time</source>
        <translation>sternummer 1 tot en met 6 verwacht vóór de tijd</translation>
    </message>
    <message>
        <source>no date before the star number</source>
        <translation>geen datum vóór het sternummer</translation>
    </message>
    <message>
        <source>there is no note name</source>
        <translation>er is geen nootnaam</translation>
    </message>
    <message>
        <source>a note name begins with a capital letter A to G</source>
        <translation>een nootnaam begint met een hoofdletter A tot en met G</translation>
    </message>
    <message>
        <source>a double sharp is written x, as in Fx</source>
        <translation>een dubbelkruis wordt als x geschreven, zoals in Fx</translation>
    </message>
    <message>
        <source>Worksheet %1 of %2 failed: %3</source>
        <translation>Werkblad %1 van %2 is mislukt: %3</translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation>%1 (fout %2)</translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>flat</source>
        <translation>mol</translation>
    </message>
    <message>
        <source>double flat</source>
        <translation>dubbelmol</translation>
    </message>
    <message>
        <source>sharp</source>
        <translation>kruis</translation>
    </message>
    <message>
        <source>double sharp</source>
        <translation>dubbelkruis</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Save Worksheet as PDF</source>
        <translation>Werkblad als pdf opslaan</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Pdf-bestanden (*.pdf)</translation>
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
        <translation>Maken: een nieuwe puzzel</translation>
    </message>
    <message>
        <source>Ctrl+K</source>
        <translation>Ctrl+K</translation>
    </message>
    <message>
        <source>Check: count the right answers</source>
        <translation>Controleren: de goede antwoorden tellen</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>Show mistakes: mark every wrong (X), misspelled (~) and empty (?) circle and list why, until you change the board</source>
        <translation>Fouten tonen: elke foute (X), verkeerd gespelde (~) en lege (?) cirkel markeren en zeggen waarom, tot u het bord verandert</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Work Sheet: print six empty stars</source>
        <translation>Werkblad: zes lege sterren afdrukken</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Help: about Velmora</source>
        <translation>Help: over Velmora</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>your progress as charts and as text</source>
        <translation>uw voortgang als grafieken en als tekst</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>go to the star</source>
        <translation>naar de ster gaan</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Pijltjestoetsen</translation>
    </message>
    <message>
        <source>in the star: the nearest circle that way; in the palette: the next name</source>
        <translation>in de ster: de dichtstbijzijnde cirkel in die richting; in het palet: de volgende naam</translation>
    </message>
    <message>
        <source>A letter, then b, # or x</source>
        <translation>Een letter, dan b, # of x</translation>
    </message>
    <message>
        <source>enter that name in the ringed circle (&quot;f##&quot; gives Fx)</source>
        <translation>die naam in de omcirkelde cirkel zetten (&quot;f##&quot; geeft Fx)</translation>
    </message>
    <message>
        <source>Backspace, Delete</source>
        <translation>Backspace, Delete</translation>
    </message>
    <message>
        <source>empty the ringed circle</source>
        <translation>de omcirkelde cirkel leegmaken</translation>
    </message>
    <message>
        <source>Enter in the palette</source>
        <translation>Enter in het palet</translation>
    </message>
    <message>
        <source>pick the name up; then arrows and Enter put it in a circle, Escape puts it back</source>
        <translation>de naam oppakken; daarna zetten pijltjes en Enter hem in een cirkel, Escape legt hem terug</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Reveal this note: show the ringed circle&apos;s right note (it counts as missed)</source>
        <translation>Deze noot onthullen: de juiste noot van de omcirkelde cirkel tonen (telt als gemist)</translation>
    </message>
    <message>
        <source>Ctrl+1 .. Ctrl+4</source>
        <translation>Ctrl+1 .. Ctrl+4</translation>
    </message>
    <message>
        <source>Play my answer: hear your notes on chord line 1 to 4</source>
        <translation>Mijn antwoord spelen: uw noten op akkoordlijn 1 tot en met 4 horen</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Maken</translation>
    </message>
    <message>
        <source>Practice weak spots</source>
        <translation>Zwakke punten oefenen</translation>
    </message>
    <message>
        <source>Work Sheet</source>
        <translation>Werkblad</translation>
    </message>
    <message>
        <source>Answer key…: the key of the sheets printed from this folder, as a PDF</source>
        <translation>Antwoordsleutel…: de sleutel van de vanuit deze map afgedrukte bladen, als pdf</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Progress…, Keys and features…</source>
        <translation>Voortgang…, Toetsen en functies…</translation>
    </message>
    <message>
        <source>A circle</source>
        <translation>Een cirkel</translation>
    </message>
    <message>
        <source>every palette name, Clear, Show mistakes, Reveal this note</source>
        <translation>elke naam van het palet, Wissen, Fouten tonen, Deze noot onthullen</translation>
    </message>
    <message>
        <source>A chord name</source>
        <translation>Een akkoordnaam</translation>
    </message>
    <message>
        <source>Play my answer</source>
        <translation>Mijn antwoord spelen</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Wat het doet</translation>
    </message>
    <message>
        <source>Keys and features</source>
        <translation>Toetsen en functies</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Toetsen</translation>
    </message>
    <message>
        <source>Context menus (right click)</source>
        <translation>Contextmenu&apos;s (rechtsklik)</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Op</translation>
    </message>
    <message>
        <source>Hold the mouse over a button to see its key and its menu.</source>
        <translation>Houd de muis boven een knop om zijn toets en zijn menu te zien.</translation>
    </message>
</context>
<context>
    <name>velmora::MainWindow</name>
    <message>
        <source>Naturals</source>
        <translation>Stamtonen</translation>
    </message>
    <message>
        <source>Flats</source>
        <translation>Mollen</translation>
    </message>
    <message>
        <source>Double flats</source>
        <translation>Dubbelmollen</translation>
    </message>
    <message>
        <source>Sharps</source>
        <translation>Kruisen</translation>
    </message>
    <message>
        <source>Double sharps</source>
        <translation>Dubbelkruisen</translation>
    </message>
    <message>
        <source>Letters (C, F#, Bb, B)</source>
        <translation>Letters (C, F#, Bb, B)</translation>
    </message>
    <message>
        <source>German (C, Fis, B, H)</source>
        <translation>Duits (C, Fis, B, H)</translation>
    </message>
    <message>
        <source>Fixed do (Do, Fa♯, Si♭, Si)</source>
        <translation>Vaste do (Do, Fa♯, Si♭, Si)</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Maken</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Controleren</translation>
    </message>
    <message>
        <source>Work Sheet</source>
        <translation>Werkblad</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Gevorderd</translation>
    </message>
    <message>
        <source>Center Question</source>
        <translation>Midden gegeven</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Midi Driver</source>
        <translation>MIDI-stuurprogramma</translation>
    </message>
    <message>
        <source>Enable MIDI</source>
        <translation>MIDI aanzetten</translation>
    </message>
    <message>
        <source>Drag and drop the correct answers in the circles. Press the buttons with the chord names to get some help.</source>
        <translation>Sleep de juiste antwoorden naar de cirkels. De knoppen met de akkoordnamen geven hulp.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Velmora speaks the chosen language from its next start.</source>
        <translation>Velmora spreekt de gekozen taal vanaf de volgende start.</translation>
    </message>
    <message>
        <source>Note names</source>
        <translation>Nootnamen</translation>
    </message>
    <message>
        <source>Save Answer Key as PDF</source>
        <translation>Antwoordsleutel opslaan als pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Pdf-bestanden (*.pdf)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Show mistakes</source>
        <translation>Fouten tonen</translation>
    </message>
    <message>
        <source>Reveal this note</source>
        <translation>Deze noot onthullen</translation>
    </message>
    <message>
        <source>Play my answer</source>
        <translation>Mijn antwoord spelen</translation>
    </message>
    <message>
        <source>Practice weak spots</source>
        <translation>Zwakke punten oefenen</translation>
    </message>
    <message>
        <source>Answer key…</source>
        <translation>Antwoordsleutel…</translation>
    </message>
    <message>
        <source>Progress…</source>
        <translation>Voortgang…</translation>
    </message>
    <message>
        <source>Show this chord&apos;s formula and hear it. Right-click: Play my answer (Ctrl+%1)</source>
        <translation>De formule van dit akkoord tonen en het horen. Rechtsklik: Mijn antwoord spelen (Ctrl+%1)</translation>
    </message>
    <message>
        <source>%1; formula: %2</source>
        <translation>%1; formule: %2</translation>
    </message>
    <message>
        <source>%1 formula: %2</source>
        <translation>formule van %1: %2</translation>
    </message>
    <message>
        <source>Create a new puzzle (Ctrl+N). Right-click: Practice weak spots</source>
        <translation>Een nieuwe puzzel maken (Ctrl+N). Rechtsklik: Zwakke punten oefenen</translation>
    </message>
    <message>
        <source>Count the right answers (Ctrl+K); then Ctrl+M shows the mistakes</source>
        <translation>De goede antwoorden tellen (Ctrl+K); daarna toont Ctrl+M de fouten</translation>
    </message>
    <message>
        <source>Print six empty stars (Ctrl+P). Right-click: Answer key…</source>
        <translation>Zes lege sterren afdrukken (Ctrl+P). Rechtsklik: Antwoordsleutel…</translation>
    </message>
    <message>
        <source>About Velmora (F1). Right-click: Progress… (Ctrl+H), Keys and features…, Language, Note names</source>
        <translation>Over Velmora (F1). Rechtsklik: Voortgang… (Ctrl+H), Toetsen en functies…, Taal, Nootnamen</translation>
    </message>
    <message>
        <source>Allow puzzles with triple and quadruple accidentals (from the next Create)</source>
        <translation>Puzzels met drievoudige en viervoudige voortekens toestaan (vanaf de volgende keer Maken)</translation>
    </message>
    <message>
        <source>Always give the centre note (from the next Create)</source>
        <translation>Altijd de noot in het midden geven (vanaf de volgende keer Maken)</translation>
    </message>
    <message>
        <source>The common chord types (from the next Create)</source>
        <translation>De gangbare akkoordtypen (vanaf de volgende keer Maken)</translation>
    </message>
    <message>
        <source>Every chord type (from the next Create)</source>
        <translation>Alle akkoordtypen (vanaf de volgende keer Maken)</translation>
    </message>
    <message>
        <source>The MIDI device the chords are played on</source>
        <translation>Het MIDI-apparaat waarop de akkoorden worden gespeeld</translation>
    </message>
    <message>
        <source>Play the chords of the hints and Play my answer</source>
        <translation>De akkoorden van de hulp en ‘Mijn antwoord spelen’ laten klinken</translation>
    </message>
    <message>
        <source>Keys and features…</source>
        <translation>Toetsen en functies…</translation>
    </message>
    <message>
        <source>The progress window cannot be opened (%1).</source>
        <translation>Het voortgangsvenster kan niet worden geopend (%1).</translation>
    </message>
    <message>
        <source>Classroom sheet…</source>
        <translation>Klassenblad…</translation>
    </message>
    <message>
        <source>MIDI device</source>
        <translation>MIDI-apparaat</translation>
    </message>
    <message>
        <source>Drag onto a circle, or press Enter to pick it up</source>
        <translation>Sleep naar een cirkel, of druk op Enter om hem op te pakken</translation>
    </message>
    <message>
        <source>Type a name or drop one here. Right-click: names, Clear, Show mistakes (Ctrl+M), Reveal this note (Ctrl+R)</source>
        <translation>Typ een naam of zet er hier een neer. Rechtsklik: namen, Wissen, Fouten tonen (Ctrl+M), Deze noot onthullen (Ctrl+R)</translation>
    </message>
</context>
<context>
    <name>velmora::ProgressWindow</name>
    <message>
        <source>week starting</source>
        <translation>week vanaf</translation>
    </message>
    <message>
        <source>right</source>
        <translation>goed</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exporteren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
    <message>
        <source>Velmora progress</source>
        <translation>Voortgang in Velmora</translation>
    </message>
    <message>
        <source>Progress as text</source>
        <translation>Voortgang als tekst</translation>
    </message>
    <message>
        <source>As &amp;text</source>
        <translation>Als &amp;tekst</translation>
    </message>
    <message>
        <source>&amp;Export CSV</source>
        <translation>CSV &amp;exporteren</translation>
    </message>
    <message>
        <source>&amp;Forget my history</source>
        <translation>Geschiedenis &amp;vergeten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>&amp;Chord types</source>
        <translation>&amp;Akkoordtypen</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>Toon&amp;soorten</translation>
    </message>
    <message>
        <source>of all answers</source>
        <translation>van alle antwoorden</translation>
    </message>
    <message>
        <source>&amp;Spelling</source>
        <translation>S&amp;pelling</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>gemist</translation>
    </message>
    <message>
        <source>T&amp;ones</source>
        <translation>T&amp;onen</translation>
    </message>
    <message>
        <source>T&amp;rend</source>
        <translation>Ver&amp;loop</translation>
    </message>
</context>
<context>
    <name>velmora::ReviewOverlay</name>
    <message>
        <source>circle %1: %2</source>
        <translation>cirkel %1: %2</translation>
    </message>
    <message>
        <source>no mistakes</source>
        <translation>geen fouten</translation>
    </message>
    <message>
        <source>X wrong, ~ spelled wrong, ? empty</source>
        <translation>X fout, ~ verkeerd gespeld, ? leeg</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Fouten</translation>
    </message>
    <message>
        <source>Circle %1 %2 %3</source>
        <translation>Cirkel %1 %2 %3</translation>
    </message>
    <message>
        <source>circle %1</source>
        <translation>cirkel %1</translation>
    </message>
    <message>
        <source>circles %1</source>
        <translation>cirkels %1</translation>
    </message>
    <message>
        <source>empty: %1</source>
        <translation>leeg: %1</translation>
    </message>
    <message>
        <source>? empty: %1</source>
        <translation>? leeg: %1</translation>
    </message>
    <message>
        <source>No mistakes.</source>
        <translation>Geen fouten.</translation>
    </message>
</context>
<context>
    <name>velmora::StarInput</name>
    <message>
        <source>%1 put back</source>
        <translation>%1 teruggelegd</translation>
    </message>
    <message>
        <source>%1 picked up: choose a circle with the arrow keys and press Enter</source>
        <translation>%1 opgepakt: kies een cirkel met de pijltjestoetsen en druk op Enter</translation>
    </message>
</context>
</TS>
