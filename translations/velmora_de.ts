<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AnswerKey</name>
    <message>
        <source>, classroom sheet</source>
        <translation>, Klassenblatt</translation>
    </message>
    <message>
        <source>Answer Key Paper</source>
        <translation>Papier des Lösungsschlüssels</translation>
    </message>
    <message>
        <source>The paper the sheets were printed on:</source>
        <translation>Das Papier, auf dem die Blätter gedruckt wurden:</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Lösungsschlüssel</translation>
    </message>
</context>
<context>
    <name>ChordWords</name>
    <message>
        <source>six-nine</source>
        <translation>Sext-Non-Akkord</translation>
    </message>
    <message>
        <source>major ninth</source>
        <translation>Major-Septnonakkord</translation>
    </message>
    <message>
        <source>dominant seventh</source>
        <translation>Dominantseptakkord</translation>
    </message>
    <message>
        <source>dominant ninth</source>
        <translation>Dominantseptnonakkord</translation>
    </message>
    <message>
        <source>minor six-nine</source>
        <translation>Moll-Sext-Non-Akkord</translation>
    </message>
    <message>
        <source>minor seventh</source>
        <translation>Moll-Septakkord</translation>
    </message>
    <message>
        <source>minor ninth</source>
        <translation>Moll-Septnonakkord</translation>
    </message>
    <message>
        <source>flat five</source>
        <translation>verminderte Quinte</translation>
    </message>
    <message>
        <source>sharp five</source>
        <translation>übermäßige Quinte</translation>
    </message>
    <message>
        <source>flat nine</source>
        <translation>kleine None</translation>
    </message>
    <message>
        <source>sharp nine</source>
        <translation>übermäßige None</translation>
    </message>
    <message>
        <source>sharp four</source>
        <translation>übermäßige Quarte</translation>
    </message>
    <message>
        <source>suspended fourth</source>
        <translation>Quarte statt Terz</translation>
    </message>
    <message>
        <source>suspended second</source>
        <translation>Sekunde statt Terz</translation>
    </message>
    <message>
        <source>major seventh</source>
        <translation>große Septime</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Velmora needs a graphical display, and none was found (DISPLAY is not set).</source>
        <translation>Velmora braucht eine grafische Anzeige, und es wurde keine gefunden (DISPLAY ist nicht gesetzt).</translation>
    </message>
    <message>
        <source>Try &apos;velmora --help&apos;.</source>
        <translation>Weitere Informationen mit &apos;velmora --help&apos;.</translation>
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
        <source>Keep the practice history in DIR instead of $VELMORA_DATA_DIR or the user&apos;s data folder.</source>
        <translation>Den Übungsverlauf in ORDNER statt in $VELMORA_DATA_DIR oder im Datenordner des Benutzers führen.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>ORDNER</translation>
    </message>
    <message>
        <source>Show the program in language CODE (en, de, fr, es or nl) instead of the saved or the system&apos;s language.</source>
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
        <source>There is no language &apos;%1&apos;; choose en, de, fr, es or nl.</source>
        <translation>Die Sprache &apos;%1&apos; gibt es nicht; wählen Sie en, de, fr, es oder nl.</translation>
    </message>
    <message>
        <source>There are no note names &apos;%1&apos;; choose letters, german or fixed-do.</source>
        <translation>Die Notennamen &apos;%1&apos; gibt es nicht; wählen Sie letters, german oder fixed-do.</translation>
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
        <source>Cannot read the soundfont &apos;%1&apos;: %2</source>
        <translation>Die SoundFont &apos;%1&apos; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Spell five-note ninth chords in a star of 17 circles.</source>
        <translation>Die Töne fünfstimmiger Nonenakkorde in einem Stern aus 17 Kreisen richtig benennen.</translation>
    </message>
    <message>
        <source>Draw the worksheets&apos; chord types from the list of LEVEL, beginner (12 types) or expert (all 27), as the window&apos;s level does; expert when not given.</source>
        <translation>Die Akkordtypen der Arbeitsblätter aus der Liste von STUFE ziehen, beginner (12 Typen) oder expert (alle 27), wie es die Stufe im Fenster tut; expert, wenn nicht angegeben.</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation>STUFE</translation>
    </message>
    <message>
        <source>Let the worksheets hold notes of four characters (Bbbb, F###), as the window&apos;s &quot;Advanced&quot; box lets its puzzles.</source>
        <translation>Auf den Arbeitsblättern Noten aus vier Zeichen (Bbbb, F###) zulassen, wie das Feld „Erweitert“ im Fenster bei seinen Rätseln.</translation>
    </message>
    <message>
        <source>Give every star&apos;s centre note, as the window&apos;s &quot;Center Question&quot; box does.</source>
        <translation>Den Mittelton jedes Sterns vorgeben, wie das Feld „Mitte vorgegeben“ im Fenster.</translation>
    </message>
    <message>
        <source>Print the classroom sheet, and its answer key to match: a line for name, class and date, the chord lines drawn through each star, and circles 12 mm wide.</source>
        <translation>Das Klassenblatt drucken, und seinen Lösungsschlüssel passend dazu: eine Zeile für Name, Klasse und Datum, die Akkordlinien durch jeden Stern gezogen und Kreise von 12 mm Breite.</translation>
    </message>
</context>
<context>
    <name>Intervals</name>
    <message>
        <source>root</source>
        <translation>Grundton</translation>
    </message>
    <message>
        <source>two</source>
        <translation>große Sekunde</translation>
    </message>
    <message>
        <source>flat three</source>
        <translation>kleine Terz</translation>
    </message>
    <message>
        <source>three</source>
        <translation>große Terz</translation>
    </message>
    <message>
        <source>four</source>
        <translation>reine Quarte</translation>
    </message>
    <message>
        <source>sharp four</source>
        <translation>übermäßige Quarte</translation>
    </message>
    <message>
        <source>flat five</source>
        <translation>verminderte Quinte</translation>
    </message>
    <message>
        <source>five</source>
        <translation>reine Quinte</translation>
    </message>
    <message>
        <source>sharp five</source>
        <translation>übermäßige Quinte</translation>
    </message>
    <message>
        <source>six</source>
        <translation>große Sexte</translation>
    </message>
    <message>
        <source>flat seven</source>
        <translation>kleine Septime</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>große Septime</translation>
    </message>
    <message>
        <source>flat nine</source>
        <translation>kleine None</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>große None</translation>
    </message>
    <message>
        <source>sharp nine</source>
        <translation>übermäßige None</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>You have %1 correct answers out of 17.(The First is always given!)</source>
        <translation>Sie haben %1 von 17 Antworten richtig. (Die erste ist immer vorgegeben!)</translation>
    </message>
    <message>
        <source>There was an Error while printing the Worksheet! (Or it was Canceled by the user.) %1</source>
        <translation>Beim Drucken des Arbeitsblatts ist ein Fehler aufgetreten! (Oder der Benutzer hat abgebrochen.) %1</translation>
    </message>
    <message>
        <source>Velmora could not record this Check in your practice history (%1). You can go on playing, but the rest of this run is not recorded.</source>
        <translation>Velmora konnte diese Prüfung nicht in Ihrem Übungsverlauf speichern (%1). Sie können weiterspielen, aber der Rest dieser Sitzung wird nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>sounds right, spelled wrong: %1 here is %2</source>
        <translation>klingt richtig, ist aber falsch geschrieben: %1 heißt hier %2</translation>
    </message>
    <message>
        <source>wrong: %1 is not the note here</source>
        <translation>falsch: %1 ist hier nicht der richtige Ton</translation>
    </message>
    <message>
        <source>Are You sure you want to create a new Velmora?</source>
        <translation>Möchten Sie wirklich ein neues Velmora-Rätsel erstellen?</translation>
    </message>
    <message>
        <source>Create A New Velmora First! Press the create Button.</source>
        <translation>Erstellen Sie zuerst ein neues Velmora-Rätsel! Drücken Sie die Schaltfläche „Erstellen“.</translation>
    </message>
    <message>
        <source>This action will create some work sheets on your printer</source>
        <translation>Damit werden einige Arbeitsblätter auf Ihrem Drucker ausgedruckt</translation>
    </message>
    <message>
        <source>Create Worksheet?</source>
        <translation>Arbeitsblatt erstellen?</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
    <message>
        <source>right</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Velmora is now loading</source>
        <translation>Velmora wird geladen</translation>
    </message>
    <message>
        <source>Now Loading.....</source>
        <translation>Wird geladen.....</translation>
    </message>
    <message>
        <source>About Velmora</source>
        <translation>Über Velmora</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminformationen...</translation>
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
        <translation>Lernen Sie, Akkorde zu verstehen und sich einzuprägen. (Bis zur None)


So benutzen Sie dieses Programm.
Wenn Sie „Erstellen“ drücken, entsteht ein neues Velmora-Rätsel. Das
heißt, in einem der vielen Kreise steht ein Ton.
Ihre Aufgabe ist es, alle fehlenden Akkordtöne zu finden.
Die fehlenden Töne tragen Sie mit der Maus ein: Ziehen Sie einfach
einen der Töne in die Kreise.
Füllen Sie die Akkorde von links/rechts oder von oben/unten her aus.
Arbeiten Sie sich immer zum Namen des Akkords hin. Der Kreis am
Akkordnamen enthält also den letzten Ton des Akkords.
Ob die Antworten stimmen, sehen Sie mit der Schaltfläche „Prüfen“.
Ein Meldungsfenster zeigt dann, wie viele Antworten richtig sind.
Wenn Sie nicht mehr wissen, wie ein Akkord aufgebaut ist, drücken Sie
auf seinen Namen.

Arbeitsblätter
Sie können Arbeitsblätter zum Üben erstellen. Ein Arbeitsblatt hat
6 leere Velmora-Sterne.
Jedes Arbeitsblatt wird in einer Datei protokolliert, sodass Sie alle
Antworten prüfen können, wenn Sie die Arbeitsblätter fertig haben.
Die Antworten stehen in dieser Datei: Worksheet.id.
Liegt die Datei nicht im Programmordner, suchen Sie sie mit der
Dateisuche Ihres Computers.
</translation>
    </message>
    <message>
        <source>1 answer in 1 check: %1% right.</source>
        <translation>1 Antwort in 1 Prüfung: %1 % richtig.</translation>
    </message>
    <message>
        <source>%1 answers in 1 check: %2% right.</source>
        <translation>%1 Antworten in 1 Prüfung: %2 % richtig.</translation>
    </message>
    <message>
        <source>%1 answers in %2 checks: %3% right.</source>
        <translation>%1 Antworten in %2 Prüfungen: %3 % richtig.</translation>
    </message>
    <message>
        <source>%1: %2% right (%3 of %4)</source>
        <translation>%1: %2 % richtig (%3 von %4)</translation>
    </message>
    <message>
        <source>%1: no answers</source>
        <translation>%1: keine Antworten</translation>
    </message>
    <message>
        <source>%1: %2% missed (%3 of %4)</source>
        <translation>%1: %2 % verfehlt (%3 von %4)</translation>
    </message>
    <message>
        <source>Week of %1: %2% right (1 answer)</source>
        <translation>Woche vom %1: %2 % richtig (1 Antwort)</translation>
    </message>
    <message>
        <source>Week of %1: %2% right (%3 answers)</source>
        <translation>Woche vom %1: %2 % richtig (%3 Antworten)</translation>
    </message>
    <message>
        <source>Steady at %1% right since the week of %2.</source>
        <translation>Gleichbleibend bei %1 % richtig seit der Woche vom %2.</translation>
    </message>
    <message>
        <source>Up from %1% to %2% right since the week of %3.</source>
        <translation>Gestiegen von %1 % auf %2 % richtig seit der Woche vom %3.</translation>
    </message>
    <message>
        <source>Down from %1% to %2% right since the week of %3.</source>
        <translation>Gesunken von %1 % auf %2 % richtig seit der Woche vom %3.</translation>
    </message>
    <message>
        <source>%1: %2% (%3 of %4)</source>
        <translation>%1: %2 % (%3 von %4)</translation>
    </message>
    <message>
        <source>The history was exported to %1.</source>
        <translation>Der Verlauf wurde nach %1 exportiert.</translation>
    </message>
    <message>
        <source>The history could not be exported to %1: %2</source>
        <translation>Der Verlauf konnte nicht nach %1 exportiert werden: %2</translation>
    </message>
    <message>
        <source>The history could not be forgotten: %1</source>
        <translation>Der Verlauf konnte nicht gelöscht werden: %1</translation>
    </message>
    <message>
        <source>Accuracy per chord type</source>
        <translation>Treffsicherheit je Akkordtyp</translation>
    </message>
    <message>
        <source>Accuracy per key</source>
        <translation>Treffsicherheit je Tonart</translation>
    </message>
    <message>
        <source>Answers by kind</source>
        <translation>Antworten nach Art</translation>
    </message>
    <message>
        <source>Tones most often missed</source>
        <translation>Am häufigsten verfehlte Töne</translation>
    </message>
    <message>
        <source>Trend over the last weeks</source>
        <translation>Verlauf der letzten Wochen</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Right pitch, wrong spelling</source>
        <translation>Richtiger Ton, falsch geschrieben</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Root</source>
        <translation>Grundton</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Terz</translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation>Quinte</translation>
    </message>
    <message>
        <source>Seventh</source>
        <translation>Septime</translation>
    </message>
    <message>
        <source>Ninth</source>
        <translation>None</translation>
    </message>
    <message>
        <source>This run keeps no practice history, so there is no progress to show.</source>
        <translation>Diese Sitzung führt keinen Übungsverlauf, daher gibt es keinen Fortschritt zu zeigen.</translation>
    </message>
    <message>
        <source>No answers are recorded yet. Create a puzzle, fill in the circles and press Check: your progress will show here.</source>
        <translation>Noch sind keine Antworten aufgezeichnet. Erstellen Sie ein Rätsel, füllen Sie die Kreise aus und drücken Sie „Prüfen“: Hier erscheint dann Ihr Fortschritt.</translation>
    </message>
    <message>
        <source>Forget every recorded answer? Your progress cannot be brought back.</source>
        <translation>Alle aufgezeichneten Antworten vergessen? Ihr Fortschritt lässt sich nicht zurückholen.</translation>
    </message>
    <message>
        <source>Your history is forgotten.</source>
        <translation>Ihr Verlauf ist vergessen.</translation>
    </message>
    <message>
        <source>circle %1, centre of all four chords, empty</source>
        <translation>Kreis %1, Mitte aller vier Akkorde, leer</translation>
    </message>
    <message>
        <source>circle %1, centre of all four chords, holds %2</source>
        <translation>Kreis %1, Mitte aller vier Akkorde, enthält %2</translation>
    </message>
    <message>
        <source>circle %1, centre of all four chords, given, holds %2</source>
        <translation>Kreis %1, Mitte aller vier Akkorde, vorgegeben, enthält %2</translation>
    </message>
    <message>
        <source>circle %1, root of %2, empty</source>
        <translation>Kreis %1, Grundton von %2, leer</translation>
    </message>
    <message>
        <source>circle %1, root of %2, holds %3</source>
        <translation>Kreis %1, Grundton von %2, enthält %3</translation>
    </message>
    <message>
        <source>circle %1, root of %2, given, holds %3</source>
        <translation>Kreis %1, Grundton von %2, vorgegeben, enthält %3</translation>
    </message>
    <message>
        <source>circle %1, %2 of %3, empty</source>
        <translation>Kreis %1, %2 von %3, leer</translation>
    </message>
    <message>
        <source>circle %1, %2 of %3, holds %4</source>
        <translation>Kreis %1, %2 von %3, enthält %4</translation>
    </message>
    <message>
        <source>circle %1, %2 of %3, given, holds %4</source>
        <translation>Kreis %1, %2 von %3, vorgegeben, enthält %4</translation>
    </message>
    <message>
        <source>chord %1</source>
        <translation>Akkord %1</translation>
    </message>
    <message>
        <source>Failed to start the audio driver (%1): no sound will be heard.</source>
        <translation>Der Audiotreiber (%1) ließ sich nicht starten: Es ist kein Ton zu hören.</translation>
    </message>
    <message>
        <source>The built-in synthesizer found no General MIDI soundfont that it could load: no sound will be heard. Looked for %1. The Debian packages timgm6mb-soundfont and fluid-soundfont-gm each provide one.</source>
        <translation>Der eingebaute Synthesizer hat keine ladbare General-MIDI-SoundFont gefunden: Es ist kein Ton zu hören. Gesucht wurde nach %1. Die Debian-Pakete timgm6mb-soundfont und fluid-soundfont-gm bringen je eine mit.</translation>
    </message>
    <message>
        <source>Built-in synthesizer (%1)</source>
        <translation>Eingebauter Synthesizer (%1)</translation>
    </message>
    <message>
        <source>The MIDI device is no longer there: no sound will be heard.</source>
        <translation>Das MIDI-Gerät ist nicht mehr da: Es ist kein Ton zu hören.</translation>
    </message>
    <message>
        <source>The built-in synthesizer found no General MIDI soundfont: no sound will be heard.</source>
        <translation>Der eingebaute Synthesizer hat keine General-MIDI-SoundFont gefunden: Es ist kein Ton zu hören.</translation>
    </message>
    <message>
        <source>Failed to create the built-in synthesizer: no sound will be heard.</source>
        <translation>Der eingebaute Synthesizer ließ sich nicht erzeugen: Es ist kein Ton zu hören.</translation>
    </message>
    <message>
        <source>The ALSA sequencer is not available: MIDI ports cannot be used.</source>
        <translation>Der ALSA-Sequenzer ist nicht verfügbar: MIDI-Anschlüsse lassen sich nicht nutzen.</translation>
    </message>
    <message>
        <source>Failed to open the MIDI output port: no sound will be heard.</source>
        <translation>Der MIDI-Ausgang ließ sich nicht öffnen: Es ist kein Ton zu hören.</translation>
    </message>
    <message>
        <source>No MIDI device is open: the chord cannot be played.</source>
        <translation>Kein MIDI-Gerät ist geöffnet: Der Akkord kann nicht gespielt werden.</translation>
    </message>
    <message>
        <source>The MIDI message is not valid and was not sent.</source>
        <translation>Die MIDI-Nachricht ist ungültig und wurde nicht gesendet.</translation>
    </message>
    <message>
        <source>Failed to send the MIDI message: the chord may not sound.</source>
        <translation>Die MIDI-Nachricht ließ sich nicht senden: Der Akkord klingt womöglich nicht.</translation>
    </message>
    <message>
        <source>The connection to the audio server was lost: no sound will be heard.</source>
        <translation>Die Verbindung zum Audioserver ist abgebrochen: Es ist kein Ton zu hören.</translation>
    </message>
    <message>
        <source>Built-in synthesizer (no soundfont)</source>
        <translation>Eingebauter Synthesizer (keine SoundFont)</translation>
    </message>
    <message>
        <source>The answer key cannot be made: the answer log %1 in %2 could not be read (%3).</source>
        <translation>Der Lösungsschlüssel kann nicht erstellt werden: Das Antwortprotokoll %1 in %2 ließ sich nicht lesen (%3).</translation>
    </message>
    <message>
        <source>The answer key cannot be made: the answer log %1 holds no worksheet star that can be read.</source>
        <translation>Der Lösungsschlüssel kann nicht erstellt werden: Das Antwortprotokoll %1 enthält keinen lesbaren Arbeitsblattstern.</translation>
    </message>
    <message>
        <source>The answer key cannot be saved over the answer log %1 it is made from; please choose another file.</source>
        <translation>Der Lösungsschlüssel kann nicht über das Antwortprotokoll %1 gespeichert werden, aus dem er entsteht; bitte wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>The answer key was saved without %1 part(s) of %2 that could not be read:%3</source>
        <translation>Der Lösungsschlüssel wurde ohne %1 Teil(e) von %2 gespeichert, die sich nicht lesen ließen:%3</translation>
    </message>
    <message>
        <source>There is no practice history in %1.</source>
        <translation>In %1 gibt es keinen Übungsverlauf.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Unbekannte Optionen: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Fehlender Wert nach &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Unerwarteter Wert nach &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--paper takes A4 or Letter, not &apos;%1&apos;.</source>
        <translation>--paper nimmt A4 oder Letter, nicht &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--worksheets takes a number of sheets from 1 to 100, not &apos;%1&apos;.</source>
        <translation>--worksheets nimmt eine Blattzahl von 1 bis 100, nicht &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--seed takes a whole number from 0 to 18446744073709551615, not &apos;%1&apos;.</source>
        <translation>--seed nimmt eine ganze Zahl von 0 bis 18446744073709551615, nicht &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Cannot read the answer log %1: %2</source>
        <translation>Das Antwortprotokoll %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The answer log %1 holds no star that can be read (first problem: %2)</source>
        <translation>Das Antwortprotokoll %1 enthält keinen lesbaren Stern (erstes Problem: %2)</translation>
    </message>
    <message>
        <source>The answer log %1 holds no star that can be read</source>
        <translation>Das Antwortprotokoll %1 enthält keinen lesbaren Stern</translation>
    </message>
    <message>
        <source>The answer key cannot be written over the answer log %1 it is made from</source>
        <translation>Der Lösungsschlüssel kann nicht über das Antwortprotokoll %1 geschrieben werden, aus dem er entsteht</translation>
    </message>
    <message>
        <source>Answer key of %1 stars written to %2</source>
        <translation>Lösungsschlüssel von %1 Sternen nach %2 geschrieben</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>seed %1</source>
        <translation>Startwert %1</translation>
    </message>
    <message>
        <source>%1 worksheets and their answer key written to %2 (%3)</source>
        <translation>%1 Arbeitsblätter und ihr Lösungsschlüssel nach %2 geschrieben (%3)</translation>
    </message>
    <message>
        <source>The sheets could not be moved into %1: %2</source>
        <translation>Die Blätter konnten nicht nach %1 verschoben werden: %2</translation>
    </message>
    <message>
        <source>--answer-key and --worksheets cannot be used together.</source>
        <translation>--answer-key und --worksheets lassen sich nicht zusammen verwenden.</translation>
    </message>
    <message>
        <source>--worksheets needs --output DIR.</source>
        <translation>--worksheets braucht --output ORDNER.</translation>
    </message>
    <message>
        <source>--answer-key needs --output FILE.pdf.</source>
        <translation>--answer-key braucht --output DATEI.pdf.</translation>
    </message>
    <message>
        <source>Work your way tru these chords in left/right or up/down direction.</source>
        <translation>Arbeiten Sie sich von links/rechts oder von oben/unten durch diese Akkorde.</translation>
    </message>
    <message>
        <source>Worksheet created by Velmora</source>
        <translation>Arbeitsblatt erstellt mit Velmora</translation>
    </message>
    <message>
        <source>Seed %1</source>
        <translation>Startwert %1</translation>
    </message>
    <message>
        <source>Answer key: every chord reads from its far end towards its name.</source>
        <translation>Lösungsschlüssel: Jeder Akkord wird vom fernen Ende zu seinem Namen hin gelesen.</translation>
    </message>
    <message>
        <source>Answer key created by Velmora</source>
        <translation>Lösungsschlüssel erstellt mit Velmora</translation>
    </message>
    <message>
        <source>--level takes beginner or expert, not &apos;%1&apos;.</source>
        <translation>--level nimmt beginner oder expert, nicht &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The folder %1 holds the sheets of an earlier batch (%2); choose an empty folder or move them away first</source>
        <translation>Der Ordner %1 enthält die Blätter eines früheren Stapels (%2); wählen Sie einen leeren Ordner oder verschieben Sie sie zuerst</translation>
    </message>
    <message>
        <source>The page is too small for the classroom sheet (%1 x %2 twips)</source>
        <translation>Die Seite ist zu klein für das Klassenblatt (%1 x %2 Twips)</translation>
    </message>
    <message>
        <source>Sheet %1 of %2 · seed %3</source>
        <translation>Blatt %1 von %2 · Startwert %3</translation>
    </message>
    <message>
        <source>--output, --seed, --paper, --level, --advanced, --centre-question and --classroom go with --answer-key or --worksheets.</source>
        <translation>--output, --seed, --paper, --level, --advanced, --centre-question und --classroom gehören zu --answer-key oder --worksheets.</translation>
    </message>
    <message>
        <source>--seed, --level, --advanced and --centre-question go with --worksheets only.</source>
        <translation>--seed, --level, --advanced und --centre-question gehören nur zu --worksheets.</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>es ist eine benannte Pipe, keine Datei</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>it is a special file, not a file</source>
        <translation>es ist eine Spezialdatei, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Spell each chord along its line towards its name: across, down and on both diagonal lines.</source>
        <translation>Benennen Sie jeden Akkord entlang seiner Linie bis zu seinem Namen: waagerecht, senkrecht und auf beiden Diagonalen.</translation>
    </message>
    <message>
        <source>Name: ____________________   Class: ________   Date: ______________</source>
        <translation>Name: ____________________   Klasse: ________   Datum: ______________</translation>
    </message>
    <message>
        <source>%1 later Checks of the same puzzles are not counted again.</source>
        <translation>%1 spätere Prüfungen derselben Rätsel werden nicht noch einmal gezählt.</translation>
    </message>
    <message>
        <source>tone %1</source>
        <translation>Ton %1</translation>
    </message>
    <message>
        <source>Velmora could not read your settings (%1), so it starts with the usual ones.</source>
        <translation>Velmora konnte Ihre Einstellungen nicht lesen (%1) und startet daher mit den üblichen.</translation>
    </message>
    <message>
        <source>Velmora could not save your settings (%1). Your choices last until Velmora closes.</source>
        <translation>Velmora konnte Ihre Einstellungen nicht speichern (%1). Ihre Auswahl gilt, bis Velmora geschlossen wird.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>could not write %1</source>
        <translation>%1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Velmora cannot keep your practice history in %1 (%2). You can play as usual, but this run&apos;s answers are not recorded.</source>
        <translation>Velmora kann Ihren Übungsverlauf nicht in %1 führen (%2). Sie können wie gewohnt spielen, aber die Antworten dieser Sitzung werden nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>Your practice history %1 cannot be written, so Velmora shows it as it is and does not record this run&apos;s answers.</source>
        <translation>In Ihren Übungsverlauf %1 kann nicht geschrieben werden; Velmora zeigt ihn daher so, wie er ist, und zeichnet die Antworten dieser Sitzung nicht auf.</translation>
    </message>
    <message>
        <source>Your practice history %1 could not be read (%2), so Velmora has started a new one. The old file is kept as %3.</source>
        <translation>Ihr Übungsverlauf %1 konnte nicht gelesen werden (%2); Velmora hat daher einen neuen begonnen. Die alte Datei ist als %3 aufbewahrt.</translation>
    </message>
    <message>
        <source>Your practice history %1 was written by a newer version of Velmora. This run leaves it as it is and does not record your answers.</source>
        <translation>Ihr Übungsverlauf %1 wurde von einer neueren Version von Velmora geschrieben. Diese Sitzung lässt ihn, wie er ist, und zeichnet Ihre Antworten nicht auf.</translation>
    </message>
    <message>
        <source>%1, and another copy of Velmora is opening it</source>
        <translation>%1, und eine andere Velmora-Instanz öffnet ihn gerade</translation>
    </message>
    <message>
        <source>%1, and it cannot be moved aside</source>
        <translation>%1, und er lässt sich nicht beiseitelegen</translation>
    </message>
    <message>
        <source>it is damaged: %1</source>
        <translation>er ist beschädigt: %1</translation>
    </message>
    <message>
        <source>The printer reports a page without size (%1 x %2 twips)</source>
        <translation>Der Drucker meldet eine Seite ohne Größe (%1 x %2 Twips)</translation>
    </message>
    <message>
        <source>The page is too large to lay out the worksheet (%1 x %2 twips)</source>
        <translation>Die Seite ist zu groß, um das Arbeitsblatt darauf anzuordnen (%1 x %2 Twips)</translation>
    </message>
    <message>
        <source>The worksheet could not be saved as %1: %2</source>
        <translation>Das Arbeitsblatt konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The answer key could not be saved as %1: %2</source>
        <translation>Der Lösungsschlüssel konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The answer log %1 could not be opened: %2</source>
        <translation>Das Antwortprotokoll %1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The answer log %1 could not be written: %2</source>
        <translation>Das Antwortprotokoll %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The batch&apos;s own log records could not be read back (%1)</source>
        <translation>Die eigenen Protokolleinträge des Stapels ließen sich nicht zurücklesen (%1)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a note: %2</source>
        <translation>„%1“ ist kein Ton: %2</translation>
    </message>
    <message>
        <source>only %1 of the five notes (the record is cut off)</source>
        <translation>nur %1 der fünf Töne (der Eintrag ist abgeschnitten)</translation>
    </message>
    <message>
        <source>the time %1 is not a time of day</source>
        <translation>die Zeit %1 ist keine Uhrzeit</translation>
    </message>
    <message>
        <source>the notes %1 do not spell %2 around %3</source>
        <translation>die Töne %1 ergeben nicht %2 um %3</translation>
    </message>
    <message>
        <source>star %1 has %2 of its 4 chord lines</source>
        <translation>Stern %1 hat %2 seiner 4 Akkordlinien</translation>
    </message>
    <message>
        <source>the chord lines of star %1 do not share one centre note</source>
        <translation>die Akkordlinien von Stern %1 haben keinen gemeinsamen Ton in der Mitte</translation>
    </message>
    <message>
        <source>the accidental must be b, bb, bbb, bbbb, #, x or ###, not %1</source>
        <translation>das Vorzeichen muss b, bb, bbb, bbbb, #, x oder ### sein, nicht %1</translation>
    </message>
    <message>
        <source>1 later Check of the same puzzle is not counted again.</source>
        <translation>1 spätere Prüfung desselben Rätsels wird nicht noch einmal gezählt.</translation>
    </message>
    <message>
        <source>it is not a settings file Velmora can read</source>
        <translation>es ist keine Einstellungsdatei, die Velmora lesen kann</translation>
    </message>
    <message>
        <source>no practice history is kept in this run</source>
        <translation>in dieser Sitzung wird kein Übungsverlauf geführt</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the folder does not allow a write-ahead log</source>
        <translation>der Ordner erlaubt kein Write-Ahead-Log</translation>
    </message>
    <message>
        <source>it cannot be written, and no copy of it can be made to read</source>
        <translation>er kann nicht geschrieben werden, und es lässt sich keine Kopie zum Lesen anlegen</translation>
    </message>
    <message>
        <source>it was written by a newer version of Velmora</source>
        <translation>er wurde von einer neueren Version von Velmora geschrieben</translation>
    </message>
    <message>
        <source>it is not a Velmora practice history</source>
        <translation>es ist kein Übungsverlauf von Velmora</translation>
    </message>
    <message>
        <source>Canceled by the user</source>
        <translation>Vom Benutzer abgebrochen</translation>
    </message>
    <message>
        <source>The printer has no document started</source>
        <translation>Der Drucker hat kein Dokument begonnen</translation>
    </message>
    <message>
        <source>The printer could not start the page</source>
        <translation>Der Drucker konnte die Seite nicht beginnen</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer</source>
        <translation>Die Seite konnte nicht an den Drucker gesendet werden</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>das PDF konnte nicht begonnen werden</translation>
    </message>
    <message>
        <source>a page could not be added</source>
        <translation>eine Seite konnte nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>there is no star to put in it</source>
        <translation>es gibt keinen Stern, der hineinkäme</translation>
    </message>
    <message>
        <source>the PDF could not be finished</source>
        <translation>das PDF konnte nicht abgeschlossen werden</translation>
    </message>
    <message>
        <source>another program keeps removing it</source>
        <translation>ein anderes Programm entfernt sie immer wieder</translation>
    </message>
    <message>
        <source>another program keeps it locked</source>
        <translation>ein anderes Programm hält sie gesperrt</translation>
    </message>
    <message>
        <source>more than five notes</source>
        <translation>mehr als fünf Töne</translation>
    </message>
    <message>
        <source>no chord type of the program after the time</source>
        <translation>kein Akkordtyp des Programms nach der Uhrzeit</translation>
    </message>
    <message>
        <source>no star number 1 to 6 between the date and the time</source>
        <translation>keine Sternnummer 1 bis 6 zwischen Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>no time of day (hh:mm:ss)</source>
        <translation>keine Uhrzeit (hh:mm:ss)</translation>
    </message>
    <message>
        <source>star number 1 to 6 expected before the time</source>
        <translation>Sternnummer 1 bis 6 vor der Uhrzeit erwartet</translation>
    </message>
    <message>
        <source>no date before the star number</source>
        <translation>kein Datum vor der Sternnummer</translation>
    </message>
    <message>
        <source>there is no note name</source>
        <translation>es gibt keinen Notennamen</translation>
    </message>
    <message>
        <source>a note name begins with a capital letter A to G</source>
        <translation>ein Notenname beginnt mit einem Großbuchstaben A bis G</translation>
    </message>
    <message>
        <source>a double sharp is written x, as in Fx</source>
        <translation>ein Doppelkreuz wird x geschrieben, wie in Fx</translation>
    </message>
    <message>
        <source>Worksheet %1 of %2 failed: %3</source>
        <translation>Arbeitsblatt %1 von %2 ist fehlgeschlagen: %3</translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation>%1 (Fehler %2)</translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>flat</source>
        <translation>Be</translation>
    </message>
    <message>
        <source>double flat</source>
        <translation>Doppel-Be</translation>
    </message>
    <message>
        <source>sharp</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>double sharp</source>
        <translation>Doppelkreuz</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Save Worksheet as PDF</source>
        <translation>Arbeitsblatt als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
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
        <translation>Strg+N</translation>
    </message>
    <message>
        <source>Create: a new puzzle</source>
        <translation>Erstellen: ein neues Rätsel</translation>
    </message>
    <message>
        <source>Ctrl+K</source>
        <translation>Strg+K</translation>
    </message>
    <message>
        <source>Check: count the right answers</source>
        <translation>Prüfen: die richtigen Antworten zählen</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Strg+M</translation>
    </message>
    <message>
        <source>Show mistakes: mark every wrong (X), misspelled (~) and empty (?) circle and list why, until you change the board</source>
        <translation>Fehler zeigen: jeden falschen (X), falsch geschriebenen (~) und leeren (?) Kreis markieren und den Grund nennen, bis Sie das Brett ändern</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Strg+P</translation>
    </message>
    <message>
        <source>Work Sheet: print six empty stars</source>
        <translation>Arbeitsblatt: sechs leere Sterne drucken</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Help: about Velmora</source>
        <translation>Hilfe: über Velmora</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Strg+H</translation>
    </message>
    <message>
        <source>your progress as charts and as text</source>
        <translation>Ihr Fortschritt als Diagramme und als Text</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Strg+L</translation>
    </message>
    <message>
        <source>go to the star</source>
        <translation>zum Stern gehen</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Pfeiltasten</translation>
    </message>
    <message>
        <source>in the star: the nearest circle that way; in the palette: the next name</source>
        <translation>im Stern: der nächste Kreis in diese Richtung; in der Palette: der nächste Name</translation>
    </message>
    <message>
        <source>A letter, then b, # or x</source>
        <translation>Ein Buchstabe, dann b, # oder x</translation>
    </message>
    <message>
        <source>enter that name in the ringed circle (&quot;f##&quot; gives Fx)</source>
        <translation>diesen Namen in den umrandeten Kreis eintragen („f##“ ergibt Fx)</translation>
    </message>
    <message>
        <source>Backspace, Delete</source>
        <translation>Rücktaste, Entf</translation>
    </message>
    <message>
        <source>empty the ringed circle</source>
        <translation>den umrandeten Kreis leeren</translation>
    </message>
    <message>
        <source>Enter in the palette</source>
        <translation>Eingabetaste in der Palette</translation>
    </message>
    <message>
        <source>pick the name up; then arrows and Enter put it in a circle, Escape puts it back</source>
        <translation>den Namen aufnehmen; dann legen Pfeiltasten und Eingabetaste ihn in einen Kreis, Esc legt ihn zurück</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Strg+R</translation>
    </message>
    <message>
        <source>Reveal this note: show the ringed circle&apos;s right note (it counts as missed)</source>
        <translation>Diesen Ton aufdecken: den richtigen Ton des umrandeten Kreises zeigen (er zählt als verfehlt)</translation>
    </message>
    <message>
        <source>Ctrl+1 .. Ctrl+4</source>
        <translation>Strg+1 .. Strg+4</translation>
    </message>
    <message>
        <source>Play my answer: hear your notes on chord line 1 to 4</source>
        <translation>Meine Antwort spielen: Ihre Töne auf Akkordlinie 1 bis 4 hören</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Practice weak spots</source>
        <translation>Schwächen üben</translation>
    </message>
    <message>
        <source>Work Sheet</source>
        <translation>Arbeitsblatt</translation>
    </message>
    <message>
        <source>Answer key…: the key of the sheets printed from this folder, as a PDF</source>
        <translation>Lösungsschlüssel…: der Schlüssel der aus diesem Ordner gedruckten Blätter, als PDF</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Progress…, Keys and features…</source>
        <translation>Fortschritt…, Tasten und Funktionen…</translation>
    </message>
    <message>
        <source>A circle</source>
        <translation>Ein Kreis</translation>
    </message>
    <message>
        <source>every palette name, Clear, Show mistakes, Reveal this note</source>
        <translation>jeder Name der Palette, Leeren, Fehler zeigen, Diesen Ton aufdecken</translation>
    </message>
    <message>
        <source>A chord name</source>
        <translation>Ein Akkordname</translation>
    </message>
    <message>
        <source>Play my answer</source>
        <translation>Meine Antwort spielen</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Wirkung</translation>
    </message>
    <message>
        <source>Keys and features</source>
        <translation>Tasten und Funktionen</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Context menus (right click)</source>
        <translation>Kontextmenüs (Rechtsklick)</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Wo</translation>
    </message>
    <message>
        <source>Hold the mouse over a button to see its key and its menu.</source>
        <translation>Halten Sie die Maus über einen Knopf, um seine Taste und sein Menü zu sehen.</translation>
    </message>
</context>
<context>
    <name>velmora::MainWindow</name>
    <message>
        <source>Naturals</source>
        <translation>Stammtöne</translation>
    </message>
    <message>
        <source>Flats</source>
        <translation>Einfach erniedrigt</translation>
    </message>
    <message>
        <source>Double flats</source>
        <translation>Doppelt erniedrigt</translation>
    </message>
    <message>
        <source>Sharps</source>
        <translation>Einfach erhöht</translation>
    </message>
    <message>
        <source>Double sharps</source>
        <translation>Doppelt erhöht</translation>
    </message>
    <message>
        <source>Letters (C, F#, Bb, B)</source>
        <translation>Buchstaben (C, F#, Bb, B)</translation>
    </message>
    <message>
        <source>German (C, Fis, B, H)</source>
        <translation>Deutsch (C, Fis, B, H)</translation>
    </message>
    <message>
        <source>Fixed do (Do, Fa♯, Si♭, Si)</source>
        <translation>Feste Solmisation (Do, Fa♯, Si♭, Si)</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Work Sheet</source>
        <translation>Arbeitsblatt</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Center Question</source>
        <translation>Mitte vorgegeben</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Midi Driver</source>
        <translation>MIDI-Treiber</translation>
    </message>
    <message>
        <source>Enable MIDI</source>
        <translation>MIDI einschalten</translation>
    </message>
    <message>
        <source>Drag and drop the correct answers in the circles. Press the buttons with the chord names to get some help.</source>
        <translation>Ziehen Sie die richtigen Antworten in die Kreise. Die Knöpfe mit den Akkordnamen geben Hilfe.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Velmora speaks the chosen language from its next start.</source>
        <translation>Velmora spricht die gewählte Sprache ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>Note names</source>
        <translation>Notennamen</translation>
    </message>
    <message>
        <source>Save Answer Key as PDF</source>
        <translation>Lösungsschlüssel als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Show mistakes</source>
        <translation>Fehler zeigen</translation>
    </message>
    <message>
        <source>Reveal this note</source>
        <translation>Diesen Ton aufdecken</translation>
    </message>
    <message>
        <source>Play my answer</source>
        <translation>Meine Antwort spielen</translation>
    </message>
    <message>
        <source>Practice weak spots</source>
        <translation>Schwächen üben</translation>
    </message>
    <message>
        <source>Answer key…</source>
        <translation>Lösungsschlüssel…</translation>
    </message>
    <message>
        <source>Progress…</source>
        <translation>Fortschritt…</translation>
    </message>
    <message>
        <source>Show this chord&apos;s formula and hear it. Right-click: Play my answer (Ctrl+%1)</source>
        <translation>Die Formel dieses Akkords zeigen und ihn hören. Rechtsklick: Meine Antwort spielen (Strg+%1)</translation>
    </message>
    <message>
        <source>%1; formula: %2</source>
        <translation>%1; Formel: %2</translation>
    </message>
    <message>
        <source>%1 formula: %2</source>
        <translation>Formel von %1: %2</translation>
    </message>
    <message>
        <source>Create a new puzzle (Ctrl+N). Right-click: Practice weak spots</source>
        <translation>Ein neues Rätsel erstellen (Strg+N). Rechtsklick: Schwächen üben</translation>
    </message>
    <message>
        <source>Count the right answers (Ctrl+K); then Ctrl+M shows the mistakes</source>
        <translation>Die richtigen Antworten zählen (Strg+K); danach zeigt Strg+M die Fehler</translation>
    </message>
    <message>
        <source>Print six empty stars (Ctrl+P). Right-click: Answer key…</source>
        <translation>Sechs leere Sterne drucken (Strg+P). Rechtsklick: Lösungsschlüssel…</translation>
    </message>
    <message>
        <source>About Velmora (F1). Right-click: Progress… (Ctrl+H), Keys and features…, Language, Note names</source>
        <translation>Über Velmora (F1). Rechtsklick: Fortschritt… (Strg+H), Tasten und Funktionen…, Sprache, Notennamen</translation>
    </message>
    <message>
        <source>Allow puzzles with triple and quadruple accidentals (from the next Create)</source>
        <translation>Rätsel mit dreifachen und vierfachen Vorzeichen zulassen (ab dem nächsten Erstellen)</translation>
    </message>
    <message>
        <source>Always give the centre note (from the next Create)</source>
        <translation>Immer den Ton in der Mitte vorgeben (ab dem nächsten Erstellen)</translation>
    </message>
    <message>
        <source>The common chord types (from the next Create)</source>
        <translation>Die gängigen Akkordtypen (ab dem nächsten Erstellen)</translation>
    </message>
    <message>
        <source>Every chord type (from the next Create)</source>
        <translation>Alle Akkordtypen (ab dem nächsten Erstellen)</translation>
    </message>
    <message>
        <source>The MIDI device the chords are played on</source>
        <translation>Das MIDI-Gerät, auf dem die Akkorde gespielt werden</translation>
    </message>
    <message>
        <source>Play the chords of the hints and Play my answer</source>
        <translation>Die Akkorde der Hilfen und „Meine Antwort spielen“ hörbar machen</translation>
    </message>
    <message>
        <source>Keys and features…</source>
        <translation>Tasten und Funktionen…</translation>
    </message>
    <message>
        <source>The progress window cannot be opened (%1).</source>
        <translation>Das Fortschrittsfenster lässt sich nicht öffnen (%1).</translation>
    </message>
    <message>
        <source>Classroom sheet…</source>
        <translation>Klassenblatt…</translation>
    </message>
    <message>
        <source>MIDI device</source>
        <translation>MIDI-Gerät</translation>
    </message>
    <message>
        <source>Drag onto a circle, or press Enter to pick it up</source>
        <translation>Auf einen Kreis ziehen oder mit der Eingabetaste aufnehmen</translation>
    </message>
    <message>
        <source>Type a name or drop one here. Right-click: names, Clear, Show mistakes (Ctrl+M), Reveal this note (Ctrl+R)</source>
        <translation>Einen Namen tippen oder hier ablegen. Rechtsklick: Namen, Leeren, Fehler zeigen (Strg+M), Diesen Ton aufdecken (Strg+R)</translation>
    </message>
</context>
<context>
    <name>velmora::ProgressWindow</name>
    <message>
        <source>week starting</source>
        <translation>Woche ab</translation>
    </message>
    <message>
        <source>right</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Velmora progress</source>
        <translation>Velmora – Fortschritt</translation>
    </message>
    <message>
        <source>Progress as text</source>
        <translation>Fortschritt als Text</translation>
    </message>
    <message>
        <source>As &amp;text</source>
        <translation>Als Te&amp;xt</translation>
    </message>
    <message>
        <source>&amp;Export CSV</source>
        <translation>CSV &amp;exportieren</translation>
    </message>
    <message>
        <source>&amp;Forget my history</source>
        <translation>Verlauf &amp;vergessen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Chord types</source>
        <translation>&amp;Akkordtypen</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Tonarten</translation>
    </message>
    <message>
        <source>of all answers</source>
        <translation>aller Antworten</translation>
    </message>
    <message>
        <source>&amp;Spelling</source>
        <translation>&amp;Schreibweise</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>verfehlt</translation>
    </message>
    <message>
        <source>T&amp;ones</source>
        <translation>T&amp;öne</translation>
    </message>
    <message>
        <source>T&amp;rend</source>
        <translation>Ten&amp;denz</translation>
    </message>
</context>
<context>
    <name>velmora::ReviewOverlay</name>
    <message>
        <source>circle %1: %2</source>
        <translation>Kreis %1: %2</translation>
    </message>
    <message>
        <source>no mistakes</source>
        <translation>keine Fehler</translation>
    </message>
    <message>
        <source>X wrong, ~ spelled wrong, ? empty</source>
        <translation>X falsch, ~ falsch geschrieben, ? leer</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Circle %1 %2 %3</source>
        <translation>Kreis %1 %2 %3</translation>
    </message>
    <message>
        <source>circle %1</source>
        <translation>Kreis %1</translation>
    </message>
    <message>
        <source>circles %1</source>
        <translation>Kreise %1</translation>
    </message>
    <message>
        <source>empty: %1</source>
        <translation>leer: %1</translation>
    </message>
    <message>
        <source>? empty: %1</source>
        <translation>? leer: %1</translation>
    </message>
    <message>
        <source>No mistakes.</source>
        <translation>Keine Fehler.</translation>
    </message>
</context>
<context>
    <name>velmora::StarInput</name>
    <message>
        <source>%1 put back</source>
        <translation>%1 zurückgelegt</translation>
    </message>
    <message>
        <source>%1 picked up: choose a circle with the arrow keys and press Enter</source>
        <translation>%1 aufgenommen: wählen Sie mit den Pfeiltasten einen Kreis und drücken Sie die Eingabetaste</translation>
    </message>
</context>
</TS>
