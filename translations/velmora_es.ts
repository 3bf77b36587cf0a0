<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AnswerKey</name>
    <message>
        <source>, classroom sheet</source>
        <translation>, hoja de clase</translation>
    </message>
    <message>
        <source>Answer Key Paper</source>
        <translation>Papel de la clave de respuestas</translation>
    </message>
    <message>
        <source>The paper the sheets were printed on:</source>
        <translation>El papel en que se imprimieron las hojas:</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Clave de respuestas</translation>
    </message>
</context>
<context>
    <name>ChordWords</name>
    <message>
        <source>six-nine</source>
        <translation>acorde de sexta y novena</translation>
    </message>
    <message>
        <source>major ninth</source>
        <translation>acorde de séptima mayor con novena</translation>
    </message>
    <message>
        <source>dominant seventh</source>
        <translation>séptima de dominante</translation>
    </message>
    <message>
        <source>dominant ninth</source>
        <translation>novena de dominante</translation>
    </message>
    <message>
        <source>minor six-nine</source>
        <translation>acorde menor de sexta y novena</translation>
    </message>
    <message>
        <source>minor seventh</source>
        <translation>acorde menor de séptima</translation>
    </message>
    <message>
        <source>minor ninth</source>
        <translation>acorde menor de novena</translation>
    </message>
    <message>
        <source>flat five</source>
        <translation>quinta disminuida</translation>
    </message>
    <message>
        <source>sharp five</source>
        <translation>quinta aumentada</translation>
    </message>
    <message>
        <source>flat nine</source>
        <translation>novena menor</translation>
    </message>
    <message>
        <source>sharp nine</source>
        <translation>novena aumentada</translation>
    </message>
    <message>
        <source>sharp four</source>
        <translation>cuarta aumentada</translation>
    </message>
    <message>
        <source>suspended fourth</source>
        <translation>cuarta suspendida</translation>
    </message>
    <message>
        <source>suspended second</source>
        <translation>segunda suspendida</translation>
    </message>
    <message>
        <source>major seventh</source>
        <translation>séptima mayor</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Velmora needs a graphical display, and none was found (DISPLAY is not set).</source>
        <translation>Velmora necesita una pantalla gráfica y no se encontró ninguna (DISPLAY no está definida).</translation>
    </message>
    <message>
        <source>Try &apos;velmora --help&apos;.</source>
        <translation>Pruebe &apos;velmora --help&apos;.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Open the main window at once, without the loading window.</source>
        <translation>Abrir la ventana principal enseguida, sin la ventana de carga.</translation>
    </message>
    <message>
        <source>Play chords on the built-in synthesizer with the General MIDI soundfont FILE.</source>
        <translation>Tocar los acordes en el sintetizador integrado con el banco de sonidos General MIDI ARCHIVO.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>Write the answer key of the worksheets in the answer log LOG (Worksheet.id when no LOG is given) to the PDF --output names, without opening the window.</source>
        <translation>Escribir la clave de respuestas de las hojas de ejercicios del registro de respuestas LOG (Worksheet.id si no se indica LOG) en el PDF que indica --output, sin abrir la ventana.</translation>
    </message>
    <message>
        <source>Write N worksheets (1 to 100) and their answer key as PDFs into the folder --output names, logging them in Worksheet.id, without opening the window.</source>
        <translation>Escribir N hojas de ejercicios (de 1 a 100) y su clave de respuestas como PDF en la carpeta que indica --output, anotándolas en Worksheet.id, sin abrir la ventana.</translation>
    </message>
    <message>
        <source>The PDF or folder to write.</source>
        <translation>El PDF o la carpeta que se escribe.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>RUTA</translation>
    </message>
    <message>
        <source>Draw the worksheets from seed S, so that the same S gives the same sheets.</source>
        <translation>Sacar las hojas de la semilla S, de modo que la misma S dé las mismas hojas.</translation>
    </message>
    <message>
        <source>Print on SIZE paper: A4 or Letter.</source>
        <translation>Imprimir en papel de tamaño TAMAÑO: A4 o Letter.</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>TAMAÑO</translation>
    </message>
    <message>
        <source>Print a summary of the practice history and exit; no display is needed.</source>
        <translation>Mostrar un resumen del historial de práctica y salir; no hace falta pantalla.</translation>
    </message>
    <message>
        <source>Keep the practice history in DIR instead of $VELMORA_DATA_DIR or the user&apos;s data folder.</source>
        <translation>Guardar el historial de práctica en CARPETA en lugar de $VELMORA_DATA_DIR o de la carpeta de datos del usuario.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>CARPETA</translation>
    </message>
    <message>
        <source>Show the program in language CODE (en, de, fr, es or nl) instead of the saved or the system&apos;s language.</source>
        <translation>Mostrar el programa en el idioma CÓDIGO (en, de, fr, es o nl) en lugar del idioma guardado o el del sistema.</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CÓDIGO</translation>
    </message>
    <message>
        <source>Name the notes with NAMES: letters (C, F#, Bb), german (C, Fis, B, H) or fixed-do (Do, Fa♯, Si♭).</source>
        <translation>Nombrar las notas con NOMBRES: letters (C, F#, Bb), german (C, Fis, B, H) o fixed-do (Do, Fa♯, Si♭).</translation>
    </message>
    <message>
        <source>NAMES</source>
        <translation>NOMBRES</translation>
    </message>
    <message>
        <source>There is no language &apos;%1&apos;; choose en, de, fr, es or nl.</source>
        <translation>No existe el idioma &apos;%1&apos;; elija en, de, fr, es o nl.</translation>
    </message>
    <message>
        <source>There are no note names &apos;%1&apos;; choose letters, german or fixed-do.</source>
        <translation>No existen los nombres de notas &apos;%1&apos;; elija letters, german o fixed-do.</translation>
    </message>
    <message>
        <source>Usage: velmora [options]</source>
        <translation>Uso: velmora [opciones]</translation>
    </message>
    <message>
        <source>--stats cannot be combined with --answer-key or --worksheets.</source>
        <translation>--stats no se puede combinar con --answer-key ni con --worksheets.</translation>
    </message>
    <message>
        <source>Cannot read the soundfont &apos;%1&apos;: %2</source>
        <translation>No se puede leer el banco de sonidos &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Spell five-note ninth chords in a star of 17 circles.</source>
        <translation>Escribir las notas de acordes de novena de cinco sonidos en una estrella de 17 círculos.</translation>
    </message>
    <message>
        <source>Draw the worksheets&apos; chord types from the list of LEVEL, beginner (12 types) or expert (all 27), as the window&apos;s level does; expert when not given.</source>
        <translation>Tomar los tipos de acorde de las hojas de la lista de NIVEL, beginner (12 tipos) o expert (los 27), como hace el nivel de la ventana; expert si no se indica.</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation>NIVEL</translation>
    </message>
    <message>
        <source>Let the worksheets hold notes of four characters (Bbbb, F###), as the window&apos;s &quot;Advanced&quot; box lets its puzzles.</source>
        <translation>Permitir en las hojas notas de cuatro caracteres (Bbbb, F###), como la casilla «Avanzado» de la ventana lo permite en sus ejercicios.</translation>
    </message>
    <message>
        <source>Give every star&apos;s centre note, as the window&apos;s &quot;Center Question&quot; box does.</source>
        <translation>Dar la nota central de cada estrella, como hace la casilla «Centro dado» de la ventana.</translation>
    </message>
    <message>
        <source>Print the classroom sheet, and its answer key to match: a line for name, class and date, the chord lines drawn through each star, and circles 12 mm wide.</source>
        <translation>Imprimir la hoja de clase, y su clave de respuestas a juego: una línea para nombre, clase y fecha, las líneas de los acordes trazadas en cada estrella y círculos de 12 mm de ancho.</translation>
    </message>
</context>
<context>
    <name>Intervals</name>
    <message>
        <source>root</source>
        <translation>fundamental</translation>
    </message>
    <message>
        <source>two</source>
        <translation>segunda mayor</translation>
    </message>
    <message>
        <source>flat three</source>
        <translation>tercera menor</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tercera mayor</translation>
    </message>
    <message>
        <source>four</source>
        <translation>cuarta justa</translation>
    </message>
    <message>
        <source>sharp four</source>
        <translation>cuarta aumentada</translation>
    </message>
    <message>
        <source>flat five</source>
        <translation>quinta disminuida</translation>
    </message>
    <message>
        <source>five</source>
        <translation>quinta justa</translation>
    </message>
    <message>
        <source>sharp five</source>
        <translation>quinta aumentada</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sexta mayor</translation>
    </message>
    <message>
        <source>flat seven</source>
        <translation>séptima menor</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>séptima mayor</translation>
    </message>
    <message>
        <source>flat nine</source>
        <translation>novena menor</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>novena mayor</translation>
    </message>
    <message>
        <source>sharp nine</source>
        <translation>novena aumentada</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>You have %1 correct answers out of 17.(The First is always given!)</source>
        <translation>Tiene %1 respuestas correctas de 17. (¡La primera siempre está dada!)</translation>
    </message>
    <message>
        <source>There was an Error while printing the Worksheet! (Or it was Canceled by the user.) %1</source>
        <translation>¡Hubo un error al imprimir la hoja de ejercicios! (O el usuario la canceló.) %1</translation>
    </message>
    <message>
        <source>Velmora could not record this Check in your practice history (%1). You can go on playing, but the rest of this run is not recorded.</source>
        <translation>Velmora no pudo guardar esta comprobación en su historial de práctica (%1). Puede seguir jugando, pero el resto de esta sesión no se guarda.</translation>
    </message>
    <message>
        <source>sounds right, spelled wrong: %1 here is %2</source>
        <translation>suena bien, pero mal escrita: aquí %1 se escribe %2</translation>
    </message>
    <message>
        <source>wrong: %1 is not the note here</source>
        <translation>incorrecta: %1 no es la nota de aquí</translation>
    </message>
    <message>
        <source>Are You sure you want to create a new Velmora?</source>
        <translation>¿Seguro que quiere crear un nuevo Velmora?</translation>
    </message>
    <message>
        <source>Create A New Velmora First! Press the create Button.</source>
        <translation>¡Primero cree un nuevo Velmora! Pulse el botón «Crear».</translation>
    </message>
    <message>
        <source>This action will create some work sheets on your printer</source>
        <translation>Esta acción imprimirá algunas hojas de ejercicios en su impresora</translation>
    </message>
    <message>
        <source>Create Worksheet?</source>
        <translation>¿Crear hojas de ejercicios?</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
    <message>
        <source>right</source>
        <translation>correcta</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>version: %1</source>
        <translation>versión: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Velmora is now loading</source>
        <translation>Velmora se está cargando</translation>
    </message>
    <message>
        <source>Now Loading.....</source>
        <translation>Cargando.....</translation>
    </message>
    <message>
        <source>About Velmora</source>
        <translation>Acerca de Velmora</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Información del &amp;sistema...</translation>
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
        <translation>Aprenda a manejar y memorizar acordes. (Hasta la novena)


Cómo usar este programa.
Si pulsa el botón «Crear», se crea un nuevo Velmora: uno de los
muchos círculos tendrá una nota escrita.
Su tarea es encontrar todas las notas que faltan en los acordes.
Puede rellenar las notas que faltan con el ratón: arrastre una de
las notas y suéltela en los círculos.
Rellene los acordes empezando por la izquierda/derecha o por
arriba/abajo.
Avance siempre hacia el nombre del acorde: el círculo junto al
nombre del acorde debe contener la última nota del acorde.
Para comprobar si las respuestas son correctas, pulse el botón
«Comprobar». Un mensaje mostrará el número de respuestas correctas.
Si necesita recordar cómo se forma un acorde, pulse el nombre del
acorde para obtener ayuda.

Hojas de ejercicios
Puede crear hojas de ejercicios para estudiar. Una hoja tiene
6 estrellas Velmora vacías.
Cada hoja se anota en un archivo para que pueda comprobar todas sus
respuestas cuando haya terminado las hojas. Las respuestas se anotan
en el archivo Worksheet.id.
Si el archivo no está en la carpeta del programa, búsquelo en su
ordenador con la función de búsqueda de archivos.
</translation>
    </message>
    <message>
        <source>1 answer in 1 check: %1% right.</source>
        <translation>1 respuesta en 1 comprobación: %1 % correctas.</translation>
    </message>
    <message>
        <source>%1 answers in 1 check: %2% right.</source>
        <translation>%1 respuestas en 1 comprobación: %2 % correctas.</translation>
    </message>
    <message>
        <source>%1 answers in %2 checks: %3% right.</source>
        <translation>%1 respuestas en %2 comprobaciones: %3 % correctas.</translation>
    </message>
    <message>
        <source>%1: %2% right (%3 of %4)</source>
        <translation>%1: %2 % correctas (%3 de %4)</translation>
    </message>
    <message>
        <source>%1: no answers</source>
        <translation>%1: sin respuestas</translation>
    </message>
    <message>
        <source>%1: %2% missed (%3 of %4)</source>
        <translation>%1: %2 % falladas (%3 de %4)</translation>
    </message>
    <message>
        <source>Week of %1: %2% right (1 answer)</source>
        <translation>Semana del %1: %2 % correctas (1 respuesta)</translation>
    </message>
    <message>
        <source>Week of %1: %2% right (%3 answers)</source>
        <translation>Semana del %1: %2 % correctas (%3 respuestas)</translation>
    </message>
    <message>
        <source>Steady at %1% right since the week of %2.</source>
        <translation>Estable en %1 % correctas desde la semana del %2.</translation>
    </message>
    <message>
        <source>Up from %1% to %2% right since the week of %3.</source>
        <translation>Sube del %1 % al %2 % correctas desde la semana del %3.</translation>
    </message>
    <message>
        <source>Down from %1% to %2% right since the week of %3.</source>
        <translation>Baja del %1 % al %2 % correctas desde la semana del %3.</translation>
    </message>
    <message>
        <source>%1: %2% (%3 of %4)</source>
        <translation>%1: %2 % (%3 de %4)</translation>
    </message>
    <message>
        <source>The history was exported to %1.</source>
        <translation>El historial se exportó a %1.</translation>
    </message>
    <message>
        <source>The history could not be exported to %1: %2</source>
        <translation>No se pudo exportar el historial a %1: %2</translation>
    </message>
    <message>
        <source>The history could not be forgotten: %1</source>
        <translation>No se pudo olvidar el historial: %1</translation>
    </message>
    <message>
        <source>Accuracy per chord type</source>
        <translation>Aciertos por tipo de acorde</translation>
    </message>
    <message>
        <source>Accuracy per key</source>
        <translation>Aciertos por tonalidad</translation>
    </message>
    <message>
        <source>Answers by kind</source>
        <translation>Respuestas por tipo</translation>
    </message>
    <message>
        <source>Tones most often missed</source>
        <translation>Notas falladas con más frecuencia</translation>
    </message>
    <message>
        <source>Trend over the last weeks</source>
        <translation>Tendencia de las últimas semanas</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Correcta</translation>
    </message>
    <message>
        <source>Right pitch, wrong spelling</source>
        <translation>Altura correcta, mal escrita</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Incorrecta</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vacía</translation>
    </message>
    <message>
        <source>Root</source>
        <translation>Fundamental</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Tercera</translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation>Quinta</translation>
    </message>
    <message>
        <source>Seventh</source>
        <translation>Séptima</translation>
    </message>
    <message>
        <source>Ninth</source>
        <translation>Novena</translation>
    </message>
    <message>
        <source>This run keeps no practice history, so there is no progress to show.</source>
        <translation>Esta sesión no guarda historial de práctica, así que no hay progreso que mostrar.</translation>
    </message>
    <message>
        <source>No answers are recorded yet. Create a puzzle, fill in the circles and press Check: your progress will show here.</source>
        <translation>Aún no hay respuestas guardadas. Cree un ejercicio, rellene los círculos y pulse «Comprobar»: su progreso aparecerá aquí.</translation>
    </message>
    <message>
        <source>Forget every recorded answer? Your progress cannot be brought back.</source>
        <translation>¿Olvidar todas las respuestas guardadas? Su progreso no se podrá recuperar.</translation>
    </message>
    <message>
        <source>Your history is forgotten.</source>
        <translation>Su historial se ha olvidado.</translation>
    </message>
    <message>
        <source>circle %1, centre of all four chords, empty</source>
        <translation>círculo %1, centro de los cuatro acordes, vacío</translation>
    </message>
    <message>
        <source>circle %1, centre of all four chords, holds %2</source>
        <translation>círculo %1, centro de los cuatro acordes, contiene %2</translation>
    </message>
    <message>
        <source>circle %1, centre of all four chords, given, holds %2</source>
        <translation>círculo %1, centro de los cuatro acordes, dado, contiene %2</translation>
    </message>
    <message>
        <source>circle %1, root of %2, empty</source>
        <translation>círculo %1, fundamental de %2, vacío</translation>
    </message>
    <message>
        <source>circle %1, root of %2, holds %3</source>
        <translation>círculo %1, fundamental de %2, contiene %3</translation>
    </message>
    <message>
        <source>circle %1, root of %2, given, holds %3</source>
        <translation>círculo %1, fundamental de %2, dado, contiene %3</translation>
    </message>
    <message>
        <source>circle %1, %2 of %3, empty</source>
        <translation>círculo %1, %2 de %3, vacío</translation>
    </message>
    <message>
        <source>circle %1, %2 of %3, holds %4</source>
        <translation>círculo %1, %2 de %3, contiene %4</translation>
    </message>
    <message>
        <source>circle %1, %2 of %3, given, holds %4</source>
        <translation>círculo %1, %2 de %3, dado, contiene %4</translation>
    </message>
    <message>
        <source>chord %1</source>
        <translation>acorde %1</translation>
    </message>
    <message>
        <source>Failed to start the audio driver (%1): no sound will be heard.</source>
        <translation>No se pudo iniciar el controlador de audio (%1): no se oirá ningún sonido.</translation>
    </message>
    <message>
        <source>The built-in synthesizer found no General MIDI soundfont that it could load: no sound will be heard. Looked for %1. The Debian packages timgm6mb-soundfont and fluid-soundfont-gm each provide one.</source>
        <translation>El sintetizador integrado no encontró ningún banco de sonidos General MIDI que pudiera cargar: no se oirá ningún sonido. Se buscó %1. Los paquetes de Debian timgm6mb-soundfont y fluid-soundfont-gm incluyen uno cada uno.</translation>
    </message>
    <message>
        <source>Built-in synthesizer (%1)</source>
        <translation>Sintetizador integrado (%1)</translation>
    </message>
    <message>
        <source>The MIDI device is no longer there: no sound will be heard.</source>
        <translation>El dispositivo MIDI ya no está: no se oirá ningún sonido.</translation>
    </message>
    <message>
        <source>The built-in synthesizer found no General MIDI soundfont: no sound will be heard.</source>
        <translation>El sintetizador integrado no encontró ningún banco de sonidos General MIDI: no se oirá ningún sonido.</translation>
    </message>
    <message>
        <source>Failed to create the built-in synthesizer: no sound will be heard.</source>
        <translation>No se pudo crear el sintetizador integrado: no se oirá ningún sonido.</translation>
    </message>
    <message>
        <source>The ALSA sequencer is not available: MIDI ports cannot be used.</source>
        <translation>El secuenciador ALSA no está disponible: no se pueden usar los puertos MIDI.</translation>
    </message>
    <message>
        <source>Failed to open the MIDI output port: no sound will be heard.</source>
        <translation>No se pudo abrir el puerto de salida MIDI: no se oirá ningún sonido.</translation>
    </message>
    <message>
        <source>No MIDI device is open: the chord cannot be played.</source>
        <translation>No hay ningún dispositivo MIDI abierto: el acorde no se puede tocar.</translation>
    </message>
    <message>
        <source>The MIDI message is not valid and was not sent.</source>
        <translation>El mensaje MIDI no es válido y no se envió.</translation>
    </message>
    <message>
        <source>Failed to send the MIDI message: the chord may not sound.</source>
        <translation>No se pudo enviar el mensaje MIDI: puede que el acorde no suene.</translation>
    </message>
    <message>
        <source>The connection to the audio server was lost: no sound will be heard.</source>
        <translation>Se perdió la conexión con el servidor de audio: no se oirá ningún sonido.</translation>
    </message>
    <message>
        <source>Built-in synthesizer (no soundfont)</source>
        <translation>Sintetizador integrado (sin banco de sonidos)</translation>
    </message>
    <message>
        <source>The answer key cannot be made: the answer log %1 in %2 could not be read (%3).</source>
        <translation>No se puede crear la clave de respuestas: no se pudo leer el registro de respuestas %1 en %2 (%3).</translation>
    </message>
    <message>
        <source>The answer key cannot be made: the answer log %1 holds no worksheet star that can be read.</source>
        <translation>No se puede crear la clave de respuestas: el registro de respuestas %1 no contiene ninguna estrella de hoja legible.</translation>
    </message>
    <message>
        <source>The answer key cannot be saved over the answer log %1 it is made from; please choose another file.</source>
        <translation>La clave de respuestas no se puede guardar sobre el registro de respuestas %1 del que se obtiene; elija otro archivo.</translation>
    </message>
    <message>
        <source>The answer key was saved without %1 part(s) of %2 that could not be read:%3</source>
        <translation>La clave de respuestas se guardó sin %1 parte(s) de %2 que no se pudieron leer:%3</translation>
    </message>
    <message>
        <source>There is no practice history in %1.</source>
        <translation>No hay ningún historial de práctica en %1.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opciones desconocidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta un valor después de &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado después de &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--paper takes A4 or Letter, not &apos;%1&apos;.</source>
        <translation>--paper admite A4 o Letter, no &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--worksheets takes a number of sheets from 1 to 100, not &apos;%1&apos;.</source>
        <translation>--worksheets admite un número de hojas de 1 a 100, no &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--seed takes a whole number from 0 to 18446744073709551615, not &apos;%1&apos;.</source>
        <translation>--seed admite un número entero de 0 a 18446744073709551615, no &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Cannot read the answer log %1: %2</source>
        <translation>No se puede leer el registro de respuestas %1: %2</translation>
    </message>
    <message>
        <source>The answer log %1 holds no star that can be read (first problem: %2)</source>
        <translation>El registro de respuestas %1 no contiene ninguna estrella legible (primer problema: %2)</translation>
    </message>
    <message>
        <source>The answer log %1 holds no star that can be read</source>
        <translation>El registro de respuestas %1 no contiene ninguna estrella legible</translation>
    </message>
    <message>
        <source>The answer key cannot be written over the answer log %1 it is made from</source>
        <translation>La clave de respuestas no se puede escribir sobre el registro de respuestas %1 del que se obtiene</translation>
    </message>
    <message>
        <source>Answer key of %1 stars written to %2</source>
        <translation>Clave de respuestas de %1 estrellas escrita en %2</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1: %2</source>
        <translation>No se puede escribir en la carpeta %1: %2</translation>
    </message>
    <message>
        <source>seed %1</source>
        <translation>semilla %1</translation>
    </message>
    <message>
        <source>%1 worksheets and their answer key written to %2 (%3)</source>
        <translation>%1 hojas de ejercicios y su clave de respuestas escritas en %2 (%3)</translation>
    </message>
    <message>
        <source>The sheets could not be moved into %1: %2</source>
        <translation>No se pudieron mover las hojas a %1: %2</translation>
    </message>
    <message>
        <source>--answer-key and --worksheets cannot be used together.</source>
        <translation>--answer-key y --worksheets no se pueden usar juntos.</translation>
    </message>
    <message>
        <source>--worksheets needs --output DIR.</source>
        <translation>--worksheets necesita --output CARPETA.</translation>
    </message>
    <message>
        <source>--answer-key needs --output FILE.pdf.</source>
        <translation>--answer-key necesita --output ARCHIVO.pdf.</translation>
    </message>
    <message>
        <source>Work your way tru these chords in left/right or up/down direction.</source>
        <translation>Recorra estos acordes de izquierda/derecha o de arriba/abajo.</translation>
    </message>
    <message>
        <source>Worksheet created by Velmora</source>
        <translation>Hoja creada con Velmora</translation>
    </message>
    <message>
        <source>Seed %1</source>
        <translation>Semilla %1</translation>
    </message>
    <message>
        <source>Answer key: every chord reads from its far end towards its name.</source>
        <translation>Clave de respuestas: cada acorde se lee desde su extremo hacia su nombre.</translation>
    </message>
    <message>
        <source>Answer key created by Velmora</source>
        <translation>Clave de respuestas creada con Velmora</translation>
    </message>
    <message>
        <source>--level takes beginner or expert, not &apos;%1&apos;.</source>
        <translation>--level admite beginner o expert, no &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The folder %1 holds the sheets of an earlier batch (%2); choose an empty folder or move them away first</source>
        <translation>La carpeta %1 contiene las hojas de un lote anterior (%2); elija una carpeta vacía o muévalas antes</translation>
    </message>
    <message>
        <source>The page is too small for the classroom sheet (%1 x %2 twips)</source>
        <translation>La página es demasiado pequeña para la hoja de clase (%1 x %2 twips)</translation>
    </message>
    <message>
        <source>Sheet %1 of %2 · seed %3</source>
        <translation>Hoja %1 de %2 · semilla %3</translation>
    </message>
    <message>
        <source>--output, --seed, --paper, --level, --advanced, --centre-question and --classroom go with --answer-key or --worksheets.</source>
        <translation>--output, --seed, --paper, --level, --advanced, --centre-question y --classroom van con --answer-key o --worksheets.</translation>
    </message>
    <message>
        <source>--seed, --level, --advanced and --centre-question go with --worksheets only.</source>
        <translation>--seed, --level, --advanced y --centre-question van solo con --worksheets.</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>es una tubería con nombre, no un archivo</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es un socket, no un archivo</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es un dispositivo, no un archivo</translation>
    </message>
    <message>
        <source>it is a special file, not a file</source>
        <translation>es un archivo especial, no un archivo normal</translation>
    </message>
    <message>
        <source>Spell each chord along its line towards its name: across, down and on both diagonal lines.</source>
        <translation>Escriba cada acorde a lo largo de su línea hacia su nombre: en horizontal, en vertical y en ambas diagonales.</translation>
    </message>
    <message>
        <source>Name: ____________________   Class: ________   Date: ______________</source>
        <translation>Nombre: ____________________   Clase: ________   Fecha: ______________</translation>
    </message>
    <message>
        <source>%1 later Checks of the same puzzles are not counted again.</source>
        <translation>%1 comprobaciones posteriores de los mismos ejercicios no se vuelven a contar.</translation>
    </message>
    <message>
        <source>tone %1</source>
        <translation>nota %1</translation>
    </message>
    <message>
        <source>Velmora could not read your settings (%1), so it starts with the usual ones.</source>
        <translation>Velmora no pudo leer sus ajustes (%1), así que empieza con los habituales.</translation>
    </message>
    <message>
        <source>Velmora could not save your settings (%1). Your choices last until Velmora closes.</source>
        <translation>Velmora no pudo guardar sus ajustes (%1). Sus elecciones se mantienen hasta que se cierre Velmora.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>No se puede escribir %1</translation>
    </message>
    <message>
        <source>could not write %1</source>
        <translation>no se pudo escribir %1</translation>
    </message>
    <message>
        <source>Velmora cannot keep your practice history in %1 (%2). You can play as usual, but this run&apos;s answers are not recorded.</source>
        <translation>Velmora no puede llevar su historial de práctica en %1 (%2). Puede jugar como siempre, pero las respuestas de esta sesión no se guardan.</translation>
    </message>
    <message>
        <source>Your practice history %1 cannot be written, so Velmora shows it as it is and does not record this run&apos;s answers.</source>
        <translation>No se puede escribir en su historial de práctica %1, así que Velmora lo muestra tal como está y no guarda las respuestas de esta sesión.</translation>
    </message>
    <message>
        <source>Your practice history %1 could not be read (%2), so Velmora has started a new one. The old file is kept as %3.</source>
        <translation>No se pudo leer su historial de práctica %1 (%2), así que Velmora ha empezado uno nuevo. El archivo antiguo se conserva como %3.</translation>
    </message>
    <message>
        <source>Your practice history %1 was written by a newer version of Velmora. This run leaves it as it is and does not record your answers.</source>
        <translation>Su historial de práctica %1 lo escribió una versión más reciente de Velmora. Esta sesión lo deja como está y no guarda sus respuestas.</translation>
    </message>
    <message>
        <source>%1, and another copy of Velmora is opening it</source>
        <translation>%1, y otra copia de Velmora lo está abriendo</translation>
    </message>
    <message>
        <source>%1, and it cannot be moved aside</source>
        <translation>%1, y no se puede apartar</translation>
    </message>
    <message>
        <source>it is damaged: %1</source>
        <translation>está dañado: %1</translation>
    </message>
    <message>
        <source>The printer reports a page without size (%1 x %2 twips)</source>
        <translation>La impresora indica una página sin tamaño (%1 x %2 twips)</translation>
    </message>
    <message>
        <source>The page is too large to lay out the worksheet (%1 x %2 twips)</source>
        <translation>La página es demasiado grande para componer la hoja (%1 x %2 twips)</translation>
    </message>
    <message>
        <source>The worksheet could not be saved as %1: %2</source>
        <translation>No se pudo guardar la hoja como %1: %2</translation>
    </message>
    <message>
        <source>The answer key could not be saved as %1: %2</source>
        <translation>No se pudo guardar la clave de respuestas como %1: %2</translation>
    </message>
    <message>
        <source>The answer log %1 could not be opened: %2</source>
        <translation>No se pudo abrir el registro de respuestas %1: %2</translation>
    </message>
    <message>
        <source>The answer log %1 could not be written: %2</source>
        <translation>No se pudo escribir el registro de respuestas %1: %2</translation>
    </message>
    <message>
        <source>The batch&apos;s own log records could not be read back (%1)</source>
        <translation>No se pudieron releer las entradas del propio lote en el registro (%1)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a note: %2</source>
        <translation>«%1» no es una nota: %2</translation>
    </message>
    <message>
        <source>only %1 of the five notes (the record is cut off)</source>
        <translation>solo %1 de las cinco notas (la entrada está cortada)</translation>
    </message>
    <message>
        <source>the time %1 is not a time of day</source>
        <translation>la hora %1 no es una hora del día</translation>
    </message>
    <message>
        <source>the notes %1 do not spell %2 around %3</source>
        <translation>las notas %1 no forman %2 en torno a %3</translation>
    </message>
    <message>
        <source>star %1 has %2 of its 4 chord lines</source>
        <translation>la estrella %1 tiene %2 de sus 4 líneas de acordes</translation>
    </message>
    <message>
        <source>the chord lines of star %1 do not share one centre note</source>
        <translation>las líneas de acordes de la estrella %1 no comparten una misma nota central</translation>
    </message>
    <message>
        <source>the accidental must be b, bb, bbb, bbbb, #, x or ###, not %1</source>
        <translation>la alteración debe ser b, bb, bbb, bbbb, #, x o ###, no %1</translation>
    </message>
    <message>
        <source>1 later Check of the same puzzle is not counted again.</source>
        <translation>1 comprobación posterior del mismo ejercicio no se vuelve a contar.</translation>
    </message>
    <message>
        <source>it is not a settings file Velmora can read</source>
        <translation>no es un archivo de ajustes que Velmora pueda leer</translation>
    </message>
    <message>
        <source>no practice history is kept in this run</source>
        <translation>en esta sesión no se lleva historial de práctica</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>no se puede crear la carpeta</translation>
    </message>
    <message>
        <source>the folder does not allow a write-ahead log</source>
        <translation>la carpeta no admite un registro de escritura anticipada</translation>
    </message>
    <message>
        <source>it cannot be written, and no copy of it can be made to read</source>
        <translation>no se puede escribir y no se puede hacer una copia para leerlo</translation>
    </message>
    <message>
        <source>it was written by a newer version of Velmora</source>
        <translation>lo escribió una versión más reciente de Velmora</translation>
    </message>
    <message>
        <source>it is not a Velmora practice history</source>
        <translation>no es un historial de práctica de Velmora</translation>
    </message>
    <message>
        <source>Canceled by the user</source>
        <translation>Cancelado por el usuario</translation>
    </message>
    <message>
        <source>The printer has no document started</source>
        <translation>La impresora no ha comenzado ningún documento</translation>
    </message>
    <message>
        <source>The printer could not start the page</source>
        <translation>La impresora no pudo comenzar la página</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer</source>
        <translation>No se pudo enviar la página a la impresora</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>no se pudo comenzar el PDF</translation>
    </message>
    <message>
        <source>a page could not be added</source>
        <translation>no se pudo añadir una página</translation>
    </message>
    <message>
        <source>there is no star to put in it</source>
        <translation>no hay ninguna estrella que poner en él</translation>
    </message>
    <message>
        <source>the PDF could not be finished</source>
        <translation>no se pudo terminar el PDF</translation>
    </message>
    <message>
        <source>another program keeps removing it</source>
        <translation>otro programa lo sigue eliminando</translation>
    </message>
    <message>
        <source>another program keeps it locked</source>
        <translation>otro programa lo mantiene bloqueado</translation>
    </message>
    <message>
        <source>more than five notes</source>
        <translation>más de cinco notas</translation>
    </message>
    <message>
        <source>no chord type of the program after the time</source>
        <translation>ningún tipo de acorde del programa después de la hora</translation>
    </message>
    <message>
        <source>no star number 1 to 6 between the date and the time</source>
        <translation>ningún número de estrella del 1 al 6 entre la fecha y la hora</translation>
    </message>
    <message>
        <source>no time of day (hh:mm:ss)</source>
        <translation>ninguna hora del día (hh:mm:ss)</translation>
    </message>
    <message>
        <source>star number 1 to 6 expected before the time</source>
        <translation>se esperaba un número de estrella del 1 al 6 antes de la hora</translation>
    </message>
    <message>
        <source>no date before the star number</source>
        <translation>ninguna fecha antes del número de estrella</translation>
    </message>
    <message>
        <source>there is no note name</source>
        <translation>no hay ningún nombre de nota</translation>
    </message>
    <message>
        <source>a note name begins with a capital letter A to G</source>
        <translation>un nombre de nota empieza por una mayúscula de la A a la G</translation>
    </message>
    <message>
        <source>a double sharp is written x, as in Fx</source>
        <translation>un doble sostenido se escribe x, como en Fx</translation>
    </message>
    <message>
        <source>Worksheet %1 of %2 failed: %3</source>
        <translation>La hoja %1 de %2 falló: %3</translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation>%1 (error %2)</translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>flat</source>
        <translation>bemol</translation>
    </message>
    <message>
        <source>double flat</source>
        <translation>doble bemol</translation>
    </message>
    <message>
        <source>sharp</source>
        <translation>sostenido</translation>
    </message>
    <message>
        <source>double sharp</source>
        <translation>doble sostenido</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Save Worksheet as PDF</source>
        <translation>Guardar la hoja como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>velmora::AboutBox</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Crear: un nuevo ejercicio</translation>
    </message>
    <message>
        <source>Ctrl+K</source>
        <translation>Ctrl+K</translation>
    </message>
    <message>
        <source>Check: count the right answers</source>
        <translation>Comprobar: contar las respuestas correctas</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>Show mistakes: mark every wrong (X), misspelled (~) and empty (?) circle and list why, until you change the board</source>
        <translation>Mostrar errores: marcar cada círculo erróneo (X), mal escrito (~) y vacío (?) y decir por qué, hasta que cambie el tablero</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Work Sheet: print six empty stars</source>
        <translation>Hoja: imprimir seis estrellas vacías</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Help: about Velmora</source>
        <translation>Ayuda: acerca de Velmora</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>your progress as charts and as text</source>
        <translation>su progreso en gráficos y en texto</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>go to the star</source>
        <translation>ir a la estrella</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Teclas de flecha</translation>
    </message>
    <message>
        <source>in the star: the nearest circle that way; in the palette: the next name</source>
        <translation>en la estrella: el círculo más cercano en esa dirección; en la paleta: el nombre siguiente</translation>
    </message>
    <message>
        <source>A letter, then b, # or x</source>
        <translation>Una letra, luego b, # o x</translation>
    </message>
    <message>
        <source>enter that name in the ringed circle (&quot;f##&quot; gives Fx)</source>
        <translation>escribir ese nombre en el círculo marcado («f##» da Fx)</translation>
    </message>
    <message>
        <source>Backspace, Delete</source>
        <translation>Retroceso, Supr</translation>
    </message>
    <message>
        <source>empty the ringed circle</source>
        <translation>vaciar el círculo marcado</translation>
    </message>
    <message>
        <source>Enter in the palette</source>
        <translation>Intro en la paleta</translation>
    </message>
    <message>
        <source>pick the name up; then arrows and Enter put it in a circle, Escape puts it back</source>
        <translation>tomar el nombre; luego las flechas e Intro lo ponen en un círculo, Esc lo devuelve</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Reveal this note: show the ringed circle&apos;s right note (it counts as missed)</source>
        <translation>Revelar esta nota: mostrar la nota correcta del círculo marcado (cuenta como fallada)</translation>
    </message>
    <message>
        <source>Ctrl+1 .. Ctrl+4</source>
        <translation>Ctrl+1 .. Ctrl+4</translation>
    </message>
    <message>
        <source>Play my answer: hear your notes on chord line 1 to 4</source>
        <translation>Tocar mi respuesta: oír sus notas en la línea de acorde 1 a 4</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Practice weak spots</source>
        <translation>Practicar puntos débiles</translation>
    </message>
    <message>
        <source>Work Sheet</source>
        <translation>Hoja</translation>
    </message>
    <message>
        <source>Answer key…: the key of the sheets printed from this folder, as a PDF</source>
        <translation>Clave de respuestas…: la clave de las hojas impresas desde esta carpeta, en PDF</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Progress…, Keys and features…</source>
        <translation>Progreso…, Teclas y funciones…</translation>
    </message>
    <message>
        <source>A circle</source>
        <translation>Un círculo</translation>
    </message>
    <message>
        <source>every palette name, Clear, Show mistakes, Reveal this note</source>
        <translation>cada nombre de la paleta, Borrar, Mostrar errores, Revelar esta nota</translation>
    </message>
    <message>
        <source>A chord name</source>
        <translation>Un nombre de acorde</translation>
    </message>
    <message>
        <source>Play my answer</source>
        <translation>Tocar mi respuesta</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Qué hace</translation>
    </message>
    <message>
        <source>Keys and features</source>
        <translation>Teclas y funciones</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Context menus (right click)</source>
        <translation>Menús contextuales (clic derecho)</translation>
    </message>
    <message>
        <source>On</source>
        <translation>En</translation>
    </message>
    <message>
        <source>Hold the mouse over a button to see its key and its menu.</source>
        <translation>Deje el ratón sobre un botón para ver su tecla y su menú.</translation>
    </message>
</context>
<context>
    <name>velmora::MainWindow</name>
    <message>
        <source>Naturals</source>
        <translation>Naturales</translation>
    </message>
    <message>
        <source>Flats</source>
        <translation>Bemoles</translation>
    </message>
    <message>
        <source>Double flats</source>
        <translation>Dobles bemoles</translation>
    </message>
    <message>
        <source>Sharps</source>
        <translation>Sostenidos</translation>
    </message>
    <message>
        <source>Double sharps</source>
        <translation>Dobles sostenidos</translation>
    </message>
    <message>
        <source>Letters (C, F#, Bb, B)</source>
        <translation>Letras (C, F#, Bb, B)</translation>
    </message>
    <message>
        <source>German (C, Fis, B, H)</source>
        <translation>Alemanes (C, Fis, B, H)</translation>
    </message>
    <message>
        <source>Fixed do (Do, Fa♯, Si♭, Si)</source>
        <translation>Do fijo (Do, Fa♯, Si♭, Si)</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Work Sheet</source>
        <translation>Hoja</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Center Question</source>
        <translation>Centro dado</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>Midi Driver</source>
        <translation>Controlador MIDI</translation>
    </message>
    <message>
        <source>Enable MIDI</source>
        <translation>Activar MIDI</translation>
    </message>
    <message>
        <source>Drag and drop the correct answers in the circles. Press the buttons with the chord names to get some help.</source>
        <translation>Arrastre las respuestas correctas a los círculos. Los botones con los nombres de los acordes le ayudan.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Velmora speaks the chosen language from its next start.</source>
        <translation>Velmora usará el idioma elegido a partir del próximo inicio.</translation>
    </message>
    <message>
        <source>Note names</source>
        <translation>Nombres de las notas</translation>
    </message>
    <message>
        <source>Save Answer Key as PDF</source>
        <translation>Guardar la clave de respuestas como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Show mistakes</source>
        <translation>Mostrar errores</translation>
    </message>
    <message>
        <source>Reveal this note</source>
        <translation>Revelar esta nota</translation>
    </message>
    <message>
        <source>Play my answer</source>
        <translation>Tocar mi respuesta</translation>
    </message>
    <message>
        <source>Practice weak spots</source>
        <translation>Practicar puntos débiles</translation>
    </message>
    <message>
        <source>Answer key…</source>
        <translation>Clave de respuestas…</translation>
    </message>
    <message>
        <source>Progress…</source>
        <translation>Progreso…</translation>
    </message>
    <message>
        <source>Show this chord&apos;s formula and hear it. Right-click: Play my answer (Ctrl+%1)</source>
        <translation>Mostrar la fórmula de este acorde y oírlo. Clic derecho: Tocar mi respuesta (Ctrl+%1)</translation>
    </message>
    <message>
        <source>%1; formula: %2</source>
        <translation>%1; fórmula: %2</translation>
    </message>
    <message>
        <source>%1 formula: %2</source>
        <translation>fórmula de %1: %2</translation>
    </message>
    <message>
        <source>Create a new puzzle (Ctrl+N). Right-click: Practice weak spots</source>
        <translation>Crear un nuevo ejercicio (Ctrl+N). Clic derecho: Practicar puntos débiles</translation>
    </message>
    <message>
        <source>Count the right answers (Ctrl+K); then Ctrl+M shows the mistakes</source>
        <translation>Contar las respuestas correctas (Ctrl+K); después Ctrl+M muestra los errores</translation>
    </message>
    <message>
        <source>Print six empty stars (Ctrl+P). Right-click: Answer key…</source>
        <translation>Imprimir seis estrellas vacías (Ctrl+P). Clic derecho: Clave de respuestas…</translation>
    </message>
    <message>
        <source>About Velmora (F1). Right-click: Progress… (Ctrl+H), Keys and features…, Language, Note names</source>
        <translation>Acerca de Velmora (F1). Clic derecho: Progreso… (Ctrl+H), Teclas y funciones…, Idioma, Nombres de las notas</translation>
    </message>
    <message>
        <source>Allow puzzles with triple and quadruple accidentals (from the next Create)</source>
        <translation>Permitir ejercicios con alteraciones triples y cuádruples (desde el próximo Crear)</translation>
    </message>
    <message>
        <source>Always give the centre note (from the next Create)</source>
        <translation>Dar siempre la nota del centro (desde el próximo Crear)</translation>
    </message>
    <message>
        <source>The common chord types (from the next Create)</source>
        <translation>Los tipos de acorde habituales (desde el próximo Crear)</translation>
    </message>
    <message>
        <source>Every chord type (from the next Create)</source>
        <translation>Todos los tipos de acorde (desde el próximo Crear)</translation>
    </message>
    <message>
        <source>The MIDI device the chords are played on</source>
        <translation>El dispositivo MIDI en el que se tocan los acordes</translation>
    </message>
    <message>
        <source>Play the chords of the hints and Play my answer</source>
        <translation>Tocar los acordes de las ayudas y «Tocar mi respuesta»</translation>
    </message>
    <message>
        <source>Keys and features…</source>
        <translation>Teclas y funciones…</translation>
    </message>
    <message>
        <source>The progress window cannot be opened (%1).</source>
        <translation>No se puede abrir la ventana de progreso (%1).</translation>
    </message>
    <message>
        <source>Classroom sheet…</source>
        <translation>Hoja de clase…</translation>
    </message>
    <message>
        <source>MIDI device</source>
        <translation>Dispositivo MIDI</translation>
    </message>
    <message>
        <source>Drag onto a circle, or press Enter to pick it up</source>
        <translation>Arrástrelo a un círculo, o pulse Intro para tomarlo</translation>
    </message>
    <message>
        <source>Type a name or drop one here. Right-click: names, Clear, Show mistakes (Ctrl+M), Reveal this note (Ctrl+R)</source>
        <translation>Escriba un nombre o suelte uno aquí. Clic derecho: nombres, Borrar, Mostrar errores (Ctrl+M), Revelar esta nota (Ctrl+R)</translation>
    </message>
</context>
<context>
    <name>velmora::ProgressWindow</name>
    <message>
        <source>week starting</source>
        <translation>semana del</translation>
    </message>
    <message>
        <source>right</source>
        <translation>correctas</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Velmora progress</source>
        <translation>Progreso en Velmora</translation>
    </message>
    <message>
        <source>Progress as text</source>
        <translation>Progreso como texto</translation>
    </message>
    <message>
        <source>As &amp;text</source>
        <translation>Como &amp;texto</translation>
    </message>
    <message>
        <source>&amp;Export CSV</source>
        <translation>&amp;Exportar CSV</translation>
    </message>
    <message>
        <source>&amp;Forget my history</source>
        <translation>&amp;Olvidar mi historial</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Chord types</source>
        <translation>Tipos de &amp;acorde</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>Tona&amp;lidades</translation>
    </message>
    <message>
        <source>of all answers</source>
        <translation>de todas las respuestas</translation>
    </message>
    <message>
        <source>&amp;Spelling</source>
        <translation>Escrit&amp;ura</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>falladas</translation>
    </message>
    <message>
        <source>T&amp;ones</source>
        <translation>&amp;Notas</translation>
    </message>
    <message>
        <source>T&amp;rend</source>
        <translation>Ten&amp;dencia</translation>
    </message>
</context>
<context>
    <name>velmora::ReviewOverlay</name>
    <message>
        <source>circle %1: %2</source>
        <translation>círculo %1: %2</translation>
    </message>
    <message>
        <source>no mistakes</source>
        <translation>ningún error</translation>
    </message>
    <message>
        <source>X wrong, ~ spelled wrong, ? empty</source>
        <translation>X incorrecto, ~ mal escrito, ? vacío</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Errores</translation>
    </message>
    <message>
        <source>Circle %1 %2 %3</source>
        <translation>Círculo %1 %2 %3</translation>
    </message>
    <message>
        <source>circle %1</source>
        <translation>círculo %1</translation>
    </message>
    <message>
        <source>circles %1</source>
        <translation>círculos %1</translation>
    </message>
    <message>
        <source>empty: %1</source>
        <translation>vacío: %1</translation>
    </message>
    <message>
        <source>? empty: %1</source>
        <translation>? vacío: %1</translation>
    </message>
    <message>
        <source>No mistakes.</source>
        <translation>Ningún error.</translation>
    </message>
</context>
<context>
    <name>velmora::StarInput</name>
    <message>
        <source>%1 put back</source>
        <translation>%1 devuelta</translation>
    </message>
    <message>
        <source>%1 picked up: choose a circle with the arrow keys and press Enter</source>
        <translation>%1 tomada: elija un círculo con las flechas y pulse Intro</translation>
    </message>
</context>
</TS>
